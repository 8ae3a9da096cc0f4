#pragma once

#include "fitting/LayerRect.h"

#include <optional>

enum class FittingLayer { Photo, Hairstyle };

// What a mouse drag in the fitting area does: the pressed flag and the grab point, and the
// rules that turn press, move and release into a layer move. One state serves both layers.
// Positions are in the coordinates of the layer that reports the event. Any mouse button
// drags; buttons and modifiers are not consulted.
class LayerDrag
{
public:
    bool pressed = false;
    int grabX = 0; // the press point relative to the top-left corner of the layer that moves
    int grabY = 0;

    struct Move
    {
        FittingLayer layer;
        LayerRect rect;
    };

    // A press reported by `sender` at (x, y). Returns the layer that takes the mouse:
    // the photo in the drag-photo mode, else the sender.
    FittingLayer press(FittingLayer sender, int x, int y, bool dragPhoto, const LayerRect &photo,
                       const LayerRect &hairstyle);

    // A move reported by `sender` at (x, y): the layer that moves and its new rectangle, or
    // nothing while no press is pending.
    std::optional<Move> move(FittingLayer sender, int x, int y, bool dragPhoto, const LayerRect &photo,
                             const LayerRect &hairstyle) const;

    // A release: the layer whose mouse capture ends, or nothing without a pending press.
    std::optional<FittingLayer> release(FittingLayer sender, bool dragPhoto);
};
