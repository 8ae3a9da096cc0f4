#pragma once

#include <QImage>
#include <QMouseEvent>
#include <QWidget>

// A picture control: draws its picture stretched to its own size, optionally leaving out
// the pixels of the picture's key colour (the colour of the bottom-left pixel; white for a
// two-colour picture). The stretched picture is cached and made again only when the
// picture or the size changes, so repaints cost a blit.
class PictureBox : public QWidget
{
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);

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

    QSize sizeHint() const override;

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
    void invalidateCache();
    const QImage &scaledPicture();

    QImage m_picture;
    QImage m_scaled;
    bool m_transparent = false;
    bool m_autoSize = false;
    bool m_smooth = false;
    bool m_pressInside = false;
};
