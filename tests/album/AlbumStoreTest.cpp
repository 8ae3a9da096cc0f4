#include "album/AlbumStore.h"
#include "platform/PlatformError.h"
#include "tests/support/ErrorText.h"
#include "tests/support/ImageCompare.h"

#include <gtest/gtest.h>

namespace {

QImage snapshot(QRgb colour)
{
    QImage image(229, 312, QImage::Format_RGB888);
    image.fill(colour);
    image.setPixel(228, 311, qRgb(1, 2, 3)); // a corner that tells a cut-off copy
    return image;
}

TEST(AlbumStore, KeepsCopiesInOrderAndGivesThemBackPixelForPixel)
{
    AlbumStore store;
    QImage first = snapshot(qRgb(200, 0, 0));
    EXPECT_EQ(store.Add(first), 0);
    EXPECT_EQ(store.Add(snapshot(qRgb(0, 200, 0)).convertToFormat(QImage::Format_RGB32)), 1);
    first.fill(Qt::black); // the album keeps its own pixels
    ASSERT_EQ(store.Count(), 2);

    QImage target; // a null target becomes a 24-bit picture
    ASSERT_TRUE(store.GetBitmap(0, target));
    EXPECT_EQ(target.format(), QImage::Format_RGB888);
    QString difference = compareImages(target, snapshot(qRgb(200, 0, 0)));
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();

    QImage deeper(18, 19, QImage::Format_RGB32); // keeps its colour depth, takes the size
    ASSERT_TRUE(store.GetBitmap(1, deeper));
    EXPECT_EQ(deeper.format(), QImage::Format_RGB32);
    difference = compareImages(deeper, snapshot(qRgb(0, 200, 0)));
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();

    deeper.fill(Qt::black); // nor does a read copy reach back
    QImage again;
    store.GetBitmap(1, again);
    EXPECT_TRUE(compareImages(again, snapshot(qRgb(0, 200, 0))).isEmpty());
}

TEST(AlbumStore, RefusesEveryOtherSizeAndStaysAsItWas)
{
    AlbumStore store;
    store.Add(snapshot(qRgb(9, 9, 9)));
    for (const QSize size :
         {QSize(228, 312), QSize(229, 311), QSize(18, 19), QSize(0, 0), QSize(230, 312), QSize(458, 312)}) {
        QImage wrong(size, QImage::Format_RGB888);
        wrong.fill(Qt::red);
        EXPECT_EQ(errorOf([&] { store.Add(wrong); }), QStringLiteral("Invalid image size")) << size.width();
    }
    EXPECT_EQ(errorOf([&] { store.Add(QImage()); }), QStringLiteral("Invalid image size"));
    EXPECT_EQ(store.Count(), 1);
}

TEST(AlbumStore, GetBitmapOutsideTheListLeavesTheTargetUntouched)
{
    AlbumStore store;
    store.Add(snapshot(qRgb(200, 0, 0)));
    for (const int index : {-1, 1, 100, INT_MIN}) {
        QImage blank(18, 19, QImage::Format_RGB888);
        blank.fill(Qt::white);
        EXPECT_FALSE(store.GetBitmap(index, blank)) << index;
        EXPECT_EQ(blank.size(), QSize(18, 19));
        EXPECT_EQ(blank.pixel(17, 18), qRgb(255, 255, 255));
    }
}

TEST(AlbumStore, DeleteMovesLaterPicturesDownAndRefusesInvalidIndices)
{
    AlbumStore store;
    for (const QRgb colour : {qRgb(1, 0, 0), qRgb(2, 0, 0), qRgb(3, 0, 0), qRgb(4, 0, 0)})
        store.Add(snapshot(colour));

    store.Delete(1);
    ASSERT_EQ(store.Count(), 3);
    EXPECT_EQ(qRed(store.picture(0).pixel(0, 0)), 1);
    EXPECT_EQ(qRed(store.picture(1).pixel(0, 0)), 3);
    EXPECT_EQ(qRed(store.picture(2).pixel(0, 0)), 4);

    // -1 in particular must not empty the list.
    for (const int index : {3, 100, -1}) {
        EXPECT_EQ(errorOf([&] { store.Delete(index); }), QStringLiteral("Invalid ImageList Index")) << index;
        EXPECT_EQ(store.Count(), 3);
    }
}

} // namespace
