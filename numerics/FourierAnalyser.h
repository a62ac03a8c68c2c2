#pragma once
// The spectrum analysis computation, free of any window: the discrete spectrum of up to
// MaxCount real samples with unit spacing, zero-padded to a power of two and transformed on
// TransformSize = N points, as amplitudes and phases on the frequencies k·2π/N (radians per
// sample), and the spectrum width by one of three criteria.
//
// Scaling: X_k = Σ_j x_j e^(−i·2πkj/N), raw, no division by N and no sampling step; a caller
// that sampled with step Δt divides frequencies by Δt and multiplies amplitudes by Δt.
// The arrays are members, overwritten by each Calculate; pointers handed out stay valid for
// the life of the object. The object takes about 2.5 MB: keep it on the heap.
//
// The window class TSpAnForm derives from this one and adds the progress display through
// the Progress* and RunTransform hooks; on their own they do nothing.
#include "numerics/FourierTransform.h"
#include "numerics/Mathlib.h"
#include "numerics/WidthCriteria.h"

enum class TTransformKind { Fast, Direct };

class TFourierAnalyser {
 public:
  static constexpr unsigned MaxCount = 4096;  // largest accepted number of samples
  static constexpr unsigned MaxN = 65536;     // largest transform size
  // The ranges the amplitude level and the energy fraction are kept in.
  static constexpr double MinAmpLevel = 0.01, MaxAmpLevel = 0.8;
  static constexpr double MinEnergyPart = 0.5, MaxEnergyPart = 0.99;

  TFourierAnalyser();
  virtual ~TFourierAnalyser() = default;
  TFourierAnalyser(const TFourierAnalyser&) = delete;
  TFourierAnalyser& operator=(const TFourierAnalyser&) = delete;

  // The spectrum of samples[0 .. count−1] (a null pointer reads as count zeros). More than
  // MaxCount samples are refused with a message; the arrays are then left zero.
  void Calculate(const double* samples, unsigned count);

  // Amplitudes (Re) and phases (Im) of points 0 .. count−1, count = PointCount. After a fast
  // transform the points 0 .. TransformSize are valid (point N repeats point 0). Writable,
  // because series borrow them without copying. The phases are worked out on the first
  // call after a computation: the main window never shows them, and their arctangents
  // were a fifth of its chain.
  double* GetAmpSpectrum(int& count);
  double* GetPhaseSpectrum(int& count);
  const double* GetAmpSpectrum(int& count) const;
  const double* GetPhaseSpectrum(int& count) const;
  // 2π/N in radians per sample; 0 before the first computation.
  long double GetFreqStep() const;
  // Runs FindWidth on the current amplitudes with the current criterion; radians per sample.
  double GetSpectrumWidth();

  void SetFFT(bool on) { FFT = on; }
  void SetFullSize(bool on) { FullSize = on; }
  void SetDoublings(unsigned count) { Doublings = count; }
  // Each stores the absolute value clamped to its range; a NaN is ignored.
  void SetFreqLimit(double limit);
  void SetAmpLevel(double level);
  void SetEnergyPart(double part);
  void SetAmpCriterion() { Criterion = TWidthCriterion::Amplitude; }
  void SetEnergyCriterion() { Criterion = TWidthCriterion::Energy; }
  void SetRectCriterion() { Criterion = TWidthCriterion::Rectangle; }
  void SetIndication(bool on) { Indication = on; }

  int GetCriterion() const { return static_cast<int>(Criterion); }
  bool GetIndication() const { return Indication; }
  double GetAmpLevel() const { return AmpLevel; }
  double GetEnergyPart() const { return EnergyPart; }

  // The sizes of the last computation.
  unsigned GetPadLength() const { return PadLength; }
  unsigned GetTransformSize() const { return TransformSize; }
  unsigned GetPointCount() const { return PointCount; }
  double GetFreqLimit() const { return FreqLimit; }

 protected:
  // Runs the chosen transform; the window overrides it to run it inside its progress display.
  virtual void RunTransform();
  void Transform();
  // Progress display: the start of a transform of `size` points in `steps` steps, and steps done.
  virtual void ProgressStart(TTransformKind, unsigned /*size*/, unsigned /*steps*/) {}
  virtual void ProgressStep(unsigned /*steps*/) {}

 private:
  void ClearArrays();
  void FindPadLength(unsigned count);
  void FindTransformSize();
  void FastFT();
  void DirectDFT();
  void CountPoints();
  void ToPolar(unsigned count);
  void FindPhases() const;
  void FindWidth();
  void Advance(unsigned steps);

  double TwoPi = ::TwoPi;
  alignas(64) double Input[MaxCount];
  unsigned PadLength = 0;
  alignas(64) double Re[MaxN + 1];
  // Imaginary parts until FindPhases turns them into phases (PhaseDue of them, and the
  // repeated point N when PhaseRepeat), reading the real parts from RealParts.
  alignas(64) mutable double Im[MaxN + 1];
  alignas(64) double RealParts[MaxN];
  mutable unsigned PhaseDue = 0;
  mutable bool PhaseRepeat = false;
  unsigned TransformSize = 0;
  unsigned PointCount = 0;
  unsigned Doublings = 5;
  double FreqLimit = Pi;
  bool FFT = true;
  bool FullSize = true;
  TWidthCriterion Criterion = TWidthCriterion::Amplitude;
  bool Indication = false;
  double Width = 0;
  double AmpLevel = 0.1;
  double EnergyPart = 0.99;

  // Not part of the results: how far the arrays may hold non-zero values since they were
  // last cleared, so that clearing touches only those, and the fast transform's twiddles.
  unsigned DirtyInput = MaxCount;
  unsigned DirtyPoints = MaxN + 1;
  TTwiddleTable Twiddles;
};
