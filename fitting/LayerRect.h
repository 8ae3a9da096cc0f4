#pragma once

#include <cstdint>

// A layer's rectangle in the fitting area's client coordinates. Nothing bounds it: a layer
// may lie outside the area and its width or height may be zero or negative.
struct LayerRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const LayerRect &, const LayerRect &) = default;
};

// Signed 32-bit arithmetic that wraps instead of overflowing, as the layer values are
// counted without any bound.
constexpr int wrappingAdd(int a, std::int64_t b)
{
    return static_cast<int>(static_cast<std::uint32_t>(static_cast<std::int64_t>(a) + b));
}

namespace LayerGeometry {

// Start and reset rectangles (the resets differ from the start by one pixel in places).
constexpr LayerRect PhotoStart{17, 9, 228, 312};
constexpr LayerRect HairstyleStart{17, 9, 229, 312};
constexpr LayerRect HairstyleDefault{18, 9, 228, 312};
constexpr LayerRect PhotoDefaultSize{17, 9, 228, 312};
constexpr int PhotoDefaultLeft = 18;
constexpr int PhotoDefaultTop = 9;

// Two pixels out on every side; the centre stays where it is.
constexpr LayerRect enlarged(const LayerRect &r)
{
    return {wrappingAdd(r.left, -2), wrappingAdd(r.top, -2), wrappingAdd(r.width, 4), wrappingAdd(r.height, 4)};
}

// The exact inverse of enlarged().
constexpr LayerRect shrunk(const LayerRect &r)
{
    return {wrappingAdd(r.left, 2), wrappingAdd(r.top, 2), wrappingAdd(r.width, -4), wrappingAdd(r.height, -4)};
}

constexpr LayerRect moved(const LayerRect &r, int dx, int dy)
{
    return {wrappingAdd(r.left, dx), wrappingAdd(r.top, dy), r.width, r.height};
}

constexpr LayerRect movedTo(const LayerRect &r, int left, int top)
{
    return {left, top, r.width, r.height};
}

constexpr LayerRect resized(const LayerRect &r, int width, int height)
{
    return {r.left, r.top, width, height};
}

} // namespace LayerGeometry
