#pragma once
// A seeded, reproducible run of random commands on the main window and every window it
// opens: menu items, tool buttons, edits given random texts, tab and method changes,
// radio buttons and check boxes, mouse moves over the diagrams (their tool panels then
// show and take part), window sizes. A window opened modally gets a few commands of its
// own and is then ended in one of the ways a user ends it. After every command the run
// checks that no text shown reads NaN or inf and that every diagram's range and every
// series' range is finite; a command that takes longer than the hang limit stops the
// process with the log of the last commands.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <random>
#include <vector>

class QWidget;

class TRandomRun {
 public:
  TRandomRun(QWidget* main, uint32_t seed);
  ~TRandomRun();
  // Runs count commands; returns "" or the first fault found, with the last commands.
  QString Run(int count);
  int Commands() const { return Done; }

 private:
  void Command(QWidget* window);
  void TriggerAction(QWidget* window);
  void ClickButton(QWidget* window);
  void TypeText(QWidget* window);
  void ChangeTab(QWidget* window);
  void ChangeCombo(QWidget* window);
  void MoveOverDiagram(QWidget* window);
  void ResizeWindow(QWidget* window);
  void AnswerDialogs();
  void HandleModal();
  void EndModal(QWidget* modal);
  QString RandomText();
  QString Check() const;
  QString Fault(const QString& what) const;
  template <class T>
  T* Pick(const std::vector<T*>& items);
  void Log(const QString& what);
  void AnswerYes(QWidget* question);

  QWidget* Main;
  std::mt19937 Random;
  QStringList Recent;
  std::vector<QWidget*> Handling;
  int Done = 0;
  // The last try to end a window: a question it asks is answered "Да", as a user who
  // means to close it would.
  bool Insisting = false;
  class TWatchdog* Watchdog;
};
