#include "HairRenderer.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

double sq(double v)
{
    return v * v;
}

QImage rasterise(const QPainterPath &path)
{
    QImage mask(Face::Width, Face::Height, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter p(&mask);
    p.fillPath(path, Qt::white);
    return mask;
}

// Chamfer distance (in pixels) from every pixel to the nearest source pixel.
std::vector<float> distanceTo(const std::vector<unsigned char> &source)
{
    const int w = Face::Width, h = Face::Height;
    constexpr float Far = 1e6f, A = 1.0f, B = 1.4142f;
    std::vector<float> d(source.size());
    for (std::size_t i = 0; i < source.size(); ++i)
        d[i] = source[i] ? 0.0f : Far;
    auto at = [&](int x, int y) -> float & { return d[static_cast<std::size_t>(y) * w + x]; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float &v = at(x, y);
            if (x > 0)
                v = std::min(v, at(x - 1, y) + A);
            if (y > 0) {
                v = std::min(v, at(x, y - 1) + A);
                if (x > 0)
                    v = std::min(v, at(x - 1, y - 1) + B);
                if (x < w - 1)
                    v = std::min(v, at(x + 1, y - 1) + B);
            }
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = w - 1; x >= 0; --x) {
            float &v = at(x, y);
            if (x < w - 1)
                v = std::min(v, at(x + 1, y) + A);
            if (y < h - 1) {
                v = std::min(v, at(x, y + 1) + A);
                if (x < w - 1)
                    v = std::min(v, at(x + 1, y + 1) + B);
                if (x > 0)
                    v = std::min(v, at(x - 1, y + 1) + B);
            }
        }
    }
    return d;
}

constexpr int LatticeSize = 64;

int clampByte(double v)
{
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

} // namespace

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QPointF normalised(QPointF v)
{
    const double len = std::hypot(v.x(), v.y());
    return len > 1e-9 ? v / len : QPointF();
}

QPainterPath smoothClosedPath(const std::vector<QPointF> &pts)
{
    // Catmull-Rom through the points, as cubic Béziers.
    QPainterPath path;
    const std::size_t n = pts.size();
    if (n < 3)
        return path;
    path.moveTo(pts[0]);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF &p0 = pts[(i + n - 1) % n], &p1 = pts[i], &p2 = pts[(i + 1) % n], &p3 = pts[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

QPainterPath smoothOpenPath(const std::vector<QPointF> &pts)
{
    QPainterPath path;
    const std::size_t n = pts.size();
    if (n < 2)
        return path;
    path.moveTo(pts[0]);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const QPointF &p0 = pts[i == 0 ? 0 : i - 1], &p1 = pts[i], &p2 = pts[i + 1], &p3 = pts[std::min(i + 2, n - 1)];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    return path;
}

HairCanvas::HairCanvas(const QPainterPath &hair, const QPainterPath &faceOpening, QColor colour, Flow flow,
                       std::uint32_t seed)
    : m_canvas(Face::Width, Face::Height, QImage::Format_ARGB32_Premultiplied), m_colour(colour),
      m_flow(std::move(flow))
{
    m_canvas.fill(Qt::transparent);
    m_painter.begin(&m_canvas);
    m_painter.setRenderHint(QPainter::Antialiasing);

    // Light catches hair as a paler, slightly cooler version of its colour.
    m_light = QColor(clampByte(colour.red() + (255 - colour.red()) * 0.55),
                     clampByte(colour.green() + (255 - colour.green()) * 0.55),
                     clampByte(colour.blue() + (255 - colour.blue()) * 0.58));

    const QImage hairMask = rasterise(hair.subtracted(faceOpening));
    const QImage outerMask = rasterise(hair);
    const QImage faceMask = rasterise(faceOpening);
    Random random(seed * 7919u + 13u);
    m_lattice.resize(LatticeSize * LatticeSize);
    for (float &v : m_lattice)
        v = static_cast<float>(random.unit());
    const std::size_t size = static_cast<std::size_t>(Face::Width) * Face::Height;
    m_inside.resize(size);
    std::vector<unsigned char> outside(size), face(size);
    for (int y = 0; y < Face::Height; ++y) {
        for (int x = 0; x < Face::Width; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * Face::Width + x;
            m_inside[i] = hairMask.constScanLine(y)[x] > 127;
            face[i] = faceMask.constScanLine(y)[x] > 127;
            outside[i] = outerMask.constScanLine(y)[x] <= 127 && !face[i];
        }
    }
    m_distOut = distanceTo(outside);
    m_distFace = distanceTo(face);
    // Light from the upper left: a band across the crown, following the head's curve, and a
    // softer one down the middle of hanging hair.
    m_sheen = [](QPointF p, double dOut, double dFace) {
        const double r = std::hypot((p.x() - Face::CentreX) / 1.05, p.y() - 128.0);
        const double crown = std::exp(-sq((r - 72.0) / 13.0)) * (1.0 - smoothstep(95, 130, p.y()));
        const double across = dOut / (dOut + dFace + 1e-6);
        const double hanging =
            0.55 * std::exp(-sq((across - 0.42) / 0.2)) * smoothstep(100, 140, p.y()) * smoothstep(2, 8, dOut);
        const double side = 1.15 - 0.5 * (p.x() / Face::Width);
        return (crown + hanging) * side;
    };
}

bool HairCanvas::inside(QPointF p) const
{
    const int x = static_cast<int>(std::floor(p.x())), y = static_cast<int>(std::floor(p.y()));
    if (x < 0 || y < 0 || x >= Face::Width || y >= Face::Height)
        return false;
    return m_inside[static_cast<std::size_t>(y) * Face::Width + x];
}

double HairCanvas::distanceOut(QPointF p) const
{
    const int x = std::clamp(static_cast<int>(p.x()), 0, Face::Width - 1);
    const int y = std::clamp(static_cast<int>(p.y()), 0, Face::Height - 1);
    return m_distOut[static_cast<std::size_t>(y) * Face::Width + x];
}

double HairCanvas::distanceFace(QPointF p) const
{
    const int x = std::clamp(static_cast<int>(p.x()), 0, Face::Width - 1);
    const int y = std::clamp(static_cast<int>(p.y()), 0, Face::Height - 1);
    return m_distFace[static_cast<std::size_t>(y) * Face::Width + x];
}

void HairCanvas::setSheen(std::function<double(QPointF, double, double)> sheen)
{
    m_sheen = std::move(sheen);
}

double HairCanvas::shade(QPointF p) const
{
    // Rounded volume: darker where the hair turns away at its outline, and in the shadow it
    // casts along the face.
    const double volume = 0.82 + 0.18 * smoothstep(0, 7, distanceOut(p));
    const double face = 0.62 + 0.38 * smoothstep(0, 8, distanceFace(p));
    return volume * face;
}

double HairCanvas::noise(QPointF p, double cell) const
{
    const double fx = p.x() / cell + 17.3, fy = p.y() / cell + 5.1;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    const double tx = smoothstep(0, 1, fx - ix), ty = smoothstep(0, 1, fy - iy);
    auto at = [&](int x, int y) {
        const int wx = ((x % LatticeSize) + LatticeSize) % LatticeSize,
                  wy = ((y % LatticeSize) + LatticeSize) % LatticeSize;
        return static_cast<double>(m_lattice[static_cast<std::size_t>(wy) * LatticeSize + wx]);
    };
    const double top = at(ix, iy) * (1 - tx) + at(ix + 1, iy) * tx;
    const double bottom = at(ix, iy + 1) * (1 - tx) + at(ix + 1, iy + 1) * tx;
    return top * (1 - ty) + bottom * ty;
}

double HairCanvas::sheen(QPointF p) const
{
    return m_sheen(p, distanceOut(p), distanceFace(p));
}

QColor HairCanvas::strandColour(QPointF p, double brightness, double highlight, double along) const
{
    const double root = 0.8 + 0.2 * smoothstep(0, 0.3, along) + 0.06 * along;
    const double k = brightness * shade(p) * root;
    const double h = std::clamp(highlight * sheen(p) * 0.6, 0.0, 0.85);
    auto channel = [&](int base, int light) { return clampByte(base * k * (1 - h) + light * h); };
    return QColor(channel(m_colour.red(), m_light.red()), channel(m_colour.green(), m_light.green()),
                  channel(m_colour.blue(), m_light.blue()));
}

void HairCanvas::paintBody(double darkness)
{
    Random random(7);
    for (int y = 0; y < Face::Height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_canvas.scanLine(y));
        for (int x = 0; x < Face::Width; ++x) {
            const QPointF p(x + 0.5, y + 0.5);
            if (!inside(p) || distanceOut(p) < 1.5 || distanceFace(p) < 1.5)
                continue;
            const double k = darkness * shade(p) * random.range(0.9, 1.1);
            line[x] = qRgba(clampByte(m_colour.red() * k), clampByte(m_colour.green() * k),
                            clampByte(m_colour.blue() * k), 255);
        }
    }
}

std::vector<QPointF> HairCanvas::trace(QPointF seed, double back, double forward, double overshoot, double curl,
                                       double curlPeriod, double phase) const
{
    auto step = [&](QPointF p, double s, double sign) {
        QPointF d = normalised(m_flow(p)) * sign;
        if (curl != 0) {
            const double a = curl * std::sin(2 * Pi * s / curlPeriod + phase);
            d = QPointF(d.x() * std::cos(a) - d.y() * std::sin(a), d.x() * std::sin(a) + d.y() * std::cos(a));
        }
        return d;
    };
    std::vector<QPointF> backward;
    QPointF p = seed;
    for (double s = 0; s < back; s += 1.0) {
        const QPointF d = step(p, -s, -1.0);
        if (d.isNull())
            break;
        const QPointF next = p + d;
        if (!inside(next))
            break;
        backward.push_back(next);
        p = next;
    }
    std::vector<QPointF> points(backward.rbegin(), backward.rend());
    points.push_back(seed);
    p = seed;
    double outsideRun = 0;
    for (double s = 0; s < forward; s += 1.0) {
        const QPointF d = step(p, s, 1.0);
        if (d.isNull())
            break;
        p += d;
        if (p.x() < -2 || p.y() < -2 || p.x() > Face::Width + 2 || p.y() > Face::Height + 2)
            break;
        if (!inside(p)) {
            outsideRun += 1.0;
            if (outsideRun > overshoot)
                break;
        } else {
            outsideRun = 0;
        }
        points.push_back(p);
    }
    return points;
}

void HairCanvas::paintStrands(const StrandLayer &layer, Random &random)
{
    m_painter.save();
    int drawn = 0;
    for (int attempt = 0; drawn < layer.count && attempt < layer.count * 40; ++attempt) {
        const QPointF seed(random.range(0, Face::Width), random.range(0, Face::Height));
        if (!inside(seed))
            continue;
        if (layer.onSheen && random.unit() > sheen(seed))
            continue;
        const double length = random.range(layer.minLength, layer.maxLength);
        const double backShare = random.range(0.15, 0.85);
        const std::vector<QPointF> points =
            trace(seed, length * backShare, length * (1 - backShare), random.range(0, layer.overshoot), layer.curl,
                  layer.curlPeriod * random.range(0.85, 1.15), random.range(0, 2 * Pi));
        ++drawn;
        if (points.size() < 4)
            continue;

        // Strands that start side by side belong to one lock and share its tone.
        const QPointF root = points.front();
        const double lock = 0.72 + 0.56 * noise(root, 5.0);
        const double broad = 0.88 + 0.24 * noise(root, 23.0);
        const double brightness = random.range(layer.shadeMin, layer.shadeMax) * lock * broad;
        const double highlight = layer.highlight * (0.3 + 1.1 * noise(root + QPointF(41, 7), 6.0));
        drawStrand(points, random.range(layer.widthMin, layer.widthMax), layer.alpha, brightness, highlight);
    }
    m_painter.restore();
}

void HairCanvas::drawStrand(const std::vector<QPointF> &points, double width, double alpha, double brightness,
                            double highlight)
{
    drawStrand(points, width, alpha, brightness, highlight, 0.0);
}

void HairCanvas::drawStrand(const std::vector<QPointF> &points, double width, double alpha, double brightness,
                            double highlight, double crest)
{
    const std::size_t n = points.size();
    if (n < 3)
        return;
    for (std::size_t i = 0; i + 1 < n; i += 3) {
        const std::size_t end = std::min(i + 3, n - 1);
        const double along = (i + 1.5) / static_cast<double>(n);
        const double taper = std::min(1.0, std::min((1.0 - along) / 0.3, along / 0.05 + 0.4));
        // Waves and curls catch the light where the strand runs across, at their crests.
        const QPointF d = normalised(points[end] - points[i]);
        const double crestHere = crest * smoothstep(110, 150, points[i].y());
        const double lit = crestHere > 0 ? highlight * (1 - crestHere + crestHere * 2.2 * std::abs(d.x())) : highlight;
        QColor c = strandColour(points[(i + end) / 2], brightness, lit, along);
        c.setAlphaF(static_cast<float>(alpha));
        m_painter.setPen(QPen(c, std::max(0.35, width * taper), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        m_painter.drawPolyline(&points[i], static_cast<int>(end - i + 1));
    }
}

void HairCanvas::paintLocks(const LockLayer &layer, Random &random)
{
    m_painter.save();
    int drawn = 0;
    for (int attempt = 0; drawn < layer.count && attempt < layer.count * 40; ++attempt) {
        const QPointF seed(random.range(0, Face::Width), random.range(0, Face::Height));
        if (!inside(seed))
            continue;
        // The guide runs from the root (where the region ends behind it) to the tip.
        const double length = random.range(layer.minLength, layer.maxLength);
        const double backShare = random.range(0.1, 0.7);
        const std::vector<QPointF> guide =
            trace(seed, length * backShare, length * (1 - backShare), random.range(0, layer.overshoot), layer.curl,
                  layer.curlPeriod * random.range(0.85, 1.15), random.range(0, 6.283));
        ++drawn;
        const std::size_t n = guide.size();
        if (n < 6)
            continue;
        std::vector<QPointF> normals(n);
        for (std::size_t k = 0; k < n; ++k) {
            const QPointF d = normalised(guide[std::min(k + 1, n - 1)] - guide[k == 0 ? 0 : k - 1]);
            normals[k] = QPointF(-d.y(), d.x());
        }
        const double width = random.range(layer.widthMin, layer.widthMax);
        const double lockShade = random.range(layer.shadeMin, layer.shadeMax);
        const double lockHighlight = layer.highlight * random.range(0.2, 1.5);
        for (int s = 0; s < layer.strands; ++s) {
            const double offset = random.range(-0.5, 0.5);
            const std::size_t first = static_cast<std::size_t>(random.range(0, 0.12) * n);
            const std::size_t last = std::max(first + 3, static_cast<std::size_t>(random.range(0.82, 1.0) * n));
            const double wobble = random.range(0, 6.283), wobbleSize = random.range(0.0, 0.5);
            std::vector<QPointF> points;
            for (std::size_t k = first; k < std::min(last, n); ++k) {
                const double t = static_cast<double>(k) / (n - 1);
                const double close = 1.0 - layer.clump * smoothstep(0.45, 1.0, t);
                const double o = offset * width * close + wobbleSize * std::sin(k * 0.3 + wobble);
                points.push_back(guide[k] + normals[k] * o);
            }
            // Lighter in the middle of a lock, darker at its sides, where the next lock lies over it.
            const double across = 0.72 + 0.28 * std::cos(offset * 3.14159);
            drawStrand(points, random.range(0.55, 1.05), layer.alpha, lockShade * across * random.range(0.92, 1.08),
                       lockHighlight * across, layer.crest);
        }
    }
    m_painter.restore();
}

void HairCanvas::paintCoils(const CoilLayer &layer, Random &random)
{
    m_painter.save();
    int drawn = 0;
    for (int attempt = 0; drawn < layer.count && attempt < layer.count * 40; ++attempt) {
        const QPointF seed(random.range(0, Face::Width), random.range(0, Face::Height));
        if (!inside(seed))
            continue;
        ++drawn;
        const double length = random.range(layer.minLength, layer.maxLength);
        const double radius = layer.radius * random.range(0.75, 1.25);
        const double pitch = layer.pitch * random.range(0.85, 1.15);
        const double phase = random.range(0, 6.283);
        const double shade = random.range(layer.shadeMin, layer.shadeMax);
        for (int s = 0; s < layer.strands; ++s) {
            const double r = radius * random.range(0.8, 1.1);
            const double lag = random.range(-0.4, 0.4);
            QPointF axis = seed;
            std::vector<QPointF> points;
            std::vector<double> front;
            for (double t = 0; t < length; t += 0.5) {
                const QPointF d = normalised(m_flow(axis));
                if (d.isNull())
                    break;
                const QPointF n(-d.y(), d.x());
                const double a = 2 * Pi * t / pitch + phase + lag;
                points.push_back(axis + n * (r * std::sin(a)) + d * (r * 0.4 * std::cos(a)));
                front.push_back(std::cos(a));
                axis += d * 0.5;
            }
            // Draw turn by turn, the turns in front lighter than those behind.
            const std::size_t n = points.size();
            for (std::size_t i = 0; i + 1 < n; i += 2) {
                const std::size_t end = std::min(i + 2, n - 1);
                const double along = static_cast<double>(i) / n;
                const double lit = 0.5 + 0.5 * front[i];
                QColor c = strandColour(points[i], shade * (0.6 + 0.55 * lit), 0.4 + 1.4 * lit * lit, along);
                c.setAlphaF(static_cast<float>(layer.alpha));
                const double taper = std::min(1.0, std::min((1.0 - along) / 0.25, along / 0.1 + 0.3));
                m_painter.setPen(QPen(c, std::max(0.4, 1.1 * taper), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                m_painter.drawPolyline(&points[i], static_cast<int>(end - i + 1));
            }
        }
    }
    m_painter.restore();
}

QImage HairCanvas::finish()
{
    m_painter.end();
    return m_canvas;
}
