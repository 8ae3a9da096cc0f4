#pragma once

#include "colour/HsvMaths.h"

#include <QPoint>

// The colour box's state and picking, without a window: a saturation-value field on the
// left, a hue bar on the right, both the full height. A press in an area starts picking
// there; moves while the button is held keep picking in that area, clamped to it.
class HsvBoxModel
{
public:
    static constexpr int HueBarWidth = 20;
    static constexpr int BarsDistance = 0;

    enum class Mode { None, Field, Bar };

    explicit HsvBoxModel(int width = 177, int height = 81);

    void setSize(int width, int height);
    int width() const { return m_width; }
    int height() const { return m_height; }
    // Columns 0 … fieldWidth() - 1 are the field; the bar starts at barLeft().
    int fieldWidth() const;
    int barLeft() const { return fieldWidth() + BarsDistance; }

    // A press of the left button at (x, y); true when it picked a colour.
    bool press(int x, int y);
    // A move while the button is held; true when it picked a colour.
    bool move(int x, int y);
    void release() { m_mode = Mode::None; }
    Mode mode() const { return m_mode; }

    // Sets the colour without picking: the hue, saturation and value follow from it.
    void setRgb(int red, int green, int blue);

    int hue() const { return m_hue; }
    int sat() const { return m_sat; }
    int val() const { return m_val; }
    int red() const { return m_rgb.red; }
    int green() const { return m_rgb.green; }
    int blue() const { return m_rgb.blue; }

    // Centre row of the hue marker, and centre of the field's square marker.
    int hueMarkerY() const;
    QPoint fieldMarker() const;

private:
    void pick(int x, int y);

    int m_width;
    int m_height;
    Mode m_mode = Mode::None;
    int m_hue = 0;
    int m_sat = 0;
    int m_val = 0;
    RgbBytes m_rgb;
};
