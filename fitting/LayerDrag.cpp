#include "fitting/LayerDrag.h"

FittingLayer LayerDrag::press(FittingLayer sender, int x, int y, bool dragPhoto, const LayerRect &photo,
                              const LayerRect &hairstyle)
{
    if (dragPhoto) {
        // The photo will move and report the following moves: take the press point in its
        // coordinates.
        grabX = wrappingAdd(wrappingAdd(x, hairstyle.left), -static_cast<std::int64_t>(photo.left));
        grabY = wrappingAdd(wrappingAdd(y, hairstyle.top), -static_cast<std::int64_t>(photo.top));
    } else {
        grabX = x;
        grabY = y;
    }
    if (sender == FittingLayer::Photo) {
        grabX = x;
        grabY = y;
    }
    pressed = true;
    return dragPhoto ? FittingLayer::Photo : sender;
}

std::optional<LayerDrag::Move> LayerDrag::move(FittingLayer sender, int x, int y, bool dragPhoto,
                                               const LayerRect &photo, const LayerRect &hairstyle) const
{
    if (!pressed)
        return std::nullopt;
    const FittingLayer target = dragPhoto ? FittingLayer::Photo : sender;
    LayerRect rect = target == FittingLayer::Photo ? photo : hairstyle;
    rect.left = wrappingAdd(wrappingAdd(x, -static_cast<std::int64_t>(grabX)), rect.left);
    rect.top = wrappingAdd(wrappingAdd(y, -static_cast<std::int64_t>(grabY)), rect.top);
    return Move{target, rect};
}

std::optional<FittingLayer> LayerDrag::release(FittingLayer sender, bool dragPhoto)
{
    if (!pressed)
        return std::nullopt;
    pressed = false;
    return dragPhoto ? FittingLayer::Photo : sender;
}
