#include "platform/JpegDecoder.h"

#include "platform/PlatformError.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include <jerror.h>
#include <jpeglib.h>

namespace JpegDecoder {

namespace {

// Everything that crosses the setjmp boundary is plain data: no C++ object with a
// destructor lives in runJpeg's frame or in the libjpeg frames that longjmp skips.
struct ErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    int code;
};

enum class JobStatus { Ok, JpegError, TooLarge, NoMemory };

// Gives the decoder its output rows: a picture of width x height in 24-bit RGB. Must not
// throw; returns nullptr when the picture cannot be made.
using AllocateFn = unsigned char *(*)(void *context, int width, int height, std::ptrdiff_t *stride);

struct DecodeJob
{
    const unsigned char *data;
    unsigned long size;
    int coverWidth; // 0: full size
    int coverHeight;
    AllocateFn allocate;
    void *context;
    // results
    int code;
    long long width;
    long long height;
};

void onJpegError(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<ErrorManager *>(cinfo->err);
    err->code = cinfo->err->msg_code;
    std::longjmp(err->jump, 1);
}

void onJpegMessage(j_common_ptr cinfo, int level)
{
    // A truncated stream is padded by libjpeg with an end marker and only warned about;
    // the grey rest would pass for a picture, so it is refused like any damage.
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        onJpegError(cinfo);
}

void chooseScale(jpeg_decompress_struct *cinfo, int coverWidth, int coverHeight)
{
    cinfo->scale_denom = 8;
    for (unsigned num = 1; num <= 8; ++num) {
        cinfo->scale_num = num;
        jpeg_calc_output_dimensions(cinfo);
        if (num == 8 || (static_cast<int>(cinfo->output_width) >= coverWidth &&
                         static_cast<int>(cinfo->output_height) >= coverHeight))
            return;
    }
}

void cmykToRgb(const unsigned char *cmyk, unsigned char *rgb, unsigned width, bool inverted)
{
    for (unsigned x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const unsigned k = inverted ? cmyk[3] : 255u - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            const unsigned v = inverted ? cmyk[c] : 255u - cmyk[c];
            rgb[c] = static_cast<unsigned char>((v * k + 127) / 255);
        }
    }
}

JobStatus runJpeg(DecodeJob *job)
{
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = onJpegError;
    err.pub.emit_message = onJpegMessage;
    err.code = 0;
    if (setjmp(err.jump)) {
        job->code = err.code;
        jpeg_destroy_decompress(&cinfo);
        return JobStatus::JpegError;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, job->data, job->size);
    jpeg_read_header(&cinfo, TRUE);
    job->width = cinfo.image_width;
    job->height = cinfo.image_height;
    if (job->width * job->height > MaxPixels) {
        jpeg_destroy_decompress(&cinfo);
        return JobStatus::TooLarge;
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    if (job->coverWidth > 0 || job->coverHeight > 0)
        chooseScale(&cinfo, job->coverWidth, job->coverHeight);
    jpeg_start_decompress(&cinfo);

    std::ptrdiff_t stride = 0;
    unsigned char *pixels = job->allocate(job->context, static_cast<int>(cinfo.output_width),
                                          static_cast<int>(cinfo.output_height), &stride);
    if (!pixels) {
        jpeg_destroy_decompress(&cinfo);
        return JobStatus::NoMemory;
    }
    // CMYK rows go through a row of libjpeg's own pool, which it frees on every path.
    JSAMPARRAY cmykRow = cmyk ? (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                           cinfo.output_width * 4, 1)
                              : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        unsigned char *target = pixels + stride * static_cast<std::ptrdiff_t>(cinfo.output_scanline);
        if (cmyk) {
            jpeg_read_scanlines(&cinfo, cmykRow, 1);
            cmykToRgb(cmykRow[0], target, cinfo.output_width, cinfo.saw_Adobe_marker);
        } else {
            JSAMPROW row = target;
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return JobStatus::Ok;
}

unsigned char *allocateImage(void *context, int width, int height, std::ptrdiff_t *stride) noexcept
{
    auto *image = static_cast<QImage *>(context);
    try {
        *image = QImage(width, height, QImage::Format_RGB888);
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
    if (image->isNull())
        return nullptr;
    *stride = image->bytesPerLine();
    return image->bits();
}

QImage decodeBytes(const QByteArray &data, const QSize &cover)
{
    QImage image;
    DecodeJob job{};
    job.data = reinterpret_cast<const unsigned char *>(data.constData());
    job.size = static_cast<unsigned long>(data.size());
    job.coverWidth = cover.isValid() ? cover.width() : 0;
    job.coverHeight = cover.isValid() ? cover.height() : 0;
    job.allocate = allocateImage;
    job.context = &image;
    switch (runJpeg(&job)) {
    case JobStatus::Ok:
        return image;
    case JobStatus::JpegError:
        throw PlatformError(QStringLiteral("JPEG error #%1").arg(job.code));
    case JobStatus::TooLarge:
        PictureFile::checkSize(job.width, job.height);
        break;
    case JobStatus::NoMemory:
        break;
    }
    throw PlatformError(QStringLiteral("Out of memory"));
}

} // namespace

QImage decode(const QByteArray &data)
{
    return decodeBytes(data, QSize());
}

QImage decodeFile(const QString &path)
{
    return decodeBytes(PictureFile::read(path), QSize());
}

QImage decodeCovering(const QByteArray &data, const QSize &cover)
{
    return decodeBytes(data, cover);
}

QImage decodeFileCovering(const QString &path, const QSize &cover)
{
    return decodeBytes(PictureFile::read(path), cover);
}

} // namespace JpegDecoder
