// The second and third tabs through the main window: the error, the three spectra with their
// unit and views, the generating-function analysis and its menu, and the formula panel.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollArea>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <cstring>
#include <vector>

#include "ResamTestSignals.h"
#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "numerics/Mathlib.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "resources/FormulaPictures.h"
#include "widgets/PicViewerUnit.h"

namespace {
constexpr int SpectrumPage = 1;

TKeeper* Series(TDiagramFrame* frame, int number) {
  return frame->Diagram->GetKeeper(static_cast<unsigned char>(number));
}

std::vector<double> Copy(const double* values, int count) { return std::vector<double>(values, values + count); }

// A table signal sampled with the period 0.1 s: Wd = 20 pi rad/s, Fd = 10 Hz.
void GiveTenHertzTable(TResamForm& form, const double* values, int count) {
  GiveTableSignal(form, values, count);
  form.Show(form.Engine.SetPeriod(0.1));
}

const double TableValues[] = {0, 1, 3, 2, -1, 0.5, 0, 2, 1, 0};

class ResamSpectra : public testing::Test {
 protected:
  void SetUp() override { form.resize(1200, 800); }
  TResamForm form;
};
}  // namespace

TEST_F(ResamSpectra, WithoutASignalOnlyTheAnalysisAndTheCaptionsChange) {
  form.N18->trigger();
  EXPECT_EQ(form.DFAS->Diagram->GetNameX(), QStringLiteral("f,Гц"));
  form.N20->trigger();
  form.PageControl1->setCurrentIndex(SpectrumPage);
  for (TDiagramFrame* f : {form.DFAS, form.DFE})
    for (int k = 0; k < f->Diagram->GetKeeperListLength(); ++k) EXPECT_EQ(Series(f, k)->GetCount(), 0);
  EXPECT_FALSE(form.Engine.SpectrumRangeKnown());
  form.N47->trigger();
  EXPECT_EQ(Series(form.DFBFS, 0)->GetCount(), MaxKernelSpectrumCount);
  EXPECT_TRUE(Scripted().Messages.isEmpty());
}

TEST_F(ResamSpectra, GeneratingFunctionTabFollowsTheMethodAndTheMenu) {
  struct TCase {
    QAction* TResamForm::*Method;
    QAction* TResamForm::*Setting;
    QLabel* TResamForm::*Picture;
    double KernelView;  // half-width of the kernel's visible range
    int Detail;         // b: b - 1 spectrum values per period
  };
  const TCase cases[] = {{&TResamForm::N31, &TResamForm::N42, &TResamForm::ImageKot, 10, 100},
                         {&TResamForm::N35, &TResamForm::N43, &TResamForm::ImagePol0, 5, 250},
                         {&TResamForm::N321, &TResamForm::N44, &TResamForm::ImageSpl32, 5, 500},
                         {&TResamForm::N111, &TResamForm::N46, &TResamForm::ImageSpl11, 5, 100}};
  for (const TCase& c : cases) {
    (form.*c.Setting)->trigger();
    (form.*c.Method)->trigger();
    SCOPED_TRACE((form.*c.Method)->text().toStdString());
    EXPECT_EQ(form.DFBF->Diagram->GetXmax(), c.KernelView);
    EXPECT_EQ(form.DFBF->Diagram->GetYmin(), -0.25);
    const TKeeper* spectrum = Series(form.DFBFS, 0);
    ASSERT_EQ(spectrum->GetCount(), 11 * (c.Detail - 1) + 1);
    EXPECT_NEAR(spectrum->GetXmax(), 11 * TwoPiShort, 1e-12);
    EXPECT_EQ(Series(form.DFK, 0)->GetCount(), c.Detail / 2);
    EXPECT_EQ(form.DFK->Diagram->GetYmin(), 0);
    // Exactly the method's picture is shown, and it is the one the tools act on.
    for (QLabel* image :
         {form.ImageKot, form.ImagePol0, form.ImagePol1, form.ImagePol2, form.ImagePol3, form.ImageSpl11,
          form.ImageSpl21, form.ImageSpl31, form.ImageSpl12, form.ImageSpl22, form.ImageSpl32})
      EXPECT_EQ(image->isHidden(), image != form.*c.Picture);
    EXPECT_EQ(form.VisibleImage(), form.*c.Picture);
    EXPECT_FALSE((form.*c.Picture)->pixmap().isNull());
  }
  // Kotelnikov at low detail: the ideal low-pass, and no distortion at all.
  form.N42->trigger();
  form.N31->trigger();
  for (int i = 0; i < 1090; ++i) ASSERT_EQ(form.Engine.KernelSpectrum()[i], i * TwoPiShort / 99 < Pi ? 1.0 : 0.0) << i;
  for (int i = 0; i < 50; ++i) ASSERT_EQ(form.Engine.Distortion()[i], 0.0) << i;
  // The triangle with the step 0,001: 2 times the integral of 1 - x over [0, 1].
  form.N210->trigger();
  form.N35->trigger();
  EXPECT_NEAR(form.Engine.KernelSpectrum()[0], 1.0, 2e-6);
  EXPECT_TRUE(form.N210->isChecked() && form.N42->isChecked());
}

TEST_F(ResamSpectra, FinerAnalysisRerunsOnlyTheThirdTab) {
  GiveLibrarySignal(form, SlowWave, 1, 0);
  form.N312->trigger();
  form.PageControl1->setCurrentIndex(SpectrumPage);
  const std::vector<double> recon = Copy(form.Engine.ReconSpectrum().data(), TResamEngine::ReconSpectrumCount);
  const std::vector<double> error = Copy(form.Engine.ErrorValues().data(), TResamEngine::ErrorCount);
  const std::vector<double> kernel = Copy(form.Engine.KernelSpectrum().data(), 1090);
  ASSERT_TRUE(form.Engine.SpectrumRangeKnown());
  form.DFAS->Diagram->SetRangeX(-3, 4);  // the user's zoom
  form.N47->trigger();
  EXPECT_TRUE(form.N310->isChecked());
  EXPECT_TRUE(form.N44->isChecked());
  EXPECT_EQ(Series(form.DFBFS, 0)->GetCount(), 5490);
  EXPECT_NE(Copy(form.Engine.KernelSpectrum().data(), 1090), kernel);
  EXPECT_EQ(Copy(form.Engine.ReconSpectrum().data(), TResamEngine::ReconSpectrumCount), recon);
  EXPECT_EQ(Copy(form.Engine.ErrorValues().data(), TResamEngine::ErrorCount), error);
  EXPECT_EQ(form.DFAS->Diagram->GetXmin(), -3);
  EXPECT_EQ(form.DFAS->Diagram->GetXmax(), 4);
  // Coming back to the tab keeps the zoom; the next method choice recomputes and resets it.
  form.PageControl1->setCurrentIndex(0);
  form.PageControl1->setCurrentIndex(SpectrumPage);
  EXPECT_EQ(form.DFAS->Diagram->GetXmax(), 4);
  form.N31->trigger();
  EXPECT_NEAR(form.DFAS->Diagram->GetXmax(), 1.1 * form.Engine.Wd(), 1e-9);
}

TEST_F(ResamSpectra, ViewsShowTheirShareOfThePeriodInBothUnits) {
  GiveTenHertzTable(form, TableValues, 10);
  ASSERT_NEAR(form.Engine.Wd(), 20 * Pi, 1e-9);
  struct TCase {
    QAction* TResamForm::*Unit;
    QToolButton* TResamForm::*Button;
    QAction* TResamForm::*Item;
    double Half;
  };
  const TCase cases[] = {
      {&TResamForm::N17, &TResamForm::SpeedButton7, &TResamForm::N20, 11 * Pi},
      {&TResamForm::N17, &TResamForm::SpeedButton9, &TResamForm::N22, 44 * Pi},
      {&TResamForm::N17, &TResamForm::SpeedButton6, &TResamForm::N27, 10 * Pi},  // table: Wm = Wd / 2
      {&TResamForm::N18, &TResamForm::SpeedButton8, &TResamForm::N21, 11},
      {&TResamForm::N18, &TResamForm::SpeedButton7, &TResamForm::N20, 5.5},
      {&TResamForm::N17, &TResamForm::SpeedButton8, &TResamForm::N21, 22 * Pi}};
  for (const TCase& c : cases) {
    (form.*c.Unit)->trigger();
    (form.*c.Button)->click();
    SCOPED_TRACE(c.Half);
    EXPECT_TRUE((form.*c.Item)->isChecked());
    const TDiagram& d = *form.DFAS->Diagram;
    EXPECT_NEAR(d.GetXmin(), -c.Half, 1e-9);
    EXPECT_NEAR(d.GetXmax(), c.Half, 1e-9);
    const bool cyclic = form.N18->isChecked();
    const double period = cyclic ? 10 : 20 * Pi;
    EXPECT_NEAR(d.GetLimitXmax(), 5 * period, 1e-9);
    // The discrete spectrum T |Sd| repeats with the sampling frequency of the unit.
    const TKeeper* discrete = Series(form.DFAS, 1);
    for (double x : {0.3, 1.7, 4.9}) EXPECT_NEAR(discrete->GetValue(x + period), discrete->GetValue(x), 1e-12);
    EXPECT_NEAR(discrete->GetValue(0), 0.1 * 8.5, 1e-12);  // T times the sum of the samples
    EXPECT_EQ(d.GetNameX(), cyclic ? QStringLiteral("f,Гц") : QStringLiteral(" "));
    EXPECT_EQ(d.GetBitmapX().isNull(), cyclic);
    EXPECT_EQ(d.GetBitmapY().size(), (cyclic ? form.Image4 : form.Image1).size());
  }
}

// On a high-density screen the axis captions are drawn with as many pixels as the diagram's
// picture, at their usual logical size.
TEST_F(ResamSpectra, FrequencyCaptionsFollowTheDiagramsPixelRatio) {
  form.DFAS->Diagram->SetPixelRatio(2);
  for (QAction* unit : {form.N18, form.N17}) {
    unit->trigger();
    const QImage& caption = form.DFAS->Diagram->GetBitmapY();
    EXPECT_EQ(caption.devicePixelRatio(), 2);
    const char* name = unit == form.N17 ? "ResamImage1" : "ResamImage4";
    EXPECT_EQ(caption.deviceIndependentSize().toSize(), FormulaPictureSize(QString::fromLatin1(name)));
  }
  EXPECT_EQ(form.DFAS->Diagram->GetBitmapX().devicePixelRatio(), 2);
}

TEST_F(ResamSpectra, TableSignalHasNeitherErrorNorAnalogSpectrum) {
  GiveTenHertzTable(form, TableValues, 10);
  form.PageControl1->setCurrentIndex(SpectrumPage);
  EXPECT_FALSE(Series(form.DFE, 0)->IsShown());
  EXPECT_FALSE(Series(form.DFAS, 0)->IsShown());
  EXPECT_TRUE(Series(form.DFAS, 1)->IsShown());
  EXPECT_TRUE(Series(form.DFAS, 2)->IsShown());
}

TEST_F(ResamSpectra, FormulaPanelToolsActOnTheShownPicture) {
  TPicViewerForm viewer;
  PicViewerForm = &viewer;
  form.show();
  form.N36->trigger();
  form.PageControl1->setCurrentIndex(2);
  const QSize enlarged = FormulaPictureSize(QStringLiteral("ImagePol1"), 1.5);
  form.SpeedButton13->click();
  EXPECT_EQ(Scripted().Clipboard.size(), enlarged);

  QTemporaryDir dir;
  Scripted().AnswerFile(dir.filePath(QStringLiteral("формула.bmp")));
  form.SpeedButton14->click();
  EXPECT_EQ(QImage(dir.filePath(QStringLiteral("формула.bmp"))).size(), enlarged);

  // The mouse over the panel shows its tools, over a diagram hides them.
  QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(form.PanelBF->viewport(), &move);
  EXPECT_TRUE(form.PanelImage->isVisible());
  form.DFBFDiagramMouseMove();
  EXPECT_FALSE(form.PanelImage->isVisible());

  // A click on the picture or the enlarge button opens the viewer with the method's formula.
  for (bool byClick : {true, false}) {
    QString caption;
    QImage shown;
    QTimer::singleShot(0, [&] {
      caption = viewer.windowTitle();
      shown = viewer.Picture();
      viewer.close();
    });
    if (byClick) {
      const QPointF at(3, 3);
      QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
      QMouseEvent release(QEvent::MouseButtonRelease, at, at, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(form.ImagePol1, &press);
      QApplication::sendEvent(form.ImagePol1, &release);
    } else {
      form.SpeedButton12->click();
    }
    EXPECT_EQ(caption, QStringLiteral("Рисунок в Resam: описание порождающей фукнции"));
    EXPECT_EQ(shown.deviceIndependentSize().toSize(), enlarged);
  }
  PicViewerForm = nullptr;
}
