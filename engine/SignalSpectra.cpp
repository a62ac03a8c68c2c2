#include "engine/SignalSpectra.h"

#include <cmath>

#include "engine/KernelResponse.h"
#include "numerics/Keeper.h"
#include "numerics/Mathlib.h"

namespace {
constexpr unsigned DiscreteDoublings = 5;
}  // namespace

double AnalogSpectrumBand(long double freqStep, double analogStep, TFrequencyUnit unit) {
  if (!(analogStep != 0) || !std::isfinite(analogStep)) return 0;
  const double band = static_cast<double>(freqStep * (AnalogSpectrumCount - 1) / analogStep);
  return unit == TFrequencyUnit::Circular ? band : static_cast<double>(band * ExtendedInverseTwoPi);
}

double* DiscreteSpectrum(TFourierAnalyser& module, const double* samples, int n, int& count) {
  count = 0;
  if (!samples || n < 1 || n > static_cast<int>(TFourierAnalyser::MaxCount)) return nullptr;
  module.SetFullSize(false);
  module.SetDoublings(DiscreteDoublings);
  module.SetFFT(true);
  module.SetFreqLimit(Pi);
  module.Calculate(samples, static_cast<unsigned>(n));
  int points = 0;
  double* amplitudes = module.GetAmpSpectrum(points);
  count = 2 * points + 1;
  return amplitudes;
}

double ReconstructionSpectrum(TReconKind kind, const TKeeper& discrete, const TKeeper& kernelSpectrum, double Wd,
                              double T, TFrequencyUnit unit, double* spectrum) {
  const double band = ReconSpectrumPeriods * Wd;
  const double e = band / (ReconSpectrumCount - 1);
  const double cutoff = 0.5 * Wd;
  double w = 0;
  for (int i = 0; i < ReconSpectrumCount; ++i, w = w + e) {
    if (kind == TReconKind::Lagrange) {
      spectrum[i] = 0;
      continue;
    }
    const double sd = discrete.GetValue(unit == TFrequencyUnit::Circular ? w : w / TwoPiShort);
    if (kind == TReconKind::Kotelnikov)
      spectrum[i] = w < cutoff ? sd : 0;
    else
      spectrum[i] = std::fabs(kernelSpectrum.GetValue(w * T)) * sd;
  }
  return band;
}
