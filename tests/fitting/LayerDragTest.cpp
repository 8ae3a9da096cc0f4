// The drag rules: which layer takes the mouse, where it was grabbed, which layer moves.
#include "fitting/LayerDrag.h"

#include <gtest/gtest.h>

namespace {

const LayerRect Photo{30, 9, 228, 312};
const LayerRect Hairstyle{17, 12, 229, 312};

TEST(LayerDrag, NormalModeMovesThePressedLayerKeepingTheGrabbedPoint)
{
    for (FittingLayer sender : {FittingLayer::Photo, FittingLayer::Hairstyle}) {
        LayerDrag drag;
        EXPECT_EQ(drag.press(sender, 10, 20, false, Photo, Hairstyle), sender);
        // The pointer moved by (+5, -3); the layer reports it relative to its old corner.
        const auto move = drag.move(sender, 15, 17, false, Photo, Hairstyle);
        ASSERT_TRUE(move);
        const LayerRect before = sender == FittingLayer::Photo ? Photo : Hairstyle;
        EXPECT_EQ(move->layer, sender);
        EXPECT_EQ(move->rect, (LayerRect{before.left + 5, before.top - 3, before.width, before.height}));
        EXPECT_EQ(drag.release(sender, false), sender);
        EXPECT_FALSE(drag.pressed);
    }
}

TEST(LayerDrag, DragPhotoModeTakesAHairstylePressInPhotoCoordinates)
{
    LayerDrag drag;
    EXPECT_EQ(drag.press(FittingLayer::Hairstyle, 50, 40, true, Photo, Hairstyle), FittingLayer::Photo);
    EXPECT_EQ(drag.grabX, 37);
    EXPECT_EQ(drag.grabY, 43);
    // The photo now reports the moves: the pointer went by (+4, +6).
    const auto move = drag.move(FittingLayer::Photo, 41, 49, true, Photo, Hairstyle);
    ASSERT_TRUE(move);
    EXPECT_EQ(move->layer, FittingLayer::Photo);
    EXPECT_EQ(move->rect, (LayerRect{34, 15, 228, 312}));
    EXPECT_EQ(drag.release(FittingLayer::Photo, true), FittingLayer::Photo);
}

TEST(LayerDrag, DragPhotoModeTakesAPhotoPressAsItIs)
{
    LayerDrag drag;
    EXPECT_EQ(drag.press(FittingLayer::Photo, 3, 4, true, Photo, Hairstyle), FittingLayer::Photo);
    EXPECT_EQ(drag.grabX, 3);
    EXPECT_EQ(drag.grabY, 4);
}

TEST(LayerDrag, NothingHappensWithoutAPress)
{
    LayerDrag drag;
    EXPECT_FALSE(drag.move(FittingLayer::Hairstyle, 5, 5, false, Photo, Hairstyle));
    EXPECT_FALSE(drag.release(FittingLayer::Hairstyle, false));
    drag.press(FittingLayer::Hairstyle, 7, 8, false, Photo, Hairstyle);
    drag.release(FittingLayer::Hairstyle, false);
    EXPECT_FALSE(drag.move(FittingLayer::Hairstyle, 50, 50, false, Photo, Hairstyle));
    EXPECT_FALSE(drag.release(FittingLayer::Hairstyle, false));
    // The grab point stays after the release.
    EXPECT_EQ(drag.grabX, 7);
    EXPECT_EQ(drag.grabY, 8);
}

} // namespace
