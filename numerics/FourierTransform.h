#pragma once
// The radix-2 decimation-in-time transform of the spectrum module, arranged for speed
// without changing a single rounding.
//
// The textbook loop reorders the samples by bit reversal, computes one twiddle per group of
// butterflies and runs the stages one after another over the whole array. Here the twiddles
// come from a table filled once, the reordering and the stages that only meet zero padding
// are one pass (SpreadPaddedSamples), the next stages run block by block inside the
// first-level cache and the last ones two at a time. Every butterfly still performs the same
// operations on the same operands as the textbook loop, so the results are bit-for-bit
// those of the loop:
//   T = X_IP * U by three products, k1 = (c + d) a, k2 = (a + b) d, k3 = (b - a) c,
//   T = (k1 - k2) + i (k1 + k3), X_IP = X_I - T, X_I = X_I + T,
// with U = Twiddle(LE, j) for butterfly j of a group of stage LE.
// Data: split real and imaginary arrays of n = 2^m doubles, transformed in place; no scaling.

// (cos θ, −sin θ) with θ = k·2π/n formed in extended precision and rounded to double.
struct TTwiddle {
  double Re;
  double Im;
};
TTwiddle Twiddle(unsigned n, unsigned k);

// The twiddles of every stage up to MaxSize points, kept as the three factors of the
// three-multiplication product. Twiddle(LE, j) depends on the stage alone, not on the
// transform size, so one table serves every size.
class TTwiddleTable {
 public:
  static constexpr unsigned MaxSize = 65536;

  // Makes the stages of a transform of n points (a power of two, at most MaxSize) available.
  void Prepare(unsigned n);

  // Entry h + j (h = LE/2, j < h) belongs to Twiddle(LE, j): A = a, ApB = a + b, BmA = b − a.
  alignas(64) double A[MaxSize];
  alignas(64) double ApB[MaxSize];
  alignas(64) double BmA[MaxSize];

 private:
  unsigned Ready = 1;  // the stages of transforms up to this size are filled
};

// The bit-reversal reordering and the first stages at once, for samples x[0 .. padLength−1]
// zero-padded to n points (padLength and n powers of two, padLength <= n), written into
// re[0 .. n−1]; im[0 .. n−1] must hold +0. After the reordering each sample heads a run of
// n/padLength points whose other points are zero, and the first log2(n/padLength) stages
// only add signed zeros to it: every point of the run becomes x + 0 (which turns −0 into +0)
// except the last, which keeps x, and the imaginary parts stay +0. Returns those stages.
unsigned SpreadPaddedSamples(const double* x, unsigned padLength, double* re, unsigned n);

// Stages firstStage .. log2 of the first-level-cache block (1-based, LE = 2^stage), run block
// by block: returns the last stage done (firstStage − 1 when none fits in a block).
unsigned RunEarlyStages(double* re, double* im, unsigned n, unsigned firstStage, const TTwiddleTable& table);

// Stage `stage`, and the next one with it when the transform has it: returns how many
// stages were done (1 or 2).
unsigned RunLateStages(double* re, double* im, unsigned n, unsigned stage, const TTwiddleTable& table);
