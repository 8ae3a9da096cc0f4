// Catalogue commands: categories, the thumbnail strip and hairstyle loading.
#include "app/TFrmMain.h"

void TFrmMain::DiscoverCategories()
{
}

void TFrmMain::BuildThumbnailStrip()
{
}

void TFrmMain::LoadHairstyle(const QString &)
{
}

void TFrmMain::ComboBoxChange()
{
}

void TFrmMain::ThumbnailClick(QWidget *)
{
}

void TFrmMain::RxSpeedButton1Click()
{
}

void TFrmMain::RxSpeedButton2Click()
{
}

