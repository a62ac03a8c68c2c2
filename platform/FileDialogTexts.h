#pragma once
// Qt's own file dialog writes the sizes and dates of its detail view in the machine's locale
// (QLocale::system()), not in the program's; these put them in Russian on every machine.
class QFileDialog;

// Gives the dialog's detail view Russian sizes and modification dates; the dialog owns what
// this adds. Call before the dialog is shown.
void UseRussianFileDetails(QFileDialog& dialog);
