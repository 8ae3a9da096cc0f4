#pragma once

#include <QImage>

#include <algorithm>

// The plain per-pixel reference of a tint: each channel plus its amount, clamped.
inline QImage tintedReference(const QImage &source, int red, int green, int blue)
{
    QImage result = source.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < result.height(); ++y) {
        for (int x = 0; x < result.width(); ++x) {
            const QRgb p = result.pixel(x, y);
            result.setPixel(x, y,
                            qRgb(std::clamp(qRed(p) + red, 0, 255), std::clamp(qGreen(p) + green, 0, 255),
                                 std::clamp(qBlue(p) + blue, 0, 255)));
        }
    }
    return result;
}
