#pragma once

#include "fitting/LayerDrag.h"
#include "fitting/LayerRect.h"

#include <QFrame>
#include <QImage>

class PictureBox;

// The fitting area: the photo layer, the hairstyle layer over it and the three guide lines
// over both, on a lowered one-pixel bevel. The layers' rectangles are kept here exactly as
// the commands leave them, in the coordinates of the area's client rectangle (inside the
// bevel, so area point (0, 0) is widget point (1, 1)); the layer widgets mirror them, a
// zero or negative width or height showing nothing. Parts outside the client rectangle are
// hidden under the bevel or clipped by the area.
class FittingArea : public QFrame
{
    Q_OBJECT

public:
    explicit FittingArea(QWidget *parent = nullptr);

    PictureBox *photoLayer() const { return m_photo; }
    PictureBox *hairstyleLayer() const { return m_hairstyle; }
    PictureBox *layer(FittingLayer which) const { return which == FittingLayer::Photo ? m_photo : m_hairstyle; }
    // Shape1, Shape2, Shape3 for index 0, 1, 2.
    QWidget *guideLine(int index) const { return m_lines[index]; }

    LayerRect photoRect() const { return m_photoRect; }
    LayerRect hairstyleRect() const { return m_hairstyleRect; }
    LayerRect layerRect(FittingLayer which) const
    {
        return which == FittingLayer::Photo ? m_photoRect : m_hairstyleRect;
    }
    void setPhotoRect(const LayerRect &rect);
    void setHairstyleRect(const LayerRect &rect);
    void setLayerRect(FittingLayer which, const LayerRect &rect);

    void setGuideLinesVisible(bool visible);

    // The photo shown at start, decoded from the application's resources (empty when it
    // cannot be read).
    static QImage bundledPhoto(const QString &resource);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    PictureBox *m_photo;
    PictureBox *m_hairstyle;
    QWidget *m_lines[3];
    QFrame *m_bevel;
    LayerRect m_photoRect = LayerGeometry::PhotoStart;
    LayerRect m_hairstyleRect = LayerGeometry::HairstyleStart;
};
