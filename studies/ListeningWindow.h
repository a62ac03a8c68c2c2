#pragma once
// "Исследование" › "Прослушать...": the tool window "Прослушивание". Four buttons play the
// signal, its samples held, the interpolating function and the error (the one playing stays
// pressed), "Стоп" ends it; "Повторять", "Громкость", "Высота тона, Гц" with the time scale it
// gives, and "Сохранить звук..." (WAV or FLAC). Not modal: the owner passes every change of
// the engine to Show, and the sound follows it. Without an output device the buttons rest,
// saying why, and saving still works.
#include <QDialog>
#include <memory>
#include <optional>

#include "studies/SoundRendering.h"
#include "studies/SoundStream.h"

class QAudioSink;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QVBoxLayout;
class TEditInt;
class TResamEngine;
class TSoundDevice;

class TListeningForm : public QDialog {
  Q_OBJECT
 public:
  // `engine` must outlive the window.
  TListeningForm(const TResamEngine& engine, QWidget* parent = nullptr);
  ~TListeningForm() override;

  // The engine reports what changed (TResamEngine::TChanges); the sound and the texts follow.
  void Show(unsigned changes);

  QPushButton* Buttons[SoundKindCount];  // "Сигнал", "Отсчёты", "Восстановленный сигнал", "Ошибка"
  QPushButton *ButtonStop, *ButtonSave;
  QCheckBox* CheckBoxRepeat;
  QSlider* SliderVolume;
  TEditInt* EditPitch;
  QLabel *LabelScale, *LabelNonNumbers;

  // What a session keeps of the window; the sound follows new settings at once.
  TListeningSettings Settings() const;
  void SetSettings(const TListeningSettings& settings);

  void Play(TSoundKind kind);
  void StopSound();
  void SaveSound();
  // Whether a sound is being played (the sink runs), and which.
  std::optional<TSoundKind> Playing() const { return Current; }
  bool OutputAvailable() const { return HasOutput; }
  // The passes as they were last rendered, and their time scale.
  const TSoundLoops& Loops() const { return Rendered; }
  const TSoundScale& Scale() const { return FScale; }

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildPlayButtons(QVBoxLayout* column);
  void BuildSettings(QVBoxLayout* column);
  void Render();
  void ShowTexts();
  void ShowButtons();
  void PitchExit();
  void RepeatClick();
  void SinkStateChanged();
  bool StartSink();
  void Unpress();

  const TResamEngine& Engine;
  TSoundStream Stream;
  std::unique_ptr<TSoundDevice> Device;
  QAudioSink* Sink = nullptr;
  bool HasOutput = false;
  bool FloatFrames = true;
  std::optional<TSoundKind> Current;
  TSoundKind Chosen = TSoundKind::Signal;  // what the last pressed button played
  TSoundLoops Rendered;
  TSoundScale FScale;
};
