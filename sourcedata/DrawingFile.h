#pragma once
// The graphical editor's ".dkr" record: tagged header fields and raw little-endian doubles.
//   "NDraw" N (int32) "xxmin" Xmin "xxmax" Xmax "xLast" XLast "yymin" Ymin "yymax" Ymax
//   "LLine" then N samples; each tag is 5 ASCII letters and a zero byte; 86 + 8 N bytes.
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "platform/TextMessage.h"

struct TDrawingRecord {
  double Xmin = 0, Xmax = 10;  // abscissa range of the diagram
  double XLast = 0;            // abscissa of the last fixed point
  double Ymin = -1, Ymax = 1;  // ordinate range of the diagram
  std::vector<double> Samples;
};

enum class TDrawingStatus { Ok, CannotCreate, CannotOpen, Damaged, NoMemory };

constexpr int DrawingHeaderSize = 86;
constexpr int DrawingTagSize = 6;

void WriteDrawing(std::ostream& out, const TDrawingRecord& record);
// Checks the seven tags on their first five characters. The count is trusted only as far
// as the data goes: a negative count, or fewer values than it announces, is a damaged
// file; bytes after the announced values are ignored. Nothing is allocated from the count
// itself. On anything but Ok the record is left as it was.
TDrawingStatus ReadDrawing(std::istream& in, TDrawingRecord& record);

// The same on a named file (UTF-8 path).
TDrawingStatus WriteDrawingFile(const std::string& path, const TDrawingRecord& record);
TDrawingStatus ReadDrawingFile(const std::string& path, TDrawingRecord& record);

// Values no drawing can have: a last abscissa that is not finite or lies left of Xmin, or a
// sample that is not finite. Such a file is refused like a damaged one. (The ranges are the
// diagram's to judge: it refuses or clamps what it cannot show.)
bool DrawingValuesUsable(const TDrawingRecord& record);

// The message for a status, with the file's name where the text has it (none for Ok).
TMessage DrawingFileMessage(TDrawingStatus status, const std::string& name);

// The stored curve resampled on the screen's grid: t = Xmin, Xmin + pixelStep, ... while
// t <= XLast and fewer than capacity samples, each the stored curve's linear interpolation
// over [Xmin, XLast]. Returns the count written. A single stored value (or a stored
// interval of no length) yields that one value.
int ResampleDrawing(const TDrawingRecord& record, double pixelStep, double* samples, int capacity);
