#pragma once
#include <QString>

// The extension of a file name with its dot ("" when it has none), as typed.
QString FileExtension(const QString& name);

// Every save command enforces its one extension (".bmp", ".dkr", ...): a name whose
// lower-cased extension differs is corrected, with a message naming the correction.
// Returns true when the name was changed.
bool CorrectFileExtension(QString& name, const QString& wantedExt);
