#pragma once

#include <QString>
#include <QStringList>

class FolderListing;

struct CategoryList
{
    // The data folder was found and listed; the first category is then selected.
    bool dataFolderFound = false;
    QStringList categories;
};

// Finds the categories below the application folder: the data folder's own sub-folders,
// in sorted order. Folders on the path above it never count, even one named "data".
// Lists the data folder when it exists (moving the working folder there); a data folder
// that exists but cannot be entered raises the listing's error.
CategoryList discoverCategories(FolderListing &listing, const QString &applicationFolder);
