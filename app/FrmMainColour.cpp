// Hair colour commands.
#include "app/TFrmMain.h"

void TFrmMain::HSVBoxChange()
{
}

void TFrmMain::RxSpeedButton3Click()
{
}

