// The method menu and the interpolating function on the signal diagram.
#include <QAction>
#include <QTabWidget>
#include <cmath>

#include "engine/Basefunctionsunit.h"
#include "numerics/Keeper.h"
#include "platform/CoreServices.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "shell/ResamUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
constexpr int KeepOrder = -1;
constexpr int LagrangeMethod = 1;
constexpr int SignalPage = 0, KernelPage = 2, BasisPage = 3;
constexpr int EstimateCount = 10;
constexpr double SpanPad = 0.1, RangePad = 0.15;
constexpr int FunctionReach = 100, VisibleReach = 5;

struct TMethod {
  QAction* TResamForm::*Item;
  TRealFunction Kernel;     // null: the Lagrange polynomial, which has no generating function
  int Order;                // KeepOrder: the method leaves the order as it was
  const char16_t* Caption;  // the window's caption while the method is chosen
};

const TMethod Methods[] = {
    {&TResamForm::N31, Sinc, KeepOrder, u"Ряд Котельникова - Кварнел, Тармин, 2015г."},
    {&TResamForm::N33, nullptr, KeepOrder, u"Интерполяционный многочлен Лагранжа - Кварнел, Тармин, 2015г."},
    {&TResamForm::N35, Pol0, 0, u"Локальная полиномиальная интерполяция, порядок: 0 - Кварнел, Тармин, 2015г."},
    {&TResamForm::N36, Pol1, 1, u"Локальная полиномиальная интерполяция, порядок: 1 - Кварнел, Тармин, 2015г."},
    {&TResamForm::N212, Pol2, 2, u"Локальная полиномиальная интерполяция, порядок: 2 - Кварнел, Тармин, 2015г."},
    {&TResamForm::N312, Pol3, 3, u"Локальная полиномиальная интерполяция, порядок: 3 - Кварнел, Тармин, 2015г."},
    {&TResamForm::N111, Spl11, 1,
     u"Локальная сплайновая интерполяция, порядок: 1, степень гладкости: 1 - Кварнел, Тармин, 2015г."},
    {&TResamForm::N211, Spl21, 2,
     u"Локальная сплайновая интерполяция, порядок: 2, степень гладкости: 1 - Кварнел, Тармин, 2015г."},
    {&TResamForm::N311, Spl31, 3,
     u"Локальная сплайновая интерполяция, порядок: 3, степень гладкости: 1 - Кварнел, Тармин, 2015г."},
    {&TResamForm::N121, Spl12, 1,
     u"Локальная сплайновая интерполяция, порядок: 1, степень гладкости: 2 - Кварнел, Тармин, 2015г."},
    {&TResamForm::N221, Spl22, 2,
     u"Локальная сплайновая интерполяция, порядок: 2, степень гладкости: 2 - Кварнел, Тармин, 2015г."},
    {&TResamForm::N321, Spl32, 3,
     u"Локальная сплайновая интерполяция, порядок: 3, степень гладкости: 2 - Кварнел, Тармин, 2015г."},
};
}  // namespace

void TResamForm::N31Click() { ChooseMethod(0); }
void TResamForm::N33Click() { ChooseMethod(1); }
void TResamForm::N35Click() { ChooseMethod(2); }
void TResamForm::N36Click() { ChooseMethod(3); }
void TResamForm::N212Click() { ChooseMethod(4); }
void TResamForm::N312Click() { ChooseMethod(5); }
void TResamForm::N111Click() { ChooseMethod(6); }
void TResamForm::N211Click() { ChooseMethod(7); }
void TResamForm::N311Click() { ChooseMethod(8); }
void TResamForm::N121Click() { ChooseMethod(9); }
void TResamForm::N221Click() { ChooseMethod(10); }
void TResamForm::N321Click() { ChooseMethod(11); }

bool TResamForm::IsLagrange() const { return N33->isChecked(); }

void TResamForm::ChooseMethod(int method) {
  const TMethod& m = Methods[method];
  QAction* item = this->*m.Item;
  if (!item->isChecked()) item->setChecked(true);
  const bool lagrange = method == LagrangeMethod;
  SwitchMethodTabs(lagrange);
  if (!lagrange) {
    EditN->SetMax(MaxCount);
    Kernel = m.Kernel;
    if (m.Order != KeepOrder) KernelOrder = m.Order;
    AnalyseGeneratingFunction();
  }
  setWindowTitle(QString::fromUtf16(m.Caption));
  if (lagrange) LimitToLagrange();
  if (!SignalGiven) return;
  TWaitCursor wait;
  Reconstruct();
  ComputeReconSpectrum();
  SetSpectrumRange();
}

// The generating-function tab and the basis-function tab take turns; whoever was looking
// at the one that goes away is shown the one that comes.
void TResamForm::SwitchMethodTabs(bool lagrange) {
  const int shown = lagrange ? BasisPage : KernelPage;
  const int hidden = lagrange ? KernelPage : BasisPage;
  if (PageControl1->isTabVisible(shown) && !PageControl1->isTabVisible(hidden)) return;
  const int active = PageControl1->currentIndex();
  PageControl1->setTabVisible(shown, true);
  if (active == hidden) PageControl1->setCurrentIndex(shown);
  PageControl1->setTabVisible(hidden, false);
}

void TResamForm::LimitToLagrange() {
  if (EditN->Val() > MaxLagrangeCount) {
    EditN->SetVal(MaxLagrangeCount);
    EditN->SetMax(MaxLagrangeCount);
    N = MaxLagrangeCount;
    if (SignalGiven) {
      TWaitCursor wait;
      Resample();
      Reconstruct();
    }
  }
  EditN->SetMax(MaxLagrangeCount);
}

void TResamForm::Reconstruct() {
  if (!SignalGiven) return;
  const bool table = SignalSource == SourceTable;
  const TKeeper* analog = Series(DFs, 0);
  const TKeeper* samples = Series(DFs, 2);
  double lo = samples->GetXmin(), hi = samples->GetXmax();
  if (!table) {
    lo = std::min(lo, analog->GetXmin());
    hi = std::max(hi, analog->GetXmax());
  }
  lo = lo - SpanPad * std::fabs(lo);
  hi = hi + SpanPad * std::fabs(hi);
  const TKeeper* data = table ? samples : analog;
  const double ymin = std::min(data->GetYmin(), 0.0), ymax = std::max(data->GetYmax(), 0.0);
  TDiagram& d = *DFs->Diagram;
  TKeeper* curve = Series(DFs, 1);
  d.EnableLine(false);
  if (IsLagrange()) {
    curve->SetFunction(LagrangeSum, EstimateCount, T0 - 2 * T, T0 + (N + 1) * T);
    d.SetLimitX(T0 - T, T0 + N * T);
    d.SetRangeX(T0 - T, T0 + N * T);
  } else {
    const double a = lo - FunctionReach * T, b = hi + FunctionReach * T;
    curve->SetFunction(Kernel == Sinc ? KotelnikovSum : LocalCurve, EstimateCount, a, b);
    d.SetLimitX(a, b);
    d.SetRangeX(lo - VisibleReach * T, hi + VisibleReach * T);
  }
  d.EnableLine(true);
  double bottom = ymin - RangePad * std::fabs(ymax - ymin);
  double top = ymax + RangePad * std::fabs(ymax - bottom);
  // A signal that is zero everywhere has no span of its own; one volt either side shows it.
  if (!(top > bottom)) {
    bottom = -1;
    top = 1;
  }
  d.SetRangeY(bottom, top);
  DFs->StoreRange();
  ComputeError();
}
