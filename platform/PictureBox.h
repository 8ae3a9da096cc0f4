#pragma once

#include <QImage>
#include <QMouseEvent>
#include <QWidget>

// A picture control: draws its picture stretched to its own size, optionally leaving out
// the pixels of the picture's key colour (the colour of the bottom-left pixel; white for a
// two-colour picture). The stretched picture is made once per change of picture or size
// and kept, so a repaint (a layer being dragged over it, say) costs one clipped blit.
// Above a size where keeping it would cost too much memory, the visible part is stretched
// while painting instead.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

    // The picture as given; callers that change it in place give it back by setPicture().
    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);

    bool isTransparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    // With auto size on, the control takes the size of every picture whose width and
    // height are both positive.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    // Smooth scaling for photos; plain sampling keeps a keyed picture's key exact.
    void setSmoothScaling(bool smooth);

    // The transparent colour of a picture as drawn by a transparent control.
    static QRgb keyColour(const QImage &picture);

    // The picture as this control shows it at its current size: stretched, with the key
    // colour left out (alpha 0) when transparent. Null when nothing is drawn.
    QImage stretchedPicture() const;

    QSize sizeHint() const override;

    // Largest stretched picture, in pixels, that is kept between repaints.
    static constexpr qint64 MaxCachedPixels = 4'000'000;

Q_SIGNALS:
    void clicked();
    void mousePressed(QMouseEvent *event);
    void mouseMoved(QMouseEvent *event);
    void mouseReleased(QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void pictureChanged();
    const QImage &drawable() const;
    QImage stretch(const QSize &size) const;

    QImage m_picture;
    mutable QImage m_drawable; // the picture with its key left out, made when first drawn
    QImage m_scaled;           // drawable stretched to the control's size, made when first drawn
    bool m_transparent = false;
    bool m_autoSize = false;
    bool m_smooth = false;
    bool m_pressInside = false;
};
