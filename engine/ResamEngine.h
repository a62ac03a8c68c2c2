#pragma once
// The reconstruction engine: the current signal, how it is sampled, the method that rebuilds
// it and every result the main window shows, computed without any window. The main window
// owns one engine and is a view over it; tests and benchmarks drive it on its own.
//
// Commands are in the user's words (set the count, the period, the interval, the method, ...)
// and return what changed (TChanges); the operations the chains are made of keep their
// usual names and are public too, so that a view or a test can run one step.
// Times are in seconds, circular frequencies in rad/s, cyclic frequencies in Hz, signal
// values in volts.
//
// The engine owns the series it computes and lends them read-only. Each lent array or
// series stays valid, with its contents, until the next command or operation that reports
// the change named beside it; the engine must outlive every series copied from it (the
// curves read it).
//
// What an engine costs: about 22 KB in the object itself (the signal's tabulation, the
// samples, the series), about 175 KB of result arrays on the heap, and, while no spectrum
// module is handed to it, its own module's 2.5 MB, made on first use. So an engine may live
// on the stack; the object is held below MaxEngineSize.
#include <memory>
#include <span>
#include <vector>

#include "engine/AliasTwin.h"
#include "engine/KernelResponse.h"
#include "engine/LagrangeProduct.h"
#include "engine/Lagrbfunit.h"
#include "engine/MethodComparison.h"
#include "engine/MethodTable.h"
#include "engine/PeriodSpan.h"
#include "engine/PreFilter.h"
#include "engine/ReconstructionError.h"
#include "engine/ReconstructionTerms.h"
#include "engine/SampleNoise.h"
#include "engine/SampleSet.h"
#include "engine/SignalSpectra.h"
#include "engine/SpectrumRange.h"
#include "engine/ViewRange.h"
#include "numerics/FourierAnalyser.h"
#include "numerics/Keeper.h"

class TResamEngine {
 public:
  // Which source delivered the current signal; a table signal is known only by its samples.
  // A recording's fragment is an analog signal read through its formula input.
  enum TSignalSource { SourceEditor, SourceLibrary, SourcePolyharmonic, SourceTable, SourceRecording };
  // How the first period is chosen for a new analog signal.
  enum TPeriodRule { PeriodFromCount, PeriodHalfTmax };
  // The methods in the method menu's order (engine/MethodTable.h).
  using TMethod = ::TMethod;
  using enum ::TMethod;

  // What the source commands hand over before AcceptSignal. The source windows keep the
  // data alive and unchanged until the user confirms another signal.
  struct TDrawnSignal {
    const TKeeper* Curve = nullptr;  // the drawn curve, read continuously
    const double* Values = nullptr;  // its node values
    int Count = 0;
  };
  struct TFormulaSignal {
    TRealFunction Function = nullptr;  // value in volts at a time in seconds
    double Duration = 1;               // library: tau; fragment: its period; recording: its length
    int Symmetry = 0;                  // library: 0 one-sided, otherwise centred on zero
    double Start = 0;                  // recording: the time of the fragment's first sample
  };
  struct TTableSignal {
    const double* Values = nullptr;
    int Count = 0;
  };

  // What a command changed; the view shows exactly these.
  enum TChange : unsigned {
    ChangeNone = 0,
    ChangeInterval = 1 << 0,          // T1, T2 and IntervalLimits()
    ChangeAnalysis = 1 << 1,          // Wm, Fm, Tmax, Nmin and SignalSeries()
    ChangeAnalogSpectrum = 1 << 2,    // AnalogSpectrumSeries()
    ChangeSamples = 1 << 3,           // N, T, T0, Fd, Wd, CountLimit() and SampleSeries()
    ChangeDiscreteSpectrum = 1 << 4,  // DiscreteSpectrumSeries()
    ChangeReconSpectrum = 1 << 5,     // ReconSpectrumSeries()
    ChangeCurve = 1 << 6,             // CurveSeries() and SignalView()
    ChangeError = 1 << 7,             // ErrorSeries(), HasError(), ErrorView() and ErrorFigures()
    ChangeSpectrumRange = 1 << 8,     // SpectrumView()
    ChangeKernel = 1 << 9,            // the generating-function series and their views
    ChangeMethod = 1 << 10,           // Method() and CountLimit()
    ChangeBasis = 1 << 11,            // BasisCount() and BasisView()
    ChangeSignal = 1 << 12,           // SignalGiven(), Source()
    ChangeUnit = 1 << 13,             // ShownUnit(): the spectrum series' abscissae
    ChangeNoise = 1 << 14,            // SampleNoise()
    ChangeTwin = 1 << 15,             // HasTwin(), TwinSeries() and TwinFoldings()
    ChangeFilter = 1 << 16,           // PreFilter(), HasFilter(), FilteredSeries(), FilterResponseSeries(), Cutoff()
  };
  using TChanges = unsigned;

  static constexpr int AnalogCount = 1024;  // points of the analog signal's tabulation
  static constexpr int SampleCapacity = 1000;
  static constexpr int MaxCount = CommonCountLimit;            // sample limit of every method but Lagrange
  static constexpr int MaxLagrangeCount = LagrangeCountLimit;  // sample limit of the Lagrange method
  static constexpr int SpectrumKeepCount = AnalogSpectrumCount;
  static constexpr int ErrorCount = ::ErrorCount;
  static constexpr int ReconSpectrumCount = ::ReconSpectrumCount;

  TResamEngine();
  // The curves it lends read this object: it is never copied or moved.
  TResamEngine(const TResamEngine&) = delete;
  TResamEngine& operator=(const TResamEngine&) = delete;

  // The spectrum module whose settings the analog spectrum follows; null: one of the engine's
  // own. The caller keeps it alive while the engine uses it.
  void SetSpectrumModule(TFourierAnalyser* module) { Module = module; }
  TFourierAnalyser& SpectrumModule();

  // What the Kotelnikov and Lagrange methods rebuild with (the curve, the error and its
  // figures): the program's own sums (null: KotelnikovValue, the product form of
  // LagrangeProduct.h) unless a benchmark puts the literal ones here to compare against them.
  using TSampleSum = double (*)(const TSampleSet& set, double t);
  void UseSums(TSampleSum kotelnikov, TSampleSum lagrange);

  // ---- Signal arrival: a source fills its input, then AcceptSignal and the Take* ----
  TDrawnSignal DrawnSignal;
  TFormulaSignal FormulaSignal;
  TTableSignal TableSignal;
  // A polyharmonic fragment's harmonics, for its alias twin (the formula alone cannot be folded).
  std::vector<THarmonic> Harmonics;
  TChanges AcceptSignal(TSignalSource source);
  TChanges TakeAnalogSignal(TPeriodRule rule);
  TChanges TakeTableSignal();

  // ---- Commands in the user's words ----
  // A typed count, period or interval end; the same value as now changes nothing.
  TChanges SetCount(int n);
  // The period a typed text gives (readable: whether it was a number), as it will be taken.
  double PeriodFor(bool readable, double typed) const;
  TChanges SetPeriod(double period);
  TChanges SetIntervalStart(double t1);
  TChanges SetIntervalEnd(double t2);
  // Input mode: the count (true) or the period is typed for an analog signal.
  void SetCountMode(bool countMode) { CountMode = countMode; }
  TChanges SetAnchoredAtZero(bool atZero);
  TChanges SetMethod(TMethod method);
  TChanges SetFrequencyUnit(TFrequencyUnit unit);
  TChanges SetSpectrumView(TSpectrumView view);
  // Generating-function analysis: detail b (KernelDetail*) and step (KernelStep*).
  TChanges SetAnalysis(int detail, double step);
  TChanges SetBasisCount(int count);
  // Noise and quantisation of the samples (limited to the ranges of TSampleNoise); the
  // same settings as now change nothing.
  TChanges SetSampleNoise(const TSampleNoise& settings);
  // Whether the alias twin of a polyharmonic fragment is computed and shown.
  TChanges SetTwinShown(bool on);
  // Whether an analog signal's samples are its own values at the sample times (the source's
  // function, the drawn curve) rather than readings of its AnalogCount-point tabulation.
  TChanges SetExactSamples(bool on);
  // The filter before the sampler (engine/EngineFilter.cpp): the samples, the interpolating
  // function and the discrete and reconstructed spectra follow the filtered signal; the error
  // and the comparison follow it only when the settings say so. Order limited to 1 .. 8; a
  // fixed cut-off that is not a positive number keeps the previous one.
  TChanges SetPreFilter(const TPreFilter& settings);

  // ---- The chains and their steps ----
  TChanges Resample();
  TChanges Recompute();
  TChanges AnalyseSignal();
  void FindSupport(double level);
  TChanges SampleSignal();
  TChanges TakeTableSamples();
  TChanges LimitCount();
  TChanges Reconstruct();
  TChanges ComputeError();
  TChanges ShowAnalogSpectrum();
  TChanges ComputeDiscreteSpectrum();
  TChanges ComputeReconSpectrum();
  TChanges SetSpectrumRange();
  // Forgets the spectrum range, so that the next SetSpectrumRange sets it again.
  void ForgetSpectrumRange() { SpectrumRangeSet = false; }
  TChanges AnalyseGeneratingFunction();
  TChanges FoldTwin();

  // ---- State ----
  bool SignalGiven() const { return Given; }
  TSignalSource Source() const { return SignalSource; }
  bool IsAnalog() const { return Given && SignalSource != SourceTable; }
  int N() const { return FN; }
  double T() const { return FT; }
  double T0() const { return FT0; }
  double T1() const { return FT1; }
  double T2() const { return FT2; }
  double Wm() const { return FWm; }
  double Fm() const { return FFm; }
  double Tmax() const { return FTmax; }
  int Nmin() const { return FNmin; }
  double Fd() const { return FFd; }
  double Wd() const { return FWd; }
  bool EdgeGuard() const { return FEdgeGuard; }
  bool CountModeOn() const { return CountMode; }
  TMethod Method() const { return FMethod; }
  bool IsLagrange() const { return FMethod == MethodLagrange; }
  int KernelOrder() const { return FKernelOrder; }
  int BasisCount() const { return Basis.Count(); }
  TFrequencyUnit ShownUnit() const { return FShownUnit; }
  TSpectrumView ShownView() const { return FShownView; }
  bool SpectrumRangeKnown() const { return SpectrumRangeSet; }
  // The largest count the method allows (500, or 50 for Lagrange).
  int CountLimit() const { return MethodRow(FMethod).CountLimit; }
  TSampleSet SampleSet() const { return {Samples, FN, FT, FT0}; }
  const TSampleNoise& SampleNoise() const { return Noise; }
  // The measured signal-to-quantisation-noise ratio of the samples (dB); NaN while they are
  // not quantised. ChangeSamples.
  double QuantisationSnr() const { return FQuantisationSnr; }
  // The twin is asked for and the signal is a polyharmonic fragment.
  bool HasTwin() const { return TwinOn && TwinKnown && Given && SignalSource == SourcePolyharmonic; }
  bool TwinShown() const { return TwinOn; }
  bool ExactSamplesOn() const { return ExactSamples; }
  const TPreFilter& PreFilter() const { return Filter; }
  // The filter acts on the current signal: it is on, the signal analog and free of NaN.
  bool HasFilter() const { return FilterOn; }
  // The settings ask for a filter but the signal has values that are not numbers.
  bool FilterRefused() const { return FilterNaN; }
  // The cut-off in use (Hz), below MaxCutoff(); valid while HasFilter().
  double Cutoff() const { return FCutoff; }
  // The highest cut-off the analog tabulation can carry: just below half its rate (Hz).
  double MaxCutoff() const;
  // Edit limits that keep T1 below T2 whatever is typed: [lo, hi] of T1, then of T2.
  struct TIntervalLimits {
    double Lo1 = -1, Hi1 = 1, Lo2 = -1, Hi2 = 1;
  };
  const TIntervalLimits& IntervalLimits() const { return Limits; }

  // ---- Error figures ----
  // The figures of any method for the current samples, over [T1, T2] on the grid of
  // ComparisonCount points that all methods share, against the signal itself (the source's
  // function, a drawing's curve); the current method stays as it is. Gaps: a table signal,
  // Lagrange beyond MaxLagrangeCount samples, no signal.
  TErrorFigures MethodFigures(TMethod method) const;
  // The current method's figures, MethodFigures(Method()) as of the last ComputeError; ChangeError.
  const TErrorFigures& ErrorFigures() const { return FErrorFigures; }
  // ---- Sessions (engine/EngineSession.cpp) ----
  // What a session keeps of the engine: the rest of its state follows from these and the
  // source's input.
  struct TSettings {
    TSignalSource Source = SourceEditor;
    bool CountMode = true;
    bool AnchoredAtZero = true;
    bool EdgeGuard = false;  // left by the last drawn signal; it shortens the period in count mode
    int N = 10;
    double T = 0.1;
    double T1 = 0, T2 = 1;  // ignored for a table, whose interval follows from N and T
    TMethod Method = MethodKotelnikov;
    TFrequencyUnit Unit = TFrequencyUnit::Circular;
    TSpectrumView View = TSpectrumView::TwoPeriods;
    int Detail = KernelDetailMedium;
    double Step = KernelStepMedium;
    int BasisCount = MinBasisCount;
  };
  TSettings Settings() const;
  // The sampling studies a session keeps beside the settings (a version-1 session has none).
  struct TStudies {
    TSampleNoise Noise;
    bool Twin = false;
    bool ExactSamples = false;
    TPreFilter Filter;
    bool operator==(const TStudies&) const = default;
  };
  TStudies Studies() const;
  // Takes the studies' settings, within the limits their commands keep, and computes nothing:
  // the Restore that follows computes every result from them. Returns what to show of them.
  TChanges TakeStudies(const TStudies& studies);
  // Puts the engine in the state Settings() gave, the source's input filled in as the source
  // command fills it. The settings must be valid for the signal (count within the method's
  // limit, interval within SignalIntervalOf's limits); no user's correction is applied.
  TChanges Restore(const TSettings& settings);
  // The interval a new signal of this source and input takes, with the limits of the two
  // interval edits around it and, for a drawn signal, whether it is flat-topped (for the other
  // sources EdgeGuard keeps its value). Changes nothing.
  struct TSignalInterval {
    double T1 = 0, T2 = 1;
    TIntervalLimits Limits;
    bool EdgeGuard = false;
  };
  TSignalInterval SignalIntervalOf(TSignalSource source, const TDrawnSignal& drawn,
                                   const TFormulaSignal& formula) const;

  // ---- Lent arrays (counts and units beside each) ----
  // AnalogCount values of the analog signal (V) from T1 to T2; ChangeAnalysis.
  std::span<const double> AnalogValues() const { return FAnalogValues; }
  // N samples (V), the first at T0, every T, with the noise and quantisation of SampleNoise(); ChangeSamples.
  std::span<const double> SampleValues() const { return {Samples, static_cast<size_t>(FN)}; }
  // ErrorCount values (V) of signal minus interpolating function over ErrorView's limits; ChangeError.
  std::span<const double> ErrorValues() const { return FErrorValues; }
  // SpectrumKeepCount spectral densities (V/Hz) of the analog signal from 0; ChangeAnalogSpectrum.
  std::span<const double> AnalogSpectrum() const { return FAnalogSpectrum; }
  // ReconSpectrumCount spectral densities (V/Hz) of the interpolating function; ChangeReconSpectrum.
  std::span<const double> ReconSpectrum() const { return FReconSpectrum; }
  // The generating function's spectrum (normalised frequency) and the distortion coefficient,
  // whole stores: the counts written and their ends are those of KernelSpectrumSeries() and
  // DistortionSeries(); ChangeKernel.
  std::span<const double> KernelSpectrum() const { return FKernelSpectrum; }
  std::span<const double> Distortion() const { return FDistortion; }

  // ---- Lent series, as the diagrams plot them ----
  const TKeeper& SignalSeries() const { return Signal; }                  // analog signal over [T1, T2]
  const TKeeper& CurveSeries() const { return Curve; }                    // interpolating function
  const TKeeper& SampleSeries() const { return Sampled; }                 // the samples, discrete
  const TKeeper& ErrorSeries() const { return Error; }                    // ErrorValues over the error's limits
  bool HasError() const { return ErrorKnown; }                            // false for a table signal
  const TKeeper& AnalogSpectrumSeries() const { return AnalogSpec; }      // ShownUnit() abscissa
  const TKeeper& DiscreteSpectrumSeries() const { return DiscreteSpec; }  // periodic, scaled by T
  const TKeeper& ReconSpectrumSeries() const { return ReconSpec; }
  const TKeeper& KernelSeries() const { return KernelCurve; }         // kernel over sampling periods
  const TKeeper& KernelSpectrumSeries() const { return KernelSpec; }  // over normalised frequency
  const TKeeper& DistortionSeries() const { return DistortionCurve; }
  bool HasKernelSpectrum() const { return KernelSpectrumKnown; }
  // Basis function k (0 .. MaxBasisCount-1) of the basis-function tab, in sampling periods.
  TRealFunction BasisFunction(int k) const { return Basis.Function(k); }
  // The alias twin over [T1, T2] and the harmonics that folded (Hz); valid while HasTwin().
  const TKeeper& TwinSeries() const { return TwinCurve; }
  // The filtered signal over [T1, T2], and |H| over the analog spectrum's abscissa (ShownUnit())
  // scaled to the analog spectrum's peak; valid while HasFilter(); ChangeFilter.
  const TKeeper& FilteredSeries() const { return FilteredCurve; }
  const TKeeper& FilterResponseSeries() const { return ResponseCurve; }
  std::span<const TFolding> TwinFoldings() const { return Twin.Foldings(); }

  // ---- Exploration (engine/EngineExploration.cpp) ----
  // Chooses the terms of the interpolating function whose curves reach [xmin, xmax] seconds
  // (none before a signal); choose again after every change of the samples or the method.
  // `times`: where the curves are about to be read (TReconstructionTerms::ExpectTimes).
  void ChooseTerms(double xmin, double xmax, std::span<const double> times = {});
  const TReconstructionTerms& Terms() const { return FTerms; }
  // The periods a period box showing `decimals` decimals takes as typed, on its grid, and that
  // resample without a message (the count within its limit); not Usable() when there are none.
  TPeriodSpan SlidablePeriods(int decimals) const;

  // ---- What each diagram should show ----
  const TViewRange& SignalView() const { return SignalRange; }
  const TViewRange& ErrorView() const { return ErrorRange; }
  const TViewRange& SpectrumView() const { return SpectrumRange; }
  const TViewRange& KernelView() const { return KernelRange; }
  const TViewRange& KernelSpectrumView() const { return KernelSpectrumRange; }
  const TViewRange& DistortionView() const { return DistortionRange; }
  const TViewRange& BasisView() const { return BasisRange; }

 private:
  double AnalogValueAt(double t) const;
  double SampleValueAt(double t) const;
  double FilteredValueAt(double t) const;
  TChanges Refilter();
  // The settings a command takes: within their limits, a value that is not a number left as it is.
  TPreFilter FilterWithin(const TPreFilter& settings) const;
  TSampleNoise NoiseWithin(const TSampleNoise& settings) const;
  double CutoffWanted() const;
  static double ResponseValue(const TResamEngine& engine, double f);
  double ReferenceAt(int k) const;
  const TKeeper& ErrorReference() const;
  void TakeSignalInterval();
  static void SupportOf(const TDrawnSignal& drawn, double level, double& t1, double& t2);
  double CountModePeriod() const;
  TChanges TakeMethod(TMethod method);
  void SetIntervalLimits(double lo1, double hi1, double lo2, double hi2);
  TChanges CommitInterval();
  TChanges LimitToMethod();
  void TakeSampleSeries(double tlast);
  static double KotelnikovCurve(const TResamEngine& engine, double t);
  static double LocalCurve(const TResamEngine& engine, double t);
  static double LagrangeCurve(const TResamEngine& engine, double t);
  static double TwinValue(const TResamEngine& engine, double t);
  double MethodValue(TMethod method, double t) const;
  void TabulateReference();

  TFourierAnalyser* Module = nullptr;
  std::unique_ptr<TFourierAnalyser> OwnModule;  // about 2.5 MB: on the heap, made when first asked for
  TSampleSum KotelnikovSum;
  TSampleSum LagrangeSum;

  // Sampling set-up.
  TSignalSource SignalSource = SourceEditor;
  bool Given = false;
  bool ResetInterval = true;
  bool CountMode = true;
  bool AtZero = true;
  double FT1 = 0, FT2 = 1;
  TIntervalLimits Limits;
  double AnalogStep = 0;
  double FAnalogValues[AnalogCount] = {};
  double SupportLevel = 1e-5;
  bool FEdgeGuard = false;
  double FWm = 0, FFm = 0, FTmax = 0;
  int FNmin = 0;
  int FN = 10;
  double FT = 0.1;
  double FT0 = 0;
  double Samples[SampleCapacity] = {};
  double FFd = 0, FWd = 0;

  // Reconstruction.
  TMethod FMethod = MethodKotelnikov;
  TRealFunction FKernel = nullptr;
  int FKernelOrder = 0;

  // Error, spectra, generating-function analysis.
  std::vector<double> FErrorValues = std::vector<double>(ErrorCount);
  bool ErrorKnown = false;
  TLagrangeProduct Product;
  std::vector<double> Reference = std::vector<double>(ComparisonCount);  // the analog signal on the comparison grid
  TErrorFigures FErrorFigures;
  std::vector<double> FAnalogSpectrum = std::vector<double>(SpectrumKeepCount);
  std::vector<double> FReconSpectrum = std::vector<double>(ReconSpectrumCount);
  std::vector<double> FKernelSpectrum = std::vector<double>(MaxKernelSpectrumCount);
  std::vector<double> FDistortion = std::vector<double>(MaxDistortionCount);
  bool KernelSpectrumKnown = false;
  bool SpectrumRangeSet = false;
  TFrequencyUnit FShownUnit = TFrequencyUnit::Circular;
  TSpectrumView FShownView = TSpectrumView::TwoPeriods;
  int Detail = KernelDetailMedium;
  double Step = KernelStepMedium;
  TLagrangeBasis Basis;
  TReconstructionTerms FTerms;

  // Sampling studies.
  TSampleNoise Noise;
  double FQuantisationSnr = TErrorFigures::None;
  bool TwinOn = false;
  bool ExactSamples = false;
  TPreFilter Filter;
  bool FilterOn = false, FilterNaN = false, FilterStale = true;
  double FCutoff = 0;
  std::vector<double> FFilteredValues = std::vector<double>(AnalogCount);
  std::vector<THarmonic> FilteredParts;  // a fragment's harmonics after the filter
  std::vector<double> FilteredReference = std::vector<double>(ComparisonCount);
  bool TwinKnown = false;
  TAliasTwin Twin;

  TKeeper Signal, Curve, Sampled, Error;
  TKeeper AnalogSpec, DiscreteSpec, ReconSpec;
  TKeeper KernelCurve, KernelSpec, DistortionCurve, TwinCurve;
  TKeeper FilteredCurve, ResponseCurve;
  TViewRange SignalRange, ErrorRange, SpectrumRange;
  TViewRange KernelRange, KernelSpectrumRange, DistortionRange, BasisRange;
};

constexpr size_t MaxEngineSize = 64 * 1024;
static_assert(sizeof(TResamEngine) <= MaxEngineSize, "large buffers of the engine belong on the heap");
