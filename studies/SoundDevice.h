#pragma once
// The stream as Qt's audio output pulls it: 32-bit float frames, or 16-bit integers where the
// output takes no float. Reading never blocks; the stream's end is the device's end.
#include <QIODevice>

#include "studies/SoundStream.h"

class TSoundDevice : public QIODevice {
  Q_OBJECT
 public:
  TSoundDevice(TSoundStream& stream, bool floatFrames, QObject* parent = nullptr);
  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;

 protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  TSoundStream& Stream;
  const bool FloatFrames;
};
