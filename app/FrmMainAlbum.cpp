// Album commands: storing, browsing and deleting snapshots.
#include "app/TFrmMain.h"

void TFrmMain::ToolButton20Click()
{
}

void TFrmMain::ToolButton23Click()
{
}

void TFrmMain::Button1Click()
{
}

void TFrmMain::Button2Click()
{
}

void TFrmMain::ShowAlbumPicture(int)
{
}

