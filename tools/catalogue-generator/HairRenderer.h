#pragma once

#include "Random.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <functional>
#include <vector>

// The face every hairstyle is drawn for, in bitmap pixels. The program lays the bitmap at the
// photo's corner, so these are where its guide lines cross a portrait: eyes on the upper
// line, mouth on the lower, nose on the vertical one.
namespace Face {
inline constexpr double CentreX = 115.5;
inline constexpr double EyesY = 160.5;
inline constexpr double MouthY = 218.5;
inline constexpr double ChinY = 268.0;
inline constexpr int Width = 229;
inline constexpr int Height = 312;
} // namespace Face

// Direction in which the hair runs at a point (need not be normalised).
using Flow = std::function<QPointF(QPointF)>;

struct StrandLayer
{
    int count = 3000;
    double minLength = 30;
    double maxLength = 120;
    double widthMin = 0.7;
    double widthMax = 1.2;
    double shadeMin = 0.8; // brightness against the hair colour
    double shadeMax = 1.1;
    double alpha = 0.85;
    double overshoot = 4; // how far a tip may run out of the hair region
    double curl = 0;      // wiggle of each strand, radians
    double curlPeriod = 18;
    double highlight = 1; // how much of the sheen this layer carries
    bool onSheen = false; // seed where the sheen is, for highlight streaks
};

// Locks: bundles of strands that follow one traced guide and close in at their ends, which is
// what makes drawn hair read as hair rather than as a brushed surface.
struct LockLayer
{
    int count = 300;
    double minLength = 30;
    double maxLength = 140;
    double widthMin = 4; // lock width at the root
    double widthMax = 8;
    int strands = 9;     // strands per lock
    double clump = 0.85; // how far the strands close in at the tip (0 none, 1 to a point)
    double shadeMin = 0.75;
    double shadeMax = 1.15;
    double alpha = 0.85;
    double overshoot = 6;
    double curl = 0;
    double curlPeriod = 18;
    double highlight = 1;
    double crest = 0; // extra light where strands run across (waves, curls)
};

// Ringlets: short springs of hair wound round an axis that follows the flow, lit on the
// turns that face the viewer.
struct CoilLayer
{
    int count = 400;
    double minLength = 14;
    double maxLength = 30;
    double radius = 4;
    double pitch = 5.5; // length of one turn along the axis
    int strands = 4;
    double shadeMin = 0.8;
    double shadeMax = 1.15;
    double alpha = 0.9;
};

// Draws hair as many thin strands on a transparent canvas: a dark body fills the region, and
// strands traced along the flow give texture, with shade at the roots, near the face and at
// the outline, and a sheen where light meets the curve of the hair.
class HairCanvas
{
public:
    HairCanvas(const QPainterPath &hair, const QPainterPath &faceOpening, QColor colour, Flow flow,
               std::uint32_t seed = 1);

    void paintBody(double darkness = 0.55);
    void paintStrands(const StrandLayer &layer, Random &random);
    void paintLocks(const LockLayer &layer, Random &random);
    void paintCoils(const CoilLayer &layer, Random &random);
    // Sheen strength by position (defaults to the upper head, lit from the upper left).
    void setSheen(std::function<double(QPointF, double distanceOut, double distanceFace)> sheen);
    QPainter *painter() { return &m_painter; }

    QImage finish();

    bool inside(QPointF p) const;
    double distanceOut(QPointF p) const;
    double distanceFace(QPointF p) const;

private:
    double shade(QPointF p) const;
    // Smooth noise in [0, 1] with features about `cell` pixels wide; locks of hair share it.
    double noise(QPointF p, double cell) const;
    double sheen(QPointF p) const;
    QColor strandColour(QPointF p, double brightness, double highlight, double along) const;
    void drawStrand(const std::vector<QPointF> &points, double width, double alpha, double brightness,
                    double highlight);
    void drawStrand(const std::vector<QPointF> &points, double width, double alpha, double brightness, double highlight,
                    double crest);
    std::vector<QPointF> trace(QPointF seed, double back, double forward, double overshoot, double curl,
                               double curlPeriod, double phase) const;

    QImage m_canvas;
    QPainter m_painter;
    QColor m_colour;
    QColor m_light;
    Flow m_flow;
    std::vector<unsigned char> m_inside;
    std::vector<float> m_lattice;
    std::vector<float> m_distOut;
    std::vector<float> m_distFace;
    std::function<double(QPointF, double, double)> m_sheen;
};

QPainterPath smoothClosedPath(const std::vector<QPointF> &points);
QPainterPath smoothOpenPath(const std::vector<QPointF> &points);
double smoothstep(double edge0, double edge1, double x);
QPointF normalised(QPointF v);
