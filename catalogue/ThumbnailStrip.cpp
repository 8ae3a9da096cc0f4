#include "catalogue/ThumbnailStrip.h"

#include "catalogue/StripLayout.h"
#include "catalogue/ThumbnailTile.h"
#include "platform/JpegDecoder.h"
#include "platform/PlatformError.h"

#include <QWidget>
#include <new>
#include <utility>

ThumbnailStrip::ThumbnailStrip(QWidget *content, QObject *parent)
    : QObject(parent), m_content(content),
      m_decoder([](const QString &path) { return JpegDecoder::decodeFileCovering(path, StripLayout::ThumbnailCover); })
{}

void ThumbnailStrip::setDecoder(Decoder decoder)
{
    m_decoder = std::move(decoder);
}

void ThumbnailStrip::clear()
{
    const QList<ThumbnailTile *> tiles = std::exchange(m_tiles, {});
    for (ThumbnailTile *tile : tiles)
        delete tile;
    m_content->resize(StripLayout::Columns * StripLayout::TileWidth, 0);
}

QList<ThumbnailStrip::Failure> ThumbnailStrip::build(const QString &folder, const QStringList &fileNames,
                                                     const QImage &blank)
{
    QList<Failure> failures;
    m_tiles.reserve(m_tiles.size() + fileNames.size());
    for (const QString &name : fileNames) {
        const QString path = folder + QLatin1Char('/') + name;
        QImage thumbnail;
        try {
            thumbnail = m_decoder(path);
        } catch (const PlatformError &error) {
            failures.append({path, error.message()});
            thumbnail = blank;
        } catch (const std::bad_alloc &) {
            failures.append({path, QStringLiteral("Out of memory")});
            thumbnail = blank;
        }
        auto *tile = new ThumbnailTile(int(m_tiles.size()), name, thumbnail, m_content);
        connect(tile, &ThumbnailTile::clicked, this, &ThumbnailStrip::clicked);
        tile->show();
        m_tiles.append(tile);
    }
    m_content->resize(StripLayout::Columns * StripLayout::TileWidth, StripLayout::contentHeight(int(m_tiles.size())));
    return failures;
}

ThumbnailTile *ThumbnailStrip::tileAt(int index) const
{
    return index >= 0 && index < m_tiles.size() ? m_tiles.at(index) : nullptr;
}

void ThumbnailStrip::setAllPlain()
{
    for (ThumbnailTile *tile : std::as_const(m_tiles))
        tile->setBackground(StripLayout::plainTileColour());
}

int ThumbnailStrip::selectedIndex() const
{
    for (qsizetype i = m_tiles.size() - 1; i >= 0; --i) {
        if (m_tiles.at(i)->looksSelected())
            return int(i);
    }
    return -1;
}
