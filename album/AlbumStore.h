#pragma once

#include <QImage>
#include <QList>

// The stored snapshots, in insertion order, indexed from 0. Each is kept as a 229 x 312
// RGB888 copy, so reading one back gives the same pixels. The list has no capacity limit;
// the nine-snapshot limit belongs to the store command.
class AlbumStore
{
public:
    static constexpr int Width = 229;
    static constexpr int Height = 312;

    int Count() const { return static_cast<int>(m_pictures.size()); }

    // Appends a copy of a 229 x 312 bitmap and returns its index. Any other size is refused
    // with PlatformError "Invalid image size".
    int Add(const QImage &bitmap);

    // For 0 <= index < Count: target becomes 229 x 312 in its own pixel format (RGB888 when
    // it is null), showing stored picture index; returns true. Otherwise returns false and
    // leaves target untouched.
    bool GetBitmap(int index, QImage &target) const;

    // Removes picture index; later pictures move down by one. An index outside
    // 0 .. Count - 1 is refused with PlatformError "Invalid ImageList Index".
    void Delete(int index);

    // Stored picture index (a shared read-only copy); a null picture for an invalid index.
    QImage picture(int index) const;

private:
    QList<QImage> m_pictures;
};
