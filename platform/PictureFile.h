#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Limits and file access shared by the picture decoders.
namespace PictureFile {

// Largest picture, in pixels, that any decoder decodes at all.
constexpr qint64 MaxPixels = 120'000'000;
// Largest picture file that is read at all.
constexpr qint64 MaxFileBytes = qint64(1) << 30;

// The whole file. Raises PlatformError "Cannot open file "<path>". <reason>" when it cannot
// be read, and the size error for a file above MaxFileBytes.
QByteArray read(const QString &path);

// Raises PlatformError when a picture of width x height is above MaxPixels (or has no
// pixels at all); called before any pixels are allocated.
void checkSize(qint64 width, qint64 height);

} // namespace PictureFile
