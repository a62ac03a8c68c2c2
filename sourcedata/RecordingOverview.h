#pragma once
// The smallest and largest value of a long series, kept per block of consecutive samples,
// so that a picture of the whole series costs one pass over at most MaxOverviewBlocks
// blocks instead of one over every sample. Series of up to MaxOverviewBlocks samples keep
// one sample per block and are exact; longer ones are exact to within a block at each end
// of a range asked for. Values in the series' own unit (volts).
#include <vector>

constexpr long long MaxOverviewBlocks = 1 << 16;

class TRecordingOverview {
 public:
  // Prepares for a series of `count` samples, added in order with Add.
  void Start(long long count);
  void Add(float value) { Add(&value, 1, 1); }
  // n values v[0], v[stride], v[2 stride], ... in order. With `probe`, x * 0 is added to it for
  // each value x, so that it stays 0 while every value is finite (and is taken in the same
  // pass, while the values are at hand).
  void Add(const float* v, long long n, int stride, float* probe = nullptr);
  // Interleaved stereo frames (v[2i] left, v[2i + 1] right) into two overviews started with the
  // same count: both channels in one pass, as Add would give them one by one.
  static void AddPair(TRecordingOverview& left, TRecordingOverview& right, const float* v, long long frames,
                      float* probe);
  bool Started() const { return Total > 0; }
  // Samples per block (1 for a short series).
  long long BlockSize() const { return Block; }
  long long Count() const { return Total; }
  // The extremes of samples [first, last) (clamped to the series), widened to whole
  // blocks; false when the range holds no sample.
  bool Range(long long first, long long last, float& lo, float& hi) const;

 private:
  // Splits the next n values at the ends of the blocks: piece(take, opens) for each piece, where
  // opens says that it starts a new block.
  template <class TPiece>
  void WalkBlocks(long long n, TPiece piece);
  long long Total = 0;
  long long Block = 1;
  long long Filled = 0;
  std::vector<float> Lo, Hi;
};
