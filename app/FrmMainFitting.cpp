// Fitting-area commands: moving, resizing and resetting the layers, dragging, photos.
#include "app/TFrmMain.h"

#include "fitting/AspectFit.h"
#include "fitting/FittingArea.h"
#include "fitting/LayerRect.h"
#include "fitting/PhotoFilters.h"
#include "platform/PictureBox.h"
#include "platform/PictureLoader.h"
#include "platform/UserDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QToolButton>

using namespace LayerGeometry;

void TFrmMain::ToolButton1Click()
{
    Panel3->setPhotoRect(moved(Panel3->photoRect(), -2, 0));
}

void TFrmMain::ToolButton4Click()
{
    Panel3->setPhotoRect(moved(Panel3->photoRect(), 2, 0));
}

void TFrmMain::ToolButton5Click()
{
    Panel3->setPhotoRect(movedTo(Panel3->photoRect(), PhotoDefaultLeft, PhotoDefaultTop));
}

void TFrmMain::ToolButton6Click()
{
    Panel3->setPhotoRect(moved(Panel3->photoRect(), 0, -2));
}

void TFrmMain::ToolButton7Click()
{
    Panel3->setPhotoRect(moved(Panel3->photoRect(), 0, 2));
}

void TFrmMain::ToolButton11Click()
{
    Panel3->setPhotoRect(enlarged(Panel3->photoRect()));
}

void TFrmMain::ToolButton12Click()
{
    Panel3->setPhotoRect(shrunk(Panel3->photoRect()));
}

void TFrmMain::ToolButton13Click()
{
    Panel3->setHairstyleRect(HairstyleDefault);
}

void TFrmMain::ToolButton14Click()
{
    Panel3->setPhotoRect(PhotoDefaultSize);
    fitPhotoToHairstyle();
}

void TFrmMain::ToolButton18Click()
{
    FileDialogRequest request;
    request.filters = openPhotoFilters();
    request.selectedFilter = 0;
    const FileDialogResult chosen = dialogs().openFile(request);
    if (chosen.accepted) {
        // The working folder follows the folder the file was chosen in; no path of ours depends on it.
        QDir::setCurrent(QFileInfo(chosen.fileName).absolutePath());
        // Decoded before anything changes: a refused file leaves picture and sizes alone.
        const QImage photo = PictureLoader::loadFile(chosen.fileName);
        ImgFoto->setPicture(photo);
        ImageSize->setPicture(photo);
    }
    fitPhotoToHairstyle();
}

void TFrmMain::ToolButton19Click()
{
    ImgFoto->setPicture(FotoDef->picture());
}

void TFrmMain::btnUcesPlusClick()
{
    Panel3->setHairstyleRect(enlarged(Panel3->hairstyleRect()));
}

void TFrmMain::btnUcesMinusClick()
{
    Panel3->setHairstyleRect(shrunk(Panel3->hairstyleRect()));
}

void TFrmMain::btnKalibraceClick()
{
    guideLinesShown = !guideLinesShown;
    btnKalibrace->setChecked(guideLinesShown);
    Panel3->setGuideLinesVisible(btnKalibrace->isChecked());
}

void TFrmMain::btnPosuvImgClick()
{
    dragPhoto = !dragPhoto;
    btnPosuvImg->setChecked(dragPhoto);
    ImgUces->setCursor(btnPosuvImg->isChecked() ? Qt::DragMoveCursor : Qt::PointingHandCursor);
}

void TFrmMain::fitPhotoToHairstyle()
{
    const LayerRect frame = Panel3->hairstyleRect();
    const FitSize fit = aspectFit(ImageSize->width(), ImageSize->height(), frame.width, frame.height);
    Panel3->setPhotoRect(resized(Panel3->photoRect(), fit.width, fit.height));
}

FittingLayer TFrmMain::fittingLayerOf(const QWidget *sender) const
{
    // The photo layer is told by its control name; every other sender is the hairstyle.
    return sender->objectName() == QLatin1String("ImgFoto") ? FittingLayer::Photo : FittingLayer::Hairstyle;
}

void TFrmMain::ControlMouseDown(QWidget *sender, QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const FittingLayer captor = layerDrag.press(fittingLayerOf(sender), at.x(), at.y(), dragPhoto, Panel3->photoRect(),
                                                Panel3->hairstyleRect());
    // Replaces the capture the press itself took: in the drag-photo mode the photo reports
    // the moves, also when the press was on the hairstyle.
    Panel3->layer(captor)->grabMouse();
}

void TFrmMain::ControlMouseMove(QWidget *sender, QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const auto move =
        layerDrag.move(fittingLayerOf(sender), at.x(), at.y(), dragPhoto, Panel3->photoRect(), Panel3->hairstyleRect());
    if (move)
        Panel3->setLayerRect(move->layer, move->rect);
}

void TFrmMain::ControlMouseUp(QWidget *sender, QMouseEvent *)
{
    if (!layerDrag.release(fittingLayerOf(sender), dragPhoto))
        return;
    // The layer that took the mouse gives it back, even when the drag-photo mode was
    // switched during the drag; a grab left behind would take every later mouse event.
    QWidget *grabber = QWidget::mouseGrabber();
    if (grabber == ImgFoto || grabber == ImgUces)
        grabber->releaseMouse();
}
