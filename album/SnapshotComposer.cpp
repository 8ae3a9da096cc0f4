#include "album/SnapshotComposer.h"

#include <QList>

#include <algorithm>
#include <vector>

qint64 SnapshotComposer::hairstyleTop(qint64 layerTop)
{
    // T - 7.5 truncated toward zero: tops 7 and 8 both land on row 0.
    return layerTop >= 8 ? layerTop - 8 : layerTop - 7;
}

namespace {

// Reads a source pixel as 0xRRGGBB straight from the common formats, so a large photo is
// sampled where it lies instead of being converted whole first.
class Sampler
{
public:
    explicit Sampler(const QImage &source)
    {
        switch (source.format()) {
        case QImage::Format_RGB888:
        case QImage::Format_RGB32:
        case QImage::Format_ARGB32:
            m_pixels = source;
            break;
        case QImage::Format_Indexed8:
            m_pixels = source;
            m_table = source.colorTable();
            break;
        default:
            m_pixels = source.convertToFormat(QImage::Format_RGB32);
            break;
        }
        m_format = m_pixels.format();
    }

    void setRow(qint64 y) { m_row = m_pixels.constScanLine(static_cast<int>(y)); }

    QRgb at(qint64 x) const
    {
        switch (m_format) {
        case QImage::Format_RGB888: {
            const uchar *p = m_row + x * 3;
            return (QRgb(p[0]) << 16) | (QRgb(p[1]) << 8) | p[2];
        }
        case QImage::Format_Indexed8: {
            const uchar index = m_row[x];
            return index < m_table.size() ? m_table.at(index) & 0xffffffu : 0;
        }
        default:
            return reinterpret_cast<const QRgb *>(m_row)[x] & 0xffffffu;
        }
    }

private:
    QImage m_pixels;
    QList<QRgb> m_table;
    QImage::Format m_format = QImage::Format_Invalid;
    const uchar *m_row = nullptr;
};

} // namespace

void SnapshotComposer::stretchDraw(QImage &target, const QImage &source, qint64 left, qint64 top, qint64 width,
                                   qint64 height, std::optional<QRgb> key)
{
    if (source.isNull() || width <= 0 || height <= 0)
        return;
    Q_ASSERT(target.format() == QImage::Format_RGB888);
    const qint64 x0 = std::max<qint64>(0, left);
    const qint64 x1 = std::min<qint64>(target.width(), left + width);
    const qint64 y0 = std::max<qint64>(0, top);
    const qint64 y1 = std::min<qint64>(target.height(), top + height);
    if (x0 >= x1 || y0 >= y1)
        return;

    // Each target pixel takes the one source pixel its offset in the rectangle scales to.
    std::vector<qint64> columns;
    columns.reserve(static_cast<size_t>(x1 - x0));
    for (qint64 x = x0; x < x1; ++x)
        columns.push_back((x - left) * source.width() / width);

    Sampler sampler(source);
    const QRgb keyColour = key ? (*key & 0xffffffu) : 0;
    for (qint64 y = y0; y < y1; ++y) {
        sampler.setRow((y - top) * source.height() / height);
        uchar *pixel = target.scanLine(static_cast<int>(y)) + x0 * 3;
        for (const qint64 column : columns) {
            const QRgb colour = sampler.at(column);
            if (!key || colour != keyColour) {
                pixel[0] = static_cast<uchar>(qRed(colour));
                pixel[1] = static_cast<uchar>(qGreen(colour));
                pixel[2] = static_cast<uchar>(qBlue(colour));
            }
            pixel += 3;
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
