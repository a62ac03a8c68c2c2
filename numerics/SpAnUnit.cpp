#include "numerics/SpAnUnit.h"

#include <QEvent>
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
    return;
  }
  exec();
  // Closed (by Escape) before the first tick: the transform must still run, or the caller
  // would read the padded samples as a spectrum.
  if (Timer1->isActive()) {
    Timer1->stop();
    Transform();
  }
}

void TSpAnForm::ProgressStart(TTransformKind kind, unsigned size, unsigned steps) {
  StageKind = kind;
  StageSize = size;
  ShowStage();
  Label1->repaint();
  ProgressBar1->setMaximum(static_cast<int>(steps));
  ProgressBar1->setValue(0);
}

void TSpAnForm::ShowStage() {
  if (StageSize == 0) return;
  Label1->setText((StageKind == TTransformKind::Fast ? tr("БПФ %1 точек...") : tr("ДПФ %1 точек...")).arg(StageSize));
}

// After the kept first text is put again: the label goes on naming the last transform.
void TSpAnForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) ShowStage();
}

void TSpAnForm::ProgressStep(unsigned steps) {
  ProgressBar1->setValue(ProgressBar1->value() + static_cast<int>(steps));
}
