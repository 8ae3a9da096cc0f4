// The shipped catalogue and resources as the program reads them: the category folders with
// their thumbnail folders, hairstyle bitmaps whose surroundings are one key colour, and every
// icon and portrait listed in the resource file.

#include <gtest/gtest.h>

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QXmlStreamReader>

#include <cmath>
#include <ostream>
#include <set>

namespace {

QDir sourceDir()
{
    return QDir(qEnvironmentVariable("KADELO_SOURCE_DIR"));
}

QDir dataDir()
{
    return QDir(sourceDir().filePath(QStringLiteral("data")));
}

const QString ThumbnailFolder = QStringLiteral("Náhled");

QStringList categories()
{
    return dataDir().entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

struct HairstyleCase
{
    QString category;
    QString bitmap; // path
};

void PrintTo(const HairstyleCase &c, std::ostream *os)
{
    *os << c.bitmap.toStdString();
}

std::vector<HairstyleCase> allHairstyles()
{
    std::vector<HairstyleCase> cases;
    for (const QString &category : categories()) {
        const QDir folder(dataDir().filePath(category));
        for (const QString &name : folder.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name))
            cases.push_back({category, folder.filePath(name)});
    }
    return cases;
}

int bitsPerPixel(const QString &bmpPath)
{
    QFile file(bmpPath);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray header = file.read(30);
    if (header.size() < 30 || !header.startsWith("BM"))
        return -1;
    return static_cast<unsigned char>(header[28]) | (static_cast<unsigned char>(header[29]) << 8);
}

TEST(ShippedCatalogue, HasCzechCategoriesWithAThumbnailForEveryHairstyle)
{
    const QStringList names = categories();
    ASSERT_GE(names.size(), 3) << qPrintable(dataDir().path());
    for (const QString &category : names) {
        SCOPED_TRACE(category.toStdString());
        EXPECT_EQ(category, category.normalized(QString::NormalizationForm_C));
        const QDir folder(dataDir().filePath(category));
        const QDir thumbnails(folder.filePath(ThumbnailFolder));
        ASSERT_TRUE(thumbnails.exists());

        std::set<QString> bitmapStems, thumbnailStems;
        for (const QString &name : folder.entryList({QStringLiteral("*.bmp")}, QDir::Files))
            bitmapStems.insert(QFileInfo(name).completeBaseName());
        for (const QString &name : thumbnails.entryList(QDir::Files)) {
            // Only ".jpg" thumbnails are listed by the program; a thumbnail's bitmap is its
            // name without the last four characters, plus ".bmp".
            EXPECT_TRUE(name.endsWith(QLatin1String(".jpg"))) << name.toStdString();
            EXPECT_EQ(name, name.normalized(QString::NormalizationForm_C));
            EXPECT_EQ(name.count(QLatin1Char('.')), 1) << name.toStdString();
            thumbnailStems.insert(name.chopped(4));
        }
        EXPECT_GE(bitmapStems.size(), 5u);
        EXPECT_EQ(bitmapStems, thumbnailStems);
    }
}

TEST(ShippedCatalogue, CategoryNamesCarryCzechDiacritics)
{
    bool accented = false;
    for (const QString &category : categories())
        accented = accented || category != category.normalized(QString::NormalizationForm_D);
    EXPECT_TRUE(accented);
}

TEST(ShippedCatalogue, ThumbnailsAreJpegsLargeEnoughForTheirTiles)
{
    for (const QString &category : categories()) {
        const QDir thumbnails(dataDir().filePath(category + QLatin1Char('/') + ThumbnailFolder));
        for (const QString &name : thumbnails.entryList(QDir::Files)) {
            QImageReader reader(thumbnails.filePath(name));
            EXPECT_EQ(reader.format(), "jpeg") << name.toStdString();
            const QSize size = reader.size();
            EXPECT_GE(size.width(), 120) << name.toStdString();
            EXPECT_GE(size.height(), 144) << name.toStdString();
            EXPECT_FALSE(reader.read().isNull()) << name.toStdString();
        }
    }
}

class ShippedHairstyle : public testing::TestWithParam<HairstyleCase>
{};

TEST_P(ShippedHairstyle, IsA24BitBitmapOfTheLayerSize)
{
    EXPECT_EQ(bitsPerPixel(GetParam().bitmap), 24);
    const QImage image(GetParam().bitmap, "BMP");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(229, 312));
}

// The bottom-left pixel is the transparent colour: it must surround the hair, leave the face
// free where the guide lines cross it, and never occur in the hair, not even as a blend with
// it at the outline (a fringe of near-key pixels would show round every hairstyle).
TEST_P(ShippedHairstyle, KeyColourSurroundsTheHairAndLeavesTheFaceFree)
{
    const QImage image = QImage(GetParam().bitmap, "BMP").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    const QRgb key = image.pixel(0, image.height() - 1);
    EXPECT_EQ(image.pixel(0, 0), key) << "top-left corner";
    EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), key) << "bottom-right corner";

    // Eyes on row 160, mouth on row 218, nose on column 115.
    const QPoint face[] = {{115, 160}, {90, 160}, {140, 160}, {115, 190}, {115, 218}, {100, 230}, {130, 230}};
    for (const QPoint &p : face)
        EXPECT_EQ(image.pixel(p), key) << "face at " << p.x() << "," << p.y();

    int hair = 0;
    int nearKey = 0;
    int noGreen = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (c == key)
                continue;
            ++hair;
            const double distance =
                std::hypot(std::hypot(qRed(c) - qRed(key), qGreen(c) - qGreen(key)), qBlue(c) - qBlue(key));
            nearKey += distance < 120 ? 1 : 0;
            // A tint adds to every channel; hair with green 0 would match the tinted magenta key.
            noGreen += qGreen(c) == 0 ? 1 : 0;
        }
    }
    EXPECT_GT(hair, image.width() * image.height() / 12) << "too little hair";
    EXPECT_EQ(nearKey, 0) << "hair pixels close to the key colour";
    EXPECT_EQ(noGreen, 0) << "hair pixels without green";
}

// The hair reaches above the eyes on both sides of the face, as any hairstyle does.
TEST_P(ShippedHairstyle, FramesTheFaceOnTheGuideLines)
{
    const QImage image = QImage(GetParam().bitmap, "BMP").convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    const QRgb key = image.pixel(0, image.height() - 1);
    auto hairIn = [&](QRect r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (image.pixel(x, y) != key)
                    return true;
        return false;
    };
    EXPECT_TRUE(hairIn(QRect(105, 20, 20, 80))) << "no hair over the middle of the head";
    EXPECT_TRUE(hairIn(QRect(30, 90, 30, 60))) << "no hair at the left temple";
    EXPECT_TRUE(hairIn(QRect(170, 90, 30, 60))) << "no hair at the right temple";
}

std::string hairstyleName(const testing::TestParamInfo<HairstyleCase> &info)
{
    // Test names allow only ASCII letters, digits and underscores.
    const QString text = info.param.category + QLatin1Char('_') + QFileInfo(info.param.bitmap).completeBaseName();
    std::string name;
    for (QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber() && c.unicode() < 128)
            name += static_cast<char>(c.unicode());
        else if (c == QLatin1Char(' ') || c == QLatin1Char('_'))
            name += '_';
    }
    return name + "_" + std::to_string(info.index);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, ShippedHairstyle, testing::ValuesIn(allHairstyles()), hairstyleName);

QStringList resourceFiles()
{
    QFile qrc(sourceDir().filePath(QStringLiteral("resources/kadelo.qrc")));
    if (!qrc.open(QIODevice::ReadOnly))
        return {};
    QStringList files;
    QXmlStreamReader xml(&qrc);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("file"))
            files << xml.readElementText();
    }
    return files;
}

TEST(ShippedResources, ListEveryIconAndPortraitThatExists)
{
    const QStringList listed = resourceFiles();
    ASSERT_FALSE(listed.isEmpty());
    const QDir resources(sourceDir().filePath(QStringLiteral("resources")));
    for (const QString &file : listed)
        EXPECT_TRUE(QFileInfo::exists(resources.filePath(file))) << file.toStdString();
    for (const QString &folder : {QStringLiteral("icons"), QStringLiteral("photos")}) {
        const QDir dir(resources.filePath(folder));
        for (const QString &name : dir.entryList({QStringLiteral("*.png"), QStringLiteral("*.jpg")}, QDir::Files))
            EXPECT_TRUE(listed.contains(folder + QLatin1Char('/') + name)) << "not listed: " << name.toStdString();
    }
}

struct IconCase
{
    const char *name;
    int size;
};

void PrintTo(const IconCase &c, std::ostream *os)
{
    *os << c.name << " " << c.size << "x" << c.size;
}

class ShippedIcon : public testing::TestWithParam<IconCase>
{};

TEST_P(ShippedIcon, HasItsSizeAndATransparentBackground)
{
    const QString path =
        sourceDir().filePath(QStringLiteral("resources/icons/%1.png").arg(QLatin1String(GetParam().name)));
    const QImage icon(path);
    ASSERT_FALSE(icon.isNull()) << path.toStdString();
    EXPECT_EQ(icon.size(), QSize(GetParam().size, GetParam().size));
    EXPECT_TRUE(icon.hasAlphaChannel());
    // Drawn on nothing: at least one corner shows what lies under the button.
    const int last = GetParam().size - 1;
    const int clearCorners = (qAlpha(icon.pixel(0, 0)) == 0) + (qAlpha(icon.pixel(last, 0)) == 0) +
                             (qAlpha(icon.pixel(0, last)) == 0) + (qAlpha(icon.pixel(last, last)) == 0);
    EXPECT_GE(clearCorners, 1);
}

INSTANTIATE_TEST_SUITE_P(Icons, ShippedIcon,
                         testing::Values(IconCase{"blank-page", 16}, IconCase{"open-folder", 16},
                                         IconCase{"zoom-in", 16}, IconCase{"reset", 16}, IconCase{"zoom-out", 16},
                                         IconCase{"guide-lines", 16}, IconCase{"photos", 16}, IconCase{"floppy", 16},
                                         IconCase{"export", 16}, IconCase{"delete", 16}, IconCase{"printer", 16},
                                         IconCase{"printer-all", 16}, IconCase{"mail", 16},
                                         IconCase{"colour-reset", 16}, IconCase{"arrow-left", 20},
                                         IconCase{"arrow-right", 20}, IconCase{"arrow-up", 20},
                                         IconCase{"arrow-down", 20}, IconCase{"reset-large", 20},
                                         IconCase{"arrow-orange-up", 24}, IconCase{"arrow-orange-down", 24},
                                         IconCase{"export-dialog", 24}, IconCase{"kadelo", 48}),
                         [](const testing::TestParamInfo<IconCase> &info) {
                             std::string name = info.param.name;
                             for (char &c : name)
                                 c = c == '-' ? '_' : c;
                             return name;
                         });

struct PortraitCase
{
    const char *file;
    int width;
    int height;
};

void PrintTo(const PortraitCase &c, std::ostream *os)
{
    *os << c.file << " " << c.width << "x" << c.height;
}

class ShippedPortrait : public testing::TestWithParam<PortraitCase>
{};

TEST_P(ShippedPortrait, IsAJpegOfItsSize)
{
    QImageReader reader(
        sourceDir().filePath(QStringLiteral("resources/photos/%1").arg(QLatin1String(GetParam().file))));
    EXPECT_EQ(reader.format(), "jpeg");
    EXPECT_EQ(reader.size(), QSize(GetParam().width, GetParam().height));
    EXPECT_FALSE(reader.read().isNull());
}

INSTANTIATE_TEST_SUITE_P(Photos, ShippedPortrait,
                         testing::Values(PortraitCase{"startup.jpg", 228, 314}, PortraitCase{"default.jpg", 230, 320}),
                         [](const testing::TestParamInfo<PortraitCase> &info) {
                             return std::string(info.param.file).substr(0, std::string(info.param.file).find('.'));
                         });

TEST(ShippedResources, DesktopIconSizesAreDrawn)
{
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(
            sourceDir().filePath(QStringLiteral("resources/icons/hicolor/%1x%1/apps/kadelo.png").arg(size)));
        EXPECT_EQ(icon.size(), QSize(size, size)) << size;
    }
}

} // namespace
