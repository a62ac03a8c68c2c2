#include <QAction>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "EditorTestSupport.h"

namespace {
struct TWayOfClosing {
  const char* Name;
  std::function<void(TDiagramEditor&)> Close;
};

const TWayOfClosing WaysOfClosing[] = {
    {"tool button", [](TDiagramEditor& e) { e.SpeedButtonClose->click(); }},
    {"menu", [](TDiagramEditor& e) { e.NClose->trigger(); }},
    {"Esc", [](TDiagramEditor& e) { QTest::keyClick(&e, Qt::Key_Escape); }},
    {"window cross", [](TDiagramEditor& e) { e.close(); }},
};
}  // namespace

TEST_F(TEditorTest, EveryWayOfClosingWithoutProcessingUndoesTheSession) {
  for (const TWayOfClosing& way : WaysOfClosing) {
    SCOPED_TRACE(way.Name);
    AnswerQuestion(true, false);
    Editor.SpeedButtonNewClick();  // each round from an empty drawing
    // The drawing handed over last time.
    Click(At(4, 0.5));
    Editor.SpeedButtonInputClick();
    const std::vector<double> handed = Drawn();
    const double handedEnd = Editor.GetSignal()->GetXmax();
    Editor.show();
    // This session: more drawing, then all of it replaced with another range and curve.
    Click(At(7, -0.5));
    AnswerQuestion(true, false);
    Editor.SpeedButtonNewClick();
    Editor.UpDown4->NextButton()->click();
    Click(At(2, 0.9));
    ASSERT_NE(Drawn(), handed);

    AnswerQuestion(true, false);
    way.Close(Editor);
    EXPECT_FALSE(Editor.isVisible());
    EXPECT_FALSE(Editor.IsProcessed());
    EXPECT_EQ(Drawn(), handed);
    EXPECT_EQ(D.GetXmax(), 10);
    EXPECT_EQ(Editor.GetSignal()->GetXmax(), handedEnd) << "the series spans what it spanned";
    EXPECT_EQ(Editor.GetSignal()->GetCount(), int(handed.size()));
    EXPECT_FALSE(Scripted().Confinement.has_value());
    Editor.show();
  }
}

TEST_F(TEditorTest, CloseQuestionAnsweredNoKeepsTheWindowAndItsFlagHolds) {
  Click(At(3, 0.5));
  const std::vector<double> drawn = Drawn();
  QString caption;
  AnswerQuestion(false, true, &caption);
  Editor.SpeedButtonCloseClick();
  EXPECT_EQ(caption, QStringLiteral("Закрыть редактор диаграмм"));
  EXPECT_TRUE(Editor.isVisible());
  EXPECT_EQ(Drawn(), drawn);
  // The box was ticked: the next closing undoes without asking.
  Editor.SpeedButtonCloseClick();
  EXPECT_FALSE(Editor.isVisible());
  EXPECT_TRUE(Drawn().empty());
  EXPECT_EQ(Editor.GetPen(), At(0, 0));
  EXPECT_TRUE(Editor.SpeedButtonLimit->isEnabled()) << "an empty drawing leaves the ranges free";
}
