#include "platform/PictureFile.h"

#include "platform/PlatformError.h"

#include <QFile>
#include <QFileInfo>

namespace PictureFile {

namespace {

[[noreturn]] void cannotOpen(const QString &path, const QString &reason)
{
    throw PlatformError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
}

} // namespace

QByteArray read(const QString &path)
{
    if (QFileInfo(path).isDir())
        cannotOpen(path, QStringLiteral("Is a directory"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        cannotOpen(path, file.errorString());
    if (file.size() > MaxFileBytes) {
        throw PlatformError(QStringLiteral("Picture file \"%1\" is too large (%2 MB; at most %3 MB are read)")
                                .arg(path)
                                .arg(file.size() >> 20)
                                .arg(MaxFileBytes >> 20));
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        cannotOpen(path, file.errorString());
    return data;
}

void checkSize(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0)
        throw PlatformError(QStringLiteral("Invalid image size"));
    if (width > MaxPixels / height) {
        throw PlatformError(QStringLiteral("Picture is too large (%1 x %2 pixels; at most %3 million pixels are "
                                           "accepted)")
                                .arg(width)
                                .arg(height)
                                .arg(MaxPixels / 1'000'000));
    }
}

} // namespace PictureFile
