// Sessions: the window's part. It captures its state as a session and applies one; the files,
// their dialogs and messages, the recent list and the last session are sessions/' own.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "engine/KernelResponse.h"
#include "platform/CoreServices.h"
#include "sessions/LastSessionKeeper.h"
#include "sessions/SessionCommands.h"
#include "sessions/SessionFile.h"
#include "sessions/SessionHistory.h"
#include "shell/ResamUnit.h"
#include "sources/DiagramEditor.h"
#include "sources/LibUnit.h"
#include "sources/PolyGarmUnit.h"
#include "sources/RecordingUnit.h"
#include "sources/TabEditor08Unit.h"
#include "studies/ListeningWindow.h"
#include "studies/TermsView.h"
#include "widgets/TranslatedTexts.h"

namespace {
using E = TResamEngine;

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
    case E::SourceRecording:
      return RecordingForm;
  }
  return false;
}
}  // namespace

void TResamForm::BuildSessionItems() {
  N1->addSeparator();
  SaveSessionItem = AddTranslatedItem(N1, TextContext, QT_TR_NOOP("Сохранить сеанс..."));
  OpenSessionItem = AddTranslatedItem(N1, TextContext, QT_TR_NOOP("Открыть сеанс..."));
  RecentSessionsMenu = AddTranslatedMenu(N1, TextContext, QT_TR_NOOP("Недавние сеансы"));
  LastSessionItem = AddTranslatedItem(N1, TextContext, QT_TR_NOOP("Последний сеанс"));
  SaveSessionItem->setEnabled(false);
  RecentSessionsMenu->menuAction()->setEnabled(false);
  LastSessionItem->setEnabled(false);
  connect(SaveSessionItem, &QAction::triggered, this, &TResamForm::SaveSessionClick);
  connect(OpenSessionItem, &QAction::triggered, this, &TResamForm::OpenSessionClick);
  connect(LastSessionItem, &QAction::triggered, this, &TResamForm::OpenLastSessionClick);
  // The recent list and the files are read when the menu opens, not when the window is made.
  connect(N1, &QMenu::aboutToShow, this, &TResamForm::ShowSessionItems);
  LastSession = new TLastSessionKeeper(
      this, [this] { return Engine.SignalGiven() ? SessionText(CaptureSession()) : QByteArray(); });
}

void TResamForm::ShowSessionItems() {
  SaveSessionItem->setEnabled(Engine.SignalGiven());
  LastSessionItem->setEnabled(!LastSession->PreviousText().isEmpty());
  ListRecentSessions(RecentSessionsMenu, [this](const QString& path) { return OpenSession(path); });
}

void TResamForm::SaveSessionClick() {
  if (!Engine.SignalGiven()) return;
  QString name;
  if (AskSessionToSave(name)) WriteSessionFile(name, SessionText(CaptureSession()));
}

void TResamForm::OpenSessionClick() {
  QString name;
  if (AskSessionToOpen(name)) OpenSession(name);
}

void TResamForm::OpenLastSessionClick() {
  if (!LastSession->PreviousText().isEmpty()) OpenSessionText(LastSession->PreviousText());
}

bool TResamForm::OpenSession(const QString& path) {
  QByteArray text;
  if (!ReadSessionFile(path, text) || !OpenSessionText(text)) return false;
  RememberSession(path);
  return true;
}

bool TResamForm::OpenSessionText(const QByteArray& text) {
  TSession session;
  return ReadSessionText(text, session) && ApplySession(session);
}

// Everything is checked before anything changes; then the source window takes its data, the
// menus and buttons their settings, and the engine rebuilds its state from the session.
bool TResamForm::ApplySession(const TSession& session) {
  const E::TSignalSource source = session.Engine.Source;
  TMessage fault;
  if (!SourceWindowExists(source)) fault = RESAM_MESSAGE("TResamForm", "окна источника сигнала нет.");
  if (fault.Empty()) fault = SessionFault(session, Engine, DiagramEditor ? DiagramEditor->GetCapacity() : 0);
  if (fault.Empty() && source == E::SourceEditor && !DiagramEditor->AcceptsDrawing(session.Drawing))
    fault = RESAM_MESSAGE("TResamForm",
                          "пределы рисунка «drawing.xmin» … «drawing.ymax» не может показать графический редактор.");
  if (!fault.Empty()) {
    ReportDamagedSession(fault);
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
  E::TChanges changes = session.Studies ? Engine.TakeStudies(session.Studies->Engine) : E::ChangeNone;
  changes |= Engine.Restore(session.Engine);
  ShowFrequencyCaptions();
  Show(changes);
  if (session.Studies) ShowSessionStudies(*session.Studies);
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
    case E::SourceRecording:
      RecordingForm->TakeFragment(session.Recording);
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

// The engine has taken its studies; the items and windows that show them follow.
void TResamForm::ShowSessionStudies(const TSessionStudies& studies) {
  TwinItem->setChecked(studies.Engine.Twin);
  ExactSamplesItem->setChecked(studies.Engine.ExactSamples);
  Terms->Item->setChecked(studies.Terms);
  ComparisonItem->setChecked(studies.Comparison);
  if (Listening)
    Listening->SetSettings(studies.Listening);
  else
    ListeningKept = studies.Listening;
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
    case E::SourceRecording:
      if (RecordingForm) s.Recording = RecordingForm->Fragment();
      break;
  }
  const TFourierAnalyser& module = Engine.SpectrumModule();
  s.SpectrumModule = {module.GetCriterion(), module.GetAmpLevel(), module.GetEnergyPart()};
  s.ShowAnalog = N24->isChecked();
  s.ShowDiscrete = N25->isChecked();
  s.ShowInterpolated = N26->isChecked();
  s.Page = PageControl1->currentIndex();
  s.Studies = TSessionStudies{Engine.Studies(), Terms->Item->isChecked(), ComparisonItem->isChecked(),
                              Listening ? Listening->Settings() : ListeningKept};
  return s;
}

void TResamForm::KeepLastSession(const QString& path) { LastSession->Keep(path); }

void TResamForm::SaveLastSession() { LastSession->Save(); }
