// The picture loader: one decoder per extension, pixel formats kept, every bad file refused
// with an error and never a crash.
#include "platform/PictureLoader.h"
#include "platform/PlatformError.h"
#include "tests/platform/PictureFixtures.h"
#include "tests/support/ErrorText.h"

#include <gtest/gtest.h>

#include <Magick++.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <string>

using PictureFixtures::encode;

namespace {

enum class Source { Colour, Colourful, Gray, Bilevel };
enum class Adjust { None, Bilevel, Gray, Palette, PaletteRle, TrueColour };

QImage sourcePicture(Source source)
{
    if (source == Source::Colour)
        return PictureFixtures::marked();
    if (source == Source::Colourful) {
        // More than 16 colours, so a palette needs 8 bits.
        QImage image = PictureFixtures::marked();
        for (int x = 1; x < 7; ++x) {
            image.setPixel(x, 0, qRgb(x * 30, 10, 200));
            image.setPixel(x - 1, 4, qRgb(10, x * 30, 200));
            image.setPixel(x, 3, qRgb(200, 10, x * 30));
        }
        return image;
    }
    const bool bilevel = source == Source::Bilevel;
    QImage image(7, 5, QImage::Format_RGB888);
    image.fill(bilevel ? Qt::white : QColor(128, 128, 128));
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(6, 4, bilevel ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    image.setPixel(3, 2, bilevel ? qRgb(0, 0, 0) : qRgb(64, 64, 64));
    return image;
}

void adjust(Magick::Image &image, Adjust how)
{
    switch (how) {
    case Adjust::None:
        break;
    case Adjust::Bilevel:
        image.type(Magick::BilevelType);
        break;
    case Adjust::Gray:
        image.type(Magick::GrayscaleType);
        break;
    case Adjust::Palette:
        image.type(Magick::PaletteType);
        break;
    case Adjust::PaletteRle:
        image.type(Magick::PaletteType);
        image.compressType(Magick::RLECompression);
        break;
    case Adjust::TrueColour:
        image.type(Magick::TrueColorType);
        break;
    }
}

class LoaderTest : public testing::Test
{
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir m_dir;
};

struct FormatCase
{
    const char *name;
    const char *extension;
    const char *coder; // ImageMagick's writer
    Source source;
    Adjust adjust;
    QImage::Format format;
    int bitmapBits; // for Windows bitmaps: the bit depth the file must have
    friend void PrintTo(const FormatCase &c, std::ostream *os) { *os << c.name; }
};

class EachFormat : public LoaderTest, public testing::WithParamInterface<FormatCase>
{};

TEST_P(EachFormat, LoadsWithItsSizeFormatAndPixels)
{
    const FormatCase &c = GetParam();
    const QImage source = sourcePicture(c.source);
    const QByteArray bytes = encode(source, c.coder, [&](Magick::Image &image) { adjust(image, c.adjust); });
    if (c.bitmapBits) {
        ASSERT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), c.bitmapBits) << "fixture is not as named";
    }
    QImage loaded;
    ASSERT_NO_THROW(loaded = PictureLoader::loadFile(write(QStringLiteral("picture.") + c.extension, bytes)));
    EXPECT_EQ(loaded.size(), source.size());
    EXPECT_EQ(loaded.format(), c.format);
    for (const QPoint at : {QPoint(0, 0), QPoint(6, 4), QPoint(3, 2), QPoint(5, 1)}) {
        EXPECT_EQ(loaded.pixel(at) | 0xff000000u, source.pixel(at))
            << "at " << at.x() << ", " << at.y() << std::hex << ": " << loaded.pixel(at) << " for " << source.pixel(at);
    }
}

constexpr auto Rgb24 = QImage::Format_RGB888;

INSTANTIATE_TEST_SUITE_P(
    Table, EachFormat,
    testing::Values(
        FormatCase{"png", "png", "PNG", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"gif", "gif", "GIF", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"ico", "ico", "ICO", Source::Colour, Adjust::None, QImage::Format_ARGB32, 0},
        FormatCase{"pbm", "pbm", "PBM", Source::Bilevel, Adjust::None, Rgb24, 0},
        FormatCase{"pgm", "pgm", "PGM", Source::Gray, Adjust::None, Rgb24, 0},
        FormatCase{"ppm", "ppm", "PPM", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"tif", "tif", "TIFF", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"tiff", "TIFF", "TIFF", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"tga", "tga", "TGA", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"icb", "icb", "TGA", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"vda", "vda", "TGA", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"vst", "vst", "TGA", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"win", "win", "TGA", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"pcx", "pcx", "PCX", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"pcc", "pcc", "PCX", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"sgi", "sgi", "SGI", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"rgb", "rgb", "SGI", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"rgba", "rgba", "SGI", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"bw", "bw", "SGI", Source::Gray, Adjust::Gray, Rgb24, 0},
        FormatCase{"psd", "psd", "PSD", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"pdd", "pdd", "PSD", Source::Colour, Adjust::None, Rgb24, 0},
        FormatCase{"bmp1bit", "bmp", "BMP3", Source::Bilevel, Adjust::Bilevel, QImage::Format_Mono, 1},
        FormatCase{"bmp4bit", "bmp", "BMP3", Source::Colour, Adjust::Palette, QImage::Format_Indexed8, 4},
        FormatCase{"bmp8bit", "bmp", "BMP3", Source::Colourful, Adjust::Palette, QImage::Format_Indexed8, 8},
        FormatCase{"bmp24bit", "bmp", "BMP3", Source::Colour, Adjust::TrueColour, Rgb24, 24},
        FormatCase{"dib", "dib", "BMP3", Source::Colour, Adjust::TrueColour, Rgb24, 24},
        FormatCase{"rle", "rle", "BMP3", Source::Colourful, Adjust::PaletteRle, QImage::Format_Indexed8, 8}),
    [](const testing::TestParamInfo<FormatCase> &info) { return std::string(info.param.name); });

TEST_F(LoaderTest, AcceptsExactlyTheFortyExtensions)
{
    EXPECT_EQ(PictureLoader::extensions().size(), 40);
    EXPECT_EQ(PictureLoader::extensions().join(QLatin1Char(' ')).toStdString(),
              "png psp cut pcd pic cel pbm pgm ppm pdd psd bw rgb rgba sgi rla rpf scr pcc pcx eps fax tif tiff "
              "icb tga vda vst win dib rle jpeg jpe jpg jfif emf wmf ico bmp gif");
}

TEST_F(LoaderTest, ExtensionDecidesWithoutRegardToCase)
{
    const QByteArray png = encode(PictureFixtures::marked(), "PNG");
    EXPECT_EQ(PictureLoader::loadFile(write(QStringLiteral("SHOUT.PNG"), png)).size(), QSize(7, 5));
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(write(QStringLiteral("photo.xyz"), png)); }),
              "Unknown picture file extension (.xyz)");
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(write(QStringLiteral("PHOTO.XYZ"), png)); }),
              "Unknown picture file extension (.xyz)");
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(write(QStringLiteral("photo"), png)); }),
              "Unknown picture file extension (.)");
    // The extension is checked before the file is opened.
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(m_dir.filePath(QStringLiteral("missing.xyz"))); }),
              "Unknown picture file extension (.xyz)");
}

TEST_F(LoaderTest, CoderIsForcedByTheExtensionNotGuessed)
{
    const QByteArray png = encode(PictureFixtures::marked(), "PNG");
    EXPECT_EQ(
        messageOf([&] { PictureLoader::loadFile(write(QStringLiteral("png.jpg"), png)); }).rfind("JPEG error #", 0),
        0u);
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(write(QStringLiteral("png.bmp"), png)); }),
              "Bitmap image is not valid");
    EXPECT_NE(messageOf([&] { PictureLoader::loadFile(write(QStringLiteral("png.tga"), png)); }), "no error");
}

TEST_F(LoaderTest, FileThatCannotBeOpenedNamesFileAndReason)
{
    const QString missing = m_dir.filePath(QStringLiteral("missing.png"));
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(missing); }),
              QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(missing).toStdString());
    const QString folder = m_dir.filePath(QStringLiteral("folder.png"));
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(folder); }),
              QStringLiteral("Cannot open file \"%1\". Is a directory").arg(folder).toStdString());
}

struct RefusedCase
{
    const char *extension;
    const char *message;
    friend void PrintTo(const RefusedCase &c, std::ostream *os) { *os << c.extension; }
};

class UnreadableFormats : public LoaderTest, public testing::WithParamInterface<RefusedCase>
{};

TEST_P(UnreadableFormats, AreAcceptedAndRefusedByTheDecoder)
{
    const QString path = write(QStringLiteral("picture.") + GetParam().extension, QByteArray(64, '\x01'));
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(path); }), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Table, UnreadableFormats,
                         testing::Values(RefusedCase{"psp", "Unrecognized image format (PSP)"},
                                         RefusedCase{"pic", "Unrecognized image format (PIC)"},
                                         RefusedCase{"cel", "Unrecognized image format (CEL)"},
                                         RefusedCase{"rpf", "Unrecognized image format (RPF)"},
                                         RefusedCase{"scr", "Unrecognized image format (SCR)"},
                                         RefusedCase{"emf", "Unrecognized image format (EMF)"},
                                         RefusedCase{"eps", "attempt to perform an operation not allowed by the "
                                                            "security policy `EPS'"}),
                         [](const testing::TestParamInfo<RefusedCase> &info) {
                             return std::string(info.param.extension);
                         });

TEST_F(LoaderTest, OversizedHeadersAreRefusedBeforeDecoding)
{
    const std::string tooLarge = "Picture is too large (60000 x 60000 pixels; at most 120 million pixels are accepted)";
    // A portable bitmap's header is text.
    QByteArray pbm("P4\n60000 60000\n");
    pbm.append(4096, '\0');
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(write(QStringLiteral("huge.pbm"), pbm)); }), tooLarge);

    QByteArray bmp = encode(PictureFixtures::marked(), "BMP3", [](Magick::Image &i) { i.type(Magick::TrueColorType); });
    qToLittleEndian<qint32>(60000, bmp.data() + 18);
    qToLittleEndian<qint32>(60000, bmp.data() + 22);
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(write(QStringLiteral("huge.bmp"), bmp)); }), tooLarge);
    qToLittleEndian<qint32>(-60000, bmp.data() + 22); // top-down
    EXPECT_EQ(messageOf([&] { PictureLoader::loadFile(write(QStringLiteral("huge.dib"), bmp)); }), tooLarge);
}

// Cut short, emptied or scrambled, a file of any format loads or is refused with an
// error; nothing else escapes and nothing ends the process.
TEST_F(LoaderTest, DamagedFilesNeverEscapeAsAnythingButAnError)
{
    const struct
    {
        const char *extension;
        const char *coder;
        Adjust adjust;
    } formats[] = {
        {"png", "PNG", Adjust::None},     {"gif", "GIF", Adjust::None},     {"ico", "ICO", Adjust::None},
        {"pbm", "PBM", Adjust::Bilevel},  {"ppm", "PPM", Adjust::None},     {"tif", "TIFF", Adjust::None},
        {"tga", "TGA", Adjust::None},     {"pcx", "PCX", Adjust::None},     {"sgi", "SGI", Adjust::None},
        {"psd", "PSD", Adjust::None},     {"bmp", "BMP3", Adjust::Palette}, {"rle", "BMP3", Adjust::PaletteRle},
        {"bmp", "BMP3", Adjust::Bilevel}, {"jpg", "JPEG", Adjust::None},    {"fax", "FAX", Adjust::Bilevel},
        {"wmf", "PNG", Adjust::None},     {"cut", "PNG", Adjust::None},     {"pcd", "PNG", Adjust::None},
        {"rla", "PNG", Adjust::None}};
    for (const auto &format : formats) {
        const QByteArray whole = encode(PictureFixtures::halves(24, 16), format.coder,
                                        [&](Magick::Image &image) { adjust(image, format.adjust); });
        QByteArray scrambled = whole;
        for (qsizetype i = scrambled.size() / 3; i < scrambled.size(); i += 7)
            scrambled[i] = static_cast<char>(~scrambled[i]);
        const QByteArray damaged[] = {QByteArray(), whole.left(8), whole.left(whole.size() / 2),
                                      whole.left(whole.size() - 1), scrambled};
        for (const QByteArray &bytes : damaged) {
            const QString path = write(QStringLiteral("damaged.") + format.extension, bytes);
            try {
                PictureLoader::loadFile(path);
            } catch (const PlatformError &error) {
                EXPECT_FALSE(error.message().isEmpty()) << format.extension;
            } catch (...) {
                ADD_FAILURE() << "not a PlatformError for ." << format.extension << ", " << bytes.size() << " bytes";
            }
        }
    }
}

} // namespace
