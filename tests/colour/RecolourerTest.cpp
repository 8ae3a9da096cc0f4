#include "colour/Recolourer.h"

#include "tests/colour/TintedReference.h"
#include "tests/support/ImageCompare.h"

#include <gtest/gtest.h>

#include <QColor>
#include <algorithm>
#include <ostream>
#include <string>

namespace {

// A 24-bit picture whose every byte differs from its neighbours, covering 0 … 255.
QImage patterned(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar *row = image.scanLine(y);
        for (int i = 0; i < width * 3; ++i)
            row[i] = static_cast<uchar>((i * 37 + y * 101 + 13) & 0xff);
    }
    return image;
}

struct TintCase
{
    const char *name;
    int width, height;
    int red, green, blue;
};

std::ostream &operator<<(std::ostream &out, const TintCase &c)
{
    return out << c.name;
}

class Tint : public testing::TestWithParam<TintCase>
{};

TEST_P(Tint, AddsEachChannelClamped)
{
    const TintCase &c = GetParam();
    const QImage loaded = patterned(c.width, c.height);
    QImage bitmap = loaded;
    Recolourer recolourer;
    recolourer.intensityRgbAll(bitmap, c.red, c.green, c.blue);
    EXPECT_EQ(bitmap.format(), QImage::Format_RGB888);
    EXPECT_EQ(compareImages(bitmap, tintedReference(loaded, c.red, c.green, c.blue)), QString());
    // The saved copy is the bitmap as it was, untouched by the tint.
    ASSERT_EQ(recolourer.copies().size(), 1u);
    EXPECT_EQ(compareImages(recolourer.copies().back(), patterned(c.width, c.height)), QString());
}

// Widths around the 16-pixel blocks of the row loop, with padded rows (width × 3 not a
// multiple of 4) among them.
INSTANTIATE_TEST_SUITE_P(
    Sizes, Tint,
    testing::Values(TintCase{"OnePixel", 1, 1, 10, 20, 30}, TintCase{"ShorterThanABlock", 15, 2, 1, 2, 3},
                    TintCase{"ExactlyOneBlock", 16, 2, 200, 0, 99}, TintCase{"BlockAndTail", 17, 3, 0, 128, 255},
                    TintCase{"Hairstyle229x312", 229, 312, 206, 155, 103}, TintCase{"Black", 33, 4, 0, 0, 0},
                    TintCase{"White", 33, 4, 255, 255, 255}, TintCase{"PureRed", 50, 7, 255, 0, 0},
                    TintCase{"Negative", 37, 5, -40, 0, -300}, TintCase{"AboveByte", 37, 5, 300, -1, 256}),
    [](const testing::TestParamInfo<TintCase> &info) { return std::string(info.param.name); });

TEST(Recolourer, PureRedSetsRedAndLeavesGreenAndBlue)
{
    const QImage loaded = patterned(229, 31);
    QImage bitmap = loaded;
    Recolourer recolourer;
    recolourer.intensityRgbAll(bitmap, 255, 0, 0);
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x) {
            ASSERT_EQ(qRed(bitmap.pixel(x, y)), 255);
            ASSERT_EQ(qGreen(bitmap.pixel(x, y)), qGreen(loaded.pixel(x, y)));
            ASSERT_EQ(qBlue(bitmap.pixel(x, y)), qBlue(loaded.pixel(x, y)));
        }
    }
}

TEST(Recolourer, UndoThenTintShowsTheLoadedBitmapPlusTheLastColourOnly)
{
    const QImage loaded = patterned(40, 30);
    QImage bitmap = loaded;
    Recolourer recolourer;
    recolourer.intensityRgbAll(bitmap, 0, 0, 0); // as a fresh load does
    recolourer.undo(bitmap);
    recolourer.intensityRgbAll(bitmap, 50, 0, 10); // colour A
    recolourer.undo(bitmap);
    recolourer.intensityRgbAll(bitmap, 5, 60, 0); // colour B
    EXPECT_EQ(compareImages(bitmap, tintedReference(loaded, 5, 60, 0)), QString());
}

TEST(Recolourer, StoreKeepsTheTwoNewestCopiesAndUndoKeepsThem)
{
    Recolourer recolourer;
    QImage bitmap;
    EXPECT_FALSE(recolourer.undo(bitmap)) << "empty store";

    const QImage first = patterned(4, 4);
    const QImage second = patterned(5, 3);
    const QImage third = patterned(3, 6);
    for (const QImage &image : {first, second, third}) {
        bitmap = image;
        recolourer.intensityRgbAll(bitmap, 1, 1, 1);
    }
    ASSERT_EQ(recolourer.copies().size(), 2u);
    EXPECT_EQ(compareImages(recolourer.copies()[0], second), QString());
    EXPECT_EQ(compareImages(recolourer.copies()[1], third), QString());

    bitmap = first;
    EXPECT_TRUE(recolourer.undo(bitmap));
    EXPECT_EQ(compareImages(bitmap, third), QString());
    EXPECT_TRUE(recolourer.undo(bitmap));
    EXPECT_EQ(compareImages(bitmap, third), QString());
    EXPECT_EQ(recolourer.copies().size(), 2u);
}

TEST(Recolourer, TwoColourBitmapBecomes24BitAndUndoBringsItBack)
{
    QImage mono(19, 3, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < mono.height(); ++y)
        for (int x = 0; x < mono.width(); ++x)
            mono.setPixel(x, y, (x + y) % 3 == 0 ? 1 : 0);

    QImage bitmap = mono;
    Recolourer recolourer;
    recolourer.intensityRgbAll(bitmap, 10, 20, 30);
    ASSERT_EQ(bitmap.format(), QImage::Format_RGB888);
    EXPECT_EQ(bitmap.pixel(0, 0) & 0xffffffu, 0xffffffu) << "1 bits are white";
    EXPECT_EQ(bitmap.pixel(1, 0) & 0xffffffu, qRgb(10, 20, 30) & 0xffffffu) << "0 bits are black";

    ASSERT_TRUE(recolourer.undo(bitmap));
    EXPECT_EQ(bitmap.format(), QImage::Format_Mono);
    EXPECT_EQ(bitmap, mono);

    recolourer.intensityRgbAll(bitmap, 0, 0, 0);
    EXPECT_EQ(bitmap.format(), QImage::Format_RGB888);
    EXPECT_EQ(compareImages(bitmap, mono), QString());
}

TEST(Recolourer, PalettedBitmapIsTintedThroughItsColours)
{
    QImage indexed(7, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(250, 0, 7), qRgb(3, 100, 200)});
    indexed.fill(0);
    indexed.setPixel(3, 1, 1);
    QImage bitmap = indexed;
    Recolourer recolourer;
    recolourer.intensityRgbAll(bitmap, 10, 10, 10);
    ASSERT_EQ(bitmap.format(), QImage::Format_RGB888);
    EXPECT_EQ(bitmap.pixel(0, 0) & 0xffffffu, qRgb(255, 10, 17) & 0xffffffu);
    EXPECT_EQ(bitmap.pixel(3, 1) & 0xffffffu, qRgb(13, 110, 210) & 0xffffffu);
    EXPECT_EQ(recolourer.copies().back().format(), QImage::Format_Indexed8);
}

// A hairstyle too small for the original store's 2 × 2 minimum, or none at all: undo must
// still give it back, not the hairstyle before it.
TEST(Recolourer, UndoNeverBringsBackAnEarlierBitmap)
{
    for (const QSize size : {QSize(1, 1), QSize(1, 9), QSize(9, 1), QSize(0, 0)}) {
        Recolourer recolourer;
        QImage bitmap = patterned(30, 20);
        recolourer.intensityRgbAll(bitmap, 0, 0, 0);
        recolourer.undo(bitmap);
        recolourer.intensityRgbAll(bitmap, 40, 40, 40);

        const QImage tiny = size.isEmpty() ? QImage() : patterned(size.width(), size.height());
        bitmap = tiny; // a fresh load: no undo before the tint
        recolourer.intensityRgbAll(bitmap, 40, 40, 40);
        ASSERT_TRUE(recolourer.undo(bitmap));
        EXPECT_EQ(bitmap.size(), tiny.size()) << size.width() << " x " << size.height();
        EXPECT_EQ(compareImages(bitmap, tiny), QString());
        recolourer.intensityRgbAll(bitmap, 7, 8, 9);
        EXPECT_EQ(bitmap.isNull(), tiny.isNull());
        if (!tiny.isNull()) {
            EXPECT_EQ(compareImages(bitmap, tintedReference(tiny, 7, 8, 9)), QString());
        }
    }
}

TEST(Recolourer, RecycledPixelsStillInUseAreNotWritten)
{
    Recolourer recolourer;
    const QImage loaded = patterned(20, 10);
    QImage bitmap = loaded;
    recolourer.intensityRgbAll(bitmap, 1, 2, 3);
    const QImage kept = bitmap; // e.g. still shown somewhere
    recolourer.recycle(QImage(bitmap));

    recolourer.undo(bitmap);
    recolourer.intensityRgbAll(bitmap, 100, 100, 100);
    EXPECT_EQ(compareImages(kept, tintedReference(loaded, 1, 2, 3)), QString());
    EXPECT_EQ(compareImages(bitmap, tintedReference(loaded, 100, 100, 100)), QString());

    // Recycled pixels nobody else holds are reused, and the result is still right.
    QImage spare = std::move(bitmap);
    const uchar *spareBits = spare.constBits();
    bitmap = recolourer.copies().back();
    recolourer.recycle(std::move(spare));
    recolourer.intensityRgbAll(bitmap, 9, 9, 9);
    EXPECT_EQ(bitmap.constBits(), spareBits);
    EXPECT_EQ(compareImages(bitmap, tintedReference(loaded, 9, 9, 9)), QString());
}

} // namespace
