#pragma once
// The polyharmonic fragment as a plain object: ten harmonics (a constant term and the
// multiples 2 F1 .. 9 F1 of the fundamental F1), each with an amplitude in volts, an
// initial phase and a check mark; the units of frequency (rad/s or Hz) and phase (rad or
// degrees); the presets and the random set; and the snapshot that a closing without
// confirmation restores.
#include <random>

#include "numerics/Mathlib.h"

constexpr int HarmonicCount = 10;
// The ranges of the window's fields; the object keeps its values inside them.
constexpr double MaxAmplitude = 10;
constexpr double MaxPhase = 400;
constexpr double MinFundamental = 0.1;
constexpr double MaxFundamental = 10;
constexpr double InitialFundamental = 6.28318;

// What the fragment window holds: per harmonic its amplitude, phase and check mark, the
// fundamental F1 and the two units; F_n = n F1 follows from F1.
struct TPolyGarmValues {
  double Amplitude[HarmonicCount] = {};
  double Phase[HarmonicCount] = {};
  bool On[HarmonicCount] = {true, true, true, true, true, true, true, true, true, true};
  double Fundamental = InitialFundamental;
  bool FrequencyHz = false;
  bool PhaseDegrees = false;
};

class TPolyGarmSignal {
 public:
  // Seeds the random set with the current time, once.
  TPolyGarmSignal();
  TPolyGarmSignal(const TPolyGarmSignal&) = delete;
  TPolyGarmSignal& operator=(const TPolyGarmSignal&) = delete;

  // s(t), t in seconds: the checked harmonics summed in order 0 .. 9.
  double SignalValue(double t) const;
  // Length of the fragment: 2 pi / F1 in rad/s, 1 / F1 in Hz.
  double GetPeriod() const;

  double GetAmplitude(int n) const;
  double GetPhase(int n) const;
  // F_n as the window shows it: 0 for n = 0, F1, then n F1.
  double GetFrequency(int n) const;
  bool IsOn(int n) const;
  bool IsFrequencyHz() const { return Values.FrequencyHz; }
  bool IsPhaseDegrees() const { return Values.PhaseDegrees; }

  TPolyGarmValues GetValues() const;
  // Each value through its setter below.
  void SetValues(const TPolyGarmValues& values);

  // Out-of-range values are kept at the nearest bound; an index outside 0 .. 9 is ignored.
  void SetAmplitude(int n, double value);
  void SetPhase(int n, double value);
  void SetOn(int n, bool on);
  // The fundamental, and with it F_n = n F1 for n = 2 .. 9.
  void SetFundamental(double f1);
  // Changing a unit converts nothing: the numbers are read in the new unit.
  void SetFrequencyHz(bool hz) { Values.FrequencyHz = hz; }
  void SetPhaseDegrees(bool degrees) { Values.PhaseDegrees = degrees; }

  // Presets: all amplitudes and phases, units rad/s and rad, F1 = 2 pi; check marks stay.
  void SetRectangular();
  void SetSawtooth();
  // A_0 = P_0 = 0; A_1 .. A_9 in [0, 9.999] V, then P_1 .. P_9 in [-pi, pi) rad, one draw each.
  void SetRandom();
  void Seed(unsigned seed) { Random.seed(seed); }

  // One showing of the window: the snapshot is taken; "Готово" accepts; any closing that
  // was not accepted puts the snapshot back.
  void BeginShow();
  void Accept() { Accepted = true; }
  void Reject() { Accepted = false; }
  void Close();
  bool IsAccepted() const { return Accepted; }

  // SignalValue as a curve of time bound to this object: it reads the values the object
  // holds when it is called, and must not outlive the object.
  TRealFunction SignalFunction() const { return TRealFunction::Bind<&TPolyGarmSignal::SignalValue>(*this); }

 private:
  struct TState {
    double Amplitude[HarmonicCount] = {};
    double Frequency[HarmonicCount] = {};
    double Phase[HarmonicCount] = {};
    bool On[HarmonicCount] = {true, true, true, true, true, true, true, true, true, true};
    bool FrequencyHz = false;
    bool PhaseDegrees = false;
  };

  void SetPreset(const double (&amplitudes)[HarmonicCount], const double (&phases)[HarmonicCount]);
  unsigned NextRandom();

  TState Values;
  TState Snapshot;
  bool Accepted = false;
  std::mt19937 Random;
};
