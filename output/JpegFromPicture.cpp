#include "output/JpegFromPicture.h"

#include "output/SafeFile.h"
#include "platform/PlatformError.h"

#include <csetjmp>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code;
};

// libjpeg's own handler ends the process; ours returns to compressRgb with the code.
[[noreturn]] void errorExit(j_common_ptr cinfo)
{
    auto *manager = reinterpret_cast<ErrorManager *>(cinfo->err);
    manager->code = manager->pub.msg_code;
    std::longjmp(manager->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

// The only place that jumps: no C++ object lives in this frame. Returns 0, or libjpeg's
// message code; *out holds a malloc'ed buffer in either case (or nullptr).
int compressRgb(const unsigned char *rgb, int width, int height, qsizetype stride, int quality, unsigned char **out,
                unsigned long *outSize)
{
    jpeg_compress_struct cinfo;
    ErrorManager manager;
    cinfo.err = jpeg_std_error(&manager.pub);
    manager.pub.error_exit = errorExit;
    manager.pub.output_message = ignoreMessage;
    manager.code = 0;
    if (setjmp(manager.jump)) {
        jpeg_destroy_compress(&cinfo);
        return manager.code != 0 ? manager.code : -1;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + static_cast<qsizetype>(cinfo.next_scanline) * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return 0;
}

} // namespace

QByteArray encodeJpeg(const QImage &image, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    const int code =
        compressRgb(rgb.constBits(), rgb.width(), rgb.height(), rgb.bytesPerLine(), quality, &buffer, &size);
    QByteArray encoded;
    if (code == 0 && buffer != nullptr)
        encoded = QByteArray(reinterpret_cast<const char *>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    if (code != 0)
        throw PlatformError(QStringLiteral("JPEG error #%1").arg(code));
    return encoded;
}

JpegPicture::JpegPicture(const QImage &bitmap, int quality) : m_bitmap(bitmap), m_quality(quality) {}

QByteArray JpegPicture::encoded() const
{
    return encodeJpeg(m_bitmap, m_quality);
}

void JpegPicture::saveToFile(const QString &path) const
{
    writeFileSafely(path, encoded());
}

std::unique_ptr<JpegPicture> JpegFromPicture(const QImage &bitmap, int quality)
{
    return std::make_unique<JpegPicture>(bitmap, quality);
}
