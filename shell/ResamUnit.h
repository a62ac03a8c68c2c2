#pragma once
// The main window: it owns the current signal, the sampling parameters, the method
// and the display settings, and shows the results on its tabs.
#include <QMainWindow>

class QLabel;

class TResamForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TResamForm(QWidget* parent = nullptr);

  // Visible while no signal is given.
  QLabel* Label5 = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceNoSignalLabel();
  void ShowWelcome();
};

extern TResamForm* ResamForm;
