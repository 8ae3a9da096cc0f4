#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>

// JPEG encoding of a picture through libjpeg: the library's compression defaults (JFIF,
// YCbCr with 2x2 / 1x1 / 1x1 sampling, standard Huffman tables, accurate integer DCT), then
// jpeg_set_quality(quality, baseline forced). Any picture format is taken as 24-bit RGB,
// rows top to bottom. Returns exactly the encoded stream. A failure inside libjpeg becomes
// PlatformError "JPEG error #<code>"; the process never ends. Quality 1..100 (libjpeg clamps
// other values); the application always passes 80.
QByteArray encodeJpeg(const QImage &image, int quality);

// A JPEG picture made from a bitmap: holds a copy of the pixels and the quality, and
// encodes only when it is saved.
class JpegPicture
{
public:
    JpegPicture(const QImage &bitmap, int quality);

    const QImage &bitmap() const { return m_bitmap; }
    int quality() const { return m_quality; }

    // The encoded stream, nothing before or after it.
    QByteArray encoded() const;
    // Writes the encoded stream to path, replacing the file only once it is complete
    // (see writeFileSafely). Throws PlatformError.
    void saveToFile(const QString &path) const;

private:
    QImage m_bitmap;
    int m_quality;
};

// A new JPEG picture of bitmap, to be encoded at quality when saved; the caller owns it.
std::unique_ptr<JpegPicture> JpegFromPicture(const QImage &bitmap, int quality);
