#pragma once

#include <QFrame>

class PictureBox;

// The fitting area: the photo layer, the hairstyle layer over it and the guide lines.
class FittingArea : public QFrame
{
    Q_OBJECT

public:
    explicit FittingArea(QWidget *parent = nullptr);

    PictureBox *photoLayer() const { return m_photo; }
    PictureBox *hairstyleLayer() const { return m_hairstyle; }

private:
    PictureBox *m_photo;
    PictureBox *m_hairstyle;
};
