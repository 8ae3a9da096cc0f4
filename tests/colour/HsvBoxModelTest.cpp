#include "colour/HsvBoxModel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct FieldCase
{
    const char *name;
    int x, y;
    int sat, val;
};

std::ostream &operator<<(std::ostream &out, const FieldCase &c)
{
    return out << c.name;
}

class FieldPress : public testing::TestWithParam<FieldCase>
{};

TEST_P(FieldPress, PicksSaturationAndValue)
{
    const FieldCase &c = GetParam();
    HsvBoxModel box;
    ASSERT_TRUE(box.press(c.x, c.y));
    EXPECT_EQ(box.mode(), HsvBoxModel::Mode::Field);
    EXPECT_EQ(box.sat(), c.sat);
    EXPECT_EQ(box.val(), c.val);
    EXPECT_EQ(box.hue(), 0);
    const RgbBytes rgb = hsvToRgb(box.hue(), box.sat(), box.val());
    EXPECT_EQ((RgbBytes{box.red(), box.green(), box.blue()}), rgb);
}

INSTANTIATE_TEST_SUITE_P(Box177x81, FieldPress,
                         testing::Values(FieldCase{"LeftTop", 0, 0, 0, 99}, FieldCase{"RightTop", 156, 0, 99, 99},
                                         FieldCase{"LeftBottom", 0, 80, 0, 0}, FieldCase{"RightBottom", 156, 80, 99, 0},
                                         // 78 / 156 × 99 = 49.5 and 40 / 80 × 99 = 49.5: halves go to 50.
                                         FieldCase{"MiddleHalvesToEven", 78, 40, 50, 49},
                                         FieldCase{"Inner", 30, 10, 19, 87}),
                         [](const testing::TestParamInfo<FieldCase> &info) { return std::string(info.param.name); });

TEST(HsvBoxModel, BarPressPicksHueAndKeepsSaturationAndValue)
{
    HsvBoxModel box;
    box.press(100, 20);
    const int sat = box.sat();
    const int val = box.val();
    box.release();

    ASSERT_TRUE(box.press(157, 40));
    EXPECT_EQ(box.mode(), HsvBoxModel::Mode::Bar);
    EXPECT_EQ(box.hue(), 179);
    EXPECT_EQ(box.sat(), sat);
    EXPECT_EQ(box.val(), val);
    EXPECT_EQ((RgbBytes{box.red(), box.green(), box.blue()}), hsvToRgb(179, sat, val));

    box.move(176, 0);
    EXPECT_EQ(box.hue(), 359);
    box.move(170, 80);
    EXPECT_EQ(box.hue(), 0);
}

TEST(HsvBoxModel, MovesAreClampedToTheAreaOfThePress)
{
    HsvBoxModel box;
    box.press(10, 10);
    ASSERT_TRUE(box.move(500, -20)); // right of the bar, above the box
    EXPECT_EQ(box.sat(), 99);
    EXPECT_EQ(box.val(), 99);
    EXPECT_EQ(box.mode(), HsvBoxModel::Mode::Field);
    box.move(-7, 300);
    EXPECT_EQ(box.sat(), 0);
    EXPECT_EQ(box.val(), 0);
    box.move(170, 0); // over the bar: still the field, at its right edge
    EXPECT_EQ(box.sat(), 99);
    EXPECT_EQ(box.hue(), 0);
    box.release();

    box.press(160, 40);
    const int sat = box.sat();
    box.move(0, -50); // over the field, above the box: still the bar, at its top
    EXPECT_EQ(box.hue(), 359);
    EXPECT_EQ(box.sat(), sat);
    box.move(-100, 900);
    EXPECT_EQ(box.hue(), 0);
}

TEST(HsvBoxModel, PicksOnlyBetweenPressAndRelease)
{
    HsvBoxModel box;
    EXPECT_FALSE(box.move(50, 50));
    EXPECT_FALSE(box.press(177, 10)); // outside the box
    EXPECT_FALSE(box.press(10, -1));
    EXPECT_FALSE(box.move(50, 50));
    box.press(156, 0);
    box.release();
    EXPECT_FALSE(box.move(0, 80));
    EXPECT_EQ(box.sat(), 99);
    EXPECT_EQ(box.val(), 99);
}

TEST(HsvBoxModel, SetRgbBlackZeroesEverything)
{
    HsvBoxModel box;
    box.press(160, 20);
    box.release();
    box.press(120, 10);
    box.setRgb(0, 0, 0);
    EXPECT_EQ(box.hue(), 0);
    EXPECT_EQ(box.sat(), 0);
    EXPECT_EQ(box.val(), 0);
    EXPECT_EQ((RgbBytes{box.red(), box.green(), box.blue()}), (RgbBytes{0, 0, 0}));
}

TEST(HsvBoxModel, SetRgbGivesMatchingHsv)
{
    HsvBoxModel box;
    box.setRgb(255, 0, 0);
    EXPECT_EQ(box.hue(), 0);
    EXPECT_EQ(box.sat(), 99);
    EXPECT_EQ(box.val(), 99);
    box.setRgb(0, 0, 255);
    EXPECT_EQ(box.hue(), 240);
    box.setRgb(255, 255, 255);
    EXPECT_EQ(box.sat(), 0);
    EXPECT_EQ(box.val(), 99);
}

TEST(HsvBoxModel, MarkerPositions)
{
    HsvBoxModel box;
    // Black at hue 0: hue marker at the bottom, square at the field's bottom-left corner.
    EXPECT_EQ(box.hueMarkerY(), 80);
    EXPECT_EQ(box.fieldMarker(), QPoint(0, 80));

    box.press(156, 0);
    EXPECT_EQ(box.fieldMarker(), QPoint(156, 0));
    box.release();
    box.press(157, 40); // hue 179
    EXPECT_EQ(box.hueMarkerY(), 40);
    box.release();
    box.press(79, 40); // sat 50, val 49
    // a = Round(50 / 99 × 156) = 79; b = 81 − Round(80 × 49 / 99) − 1 = 40.
    EXPECT_EQ(box.fieldMarker(), QPoint(79, 40));
}

TEST(HsvBoxModel, TinyBoxDoesNotDivideByZero)
{
    HsvBoxModel box(21, 1); // a one-column field, a one-row box
    ASSERT_TRUE(box.press(0, 0));
    EXPECT_EQ(box.sat(), 0);
    EXPECT_EQ(box.val(), 99);
    box.release();
    ASSERT_TRUE(box.press(20, 0));
    EXPECT_EQ(box.hue(), 359);
}

} // namespace
