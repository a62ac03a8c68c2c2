#pragma once
// Messages of the file commands: the signal editors', and those that save diagrams, data and
// pictures, shared by the file code and the windows that show them (ShowMessage translates
// them). Each keeps the name where the Russian has always had it: right after
// the words ("…Joined") or after a space.
#include <string>

#include "platform/CoreServices.h"
#include "platform/TextMessage.h"

inline TMessage CannotCreateFileMessage() { return RESAM_MESSAGE("FileMessages", "Не удаётся создать файл"); }
inline TMessage CannotCreateFileJoined(const std::string& name) {
  return RESAM_MESSAGE("FileMessages", "Не удаётся создать файл%1").Arg(name);
}
inline TMessage CannotCreateFileMessage(const std::string& name) {
  return RESAM_MESSAGE("FileMessages", "Не удаётся создать файл %1").Arg(name);
}
inline TMessage CannotOpenFileJoined(const std::string& name) {
  return RESAM_MESSAGE("FileMessages", "Не удаётся открыть файл%1").Arg(name);
}
inline TMessage CannotOpenFileMessage(const std::string& name) {
  return RESAM_MESSAGE("FileMessages", "Не удаётся открыть файл %1").Arg(name);
}
inline TMessage DamagedFileMessage(const std::string& name) {
  return RESAM_MESSAGE("FileMessages", "Файл %1 повреждён. \n Операция не выполнена").Arg(name);
}
inline TMessage NoMemoryForFileMessage(const std::string& name) {
  return RESAM_MESSAGE("FileMessages", "Не удаётся открыть файл %1\n Не достаточно памяти.").Arg(name);
}
// A file that was created but could not be written whole (a full disk); a file of that
// name from before is left as it was, and the second form says so.
inline TMessage CannotWriteFileMessage(const std::string& name) {
  return RESAM_MESSAGE("FileMessages", "Не удаётся записать файл %1").Arg(name);
}
inline TMessage CannotWriteFileKeptMessage(const std::string& name) {
  return RESAM_MESSAGE("FileMessages", "Не удаётся записать файл %1. Прежнее содержимое файла сохранено.").Arg(name);
}
// A save that ran out of memory before anything was written.
inline TMessage NoMemoryToSaveMessage() {
  return RESAM_MESSAGE("FileMessages", "Не удаётся сохранить файл. Не достаточно памяти.");
}
// The table editor's refusal of another extension.
inline TMessage UnsupportedTableExtensionMessage() {
  return RESAM_MESSAGE("FileMessages", "Формат файлов с указанным расширением не поддерживатеся.");
}
