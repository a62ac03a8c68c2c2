#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>

#include "DiagramTestSupport.h"
#include "ScriptedPlatform.h"

namespace {
double Wave(double x) { return 0.8 * x * x - 0.3; }

std::unique_ptr<TDiagram> Plotted() {
  auto d = MakeDiagram(420, 320);
  d->GetKeeper(0)->SetFunction(Wave, 100, -1, 1);
  d->GetKeeper(0)->SetColor(Red);
  d->ShowDiagram();
  return d;
}

QPoint NetCentre(const TDiagram& d) {
  return QPoint((d.Get_xb_net() + d.Get_xe_net()) / 2, (d.Get_yb_net() + d.Get_ye_net()) / 2);
}
}  // namespace

TEST(DiagramFeeler, DrawingAndErasingRestoresEveryPixel) {
  auto d = Plotted();
  for (Qt::PenStyle style : {Qt::SolidLine, Qt::DotLine, Qt::DashLine}) {
    for (int width : {1, 3}) {
      d->SetPenStyleFeeler(style);
      d->SetPenWidthFeeler(width);
      d->SetColorFeeler(Blue);
      const QImage before = d->Picture().copy();
      const QPoint c = NetCentre(*d);
      d->MouseMove(Qt::NoModifier, c.x(), c.y());
      EXPECT_TRUE(d->IsFeelerDrawn());
      EXPECT_NE(d->Picture(), before);
      // The cursor point and 11 pixels below and left of it stay free.
      EXPECT_EQ(d->Picture().pixel(c.x(), c.y() + 5), before.pixel(c.x(), c.y() + 5));
      EXPECT_EQ(d->Picture().pixel(c.x() - 5, c.y()), before.pixel(c.x() - 5, c.y()));
      d->MouseMove(Qt::NoModifier, c.x() + 17, c.y() - 9);
      d->MouseMove(Qt::NoModifier, 0, 0);  // outside: erased, nothing new
      EXPECT_FALSE(d->IsFeelerDrawn());
      EXPECT_EQ(d->Picture(), before) << style << " " << width;
    }
  }
}

TEST(DiagramFeeler, TurningItOffErasesAVisibleFeelerAtOnce) {
  auto d = Plotted();
  const QImage before = d->Picture().copy();
  const QPoint c = NetCentre(*d);
  d->MouseMove(Qt::NoModifier, c.x(), c.y());
  d->SetShowFeeler(false);
  EXPECT_EQ(d->Picture(), before);
  d->MouseMove(Qt::NoModifier, c.x(), c.y());
  EXPECT_EQ(d->Picture(), before);
  d->SetShowFeeler(true);  // nothing until the next move
  EXPECT_EQ(d->Picture(), before);
  d->MouseMove(Qt::NoModifier, c.x(), c.y());
  EXPECT_NE(d->Picture(), before);
  d->ShowDiagram();  // a repaint removes it too
  EXPECT_FALSE(d->IsFeelerDrawn());
  EXPECT_EQ(d->Picture(), before);
}

TEST(DiagramFeeler, LeavingTheDiagramErasesIt) {
  auto d = Plotted();
  const QImage before = d->Picture().copy();
  const QPoint c = NetCentre(*d);
  d->MouseMove(Qt::NoModifier, c.x(), c.y());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(d.get(), &leave);
  EXPECT_FALSE(d->IsFeelerDrawn());
  EXPECT_EQ(d->Picture(), before);
}

TEST(DiagramFeeler, CursorIsCrossInsideAndTheSavedOneOutside) {
  auto d = Plotted();
  d->setCursor(Qt::PointingHandCursor);
  const QPoint c = NetCentre(*d);
  d->MouseMove(Qt::NoModifier, c.x(), c.y());
  EXPECT_EQ(d->cursor().shape(), Qt::CrossCursor);
  d->MouseMove(Qt::NoModifier, d->Get_xb_net(), c.y());  // the border is outside
  EXPECT_EQ(d->cursor().shape(), Qt::PointingHandCursor);
  d->SetShowFeeler(false);
  d->SetNetCursor(Qt::SizeAllCursor);
  d->MouseMove(Qt::NoModifier, c.x(), c.y());
  EXPECT_EQ(d->cursor().shape(), Qt::SizeAllCursor);
  d->MouseMove(Qt::NoModifier, c.x(), d->height() - 1);
  EXPECT_EQ(d->cursor().shape(), Qt::PointingHandCursor);
}

TEST(DiagramFeeler, OwnerHearsTheMoveAfterTheFeelerIsDrawn) {
  auto d = Plotted();
  const QPoint c = NetCentre(*d);
  bool drawnWhenCalled = false;
  QPoint heard;
  QObject::connect(d.get(), &TDiagram::OnMouseMove, [&](TDiagram* sender, Qt::KeyboardModifiers, int x, int y) {
    EXPECT_EQ(sender, d.get());
    drawnWhenCalled = sender->IsFeelerDrawn();
    heard = QPoint(x, y);
  });
  QMouseEvent move(QEvent::MouseMove, QPointF(c), QPointF(d->mapToGlobal(c)), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(d.get(), &move);
  EXPECT_TRUE(drawnWhenCalled);
  EXPECT_EQ(heard, c);
}

TEST(DiagramFeeler, ClickAndMouseDownReachTheOwner) {
  auto d = Plotted();
  int clicks = 0;
  Qt::MouseButton pressed = Qt::NoButton;
  QObject::connect(d.get(), &TDiagram::OnClick, [&](TDiagram*) { ++clicks; });
  QObject::connect(d.get(), &TDiagram::OnMouseDown,
                   [&](TDiagram*, Qt::MouseButton b, Qt::KeyboardModifiers, int, int) { pressed = b; });
  QTest::mouseClick(d.get(), Qt::LeftButton, Qt::NoModifier, NetCentre(*d));
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(d.get(), Qt::RightButton, Qt::NoModifier, NetCentre(*d));
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(pressed, Qt::RightButton);
}

TEST(DiagramSteps, StepDependsOnWidthAndPrecision) {
  auto d = MakeDiagram(400, 300);
  d->SetRangeX(0, 2);
  d->IncreaseXmin();
  EXPECT_DOUBLE_EQ(d->GetXmin(), 0.1);
  d->SetRangeX(0, 500);
  d->IncreaseXmin();
  EXPECT_DOUBLE_EQ(d->GetXmin(), 10);
  d->SetRangeX(0, 1000);
  d->ReduceXmin();
  EXPECT_DOUBLE_EQ(d->GetXmin(), -1);
  d->SetRangeY(0, 5000);
  d->IncreaseYmax();
  EXPECT_DOUBLE_EQ(d->GetYmax(), 5100);
  d->ReduceYmin();
  EXPECT_DOUBLE_EQ(d->GetYmin(), -100);
  d->IncrementYmin(0.5);
  EXPECT_DOUBLE_EQ(d->GetYmin(), -99.5);
}

TEST(DiagramSteps, ReducingPastTheOtherEndReordersAndRefusesTooNarrow) {
  auto d = MakeDiagram(400, 300);
  d->SetRangeX(0, 0.3);
  for (int i = 0; i < 100; ++i) {
    d->ReduceXmax();
    ASSERT_GE(d->GetXmax() - d->GetXmin(), 1e-6);
  }
  d->SetRangeX(0, 2e-6);
  d->IncrementXmax(-1.5e-6);  // would leave less than 1e-6: refused
  EXPECT_EQ(d->GetXmax(), 2e-6);
  d->SetRangeX(0, 0.005);  // precision 4: 0.0001
  d->IncrementXmax(-0.0075);
  EXPECT_NEAR(d->GetXmin(), -0.0025, 1e-12);
  EXPECT_NEAR(d->GetXmax(), 0, 1e-12);
  d->SetLimitX(-1, 1);
  d->SetRangeX(-1, 0.5);
  d->ReduceXmin();
  EXPECT_EQ(d->GetXmin(), -1);  // clamped to the limit
}

TEST(DiagramExport, ClipboardGetsThePrintModePicture) {
  auto d = Plotted();
  const QPoint c = NetCentre(*d);
  d->MouseMove(Qt::NoModifier, c.x(), c.y());
  d->CopyToClipboard();
  ASSERT_EQ(Scripted().ClipboardWrites, 1);
  const QImage& copied = Scripted().Clipboard;
  EXPECT_EQ(copied.size(), d->size());
  EXPECT_EQ(copied.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_EQ(CountColour(copied, 0, 0, 999, 999, Red), 0);
  EXPECT_GT(CountColour(d->Picture(), 0, 0, 999, 999, Red), 0);  // normal colours again
  EXPECT_FALSE(d->GetPrintMode());
}

TEST(DiagramExport, SavedBitmapIsWhiteWithoutFeelerUnderACorrectedName) {
  QTemporaryDir dir;
  auto d = Plotted();
  d->SetPrintMode();
  const QImage printed = d->Picture().convertToFormat(QImage::Format_RGB32);
  d->ResetPrintMode();
  const QPoint c = NetCentre(*d);
  d->MouseMove(Qt::NoModifier, c.x(), c.y());
  const QString asked = dir.filePath(QStringLiteral("plot.jpg"));
  Scripted().AnswerFile(asked);
  d->SaveBmpFile();
  ASSERT_EQ(Scripted().Dialogs.size(), 1);
  const TFileDialogOptions& o = Scripted().Dialogs.first().Options;
  EXPECT_TRUE(o.OverwritePrompt);
  EXPECT_EQ(o.DefaultExt, QStringLiteral("bmp"));
  EXPECT_EQ(o.Filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
  EXPECT_EQ(o.FileName, QStringLiteral("Диаграмма.bmp"));
  EXPECT_EQ(Scripted().Messages,
            QStringList(asked + QStringLiteral(":\nФормат файлов .jpg не поддерживается.Произведена коррекция.")));
  const QString written = dir.filePath(QStringLiteral("plot.bmp"));
  EXPECT_FALSE(QFile::exists(asked));
  QImage back(written, "BMP");
  ASSERT_FALSE(back.isNull());
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), printed);
}

TEST(DiagramExport, UpperCaseExtensionIsAcceptedAndCancelSavesNothing) {
  QTemporaryDir dir;
  auto d = Plotted();
  d->SaveBmpFile(dir.filePath(QStringLiteral("A.BMP")));
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("A.BMP"))));
  EXPECT_TRUE(Scripted().Messages.isEmpty());
  Scripted().CancelFile();
  d->SaveBmpFile();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
  // A name without extension gets the message with an empty extension.
  d->SaveBmpFile(dir.filePath(QStringLiteral("plain")));
  EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("plain.bmp"))));
  EXPECT_EQ(Scripted().Messages.size(), 1);
}

TEST(DiagramExport, UnwritableFileIsReportedNotPassedOver) {
  auto d = Plotted();
  d->SaveBmpFile(QStringLiteral("/nonexistent-folder/x.bmp"));
  ASSERT_EQ(Scripted().Messages.size(), 1);
  EXPECT_TRUE(Scripted().Messages.first().contains(QStringLiteral("/nonexistent-folder/x.bmp")));
}
