#pragma once
// The radix-2 decimation-in-time transform of the spectrum module, arranged for speed
// without changing a single rounding.
//
// The textbook loop computes one twiddle per group of butterflies and runs the stages one
// after another over the whole array. Here the twiddles come from a table filled once, the
// early stages run block by block inside the first-level cache and the late stages run two
// at a time; every butterfly still performs the same operations on the same operands as the
// textbook loop, so the results are bit-for-bit those of the loop:
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

// Swaps re[i] with re[rev(i)]; the imaginary parts are all zero at that point and stay untouched.
void BitReverse(double* re, unsigned n);

// The stages that fit in the first-level cache, run block by block: returns how many stages
// (of the log2 n) were done.
unsigned RunEarlyStages(double* re, double* im, unsigned n, const TTwiddleTable& table);

// Stage `stage` (1-based, LE = 2^stage), and the next one with it when the transform has it:
// returns how many stages were done (1 or 2).
unsigned RunLateStages(double* re, double* im, unsigned n, unsigned stage, const TTwiddleTable& table);
