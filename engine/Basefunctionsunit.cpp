#include "engine/Basefunctionsunit.h"

#include <cmath>

#include "engine/SincSeries.h"
#include "numerics/Mathlib.h"

namespace {
constexpr int MaxPieces = 4;
constexpr int MaxCoefficients = 8;

// One polynomial piece, lowest power first; unused coefficients are 0 and skipped.
struct TKernelPiece {
  int Count;
  double C[MaxCoefficients];
};

// A kernel of order p has p + 1 pieces on [0, 1), [1, 2), ..., [p, p + 1].
struct TKernelTable {
  int Order;
  TKernelPiece Piece[MaxPieces];
};

constexpr TKernelTable Pol0Table{0, {{2, {1, -1}}}};
constexpr TKernelTable Pol2Table{2,
                                 {{6, {1, -0.3333, -1.25, 0.4167, 0.25, -0.0833}},
                                  {6, {0, -0.5, 0.6667, -0.0417, -0.1667, 0.0417}},
                                  {6, {0, 0.05, -0.0417, -0.0417, 0.0417, -0.0083}}}};
constexpr TKernelTable Pol3Table{3,
                                 {{8, {1, -0.25, -1.3611, 0.3403, 0.3889, -0.0972, -0.0278, 0.0069}},
                                  {8, {0, -0.6, 0.75, 0.0667, -0.2708, 0.0375, 0.0208, -0.0042}},
                                  {8, {0, 0.1, -0.075, -0.0986, 0.0833, -0.0028, -0.0083, 0.0014}},
                                  {8, {0, -0.0095, 0.0056, 0.0111, -0.0069, -0.0014, 0.0014, -0.0002}}}};
constexpr TKernelTable Spl11Table{1, {{4, {1, 0, -2.4586, 1.4586}}, {4, {0, -0.5414, 1.0829, -0.5414}}}};
constexpr TKernelTable Spl21Table{
    2, {{4, {1, 0, -2.2343, 1.2343}}, {4, {0, -0.7657, 1.3826, -0.6169}}, {4, {0, 0.1489, -0.2978, 0.1489}}}};
constexpr TKernelTable Spl31Table{3,
                                  {{4, {1, 0, -2.1173, 1.1173}},
                                   {4, {0, -0.8827, 1.4979, -0.6152}},
                                   {4, {0, 0.2675, -0.484, 0.2165}},
                                   {4, {0, -0.0511, 0.1021, -0.0511}}}};
constexpr TKernelTable Spl12Table{
    1, {{6, {1, 0, -1.0182, -4.3122, 7.21, -2.8796}}, {6, {0, -0.531, 0.5091, 1.6588, -2.7208, 1.0839}}}};
constexpr TKernelTable Spl22Table{2,
                                  {{6, {1, 0, -1.1779, -2.8917, 5.0617, -1.9922}},
                                   {6, {0, -0.7448, 0.5957, 2.1489, -3.2373, 1.2375}},
                                   {6, {0, 0.1315, -0.0068, -0.7685, 1.0314, -0.3876}}}};
constexpr TKernelTable Spl32Table{3,
                                  {{6, {1, 0, -1.36, -1.7925, 3.5101, -1.3576}},
                                   {6, {0, -0.8451, 0.7473, 1.7872, -2.6821, 0.9927}},
                                   {6, {0, 0.2461, -0.057, -1.1009, 1.4422, -0.5304}},
                                   {6, {0, -0.0537, -0.0103, 0.3533, -0.4607, 0.1715}}}};

// Powers by repeated multiplication, each rounded to double; the sum left to right in
// extended precision.
long double Polynomial(const TKernelPiece& piece, double u) {
  long double sum = piece.C[0];
  double power = 1;
  for (int n = 1; n < piece.Count; ++n) {
    power = power * u;
    sum = sum + static_cast<long double>(piece.C[n]) * power;
  }
  return sum;
}

double EvaluateTable(const TKernelTable& table, double argument) {
  const double x = std::fabs(argument);
  const double support = table.Order + 1;
  // The strict comparison lets x = p + 1 fall into the last piece; NaN is refused here too.
  if (!(x <= support)) return 0;
  int piece = static_cast<int>(x);
  if (piece > table.Order) piece = table.Order;
  return static_cast<double>(Polynomial(table.Piece[piece], x - piece));
}

constexpr int LocalFirst = -3;
constexpr int LocalLast = 4;
}  // namespace

double SampleAt(const TSampleSet& set, long long k) {
  if (!set.Samples || k < 0 || k >= set.N) return 0;
  return set.Samples[k];
}

double SamplePosition(const TSampleSet& set, double t) {
  const double shifted = t - set.T0;
  return shifted / set.T;
}

double Sinc(double x) {
  const double y = Pi * x;
  if (y != 0) return std::sin(y) / y;
  return 1;
}

double Pol0(double x) { return EvaluateTable(Pol0Table, x); }

double Pol1(double argument) {
  // 1/6 to the full extended precision; 11/6 is formed as (11 x) * (1/6).
  constexpr long double OneSixth = 0.16666666666666666667L;
  const double x = std::fabs(argument);
  if (!(x <= 2)) return 0;
  const double x2 = x * x;
  const double x3 = x2 * x;
  long double sum;
  if (x < 1) {
    sum = 1.0L + static_cast<long double>(-0.5) * x;
    sum = sum - static_cast<long double>(x2);
    sum = sum + static_cast<long double>(0.5) * x3;
  } else {
    sum = 1.0L - (11.0L * x) * OneSixth;
    sum = sum + static_cast<long double>(x2);
    sum = sum - static_cast<long double>(x3) * OneSixth;
  }
  return static_cast<double>(sum);
}

double Pol2(double x) { return EvaluateTable(Pol2Table, x); }
double Pol3(double x) { return EvaluateTable(Pol3Table, x); }
double Spl11(double x) { return EvaluateTable(Spl11Table, x); }
double Spl21(double x) { return EvaluateTable(Spl21Table, x); }
double Spl31(double x) { return EvaluateTable(Spl31Table, x); }
double Spl12(double x) { return EvaluateTable(Spl12Table, x); }
double Spl22(double x) { return EvaluateTable(Spl22Table, x); }
double Spl32(double x) { return EvaluateTable(Spl32Table, x); }

double KotelnikovValue(const TSampleSet& set, double t) {
  if (!set.Samples || set.N <= 0) return 0;
  const double u = SamplePosition(set, t);
  if (!std::isfinite(u)) return 0;
  return SincSeries(set.Samples, set.N, u);
}

double LocalValue(const TSampleSet& set, TRealFunction kernel, double t) {
  if (!kernel || !set.Samples || set.N <= 0) return 0;
  const double u = SamplePosition(set, t);
  // Beyond this every visited sample lies outside the set; the bound also keeps the
  // truncation below in the integer range (and refuses NaN).
  if (!(u > LocalFirst - 1.0 - LocalLast && u < set.N + 1.0 - LocalFirst)) return 0;
  const long long b = static_cast<long long>(u);
  const double a = u - static_cast<double>(b);
  double sum = 0;
  for (int k = LocalFirst; k <= LocalLast; ++k) sum += kernel(a - k) * SampleAt(set, b + k);
  return sum;
}

double LocalTerm(const TSampleSet& set, TRealFunction kernel, int i, double t) {
  if (!kernel || !set.Samples || i < 0 || i >= set.N) return 0;
  const double u = SamplePosition(set, t);
  if (!(u > LocalFirst - 1.0 - LocalLast && u < set.N + 1.0 - LocalFirst)) return 0;
  const long long b = static_cast<long long>(u);
  const long long k = i - b;
  if (k < LocalFirst || k > LocalLast) return 0;
  return kernel((u - static_cast<double>(b)) - static_cast<double>(k)) * set.Samples[i];
}
