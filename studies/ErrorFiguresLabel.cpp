#include "studies/ErrorFiguresLabel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cmath>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"
#include "studies/ComparisonPage.h"

TErrorFiguresLabel::TErrorFiguresLabel(TDiagram* diagram) : QLabel(diagram), Diagram(diagram) {
  setFont(diagram->GetFontName());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, ColourOf(diagram->GetColorBackNet()));
  setPalette(palette);
  setAutoFillBackground(true);
  // The diagram under it keeps its feeler and clicks.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  diagram->installEventFilter(this);
  hide();
}

QString TErrorFiguresLabel::FiguresText(const TErrorFigures& f) {
  QString text = QCoreApplication::translate("TErrorFiguresLabel", "На интервале анализа: макс. ошибка = %1; СКО = %2")
                     .arg(FigureText(f.MaxError), FigureText(f.RmsError));
  // A zero signal has no relative error to give.
  if (std::isfinite(f.RelativeRms)) text += QStringLiteral(" (") + FigureText(f.RelativeRms) + QStringLiteral(" %)");
  return text;
}

void TErrorFiguresLabel::ShowFigures(const TErrorFigures& figures, const QString& studyNote) {
  setVisible(figures.Known());
  if (!figures.Known()) return;
  setText(studyNote.isEmpty() ? FiguresText(figures) : FiguresText(figures) + QLatin1Char('\n') + studyNote);
  adjustSize();
  Place();
}

// Centred under the caption, as the caption is centred over the plotted area.
void TErrorFiguresLabel::Place() {
  move(Diagram->Get_x0_out() + Diagram->Get_w_out() / 2 - width() / 2, Diagram->Get_yb_net() + 1);
  raise();
}

// The diagram lays itself out in its own resize handling, after this filter: the new place
// is taken once that is done.
bool TErrorFiguresLabel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Diagram && event->type() == QEvent::Resize) QTimer::singleShot(0, this, &TErrorFiguresLabel::Place);
  return QLabel::eventFilter(watched, event);
}
