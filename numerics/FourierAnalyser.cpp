#include "numerics/FourierAnalyser.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "numerics/Mathlib.h"
#include "platform/CoreServices.h"

namespace {
constexpr double MinFreqLimit = 0.01;
constexpr unsigned CountedBits = 0xFFFF;  // the padded length looks at the low 16 bits

// |value| clamped to [low, high]; a NaN leaves `stored` as it was.
void StoreClamped(double value, double low, double high, double& stored) {
  if (std::isnan(value)) return;
  stored = std::clamp(std::fabs(value), low, high);
}
}  // namespace

TFourierAnalyser::TFourierAnalyser() { ClearArrays(); }

void TFourierAnalyser::Calculate(const double* samples, unsigned count) {
  TWaitCursor wait;
  ClearArrays();
  if (count > MaxCount) {
    ShowMessage(RESAM_MESSAGE("TFourierAnalyser",
                              "Модуль спектрального анализа: \n Число отсчётов сигнала больше максимального (%1).")
                    .Arg(MaxCount));
    return;
  }
  if (samples) {
    std::memcpy(Input, samples, count * sizeof(double));
    std::memcpy(Re, samples, count * sizeof(double));
  }
  DirtyInput = count;
  FindPadLength(count);
  FindTransformSize();
  DirtyPoints = TransformSize + 1;
  RunTransform();
}

void TFourierAnalyser::ClearArrays() {
  // Only what a computation wrote since the last clearing can be non-zero; the point
  // MaxN is cleared too, so that a refused count leaves every point a caller may read zero.
  std::fill(Input, Input + DirtyInput, 0.0);
  std::fill(Re, Re + DirtyPoints, 0.0);
  std::fill(Im, Im + DirtyPoints, 0.0);
  DirtyInput = 0;
  DirtyPoints = 0;
  PhaseDue = 0;
  PhaseRepeat = false;
}

void TFourierAnalyser::FindPadLength(unsigned count) {
  if (std::popcount(count & CountedBits) == 1) {
    PadLength = count;
    return;
  }
  PadLength = 1;
  while (PadLength < count) PadLength *= 2;
}

void TFourierAnalyser::FindTransformSize() {
  if (FullSize) {
    TransformSize = MaxN;
    return;
  }
  // Doubling stops at the cap, so no Doublings can overflow the size.
  TransformSize = PadLength;
  for (unsigned d = 0; d < Doublings && TransformSize < MaxN; ++d) TransformSize *= 2;
  if (TransformSize > MaxN) TransformSize = MaxN;
}

void TFourierAnalyser::RunTransform() { Transform(); }

void TFourierAnalyser::Transform() {
  if (FFT)
    FastFT();
  else
    DirectDFT();
}

void TFourierAnalyser::Advance(unsigned steps) {
  if (Indication) ProgressStep(steps);
}

void TFourierAnalyser::FastFT() {
  const unsigned n = TransformSize;
  const unsigned stages = std::countr_zero(n);
  ProgressStart(TTransformKind::Fast, n, stages);
  Twiddles.Prepare(n);
  // Re holds the samples, zero-padded, and Im zeros: Input has the same samples, so the
  // reordering can read them from there and write Re whole.
  unsigned done = SpreadPaddedSamples(Input, PadLength, Re, n);
  Advance(done);
  if (done < stages) {
    const unsigned early = RunEarlyStages(Re, Im, n, done + 1, Twiddles);
    Advance(early - done);
    done = early;
  }
  while (done < stages) {
    const unsigned more = RunLateStages(Re, Im, n, done + 1, Twiddles);
    Advance(more);
    done += more;
  }
  CountPoints();
  ToPolar(n);
  Re[n] = Re[0];
  PhaseRepeat = true;
}

void TFourierAnalyser::DirectDFT() {
  CountPoints();
  const unsigned n = TransformSize, m = PointCount;
  ProgressStart(TTransformKind::Direct, m, m);
  // The samples were copied into Re for the fast transform; the sums must start from zero,
  // or every X_k would carry x_k on top and the points above M would show samples.
  std::fill(Re, Re + PadLength, 0.0);
  for (unsigned k = 0; k < m; ++k) {
    unsigned p = 0;
    for (unsigned j = 0; j < PadLength; ++j, p += k) {
      const TTwiddle u = Twiddle(n, p);
      Re[k] += Input[j] * u.Re;
      Im[k] += Input[j] * u.Im;
    }
    Advance(1);
  }
  ToPolar(m);
}

void TFourierAnalyser::CountPoints() {
  const unsigned n = TransformSize;
  if (FreqLimit == Pi) {
    PointCount = n / 2;
    return;
  }
  const double step = TwoPi / n;
  unsigned m = 0;
  for (double f = 0; f <= FreqLimit && m <= n; f += step) ++m;
  // The running sum ends one step past the limit; the limit is never NaN, so m >= 1 here.
  PointCount = m > 0 ? m - 1 : 0;
}

void TFourierAnalyser::ToPolar(unsigned count) {
  std::memcpy(RealParts, Re, count * sizeof(double));
  for (unsigned k = 0; k < count; ++k) {
    const double re = Re[k], im = Im[k];
    const double re2 = re * re, im2 = im * im;
    Re[k] = std::sqrt(re2 + im2);
  }
  PhaseDue = count;
  PhaseRepeat = false;
}

void TFourierAnalyser::FindPhases() const {
  for (unsigned k = 0; k < PhaseDue; ++k) {
    const double re = RealParts[k], im = Im[k];
    Im[k] = (re == 0 && im == 0) ? 0.0 : std::atan2(im, re);
  }
  if (PhaseRepeat) Im[TransformSize] = Im[0];
  PhaseDue = 0;
  PhaseRepeat = false;
}

double* TFourierAnalyser::GetAmpSpectrum(int& count) {
  count = static_cast<int>(PointCount);
  return Re;
}

double* TFourierAnalyser::GetPhaseSpectrum(int& count) {
  FindPhases();
  count = static_cast<int>(PointCount);
  return Im;
}

const double* TFourierAnalyser::GetAmpSpectrum(int& count) const {
  count = static_cast<int>(PointCount);
  return Re;
}

const double* TFourierAnalyser::GetPhaseSpectrum(int& count) const {
  FindPhases();
  count = static_cast<int>(PointCount);
  return Im;
}

long double TFourierAnalyser::GetFreqStep() const {
  // Before the first computation there is no grid; a zero step gives finite widths.
  if (TransformSize == 0) return 0;
  return static_cast<long double>(TwoPi) / TransformSize;
}

double TFourierAnalyser::GetSpectrumWidth() {
  FindWidth();
  return Width;
}

void TFourierAnalyser::SetFreqLimit(double limit) { StoreClamped(limit, MinFreqLimit, Pi, FreqLimit); }
void TFourierAnalyser::SetAmpLevel(double level) { StoreClamped(level, MinAmpLevel, MaxAmpLevel, AmpLevel); }
void TFourierAnalyser::SetEnergyPart(double part) { StoreClamped(part, MinEnergyPart, MaxEnergyPart, EnergyPart); }

void TFourierAnalyser::FindWidth() {
  Width = SpectrumWidth(Criterion, Re, PointCount, GetFreqStep(), AmpLevel, EnergyPart);
}
