// A session's part of the engine: the settings it keeps, and the state rebuilt from them.
#include "engine/ResamEngine.h"
#include "platform/CoreServices.h"

TResamEngine::TSettings TResamEngine::Settings() const {
  TSettings s;
  s.Source = SignalSource;
  s.CountMode = CountMode;
  s.AnchoredAtZero = AtZero;
  s.EdgeGuard = FEdgeGuard;
  s.N = FN;
  s.T = FT;
  s.T1 = FT1;
  s.T2 = FT2;
  s.Method = FMethod;
  s.Unit = FShownUnit;
  s.View = FShownView;
  s.Detail = Detail;
  s.Step = Step;
  s.BasisCount = Basis.Count();
  return s;
}

TResamEngine::TStudies TResamEngine::Studies() const { return {Noise, TwinOn, ExactSamples, Filter}; }

TResamEngine::TChanges TResamEngine::TakeStudies(const TStudies& studies) {
  Noise = NoiseWithin(studies.Noise);
  TwinOn = studies.Twin;
  TwinKnown = false;
  ExactSamples = studies.ExactSamples;
  Filter = FilterWithin(studies.Filter);
  FilterStale = true;
  return ChangeNoise | ChangeTwin | ChangeFilter;
}

// The analysis depends only on the interval it is run on, so the signal is analysed once, on
// the saved interval, with the edit limits of its own interval. The samples are taken the way
// they were: the input mode may have been switched since (which retakes nothing), so a period
// that the count gives exactly says they were taken in count mode, any other in period mode.
TResamEngine::TChanges TResamEngine::Restore(const TSettings& settings) {
  TWaitCursor wait;
  FShownUnit = settings.Unit;
  FShownView = settings.View;
  Detail = settings.Detail;
  Step = settings.Step;
  AtZero = settings.AnchoredAtZero;
  TChanges changes = ChangeUnit | TakeMethod(settings.Method) | SetBasisCount(settings.BasisCount);
  changes |= AcceptSignal(settings.Source);
  if (IsAnalog()) {
    const TSignalInterval own = SignalIntervalOf(SignalSource, DrawnSignal, FormulaSignal);
    Limits = own.Limits;
    FT1 = settings.T1;
    FT2 = settings.T2;
    ResetInterval = false;
    changes |= ChangeInterval | AnalyseSignal() | ShowAnalogSpectrum();
  }
  FEdgeGuard = settings.EdgeGuard;
  FN = settings.N;
  FT = settings.T;
  CountMode = IsAnalog() && CountModePeriod() == settings.T;
  changes |= Resample();
  CountMode = settings.CountMode;
  return changes | Reconstruct() | SetSpectrumRange();
}
