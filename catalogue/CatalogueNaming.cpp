#include "catalogue/CatalogueNaming.h"

#include <QDir>
#include <QFileInfo>

namespace CatalogueNaming {

QString thumbnailFolderName()
{
    return QStringLiteral(u"N\u00e1hled");
}

QString dataFolder(const QString &applicationFolder)
{
    return applicationFolder + QStringLiteral("/data/");
}

QString categoryFolder(const QString &applicationFolder, const QString &category)
{
    return dataFolder(applicationFolder) + category + QLatin1Char('/');
}

QString thumbnailFolder(const QString &applicationFolder, const QString &category)
{
    return categoryFolder(applicationFolder, category) + thumbnailFolderName();
}

QString tileCaption(const QString &thumbnailFileName)
{
    return thumbnailFileName.left(qMax(0, thumbnailFileName.size() - 4));
}

QString hairstyleFileName(const QString &thumbnailFileName)
{
    return tileCaption(thumbnailFileName) + QStringLiteral(".bmp");
}

QString hairstylePath(const QString &applicationFolder, const QString &category, const QString &thumbnailFileName)
{
    return categoryFolder(applicationFolder, category) + hairstyleFileName(thumbnailFileName);
}

QString findHairstyleBitmap(const QString &path)
{
    const QFileInfo exact(path);
    if (exact.exists())
        return path;
    const QString wanted = exact.fileName();
    const QDir folder = exact.dir();
    QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString &name : names) {
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    }
    return path;
}

} // namespace CatalogueNaming
