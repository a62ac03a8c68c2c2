#pragma once
// The recording window "Запись сигнала": a sound file or a measured series drawn whole, its
// read-outs, the channel, and the fragment (typed in milliseconds or dragged across the
// diagram, shown shaded) that becomes the main window's signal. Like the other source
// windows it runs modally and keeps the signal it last handed over until another is chosen.
#include <QDialog>

#include "sourcedata/OverviewColumns.h"
#include "sourcedata/RecordedSignal.h"
#include "sourcedata/Recording.h"

class QComboBox;
class QLabel;
class QPushButton;
class TDiagram;
class TEditFloat;

class TRecordingForm : public QDialog {
  Q_OBJECT
 public:
  explicit TRecordingForm(QWidget* parent = nullptr);

  // Asks for a file and reads it; false (after the file's message, if any) when there is none.
  bool AskFile();
  // Reads a sound file, or a CSV series (".csv", ".txt"); false after the message.
  bool OpenFile(const QString& path);
  // Shows the window modally on the recording read last.
  void Execute();
  bool IsAccepted() const { return Accepted; }

  // The signal handed over last: a curve of time bound to this window, with its interval.
  TRealFunction GetSignalFunction() const { return Signal.SignalFunction(); }
  double GetStart() const { return Signal.GetStart(); }
  double GetLength() const { return Signal.GetLength(); }
  const TRecordingFragment& Fragment() const { return Signal.GetFragment(); }
  // A fragment given elsewhere (a session): it becomes the signal handed over.
  void TakeFragment(const TRecordingFragment& fragment) { Signal.SetFragment(fragment); }

  // The recording shown, and the fragment chosen on it (frames).
  const TRecording& Shown() const { return Record; }
  long long FirstFrame() const;
  long long FrameCount() const;

  TDiagram* Diagram1;
  QLabel *LabelFile, *LabelRate, *LabelChannels, *LabelDuration;
  QComboBox* ComboBoxChannel;
  TEditFloat *EditFloatRate, *EditFloatStart, *EditFloatLength;
  QPushButton *ButtonSelect, *ButtonClose;

  void ButtonSelectClick();
  void ButtonCloseClick();
  void ChannelChange();
  void EditRateExit();
  void EditStartExit();
  void EditLengthExit();
  void DiagramMouseDown(TDiagram* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
  void DiagramMouseMove(TDiagram* sender, Qt::KeyboardModifiers shift, int x, int y);
  void DiagramMouseUp(TDiagram* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void BuildControls();
  void ShowRecording();
  void ShowReadouts();
  void NameDiagram();
  void ShowChannelNames();
  // The fragment's edits within the recording (start first), then its shading.
  void LimitFragment();
  void ShowFragment();
  void PaintSeries(TDiagram* sender);
  // The fragment [a, b] (s from the recording's origin) as dragged.
  void DragTo(double a, double b);
  TRecordingChannel Channel() const;
  double DurationMs() const { return Record.Duration() * 1000; }

  TRecording Record;
  TOverviewColumns Columns;
  TRecordedSignal Signal;
  bool Accepted = false;
  bool Dragging = false;
  double DragFrom = 0;
};

// The one instance, created at start-up and kept until the application ends.
extern TRecordingForm* RecordingForm;
