#include "engine/KernelAnalysis.h"

TKernelAnalysis AnalyseKernel(bool ideal, TRealFunction kernel, int order, int detail, double step, double* spectrum,
                              double* distortion) {
  TKernelAnalysis result;
  const int count =
      ideal ? IdealLowPassSpectrum(detail, spectrum) : LocalKernelSpectrum(kernel, order, detail, step, spectrum);
  if (count == 0) return result;
  const double e = KernelFrequencyStep(detail);
  result.SpectrumCount = count;
  result.SpectrumEnd = KernelSpectrumPeriods * TwoPiShort;
  result.DistortionCount = ComputeDistortion(spectrum, detail, distortion);
  result.DistortionEnd = (result.DistortionCount - 1) * e;
  return result;
}
