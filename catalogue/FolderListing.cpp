#include "catalogue/FolderListing.h"

#include "platform/PlatformError.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

bool isHidden(const QString &name)
{
    return name.startsWith(QLatin1Char('.'));
}

QStringList visible(const QStringList &names)
{
    QStringList result;
    for (const QString &name : names) {
        if (!isHidden(name))
            result.append(name);
    }
    FolderListing::sortNames(result);
    return result;
}

// The root, then one entry per piece of the path, the folder's own name last.
QStringList pathEntries(const QString &folder)
{
    QStringList entries{QStringLiteral("/")};
    const QStringList pieces = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    entries.append(pieces);
    return entries;
}

} // namespace

void FolderListing::sortNames(QStringList &names)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
}

void FolderListing::list(const QString &path)
{
    if (path.isEmpty() || path == m_listedFolder)
        return;

    // Check before moving, so that a refused folder leaves the working folder alone.
    const QFileInfo target(path);
    if (!target.exists() || !target.isDir())
        throw PlatformError(QStringLiteral("File not found"));
    if (!target.isExecutable() || !target.isReadable() || !QDir::setCurrent(path))
        throw PlatformError(QStringLiteral("Access denied"));

    const QString listed = QDir::currentPath();
    const QDir folder(listed);
    const QStringList subFolders = visible(folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort));

    m_listedFolder = listed;
    m_subFolders = subFolders;
    m_entries = pathEntries(listed) + subFolders;

    if (listed != m_fileListFolder) {
        // Name filters of QDir ignore letter case unless told otherwise.
        m_thumbnails = visible(folder.entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::NoSort));
        m_fileListFolder = listed;
    }
}
