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
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int WindowFontPixels = 11;
constexpr int ToolPanelWidth = 82, ToolPanelHeight = 29;
constexpr int ToolButtonSize = 25, ToolButtonPitch = 26;
constexpr int LagrGroupWidth = 740, LagrGroupHeight = 170;
constexpr int LagrParLeft = 15, LagrParTop = 30, LagrParWidth = 170, LagrParHeight = 60;
constexpr int PanelLagrLeft = 200, PanelLagrTop = 22, PanelLagrHeight = 135;
constexpr int SignalSeriesCount = 3;
constexpr int BasisSeriesCount = 50;

QToolButton* ToolBarButton(QToolBar* bar, TMainGlyph glyph, const char* hint, bool toggle) {
  auto* b = new QToolButton(bar);
  b->setAutoRaise(true);
  b->setIcon(MainToolIcon(glyph));
  PutText(b, TTextRole::ToolTip, TResamForm::TextContext, hint);
  b->setCheckable(toggle);
  bar->addWidget(b);
  return b;
}

// Named by NameDiagrams, in the interface language.
TDiagramFrame* Frame(QWidget* page) { return new TDiagramFrame(page); }

// A page's tab, its text kept.
void AddTab(QTabWidget* tabs, QWidget* page, const char* text) {
  tabs->addTab(page, QString());
  PutText(page, TTextRole::TabText, TResamForm::TextContext, text);
}

// A group box with its title kept.
QGroupBox* GroupBox(QWidget* parent, const char* title) {
  auto* box = new QGroupBox(parent);
  PutText(box, TTextRole::Title, TResamForm::TextContext, title);
  return box;
}

// A small raised panel of picture tools: enlarge, save, copy, in that order.
QFrame* PictureTools(QWidget* parent, QToolButton*& enlarge, QToolButton*& save, QToolButton*& copy) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setAutoFillBackground(true);
  panel->resize(ToolPanelWidth, ToolPanelHeight);
  enlarge = MakeSpeedButton(panel, TToolGlyph::Increase, QString(), false);
  save = MakeSpeedButton(panel, TToolGlyph::Save, QString(), false);
  copy = MakeSpeedButton(panel, TToolGlyph::Copy, QString(), false);
  PutText(enlarge, TTextRole::ToolTip, TResamForm::TextContext, QT_TRANSLATE_NOOP("TResamForm", "Увеличение"));
  PutText(save, TTextRole::ToolTip, TResamForm::TextContext, QT_TRANSLATE_NOOP("TResamForm", "Сохранить рисунок"));
  PutText(copy, TTextRole::ToolTip, TResamForm::TextContext,
          QT_TRANSLATE_NOOP("TResamForm", "Копировать в буфер обмена"));
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
  const char* Hint;  // a source text of TResamForm::TextContext
  bool Toggle;
  bool GroupStart;  // a separator comes before the button
};
using F = TResamForm;
const TToolBarItem ToolBarItems[] = {
    {&F::SpeedButton1, TMainGlyph::Drawing, QT_TRANSLATE_NOOP("TResamForm", "Графическое задание сигнала"), false,
     false},
    {&F::SpeedButton2, TMainGlyph::Table, QT_TRANSLATE_NOOP("TResamForm", "Табличное задание сигнала"), false, false},
    {&F::SpeedButton11, TMainGlyph::Library, QT_TRANSLATE_NOOP("TResamForm", "Библиотека сигналов"), false, false},
    {&F::SpeedButton18, TMainGlyph::Polyharmonic,
     QT_TRANSLATE_NOOP("TResamForm", "Фрагмент полигармонического сигнала"), false, false},
    {&F::SpeedButton19, TMainGlyph::Recording, QT_TRANSLATE_NOOP("TResamForm", "Открыть запись"), false, false},
    {&F::SpeedButton3, TMainGlyph::Analog,
     QT_TRANSLATE_NOOP("TResamForm", "Показывать графики для аналогового сигнала"), true, true},
    {&F::SpeedButton4, TMainGlyph::Discrete,
     QT_TRANSLATE_NOOP("TResamForm", "Показывать графики для  дискретного сигнала"), true, false},
    {&F::SpeedButton5, TMainGlyph::Interpolating,
     QT_TRANSLATE_NOOP("TResamForm", "Показывать графики для интерполирующей функции"), true, false},
    {&F::SpeedButton6, TMainGlyph::SignalBand, QT_TRANSLATE_NOOP("TResamForm", "Показывать основную часть спектра"),
     true, true},
    {&F::SpeedButton7, TMainGlyph::OnePeriod,
     QT_TRANSLATE_NOOP("TResamForm", "Показывать один период спектра дискретного сигнала"), true, false},
    {&F::SpeedButton8, TMainGlyph::TwoPeriods,
     QT_TRANSLATE_NOOP("TResamForm", "Показывать два периода спектра дискретного сигнала"), true, false},
    {&F::SpeedButton9, TMainGlyph::FourPeriods,
     QT_TRANSLATE_NOOP("TResamForm", "Показывать четыре периода спектра дискретного сигнала"), true, false},
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
    this->*item.Button = ToolBarButton(ToolBar1, item.Glyph, item.Hint, item.Toggle);
  }
  for (QToolButton* b : {SpeedButton3, SpeedButton4, SpeedButton5}) b->setChecked(true);
  auto* views = new QButtonGroup(this);
  views->setExclusive(true);
  for (QToolButton* b : {SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9}) views->addButton(b);
  SpeedButton8->setChecked(true);
  ToolBar1->addSeparator();
  SpeedButton10 = ToolBarButton(ToolBar1, TMainGlyph::Exit, QT_TR_NOOP("Выход"), false);
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
  NameDiagrams();
}

void TResamForm::BuildSignalTab() {
  TabSheet1 = new QWidget;
  AddTab(PageControl1, TabSheet1, QT_TR_NOOP("Сигнал и интерполирующая функция"));
  DFs = Frame(TabSheet1);
  BuildParameterPanel();
  Label5 = new QLabel(TabSheet1);
  PutText(Label5, TTextRole::Text, TextContext, QT_TR_NOOP("Сигнал не задан"));
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
  AddTab(PageControl1, TabSheet2, QT_TR_NOOP("Ошибка восстановления  и спектр"));
  DFAS = Frame(TabSheet2);
  DFE = Frame(TabSheet2);
}

void TResamForm::BuildKernelTab() {
  TabSheet3 = new QWidget;
  AddTab(PageControl1, TabSheet3, QT_TR_NOOP("Порождающая функция"));
  DFBF = Frame(TabSheet3);
  DFBFS = Frame(TabSheet3);
  DFK = Frame(TabSheet3);
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
  AddTab(PageControl1, TabSheet4, QT_TR_NOOP("Базисные функции"));
  DFLagr = Frame(TabSheet4);
  GroupBoxLagr = GroupBox(TabSheet4, QT_TR_NOOP("   Параметры и описание   "));
  GroupBoxLagr->resize(LagrGroupWidth, LagrGroupHeight);
  GroupBoxLagrPar = GroupBox(GroupBoxLagr, QT_TR_NOOP("  Количество отсчётов N  "));
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

// The diagrams' titles and time axes; the other axes are named as their series are shown.
void TResamForm::NameDiagrams() {
  const struct {
    TDiagramFrame* Frame;
    const char* Name;
    const char* NameX;  // null: named elsewhere
  } names[] = {
      {DFs, QT_TR_NOOP("Сигнал"), QT_TR_NOOP("t,c")},
      {DFAS, QT_TR_NOOP("Амплитудный спектр"), nullptr},
      {DFE, QT_TR_NOOP("Ошибка восстановления сигнала"), QT_TR_NOOP("t, c")},
      {DFBF, QT_TR_NOOP("Порождающая функция"), nullptr},
      {DFBFS, QT_TR_NOOP("Спектр порождающей функции"), nullptr},
      {DFK, QT_TR_NOOP("Коэффициент искажений"), nullptr},
      {DFLagr, QT_TR_NOOP("Базисные функции многочлена Лагранжа"), nullptr},
  };
  for (const auto& n : names) {
    n.Frame->Diagram->SetNameDiagram(tr(n.Name));
    if (n.NameX) n.Frame->Diagram->SetNameX(tr(n.NameX));
  }
}
