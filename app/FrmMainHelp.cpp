// Help and about.
#include "app/TFrmMain.h"

void TFrmMain::Npovda2Click()
{
}

void TFrmMain::Oprogramu1Click()
{
}

