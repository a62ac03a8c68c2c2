#include "studies/ListeningWindow.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMediaDevices>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <cmath>

#include "engine/ResamEngine.h"
#include "platform/FileExtension.h"
#include "platform/FileMessages.h"
#include "platform/Platform.h"
#include "platform/SafeSave.h"
#include "studies/SoundDevice.h"
#include "studies/SoundFile.h"
#include "widgets/AccessibleNames.h"
#include "widgets/EditIntUnit.h"
#include "widgets/TranslatedTexts.h"

namespace {
using E = TResamEngine;
// What the sounds are made of: the signal, the samples, the curve, the error and the interval.
constexpr unsigned SoundChanges = E::ChangeSignal | E::ChangeInterval | E::ChangeAnalysis | E::ChangeSamples |
                                  E::ChangeCurve | E::ChangeError | E::ChangeMethod | E::ChangeNoise;
// The sink holds this much ahead of the speaker: short, so that a change is heard within
// 100 ms, long enough not to starve when the window is busy redrawing. (Qt 6.4's PulseAudio
// output never pulls at all from a buffer of 50 ms or less.)
constexpr int SinkBufferMs = 80;
constexpr int ScaleDigits = 3;
constexpr int PitchEditWidth = 60;

constexpr char Context[] = "TListeningForm";
const char* const KindTexts[SoundKindCount] = {
    QT_TRANSLATE_NOOP("TListeningForm", "Сигнал"), QT_TRANSLATE_NOOP("TListeningForm", "Отсчёты"),
    QT_TRANSLATE_NOOP("TListeningForm", "Восстановленный сигнал"), QT_TRANSLATE_NOOP("TListeningForm", "Ошибка")};

QString NoOutputTip() { return TListeningForm::tr("Звук недоступен: в системе нет устройства вывода звука"); }

// "4,55 мс": three significant digits in the unit that keeps the number at 1 or more, with the
// language's decimal separator.
QString Duration(double seconds) {
  struct TUnit {
    double Seconds;
    const char* Name;
  };
  static const TUnit Units[] = {{1, QT_TRANSLATE_NOOP("TListeningForm", "с")},
                                {1e-3, QT_TRANSLATE_NOOP("TListeningForm", "мс")},
                                {1e-6, QT_TRANSLATE_NOOP("TListeningForm", "мкс")},
                                {1e-9, QT_TRANSLATE_NOOP("TListeningForm", "нс")}};
  const TUnit* unit = &Units[0];
  for (const TUnit& u : Units) {
    unit = &u;
    if (seconds >= u.Seconds) break;
  }
  const double v = seconds / unit->Seconds;
  const int decimals = v > 0 ? std::max(0, ScaleDigits - 1 - static_cast<int>(std::floor(std::log10(v)))) : 0;
  QLocale language;
  language.setNumberOptions(QLocale::OmitGroupSeparator);
  QString text = language.toString(v, 'f', decimals);
  // Trailing zeros say nothing: "2 мс", not "2,00 мс".
  const QString separator = language.decimalPoint();
  if (text.contains(separator)) {
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(separator)) text.chop(separator.size());
  }
  return text + QLatin1Char(' ') + TListeningForm::tr(unit->Name);
}

QAudioFormat SoundFormat(QAudioFormat::SampleFormat sampleFormat) {
  QAudioFormat format;
  format.setSampleRate(SoundRate);
  format.setChannelCount(1);
  format.setSampleFormat(sampleFormat);
  return format;
}
}  // namespace

TListeningForm::TListeningForm(const TResamEngine& engine, QWidget* parent) : QDialog(parent), Engine(engine) {
  PutText(this, TTextRole::WindowTitle, Context, QT_TR_NOOP("Прослушивание"));
  setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(false);
  HasOutput = !QMediaDevices::audioOutputs().isEmpty();
  auto* column = new QVBoxLayout(this);
  BuildPlayButtons(column);
  BuildSettings(column);
  Stream.SetVolume(static_cast<double>(DefaultVolume) / VolumeSteps);
  Render();
  // After Render: the buttons' hints (why they rest) describe them too.
  GiveAccessibleNames(this);
}

TListeningForm::~TListeningForm() {
  if (Sink) Sink->stop();
}

void TListeningForm::BuildPlayButtons(QVBoxLayout* column) {
  auto* row = new QHBoxLayout;
  for (int k = 0; k < SoundKindCount; ++k) {
    Buttons[k] = new QPushButton(this);
    PutText(Buttons[k], TTextRole::Text, Context, KindTexts[k]);
    Buttons[k]->setCheckable(true);
    Buttons[k]->setAutoDefault(false);
    connect(Buttons[k], &QPushButton::clicked, this, [this, k] { Play(static_cast<TSoundKind>(k)); });
    row->addWidget(Buttons[k]);
  }
  ButtonStop = new QPushButton(this);
  PutText(ButtonStop, TTextRole::Text, Context, QT_TR_NOOP("Стоп"));
  ButtonStop->setAutoDefault(false);
  connect(ButtonStop, &QPushButton::clicked, this, &TListeningForm::StopSound);
  row->addWidget(ButtonStop);
  column->addLayout(row);
}

void TListeningForm::BuildSettings(QVBoxLayout* column) {
  auto* grid = new QGridLayout;
  CheckBoxRepeat = new QCheckBox(this);
  PutText(CheckBoxRepeat, TTextRole::Text, Context, QT_TR_NOOP("Повторять"));
  CheckBoxRepeat->setChecked(true);
  connect(CheckBoxRepeat, &QCheckBox::clicked, this, &TListeningForm::RepeatClick);
  grid->addWidget(CheckBoxRepeat, 0, 0);
  grid->addWidget(AddTranslatedLabel(this, Context, QT_TR_NOOP("Громкость")), 0, 1, Qt::AlignRight);
  SliderVolume = new QSlider(Qt::Horizontal, this);
  SliderVolume->setRange(0, VolumeSteps);
  SliderVolume->setValue(DefaultVolume);
  connect(SliderVolume, &QSlider::valueChanged, this,
          [this](int v) { Stream.SetVolume(static_cast<double>(v) / VolumeSteps); });
  grid->addWidget(SliderVolume, 0, 2);
  grid->addWidget(AddTranslatedLabel(this, Context, QT_TR_NOOP("Высота тона, Гц")), 1, 0);
  EditPitch = new TEditInt(this);
  EditPitch->CorrMsg = true;
  EditPitch->SetMax(MaxPitch);
  EditPitch->SetMin(MinPitch);
  EditPitch->SetVal(DefaultPitch);
  EditPitch->setFixedWidth(PitchEditWidth);
  connect(EditPitch, &TEditInt::Exit, this, &TListeningForm::PitchExit);
  connect(EditPitch, &QLineEdit::returnPressed, this, &TListeningForm::PitchExit);
  grid->addWidget(EditPitch, 1, 1);
  LabelScale = new QLabel(this);
  grid->addWidget(LabelScale, 1, 2);
  column->addLayout(grid);
  LabelNonNumbers =
      AddTranslatedLabel(this, Context, QT_TR_NOOP("В сигнале есть нечисловые значения: они заменены тишиной"));
  LabelNonNumbers->hide();
  column->addWidget(LabelNonNumbers);
  ButtonSave = new QPushButton(this);
  PutText(ButtonSave, TTextRole::Text, Context, QT_TR_NOOP("Сохранить звук..."));
  ButtonSave->setAutoDefault(false);
  connect(ButtonSave, &QPushButton::clicked, this, &TListeningForm::SaveSound);
  column->addWidget(ButtonSave, 0, Qt::AlignLeft);
}

void TListeningForm::Show(unsigned changes) {
  if (!(changes & SoundChanges)) return;
  Render();
  if (!Current) return;
  if (!SoundAvailable(Engine, *Current)) {
    StopSound();
    return;
  }
  Stream.Follow(Rendered.Loop[static_cast<int>(*Current)]);
}

void TListeningForm::Render() {
  FScale = SoundScaleOf(Engine, EditPitch->Val());
  Rendered = RenderLoops(Engine, FScale);
  ShowTexts();
  ShowButtons();
}

void TListeningForm::ShowTexts() {
  LabelScale->setText(tr("1 с сигнала = %1 звука").arg(Duration(FScale.SoundPerSignal)));
  EditPitch->setEnabled(!FScale.OwnTime);
  LabelNonNumbers->setVisible(Rendered.NonNumbers);
}

void TListeningForm::ShowButtons() {
  for (int k = 0; k < SoundKindCount; ++k) {
    Buttons[k]->setEnabled(HasOutput && SoundAvailable(Engine, static_cast<TSoundKind>(k)));
    Buttons[k]->setChecked(Current == static_cast<TSoundKind>(k));
  }
  ButtonStop->setEnabled(HasOutput);
  for (QPushButton* b : {Buttons[0], Buttons[1], Buttons[2], Buttons[3], ButtonStop})
    b->setToolTip(HasOutput ? QString() : NoOutputTip());
  ButtonSave->setEnabled(SoundAvailable(Engine, Chosen));
}

// Another sound while one plays takes over as a change does, without a stop between them.
void TListeningForm::Play(TSoundKind kind) {
  Chosen = kind;
  std::vector<float> loop = Rendered.Loop[static_cast<int>(kind)];
  if (Current && Stream.Playing()) {
    Stream.Follow(std::move(loop));
  } else {
    Stream.Start(std::move(loop), CheckBoxRepeat->isChecked(), FScale.OwnTime ? FScale.LoopFrames() : PlainFrames);
    if (!StartSink()) {
      Stream.Stop();
      Current.reset();
      ShowButtons();
      return;
    }
  }
  Current = kind;
  ShowButtons();
}

bool TListeningForm::StartSink() {
  if (!Sink) {
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    FloatFrames = device.isFormatSupported(SoundFormat(QAudioFormat::Float));
    const QAudioFormat format = SoundFormat(FloatFrames ? QAudioFormat::Float : QAudioFormat::Int16);
    Sink = new QAudioSink(device, format, this);
    Sink->setBufferSize(format.bytesForDuration(SinkBufferMs * 1000));
    connect(Sink, &QAudioSink::stateChanged, this, &TListeningForm::SinkStateChanged);
  }
  Sink->stop();
  Device = std::make_unique<TSoundDevice>(Stream, FloatFrames);
  Device->open(QIODevice::ReadOnly);
  Sink->start(Device.get());
  return Sink->error() == QAudio::NoError;
}

// The stream ends after its fade: the sink runs dry and the button comes up. The sink is left
// idle rather than stopped, which would drop the end still on its way to the speaker.
void TListeningForm::SinkStateChanged() {
  const QAudio::State state = Sink->state();
  if (state == QAudio::StoppedState || (state == QAudio::IdleState && !Stream.Playing())) Unpress();
}

void TListeningForm::Unpress() {
  Current.reset();
  ShowButtons();
}

void TListeningForm::StopSound() { Stream.Stop(); }

void TListeningForm::RepeatClick() { Stream.SetRepeat(CheckBoxRepeat->isChecked()); }

TListeningSettings TListeningForm::Settings() const {
  return {EditPitch->Val(), CheckBoxRepeat->isChecked(), SliderVolume->value()};
}

void TListeningForm::SetSettings(const TListeningSettings& settings) {
  CheckBoxRepeat->setChecked(settings.Repeat);
  RepeatClick();
  SliderVolume->setValue(settings.Volume);
  EditPitch->SetVal(settings.Pitch);
  Show(E::ChangeInterval);
}

void TListeningForm::PitchExit() {
  if (EditPitch->GetModify()) Show(E::ChangeInterval);
}

void TListeningForm::showEvent(QShowEvent* event) {
  Render();
  QDialog::showEvent(event);
}

// The scale and the hints are composed; the fixed texts follow by themselves.
void TListeningForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    ShowTexts();
    ShowButtons();
    GiveAccessibleNames(this);  // the buttons' hints describe them
  }
  QDialog::changeEvent(event);
}

// Closing the window ends the sound, faded as "Стоп" fades it.
void TListeningForm::hideEvent(QHideEvent* event) {
  StopSound();
  QDialog::hideEvent(event);
}

void TListeningForm::SaveSound() {
  if (!SoundAvailable(Engine, Chosen)) return;
  TFileDialogOptions options;
  options.Title = tr("Сохранить звук");
  options.Filter = QStringLiteral("WAV (*.wav)|*.wav|FLAC (*.flac)|*.flac");
  options.DefaultExt = QStringLiteral("wav");
  options.FileName = tr(KindTexts[static_cast<int>(Chosen)]) + QStringLiteral(".wav");
  options.OverwritePrompt = true;
  int filter = 0;
  options.ChosenFilter = &filter;
  QString name;
  if (!Platform().SaveFileName(options, name)) return;
  const bool flac = FileExtension(name).compare(QStringLiteral(".flac"), Qt::CaseInsensitive) == 0 ||
                    (filter == 1 && FileExtension(name).isEmpty());
  CorrectFileExtension(name, flac ? QStringLiteral(".flac") : QStringLiteral(".wav"));
  const std::vector<float> sound = TSoundStream::PlainSound(Rendered.Loop[static_cast<int>(Chosen)],
                                                            FScale.OwnTime ? FScale.LoopFrames() : PlainFrames);
  const std::vector<char> bytes = EncodeSound(sound, flac ? TSoundFormat::Flac : TSoundFormat::Wav, SoundRate);
  const TSaveResult result = bytes.empty()
                                 ? TSaveResult::CannotWrite
                                 : SaveFileSafely(name, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  if (result == TSaveResult::CannotCreate)
    ShowMessage(CannotCreateFileMessage(name.toStdString()));
  else if (result == TSaveResult::CannotWrite)
    ShowMessage(CannotWriteFileKeptMessage(name.toStdString()));
}
