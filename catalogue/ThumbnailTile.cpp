#include "catalogue/ThumbnailTile.h"

#include "catalogue/CatalogueNaming.h"
#include "catalogue/StripLayout.h"
#include "platform/PictureBox.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

constexpr const char *TagProperty = "tag";

// The caption swallows mouse presses: a plain label would pass them on to the tile.
class TileCaption : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }
};

} // namespace

ThumbnailTile::ThumbnailTile(int index, const QString &fileName, const QImage &thumbnail, QWidget *parent)
    : QFrame(parent), m_index(index), m_fileName(fileName)
{
    setGeometry(StripLayout::tileRect(index));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setProperty(TagProperty, StripLayout::StripMark);
    setToolTip(fileName);
    setAutoFillBackground(true);
    setBackground(StripLayout::selectedTileColour());

    m_picture = new PictureBox(this);
    m_picture->setGeometry(StripLayout::PictureRect);
    m_picture->setProperty(TagProperty, StripLayout::StripMark);
    m_picture->setSmoothScaling(true);
    m_picture->setPicture(thumbnail);
    m_picture->setCursor(Qt::PointingHandCursor);
    m_picture->setToolTip(fileName);
    connect(m_picture, &PictureBox::clicked, this, [this] { Q_EMIT clicked(m_picture); });

    m_caption = new TileCaption(CatalogueNaming::tileCaption(fileName), this);
    m_caption->setGeometry(StripLayout::CaptionRect);
    m_caption->setProperty(TagProperty, StripLayout::StripMark);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    font.setBold(true);
    m_caption->setFont(font);
    m_caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_caption->setWordWrap(false);
    m_caption->setTextFormat(Qt::PlainText);
}

QColor ThumbnailTile::background() const
{
    return palette().color(QPalette::Window);
}

void ThumbnailTile::setBackground(const QColor &colour)
{
    QPalette tilePalette = palette();
    tilePalette.setColor(QPalette::Window, colour);
    setPalette(tilePalette);
}

bool ThumbnailTile::looksSelected() const
{
    return background() == StripLayout::selectedTileColour();
}

ThumbnailTile *ThumbnailTile::of(QWidget *control)
{
    if (auto *tile = qobject_cast<ThumbnailTile *>(control))
        return tile;
    if (auto *picture = qobject_cast<PictureBox *>(control)) {
        auto *tile = qobject_cast<ThumbnailTile *>(picture->parentWidget());
        if (tile && tile->picture() == picture)
            return tile;
    }
    return nullptr;
}

void ThumbnailTile::mousePressEvent(QMouseEvent *event)
{
    m_pressInside = event->button() == Qt::LeftButton;
    event->accept();
}

void ThumbnailTile::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        m_pressInside && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressInside = false;
    event->accept();
    if (click)
        Q_EMIT clicked(this);
}
