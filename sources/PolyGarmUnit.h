#pragma once
// The polyharmonic fragment window: a table of ten harmonics (check mark, amplitude,
// frequency, initial phase), the units of frequency and phase, three presets and the
// buttons that confirm or cancel. The values live in a TPolyGarmSignal the controls mirror;
// a typed value reaches it only when the control commits it.
#include <QDialog>

#include "sourcedata/PolyGarmSignal.h"

class QCheckBox;
class QPushButton;
class QRadioButton;
class TEditFloat;

class TPolyGarmForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPolyGarmForm(QWidget* parent = nullptr);

  // Shows the window modally; afterwards IsAccepted tells whether the user chose "Готово".
  void Execute();
  bool IsAccepted() const { return Signal.IsAccepted(); }
  double GetPeriod() const { return Signal.GetPeriod(); }
  double SignalValue(double t) const { return Signal.SignalValue(t); }
  // The window's signal as a curve of time, bound to this window.
  TRealFunction GetSignalFunction() const { return Signal.SignalFunction(); }
  const TPolyGarmSignal& Values() const { return Signal; }
  // A fragment given elsewhere (a session): the window holds and shows it as if it had been
  // entered and confirmed.
  void TakeValues(const TPolyGarmValues& values);

  // Per harmonic n = 0 .. 9: CheckBox[n] is the designed CheckBox(n+1), the edits are
  // EditFloatA<n>, EditFloatF<n>, EditFloatP<n> (the object names say so).
  QCheckBox* CheckBox[HarmonicCount];
  TEditFloat* EditFloatA[HarmonicCount];
  TEditFloat* EditFloatF[HarmonicCount];
  TEditFloat* EditFloatP[HarmonicCount];
  QRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
  QPushButton *Button1, *Button2, *Button3, *Button4, *Button5;

  void FormShow();
  void FormClose();
  void EditFloatF1Exit();
  void EditFloatA0Exit();
  void CheckBoxClick();
  void UnitClick();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildHeads();
  void BuildRow(int n);
  void BuildButtons();
  TEditFloat* MakeEdit(int left, int top, double min, double max);
  // The controls show the values of Signal.
  void ShowValues();

  TPolyGarmSignal Signal;
};

// The one instance, created at start-up and kept until the application ends.
extern TPolyGarmForm* PolyGarmForm;
