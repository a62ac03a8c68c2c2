#pragma once
// The three amplitude spectra of the spectrum diagram, as plain computations: the analog
// signal's band, the discrete signal's spectrum from the spectrum module, and the
// interpolating function's spectrum formed from the discrete spectrum and the generating
// function's spectrum. Amplitudes are spectral densities in V/Hz; frequencies in rad/s
// unless the unit says Hz.
#include "engine/SpectrumRange.h"
#include "numerics/FourierAnalyser.h"

class TKeeper;

constexpr int AnalogSpectrumCount = 4096;
constexpr int ReconSpectrumCount = 4000;
// The interpolating function's spectrum reaches five sampling frequencies.
constexpr double ReconSpectrumPeriods = 5;

// Upper end of the analog spectrum's abscissa: freqStep (radians per sample of the
// tabulation) times the 4095 intervals of AnalogSpectrum, over the tabulation's step, in the
// unit asked for. 0 when the step is 0 or not a number.
double AnalogSpectrumBand(long double freqStep, double analogStep, TFrequencyUnit unit);

// The discrete signal's spectrum: the module with doublings 5, fast transform and frequency
// limit pi on samples[0 .. n-1]. Returns the module's amplitudes and in count the plotted
// count 2 M + 1, one whole period 0 .. 2 pi with its closing point (0 and null when n is
// not 1 .. MaxCount). The array belongs to the module and lives until its next computation.
double* DiscreteSpectrum(TFourierAnalyser& module, const double* samples, int n, int& count);

// How the interpolating function's spectrum follows from the discrete one.
enum class TReconKind {
  Kotelnikov,  // the ideal low-pass: the discrete spectrum below half the sampling frequency
  Lagrange,    // not computed: zero
  Local,       // the discrete spectrum weighted by |G(w T)|
};

// ReconSpectrumCount values at w_i = i e, e = 5 Wd / 3999 (w a running sum, rad/s).
// discrete is the discrete spectrum's series (periodic, scaled by T) read at w, or at
// w / TwoPiShort when its abscissa is in Hz; kernelSpectrum the generating function's
// spectrum read at the normalised frequency w T (used for Local only). Returns the band's
// upper end 5 Wd in rad/s.
double ReconstructionSpectrum(TReconKind kind, const TKeeper& discrete, const TKeeper& kernelSpectrum, double Wd,
                              double T, TFrequencyUnit unit, double* spectrum);
