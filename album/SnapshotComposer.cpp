#include "album/SnapshotComposer.h"

#include <algorithm>

qint64 SnapshotComposer::hairstyleTop(qint64 layerTop)
{
    // T - 7.5 truncated toward zero: tops 7 and 8 both land on row 0.
    return layerTop >= 8 ? layerTop - 8 : layerTop - 7;
}

void SnapshotComposer::stretchDraw(QImage &target, const QImage &source, qint64 left, qint64 top, qint64 width,
                                   qint64 height, std::optional<QRgb> key)
{
    if (source.isNull() || width <= 0 || height <= 0)
        return;
    Q_ASSERT(target.format() == QImage::Format_RGB888);
    const QImage pixels = source.convertToFormat(QImage::Format_RGB32);
    const qint64 sourceWidth = pixels.width();
    const qint64 sourceHeight = pixels.height();

    const qint64 x0 = std::max<qint64>(0, left);
    const qint64 x1 = std::min<qint64>(target.width(), left + width);
    const qint64 y0 = std::max<qint64>(0, top);
    const qint64 y1 = std::min<qint64>(target.height(), top + height);
    const QRgb keyColour = key ? (*key & 0xffffffu) : 0;

    for (qint64 y = y0; y < y1; ++y) {
        const qint64 sy = (y - top) * sourceHeight / height;
        const auto *sourceRow = reinterpret_cast<const QRgb *>(pixels.constScanLine(static_cast<int>(sy)));
        uchar *targetRow = target.scanLine(static_cast<int>(y));
        for (qint64 x = x0; x < x1; ++x) {
            const QRgb colour = sourceRow[(x - left) * sourceWidth / width] & 0xffffffu;
            if (key && colour == keyColour)
                continue;
            uchar *pixel = targetRow + x * 3;
            pixel[0] = static_cast<uchar>(qRed(colour));
            pixel[1] = static_cast<uchar>(qGreen(colour));
            pixel[2] = static_cast<uchar>(qBlue(colour));
        }
    }
}

QImage SnapshotComposer::compose(const ComposeLayer &photo, const ComposeLayer &hairstyle)
{
    QImage canvas(Width, Height, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    stretchDraw(canvas, photo.picture, qint64(photo.left) - 17, qint64(photo.top) - 9, photo.width, photo.height,
                photo.key);
    stretchDraw(canvas, hairstyle.picture, hairstyleLeft(hairstyle.left), hairstyleTop(hairstyle.top), hairstyle.width,
                hairstyle.height, hairstyle.key);
    return canvas;
}
