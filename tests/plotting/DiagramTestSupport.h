#pragma once
// Shared by the diagram tests: a diagram of a given size and pixel counting on its picture.
#include <QImage>
#include <memory>

#include "plotting/Diagram.h"
#include "plotting/DiagramColours.h"

inline std::unique_ptr<TDiagram> MakeDiagram(int width, int height) {
  auto diagram = std::make_unique<TDiagram>();
  diagram->resize(width, height);
  diagram->ShowDiagram();
  return diagram;
}

// Pixels of the given colour value inside [left, right] x [top, bottom] (clipped to the picture).
inline int CountColour(const QImage& image, int left, int top, int right, int bottom, int colour) {
  const QRgb wanted = ColourOf(colour).rgb();
  int count = 0;
  for (int y = std::max(0, top); y <= std::min(image.height() - 1, bottom); ++y)
    for (int x = std::max(0, left); x <= std::min(image.width() - 1, right); ++x)
      if (image.pixel(x, y) == wanted) ++count;
  return count;
}

constexpr int Red = 0x0000FF;
constexpr int Blue = 0xFF0000;
