#pragma once

// The colour box's integer colour maths.

struct RgbBytes
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const RgbBytes &, const RgbBytes &) = default;
};

// Rounds to the nearest integer, exact halves to the even neighbour, whatever the
// floating-point environment's rounding mode is.
int roundHalfEven(double value);

// Hue in degrees (folded into 0 … 359), saturation and value 0 … 99
// (clamped); each channel 0 … 255.
RgbBytes hsvToRgb(int hue, int sat, int val);
