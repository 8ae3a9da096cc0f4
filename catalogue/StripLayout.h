#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

// Geometry and colours of the thumbnail strip: tiles of 90 x 100, two per row.
namespace StripLayout {

constexpr int TileWidth = 90;
constexpr int TileHeight = 100;
constexpr int Columns = 2;

// The value every control of the strip carries, by which the strip's controls are told
// from all others.
constexpr int StripMark = 5;

// Inside a tile.
constexpr QRect PictureRect{15, 3, 60, 72};
constexpr int CaptionHeight = 17;
constexpr QRect CaptionRect{3, TileHeight - 2 - CaptionHeight, 84, CaptionHeight};

// Thumbnails are decoded to the smallest size that still covers the picture's rectangle.
constexpr QSize ThumbnailCover{60, 72};

inline QColor plainTileColour()
{
    return QColor(238, 235, 219);
}

inline QColor selectedTileColour()
{
    return QColor(160, 160, 160);
}

// Tile i: left column for even i, right for odd, one row of 100 per pair.
constexpr QRect tileRect(int index)
{
    return QRect(TileWidth * (index % Columns), TileHeight * (index / Columns), TileWidth, TileHeight);
}

// Height of the strip's rows for `tileCount` tiles.
constexpr int contentHeight(int tileCount)
{
    return TileHeight * ((tileCount + Columns - 1) / Columns);
}

// The tile that an arrow button moves to from the selected tile (-1 when none is
// selected, which counts as tile 0); `step` is +1 for next, -1 for previous. The result
// may name no tile, and then the button does nothing.
constexpr int arrowTarget(int selectedIndex, int step)
{
    return (selectedIndex < 0 ? 0 : selectedIndex) + step;
}

} // namespace StripLayout
