#include "catalogue/FolderListing.h"
#include "catalogue/CategoryDiscovery.h"
#include "platform/PlatformError.h"
#include "tests/support/ErrorText.h"
#include "tests/support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

QStringList pathPieces(const QString &folder)
{
    return QStringList{QStringLiteral("/")} + folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

TEST(FolderListing, ListsPathThenVisibleSubFoldersSortedIgnoringCase)
{
    TempFolder temp;
    for (const char *name : {"Panske", "damske", "Detske", ".hidden", "Data", "Náhled"})
        temp.makeFolder(QStringLiteral("data/") + QString::fromUtf8(name));
    temp.writeFile(QStringLiteral("data/readme.txt"), "not a folder");
    const QString data = QDir(temp.path()).canonicalPath() + QStringLiteral("/data");

    FolderListing listing;
    listing.list(data + QLatin1Char('/'));

    EXPECT_EQ(listing.listedFolder(), data);
    EXPECT_EQ(QDir::currentPath(), data);
    const QStringList subFolders{QStringLiteral("damske"), QStringLiteral("Data"), QStringLiteral("Detske"),
                                 QStringLiteral("Náhled"), QStringLiteral("Panske")};
    EXPECT_EQ(listing.subFolders(), subFolders);
    EXPECT_EQ(listing.entries(), pathPieces(data) + subFolders);
}

TEST(FolderListing, ThumbnailsAreJpgFilesInAnyCaseWithoutHiddenOnes)
{
    TempFolder temp;
    for (const char *name : {"b.JPG", "A.jpg", "c.Jpg", "d.png", ".e.jpg", "g.jpeg", "h.jpg.txt", "Účes.jpg"})
        temp.writeFile(QStringLiteral("thumbs/") + QString::fromUtf8(name), "x");
    temp.makeFolder(QStringLiteral("thumbs/f.jpg"));

    FolderListing listing;
    listing.list(temp.file(QStringLiteral("thumbs")));

    EXPECT_EQ(listing.thumbnails(), (QStringList{QStringLiteral("A.jpg"), QStringLiteral("b.JPG"),
                                                 QStringLiteral("c.Jpg"), QStringLiteral("Účes.jpg")}));
    EXPECT_EQ(listing.subFolders(), QStringList{QStringLiteral("f.jpg")});
}

TEST(FolderListing, RefusedFolderChangesNothing)
{
    TempFolder temp;
    temp.writeFile(QStringLiteral("good/A.jpg"), "x");
    temp.writeFile(QStringLiteral("plain.jpg"), "x");
    FolderListing listing;
    listing.list(temp.file(QStringLiteral("good")));
    const QString listed = listing.listedFolder();
    const QStringList entries = listing.entries();

    for (const QString &bad : {temp.file(QStringLiteral("missing")), temp.file(QStringLiteral("plain.jpg"))}) {
        SCOPED_TRACE(bad.toStdString());
        EXPECT_EQ(errorOf([&] { listing.list(bad); }), QStringLiteral("File not found"));
        EXPECT_EQ(listing.listedFolder(), listed);
        EXPECT_EQ(listing.entries(), entries);
        EXPECT_EQ(listing.thumbnails(), QStringList{QStringLiteral("A.jpg")});
        EXPECT_EQ(QDir::currentPath(), listed);
    }
}

TEST(FolderListing, UnenterableFolderIsRefused)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    TempFolder temp;
    const QString locked = temp.makeFolder(QStringLiteral("locked"));
    QFile::setPermissions(locked, QFileDevice::Permissions());
    FolderListing listing;
    EXPECT_EQ(errorOf([&] { listing.list(locked); }), QStringLiteral("Access denied"));
    EXPECT_EQ(QDir::currentPath(), temp.path());
    EXPECT_TRUE(listing.listedFolder().isEmpty());
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// Listing the folder that is already listed reads nothing again and moves nothing.
TEST(FolderListing, SameTextAgainReadsNothing)
{
    TempFolder temp;
    temp.writeFile(QStringLiteral("thumbs/A.jpg"), "x");
    FolderListing listing;
    listing.list(temp.file(QStringLiteral("thumbs")));
    temp.writeFile(QStringLiteral("thumbs/B.jpg"), "x");
    QDir::setCurrent(temp.path());

    listing.list(listing.listedFolder());
    EXPECT_EQ(listing.thumbnails(), QStringList{QStringLiteral("A.jpg")});
    EXPECT_EQ(QDir::currentPath(), temp.path());

    listing.list(temp.file(QStringLiteral("thumbs/")));
    EXPECT_EQ(listing.thumbnails(), QStringList{QStringLiteral("A.jpg")}) << "same folder, file list kept";
    EXPECT_EQ(QDir::currentPath(), listing.listedFolder());
}

TEST(FolderListing, SortsAccentedNamesByCollation)
{
    QStringList names{QStringLiteral("Pánské"), QStringLiteral("dětské"), QStringLiteral("Dámské"),
                      QStringLiteral("MIKADO.JPG"), QStringLiteral("Mikado.jpg")};
    FolderListing::sortNames(names);
    EXPECT_EQ(names, (QStringList{QStringLiteral("Dámské"), QStringLiteral("dětské"), QStringLiteral("MIKADO.JPG"),
                                  QStringLiteral("Mikado.jpg"), QStringLiteral("Pánské")}));
}

struct DiscoveryRow
{
    const char *description;
    QStringList folders; // made below the test folder
    QStringList files;
    QString applicationFolder; // below the test folder
    bool found;
    QStringList categories;
};

void PrintTo(const DiscoveryRow &row, std::ostream *out)
{
    *out << row.description;
}

class CategoryDiscovery : public testing::TestWithParam<DiscoveryRow>
{};

TEST_P(CategoryDiscovery, FindsOnlyTheDataFoldersOwnSubFolders)
{
    const DiscoveryRow &row = GetParam();
    TempFolder temp;
    for (const QString &folder : row.folders)
        temp.makeFolder(folder);
    for (const QString &file : row.files)
        temp.writeFile(file, "x");
    const QString application = temp.makeFolder(row.applicationFolder);

    FolderListing listing;
    const CategoryList result = discoverCategories(listing, application);

    EXPECT_EQ(result.dataFolderFound, row.found);
    EXPECT_EQ(result.categories, row.categories);
    if (row.found)
        EXPECT_EQ(QDir::currentPath(), QDir(application + QStringLiteral("/data")).canonicalPath());
    else
        EXPECT_EQ(QDir::currentPath(), temp.path()) << "nothing listed, working folder kept";
}

QStringList L(std::initializer_list<const char *> items)
{
    QStringList list;
    for (const char *item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

INSTANTIATE_TEST_SUITE_P(
    Trees, CategoryDiscovery,
    testing::Values(DiscoveryRow{"SortedIgnoringCase",
                                 L({"app/data/Panske", "app/data/damske", "app/data/Detske"}),
                                 {},
                                 QStringLiteral("app"),
                                 true,
                                 L({"damske", "Detske", "Panske"})},
                    DiscoveryRow{"HiddenFolderLeftOut",
                                 L({"app/data/.svn", "app/data/Panske"}),
                                 {},
                                 QStringLiteral("app"),
                                 true,
                                 L({"Panske"})},
                    DiscoveryRow{"DataAndNahledAreCategories",
                                 L({"app/data/DATA", "app/data/Náhled", "app/data/Panske"}),
                                 {},
                                 QStringLiteral("app"),
                                 true,
                                 L({"DATA", "Náhled", "Panske"})},
                    DiscoveryRow{"FilesAreNotCategories", L({"app/data/Panske"}), L({"app/data/readme.txt"}),
                                 QStringLiteral("app"), true, L({"Panske"})},
                    DiscoveryRow{"BelowFolderNamedData",
                                 L({"Data/Salon/data/Panske", "Data/Salon/data/damske"}),
                                 {},
                                 QStringLiteral("Data/Salon"),
                                 true,
                                 L({"damske", "Panske"})},
                    DiscoveryRow{"BelowFolderNamedLowerData",
                                 L({"data/Salon/data/Panske"}),
                                 {},
                                 QStringLiteral("data/Salon"),
                                 true,
                                 L({"Panske"})},
                    DiscoveryRow{"EmptyDataFolder", L({"app/data"}), {}, QStringLiteral("app"), true, {}},
                    DiscoveryRow{"NoDataFolder", L({"app/Data2"}), {}, QStringLiteral("app"), false, {}},
                    DiscoveryRow{"DataIsAFile", {}, L({"app/data"}), QStringLiteral("app"), false, {}}),
    [](const testing::TestParamInfo<DiscoveryRow> &info) { return info.param.description; });

} // namespace
