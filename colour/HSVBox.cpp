#include "colour/HSVBox.h"

#include "colour/HsvBoxPicture.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

HSVBox::HSVBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("HSVBox"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(m_model.width(), m_model.height());
    m_background = hsvBoxBackground(m_model);
    m_picture = hsvBoxPicture(m_model);
}

void HSVBox::setRgb(int red, int green, int blue)
{
    m_model.setRgb(red, green, blue);
    m_background = hsvBoxBackground(m_model);
    m_picture = hsvBoxPicture(m_model);
    update();
}

void HSVBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawImage(0, 0, m_picture);
}

void HSVBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (width() == m_model.width() && height() == m_model.height())
        return;
    m_model.setSize(width(), height());
    m_background = hsvBoxBackground(m_model);
    m_picture = hsvBoxPicture(m_model);
    update();
}

void HSVBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int hue = m_model.hue();
    const QPoint at = event->position().toPoint();
    if (m_model.press(at.x(), at.y()))
        picked(hue);
}

void HSVBox::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const int hue = m_model.hue();
    const QPoint at = event->position().toPoint();
    if (m_model.move(at.x(), at.y()))
        picked(hue);
}

void HSVBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_model.release();
}

void HSVBox::picked(int previousHue)
{
    // A new hue redraws the field before anyone hears of the pick; the markers follow it.
    if (m_model.hue() != previousHue)
        m_background = hsvBoxBackground(m_model);
    Q_EMIT changed();
    m_picture = m_background;
    invertHsvBoxMarkers(m_picture, m_model);
    update();
}
