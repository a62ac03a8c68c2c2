#include "studies/SoundDevice.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {
constexpr qint64 AlwaysAvailable = 1 << 16;
constexpr float IntegerScale = 32767;
}  // namespace

TSoundDevice::TSoundDevice(TSoundStream& stream, bool floatFrames, QObject* parent)
    : QIODevice(parent), Stream(stream), FloatFrames(floatFrames) {}

// A stream that plays has more to give whenever asked; one that has ended has nothing.
qint64 TSoundDevice::bytesAvailable() const {
  return (Stream.Playing() ? AlwaysAvailable : 0) + QIODevice::bytesAvailable();
}

qint64 TSoundDevice::readData(char* data, qint64 maxSize) {
  const qint64 frameSize = FloatFrames ? sizeof(float) : sizeof(qint16);
  std::vector<float> frames(static_cast<size_t>(maxSize / frameSize));
  const int n = Stream.Read(frames);
  if (n == 0) return 0;
  if (FloatFrames) {
    std::memcpy(data, frames.data(), n * sizeof(float));
  } else {
    // The sink's buffer need not be aligned for integers: each one is copied in.
    for (int i = 0; i < n; ++i) {
      const auto v = static_cast<qint16>(std::lround(std::clamp(frames[i], -1.0f, 1.0f) * IntegerScale));
      std::memcpy(data + i * frameSize, &v, sizeof v);
    }
  }
  return n * frameSize;
}
