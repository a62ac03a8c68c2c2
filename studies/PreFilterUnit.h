#pragma once
// The window of the filter before the sampler: the kind, Butterworth's order, the cut-off
// (half the sampling frequency, or typed in Hz) and what the error is measured against.
// "Применить" hands the settings to its owner (Apply); "Закрыть" hands nothing over.
#include <QDialog>

#include "engine/PreFilter.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class TEditFloat;
class TEditInt;

// What the window says of a signal it cannot filter; the report says the same.
QString FilterRefusedText();

class TPreFilterForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPreFilterForm(QWidget* parent = nullptr);

  // The controls show these settings; a typed cut-off is kept below maxCutoff Hz.
  void SetSettings(const TPreFilter& settings, double maxCutoff);
  // The settings the controls hold, every typed text committed first.
  TPreFilter Settings();
  // Says under the settings that the signal cannot be filtered (it has values that are not numbers).
  void ShowRefused(bool refused);

  QRadioButton* RadioKind[4];  // "Нет", "Идеальный ФНЧ", "Баттерворта", "RC-цепь"
  TEditInt* EditIntOrder;
  QRadioButton *RadioFollowFd, *RadioFixed;
  TEditFloat* EditFloatCutoff;
  QCheckBox* CheckBoxErrorToFiltered;
  QLabel* LabelRefused;
  QPushButton *ButtonApply, *ButtonClose;

  void KindClick();

 signals:
  void Apply(const TPreFilter& settings);
};
