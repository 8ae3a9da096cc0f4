#include "output/BmpWriter.h"

#include "output/SafeFile.h"

#include <QtEndian>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;

void put16(char *at, quint16 value)
{
    qToLittleEndian(value, at);
}

void put32(char *at, quint32 value)
{
    qToLittleEndian(value, at);
}

} // namespace

QByteArray encodeBmp(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const qint64 width = rgb.width();
    const qint64 height = rgb.height();
    const qint64 rowBytes = (width * 3 + 3) / 4 * 4;
    const qint64 pixelBytes = rowBytes * height;
    const qint64 fileSize = FileHeaderSize + InfoHeaderSize + pixelBytes;

    QByteArray out(static_cast<qsizetype>(fileSize), '\0');
    char *p = out.data();
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, static_cast<quint32>(fileSize));
    put32(p + 10, FileHeaderSize + InfoHeaderSize);

    char *info = p + FileHeaderSize;
    put32(info, InfoHeaderSize);
    put32(info + 4, static_cast<quint32>(width));
    put32(info + 8, static_cast<quint32>(height)); // positive: bottom-up rows
    put16(info + 12, 1);                           // planes
    put16(info + 14, 24);                          // bits per pixel
    put32(info + 16, 0);                           // BI_RGB, uncompressed
    put32(info + 20, static_cast<quint32>(pixelBytes));

    char *pixels = info + InfoHeaderSize;
    for (qint64 y = 0; y < height; ++y) {
        const uchar *source = rgb.constScanLine(static_cast<int>(height - 1 - y));
        char *target = pixels + y * rowBytes;
        for (qint64 x = 0; x < width; ++x) {
            target[x * 3] = static_cast<char>(source[x * 3 + 2]);
            target[x * 3 + 1] = static_cast<char>(source[x * 3 + 1]);
            target[x * 3 + 2] = static_cast<char>(source[x * 3]);
        }
    }
    return out;
}

void saveBmpFile(const QImage &image, const QString &path)
{
    writeFileSafely(path, encodeBmp(image));
}
