#include "colour/HsvBoxPicture.h"

#include <QColor>

namespace {

void putPixel(QImage &picture, int x, int y, const RgbBytes &colour)
{
    uchar *pixel = picture.scanLine(y) + 3 * x;
    pixel[0] = static_cast<uchar>(colour.red);
    pixel[1] = static_cast<uchar>(colour.green);
    pixel[2] = static_cast<uchar>(colour.blue);
}

void invertPixel(QImage &picture, int x, int y)
{
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height())
        return;
    uchar *pixel = picture.scanLine(y) + 3 * x;
    for (int i = 0; i < 3; ++i)
        pixel[i] = static_cast<uchar>(255 - pixel[i]);
}

// A one-pixel outline from (left, top) to (right, bottom), both corners included; each
// pixel of the outline is inverted once.
void invertOutline(QImage &picture, int left, int top, int right, int bottom)
{
    if (right < left || bottom < top)
        return;
    for (int x = left; x <= right; ++x) {
        invertPixel(picture, x, top);
        if (bottom != top)
            invertPixel(picture, x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        invertPixel(picture, left, y);
        if (right != left)
            invertPixel(picture, right, y);
    }
}

} // namespace

QImage hsvBoxBackground(const HsvBoxModel &model)
{
    const int width = model.width();
    const int height = model.height();
    if (width <= 0 || height <= 0)
        return {};
    QImage picture(width, height, QImage::Format_RGB888);
    picture.fill(Qt::white); // the background, seen only in a gap between field and bar

    const int c = model.fieldWidth();
    // The box keeps these factors in single precision; the products are exact in double.
    const double satFactor = c > 0 ? static_cast<double>(static_cast<float>(100.0 / c)) : 0.0;
    const double valFactor = static_cast<double>(static_cast<float>(100.0 / height));
    const double hueFactor = static_cast<double>(static_cast<float>(360.0 / height));

    for (int y = 0; y < height; ++y) {
        const int fromBottom = height - 1 - y;
        const int val = static_cast<int>(fromBottom * valFactor);
        for (int x = 0; x < c; ++x)
            putPixel(picture, x, y, hsvToRgb(model.hue(), static_cast<int>(x * satFactor), val));
        const RgbBytes hue = hsvToRgb(static_cast<int>(fromBottom * hueFactor), 99, 99);
        for (int x = model.barLeft(); x < width; ++x)
            putPixel(picture, x, y, hue);
    }
    return picture;
}

void invertHsvBoxMarkers(QImage &picture, const HsvBoxModel &model)
{
    const int m = model.hueMarkerY();
    invertOutline(picture, model.barLeft(), m - 2, model.width() - 1, m + 2);
    const QPoint centre = model.fieldMarker();
    invertOutline(picture, centre.x() - 3, centre.y() - 3, centre.x() + 3, centre.y() + 3);
}

QImage hsvBoxPicture(const HsvBoxModel &model)
{
    QImage picture = hsvBoxBackground(model);
    invertHsvBoxMarkers(picture, model);
    return picture;
}
