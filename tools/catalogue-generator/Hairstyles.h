#pragma once

#include <QImage>
#include <QString>

#include <vector>

struct Hairstyle
{
    QString category;
    QString name;
    QImage bitmap; // 229 x 312, 24-bit, key colour around the hair
};

// Every hairstyle of the shipped catalogue, drawn afresh (the same pixels on every run).
std::vector<Hairstyle> drawHairstyles();

// The thumbnail of a hairstyle: laid on a neutral head, 150 x 180.
QImage thumbnailFor(const QImage &bitmap);

// Writes <data>/<category>/<name>.bmp and <data>/<category>/Náhled/<name>.jpg for each.
bool writeCatalogue(const QString &dataFolder);
