#include "Portraits.h"

#include <QDir>
#include <QPainter>
#include <QTextStream>

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

} // namespace

QImage makePortrait(const QImage &source, const FaceMarks &s, QSize size, const FaceMarks &t)
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
    };
    const Job jobs[] = {
        {QStringLiteral("astronaut.png"),
         {QPointF(225.5, 102.5), 144.0, 225.5},
         QSize(228, 314),
         QStringLiteral("startup.jpg")},
        {QStringLiteral("grace_hopper.jpg"),
         {QPointF(264.0, 188.0), 276.0, 265.0},
         QSize(230, 320),
         QStringLiteral("default.jpg")},
    };
    for (const Job &job : jobs) {
        const QImage source(QDir(fixtureFolder).filePath(job.source));
        if (source.isNull()) {
            err << "cannot read " << QDir(fixtureFolder).filePath(job.source) << "\n";
            return false;
        }
        const QImage portrait = makePortrait(source, job.marks, job.size, marksFor(job.size));
        const QString path = QDir(photoFolder).filePath(job.target);
        if (!portrait.save(path, "JPEG", 90)) {
            err << "cannot write " << path << "\n";
            return false;
        }
    }
    return true;
}
