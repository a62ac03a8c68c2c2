#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>

#include "EditorTestSupport.h"
#include "FullDisk.h"
#include "numerics/Keeper.h"
#include "platform/Language.h"
#include "plotting/DiagramColours.h"
#include "sourcedata/DrawingFile.h"

namespace {
QByteArray ReadAll(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

void PutDoubleAt(QByteArray& bytes, int offset, double value) { memcpy(bytes.data() + offset, &value, 8); }
void PutIntAt(QByteArray& bytes, int offset, int32_t value) { memcpy(bytes.data() + offset, &value, 4); }

class TEditorFilesTest : public TEditorTest {
 protected:
  QTemporaryDir Folder;
  QString Path(const char* name) const { return Folder.filePath(QString::fromUtf8(name)); }

  // A V-shaped drawing across most of the width, saved through the window.
  QString SaveV(const char* name) {
    Click(At(4, 0.8));
    Click(At(8, -0.6));
    Scripted().AnswerFile(Path(name));
    Editor.SpeedButtonSaveClick();
    return Path(name);
  }
};
}  // namespace

TEST_F(TEditorFilesTest, RoundTripResamplesToAnotherPlotWidth) {
  const QString name = SaveV("v.txt");  // another extension is corrected, not refused
  ASSERT_EQ(Scripted().Messages.size(), 1);
  EXPECT_TRUE(Scripted().Messages[0].endsWith(QStringLiteral(" не поддерживается.Произведена коррекция.")));
  const TRecordedDialog dialog = Scripted().Dialogs.last();
  EXPECT_EQ(dialog.Options.Title, QStringLiteral("Сохранить"));
  EXPECT_EQ(dialog.Options.FileName, QStringLiteral("График.dkr"));
  EXPECT_TRUE(dialog.Options.OverwritePrompt);
  const QString saved = Path("v.dkr");
  ASSERT_TRUE(QFile::exists(saved));
  const std::vector<double> original = Drawn();
  const double step = Editor.PixelStep();
  Editor.StoreSignal();
  const double lastAbscissa = Editor.GetSignal()->GetXmax();

  // Another editor whose plot area is about half as wide.
  TDiagramEditor other;
  other.show();
  QApplication::processEvents();
  TDiagram& d2 = *other.Diagram1;
  d2.resize(d2.width() / 2, d2.height());
  d2.ShowDiagram();
  other.ResetPen();
  Scripted().AnswerFile(saved);
  other.NOpenClick();
  EXPECT_EQ(Scripted().Messages.size(), 1) << "no message for a sound file";
  EXPECT_EQ(d2.GetXmin(), 0);
  EXPECT_EQ(d2.GetXmax(), 10);
  int count = 0;
  const double* loaded = other.GetData(count);
  const double step2 = other.PixelStep();
  EXPECT_NEAR(count, lastAbscissa / step2 + 1, 1.5);
  // The shape is kept: each loaded value is the saved curve at its abscissa.
  for (int j = 0; j < count; ++j) {
    const double u = j * step2 / (lastAbscissa / (original.size() - 1));
    const int i = std::min(int(u), int(original.size()) - 2);
    const double expected = original[i] + (original[i + 1] - original[i]) * (u - i);
    ASSERT_NEAR(loaded[j], expected, 1e-9) << j;
  }
  EXPECT_LT(step, step2);
  EXPECT_EQ(other.GetPen().x(), d2.MathToPhisX(lastAbscissa));
  EXPECT_FALSE(other.SpeedButtonLimit->isEnabled());
}

// A drawing saved with the program in English is the same file as in Russian, and opens there.
TEST_F(TEditorFilesTest, ADrawingSavedInOneLanguageOpensInTheOther) {
  const auto choose = [](TLanguage language) {
    ApplyLanguage(language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  };
  choose(TLanguage::English);
  const QString english = SaveV("english.dkr");
  choose(TLanguage::Russian);
  Scripted().AnswerFile(Path("russian.dkr"));
  Editor.SpeedButtonSaveClick();
  EXPECT_EQ(ReadAll(english), ReadAll(Path("russian.dkr")));
  TDiagramEditor other;
  other.show();
  QApplication::processEvents();
  Scripted().AnswerFile(english);
  other.NOpenClick();
  EXPECT_TRUE(Scripted().Messages.isEmpty()) << Scripted().Messages.join(u'|').toStdString();
  // The V drawn, as the round trip above takes it again at the window's pixels.
  int count = 0, loadedCount = 0;
  const double* drawn = Editor.GetData(count);
  const double* loaded = other.GetData(loadedCount);
  ASSERT_GT(loadedCount, 1);
  EXPECT_NEAR(*std::max_element(loaded, loaded + loadedCount), *std::max_element(drawn, drawn + count), 1e-2);
  EXPECT_NEAR(*std::min_element(loaded, loaded + loadedCount), *std::min_element(drawn, drawn + count), 1e-2);
}

TEST_F(TEditorFilesTest, DamagedFilesChangeNothing) {
  const QString good = SaveV("good.dkr");
  const QByteArray bytes = ReadAll(good);
  ASSERT_EQ(bytes.size(), 86 + 8 * int(Drawn().size()));
  Click(At(9, 0.2));  // the drawing now differs from the file's
  const std::vector<double> drawn = Drawn();
  const QPoint pen = Editor.GetPen();
  const QImage picture = D.Picture().copy();
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const QString damaged = QStringLiteral(" повреждён. \n Операция не выполнена");
  struct TCase {
    const char* Name;
    std::function<void(QByteArray&)> Spoil;
    QString Ending;
  } cases[] = {
      {"empty", [](QByteArray& b) { b.clear(); }, damaged},
      {"truncated header", [](QByteArray& b) { b.truncate(40); }, damaged},
      {"truncated values", [](QByteArray& b) { b.chop(3); }, damaged},
      {"fourth tag", [](QByteArray& b) { b[38] = 'X'; }, damaged},
      {"negative count", [](QByteArray& b) { PutIntAt(b, 6, -5); }, damaged},
      {"huge count", [](QByteArray& b) { PutIntAt(b, 6, 0x7FFFFFFF); }, damaged},
      {"NaN Xmin", [=](QByteArray& b) { PutDoubleAt(b, 16, nan); }, damaged},
      {"infinite Ymax", [=](QByteArray& b) { PutDoubleAt(b, 72, inf); }, damaged},
      {"reversed X range", [](QByteArray& b) { PutDoubleAt(b, 30, -4); }, damaged},
      {"last abscissa before Xmin", [](QByteArray& b) { PutDoubleAt(b, 44, -1); }, damaged},
      {"NaN sample", [=](QByteArray& b) { PutDoubleAt(b, 86 + 8, nan); }, damaged},
      {"missing", nullptr, QString()},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const QString name = Path(c.Name);
    if (c.Spoil) {
      QByteArray spoilt = bytes;
      c.Spoil(spoilt);
      WriteAll(name, spoilt);
    }
    Scripted().Messages.clear();
    Scripted().AnswerFile(name);
    Editor.NOpenClick();
    ASSERT_EQ(Scripted().Messages.size(), 1);
    const QString expected =
        c.Spoil ? QStringLiteral("Файл ") + name + c.Ending : QStringLiteral("Не удаётся открыть файл ") + name;
    EXPECT_EQ(Scripted().Messages[0], expected);
    EXPECT_EQ(Drawn(), drawn);
    EXPECT_EQ(Editor.GetPen(), pen);
    EXPECT_EQ(D.GetXmax(), 10);
    EXPECT_EQ(D.GetYmin(), -1);
    EXPECT_EQ(D.Picture(), picture) << "the curve is still on the screen";
  }
}

TEST_F(TEditorFilesTest, FailedSaveSaysSoAndLeavesTheOldFileIntact) {
  const QString missingFolder = Path("no such folder/g.dkr");
  Scripted().AnswerFile(missingFolder);
  Click(At(5, 0.5));
  Editor.SpeedButtonSaveClick();
  ASSERT_EQ(Scripted().Messages, QStringList{QStringLiteral("Не удаётся создать файл") + missingFolder});

  // A full disk: the file may grow no larger than a header.
  const QString old = Path("old.dkr");
  WriteAll(old, QByteArray("the previous drawing"));
  Scripted().Messages.clear();
  Scripted().AnswerFile(old);
  {
    TFullDisk full(64);
    Editor.SpeedButtonSaveClick();
  }
  EXPECT_EQ(Scripted().Messages, QStringList{QStringLiteral("Не удаётся записать файл ") + old});
  EXPECT_EQ(ReadAll(old), QByteArray("the previous drawing"));
  EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("old.dkr")}) << "no leftovers";
}

TEST_F(TEditorFilesTest, OneStoredValueLoadsAsADefinedSignal) {
  TDrawingRecord record;
  record.Xmin = 0;
  record.Xmax = 10;
  record.XLast = 0;
  record.Samples = {0.5};
  ASSERT_EQ(WriteDrawingFile(Path("one.dkr").toStdString(), record), TDrawingStatus::Ok);
  Scripted().AnswerFile(Path("one.dkr"));
  Editor.NOpenClick();
  Editor.SpeedButtonInputClick();
  EXPECT_TRUE(Scripted().Messages.isEmpty());
  const TKeeper* signal = Editor.GetSignal();
  EXPECT_EQ(signal->GetCount(), 1);
  EXPECT_GT(signal->GetXmax(), signal->GetXmin());
  EXPECT_EQ(signal->GetValue(0), 0.5);
}

TEST_F(TEditorFilesTest, PicturesAreExportedInPrintModeWithABlackCurve) {
  const QPoint a = At(5, 0.5);
  Click(a);
  Editor.SpeedButtonCopyClick();
  ASSERT_EQ(Scripted().ClipboardWrites, 1);
  const QImage copied = Scripted().Clipboard;
  const QPoint on = At(2.5, 0.25);  // on the segment from the start pen to a
  auto darkNear = [&](const QImage& image, QRgb colour) {
    bool found = false;
    for (int dy = -2; dy <= 2; ++dy) found |= image.pixel(on.x(), on.y() + dy) == colour;
    return found;
  };
  EXPECT_TRUE(darkNear(copied, qRgb(0, 0, 0)));
  EXPECT_EQ(copied.pixel(At(8, -0.5)), qRgb(255, 255, 255)) << "print mode: a white net";
  EXPECT_TRUE(darkNear(D.Picture(), ColourOf(Editor.GetDrawColor()).rgb())) << "the screen keeps its colour";

  Scripted().AnswerFile(Path("picture.png"));
  Editor.SpeedButtonBmpClick();
  const TRecordedDialog dialog = Scripted().Dialogs.last();
  EXPECT_EQ(dialog.Options.Title, QStringLiteral("Сохранить рисунок"));
  EXPECT_EQ(dialog.Options.FileName, QStringLiteral("Диаграмма.bmp"));
  ASSERT_EQ(Scripted().Messages.size(), 1) << "the extension is corrected";
  const QImage written(Path("picture.bmp"), "BMP");
  ASSERT_FALSE(written.isNull());
  EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), copied.convertToFormat(QImage::Format_RGB32));
}
