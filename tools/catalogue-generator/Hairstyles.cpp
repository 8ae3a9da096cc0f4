#include "Hairstyles.h"

#include "HairRenderer.h"
#include "Keying.h"

#include <QDir>
#include <QPainter>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Cx = Face::CentreX;

// Natural hair colours. Darker ones leave the most room for the lightening tint.
const QColor Black(32, 28, 27);
const QColor DarkBrown(62, 43, 31);
const QColor Brown(96, 64, 41);
const QColor Chestnut(118, 62, 36);
const QColor Auburn(138, 60, 32);
const QColor Blonde(192, 152, 94);
const QColor Ash(166, 138, 104);
const QColor Grey(150, 147, 142);

// Outline of the part of the head that hair leaves free: forehead (or fringe), face, neck.
struct FaceCut
{
    double top = 98;     // hairline, or the fringe's lower edge, at the middle
    bool fringe = false; // a fringe hides the forehead
    bool square = false; // a straighter hairline, as short cuts show it
    double temple = 52;  // half-widths at the hairline's sides, eyes, cheeks, jaw and neck
    double eyes = 58;
    double cheek = 56;
    double jaw = 46;
    double neck = 37;
};

QPainterPath faceOpening(const FaceCut &c)
{
    const double sideDrop = c.fringe ? 6 : (c.square ? 16 : 24);
    std::vector<QPointF> right = {
        {Cx + c.temple * (c.square ? 0.7 : 0.55), c.top + (c.fringe ? 0 : (c.square ? 2 : 4))},
        {Cx + c.temple, c.top + sideDrop},
        {Cx + c.eyes, Face::EyesY},
        {Cx + c.cheek, 200},
        {Cx + c.jaw, 238},
        {Cx + c.neck, 262},
        {Cx + c.neck, 340},
    };
    std::vector<QPointF> points = {{Cx, c.top}};
    points.insert(points.end(), right.begin(), right.end());
    for (auto it = right.rbegin(); it != right.rend(); ++it)
        points.push_back({2 * Cx - it->x(), it->y()});
    return smoothClosedPath(points);
}

// A silhouette symmetric about the face's middle, given by its right half from top to bottom.
QPainterPath mirrored(const std::vector<QPointF> &rightHalf, double skew = 0)
{
    std::vector<QPointF> points = rightHalf;
    for (auto it = rightHalf.rbegin(); it != rightHalf.rend(); ++it)
        if (it->x() > Cx + 0.5)
            points.push_back({2 * Cx - it->x() + skew, it->y()});
    return smoothClosedPath(points);
}

// The outline made irregular, as curls and loose ends make it.
QPainterPath lumpy(const QPainterPath &path, double amplitude, double step, std::uint32_t seed)
{
    Random random(seed);
    std::vector<QPointF> points;
    const int n = static_cast<int>(path.length() / step);
    for (int i = 0; i < n; ++i) {
        const double t = path.percentAtLength(i * step);
        const double a = path.angleAtPercent(t) * 3.14159265 / 180.0;
        const QPointF normal(std::sin(a), std::cos(a));
        points.push_back(path.pointAtPercent(t) + normal * amplitude * random.range(-1.0, 1.0));
    }
    return smoothClosedPath(points);
}

// Hair combed from a parting over a rounded head, falling below the head's middle.
struct Parted
{
    QPointF centre{Cx, 118};
    double rx = 80, ry = 84;
    double partX = Cx;
    double hangFrom = 100, hangTo = 160; // where combing over the head turns into hanging
    double fall = 0.35;                  // how steeply hair leaves the parting
    std::function<QPointF(QPointF, double side)> hang = [](QPointF, double side) { return QPointF(0.08 * side, 1); };

    QPointF operator()(QPointF p) const
    {
        const double side = p.x() >= partX ? 1.0 : -1.0;
        const double qx = (p.x() - centre.x()) / rx, qy = (p.y() - centre.y()) / ry;
        QPointF over = normalised(normalised(QPointF(-qy * rx, qx * ry) * side) + QPointF(0, fall));
        if (over.isNull())
            over = QPointF(side, 0);
        const double w = smoothstep(hangFrom, hangTo, p.y());
        return normalised(over * (1 - w) + normalised(hang(p, side)) * w);
    }
};

// Hair falling from a point above the head, as a fringe does, hanging below the head's middle.
struct FromCrown
{
    QPointF crown{Cx, 8};
    double hangFrom = 130, hangTo = 190;
    std::function<QPointF(QPointF, double side)> hang = [](QPointF, double side) { return QPointF(0.05 * side, 1); };

    QPointF operator()(QPointF p) const
    {
        const double side = p.x() >= Cx ? 1.0 : -1.0;
        const QPointF down = normalised(p - crown);
        const double w = smoothstep(hangFrom, hangTo, p.y());
        return normalised(down * (1 - w) + normalised(hang(p, side)) * w);
    }
};

struct Texture
{
    double density = 1.0; // strands per pixel of hair, roughly, for the main layer
    double minLength = 25;
    double maxLength = 110;
    double curl = 0;
    double curlPeriod = 18;
    double overshoot = 5;
    double highlight = 1.0;
    int flyaways = 25;
    double lockWidth = 6;
    double clump = 0.85;
    double crest = 0;
    double contrast = 1; // spread of tone between locks; grey hair shows little
};

int hairArea(const HairCanvas &canvas)
{
    int area = 0;
    for (int y = 0; y < Face::Height; y += 2)
        for (int x = 0; x < Face::Width; x += 2)
            area += canvas.inside(QPointF(x + 0.5, y + 0.5)) ? 4 : 0;
    return area;
}

void paintHair(HairCanvas &canvas, const Texture &t, std::uint32_t seed)
{
    Random random(seed);
    const int area = hairArea(canvas);
    const double lengthFactor = 60.0 / ((t.minLength + t.maxLength) / 2);
    auto count = [&](double perPixel) { return static_cast<int>(area * perPixel * t.density * lengthFactor); };
    canvas.paintBody(0.5);

    StrandLayer under;
    under.count = count(0.08);
    under.minLength = t.minLength;
    under.maxLength = t.maxLength;
    under.widthMin = 1.0;
    under.widthMax = 1.7;
    under.shadeMin = 0.5;
    under.shadeMax = 0.8;
    under.alpha = 0.9;
    under.overshoot = t.overshoot * 0.6;
    under.curl = t.curl;
    under.curlPeriod = t.curlPeriod;
    under.highlight = 0.4 * t.highlight;
    canvas.paintStrands(under, random);

    LockLayer locks;
    const double meanLength = (t.minLength + t.maxLength) / 2;
    locks.minLength = t.minLength;
    locks.maxLength = t.maxLength;
    locks.widthMin = t.lockWidth * 0.7;
    locks.widthMax = t.lockWidth * 1.3;
    locks.count = static_cast<int>(2.6 * area * t.density / (t.lockWidth * meanLength * 0.75));
    locks.strands = std::max(5, static_cast<int>(t.lockWidth * 1.6));
    locks.clump = t.clump;
    locks.overshoot = t.overshoot;
    locks.curl = t.curl;
    locks.curlPeriod = t.curlPeriod;
    locks.highlight = t.highlight;
    locks.crest = t.crest;
    locks.shadeMin = 0.95 - 0.2 * t.contrast;
    locks.shadeMax = 0.95 + 0.2 * t.contrast;
    canvas.paintLocks(locks, random);

    StrandLayer main = under;
    main.count = count(0.06);
    main.widthMin = 0.5;
    main.widthMax = 0.9;
    main.shadeMin = 0.8;
    main.shadeMax = 1.1;
    main.alpha = 0.7;
    main.overshoot = t.overshoot;
    main.highlight = t.highlight;
    StrandLayer sheen = main;
    sheen.count = count(0.03);
    sheen.widthMin = 0.5;
    sheen.widthMax = 0.9;
    sheen.shadeMin = 1.0;
    sheen.shadeMax = 1.25;
    sheen.alpha = 0.7;
    sheen.highlight = 1.6 * t.highlight;
    sheen.onSheen = true;
    canvas.paintStrands(sheen, random);

    StrandLayer fly = main;
    fly.count = t.flyaways;
    fly.minLength = t.maxLength * 0.5;
    fly.maxLength = t.maxLength;
    fly.widthMin = 0.55;
    fly.widthMax = 0.75;
    fly.alpha = 0.95;
    fly.overshoot = 14;
    fly.curl = std::max(0.15, t.curl);
    canvas.paintStrands(fly, random);
}

QImage finishKeyed(HairCanvas &canvas)
{
    return keyOut(canvas.finish());
}

// --- Women ---------------------------------------------------------------------------------

QImage longStraight()
{
    const QPainterPath hair = mirrored({{Cx, 30},
                                        {Cx + 36, 33},
                                        {Cx + 60, 46},
                                        {Cx + 74, 72},
                                        {Cx + 80, 110},
                                        {Cx + 83, 160},
                                        {Cx + 87, 215},
                                        {Cx + 93, 262},
                                        {Cx + 91, 290},
                                        {Cx + 78, 304},
                                        {Cx + 58, 294}});
    Parted flow;
    flow.hang = [](QPointF p, double side) { return QPointF(side * 0.07 * (1 - smoothstep(200, 290, p.y())), 1); };
    HairCanvas canvas(hair, faceOpening(FaceCut{}), Chestnut, flow, 101);
    Texture t;
    t.minLength = 60;
    t.maxLength = 200;
    t.overshoot = 9;
    paintHair(canvas, t, 101);
    return finishKeyed(canvas);
}

QImage bobWithFringe()
{
    const QPainterPath hair = mirrored({{Cx, 28},
                                        {Cx + 38, 31},
                                        {Cx + 66, 46},
                                        {Cx + 84, 78},
                                        {Cx + 91, 126},
                                        {Cx + 91, 184},
                                        {Cx + 86, 230},
                                        {Cx + 72, 249},
                                        {Cx + 55, 245}});
    FaceCut cut;
    cut.top = 140;
    cut.fringe = true;
    cut.temple = 50;
    FromCrown flow;
    flow.hang = [](QPointF p, double side) { return QPointF(-side * 0.5 * smoothstep(195, 245, p.y()), 1); };
    HairCanvas canvas(hair, faceOpening(cut), Black, flow, 102);
    Texture t;
    t.minLength = 40;
    t.maxLength = 140;
    t.overshoot = 3;
    paintHair(canvas, t, 102);
    return finishKeyed(canvas);
}

QImage longWaves()
{
    const QPainterPath hair = mirrored({{Cx - 8, 25},
                                        {Cx + 34, 28},
                                        {Cx + 66, 44},
                                        {Cx + 86, 80},
                                        {Cx + 94, 130},
                                        {Cx + 99, 185},
                                        {Cx + 106, 240},
                                        {Cx + 104, 282},
                                        {Cx + 90, 302},
                                        {Cx + 66, 298},
                                        {Cx + 50, 280}});
    FaceCut cut;
    cut.temple = 50;
    Parted flow;
    flow.partX = Cx - 24;
    flow.hang = [](QPointF p, double side) {
        const double phase = 2 * 3.14159 * (p.y() - 120) / 68.0 + 0.025 * std::abs(p.x() - Cx);
        return QPointF(side * 0.1 + 0.5 * std::sin(phase) * smoothstep(130, 170, p.y()), 1);
    };
    HairCanvas canvas(hair, faceOpening(cut), Blonde, flow, 103);
    Texture t;
    t.minLength = 60;
    t.maxLength = 180;
    t.overshoot = 8;
    t.crest = 0.8;
    paintHair(canvas, t, 103);
    return finishKeyed(canvas);
}

QImage curls(QColor colour, double bottom, std::uint32_t seed)
{
    const QPainterPath hair = mirrored({{Cx, 20},
                                        {Cx + 44, 24},
                                        {Cx + 78, 46},
                                        {Cx + 97, 92},
                                        {Cx + 103, 150},
                                        {Cx + 102, bottom - 60},
                                        {Cx + 94, bottom - 15},
                                        {Cx + 74, bottom},
                                        {Cx + 50, bottom - 6}});
    FaceCut cut;
    cut.top = 106;
    cut.temple = 50;
    cut.eyes = 57;
    FromCrown flow;
    flow.crown = QPointF(Cx, 40);
    flow.hangFrom = 110;
    flow.hangTo = 170;
    HairCanvas canvas(lumpy(hair, 5, 10, seed), faceOpening(cut), colour, flow, seed);
    // The curls carry their own light; only a faint sheen over the crown.
    canvas.setSheen([](QPointF p, double, double) { return 0.35 * (1.0 - smoothstep(60, 200, p.y())); });
    Random random(seed);
    canvas.paintBody(0.45);
    int area = 0;
    for (int y = 0; y < Face::Height; y += 2)
        for (int x = 0; x < Face::Width; x += 2)
            area += canvas.inside(QPointF(x + 0.5, y + 0.5)) ? 4 : 0;
    StrandLayer under;
    under.count = area / 12;
    under.minLength = 10;
    under.maxLength = 30;
    under.widthMin = 1.0;
    under.widthMax = 1.5;
    under.shadeMin = 0.45;
    under.shadeMax = 0.7;
    under.curl = 1.4;
    under.curlPeriod = 9;
    under.highlight = 0.3;
    canvas.paintStrands(under, random);
    CoilLayer coils;
    coils.count = area / 45;
    canvas.paintCoils(coils, random);
    CoilLayer small = coils;
    small.count = area / 90;
    small.radius = 3;
    small.pitch = 4.5;
    small.minLength = 8;
    small.maxLength = 16;
    small.strands = 3;
    small.shadeMin = 0.95;
    small.shadeMax = 1.25;
    canvas.paintCoils(small, random);
    return finishKeyed(canvas);
}

QPainterPath tieAround(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QImage ponytail()
{
    // Hair combed back from the face, the tail tied low and laid over the right shoulder.
    QPainterPath hair = mirrored(
        {{Cx, 32}, {Cx + 40, 35}, {Cx + 66, 52}, {Cx + 77, 86}, {Cx + 78, 124}, {Cx + 72, 150}, {Cx + 63, 162}});
    const QPainterPath tail = smoothClosedPath({{Cx + 62, 148},
                                                {Cx + 78, 150},
                                                {Cx + 90, 176},
                                                {Cx + 96, 218},
                                                {Cx + 97, 260},
                                                {Cx + 88, 298},
                                                {Cx + 75, 304},
                                                {Cx + 67, 276},
                                                {Cx + 63, 234},
                                                {Cx + 60, 190}});
    hair = hair.united(tail);
    FaceCut cut;
    cut.top = 96;
    cut.temple = 54;
    cut.eyes = 60;
    const QPointF tie(Cx + 72, 166);
    auto flow = [tie](QPointF p) {
        if (p.y() > 160 && p.x() > Cx + 50)
            return normalised(QPointF(0.08 + 0.25 * std::sin((p.y() - 190) / 40.0), 1));
        // Away from the face and round the head, gathering towards the tie.
        const QPointF back = normalised(p - QPointF(Cx, 180));
        const QPointF toTie = normalised(tie - p) * (p.x() > Cx ? 0.5 : 0.0);
        return normalised(back + toTie);
    };
    HairCanvas canvas(hair, faceOpening(cut), Auburn, flow, 104);
    Texture t;
    t.minLength = 30;
    t.maxLength = 120;
    t.overshoot = 7;
    t.flyaways = 15;
    paintHair(canvas, t, 104);
    QPainter *p = canvas.painter();
    p->setPen(QPen(QColor(30, 28, 40), 1.0));
    p->setBrush(QColor(52, 48, 70));
    p->drawPath(tieAround(tie, 9, 4));
    return finishKeyed(canvas);
}

QImage pixie()
{
    const QPainterPath hair = mirrored({{Cx - 5, 35},
                                        {Cx + 38, 38},
                                        {Cx + 63, 56},
                                        {Cx + 74, 92},
                                        {Cx + 76, 130},
                                        {Cx + 70, 160},
                                        {Cx + 62, 176},
                                        {Cx + 57, 150}});
    // A long side-swept fringe over the left of the forehead.
    const QPainterPath opening = smoothClosedPath({{Cx + 20, 100},
                                                   {Cx + 44, 108},
                                                   {Cx + 57, 130},
                                                   {Cx + 58, Face::EyesY},
                                                   {Cx + 56, 200},
                                                   {Cx + 46, 238},
                                                   {Cx + 37, 262},
                                                   {Cx + 37, 340},
                                                   {Cx - 37, 340},
                                                   {Cx - 37, 262},
                                                   {Cx - 46, 238},
                                                   {Cx - 56, 200},
                                                   {Cx - 58, Face::EyesY},
                                                   {Cx - 54, 146},
                                                   {Cx - 30, 134},
                                                   {Cx - 4, 118}});
    Parted flow;
    flow.partX = Cx + 30;
    flow.fall = 0.6;
    flow.hangFrom = 120;
    flow.hangTo = 175;
    HairCanvas canvas(lumpy(hair, 2.0, 9, 105), opening, Ash, flow, 105);
    Texture t;
    t.minLength = 18;
    t.maxLength = 60;
    t.overshoot = 5;
    t.flyaways = 10;
    paintHair(canvas, t, 105);
    return finishKeyed(canvas);
}

// --- Men -----------------------------------------------------------------------------------

QPainterPath shortCut(double top, double sideburn)
{
    return mirrored({{Cx, top},
                     {Cx + 40, top + 3},
                     {Cx + 62, top + 18},
                     {Cx + 72, top + 46},
                     {Cx + 75, 116},
                     {Cx + 72, 142},
                     {Cx + 64, sideburn},
                     {Cx + 59, 152}});
}

FaceCut shortCutFace()
{
    FaceCut cut;
    cut.top = 102;
    cut.temple = 56;
    cut.eyes = 60;
    cut.square = true;
    return cut;
}

QImage shortSidePart(QColor colour, double partOffset, std::uint32_t seed)
{
    Parted flow;
    flow.centre = QPointF(Cx, 120);
    flow.rx = 74;
    flow.ry = 86;
    flow.partX = Cx + partOffset;
    flow.fall = 0.2;
    flow.hangFrom = 120;
    flow.hangTo = 170;
    HairCanvas canvas(shortCut(40, 170), faceOpening(shortCutFace()), colour, flow, seed);
    Texture t;
    t.minLength = 12;
    t.maxLength = 40;
    t.overshoot = 2.5;
    t.flyaways = 0;
    const bool light = colour.lightness() > 110;
    t.highlight = light ? 0.3 : 0.8;
    t.contrast = light ? 0.45 : 1.0;
    paintHair(canvas, t, seed);
    return finishKeyed(canvas);
}

QImage crewCut(QColor colour, std::uint32_t seed)
{
    // Short hair standing up from the head: strands point away from it and end in tips.
    const QPointF middle(Cx, 140);
    auto flow = [middle](QPointF p) { return normalised(p - middle) + QPointF(0, -0.2); };
    HairCanvas canvas(lumpy(shortCut(43, 164), 1.2, 5, seed), faceOpening(shortCutFace()), colour, flow, seed);
    Texture t;
    // Short bristles, each turned a little its own way.
    t.minLength = 5;
    t.maxLength = 11;
    t.overshoot = 4;
    t.density = 1.0;
    t.flyaways = 0;
    t.highlight = 0.6;
    t.lockWidth = 2.5;
    t.clump = 1.0;
    t.curl = 0.5;
    t.curlPeriod = 120;
    paintHair(canvas, t, seed);
    return finishKeyed(canvas);
}

QImage quiff()
{
    // Hair brushed up and back from the forehead into a high front, sides kept short.
    const QPainterPath hair = mirrored({{Cx + 6, 16},
                                        {Cx + 36, 20},
                                        {Cx + 58, 36},
                                        {Cx + 70, 66},
                                        {Cx + 75, 112},
                                        {Cx + 72, 142},
                                        {Cx + 64, 168},
                                        {Cx + 59, 152}},
                                       -8);
    FaceCut cut = shortCutFace();
    cut.top = 98;
    auto flow = [](QPointF p) {
        const double side = p.x() >= Cx ? 1.0 : -1.0;
        const QPointF up = normalised(QPointF(0.25 * (p.x() - Cx) / 60.0, -1));
        const QPointF down = normalised(QPointF(side * 0.35, 1));
        const double w = smoothstep(42, 62, std::abs(p.x() - Cx)) * smoothstep(70, 110, p.y());
        return normalised(up * (1 - w) + down * w);
    };
    HairCanvas canvas(hair, faceOpening(cut), Brown, flow, 203);
    Texture t;
    t.minLength = 20;
    t.maxLength = 80;
    t.overshoot = 5;
    t.flyaways = 8;
    paintHair(canvas, t, 203);
    return finishKeyed(canvas);
}

QImage mediumLength()
{
    const QPainterPath hair = mirrored({{Cx, 28},
                                        {Cx + 38, 31},
                                        {Cx + 64, 46},
                                        {Cx + 80, 80},
                                        {Cx + 86, 130},
                                        {Cx + 86, 190},
                                        {Cx + 82, 232},
                                        {Cx + 70, 246},
                                        {Cx + 56, 232}});
    FaceCut cut;
    cut.top = 102;
    cut.temple = 50;
    Parted flow;
    flow.partX = Cx + 4;
    flow.hang = [](QPointF p, double side) {
        return QPointF(side * 0.15 - side * 0.3 * smoothstep(200, 240, p.y()), 1);
    };
    HairCanvas canvas(hair, faceOpening(cut), DarkBrown, flow, 204);
    Texture t;
    t.minLength = 40;
    t.maxLength = 130;
    t.overshoot = 7;
    t.curl = 0.25;
    t.curlPeriod = 40;
    paintHair(canvas, t, 204);
    return finishKeyed(canvas);
}

// --- Children ------------------------------------------------------------------------------

QImage pageboy()
{
    const QPainterPath hair = mirrored({{Cx, 30},
                                        {Cx + 40, 33},
                                        {Cx + 66, 50},
                                        {Cx + 80, 84},
                                        {Cx + 85, 130},
                                        {Cx + 82, 178},
                                        {Cx + 70, 196},
                                        {Cx + 58, 186}});
    FaceCut cut;
    cut.top = 132;
    cut.fringe = true;
    cut.temple = 52;
    FromCrown flow;
    flow.hangFrom = 140;
    flow.hang = [](QPointF p, double side) { return QPointF(-side * 0.4 * smoothstep(160, 195, p.y()), 1); };
    HairCanvas canvas(hair, faceOpening(cut), Blonde.lighter(104), flow, 301);
    Texture t;
    t.minLength = 30;
    t.maxLength = 110;
    t.overshoot = 5;
    paintHair(canvas, t, 301);
    return finishKeyed(canvas);
}

QImage pigtails()
{
    QPainterPath hair = mirrored(
        {{Cx, 33}, {Cx + 40, 36}, {Cx + 66, 53}, {Cx + 77, 90}, {Cx + 77, 130}, {Cx + 68, 152}, {Cx + 60, 150}});
    for (double side : {-1.0, 1.0}) {
        std::vector<QPointF> bunch = {{Cx + side * 72, 130},  {Cx + side * 92, 140}, {Cx + side * 104, 180},
                                      {Cx + side * 106, 230}, {Cx + side * 96, 262}, {Cx + side * 86, 250},
                                      {Cx + side * 80, 200},  {Cx + side * 72, 160}};
        hair = hair.united(smoothClosedPath(bunch));
    }
    FaceCut cut;
    cut.top = 100;
    cut.temple = 52;
    cut.eyes = 58;
    const QPointF ties[] = {{Cx - 80, 140}, {Cx + 80, 140}};
    auto flow = [ties](QPointF p) {
        const double side = p.x() >= Cx ? 1.0 : -1.0;
        const QPointF tie = ties[side > 0 ? 1 : 0];
        if (p.y() > tie.y() + 4 && std::abs(p.x() - Cx) > 70)
            return normalised(QPointF(side * 0.35 * (1 - smoothstep(150, 240, p.y())), 1));
        // A centre parting, combed down to the ties.
        const QPointF over = normalised(QPointF(side, 0.35));
        return normalised(over + normalised(tie - p) * smoothstep(60, 130, p.y()));
    };
    HairCanvas canvas(hair, faceOpening(cut), Brown, flow, 302);
    Texture t;
    t.minLength = 30;
    t.maxLength = 110;
    t.overshoot = 7;
    t.curl = 0.2;
    t.curlPeriod = 30;
    paintHair(canvas, t, 302);
    QPainter *p = canvas.painter();
    p->setPen(QPen(QColor(120, 20, 40), 1.2));
    p->setBrush(QColor(200, 40, 70));
    for (const QPointF &tie : ties)
        p->drawEllipse(tie + QPointF(tie.x() > Cx ? 4 : -4, 2), 7, 7);
    return finishKeyed(canvas);
}

QImage fringeLong()
{
    const QPainterPath hair = mirrored({{Cx, 28},
                                        {Cx + 38, 31},
                                        {Cx + 64, 46},
                                        {Cx + 80, 78},
                                        {Cx + 86, 124},
                                        {Cx + 87, 180},
                                        {Cx + 88, 236},
                                        {Cx + 86, 272},
                                        {Cx + 72, 282},
                                        {Cx + 54, 268}});
    FaceCut cut;
    cut.top = 136;
    cut.fringe = true;
    FromCrown flow;
    flow.hang = [](QPointF p, double side) { return QPointF(side * 0.05 * (1 - smoothstep(200, 270, p.y())), 1); };
    HairCanvas canvas(hair, faceOpening(cut), DarkBrown, flow, 304);
    Texture t;
    t.minLength = 50;
    t.maxLength = 170;
    t.overshoot = 7;
    paintHair(canvas, t, 304);
    return finishKeyed(canvas);
}

} // namespace

std::vector<Hairstyle> drawHairstyles()
{
    const QString women = QStringLiteral("Dámské"), men = QStringLiteral("Pánské"), children = QStringLiteral("Dětské");
    std::vector<Hairstyle> styles;
    styles.push_back({women, QStringLiteral("Dlouhé rovné"), longStraight()});
    styles.push_back({women, QStringLiteral("Mikádo"), bobWithFringe()});
    styles.push_back({women, QStringLiteral("Vlny"), longWaves()});
    styles.push_back({women, QStringLiteral("Kudrny"), curls(DarkBrown, 262, 106)});
    styles.push_back({women, QStringLiteral("Koňský ohon"), ponytail()});
    styles.push_back({women, QStringLiteral("Sestřih"), pixie()});
    styles.push_back({men, QStringLiteral("Krátký sestřih"), shortSidePart(DarkBrown, -28, 201)});
    styles.push_back({men, QStringLiteral("Ježek"), crewCut(Black, 202)});
    styles.push_back({men, QStringLiteral("Patka"), quiff()});
    styles.push_back({men, QStringLiteral("Polodlouhé"), mediumLength()});
    styles.push_back({men, QStringLiteral("Pěšinka"), shortSidePart(Grey, 30, 205)});
    styles.push_back({children, QStringLiteral("Paž"), pageboy()});
    styles.push_back({children, QStringLiteral("Culíky"), pigtails()});
    styles.push_back({children, QStringLiteral("Ofina"), fringeLong()});
    styles.push_back({children, QStringLiteral("Kudrlinky"), curls(Auburn, 240, 305)});
    styles.push_back({children, QStringLiteral("Na ježka"), crewCut(Chestnut, 306)});
    for (Hairstyle &s : styles) {
        s.category = s.category.normalized(QString::NormalizationForm_C);
        s.name = s.name.normalized(QString::NormalizationForm_C);
    }
    return styles;
}

QImage thumbnailFor(const QImage &bitmap)
{
    // A neutral head and shoulders under the hair, so a thumbnail reads as a hairstyle.
    QImage scene(260, 312, QImage::Format_RGB32);
    scene.fill(QColor(238, 236, 233));
    const double dx = (260 - Face::Width) / 2.0;
    {
        QPainter p(&scene);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(dx, 0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(160, 166, 176));
        p.drawPath(smoothClosedPath({{Cx, 268}, {Cx + 95, 290}, {Cx + 130, 330}, {Cx - 130, 330}, {Cx - 95, 290}}));
        const QColor skin(226, 200, 180);
        p.setBrush(skin.darker(108));
        p.drawRect(QRectF(Cx - 34, 220, 68, 80));
        p.setBrush(skin);
        p.drawEllipse(QPointF(Cx, 168), 60, 100);
        p.drawEllipse(QPointF(Cx - 61, 175), 9, 18);
        p.drawEllipse(QPointF(Cx + 61, 175), 9, 18);
    }
    drawKeyed(scene, bitmap, QPoint(static_cast<int>(dx), 0));
    return scene.scaled(150, 180, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool writeCatalogue(const QString &dataFolder)
{
    QTextStream err(stderr);
    const QDir data(dataFolder);
    const QString thumbnails = QStringLiteral("Náhled").normalized(QString::NormalizationForm_C);
    for (const Hairstyle &style : drawHairstyles()) {
        const QString folder = data.filePath(style.category);
        if (!QDir().mkpath(QDir(folder).filePath(thumbnails))) {
            err << "cannot make " << folder << "\n";
            return false;
        }
        const QString bmp = QDir(folder).filePath(style.name + QStringLiteral(".bmp"));
        const QString jpg = QDir(folder).filePath(thumbnails + QLatin1Char('/') + style.name + QStringLiteral(".jpg"));
        if (!style.bitmap.save(bmp, "BMP") || !thumbnailFor(style.bitmap).save(jpg, "JPEG", 90)) {
            err << "cannot write " << bmp << " or " << jpg << "\n";
            return false;
        }
    }
    return true;
}
