#pragma once
// What leaves the program from a diagram: the figure as BMP, PNG (the screen's size or twice
// it), SVG and PDF, all painted by the diagram's own painting code on a white background,
// BMP all in black as the clipboard's copy, the others with the series and the legend in
// their screen colours; and the numbers behind it as CSV. Every file is written safely (an existing one stays intact
// when writing fails) and every failure is said in a message.
#include <QByteArray>
#include <QString>
#include <functional>

#include "plotting/DataTable.h"

class QPainter;
class TDiagram;

// In the order the save dialog offers them; BMP, the program's first and long its only format, first.
enum class TFigureFormat { Bmp, Png, Png2x, Svg, Pdf };

struct TFigureSource {
  TDiagram* Diagram = nullptr;
  // What the owner draws over the series on its own (the editor's curve), in the diagram's
  // logical pixels and export colours; called after the diagram has painted. May be empty.
  std::function<void(QPainter&)> Overlay;
};

// The file's bytes: a picture file at the diagram's size (twice it for Png2x, at twice the
// dots per metre, so that a document places it at the same size), an SVG of the diagram's
// size in logical pixels (curves paths, texts texts), or a one-page PDF, A4 landscape, with
// the diagram scaled to fit within a 10 mm margin.
QByteArray FigureBytes(const TFigureSource& source, TFigureFormat format);

// "Сохранить рисунок": asks for a name and a format (BMP preselected) in a dialog with the
// given title (empty: the platform's own), corrects an extension that is not the chosen
// format's (with the program's correction message), writes the file.
void SaveFigure(const TFigureSource& source, const QString& title);
// Writes the figure under the name as given; false (with a message) when it could not.
bool WriteFigure(const TFigureSource& source, const QString& name, TFigureFormat format);

// "Сохранить данные...": asks for a CSV name and writes the table (DataTable.h).
void SaveData(const TDataTable& table);
// The shown series of a diagram (TDiagram::VisibleData); says so when there are too many rows.
void SaveDiagramData(const TDiagram& diagram);
bool WriteData(const TDataTable& table, const QString& name);
