#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// An uncompressed Windows bitmap of 24 bits per pixel: 14-byte file header "BM", 40-byte
// information header with a positive height (rows stored bottom-up), no colour table, then
// the rows in blue-green-red order, each padded to a multiple of 4 bytes. A 229 x 312
// snapshot gives 214,710 bytes. Any picture format is written as its 24-bit RGB colours.
QByteArray encodeBmp(const QImage &image);

// encodeBmp written with writeFileSafely. Throws PlatformError.
void saveBmpFile(const QImage &image, const QString &path);
