#pragma once
// Sums of the form T_i = sum_{j < m} x_j e^{i theta i j} for every i < k at once, by the
// chirp-z transform (Bluestein): i j = (i^2 + j^2 - (i - j)^2) / 2 turns them into one
// convolution with the chirp e^{-i theta n^2 / 2}, done by power-of-two transforms of at least
// m + k - 1 points. O((m + k) log(m + k)) instead of m k; rounding error about 1e-16 times
// log2 of the size times sum |x_j|.
#include <complex>

// The largest transform ChirpSums uses; m + k - 1 beyond it is refused.
constexpr int MaxChirpSize = 1 << 17;

// Writes T_0 .. T_{k-1} into out; false (nothing written) when m or k is not positive or
// m + k - 1 exceeds MaxChirpSize.
bool ChirpSums(const double* x, int m, int k, double theta, std::complex<double>* out);
