#include "numerics/Mathlib.h"

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr int BinomialTableSize = 11;

// C(n, k) for n = 0 .. 10.
constexpr uint16_t BinomialTable[BinomialTableSize][BinomialTableSize] = {
    {1},
    {1, 1},
    {1, 2, 1},
    {1, 3, 3, 1},
    {1, 4, 6, 4, 1},
    {1, 5, 10, 10, 5, 1},
    {1, 6, 15, 20, 15, 6, 1},
    {1, 7, 21, 35, 35, 21, 7, 1},
    {1, 8, 28, 56, 70, 56, 28, 8, 1},
    {1, 9, 36, 84, 126, 126, 84, 36, 9, 1},
    {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1},
};

constexpr int FactorialTableSize = 21;

constexpr double FactorialTable[FactorialTableSize] = {
    1.0,
    1.0,
    2.0,
    6.0,
    24.0,
    120.0,
    720.0,
    5040.0,
    40320.0,
    362880.0,
    3628800.0,
    39916800.0,
    479001600.0,
    6227020800.0,
    87178291200.0,
    1307674368000.0,
    20922789888000.0,
    355687428096000.0,
    6402373705728000.0,
    121645100408832000.0,
    2432902008176640000.0,
};

// Stirling's series with the constant 6.28 in place of 2*pi, as the library's formulas use it.
long double Stirling(int n) {
  const double x = n;
  return std::sqrt(6.28 * x) * std::pow(x / std::exp(1.0), x) * (1.0 + 1.0 / (12.0 * x) + 1.0 / (288.0 * x * x));
}
}  // namespace

void Swap(double& a, double& b) {
  const double t = a;
  a = b;
  b = t;
}

bool Order(double& a, double& b) {
  if (a < b) return true;
  if (a > b) {
    Swap(a, b);
    return true;
  }
  return false;
}

namespace {
// x moved up (or down) to v when it lies below (above) it; a NaN v moves x up, never down.
template <class T>
bool Raise(T v, T& x) {
  if (x >= v) return false;
  x = v;
  return true;
}

template <class T>
bool Lower(T v, T& x) {
  if (!(x > v)) return false;
  x = v;
  return true;
}
}  // namespace

bool RaiseTo(double v, double& x) { return Raise(v, x); }

bool LowerTo(double v, double& x) { return Lower(v, x); }

bool RaiseToInt(int v, int& x) { return Raise(v, x); }

bool LowerToInt(int v, int& x) { return Lower(v, x); }

void ArrayMinMax(const double* a, int n, double& ymin, double& ymax) {
  ymin = ymax = a[0];
  const int count = std::abs(n);
  for (int i = 0; i < count; ++i) {
    if (a[i] < ymin) ymin = a[i];
    if (a[i] > ymax) ymax = a[i];
  }
}

void FunctionMinMax(TRealFunction f, double xmin, double xmax, int n, double& ymin, double& ymax) {
  if (!Order(xmin, xmax)) {
    ymin = ymax = f(xmin);
    return;
  }
  n = std::abs(n);
  if (n == 0) n = 100;
  // One point gives no step; the scan then reads f(xmin) once.
  const double h = n > 1 ? (xmax - xmin) / (n - 1) : 0.0;
  ymin = ymax = f(xmin);
  double x = xmin;
  for (int i = 0; i < n; ++i) {
    const double y = f(x);
    if (y < ymin) ymin = y;
    if (y > ymax) ymax = y;
    x = x + h;
  }
}

double TriangleWeight(double t, double h) {
  const double at = std::fabs(t);
  const double ah = std::fabs(h);
  if (h == 0 || at >= ah) return 0.0;
  return 1.0 - at / ah;
}

int Binomial(int n, int k) {
  if (n < 0 || k < 0 || n < k) return 0;
  if (k == 0 || k == n) return 1;
  if (n < BinomialTableSize) return BinomialTable[n][k];
  const long double value = Factorial(n) / Factorial(k) / Factorial(n - k);
  // Beyond the int range (or past Stirling's overflow) the truncation has no value to give.
  if (!(value < static_cast<long double>(INT_MAX))) return INT_MAX;
  return static_cast<int>(value);
}

long double Factorial(int n) {
  // |INT_MIN| does not exist as an int; it is far in Stirling's range anyway.
  const long long m = std::llabs(static_cast<long long>(n));
  if (m < FactorialTableSize) return FactorialTable[m];
  return Stirling(static_cast<int>(m > 2147483647LL ? 2147483647LL : m));
}

int MinusOnePower(int n) { return (n & 1) ? -1 : 1; }
