#include "app/PictureLabel.h"

#include <QPainter>

PictureLabel::PictureLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &text,
                           Qt::Orientation orientation)
    : QWidget(parent), m_text(text), m_orientation(orientation)
{
    setObjectName(QLatin1String(name));
    setGeometry(geometry);
    setAccessibleName(text);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont lettering(QStringLiteral("DejaVu Sans"));
    lettering.setPixelSize(9);
    lettering.setBold(true);
    painter.setFont(lettering);
    painter.setPen(QColor(96, 96, 96));
    if (m_orientation == Qt::Horizontal) {
        painter.drawText(rect(), Qt::AlignCenter, m_text);
        return;
    }
    painter.translate(0, height());
    painter.rotate(-90);
    painter.drawText(QRect(0, 0, height(), width()), Qt::AlignCenter, m_text);
}
