#pragma once
// Signals handed to the main window the way the source commands hand them over; the test
// waveforms are the engine tests' own.
#include <QPushButton>
#include <QTimer>

#include "../engine/EngineTestSignals.h"
#include "shell/ResamUnit.h"
#include "sources/PolyGarmUnit.h"
#include "widgets/EditIntUnit.h"

// As the library does: a function of time with its duration and symmetry.
inline void GiveLibrarySignal(TResamForm& form, TRealFunction f, double tau, int symmetry) {
  form.Engine.FormulaSignal = {f, tau, symmetry};
  form.AcceptSignal(TResamEngine::SourceLibrary);
  form.TakeAnalogSignal(TResamEngine::PeriodHalfTmax);
}

// As the table editor does: values that stay alive while they are the signal.
inline void GiveTableSignal(TResamForm& form, const double* values, int count) {
  form.Engine.TableSignal = {values, count};
  form.AcceptSignal(TResamEngine::SourceTable);
  form.TakeTableSignal();
}

// "Фрагмент полигармонического сигнала" with the preset "Прямоугольный", then N typed.
inline void GiveRectangularFragment(TResamForm& form, int count) {
  TPolyGarmForm fragment;
  PolyGarmForm = &fragment;
  QTimer::singleShot(0, [] {
    for (QPushButton* b : {PolyGarmForm->Button3, PolyGarmForm->Button1}) b->click();
  });
  form.N40Click();
  PolyGarmForm = nullptr;
  form.EditN->setText(QString::number(count));
  form.EditNExit();
}
