#pragma once

#include "output/PrintJob.h"

#include <array>
#include <vector>

class PictureBox;
class PrinterCanvas;
class QWidget;
class UserDialogs;

// What a print command reaches of the main window: the dialog seam, the window whose
// logical resolution is the PPI, the blank picture, the album viewer, the nine hidden
// print slot holders and the print offsets that outlive each job.
struct PrintContext
{
    UserDialogs *dialogs = nullptr;
    const QWidget *mainWindow = nullptr;
    const PictureBox *blankPicture = nullptr; // ImageClear
    const PictureBox *albumViewer = nullptr;  // SaveImage
    std::array<PictureBox *, PrintSlotCount> holders{};
    PrintOffsets *offsets = nullptr;

    int pixelsPerInch() const;
};

// Gives every holder its own copy of the blank picture.
void ClearPrintHolders(const PrintContext &context);
// Prints one page of the holders at the placements (title, offsets, draws, end).
void PrintHolderPage(PrinterCanvas &canvas, const PrintContext &context, const std::vector<PrintPlacement> &placements);
