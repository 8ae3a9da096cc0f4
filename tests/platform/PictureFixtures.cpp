#include "tests/platform/PictureFixtures.h"

#include <Magick++.h>

#include <string>

namespace PictureFixtures {

QImage marked()
{
    QImage image(7, 5, QImage::Format_RGB888);
    image.fill(QColor(200, 180, 160));
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(6, 4, qRgb(0, 0, 255));
    image.setPixel(3, 2, qRgb(0, 255, 0));
    return image;
}

QImage halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}

QByteArray encode(const QImage &picture, const char *coder, const std::function<void(Magick::Image &)> &adjust)
{
    static const bool initialised = [] {
        Magick::InitializeMagick(nullptr);
        return true;
    }();
    Q_UNUSED(initialised);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    std::string pixels;
    for (int y = 0; y < rgb.height(); ++y)
        pixels.append(reinterpret_cast<const char *>(rgb.constScanLine(y)), static_cast<size_t>(rgb.width()) * 3);
    Magick::Image image(static_cast<size_t>(rgb.width()), static_cast<size_t>(rgb.height()), "RGB", Magick::CharPixel,
                        pixels.data());
    if (adjust)
        adjust(image);
    image.magick(coder);
    Magick::Blob blob;
    image.write(&blob);
    return QByteArray(static_cast<const char *>(blob.data()), static_cast<qsizetype>(blob.length()));
}

} // namespace PictureFixtures
