#include <gtest/gtest.h>

#include <QLineEdit>
#include <QLocale>
#include <QTemporaryDir>
#include <QWidget>
#include <clocale>
#include <optional>

#include "ScriptedPlatform.h"
#include "widgets/Comfun.h"

namespace {
// Switches the C library and Qt to a Russian locale, whose decimal separator is a comma.
class TRussianLocale {
 public:
  TRussianLocale() {
    Previous = std::setlocale(LC_ALL, nullptr);
    Active = std::setlocale(LC_ALL, "ru_RU.UTF-8") != nullptr;
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  }
  ~TRussianLocale() {
    std::setlocale(LC_ALL, Previous.c_str());
    QLocale::setDefault(QLocale::c());
  }
  bool Active = false;

 private:
  std::string Previous;
};

QString Fixed(unsigned decimals, double value) {
  QString text;
  return FormatFixed(decimals, text, value);
}

double Read(const QString& text, bool* ok = nullptr) {
  double value = -1;
  const bool converted = TextToDouble(text, value);
  if (ok) *ok = converted;
  return value;
}
}  // namespace

TEST(ComfunFormatFixed, CommaWhateverTheLocale) {
  QLocale::setDefault(QLocale::c());
  EXPECT_EQ(Fixed(4, 3.14159265), QStringLiteral("3,1416"));
  {
    TRussianLocale russian;
    ASSERT_TRUE(russian.Active) << "the ru_RU.UTF-8 locale is missing; scripts/install-deps generates it";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 1.5);
    ASSERT_STREQ(probe, "1,5");  // the C library now writes commas itself
    EXPECT_EQ(Fixed(4, 3.14159265), QStringLiteral("3,1416"));
    EXPECT_EQ(Fixed(0, 2.5), QStringLiteral("2"));
    EXPECT_EQ(Fixed(2, -0.125), QStringLiteral("-0,12"));
  }
  EXPECT_EQ(Fixed(8, 31415.9265), QStringLiteral("3,141593e+04"));
  EXPECT_EQ(Fixed(7, 1.0), QStringLiteral("1,0000000"));
  const QString huge = Fixed(7, 1e300);
  EXPECT_EQ(huge.size(), 301 + 1 + 7);
  EXPECT_TRUE(huge.startsWith(QStringLiteral("1000000000")));
  EXPECT_FALSE(huge.contains(QLatin1Char('.')));
}

TEST(ComfunTextToDouble, PointAndCommaOnEitherLocale) {
  for (int pass = 0; pass < 2; ++pass) {
    std::optional<TRussianLocale> russian;
    if (pass == 1) russian.emplace();
    bool ok = false;
    EXPECT_DOUBLE_EQ(Read(QStringLiteral("2,5e-3"), &ok), 0.0025);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(Read(QStringLiteral("2.5e-3"), &ok), 0.0025);
    EXPECT_TRUE(ok);
    EXPECT_DOUBLE_EQ(Read(QStringLiteral("1,500")), 1.5);  // never read as a thousands group
    EXPECT_DOUBLE_EQ(Read(QStringLiteral("-7")), -7);
    EXPECT_EQ(Read(QString(), &ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Read(QStringLiteral("абв"), &ok), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(Read(QStringLiteral("1,2,3"), &ok), 0);
    EXPECT_FALSE(ok);
    for (const char* word : {"nan", "inf", "-inf", "1e999"}) {
      EXPECT_EQ(Read(QString::fromLatin1(word), &ok), 0) << word;
      EXPECT_FALSE(ok) << word;
    }
  }
}

TEST(ComfunSeparators, OnlyTheFirstOccurrenceChanges) {
  QString out;
  EXPECT_EQ(PointToComma(QStringLiteral("1.2.3"), out), QStringLiteral("1,2.3"));
  EXPECT_EQ(out, QStringLiteral("1,2.3"));
  EXPECT_EQ(CommaToPoint(QStringLiteral("1,2,3"), out), QStringLiteral("1.2,3"));
  const QString longText = QString(30001, QLatin1Char('1')) + QLatin1Char('.');
  EXPECT_EQ(PointToComma(longText, out), longText);  // the scan gives up after 30001 characters
}

TEST(ComfunKeyFilters, DecimalFilterAllowsOneCommaAndNoSign) {
  QLineEdit edit;
  QChar key = QLatin1Char('.');
  FilterDecimalKey(key, &edit);
  EXPECT_EQ(key, QLatin1Char(','));
  edit.setText(QStringLiteral("1,5"));
  key = QLatin1Char('.');
  FilterDecimalKey(key, &edit);
  EXPECT_EQ(key, QChar());
  key = QLatin1Char('-');
  FilterDecimalKey(key, &edit);
  EXPECT_EQ(key, QChar());
  key = QLatin1Char('7');
  FilterDecimalKey(key, &edit);
  EXPECT_EQ(key, QLatin1Char('7'));
  key = QChar(8);
  FilterDecimalKey(key, &edit);
  EXPECT_EQ(key, QChar(8));

  key = QLatin1Char('5');
  EXPECT_TRUE(FilterDigitKey(key));
  key = QChar(8);
  EXPECT_TRUE(FilterDigitKey(key));
  key = QLatin1Char(',');
  EXPECT_FALSE(FilterDigitKey(key));
  EXPECT_EQ(key, QChar());
}

TEST(ComfunPlacement, EditSitsRightOfThePictureVerticallyCentred) {
  QWidget form;
  QWidget image(&form);
  image.setGeometry(10, 20, 30, 25);
  QLineEdit edit(&form);
  edit.resize(50, 20);
  PlaceEditBesideImage(&image, &edit);
  EXPECT_EQ(edit.x(), 40);
  EXPECT_EQ(edit.y(), 20 + (25 - 20) / 2 + 1);
}

TEST(ComfunClipboard, CopiesTheRequestedPartOfTheWindow) {
  QWidget form;
  form.resize(200, 100);
  form.setAutoFillBackground(true);
  QPalette palette = form.palette();
  palette.setColor(QPalette::Window, Qt::green);
  form.setPalette(palette);
  CopyFormRectToClipboard(&form, 0, 0, 120, 60);
  ASSERT_EQ(Scripted().ClipboardWrites, 1);
  EXPECT_EQ(Scripted().Clipboard.size(), QSize(120, 60));
  EXPECT_EQ(Scripted().Clipboard.pixelColor(60, 30), QColor(Qt::green));
}

TEST(ComfunSaveBmp, WrongExtensionIsCorrectedAndARealBitmapWritten) {
  QTemporaryDir dir;
  QImage picture(16, 8, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  const QString asked = dir.filePath(QStringLiteral("plot.png"));
  Scripted().AnswerFile(asked);
  SaveImageAsBmp(picture);

  ASSERT_EQ(Scripted().Dialogs.size(), 1);
  const TFileDialogOptions& options = Scripted().Dialogs[0].Options;
  EXPECT_EQ(options.Filter, QStringLiteral("Bitmaps (*.bmp)|*.bmp"));
  EXPECT_EQ(options.DefaultExt, QStringLiteral("bmp"));
  EXPECT_EQ(options.FileName, QStringLiteral("Рисунок.bmp"));
  EXPECT_TRUE(options.OverwritePrompt);
  EXPECT_EQ(Scripted().Messages,
            QStringList(asked + QStringLiteral(":\nФормат файлов .png не поддерживается.Произведена коррекция.")));

  const QString written = dir.filePath(QStringLiteral("plot.bmp"));
  QImage back(written, "BMP");
  ASSERT_FALSE(back.isNull());
  EXPECT_EQ(back.size(), picture.size());
  EXPECT_EQ(back.pixelColor(3, 3), QColor(Qt::blue));
  EXPECT_FALSE(QFile::exists(asked));
}

TEST(ComfunSaveBmp, CancelWritesNothingAndSaysNothing) {
  Scripted().CancelFile();
  SaveImageAsBmp(QImage(4, 4, QImage::Format_RGB32));
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST(ComfunSaveBmp, UnwritablePlaceIsReported) {
  Scripted().AnswerFile(QStringLiteral("/nonexistent-folder/x.bmp"));
  QImage picture(4, 4, QImage::Format_RGB32);
  picture.fill(Qt::red);
  SaveImageAsBmp(picture);
  ASSERT_EQ(Scripted().Messages.size(), 1);
  EXPECT_TRUE(Scripted().Messages[0].startsWith(QStringLiteral("Не удаётся записать файл")));
}
