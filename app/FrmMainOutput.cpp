// Output commands: export, printing and mail.
#include "app/TFrmMain.h"

void TFrmMain::ToolButton21Click()
{
}

void TFrmMain::ToolButton3Click()
{
}

void TFrmMain::TiskClick()
{
}

void TFrmMain::ToolButton9Click()
{
}

