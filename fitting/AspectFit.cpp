#include "fitting/AspectFit.h"

#include "platform/PlatformError.h"

#include <cstdlib>
#include <limits>

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::uint64_t magnitude = product < 0 ? 0 - static_cast<std::uint64_t>(product) : product;
    const std::uint64_t divisor = c < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(c)) : c;
    std::uint64_t quotient = magnitude / divisor;
    if (2 * (magnitude % divisor) >= divisor)
        ++quotient;
    if (negative) {
        if (quotient > static_cast<std::uint64_t>(std::numeric_limits<int>::max()) + 1)
            return -1;
        return static_cast<int>(0 - quotient);
    }
    if (quotient > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
        return -1;
    return static_cast<int>(quotient);
}

FitSize aspectFit(int pictureWidth, int pictureHeight, int frameWidth, int frameHeight)
{
    if (frameHeight == 0) {
        throw PlatformError(frameWidth == 0 ? QStringLiteral("Invalid floating point operation")
                                            : QStringLiteral("Floating point division by zero"));
    }
    const long double frameRatio = static_cast<long double>(frameWidth) / frameHeight;
    const long double pictureRatio = static_cast<long double>(pictureWidth) / pictureHeight;
    if (frameRatio > pictureRatio)
        return {mulDiv(frameHeight, pictureWidth, pictureHeight), frameHeight};
    return {frameWidth, mulDiv(frameWidth, pictureHeight, pictureWidth)};
}
