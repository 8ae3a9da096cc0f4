#include "Icons.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>
#include <QTransform>

#include <cmath>
#include <functional>

namespace {

// One palette for every icon.
const QColor Ink(43, 58, 74);
const QColor Paper(255, 255, 255);
const QColor PaperEdge(107, 119, 133);
const QColor Green(63, 174, 73);
const QColor GreenDark(30, 110, 40);
const QColor Red(217, 52, 43);
const QColor RedDark(142, 27, 21);
const QColor Orange(243, 156, 50);
const QColor OrangeDark(176, 99, 26);
const QColor Blue(47, 127, 216);
const QColor BlueDark(28, 79, 140);
const QColor Folder(242, 193, 78);
const QColor FolderDark(169, 121, 28);
const QColor Steel(150, 160, 172);
const QColor SteelDark(80, 90, 102);

using Drawing = std::function<void(QPainter &)>;

// Draws in a square design space of `units`, scaled to the icon's pixel size.
QImage render(int size, double units, const Drawing &draw)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / units, size / units);
    draw(p);
    return icon;
}

QPen edge(QColor colour, double width = 1.0)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QLinearGradient vertical(QColor top, QColor bottom, double y0, double y1)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A fat arrow pointing right in a 16-unit box, turned by `degrees` about the middle.
QPainterPath arrow(double degrees)
{
    QPainterPath path;
    path.moveTo(1.5, 6.2);
    path.lineTo(8.3, 6.2);
    path.lineTo(8.3, 2.5);
    path.lineTo(14.6, 8);
    path.lineTo(8.3, 13.5);
    path.lineTo(8.3, 9.8);
    path.lineTo(1.5, 9.8);
    path.closeSubpath();
    QTransform t;
    t.translate(8, 8);
    t.rotate(degrees);
    t.translate(-8, -8);
    return t.map(path);
}

void drawArrow(QPainter &p, double degrees, QColor fill, QColor dark)
{
    const QPainterPath path = arrow(degrees);
    QLinearGradient g = vertical(fill.lighter(125), fill, 2, 14);
    p.setPen(edge(dark, 0.9));
    p.setBrush(g);
    p.drawPath(path);
}

// A circular arrow with its head at the top, as for going back to the start.
void drawCurvedArrow(QPainter &p, QColor fill, QColor dark)
{
    QPainterPath arc;
    const QRectF box(3, 3.5, 10, 10);
    arc.arcMoveTo(box, 70);
    arc.arcTo(box, 70, -285);
    const QPointF end = arc.pointAtPercent(1.0);
    const double angle = arc.angleAtPercent(1.0) * M_PI / 180.0;
    const QPointF dir(std::cos(angle), -std::sin(angle));
    const QPointF normal(-dir.y(), dir.x());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 3.4, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    p.setPen(QPen(fill, 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(end + normal * 3.2);
    head.lineTo(end + dir * 3.6);
    head.lineTo(end - normal * 3.2);
    head.closeSubpath();
    p.setPen(edge(dark, 0.8));
    p.setBrush(fill);
    p.drawPath(head);
}

void drawPage(QPainter &p, QRectF r)
{
    const double fold = r.width() * 0.32;
    QPainterPath page;
    page.moveTo(r.topLeft());
    page.lineTo(r.right() - fold, r.top());
    page.lineTo(r.right(), r.top() + fold);
    page.lineTo(r.bottomRight());
    page.lineTo(r.bottomLeft());
    page.closeSubpath();
    p.setPen(edge(PaperEdge, 0.8));
    p.setBrush(vertical(Paper, QColor(232, 236, 241), r.top(), r.bottom()));
    p.drawPath(page);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    p.setBrush(QColor(214, 220, 228));
    p.drawPath(corner);
}

void drawLens(QPainter &p, int sign)
{
    p.setPen(QPen(QColor(91, 70, 54), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.2, 10.2), QPointF(14.3, 14.3));
    QRadialGradient glass(QPointF(5.3, 5.3), 5.5);
    glass.setColorAt(0, QColor(240, 249, 255));
    glass.setColorAt(1, QColor(176, 214, 245));
    p.setPen(edge(Ink, 1.3));
    p.setBrush(glass);
    p.drawEllipse(QPointF(6.6, 6.6), 4.9, 4.9);
    p.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(4.2, 6.6), QPointF(9.0, 6.6));
    if (sign > 0)
        p.drawLine(QPointF(6.6, 4.2), QPointF(6.6, 9.0));
}

void drawPrinter(QPainter &p)
{
    p.setPen(edge(PaperEdge, 0.7));
    p.setBrush(Paper);
    p.drawRect(QRectF(4, 1, 8, 6));
    p.setPen(edge(SteelDark, 0.9));
    p.setBrush(vertical(QColor(206, 212, 220), Steel, 5, 12));
    p.drawRoundedRect(QRectF(1, 5.5, 14, 6.5), 1.5, 1.5);
    p.setBrush(QColor(120, 130, 142));
    p.drawRect(QRectF(3.5, 10, 9, 4.5));
    p.setPen(Qt::NoPen);
    p.setBrush(Paper);
    p.drawRect(QRectF(4.5, 11, 7, 3.5));
    p.setBrush(Green);
    p.drawEllipse(QPointF(12.6, 7.7), 0.8, 0.8);
}

void drawPhoto(QPainter &p, QRectF r)
{
    p.setPen(edge(PaperEdge, 0.6));
    p.setBrush(Paper);
    p.drawRect(r);
    const QRectF inner = r.adjusted(1.2, 1.2, -1.2, -1.2);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QColor(120, 180, 235), QColor(200, 230, 250), inner.top(), inner.bottom()));
    p.drawRect(inner);
    p.setBrush(QColor(230, 190, 160));
    p.drawEllipse(QPointF(inner.center().x(), inner.top() + inner.height() * 0.45), inner.width() * 0.2,
                  inner.height() * 0.25);
    p.setBrush(QColor(100, 66, 40));
    p.drawChord(QRectF(inner.center().x() - inner.width() * 0.24, inner.top() + inner.height() * 0.12,
                       inner.width() * 0.48, inner.height() * 0.45),
                0, 180 * 16);
    p.setBrush(QColor(70, 120, 70));
    p.drawRect(QRectF(inner.left(), inner.bottom() - inner.height() * 0.22, inner.width(), inner.height() * 0.22));
}

void drawEnvelope(QPainter &p, QRectF r)
{
    p.setPen(edge(PaperEdge, 0.8));
    p.setBrush(vertical(Paper, QColor(228, 233, 240), r.top(), r.bottom()));
    p.drawRect(r);
    QPainterPath flap;
    flap.moveTo(r.topLeft());
    flap.lineTo(r.center().x(), r.top() + r.height() * 0.58);
    flap.lineTo(r.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
}

void drawGlobe(QPainter &p, QPointF c, double r)
{
    QRadialGradient sea(c - QPointF(r * 0.4, r * 0.4), r * 1.4);
    sea.setColorAt(0, QColor(140, 200, 250));
    sea.setColorAt(1, Blue);
    p.setPen(edge(BlueDark, 0.7));
    p.setBrush(sea);
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 170, 80));
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.2), r * 0.35, r * 0.45);
    p.drawEllipse(c + QPointF(r * 0.35, r * 0.35), r * 0.3, r * 0.25);
    p.setPen(QPen(BlueDark, 0.35));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(c - QPointF(r, 0), c + QPointF(r, 0));
}

void drawApplicationIcon(QPainter &p)
{
    // A head with a bob and a pair of scissors, in a 48-unit box.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QPointF(22, 45), 15, 2.2);

    // Shoulders and neck.
    p.setBrush(vertical(QColor(76, 140, 196), QColor(44, 96, 150), 36, 46));
    QPainterPath shoulders;
    shoulders.moveTo(6, 46);
    shoulders.cubicTo(7, 37, 14, 35, 22, 35);
    shoulders.cubicTo(30, 35, 37, 37, 38, 46);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    const QColor skin(241, 201, 165), skinDark(214, 168, 130);
    p.setBrush(skinDark);
    p.drawRect(QRectF(18.5, 27, 7, 9));

    // Hair behind the face.
    QPainterPath hair;
    hair.moveTo(22, 3);
    hair.cubicTo(33, 3, 37, 11, 37, 20);
    hair.cubicTo(37, 27, 36, 31, 33, 33);
    hair.lineTo(11, 33);
    hair.cubicTo(8, 31, 7, 27, 7, 20);
    hair.cubicTo(7, 11, 11, 3, 22, 3);
    QLinearGradient hairShade(7, 0, 37, 0);
    hairShade.setColorAt(0, QColor(120, 70, 38));
    hairShade.setColorAt(0.45, QColor(160, 98, 52));
    hairShade.setColorAt(1, QColor(92, 52, 28));
    p.setPen(edge(QColor(70, 38, 20), 1.0));
    p.setBrush(hairShade);
    p.drawPath(hair);

    // Face.
    p.setPen(edge(skinDark.darker(115), 0.8));
    p.setBrush(skin);
    p.drawEllipse(QPointF(22, 20.5), 9.5, 11.5);
    // Fringe over the forehead.
    QPainterPath fringe;
    fringe.moveTo(11.5, 19);
    fringe.cubicTo(12, 9, 18, 6.5, 23, 6.5);
    fringe.cubicTo(29, 6.5, 33, 10, 32.5, 19);
    fringe.cubicTo(29, 14, 24, 12.5, 17, 14.5);
    fringe.cubicTo(14.5, 15.5, 12.5, 17, 11.5, 19);
    p.setPen(Qt::NoPen);
    p.setBrush(hairShade);
    p.drawPath(fringe);
    // Sheen on the hair.
    p.setPen(QPen(QColor(236, 190, 130, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath sheen;
    sheen.moveTo(14, 10);
    sheen.cubicTo(17, 6.8, 22, 6.2, 26, 7.2);
    p.drawPath(sheen);
    // Eyes and smile.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 44, 36));
    p.drawEllipse(QPointF(18.5, 21), 1.1, 1.3);
    p.drawEllipse(QPointF(25.5, 21), 1.1, 1.3);
    p.setPen(QPen(QColor(176, 84, 74), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(18.5, 23.5, 7, 4.5), 200 * 16, 140 * 16);

    // Scissors across the lower right.
    p.save();
    p.translate(37, 33);
    p.rotate(-35);
    QLinearGradient blade(0, -2, 0, 2);
    blade.setColorAt(0, QColor(236, 240, 245));
    blade.setColorAt(1, Steel);
    p.setPen(edge(SteelDark, 0.8));
    p.setBrush(blade);
    QPainterPath upper;
    upper.moveTo(-1, -0.6);
    upper.lineTo(12, -3.4);
    upper.lineTo(12.6, -2.6);
    upper.lineTo(0, 1.2);
    upper.closeSubpath();
    QPainterPath lower;
    lower.moveTo(-1, 0.6);
    lower.lineTo(12, 3.4);
    lower.lineTo(12.6, 2.6);
    lower.lineTo(0, -1.2);
    lower.closeSubpath();
    p.drawPath(upper);
    p.drawPath(lower);
    p.setPen(QPen(Red, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(-5.2, -3.2), 3.2, 2.4);
    p.drawEllipse(QPointF(-5.2, 3.2), 3.2, 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(SteelDark);
    p.drawEllipse(QPointF(0, 0), 0.9, 0.9);
    p.restore();
}

struct Icon
{
    const char *name;
    int size;
    double units;
    Drawing draw;
};

std::vector<Icon> icons()
{
    return {
        {"blank-page", 16, 16, [](QPainter &p) { drawPage(p, QRectF(3, 1, 10, 14)); }},
        {"open-folder", 16, 16,
         [](QPainter &p) {
             QPainterPath back;
             back.moveTo(0.8, 4);
             back.lineTo(5.5, 4);
             back.lineTo(6.8, 5.6);
             back.lineTo(13.5, 5.6);
             back.lineTo(13.5, 14);
             back.lineTo(0.8, 14);
             back.closeSubpath();
             p.setPen(edge(FolderDark, 0.8));
             p.setBrush(Folder.darker(112));
             p.drawPath(back);
             QPainterPath front;
             front.moveTo(3, 8);
             front.lineTo(15.4, 8);
             front.lineTo(13.5, 14);
             front.lineTo(0.8, 14);
             front.closeSubpath();
             p.setBrush(vertical(Folder.lighter(115), Folder, 8, 14));
             p.drawPath(front);
             p.save();
             p.translate(8.6, -0.6);
             p.scale(0.48, 0.48);
             drawArrow(p, -45, Green, GreenDark);
             p.restore();
         }},
        {"zoom-in", 16, 16, [](QPainter &p) { drawLens(p, 1); }},
        {"zoom-out", 16, 16, [](QPainter &p) { drawLens(p, -1); }},
        {"reset", 16, 16, [](QPainter &p) { drawCurvedArrow(p, Green, GreenDark); }},
        {"guide-lines", 16, 16,
         [](QPainter &p) {
             p.setPen(edge(PaperEdge, 0.8));
             p.setBrush(Paper);
             p.drawRoundedRect(QRectF(1, 1, 14, 14), 1.5, 1.5);
             p.setPen(QPen(QColor(128, 0, 0), 1.3));
             p.drawLine(QPointF(1.5, 6), QPointF(14.5, 6));
             p.drawLine(QPointF(1.5, 10.5), QPointF(14.5, 10.5));
             p.setPen(QPen(Red, 1.3));
             p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
         }},
        {"photos", 16, 16,
         [](QPainter &p) {
             p.save();
             p.translate(8, 8);
             p.rotate(-14);
             p.translate(-8, -8);
             drawPhoto(p, QRectF(1, 1.5, 9.5, 11));
             p.restore();
             drawPhoto(p, QRectF(5.5, 4, 9.5, 11));
         }},
        {"floppy", 16, 16,
         [](QPainter &p) {
             QPainterPath body;
             body.moveTo(1, 1);
             body.lineTo(13, 1);
             body.lineTo(15, 3);
             body.lineTo(15, 15);
             body.lineTo(1, 15);
             body.closeSubpath();
             p.setPen(edge(BlueDark.darker(130), 0.8));
             p.setBrush(vertical(Blue, BlueDark, 1, 15));
             p.drawPath(body);
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(210, 216, 224));
             p.drawRect(QRectF(4, 1.4, 7.5, 4.6));
             p.setBrush(BlueDark);
             p.drawRect(QRectF(8.6, 2.2, 1.8, 3));
             p.setBrush(Paper);
             p.drawRoundedRect(QRectF(3, 8.5, 10, 6), 0.8, 0.8);
             p.setPen(QPen(QColor(170, 180, 195), 0.6));
             p.drawLine(QPointF(4.5, 10.5), QPointF(11.5, 10.5));
             p.drawLine(QPointF(4.5, 12.5), QPointF(11.5, 12.5));
         }},
        {"export", 16, 16,
         [](QPainter &p) {
             drawPage(p, QRectF(1.5, 1, 9.5, 14));
             p.save();
             p.translate(5.5, 5.5);
             p.scale(0.66, 0.66);
             drawArrow(p, 0, Green, GreenDark);
             p.restore();
         }},
        {"delete", 16, 16,
         [](QPainter &p) {
             QPainterPath cross;
             cross.moveTo(3.5, 3.5);
             cross.lineTo(12.5, 12.5);
             cross.moveTo(12.5, 3.5);
             cross.lineTo(3.5, 12.5);
             p.setPen(QPen(RedDark, 4.4, Qt::SolidLine, Qt::RoundCap));
             p.drawPath(cross);
             p.setPen(QPen(Red, 2.6, Qt::SolidLine, Qt::RoundCap));
             p.drawPath(cross);
         }},
        {"printer", 16, 16, [](QPainter &p) { drawPrinter(p); }},
        {"printer-all", 16, 16,
         [](QPainter &p) {
             QRadialGradient glow(QPointF(8, 8), 8);
             glow.setColorAt(0, QColor(255, 214, 90, 230));
             glow.setColorAt(1, QColor(255, 214, 90, 0));
             p.setPen(Qt::NoPen);
             p.setBrush(glow);
             p.drawEllipse(QPointF(8, 8), 8, 8);
             drawPrinter(p);
             p.setPen(QPen(Orange, 0.7));
             p.drawLine(QPointF(5.5, 3), QPointF(10.5, 3));
             p.drawLine(QPointF(5.5, 4.6), QPointF(10.5, 4.6));
         }},
        {"mail", 16, 16,
         [](QPainter &p) {
             drawEnvelope(p, QRectF(0.8, 2.5, 12.5, 9));
             drawGlobe(p, QPointF(11.3, 11.3), 4.0);
         }},
        {"colour-reset", 16, 16, [](QPainter &p) { drawCurvedArrow(p, Blue, BlueDark); }},
        {"arrow-left", 20, 16, [](QPainter &p) { drawArrow(p, 180, Green, GreenDark); }},
        {"arrow-right", 20, 16, [](QPainter &p) { drawArrow(p, 0, Green, GreenDark); }},
        {"arrow-up", 20, 16, [](QPainter &p) { drawArrow(p, -90, Green, GreenDark); }},
        {"arrow-down", 20, 16, [](QPainter &p) { drawArrow(p, 90, Green, GreenDark); }},
        {"reset-large", 20, 16, [](QPainter &p) { drawCurvedArrow(p, Green, GreenDark); }},
        {"arrow-orange-up", 24, 16, [](QPainter &p) { drawArrow(p, -90, Orange, OrangeDark); }},
        {"arrow-orange-down", 24, 16, [](QPainter &p) { drawArrow(p, 90, Orange, OrangeDark); }},
        {"export-dialog", 24, 16,
         [](QPainter &p) {
             drawPage(p, QRectF(1.5, 0.8, 10, 14.4));
             p.save();
             p.translate(2.8, 3.2);
             p.scale(0.5, 0.5);
             drawPhoto(p, QRectF(0, 0, 10, 12));
             p.restore();
             p.save();
             p.translate(6.2, 6.2);
             p.scale(0.6, 0.6);
             drawArrow(p, 0, Green, GreenDark);
             p.restore();
         }},
        {"kadelo", 48, 48, drawApplicationIcon},
    };
}

} // namespace

bool writeIcons(const QString &iconFolder)
{
    QTextStream err(stderr);
    const QDir folder(iconFolder);
    if (!QDir().mkpath(iconFolder)) {
        err << "cannot make " << iconFolder << "\n";
        return false;
    }
    for (const Icon &icon : icons()) {
        const QString path = folder.filePath(QLatin1String(icon.name) + QStringLiteral(".png"));
        if (!render(icon.size, icon.units, icon.draw).save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            return false;
        }
    }
    // The application icon again, at the sizes a desktop entry asks for.
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = folder.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
        const QString path = QDir(dir).filePath(QStringLiteral("kadelo.png"));
        if (!QDir().mkpath(dir) || !render(size, 48, drawApplicationIcon).save(path, "PNG")) {
            err << "cannot write " << path << "\n";
            return false;
        }
    }
    return true;
}
