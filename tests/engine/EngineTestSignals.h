#pragma once
// Test waveforms, and signals handed to the engine the way the source commands hand them
// over: the data stays alive and unchanged while it is the signal.
#include <cmath>

#include "engine/ResamEngine.h"
#include "numerics/Keeper.h"

inline double SlowWave(double t) { return std::sin(2 * 3.141592653589793 * 3 * t) + 0.5; }
inline double FastWave(double t) { return std::sin(2 * 3.141592653589793 * 400 * t); }
inline double Zero(double) { return 0; }

// As the library does: a function of time with its duration and symmetry.
inline void GiveLibrarySignal(TResamEngine& engine, TRealFunction f, double tau, int symmetry) {
  engine.FormulaSignal = {f, tau, symmetry};
  engine.AcceptSignal(TResamEngine::SourceLibrary);
  engine.TakeAnalogSignal(TResamEngine::PeriodHalfTmax);
}

// As the table editor does.
inline void GiveTableSignal(TResamEngine& engine, const double* values, int count) {
  engine.TableSignal = {values, count};
  engine.AcceptSignal(TResamEngine::SourceTable);
  engine.TakeTableSignal();
}

// As the graphical editor does: the drawn curve and its node values.
inline void GiveDrawnSignal(TResamEngine& engine, const TKeeper& curve, const double* values, int count) {
  engine.DrawnSignal = {&curve, values, count};
  engine.AcceptSignal(TResamEngine::SourceEditor);
  engine.TakeAnalogSignal(TResamEngine::PeriodFromCount);
}
