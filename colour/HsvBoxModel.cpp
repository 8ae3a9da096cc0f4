#include "colour/HsvBoxModel.h"

#include <algorithm>

namespace {

// Round(numerator / denominator × scale), the quotient taken first as the box does; a
// degenerate (tiny) box counts as having its only position at the start.
int scaledRound(int numerator, int denominator, int scale)
{
    if (denominator <= 0)
        return 0;
    return roundHalfEven(static_cast<double>(numerator) / denominator * scale);
}

} // namespace

HsvBoxModel::HsvBoxModel(int width, int height) : m_width(width), m_height(height) {}

void HsvBoxModel::setSize(int width, int height)
{
    m_width = width;
    m_height = height;
}

int HsvBoxModel::fieldWidth() const
{
    return std::max(0, m_width - BarsDistance - HueBarWidth);
}

bool HsvBoxModel::press(int x, int y)
{
    m_mode = Mode::None;
    if (x < 0 || y < 0 || x >= m_width || y >= m_height)
        return false;
    if (x < fieldWidth())
        m_mode = Mode::Field;
    else if (x >= barLeft())
        m_mode = Mode::Bar;
    if (m_mode == Mode::None)
        return false;
    pick(x, y);
    return true;
}

bool HsvBoxModel::move(int x, int y)
{
    if (m_mode == Mode::None)
        return false;
    y = std::clamp(y, 0, std::max(0, m_height - 1));
    if (m_mode == Mode::Field)
        x = std::clamp(x, 0, std::max(0, fieldWidth() - 1));
    else
        x = std::clamp(x, barLeft(), std::max(barLeft(), m_width - 1));
    pick(x, y);
    return true;
}

void HsvBoxModel::pick(int x, int y)
{
    if (m_mode == Mode::Field) {
        m_sat = scaledRound(x, fieldWidth() - 1, 99);
        m_val = 99 - scaledRound(y, m_height - 1, 99);
    } else {
        m_hue = 359 - scaledRound(y, m_height - 1, 359);
    }
    m_rgb = hsvToRgb(m_hue, m_sat, m_val);
}

void HsvBoxModel::setRgb(int red, int green, int blue)
{
    red = std::clamp(red, 0, 255);
    green = std::clamp(green, 0, 255);
    blue = std::clamp(blue, 0, 255);
    m_rgb = {red, green, blue};

    // The usual hexcone conversion, scaled to the box's 0 … 99 ranges; black is 0, 0, 0.
    const int high = std::max({red, green, blue});
    const int low = std::min({red, green, blue});
    const int spread = high - low;
    m_val = scaledRound(high, 255, 99);
    m_sat = high == 0 ? 0 : scaledRound(spread, high, 99);
    if (spread == 0) {
        m_hue = 0;
        return;
    }
    double hue = 0.0;
    if (high == red)
        hue = 60.0 * (green - blue) / spread;
    else if (high == green)
        hue = 120.0 + 60.0 * (blue - red) / spread;
    else
        hue = 240.0 + 60.0 * (red - green) / spread;
    m_hue = roundHalfEven(hue);
    if (m_hue < 0)
        m_hue += 360;
    if (m_hue > 359)
        m_hue -= 360;
}

int HsvBoxModel::hueMarkerY() const
{
    return roundHalfEven(static_cast<double>((m_height - 1) * (359 - m_hue)) / 360.0);
}

QPoint HsvBoxModel::fieldMarker() const
{
    const int a = scaledRound(m_sat, 99, fieldWidth() - 1);
    const int b = m_height - roundHalfEven(static_cast<double>((m_height - 1) * m_val) / 99.0) - 1;
    return {a, b};
}
