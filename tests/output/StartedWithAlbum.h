#pragma once

#include "app/TFrmMain.h"
#include "tests/support/StartedProgram.h"

#include <QColor>
#include <QImage>

// A picture of one colour, a snapshot's size unless told otherwise.
inline QImage solid(const QColor &colour, int width = 229, int height = 312)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

// The colour of album snapshot k: each one told apart from the others.
inline QColor albumColour(int k)
{
    return QColor::fromHsv(k * 40, 255, 200);
}

// The program started with albumCount snapshots of the album colours in its album, snapshot
// `shown` in the viewer, and no dialogs recorded yet.
struct StartedWithAlbum : StartedProgram
{
    explicit StartedWithAlbum(int albumCount, int shown = 0)
    {
        for (int k = 0; k < albumCount; ++k)
            main().ImageList.Add(solid(albumColour(k)));
        if (albumCount > 0)
            show(shown);
        dialogs.clear();
    }
    void show(int index)
    {
        main().albumCursor = index;
        main().ShowAlbumPicture(index);
    }
};
