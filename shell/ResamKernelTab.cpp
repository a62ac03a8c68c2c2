// The generating-function tab: the engine's analysis of the chosen method's kernel shown, the
// formula picture and the analysis menu.
#include <QAction>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>

#include "numerics/Keeper.h"
#include "platform/CoreServices.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "resources/FormulaPictures.h"
#include "shell/MethodViews.h"
#include "shell/ResamUnit.h"
#include "widgets/Comfun.h"
#include "widgets/PicViewerUnit.h"

namespace {
using E = TResamEngine;
// A picture within this much of the panel's size (its border and scroll bar) starts at the edge.
constexpr int PanelMargin = 30;
// The viewer shows the formula half as large again as the panel does; the clipboard and the
// saved file take that size too, so that a pasted formula stays readable.
constexpr qreal EnlargedScale = 1.5;

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
  form.Show(form.Engine.SetAnalysis(CheckedDetail(form), CheckedStep(form)));
}
}  // namespace

void TResamForm::ShowKernelAnalysis() {
  Series(DFBF, 0)->TakeData(Engine.KernelSeries());
  ShowRange(DFBF, Engine.KernelView());
  if (Engine.HasKernelSpectrum()) {
    Series(DFBFS, 0)->TakeData(Engine.KernelSpectrumSeries());
    ShowRange(DFBFS, Engine.KernelSpectrumView());
    DFBFS->Diagram->ShowDiagram();
    Series(DFK, 0)->TakeData(Engine.DistortionSeries());
    ShowRange(DFK, Engine.DistortionView());
  }
  ShowMethodPicture();
}

void TResamForm::ShowMethodPicture() {
  for (int m = 0; m < E::MethodCount; ++m) {
    QLabel* image = MethodImages[m];
    if (!image) continue;
    const bool chosen = Engine.Method() == m;
    if (chosen) {
      LoadPicture(image, MethodView(E::TMethod(m)).Picture, devicePixelRatioF());
      // The scroll box holds the whole picture, so that one larger than the panel scrolls.
      ScrollBox1->setMinimumSize(image->size());
      CentreImage(image);
    }
    image->setVisible(chosen);
  }
}

void TResamForm::RenderPicturesAgain() {
  for (QLabel* image : MethodImages)
    if (image) image->clear();
  Image1 = Image2 = Image4 = QImage();
  LoadBasisPicture();
  ShowMethodPicture();
}

void TResamForm::CentreImage(QLabel* image) {
  const int width = PanelBF->width(), height = PanelBF->height();
  const int left = image->width() > width - PanelMargin ? 0 : width / 2 - image->width() / 2;
  const int top = image->height() > height - PanelMargin ? 0 : height / 2 - image->height() / 2;
  image->move(left, top);
}

// The shown picture's method, or the last one with a picture when none is shown.
TResamEngine::TMethod TResamForm::VisibleMethod() const {
  int last = 0;
  for (int m = 0; m < E::MethodCount; ++m) {
    if (!MethodImages[m]) continue;
    last = m;
    if (!MethodImages[m]->isHidden()) break;
  }
  return E::TMethod(last);
}

QLabel* TResamForm::VisibleImage() const { return MethodImages[VisibleMethod()]; }

QImage TResamForm::EnlargedPicture(qreal devicePixelRatio) const {
  return RenderFormulaPicture(QString::fromLatin1(MethodView(VisibleMethod()).Picture), EnlargedScale,
                              devicePixelRatio);
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
  PicViewerForm->setWindowTitle(tr("Рисунок в Resam: описание порождающей фукнции"));
  PicViewerForm->ShowPicture(EnlargedPicture(PicViewerForm->devicePixelRatioF()));
}

void TResamForm::SpeedButton13Click() { Platform().SetClipboardImage(EnlargedPicture()); }

void TResamForm::SpeedButton14Click() { SaveImageAsBmp(EnlargedPicture()); }
