#pragma once

#include <QFrame>
#include <QImage>
#include <QRect>
#include <QString>

class PictureBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

// Controls placed the way the forms are laid out: each named (its objectName) and at a
// fixed geometry in its parent.

// A panel with a one-pixel frame: a bevel (raised by default), a box, or none with
// QFrame::NoFrame.
QFrame *makePanel(QWidget *parent, const QString &name, const QRect &geometry, QFrame::Shadow shadow = QFrame::Raised,
                  QFrame::Shape shape = QFrame::Panel);

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);

QRadioButton *makeRadioButton(QWidget *parent, const QString &name, const QString &text, const QRect &geometry);

// A picture control showing `picture`, when one is given.
PictureBox *makePicture(QWidget *parent, const QString &name, const QRect &geometry, const QImage &picture = QImage());

// The blank picture the forms start with.
QImage whiteBitmap(int width, int height);
