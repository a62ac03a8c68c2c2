#pragma once
// A thin line drawn in the not-xor raster operation straight into a picture's pixels: every
// pixel p under it becomes ~(colour ^ p), so that drawing the same line again restores each
// pixel exactly. Much faster than a painter in that operation, which takes a slow route for
// it; a rubber band that follows the mouse is redrawn on every move.
#include <QImage>
#include <QPoint>
#include <QRect>

// From `from` to `to`, both ends included, one logical pixel wide (a block of device pixels
// at an integral device pixel ratio); coordinates are logical pixels. Pixels outside `clip`
// are left alone.
void InvertLine(QImage& image, QPoint from, QPoint to, const QColor& colour, const QRect& clip);
