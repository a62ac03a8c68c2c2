#pragma once
// The pictures on the table editor's own tool buttons, drawn in code like the diagram tools'.
#include <QIcon>

enum class TTableGlyph {
  Process,       // tick: hand the values over
  Open,          // folder
  Spreadsheet,   // sheet with cells and a green band
  NewTable,      // empty sheet with cells
  InsertColumn,  // cells with a green plus
  DeleteColumn,  // cells with a red minus
};

QIcon TableIcon(TTableGlyph glyph);
