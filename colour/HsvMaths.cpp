#include "colour/HsvMaths.h"

#include <algorithm>
#include <cmath>

int roundHalfEven(double value)
{
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0))
        whole += 1.0;
    return static_cast<int>(whole);
}

namespace {

int scaleToByte(int channel)
{
    return roundHalfEven(static_cast<double>(channel) / 99.0 * 255.0);
}

} // namespace

RgbBytes hsvToRgb(int hue, int sat, int val)
{
    hue %= 360;
    if (hue < 0)
        hue += 360;
    sat = std::clamp(sat, 0, 99);
    val = std::clamp(val, 0, 99);

    int red = val;
    int green = val;
    int blue = val;
    if (sat != 0) {
        const int f = hue % 60;
        const int i = hue / 60;
        const int p = val - (val * sat) / 99;
        const int q = val - (val * sat * f) / 5940;
        const int t = val - (val * sat * (60 - f)) / 5940;
        switch (i) {
        case 0:
            red = val, green = t, blue = p;
            break;
        case 1:
            red = q, green = val, blue = p;
            break;
        case 2:
            red = p, green = val, blue = t;
            break;
        case 3:
            red = p, green = q, blue = val;
            break;
        case 4:
            red = t, green = p, blue = val;
            break;
        default:
            red = val, green = p, blue = q;
            break;
        }
    }
    return {scaleToByte(red), scaleToByte(green), scaleToByte(blue)};
}
