// Export of the shown snapshot.
#include "app/TFrmMain.h"

void TFrmMain::ToolButton21Click()
{
}

