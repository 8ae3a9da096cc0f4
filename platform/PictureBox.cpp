#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent)
{
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    invalidateCache();
    if (m_autoSize && picture.width() > 0 && picture.height() > 0)
        resize(picture.size());
    update();
}

void PictureBox::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    invalidateCache();
    update();
}

void PictureBox::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize && m_picture.width() > 0 && m_picture.height() > 0)
        resize(m_picture.size());
}

void PictureBox::setSmoothScaling(bool smooth)
{
    if (m_smooth == smooth)
        return;
    m_smooth = smooth;
    invalidateCache();
    update();
}

QRgb PictureBox::keyColour(const QImage &picture)
{
    if (picture.isNull())
        return qRgb(255, 255, 255);
    if (picture.format() == QImage::Format_Mono || picture.format() == QImage::Format_MonoLSB)
        return qRgb(255, 255, 255);
    return picture.pixel(0, picture.height() - 1) | 0xff000000u;
}

QSize PictureBox::sizeHint() const
{
    return m_picture.isNull() ? QSize(0, 0) : m_picture.size();
}

void PictureBox::invalidateCache()
{
    m_scaled = QImage();
}

const QImage &PictureBox::scaledPicture()
{
    if (!m_scaled.isNull() || m_picture.isNull() || width() <= 0 || height() <= 0)
        return m_scaled;
    if (m_transparent) {
        // Key out on the picture's own pixels first, then sample: the key stays exact.
        const QRgb key = keyColour(m_picture);
        QImage keyed = m_picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < keyed.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x) {
                if ((line[x] | 0xff000000u) == key)
                    line[x] = 0;
            }
        }
        m_scaled = keyed.scaled(size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        m_scaled = m_picture.scaled(size(), Qt::IgnoreAspectRatio,
                                    m_smooth ? Qt::SmoothTransformation : Qt::FastTransformation);
    }
    return m_scaled;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    const QImage &scaled = scaledPicture();
    if (scaled.isNull())
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(0, 0, scaled);
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    invalidateCache();
    QWidget::resizeEvent(event);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressInside = event->button() == Qt::LeftButton;
    Q_EMIT mousePressed(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT mouseReleased(event);
    const bool click = m_pressInside && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressInside = false;
    if (click)
        Q_EMIT clicked();
}
