#include "platform/FormBuilder.h"

#include "platform/PictureBox.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace {

template <class Control> Control *placed(Control *control, const QString &name, const QRect &geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

} // namespace

QFrame *makePanel(QWidget *parent, const QString &name, const QRect &geometry, QFrame::Shadow shadow,
                  QFrame::Shape shape)
{
    auto *panel = placed(new QFrame(parent), name, geometry);
    if (shape != QFrame::NoFrame) {
        panel->setFrameStyle(shape | shadow);
        panel->setLineWidth(1);
    }
    return panel;
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    return placed(new QLabel(text, parent), name, geometry);
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    return placed(new QPushButton(text, parent), name, geometry);
}

QRadioButton *makeRadioButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    return placed(new QRadioButton(text, parent), name, geometry);
}

PictureBox *makePicture(QWidget *parent, const QString &name, const QRect &geometry, const QImage &picture)
{
    auto *box = placed(new PictureBox(parent), name, geometry);
    if (!picture.isNull())
        box->setPicture(picture);
    return box;
}

QImage whiteBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::white);
    return image;
}
