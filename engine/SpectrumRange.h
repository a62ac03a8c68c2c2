#pragma once
// The frequency axis of the spectrum diagram: its unit, the four views and the ranges each
// view shows. Circular frequencies are in rad/s, cyclic ones in Hz.

// 1/(2 pi) in extended precision, rounded to double where it is used.
constexpr long double ExtendedInverseTwoPi = 0.15915494309189534198L;

enum class TFrequencyUnit { Circular, Cyclic };
enum class TSpectrumView { SignalBand, OnePeriod, TwoPeriods, FourPeriods };

// The sampling quantities the ranges follow. For a table signal the highest frequencies
// are half the sampling frequencies.
struct TSpectrumScales {
  double Wd = 0;  // circular sampling frequency, rad/s
  double Fd = 0;  // sampling frequency, Hz
  double Wm = 0;  // highest circular frequency of the signal, rad/s
  double Fm = 0;  // highest cyclic frequency, Hz
};

// Limits and visible ranges of the spectrum diagram.
struct TSpectrumRange {
  double LimitMin = 0, LimitMax = 0;
  double Xmin = 0, Xmax = 0;
  double Ymin = 0, Ymax = 0;
};

// Half-width of the visible frequency range: 1.1 periods of the discrete spectrum each side
// for two periods, half of that for one, twice that for four; the highest frequency of the
// signal for its band alone.
double SpectrumHalfWidth(TSpectrumView view, TFrequencyUnit unit, const TSpectrumScales& scales);

// The whole range rule. discreteMax is the greatest value of the discrete spectrum's series
// before its scale T; analogMax the greatest value of the analog spectrum, or a negative
// number when there is no analog signal. Limits are five periods each side, the visible Y
// range [0, 1.1 Ymax]. A spectrum with no positive maximum (all zero, or not a number) still
// gets a usable range: [0, 1].
TSpectrumRange SpectrumRangeFor(TSpectrumView view, TFrequencyUnit unit, const TSpectrumScales& scales, double T,
                                double discreteMax, double analogMax);

// A circular frequency in the chosen unit (Hz: divided by 2 pi).
double InUnit(double circular, TFrequencyUnit unit);
