#pragma once

#include <QWidget>

// The hue-saturation-value colour box: a saturation-value field and a hue bar.
class HSVBox : public QWidget
{
    Q_OBJECT

public:
    explicit HSVBox(QWidget *parent = nullptr);

    int red() const { return m_red; }
    int green() const { return m_green; }
    int blue() const { return m_blue; }

Q_SIGNALS:
    void changed();

private:
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
};
