// Catalogue commands: categories, the thumbnail strip and hairstyle loading.
#include "app/TFrmMain.h"

#include "catalogue/CatalogueNaming.h"
#include "catalogue/CategoryDiscovery.h"
#include "catalogue/StripLayout.h"
#include "catalogue/ThumbnailStrip.h"
#include "catalogue/ThumbnailTile.h"
#include "platform/PictureBox.h"
#include "platform/PictureLoader.h"
#include "platform/PlatformError.h"

#include <QComboBox>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// Moves the selection by one tile, as the arrow buttons do.
void stepSelection(TFrmMain &window, int step)
{
    ThumbnailStrip *strip = window.thumbnailStrip();
    ThumbnailTile *tile = strip->tileAt(StripLayout::arrowTarget(strip->selectedIndex(), step));
    if (!tile)
        return;
    window.ThumbnailClick(tile);
    tile->setBackground(StripLayout::selectedTileColour());
}

// The hidden list controls show what the listing found, as the original's did.
void showListing(TFrmMain &window, const FolderListing &listing)
{
    window.DirectoryList->clear();
    window.DirectoryList->addItems(listing.entries());
    window.FileList->clear();
    window.FileList->addItems(listing.thumbnails());
}

} // namespace

ThumbnailStrip *TFrmMain::thumbnailStrip()
{
    if (!m_thumbnailStrip) {
        m_thumbnailStrip = new ThumbnailStrip(ScrNahledyContent, this);
        connect(m_thumbnailStrip, &ThumbnailStrip::clicked, this, [this](QWidget *sender) {
            runCommand(QStringLiteral("ThumbnailClick"), [this, sender] { ThumbnailClick(sender); });
        });
    }
    return m_thumbnailStrip;
}

void TFrmMain::DiscoverCategories()
{
    const CategoryList found = discoverCategories(thumbnailStrip()->listing(), applicationFolder());
    if (!found.dataFolderFound)
        return;
    showListing(*this, thumbnailStrip()->listing());
    ComboBox->addItems(found.categories);
    if (ComboBox->count() > 0)
        ComboBox->setCurrentIndex(0);
}

void TFrmMain::BuildThumbnailStrip()
{
    ThumbnailStrip *strip = thumbnailStrip();
    // The strip stays hidden while its tiles are made, and blank when listing fails.
    ScrNahledy->hide();
    strip->clear();

    FolderListing &listing = strip->listing();
    listing.list(CatalogueNaming::thumbnailFolder(applicationFolder(), ComboBox->currentText()));
    showListing(*this, listing);
    const QStringList thumbnails = listing.thumbnails();

    const QList<ThumbnailStrip::Failure> failures =
        strip->build(listing.listedFolder(), thumbnails, ImageClear->picture());
    ScrNahledy->verticalScrollBar()->setValue(0);
    ScrNahledy->show();

    // A damaged thumbnail or a missing hairstyle spoils neither the strip nor the
    // selection look; everything that failed is told in one error at the end.
    QStringList errors;
    for (const ThumbnailStrip::Failure &failure : failures)
        errors.append(QStringLiteral("%1: %2").arg(failure.path, failure.message));
    if (!thumbnails.isEmpty()) {
        try {
            LoadHairstyle(thumbnails.first());
        } catch (const PlatformError &error) {
            errors.append(error.message());
        }
    }
    strip->setAllPlain();
    if (!errors.isEmpty())
        throw PlatformError(errors.join(QLatin1Char('\n')));
}

void TFrmMain::LoadHairstyle(const QString &thumbnailFileName)
{
    const QString path =
        CatalogueNaming::hairstylePath(applicationFolder(), ComboBox->currentText(), thumbnailFileName);
    ImgUces->setPicture(PictureLoader::loadFile(CatalogueNaming::findHairstyleBitmap(path)));
    colourApplied = false;
    HSVBoxChange();
}

void TFrmMain::ComboBoxChange()
{
    BuildThumbnailStrip();
}

void TFrmMain::ThumbnailClick(QWidget *sender)
{
    ThumbnailTile *tile = ThumbnailTile::of(sender);
    if (!tile)
        return;
    LoadHairstyle(tile->fileName());
    thumbnailStrip()->setAllPlain();
    tile->setBackground(StripLayout::selectedTileColour());
}

void TFrmMain::RxSpeedButton1Click()
{
    stepSelection(*this, -1);
}

void TFrmMain::RxSpeedButton2Click()
{
    stepSelection(*this, +1);
}
