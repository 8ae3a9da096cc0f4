#pragma once

#include <QByteArray>
#include <QImage>

#include <functional>

namespace Magick {
class Image;
}

// Small pictures for decoder tests, encoded by ImageMagick (a writer independent of the
// readers under test, which force their coders by extension).
namespace PictureFixtures {

// 7 x 5: a beige ground with a red top-left, a blue bottom-right and a green (3, 2) pixel.
QImage marked();

// Encodes `picture` with ImageMagick's coder `coder`; `adjust` may set type, depth,
// compression or colour space first.
QByteArray encode(const QImage &picture, const char *coder, const std::function<void(Magick::Image &)> &adjust = {});

// A picture of two flat halves (red left, blue right), good for lossy codecs.
QImage halves(int width, int height);

} // namespace PictureFixtures
