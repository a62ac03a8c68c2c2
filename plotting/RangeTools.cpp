#include "plotting/RangeTools.h"

#include <QAction>
#include <QFont>
#include <QLabel>
#include <QSize>
#include <QString>
#include <QToolButton>

#include "plotting/Diagram.h"
#include "plotting/DiagramScale.h"
#include "plotting/NumberText.h"

namespace {
constexpr int DiagramTop = 5, DiagramBottomGap = 10, DiagramSideGap = 20, UpDownLeft = 5;
// The read-out shows two decimals more than the axis numbers.
constexpr int ReadoutExtraDecimals = 2;
constexpr int InteriorBorder = 2;
constexpr int UpDownLong = 41, UpDownShort = 16;
constexpr int FontHeight = 16;
constexpr int ReadoutWidth = 191;

QFont WindowDiagramFont(bool title) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setPixelSize(FontHeight);
  font.setBold(title);
  font.setItalic(title);
  return font;
}

// The program's number locale decides the separator (a comma in the Russian interface).
QString Readout(double value, int precision) {
  return WithProgramSeparator(QString::fromStdString(FormatReadout(value, precision + ReadoutExtraDecimals)));
}
}  // namespace

TStoredRange TStoredRange::Of(const TDiagram& diagram) {
  return {diagram.GetXmin(), diagram.GetXmax(), diagram.GetYmin(), diagram.GetYmax()};
}

void TStoredRange::RestoreTo(TDiagram& diagram) const {
  const TDiagram::TOnePaint once(diagram);
  diagram.SetRangeX(Xmin, Xmax);
  diagram.SetRangeY(Ymin, Ymax);
}

void StepRangeEdge(TDiagram& diagram, TRangeEdge edge, TUpDown::TUDBtnType button) {
  const bool increase = button == TUpDown::btNext;
  switch (edge) {
    case TRangeEdge::Ymax:
      increase ? diagram.IncreaseYmax() : diagram.ReduceYmax();
      break;
    case TRangeEdge::Ymin:
      increase ? diagram.IncreaseYmin() : diagram.ReduceYmin();
      break;
    case TRangeEdge::Xmin:
      increase ? diagram.IncreaseXmin() : diagram.ReduceXmin();
      break;
    case TRangeEdge::Xmax:
      increase ? diagram.IncreaseXmax() : diagram.ReduceXmax();
      break;
  }
}

void PlaceDiagramWithUpDowns(TDiagram& diagram, const QSize& area, const TRangeUpDowns& upDowns) {
  const int left = upDowns.Ymax->width() + UpDownLeft;
  // Moved down, not shrunk from the top: the height loses only the room of the X up-downs.
  diagram.setGeometry(left, DiagramTop, area.width() - (upDowns.Ymax->width() + DiagramSideGap),
                      area.height() - (upDowns.Xmin->height() + DiagramBottomGap));
  diagram.ShowDiagram();
  const int top = diagram.y(), bottom = top + diagram.height();
  upDowns.Ymax->move(UpDownLeft, top + diagram.Get_yb_net());
  upDowns.Ymin->move(UpDownLeft, top + diagram.Get_ye_net() - upDowns.Ymin->height());
  upDowns.Xmin->move(diagram.x() + diagram.Get_xb_net(), bottom);
  upDowns.Xmax->move(diagram.x() + diagram.Get_xe_net() - upDowns.Xmax->width(), bottom);
}

bool InNetInterior(const TDiagram& d, int x, int y) {
  return d.Get_xb_net() + InteriorBorder <= x && x <= d.Get_xe_net() - InteriorBorder &&
         d.Get_yb_net() + InteriorBorder <= y && y <= d.Get_ye_net() - InteriorBorder;
}

QString CoordinateReadout(const TDiagram& d, int x, int y) {
  if (!InNetInterior(d, x, y)) return QString();
  return QStringLiteral("(") + Readout(d.PhisToMathX(x), d.GetPrecisionX()) + QStringLiteral("; ") +
         Readout(d.PhisToMathY(y), d.GetPrecisionY()) + QStringLiteral(")");
}

TRangeUpDowns MakeRangeUpDowns(QWidget* area) {
  const TRangeUpDowns upDowns{new TUpDown(Qt::Vertical, area), new TUpDown(Qt::Vertical, area),
                              new TUpDown(Qt::Horizontal, area), new TUpDown(Qt::Horizontal, area)};
  upDowns.Ymax->resize(UpDownShort, UpDownLong);
  upDowns.Ymin->resize(UpDownShort, UpDownLong);
  upDowns.Xmin->resize(UpDownLong, UpDownShort);
  upDowns.Xmax->resize(UpDownLong, UpDownShort);
  ShowRangeUpDowns(upDowns, false);
  return upDowns;
}

void ShowRangeUpDowns(const TRangeUpDowns& upDowns, bool visible) {
  for (TUpDown* u : {upDowns.Ymax, upDowns.Ymin, upDowns.Xmin, upDowns.Xmax}) u->setVisible(visible);
}

void UseWindowDiagramFonts(TDiagram& diagram) {
  const TDiagram::TOnePaint once(diagram);
  const bool enabled = diagram.GetEnableLine();
  diagram.EnableLine(false);
  diagram.SetFontNameX(WindowDiagramFont(true));
  diagram.SetFontNameY(WindowDiagramFont(true));
  diagram.SetFontName(WindowDiagramFont(true));
  diagram.SetFontNet(WindowDiagramFont(false));
  diagram.EnableLine(enabled);
}

QLabel* MakeReadoutPanel(QWidget* parent) {
  auto* panel = new QLabel(parent);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setFixedWidth(ReadoutWidth);
  panel->setAlignment(Qt::AlignCenter);
  return panel;
}

void ToggleFeeler(TDiagram& diagram, QToolButton* button, QAction* item) {
  diagram.SetShowFeeler(!diagram.GetShowFeeler());
  button->setChecked(diagram.GetShowFeeler());
  if (item) item->setChecked(diagram.GetShowFeeler());
}
