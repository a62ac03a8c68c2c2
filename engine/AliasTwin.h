#pragma once
// The alias twin of a polyharmonic signal: sampled at fd, every harmonic above fd/2 gives the
// same samples as one at |f - k fd| in [0, fd/2]; the sum of the harmonics so folded is the
// lowest-frequency signal through the same samples. Times in seconds, frequencies in Hz.
#include <span>
#include <vector>

// A cos(2 pi f t + phase).
struct THarmonic {
  double Amplitude = 0;  // V
  double Frequency = 0;  // Hz, not negative
  double Phase = 0;      // rad
};

// A harmonic above fd/2 and the frequency it folds to, Hz.
struct TFolding {
  double From = 0, To = 0;
};

double HarmonicValue(const THarmonic& h, double t);

// The harmonic at the lowest frequency that takes the same values as h at every time
// t0 + m / fd (m whole): h itself up to fd/2. The phase carries the grid's origin, so that
// a grid not anchored at zero is matched too.
THarmonic FoldHarmonic(const THarmonic& h, double fd, double t0);

class TAliasTwin {
 public:
  // Folds the harmonics for the grid t0 + m / fd; fd must be positive.
  void Fold(std::span<const THarmonic> harmonics, double fd, double t0);
  // The sum of the folded harmonics at t.
  double Value(double t) const;
  // The harmonics of non-zero amplitude that folded, in the order given; empty when none did.
  std::span<const TFolding> Foldings() const { return Moves; }

 private:
  std::vector<THarmonic> Folded;
  std::vector<TFolding> Moves;
};
