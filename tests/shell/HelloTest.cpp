#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "ScriptedPlatform.h"
#include "platform/Language.h"
#include "shell/HelloUnit.h"

namespace {
// Lets the event loop run until the window has freed itself or the time is up.
bool FreedWithin(const QPointer<THelloForm>& form, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (form && clock.elapsed() < milliseconds) QTest::qWait(20);
  return form.isNull();
}

QPointer<THelloForm> ShowWelcome() {
  auto* form = new THelloForm;
  form->show();
  form->repaint();
  return form;
}
}  // namespace

TEST(HelloCard, IsAFramelessTopmostCardInTheScreensMiddle) {
  QPointer<THelloForm> form = ShowWelcome();
  EXPECT_EQ(form->size(), QSize(400, 300));
  EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(form->pos(), QPoint(screen.x() + screen.width() / 2 - 200, screen.y() + screen.height() / 2 - 150));
  EXPECT_EQ(form->Image1->geometry(), form->rect());
  EXPECT_EQ(form->Image1->pixmap().size(), QSize(400, 300));
  EXPECT_EQ(form->Image1->cursor().shape(), Qt::BusyCursor);
  EXPECT_EQ(Scripted().CursorStack, QList<Qt::CursorShape>{Qt::BusyCursor});
  EXPECT_TRUE(form->Timer1->isActive());
  EXPECT_EQ(form->Timer1->interval(), 5000);
  delete form;
  EXPECT_TRUE(Scripted().CursorStack.isEmpty()) << "a window destroyed unclosed puts the cursor back";
}

// At a ratio of 2 (a high-density screen) the card keeps its logical size with twice the detail.
TEST(HelloCard, PictureIsDrawnAcrossTheWholeCard) {
  for (const int ratio : {1, 2}) {
    SCOPED_TRACE(ratio);
    const QImage card = HelloPicture(ratio);
    ASSERT_EQ(card.size(), QSize(400, 300) * ratio);
    EXPECT_EQ(card.deviceIndependentSize().toSize(), QSize(400, 300));
    // Not a blank or a single-colour picture: the background shades, the text and the plot differ.
    QSet<QRgb> colours;
    for (int y = 0; y < card.height(); y += 3)
      for (int x = 0; x < card.width(); x += 3) colours.insert(card.pixel(x, y));
    EXPECT_GT(colours.size(), 50);
    EXPECT_NE(card.pixel(card.width() / 2, 2), card.pixel(card.width() / 2, card.height() - 3))
        << "the background shades from top to bottom";
  }
}

// The card's words are painted: a language chosen while it shows paints it in that language,
// and Russian again gives the very same card.
TEST(HelloCard, PaintsItselfAgainInTheLanguageChosen) {
  QPointer<THelloForm> form = ShowWelcome();
  const auto shown = [&form] { return form->Image1->pixmap().toImage(); };
  const QImage russian = shown();
  for (const TLanguage language : {TLanguage::English, TLanguage::Russian}) {
    ApplyLanguage(language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(shown() == russian, language == TLanguage::Russian) << LanguageCode(language).toStdString();
    EXPECT_EQ(shown(), HelloPicture(form->devicePixelRatioF()).convertToFormat(shown().format()));
  }
  delete form;
}

TEST(HelloClose, AClickOnThePictureClosesAndFreesIt) {
  QPointer<THelloForm> form = ShowWelcome();
  QTest::mouseClick(form->Image1, Qt::LeftButton, Qt::NoModifier, QPoint(30, 40));
  EXPECT_TRUE(FreedWithin(form, 1000));
  EXPECT_TRUE(Scripted().CursorStack.isEmpty());
  EXPECT_EQ(Scripted().CursorsPushed, QList<Qt::CursorShape>{Qt::BusyCursor});
}

TEST(HelloClose, ARightClickDoesNotClose) {
  QPointer<THelloForm> form = ShowWelcome();
  QTest::mouseClick(form->Image1, Qt::RightButton);
  EXPECT_FALSE(FreedWithin(form, 50));
  delete form;
}

TEST(HelloClose, ClosesByItselfAfterFiveSeconds) {
  QPointer<THelloForm> form = ShowWelcome();
  // A coarse timer may fire up to 5 % early; well before that the card still shows.
  EXPECT_FALSE(FreedWithin(form, 4000));
  EXPECT_EQ(Scripted().CursorStack, QList<Qt::CursorShape>{Qt::BusyCursor});
  EXPECT_TRUE(FreedWithin(form, 3000));
  EXPECT_TRUE(Scripted().CursorStack.isEmpty());
}
