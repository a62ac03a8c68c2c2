#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ScriptedPlatform.h"
#include "widgets/PicViewerUnit.h"

namespace {
constexpr int WatchdogMilliseconds = 5000;

QImage Stripes(int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) picture.setPixel(x, y, (x / 7 + y / 5) % 2 ? 0xFF2040C0 : 0xFFFFFFFF);
  return picture;
}

// Where the window belongs: the middle of the primary screen, halves truncated.
QPoint ScreenCentrePosition(const QWidget& window) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QSize size = window.frameGeometry().size();
  return QPoint(screen.x() + screen.width() / 2 - size.width() / 2,
                screen.y() + screen.height() / 2 - size.height() / 2);
}

// Shows the picture modally and acts from inside the modal loop; a watchdog closes
// a window the action left open.
void ShowAndAct(TPicViewerForm& viewer, const QImage& picture, const std::function<void()>& act) {
  bool acted = false;
  QTimer::singleShot(0, [&] {
    EXPECT_EQ(QApplication::activeModalWidget(), &viewer);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&viewer));  // painted, so centred with its frame
    acted = true;
    act();
  });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [&viewer] {
    if (!viewer.isVisible()) return;
    ADD_FAILURE() << "the viewer was still open";
    viewer.close();
  });
  watchdog.start(WatchdogMilliseconds);
  viewer.ShowPicture(picture);
  EXPECT_TRUE(acted);
  EXPECT_FALSE(viewer.isVisible());
}
}  // namespace

TEST(PicViewerShow, FitsThePictureCopiesItAndCloses) {
  TPicViewerForm viewer;
  EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Рисунок в Resam: описание порождающей фукнции "));
  QImage picture = Stripes(120, 70);
  ShowAndAct(viewer, picture, [&] {
    EXPECT_EQ(viewer.Image1->size(), picture.size());
    EXPECT_EQ(viewer.Image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_GE(viewer.width(), picture.width());
    EXPECT_LT(viewer.width(), picture.width() + 10) << "the window fits the picture";
    EXPECT_EQ(viewer.pos(), ScreenCentrePosition(viewer));
    viewer.N2->trigger();
    viewer.N5->trigger();
  });
  EXPECT_EQ(Scripted().ClipboardWrites, 1);
  EXPECT_EQ(Scripted().Clipboard, picture);

  picture.fill(Qt::black);  // the viewer keeps its own copy
  EXPECT_NE(viewer.Picture(), picture);
}

TEST(PicViewerShow, FollowsASmallerPictureShownNext) {
  TPicViewerForm viewer;
  ShowAndAct(viewer, Stripes(300, 200), [&] { viewer.N5->trigger(); });
  const QSize large = viewer.size();
  ShowAndAct(viewer, Stripes(60, 40), [&] {
    EXPECT_LT(viewer.width(), large.width());
    EXPECT_LT(viewer.height(), large.height());
    EXPECT_EQ(viewer.pos(), ScreenCentrePosition(viewer));
    viewer.close();
  });
}

// A picture drawn for a high-density screen fills a window of its logical size, not of its
// image pixels.
TEST(PicViewerShow, SizesTheWindowByThePicturesLogicalSize) {
  TPicViewerForm viewer;
  viewer.LoadPicture(Stripes(120, 70));
  const QSize plain = viewer.size(), label = viewer.Image1->size();
  QImage dense = Stripes(240, 140);
  dense.setDevicePixelRatio(2);
  viewer.LoadPicture(dense);
  EXPECT_EQ(viewer.Image1->size(), label);
  EXPECT_EQ(viewer.size(), plain);
}

TEST(PicViewerShow, PictureLargerThanTheScreenGetsANegativePosition) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  TPicViewerForm viewer;
  ShowAndAct(viewer, Stripes(screen.width() + 301, screen.height() + 201), [&] {
    EXPECT_EQ(viewer.pos(), ScreenCentrePosition(viewer));
    EXPECT_LT(viewer.x(), screen.x());
    EXPECT_LT(viewer.y(), screen.y());
    viewer.N5->trigger();
  });
}

TEST(PicViewerPaint, EveryPaintCentresTheWindowAgain) {
  TPicViewerForm viewer;
  viewer.LoadPicture(Stripes(90, 50));
  viewer.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
  viewer.move(3, 4);
  ASSERT_EQ(viewer.pos(), QPoint(3, 4));
  viewer.repaint();
  EXPECT_EQ(viewer.pos(), ScreenCentrePosition(viewer));
  viewer.close();
}

TEST(PicViewerSave, SavesAsBitmapUnderACorrectedName) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QImage picture = Stripes(40, 30);
  TPicViewerForm viewer;
  Scripted().AnswerFile(folder.filePath(QStringLiteral("formula.png")));
  Scripted().CancelFile();
  ShowAndAct(viewer, picture, [&] {
    viewer.N3->trigger();
    viewer.N3->trigger();  // cancelled: nothing happens
    viewer.N5->trigger();
  });
  ASSERT_EQ(Scripted().Dialogs.size(), 2);
  EXPECT_EQ(Scripted().Dialogs[0].Options.FileName, QStringLiteral("Рисунок.bmp"));
  const QString saved = folder.filePath(QStringLiteral("formula.bmp"));
  EXPECT_EQ(Scripted().Messages,
            QStringList{folder.filePath(QStringLiteral("formula.png")) +
                        QStringLiteral(":\nФормат файлов .png не поддерживается.Произведена коррекция.")});
  QImage read(saved, "BMP");
  EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), picture);
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("formula.bmp")});
}
