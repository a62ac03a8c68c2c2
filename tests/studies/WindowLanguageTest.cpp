// The study windows, the small dialogs and the diagram windows follow a language chosen while
// they are open: English without a Cyrillic letter anywhere a user reads or hears, then Russian
// again byte for byte.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTableWidget>
#include <algorithm>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "SoundTestSignals.h"
#include "platform/Language.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramIncreaseUnit.h"
#include "studies/ComparisonPage.h"
#include "studies/ErrorFiguresLabel.h"
#include "studies/ListeningWindow.h"
#include "studies/SampleNoiseUnit.h"
#include "widgets/NumericEditUnit.h"
#include "widgets/PicViewerUnit.h"
#include "widgets/YesNoDialogUnit.h"

namespace {
QStringList TextsOf(const QWidget* w) {
  QStringList texts{w->windowTitle(), w->toolTip(), w->accessibleName(), w->accessibleDescription()};
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) texts << b->text();
  if (auto* l = qobject_cast<const QLabel*>(w)) texts << l->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) texts << g->title();
  if (auto* m = qobject_cast<const QMenu*>(w)) {
    texts << m->title();
    for (const QAction* a : m->actions()) texts << a->text() << a->toolTip();
  }
  if (auto* d = qobject_cast<const TDiagram*>(w)) texts << d->GetNameDiagram();
  if (auto* t = qobject_cast<const QTableWidget*>(w))
    for (int c = 0; c < t->columnCount(); ++c) {
      texts << t->horizontalHeaderItem(c)->text();
      for (int r = 0; r < t->rowCount(); ++r) texts << t->item(r, c)->text() << t->item(r, c)->toolTip();
    }
  return texts;
}

// Everything the window shows or names, widget by widget, in a fixed order, a line each.
std::vector<std::string> WindowTexts(const QWidget& window) {
  QStringList texts = TextsOf(&window);
  for (const QWidget* w : window.findChildren<QWidget*>()) texts << TextsOf(w);
  std::vector<std::string> lines;
  for (const QString& text : texts)
    if (!text.isEmpty()) lines.push_back(text.toStdString());
  return lines;
}

void Switch(TLanguage language) {
  ASSERT_TRUE(ApplyLanguage(language));
  // The windows' own change handling, then the accessible names read from the new texts.
  for (int pass = 0; pass < 2; ++pass) QCoreApplication::processEvents();
}

TErrorFigures Figures(double max, double rms, double relative, double snr) {
  TErrorFigures f;
  f.Gap = TFiguresGap::None;
  f.MaxError = max;
  f.RmsError = rms;
  f.RelativeRms = relative;
  f.Snr = snr;
  return f;
}

struct TWindowRow {
  const char* Name;
  std::function<std::unique_ptr<QWidget>()> Open;
  const char* English;  // one text the English window must show
};
}  // namespace

TEST(WindowLanguage, EveryWindowSwitchesWhileOpenAndComesBackByteForByte) {
  TResamEngine engine;
  GiveFragment(engine, FifthHarmonic, 1, 8);
  TErrorFigures lagrange;
  lagrange.Gap = TFiguresGap::LagrangeLimit;
  const TWindowRow rows[] = {
      {"noise and quantisation",
       [] {
         auto form = std::make_unique<TSampleNoiseForm>();
         form->ShowQuantisationSnr(8, 49.26);
         return form;
       },
       "Quantisation SNR: 49.3 dB (6.02·b + 1.76 = 49.9 dB)"},
      {"listening", [&engine] { return std::make_unique<TListeningForm>(engine); }, "1 s of signal = 4.55 ms of sound"},
      {"comparison",
       [&lagrange] {
         auto page = std::make_unique<TComparisonPage>();
         page->ShowRows({{QStringLiteral("Sinc"), Figures(0.0172, 0.0064, 4.21, 27.5), QStringLiteral("S")},
                         {QStringLiteral("Lagrange"), lagrange, QStringLiteral("L")}},
                        0);
         return page;
       },
       "Lagrange (at most 50 samples)"},
      {"yes or no", [] { return std::make_unique<TYesNoDialogForm>(); }, "Do not show this message again"},
      {"picture viewer",
       [] {
         auto viewer = std::make_unique<TPicViewerForm>();
         viewer->LoadPicture(QImage(8, 8, QImage::Format_RGB32));
         return viewer;
       },
       "Picture"},
      {"enlarged diagram", [] { return std::make_unique<TDiagramIncrease>(); }, "Diagram"},
      {"unnamed diagram", [] { return std::make_unique<TDiagram>(); }, "Plot"},
  };
  const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  for (const TWindowRow& row : rows) {
    SCOPED_TRACE(row.Name);
    const std::unique_ptr<QWidget> window = row.Open();
    // A renewal names whatever the window holds by then: the Russian to come back to is the
    // window's after one.
    Switch(TLanguage::Russian);
    const std::vector<std::string> russian = WindowTexts(*window);
    EXPECT_TRUE(std::any_of(russian.begin(), russian.end(),
                            [&](const std::string& t) { return QString::fromStdString(t).contains(cyrillic); }));
    Switch(TLanguage::English);
    const std::vector<std::string> english = WindowTexts(*window);
    EXPECT_NE(std::find(english.begin(), english.end(), std::string(row.English)), english.end());
    for (const std::string& text : english) EXPECT_FALSE(QString::fromStdString(text).contains(cyrillic)) << text;
    Switch(TLanguage::Russian);
    const std::vector<std::string> again = WindowTexts(*window);
    ASSERT_EQ(again.size(), russian.size());
    for (size_t i = 0; i < again.size(); ++i) EXPECT_EQ(again[i], russian[i]);
  }
}

// Texts a window composes at the moment it shows them: headings, figures, messages.
TEST(WindowLanguage, ComposedTextsAreEnglishWithAPointAndRussianAsBefore) {
  const TErrorFigures figures = Figures(0.0172, 0.0064, 4.21, 27.5);
  const std::function<QString()> texts[] = {
      [] { return ComparisonHeadings().join(QLatin1Char('\t')); },
      [&figures] { return TErrorFiguresLabel::FiguresText(figures); },
      NumericEditTexts::BelowMinCorrected,
      NumericEditTexts::AboveMaxRestored,
  };
  const char* const english[] = {
      "Method\tMax. error\tRMS error\tRel. RMS, %\tSNR, dB",
      "Over the analysis interval: max. error = 0.0172; RMS = 0.0064 (4.21 %)",
      "The value entered is below the permitted minimum.\n It has been corrected.",
      "The value entered is above the permitted maximum.\n The previous value has been restored.",
  };
  const char* const russian[] = {
      "Метод\tМакс. ошибка\tСКО ошибки\tОтн. СКО, %\tОСШ, дБ",
      "На интервале анализа: макс. ошибка = 0,0172; СКО = 0,0064 (4,21 %)",
      "Введённое значение параметра меньше минимально-допустимого.\n Произведена коррекция.",
      "Введённое значение параметра больше максимально-допустимого.\n Прежнее значение параметра восстановлено.",
  };
  for (size_t i = 0; i < std::size(texts); ++i) {
    Switch(TLanguage::English);
    EXPECT_EQ(texts[i]().toStdString(), english[i]);
    Switch(TLanguage::Russian);
    EXPECT_EQ(texts[i]().toStdString(), russian[i]);
  }
}
