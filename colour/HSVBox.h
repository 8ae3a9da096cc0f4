#pragma once

#include "colour/HsvBoxModel.h"

#include <QImage>
#include <QWidget>

// The hue-saturation-value colour box: a saturation-value field and a hue bar. A press of
// the left button picks a colour, and so does every move while it is held (the box keeps
// the mouse until the release). changed() fires for each pick, before the markers move.
class HSVBox : public QWidget
{
    Q_OBJECT

public:
    explicit HSVBox(QWidget *parent = nullptr);

    int red() const { return m_model.red(); }
    int green() const { return m_model.green(); }
    int blue() const { return m_model.blue(); }
    int hue() const { return m_model.hue(); }
    int sat() const { return m_model.sat(); }
    int val() const { return m_model.val(); }

    // Sets the colour and redraws the box, without firing changed().
    void setRgb(int red, int green, int blue);

    // What the box shows.
    const QImage &picture() const { return m_picture; }

    QSize sizeHint() const override { return {177, 81}; }

Q_SIGNALS:
    void changed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void picked(int previousHue);

    HsvBoxModel m_model;
    QImage m_background;
    QImage m_picture;
};
