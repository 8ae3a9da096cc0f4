#pragma once

#include <QString>

// Paths and names of the catalogue tree. Paths are texts joined as they stand: nothing is
// normalised, and an empty category name leaves a doubled separator in the path.
namespace CatalogueNaming {

// The thumbnail folder's name, precomposed á as the shipped catalogue spells it.
QString thumbnailFolderName();

// application folder + "/data/"
QString dataFolder(const QString &applicationFolder);
// data folder + category + "/"
QString categoryFolder(const QString &applicationFolder, const QString &category);
// data folder + category + "/Náhled"
QString thumbnailFolder(const QString &applicationFolder, const QString &category);

// A tile's caption: the thumbnail's file name without its last four characters.
QString tileCaption(const QString &thumbnailFileName);
// The hairstyle bitmap's file name: the same stem as the caption, then ".bmp", so that
// "Bob.2.jpg" leads to "Bob.2.bmp".
QString hairstyleFileName(const QString &thumbnailFileName);
// category folder + hairstyle file name.
QString hairstylePath(const QString &applicationFolder, const QString &category, const QString &thumbnailFileName);

// The file to read for a hairstyle path: the path itself when that file exists, else the
// one file of its folder whose name matches ignoring letter case (catalogues are made on
// systems that do not tell "MIKADO.bmp" from "Mikado.bmp"); else the path unchanged, so that
// reading it reports the missing file under the name that was asked for.
QString findHairstyleBitmap(const QString &path);

} // namespace CatalogueNaming
