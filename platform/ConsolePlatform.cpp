#include "platform/ConsolePlatform.h"

#include <QtGlobal>
#include <cstdio>

namespace {
void Print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
  if (!text.endsWith(QLatin1Char('\n'))) std::fputc('\n', stream);
  std::fflush(stream);
}
}  // namespace

void QuietenQtNotes() {
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) PrintError(text);
  });
}

void PrintError(const QString& text) { Print(stderr, text); }

void PrintOutput(const QString& text) { Print(stdout, text); }

void TConsolePlatform::Message(const QString& text) { PrintError(text); }

bool TConsolePlatform::Question(const QString&, const QString& text) {
  PrintError(text);
  return false;
}

bool TConsolePlatform::OpenFileName(const TFileDialogOptions&, QString&) { return false; }

bool TConsolePlatform::SaveFileName(const TFileDialogOptions&, QString&) { return false; }

void TConsolePlatform::SetClipboardImage(const QImage&) {}

void TConsolePlatform::SetClipboardText(const QString&) {}

QString TConsolePlatform::ClipboardText() { return {}; }
