#include "plotting/DiagramFrameUnit.h"

#include <QToolButton>
#include <iterator>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "plotting/DiagramExport.h"
#include "plotting/DiagramIncreaseUnit.h"
#include "plotting/ToolGlyphs.h"
#include "widgets/AccessibleNames.h"
#include "widgets/TranslatedTexts.h"

namespace {
constexpr int FrameWidth = 490, FrameHeight = 344;
constexpr int PanelHeight = 29;
constexpr int PanelMargin = 10;
constexpr int ButtonSize = 25, ButtonPitch = 26, ButtonLeft = 2;
// The six buttons of the design and "Сохранить данные..." after them: 161 pixels for six.
constexpr int PanelButtons = 7;
constexpr int PanelWidth = ButtonLeft + PanelButtons * ButtonPitch + 3;
constexpr int UpDownLong = 30, UpDownShort = 16;
constexpr int FontHeight = 11;
// Between an up-down and the numbers it sits beside.
constexpr int ToolGap = 2;
}  // namespace

TDiagramFrame::TDiagramFrame(QWidget* parent) : QFrame(parent), Diagram(new TDiagram(this)) {
  resize(FrameWidth, FrameHeight);
  Diagram->setGeometry(rect());
  SetDiagramDefaults();
  BuildPanel();
  BuildUpDowns();
  connect(Diagram, &TDiagram::OnClick, this, &TDiagramFrame::DiagramClick);
  connect(Diagram, &TDiagram::OnMouseDown, this, &TDiagramFrame::DiagramMouseDown);
  connect(Diagram, &TDiagram::OnMouseMove, this, &TDiagramFrame::DiagramMouseMove);
  Diagram->ShowDiagram();
  StoreRange();
  GiveAccessibleNames(this);
}

void TDiagramFrame::SetDiagramDefaults() {
  TDiagram& d = *Diagram;
  const TDiagram::TOnePaint once(d);
  d.EnableLine(false);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(FontHeight);
  d.SetFontNameX(font);
  d.SetFontNameY(font);
  d.SetFontName(font);
  d.SetFontNet(font);
  d.SetShowFeeler(false);
  d.SetPenStyleFeeler(Qt::SolidLine);
  d.SetColorFeeler(ColourBlack);
  d.SetNetCursor(Qt::CrossCursor);
  d.SetLimitX(-100000, 100000);
  d.SetLimitY(-100000, 100000);
  d.SetRangeX(-1, 1);
  d.SetRangeY(-1, 1);
  d.EnableLine(true);
}

void TDiagramFrame::BuildPanel() {
  Panel = new QFrame(this);
  Panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel->setAutoFillBackground(true);
  Panel->resize(PanelWidth, PanelHeight);
  SpeedButtonMeasure = MakeSpeedButton(Panel, TToolGlyph::Measure, QString(), true);
  PutText(SpeedButtonMeasure, TTextRole::ToolTip, "TDiagramFrame", QT_TRANSLATE_NOOP("TDiagramFrame", "Измерения"));
  SpeedButtonLim = MakeSpeedButton(Panel, TToolGlyph::Limits, QString(), true);
  PutText(SpeedButtonLim, TTextRole::ToolTip, "TDiagramFrame", QT_TRANSLATE_NOOP("TDiagramFrame", "Пределы"));
  SpeedButtonRetLim = MakeSpeedButton(Panel, TToolGlyph::ReturnLimits, QString(), false);
  PutText(SpeedButtonRetLim, TTextRole::ToolTip, "TDiagramFrame",
          QT_TRANSLATE_NOOP("TDiagramFrame", "Исходные пределы"));
  SpeedButtonIncrease = MakeSpeedButton(Panel, TToolGlyph::Increase, QString(), false);
  PutText(SpeedButtonIncrease, TTextRole::ToolTip, "TDiagramFrame", QT_TRANSLATE_NOOP("TDiagramFrame", "Увеличение"));
  SpeedButtonSave = MakeSpeedButton(Panel, TToolGlyph::Save, QString(), false);
  PutText(SpeedButtonSave, TTextRole::ToolTip, "TDiagramFrame",
          QT_TRANSLATE_NOOP("TDiagramFrame", "Сохранить рисунок"));
  SpeedButtonCopy = MakeSpeedButton(Panel, TToolGlyph::Copy, QString(), false);
  PutText(SpeedButtonCopy, TTextRole::ToolTip, "TDiagramFrame",
          QT_TRANSLATE_NOOP("TDiagramFrame", "Копировать в буфер обмена"));
  SpeedButtonData = MakeSpeedButton(Panel, TToolGlyph::SaveData, QString(), false);
  PutText(SpeedButtonData, TTextRole::ToolTip, "TDiagramFrame",
          QT_TRANSLATE_NOOP("TDiagramFrame", "Сохранить данные..."));
  QToolButton* const order[] = {SpeedButtonMeasure, SpeedButtonLim,  SpeedButtonRetLim, SpeedButtonIncrease,
                                SpeedButtonSave,    SpeedButtonCopy, SpeedButtonData};
  static_assert(std::size(order) == PanelButtons);
  int left = ButtonLeft;
  for (QToolButton* b : order) {
    b->setGeometry(left, (PanelHeight - ButtonSize) / 2, ButtonSize, ButtonSize);
    left += ButtonPitch;
  }
  connect(SpeedButtonMeasure, &QToolButton::clicked, this, &TDiagramFrame::DiagramClick);
  connect(SpeedButtonLim, &QToolButton::clicked, this, &TDiagramFrame::SpeedButtonLimClick);
  connect(SpeedButtonRetLim, &QToolButton::clicked, this, &TDiagramFrame::SpeedButtonRetLimClick);
  connect(SpeedButtonIncrease, &QToolButton::clicked, this, &TDiagramFrame::SpeedButtonIncreaseClick);
  connect(SpeedButtonSave, &QToolButton::clicked, this, &TDiagramFrame::SpeedButtonSaveClick);
  connect(SpeedButtonCopy, &QToolButton::clicked, this, &TDiagramFrame::SpeedButtonCopyClick);
  connect(SpeedButtonData, &QToolButton::clicked, this, &TDiagramFrame::SpeedButtonDataClick);
  Panel->hide();
}

void TDiagramFrame::BuildUpDowns() {
  UpDown1 = new TUpDown(Qt::Vertical, this);
  UpDown2 = new TUpDown(Qt::Vertical, this);
  UpDown3 = new TUpDown(Qt::Horizontal, this);
  UpDown4 = new TUpDown(Qt::Horizontal, this);
  UpDown1->resize(UpDownShort, UpDownLong);
  UpDown2->resize(UpDownShort, UpDownLong);
  UpDown3->resize(UpDownLong, UpDownShort);
  UpDown4->resize(UpDownLong, UpDownShort);
  connect(UpDown1, &TUpDown::Click, this, &TDiagramFrame::UpDown1Click);
  connect(UpDown2, &TUpDown::Click, this, &TDiagramFrame::UpDown2Click);
  connect(UpDown3, &TUpDown::Click, this, &TDiagramFrame::UpDown3Click);
  connect(UpDown4, &TUpDown::Click, this, &TDiagramFrame::UpDown4Click);
  SetUpDownsVisible(false);
}

void TDiagramFrame::SetUpDownsVisible(bool visible) {
  for (TUpDown* u : {UpDown1, UpDown2, UpDown3, UpDown4}) u->setVisible(visible);
}

void TDiagramFrame::StoreRange() {
  Stored = TStoredRange::Of(*Diagram);
  PlaceTools();
}

// The up-downs stand at the ends of the axes as the layout has them, but outside the
// numbers: left of the Y numbers and below the X numbers, so that no digit is covered.
void TDiagramFrame::PlaceTools() {
  const TDiagram& d = *Diagram;
  Panel->move(d.Get_xe_net() - Panel->width() - PanelMargin, d.Get_yb_net() + PanelMargin);
  const QRect yNumbers = d.GetYNumbersRect(), xNumbers = d.GetXNumbersRect();
  const int besideY = (yNumbers.isEmpty() ? d.Get_xb_net() : std::min(yNumbers.left(), d.Get_xb_net())) - ToolGap;
  const int belowX = (xNumbers.isEmpty() ? d.Get_ye_net() : std::max(xNumbers.bottom() + 1, d.Get_ye_net())) + ToolGap;
  UpDown1->move(std::max(0, besideY - UpDown1->width()), d.Get_yb_net());
  UpDown2->move(std::max(0, besideY - UpDown2->width()), d.Get_ye_net() - UpDown2->height());
  UpDown3->move(d.Get_xb_net(), belowX);
  UpDown4->move(d.Get_xe_net() - UpDown4->width(), belowX);
}

// The diagram leaves room for the up-downs while the limits button is down, whether or not
// the mouse has brought the tools up: the net would otherwise jump at every hover.
void TDiagramFrame::KeepRoomForUpDowns() {
  const bool room = SpeedButtonLim->isChecked();
  Diagram->SetToolRoom(room ? UpDownShort + 2 * ToolGap : 0, room ? UpDownShort + 2 * ToolGap : 0);
  PlaceTools();
}

void TDiagramFrame::HideTools() {
  Panel->hide();
  SetUpDownsVisible(false);
  Suppressed = false;
}

void TDiagramFrame::ShowTools() {
  if (Suppressed || !Panel->isHidden()) return;
  Panel->show();
  Panel->raise();
  if (SpeedButtonLim->isChecked()) {
    SetUpDownsVisible(true);
    for (TUpDown* u : {UpDown1, UpDown2, UpDown3, UpDown4}) u->raise();
  }
}

void TDiagramFrame::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  Diagram->setGeometry(rect());
  FrameResize();
}

void TDiagramFrame::FrameResize() {
  Diagram->ShowDiagram();
  PlaceTools();
}

void TDiagramFrame::DiagramMouseMove(TDiagram*, Qt::KeyboardModifiers, int, int) { ShowTools(); }

void TDiagramFrame::DiagramClick() { ToggleFeeler(*Diagram, SpeedButtonMeasure, nullptr); }

void TDiagramFrame::DiagramMouseDown(TDiagram*, Qt::MouseButton button, Qt::KeyboardModifiers, int, int) {
  if (button != Qt::RightButton) return;
  if (Suppressed) {
    Suppressed = false;
    ShowTools();
  } else {
    HideTools();
    Suppressed = true;
  }
}

void TDiagramFrame::SpeedButtonLimClick() {
  KeepRoomForUpDowns();
  SetUpDownsVisible(UpDown1->isHidden());
  for (TUpDown* u : {UpDown1, UpDown2, UpDown3, UpDown4}) u->raise();
}

void TDiagramFrame::SpeedButtonRetLimClick() {
  Stored.RestoreTo(*Diagram);
  PlaceTools();
}

void TDiagramFrame::SpeedButtonIncreaseClick() {
  if (DiagramIncrease) DiagramIncrease->Execute(Diagram);
}

// The picture saving of the design, offering the other figure formats beside BMP.
void TDiagramFrame::SpeedButtonSaveClick() { SaveFigure({Diagram, {}}, QString()); }

void TDiagramFrame::SpeedButtonCopyClick() { Diagram->CopyToClipboard(); }

void TDiagramFrame::SpeedButtonDataClick() { SaveDiagramData(*Diagram); }

// The net moves when the numbers change width, so the tools follow every step.
void TDiagramFrame::StepEdge(TRangeEdge edge, TUpDown::TUDBtnType button) {
  StepRangeEdge(*Diagram, edge, button);
  PlaceTools();
}

void TDiagramFrame::UpDown1Click(TUpDown*, TUpDown::TUDBtnType button) { StepEdge(TRangeEdge::Ymax, button); }
void TDiagramFrame::UpDown2Click(TUpDown*, TUpDown::TUDBtnType button) { StepEdge(TRangeEdge::Ymin, button); }
void TDiagramFrame::UpDown3Click(TUpDown*, TUpDown::TUDBtnType button) { StepEdge(TRangeEdge::Xmin, button); }
void TDiagramFrame::UpDown4Click(TUpDown*, TUpDown::TUDBtnType button) { StepEdge(TRangeEdge::Xmax, button); }
