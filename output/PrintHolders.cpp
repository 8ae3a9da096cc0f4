#include "output/PrintHolders.h"

#include "platform/PictureBox.h"

int PrintContext::pixelsPerInch() const
{
    return mainWindow->logicalDpiX();
}

void ClearPrintHolders(const PrintContext &context)
{
    for (PictureBox *holder : context.holders)
        holder->setPicture(context.blankPicture->picture().copy());
}

void PrintHolderPage(PrinterCanvas &canvas, const PrintContext &context, const std::vector<PrintPlacement> &placements)
{
    PrintHolders holders;
    for (int k = 0; k < PrintSlotCount; ++k)
        holders[k] = {context.holders[k]->picture(), context.holders[k]->size()};
    PrintPage(canvas, context.pixelsPerInch(), *context.offsets, holders, placements);
}
