// Hair colour commands.
#include "app/TFrmMain.h"

#include "colour/HSVBox.h"
#include "platform/PictureBox.h"

void TFrmMain::HSVBoxChange()
{
    recolourHairstyle(HSVBoxControl->red(), HSVBoxControl->green(), HSVBoxControl->blue());
    colourApplied = true;
}

void TFrmMain::RxSpeedButton3Click()
{
    recolourHairstyle(0, 0, 0);
    HSVBoxControl->setRgb(0, 0, 0);
    colourApplied = true;
}

// The hairstyle as last loaded plus the colour: a colour already applied is undone first,
// so picks never pile up.
void TFrmMain::recolourHairstyle(int red, int green, int blue)
{
    QImage shown = ImgUces->picture();
    QImage bitmap = shown;
    if (colourApplied)
        ImageEnProc1.undo(bitmap);
    ImageEnProc1.intensityRgbAll(bitmap, red, green, blue);
    // Showing the bitmap also takes its transparent colour afresh.
    ImgUces->setPicture(bitmap);
    ImageEnProc1.recycle(std::move(shown));
}
