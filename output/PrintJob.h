#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

class PrinterCanvas;

// The nine fixed places on the sheet, numbered row by row from the top-left: the top-left
// corner of each picture in screen pixels from the sheet's physical corner.
constexpr int PrintSlotCount = 9;
QPoint PrintSlot(int slot); // slot 1 .. 9

// Every print job names its document so.
inline QString PrintDocumentTitle()
{
    return QStringLiteral("Foto");
}

// A print slot holder as a print job reads it: its picture and its own size in screen
// pixels. The picture is printed stretched to the holder's size, whatever its own size.
struct PrintHolder
{
    QImage picture;
    QSize size;
};
using PrintHolders = std::array<PrintHolder, PrintSlotCount>;

// Added to a position counted from the printable area's corner, these make it count from
// the sheet's physical corner: minus the printer's physical offsets, in printer pixels.
struct PrintOffsets
{
    int x = 0;
    int y = 0;
};

// One picture of a page: which holder (0 .. 8) goes where, in screen pixels.
struct PrintPlacement
{
    int holder = 0;
    QPoint position;
};

// Holder k at slot k + 1, all nine: the print-all page and the automatic placement.
std::vector<PrintPlacement> SlotPlacements();
// Holder 0 alone at a position in whole millimetres from the sheet's corner.
std::vector<PrintPlacement> ManualPlacement(int leftMm, int topMm, int ppi);

// The printer rectangle of a holder printed at (x, y): the position and the size (the
// holder's plus half a millimetre each way) are converted separately, so the size does
// not depend on the position.
QRect PrintRect(const PrinterCanvas &canvas, int ppi, const PrintOffsets &offsets, const QSize &holderSize, int x,
                int y);

// Prints one holder at (x, y), between the start and the end of a document.
void PrintImage(PrinterCanvas &canvas, int ppi, const PrintOffsets &offsets, const PrintHolder &holder, int x, int y);

// One page: title "Foto", start, capture the offsets (kept in offsets for the caller, as
// they outlive the job), print the placements in order, end. A printer error ends the job
// with a PlatformError.
void PrintPage(PrinterCanvas &canvas, int ppi, PrintOffsets &offsets, const PrintHolders &holders,
               const std::vector<PrintPlacement> &placements);
