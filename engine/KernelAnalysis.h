#pragma once
// The generating-function analysis of one method as the third tab shows it: the kernel's
// spectrum on eleven periods of normalised frequency (radians per sampling period) and the
// distortion coefficient on the first half period, with the abscissa ranges they are
// plotted over.
#include "engine/KernelResponse.h"
#include "numerics/Mathlib.h"

// The kernel's argument spans ten periods each side of 0; shown are ten periods in all for
// Kotelnikov, whose kernel reaches far, and five for the local ones.
constexpr double KernelPlotHalfWidth = 100;
constexpr double KotelnikovKernelView = 10;
constexpr double LocalKernelView = 5;

struct TKernelAnalysis {
  int SpectrumCount = 0;     // values written to the spectrum, 11 (b - 1) + 1; 0 when refused
  double SpectrumEnd = 0;    // frequency of the last spectrum value, 11 TwoPiShort
  int DistortionCount = 0;   // values written to the distortion, b / 2
  double DistortionEnd = 0;  // frequency of the last distortion value, (b / 2 - 1) e
};

// ideal: the Kotelnikov method, whose kernel's spectrum is the ideal low-pass; otherwise the
// trapezoid transform of kernel over [0, order + 1] with the given step. detail is b (100,
// 250 or 500). spectrum holds MaxKernelSpectrumCount values, distortion MaxDistortionCount.
TKernelAnalysis AnalyseKernel(bool ideal, TRealFunction kernel, int order, int detail, double step, double* spectrum,
                              double* distortion);
