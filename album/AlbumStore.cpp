#include "album/AlbumStore.h"

#include "platform/PlatformError.h"

int AlbumStore::Add(const QImage &bitmap)
{
    if (bitmap.width() != Width || bitmap.height() != Height)
        throw PlatformError(QStringLiteral("Invalid image size"));
    // Implicit sharing keeps the stored pixels apart from any later change to bitmap.
    m_pictures.append(bitmap.convertToFormat(QImage::Format_RGB888));
    return Count() - 1;
}

bool AlbumStore::GetBitmap(int index, QImage &target) const
{
    if (index < 0 || index >= Count())
        return false;
    const QImage &stored = m_pictures.at(index);
    const QImage::Format format = target.isNull() ? QImage::Format_RGB888 : target.format();
    target = format == stored.format() ? stored.copy() : stored.convertToFormat(format);
    return true;
}

void AlbumStore::Delete(int index)
{
    // A negative index is refused too: nothing may remove more than the one picture asked for.
    if (index < 0 || index >= Count())
        throw PlatformError(QStringLiteral("Invalid ImageList Index"));
    m_pictures.removeAt(index);
}

QImage AlbumStore::picture(int index) const
{
    return index >= 0 && index < Count() ? m_pictures.at(index) : QImage();
}
