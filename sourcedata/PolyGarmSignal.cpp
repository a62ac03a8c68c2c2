#include "sourcedata/PolyGarmSignal.h"

#include <chrono>
#include <cmath>

#include "numerics/Mathlib.h"

namespace {
constexpr double HalfPi = 1.5707963267948966;
constexpr double DegreeToRadian = 0.017453292519943295;
constexpr unsigned AmplitudeModulus = 10000;
constexpr double AmplitudeUnit = 0.001;
constexpr unsigned PhaseModulus = 62832;
constexpr double PhaseUnit = 0.0001;

constexpr double RectangularAmplitudes[HarmonicCount] = {0.5, 0.637, 0, 0.212, 0, 0.127, 0, 0.091, 0, 0.071};
constexpr double RectangularPhases[HarmonicCount] = {0, 0, 0, Pi, Pi, 0, 0, Pi, Pi, 0};
constexpr double SawtoothAmplitudes[HarmonicCount] = {0, 0.405, 0.318, 0.045, 0.159, 0.016, 0.106, 0.0083, 0.08, 0.005};
constexpr double SawtoothPhases[HarmonicCount] = {-HalfPi, -HalfPi, -HalfPi, HalfPi, HalfPi,
                                                  -HalfPi, -HalfPi, HalfPi,  HalfPi, -HalfPi};

double Clamp(double value, double low, double high) {
  if (!(value >= low)) return low;  // NaN too
  if (value > high) return high;
  return value;
}

bool ValidHarmonic(int n) { return n >= 0 && n < HarmonicCount; }
}  // namespace

TPolyGarmSignal::TPolyGarmSignal() {
  Random.seed(static_cast<unsigned>(std::chrono::system_clock::now().time_since_epoch().count()));
  SetFundamental(InitialFundamental);
  Snapshot = Values;
}

double TPolyGarmSignal::SignalValue(double t) const {
  const double kf = Values.FrequencyHz ? TwoPi : 1;
  const double kp = Values.PhaseDegrees ? DegreeToRadian : 1;
  double s = 0;
  if (Values.On[0]) s = Values.Amplitude[0] * std::cos(Values.Phase[0] * kp);
  for (int n = 1; n < HarmonicCount; ++n)
    if (Values.On[n]) s = s + Values.Amplitude[n] * std::cos(t * (Values.Frequency[n] * kf) + Values.Phase[n] * kp);
  return s;
}

double TPolyGarmSignal::GetPeriod() const {
  return Values.FrequencyHz ? 1 / Values.Frequency[1] : TwoPi / Values.Frequency[1];
}

double TPolyGarmSignal::GetAmplitude(int n) const { return ValidHarmonic(n) ? Values.Amplitude[n] : 0; }
double TPolyGarmSignal::GetPhase(int n) const { return ValidHarmonic(n) ? Values.Phase[n] : 0; }
double TPolyGarmSignal::GetFrequency(int n) const { return ValidHarmonic(n) ? Values.Frequency[n] : 0; }
bool TPolyGarmSignal::IsOn(int n) const { return ValidHarmonic(n) && Values.On[n]; }

TPolyGarmValues TPolyGarmSignal::GetValues() const {
  TPolyGarmValues v;
  for (int n = 0; n < HarmonicCount; ++n) {
    v.Amplitude[n] = Values.Amplitude[n];
    v.Phase[n] = Values.Phase[n];
    v.On[n] = Values.On[n];
  }
  v.Fundamental = Values.Frequency[1];
  v.FrequencyHz = Values.FrequencyHz;
  v.PhaseDegrees = Values.PhaseDegrees;
  return v;
}

void TPolyGarmSignal::SetValues(const TPolyGarmValues& values) {
  for (int n = 0; n < HarmonicCount; ++n) {
    SetAmplitude(n, values.Amplitude[n]);
    SetPhase(n, values.Phase[n]);
    SetOn(n, values.On[n]);
  }
  SetFundamental(values.Fundamental);
  SetFrequencyHz(values.FrequencyHz);
  SetPhaseDegrees(values.PhaseDegrees);
}

void TPolyGarmSignal::SetAmplitude(int n, double value) {
  if (ValidHarmonic(n)) Values.Amplitude[n] = Clamp(value, 0, MaxAmplitude);
}

void TPolyGarmSignal::SetPhase(int n, double value) {
  if (ValidHarmonic(n)) Values.Phase[n] = Clamp(value, -MaxPhase, MaxPhase);
}

void TPolyGarmSignal::SetOn(int n, bool on) {
  if (ValidHarmonic(n)) Values.On[n] = on;
}

void TPolyGarmSignal::SetFundamental(double f1) {
  Values.Frequency[1] = Clamp(f1, MinFundamental, MaxFundamental);
  for (int n = 2; n < HarmonicCount; ++n) Values.Frequency[n] = n * Values.Frequency[1];
}

void TPolyGarmSignal::SetPreset(const double (&amplitudes)[HarmonicCount], const double (&phases)[HarmonicCount]) {
  for (int n = 0; n < HarmonicCount; ++n) {
    Values.Amplitude[n] = amplitudes[n];
    Values.Phase[n] = phases[n];
  }
  Values.FrequencyHz = false;
  Values.PhaseDegrees = false;
  SetFundamental(TwoPi);
}

void TPolyGarmSignal::SetRectangular() { SetPreset(RectangularAmplitudes, RectangularPhases); }
void TPolyGarmSignal::SetSawtooth() { SetPreset(SawtoothAmplitudes, SawtoothPhases); }

unsigned TPolyGarmSignal::NextRandom() { return static_cast<unsigned>(Random() >> 1); }  // 31 bits

void TPolyGarmSignal::SetRandom() {
  Values.Amplitude[0] = 0;
  Values.Phase[0] = 0;
  for (int n = 1; n < HarmonicCount; ++n) Values.Amplitude[n] = (NextRandom() % AmplitudeModulus) * AmplitudeUnit;
  for (int n = 1; n < HarmonicCount; ++n) Values.Phase[n] = (NextRandom() % PhaseModulus) * PhaseUnit - Pi;
}

void TPolyGarmSignal::BeginShow() {
  Snapshot = Values;
  Accepted = false;
}

void TPolyGarmSignal::Close() {
  if (!Accepted) Values = Snapshot;
}
