#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Loads a picture file with the decoder chosen by the file name's extension (compared
// without regard to case), never by guessing from the content:
// - jpeg, jpe, jpg, jfif: libjpeg, 24-bit (Format_RGB888);
// - bmp, dib, rle: Windows bitmaps keeping their pixel format (1-bit Format_Mono, 4- and
//   8-bit Format_Indexed8, 24-bit Format_RGB888, 16- and 32-bit Format_RGB32/ARGB32);
// - gif, ico, wmf: with their own transparency (Format_ARGB32 where they have any);
// - every other accepted extension: decoded into a 24-bit picture (Format_RGB888).
// Failures raise PlatformError: "Unknown picture file extension (.ext)", "Cannot open file
// ...", "Bitmap image is not valid", "JPEG error #n", the size limit's error, or the
// decoder's own message. Nothing is allocated for a picture above the size limit.
namespace PictureLoader {

// The accepted extensions, lower case, without the dot, in the open dialog's order.
const QStringList &extensions();

QImage loadFile(const QString &path);

// Decodes bytes as if they came from a file with the extension `extension` (no dot).
QImage loadData(const QByteArray &data, const QString &extension);

} // namespace PictureLoader
