#pragma once
// The toolkit's colour values are 0x00BBGGRR (red 255, white 0xFFFFFF).
#include <QColor>

inline QColor ColourOf(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

inline int ColourValue(const QColor& c) { return c.red() | (c.green() << 8) | (c.blue() << 16); }

constexpr int ColourWhite = 0xFFFFFF;
constexpr int ColourBlack = 0;
