// Printing: all snapshots, or the shown one placed on the sheet.
#include "app/TFrmMain.h"

void TFrmMain::ToolButton3Click()
{
}

void TFrmMain::TiskClick()
{
}

