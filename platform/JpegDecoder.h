#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// JPEG decoding through libjpeg. Every failure becomes a PlatformError: "JPEG error #%d"
// for a damaged stream, a size error before any pixels are allocated for a picture above
// the size limit, "Cannot open file ..." for a file that cannot be read.
namespace JpegDecoder {

// Largest picture, in pixels, that is decoded at all.
constexpr qint64 MaxPixels = 120'000'000;

QImage decode(const QByteArray &data);
QImage decodeFile(const QString &path);

// Decodes with libjpeg's DCT scaling straight to the smallest size that still covers
// `cover` (thumbnails), never at full size when a smaller scale suffices.
QImage decodeFileCovering(const QString &path, const QSize &cover);

} // namespace JpegDecoder
