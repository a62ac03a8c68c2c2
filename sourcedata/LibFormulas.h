#pragma once
// The signal library's pulse families as a plain object: the shape parameters k, l, m,
// the family, the duration tau (seconds) and the amplitude V0 (volts), the normalisation
// that makes the peak of |s(t)| equal V0, the signals s(t) and their amplitude spectra
// |S(f)| (f in hertz), the odometer that walks through all signals, and the copy of the
// last accepted signal that every closing of the library window returns to.
#include <vector>

#include "numerics/Mathlib.h"

constexpr int LibFamilyCount = 7;
constexpr int LibMaxK = 4;
constexpr int LibMinL = 1;
constexpr int LibMaxL = 4;
constexpr int LibMaxM = 4;
// tau and V0 are kept within these bounds.
constexpr double LibMinParameter = 0.01;
constexpr double LibMaxParameter = 100;

// The families' names, as the family list shows them (UTF-8 source texts, translated in the
// context LibFamilyContext where shown), by family number - 1.
extern const char* const LibFamilyNames[LibFamilyCount];
inline constexpr const char* LibFamilyContext = "TLibForm";

// alpha * tau_0.01 for the exponential families, by [k][m], and for the Gaussian family,
// by k; stored in single precision.
extern const float ExpDecayTable[LibMaxK + 1][LibMaxM + 1];
extern const float GaussDecayTable[LibMaxK + 1];

// Visible ranges of the signal diagram for the shown signal.
struct TLibSignalView {
  double Xmin, Xmax, Ymin, Ymax;
};

// One signal of the library: its family (1 .. 7), shape parameters, duration and amplitude.
struct TLibParameters {
  int Family = 1, K = 0, L = 1, M = 0;
  double Tau = 1, V0 = 1;
};

class TLibFormulas {
 public:
  TLibFormulas();
  TLibFormulas(const TLibFormulas&) = delete;
  TLibFormulas& operator=(const TLibFormulas&) = delete;

  int GetK() const { return K; }
  int GetL() const { return L; }
  int GetM() const { return M; }
  int GetFamily() const { return Family; }
  double GetTau() const { return Tau; }
  double GetV0() const { return V0; }
  double GetAmpFactor() const { return AmpFactor; }
  // 0 one-sided (analysed on [0, tau]), 1 even, 2 odd (analysed on [-tau/2, tau/2]).
  unsigned char GetSymmetry() const { return Symmetry; }

  TLibParameters Parameters() const { return {Family, K, L, M, Tau, V0}; }
  // The family first (coming from family 7 it would reset k, l, m), then each parameter
  // through its setter.
  void SetParameters(const TLibParameters& p);

  // Each setter keeps its value in range and renormalises, so the signal is always scaled.
  void SetK(int k);
  void SetL(int l);
  void SetM(int m);
  // Returns the value stored: clamped to [LibMinParameter, LibMaxParameter] (NaN gives the minimum).
  double SetTau(double tau);
  double SetV0(double v0);
  static double ClampParameter(double value);

  // Family n (1 .. 7; anything else is ignored). Coming from family 7 to family 1 resets
  // k, l, m to 0, 1, 0; a parameter the new family does not use keeps its value.
  void SelectFamily(int n);
  // a = +1 ("next") or -1 ("previous"): m, then l, then k, then the family, each wrapping
  // and carrying like an odometer over the parameters the family uses.
  void StepSignal(int a);
  // A = V0 / smax for the current family and parameters (and, for family 7, the symmetry).
  void Normalise();

  // The shown signal and its spectrum, and those of a given family with the current parameters.
  double Signal(double t) const { return FamilySignal(Family, t); }
  double Spectrum(double f) const { return FamilySpectrum(Family, f); }
  double FamilySignal(int family, double t) const;
  double FamilySpectrum(int family, double f) const;
  // The power families' spectra summed term by term as they are defined (a cosine and a
  // sine per point); FamilySpectrum gives the same sums from a table of the signal's values.
  double LiteralSpectrum(int family, double f) const;

  TLibSignalView SignalView() const;
  // The spectrum diagram's unit of frequency, 5 / tau hertz.
  double SpectrumBand() const { return SpectrumBandFactor / Tau; }

  // What a family uses and shows.
  static bool UsesL(int family) { return family >= 1 && family <= 3; }
  static bool UsesM(int family) { return family >= 1 && family <= 6; }
  // tau is the duration tau_u for families 1 to 3, the width tau_0.01 at the level 0.01 otherwise.
  static bool TauIsDecayWidth(int family) { return family >= 4; }

  // The library's showing: each one starts unaccepted; selecting copies the shown signal
  // to the accepted one; any closing brings the accepted signal back.
  void BeginShow() { Accepted = false; }
  void Accept();
  void RestoreAccepted();
  bool IsAccepted() const { return Accepted; }

  // The shown family's signal (of time) and spectrum (of frequency) as curves for diagrams
  // and the main window, bound to this object: each keeps its family and reads the object's
  // parameters when called, so it follows a renormalisation or a restored signal. They must
  // not outlive the object.
  TRealFunction GetSignalFunction() const { return SignalFunction; }
  TRealFunction GetSpectrumFunction() const { return SpectrumFunction; }

 private:
  static constexpr double SpectrumBandFactor = 5;

  double PowerSignal(int family, double t) const;
  double ExponentialSignal(int family, double t) const;
  double GaussSignal(double t) const;
  double NumericSpectrum(int family, double f) const;
  const std::vector<double>& SumPoints(int family) const;
  double ExponentialSpectrum(int family, double f) const;
  double GaussSpectrum(double f) const;
  double ExpAlpha(int family) const;
  bool StepParameter(int& value, int a, int low, int high);

  int K = 0, L = 1, M = 0;
  int Family = 1;
  double Tau = 1, V0 = 1;
  double AmpFactor = 1;
  unsigned char Symmetry = 0;
  TRealFunction SignalFunction = nullptr;
  TRealFunction SpectrumFunction = nullptr;

  TLibParameters AcceptedParameters;
  bool Accepted = false;

  // The signal's values at the sum points of the numeric spectra and what they were
  // tabulated for; every diagram column reads them, so they are formed once per signal.
  struct TSumKey {
    int Family = 0, K = -1, L = -1, M = -1;
    double Tau = 0, AmpFactor = 0;
    bool operator==(const TSumKey&) const = default;
  };
  mutable TSumKey SumKey;
  mutable std::vector<double> SumValues;
};
