#pragma once
// The pictures on the main window's tool bar, drawn in code (16 by 16) so that they stay
// sharp and alike on every screen.
#include <QIcon>

enum class TMainGlyph {
  Drawing,        // a freehand curve and a pencil
  Table,          // a small table
  Library,        // books on a shelf
  Polyharmonic,   // a sum of sines
  Recording,      // a sound wave between two bars
  Analog,         // a red curve
  Discrete,       // black stems with markers
  Interpolating,  // a blue curve through dots
  SignalBand,     // one lobe of a spectrum
  OnePeriod,      // one period of a periodic spectrum
  TwoPeriods,
  FourPeriods,
  Exit,  // a door with an arrow
};

QIcon MainToolIcon(TMainGlyph glyph);
