#include "colour/HsvBoxPicture.h"

#include <gtest/gtest.h>

#include <QColor>
#include <set>
#include <utility>

namespace {

RgbBytes at(const QImage &picture, int x, int y)
{
    const QRgb pixel = picture.pixel(x, y);
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

TEST(HsvBoxPicture, FieldShowsSaturationAcrossAndValueUpForTheHue)
{
    HsvBoxModel box;
    box.press(160, 40); // hue 179
    box.release();
    const QImage picture = hsvBoxBackground(box);
    ASSERT_EQ(picture.size(), QSize(177, 81));
    ASSERT_EQ(picture.format(), QImage::Format_RGB888);

    // Column x shows Trunc(x × 100 / 157), row r from the bottom Trunc(r × 100 / 81).
    EXPECT_EQ(at(picture, 0, 80), hsvToRgb(179, 0, 0));
    EXPECT_EQ(at(picture, 156, 0), hsvToRgb(179, 99, 98));
    EXPECT_EQ(at(picture, 0, 0), hsvToRgb(179, 0, 98));
    EXPECT_EQ(at(picture, 80, 40), hsvToRgb(179, 50, 49));
    EXPECT_EQ(at(picture, 2, 79), hsvToRgb(179, 1, 1));
}

TEST(HsvBoxPicture, HueBarShowsFullColoursFromRedAtTheBottom)
{
    const QImage picture = hsvBoxBackground(HsvBoxModel());
    for (int x : {157, 166, 176}) {
        EXPECT_EQ(at(picture, x, 80), hsvToRgb(0, 99, 99)) << x;
        EXPECT_EQ(at(picture, x, 71), hsvToRgb(40, 99, 99)) << x; // row 9 from the bottom
        EXPECT_EQ(at(picture, x, 72), hsvToRgb(35, 99, 99)) << x;
        EXPECT_EQ(at(picture, x, 0), hsvToRgb(355, 99, 99)) << x;
    }
    // The field left of the bar is not part of it.
    EXPECT_EQ(at(picture, 156, 80), hsvToRgb(0, 99, 0));
}

// Every pixel equals the background except the outline pixels, which are inverted.
void expectOnlyInverted(const QImage &picture, const QImage &background, const std::set<std::pair<int, int>> &outline)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            RgbBytes expected = at(background, x, y);
            if (outline.count({x, y}))
                expected = {255 - expected.red, 255 - expected.green, 255 - expected.blue};
            ASSERT_EQ(at(picture, x, y), expected) << "at " << x << ", " << y;
        }
    }
}

void addOutline(std::set<std::pair<int, int>> &outline, int left, int top, int right, int bottom)
{
    for (int x = left; x <= right; ++x)
        outline.insert({x, top}), outline.insert({x, bottom});
    for (int y = top; y <= bottom; ++y)
        outline.insert({left, y}), outline.insert({right, y});
}

TEST(HsvBoxPicture, MarkersInvertTheirOutlinesOnly)
{
    HsvBoxModel box;
    box.press(170, 40); // hue 179: marker rows 38 … 42
    box.release();
    box.press(79, 40); // square centred on (79, 40)
    const QImage picture = hsvBoxPicture(box);

    std::set<std::pair<int, int>> outline;
    addOutline(outline, 157, 38, 176, 42);
    addOutline(outline, 76, 37, 82, 43);
    expectOnlyInverted(picture, hsvBoxBackground(box), outline);
}

TEST(HsvBoxPicture, MarkersAtTheCornerAreClipped)
{
    // Black: hue marker around the bottom row, square around the bottom-left pixel.
    const HsvBoxModel box;
    const QImage picture = hsvBoxPicture(box);

    std::set<std::pair<int, int>> outline;
    addOutline(outline, 157, 78, 176, 82);
    addOutline(outline, -3, 77, 3, 83);
    expectOnlyInverted(picture, hsvBoxBackground(box), outline);
}

TEST(HsvBoxPicture, FollowsTheBoxSize)
{
    HsvBoxModel box;
    box.setSize(120, 40);
    const QImage picture = hsvBoxPicture(box);
    ASSERT_EQ(picture.size(), QSize(120, 40));
    EXPECT_EQ(at(picture, 100, 20), hsvToRgb(171, 99, 99)); // bar row 19 from the bottom: 19 × 360 / 40
    EXPECT_TRUE(hsvBoxPicture(HsvBoxModel(0, 0)).isNull());
}

} // namespace
