#pragma once
// Sums of equally spaced samples against a cosine and a sine: C = sum v[i] cos(i theta),
// S = sum v[i] sin(i theta), i = 0 .. count - 1. The phase of each term follows from the one
// four places before by a fixed rotation, so a sum costs one sine and one cosine however
// long it is; four independent rotations keep the processor's pipelines full. The
// rounding of the repeated rotation grows with the count: about count * 1e-16 relative to
// the sum of |v[i]|, far below what a plot can show for the few hundred terms used here.

struct TCosSinSums {
  double C = 0, S = 0;
};

TCosSinSums RotationSums(const double* values, int count, double theta);
