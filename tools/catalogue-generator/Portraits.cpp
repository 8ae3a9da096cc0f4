#include "Portraits.h"

#include <QDir>
#include <QPainter>
#include <QTextStream>

#include "Random.h"

#include <algorithm>
#include <cmath>

namespace {

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

// 1 inside the ellipse, fading to 0 over the outer part of its radius.
double softEllipse(QPointF p, QPointF centre, double rx, double ry, double softness)
{
    const double dx = (p.x() - centre.x()) / rx;
    const double dy = (p.y() - centre.y()) / ry;
    const double r = std::sqrt(dx * dx + dy * dy);
    return 1.0 - smoothstep(1.0 - softness, 1.0, r);
}

// The program shows both portraits in the photo layer at 17, 9, 228 x 312; the guide lines
// cross it at y 160 (eyes) and 218 (mouth) and x 115 (nose), in layer pixels.
FaceMarks marksFor(QSize size)
{
    const double sx = size.width() / 228.0;
    const double sy = size.height() / 312.0;
    return {QPointF(115.5 * sx, 160.5 * sy), 218.5 * sy, 115.5 * sx};
}

int luma(QRgb c)
{
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// Takes off a dark hat that sits down to the eyebrows: the forehead below its brim is carried
// up under it, and the crown above gets the same skin tone (hairstyles cover it). Outside the
// skull the hat gives way to the white backdrop.
void removeHat(QImage &photo, const FaceMarks &t)
{
    const double d = t.mouthY - t.eyes.y();
    const int left = std::max(0, static_cast<int>(t.noseX - 1.25 * d));
    const int right = std::min(photo.width() - 1, static_cast<int>(t.noseX + 1.25 * d));
    const int searchFrom = static_cast<int>(t.eyes.y() - 0.25 * d);
    const int searchTo = static_cast<int>(t.eyes.y() - 1.2 * d);

    // The brim's lower edge in each column, smoothed across neighbours.
    std::vector<double> edge(photo.width(), -1);
    for (int x = left; x <= right; ++x) {
        for (int y = searchFrom; y >= std::max(0, searchTo); --y) {
            if (luma(photo.pixel(x, y)) < 70) {
                edge[x] = y;
                break;
            }
        }
    }
    std::vector<double> smooth(photo.width(), -1);
    for (int x = left; x <= right; ++x) {
        double sum = 0;
        int n = 0;
        for (int k = -3; k <= 3; ++k)
            if (x + k >= left && x + k <= right && edge[x + k] >= 0) {
                sum += edge[x + k];
                ++n;
            }
        smooth[x] = n > 0 ? sum / n : -1;
    }
    // Columns beside the head take the edge of the nearest column that has one.
    int firstValid = -1, lastValid = -1;
    for (int x = 0; x < photo.width(); ++x)
        if (smooth[x] >= 0) {
            lastValid = x;
            if (firstValid < 0)
                firstValid = x;
        }
    if (firstValid < 0)
        return;
    for (int x = 0; x < photo.width(); ++x)
        if (smooth[x] < 0)
            smooth[x] = x < firstValid ? smooth[firstValid] : smooth[lastValid];

    // Forehead colour per column, below the brim and its shadow, smoothed widely so no
    // column shows as a streak.
    const QImage original = photo.copy();
    std::vector<QColor> skin(photo.width());
    for (int x = 0; x < photo.width(); ++x) {
        double r = 0, g = 0, b = 0;
        int n = 0;
        for (int k = -10; k <= 10; ++k) {
            const int sx = std::clamp(x + k, firstValid, lastValid);
            const int e = static_cast<int>(std::lround(smooth[sx]));
            for (int y = e + 6; y <= std::min(e + 10, searchFrom); ++y) {
                const QRgb c = original.pixel(sx, y);
                r += qRed(c);
                g += qGreen(c);
                b += qBlue(c);
                ++n;
            }
        }
        skin[x] = n > 0 ? QColor(static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n))
                        : QColor(225, 190, 170);
    }

    const QPointF skull(t.noseX, t.eyes.y() + 0.1 * d);
    Random grain(11);
    for (int x = 0; x < photo.width(); ++x) {
        const int e = static_cast<int>(std::lround(smooth[x]));
        for (int y = 0; y <= std::min(e + 9, photo.height() - 1); ++y) {
            const double dx = (x + 0.5 - skull.x()) / (1.22 * d), dy = (y + 0.5 - skull.y()) / (1.85 * d);
            const double inSkull = 1.0 - smoothstep(0.92, 1.0, std::sqrt(dx * dx + dy * dy));
            // A little grain, as the photograph has, so the new forehead does not look painted.
            const double darker = (1.0 - 0.1 * std::clamp((e - y) / d, 0.0, 1.0)) * grain.range(0.975, 1.025);
            const QColor c = skin[x];
            const double sr = 255 + (c.red() * darker - 255) * inSkull;
            const double sg = 255 + (c.green() * darker - 255) * inSkull;
            const double sb = 255 + (c.blue() * darker - 255) * inSkull;
            // The brim's edge and shadow go entirely; the forehead takes over below them.
            const double keep = smoothstep(e + 3.0, e + 9.0, y);
            const QRgb o = original.pixel(x, y);
            photo.setPixel(x, y,
                           qRgb(static_cast<int>(sr + (qRed(o) - sr) * keep),
                                static_cast<int>(sg + (qGreen(o) - sg) * keep),
                                static_cast<int>(sb + (qBlue(o) - sb) * keep)));
        }
    }
}

} // namespace

QImage makePortrait(const QImage &source, const FaceMarks &s, QSize size, const FaceMarks &t, bool withoutHat)
{
    const double scale = (t.mouthY - t.eyes.y()) / (s.mouthY - s.eyes.y());
    QImage photo(size, QImage::Format_RGB32);
    photo.fill(Qt::white);
    {
        QPainter p(&photo);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.translate(t.noseX - scale * s.noseX, t.eyes.y() - scale * s.eyes.y());
        p.scale(scale, scale);
        p.drawImage(0, 0, source);
    }
    if (withoutHat)
        removeHat(photo, t);

    // Head and shoulders stay; the backdrop around them fades to white.
    const double d = t.mouthY - t.eyes.y();
    const QPointF head(t.noseX, t.eyes.y() - 0.25 * d);
    const QPointF shoulders(t.noseX, size.height() + 1.2 * d);
    QImage out(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            const double keep = std::max(softEllipse(p, head, 1.5 * d, 2.15 * d, 0.22),
                                         softEllipse(p, shoulders, 3.4 * d, 2.9 * d, 0.16));
            const QRgb c = photo.pixel(x, y);
            auto mix = [keep](int v) { return static_cast<int>(std::lround(255 + (v - 255) * keep)); };
            out.setPixel(x, y, qRgb(mix(qRed(c)), mix(qGreen(c)), mix(qBlue(c))));
        }
    }
    return out;
}

bool writePortraits(const QString &fixtureFolder, const QString &photoFolder)
{
    QDir().mkpath(photoFolder);
    QTextStream err(stderr);

    // Face marks measured on the fixtures (pixel centres of pupils, lip line, nose ridge).
    struct Job
    {
        QString source;
        FaceMarks marks;
        QSize size;
        QString target;
        bool withoutHat;
    };
    const Job jobs[] = {
        {QStringLiteral("astronaut.png"),
         {QPointF(225.5, 102.5), 144.0, 225.5},
         QSize(228, 314),
         QStringLiteral("startup.jpg"),
         false},
        {QStringLiteral("grace_hopper.jpg"),
         {QPointF(264.0, 188.0), 276.0, 265.0},
         QSize(230, 320),
         QStringLiteral("default.jpg"),
         true},
    };
    for (const Job &job : jobs) {
        const QImage source(QDir(fixtureFolder).filePath(job.source));
        if (source.isNull()) {
            err << "cannot read " << QDir(fixtureFolder).filePath(job.source) << "\n";
            return false;
        }
        const QImage portrait = makePortrait(source, job.marks, job.size, marksFor(job.size), job.withoutHat);
        const QString path = QDir(photoFolder).filePath(job.target);
        if (!portrait.save(path, "JPEG", 90)) {
            err << "cannot write " << path << "\n";
            return false;
        }
    }
    return true;
}
