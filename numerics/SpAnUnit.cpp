#include "numerics/SpAnUnit.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "platform/CoreServices.h"
#include "widgets/AccessibleNames.h"
#include "widgets/TranslatedTexts.h"

TSpAnForm* SpAnForm = nullptr;

namespace {
constexpr int ClientWidth = 242, ClientHeight = 44;
constexpr int Margin = 8, RowHeight = 16, BarTop = 22;
constexpr int StartDelayMs = 10;  // long enough for the window to paint before the work begins
}  // namespace

TSpAnForm::TSpAnForm(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
  PutText(this, TTextRole::WindowTitle, "TSpAnForm", QT_TR_NOOP("Модуль спектрального анализа"));
  setFixedSize(ClientWidth, ClientHeight);
  Label1 = new QLabel(this);
  PutText(Label1, TTextRole::Text, "TSpAnForm", QT_TR_NOOP("Инициализация..."));
  Label1->setGeometry(Margin, 4, ClientWidth - 2 * Margin, RowHeight);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setGeometry(Margin, BarTop, ClientWidth - 2 * Margin, RowHeight);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setTextVisible(false);
  Timer1 = new QTimer(this);
  Timer1->setInterval(StartDelayMs);
  connect(Timer1, &QTimer::timeout, this, &TSpAnForm::Timer1Timer);
  GiveAccessibleNames(this);
}

void TSpAnForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TSpAnForm::FormShow() { Timer1->start(); }

void TSpAnForm::Timer1Timer() {
  Timer1->stop();
  {
    TWaitCursor wait;
    Transform();
  }
  accept();
}

void TSpAnForm::RunTransform() {
  if (!GetIndication()) {
    Transform();
  } else {
    exec();
    // Closed (by Escape) before the first tick: the transform must still run, or the caller
    // would read the padded samples as a spectrum.
    if (Timer1->isActive()) {
      Timer1->stop();
      Transform();
    }
  }
  // The next run opens on its kept first text again, in the language chosen by then.
  RetranslateTexts(Label1);
}

void TSpAnForm::ProgressStart(TTransformKind kind, unsigned size, unsigned steps) {
  Label1->setText((kind == TTransformKind::Fast ? tr("БПФ %1 точек...") : tr("ДПФ %1 точек...")).arg(size));
  Label1->repaint();
  ProgressBar1->setMaximum(static_cast<int>(steps));
  ProgressBar1->setValue(0);
}

void TSpAnForm::ProgressStep(unsigned steps) {
  ProgressBar1->setValue(ProgressBar1->value() + static_cast<int>(steps));
}
