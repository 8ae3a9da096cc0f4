#include "fitting/FittingArea.h"

#include "platform/PictureBox.h"

FittingArea::FittingArea(QWidget *parent)
    : QFrame(parent), m_photo(new PictureBox(this)), m_hairstyle(new PictureBox(this))
{
    setObjectName(QStringLiteral("Panel3"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setAutoFillBackground(true);
    m_photo->setObjectName(QStringLiteral("ImgFoto"));
    m_photo->setGeometry(1 + 17, 1 + 9, 228, 312);
    m_hairstyle->setObjectName(QStringLiteral("ImgUces"));
    m_hairstyle->setGeometry(1 + 17, 1 + 9, 229, 312);
    m_hairstyle->setTransparent(true);
}
