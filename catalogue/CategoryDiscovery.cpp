#include "catalogue/CategoryDiscovery.h"

#include "catalogue/CatalogueNaming.h"
#include "catalogue/FolderListing.h"

#include <QFileInfo>

CategoryList discoverCategories(FolderListing &listing, const QString &applicationFolder)
{
    const QString dataPath = CatalogueNaming::dataFolder(applicationFolder);
    if (!QFileInfo(dataPath).isDir())
        return {};
    listing.list(dataPath);
    return {true, listing.subFolders()};
}
