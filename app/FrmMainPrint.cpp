// Printing: all snapshots, or the shown one placed on the sheet.
#include "app/TFrmMain.h"

#include "output/TFrmNahled.h"
#include "platform/PictureBox.h"
#include "platform/PrinterCanvas.h"
#include "platform/UserDialogs.h"

namespace {

const QString NothingToPrint = QStringLiteral("Není uložen žádný obrázek, nelze tisknout.");

} // namespace

PrintContext TFrmMain::printContext()
{
    PrintContext context;
    context.dialogs = &dialogs();
    context.mainWindow = this;
    context.blankPicture = ImageClear;
    context.albumViewer = SaveImage;
    for (int k = 0; k < PrintSlotCount; ++k)
        context.holders[k] = ImageX[k];
    context.offsets = &printOffsets;
    return context;
}

void TFrmMain::ToolButton3Click()
{
    if (ImageList.Count() == 0) {
        dialogs().showWarning(NothingToPrint);
        return;
    }
    std::unique_ptr<PrinterCanvas> printer = dialogs().choosePrinter();
    if (!printer)
        return;
    const PrintContext context = printContext();
    ClearPrintHolders(context);
    for (int k = 0; k < ImageList.Count() && k < PrintSlotCount; ++k) {
        QImage bitmap = ImageX[k]->picture();
        ImageList.GetBitmap(k, bitmap);
        ImageX[k]->setPicture(bitmap);
    }
    PrintHolderPage(*printer, context, SlotPlacements());
}

void TFrmMain::TiskClick()
{
    if (ImageList.Count() == 0) {
        dialogs().showWarning(NothingToPrint);
        return;
    }
    m_frmNahled->setPrintContext(printContext());
    m_frmNahled->exec();
}
