#include "sources/RecordingUnit.h"

#include <QComboBox>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "platform/CoreServices.h"
#include "platform/Platform.h"
#include "plotting/Diagram.h"
#include "sourcedata/SoundFile.h"
#include "widgets/AccessibleNames.h"
#include "widgets/EditFloatUnit.h"
#include "widgets/TranslatedTexts.h"

TRecordingForm* RecordingForm = nullptr;

namespace {
constexpr int OverviewColour = 0x800000;  // dark blue
constexpr int FragmentColour = 0xF0D8C0;  // light blue shading
constexpr double DefaultSeriesRate = 1000;
constexpr double MinSeriesRate = 0.001, MaxSeriesRate = 1e6;
// A fragment offered when a file opens: its first samples, a few periods of a voice.
constexpr long long DefaultFragmentSamples = 256;
constexpr double MarginShare = 0.05;
constexpr double MsPerSecond = 1000;

constexpr char Context[] = "TRecordingForm";
const char* const Filters =
    QT_TRANSLATE_NOOP("TRecordingForm",
                      "Звукозаписи (*.wav *.flac *.ogg *.aif *.aiff)|*.wav;*.flac;*.ogg;*.aif;*.aiff|Данные CSV (*.csv "
                      "*.txt)|*.csv;*.txt");

bool IsSeriesFile(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  return ext == QLatin1String("csv") || ext == QLatin1String("txt");
}

// Bounds and values the program sets lie on a grid of a nanosecond (in milliseconds), so that
// the text an edit shows (15 digits) reads back as the very same number, within its bounds:
// leaving the edit untouched never announces a correction.
constexpr double GridPerMs = 1e6;
double OnGrid(double ms, double (*round)(double)) { return round(ms * GridPerMs) / GridPerMs; }

// Both bounds, in the order that never crosses them.
void SetLimits(TEditFloat* e, double lo, double hi) {
  lo = OnGrid(lo, std::ceil);
  hi = std::max(OnGrid(hi, std::floor), lo);
  if (lo > e->Max()) {
    e->SetMax(hi);
    e->SetMin(lo);
  } else {
    e->SetMin(lo);
    e->SetMax(hi);
  }
}

// A value the program sets: held within the edit's range, so no correction is announced.
void Put(TEditFloat* e, double v) { e->SetVal(std::clamp(OnGrid(v, std::nearbyint), e->Min(), e->Max())); }

TEditFloat* MakeEdit(QWidget* owner, const QString& name) {
  auto* e = new TEditFloat(owner);
  e->setObjectName(name);
  e->GFormat = false;
  e->CorrMsg = true;
  return e;
}
}  // namespace

TRecordingForm::TRecordingForm(QWidget* parent) : QDialog(parent) {
  PutText(this, TTextRole::WindowTitle, Context, QT_TR_NOOP("Запись сигнала"));
  BuildControls();
  Diagram1->NewKeeperList(2);
  TKeeper* shade = Diagram1->GetKeeper(1);
  shade->SetColor(FragmentColour);
  shade->SetPenWidth(1);
  shade->SetUnderlay(true);
  shade->SetBounded(true);
  shade->Hide();
  TKeeper* curve = Diagram1->GetKeeper(0);
  curve->SetColor(OverviewColour);
  curve->SetPenWidth(1);
  curve->SetBounded(true);
  curve->Hide();
  connect(Diagram1, &TDiagram::OnPaintSeries, this, &TRecordingForm::PaintSeries);
  connect(Diagram1, &TDiagram::OnMouseDown, this, &TRecordingForm::DiagramMouseDown);
  connect(Diagram1, &TDiagram::OnMouseMove, this, &TRecordingForm::DiagramMouseMove);
  connect(Diagram1, &TDiagram::OnMouseUp, this, &TRecordingForm::DiagramMouseUp);
  connect(ComboBoxChannel, &QComboBox::activated, this, &TRecordingForm::ChannelChange);
  for (auto [edit, handler] : {std::pair{EditFloatRate, &TRecordingForm::EditRateExit},
                               std::pair{EditFloatStart, &TRecordingForm::EditStartExit},
                               std::pair{EditFloatLength, &TRecordingForm::EditLengthExit}}) {
    connect(edit, &TEditFloat::Exit, this, handler);
    connect(edit, &QLineEdit::returnPressed, this, handler);
  }
  connect(ButtonSelect, &QPushButton::clicked, this, &TRecordingForm::ButtonSelectClick);
  connect(ButtonClose, &QPushButton::clicked, this, &TRecordingForm::ButtonCloseClick);
  GiveAccessibleNames(this);
}

void TRecordingForm::BuildControls() {
  Diagram1 = new TDiagram(this);
  Diagram1->setMinimumSize(760, 300);
  NameDiagram();
  Diagram1->SetNetCursor(Qt::IBeamCursor);
  auto* readouts = new QGridLayout;
  const char* const captions[] = {QT_TR_NOOP("Файл:"), QT_TR_NOOP("Частота дискретизации записи:"),
                                  QT_TR_NOOP("Каналы:"), QT_TR_NOOP("Длительность:")};
  QLabel** values[] = {&LabelFile, &LabelRate, &LabelChannels, &LabelDuration};
  for (int i = 0; i < 4; ++i) {
    readouts->addWidget(AddTranslatedLabel(this, Context, captions[i]), i, 0);
    *values[i] = new QLabel(this);
    (*values[i])->setTextInteractionFlags(Qt::TextSelectableByMouse);
    readouts->addWidget(*values[i], i, 1);
  }
  readouts->setColumnStretch(1, 1);
  ComboBoxChannel = new QComboBox(this);
  for (int i = 0; i < RecordingChannelCount; ++i) ComboBoxChannel->addItem(QString());
  ShowChannelNames();
  EditFloatRate = MakeEdit(this, QStringLiteral("EditFloatRate"));
  SetLimits(EditFloatRate, MinSeriesRate, MaxSeriesRate);
  EditFloatRate->SetVal(DefaultSeriesRate);
  EditFloatStart = MakeEdit(this, QStringLiteral("EditFloatStart"));
  EditFloatLength = MakeEdit(this, QStringLiteral("EditFloatLength"));
  auto* choice = new QGridLayout;
  const std::pair<const char*, QWidget*> rows[] = {{QT_TR_NOOP("Канал:"), ComboBoxChannel},
                                                   {QT_TR_NOOP("Частота дискретизации ряда, Гц:"), EditFloatRate},
                                                   {QT_TR_NOOP("Начало фрагмента, мс"), EditFloatStart},
                                                   {QT_TR_NOOP("Длительность фрагмента, мс"), EditFloatLength}};
  for (int i = 0; i < 4; ++i) {
    choice->addWidget(AddTranslatedLabel(this, Context, rows[i].first), i, 0);
    choice->addWidget(rows[i].second, i, 1);
  }
  ButtonSelect = new QPushButton(this);
  PutText(ButtonSelect, TTextRole::Text, Context, QT_TR_NOOP("Выбрать сигнал"));
  ButtonClose = new QPushButton(this);
  PutText(ButtonClose, TTextRole::Text, Context, QT_TR_NOOP("Закрыть"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ButtonSelect);
  buttons->addWidget(ButtonClose);
  auto* below = new QHBoxLayout;
  below->addLayout(readouts, 1);
  below->addSpacing(20);
  below->addLayout(choice);
  auto* all = new QVBoxLayout(this);
  all->addWidget(Diagram1, 1);
  all->addLayout(below);
  all->addLayout(buttons);
}

bool TRecordingForm::AskFile() {
  TFileDialogOptions options;
  options.Title = tr("Открыть запись");
  options.Filter = tr(Filters);
  QString path;
  return Platform().OpenFileName(options, path) && OpenFile(path);
}

bool TRecordingForm::OpenFile(const QString& path) {
  const std::string name = QFileInfo(path).fileName().toStdString();
  const std::string file = path.toStdString();
  TRecording r;
  const TMessage fault =
      IsSeriesFile(path) ? ReadSeriesFile(file, name, EditFloatRate->Val(), r) : ReadSoundFile(file, name, r);
  if (!fault.Empty()) {
    ShowMessage(fault);
    return false;
  }
  Record = std::move(r);
  ComboBoxChannel->setCurrentIndex(0);
  Put(EditFloatStart, 0);
  ShowRecording();
  const long long count = std::min(Record.Frames, DefaultFragmentSamples);
  Put(EditFloatLength, double(count - 1) / Record.Rate * MsPerSecond);
  ShowFragment();
  return true;
}

void TRecordingForm::Execute() {
  Accepted = false;
  Dragging = false;
  exec();
}

void TRecordingForm::ShowRecording() {
  ShowReadouts();
  const bool stereo = Record.Channels > 1;
  ComboBoxChannel->setEnabled(stereo);
  if (!stereo) ComboBoxChannel->setCurrentIndex(0);
  EditFloatRate->setEnabled(Record.RateTyped);
  Diagram1->EnableLine(false);
  float lo = -1, hi = 1;
  Record.Overview(Channel()).Range(0, Record.Frames, lo, hi);
  const double margin = std::max(double(hi - lo), 1e-9) * MarginShare;
  const double x0 = Record.Origin, x1 = Record.Origin + double(Record.Frames - 1) / Record.Rate;
  Diagram1->SetLimitX(x0, x1);
  Diagram1->SetLimitY(lo - margin, hi + margin);
  Diagram1->SetRangeX(x0, x1);
  Diagram1->SetRangeY(lo - margin, hi + margin);
  TKeeper* curve = Diagram1->GetKeeper(0);
  curve->SetFunction(Columns.Function(), 2, x0, x1);
  curve->Show();
  LimitFragment();
  Diagram1->EnableLine(true);
  ShowFragment();
}

void TRecordingForm::ShowReadouts() {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  LabelFile->setText(QString::fromStdString(Record.Name));
  LabelRate->setText(tr("%1 Гц").arg(locale.toString(Record.Rate, 'g', 15)));
  LabelChannels->setText(QString::number(Record.Channels));
  LabelDuration->setText(tr("%1 с").arg(locale.toString(Record.Duration(), 'f', 3)));
}

void TRecordingForm::NameDiagram() {
  Diagram1->SetNameDiagram(tr("Запись"));
  Diagram1->SetNameX(tr("t,c"));
  Diagram1->SetNameY(tr("s(t),В"));
}

// In the order of TRecordingChannel.
void TRecordingForm::ShowChannelNames() {
  const char* const names[RecordingChannelCount] = {QT_TR_NOOP("Левый"), QT_TR_NOOP("Правый"),
                                                    QT_TR_NOOP("Сумма каналов")};
  for (int i = 0; i < RecordingChannelCount; ++i) ComboBoxChannel->setItemText(i, tr(names[i]));
}

// The kept texts are put again by themselves; the diagram's names, the channel names and the
// read-outs follow, the numbers with the language's separator.
void TRecordingForm::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::LanguageChange) return;
  NameDiagram();
  ShowChannelNames();
  if (Record.Frames > 0) ShowReadouts();
  for (TEditFloat* edit : {EditFloatRate, EditFloatStart, EditFloatLength}) edit->CorrectText();
  GiveAccessibleNames(this);
}

TRecordingChannel TRecordingForm::Channel() const {
  return TRecordingChannel(std::max(ComboBoxChannel->currentIndex(), 0));
}

long long TRecordingForm::FirstFrame() const {
  const long long first = std::llround(EditFloatStart->Val() / MsPerSecond * Record.Rate);
  return std::clamp(first, 0LL, std::max(Record.Frames - MinFragmentSamples, 0LL));
}

long long TRecordingForm::FrameCount() const {
  const long long count = std::llround(EditFloatLength->Val() / MsPerSecond * Record.Rate) + 1;
  return std::clamp(count, MinFragmentSamples, std::min(MaxFragmentSamples, Record.Frames - FirstFrame()));
}

// The start leaves room for the shortest fragment; the length reaches at most the last sample.
void TRecordingForm::LimitFragment() {
  const double ms = MsPerSecond / Record.Rate;
  const double last = double(Record.Frames - 1) * ms;
  const double shortest = double(MinFragmentSamples - 1) * ms;
  SetLimits(EditFloatStart, 0, std::max(last - shortest, 0.0));
  Put(EditFloatStart, EditFloatStart->Val());
  const double longest = std::min(double(MaxFragmentSamples - 1) * ms, last - EditFloatStart->Val());
  SetLimits(EditFloatLength, shortest, std::max(longest, shortest));
  Put(EditFloatLength, EditFloatLength->Val());
}

void TRecordingForm::ShowFragment() {
  const double a = Record.Origin + double(FirstFrame()) / Record.Rate;
  const double b = a + double(FrameCount() - 1) / Record.Rate;
  TKeeper* shade = Diagram1->GetKeeper(1);
  // Radio stems from -v to v at every column: a value beyond the net shades it top to bottom.
  const double reach = 4 * std::max({std::fabs(Diagram1->GetLimitYmin()), std::fabs(Diagram1->GetLimitYmax()), 1.0});
  shade->SetConstant(reach, a, b);
  shade->SetShape(ShapeRadio);
  shade->Show();
  Diagram1->ShowDiagram();
}

void TRecordingForm::PaintSeries(TDiagram* d) {
  const int xb = d->Get_xb_net(), xe = d->Get_xe_net();
  if (xe <= xb || Record.Frames == 0) return;
  const double x0 = d->PhisToMathX(xb);
  const double dx = (d->PhisToMathX(xe) - x0) / (xe - xb);
  Columns.Take(Record, Channel(), x0, dx, xe - xb + 1);
}

void TRecordingForm::ChannelChange() {
  if (Channel() == TRecordingChannel::Sum && Record.IsSound()) {
    TWaitCursor wait;
    if (const TMessage fault = ReadSoundSum(Record); !fault.Empty()) {
      ShowMessage(fault);
      ComboBoxChannel->setCurrentIndex(0);
    }
  }
  ShowRecording();
}

void TRecordingForm::EditRateExit() {
  if (!EditFloatRate->GetModify() || !Record.RateTyped) return;
  Record.Rate = EditFloatRate->Val();
  ShowRecording();
}

void TRecordingForm::EditStartExit() {
  if (!EditFloatStart->GetModify()) return;
  LimitFragment();
  ShowFragment();
}

void TRecordingForm::EditLengthExit() {
  if (!EditFloatLength->GetModify()) return;
  ShowFragment();
}

void TRecordingForm::DragTo(double a, double b) {
  const double from = std::min(a, b) - Record.Origin, to = std::max(a, b) - Record.Origin;
  Put(EditFloatStart, std::max(from, 0.0) * MsPerSecond);
  LimitFragment();
  Put(EditFloatLength, (to - EditFloatStart->Val() / MsPerSecond) * MsPerSecond);
  ShowFragment();
}

void TRecordingForm::DiagramMouseDown(TDiagram* d, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int) {
  if (button != Qt::LeftButton || Record.Frames == 0) return;
  Dragging = true;
  DragFrom = d->PhisToMathX(x);
}

void TRecordingForm::DiagramMouseMove(TDiagram* d, Qt::KeyboardModifiers, int x, int) {
  if (Dragging) DragTo(DragFrom, d->PhisToMathX(x));
}

void TRecordingForm::DiagramMouseUp(TDiagram* d, Qt::MouseButton button, Qt::KeyboardModifiers, int x, int) {
  if (!Dragging || button != Qt::LeftButton) return;
  Dragging = false;
  DragTo(DragFrom, d->PhisToMathX(x));
}

void TRecordingForm::ButtonSelectClick() {
  for (TEditFloat* e : {EditFloatStart, EditFloatLength}) e->GetModify();
  LimitFragment();
  std::vector<double> values;
  const long long first = FirstFrame();
  const TMessage fault = ReadRecordingFragment(Record, Channel(), first, FrameCount(), values);
  if (!fault.Empty()) {
    ShowMessage(fault);
    return;
  }
  Signal.SetFragment(
      {Record.Name, Channel(), Record.Rate, Record.Origin + double(first) / Record.Rate, std::move(values)});
  Accepted = true;
  accept();
}

void TRecordingForm::ButtonCloseClick() {
  Accepted = false;
  reject();
}
