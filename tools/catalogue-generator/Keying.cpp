#include "Keying.h"

#include <algorithm>

QImage keyOut(const QImage &hairCanvas, int alphaThreshold)
{
    const QImage argb = hairCanvas.convertToFormat(QImage::Format_ARGB32);
    QImage out(argb.size(), QImage::Format_RGB888);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb p = src[x];
            if (qAlpha(p) < alphaThreshold) {
                out.setPixel(x, y, KeyColour);
                continue;
            }
            // Hair never reaches the key: green stays at least 1 (see KeyColour).
            const int g = std::max(qGreen(p), 6);
            out.setPixel(x, y, qRgb(std::max(qRed(p), 4), g, std::max(qBlue(p), 4)));
        }
    }
    return out;
}

void drawKeyed(QImage &target, const QImage &keyedHair, QPoint at)
{
    const QRgb key = keyedHair.pixel(0, keyedHair.height() - 1);
    for (int y = 0; y < keyedHair.height(); ++y) {
        for (int x = 0; x < keyedHair.width(); ++x) {
            const QRgb p = keyedHair.pixel(x, y);
            const QPoint t(at.x() + x, at.y() + y);
            if (p != key && target.rect().contains(t))
                target.setPixel(t, p);
        }
    }
}
