// The methods, the interpolating function and the reconstruction error.
#include <algorithm>
#include <cmath>

#include "engine/Basefunctionsunit.h"
#include "engine/ResamEngine.h"
#include "platform/CoreServices.h"

namespace {
constexpr int EstimateCount = 10;
constexpr double SpanPad = 0.1, RangePad = 0.15;
constexpr int FunctionReach = 100, VisibleReach = 5;
}  // namespace

TResamEngine::TResamEngine() : KotelnikovSum(nullptr), LagrangeSum(nullptr), FKernel(Sinc) {
  AnalyseGeneratingFunction();
  SetBasisCount(MinBasisCount);
}

// The engine's own module is made on first use: a window hands its own module over at once.
TFourierAnalyser& TResamEngine::SpectrumModule() {
  if (Module) return *Module;
  if (!OwnModule) OwnModule = std::make_unique<TFourierAnalyser>();
  return *OwnModule;
}

void TResamEngine::UseSums(TSampleSum kotelnikov, TSampleSum lagrange) {
  KotelnikovSum = kotelnikov;
  LagrangeSum = lagrange;
}

double TResamEngine::KotelnikovCurve(const TResamEngine& engine, double t) {
  return engine.MethodValue(MethodKotelnikov, t);
}

double TResamEngine::LocalCurve(const TResamEngine& engine, double t) {
  return engine.FKernel ? LocalValue(engine.SampleSet(), engine.FKernel, t) : 0;
}

double TResamEngine::LagrangeCurve(const TResamEngine& engine, double t) {
  return engine.MethodValue(MethodLagrange, t);
}

// Any method's interpolating function, whichever is the current one.
double TResamEngine::MethodValue(TMethod method, double t) const {
  const TSampleSet set = SampleSet();
  if (method == MethodKotelnikov) return KotelnikovSum ? KotelnikovSum(set, t) : KotelnikovValue(set, t);
  if (method == MethodLagrange) return LagrangeSum ? LagrangeSum(set, t) : Product.Value(set, t);
  return LocalValue(set, MethodRow(method).Kernel, t);
}

TResamEngine::TChanges TResamEngine::SetMethod(TMethod method) {
  if (method < 0 || method >= MethodCount) return ChangeNone;
  TChanges changes = TakeMethod(method);
  changes |= LimitToMethod();
  if (!Given) return changes;
  TWaitCursor wait;
  changes |= Reconstruct();
  changes |= ComputeReconSpectrum();
  changes |= SetSpectrumRange();
  return changes;
}

// The Lagrange polynomial has no generating function: the last one stays analysed.
TResamEngine::TChanges TResamEngine::TakeMethod(TMethod method) {
  FMethod = method;
  if (method == MethodLagrange) return ChangeMethod;
  const TMethodRow& m = MethodRow(method);
  FKernel = m.Kernel;
  if (m.Order != KeepKernelOrder) FKernelOrder = m.Order;
  return ChangeMethod | AnalyseGeneratingFunction();
}

TResamEngine::TChanges TResamEngine::LimitToMethod() {
  if (FN <= CountLimit()) return ChangeNone;
  FN = CountLimit();
  if (!Given) return ChangeSamples;
  TWaitCursor wait;
  return ChangeSamples | Resample() | Reconstruct();
}

TResamEngine::TChanges TResamEngine::Reconstruct() {
  if (!Given) return ChangeNone;
  const bool table = SignalSource == SourceTable;
  double lo = Sampled.GetXmin(), hi = Sampled.GetXmax();
  if (!table) {
    lo = std::min(lo, Signal.GetXmin());
    hi = std::max(hi, Signal.GetXmax());
  }
  lo = lo - SpanPad * std::fabs(lo);
  hi = hi + SpanPad * std::fabs(hi);
  const TKeeper& data = table ? Sampled : Signal;
  double ymin = std::min(data.GetYmin(), 0.0), ymax = std::max(data.GetYmax(), 0.0);
  // Noisy samples may stray beyond the clean signal; the view keeps them in sight.
  if (Noise.Active() && !table) {
    ymin = std::min(ymin, Sampled.GetYmin());
    ymax = std::max(ymax, Sampled.GetYmax());
  }
  SignalRange.HasLimits = true;
  if (IsLagrange()) {
    Curve.SetFunction(TRealFunction::Bind<LagrangeCurve>(*this), EstimateCount, FT0 - 2 * FT, FT0 + (FN + 1) * FT);
    SignalRange.LimitMin = SignalRange.Xmin = FT0 - FT;
    SignalRange.LimitMax = SignalRange.Xmax = FT0 + FN * FT;
  } else {
    const double a = lo - FunctionReach * FT, b = hi + FunctionReach * FT;
    const bool kotelnikov = FKernel == TRealFunction(Sinc);
    Curve.SetFunction(kotelnikov ? TRealFunction::Bind<KotelnikovCurve>(*this) : TRealFunction::Bind<LocalCurve>(*this),
                      EstimateCount, a, b);
    SignalRange.LimitMin = a;
    SignalRange.LimitMax = b;
    SignalRange.Xmin = lo - VisibleReach * FT;
    SignalRange.Xmax = hi + VisibleReach * FT;
  }
  double bottom = ymin - RangePad * std::fabs(ymax - ymin);
  double top = ymax + RangePad * std::fabs(ymax - bottom);
  // A signal that is zero everywhere has no span of its own; one volt either side shows it.
  if (!(top > bottom)) {
    bottom = -1;
    top = 1;
  }
  SignalRange.Ymin = bottom;
  SignalRange.Ymax = top;
  return ChangeCurve | ComputeError();
}

TResamEngine::TChanges TResamEngine::ComputeError() {
  if (!Given) return ChangeNone;
  FErrorFigures = MethodFigures(FMethod);
  // A table gives only samples: there is nothing to compare the interpolating function with.
  ErrorKnown = SignalSource != SourceTable;
  if (!ErrorKnown) return ChangeError;
  const TErrorInterval interval = ErrorInterval(FT1, FT2, FT, IsLagrange());
  TabulateError(ErrorReference(), Curve, interval.A, interval.B, FErrorValues.data());
  Error.SetArray(FErrorValues.data(), ErrorCount, interval.A, interval.B);
  ErrorRange.HasLimits = true;
  ErrorRange.LimitMin = interval.A;
  ErrorRange.LimitMax = interval.B;
  ErrorRange.Xmin = interval.ViewMin;
  ErrorRange.Xmax = interval.ViewMax;
  ErrorRange.AutoY = true;
  return ChangeError;
}
