#pragma once
// The pictures on the diagram tools' buttons, drawn in code so that they stay small, sharp
// and alike wherever a diagram is framed.
#include <QIcon>
#include <functional>

enum class TToolGlyph {
  Measure,       // cross-hair
  Limits,        // range edges with arrows
  ReturnLimits,  // back to the original range
  Increase,      // magnifying glass
  Save,          // floppy disk
  Copy,          // two sheets
  Close,         // cross
  HideSeries,    // curve struck through
  ArrowUp,
  ArrowDown,
  ArrowLeft,
  ArrowRight,
  NewSheet,  // blank sheet with a folded corner
  Open,      // open folder
  Picture,   // framed landscape
  Accept,    // tick: take the signal shown
  SaveData,  // a table of numbers
};

// A 16 by 16 picture of the glyph.
QIcon ToolIcon(TToolGlyph glyph);
class QPainter;
// A 16 by 16 antialiased picture drawn by `draw` on a transparent ground, for glyphs of other windows.
QIcon PaintedIcon(const std::function<void(QPainter&)>& draw);

class QToolButton;
class QWidget;
// A flat speed button with the glyph, the hint as its tool tip, and optionally a toggle.
QToolButton* MakeSpeedButton(QWidget* parent, TToolGlyph glyph, const QString& hint, bool toggle);
QToolButton* MakeSpeedButton(QWidget* parent, const QIcon& icon, const QString& hint, bool toggle);
