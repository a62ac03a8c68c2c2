#include "engine/MethodComparison.h"

#include <cmath>

namespace {
constexpr double Percent = 100;
constexpr double DecibelsPerDecade = 20;

double FiniteOrNone(double value) { return std::isfinite(value) ? value : TErrorFigures::None; }
}  // namespace

double ComparisonPoint(double t1, double t2, int k) {
  if (k >= ComparisonCount - 1) return t2;
  return t1 + k * ((t2 - t1) / (ComparisonCount - 1));
}

void TErrorMeasure::Add(double signal, double rebuilt) {
  const double error = signal - rebuilt;
  Finite = Finite && std::isfinite(error) && std::isfinite(signal);
  Largest = std::fmax(Largest, std::fabs(error));
  ErrorSquares += static_cast<long double>(error) * error;
  SignalSquares += static_cast<long double>(signal) * signal;
  ++Count;
}

TErrorFigures TErrorMeasure::Figures() const {
  TErrorFigures f;
  f.Gap = TFiguresGap::None;
  if (!Finite || Count == 0) return f;
  const long double rmsError = std::sqrt(ErrorSquares / Count);
  const long double rmsSignal = std::sqrt(SignalSquares / Count);
  f.MaxError = FiniteOrNone(Largest);
  f.RmsError = FiniteOrNone(static_cast<double>(rmsError));
  // A zero signal has no scale to measure the error against.
  if (rmsSignal > 0) {
    const long double ratio = rmsError / rmsSignal;
    f.RelativeRms = FiniteOrNone(static_cast<double>(ratio * Percent));
    if (ratio > 0) f.Snr = FiniteOrNone(static_cast<double>(-DecibelsPerDecade * std::log10(ratio)));
  }
  return f;
}
