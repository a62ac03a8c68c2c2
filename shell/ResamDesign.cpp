// The main window as designed: the tool bar and the four tabs with their diagrams and
// picture panels. The menu and the parameter panel are built in files of their own.
#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

#include "engine/Lagrbfunit.h"
#include "plotting/Diagram.h"
#include "plotting/DiagramFrameUnit.h"
#include "plotting/ToolGlyphs.h"
#include "shell/MainToolGlyphs.h"
#include "shell/MethodViews.h"
#include "shell/ResamUnit.h"

namespace {
constexpr int WindowFontPixels = 11;
constexpr int ToolPanelWidth = 82, ToolPanelHeight = 29;
constexpr int ToolButtonSize = 25, ToolButtonPitch = 26;
constexpr int LagrGroupWidth = 740, LagrGroupHeight = 170;
constexpr int LagrParLeft = 15, LagrParTop = 30, LagrParWidth = 170, LagrParHeight = 60;
constexpr int PanelLagrLeft = 200, PanelLagrTop = 22, PanelLagrHeight = 135;
constexpr int SignalSeriesCount = 3;
constexpr int BasisSeriesCount = 50;

QToolButton* ToolBarButton(QToolBar* bar, TMainGlyph glyph, const QString& hint, bool toggle) {
  auto* b = new QToolButton(bar);
  b->setAutoRaise(true);
  b->setIcon(MainToolIcon(glyph));
  b->setToolTip(hint);
  b->setCheckable(toggle);
  bar->addWidget(b);
  return b;
}

TDiagramFrame* Frame(QWidget* page, const QString& title) {
  auto* frame = new TDiagramFrame(page);
  frame->Diagram->SetNameDiagram(title);
  return frame;
}

// A small raised panel of picture tools: enlarge, save, copy, in that order.
QFrame* PictureTools(QWidget* parent, QToolButton*& enlarge, QToolButton*& save, QToolButton*& copy) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setAutoFillBackground(true);
  panel->resize(ToolPanelWidth, ToolPanelHeight);
  enlarge = MakeSpeedButton(panel, TToolGlyph::Increase, QStringLiteral("Увеличение"), false);
  save = MakeSpeedButton(panel, TToolGlyph::Save, QStringLiteral("Сохранить рисунок"), false);
  copy = MakeSpeedButton(panel, TToolGlyph::Copy, QStringLiteral("Копировать в буфер обмена"), false);
  int left = 2;
  for (QToolButton* b : {enlarge, save, copy}) {
    b->setGeometry(left, (ToolPanelHeight - ToolButtonSize) / 2, ToolButtonSize, ToolButtonSize);
    left += ToolButtonPitch;
  }
  panel->hide();
  return panel;
}

// The tool bar's buttons before "Выход", left to right: the sources, the display switches and
// the spectrum views.
struct TToolBarItem {
  QToolButton* TResamForm::*Button;
  TMainGlyph Glyph;
  const char16_t* Hint;
  bool Toggle;
  bool GroupStart;  // a separator comes before the button
};
using F = TResamForm;
const TToolBarItem ToolBarItems[] = {
    {&F::SpeedButton1, TMainGlyph::Drawing, u"Графическое задание сигнала", false, false},
    {&F::SpeedButton2, TMainGlyph::Table, u"Табличное задание сигнала", false, false},
    {&F::SpeedButton11, TMainGlyph::Library, u"Библиотека сигналов", false, false},
    {&F::SpeedButton18, TMainGlyph::Polyharmonic, u"Фрагмент полигармонического сигнала", false, false},
    {&F::SpeedButton19, TMainGlyph::Recording, u"Открыть запись", false, false},
    {&F::SpeedButton3, TMainGlyph::Analog, u"Показывать графики для аналогового сигнала", true, true},
    {&F::SpeedButton4, TMainGlyph::Discrete, u"Показывать графики для  дискретного сигнала", true, false},
    {&F::SpeedButton5, TMainGlyph::Interpolating, u"Показывать графики для интерполирующей функции", true, false},
    {&F::SpeedButton6, TMainGlyph::SignalBand, u"Показывать основную часть спектра", true, true},
    {&F::SpeedButton7, TMainGlyph::OnePeriod, u"Показывать один период спектра дискретного сигнала", true, false},
    {&F::SpeedButton8, TMainGlyph::TwoPeriods, u"Показывать два периода спектра дискретного сигнала", true, false},
    {&F::SpeedButton9, TMainGlyph::FourPeriods, u"Показывать четыре периода спектра дискретного сигнала", true, false},
};

void MakeWhite(QWidget* w) {
  QPalette palette = w->palette();
  palette.setColor(QPalette::Window, Qt::white);
  w->setPalette(palette);
  w->setAutoFillBackground(true);
}
}  // namespace

void TResamForm::BuildToolBar() {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(WindowFontPixels);
  setFont(font);
  ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setIconSize(QSize(16, 16));
  for (const TToolBarItem& item : ToolBarItems) {
    if (item.GroupStart) ToolBar1->addSeparator();
    this->*item.Button = ToolBarButton(ToolBar1, item.Glyph, QString::fromUtf16(item.Hint), item.Toggle);
  }
  for (QToolButton* b : {SpeedButton3, SpeedButton4, SpeedButton5}) b->setChecked(true);
  auto* views = new QButtonGroup(this);
  views->setExclusive(true);
  for (QToolButton* b : {SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9}) views->addButton(b);
  SpeedButton8->setChecked(true);
  ToolBar1->addSeparator();
  SpeedButton10 = ToolBarButton(ToolBar1, TMainGlyph::Exit, QStringLiteral("Выход"), false);
}

void TResamForm::BuildPages() {
  PageControl1 = new QTabWidget(this);
  setCentralWidget(PageControl1);
  BuildSignalTab();
  BuildSpectrumTab();
  BuildKernelTab();
  BuildBasisTab();
  BuildComparisonTab();
  PageControl1->setTabVisible(3, false);
  PageControl1->setCurrentIndex(0);
}

void TResamForm::BuildSignalTab() {
  TabSheet1 = new QWidget;
  PageControl1->addTab(TabSheet1, QStringLiteral("Сигнал и интерполирующая функция"));
  DFs = Frame(TabSheet1, QStringLiteral("Сигнал"));
  DFs->Diagram->SetNameX(QStringLiteral("t,c"));
  BuildParameterPanel();
  Label5 = new QLabel(QStringLiteral("Сигнал не задан"), TabSheet1);
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(24);
  font.setBold(true);
  font.setItalic(true);
  Label5->setFont(font);
  QPalette palette = Label5->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  Label5->setPalette(palette);
  Label5->adjustSize();
}

void TResamForm::BuildSpectrumTab() {
  TabSheet2 = new QWidget;
  PageControl1->addTab(TabSheet2, QStringLiteral("Ошибка восстановления  и спектр"));
  DFAS = Frame(TabSheet2, QStringLiteral("Амплитудный спектр"));
  DFE = Frame(TabSheet2, QStringLiteral("Ошибка восстановления сигнала"));
  DFE->Diagram->SetNameX(QStringLiteral("t, c"));
}

void TResamForm::BuildKernelTab() {
  TabSheet3 = new QWidget;
  PageControl1->addTab(TabSheet3, QStringLiteral("Порождающая функция"));
  DFBF = Frame(TabSheet3, QStringLiteral("Порождающая функция"));
  DFBFS = Frame(TabSheet3, QStringLiteral("Спектр порождающей функции"));
  DFK = Frame(TabSheet3, QStringLiteral("Коэффициент искажений"));
  PanelBF = new QScrollArea(TabSheet3);
  PanelBF->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  ScrollBox1 = new QWidget;
  MakeWhite(ScrollBox1);
  PanelBF->setWidget(ScrollBox1);
  PanelBF->setWidgetResizable(true);
  MakeWhite(PanelBF->viewport());
  for (int m = 0; m < TResamEngine::MethodCount; ++m) {
    const TMethodView& view = MethodView(TResamEngine::TMethod(m));
    if (!view.Picture) continue;
    MethodImages[m] = new QLabel(ScrollBox1);
    MethodImages[m]->hide();
    if (view.Image) this->*view.Image = MethodImages[m];
  }
  ImageKot->show();
  PanelImage = PictureTools(TabSheet3, SpeedButton12, SpeedButton14, SpeedButton13);
}

void TResamForm::BuildBasisTab() {
  TabSheet4 = new QWidget;
  PageControl1->addTab(TabSheet4, QStringLiteral("Базисные функции"));
  DFLagr = Frame(TabSheet4, QStringLiteral("Базисные функции многочлена Лагранжа"));
  GroupBoxLagr = new QGroupBox(QStringLiteral("   Параметры и описание   "), TabSheet4);
  GroupBoxLagr->resize(LagrGroupWidth, LagrGroupHeight);
  GroupBoxLagrPar = new QGroupBox(QStringLiteral("  Количество отсчётов N  "), GroupBoxLagr);
  GroupBoxLagrPar->setGeometry(LagrParLeft, LagrParTop, LagrParWidth, LagrParHeight);
  ComboBoxLagr = new QComboBox(GroupBoxLagrPar);
  for (int n = MinBasisCount; n <= MaxBasisCount; ++n) ComboBoxLagr->addItem(QString::number(n));
  ComboBoxLagr->setGeometry(15, 25, LagrParWidth - 30, 22);
  PanelLagr = new QFrame(GroupBoxLagr);
  PanelLagr->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  MakeWhite(PanelLagr);
  PanelLagr->setGeometry(PanelLagrLeft, PanelLagrTop, LagrGroupWidth - PanelLagrLeft - 20, PanelLagrHeight);
  ImageLagr = new QLabel(PanelLagr);
  LoadBasisPicture();
  PanelLagrImg = PictureTools(PanelLagr, SpeedButton15, SpeedButton17, SpeedButton16);
}

void TResamForm::SetUpSeries() {
  struct TSeriesColours {
    TDiagramFrame* Frame;
    int Count;
    int Colours[SignalSeriesCount];
  };
  constexpr int Red = 0x0000FF, Blue = 0xFF0000, Black = 0, Green = 0x008000;
  const TSeriesColours table[] = {{DFs, 3, {Red, Blue, Black}},
                                  {DFAS, 3, {Red, Black, Blue}},
                                  {DFE, 1, {Green}},
                                  {DFBF, 1, {Blue}},
                                  {DFBFS, 1, {Blue}},
                                  {DFK, 1, {Blue}}};
  for (const TSeriesColours& row : table) {
    row.Frame->Diagram->NewKeeperList(static_cast<unsigned char>(row.Count));
    for (int i = 0; i < row.Count; ++i) Series(row.Frame, i)->SetColor(row.Colours[i]);
  }
  Series(DFs, 2)->SetDiscrete();
  Series(DFs, 2)->SetMarkers(true);
  ApplyDisplay();
  DFLagr->Diagram->NewKeeperList(BasisSeriesCount);
  SetUpBasisSeries();
  NameSeries();
}
