#include "album/SnapshotComposer.h"
#include "tests/support/ImageCompare.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>

namespace {

constexpr QRgb White = 0xffffffffu;

// A layer whose every pixel tells where it came from: red = x, green = y (low byte), blue =
// the layer's tag plus the high bits. Never white, never equal between two layers.
QImage taggedLayer(int width, int height, int tag)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, tag | (x >> 8) | ((y >> 8) << 1)));
    return image;
}

QImage solid(int width, int height, QRgb colour, QImage::Format format = QImage::Format_RGB888)
{
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

QRgb at(const QImage &image, int x, int y)
{
    return image.pixel(x, y) | 0xff000000u;
}

// What a snapshot looks like when both pictures are drawn at their own size: the photo
// pasted at photoAt, the hairstyle at hairAt without its key colour, on white.
QImage pasted(const QImage &photo, std::optional<QPoint> photoAt, const QImage &hair, std::optional<QPoint> hairAt,
              std::optional<QRgb> key)
{
    QImage expected(229, 312, QImage::Format_RGB888);
    expected.fill(Qt::white);
    const auto paste = [&](const QImage &source, QPoint origin, std::optional<QRgb> skip) {
        for (int y = 0; y < 312; ++y)
            for (int x = 0; x < 229; ++x) {
                const int sx = x - origin.x();
                const int sy = y - origin.y();
                if (sx < 0 || sy < 0 || sx >= source.width() || sy >= source.height())
                    continue;
                const QRgb colour = source.pixel(sx, sy) | 0xff000000u;
                if (!skip || colour != (*skip | 0xff000000u))
                    expected.setPixel(x, y, colour);
            }
    };
    if (photoAt)
        paste(photo, *photoAt, std::nullopt);
    if (hairAt)
        paste(hair, *hairAt, key);
    return expected;
}

// A layer rectangle in fitting-area pixels, signed and unbounded like the layers' own.
struct Rect
{
    int left, top, width, height;
};

struct PlacementCase
{
    const char *name;
    Rect photo;
    Rect hair;
    std::optional<QPoint> photoAt; // where the photo's (0, 0) lands; nullopt: not drawn
    std::optional<QPoint> hairAt;
};

// Pictures the size of their rectangle (or a token 10 x 10 where the rectangle has no
// drawable size), so the expected snapshot is a plain paste.
QImage pictureFor(const Rect &rect, int tag)
{
    const bool ownSize = rect.width > 0 && rect.height > 0 && rect.width < 2000 && rect.height < 2000;
    return ownSize ? taggedLayer(rect.width, rect.height, tag) : taggedLayer(10, 10, tag);
}

ComposeLayer layer(const QImage &picture, const Rect &rect, std::optional<QRgb> key = std::nullopt)
{
    return ComposeLayer{picture, rect.left, rect.top, rect.width, rect.height, key};
}

void PrintTo(const PlacementCase &row, std::ostream *out)
{
    *out << row.name;
}

class Placement : public testing::TestWithParam<PlacementCase>
{};

TEST_P(Placement, PastesEachLayerAtItsSnapshotOffset)
{
    const PlacementCase &row = GetParam();
    const QImage photo = pictureFor(row.photo, 0x10);
    const QImage hair = pictureFor(row.hair, 0x80);
    const QRgb absentKey = qRgb(1, 2, 3);

    const QImage snapshot = SnapshotComposer::compose(layer(photo, row.photo), layer(hair, row.hair, absentKey));

    EXPECT_EQ(snapshot.size(), QSize(229, 312));
    EXPECT_EQ(snapshot.format(), QImage::Format_RGB888);
    const QString difference = compareImages(snapshot, pasted(photo, row.photoAt, hair, row.hairAt, absentKey));
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Snapshot, Placement,
    testing::Values(
        PlacementCase{"StartRectangles", {17, 9, 228, 312}, {17, 9, 229, 312}, QPoint(0, 0), QPoint(-1, 1)},
        PlacementCase{"HairstyleAt18x9", {17, 9, 228, 312}, {18, 9, 228, 312}, QPoint(0, 0), QPoint(0, 1)},
        PlacementCase{"PhotoMovedRight10", {27, 9, 228, 312}, {2000, 9, 229, 312}, QPoint(10, 0), QPoint(1982, 1)},
        PlacementCase{
            "BothPartlyAboveAndLeft", {-100, -50, 228, 312}, {-60, 3, 229, 312}, QPoint(-117, -59), QPoint(-78, -4)},
        PlacementCase{
            "BothBelowAndRight", {150, 200, 228, 312}, {100, 300, 229, 312}, QPoint(133, 191), QPoint(82, 292)},
        PlacementCase{"WhollyOutside", {-400, 9, 228, 312}, {17, 400, 229, 312}, QPoint(-417, 0), QPoint(-1, 392)},
        PlacementCase{
            "ZeroAndNegativeSizesDrawNothing", {17, 9, 0, 312}, {17, 9, -229, 312}, std::nullopt, std::nullopt},
        PlacementCase{"ExtremeCoordinatesDoNotOverflow",
                      {INT_MIN, INT_MIN, 228, 312},
                      {INT_MAX - 5, INT_MAX - 5, 229, 312},
                      std::nullopt,
                      std::nullopt},
        PlacementCase{"HugeRectangleEndingLeftOfTheSnapshot",
                      {INT_MIN, 9, INT_MAX, 312},
                      {INT_MIN, INT_MIN, 229, 312},
                      std::nullopt,
                      std::nullopt}),
    [](const testing::TestParamInfo<PlacementCase> &info) { return std::string(info.param.name); });

TEST(SnapshotComposer, StartRectanglesCutOffTheHairstylesFirstColumnAndBottomRow)
{
    const QImage photo = taggedLayer(228, 312, 0x10);
    QImage hair = taggedLayer(229, 312, 0x80);
    const QRgb key = qRgb(0, 255, 0);
    // Keyed out on the right, so the photo and the white column show there.
    for (int y = 0; y < 312; ++y)
        for (int x = 200; x < 229; ++x)
            hair.setPixel(x, y, key);

    const QImage snapshot =
        SnapshotComposer::compose(layer(photo, {17, 9, 228, 312}), layer(hair, {17, 9, 229, 312}, key));

    EXPECT_EQ(at(snapshot, 0, 0), at(photo, 0, 0)) << "row 0 is the photo's";
    EXPECT_EQ(at(snapshot, 227, 0), at(photo, 227, 0));
    EXPECT_EQ(at(snapshot, 228, 0), White) << "the photo is 228 wide";
    EXPECT_EQ(at(snapshot, 228, 150), White) << "keyed hairstyle over nothing";
    EXPECT_EQ(at(snapshot, 210, 150), at(photo, 210, 150));
    EXPECT_EQ(at(snapshot, 0, 1), at(hair, 1, 0)) << "hairstyle drawn from column -1, row 1";
    EXPECT_EQ(at(snapshot, 198, 311), at(hair, 199, 310)) << "its bottom row falls outside";
}

TEST(SnapshotComposer, StretchSamplesOneSourcePixelPerTargetPixelWithExclusiveEdges)
{
    // 3 x 2 into 7 x 4: columns take 0,0,0,1,1,2,2 (x * 3 / 7), rows 0,0,1,1.
    const QImage small = taggedLayer(3, 2, 0x10);
    const QImage enlarged = SnapshotComposer::compose(layer(small, {17, 9, 7, 4}), ComposeLayer{});
    const int columns[] = {0, 0, 0, 1, 1, 2, 2};
    const int rows[] = {0, 0, 1, 1};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(at(enlarged, x, y), at(small, columns[x], rows[y])) << x << "," << y;
    EXPECT_EQ(at(enlarged, 7, 0), White);
    EXPECT_EQ(at(enlarged, 0, 4), White);

    // 8 x 8 into 3 x 3: plain picks of columns and rows 0, 2, 5 (x * 8 / 3), no averaging.
    const QImage large = taggedLayer(8, 8, 0x10);
    const QImage shrunk = SnapshotComposer::compose(layer(large, {17, 9, 3, 3}), ComposeLayer{});
    const int picks[] = {0, 2, 5};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(at(shrunk, x, y), at(large, picks[x], picks[y])) << x << "," << y;
    EXPECT_EQ(at(shrunk, 3, 0), White);
}

TEST(SnapshotComposer, KeyColourOfTheHairstyleLetsThePhotoThrough)
{
    const QRgb key = qRgb(0, 255, 0);
    const QRgb photoColour = qRgb(0, 0, 200);
    const QRgb hairColour = qRgb(200, 0, 0);
    QImage photo = solid(228, 312, photoColour);
    photo.setPixel(5, 5, key); // the photo has no key: its green pixel is drawn
    QImage hair = solid(229, 312, key);
    for (int y = 50; y < 60; ++y)
        for (int x = 50; x < 60; ++x)
            hair.setPixel(x, y, hairColour);

    const QImage snapshot =
        SnapshotComposer::compose(layer(photo, {17, 9, 228, 312}), layer(hair, {18, 8, 229, 312}, key));

    EXPECT_EQ(at(snapshot, 50, 50), hairColour);
    EXPECT_EQ(at(snapshot, 59, 59), hairColour);
    EXPECT_EQ(at(snapshot, 49, 50), photoColour);
    EXPECT_EQ(at(snapshot, 60, 59), photoColour);
    EXPECT_EQ(at(snapshot, 5, 5), key);
    EXPECT_EQ(at(snapshot, 228, 100), White) << "neither layer covers column 228";
}

TEST(SnapshotComposer, KeyAppliesToIndexedAndTwoColourHairstyles)
{
    // A two-colour hairstyle is keyed on white; an 8-bit one on its palette colour.
    QImage mono(229, 312, QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mono.fill(0);
    for (int x = 0; x < 229; ++x)
        mono.setPixel(x, 100, 1);
    const QImage photo = solid(228, 312, qRgb(0, 0, 200));

    const QImage fromMono =
        SnapshotComposer::compose(layer(photo, {17, 9, 228, 312}), layer(mono, {18, 8, 229, 312}, qRgb(255, 255, 255)));
    EXPECT_EQ(at(fromMono, 10, 100), qRgb(0, 0, 0));
    EXPECT_EQ(at(fromMono, 10, 99), qRgb(0, 0, 200));

    QImage indexed(229, 312, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(255, 0, 255), qRgb(10, 20, 30)});
    indexed.fill(0);
    indexed.setPixel(20, 20, 1);
    const QImage fromIndexed = SnapshotComposer::compose(layer(photo, {17, 9, 228, 312}),
                                                         layer(indexed, {18, 8, 229, 312}, qRgb(255, 0, 255)));
    EXPECT_EQ(at(fromIndexed, 20, 20), qRgb(10, 20, 30));
    EXPECT_EQ(at(fromIndexed, 21, 20), qRgb(0, 0, 200));
}

TEST(SnapshotComposer, EveryPixelFormatOfALayerIsDrawnAsItsColours)
{
    // A stretched photo and hairstyle in 24-bit colour, then in every other format that
    // holds the same colours.
    const QImage photo = taggedLayer(120, 150, 0x10);
    QImage hair = taggedLayer(60, 80, 0x80);
    const QRgb key = hair.pixel(0, 79);
    const auto composeIn = [&](QImage::Format format) {
        return SnapshotComposer::compose(layer(photo.convertToFormat(format), {20, 12, 228, 300}),
                                         layer(hair.convertToFormat(format), {60, 40, 100, 170}, key));
    };
    const QImage expected = composeIn(QImage::Format_RGB888);
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_RGBX8888,
          QImage::Format_BGR888}) {
        const QString difference = compareImages(composeIn(format), expected);
        EXPECT_TRUE(difference.isEmpty()) << "format " << format << ": " << difference.toStdString();
    }
}

struct TopCase
{
    int top;
    int row; // the snapshot row of the hairstyle's top row
};

void PrintTo(const TopCase &row, std::ostream *out)
{
    *out << "top " << row.top << " -> row " << row.row;
}

class HairstyleTop : public testing::TestWithParam<TopCase>
{};

TEST_P(HairstyleTop, IsTopMinusSevenAndAHalfTruncatedTowardZero)
{
    const TopCase row = GetParam();
    const QImage hair = taggedLayer(4, 40, 0x80);
    const QImage snapshot = SnapshotComposer::compose(ComposeLayer{}, layer(hair, {18, row.top, 4, 40}, qRgb(1, 2, 3)));
    for (int y = 0; y < 40; ++y) {
        const int source = y - row.row;
        const QRgb expected = source >= 0 && source < 40 ? at(hair, 0, source) : White;
        EXPECT_EQ(at(snapshot, 0, y), expected) << "snapshot row " << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Snapshot, HairstyleTop,
                         testing::Values(TopCase{0, -7}, TopCase{5, -2}, TopCase{6, -1}, TopCase{7, 0}, TopCase{8, 0},
                                         TopCase{9, 1}, TopCase{10, 2}, TopCase{20, 12}),
                         [](const testing::TestParamInfo<TopCase> &info) {
                             return "Top" + std::to_string(info.param.top);
                         });

} // namespace
