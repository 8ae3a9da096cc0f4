#pragma once

#include <QWidget>

// A picture label: grey lettering on a transparent background, horizontal or reading from
// bottom to top.
class PictureLabel : public QWidget
{
public:
    PictureLabel(QWidget *parent, const char *name, const QRect &geometry, const QString &text,
                 Qt::Orientation orientation);

    QString text() const { return m_text; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    Qt::Orientation m_orientation;
};
