#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <functional>

#include "AccessibleCheck.h"
#include "EditorTestSupport.h"
#include "plotting/DiagramColours.h"

namespace {
struct TSegment {
  QPointF From, To;  // abscissa and ordinate of the pixels the segment joins
};

// The samples of a polyline as the columns from each segment's left end up to (not
// including) its right end, at the step of a column, written from the closed form.
std::vector<double> Expected(const std::vector<TSegment>& segments, double step) {
  std::vector<double> values;
  for (const TSegment& s : segments) {
    const double width = s.To.x() - s.From.x();
    const int columns = int(std::ceil(width / step - 1e-9));
    for (int k = 0; k < columns; ++k) values.push_back(s.From.y() + (s.To.y() - s.From.y()) * (k * step) / width);
  }
  return values;
}
}  // namespace

TEST_F(TEditorTest, MouseDrawsStraightSegmentsSampledPerColumnAndNeverGoesBack) {
  EXPECT_TRUE(AllWidgetsNamed(&Editor));
  EXPECT_TRUE(Editor.SpeedButtonLimit->isEnabled());
  const QPoint start = Editor.GetPen();
  EXPECT_EQ(start, At(0, 0));
  const QPoint a = At(2, 0.5), b = At(5, -0.5);
  auto math = [&](QPoint p) { return QPointF(D.PhisToMathX(p.x()), Editor.OrdinateOf(p.y())); };

  Press(a);          // a click from the start pen
  Drag(b);           // the button held while moving draws on
  Drag(At(4, 0.9));  // left of the pen: nothing
  Release(At(4, 0.9));
  Click(QPoint(b.x(), At(0, 0.8).y()));      // the same column: a vertical jump
  Click(QPoint(D.Get_xe_net() - 1, b.y()));  // inside the net but within its border: nothing

  const std::vector<double> want = Expected({{math(start), math(a)}, {math(a), math(b)}}, Editor.PixelStep());
  const std::vector<double> got = Drawn();
  ASSERT_NEAR(double(got.size()), double(want.size()), 1.0);
  for (size_t i = 0; i < std::min(got.size(), want.size()); ++i) EXPECT_NEAR(got[i], want[i], 1e-9) << i;
  EXPECT_NEAR(double(got.size()), double(b.x() - start.x()), 2.0) << "about one sample per pixel column";
  EXPECT_EQ(Editor.GetPen(), QPoint(b.x(), At(0, 0.8).y()));
  EXPECT_FALSE(Editor.SpeedButtonLimit->isEnabled());
  EXPECT_FALSE(Editor.NRetLim->isEnabled());
  // The cursor is held right of the pen, over the diagram's full height.
  ASSERT_TRUE(Scripted().Confinement.has_value());
  EXPECT_EQ(Scripted().Confinement->left(), D.mapToGlobal(Editor.GetPen()).x());
  EXPECT_EQ(Scripted().Confinement->height(), D.height());
  // The curve is on the screen in the drawing colour (blue until the main window sets red).
  const QRgb blue = ColourOf(0xFF0000).rgb();
  const QPoint mid = (a + b) / 2;
  bool found = false;
  for (int dy = -2; dy <= 2; ++dy) found |= D.Picture().pixel(mid.x(), mid.y() + dy) == blue;
  EXPECT_TRUE(found);
}

TEST_F(TEditorTest, RubberBandAndFeelerLeaveNoTrace) {
  const QImage before = D.Picture().copy();
  Hover(At(3, 0.6));
  EXPECT_TRUE(Editor.IsBandShown());
  EXPECT_NE(D.Picture(), before);
  EXPECT_FALSE(Editor.Panel2->text().isEmpty());
  Hover(At(7, -0.3));
  Hover(QPoint(2, 2));  // off the net: band, feeler and read-out go, the cursor is freed
  EXPECT_FALSE(Editor.IsBandShown());
  EXPECT_EQ(D.Picture(), before);
  EXPECT_TRUE(Editor.Panel2->text().isEmpty());
  EXPECT_FALSE(Scripted().Confinement.has_value());
  // Leaving the diagram in one jump does the same.
  Hover(At(5, 0.5));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&D, &leave);
  EXPECT_EQ(D.Picture(), before);
  EXPECT_TRUE(Editor.Panel2->text().isEmpty());
}

TEST_F(TEditorTest, ArrowKeysMoveTheCursorOnePixelAndEnterFixesAPoint) {
  const QPoint inside = At(4, 0.25);
  struct TCase {
    int Key;
    QPoint Moved;
  } cases[] = {{Qt::Key_Right, {1, 0}}, {Qt::Key_Left, {-1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
  for (const TCase& c : cases) {
    Scripted().Cursor = D.mapToGlobal(inside);
    QTest::keyClick(&Editor, Qt::Key(c.Key));
    EXPECT_EQ(D.mapFromGlobal(Scripted().Cursor), inside + c.Moved) << c.Key;
  }
  // At the net's border the cursor stays; off the net no key does anything.
  const QPoint edge(D.Get_xe_net() - 2, inside.y());
  Scripted().Cursor = D.mapToGlobal(edge);
  QTest::keyClick(&Editor, Qt::Key_Right);
  EXPECT_EQ(D.mapFromGlobal(Scripted().Cursor), edge);
  Scripted().Cursor = D.mapToGlobal(QPoint(1, 1));
  QTest::keyClick(&Editor, Qt::Key_Return);
  EXPECT_EQ(Editor.GetCount(), 0);

  Scripted().Cursor = D.mapToGlobal(inside);
  QTest::keyClick(&Editor, Qt::Key_Return);
  EXPECT_EQ(Editor.GetPen(), inside);
  EXPECT_GT(Editor.GetCount(), 0);
}

TEST_F(TEditorTest, RangeArrowsKeepZeroInsideAndResetThePen) {
  Editor.SpeedButtonLimit->click();
  EXPECT_TRUE(Editor.UpDown1->isVisible());
  // Held down until the edge stops moving.
  auto holdUntilStill = [](QToolButton* arrow, std::function<double()> edge) {
    for (int i = 0; i < 1000; ++i) {
      const double was = edge();
      arrow->click();
      if (edge() == was) return;
    }
  };
  holdUntilStill(Editor.UpDown1->PrevButton(), [&] { return D.GetYmax(); });
  EXPECT_EQ(D.GetYmax(), 0);
  holdUntilStill(Editor.UpDown2->NextButton(), [&] { return D.GetYmin(); });
  EXPECT_LE(D.GetYmin(), 0);
  EXPECT_LT(D.GetYmin(), D.GetYmax());
  Editor.UpDown3->NextButton()->click();
  EXPECT_GT(D.GetXmin(), 0);
  EXPECT_EQ(Editor.GetPen(), At(D.GetXmin(), 0));
  Editor.SpeedButtonRetLim->click();
  EXPECT_EQ(D.GetXmin(), 0);
  EXPECT_EQ(D.GetXmax(), 10);
  EXPECT_EQ(D.GetYmin(), -1);
  EXPECT_EQ(D.GetYmax(), 1);
  EXPECT_EQ(Editor.GetPen(), At(0, 0));
}

TEST_F(TEditorTest, CreateAsksUnlessToldNotToAndStartsAfresh) {
  Click(At(3, 0.5));
  D.SetRangeX(0, 10);  // the same ranges; only the drawing counts
  const int drawn = Editor.GetCount();
  QString caption;
  AnswerQuestion(false, true, &caption);
  Editor.SpeedButtonNewClick();
  EXPECT_EQ(caption, QStringLiteral("Новый график"));
  EXPECT_EQ(Editor.GetCount(), drawn) << "answered no: nothing happens";
  Editor.NNew->trigger();  // the box was ticked: no question this time
  EXPECT_EQ(Editor.GetCount(), 0);
  EXPECT_EQ(Editor.GetPen(), At(0, 0));
  EXPECT_TRUE(Editor.SpeedButtonLimit->isEnabled());
  EXPECT_FALSE(Scripted().Confinement.has_value());
}

TEST_F(TEditorTest, ProcessingHandsTheDrawingOverAsSeriesZero) {
  Editor.SpeedButtonInputClick();
  EXPECT_TRUE(Editor.IsProcessed());
  EXPECT_FALSE(Editor.isVisible()) << "closed without a question";
  TKeeper* signal = Editor.GetSignal();
  EXPECT_EQ(signal->GetSource(), SourceConstant);
  EXPECT_EQ(signal->GetXmin(), 0);
  EXPECT_NEAR(signal->GetXmax(), 1, 1e-12);
  EXPECT_EQ(signal->GetValue(0.5), 0);

  Editor.show();
  EXPECT_FALSE(Editor.IsProcessed());
  const QPoint end = At(6, 0.5);
  Click(end);
  Editor.NCalc->trigger();
  EXPECT_TRUE(Editor.IsProcessed());
  EXPECT_EQ(signal->GetSource(), SourceArray);
  EXPECT_EQ(signal->GetCount(), Editor.GetCount());
  EXPECT_NEAR(signal->GetXmax(), D.PhisToMathX(end.x()), 1e-12);
  EXPECT_FALSE(signal->IsShown()) << "the editor draws the curve itself";
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST_F(TEditorTest, TheZeroLineDrawsExactZerosWhateverThePlotHeight) {
  for (int extra : {0, 1}) {
    SCOPED_TRACE(extra);
    D.resize(D.width(), D.height() + extra);
    D.ShowDiagram();
    Editor.NewDrawing();
    Click(At(4, 0));
    Click(At(4, 0.5));
    Click(At(6, 0.5));
    const std::vector<double> drawn = Drawn();
    ASSERT_GT(drawn.size(), 10u);
    EXPECT_EQ(drawn.front(), 0);
    EXPECT_EQ(drawn[drawn.size() / 2 - 5], 0) << "still on the zero line";
    EXPECT_NEAR(drawn.back(), 0.5, 2.0 / D.Get_h_out());
  }
}
