#include "sources/PolyGarmSignal.h"

#include <chrono>
#include <cmath>

const TPolyGarmSignal* TPolyGarmSignal::CurrentSignal = nullptr;

namespace {
constexpr double TwoPi = 6.283185307179586;
constexpr double Pi = 3.141592653589793;
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
                                                  -HalfPi, -HalfPi, HalfPi, HalfPi, -HalfPi};

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
  Snapshot = Current;
}

TPolyGarmSignal::~TPolyGarmSignal() {
  if (CurrentSignal == this) CurrentSignal = nullptr;
}

double TPolyGarmSignal::SignalValue(double t) const {
  const double kf = Current.FrequencyHz ? TwoPi : 1;
  const double kp = Current.PhaseDegrees ? DegreeToRadian : 1;
  double s = 0;
  if (Current.On[0]) s = Current.Amplitude[0] * std::cos(Current.Phase[0] * kp);
  for (int n = 1; n < HarmonicCount; ++n)
    if (Current.On[n]) s = s + Current.Amplitude[n] * std::cos(t * (Current.Frequency[n] * kf) + Current.Phase[n] * kp);
  return s;
}

double TPolyGarmSignal::GetPeriod() const {
  return Current.FrequencyHz ? 1 / Current.Frequency[1] : TwoPi / Current.Frequency[1];
}

double TPolyGarmSignal::GetAmplitude(int n) const { return ValidHarmonic(n) ? Current.Amplitude[n] : 0; }
double TPolyGarmSignal::GetPhase(int n) const { return ValidHarmonic(n) ? Current.Phase[n] : 0; }
double TPolyGarmSignal::GetFrequency(int n) const { return ValidHarmonic(n) ? Current.Frequency[n] : 0; }
bool TPolyGarmSignal::IsOn(int n) const { return ValidHarmonic(n) && Current.On[n]; }

void TPolyGarmSignal::SetAmplitude(int n, double value) {
  if (ValidHarmonic(n)) Current.Amplitude[n] = Clamp(value, 0, MaxAmplitude);
}

void TPolyGarmSignal::SetPhase(int n, double value) {
  if (ValidHarmonic(n)) Current.Phase[n] = Clamp(value, -MaxPhase, MaxPhase);
}

void TPolyGarmSignal::SetOn(int n, bool on) {
  if (ValidHarmonic(n)) Current.On[n] = on;
}

void TPolyGarmSignal::SetFundamental(double f1) {
  Current.Frequency[1] = Clamp(f1, MinFundamental, MaxFundamental);
  for (int n = 2; n < HarmonicCount; ++n) Current.Frequency[n] = n * Current.Frequency[1];
}

void TPolyGarmSignal::SetPreset(const double (&amplitudes)[HarmonicCount], const double (&phases)[HarmonicCount]) {
  for (int n = 0; n < HarmonicCount; ++n) {
    Current.Amplitude[n] = amplitudes[n];
    Current.Phase[n] = phases[n];
  }
  Current.FrequencyHz = false;
  Current.PhaseDegrees = false;
  SetFundamental(TwoPi);
}

void TPolyGarmSignal::SetRectangular() { SetPreset(RectangularAmplitudes, RectangularPhases); }
void TPolyGarmSignal::SetSawtooth() { SetPreset(SawtoothAmplitudes, SawtoothPhases); }

unsigned TPolyGarmSignal::NextRandom() { return static_cast<unsigned>(Random() >> 1); }  // 31 bits

void TPolyGarmSignal::SetRandom() {
  Current.Amplitude[0] = 0;
  Current.Phase[0] = 0;
  for (int n = 1; n < HarmonicCount; ++n) Current.Amplitude[n] = (NextRandom() % AmplitudeModulus) * AmplitudeUnit;
  for (int n = 1; n < HarmonicCount; ++n) Current.Phase[n] = (NextRandom() % PhaseModulus) * PhaseUnit - Pi;
}

void TPolyGarmSignal::BeginShow() {
  Snapshot = Current;
  Accepted = false;
}

void TPolyGarmSignal::Close() {
  if (!Accepted) Current = Snapshot;
}

double TPolyGarmSignal::CurrentSignalValue(double t) { return CurrentSignal ? CurrentSignal->SignalValue(t) : 0; }
