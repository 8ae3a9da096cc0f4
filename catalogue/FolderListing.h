#pragma once

#include <QString>
#include <QStringList>

// Lists one catalogue folder at a time, as the main window's hidden folder and file lists
// did: the folder's path entries and sub-folders, and its thumbnails. Listing a folder
// makes it the process's working folder and leaves it there.
class FolderListing
{
public:
    // Lists `path`. Nothing happens when the path is empty or the same text as the
    // folder listed last. A folder that is missing or cannot be entered raises a
    // PlatformError ("File not found", "Access denied") and changes nothing, the working
    // folder included.
    void list(const QString &path);

    // The listed folder as the system reports it, without a trailing "/" (except "/").
    const QString &listedFolder() const { return m_listedFolder; }

    // The root, one entry per folder on the path below it, outermost first, the listed
    // folder's own name, then its sub-folders (see subFolders()).
    const QStringList &entries() const { return m_entries; }

    // The listed folder's own sub-folders, hidden ones ("." names) left out, sorted
    // alphabetically without regard to letter case.
    const QStringList &subFolders() const { return m_subFolders; }

    // Files of the folder the file list last read whose names match "*.jpg" in any letter
    // case, hidden ones left out, sorted alphabetically without regard to letter case.
    const QStringList &thumbnails() const { return m_thumbnails; }

    // Sorting used for every list: the user's locale collation, ignoring letter case;
    // names equal under it keep a fixed order by their exact spelling.
    static void sortNames(QStringList &names);

private:
    QString m_listedFolder;
    QStringList m_entries;
    QStringList m_subFolders;
    QString m_fileListFolder;
    QStringList m_thumbnails;
};
