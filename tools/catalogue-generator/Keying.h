#pragma once

#include <QColor>
#include <QImage>

// The colour around every hairstyle: it touches the bottom-left corner, so the program takes
// it as the transparent colour. No hair pixel may equal it, also after a tint that adds to
// every channel: hair keeps green above 0, which the key's green never exceeds unless the
// tint's green is 255.
inline constexpr QRgb KeyColour = 0xffff00ff;

// Turns hair drawn on a transparent canvas into a 24-bit keyed bitmap. A pixel is hair when
// its coverage reaches the threshold and then takes the hair colour unblended, so the outline
// never picks up a fringe of the key colour.
QImage keyOut(const QImage &hairCanvas, int alphaThreshold = 110);

// The hairstyle laid over a background the way the program draws it: key pixels left out.
void drawKeyed(QImage &target, const QImage &keyedHair, QPoint at);
