#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

class PictureBox;
class QLabel;

// One tile of the thumbnail strip: a raised panel of 90 x 100 holding the thumbnail
// (stretched to 60 x 72) and its caption. A click on the panel or on the picture reports
// that control as the sender; the caption takes no clicks. The tile, its picture and its
// caption carry the strip mark in their "tag" property.
class ThumbnailTile : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(int index READ index CONSTANT)

public:
    ThumbnailTile(int index, const QString &fileName, const QImage &thumbnail, QWidget *parent);

    // Position in the strip, from 0; it is also the tile's hidden caption.
    int index() const { return m_index; }
    // The thumbnail's file name with its extension (the tool tip of tile and picture).
    const QString &fileName() const { return m_fileName; }

    PictureBox *picture() const { return m_picture; }
    QLabel *captionLabel() const { return m_caption; }

    QColor background() const;
    void setBackground(const QColor &colour);
    // A tile is selected exactly when it shows the selected-tile colour.
    bool looksSelected() const;

    // The tile that `control` belongs to: the control itself when it is a tile, the tile
    // holding it when it is a tile's picture; else nullptr.
    static ThumbnailTile *of(QWidget *control);

Q_SIGNALS:
    void clicked(QWidget *sender);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_index;
    QString m_fileName;
    PictureBox *m_picture;
    QLabel *m_caption;
    bool m_pressInside = false;
};
