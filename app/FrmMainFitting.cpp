// Fitting-area commands: moving, resizing and resetting the layers, dragging, photos.
#include "app/TFrmMain.h"

void TFrmMain::ToolButton1Click()
{
}

void TFrmMain::ToolButton4Click()
{
}

void TFrmMain::ToolButton5Click()
{
}

void TFrmMain::ToolButton6Click()
{
}

void TFrmMain::ToolButton7Click()
{
}

void TFrmMain::ToolButton11Click()
{
}

void TFrmMain::ToolButton12Click()
{
}

void TFrmMain::ToolButton13Click()
{
}

void TFrmMain::ToolButton14Click()
{
}

void TFrmMain::ToolButton18Click()
{
}

void TFrmMain::ToolButton19Click()
{
}

void TFrmMain::btnUcesPlusClick()
{
}

void TFrmMain::btnUcesMinusClick()
{
}

void TFrmMain::btnKalibraceClick()
{
}

void TFrmMain::btnPosuvImgClick()
{
}

void TFrmMain::ControlMouseDown(QWidget *, QMouseEvent *)
{
}

void TFrmMain::ControlMouseMove(QWidget *, QMouseEvent *)
{
}

void TFrmMain::ControlMouseUp(QWidget *, QMouseEvent *)
{
}

