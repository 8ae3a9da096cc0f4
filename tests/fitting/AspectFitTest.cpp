// The aspect fit and its rounding helper.
#include "fitting/AspectFit.h"
#include "platform/PlatformError.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>
#include <string>

namespace {

struct MulDivCase
{
    const char *name;
    int a, b, c, expected;
    friend void PrintTo(const MulDivCase &m, std::ostream *os) { *os << m.name; }
};

class MulDivTable : public testing::TestWithParam<MulDivCase>
{};

TEST_P(MulDivTable, RoundsHalvesAwayFromZero)
{
    const MulDivCase &m = GetParam();
    EXPECT_EQ(mulDiv(m.a, m.b, m.c), m.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, MulDivTable,
                         testing::Values(MulDivCase{"Exact", 229, 312, 312, 229},
                                         MulDivCase{"BelowHalfDown", 5, 1, 4, 1}, MulDivCase{"HalfUp", 3, 1, 2, 2},
                                         MulDivCase{"AboveHalfUp", 7, 1, 4, 2},
                                         MulDivCase{"NegativeHalfAwayFromZero", -3, 1, 2, -2},
                                         MulDivCase{"NegativeDivisor", 3, 1, -2, -2},
                                         MulDivCase{"BothNegative", -3, 1, -2, 2},
                                         MulDivCase{"ProductBeyond32Bits", INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                                         MulDivCase{"SmallestResult", INT_MIN, 1, 1, INT_MIN},
                                         MulDivCase{"OverflowGivesMinusOne", INT_MAX, 2, 1, -1},
                                         MulDivCase{"NegativeOverflowGivesMinusOne", INT_MIN, 2, 1, -1},
                                         MulDivCase{"ZeroDivisorGivesMinusOne", 1, 1, 0, -1}),
                         [](const testing::TestParamInfo<MulDivCase> &info) { return std::string(info.param.name); });

struct FitCase
{
    const char *name;
    int pw, ph, fw, fh;
    FitSize expected;
    friend void PrintTo(const FitCase &f, std::ostream *os) { *os << f.name; }
};

class FitTable : public testing::TestWithParam<FitCase>
{};

TEST_P(FitTable, GivesTheSize)
{
    const FitCase &f = GetParam();
    const FitSize got = aspectFit(f.pw, f.ph, f.fw, f.fh);
    EXPECT_EQ(got.width, f.expected.width);
    EXPECT_EQ(got.height, f.expected.height);
}

INSTANTIATE_TEST_SUITE_P(WorkedValues, FitTable,
                         testing::Values(FitCase{"StartSizeIntoStartFrame", 57, 73, 229, 312, {229, 293}},
                                         FitCase{"StartSizeIntoDefaultHairstyle", 57, 73, 228, 312, {228, 292}},
                                         FitCase{"Landscape", 640, 480, 229, 312, {229, 172}},
                                         FitCase{"Portrait", 480, 640, 229, 312, {229, 305}},
                                         FitCase{"FrameRelativelyWider", 300, 600, 229, 312, {156, 312}},
                                         FitCase{"EqualProportionsTakeTheFrameWidth", 229, 312, 229, 312, {229, 312}},
                                         FitCase{"EqualProportionsScaled", 458, 624, 229, 312, {229, 312}},
                                         FitCase{"EnlargedFrame", 57, 73, 237, 320, {237, 304}},
                                         FitCase{"NegativeWidthFrame", 57, 73, -80, 4, {-80, -102}},
                                         FitCase{"NegativeFrame", 57, 73, -84, -100, {-78, -100}}),
                         [](const testing::TestParamInfo<FitCase> &info) { return std::string(info.param.name); });

TEST(AspectFit, ZeroFrameHeightIsADivisionByZero)
{
    const auto messageOf = [](int fw, int fh) {
        try {
            aspectFit(57, 73, fw, fh);
        } catch (const PlatformError &error) {
            return error.message().toStdString();
        }
        return std::string("no error");
    };
    EXPECT_EQ(messageOf(-84, 0), "Floating point division by zero");
    EXPECT_EQ(messageOf(5, 0), "Floating point division by zero");
    EXPECT_EQ(messageOf(0, 0), "Invalid floating point operation");
}

} // namespace
