// Album commands: storing, browsing and deleting snapshots.
#include "app/TFrmMain.h"

#include "album/SnapshotComposer.h"
#include "fitting/FittingArea.h"
#include "platform/PictureBox.h"
#include "platform/UserDialogs.h"

#include <QLabel>
#include <algorithm>

namespace {

constexpr int AlbumLimit = 9;

// A layer as the composition reads it: its rectangle in the fitting area, its picture, and
// for the hairstyle its key colour.
ComposeLayer composeLayer(const LayerRect &rect, const PictureBox *layer, bool keyed)
{
    ComposeLayer result{layer->picture(), rect.left, rect.top, rect.width, rect.height, std::nullopt};
    if (keyed)
        result.key = PictureBox::keyColour(result.picture);
    return result;
}

} // namespace

void TFrmMain::ToolButton20Click()
{
    albumCursor = ImageList.Count() - 1;
    LbPocet->setText(QString::number(albumCursor + 1));
    ShowAlbumPicture(albumCursor);
    if (albumCursor >= AlbumLimit - 1) {
        dialogs().showWarning(QStringLiteral("Přidávat lze max 9 fotografií."));
        return;
    }

    ImageSave->setPicture(SnapshotComposer::compose(composeLayer(Panel3->photoRect(), ImgFoto, false),
                                                    composeLayer(Panel3->hairstyleRect(), ImgUces, true)));
    ImageList.Add(ImageSave->picture());
    ShowAlbumPicture(ImageList.Count() - 1);
    LbPocet->setText(QString::number(ImageList.Count()));
    albumCursor = ImageList.Count() - 1;
    fmax->setText(QStringLiteral("z ") + QString::number(ImageList.Count()));
}

void TFrmMain::ToolButton23Click()
{
    if (ImageList.Count() == 0) {
        dialogs().showWarning(QStringLiteral("Není uložen žádný obrázek, nelze smazat."));
        return;
    }
    // The question is modal to this window, so the snapshot asked about is still the one shown
    // when the answer comes; it is taken before asking all the same.
    const int shown = albumCursor;
    if (dialogs().askYesNo(QStringLiteral("Vymazat tento účes?"), QStringLiteral("Opravdu ?")))
        ImageList.Delete(shown);
    LbPocet->setText(QString::number(ImageList.Count()));
    albumCursor = ImageList.Count() - 1;
    ShowAlbumPicture(albumCursor);
    fmax->setText(QStringLiteral("z ") + QString::number(ImageList.Count()));
}

void TFrmMain::Button1Click()
{
    albumCursor = std::max(albumCursor - 1, 0);
    LbPocet->setText(QString::number(albumCursor + 1));
    if (albumCursor == 0 && ImageList.Count() == 0)
        LbPocet->setText(QStringLiteral("0"));
    ShowAlbumPicture(albumCursor);
}

void TFrmMain::Button2Click()
{
    albumCursor = std::min(albumCursor + 1, ImageList.Count() - 1);
    LbPocet->setText(QString::number(albumCursor + 1));
    ShowAlbumPicture(albumCursor);
}

void TFrmMain::ShowAlbumPicture(int index)
{
    QImage picture = ImageClear->picture().copy();
    ImageList.GetBitmap(index, picture);
    SaveImage->setPicture(picture);
}
