#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "FourierLiteral.h"
#include "numerics/FourierAnalyser.h"
#include "numerics/FourierTransform.h"

namespace {
// Values over many binades, so that any change in the order of the roundings shows.
std::vector<double> RandomSamples(unsigned count, unsigned seed) {
  std::mt19937_64 generator(seed);
  std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-20, 20);
  std::vector<double> x(count);
  for (double& v : x) v = std::ldexp(mantissa(generator), exponent(generator));
  return x;
}

// Bit-for-bit equality, telling +0 from −0.
::testing::AssertionResult SameBits(const double* a, const double* b, unsigned count) {
  for (unsigned k = 0; k < count; ++k)
    if (std::bit_cast<std::uint64_t>(a[k]) != std::bit_cast<std::uint64_t>(b[k]))
      return ::testing::AssertionFailure() << "first difference at " << k << ": " << a[k] << " vs " << b[k];
  return ::testing::AssertionSuccess();
}

// Some exact zeros of both signs among the samples: the signed zeros the first stages add
// must come out exactly as in the textbook loop.
std::vector<double> WithZeros(std::vector<double> x) {
  for (std::size_t j = 0; j < x.size(); j += 3) x[j] = (j % 2) ? -0.0 : 0.0;
  return x;
}

// The module's transform steps, as the module runs them, on samples padded to n points.
void RearrangedFft(const std::vector<double>& x, std::vector<double>& re, std::vector<double>& im, unsigned n,
                   TTwiddleTable& table) {
  table.Prepare(n);
  re.assign(n, 1.0);  // overwritten whole
  im.assign(n, 0.0);
  const unsigned stages = std::countr_zero(n);
  unsigned done = SpreadPaddedSamples(x.data(), unsigned(x.size()), re.data(), n);
  if (done < stages) done = RunEarlyStages(re.data(), im.data(), n, done + 1, table);
  while (done < stages) done += RunLateStages(re.data(), im.data(), n, done + 1, table);
}

::testing::AssertionResult SameAsTextbook(const std::vector<double>& x, unsigned n, TTwiddleTable& table) {
  std::vector<double> re, im;
  RearrangedFft(x, re, im, n, table);
  std::vector<double> lre(n, 0.0), lim(n, 0.0);
  std::copy(x.begin(), x.end(), lre.begin());
  literal::FastFT(lre, lim, n);
  ::testing::AssertionResult real = SameBits(re.data(), lre.data(), n);
  if (!real) return real << " in the real parts";
  ::testing::AssertionResult imaginary = SameBits(im.data(), lim.data(), n);
  if (!imaginary) return imaginary << " in the imaginary parts";
  return ::testing::AssertionSuccess();
}
}  // namespace

TEST(SpectrumTransform, TwiddleIsCosineAndNegativeSineOfTheExtendedAngle) {
  const TTwiddle zero = Twiddle(8, 0);
  EXPECT_EQ(zero.Re, 1.0);
  EXPECT_EQ(zero.Im, 0.0);
  EXPECT_TRUE(std::signbit(zero.Im));  // −sin 0
  const TTwiddle quarter = Twiddle(4, 1);
  EXPECT_NEAR(quarter.Re, 0.0, 1e-16);
  EXPECT_EQ(quarter.Im, -1.0);
  double a, b;
  literal::Twiddle(65536, 12345, a, b);
  const TTwiddle u = Twiddle(65536, 12345);
  EXPECT_TRUE(SameBits(&a, &u.Re, 1));
  EXPECT_TRUE(SameBits(&b, &u.Im, 1));
}

TEST(SpectrumTransform, RearrangedStagesMatchTheTextbookLoopBitForBit) {
  auto table = std::make_unique<TTwiddleTable>();
  for (unsigned n = 1; n <= TTwiddleTable::MaxSize; n *= 2)
    for (const unsigned pad : {n, n / 16, n / 2048, 1u}) {
      if (pad == 0 || pad > 4096) continue;  // the module pads at most 4096 samples
      EXPECT_TRUE(SameAsTextbook(RandomSamples(pad, n + pad), n, *table)) << "n = " << n << ", padded from " << pad;
      EXPECT_TRUE(SameAsTextbook(WithZeros(RandomSamples(pad, n)), n, *table)) << "n = " << n << ", zeros, " << pad;
    }
}

TEST(SpectrumTransform, SignedZeroSamplesComeOutAsInTheTextbookLoop) {
  auto table = std::make_unique<TTwiddleTable>();
  for (const unsigned n : {1u, 2u, 64u, 4096u}) {
    EXPECT_TRUE(SameAsTextbook({-0.0}, n, *table)) << n;
    if (n >= 4) {
      EXPECT_TRUE(SameAsTextbook({-0.0, 0.0, -0.0, -0.0}, n, *table)) << n;
    }
  }
}

TEST(SpectrumTransform, TableFilledForSmallSizesServesLargerOnesLater) {
  auto table = std::make_unique<TTwiddleTable>();
  for (unsigned n : {16u, 4096u, 1024u, 16384u})
    EXPECT_TRUE(SameAsTextbook(RandomSamples(std::min(n, 4096u), 7 * n), n, *table)) << n;
}

TEST(SpectrumTransform, CalculateGivesTheTextbookAmplitudesAndPhasesWithPointNRepeatingPointZero) {
  struct TCase {
    unsigned Count;
    unsigned Doublings;
    bool FullSize;
  };
  auto spectrum = std::make_unique<TFourierAnalyser>();
  for (const TCase c : {TCase{1024, 4, false}, TCase{500, 5, false}, TCase{3000, 5, true}, TCase{3, 0, false},
                        TCase{4096, 0, false}, TCase{1, 16, true}}) {
    const std::vector<double> x = WithZeros(RandomSamples(c.Count, c.Count + 1));
    spectrum->SetFullSize(c.FullSize);
    spectrum->SetDoublings(c.Doublings);
    spectrum->Calculate(x.data(), c.Count);
    const unsigned n = spectrum->GetTransformSize();
    std::vector<double> re(n + 1, 0.0), im(n + 1, 0.0);
    std::copy(x.begin(), x.end(), re.begin());
    literal::FastFT(re, im, n);
    literal::ToPolar(re, im, n);
    re[n] = re[0];
    im[n] = im[0];
    int count = 0;
    EXPECT_TRUE(SameBits(spectrum->GetAmpSpectrum(count), re.data(), n + 1)) << c.Count;
    EXPECT_TRUE(SameBits(spectrum->GetPhaseSpectrum(count), im.data(), n + 1)) << c.Count;
    EXPECT_EQ(unsigned(count), n / 2);
  }
}
