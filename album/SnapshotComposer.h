#pragma once

#include <QImage>
#include <QRgb>
#include <optional>

// One layer of the fitting area as the composition reads it: its picture and its rectangle
// in fitting-area pixels (signed, unbounded; a width or height of zero or less draws
// nothing), and for the hairstyle the key colour that lets what lies below show through.
struct ComposeLayer
{
    QImage picture;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<QRgb> key;
};

// Composes a snapshot: a white 229 x 312 picture (RGB888), the photo stretched into its
// rectangle moved by (-17, -9), then the hairstyle stretched into its rectangle moved by
// (-18, -7.5 truncated toward zero), its key-coloured pixels left out. Stretching is plain
// nearest-neighbour sampling with exclusive right and bottom edges, the same on every
// machine; whatever falls outside the snapshot is cut off.
class SnapshotComposer
{
public:
    static constexpr int Width = 229;
    static constexpr int Height = 312;

    static QImage compose(const ComposeLayer &photo, const ComposeLayer &hairstyle);

    // The snapshot row where the hairstyle's top row lands: T - 7.5 truncated toward zero.
    static qint64 hairstyleTop(qint64 layerTop);
    static qint64 hairstyleLeft(qint64 layerLeft) { return layerLeft - 18; }

    // Draws source stretched to the rectangle (left, top, width, height) of target (RGB888),
    // skipping source pixels of the key colour.
    static void stretchDraw(QImage &target, const QImage &source, qint64 left, qint64 top, qint64 width, qint64 height,
                            std::optional<QRgb> key = std::nullopt);
};
