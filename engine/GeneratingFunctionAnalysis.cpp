// The generating-function tab: the kernel of the chosen method, its spectrum, the distortion
// coefficient, the formula picture and the analysis menu.
#include <QAction>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>

#include "engine/Basefunctionsunit.h"
#include "engine/KernelAnalysis.h"
#include "numerics/Keeper.h"
#include "platform/CoreServices.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "resources/FormulaPictures.h"
#include "shell/ResamUnit.h"
#include "widgets/Comfun.h"
#include "widgets/PicViewerUnit.h"

namespace {
constexpr int KernelEstimateCount = 10;
constexpr double KernelViewBottom = -0.25, KernelViewTop = 1;
constexpr double SpectrumViewPeriods = 2;
// A picture within this much of the panel's size (its border and scroll bar) starts at the edge.
constexpr int PanelMargin = 30;
// The viewer shows the formula half as large again as the panel does; the clipboard and the
// saved file take that size too, so that a pasted formula stays readable.
constexpr qreal EnlargedScale = 1.5;

// The formula pictures in the order the panel's tools look for the visible one, each with
// the method item that shows it.
struct TFormulaPicture {
  QLabel* TResamForm::*Image;
  QAction* TResamForm::*Method;
  const char* Name;
};
const TFormulaPicture Pictures[] = {
    {&TResamForm::ImageKot, &TResamForm::N31, "ImageKot"},
    {&TResamForm::ImagePol0, &TResamForm::N35, "ImagePol0"},
    {&TResamForm::ImagePol1, &TResamForm::N36, "ImagePol1"},
    {&TResamForm::ImagePol2, &TResamForm::N212, "ImagePol2"},
    {&TResamForm::ImagePol3, &TResamForm::N312, "ImagePol3"},
    {&TResamForm::ImageSpl11, &TResamForm::N111, "ImageSpl11"},
    {&TResamForm::ImageSpl21, &TResamForm::N211, "ImageSpl21"},
    {&TResamForm::ImageSpl31, &TResamForm::N311, "ImageSpl31"},
    {&TResamForm::ImageSpl12, &TResamForm::N121, "ImageSpl12"},
    {&TResamForm::ImageSpl22, &TResamForm::N221, "ImageSpl22"},
    {&TResamForm::ImageSpl32, &TResamForm::N321, "ImageSpl32"},
};

int CheckedDetail(const TResamForm& form) {
  if (form.N42->isChecked()) return KernelDetailLow;
  if (form.N44->isChecked()) return KernelDetailHigh;
  return KernelDetailMedium;
}

double CheckedStep(const TResamForm& form) {
  if (form.N110->isChecked()) return KernelStepCoarse;
  if (form.N310->isChecked()) return KernelStepFine;
  return KernelStepMedium;
}

void ShowKernel(TResamForm& form, bool kotelnikov) {
  TDiagram& d = *form.DFBF->Diagram;
  d.GetKeeper(0)->SetFunction(form.Kernel, KernelEstimateCount, -KernelPlotHalfWidth, KernelPlotHalfWidth);
  const double half = kotelnikov ? KotelnikovKernelView : LocalKernelView;
  d.EnableLine(false);
  d.SetRangeX(-half, half);
  d.EnableLine(true);
  d.SetRangeY(KernelViewBottom, KernelViewTop);
  form.DFBF->StoreRange();
}

// Series 0 of the frame: values[0 .. count-1] over [0, end], mirrored to negative abscissae,
// shown over [xmin, xmax] with the Y range fitted to it; the series are drawn by the caller's
// next repaint.
void PlotEvenArray(TDiagramFrame* frame, double* values, int count, double end, double xmin, double xmax) {
  TDiagram& d = *frame->Diagram;
  TKeeper* series = d.GetKeeper(0);
  series->SetArray(values, count, 0, end);
  series->SetSymmetry(SymmetryEven);
  d.EnableLine(false);
  d.SetRangeX(xmin, xmax);
  d.AutoRangeY();
  d.EnableLine(true);
}

void ShowKernelSpectrum(TResamForm& form, const TKernelAnalysis& analysis) {
  PlotEvenArray(form.DFBFS, form.KernelSpectrum, analysis.SpectrumCount, analysis.SpectrumEnd,
                -SpectrumViewPeriods * TwoPiShort, SpectrumViewPeriods * TwoPiShort);
  form.DFBFS->Diagram->ShowDiagram();
  form.DFBFS->StoreRange();
}

void ShowDistortion(TResamForm& form, const TKernelAnalysis& analysis) {
  PlotEvenArray(form.DFK, form.Distortion, analysis.DistortionCount, analysis.DistortionEnd, 0, analysis.DistortionEnd);
  form.DFK->Diagram->SetYmin(0);
  form.DFK->StoreRange();
}

// The picture is rendered when first shown, and again should the window have moved to a
// screen of another pixel density.
void LoadPicture(QLabel* image, const char* name, qreal devicePixelRatio) {
  const QPixmap shown = image->pixmap();
  if (!shown.isNull() && shown.devicePixelRatio() == devicePixelRatio) return;
  image->setPixmap(QPixmap::fromImage(RenderFormulaPicture(QString::fromLatin1(name), 1.0, devicePixelRatio)));
  image->resize(FormulaPictureSize(QString::fromLatin1(name)));
}

void SelectAnalysis(TResamForm& form, QAction* step, QAction* detail) {
  if (step) step->setChecked(true);
  if (detail) detail->setChecked(true);
  form.AnalyseGeneratingFunction();
}
}  // namespace

void TResamForm::AnalyseGeneratingFunction() {
  if (!Kernel) return;
  TWaitCursor wait;
  const bool kotelnikov = Kernel == Sinc;
  ShowKernel(*this, kotelnikov);
  const TKernelAnalysis analysis = AnalyseKernel(kotelnikov, Kernel, KernelOrder, CheckedDetail(*this),
                                                 CheckedStep(*this), KernelSpectrum, Distortion);
  if (analysis.SpectrumCount > 0) {
    ShowKernelSpectrum(*this, analysis);
    ShowDistortion(*this, analysis);
  }
  for (const TFormulaPicture& p : Pictures) {
    QLabel* image = this->*p.Image;
    const bool chosen = (this->*p.Method)->isChecked();
    if (chosen) {
      LoadPicture(image, p.Name, devicePixelRatioF());
      // The scroll box holds the whole picture, so that one larger than the panel scrolls.
      ScrollBox1->setMinimumSize(image->size());
      CentreImage(image);
    }
    image->setVisible(chosen);
  }
}

void TResamForm::CentreImage(QLabel* image) {
  const int width = PanelBF->width(), height = PanelBF->height();
  const int left = image->width() > width - PanelMargin ? 0 : width / 2 - image->width() / 2;
  const int top = image->height() > height - PanelMargin ? 0 : height / 2 - image->height() / 2;
  image->move(left, top);
}

QLabel* TResamForm::VisibleImage() const {
  for (const TFormulaPicture& p : Pictures)
    if (!(this->*p.Image)->isHidden()) return this->*p.Image;
  return ImageSpl32;
}

QImage TResamForm::EnlargedPicture(qreal devicePixelRatio) const {
  const QLabel* visible = VisibleImage();
  for (const TFormulaPicture& p : Pictures)
    if (this->*p.Image == visible)
      return RenderFormulaPicture(QString::fromLatin1(p.Name), EnlargedScale, devicePixelRatio);
  return {};
}

void TResamForm::N110Click() { SelectAnalysis(*this, N110, nullptr); }
void TResamForm::N210Click() { SelectAnalysis(*this, N210, nullptr); }
void TResamForm::N310Click() { SelectAnalysis(*this, N310, nullptr); }
void TResamForm::N42Click() { SelectAnalysis(*this, nullptr, N42); }
void TResamForm::N43Click() { SelectAnalysis(*this, nullptr, N43); }
void TResamForm::N44Click() { SelectAnalysis(*this, nullptr, N44); }
void TResamForm::N46Click() { SelectAnalysis(*this, N110, N42); }
void TResamForm::N47Click() { SelectAnalysis(*this, N310, N44); }

void TResamForm::SpeedButton12Click() {
  if (!PicViewerForm) return;
  PicViewerForm->setWindowTitle(QStringLiteral("Рисунок в Resam: описание порождающей фукнции"));
  PicViewerForm->ShowPicture(EnlargedPicture(PicViewerForm->devicePixelRatioF()));
}

void TResamForm::SpeedButton13Click() { Platform().SetClipboardImage(EnlargedPicture()); }

void TResamForm::SpeedButton14Click() { SaveImageAsBmp(EnlargedPicture()); }
