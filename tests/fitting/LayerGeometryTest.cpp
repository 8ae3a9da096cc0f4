// Enlarge, shrink and move steps of a layer rectangle: exact steps, no bounds anywhere.
#include "fitting/LayerRect.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

using namespace LayerGeometry;

void PrintTo(const LayerRect &r, std::ostream *os)
{
    *os << "{" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << "}";
}

namespace {

struct StepCase
{
    const char *name;
    LayerRect start;
    int shrinks;  // applied first
    int enlarges; // then these
    LayerRect expected;
    friend void PrintTo(const StepCase &c, std::ostream *os) { *os << c.name; }
};

class LayerSteps : public testing::TestWithParam<StepCase>
{};

TEST_P(LayerSteps, GiveTheExactRectangle)
{
    const StepCase &c = GetParam();
    LayerRect r = c.start;
    for (int k = 0; k < c.shrinks; ++k)
        r = shrunk(r);
    for (int k = 0; k < c.enlarges; ++k)
        r = enlarged(r);
    EXPECT_EQ(r, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LayerSteps,
    testing::Values(StepCase{"EnlargeKeepsTheCentre", PhotoStart, 0, 1, {15, 7, 232, 316}},
                    StepCase{"ShrinkKeepsTheCentre", PhotoStart, 1, 0, {19, 11, 224, 308}},
                    StepCase{"ShrinkUndoesEnlarge", HairstyleStart, 1, 1, HairstyleStart},
                    StepCase{"FiftySevenShrinksReachWidthZero", HairstyleDefault, 57, 0, {132, 123, 0, 84}},
                    StepCase{"SeventyEightShrinksReachHeightZero", HairstyleDefault, 78, 0, {174, 165, -84, 0}},
                    StepCase{"BeyondZeroSizesGoNegative", HairstyleDefault, 100, 0, {218, 209, -172, -88}},
                    StepCase{"EnlargesCountBackFromNegativeWidth", HairstyleDefault, 78, 1, {172, 163, -80, 4}},
                    StepCase{"CountingBackRestoresTheDefault", HairstyleDefault, 78, 78, HairstyleDefault},
                    StepCase{"WrapsAtTheLimitsInsteadOfOverflowing",
                             {INT_MIN + 1, INT_MIN, INT_MAX, INT_MAX - 1},
                             0,
                             1,
                             {INT_MAX, INT_MAX - 1, INT_MIN + 3, INT_MIN + 2}}),
    [](const testing::TestParamInfo<StepCase> &info) { return std::string(info.param.name); });

TEST(LayerMoves, MoveAndPlaceKeepTheSize)
{
    const LayerRect r{17, 9, -4, 0};
    EXPECT_EQ(moved(r, -2, 0), (LayerRect{15, 9, -4, 0}));
    EXPECT_EQ(moved(r, 0, 2), (LayerRect{17, 11, -4, 0}));
    EXPECT_EQ(movedTo(r, PhotoDefaultLeft, PhotoDefaultTop), (LayerRect{18, 9, -4, 0}));
    EXPECT_EQ(resized(r, 229, 293), (LayerRect{17, 9, 229, 293}));
}

} // namespace
