#pragma once

#include "catalogue/FolderListing.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class ThumbnailTile;
class QWidget;

// The tiles of the thumbnail strip, in creation order, inside the strip's content widget,
// and the folder listing that finds the thumbnails. Selection lives only in the tiles'
// colours.
class ThumbnailStrip : public QObject
{
    Q_OBJECT

public:
    // Reads one thumbnail file into a picture; raises PlatformError when it cannot.
    using Decoder = std::function<QImage(const QString &path)>;

    struct Failure
    {
        QString path;
        QString message;
    };

    explicit ThumbnailStrip(QWidget *content, QObject *parent = nullptr);

    FolderListing &listing() { return m_listing; }

    // By default thumbnails are decoded straight to the smallest size covering 60 x 72.
    void setDecoder(Decoder decoder);

    // Destroys every tile.
    void clear();

    // Adds one tile per file name, in order, each with the thumbnail folder + "/" + name
    // decoded into its picture, and sizes the content widget to the rows. A thumbnail
    // that cannot be decoded gets `blank`; the failures are returned in order. New tiles
    // show the selected-tile colour until setAllPlain().
    QList<Failure> build(const QString &folder, const QStringList &fileNames, const QImage &blank);

    const QList<ThumbnailTile *> &tiles() const { return m_tiles; }
    ThumbnailTile *tileAt(int index) const;

    void setAllPlain();
    // The last tile in creation order that shows the selected-tile colour; -1 for none.
    int selectedIndex() const;

Q_SIGNALS:
    // A tile or a tile's picture was clicked.
    void clicked(QWidget *sender);

private:
    QWidget *m_content;
    FolderListing m_listing;
    Decoder m_decoder;
    QList<ThumbnailTile *> m_tiles;
};
