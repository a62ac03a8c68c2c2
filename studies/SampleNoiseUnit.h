#pragma once
// The small window of the noise and quantisation study: noise at a signal-to-noise ratio
// with its seed, quantisation to a number of bits. "Применить" hands the settings to its
// owner (Apply); "Закрыть" and every other way of closing hand nothing over.
#include <QDialog>
#include <optional>
#include <utility>

#include "engine/SampleNoise.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TEditFloat;
class TEditInt;

class TSampleNoiseForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSampleNoiseForm(QWidget* parent = nullptr);

  // The controls show these settings.
  void SetSettings(const TSampleNoise& settings);
  // The settings the controls hold, every typed text committed first (with the edits'
  // corrections and messages).
  TSampleNoise Settings();
  // The read-out beside the bits: the measured ratio of the samples quantised to `bits` (NaN:
  // none measured) and the textbook figure for a full-scale sine.
  void ShowQuantisationSnr(int bits, double measured);

  QCheckBox *CheckBoxNoise, *CheckBoxQuantise;
  TEditFloat* EditFloatSnr;
  TEditInt *EditIntSeed, *EditIntBits;
  QLabel* LabelQuantisationSnr;
  QPushButton *ButtonNewNoise, *ButtonApply, *ButtonClose;

  void CheckBoxClick();
  void ButtonNewNoiseClick();
  void ButtonApplyClick();

 signals:
  void Apply(const TSampleNoise& settings);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildNoiseRows();
  void BuildQuantisationRows();
  void BuildButtons();

  std::optional<std::pair<int, double>> ShownSnr;  // the read-out's bits and measured ratio
};
