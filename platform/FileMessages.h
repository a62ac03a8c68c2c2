#pragma once
// Messages of the file commands (UTF-8): the signal editors', and those that save diagrams,
// data and pictures, shared by the file code and the windows that show them.

inline constexpr const char* CannotCreateFileMessage = "Не удаётся создать файл";
inline constexpr const char* CannotOpenFileMessage = "Не удаётся открыть файл";
// The drawing editor's texts around the file name.
inline constexpr const char* CannotOpenDrawingStart = "Не удаётся открыть файл ";
inline constexpr const char* DamagedFileStart = "Файл ";
inline constexpr const char* DamagedFileEnd = " повреждён. \n Операция не выполнена";
inline constexpr const char* NoMemoryForFileEnd = "\n Не достаточно памяти.";
// A file that was created but could not be written whole (a full disk); a file of that
// name from before is left as it was.
inline constexpr const char* CannotWriteFileStart = "Не удаётся записать файл ";
// A save that ran out of memory before anything was written.
inline constexpr const char* NoMemoryToSaveMessage = "Не удаётся сохранить файл. Не достаточно памяти.";
// The table editor's refusal of another extension.
inline constexpr const char* UnsupportedTableExtensionMessage =
    "Формат файлов с указанным расширением не поддерживатеся.";
