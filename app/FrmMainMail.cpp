// Mail hand-off of the shown snapshot.
#include "app/TFrmMain.h"

void TFrmMain::ToolButton9Click()
{
}

