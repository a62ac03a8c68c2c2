#pragma once
// The spectrum analysis module: the computation of TFourierAnalyser plus the small window
// that, when the user asked for it, shows the progress of a transform. The window is shown
// modally for the length of one transform; a 10 ms timer starts the work once it has painted.
#include <QDialog>

#include "numerics/FourierAnalyser.h"

class QLabel;
class QProgressBar;
class QTimer;

class TSpAnForm : public QDialog, public TFourierAnalyser {
  Q_OBJECT
 public:
  explicit TSpAnForm(QWidget* parent = nullptr);

  QLabel* Label1 = nullptr;
  QProgressBar* ProgressBar1 = nullptr;
  QTimer* Timer1 = nullptr;

  void FormShow();
  void Timer1Timer();

 protected:
  void showEvent(QShowEvent* event) override;
  void RunTransform() override;
  void ProgressStart(TTransformKind kind, unsigned size, unsigned steps) override;
  void ProgressStep(unsigned steps) override;
  void changeEvent(QEvent* event) override;

 private:
  // The transform the label names, in the language chosen; none before the first.
  void ShowStage();
  TTransformKind StageKind = TTransformKind::Fast;
  unsigned StageSize = 0;
};

// The one instance, created at start-up by the application and kept until it ends.
extern TSpAnForm* SpAnForm;
