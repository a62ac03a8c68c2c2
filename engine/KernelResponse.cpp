#include "engine/KernelResponse.h"

#include <cmath>
#include <complex>
#include <vector>

#include "engine/ChirpSums.h"
#include "engine/VectorLanes.h"
#include "numerics/Mathlib.h"

namespace {
constexpr int MaxKernelOrder = 3;
// The finest menu step gives 40001 points; this leaves room and bounds the grid's size.
constexpr double MaxIntegrationPoints = 1e6;
// Points per block between exact cosine anchors: BlockFine x BlockCoarse. The block's table
// of cos/sin(v k h) comes by angle addition from a fine table (k < BlockFine) and a coarse
// one (the multiples of BlockFine).
constexpr int BlockFine = 32;
constexpr int BlockCoarse = 32;
constexpr int BlockLength = BlockFine * BlockCoarse;
// The abscissae's drift from j h is left out when it moves no spectrum value by more than
// this: a tenth of the 1e-9 the analysis is held to.
constexpr double DriftNegligible = 1e-10;

bool DetailAccepted(int detail) { return detail >= 2 && detail <= KernelDetailHigh; }

// The abscissae exactly as the trapezoid loop forms them (a running sum), and the kernel on them.
struct TIntegrationGrid {
  std::vector<double> X;
  std::vector<double> F;
};

TIntegrationGrid Tabulate(TRealFunction f, double a, double b, double h) {
  TIntegrationGrid grid;
  grid.X.push_back(a);
  for (double x = a + h; x <= b; x = x + h) grid.X.push_back(x);
  grid.F.reserve(grid.X.size());
  for (double x : grid.X) grid.F.push_back(f(x));
  return grid;
}

// cos and sin of v * k * h for k = 0 .. BlockLength-1, by angle addition of two short tables.
struct TRotationTable {
  double C[BlockLength];
  double S[BlockLength];
};

void FillRotations(double v, double h, TRotationTable& table) {
  double fineC[BlockFine], fineS[BlockFine];
  for (int r = 0; r < BlockFine; ++r) {
    fineC[r] = std::cos(v * (r * h));
    fineS[r] = std::sin(v * (r * h));
  }
  for (int q = 0; q < BlockCoarse; ++q) {
    const double angle = v * ((q * BlockFine) * h);
    const double cq = std::cos(angle), sq = std::sin(angle);
    for (int r = 0; r < BlockFine; ++r) {
      table.C[q * BlockFine + r] = cq * fineC[r] - sq * fineS[r];
      table.S[q * BlockFine + r] = sq * fineC[r] + cq * fineS[r];
    }
  }
}

// sum_k f[k] C[k] and sum_k f[k] S[k]: two vectors of four lanes for each sum, so that
// successive additions do not wait for one another.
RESAM_WIDE_LANES void BlockSums(const double* f, const TRotationTable& table, int length, double& sumC, double& sumS) {
  constexpr int Step = 2 * LaneCount;
  TLanes c0 = {0, 0, 0, 0}, c1 = c0, s0 = c0, s1 = c0;
  int k = 0;
  for (; k + Step <= length; k += Step) {
    TLanes f0, f1, cos0, cos1, sin0, sin1;
    RESAM_LOAD_LANES(f0, f + k);
    RESAM_LOAD_LANES(f1, f + k + LaneCount);
    RESAM_LOAD_LANES(cos0, table.C + k);
    RESAM_LOAD_LANES(cos1, table.C + k + LaneCount);
    RESAM_LOAD_LANES(sin0, table.S + k);
    RESAM_LOAD_LANES(sin1, table.S + k + LaneCount);
    c0 += f0 * cos0;
    c1 += f1 * cos1;
    s0 += f0 * sin0;
    s1 += f1 * sin1;
  }
  const TLanes c = c0 + c1, s = s0 + s1;
  sumC = (c[0] + c[1]) + (c[2] + c[3]);
  sumS = (s[0] + s[1]) + (s[2] + s[3]);
  for (; k < length; ++k) {
    sumC += f[k] * table.C[k];
    sumS += f[k] * table.S[k];
  }
}

// sum_j f_j cos(v x_j) over the whole grid. Inside a block x_j is taken as x_A + k h; the
// running sum departs from that by far less than 1e-12 over one block.
double CosineSum(const TIntegrationGrid& grid, double v, double h, TRotationTable& table) {
  FillRotations(v, h, table);
  const int count = static_cast<int>(grid.X.size());
  double total = 0;
  for (int start = 0; start < count; start += BlockLength) {
    const int length = count - start < BlockLength ? count - start : BlockLength;
    double sumC, sumS;
    BlockSums(grid.F.data() + start, table, length, sumC, sumS);
    const double anchor = v * grid.X[start];
    total += std::cos(anchor) * sumC - std::sin(anchor) * sumS;
  }
  return total;
}

// sum_j f_j cos(v_i x_j) for v_i = i e, every i < count at once by the chirp-z transform,
// written into sums; false when the grid is too long for it. The grid's running-sum
// abscissae x_j depart from j h by a few units in the last place: their first-order effect,
// -v_i sum_j f_j (x_j - j h) sin(v_i j h), is a second chirp-z sum, done only when it could
// move a spectrum value (2 h times the sum) by more than DriftNegligible.
bool ChirpCosineSums(const TIntegrationGrid& grid, double e, double h, int count, double* sums) {
  const int m = static_cast<int>(grid.F.size());
  if (m + count - 1 > MaxChirpSize) return false;
  std::vector<std::complex<double>> t(static_cast<size_t>(count));
  if (!ChirpSums(grid.F.data(), m, count, e * h, t.data())) return false;
  std::vector<double> drift(static_cast<size_t>(m));
  double bound = 0;
  for (int j = 0; j < m; ++j) {
    drift[size_t(j)] = grid.F[size_t(j)] * (grid.X[size_t(j)] - j * h);
    bound += std::fabs(drift[size_t(j)]);
  }
  const double vmax = (count - 1) * e;
  for (int i = 0; i < count; ++i) sums[i] = t[size_t(i)].real();
  if (!(2 * h * vmax * bound > DriftNegligible)) return true;
  if (!ChirpSums(drift.data(), m, count, e * h, t.data())) return false;
  for (int i = 0; i < count; ++i) sums[i] -= i * e * t[size_t(i)].imag();
  return true;
}

double TrapezoidFromSum(const TIntegrationGrid& grid, double v, double h, double cosineSum) {
  const double g0 = grid.F.front() * std::cos(v * grid.X.front());
  // With a single point the literal loop never runs and its `last` stays 0.
  if (grid.X.size() == 1) return h * (g0 - g0 * 0.5);
  const double last = grid.F.back() * std::cos(v * grid.X.back());
  return h * (cosineSum - (g0 + last) * 0.5);
}
}  // namespace

double TrapezoidCosine(TRealFunction f, double a, double b, double w, double h) {
  // A step that is not positive, or one too small to move the abscissa, would never reach b;
  // an interval of more points than any analysis uses (or an infinite one) is refused too.
  if (!f || !(h > 0) || !((b - a) / h <= MaxIntegrationPoints)) return 0;
  const double g0 = f(a) * std::cos(w * a);
  double sum = g0;
  double last = 0;
  for (double x = a + h; x <= b; x = x + h) {
    last = f(x) * std::cos(w * x);
    sum = sum + last;
    if (x + h == x) break;
  }
  return h * (sum - (g0 + last) * 0.5);
}

int KernelSpectrumCount(int detail) {
  if (!DetailAccepted(detail)) return 0;
  return KernelSpectrumPeriods * (detail - 1) + 1;
}

double KernelFrequencyStep(int detail) {
  if (!DetailAccepted(detail)) return 0;
  return TwoPiShort / (detail - 1);
}

int IdealLowPassSpectrum(int detail, double* spectrum) {
  const int count = KernelSpectrumCount(detail);
  if (!spectrum) return 0;
  const double e = KernelFrequencyStep(detail);
  for (int i = 0; i < count; ++i) spectrum[i] = i * e < Pi ? 1.0 : 0.0;
  return count;
}

int LocalKernelSpectrum(TRealFunction kernel, int order, int detail, double step, double* spectrum) {
  const int count = KernelSpectrumCount(detail);
  if (!kernel || !spectrum || count == 0 || order < 0 || order > MaxKernelOrder) return 0;
  const double support = order + 1;
  if (!(step > 0) || !(support / step <= MaxIntegrationPoints)) return 0;
  const TIntegrationGrid grid = Tabulate(kernel, 0, support, step);
  const double e = KernelFrequencyStep(detail);
  if (ChirpCosineSums(grid, e, step, count, spectrum)) {
    for (int i = 0; i < count; ++i) spectrum[i] = 2 * TrapezoidFromSum(grid, i * e, step, spectrum[i]);
    return count;
  }
  TRotationTable table;
  for (int i = 0; i < count; ++i) {
    const double v = i * e;
    spectrum[i] = 2 * TrapezoidFromSum(grid, v, step, CosineSum(grid, v, step, table));
  }
  return count;
}

int ComputeDistortion(const double* spectrum, int detail, double* distortion) {
  if (!spectrum || !distortion || !DetailAccepted(detail)) return 0;
  const int count = detail / 2;
  const int period = detail - 1;
  for (int i = 0; i < count; ++i) {
    const double passband = 1 - spectrum[i];
    double leakage = 0;
    for (int k = 1; k <= DistortionImages; ++k) {
      const double image = spectrum[i + k * period];
      leakage += image * image;
    }
    distortion[i] = std::sqrt(passband * passband + leakage);
  }
  return count;
}
