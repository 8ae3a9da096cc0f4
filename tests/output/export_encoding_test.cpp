// The export encodings: the JPEG stream libjpeg makes of a snapshot, the 24-bit BMP file,
// and the file write that replaces a target only when it is complete.
#include "output/BmpWriter.h"
#include "output/JpegFromPicture.h"
#include "output/SafeFile.h"
#include "platform/PlatformError.h"
#include "tests/support/ErrorText.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <cerrno>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

namespace {

// A snapshot-like picture: smooth shading with hard-edged blocks of colour.
QImage snapshotLike()
{
    QImage image(229, 312, QImage::Format_RGB888);
    for (int y = 0; y < 312; ++y)
        for (int x = 0; x < 229; ++x)
            image.setPixel(x, y, qRgb(40 + x * 180 / 229, 60 + y * 150 / 312, 120 + ((x + y) % 64)));
    for (int y = 40; y < 120; ++y)
        for (int x = 30; x < 110; ++x)
            image.setPixel(x, y, qRgb(90, 50, 20));
    for (int y = 200; y < 280; ++y)
        for (int x = 140; x < 220; ++x)
            image.setPixel(x, y, qRgb(230, 230, 230));
    return image;
}

// What libjpeg reads back from a stream: header facts, quantisation tables and pixels.
struct Decoded
{
    bool ok = false;
    bool jfif = false;
    bool progressive = false;
    int width = 0, height = 0, components = 0;
    int sampling[3][2] = {};
    unsigned short quant[2][64] = {};
    QImage pixels;
};

struct ReadError
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

void readErrorExit(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<ReadError *>(cinfo->err)->jump, 1);
}

bool decodeInto(const QByteArray &stream, Decoded &out, unsigned char *pixels, int capacity)
{
    jpeg_decompress_struct cinfo;
    ReadError error;
    cinfo.err = jpeg_std_error(&error.pub);
    error.pub.error_exit = readErrorExit;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(stream.constData()),
                 static_cast<unsigned long>(stream.size()));
    jpeg_read_header(&cinfo, TRUE);
    out.jfif = cinfo.saw_JFIF_marker;
    out.progressive = cinfo.progressive_mode;
    out.width = static_cast<int>(cinfo.image_width);
    out.height = static_cast<int>(cinfo.image_height);
    out.components = cinfo.num_components;
    for (int c = 0; c < 3 && c < cinfo.num_components; ++c) {
        out.sampling[c][0] = cinfo.comp_info[c].h_samp_factor;
        out.sampling[c][1] = cinfo.comp_info[c].v_samp_factor;
    }
    for (int t = 0; t < 2; ++t)
        if (cinfo.quant_tbl_ptrs[t] != nullptr)
            for (int k = 0; k < 64; ++k)
                out.quant[t][k] = cinfo.quant_tbl_ptrs[t]->quantval[k];
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (static_cast<long>(cinfo.output_width) * cinfo.output_height * 3 > capacity) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = pixels + static_cast<long>(cinfo.output_scanline) * cinfo.output_width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

Decoded decodeJpeg(const QByteArray &stream)
{
    Decoded out;
    QByteArray pixels(229 * 312 * 3, '\0');
    out.ok = decodeInto(stream, out, reinterpret_cast<unsigned char *>(pixels.data()), 229 * 312 * 3);
    if (out.ok)
        out.pixels = QImage(reinterpret_cast<const uchar *>(pixels.constData()), out.width, out.height, out.width * 3,
                            QImage::Format_RGB888)
                         .copy();
    return out;
}

// The tables libjpeg itself makes for a quality, in natural order like the decoder's.
void libjpegTables(int quality, unsigned short (&quant)[2][64])
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr error;
    cinfo.err = jpeg_std_error(&error);
    jpeg_create_compress(&cinfo);
    cinfo.in_color_space = JCS_RGB;
    cinfo.input_components = 3;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    for (int t = 0; t < 2; ++t)
        for (int k = 0; k < 64; ++k)
            quant[t][k] = cinfo.quant_tbl_ptrs[t]->quantval[k];
    jpeg_destroy_compress(&cinfo);
}

TEST(ExportJpeg, SnapshotIsABaselineJfifStreamOfQuality80)
{
    const QImage snapshot = snapshotLike();
    const QByteArray stream = JpegFromPicture(snapshot, 80)->encoded();

    ASSERT_GE(stream.size(), 4);
    EXPECT_EQ(static_cast<uchar>(stream[0]), 0xff);
    EXPECT_EQ(static_cast<uchar>(stream[1]), 0xd8);
    EXPECT_EQ(static_cast<uchar>(stream[stream.size() - 2]), 0xff) << "nothing after the end marker";
    EXPECT_EQ(static_cast<uchar>(stream[stream.size() - 1]), 0xd9);
    EXPECT_TRUE(stream.contains(QByteArray("\xff\xc0", 2))) << "baseline frame header SOF0";

    const Decoded decoded = decodeJpeg(stream);
    ASSERT_TRUE(decoded.ok);
    EXPECT_TRUE(decoded.jfif);
    EXPECT_FALSE(decoded.progressive);
    EXPECT_EQ(decoded.width, 229);
    EXPECT_EQ(decoded.height, 312);
    EXPECT_EQ(decoded.components, 3);
    EXPECT_EQ(decoded.sampling[0][0], 2);
    EXPECT_EQ(decoded.sampling[0][1], 2);
    EXPECT_EQ(decoded.sampling[1][0], 1);
    EXPECT_EQ(decoded.sampling[1][1], 1);
    EXPECT_EQ(decoded.sampling[2][0], 1);
    EXPECT_EQ(decoded.sampling[2][1], 1);

    unsigned short expected[2][64];
    libjpegTables(80, expected);
    for (int t = 0; t < 2; ++t)
        for (int k = 0; k < 64; ++k)
            EXPECT_EQ(decoded.quant[t][k], expected[t][k]) << "table " << t << " entry " << k;
    // The standard tables at 40 %: luminance 16 -> 6, chrominance 17 -> 7.
    EXPECT_EQ(decoded.quant[0][0], 6);
    EXPECT_EQ(decoded.quant[1][0], 7);

    // Within JPEG's usual error at this quality.
    double sumSquares = 0;
    int worst = 0;
    for (int y = 0; y < 312; ++y)
        for (int x = 0; x < 229; ++x) {
            const QRgb a = snapshot.pixel(x, y);
            const QRgb b = decoded.pixels.pixel(x, y);
            for (const int d : {qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b)}) {
                sumSquares += d * d;
                worst = std::max(worst, std::abs(d));
            }
        }
    const double psnr = 10 * std::log10(255.0 * 255.0 / (sumSquares / (229.0 * 312 * 3)));
    EXPECT_GT(psnr, 34.0);
    EXPECT_LT(worst, 80);
}

TEST(ExportJpeg, PictureIsCopiedWhenMadeAndEncodedTheSameForAnyPixelFormat)
{
    QImage bitmap = snapshotLike();
    const std::unique_ptr<JpegPicture> picture = JpegFromPicture(bitmap, 80);
    const QByteArray before = picture->encoded();
    bitmap.fill(Qt::black);
    EXPECT_EQ(picture->encoded(), before) << "later changes to the bitmap do not reach the picture";
    EXPECT_EQ(encodeJpeg(snapshotLike().convertToFormat(QImage::Format_RGB32), 80), before);
    EXPECT_NE(encodeJpeg(snapshotLike(), 50), before);
}

TEST(ExportJpeg, LibjpegFailuresBecomeErrorsInsteadOfEndingTheProcess)
{
    // An empty picture and one wider than JPEG allows are refused by libjpeg itself.
    for (const QSize size : {QSize(0, 0), QSize(65501, 1)}) {
        QImage image(size, QImage::Format_RGB888);
        if (!image.isNull())
            image.fill(Qt::red);
        const QString error = errorOf([&] { encodeJpeg(image, 80); });
        EXPECT_TRUE(error.startsWith(QStringLiteral("JPEG error #"))) << error.toStdString();
        EXPECT_GT(error.mid(12).toInt(), 0) << error.toStdString();
    }
}

struct BmpCase
{
    const char *name;
    QSize size;
    int fileSize;
};

void PrintTo(const BmpCase &row, std::ostream *out)
{
    *out << row.name;
}

class ExportBmp : public testing::TestWithParam<BmpCase>
{};

TEST_P(ExportBmp, IsA24BitBottomUpWindowsBitmapWithPaddedRows)
{
    const BmpCase &row = GetParam();
    QImage image(row.size, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x & 0xff, y & 0xff, 0x40 | (y >> 8)));
    const QByteArray bmp = encodeBmp(image);

    ASSERT_EQ(bmp.size(), row.fileSize);
    const auto *b = reinterpret_cast<const uchar *>(bmp.constData());
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 2), quint32(row.fileSize));
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 10), 54u) << "no colour table";
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 14), 40u);
    EXPECT_EQ(qFromLittleEndian<qint32>(b + 18), row.size.width());
    EXPECT_EQ(qFromLittleEndian<qint32>(b + 22), row.size.height()) << "positive: bottom-up";
    EXPECT_EQ(qFromLittleEndian<quint16>(b + 26), 1);
    EXPECT_EQ(qFromLittleEndian<quint16>(b + 28), 24);
    EXPECT_EQ(qFromLittleEndian<quint32>(b + 30), 0u) << "uncompressed";
    // The first stored pixel is the bottom-left one, blue first.
    const QRgb bottomLeft = image.pixel(0, image.height() - 1);
    EXPECT_EQ(b[54], qBlue(bottomLeft));
    EXPECT_EQ(b[55], qGreen(bottomLeft));
    EXPECT_EQ(b[56], qRed(bottomLeft));

    const QImage readBack = QImage::fromData(bmp, "BMP");
    const QString difference = compareImages(readBack, image);
    EXPECT_TRUE(difference.isEmpty()) << difference.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Export, ExportBmp,
                         testing::Values(BmpCase{"Snapshot", {229, 312}, 214710}, BmpCase{"OnePixel", {1, 1}, 58},
                                         BmpCase{"RowsAlreadyAligned", {4, 2}, 78},
                                         BmpCase{"TwoBytesOfPadding", {2, 3}, 54 + 3 * 8}),
                         [](const testing::TestParamInfo<BmpCase> &info) { return std::string(info.param.name); });

TEST(SafeFileWrite, CreatesAndReplacesFilesWithExactlyTheBytesGiven)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("foto.jpg"));
    writeFileSafely(path, QByteArray("first"));
    EXPECT_EQ(readAll(path), QByteArray("first"));
    writeFileSafely(path, QByteArray("second, longer"));
    EXPECT_EQ(readAll(path), QByteArray("second, longer"));
    writeFileSafely(path, QByteArray("3"));
    EXPECT_EQ(readAll(path), QByteArray("3")) << "a shorter write leaves no tail";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("foto.jpg")});
    // An export is an ordinary file of the user's, not a private one.
    EXPECT_TRUE(QFile(path).permissions().testFlag(QFileDevice::ReadGroup));
}

TEST(SafeFileWrite, FolderThatCannotTakeTheFileGivesTheErrorWithTheSystemsReason)
{
    TempFolder folder;
    folder.writeFile(QStringLiteral("plain.txt"), "not a folder");
    const QString missing = folder.file(QStringLiteral("missing/foto.jpg"));
    const QString underFile = folder.file(QStringLiteral("plain.txt/foto.jpg"));

    EXPECT_EQ(errorOf([&] { writeFileSafely(missing, "x"); }),
              QStringLiteral("Cannot create file \"%1\". No such file or directory").arg(missing));
    EXPECT_EQ(errorOf([&] { writeFileSafely(underFile, "x"); }),
              QStringLiteral("Cannot create file \"%1\". Not a directory").arg(underFile));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("plain.txt")});
}

TEST(SafeFileWrite, WriteThatFailsHalfwayKeepsTheOldFileAndLeavesNoPartialOne)
{
    TempFolder folder;
    const QString path = folder.writeFile(QStringLiteral("foto.bmp"), "the old picture");

    // A file-size limit makes the write fail after the first bytes, as a full disk would.
    QString error;
    {
        const FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.active());
        error = errorOf([&] { saveBmpFile(snapshotLike(), path); });
    }

    EXPECT_EQ(error,
              QStringLiteral("Cannot create file \"%1\". %2").arg(path, QString::fromLocal8Bit(std::strerror(EFBIG))));
    EXPECT_EQ(readAll(path), QByteArray("the old picture"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("foto.bmp")});
}

} // namespace
