// The graphical editor feeding the main window: a drawing made with the mouse in the modal
// editor becomes the signal, its interval found where the drawing leaves zero.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <functional>

#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "sources/DiagramEditor.h"
#include "widgets/YesNoDialogUnit.h"

namespace {
struct TPoint {
  double X, Y;
};

void Click(TDiagram& d, TPoint at) {
  const QPoint p(d.MathToPhisX(at.X), d.MathToPhisY(at.Y));
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, QPointF(p), QPointF(d.mapToGlobal(p)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&d, &event);
  }
}

// Runs the main window's command "Задать графически", acting in the modal editor once shown.
void RunEditor(TResamForm& form, const std::function<void(TDiagramEditor&)>& act) {
  QTimer::singleShot(0, [act] { act(*DiagramEditor); });
  form.N2Click();
}

void Draw(TDiagramEditor& e, std::initializer_list<TPoint> points) {
  for (TPoint p : points) Click(*e.Diagram1, p);
}

struct TEditorRoad : testing::Test {
  TDiagramEditor Editor;
  TResamForm Form;
  void SetUp() override { DiagramEditor = &Editor; }
  void TearDown() override { DiagramEditor = nullptr; }
  bool LabelsAreNumbers() const {
    for (const QLabel* l : {Form.Label20, Form.Label21, Form.Label22, Form.Label23, Form.Label7})
      if (l->text().contains(QStringLiteral("nan"), Qt::CaseInsensitive) ||
          l->text().contains(QStringLiteral("inf"), Qt::CaseInsensitive))
        return false;
    return true;
  }
};
}  // namespace

TEST_F(TEditorRoad, FlatToppedPulseGivesItsSupportAndTheEdgeGuard) {
  RunEditor(Form, [](TDiagramEditor& e) {
    // Zero up to 2, a jump to 0.8, flat to 6, back to zero, zero to 8.
    Draw(e, {{2, 0}, {2, 0.8}, {6, 0.8}, {6, 0}, {8, 0}});
    e.SpeedButtonInput->click();
  });
  ASSERT_TRUE(Form.Engine.SignalGiven());
  EXPECT_EQ(Form.Engine.Source(), TResamEngine::SourceEditor);
  EXPECT_EQ(Editor.windowTitle(), QStringLiteral("Кварнел: Графическое задание сигнала"));
  EXPECT_EQ(Editor.Diagram1->GetNameDiagram(), QStringLiteral("Сигнал"));
  EXPECT_EQ(Editor.GetDrawColor(), 0x0000FF);
  const double column = Editor.PixelStep();
  EXPECT_NEAR(Form.Engine.T1(), 2, 3 * column);
  EXPECT_NEAR(Form.Engine.T2(), 6, 3 * column);
  EXPECT_TRUE(Form.Engine.EdgeGuard()) << "the half-level support is the whole support";
  EXPECT_EQ(Form.Engine.N(), std::min(2 * Form.Engine.Nmin(), int(TResamEngine::MaxCount)));
  const double factor = Form.Engine.N() < 100 ? 0.99 : 1.0;
  EXPECT_NEAR(Form.Engine.T(), (Form.Engine.T2() - Form.Engine.T1()) * factor / (Form.Engine.N() - 1), 1e-12);
  const double row = 2.0 / Editor.Diagram1->Get_h_out();
  EXPECT_NEAR(Form.Engine.AnalogValues()[512], 0.8, row) << "the middle of the interval is on the top";
  EXPECT_TRUE(LabelsAreNumbers());
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join('\n').toStdString();
}

TEST_F(TEditorRoad, DegenerateDrawingsArriveAsDefinedSignals) {
  const struct {
    const char* Name;
    std::function<void(TDiagramEditor&)> Draw;
  } cases[] = {
      {"nothing drawn", [](TDiagramEditor&) {}},
      {"one sample",
       [](TDiagramEditor& e) {
         TDiagram& d = *e.Diagram1;
         Click(d, {d.PhisToMathX(e.GetPen().x() + 1), 0.5});
       }},
      {"flat at zero",
       [](TDiagramEditor& e) {
         Draw(e, {{5, 0}});
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    RunEditor(Form, [&c](TDiagramEditor& e) {
      e.NewDrawing();
      c.Draw(e);
      e.SpeedButtonInput->click();
    });
    ASSERT_TRUE(Form.Engine.SignalGiven());
    EXPECT_TRUE(std::isfinite(Form.Engine.T1()) && std::isfinite(Form.Engine.T2()));
    EXPECT_LT(Form.Engine.T1(), Form.Engine.T2());
    EXPECT_TRUE(std::isfinite(Form.Engine.Wm()));
    EXPECT_TRUE(std::isfinite(Form.Engine.T()) && Form.Engine.T() > 0);
    EXPECT_TRUE(LabelsAreNumbers());
    for (int i = 0; i < TResamEngine::AnalogCount; ++i) ASSERT_TRUE(std::isfinite(Form.Engine.AnalogValues()[i])) << i;
  }
}

TEST_F(TEditorRoad, ClosingWithoutProcessingLeavesTheMainWindowAlone) {
  RunEditor(Form, [](TDiagramEditor& e) {
    Draw(e, {{3, 0.5}});
    QTimer::singleShot(0, [] {
      auto* question = qobject_cast<TYesNoDialogForm*>(QApplication::activeModalWidget());
      ASSERT_NE(question, nullptr);
      question->ButtonYes->click();
    });
    e.SpeedButtonClose->click();
  });
  EXPECT_FALSE(Form.Engine.SignalGiven());
  EXPECT_FALSE(Editor.isVisible());
  EXPECT_FALSE(Form.EditorFirstUse) << "the titles set on the first use stay set";
  EXPECT_EQ(Editor.Diagram1->GetNameX(), QStringLiteral("t,c"));
}
