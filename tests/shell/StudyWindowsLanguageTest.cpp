// The study windows, the small dialogs and the diagram windows follow a language chosen while
// they are open, composed texts and numbers too; Russian comes back byte for byte.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QTableWidget>
#include <functional>
#include <memory>

#include "WindowTexts.h"
#include "engine/ResamEngine.h"
#include "platform/Language.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramIncreaseUnit.h"
#include "studies/ComparisonPage.h"
#include "studies/ListeningWindow.h"
#include "studies/SampleNoiseUnit.h"
#include "widgets/PicViewerUnit.h"
#include "widgets/YesNoDialogUnit.h"

namespace {
void Switch(TLanguage language) {
  ApplyLanguage(language);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

TErrorFigures Figures() {
  TErrorFigures f;
  f.Gap = TFiguresGap::None;
  f.MaxError = 0.0172, f.RmsError = 0.0064, f.RelativeRms = 4.21, f.Snr = 27.5;
  return f;
}

template <class TWindow>
std::function<QString(QWidget*)> Probe(QString (*read)(TWindow&)) {
  return [read](QWidget* w) { return read(*static_cast<TWindow*>(w)); };
}

struct TWindowRow {
  std::function<std::unique_ptr<QWidget>()> Open;
  std::function<QString(QWidget*)> Read;  // one text the window composes or names
  const char* English;
};
}  // namespace

TEST(StudyWindowsLanguage, EachWindowSwitchesWhileOpenAndComesBackByteForByte) {
  TErrorFigures lagrange;
  lagrange.Gap = TFiguresGap::LagrangeLimit;
  const TResamEngine engine;
  const TWindowRow rows[] = {
      {[&engine] { return std::make_unique<TListeningForm>(engine); },
       Probe<TListeningForm>([](TListeningForm& f) { return f.LabelScale->text(); }),
       "1 s of signal = 4.55 ms of sound"},
      {[] {
         auto form = std::make_unique<TSampleNoiseForm>();
         form->ShowQuantisationSnr(8, 49.26);
         return form;
       },
       Probe<TSampleNoiseForm>([](TSampleNoiseForm& f) { return f.LabelQuantisationSnr->text(); }),
       "Quantisation SNR: 49.3 dB (6.02·b + 1.76 = 49.9 dB)"},
      {[&lagrange] {
         auto page = std::make_unique<TComparisonPage>();
         page->ShowRows({{QStringLiteral("Sinc"), Figures(), QStringLiteral("S")}, {QStringLiteral("L"), lagrange, {}}},
                        0);
         return page;
       },
       Probe<TComparisonPage>(
           [](TComparisonPage& p) { return p.Table->item(1, 0)->text() + p.Table->item(0, 1)->text(); }),
       "L (at most 50 samples)0.0172"},
      {[] { return std::make_unique<TYesNoDialogForm>(); },
       Probe<TYesNoDialogForm>([](TYesNoDialogForm& f) { return f.CheckBox1->text(); }),
       "Do not show this message again"},
      {[] {
         auto viewer = std::make_unique<TPicViewerForm>();
         viewer->LoadPicture(QImage(8, 8, QImage::Format_RGB32));
         return viewer;
       },
       Probe<TPicViewerForm>([](TPicViewerForm& f) { return f.Image1->accessibleName(); }), "Picture"},
      {[] { return std::make_unique<TDiagramIncrease>(); },
       Probe<TDiagramIncrease>([](TDiagramIncrease& w) { return w.windowTitle(); }), "Diagram"},
      {[] { return std::make_unique<TDiagram>(); }, Probe<TDiagram>([](TDiagram& d) { return d.GetNameDiagram(); }),
       "Plot"},
  };
  for (const TWindowRow& row : rows) {
    SCOPED_TRACE(row.English);
    const std::unique_ptr<QWidget> window = row.Open();
    // Names are given to whatever the window holds at each renewal: the Russian to come back to
    // is the window's after one.
    Switch(TLanguage::Russian);
    const QStringList russian = WindowTexts(*window);
    const QString composed = row.Read(window.get());
    Switch(TLanguage::English);
    EXPECT_EQ(row.Read(window.get()).toStdString(), row.English);
    const QStringList left = WindowTexts(*window).filter(CyrillicLetter());
    EXPECT_TRUE(left.isEmpty()) << left.join('\n').toStdString();
    Switch(TLanguage::Russian);
    EXPECT_TRUE(WindowTexts(*window) == russian);
    EXPECT_EQ(row.Read(window.get()).toStdString(), composed.toStdString());
  }
}
