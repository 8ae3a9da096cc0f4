// Unit conversions, print slots and the page a job draws, against a recording printer.
#include "output/PrintConversions.h"
#include "output/PrintJob.h"
#include "platform/PlatformError.h"
#include "tests/output/print_RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

struct MmCase
{
    const char *name;
    double mm;
    int ppi;
    int pixels;
};

class MmToPixelsTest : public testing::TestWithParam<MmCase>
{};

TEST_P(MmToPixelsTest, TruncatesTowardZero)
{
    EXPECT_EQ(MmToPixels(GetParam().mm, GetParam().ppi), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Table, MmToPixelsTest,
                         testing::Values(MmCase{"HalfMmAt96", 0.5, 96, 1},   // 1.89
                                         MmCase{"HalfMmAt120", 0.5, 120, 2}, // 2.36
                                         MmCase{"TenMmAt96", 10, 96, 37},    // 37.79
                                         // The double 25.4 is a hair below the extended 25.4.
                                         MmCase{"OneInchAt96", 25.4, 96, 95}, MmCase{"ZeroAt96", 0, 96, 0},
                                         MmCase{"LargestSpinValue", 99999, 96, 377948}),
                         [](const auto &info) { return std::string(info.param.name); });

struct PreviewCase
{
    int mm;
    int pixels;
};

class PreviewPixelsTest : public testing::TestWithParam<PreviewCase>
{};

TEST_P(PreviewPixelsTest, ShowsTheSheetAtOneToThreePointZeroFive)
{
    EXPECT_EQ(PreviewPixels(GetParam().mm, 96), GetParam().pixels);
}

INSTANTIATE_TEST_SUITE_P(Table, PreviewPixelsTest,
                         testing::Values(PreviewCase{0, 0}, PreviewCase{10, 12}, PreviewCase{20, 24},
                                         PreviewCase{50, 61}, PreviewCase{100, 123}, PreviewCase{200, 247}),
                         [](const auto &info) { return "Mm" + std::to_string(info.param.mm); });

struct SlotCase
{
    const char *name;
    int resolution;
    int offset; // physical offset of the printer, both directions
    int slot;
    QRect expected; // left, top, width, height in printer pixels
};

class PrintSlotRectTest : public testing::TestWithParam<SlotCase>
{};

TEST_P(PrintSlotRectTest, ConvertsPositionAndSizeSeparately)
{
    const SlotCase &row = GetParam();
    RecordingCanvas printer(row.resolution, row.offset, row.offset);
    const PrintOffsets offsets{-row.offset, -row.offset};
    const QPoint slot = PrintSlot(row.slot);
    EXPECT_EQ(PrintRect(printer, 96, offsets, QSize(220, 295), slot.x(), slot.y()), row.expected);
}

// (156, 93)-(1537, 1943) is 1381 x 1850 printer pixels: every slot is that size.
INSTANTIATE_TEST_SUITE_P(Table, PrintSlotRectTest,
                         testing::Values(SlotCase{"Slot1At600", 600, 0, 1, QRect(156, 93, 1381, 1850)},
                                         SlotCase{"Slot2At600", 600, 0, 2, QRect(1725, 93, 1381, 1850)},
                                         SlotCase{"Slot3At600", 600, 0, 3, QRect(3300, 93, 1381, 1850)},
                                         SlotCase{"Slot5At600", 600, 0, 5, QRect(1725, 2306, 1381, 1850)},
                                         SlotCase{"Slot6At600", 600, 0, 6, QRect(3300, 2306, 1381, 1850)},
                                         SlotCase{"Slot9At600", 600, 0, 9, QRect(3300, 4518, 1381, 1850)},
                                         SlotCase{"Slot2At300Truncates862AndAHalf", 300, 0, 2,
                                                  QRect(862, 46, 690, 925)},
                                         SlotCase{"Slot1WithOffsets100", 600, 100, 1, QRect(56, -7, 1381, 1850)},
                                         SlotCase{"Slot9WithOffsets100", 600, 100, 9, QRect(3200, 4418, 1381, 1850)}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PrintSlotTest, GridColumnsAndRows)
{
    const QPoint expected[9] = {{25, 15},   {276, 15}, {528, 15},  {25, 369}, {276, 369},
                                {528, 369}, {25, 723}, {276, 723}, {528, 723}};
    for (int slot = 1; slot <= 9; ++slot)
        EXPECT_EQ(PrintSlot(slot), expected[slot - 1]) << "slot " << slot;
}

TEST(PrintRectTest, UsesTheHolderSizeNotThePictureSizeAndScalesWithPpi)
{
    RecordingCanvas printer(600);
    // At 120 PPI the half millimetre is 2 screen pixels and the ratio 5.
    EXPECT_EQ(PrintRect(printer, 120, {}, QSize(275, 369), 0, 0), QRect(0, 0, 5 * 277, 5 * 371));
}

PrintHolders holdersOfColours()
{
    PrintHolders holders;
    for (int k = 0; k < PrintSlotCount; ++k) {
        QImage picture(229, 312, QImage::Format_RGB888);
        picture.fill(QColor(10 * k, 0, 0));
        holders[k] = {picture, QSize(220, 295)};
    }
    return holders;
}

TEST(PrintPageTest, TitlesStartsCapturesOffsetsDrawsNineInOrderAndEnds)
{
    RecordingCanvas printer(600, 50, 60);
    PrintOffsets offsets;
    const PrintHolders holders = holdersOfColours();
    PrintPage(printer, 96, offsets, holders, SlotPlacements());

    EXPECT_EQ(printer.title, QStringLiteral("Foto"));
    EXPECT_EQ(printer.calls, QStringList({"title", "begin", "draw", "draw", "draw", "draw", "draw", "draw", "draw",
                                          "draw", "draw", "end"}));
    EXPECT_EQ(offsets.x, -50);
    EXPECT_EQ(offsets.y, -60);
    ASSERT_EQ(printer.draws.size(), 9);
    for (int k = 0; k < 9; ++k) {
        EXPECT_EQ(printer.draws[k].picture.pixelColor(0, 0), holders[k].picture.pixelColor(0, 0)) << "slot " << k + 1;
        RecordingCanvas zeroOffsets(600);
        const QPoint slot = PrintSlot(k + 1);
        EXPECT_EQ(printer.draws[k].target,
                  PrintRect(zeroOffsets, 96, {}, QSize(220, 295), slot.x(), slot.y()).translated(-50, -60));
    }
}

TEST(PrintPageTest, ManualPlacementPrintsHolderOneAtTheMillimetres)
{
    const PrintHolders holders = holdersOfColours();
    for (const int offset : {0, 50}) {
        RecordingCanvas printer(600, offset, offset + 10);
        PrintOffsets offsets;
        PrintPage(printer, 96, offsets, holders, ManualPlacement(10, 20, 96));
        ASSERT_EQ(printer.draws.size(), 1);
        // 10 mm -> 37 screen pixels -> 231 printer pixels; 20 mm -> 75 -> 468.
        EXPECT_EQ(printer.draws[0].target.topLeft(), QPoint(231 - offset, 468 - offset - 10));
        EXPECT_EQ(printer.draws[0].picture, holders[0].picture);
    }
}

TEST(PrintPageTest, ManualPlacementAtZeroIsTheSheetsCorner)
{
    RecordingCanvas printer(600, 83, 83);
    PrintOffsets offsets;
    PrintPage(printer, 96, offsets, holdersOfColours(), ManualPlacement(0, 0, 96));
    EXPECT_EQ(printer.draws.at(0).target.topLeft(), QPoint(-83, -83));
}

TEST(PrintPageTest, AFailedStartEndsTheJobWithTheError)
{
    RecordingCanvas printer(600, 10, 10);
    printer.failBegin = true;
    PrintOffsets offsets{1, 2};
    EXPECT_THROW(PrintPage(printer, 96, offsets, holdersOfColours(), SlotPlacements()), PlatformError);
    EXPECT_EQ(printer.calls, QStringList({"title", "begin"}));
    EXPECT_EQ(offsets.x, 1); // the offsets are only taken from a started document
}

} // namespace
