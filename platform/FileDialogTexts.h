#pragma once
// Qt's own file dialog writes the sizes and dates of its detail view in the machine's locale
// (QLocale::system()), not in the program's; these put them in the interface language on
// every machine.
class QFileDialog;

// Gives the dialog's detail view sizes and modification dates in the interface language; the
// dialog owns what this adds. Call before the dialog is shown.
void UseFileDetails(QFileDialog& dialog);
