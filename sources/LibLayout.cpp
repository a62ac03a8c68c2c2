// The library window's controls: menu, tool bar, the two diagrams with their floating tool
// panels, the formula panel and the parameter group, and their placement on every resize.
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/ToolGlyphs.h"
#include "resources/FormulaPictures.h"
#include "sources/LibUnit.h"
#include "widgets/AccessibleNames.h"
#include "widgets/Comfun.h"
#include "widgets/DecimalEditUnit.h"
#include "widgets/ScreenCentre.h"
#include "widgets/ToolWindow.h"

namespace {
constexpr int NominalWidth = 800, NominalHeight = 600;
constexpr int TimerInterval = 400;
constexpr int EditMaxLength = 6;
constexpr int SignalColour = 255;
// Placement (pixels): the parameter group stands this far above the bottom, the formula
// panel this far above the group, the diagrams this far above the formula panel.
constexpr int GroupBottomGap = 40, FormulaGap = 20, DiagramGap = 20;
constexpr int SideMargin = 8, DiagramTop = 4;
constexpr int GroupHeight = 60, EditWidth = 64, ParameterGap = 28, LabelWidth = 56;
constexpr int PanelButtonSize = 25, PanelMargin = 10;
constexpr int DiagramFontPixels = 12;
// The formula pictures never take more than this share of the room left for the diagrams
// and the pictures together, so that a small screen still shows readable diagrams.
constexpr double FormulaShare = 0.4;
constexpr int FormulaPadding = 4;

QFont DiagramFont() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(DiagramFontPixels);
  return font;
}

QString FormulaName(int family) { return QStringLiteral("LibImage") + QString::number(family); }

QComboBox* MakeList(QWidget* parent, const QString& prefix, int first, int last) {
  auto* box = new QComboBox(parent);
  for (int i = first; i <= last; ++i) box->addItem(prefix + QString::number(i));
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

// A label picture (the symbol before an edit) at its natural size; empty without artwork.
QLabel* MakeLabelPicture(QWidget* parent, const QString& name, const QString& spoken, qreal ratio) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setAccessibleName(spoken);
  if (HasFormulaPicture(name)) {
    label->setPixmap(QPixmap::fromImage(RenderFormulaPicture(name, 1.0, ratio)));
    label->resize(FormulaPictureSize(name, 1.0));
  } else {
    label->setText(name);
    label->adjustSize();
  }
  return label;
}
}  // namespace

TLibForm::TLibForm(QWidget* parent) : QDialog(parent) {
  FrameToolWindow(this, QStringLiteral("Библиотека видеосигналов"), QSize(NominalWidth, NominalHeight));
  CentreOnScreen(this);
  SavedColour = palette().color(QPalette::Window);
  BuildMenu();
  BuildToolBar();
  Panel1 = new QWidget(this);
  StackToolWindow(this, MainMenu1, ToolBar1, Panel1);
  BuildDiagrams();
  BuildFormulaPanel();
  BuildGroupBox();
  BuildTimers();
  ConnectCommands();
  for (QWidget* w : {static_cast<QWidget*>(this), Panel1, static_cast<QWidget*>(PanelFormul),
                     static_cast<QWidget*>(GroupBox1), static_cast<QWidget*>(ToolBar1)}) {
    w->setMouseTracking(true);
    if (w != this) w->installEventFilter(this);
  }
  SelectFamily(1);
  PlaceControls();
  EditTay->setModified(false);
  EditV0->setModified(false);
  Redraw();
  GiveAccessibleNames(this);
}

void TLibForm::BuildMenu() {
  MainMenu1 = new QMenuBar(this);
  QMenu* signal = MainMenu1->addMenu(QStringLiteral("Сигнал"));
  N4 = signal->addAction(QStringLiteral("Следующий"));
  N5 = signal->addAction(QStringLiteral("Предыдущий"));
  signal->addSeparator();
  N7 = signal->addAction(QStringLiteral("Выбрать сигнал"));
  QMenu* view = MainMenu1->addMenu(QStringLiteral("Вид"));
  auto* views = new QActionGroup(this);
  N9 = views->addAction(QStringLiteral("Сигнал и спектр"));
  N10 = views->addAction(QStringLiteral("Сигнал и АКФ"));
  for (QAction* item : {N9, N10}) {
    item->setCheckable(true);
    view->addAction(item);
  }
  N9->setChecked(true);
  N10->setEnabled(false);
  QMenu* copy = MainMenu1->addMenu(QStringLiteral("Копировать"));
  N11 = copy->addAction(QStringLiteral("Всё изображение"));
  N12 = copy->addAction(QStringLiteral("Только графики"));
  N3 = MainMenu1->addAction(QStringLiteral("Закрыть"));
}

void TLibForm::BuildToolBar() {
  ToolBar1 = new QToolBar(this);
  SpeedButton3 = MakeSpeedButton(ToolBar1, TToolGlyph::Accept, QStringLiteral("Выбрать сигнал"), false);
  SpeedButton1 = MakeSpeedButton(ToolBar1, TToolGlyph::ArrowLeft, QStringLiteral("Предыдущий"), false);
  SpeedButton2 = MakeSpeedButton(ToolBar1, TToolGlyph::ArrowRight, QStringLiteral("Следующий"), false);
  SpeedButton4 = MakeSpeedButton(ToolBar1, TToolGlyph::Copy, QStringLiteral("Копировать в буфер"), false);
  SpeedButton5 = MakeSpeedButton(ToolBar1, TToolGlyph::Close, QStringLiteral("Закрыть"), false);
  ComboBoxF = new QComboBox(ToolBar1);
  for (const char* name : LibFamilyNames) ComboBoxF->addItem(QString::fromUtf8(name));
  ComboBoxF->setToolTip(QStringLiteral("Семейство сигналов"));
  ComboBoxK = MakeList(ToolBar1, QStringLiteral("k="), 0, LibMaxK);
  ComboBoxL = MakeList(ToolBar1, QStringLiteral("l="), LibMinL, LibMaxL);
  ComboBoxM = MakeList(ToolBar1, QStringLiteral("m="), 0, LibMaxM);
  ToolBar1->addWidget(SpeedButton3);
  ToolBar1->addSeparator();
  ToolBar1->addWidget(SpeedButton1);
  ToolBar1->addWidget(SpeedButton2);
  ToolBar1->addSeparator();
  for (QComboBox* box : {ComboBoxF, ComboBoxK, ComboBoxL, ComboBoxM}) ToolBar1->addWidget(box);
  ToolBar1->addSeparator();
  ToolBar1->addWidget(SpeedButton4);
  ToolBar1->addWidget(SpeedButton5);
}

void TLibForm::BuildDiagrams() {
  DiagramSignal = new TDiagram(Panel1);
  DiagramSpectr = new TDiagram(Panel1);
  struct TTitles {
    TDiagram* Diagram;
    QString Name, X, Y;
  };
  const TTitles titles[] = {
      {DiagramSignal, QStringLiteral("Сигнал"), QStringLiteral("t, с"), QStringLiteral("s(t), В")},
      {DiagramSpectr, QStringLiteral("         Амплитудный спектр"), QStringLiteral("f, Гц"),
       QStringLiteral("|S(f)|, В/Гц")},
  };
  for (const TTitles& t : titles) {
    TDiagram& d = *t.Diagram;
    d.EnableLine(false);
    for (auto setFont :
         {&TDiagram::SetFontNameX, &TDiagram::SetFontNameY, &TDiagram::SetFontName, &TDiagram::SetFontNet})
      (d.*setFont)(DiagramFont());
    d.SetNameDiagram(t.Name);
    d.SetNameX(t.X);
    d.SetNameY(t.Y);
    d.SetLimitX(-100000, 100000);
    d.SetLimitY(-100000, 100000);
    d.SetShowFeeler(false);
    d.SetColorFeeler(ColourBlack);
    d.SetNetCursor(Qt::CrossCursor);
    d.GetKeeper(0)->SetColor(SignalColour);
    d.EnableLine(true);
  }
  PanelSignal = BuildToolPanel(DiagramSignal, SpeedButtonISig, SpeedButtonMSig);
  PanelSpectr = BuildToolPanel(DiagramSpectr, SpeedButtonISp, SpeedButtonMSp);
}

QFrame* TLibForm::BuildToolPanel(TDiagram* diagram, QToolButton*& increase, QToolButton*& measure) {
  auto* panel = new QFrame(diagram);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setAutoFillBackground(true);
  panel->resize(2 * PanelButtonSize + 6, PanelButtonSize + 4);
  increase = MakeSpeedButton(panel, TToolGlyph::Increase, QStringLiteral("Увеличение"), false);
  measure = MakeSpeedButton(panel, TToolGlyph::Measure, QStringLiteral("Измерения"), true);
  increase->setGeometry(2, 2, PanelButtonSize, PanelButtonSize);
  measure->setGeometry(3 + PanelButtonSize, 2, PanelButtonSize, PanelButtonSize);
  panel->hide();
  return panel;
}

void TLibForm::BuildFormulaPanel() {
  PanelFormul = new QLabel(QStringLiteral("Файл не найден"), Panel1);
  PanelFormul->setAlignment(Qt::AlignCenter);
  PanelFormul->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  PanelFormul->setContextMenuPolicy(Qt::CustomContextMenu);
  for (int i = 0; i < LibFamilyCount; ++i) {
    Images[i] = new QLabel(PanelFormul);
    Images[i]->setObjectName(QStringLiteral("Image") + QString::number(i + 1));
    Images[i]->setAccessibleName(QStringLiteral("Формулы сигнала и спектра: ") + QString::fromUtf8(LibFamilyNames[i]));
    // The panel's pop-up menu serves the pictures too.
    Images[i]->setContextMenuPolicy(Qt::NoContextMenu);
    Images[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  PopupMenu1 = new QMenu(this);
  N13 = PopupMenu1->addAction(QStringLiteral("Копировать"));
  N14 = PopupMenu1->addAction(QStringLiteral("Сохранить"));
}

void TLibForm::BuildGroupBox() {
  GroupBox1 = new QGroupBox(QStringLiteral("  Параметры  "), Panel1);
  const qreal ratio = devicePixelRatioF();
  ImageTi = MakeLabelPicture(GroupBox1, QStringLiteral("LibImageTi"), QStringLiteral("τu [с] ="), ratio);
  ImageTi001 = MakeLabelPicture(GroupBox1, QStringLiteral("LibImageTi001"), QStringLiteral("τ0,01 [с] ="), ratio);
  ImageV0 = MakeLabelPicture(GroupBox1, QStringLiteral("LibImageV0"), QStringLiteral("V0 [В] ="), ratio);
  EditTay = new TDecimalEdit(GroupBox1);
  EditV0 = new TDecimalEdit(GroupBox1);
  for (TDecimalEdit* edit : {EditTay, EditV0}) {
    edit->setMaxLength(EditMaxLength);
    edit->setText(QStringLiteral("1"));
    edit->resize(EditWidth, edit->sizeHint().height());
  }
  EditTay->setAccessibleName(QStringLiteral("Длительность, с"));
  EditV0->setAccessibleName(QStringLiteral("Амплитуда V0, В"));
  LabelK = new QLabel(GroupBox1);
  LabelL = new QLabel(GroupBox1);
  LabelM = new QLabel(GroupBox1);
}

void TLibForm::BuildTimers() {
  for (QTimer** timer : {&Timer1, &Timer2, &Timer3}) {
    *timer = new QTimer(this);
    (*timer)->setInterval(TimerInterval);
  }
}

void TLibForm::ConnectCommands() {
  connect(N4, &QAction::triggered, this, &TLibForm::NextClick);
  connect(SpeedButton2, &QToolButton::clicked, this, &TLibForm::NextClick);
  connect(N5, &QAction::triggered, this, &TLibForm::PreviousClick);
  connect(SpeedButton1, &QToolButton::clicked, this, &TLibForm::PreviousClick);
  connect(N7, &QAction::triggered, this, &TLibForm::SelectSignalClick);
  connect(SpeedButton3, &QToolButton::clicked, this, &TLibForm::SelectSignalClick);
  connect(N3, &QAction::triggered, this, &TLibForm::CloseClick);
  connect(SpeedButton5, &QToolButton::clicked, this, &TLibForm::CloseClick);
  connect(N11, &QAction::triggered, this, &TLibForm::CopyAllClick);
  connect(SpeedButton4, &QToolButton::clicked, this, &TLibForm::CopyAllClick);
  connect(N12, &QAction::triggered, this, &TLibForm::CopyDiagramsClick);
  connect(ComboBoxF, &QComboBox::activated, this, &TLibForm::ComboBoxFChange);
  connect(ComboBoxK, &QComboBox::activated, this, &TLibForm::ComboBoxKChange);
  connect(ComboBoxL, &QComboBox::activated, this, &TLibForm::ComboBoxLChange);
  connect(ComboBoxM, &QComboBox::activated, this, &TLibForm::ComboBoxMChange);
  connect(EditTay, &QLineEdit::returnPressed, this, &TLibForm::EditTayKeyEnter);
  connect(EditV0, &QLineEdit::returnPressed, this, &TLibForm::EditV0KeyEnter);
  connect(EditTay, &TDecimalEdit::Exit, this, &TLibForm::EditExit);
  connect(EditV0, &TDecimalEdit::Exit, this, &TLibForm::EditExit);
  connect(DiagramSignal, &TDiagram::OnClick, this, &TLibForm::DiagramSignalClick);
  connect(SpeedButtonMSig, &QToolButton::clicked, this, &TLibForm::DiagramSignalClick);
  connect(DiagramSpectr, &TDiagram::OnClick, this, &TLibForm::DiagramSpectrClick);
  connect(SpeedButtonMSp, &QToolButton::clicked, this, &TLibForm::DiagramSpectrClick);
  connect(SpeedButtonISig, &QToolButton::clicked, this, &TLibForm::SpeedButtonISigClick);
  connect(SpeedButtonISp, &QToolButton::clicked, this, &TLibForm::SpeedButtonISpClick);
  for (TDiagram* d : {DiagramSignal, DiagramSpectr}) {
    connect(d, &TDiagram::OnMouseMove, this, &TLibForm::DiagramMouseMove);
    connect(d, &TDiagram::OnMouseDown, this, &TLibForm::DiagramMouseDown);
  }
  connect(PanelFormul, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { PopupMenu1->popup(PanelFormul->mapToGlobal(at)); });
  connect(N13, &QAction::triggered, this, &TLibForm::N13Click);
  connect(N14, &QAction::triggered, this, &TLibForm::N14Click);
  connect(Timer1, &QTimer::timeout, this, &TLibForm::Timer1Timer);
  connect(Timer2, &QTimer::timeout, this, &TLibForm::Timer2Timer);
  connect(Timer3, &QTimer::timeout, this, &TLibForm::Timer3Timer);
}

bool TLibForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Panel1 && event->type() == QEvent::Resize) PlaceControls();
  if (event->type() == QEvent::MouseMove)
    MouseMoveElsewhere(static_cast<QWidget*>(watched), *static_cast<QMouseEvent*>(event));
  return QDialog::eventFilter(watched, event);
}

void TLibForm::mouseMoveEvent(QMouseEvent* event) {
  MouseMoveElsewhere(this, *event);
  QDialog::mouseMoveEvent(event);
}

// A move over a diagram reaches its parents too, which must not take it for a move elsewhere.
void TLibForm::MouseMoveElsewhere(QWidget* receiver, const QMouseEvent& event) {
  const QWidget* under = receiver->childAt(event.position().toPoint());
  for (const QWidget* diagram : {static_cast<QWidget*>(DiagramSignal), static_cast<QWidget*>(DiagramSpectr)})
    if (under && (under == diagram || diagram->isAncestorOf(under))) return;
  FormMouseMove();
}

// The group and the formula panel stretch across the bottom; the diagrams share the rest.
void TLibForm::PlaceControls() {
  const int width = Panel1->width(), height = Panel1->height();
  const int inner = std::max(1, width - 2 * SideMargin);
  const int groupTop = height - GroupBottomGap - GroupHeight;
  GroupBox1->setGeometry(SideMargin, groupTop, inner, GroupHeight);
  const int room = std::max(0, groupTop - FormulaGap - DiagramGap - DiagramTop);
  QSize natural;
  for (int family = 1; family <= LibFamilyCount; ++family)
    natural = natural.expandedTo(FormulaPictureSize(FormulaName(family), 1.0));
  const int formulaHeight = std::min<int>(natural.height() + 2 * FormulaPadding, FormulaShare * room);
  const int formulaTop = groupTop - FormulaGap - formulaHeight;
  PanelFormul->setGeometry(SideMargin, formulaTop, inner, formulaHeight);
  const int diagramHeight = std::max(1, formulaTop - DiagramGap - DiagramTop);
  DiagramSignal->setGeometry(0, DiagramTop, width / 2, diagramHeight);
  DiagramSpectr->setGeometry(width / 2, DiagramTop, width - width / 2, diagramHeight);
  DiagramSignal->ShowDiagram();
  DiagramSpectr->ShowDiagram();
  PlaceToolPanel(PanelSignal, DiagramSignal);
  PlaceToolPanel(PanelSpectr, DiagramSpectr);
  RenderPictures();
  PlaceFormulaPictures();
  // The tau edit stays put whichever of its two label pictures shows: both end at its left.
  const int labelRight = SideMargin + std::max(ImageTi->width(), ImageTi001->width());
  const int rowMiddle = GroupHeight / 2 + 4;
  for (QLabel* label : {ImageTi, ImageTi001}) label->move(labelRight - label->width(), rowMiddle - label->height() / 2);
  PlaceEditBesideImage(ImageTi001, EditTay);
  ImageV0->move(EditTay->x() + EditTay->width() + ParameterGap, rowMiddle - ImageV0->height() / 2);
  PlaceEditBesideImage(ImageV0, EditV0);
  int left = EditV0->x() + EditV0->width() + ParameterGap;
  for (QLabel* label : {LabelK, LabelL, LabelM}) {
    label->setGeometry(left, rowMiddle - label->sizeHint().height() / 2, LabelWidth, label->sizeHint().height());
    left += LabelWidth;
  }
}

void TLibForm::PlaceToolPanel(QFrame* panel, const TDiagram* diagram) {
  panel->move(diagram->Get_xe_net() - panel->width() - PanelMargin, diagram->Get_yb_net() + PanelMargin);
}

// Each picture is drawn for the panel's size: shrunk to fit, never enlarged.
void TLibForm::RenderPictures() {
  const QSize room = PanelFormul->contentsRect().size() - QSize(2 * FormulaPadding, 2 * FormulaPadding);
  const qreal ratio = devicePixelRatioF();
  for (int i = 0; i < LibFamilyCount; ++i) {
    const QString name = FormulaName(i + 1);
    if (!HasFormulaPicture(name) || room.isEmpty()) {
      FormulaPictures[i] = QImage();
      Images[i]->clear();
      continue;
    }
    const QSize natural = FormulaPictureSize(name, 1.0);
    const qreal scale = std::min({1.0, qreal(room.width()) / natural.width(), qreal(room.height()) / natural.height()});
    if (!FormulaPictures[i].isNull() && FormulaPictureSize(name, scale) == Images[i]->size()) continue;
    FormulaPictures[i] = RenderFormulaPicture(name, scale, ratio);
    Images[i]->setPixmap(QPixmap::fromImage(FormulaPictures[i]));
    Images[i]->resize(FormulaPictureSize(name, scale));
  }
}

void TLibForm::PlaceFormulaPictures() {
  for (QLabel* image : Images)
    image->move((PanelFormul->width() - image->width()) / 2, (PanelFormul->height() - image->height()) / 2);
}
