// JPEG decoding through libjpeg: colour spaces, DCT-scaled thumbnails, damaged and
// oversized streams refused with libjpeg's code.
#include "platform/JpegDecoder.h"
#include "platform/PictureLoader.h"
#include "platform/PlatformError.h"
#include "tests/platform/PictureFixtures.h"
#include "tests/support/ErrorText.h"

#include <gtest/gtest.h>

#include <Magick++.h>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <jerror.h>
#include <jpeglib.h>
#include <string>

using PictureFixtures::encode;

namespace {

bool near(QRgb actual, QRgb expected, int tolerance = 24)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

QByteArray jpeg(const QImage &picture, const std::function<void(Magick::Image &)> &adjust = {})
{
    return encode(picture, "JPEG", [&](Magick::Image &image) {
        image.quality(95);
        if (adjust)
            adjust(image);
    });
}

// Rewrites the frame header's height and width.
QByteArray claimingSize(QByteArray data, int width, int height)
{
    const qsizetype sof = data.indexOf(QByteArray("\xff\xc0", 2));
    EXPECT_GT(sof, 0);
    data[sof + 5] = static_cast<char>(height >> 8);
    data[sof + 6] = static_cast<char>(height & 0xff);
    data[sof + 7] = static_cast<char>(width >> 8);
    data[sof + 8] = static_cast<char>(width & 0xff);
    return data;
}

TEST(JpegDecoder, ColourGreyAndCmykBecomeRgb)
{
    const QImage source = PictureFixtures::halves(32, 16);
    const QImage colour = JpegDecoder::decode(jpeg(source));
    EXPECT_EQ(colour.format(), QImage::Format_RGB888);
    EXPECT_EQ(colour.size(), QSize(32, 16));
    EXPECT_TRUE(near(colour.pixel(4, 8), qRgb(255, 0, 0))) << std::hex << colour.pixel(4, 8);
    EXPECT_TRUE(near(colour.pixel(28, 8), qRgb(0, 0, 255))) << std::hex << colour.pixel(28, 8);

    const QImage grey = JpegDecoder::decode(jpeg(source, [](Magick::Image &i) { i.type(Magick::GrayscaleType); }));
    EXPECT_EQ(grey.format(), QImage::Format_RGB888);
    const QRgb g = grey.pixel(4, 8);
    EXPECT_TRUE(qRed(g) == qGreen(g) && qGreen(g) == qBlue(g) && near(g, qRgb(76, 76, 76))) << std::hex << g;

    const QImage cmyk =
        JpegDecoder::decode(jpeg(source, [](Magick::Image &i) { i.colorSpace(Magick::CMYKColorspace); }));
    EXPECT_EQ(cmyk.format(), QImage::Format_RGB888);
    EXPECT_TRUE(near(cmyk.pixel(4, 8), qRgb(255, 0, 0))) << std::hex << cmyk.pixel(4, 8);
    EXPECT_TRUE(near(cmyk.pixel(28, 8), qRgb(0, 0, 255))) << std::hex << cmyk.pixel(28, 8);
}

TEST(JpegDecoder, EveryJpegExtensionLoadsThroughIt)
{
    QTemporaryDir dir;
    const QByteArray bytes = jpeg(PictureFixtures::halves(32, 16));
    for (const char *extension : {"jpg", "jpeg", "jpe", "jfif", "JPG"}) {
        const QString path = dir.filePath(QStringLiteral("photo.") + extension);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const QImage loaded = PictureLoader::loadFile(path);
        EXPECT_EQ(loaded.size(), QSize(32, 16)) << extension;
        EXPECT_EQ(loaded.format(), QImage::Format_RGB888) << extension;
    }
}

struct CoverCase
{
    const char *name;
    QSize picture;
    QSize cover;
    QSize expected;
    friend void PrintTo(const CoverCase &c, std::ostream *os) { *os << c.name; }
};

class Covering : public testing::TestWithParam<CoverCase>
{};

TEST_P(Covering, DecodesAtTheSmallestScaleThatCovers)
{
    const CoverCase &c = GetParam();
    const QByteArray bytes = jpeg(PictureFixtures::halves(c.picture.width(), c.picture.height()));
    const QImage thumbnail = JpegDecoder::decodeCovering(bytes, c.cover);
    EXPECT_EQ(thumbnail.size(), c.expected);
    EXPECT_TRUE(near(thumbnail.pixel(1, thumbnail.height() / 2), qRgb(255, 0, 0)));
}

INSTANTIATE_TEST_SUITE_P(Table, Covering,
                         testing::Values(CoverCase{"OneEighthCovers", {640, 640}, {60, 72}, {80, 80}},
                                         CoverCase{"TwoEighthsNeeded", {640, 480}, {60, 72}, {160, 120}},
                                         CoverCase{"SixEighthsForAWideStrip", {1000, 100}, {60, 72}, {750, 75}},
                                         CoverCase{"SmallPictureAtFullSize", {50, 50}, {60, 72}, {50, 50}}),
                         [](const testing::TestParamInfo<CoverCase> &info) { return std::string(info.param.name); });

TEST(JpegDecoder, DamagedStreamsGiveLibjpegsCode)
{
    const QByteArray whole = jpeg(PictureFixtures::halves(64, 64));
    EXPECT_EQ(messageOf([&] { JpegDecoder::decode(whole.left(whole.size() / 2)); }),
              "JPEG error #" + std::to_string(JWRN_JPEG_EOF));
    EXPECT_EQ(messageOf([&] { JpegDecoder::decode(QByteArray()); }), "JPEG error #" + std::to_string(JERR_INPUT_EMPTY));
    EXPECT_EQ(messageOf([&] { JpegDecoder::decode("GIF89a, not a JPEG"); }),
              "JPEG error #" + std::to_string(JERR_NO_SOI));
    // Thumbnails are refused the same way.
    EXPECT_EQ(messageOf([&] {
                  JpegDecoder::decodeCovering(whole.left(whole.size() / 2), {60, 72});
              }),
              "JPEG error #" + std::to_string(JWRN_JPEG_EOF));
}

TEST(JpegDecoder, OversizedHeaderIsRefusedBeforeAnyPixels)
{
    const QByteArray huge = claimingSize(jpeg(PictureFixtures::halves(16, 16)), 60000, 60000);
    const std::string tooLarge = "Picture is too large (60000 x 60000 pixels; at most 120 million pixels are accepted)";
    EXPECT_EQ(messageOf([&] { JpegDecoder::decode(huge); }), tooLarge);
    EXPECT_EQ(messageOf([&] { JpegDecoder::decodeCovering(huge, {60, 72}); }), tooLarge);
    // At the limit the header passes (the stream's data ends early, which libjpeg fills in).
    const QByteArray large = claimingSize(jpeg(PictureFixtures::halves(16, 16)), 12000, 10000);
    EXPECT_EQ(JpegDecoder::decodeCovering(large, {60, 72}).size(), QSize(1500, 1250));
}

TEST(JpegDecoder, FileErrorsNameTheFile)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.jpg"));
    EXPECT_EQ(messageOf([&] { JpegDecoder::decodeFile(missing); }),
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing).toStdString());
    EXPECT_EQ(messageOf([&] {
                  JpegDecoder::decodeFileCovering(missing, {60, 72});
              }),
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing).toStdString());
}

} // namespace
