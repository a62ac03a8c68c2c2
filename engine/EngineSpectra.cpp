// The three amplitude spectra and their range, the frequency unit and spectrum view, and the
// generating-function analysis with the Lagrange basis functions.
#include <algorithm>
#include <cmath>

#include "engine/Basefunctionsunit.h"
#include "engine/KernelAnalysis.h"
#include "engine/ResamEngine.h"
#include "platform/CoreServices.h"

namespace {
constexpr int KernelEstimateCount = 10;
constexpr double KernelViewBottom = -0.25, KernelViewTop = 1;
constexpr double SpectrumViewPeriods = 2;
constexpr double BasisViewBottom = -1, BasisViewTop = 1.5;
}  // namespace

TResamEngine::TChanges TResamEngine::ShowAnalogSpectrum() {
  if (!Given) return ChangeNone;
  SpectrumRangeSet = false;
  const double band = AnalogSpectrumBand(SpectrumModule().GetFreqStep(), AnalogStep, FShownUnit);
  AnalogSpec.SetArray(FAnalogSpectrum.data(), SpectrumKeepCount, 0, band);
  AnalogSpec.SetSymmetry(SymmetryEven);
  return ChangeAnalogSpectrum;
}

TResamEngine::TChanges TResamEngine::ComputeDiscreteSpectrum() {
  if (!Given) return ChangeNone;
  SpectrumRangeSet = false;
  int count = 0;
  double* amplitudes = DiscreteSpectrum(SpectrumModule(), Samples, FN, count);
  if (!amplitudes) return ChangeNone;
  const double period = FShownUnit == TFrequencyUnit::Circular ? FWd : FFd;
  DiscreteSpec.SetArray(amplitudes, count, 0, period);
  DiscreteSpec.SetPeriodic(period);
  DiscreteSpec.SetScale(FT);
  return ChangeDiscreteSpectrum;
}

TResamEngine::TChanges TResamEngine::ComputeReconSpectrum() {
  if (!Given) return ChangeNone;
  SpectrumRangeSet = false;
  const TReconKind kind = IsLagrange()                     ? TReconKind::Lagrange
                          : FKernel == TRealFunction(Sinc) ? TReconKind::Kotelnikov
                                                           : TReconKind::Local;
  const double band =
      ReconstructionSpectrum(kind, DiscreteSpec, KernelSpec, FWd, FT, FShownUnit, FReconSpectrum.data());
  ReconSpec.SetArray(FReconSpectrum.data(), ReconSpectrumCount, 0,
                     FShownUnit == TFrequencyUnit::Circular ? band : band / TwoPiShort);
  ReconSpec.SetSymmetry(SymmetryEven);
  return ChangeReconSpectrum;
}

TResamEngine::TChanges TResamEngine::SetSpectrumRange() {
  if (!Given || SpectrumRangeSet) return ChangeNone;
  const double analogMax = SignalSource == SourceTable ? -1 : AnalogSpec.GetYmax();
  const TSpectrumRange range =
      SpectrumRangeFor(FShownView, FShownUnit, {FWd, FFd, FWm, FFm}, FT, DiscreteSpec.GetYmax(), analogMax);
  SpectrumRange.HasLimits = true;
  SpectrumRange.LimitMin = range.LimitMin;
  SpectrumRange.LimitMax = range.LimitMax;
  SpectrumRange.Xmin = range.Xmin;
  SpectrumRange.Xmax = range.Xmax;
  SpectrumRange.Ymin = range.Ymin;
  SpectrumRange.Ymax = range.Ymax;
  SpectrumRangeSet = true;
  return ChangeSpectrumRange;
}

TResamEngine::TChanges TResamEngine::SetFrequencyUnit(TFrequencyUnit unit) {
  if (FShownUnit == unit) return ChangeNone;
  TWaitCursor wait;
  FShownUnit = unit;
  return ChangeUnit | Recompute();
}

TResamEngine::TChanges TResamEngine::SetSpectrumView(TSpectrumView view) {
  if (FShownView == view) return ChangeNone;
  TWaitCursor wait;
  FShownView = view;
  SpectrumRangeSet = false;
  return SetSpectrumRange();
}

TResamEngine::TChanges TResamEngine::SetAnalysis(int detail, double step) {
  Detail = detail;
  Step = step;
  return AnalyseGeneratingFunction();
}

TResamEngine::TChanges TResamEngine::AnalyseGeneratingFunction() {
  if (!FKernel) return ChangeNone;
  TWaitCursor wait;
  const bool kotelnikov = FKernel == TRealFunction(Sinc);
  KernelCurve.SetFunction(FKernel, KernelEstimateCount, -KernelPlotHalfWidth, KernelPlotHalfWidth);
  const double half = kotelnikov ? KotelnikovKernelView : LocalKernelView;
  KernelRange = {};
  KernelRange.Xmin = -half;
  KernelRange.Xmax = half;
  KernelRange.Ymin = KernelViewBottom;
  KernelRange.Ymax = KernelViewTop;
  const TKernelAnalysis analysis =
      AnalyseKernel(kotelnikov, FKernel, FKernelOrder, Detail, Step, FKernelSpectrum.data(), FDistortion.data());
  KernelSpectrumKnown = analysis.SpectrumCount > 0;
  if (KernelSpectrumKnown) {
    KernelSpec.SetArray(FKernelSpectrum.data(), analysis.SpectrumCount, 0, analysis.SpectrumEnd);
    KernelSpec.SetSymmetry(SymmetryEven);
    KernelSpectrumRange = {};
    KernelSpectrumRange.Xmin = -SpectrumViewPeriods * TwoPiShort;
    KernelSpectrumRange.Xmax = SpectrumViewPeriods * TwoPiShort;
    KernelSpectrumRange.AutoY = true;
    DistortionCurve.SetArray(FDistortion.data(), analysis.DistortionCount, 0, analysis.DistortionEnd);
    DistortionCurve.SetSymmetry(SymmetryEven);
    DistortionRange = {};
    DistortionRange.Xmax = analysis.DistortionEnd;
    DistortionRange.AutoY = true;
    DistortionRange.FloorAtZero = true;
  }
  return ChangeKernel;
}

TResamEngine::TChanges TResamEngine::SetBasisCount(int count) {
  Basis.SetCount(count);
  const int shown = Basis.Count();
  BasisRange = {};
  BasisRange.HasLimits = true;
  BasisRange.LimitMin = -0.5;
  BasisRange.LimitMax = shown;
  BasisRange.Xmin = -0.5;
  BasisRange.Xmax = shown - 0.5;
  BasisRange.Ymin = BasisViewBottom;
  BasisRange.Ymax = BasisViewTop;
  return ChangeBasis;
}
