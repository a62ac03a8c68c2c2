// The basis-function tab of the Lagrange method: the engine's fifty basis polynomials of which
// the first BasisCount are shown, and the formula picture with its tools.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <algorithm>

#include "engine/Lagrbfunit.h"
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
constexpr int BasisBlue = 0xFF0000;
constexpr int EstimateCount = 10;
constexpr double FunctionFrom = -10, FunctionTo = 60;
}  // namespace

void TResamForm::SetUpBasisSeries() {
  TDiagram& d = *DFLagr->Diagram;
  const TDiagram::TOnePaint once(d);
  d.EnableLine(false);
  for (int k = 0; k < MaxBasisCount; ++k) {
    TKeeper* series = d.GetKeeper(static_cast<unsigned char>(k));
    if (!series) continue;
    series->SetFunction(Engine.BasisFunction(k), EstimateCount, FunctionFrom, FunctionTo);
    series->SetColor(BasisBlue);
    k < MinBasisCount ? series->Show() : series->Hide();
  }
  d.SetLimitX(-0.5, 2);
  d.SetRangeX(-1, 2);
  d.SetRangeY(-1, 2);
  d.EnableLine(true);
  DFLagr->StoreRange();
}

void TResamForm::ComboBoxLagrChange(int index) {
  if (index < 0) return;
  TWaitCursor wait;
  Show(Engine.SetBasisCount(index + MinBasisCount));
}

// The range is stored before the ordinate is set, as this tab always has: restoring the range
// keeps the ordinate that was shown before the count changed.
void TResamForm::ShowBasis() {
  const int count = Engine.BasisCount();
  const TViewRange& view = Engine.BasisView();
  TDiagram& d = *DFLagr->Diagram;
  const TDiagram::TOnePaint once(d);
  for (int k = 0; k < MaxBasisCount; ++k)
    if (TKeeper* series = d.GetKeeper(static_cast<unsigned char>(k))) k < count ? series->Show() : series->Hide();
  d.EnableLine(false);
  d.SetLimitXmax(view.LimitMax);
  d.SetRangeX(view.Xmin, view.Xmax);
  DFLagr->StoreRange();
  d.EnableLine(true);
  d.SetRangeY(view.Ymin, view.Ymax);
}

const QImage& TResamForm::BasisPicture() const { return LagrPicture; }

// The file and the clipboard take the picture at its natural size; the panel and the viewer
// show it at that size drawn for their screen's pixel density.
void TResamForm::LoadBasisPicture() {
  LagrPicture = RenderFormulaPicture(QStringLiteral("ImageLagr"));
  ImageLagr->setPixmap(QPixmap::fromImage(RenderFormulaPicture(QStringLiteral("ImageLagr"), 1.0, devicePixelRatioF())));
  ImageLagr->adjustSize();
  ImageLagr->move(ImageLagr->x(), std::max(0, (PanelLagr->height() - ImageLagr->height()) / 2));
}

void TResamForm::SpeedButton15Click() {
  if (!PicViewerForm) return;
  PicViewerForm->setWindowTitle(tr("Рисунок в resam: Базисные функции Лагранжа"));
  PicViewerForm->ShowPicture(
      RenderFormulaPicture(QStringLiteral("ImageLagr"), 1.0, PicViewerForm->devicePixelRatioF()));
}

void TResamForm::SpeedButton16Click() { Platform().SetClipboardImage(BasisPicture()); }

void TResamForm::SpeedButton17Click() { SaveImageAsBmp(BasisPicture()); }
