#pragma once

#include "platform/PictureFile.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// JPEG decoding through libjpeg, to 24-bit pictures (QImage::Format_RGB888). Every failure
// becomes a PlatformError: "JPEG error #%d" with libjpeg's message code for a damaged or
// truncated stream, a size error before any pixels are allocated for a picture above the
// size limit, "Cannot open file ..." for a file that cannot be read.
namespace JpegDecoder {

// Largest picture, in pixels, that is decoded at all.
constexpr qint64 MaxPixels = PictureFile::MaxPixels;

QImage decode(const QByteArray &data);
QImage decodeFile(const QString &path);

// Decodes with libjpeg's DCT scaling straight to the smallest size that still covers
// `cover` (thumbnails), never at full size when a smaller scale suffices.
QImage decodeFileCovering(const QString &path, const QSize &cover);
QImage decodeCovering(const QByteArray &data, const QSize &cover);

} // namespace JpegDecoder
