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

#include "platform/Language.h"
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
#include "widgets/TranslatedTexts.h"

namespace {
constexpr char Context[] = "TLibForm";
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
  // Named after its parameter: a label found beside it would depend on where the layout put it.
  box->setAccessibleName(prefix.chopped(1));
  box->setFocusPolicy(Qt::StrongFocus);
  return box;
}

// A label picture (the symbol before an edit) at its natural size; empty without artwork.
void ShowLabelPicture(QLabel* label, qreal ratio) {
  const QString name = label->objectName();
  if (HasFormulaPicture(name)) {
    label->setPixmap(QPixmap::fromImage(RenderFormulaPicture(name, 1.0, ratio)));
    label->resize(FormulaPictureSize(name, 1.0));
  } else {
    label->setText(name);
    label->adjustSize();
  }
}

QLabel* MakeLabelPicture(QWidget* parent, const QString& name, const char* spoken, qreal ratio) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  PutText(label, TTextRole::AccessibleName, Context, spoken);
  ShowLabelPicture(label, ratio);
  return label;
}
}  // namespace

TLibForm::TLibForm(QWidget* parent) : QDialog(parent) {
  FrameToolWindow(this, QString(), QSize(NominalWidth, NominalHeight));
  PutText(this, TTextRole::WindowTitle, Context, QT_TR_NOOP("Библиотека видеосигналов"));
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
  ShowFamilyNames();
  SelectFamily(1);
  PlaceControls();
  EditTay->setModified(false);
  EditV0->setModified(false);
  Redraw();
  GiveAccessibleNames(this);
}

void TLibForm::BuildMenu() {
  MainMenu1 = new QMenuBar(this);
  QMenu* signal = AddTranslatedMenu(MainMenu1, Context, QT_TR_NOOP("Сигнал"));
  N4 = AddTranslatedItem(signal, Context, QT_TR_NOOP("Следующий"));
  N5 = AddTranslatedItem(signal, Context, QT_TR_NOOP("Предыдущий"));
  signal->addSeparator();
  N7 = AddTranslatedItem(signal, Context, QT_TR_NOOP("Выбрать сигнал"));
  QMenu* view = AddTranslatedMenu(MainMenu1, Context, QT_TR_NOOP("Вид"));
  auto* views = new QActionGroup(this);
  N9 = views->addAction(QString());
  PutText(N9, TTextRole::Text, Context, QT_TR_NOOP("Сигнал и спектр"));
  N10 = views->addAction(QString());
  PutText(N10, TTextRole::Text, Context, QT_TR_NOOP("Сигнал и АКФ"));
  for (QAction* item : {N9, N10}) {
    item->setCheckable(true);
    view->addAction(item);
  }
  N9->setChecked(true);
  N10->setEnabled(false);
  QMenu* copy = AddTranslatedMenu(MainMenu1, Context, QT_TR_NOOP("Копировать"));
  N11 = AddTranslatedItem(copy, Context, QT_TR_NOOP("Всё изображение"));
  N12 = AddTranslatedItem(copy, Context, QT_TR_NOOP("Только графики"));
  N3 = MainMenu1->addAction(QString());
  PutText(N3, TTextRole::Text, Context, QT_TR_NOOP("Закрыть"));
}

void TLibForm::BuildToolBar() {
  ToolBar1 = new QToolBar(this);
  SpeedButton3 = MakeSpeedButton(ToolBar1, TToolGlyph::Accept, QString(), false);
  PutText(SpeedButton3, TTextRole::ToolTip, Context, QT_TR_NOOP("Выбрать сигнал"));
  SpeedButton1 = MakeSpeedButton(ToolBar1, TToolGlyph::ArrowLeft, QString(), false);
  PutText(SpeedButton1, TTextRole::ToolTip, Context, QT_TR_NOOP("Предыдущий"));
  SpeedButton2 = MakeSpeedButton(ToolBar1, TToolGlyph::ArrowRight, QString(), false);
  PutText(SpeedButton2, TTextRole::ToolTip, Context, QT_TR_NOOP("Следующий"));
  SpeedButton4 = MakeSpeedButton(ToolBar1, TToolGlyph::Copy, QString(), false);
  PutText(SpeedButton4, TTextRole::ToolTip, Context, QT_TR_NOOP("Копировать в буфер"));
  SpeedButton5 = MakeSpeedButton(ToolBar1, TToolGlyph::Close, QString(), false);
  PutText(SpeedButton5, TTextRole::ToolTip, Context, QT_TR_NOOP("Закрыть"));
  ComboBoxF = new QComboBox(ToolBar1);
  for (int i = 0; i < LibFamilyCount; ++i) ComboBoxF->addItem(QString());
  PutText(ComboBoxF, TTextRole::ToolTip, Context, QT_TR_NOOP("Семейство сигналов"));
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
  for (TDiagram* diagram : {DiagramSignal, DiagramSpectr}) {
    TDiagram& d = *diagram;
    d.EnableLine(false);
    for (auto setFont :
         {&TDiagram::SetFontNameX, &TDiagram::SetFontNameY, &TDiagram::SetFontName, &TDiagram::SetFontNet})
      (d.*setFont)(DiagramFont());
    d.SetLimitX(-100000, 100000);
    d.SetLimitY(-100000, 100000);
    d.SetShowFeeler(false);
    d.SetColorFeeler(ColourBlack);
    d.SetNetCursor(Qt::CrossCursor);
    d.GetKeeper(0)->SetColor(SignalColour);
    d.EnableLine(true);
  }
  NameDiagrams();
  PanelSignal = BuildToolPanel(DiagramSignal, SpeedButtonISig, SpeedButtonMSig);
  PanelSpectr = BuildToolPanel(DiagramSpectr, SpeedButtonISp, SpeedButtonMSp);
}

void TLibForm::NameDiagrams() {
  struct TTitles {
    TDiagram* Diagram;
    const char *Name, *X, *Y;
  };
  const TTitles titles[] = {
      {DiagramSignal, QT_TR_NOOP("Сигнал"), QT_TR_NOOP("t, с"), QT_TR_NOOP("s(t), В")},
      {DiagramSpectr, QT_TR_NOOP("         Амплитудный спектр"), QT_TR_NOOP("f, Гц"), QT_TR_NOOP("|S(f)|, В/Гц")},
  };
  for (const TTitles& t : titles) {
    t.Diagram->SetNameDiagram(tr(t.Name));
    t.Diagram->SetNameX(tr(t.X));
    t.Diagram->SetNameY(tr(t.Y));
  }
}

QFrame* TLibForm::BuildToolPanel(TDiagram* diagram, QToolButton*& increase, QToolButton*& measure) {
  auto* panel = new QFrame(diagram);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setAutoFillBackground(true);
  panel->resize(2 * PanelButtonSize + 6, PanelButtonSize + 4);
  increase = MakeSpeedButton(panel, TToolGlyph::Increase, QString(), false);
  PutText(increase, TTextRole::ToolTip, Context, QT_TR_NOOP("Увеличение"));
  measure = MakeSpeedButton(panel, TToolGlyph::Measure, QString(), true);
  PutText(measure, TTextRole::ToolTip, Context, QT_TR_NOOP("Измерения"));
  increase->setGeometry(2, 2, PanelButtonSize, PanelButtonSize);
  measure->setGeometry(3 + PanelButtonSize, 2, PanelButtonSize, PanelButtonSize);
  panel->hide();
  return panel;
}

void TLibForm::BuildFormulaPanel() {
  PanelFormul = AddTranslatedLabel(Panel1, Context, QT_TR_NOOP("Файл не найден"));
  PanelFormul->setAlignment(Qt::AlignCenter);
  PanelFormul->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  PanelFormul->setContextMenuPolicy(Qt::CustomContextMenu);
  for (int i = 0; i < LibFamilyCount; ++i) {
    Images[i] = new QLabel(PanelFormul);
    Images[i]->setObjectName(QStringLiteral("Image") + QString::number(i + 1));
    // The panel's pop-up menu serves the pictures too.
    Images[i]->setContextMenuPolicy(Qt::NoContextMenu);
    Images[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  PopupMenu1 = new QMenu(this);
  N13 = AddTranslatedItem(PopupMenu1, Context, QT_TR_NOOP("Копировать"));
  N14 = AddTranslatedItem(PopupMenu1, Context, QT_TR_NOOP("Сохранить"));
}

void TLibForm::BuildGroupBox() {
  GroupBox1 = new QGroupBox(Panel1);
  PutText(GroupBox1, TTextRole::Title, Context, QT_TR_NOOP("  Параметры  "));
  const qreal ratio = devicePixelRatioF();
  ImageTi = MakeLabelPicture(GroupBox1, QStringLiteral("LibImageTi"), QT_TR_NOOP("τu [с] ="), ratio);
  ImageTi001 = MakeLabelPicture(GroupBox1, QStringLiteral("LibImageTi001"), QT_TR_NOOP("τ0,01 [с] ="), ratio);
  ImageV0 = MakeLabelPicture(GroupBox1, QStringLiteral("LibImageV0"), QT_TR_NOOP("V0 [В] ="), ratio);
  EditTay = new TDecimalEdit(GroupBox1);
  EditV0 = new TDecimalEdit(GroupBox1);
  for (TDecimalEdit* edit : {EditTay, EditV0}) {
    edit->setMaxLength(EditMaxLength);
    edit->setText(QStringLiteral("1"));
    edit->resize(EditWidth, edit->sizeHint().height());
  }
  PutText(EditTay, TTextRole::AccessibleName, Context, QT_TR_NOOP("Длительность, с"));
  PutText(EditV0, TTextRole::AccessibleName, Context, QT_TR_NOOP("Амплитуда V0, В"));
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

// The family names come with the formulas as source texts of this window's context.
void TLibForm::ShowFamilyNames() {
  for (int i = 0; i < LibFamilyCount; ++i) {
    const QString name = tr(LibFamilyNames[i]);
    ComboBoxF->setItemText(i, name);
    Images[i]->setAccessibleName(tr("Формулы сигнала и спектра: %1").arg(name));
  }
}

// The kept texts are put again by themselves; what is composed, named after a hint, drawn in
// the language or written with its decimal separator follows here.
void TLibForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  ShowFamilyNames();
  NameDiagrams();
  for (TDecimalEdit* edit : {EditTay, EditV0}) {
    const bool modified = edit->isModified();
    QString shown;
    edit->setText(ShownDecimalSeparator() == QLatin1Char(',') ? PointToComma(edit->text(), shown)
                                                              : CommaToPoint(edit->text(), shown));
    edit->setModified(modified);
  }
  const qreal ratio = devicePixelRatioF();
  for (QLabel* label : {ImageTi, ImageTi001, ImageV0}) ShowLabelPicture(label, ratio);
  for (QImage& picture : FormulaPictures) picture = QImage();
  PlaceControls();
  GiveAccessibleNames(this);
}

bool TLibForm::eventFilter(QObject* watched, QEvent* event) {
  // A language has pictures of its own, of their own sizes.
  if (watched == Panel1 && (event->type() == QEvent::Resize || event->type() == QEvent::LanguageChange))
    PlaceControls();
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
    if (IsCurrentFormulaPicture(FormulaPictures[i], name) && FormulaPictureSize(name, scale) == Images[i]->size())
      continue;
    FormulaPictures[i] = RenderFormulaPicture(name, scale, ratio);
    Images[i]->setPixmap(QPixmap::fromImage(FormulaPictures[i]));
    Images[i]->resize(FormulaPictureSize(name, scale));
  }
  // The edits' caption pictures, named after theirs, follow the language too.
  for (QLabel* label : {ImageTi, ImageTi001, ImageV0}) {
    if (!HasFormulaPicture(label->objectName())) continue;
    label->setPixmap(QPixmap::fromImage(RenderFormulaPicture(label->objectName(), 1.0, ratio)));
    label->resize(FormulaPictureSize(label->objectName(), 1.0));
  }
}

void TLibForm::PlaceFormulaPictures() {
  for (QLabel* image : Images)
    image->move((PanelFormul->width() - image->width()) / 2, (PanelFormul->height() - image->height()) / 2);
}
