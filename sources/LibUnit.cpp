// The library's behaviour: redrawing, reading the two typed parameters, choosing and
// stepping through the signals, selecting one and returning to it on every closing.
// The controls are built in LibLayout.cpp, the picture copy lives in LibPrintLook.cpp.
#include "sources/LibUnit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPalette>
#include <QSignalBlocker>
#include <QToolButton>

#include "plotting/Diagram.h"
#include "plotting/DiagramIncreaseUnit.h"
#include "widgets/Comfun.h"
#include "widgets/DecimalEditUnit.h"
#include "widgets/ToolWindow.h"

TLibForm* LibForm = nullptr;

namespace {
constexpr int SignalCount = 5;
constexpr int SpectrumCount = 200;
// The spectrum diagram shows [-2 f1, 2 f1] and scrolls to +-(f2 - f1), f2 = 15 f1.
constexpr double SpectrumSpan = 15;
constexpr double SpectrumHeadroom = 1.25;

void SetIndexQuietly(QComboBox* box, int index) {
  const QSignalBlocker quiet(box);
  box->setCurrentIndex(index);
}
}  // namespace

void TLibForm::Redraw() {
  ShowParameterLabels();
  ReadTau();
  ReadV0();
  Lib.Normalise();
  ShowSignal();
  ShowSpectrum(Lib.GetSpectrumFunction());
}

void TLibForm::ShowParameterLabels() {
  LabelK->setText(QStringLiteral("k = ") + QString::number(Lib.GetK()));
  LabelL->setText(QStringLiteral("l = ") + QString::number(Lib.GetL()));
  LabelM->setText(QStringLiteral("m = ") + QString::number(Lib.GetM()));
}

// One repaint per diagram: the keeper and both ranges are set with the lines switched off.
void TLibForm::ShowSignal() {
  const TLibSignalView view = Lib.SignalView();
  TDiagram& d = *DiagramSignal;
  const TDiagram::TOnePaint once(d);
  d.EnableLine(false);
  d.GetKeeper(0)->SetFunction(Lib.GetSignalFunction(), SignalCount, 2 * view.Xmin, 2 * view.Xmax);
  d.SetRangeX(view.Xmin, view.Xmax);
  d.SetRangeY(view.Ymin, view.Ymax);
  d.EnableLine(true);
  d.ShowDiagram();
  PlaceToolPanel(PanelSignal, DiagramSignal);
}

void TLibForm::ShowSpectrum(TRealFunction spectrum) {
  const double f1 = Lib.SpectrumBand(), f2 = SpectrumSpan * f1;
  TDiagram& d = *DiagramSpectr;
  const TDiagram::TOnePaint once(d);
  d.EnableLine(false);
  TKeeper* keeper = d.GetKeeper(0);
  keeper->SetFunction(spectrum, SpectrumCount, -f2, f2);
  d.SetRangeY(0, SpectrumHeadroom * keeper->GetYmax());
  // Both limits at once: one end at a time could cross the other end of the old limits.
  d.SetLimitX(-(f2 - f1), f2 - f1);
  d.SetRangeX(-2 * f1, 2 * f1);
  d.EnableLine(true);
  d.ShowDiagram();
  PlaceToolPanel(PanelSpectr, DiagramSpectr);
}

void TLibForm::ReadTau() { ReadParameter(EditTay, &TLibFormulas::GetTau, &TLibFormulas::SetTau); }

void TLibForm::ReadV0() { ReadParameter(EditV0, &TLibFormulas::GetV0, &TLibFormulas::SetV0); }

// An empty edit shows the value again; an unreadable text counts as 0 and so becomes the
// least value; a text that reads as the current value is left as typed.
void TLibForm::ReadParameter(TDecimalEdit* edit, double (TLibFormulas::*get)() const,
                             double (TLibFormulas::*set)(double)) {
  if (edit->text().isEmpty()) {
    edit->setText(FloatToText((Lib.*get)()));
    edit->repaint();
    return;
  }
  double value = 0;
  TextToDouble(edit->text(), value);
  if (value == (Lib.*get)()) return;
  edit->setText(FloatToText((Lib.*set)(value)));
  edit->repaint();
}

void TLibForm::SelectFamily(int n) {
  if (n < 1 || n > LibFamilyCount) return;
  SetIndexQuietly(ComboBoxF, n - 1);
  Lib.SelectFamily(n);
  // Coming back from the Gaussian family resets k, l and m.
  SetComboBoxes();
  ShowFamilyControls();
}

void TLibForm::SetComboBoxes() {
  SetIndexQuietly(ComboBoxF, Lib.GetFamily() - 1);
  SetIndexQuietly(ComboBoxK, Lib.GetK());
  SetIndexQuietly(ComboBoxL, Lib.GetL() - LibMinL);
  SetIndexQuietly(ComboBoxM, Lib.GetM());
}

// A list the family does not use is disabled and takes the button face's colour.
void TLibForm::ShowFamilyControls() {
  const int family = Lib.GetFamily();
  const bool usesL = TLibFormulas::UsesL(family), usesM = TLibFormulas::UsesM(family);
  for (auto [box, used] : {std::pair{ComboBoxL, usesL}, std::pair{ComboBoxM, usesM}}) {
    box->setEnabled(used);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, QApplication::palette().color(used ? QPalette::Base : QPalette::Button));
    box->setPalette(palette);
  }
  LabelL->setVisible(usesL);
  LabelM->setVisible(usesM);
  for (int i = 0; i < LibFamilyCount; ++i) Images[i]->setVisible(i == family - 1);
  const bool decayWidth = TLibFormulas::TauIsDecayWidth(family);
  ImageTi->setVisible(!decayWidth);
  ImageTi001->setVisible(decayWidth);
}

void TLibForm::StepSignal(int a) {
  Lib.StepSignal(a);
  SetComboBoxes();
  ShowFamilyControls();
  Redraw();
}

void TLibForm::Execute() {
  if (isVisible()) hide();
  exec();
}

void TLibForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TLibForm::FormShow() {
  CoverAvailableArea(this);
  KeepMaximized(this);
  Lib.BeginShow();
  Redraw();
}

void TLibForm::SelectSignalClick() {
  ReadTau();
  ReadV0();
  Lib.Accept();
  close();
}

void TLibForm::CloseClick() { close(); }

// Every way of closing (the commands, Esc, the window's cross) ends here.
void TLibForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TLibForm::TakeParameters(const TLibParameters& parameters) {
  Lib.SetParameters(parameters);
  Lib.Accept();
  FormClose();
}

void TLibForm::FormClose() {
  Lib.RestoreAccepted();
  SetComboBoxes();
  ShowFamilyControls();
  EditTay->setText(FloatToText(Lib.GetTau()));
  EditV0->setText(FloatToText(Lib.GetV0()));
  Redraw();
}

void TLibForm::NextClick() { StepSignal(+1); }

void TLibForm::PreviousClick() { StepSignal(-1); }

void TLibForm::ComboBoxFChange(int index) {
  SelectFamily(index + 1);
  Redraw();
}

void TLibForm::ComboBoxKChange(int index) {
  Lib.SetK(index);
  Redraw();
}

void TLibForm::ComboBoxLChange(int index) {
  Lib.SetL(index + LibMinL);
  Redraw();
}

void TLibForm::ComboBoxMChange(int index) {
  Lib.SetM(index);
  Redraw();
}

// Enter without a change to tau is swallowed; Enter in the V0 edit always redraws.
void TLibForm::EditTayKeyEnter() {
  if (!EditTay->isModified()) return;
  Redraw();
  EditTay->setModified(false);
}

void TLibForm::EditV0KeyEnter() {
  Redraw();
  EditV0->setModified(false);
}

void TLibForm::EditExit() { CommitEdits(); }

void TLibForm::CommitEdits() {
  for (TDecimalEdit* edit : {EditTay, EditV0}) {
    if (!edit->isModified()) continue;
    Redraw();
    edit->setModified(false);
  }
}

void TLibForm::ToggleFeeler(TDiagram* diagram, QToolButton* button) {
  CommitEdits();
  diagram->SetShowFeeler(!diagram->GetShowFeeler());
  button->setChecked(diagram->GetShowFeeler());
}

void TLibForm::DiagramSignalClick() { ToggleFeeler(DiagramSignal, SpeedButtonMSig); }

void TLibForm::DiagramSpectrClick() { ToggleFeeler(DiagramSpectr, SpeedButtonMSp); }

void TLibForm::EnlargeDiagram(TDiagram* diagram) {
  CommitEdits();
  if (DiagramIncrease) DiagramIncrease->Execute(diagram);
}

void TLibForm::SpeedButtonISigClick() { EnlargeDiagram(DiagramSignal); }

void TLibForm::SpeedButtonISpClick() { EnlargeDiagram(DiagramSpectr); }

// Moving over one diagram shows its panel (unless the user put it away with the right
// button) and hides the other one, which is armed again for its next visit.
void TLibForm::DiagramMouseMove(TDiagram* sender, Qt::KeyboardModifiers, int, int) {
  const bool signal = sender == DiagramSignal;
  QFrame* own = signal ? PanelSignal : PanelSpectr;
  QFrame* other = signal ? PanelSpectr : PanelSignal;
  other->hide();
  (signal ? SpectrPanelArmed : SignalPanelArmed) = true;
  if ((signal ? SignalPanelArmed : SpectrPanelArmed) && own->isHidden()) {
    own->show();
    own->raise();
  }
}

void TLibForm::DiagramMouseDown(TDiagram* sender, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
  if (button != Qt::RightButton) return;
  CommitEdits();
  const bool signal = sender == DiagramSignal;
  bool& armed = signal ? SignalPanelArmed : SpectrPanelArmed;
  QFrame* panel = signal ? PanelSignal : PanelSpectr;
  armed = !armed;
  panel->setVisible(armed);
  if (armed) panel->raise();
}

void TLibForm::FormMouseMove() {
  PanelSignal->hide();
  PanelSpectr->hide();
  SignalPanelArmed = true;
  SpectrPanelArmed = true;
}
