#include "plotting/DiagramIncreaseUnit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>

#include "plotting/Diagram.h"
#include "plotting/DiagramExport.h"
#include "plotting/ToolGlyphs.h"
#include "widgets/AccessibleNames.h"
#include "widgets/ToolWindow.h"
#include "widgets/TranslatedTexts.h"

TDiagramIncrease* DiagramIncrease = nullptr;

namespace {
constexpr int WindowWidth = 812, WindowHeight = 591;
}  // namespace

TDiagramIncrease::TDiagramIncrease(QWidget* parent) : TDiagramWindow(parent) {
  FrameToolWindow(this, QString(), QSize(WindowWidth, WindowHeight));
  PutText(this, TTextRole::WindowTitle, "TDiagramIncrease", QT_TR_NOOP("Диаграмма"));
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  BuildMenu();
  BuildToolBar();
  BuildDiagram();
  ConnectSharedTools(NRetLimit);
  StackToolWindow(this, MainMenu1, ToolBar1, ScrollBox1);
  GiveAccessibleNames(this);
}

// The own base keeper may still lead into another diagram's keepers; cut that link first,
// or the own list would destroy keepers it does not own.
TDiagramIncrease::~TDiagramIncrease() { Diagram1->GetKeeper(0)->ClearNext(); }

void TDiagramIncrease::BuildToolBar() {
  ToolBar1 = new QToolBar(this);
  SpeedButtonMeasure = MakeSpeedButton(ToolBar1, TToolGlyph::Measure, QString(), true);
  PutText(SpeedButtonMeasure, TTextRole::ToolTip, "TDiagramIncrease",
          QT_TRANSLATE_NOOP("TDiagramIncrease", "Измерения"));
  SpeedButtonMeasure->setChecked(true);
  SpeedButtonLimit = MakeSpeedButton(ToolBar1, TToolGlyph::Limits, QString(), true);
  PutText(SpeedButtonLimit, TTextRole::ToolTip, "TDiagramIncrease", QT_TRANSLATE_NOOP("TDiagramIncrease", "Пределы"));
  SpeedButtonRetLim = MakeSpeedButton(ToolBar1, TToolGlyph::ReturnLimits, QString(), false);
  PutText(SpeedButtonRetLim, TTextRole::ToolTip, "TDiagramIncrease",
          QT_TRANSLATE_NOOP("TDiagramIncrease", "Исходные пределы"));
  SpeedButton1 = MakeSpeedButton(ToolBar1, TToolGlyph::HideSeries, QString(), true);
  PutText(SpeedButton1, TTextRole::ToolTip, "TDiagramIncrease",
          QT_TRANSLATE_NOOP("TDiagramIncrease", "Не показывать график при изменении пределов"));
  SpeedButtonBmp = MakeSpeedButton(ToolBar1, TToolGlyph::Save, QString(), false);
  PutText(SpeedButtonBmp, TTextRole::ToolTip, "TDiagramIncrease",
          QT_TRANSLATE_NOOP("TDiagramIncrease", "Сохранить как рисунок"));
  SpeedButtonCopy = MakeSpeedButton(ToolBar1, TToolGlyph::Copy, QString(), false);
  PutText(SpeedButtonCopy, TTextRole::ToolTip, "TDiagramIncrease", QT_TRANSLATE_NOOP("TDiagramIncrease", "Копировать"));
  SpeedButtonClose = MakeSpeedButton(ToolBar1, TToolGlyph::Close, QString(), false);
  PutText(SpeedButtonClose, TTextRole::ToolTip, "TDiagramIncrease", QT_TRANSLATE_NOOP("TDiagramIncrease", "Закрыть"));
  Panel2 = MakeReadoutPanel(ToolBar1);
  for (QToolButton* b : {SpeedButtonMeasure, SpeedButtonLimit, SpeedButtonRetLim, SpeedButton1}) ToolBar1->addWidget(b);
  ToolBar1->addSeparator();
  ToolBar1->addWidget(SpeedButtonBmp);
  ToolBar1->addWidget(SpeedButtonData);
  ToolBar1->addWidget(SpeedButtonCopy);
  ToolBar1->addSeparator();
  ToolBar1->addWidget(SpeedButtonClose);
  ToolBar1->addSeparator();
  ToolBar1->addWidget(Panel2);
}

void TDiagramIncrease::BuildMenu() {
  MainMenu1 = new QMenuBar(this);
  QMenu* file = AddTranslatedMenu(MainMenu1, "TDiagramIncrease", QT_TR_NOOP("Файл"));
  NClose = AddTranslatedItem(file, "TDiagramIncrease", QT_TR_NOOP("Закрыть"));
  QMenu* diagram = AddTranslatedMenu(MainMenu1, "TDiagramIncrease", QT_TR_NOOP("Диаграмма"));
  NMeasure = AddTranslatedItem(diagram, "TDiagramIncrease", QT_TR_NOOP("Измерения"));
  NMeasure->setCheckable(true);
  NMeasure->setChecked(true);
  NLimit = AddTranslatedItem(diagram, "TDiagramIncrease", QT_TR_NOOP("Пределы"));
  NLimit->setCheckable(true);
  NRetLimit = AddTranslatedItem(diagram, "TDiagramIncrease", QT_TR_NOOP("Исходные пределы"));
  diagram->addSeparator();
  NBmp = AddTranslatedItem(diagram, "TDiagramIncrease", QT_TR_NOOP("Сохранить как рисунок"));
  // The tool bar is built after the menu; the button goes onto it there.
  MakeDataTools(this, diagram);
  NCopy = AddTranslatedItem(diagram, "TDiagramIncrease", QT_TR_NOOP("Копировать в буфер обмена"));
}

void TDiagramIncrease::BuildDiagram() {
  BuildScrolledDiagram();
  connect(Diagram1, &TDiagram::OnClick, this, &TDiagramIncrease::SpeedButtonMeasureClick);
  connect(Diagram1, &TDiagram::OnMouseMove, this, &TDiagramIncrease::Diagram1MouseMove);
  for (TUpDown* u : {UpDown1, UpDown2, UpDown3, UpDown4}) {
    connect(u, &TUpDown::MouseDown, this, &TDiagramIncrease::UpDown1MouseDown);
    connect(u, &TUpDown::MouseUp, this, &TDiagramIncrease::UpDown1MouseUp);
  }
}

// The window's own diagram cannot be its source: its base keeper would lead to itself and
// every repaint would walk that list for ever.
int TDiagramIncrease::Execute(TDiagram* source) {
  if (!source || source == Diagram1) {
    SourceDiagram = nullptr;
    return 0;
  }
  TakeOver(source);
  KeepMaximized(this);
  return exec();
}

void TDiagramIncrease::TakeOver(TDiagram* source) {
  if (!source || source == Diagram1) return;
  TKeeper* own = Diagram1->GetKeeper(0);
  own->Hide();
  Diagram1->EnableLine(false);
  SourceDiagram = source;
  TDiagram& d = *Diagram1;
  const TDiagram::TOnePaint once(d);
  d.SetColorBackDiagram(source->GetColorBackDiagram());
  d.SetColorBackNet(source->GetColorBackNet());
  d.SetColorNetLine(source->GetColorNetLine());
  d.SetPenStyleNetLine(source->GetPenStyleNetLine());
  d.SetNameY(source->GetNameY());
  d.SetNameX(source->GetNameX());
  d.SetNameDiagram(source->GetNameDiagram());
  d.SetDataNameX(source->GetDataNameX());
  // Both ends at once: one end at a time could meet the other end of the previous limits.
  d.SetLimitX(source->GetLimitXmin(), source->GetLimitXmax());
  d.SetLimitY(source->GetLimitYmin(), source->GetLimitYmax());
  d.SetRangeX(source->GetXmin(), source->GetXmax());
  d.SetRangeY(source->GetYmin(), source->GetYmax());
  d.SetBitmapX(&source->GetBitmapX());
  d.SetBitmapY(&source->GetBitmapY());
  d.SetLegend(source->GetLegend());
  // The source's keepers themselves are drawn, after the own hidden base keeper.
  own->SetNext(source->GetKeeper(0));
  d.EnableLine(true);
  d.ShowDiagram();
  setWindowTitle(source->GetNameDiagram());
  Stored = TStoredRange::Of(d);
}

// Besides clearing the link, the source itself is forgotten: a source diagram destroyed
// after the window has closed must never be reached through a later closing.
void TDiagramIncrease::GiveBack() {
  if (!SourceDiagram) return;
  TDiagram& source = *SourceDiagram;
  const TDiagram::TOnePaint once(source);
  source.EnableLine(false);
  source.SetRangeX(Diagram1->GetXmin(), Diagram1->GetXmax());
  source.SetRangeY(Diagram1->GetYmin(), Diagram1->GetYmax());
  Diagram1->GetKeeper(0)->ClearNext();
  source.EnableLine(true);
  source.ShowDiagram();
  SourceDiagram = nullptr;
}

void TDiagramIncrease::ShowCoordinates(int x, int y) {
  const QString text = CoordinateReadout(*Diagram1, x, y);
  if (Panel2->text() != text) Panel2->setText(text);
}

void TDiagramIncrease::showEvent(QShowEvent* event) {
  TDiagramWindow::showEvent(event);
  FormShow();
}

void TDiagramIncrease::FormShow() {
  KeepMaximized(this);
  if (!FirstShow) return;
  FirstShow = false;
  Settling = true;
  PlaceDiagram();
}

void TDiagramIncrease::PlaceDiagram() { FitDiagramToBox(); }

bool TDiagramIncrease::eventFilter(QObject* watched, QEvent* event) {
  if (Settling && watched == ScrollBox1->viewport() && event->type() == QEvent::Resize) PlaceDiagram();
  return TDiagramWindow::eventFilter(watched, event);
}

// Every way of closing (the close button, the menu, Esc, the window's cross) ends here.
void TDiagramIncrease::done(int result) {
  FormClose();
  TDiagramWindow::done(result);
}

void TDiagramIncrease::FormClose() {
  Settling = false;
  GiveBack();
}

void TDiagramIncrease::SpeedButtonRetLimClick() { Stored.RestoreTo(*Diagram1); }

// The picture saving of the design, offering the other figure formats beside BMP.
void TDiagramIncrease::SpeedButtonBmpClick() { SaveFigure({Diagram1, {}}, QString()); }

void TDiagramIncrease::SpeedButtonCopyClick() { Diagram1->CopyToClipboard(); }

// With SpeedButton1 down the series are left out while a button is held, and drawn once on release.
void TDiagramIncrease::UpDown1MouseDown(TUpDown*) {
  if (SpeedButton1->isChecked()) Diagram1->EnableLine(false);
}

void TDiagramIncrease::UpDown1MouseUp(TUpDown*) {
  if (!SpeedButton1->isChecked()) return;
  Diagram1->EnableLine(true);
  Diagram1->ShowDiagram();
}

void TDiagramIncrease::Diagram1MouseMove(TDiagram*, Qt::KeyboardModifiers, int x, int y) { ShowCoordinates(x, y); }
