#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Smooth scaling costs in proportion to the source: a large photo is first sampled down to
// four times the target, which the smooth pass then averages.
QImage scaledSmoothly(const QImage &source, const QSize &size)
{
    const QSize reduced(std::min(source.width(), 4 * size.width()), std::min(source.height(), 4 * size.height()));
    if (reduced != source.size())
        return source.scaled(reduced, Qt::IgnoreAspectRatio, Qt::FastTransformation)
            .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    pictureChanged();
    if (m_autoSize && picture.width() > 0 && picture.height() > 0)
        resize(picture.size());
}

void PictureBox::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    pictureChanged();
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
    m_scaled = QImage();
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

void PictureBox::pictureChanged()
{
    m_drawable = QImage();
    m_scaled = QImage();
    // An opaque picture covers the whole control: nothing below needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent, !m_transparent && !m_picture.isNull() && !m_picture.hasAlphaChannel());
    update();
}

// Leaves out every pixel of the key colour. Alpha ends up 0 or 255 only, so the pixels are
// premultiplied as they stand.
static QImage keyedOut(const QImage &picture, QRgb key)
{
    key &= 0x00ffffffu;
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            line[x] = (line[x] & 0x00ffffffu) == key ? 0u : (line[x] | 0xff000000u);
    }
    keyed.reinterpretAsFormat(QImage::Format_ARGB32_Premultiplied);
    return keyed;
}

const QImage &PictureBox::drawable() const
{
    if (!m_drawable.isNull() || m_picture.isNull())
        return m_drawable;
    m_drawable = m_transparent ? keyedOut(m_picture, keyColour(m_picture)) : m_picture;
    return m_drawable;
}

QImage PictureBox::stretch(const QSize &size) const
{
    if (m_picture.isNull() || size.width() <= 0 || size.height() <= 0)
        return QImage();
    if (m_transparent) {
        // Plain sampling copies pixels exactly, so keying the sampled picture gives the same
        // result as sampling the keyed one, at the cost of the control's size, not the picture's.
        return keyedOut(m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation), keyColour(m_picture));
    }
    const QImage &source = drawable();
    QImage scaled = m_smooth && !m_transparent ? scaledSmoothly(source, size)
                                               : source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    // The formats the screen takes without conversion.
    return scaled.convertToFormat(scaled.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                           : QImage::Format_RGB32);
}

QImage PictureBox::stretchedPicture() const
{
    if (!m_scaled.isNull() && m_scaled.size() == size())
        return m_scaled;
    return stretch(size());
}

QSize PictureBox::sizeHint() const
{
    return m_picture.isNull() ? QSize(0, 0) : m_picture.size();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    if (m_picture.isNull() || width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    painter.setClipRegion(event->region());
    if (qint64(width()) * height() <= MaxCachedPixels) {
        if (m_scaled.isNull())
            m_scaled = stretch(size());
        painter.drawImage(0, 0, m_scaled);
        return;
    }
    // Too large to keep: stretch only what is exposed.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_smooth && !m_transparent);
    painter.drawImage(rect(), drawable());
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    m_scaled = QImage();
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
    const bool click =
        m_pressInside && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressInside = false;
    if (click)
        Q_EMIT clicked();
}
