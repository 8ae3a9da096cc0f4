#include "output/PrintJob.h"

#include "output/PrintConversions.h"
#include "platform/PrinterCanvas.h"

namespace {

constexpr int SlotColumns[3] = {25, 276, 528};
constexpr int SlotTop = 15;
constexpr int SlotRowStep = 354;
constexpr double HolderMarginMm = 0.5;

} // namespace

QPoint PrintSlot(int slot)
{
    const int index = slot - 1;
    return {SlotColumns[index % 3], SlotTop + SlotRowStep * (index / 3)};
}

std::vector<PrintPlacement> SlotPlacements()
{
    std::vector<PrintPlacement> placements;
    for (int k = 0; k < PrintSlotCount; ++k)
        placements.push_back({k, PrintSlot(k + 1)});
    return placements;
}

std::vector<PrintPlacement> ManualPlacement(int leftMm, int topMm, int ppi)
{
    const int top = MmToPixels(topMm, ppi);
    const int left = MmToPixels(leftMm, ppi);
    return {{0, QPoint(left, top)}};
}

QRect PrintRect(const PrinterCanvas &canvas, int ppi, const PrintOffsets &offsets, const QSize &holderSize, int x,
                int y)
{
    const int left = PixelsToPrinterX(x, canvas, ppi) + offsets.x;
    const int top = PixelsToPrinterY(y, canvas, ppi) + offsets.y;
    const int margin = MmToPixels(HolderMarginMm, ppi);
    const int right = left + PixelsToPrinterX(margin + holderSize.width(), canvas, ppi);
    const int bottom = top + PixelsToPrinterY(margin + holderSize.height(), canvas, ppi);
    // QRect's right and bottom are inclusive; the printed area ends before (right, bottom).
    return QRect(QPoint(left, top), QSize(right - left, bottom - top));
}

void PrintImage(PrinterCanvas &canvas, int ppi, const PrintOffsets &offsets, const PrintHolder &holder, int x, int y)
{
    // One stretched draw of the holder's picture; the canvas copies the pixels as they are.
    canvas.drawPicture(PrintRect(canvas, ppi, offsets, holder.size, x, y), holder.picture);
}

void PrintPage(PrinterCanvas &canvas, int ppi, PrintOffsets &offsets, const PrintHolders &holders,
               const std::vector<PrintPlacement> &placements)
{
    canvas.setTitle(PrintDocumentTitle());
    canvas.beginDoc();
    offsets = {-canvas.physicalOffsetX(), -canvas.physicalOffsetY()};
    for (const PrintPlacement &placement : placements)
        PrintImage(canvas, ppi, offsets, holders.at(placement.holder), placement.position.x(), placement.position.y());
    canvas.endDoc();
}
