#pragma once
// Exploring by keys in the main window: the count one or ten up or down, the previous or
// next method, the count back to twice the least one. Each key is a menu item of
// "Исследование" showing its shortcut, and "Клавиши..." lists them all in a small window.
// The keys act wherever the focus is in the main window, the edit boxes included. Repeats
// are coalesced by the stepper: each press moves the target, the chain runs for the latest.
#include <QList>
#include <QObject>

class QAction;
class QDialog;
class QMenu;
class QWidget;
class TParameterStepper;
class TResamEngine;

class TStepKeys : public QObject {
  Q_OBJECT
 public:
  // Adds the items to `menu`; the keys act in `window` (and its child windows' edits) on
  // `engine`'s count and method through `stepper`.
  TStepKeys(QWidget* window, TResamEngine& engine, TParameterStepper& stepper, QMenu* menu);

  QList<QAction*> KeyItems;  // in the order of the table of keys
  QAction* KeysItem;         // "Клавиши..."
  // The window listing the keys, made on first use.
  QDialog* KeysWindow();

  void StepCount(int step);
  void StepMethod(int step);
  void ResetCount();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* MainWindow;
  TResamEngine& Engine;
  TParameterStepper& Stepper;
  QDialog* Window = nullptr;
};
