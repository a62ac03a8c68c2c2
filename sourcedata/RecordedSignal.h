#pragma once
// A fragment of a recording as an analog signal: its own samples, and between them a
// band-limited interpolation of them. The fragment is what a session keeps of a recording.
#include <string>
#include <vector>

#include "numerics/RealFunction.h"
#include "sourcedata/Recording.h"

struct TRecordingFragment {
  std::string FileName;  // where it came from, UTF-8 (shown, never read again)
  TRecordingChannel Channel = TRecordingChannel::Left;
  double Rate = 1;              // samples per second
  double Start = 0;             // time of the first sample, s
  std::vector<double> Samples;  // volts
  // From the first sample's time to the last's, s.
  double Length() const { return Samples.size() > 1 ? double(Samples.size() - 1) / Rate : 0; }
};

// Samples taken into account on each side of a time.
constexpr int InterpolationHalfWidth = 16;

// s(t) = sum over the fragment's samples x_k of x_k h(u - k), u = (t - Start) Rate, with
// the kernel h(z) = sinc(z) w(z / 16) for |z| < 16 and 0 beyond, w a Kaiser window of shape
// 8,6. Why this kernel: a recording is itself sampled, so the signal between its samples is
// the band-limited one (the sinc series); the window makes the sum finite and local (16
// samples each side) while keeping the pass band flat to about 0,8 of the recording's
// Nyquist frequency and its leakage some 85 dB down, far below what any of the twelve
// methods rebuilds. Since sinc is 0 at every other node and 1 at its own, s passes exactly
// through each sample. Beyond the fragment the signal dies away within 16 samples.
double WindowedSincKernel(double z);

class TRecordedSignal {
 public:
  void SetFragment(TRecordingFragment fragment) { Fragment = std::move(fragment); }
  const TRecordingFragment& GetFragment() const { return Fragment; }
  bool IsEmpty() const { return Fragment.Samples.empty(); }

  double SignalValue(double t) const;
  TRealFunction SignalFunction() const { return TRealFunction::Bind<&TRecordedSignal::SignalValue>(*this); }
  double GetStart() const { return Fragment.Start; }
  double GetLength() const { return Fragment.Length(); }

 private:
  TRecordingFragment Fragment;
};
