#pragma once

#include <QImage>
#include <deque>

// Recolours the hairstyle bitmap: adds a colour to every pixel, channel by channel and
// clamped, after saving a copy of the bitmap in a store of the last two copies; undo
// brings back the newest copy (which stays stored). Bitmaps of other pixel formats become
// 24-bit RGB when recoloured. The caller shows the result, which also takes its
// transparent colour afresh.
class Recolourer
{
public:
    static constexpr int UndoLimit = 2;

    // The bitmap takes the newest saved copy's size, format and pixels. False, and the
    // bitmap untouched, when nothing is saved.
    bool undo(QImage &bitmap) const;

    // Saves a copy of the bitmap, converts it to 24-bit RGB and adds (red, green, blue)
    // to its channels, each result clamped to 0 … 255. Every bitmap is saved, even an
    // empty or tiny one, so undo always brings back the bitmap as it was last recoloured
    // from, never an older hairstyle.
    void intensityRgbAll(QImage &bitmap, int red, int green, int blue);

    // Hands back a bitmap that is no longer shown, so the next recolouring can write into
    // its pixels instead of allocating new ones.
    void recycle(QImage &&bitmap);

    // The saved copies, oldest first.
    const std::deque<QImage> &copies() const { return m_copies; }

private:
    QImage writableBuffer(QSize size);

    std::deque<QImage> m_copies;
    QImage m_spare;
};

// Writes source + (red, green, blue), clamped per channel, into target (24-bit RGB of the
// same size as source; it may be source itself).
void addClampedRgb(const QImage &source, QImage &target, int red, int green, int blue);
