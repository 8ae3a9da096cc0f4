#include "platform/PictureLoader.h"

#include "platform/JpegDecoder.h"
#include "platform/PictureFile.h"
#include "platform/PlatformError.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <Magick++.h>

#include <mutex>

namespace PictureLoader {

namespace {

enum class Decoder { Jpeg, WindowsBitmap, Magick, None };

struct Format
{
    const char *extension;
    Decoder decoder;
    const char *coder;    // ImageMagick's coder, forced
    bool ownTransparency; // keeps an alpha channel
};

// Extensions no decoder on this system reads are still accepted and refused by the
// decoder step in its own words. "scr" must not reach ImageMagick's SCR coder, which reads
// a different format of the same extension.
constexpr Format Formats[] = {
    {"png", Decoder::Magick, "PNG", false},     {"psp", Decoder::None, "PSP", false},
    {"cut", Decoder::Magick, "CUT", false},     {"pcd", Decoder::Magick, "PCD", false},
    {"pic", Decoder::None, "PIC", false},       {"cel", Decoder::None, "CEL", false},
    {"pbm", Decoder::Magick, "PBM", false},     {"pgm", Decoder::Magick, "PGM", false},
    {"ppm", Decoder::Magick, "PPM", false},     {"pdd", Decoder::Magick, "PSD", false},
    {"psd", Decoder::Magick, "PSD", false},     {"bw", Decoder::Magick, "SGI", false},
    {"rgb", Decoder::Magick, "SGI", false},     {"rgba", Decoder::Magick, "SGI", false},
    {"sgi", Decoder::Magick, "SGI", false},     {"rla", Decoder::Magick, "RLA", false},
    {"rpf", Decoder::None, "RPF", false},       {"scr", Decoder::None, "SCR", false},
    {"pcc", Decoder::Magick, "PCX", false},     {"pcx", Decoder::Magick, "PCX", false},
    {"eps", Decoder::Magick, "EPS", false},     {"fax", Decoder::Magick, "FAX", false},
    {"tif", Decoder::Magick, "TIFF", false},    {"tiff", Decoder::Magick, "TIFF", false},
    {"icb", Decoder::Magick, "TGA", false},     {"tga", Decoder::Magick, "TGA", false},
    {"vda", Decoder::Magick, "TGA", false},     {"vst", Decoder::Magick, "TGA", false},
    {"win", Decoder::Magick, "TGA", false},     {"dib", Decoder::WindowsBitmap, "", false},
    {"rle", Decoder::WindowsBitmap, "", false}, {"jpeg", Decoder::Jpeg, "", false},
    {"jpe", Decoder::Jpeg, "", false},          {"jpg", Decoder::Jpeg, "", false},
    {"jfif", Decoder::Jpeg, "", false},         {"emf", Decoder::None, "EMF", true},
    {"wmf", Decoder::Magick, "WMF", true},      {"ico", Decoder::Magick, "ICO", true},
    {"bmp", Decoder::WindowsBitmap, "", false}, {"gif", Decoder::Magick, "GIF", true},
};

const Format *findFormat(const QString &extension)
{
    const QByteArray key = extension.toLatin1();
    for (const Format &format : Formats) {
        if (key == format.extension)
            return &format;
    }
    return nullptr;
}

[[noreturn]] void invalidBitmap()
{
    throw PlatformError(QStringLiteral("Bitmap image is not valid"));
}

// Windows bitmap: the header is read here, so the size limit holds before Qt's reader
// allocates anything, and so the source bit depth decides the pixel format.
QImage loadWindowsBitmap(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    if (data.size() < 14 + 12 || bytes[0] != 'B' || bytes[1] != 'M')
        invalidBitmap();
    const quint32 headerSize = qFromLittleEndian<quint32>(bytes + 14);
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    if (headerSize == 12) {
        width = qFromLittleEndian<quint16>(bytes + 18);
        height = qFromLittleEndian<quint16>(bytes + 20);
        bitCount = qFromLittleEndian<quint16>(bytes + 24);
    } else if (headerSize >= 40 && data.size() >= 14 + 40) {
        width = qFromLittleEndian<qint32>(bytes + 18);
        height = qFromLittleEndian<qint32>(bytes + 22);
        bitCount = qFromLittleEndian<quint16>(bytes + 28);
    } else {
        invalidBitmap();
    }
    if (width <= 0 || height == 0)
        invalidBitmap();
    PictureFile::checkSize(width, height < 0 ? -height : height);

    // Qt's own allocation limit must not be lower than ours.
    constexpr int NeededMegabytes = static_cast<int>((PictureFile::MaxPixels * 4) >> 20) + 1;
    if (QImageReader::allocationLimit() < NeededMegabytes)
        QImageReader::setAllocationLimit(NeededMegabytes);
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image = reader.read();
    if (image.isNull())
        invalidBitmap();
    switch (bitCount) {
    case 1:
        return image.format() == QImage::Format_Mono ? image : image.convertToFormat(QImage::Format_Mono);
    case 4:
    case 8:
        return image.format() == QImage::Format_Indexed8 ? image : image.convertToFormat(QImage::Format_Indexed8);
    case 24:
        return image.convertToFormat(QImage::Format_RGB888);
    default:
        return image;
    }
}

void setUpMagick()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Magick::InitializeMagick(nullptr);
        // At or below the system policy's limits; the policy can only lower them further.
        Magick::ResourceLimits::width(16000);
        Magick::ResourceLimits::height(16000);
        Magick::ResourceLimits::area(static_cast<MagickCore::MagickSizeType>(PictureFile::MaxPixels));
        Magick::ResourceLimits::memory(MagickCore::MagickSizeType(256) << 20);
        Magick::ResourceLimits::map(MagickCore::MagickSizeType(512) << 20);
        Magick::ResourceLimits::disk(MagickCore::MagickSizeType(1) << 30);
        // The program has one thread; the decoder does not need more.
        Magick::ResourceLimits::thread(1);
    });
}

// ImageMagick's message without the program name in front and the source location after.
QString magickMessage(const Magick::Exception &error)
{
    QString text = QString::fromLocal8Bit(error.what());
    const int located = text.indexOf(QLatin1String(" @ "));
    if (located >= 0)
        text.truncate(located);
    if (text.endsWith(QLatin1String(" `'")))
        text.chop(3);
    const int colon = text.indexOf(QLatin1String(": "));
    if (colon >= 0 && !text.left(colon).contains(QLatin1Char(' ')))
        text.remove(0, colon + 2);
    return text.trimmed();
}

[[noreturn]] void unrecognised(const Format &format)
{
    throw PlatformError(QStringLiteral("Unrecognized image format (%1)").arg(QLatin1String(format.coder)));
}

QImage loadWithMagick(const QByteArray &data, const Format &format)
{
    setUpMagick();
    const Magick::Blob blob(data.constData(), static_cast<size_t>(data.size()));
    try {
        Magick::Image probe;
        probe.quiet(true);
        probe.subRange(1); // with one scene asked for, a ping stops after the header
        probe.magick(format.coder);
        probe.ping(blob);
        PictureFile::checkSize(static_cast<qint64>(probe.columns()), static_cast<qint64>(probe.rows()));

        Magick::Image image;
        image.quiet(true);
        image.subRange(1); // only the first picture of an animation or a multi-page file
        image.magick(format.coder);
        image.read(blob);
        const int width = static_cast<int>(image.columns());
        const int height = static_cast<int>(image.rows());
        PictureFile::checkSize(width, height);
        const bool alpha = format.ownTransparency && image.matte();
        QImage picture(width, height, alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
        if (picture.isNull())
            throw PlatformError(QStringLiteral("Out of memory"));
        // Row by row: QImage rows are padded to four bytes.
        for (int y = 0; y < height; ++y)
            image.write(0, y, static_cast<size_t>(width), 1, alpha ? "RGBA" : "RGB", Magick::CharPixel,
                        picture.scanLine(y));
        return alpha ? picture.convertToFormat(QImage::Format_ARGB32) : picture;
    } catch (const Magick::Exception &error) {
        throw PlatformError(magickMessage(error));
    }
}

QImage decode(const QByteArray &data, const Format &format)
{
    switch (format.decoder) {
    case Decoder::Jpeg:
        return JpegDecoder::decode(data);
    case Decoder::WindowsBitmap:
        return loadWindowsBitmap(data);
    case Decoder::Magick:
        return loadWithMagick(data, format);
    case Decoder::None:
        break;
    }
    unrecognised(format);
}

const Format &formatOf(const QString &extension)
{
    const QString lower = extension.toLower();
    const Format *format = findFormat(lower);
    if (!format)
        throw PlatformError(QStringLiteral("Unknown picture file extension (.%1)").arg(lower));
    return *format;
}

} // namespace

const QStringList &extensions()
{
    static const QStringList list = [] {
        QStringList result;
        for (const Format &format : Formats)
            result.append(QLatin1String(format.extension));
        return result;
    }();
    return list;
}

QImage loadFile(const QString &path)
{
    const Format &format = formatOf(QFileInfo(path).suffix());
    return decode(PictureFile::read(path), format);
}

QImage loadData(const QByteArray &data, const QString &extension)
{
    return decode(data, formatOf(extension));
}

} // namespace PictureLoader
