// Takes the README's pictures of the real program: each source window with a signal in it,
// then the main window's tabs with that signal (the square fragment also through a filter), and
// the program in English.
// The windows are driven as a user would, from inside their modal runs, and each picture is
// the window's own rendering (QWidget::grab).
// Usage: resam_screenshots <folder>; run under a 1600x1000 screen (scripts/screenshots).
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <cmath>
#include <cstdio>
#include <functional>

#include "plotting/Diagram.h"
#include "shell/ResamStartUp.h"
#include "shell/ResamUnit.h"
#include "sources/DiagramEditor.h"
#include "sources/LibUnit.h"
#include "sources/PolyGarmUnit.h"
#include "sources/TabEditor08Unit.h"
#include "sources/TableGrid.h"
#include "studies/ListeningWindow.h"
#include "studies/PreFilterUnit.h"
#include "widgets/DecimalEditUnit.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/EditIntUnit.h"

namespace {
QString Folder;
int Failures = 0;

// Lets pending layouts, paints and timers run.
void Settle() {
  for (int i = 0; i < 5; ++i) {
    QApplication::processEvents();
    QThread::msleep(20);
  }
}

void Shoot(QWidget* window, const QString& name) {
  Settle();
  const QString path = QDir(Folder).filePath(name + QStringLiteral(".png"));
  if (!window->grab().save(path)) {
    std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    ++Failures;
    return;
  }
  std::printf("%s\n", qPrintable(path));
}

// Clicks the command's button; once its window is up, act runs inside it.
void RunModal(QAbstractButton* command, const std::function<void()>& act) {
  QTimer::singleShot(0, act);
  command->click();
}

void ClickAt(TDiagram& d, double x, double y) {
  const QPointF at(d.MathToPhisX(x), d.MathToPhisY(y));
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, d.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&d, &event);
  }
}

void GiveFragment(TResamForm& form) {
  RunModal(form.SpeedButton18, [] {
    PolyGarmForm->Button3->click();  // "Прямоугольный"
    Shoot(PolyGarmForm, QStringLiteral("fragment"));
    PolyGarmForm->Button1->click();
  });
}

void GiveLibrarySignal(TResamForm& form) {
  RunModal(form.SpeedButton11, [] {
    TLibForm& lib = *LibForm;
    lib.ComboBoxF->setCurrentIndex(4);
    lib.ComboBoxFChange(4);  // "Экспоненциальные чётно-симметричные"
    lib.ComboBoxK->setCurrentIndex(2);
    lib.ComboBoxKChange(2);
    // As typed: only an edited box is read on Enter.
    lib.EditTay->setText(QStringLiteral("3"));
    lib.EditTay->setModified(true);
    lib.EditTayKeyEnter();
    Shoot(&lib, QStringLiteral("library"));
    lib.SpeedButton3->click();  // "Выбрать сигнал"
  });
}

void GiveTable(TResamForm& form) {
  RunModal(form.SpeedButton2, [] {
    TTabEditorForm& editor = *TabEditorForm;
    editor.SpeedButton2Click();
    // A damped oscillation, rounded as one would type it.
    for (int k = 0; k < 24; ++k) {
      int col = 0, row = 0;
      TTabEditorForm::IndexToCell(k, col, row);
      const double value = std::round(100 * std::exp(-0.12 * k) * std::cos(0.7 * k)) / 100;
      editor.StringGrid1->SetCell(col, row, QLocale().toString(value));
    }
    Shoot(&editor, QStringLiteral("table"));
    editor.SpeedButton1->click();  // "Обработать данные"
  });
}

void GiveDrawing(TResamForm& form) {
  RunModal(form.SpeedButton1, [] {
    TDiagramEditor& e = *DiagramEditor;
    Settle();
    const double points[][2] = {{1.5, 0}, {2.5, 0.3}, {3.2, 0.9}, {4, 0.6}, {4.8, -0.4}, {5.6, 0.2}, {6.5, 0}};
    for (const auto& p : points) ClickAt(*e.Diagram1, p[0], p[1]);
    Shoot(&e, QStringLiteral("editor"));
    e.SpeedButtonInput->click();  // "Обработать график"
  });
}

// The filter window set as a user sets it (a cut-off of 0 follows fd/2), applied and closed.
void ApplyFilter(TResamForm& form, int kind, int order, double cutoff) {
  QTimer::singleShot(0, [&form, kind, order, cutoff] {
    TPreFilterForm& w = *form.FilterForm;
    w.RadioKind[kind]->click();
    w.EditIntOrder->SetVal(order);
    (cutoff > 0 ? w.RadioFixed : w.RadioFollowFd)->click();
    if (cutoff > 0) w.EditFloatCutoff->SetVal(cutoff);
    w.ButtonApply->click();
    w.ButtonClose->click();
  });
  form.FilterItem->trigger();
}

// The square fragment at N = 8 through a Butterworth filter of order 4 cut off at 3,5 Hz:
// the signal tab with the filtered signal, the spectrum tab with |H|, the panel's line on both.
void ShootFilter(TResamForm& form) {
  form.EditN->SetVal(8);
  form.EditNExit();
  ApplyFilter(form, 2, 4, 3.5);
  form.PageControl1->setCurrentIndex(0);
  Shoot(&form, QStringLiteral("filter-signal"));
  form.PageControl1->setCurrentIndex(1);
  Shoot(&form, QStringLiteral("filter-spectrum"));
  ApplyFilter(form, 0, 4, 0);
  form.PageControl1->setCurrentIndex(0);
}

// The signal and the spectrum tabs for the signal just given.
void ShootTabs(TResamForm& form, const QString& source) {
  if (!form.Engine.SignalGiven()) {
    std::fprintf(stderr, "no signal came from the %s\n", qPrintable(source));
    ++Failures;
    return;
  }
  form.PageControl1->setCurrentIndex(0);
  Shoot(&form, QStringLiteral("signal-") + source);
  form.PageControl1->setCurrentIndex(1);
  Shoot(&form, QStringLiteral("spectrum-") + source);
  form.PageControl1->setCurrentIndex(0);
}
// The library's signal again, in English: the signal tab and the comparison of the methods.
void ShootEnglish(TResamForm& form) {
  form.N31->trigger();
  GiveLibrarySignal(form);
  form.EnglishItem->trigger();
  form.ComparisonItem->trigger();
  form.PageControl1->setCurrentIndex(0);
  Shoot(&form, QStringLiteral("english-signal"));
  form.PageControl1->setCurrentWidget(form.TabSheetComparison);
  Shoot(&form, QStringLiteral("english-comparison"));
  form.ComparisonItem->trigger();
  form.RussianItem->trigger();
}
}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  Folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
  QDir().mkpath(Folder);
  SetUpApplication();
  const TDesktopServices services;

  // The program as it starts.
  const TResamWindows windows;
  TResamForm& form = windows.Main();
  ShowMainWindow(form);
  Settle();

  GiveFragment(form);
  ShootTabs(form, QStringLiteral("fragment"));
  form.ListeningItem->trigger();
  Shoot(form.Listening, QStringLiteral("listening"));
  form.Listening->close();
  form.PageControl1->setCurrentIndex(2);
  Shoot(&form, QStringLiteral("kernel"));
  ShootFilter(form);
  GiveLibrarySignal(form);
  ShootTabs(form, QStringLiteral("library"));
  GiveTable(form);
  ShootTabs(form, QStringLiteral("table"));
  GiveDrawing(form);
  ShootTabs(form, QStringLiteral("drawing"));
  form.N33->trigger();  // the Lagrange polynomial offers the basis-function tab
  form.PageControl1->setCurrentIndex(3);
  form.ComboBoxLagr->setCurrentIndex(3);  // five nodes
  Shoot(&form, QStringLiteral("basis"));
  ShootEnglish(form);
  return Failures == 0 ? 0 : 1;
}
