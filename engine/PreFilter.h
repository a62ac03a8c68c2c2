#pragma once
// The low-pass filter a converter puts before its sampler (the anti-aliasing filter): its
// settings, its frequency response and the filtering of a tabulated signal. Frequencies in
// Hz, times in seconds, values in volts.
#include <complex>
#include <span>
#include <vector>

#include "engine/AliasTwin.h"

enum class TFilterKind {
  None,
  Ideal,        // zero-phase: passes every frequency up to the cut-off unchanged, stops the rest
  Butterworth,  // the causal analog one of Order poles, -3,01 dB at the cut-off
  RC,           // one resistor and one capacitor: the causal first-order one
};

constexpr int MinFilterOrder = 1, MaxFilterOrder = 8;

// The settings of the filter study; off by default.
struct TPreFilter {
  TFilterKind Kind = TFilterKind::None;
  int Order = 4;                 // Butterworth only
  bool FollowsFd = true;         // the cut-off is half the sampling frequency
  double CutoffHz = 1;           // otherwise this one
  bool ErrorToFiltered = false;  // the error and the comparison measure against the filtered signal

  bool Active() const { return Kind != TFilterKind::None; }
  bool operator==(const TPreFilter&) const = default;
};

// The response at f Hz (any sign: H(-f) is the conjugate of H(f)) of a filter cut off at fc Hz.
std::complex<double> FilterResponse(TFilterKind kind, int order, double fc, double f);

// A fragment's harmonics after the filter: each one's amplitude times |H|, its phase plus arg H.
std::vector<THarmonic> FilteredHarmonics(std::span<const THarmonic> harmonics, TFilterKind kind, int order, double fc);

// A tabulated pulse after the filter: values[i] at t0 + i step, zero before and after, filtered
// into out (as many values, the same times). fc must lie below 1 / (2 step).
void FilterTabulation(TFilterKind kind, int order, double fc, double step, std::span<const double> values,
                      std::span<double> out);
