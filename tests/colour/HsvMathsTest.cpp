#include "colour/HsvMaths.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct HsvCase
{
    const char *name;
    int hue, sat, val;
    RgbBytes rgb;
};

std::ostream &operator<<(std::ostream &out, const HsvCase &c)
{
    return out << c.name;
}

class HsvToRgb : public testing::TestWithParam<HsvCase>
{};

TEST_P(HsvToRgb, GivesTheBoxesColour)
{
    const HsvCase &c = GetParam();
    EXPECT_EQ(hsvToRgb(c.hue, c.sat, c.val), c.rgb);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, HsvToRgb,
    testing::Values(HsvCase{"PureRed", 0, 99, 99, {255, 0, 0}}, HsvCase{"PureGreen", 120, 99, 99, {0, 255, 0}},
                    HsvCase{"Hue179", 179, 99, 99, {0, 255, 252}}, HsvCase{"Brownish", 30, 50, 80, {206, 155, 103}},
                    HsvCase{"White", 0, 0, 99, {255, 255, 255}}, HsvCase{"BlackAtHue0", 0, 99, 0, {0, 0, 0}},
                    HsvCase{"BlackAtHue200", 200, 50, 0, {0, 0, 0}}, HsvCase{"BlackAtHue359", 359, 99, 0, {0, 0, 0}},
                    // One hue in each remaining sixth of the circle.
                    HsvCase{"Yellow", 60, 99, 99, {255, 255, 0}}, HsvCase{"Blue", 240, 99, 99, {0, 0, 255}},
                    HsvCase{"Magenta", 300, 99, 99, {255, 0, 255}}, HsvCase{"Hue359", 359, 99, 99, {255, 0, 5}},
                    HsvCase{"Grey", 123, 0, 50, {129, 129, 129}},
                    // Out-of-range input is folded and clamped.
                    HsvCase{"HueMinus1IsHue359", -1, 99, 99, {255, 0, 5}},
                    HsvCase{"Hue360IsHue0", 360, 99, 99, {255, 0, 0}},
                    HsvCase{"SatAndValClamped", 0, 150, 120, {255, 0, 0}},
                    HsvCase{"NegativeValIsBlack", 0, 99, -5, {0, 0, 0}}),
    [](const testing::TestParamInfo<HsvCase> &info) { return std::string(info.param.name); });

struct RoundCase
{
    const char *name;
    double value;
    int rounded;
};

std::ostream &operator<<(std::ostream &out, const RoundCase &c)
{
    return out << c.name;
}

class RoundHalfEven : public testing::TestWithParam<RoundCase>
{};

TEST_P(RoundHalfEven, RoundsHalvesToEven)
{
    EXPECT_EQ(roundHalfEven(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEven,
                         testing::Values(RoundCase{"ZeroPointFive", 0.5, 0}, RoundCase{"OnePointFive", 1.5, 2},
                                         RoundCase{"TwoPointFive", 2.5, 2}, RoundCase{"Half49", 49.5, 50},
                                         RoundCase{"Half179", 179.5, 180}, RoundCase{"JustBelowHalf", 16.4999, 16},
                                         RoundCase{"JustAboveHalf", 16.5001, 17}, RoundCase{"NegativeHalf", -0.5, 0},
                                         RoundCase{"NegativeOnePointFive", -1.5, -2},
                                         RoundCase{"NegativeAboveHalf", -2.7, -3}),
                         [](const testing::TestParamInfo<RoundCase> &info) { return std::string(info.param.name); });

} // namespace
