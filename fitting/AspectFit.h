#pragma once

#include <cstdint>

// a * b / c with the product formed in 64 bits and the quotient rounded to the nearest
// integer, halves away from zero. Like the system call it stands for, it gives -1 when c is
// 0 or the result does not fit in 32 bits.
int mulDiv(int a, int b, int c);

struct FitSize
{
    int width = 0;
    int height = 0;

    friend bool operator==(const FitSize &, const FitSize &) = default;
};

// The size that gives a picture of pictureWidth x pictureHeight the frame's height (when
// the frame is relatively wider) or the frame's width (otherwise, equal proportions
// included). It divides by the frame height: 0 raises PlatformError "Floating point
// division by zero", or "Invalid floating point operation" when the frame width is 0 too.
// The picture's own sizes are positive.
FitSize aspectFit(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight);
