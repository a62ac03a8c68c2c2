#pragma once
// A word-for-word transcription of the textbook transform the spectrum module is built on,
// with 1-based element numbers as in its description, kept deliberately slow and plain: the
// module's rearranged transform must agree with it bit for bit.
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace literal {

inline void Twiddle(unsigned n, unsigned k, double& a, double& b) {
  const double theta = static_cast<double>(static_cast<long double>(k) * static_cast<long double>(6.283185307179586) /
                                           static_cast<long double>(n));
  a = std::cos(theta);
  b = -std::sin(theta);
}

// In place on re/im (n = 2^m entries, imaginary parts zero on entry).
inline void FastFT(std::vector<double>& re, std::vector<double>& im, unsigned n) {
  auto R = [&](unsigned i) -> double& { return re[i - 1]; };
  auto I = [&](unsigned i) -> double& { return im[i - 1]; };
  unsigned j = 1;
  for (unsigned i = 1; i + 1 <= n; ++i) {
    if (i < j) std::swap(R(i), R(j));
    unsigned k = n / 2;
    while (k < j) {
      j = j - k;
      k = k / 2;
    }
    j = j + k;
  }
  unsigned stages = 0;
  while ((1u << stages) < n) ++stages;
  for (unsigned s = 1; s <= stages; ++s) {
    const unsigned le = 1u << s, le1 = le / 2;
    double ua, ub;
    Twiddle(le, 0, ua, ub);
    for (unsigned jj = 1; jj <= le1; ++jj) {
      for (unsigned i = jj; i <= n; i += le) {
        const unsigned ip = i + le1;
        const double c = R(ip), d = I(ip);
        const double k1 = (c + d) * ua;
        const double k2 = (ua + ub) * d;
        const double k3 = (ub - ua) * c;
        const double tr = k1 - k2, ti = k1 + k3;
        R(ip) = R(i) + (-tr);
        I(ip) = I(i) + (-ti);
        R(i) = R(i) + tr;
        I(i) = I(i) + ti;
      }
      Twiddle(le, jj, ua, ub);
    }
  }
}

// Amplitude into re, phase into im, for the points 0 .. count−1.
inline void ToPolar(std::vector<double>& re, std::vector<double>& im, unsigned count) {
  for (unsigned k = 0; k < count; ++k) {
    const double x = re[k], y = im[k];
    const double x2 = x * x, y2 = y * y;
    im[k] = (x == 0 && y == 0) ? 0.0 : std::atan2(y, x);
    re[k] = std::sqrt(x2 + y2);
  }
}

}  // namespace literal
