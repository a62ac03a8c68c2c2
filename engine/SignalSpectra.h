#pragma once
// The three amplitude spectra the second tab plots, kept free of the window so that they
// can be checked on their own: how far the analog spectrum reaches, the discrete signal's
// spectrum, and the interpolating function's spectrum built from it. Amplitudes are
// spectral densities in V/Hz; frequencies in rad/s unless the unit says Hz.
#include "engine/SpectrumRange.h"
#include "numerics/FourierAnalyser.h"

class TKeeper;

constexpr int AnalogSpectrumCount = 4096;
constexpr int ReconSpectrumCount = 4000;
// The interpolating function's spectrum reaches five sampling frequencies.
constexpr double ReconSpectrumPeriods = 5;

// Where the analog spectrum's abscissa ends, in the unit asked for. The transform's
// frequency step is per sample of the tabulation, hence the division by its time step;
// 0 when that step is 0 or not a number, so that nothing downstream divides by it.
double AnalogSpectrumBand(long double freqStep, double analogStep, TFrequencyUnit unit);

// The discrete signal's spectrum over one whole period, closing point included, so that
// the diagram can repeat it periodically. Returns the module's own array (valid until its
// next computation) and the number of points to plot in count; null and 0 for a sample
// count the module cannot take.
double* DiscreteSpectrum(TFourierAnalyser& module, const double* samples, int n, int& count);

// How the interpolating function's spectrum follows from the discrete one.
enum class TReconKind {
  Kotelnikov,  // the ideal low-pass: the discrete spectrum below half the sampling frequency
  Lagrange,    // not computed: zero
  Local,       // the discrete spectrum weighted by |G(w T)|
};

// Fills spectrum with ReconSpectrumCount values evenly spread over five sampling
// frequencies and returns where they end, in rad/s. discrete is the plotted discrete
// spectrum (whatever its unit); kernelSpectrum the generating function's spectrum over the
// normalised frequency w T, read only for local methods.
double ReconstructionSpectrum(TReconKind kind, const TKeeper& discrete, const TKeeper& kernelSpectrum, double Wd,
                              double T, TFrequencyUnit unit, double* spectrum);
