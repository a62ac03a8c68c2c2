#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

#include "SpectrumLiteral.h"
#include "numerics/SpectrumAnalyser.h"
#include "numerics/SpectrumTransform.h"

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

// The module's transform steps, as the module runs them.
void RearrangedFft(std::vector<double>& re, std::vector<double>& im, unsigned n, TTwiddleTable& table) {
  table.Prepare(n);
  BitReverse(re.data(), n);
  const unsigned stages = std::countr_zero(n);
  unsigned done = n > 1 ? RunEarlyStages(re.data(), im.data(), n, table) : 0;
  while (done < stages) done += RunLateStages(re.data(), im.data(), n, done + 1, table);
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
  for (unsigned n = 1; n <= TTwiddleTable::MaxSize; n *= 2) {
    std::vector<double> re = RandomSamples(n, n), im(n, 0.0);
    std::vector<double> lre = re, lim = im;
    RearrangedFft(re, im, n, *table);
    literal::FastFT(lre, lim, n);
    EXPECT_TRUE(SameBits(re.data(), lre.data(), n)) << "real parts, n = " << n;
    EXPECT_TRUE(SameBits(im.data(), lim.data(), n)) << "imaginary parts, n = " << n;
  }
}

TEST(SpectrumTransform, TableFilledForSmallSizesServesLargerOnesLater) {
  auto table = std::make_unique<TTwiddleTable>();
  for (unsigned n : {16u, 4096u, 1024u, 16384u}) {
    std::vector<double> re = RandomSamples(n, 7 * n), im(n, 0.0);
    std::vector<double> lre = re, lim = im;
    RearrangedFft(re, im, n, *table);
    literal::FastFT(lre, lim, n);
    EXPECT_TRUE(SameBits(re.data(), lre.data(), n)) << n;
    EXPECT_TRUE(SameBits(im.data(), lim.data(), n)) << n;
  }
}

TEST(SpectrumTransform, CalculateGivesTheTextbookAmplitudesAndPhasesWithPointNRepeatingPointZero) {
  struct TCase {
    unsigned Count;
    unsigned Doublings;
    bool FullSize;
  };
  auto spectrum = std::make_unique<TSpectrumAnalyser>();
  for (const TCase c : {TCase{1024, 4, false}, TCase{500, 5, false}, TCase{3000, 5, true}, TCase{3, 0, false}}) {
    const std::vector<double> x = RandomSamples(c.Count, c.Count + 1);
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
