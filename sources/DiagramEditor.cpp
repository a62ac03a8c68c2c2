// The editor window: its design, its life from creation through each showing to each
// closing (with the undo of an unprocessed session), and the commands that only set
// the diagram's ranges and tools. Drawing lives in DiagramEditorPen.cpp, the files and
// pictures in DiagramEditorFiles.cpp.
#include "sources/DiagramEditor.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <new>

#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/ToolGlyphs.h"
#include "widgets/AccessibleNames.h"
#include "widgets/ToolWindow.h"
#include "widgets/TranslatedTexts.h"
#include "widgets/YesNoDialogUnit.h"

TDiagramEditor* DiagramEditor = nullptr;

namespace {
constexpr int DesignedWidth = 808, DesignedHeight = 584;
constexpr int ColourBlue = 0xFF0000;  // the toolkit's colour value
constexpr double LimitLow = -100000, LimitHigh = 100000;

constexpr char Context[] = "TDiagramEditor";
const char* const NoMemoryMessage = QT_TRANSLATE_NOOP(
    "TDiagramEditor", "Редактор диаграмм: Не удалось установить режим редактирования. \n Недостаточно памяти.");
const char* const NewCaption = QT_TRANSLATE_NOOP("TDiagramEditor", "Новый график");
const char* const NewQuestion = QT_TRANSLATE_NOOP(
    "TDiagramEditor", "Выполение выбранной команды приведёт к удалению текущего графика. \nПродолжить?");
const char* const CloseCaption = QT_TRANSLATE_NOOP("TDiagramEditor", "Закрыть редактор диаграмм");
// clang-format off
const char* const CloseQuestion = QT_TRANSLATE_NOOP("TDiagramEditor", "Выполение выбранной команды приведёт к отмене всех изменений, сделанных с момента последнего вызова редактора диаграмм. \nПродолжить?");
// clang-format on

// The samples stand for pixel columns of the plot area. A capacity of the designed window
// width would leave the right part of a wider screen's plot area unsampled (and the drawing
// squeezed when handed over), so it covers the widest screen as well.
int ColumnCapacity(int formWidth) {
  int widest = formWidth;
  for (const QScreen* screen : QGuiApplication::screens()) widest = std::max(widest, screen->geometry().width());
  return widest;
}

QAction* MenuItem(QMenu* menu, const char* caption, bool checkable = false) {
  QAction* item = AddTranslatedItem(menu, Context, caption);
  item->setCheckable(checkable);
  return item;
}
}  // namespace

TDiagramEditor::TDiagramEditor(QWidget* parent) : TDiagramWindow(parent), DrawColor(ColourBlue) {
  FrameToolWindow(this, QString(), QSize(DesignedWidth, DesignedHeight));
  PutText(this, TTextRole::WindowTitle, Context, QT_TR_NOOP("Редактор диаграмм"));
  BuildMenu();
  BuildToolBar();
  BuildDiagram();
  ConnectSharedTools(NRetLim);
  StackToolWindow(this, MainMenu1, ToolBar1, ScrollBox1);
  FormCreate();
  GiveAccessibleNames(this);
}

void TDiagramEditor::BuildMenu() {
  MainMenu1 = new QMenuBar(this);
  QMenu* file = AddTranslatedMenu(MainMenu1, Context, QT_TR_NOOP("Файл"));
  NNew = MenuItem(file, QT_TR_NOOP("Создать..."));
  NOpen = MenuItem(file, QT_TR_NOOP("Открыть..."));
  NSave = MenuItem(file, QT_TR_NOOP("Сохранить..."));
  NBmp = MenuItem(file, QT_TR_NOOP("Сохранить как рисунок"));
  // The tool bar is built after the menu; the button goes onto it there.
  MakeDataTools(this, file);
  file->addSeparator();
  NClose = MenuItem(file, QT_TR_NOOP("Закрыть редактор диаграмм..."));
  QMenu* diagram = AddTranslatedMenu(MainMenu1, Context, QT_TR_NOOP("Диаграмма"));
  NCalc = MenuItem(diagram, QT_TR_NOOP("Обработать данные"));
  diagram->addSeparator();
  NMeasure = MenuItem(diagram, QT_TR_NOOP("Измерения"), true);
  NMeasure->setChecked(true);
  NLimit = MenuItem(diagram, QT_TR_NOOP("Пределы"), true);
  NRetLim = MenuItem(diagram, QT_TR_NOOP("Исходные пределы"));
  diagram->addSeparator();
  NCopy = MenuItem(diagram, QT_TR_NOOP("Копировать в буфер обмена"));
  connect(NNew, &QAction::triggered, this, &TDiagramEditor::SpeedButtonNewClick);
  connect(NOpen, &QAction::triggered, this, &TDiagramEditor::NOpenClick);
  connect(NSave, &QAction::triggered, this, &TDiagramEditor::SpeedButtonSaveClick);
  connect(NCalc, &QAction::triggered, this, &TDiagramEditor::SpeedButtonInputClick);
}

void TDiagramEditor::BuildToolBar() {
  ToolBar1 = new QToolBar(this);
  SpeedButtonInput = MakeSpeedButton(ToolBar1, TToolGlyph::Accept, QString(), false);
  PutText(SpeedButtonInput, TTextRole::ToolTip, Context, QT_TR_NOOP("Обработать график"));
  SpeedButtonNew = MakeSpeedButton(ToolBar1, TToolGlyph::NewSheet, QString(), false);
  PutText(SpeedButtonNew, TTextRole::ToolTip, Context, QT_TR_NOOP("Создать"));
  SpeedButtonOpen = MakeSpeedButton(ToolBar1, TToolGlyph::Open, QString(), false);
  PutText(SpeedButtonOpen, TTextRole::ToolTip, Context, QT_TR_NOOP("Открыть"));
  SpeedButtonSave = MakeSpeedButton(ToolBar1, TToolGlyph::Save, QString(), false);
  PutText(SpeedButtonSave, TTextRole::ToolTip, Context, QT_TR_NOOP("Сохранить"));
  SpeedButtonMeasure = MakeSpeedButton(ToolBar1, TToolGlyph::Measure, QString(), true);
  PutText(SpeedButtonMeasure, TTextRole::ToolTip, Context, QT_TR_NOOP("Измерения"));
  SpeedButtonMeasure->setChecked(true);
  SpeedButtonLimit = MakeSpeedButton(ToolBar1, TToolGlyph::Limits, QString(), true);
  PutText(SpeedButtonLimit, TTextRole::ToolTip, Context, QT_TR_NOOP("Пределы"));
  SpeedButtonRetLim = MakeSpeedButton(ToolBar1, TToolGlyph::ReturnLimits, QString(), false);
  PutText(SpeedButtonRetLim, TTextRole::ToolTip, Context, QT_TR_NOOP("Исходные пределы"));
  SpeedButtonBmp = MakeSpeedButton(ToolBar1, TToolGlyph::Picture, QString(), false);
  PutText(SpeedButtonBmp, TTextRole::ToolTip, Context, QT_TR_NOOP("Сохранить как рисунок"));
  SpeedButtonCopy = MakeSpeedButton(ToolBar1, TToolGlyph::Copy, QString(), false);
  PutText(SpeedButtonCopy, TTextRole::ToolTip, Context, QT_TR_NOOP("Копировать"));
  SpeedButtonClose = MakeSpeedButton(ToolBar1, TToolGlyph::Close, QString(), false);
  PutText(SpeedButtonClose, TTextRole::ToolTip, Context, QT_TR_NOOP("Закрыть"));
  Panel2 = MakeReadoutPanel(ToolBar1);
  const QList<QList<QToolButton*>> groups = {{SpeedButtonInput},
                                             {SpeedButtonNew, SpeedButtonOpen, SpeedButtonSave},
                                             {SpeedButtonMeasure, SpeedButtonLimit, SpeedButtonRetLim},
                                             {SpeedButtonBmp, SpeedButtonData, SpeedButtonCopy},
                                             {SpeedButtonClose}};
  for (const QList<QToolButton*>& group : groups) {
    for (QToolButton* button : group) ToolBar1->addWidget(button);
    ToolBar1->addSeparator();
  }
  ToolBar1->addWidget(Panel2);
  connect(SpeedButtonInput, &QToolButton::clicked, this, &TDiagramEditor::SpeedButtonInputClick);
  connect(SpeedButtonNew, &QToolButton::clicked, this, &TDiagramEditor::SpeedButtonNewClick);
  connect(SpeedButtonOpen, &QToolButton::clicked, this, &TDiagramEditor::NOpenClick);
  connect(SpeedButtonSave, &QToolButton::clicked, this, &TDiagramEditor::SpeedButtonSaveClick);
}

void TDiagramEditor::BuildDiagram() {
  BuildScrolledDiagram();
  // The arrow keys move the drawing cursor; the box must not take them for scrolling.
  ScrollBox1->setFocusPolicy(Qt::NoFocus);
  Diagram1->SetLimitX(LimitLow, LimitHigh);
  Diagram1->SetLimitY(LimitLow, LimitHigh);
  Diagram1->installEventFilter(this);
  connect(Diagram1, &TDiagram::OnMouseMove, this, &TDiagramEditor::Diagram1MouseMove);
  connect(Diagram1, &TDiagram::OnMouseDown, this, &TDiagramEditor::Diagram1MouseDown);
  connect(Diagram1, &TDiagram::OnMouseUp, this, &TDiagramEditor::Diagram1MouseUp);
}

// The window is not shown yet, so its width is still the designed one.
void TDiagramEditor::FormCreate() {
  KeepMaximized(this);
  if (!AllocateArrays()) return;
  Count = 0;
  BackupCount = 0;
  Diagram1->GetKeeper(0)->Hide();
  EnableLimits(true);
}

bool TDiagramEditor::AllocateArrays() {
  try {
    const int capacity = ColumnCapacity(width());
    Samples.assign(capacity, 0.0);
    Backup.assign(capacity, 0.0);
    Capacity = capacity;
    return true;
  } catch (const std::bad_alloc&) {
    Samples = {};
    Backup = {};
    Capacity = 0;
    Platform().Message(tr(NoMemoryMessage));
    return false;
  }
}

void TDiagramEditor::SetDrawColor(int colour) {
  DrawColor = colour;
  EraseBand();
  Diagram1->GetKeeper(0)->SetColor(colour);
  Diagram1->ShowDiagram();
  DrawCurve(colour);
}

void TDiagramEditor::NameDiagram(const char* context, const char* title, const char* nameY, const char* nameX) {
  NamesContext = context;
  Names[0] = title;
  Names[1] = nameY;
  Names[2] = nameX;
  ShowDiagramNames();
}

// Renaming repaints the diagram, so the drawing goes over it again.
void TDiagramEditor::ShowDiagramNames() {
  if (!NamesContext) return;
  EraseBand();
  Diagram1->SetNameY(QCoreApplication::translate(NamesContext, Names[1]));
  Diagram1->SetNameX(QCoreApplication::translate(NamesContext, Names[2]));
  Diagram1->SetNameDiagram(QCoreApplication::translate(NamesContext, Names[0]));
  DrawCurve(DrawColor);
}

// The kept texts are put again by themselves; the diagram's names and the tools' accessible
// names, taken from their hints, follow.
void TDiagramEditor::changeEvent(QEvent* event) {
  TDiagramWindow::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  ShowDiagramNames();
  GiveAccessibleNames(this);
}

int TDiagramEditor::Execute() {
  CoverAvailableArea(this);
  KeepMaximized(this);
  return exec();
}

TKeeper* TDiagramEditor::GetSignal() { return Diagram1->GetKeeper(0); }

double* TDiagramEditor::GetData(int& count) {
  count = Samples.empty() ? 0 : Count;
  return Samples.empty() ? nullptr : Samples.data();
}

void TDiagramEditor::showEvent(QShowEvent* event) {
  TDiagramWindow::showEvent(event);
  FormShow();
}

void TDiagramEditor::FormShow() {
  KeepMaximized(this);
  Processed = false;
  if (FirstShowPending) FirstShow();
  // The diagram's title may have been renamed for its first use.
  GiveAccessibleNames(this);
  if (Samples.empty() && !AllocateArrays()) {
    // Closing from inside the showing would be undone by it; close once it has ended.
    QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    return;
  }
  if (Restored) FitRestoredDrawing();
  RememberAtShow();
}

void TDiagramEditor::RememberAtShow() {
  std::copy(Samples.begin(), Samples.begin() + Count, Backup.begin());
  BackupCount = Count;
  PenAtShow = Pen;
  RangesAtShow = TStoredRange::Of(*Diagram1);
  RestoredAtShow = Restored;
}

void TDiagramEditor::FirstShow() {
  FirstShowPending = false;
  Settling = true;
  TKeeper* series = Diagram1->GetKeeper(0);
  series->Hide();
  series->SetColor(DrawColor);
  if (!Restored) DefaultRanges();
  PlaceDiagram();
}

void TDiagramEditor::PlaceDiagram() {
  FitDiagramToBox();
  if (Restored)
    FitRestoredDrawing();
  else
    ResetPen();
}

bool TDiagramEditor::eventFilter(QObject* watched, QEvent* event) {
  // A fast move can leave the diagram with no move over its border: it is told as a move
  // off the diagram, which takes the band, the feeler and the read-out away.
  if (watched == Diagram1 && event->type() == QEvent::Leave) Diagram1->MouseMove(Qt::NoModifier, -1, -1);
  if (Settling && (Count == 0 || Restored) && watched == ScrollBox1->viewport() && event->type() == QEvent::Resize) {
    EraseBand();
    PlaceDiagram();
    RememberAtShow();
  }
  return TDiagramWindow::eventFilter(watched, event);
}

// Every way of closing (the tool button, the menu, Esc, the window's cross) ends here.
void TDiagramEditor::done(int result) {
  if (!FormCloseQuery()) return;
  FormClose();
  TDiagramWindow::done(result);
}

bool TDiagramEditor::FormCloseQuery() {
  if (Samples.empty() || Processed) return true;
  EraseBand();
  ReleaseCursor();
  if (!DontAskClose) {
    bool dontAsk = false;
    const bool yes = YesNoDialog(tr(CloseCaption), tr(CloseQuestion), dontAsk);
    DontAskClose = dontAsk;
    if (!yes) return false;
  }
  RestoreAtShow();
  return true;
}

// The pen is put back where it was rather than recomputed from the sample count, so that the
// series handed over again spans exactly the interval it spanned before.
void TDiagramEditor::RestoreAtShow() {
  RangesAtShow.RestoreTo(*Diagram1);
  std::copy(Backup.begin(), Backup.begin() + BackupCount, Samples.begin());
  Count = BackupCount;
  Pen = PenAtShow;
  // A restored drawing goes back as it was taken, even if it was shown resampled.
  Restored = RestoredAtShow;
  if (Restored) TakeRestoredSamples();
  DrawCurve(DrawColor);
  EnableLimits(Count == 0);
  StoreSignal();
}

void TDiagramEditor::FormClose() {
  Settling = false;
  LeftButtonDown = false;
  EraseBand();
  ReleaseCursor();
}

void TDiagramEditor::hideEvent(QHideEvent* event) {
  EraseBand();
  ReleaseCursor();
  TDiagramWindow::hideEvent(event);
}

void TDiagramEditor::ReleaseCursor() { Platform().ReleaseCursor(); }

void TDiagramEditor::SpeedButtonInputClick() {
  Processed = true;
  StoreSignal();
  close();
}

void TDiagramEditor::SpeedButtonNewClick() {
  if (!DontAskNew) {
    bool dontAsk = false;
    const bool yes = YesNoDialog(tr(NewCaption), tr(NewQuestion), dontAsk);
    DontAskNew = dontAsk;
    if (!yes) return;
  }
  NewDrawing();
}

void TDiagramEditor::NewDrawing() {
  Restored.reset();
  Diagram1->GetKeeper(0)->Hide();
  Count = 0;
  ReleaseCursor();
  EraseBand();
  DefaultRanges();
  ResetPen();
  EnableLimits(true);
}

void TDiagramEditor::DefaultRanges() {
  Diagram1->SetRangeX(0, 10);
  Diagram1->SetRangeY(-1, 1);
}

// The up-downs are hidden whichever way: the "Пределы" button is raised, and it shows them.
void TDiagramEditor::EnableLimits(bool on) {
  ShowRangeUpDowns(UpDowns(), false);
  SpeedButtonLimit->setChecked(false);
  NLimit->setChecked(false);
  SpeedButtonLimit->setEnabled(on);
  NLimit->setEnabled(on);
  SpeedButtonRetLim->setEnabled(on);
  NRetLim->setEnabled(on);
}

void TDiagramEditor::SpeedButtonRetLimClick() {
  Restored.reset();
  EraseBand();
  DefaultRanges();
  ResetPen();
}

// Every drawing starts at ordinate 0, so the ordinate range keeps 0 inside it.
void TDiagramEditor::KeepRangeAroundZero() {
  if (Diagram1->GetYmax() < 0) Diagram1->SetYmax(0);
  if (Diagram1->GetYmin() > 0) Diagram1->SetYmin(0);
}

void TDiagramEditor::StepEdge(TRangeEdge edge, TUpDown::TUDBtnType button) {
  // The ranges tie the samples to pixel columns; they move only while nothing is drawn.
  if (Count > 0) return;
  Restored.reset();
  EraseBand();
  StepRangeEdge(*Diagram1, edge, button);
  KeepRangeAroundZero();
  ResetPen();
}

void TDiagramEditor::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
      FormKeyDown(event->key());
      return;
    default:
      TDiagramWindow::keyPressEvent(event);
  }
}
