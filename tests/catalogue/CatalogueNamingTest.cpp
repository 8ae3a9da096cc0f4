#include "catalogue/CatalogueNaming.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

struct NamingRow
{
    const char *description;
    const char *thumbnail;
    const char *caption;
    const char *bitmap;
};

void PrintTo(const NamingRow &row, std::ostream *out)
{
    *out << row.description;
}

class NamingRules : public testing::TestWithParam<NamingRow>
{};

TEST_P(NamingRules, CaptionAndBitmapShareTheStem)
{
    const NamingRow &row = GetParam();
    EXPECT_EQ(CatalogueNaming::tileCaption(QString::fromUtf8(row.thumbnail)), QString::fromUtf8(row.caption));
    EXPECT_EQ(CatalogueNaming::hairstyleFileName(QString::fromUtf8(row.thumbnail)), QString::fromUtf8(row.bitmap));
}

INSTANTIATE_TEST_SUITE_P(Thumbnails, NamingRules,
                         testing::Values(NamingRow{"Plain", "Mikado.jpg", "Mikado", "Mikado.bmp"},
                                         NamingRow{"UpperCase", "MIKADO.JPG", "MIKADO", "MIKADO.bmp"},
                                         NamingRow{"TwoDots", "Bob.2.jpg", "Bob.2", "Bob.2.bmp"},
                                         NamingRow{"Accented", "Účes.jpg", "Účes", "Účes.bmp"},
                                         NamingRow{"OneLetter", "x.jpg", "x", "x.bmp"}),
                         [](const testing::TestParamInfo<NamingRow> &info) { return info.param.description; });

TEST(CataloguePaths, AreJoinedAsTextsWithPrecomposedThumbnailFolder)
{
    EXPECT_EQ(CatalogueNaming::thumbnailFolder(QStringLiteral("/salon"), QStringLiteral("Dámské")),
              QStringLiteral(u"/salon/data/D\u00e1msk\u00e9/N\u00e1hled"));
    // No category selected: the empty name leaves a doubled separator.
    EXPECT_EQ(CatalogueNaming::thumbnailFolder(QStringLiteral("/salon"), QString()),
              QStringLiteral(u"/salon/data//N\u00e1hled"));
    EXPECT_EQ(
        CatalogueNaming::hairstylePath(QStringLiteral("/salon"), QStringLiteral("Panske"), QStringLiteral("Bob.2.jpg")),
        QStringLiteral("/salon/data/Panske/Bob.2.bmp"));
}

TEST(HairstyleLookup, PrefersExactNameThenMatchesIgnoringCase)
{
    TempFolder temp;
    const QString exact = temp.writeFile(QStringLiteral("cat/Mikado.bmp"), "x");
    temp.writeFile(QStringLiteral("cat/MIKADO.BMP"), "x");
    const QString other = temp.writeFile(QStringLiteral("cat/bob.BMP"), "x");

    EXPECT_EQ(CatalogueNaming::findHairstyleBitmap(exact), exact);
    EXPECT_EQ(CatalogueNaming::findHairstyleBitmap(temp.file(QStringLiteral("cat/Bob.bmp"))), other);
    const QString missing = temp.file(QStringLiteral("cat/Mullet.bmp"));
    EXPECT_EQ(CatalogueNaming::findHairstyleBitmap(missing), missing);
    const QString noFolder = temp.file(QStringLiteral("none/Bob.bmp"));
    EXPECT_EQ(CatalogueNaming::findHairstyleBitmap(noFolder), noFolder);
}

} // namespace
