// Sessions: the whole state saved to a ".resam" file and opened again, the recent files, and
// the last session, kept every minute while a signal is given and when the program ends.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "engine/KernelResponse.h"
#include "platform/CoreServices.h"
#include "platform/FileExtension.h"
#include "platform/Platform.h"
#include "platform/SafeSave.h"
#include "shell/ResamUnit.h"
#include "shell/SessionFile.h"
#include "shell/SessionHistory.h"
#include "sources/DiagramEditor.h"
#include "sources/LibUnit.h"
#include "sources/PolyGarmUnit.h"
#include "sources/TabEditor08Unit.h"

namespace {
using E = TResamEngine;
constexpr int KeepInterval = 60 * 1000;  // ms: a crash loses at most a minute
const QString DamagedStart = QStringLiteral("Файл сеанса повреждён: ");

TFileDialogOptions SessionDialog(bool save) {
  TFileDialogOptions options;
  options.Title = save ? QStringLiteral("Сохранить сеанс") : QStringLiteral("Открыть сеанс");
  options.Filter = QStringLiteral("Сеанс resam (*.resam)|*.resam");
  options.DefaultExt = QStringLiteral("resam");
  options.FileName = save ? QStringLiteral("Сеанс.resam") : QString();
  options.OverwritePrompt = save;
  return options;
}

bool SourceWindowExists(E::TSignalSource source) {
  switch (source) {
    case E::SourceEditor:
      return DiagramEditor;
    case E::SourceTable:
      return TabEditorForm;
    case E::SourceLibrary:
      return LibForm;
    case E::SourcePolyharmonic:
      return PolyGarmForm;
  }
  return false;
}
}  // namespace

void TResamForm::BuildSessionItems() {
  N1->addSeparator();
  SaveSessionItem = N1->addAction(QStringLiteral("Сохранить сеанс..."));
  OpenSessionItem = N1->addAction(QStringLiteral("Открыть сеанс..."));
  RecentSessionsMenu = N1->addMenu(QStringLiteral("Недавние сеансы"));
  LastSessionItem = N1->addAction(QStringLiteral("Последний сеанс"));
  SaveSessionItem->setEnabled(false);
  RecentSessionsMenu->menuAction()->setEnabled(false);
  LastSessionItem->setEnabled(false);
  connect(SaveSessionItem, &QAction::triggered, this, &TResamForm::SaveSessionClick);
  connect(OpenSessionItem, &QAction::triggered, this, &TResamForm::OpenSessionClick);
  connect(LastSessionItem, &QAction::triggered, this, &TResamForm::OpenLastSessionClick);
  // The recent list and the files are read when the menu opens, not when the window is made.
  connect(N1, &QMenu::aboutToShow, this, &TResamForm::ShowSessionItems);
}

void TResamForm::ShowSessionItems() {
  SaveSessionItem->setEnabled(Engine.SignalGiven());
  LastSessionItem->setEnabled(!PreviousSessionText.isEmpty());
  RecentSessionsMenu->clear();
  const QStringList recent = RecentSessions();
  for (int i = 0; i < recent.size(); ++i) {
    const QString path = recent[i];
    QString shown = QDir::toNativeSeparators(path);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QAction* item = RecentSessionsMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
    // A file gone from its place leaves the list; a damaged one stays, for the user to look at.
    connect(item, &QAction::triggered, this, [this, path] {
      if (!OpenSession(path) && !QFileInfo::exists(path)) ForgetSession(path);
    });
  }
  RecentSessionsMenu->menuAction()->setEnabled(!recent.isEmpty());
}

void TResamForm::SaveSessionClick() {
  if (!Engine.SignalGiven()) return;
  QString name;
  if (!Platform().SaveFileName(SessionDialog(true), name)) return;
  CorrectFileExtension(name, QStringLiteral(".resam"));
  const TSaveResult result = SaveFileSafely(name, SessionText(CaptureSession()));
  if (result == TSaveResult::Saved) {
    RememberSession(name);
    return;
  }
  Platform().Message((result == TSaveResult::CannotCreate
                          ? QStringLiteral("Сеанс не сохранён: не удаётся создать файл ")
                          : QStringLiteral("Сеанс не сохранён: не удаётся записать файл ")) +
                     name);
}

void TResamForm::OpenSessionClick() {
  QString name;
  if (Platform().OpenFileName(SessionDialog(false), name)) OpenSession(name);
}

void TResamForm::OpenLastSessionClick() {
  if (!PreviousSessionText.isEmpty()) OpenSessionText(PreviousSessionText);
}

bool TResamForm::OpenSession(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    Platform().Message(QStringLiteral("Не удаётся открыть файл ") + path);
    return false;
  }
  if (!OpenSessionText(file.read(MaxSessionFileSize + 1))) return false;
  RememberSession(path);
  return true;
}

bool TResamForm::OpenSessionText(const QByteArray& text) {
  TSession session;
  const QString fault = ReadSession(text, session);
  if (!fault.isEmpty()) Platform().Message(DamagedStart + fault);
  return fault.isEmpty() && ApplySession(session);
}

// Everything is checked before anything changes; then the source window takes its data, the
// menus and buttons their settings, and the engine rebuilds its state from the session.
bool TResamForm::ApplySession(const TSession& session) {
  const E::TSignalSource source = session.Engine.Source;
  std::string fault;
  if (!SourceWindowExists(source)) fault = "окна источника сигнала нет.";
  if (fault.empty()) fault = SessionFault(session, Engine, DiagramEditor ? DiagramEditor->GetCapacity() : 0);
  if (fault.empty() && source == E::SourceEditor && !DiagramEditor->AcceptsDrawing(session.Drawing))
    fault = "пределы рисунка «drawing.xmin» … «drawing.ymax» не может показать графический редактор.";
  if (!fault.empty()) {
    Platform().Message(DamagedStart + QString::fromStdString(fault));
    return false;
  }
  TWaitCursor wait;
  PutSourceData(session);
  ShowSessionSettings(session);
  TFourierAnalyser& module = Engine.SpectrumModule();
  const TSpectrumModuleSettings& m = session.SpectrumModule;
  if (m.Criterion == int(TWidthCriterion::Energy))
    module.SetEnergyCriterion();
  else if (m.Criterion == int(TWidthCriterion::Rectangle))
    module.SetRectCriterion();
  else
    module.SetAmpCriterion();
  module.SetAmpLevel(m.AmpLevel);
  module.SetEnergyPart(m.EnergyPart);
  const E::TChanges changes = Engine.Restore(session.Engine);
  ShowFrequencyCaptions();
  Show(changes);
  PageControl1->setCurrentIndex(session.Page);
  return true;
}

void TResamForm::PutSourceData(const TSession& session) {
  const E::TSignalSource source = session.Engine.Source;
  switch (source) {
    case E::SourceEditor:
      DressEditor();
      DiagramEditor->TakeDrawing(session.Drawing);
      break;
    case E::SourceTable:
      DressTableEditor();
      TabEditorForm->TakeValues(session.Table.data(), int(session.Table.size()));
      break;
    case E::SourceLibrary:
      LibForm->TakeParameters(session.Library);
      break;
    case E::SourcePolyharmonic:
      PolyGarmForm->TakeValues(session.Fragment);
      break;
  }
  TakeSourceInput(source);
}

// The menu items and tool buttons that show the settings; the engine's part is shown by Show.
void TResamForm::ShowSessionSettings(const TSession& session) {
  const E::TSettings& e = session.Engine;
  ShowMethodChoice(e.Method);
  (e.Unit == TFrequencyUnit::Circular ? N17 : N18)->setChecked(true);
  const std::pair<QAction*, QToolButton*> views[] = {
      {N27, SpeedButton6}, {N20, SpeedButton7}, {N21, SpeedButton8}, {N22, SpeedButton9}};
  views[int(e.View)].first->setChecked(true);
  views[int(e.View)].second->setChecked(true);
  (e.Step == KernelStepCoarse ? N110 : e.Step == KernelStepFine ? N310 : N210)->setChecked(true);
  (e.Detail == KernelDetailLow ? N42 : e.Detail == KernelDetailHigh ? N44 : N43)->setChecked(true);
  (e.AnchoredAtZero ? N9 : N10)->setChecked(true);
  SetInputMode(e.CountMode);
  const std::pair<QAction*, QToolButton*> switches[] = {{N24, SpeedButton3}, {N25, SpeedButton4}, {N26, SpeedButton5}};
  const bool shown[] = {session.ShowAnalog, session.ShowDiscrete, session.ShowInterpolated};
  for (size_t i = 0; i < std::size(switches); ++i) {
    switches[i].first->setChecked(shown[i]);
    switches[i].second->setChecked(shown[i]);
  }
  const QSignalBlocker quiet(ComboBoxLagr);
  ComboBoxLagr->setCurrentIndex(e.BasisCount - MinBasisCount);
}

// The table is taken as the engine holds it, the other sources' data from their windows,
// which keep what they handed over.
TSession TResamForm::CaptureSession() {
  TSession s;
  s.Engine = Engine.Settings();
  switch (s.Engine.Source) {
    case E::SourceEditor:
      if (DiagramEditor) s.Drawing = DiagramEditor->Drawing();
      break;
    case E::SourceTable:
      if (Engine.TableSignal.Values)
        s.Table.assign(Engine.TableSignal.Values, Engine.TableSignal.Values + std::max(Engine.TableSignal.Count, 0));
      break;
    case E::SourceLibrary:
      if (LibForm) s.Library = LibForm->Formulas().Parameters();
      break;
    case E::SourcePolyharmonic:
      if (PolyGarmForm) s.Fragment = PolyGarmForm->Values().GetValues();
      break;
  }
  const TFourierAnalyser& module = Engine.SpectrumModule();
  s.SpectrumModule = {module.GetCriterion(), module.GetAmpLevel(), module.GetEnergyPart()};
  s.ShowAnalog = N24->isChecked();
  s.ShowDiscrete = N25->isChecked();
  s.ShowInterpolated = N26->isChecked();
  s.Page = PageControl1->currentIndex();
  return s;
}

// The file is read first: "Последний сеанс" is the state of the last close (or of the last
// minute before a crash), not one this run has written since.
void TResamForm::KeepLastSession(const QString& path) {
  LastSessionFile = path;
  QFile previous(path);
  PreviousSessionText = previous.open(QIODevice::ReadOnly) ? previous.read(MaxSessionFileSize + 1) : QByteArray();
  if (!LastSessionTimer) {
    LastSessionTimer = new QTimer(this);
    LastSessionTimer->setInterval(KeepInterval);
    connect(LastSessionTimer, &QTimer::timeout, this, &TResamForm::SaveLastSession);
  }
  LastSessionTimer->start();
}

// Quietly: a message every minute would stand in the user's way. Not while a window of the
// program runs modally: a source window may hold a signal half changed.
void TResamForm::SaveLastSession() {
  if (LastSessionFile.isEmpty() || !Engine.SignalGiven() || QApplication::activeModalWidget()) return;
  const QByteArray text = SessionText(CaptureSession());
  if (text == LastSessionText) return;
  QDir().mkpath(QFileInfo(LastSessionFile).absolutePath());
  if (SaveFileSafely(LastSessionFile, text) == TSaveResult::Saved) LastSessionText = text;
}
