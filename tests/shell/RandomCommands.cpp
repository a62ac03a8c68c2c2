#include "RandomCommands.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <utility>

#include "ScriptedPlatform.h"
#include "numerics/Keeper.h"
#include "plotting/Diagram.h"

namespace {
constexpr int HangSeconds = 120;  // one command under the sanitizers, the slowest machine included
constexpr int RecentKept = 25;    // commands shown with a fault
constexpr int ModalTickMs = 10;
constexpr int MaxModalCommands = 6;
constexpr int EndAttempts = 3;
constexpr int KeeperChainGuard = 64;

// Everything a user might type, weighted towards what the checks care about.
const char* const FixedTexts[] = {"0",           "1",      "2",    "10",     "50",        "51",     "500",    "501",
                                  "-3",          "0,5",    "1.25", "-0,001", "3,14159",   "1e308",  "1e309",  "-1e400",
                                  "99999999999", "1e-320", "",     " ",      "abc",       "1,2,3",  "--1",    "nan",
                                  "inf",         "-inf",   "1e",   "+",      "0,0000001", "100000", "-100000"};
constexpr char RandomChars[] = "0123456789,.-+eE ";

const QRegularExpression NotANumber(QStringLiteral("(?<![A-Za-z])(-?nan|inf|infinity)(?![A-Za-z])"),
                                    QRegularExpression::CaseInsensitiveOption);

template <class T>
std::vector<T*> Usable(QWidget* window) {
  std::vector<T*> items;
  for (T* w : window->findChildren<T*>())
    if (w->window() == window && w->isVisible() && w->isEnabled()) items.push_back(w);
  return items;
}

bool Finite(double a, double b) { return std::isfinite(a) && std::isfinite(b); }

QString KeeperFault(const TKeeper* k) {
  if (Finite(k->GetXmin(), k->GetXmax()) && Finite(k->GetYmin(), k->GetYmax())) return QString();
  return QStringLiteral("a series range is not finite (x %1 .. %2, y %3 .. %4)")
      .arg(k->GetXmin())
      .arg(k->GetXmax())
      .arg(k->GetYmin())
      .arg(k->GetYmax());
}

QString DiagramFault(TDiagram* d) {
  if (!Finite(d->GetXmin(), d->GetXmax()) || !Finite(d->GetYmin(), d->GetYmax()))
    return QStringLiteral("the range of diagram \"%1\" is not finite").arg(d->GetNameDiagram());
  for (int i = 0; i < d->GetKeeperListLength(); ++i) {
    const TKeeper* k = d->GetKeeper(static_cast<unsigned char>(i));
    for (int step = 0; k && step < KeeperChainGuard; ++step, k = k->GetNext())
      if (QString f = KeeperFault(k); !f.isEmpty())
        return f + QStringLiteral(" in series %1 of diagram \"%2\"").arg(i).arg(d->GetNameDiagram());
  }
  return QString();
}
}  // namespace

// Stops the process when one command runs longer than the hang limit: a loop that never
// ends cannot be interrupted from its own thread.
class TWatchdog {
 public:
  TWatchdog() : Thread([this] { Watch(); }) {}
  ~TWatchdog() {
    {
      std::lock_guard lock(Mutex);
      Stop = true;
    }
    Wake.notify_all();
    Thread.join();
  }
  void Started() {
    std::lock_guard lock(Mutex);
    Since = std::chrono::steady_clock::now();
    Busy = true;
  }
  void Logged(const QString& log) {
    std::lock_guard lock(Mutex);
    Recent = log.toStdString();
  }
  void Finished() {
    std::lock_guard lock(Mutex);
    Busy = false;
  }

 private:
  void Watch() {
    std::unique_lock lock(Mutex);
    while (!Stop) {
      Wake.wait_for(lock, std::chrono::seconds(1));
      if (Busy && std::chrono::steady_clock::now() - Since > std::chrono::seconds(HangSeconds)) {
        std::fprintf(stderr, "random commands: a command has run for %d s; the last commands:\n%s\n", HangSeconds,
                     Recent.c_str());
        std::abort();
      }
    }
  }
  std::mutex Mutex;
  std::condition_variable Wake;
  bool Stop = false, Busy = false;
  std::chrono::steady_clock::time_point Since;
  std::string Recent;
  std::thread Thread;
};

namespace {
QTemporaryDir& Files() {
  static QTemporaryDir dir;
  return dir;
}
QString FirstFault;
QHash<QWidget*, int> EndTries;
}  // namespace

TRandomRun::TRandomRun(QWidget* main, uint32_t seed) : Main(main), Random(seed), Watchdog(new TWatchdog) {
  FirstFault.clear();
  auto* tick = new QTimer(main);
  tick->setObjectName(QStringLiteral("RandomRunModalTick"));
  tick->setInterval(ModalTickMs);
  QObject::connect(tick, &QTimer::timeout, [this] { HandleModal(); });
  tick->start();
}

TRandomRun::~TRandomRun() {
  delete Main->findChild<QTimer*>(QStringLiteral("RandomRunModalTick"));
  delete Watchdog;
}

QString TRandomRun::Run(int count) {
  Main->show();
  while (Done < count && FirstFault.isEmpty()) Command(Main);
  return FirstFault;
}

template <class T>
T* TRandomRun::Pick(const std::vector<T*>& items) {
  if (items.empty()) return nullptr;
  return items[std::uniform_int_distribution<size_t>(0, items.size() - 1)(Random)];
}

void TRandomRun::Log(const QString& what) {
  Recent << QStringLiteral("%1: %2").arg(Done).arg(what);
  static const bool verbose = qEnvironmentVariableIsSet("RESAM_RANDOM_VERBOSE");
  if (verbose) std::fprintf(stderr, "%s\n", qPrintable(Recent.last()));
  while (Recent.size() > RecentKept) Recent.removeFirst();
  Watchdog->Logged(Recent.join(QLatin1Char('\n')));
}

void TRandomRun::Command(QWidget* window) {
  using TCommand = void (TRandomRun::*)(QWidget*);
  // Weights by repetition: buttons and edits are what a user does most.
  static const TCommand Commands[] = {
      &TRandomRun::TriggerAction,   &TRandomRun::TriggerAction,   &TRandomRun::ClickButton,
      &TRandomRun::ClickButton,     &TRandomRun::ClickButton,     &TRandomRun::TypeText,
      &TRandomRun::TypeText,        &TRandomRun::ChangeTab,       &TRandomRun::ChangeCombo,
      &TRandomRun::MoveOverDiagram, &TRandomRun::MoveOverDiagram, &TRandomRun::ResizeWindow};
  const TCommand command = Commands[std::uniform_int_distribution<size_t>(0, std::size(Commands) - 1)(Random)];
  ++Done;
  AnswerDialogs();
  Watchdog->Started();
  (this->*command)(window);
  QApplication::processEvents();
  Watchdog->Finished();
  if (FirstFault.isEmpty()) {
    const QString fault = Check();
    if (!fault.isEmpty()) FirstFault = Fault(fault);
  }
  // Between commands of the main window nothing is computing: the hourglass must be gone.
  // (A cross over a diagram's net is the diagram's own and stays while the mouse is there.)
  if (Handling.empty()) {
    if (FirstFault.isEmpty() && Scripted().CursorStack.contains(Qt::WaitCursor))
      FirstFault = Fault(QStringLiteral("the hourglass stayed after the command"));
    Scripted().DropAnswers();
    Scripted().Messages.clear();
  }
}

void TRandomRun::TriggerAction(QWidget* window) {
  std::vector<QAction*> actions;
  for (QAction* a : window->findChildren<QAction*>())
    if (a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu() && !a->text().isEmpty() &&
        // ending the program ends the run, in either language the run has chosen
        !(window == Main && a->text().contains(QCoreApplication::translate("TResamForm", "Выход"))))
      actions.push_back(a);
  if (QAction* a = Pick(actions)) {
    Log(QStringLiteral("menu item \"%1\"").arg(a->text()));
    a->trigger();
  }
}

void TRandomRun::ClickButton(QWidget* window) {
  if (QAbstractButton* b = Pick(Usable<QAbstractButton>(window))) {
    Log(QStringLiteral("click %1 \"%2\"")
            .arg(b->metaObject()->className(), b->text().isEmpty() ? b->accessibleName() : b->text()));
    QTest::mouseClick(b, Qt::LeftButton);
  }
}

QString TRandomRun::RandomText() {
  if (Random() % 3) return QString::fromUtf8(FixedTexts[Random() % std::size(FixedTexts)]);
  QString text;
  for (int n = int(Random() % 9); n > 0; --n) text += QLatin1Char(RandomChars[Random() % (sizeof RandomChars - 1)]);
  return text;
}

void TRandomRun::TypeText(QWidget* window) {
  std::vector<QLineEdit*> edits;
  for (QLineEdit* e : Usable<QLineEdit>(window))
    if (!e->isReadOnly()) edits.push_back(e);
  QLineEdit* edit = Pick(edits);
  if (!edit) {
    if (QTableWidget* table = Pick(Usable<QTableWidget>(window)); table && table->rowCount() && table->columnCount()) {
      const int row = int(Random() % table->rowCount()), col = int(Random() % table->columnCount());
      const QString text = RandomText();
      Log(QStringLiteral("cell %1,%2 := \"%3\"").arg(col).arg(row).arg(text));
      if (!table->item(row, col)) table->setItem(row, col, new QTableWidgetItem);
      table->item(row, col)->setText(text);
    }
    return;
  }
  const QString text = RandomText();
  const bool typed = Random() % 2;
  const bool byEnter = Random() % 2;
  Log(QStringLiteral("%1 \"%2\" into %3 \"%4\", then %5")
          .arg(typed ? "type" : "paste", text, edit->metaObject()->className(), edit->accessibleName(),
               byEnter ? "Enter" : "leave"));
  window->activateWindow();
  edit->setFocus();
  if (typed) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
  } else {
    edit->setText(text);
  }
  if (byEnter)
    QTest::keyClick(edit, Qt::Key_Return);
  else
    edit->clearFocus();
}

void TRandomRun::ChangeTab(QWidget* window) {
  QTabWidget* tabs = Pick(Usable<QTabWidget>(window));
  if (!tabs || tabs->count() == 0) return;
  const int index = int(Random() % tabs->count());
  if (!tabs->isTabVisible(index) || !tabs->isTabEnabled(index)) return;
  Log(QStringLiteral("tab \"%1\"").arg(tabs->tabText(index)));
  tabs->setCurrentIndex(index);
}

void TRandomRun::ChangeCombo(QWidget* window) {
  if (QComboBox* combo = Pick(Usable<QComboBox>(window))) {
    const bool down = Random() % 2;
    Log(QStringLiteral("list \"%1\" %2").arg(combo->accessibleName(), down ? "down" : "up"));
    QTest::keyClick(combo, down ? Qt::Key_Down : Qt::Key_Up);
  }
}

void TRandomRun::MoveOverDiagram(QWidget* window) {
  TDiagram* d = Pick(Usable<TDiagram>(window));
  if (!d || d->width() < 2 || d->height() < 2) return;
  const QPoint at(int(Random() % d->width()), int(Random() % d->height()));
  const bool click = Random() % 4 == 0;
  Log(QStringLiteral("mouse %1 diagram \"%2\" at %3,%4")
          .arg(click ? "click on" : "over", d->GetNameDiagram())
          .arg(at.x())
          .arg(at.y()));
  QTest::mouseMove(d, at);
  if (click) QTest::mouseClick(d, Qt::LeftButton, Qt::NoModifier, at);
}

void TRandomRun::ResizeWindow(QWidget* window) {
  if (window != Main) return;
  const QSize size(600 + int(Random() % 1000), 400 + int(Random() % 600));
  Log(QStringLiteral("window size %1x%2").arg(size.width()).arg(size.height()));
  window->resize(size);
}

// Answers every file dialog and question the next command may bring up: files in a
// folder of the run's own (saved ones are loaded again later), a cancel, a yes or a no.
void TRandomRun::AnswerDialogs() {
  static const char* const Names[] = {"signal.dkr", "table.tbl",   "table.inp", "picture.bmp",
                                      "export.xls", "missing.tbl", "signal"};
  for (int i = 0; i < 4; ++i) {
    Scripted().AnswerQuestion(Random() % 2);
    if (Random() % 4 == 0)
      Scripted().CancelFile();
    else
      Scripted().AnswerFile(Files().filePath(QString::fromLatin1(Names[Random() % std::size(Names)])));
  }
}

// Runs inside the event loop of a window shown modally: a few commands, then its end.
void TRandomRun::HandleModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || std::find(Handling.begin(), Handling.end(), modal) != Handling.end()) return;
  Handling.push_back(modal);
  Log(QStringLiteral("window \"%1\" opens").arg(modal->windowTitle()));
  // A timer is not fired again while its own handler runs, so a window this one opens
  // needs a timer of its own.
  QTimer nested;
  nested.setInterval(ModalTickMs);
  QObject::connect(&nested, &QTimer::timeout, [this] { HandleModal(); });
  nested.start();
  if (std::exchange(Insisting, false)) AnswerYes(modal);
  const int commands = FirstFault.isEmpty() ? int(Random() % (MaxModalCommands + 1)) : 0;
  for (int i = 0; i < commands && modal->isVisible(); ++i) Command(modal);
  if (modal->isVisible()) EndModal(modal);
  Handling.pop_back();
}

void TRandomRun::AnswerYes(QWidget* question) {
  for (QAbstractButton* button : question->findChildren<QAbstractButton*>()) {
    if (button->text() != QStringLiteral("Да") || !button->isVisible()) continue;
    Log(QStringLiteral("answer \"Да\" to \"%1\"").arg(question->windowTitle()));
    button->click();
    return;
  }
}

// Escape first (some windows keep it from throwing edits away), then the title bar's close.
void TRandomRun::EndModal(QWidget* modal) {
  Insisting = EndTries.value(modal) + 1 >= EndAttempts;
  const bool escape = Random() % 2;
  Log(QStringLiteral("window \"%1\" ended by %2").arg(modal->windowTitle(), escape ? "Escape" : "closing"));
  if (escape) QTest::keyClick(modal, Qt::Key_Escape);
  if (modal->isVisible()) modal->close();
  Insisting = false;
  if (!modal->isVisible()) {
    EndTries.remove(modal);
    return;
  }
  if (++EndTries[modal] < EndAttempts) return;
  // Not a user's way: the window refused every way of ending it; the run must go on.
  if (FirstFault.isEmpty())
    FirstFault = Fault(QStringLiteral("window \"%1\" cannot be closed").arg(modal->windowTitle()));
  if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
  modal->hide();
  EndTries.remove(modal);
}

QString TRandomRun::Check() const {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (!top->isVisible()) continue;
    for (QLabel* l : top->findChildren<QLabel*>())
      if (l->isVisible() && NotANumber.match(l->text()).hasMatch())
        return QStringLiteral("label shows \"%1\"").arg(l->text());
    for (TDiagram* d : top->findChildren<TDiagram*>())
      if (QString f = DiagramFault(d); !f.isEmpty()) return f;
  }
  return QString();
}

QString TRandomRun::Fault(const QString& what) const {
  return QStringLiteral("after command %1: %2\nlast commands:\n%3").arg(Done).arg(what, Recent.join(QLatin1Char('\n')));
}
