// The catalogue in the main window: categories at start, the thumbnail strip, selecting
// hairstyles by click and by the arrow buttons, and what survives each failure.
#include "catalogue/ThumbnailStrip.h"
#include "app/TFrmMain.h"
#include "catalogue/StripLayout.h"
#include "catalogue/ThumbnailTile.h"
#include "platform/PictureBox.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/StartedProgram.h"

#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QTest>
#include <QToolButton>

namespace {

const QString Nahled = QStringLiteral(u"N\u00e1hled");

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 90);
    return bytes;
}

// A thumbnail of 480 x 576: decoded at 1/8 it is exactly the 60 x 72 that it must cover.
QByteArray thumbnailJpeg(const QColor &colour)
{
    QImage image(480, 576, QImage::Format_RGB32);
    image.fill(colour);
    return encoded(image, "JPEG");
}

// A hairstyle bitmap told apart by its width: white surround, a red block of hair.
QByteArray hairstyleBmp(int width)
{
    QImage image(width, 30, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter(&image).fillRect(5, 5, 10, 10, Qt::red);
    return encoded(image, "BMP");
}

// Fills `category` with thumbnails and, for each, a hairstyle whose width is 40 + its
// index, unless `withBitmaps` is false.
void writeCategory(const TempFolder &folder, const QString &category, const QStringList &thumbnails,
                   bool withBitmaps = true)
{
    folder.makeFolder(QStringLiteral("data/") + category + QLatin1Char('/') + Nahled);
    for (int i = 0; i < thumbnails.size(); ++i) {
        const QString &name = thumbnails.at(i);
        folder.writeFile(QStringLiteral("data/%1/%2/%3").arg(category, Nahled, name),
                         thumbnailJpeg(QColor::fromHsv(i * 60, 200, 200)));
        if (withBitmaps)
            folder.writeFile(QStringLiteral("data/%1/%2.bmp").arg(category, name.chopped(4)), hairstyleBmp(40 + i));
    }
}

const QStringList FiveThumbnails{QStringLiteral("A.jpg"), QStringLiteral("B.jpg"), QStringLiteral("C.jpg"),
                                 QStringLiteral("D.jpg"), QStringLiteral("E.jpg")};

// A catalogue tree in a fresh application folder, then the program's windows.
struct Started : StartedProgram
{
    using StartedProgram::StartedProgram;
    ThumbnailStrip &strip() { return *main().thumbnailStrip(); }
    QList<ThumbnailTile *> tiles() { return strip().tiles(); }
    // Index of the loaded hairstyle, from its width.
    int loaded() { return main().ImgUces->picture().width() - 40; }
    void show()
    {
        main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&main()));
    }
    void choose(const QString &category)
    {
        main().ComboBox->setCurrentIndex(main().ComboBox->findText(category));
        Q_EMIT main().ComboBox->activated(main().ComboBox->currentIndex());
    }
    QStringList errors() { return dialogs.texts(QStringLiteral("error")); }
};

bool allPlain(const QList<ThumbnailTile *> &tiles)
{
    return std::all_of(tiles.begin(), tiles.end(),
                       [](ThumbnailTile *tile) { return tile->background() == StripLayout::plainTileColour(); });
}

} // namespace

class ThumbnailStripTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startListsCategoriesAndBuildsTheFirstStrip();
    void tilesAreLaidOutTwoPerRow();
    void arrowButtonsMoveTheSelection_data();
    void arrowButtonsMoveTheSelection();
    void clicksOnATile_data();
    void clicksOnATile();
    void captionAndBitmapShareTheStem();
    void missingDataFolderIsReportedAtStart();
    void categoryWithoutThumbnailFolderBlanksTheStrip();
    void emptyThumbnailFolderShowsAnEmptyStrip();
    void damagedThumbnailGetsTheBlankPicture();
    void failedHairstyleKeepsTheLayerAndPlainTiles();
    void hairstyleIsKeyedByItsBottomLeftPixel_data();
    void hairstyleIsKeyedByItsBottomLeftPixel();
};

void ThumbnailStripTest::startListsCategoriesAndBuildsTheFirstStrip()
{
    Started s([](const TempFolder &folder) {
        writeCategory(folder, QStringLiteral("Panske"), {QStringLiteral("P.jpg")});
        writeCategory(folder, QStringLiteral("damske"), FiveThumbnails);
        writeCategory(folder, QStringLiteral("Detske"), {QStringLiteral("K.jpg")});
        folder.makeFolder(QStringLiteral("data/.cache/") + Nahled);
    });

    QVERIFY2(s.errors().isEmpty(), qPrintable(s.errors().join(QLatin1Char('\n'))));
    QStringList items;
    for (int i = 0; i < s.main().ComboBox->count(); ++i)
        items.append(s.main().ComboBox->itemText(i));
    QCOMPARE(items, (QStringList{QStringLiteral("damske"), QStringLiteral("Detske"), QStringLiteral("Panske")}));
    QCOMPARE(s.main().ComboBox->currentText(), QStringLiteral("damske"));

    // A is loaded, yet no tile looks selected.
    QCOMPARE(s.tiles().size(), 5);
    QCOMPARE(s.loaded(), 0);
    QVERIFY(allPlain(s.tiles()));
    QCOMPARE(s.strip().selectedIndex(), -1);
    QVERIFY(!s.main().ScrNahledy->isHidden());
    QCOMPARE(QDir::currentPath(), QDir(s.folder.file(QStringLiteral("data/damske/") + Nahled)).canonicalPath());

    s.choose(QStringLiteral("Panske"));
    QCOMPARE(s.tiles().size(), 1);
    QCOMPARE(s.tiles().first()->fileName(), QStringLiteral("P.jpg"));
    QCOMPARE(QDir::currentPath(), QDir(s.folder.file(QStringLiteral("data/Panske/") + Nahled)).canonicalPath());
}

void ThumbnailStripTest::tilesAreLaidOutTwoPerRow()
{
    Started s([](const TempFolder &folder) { writeCategory(folder, QStringLiteral("Cat"), FiveThumbnails); });

    const QList<QPoint> corners{{0, 0}, {90, 0}, {0, 100}, {90, 100}, {0, 200}};
    const QList<ThumbnailTile *> tiles = s.tiles();
    QCOMPARE(tiles.size(), corners.size());
    for (int i = 0; i < tiles.size(); ++i) {
        ThumbnailTile *tile = tiles.at(i);
        const QString name = FiveThumbnails.at(i);
        QCOMPARE(tile->parentWidget(), s.main().ScrNahledyContent);
        QCOMPARE(tile->geometry(), QRect(corners.at(i), QSize(90, 100)));
        QCOMPARE(tile->index(), i);
        QCOMPARE(tile->toolTip(), name);
        QCOMPARE(tile->picture()->geometry(), QRect(15, 3, 60, 72));
        QCOMPARE(tile->picture()->toolTip(), name);
        QVERIFY(!tile->picture()->isTransparent());
        QCOMPARE(tile->picture()->cursor().shape(), Qt::PointingHandCursor);
        // Decoded straight to the size that covers the picture, never at full size.
        QCOMPARE(tile->picture()->picture().size(), QSize(60, 72));
        QCOMPARE(tile->captionLabel()->geometry(), QRect(3, 81, 84, 17));
        QCOMPARE(tile->captionLabel()->text(), name.chopped(4));
        QCOMPARE(tile->captionLabel()->font().family(), QStringLiteral("Liberation Sans"));
        QVERIFY(tile->captionLabel()->font().bold());
        QCOMPARE(tile->captionLabel()->font().pointSize(), 8);
        for (QWidget *control : {static_cast<QWidget *>(tile), static_cast<QWidget *>(tile->picture()),
                                 static_cast<QWidget *>(tile->captionLabel())})
            QCOMPARE(control->property("tag").toInt(), StripLayout::StripMark);
    }
    QCOMPARE(s.main().ScrNahledyContent->height(), 300);

    // The strip mark is found on the strip's controls and nowhere else in the window.
    int marked = 0;
    for (QWidget *widget : s.main().findChildren<QWidget *>())
        marked += widget->property("tag").toInt() == StripLayout::StripMark;
    QCOMPARE(marked, 15);
}

void ThumbnailStripTest::arrowButtonsMoveTheSelection_data()
{
    // Steps: a digit clicks that tile, D is the down arrow, U the up arrow.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("loaded");

    QTest::newRow("down after rebuild selects tile 1") << QStringLiteral("D") << 1 << 1;
    QTest::newRow("up after rebuild does nothing") << QStringLiteral("U") << -1 << 0;
    QTest::newRow("tile 3 then down") << QStringLiteral("3D") << 4 << 4;
    QTest::newRow("down at the last tile does nothing") << QStringLiteral("4D") << 4 << 4;
    QTest::newRow("up at the first tile does nothing") << QStringLiteral("0U") << 0 << 0;
    QTest::newRow("up from tile 2") << QStringLiteral("2U") << 1 << 1;
    QTest::newRow("down twice then up") << QStringLiteral("DDU") << 1 << 1;
}

void ThumbnailStripTest::arrowButtonsMoveTheSelection()
{
    QFETCH(QString, steps);
    QFETCH(int, selected);
    QFETCH(int, loaded);

    Started s([](const TempFolder &folder) { writeCategory(folder, QStringLiteral("Cat"), FiveThumbnails); });
    for (QChar step : steps) {
        if (step == QLatin1Char('D'))
            s.main().RxSpeedButton2->click();
        else if (step == QLatin1Char('U'))
            s.main().RxSpeedButton1->click();
        else
            s.main().ThumbnailClick(s.tiles().at(step.digitValue()));
    }

    QCOMPARE(s.strip().selectedIndex(), selected);
    const auto isSelected = [](ThumbnailTile *tile) { return tile->looksSelected(); };
    const QList<ThumbnailTile *> tiles = s.tiles();
    QCOMPARE(std::count_if(tiles.begin(), tiles.end(), isSelected), selected < 0 ? 0 : 1);
    QCOMPARE(s.loaded(), loaded);
    QVERIFY(s.errors().isEmpty());
}

void ThumbnailStripTest::clicksOnATile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("loaded");

    QTest::newRow("margin") << QStringLiteral("margin") << 3 << 3;
    QTest::newRow("picture") << QStringLiteral("picture") << 3 << 3;
    QTest::newRow("caption label") << QStringLiteral("label") << -1 << 0;
}

void ThumbnailStripTest::clicksOnATile()
{
    QFETCH(QString, target);
    QFETCH(int, selected);
    QFETCH(int, loaded);

    Started s([](const TempFolder &folder) { writeCategory(folder, QStringLiteral("Cat"), FiveThumbnails); });
    s.show();
    ThumbnailTile *tile = s.tiles().at(3);
    if (target == QLatin1String("margin"))
        QTest::mouseClick(tile, Qt::LeftButton, {}, QPoint(6, 40));
    else if (target == QLatin1String("picture"))
        QTest::mouseClick(tile->picture(), Qt::LeftButton, {}, QPoint(30, 36));
    else
        QTest::mouseClick(tile->captionLabel(), Qt::LeftButton, {}, QPoint(42, 8));

    QCOMPARE(s.strip().selectedIndex(), selected);
    QCOMPARE(s.loaded(), loaded);
}

void ThumbnailStripTest::captionAndBitmapShareTheStem()
{
    Started s([](const TempFolder &folder) {
        folder.makeFolder(QStringLiteral("data/Cat/") + Nahled);
        folder.writeFile(QStringLiteral("data/Cat/%1/Bob.2.jpg").arg(Nahled), thumbnailJpeg(Qt::blue));
        folder.writeFile(QStringLiteral("data/Cat/%1/MIKADO.JPG").arg(Nahled), thumbnailJpeg(Qt::green));
        folder.writeFile(QStringLiteral("data/Cat/%1/plakat.png").arg(Nahled),
                         encoded(QImage(8, 8, QImage::Format_RGB32), "PNG"));
        folder.writeFile(QStringLiteral("data/Cat/Bob.2.bmp"), hairstyleBmp(40));
        folder.writeFile(QStringLiteral("data/Cat/Bobpg.bmp"), hairstyleBmp(49));
        // Written on a system that ignores letter case.
        folder.writeFile(QStringLiteral("data/Cat/mikado.bmp"), hairstyleBmp(41));
    });

    QVERIFY2(s.errors().isEmpty(), qPrintable(s.errors().join(QLatin1Char('\n'))));
    QCOMPARE(s.tiles().size(), 2);
    QCOMPARE(s.tiles().at(0)->captionLabel()->text(), QStringLiteral("Bob.2"));
    QCOMPARE(s.tiles().at(1)->captionLabel()->text(), QStringLiteral("MIKADO"));
    QCOMPARE(s.loaded(), 0);
    s.main().RxSpeedButton2->click();
    QCOMPARE(s.loaded(), 1);
    QVERIFY(s.errors().isEmpty());
}

void ThumbnailStripTest::missingDataFolderIsReportedAtStart()
{
    Started s([](const TempFolder &) {}); // no data folder at all

    QCOMPARE(s.errors(), QStringList{QStringLiteral("File not found")});
    QCOMPARE(s.main().ComboBox->count(), 0);
    QVERIFY(s.tiles().isEmpty());
    QVERIFY(s.main().ScrNahledy->isHidden());

    // The window stays usable: the arrows find nothing, a rebuild reports the same error.
    s.dialogs.clear();
    s.main().RxSpeedButton2->click();
    s.main().RxSpeedButton1->click();
    QVERIFY(s.errors().isEmpty());
    s.main().runCommand([&] { s.main().ComboBoxChange(); });
    QCOMPARE(s.errors(), QStringList{QStringLiteral("File not found")});
}

void ThumbnailStripTest::categoryWithoutThumbnailFolderBlanksTheStrip()
{
    Started s([](const TempFolder &folder) {
        writeCategory(folder, QStringLiteral("A"), FiveThumbnails);
        folder.writeFile(QStringLiteral("data/B/Mikado.bmp"), hairstyleBmp(48));
    });
    s.main().ThumbnailClick(s.tiles().at(2));
    const QImage hairstyle = s.main().ImgUces->picture();

    s.choose(QStringLiteral("B"));
    QCOMPARE(s.errors(), QStringList{QStringLiteral("File not found")});
    QVERIFY(s.tiles().isEmpty());
    QVERIFY(s.main().ScrNahledyContent->findChildren<ThumbnailTile *>().isEmpty());
    QVERIFY(s.main().ScrNahledy->isHidden());
    QCOMPARE(compareImages(s.main().ImgUces->picture(), hairstyle), QString());

    // The next choice builds again.
    s.choose(QStringLiteral("A"));
    QCOMPARE(s.tiles().size(), 5);
    QVERIFY(!s.main().ScrNahledy->isHidden());
    QCOMPARE(s.loaded(), 0);
}

void ThumbnailStripTest::emptyThumbnailFolderShowsAnEmptyStrip()
{
    Started s([](const TempFolder &folder) {
        writeCategory(folder, QStringLiteral("A"), FiveThumbnails);
        folder.makeFolder(QStringLiteral("data/B/") + Nahled);
        folder.writeFile(QStringLiteral("data/B/%1/notes.txt").arg(Nahled), "x");
    });
    s.main().RxSpeedButton2->click();

    s.choose(QStringLiteral("B"));
    QVERIFY2(s.errors().isEmpty(), qPrintable(s.errors().join(QLatin1Char('\n'))));
    QVERIFY(s.tiles().isEmpty());
    QVERIFY(!s.main().ScrNahledy->isHidden());
    QCOMPARE(s.main().ScrNahledyContent->height(), 0);
    QCOMPARE(s.loaded(), 1);
}

void ThumbnailStripTest::damagedThumbnailGetsTheBlankPicture()
{
    Started s([](const TempFolder &folder) {
        writeCategory(folder, QStringLiteral("Cat"), FiveThumbnails);
        folder.writeFile(QStringLiteral("data/Cat/%1/B.jpg").arg(Nahled), "not a JPEG at all");
        folder.writeFile(QStringLiteral("data/Cat/%1/D.jpg").arg(Nahled), thumbnailJpeg(Qt::yellow).left(300));
    });

    // One error box names both files with the decoder's words.
    const QStringList errors = s.errors();
    QCOMPARE(errors.size(), 1);
    const QStringList lines = errors.first().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines.at(0).startsWith(QDir(s.folder.path()).canonicalPath() + QStringLiteral("/data/Cat/") + Nahled +
                                    QStringLiteral("/B.jpg: ")),
             qPrintable(lines.at(0)));
    QVERIFY2(lines.at(0).contains(QStringLiteral("JPEG error #")), qPrintable(lines.at(0)));
    QVERIFY2(lines.at(1).contains(QStringLiteral("/D.jpg: ")), qPrintable(lines.at(1)));

    // The strip is whole and shown, the blank picture stands in, A is loaded, none selected.
    QCOMPARE(s.tiles().size(), 5);
    QVERIFY(!s.main().ScrNahledy->isHidden());
    QCOMPARE(compareImages(s.tiles().at(1)->picture()->picture(), s.main().ImageClear->picture()), QString());
    QCOMPARE(s.tiles().at(2)->picture()->picture().size(), QSize(60, 72));
    QCOMPARE(s.tiles().at(1)->captionLabel()->text(), QStringLiteral("B"));
    QCOMPARE(s.loaded(), 0);
    QVERIFY(allPlain(s.tiles()));

    // Its hairstyle can still be chosen.
    s.main().RxSpeedButton2->click();
    QCOMPARE(s.loaded(), 1);
}

void ThumbnailStripTest::failedHairstyleKeepsTheLayerAndPlainTiles()
{
    Started s([](const TempFolder &folder) {
        writeCategory(folder, QStringLiteral("A"), FiveThumbnails);
        writeCategory(folder, QStringLiteral("B"), FiveThumbnails);
        const QString missing = folder.file(QStringLiteral("data/B/A.bmp"));
        QFile::remove(missing);
        folder.writeFile(QStringLiteral("data/B/C.bmp"), "BM but not really a bitmap");
    });
    s.main().ThumbnailClick(s.tiles().at(4));
    const QImage before = s.main().ImgUces->picture();
    const bool colourFlag = s.main().colourApplied;

    // A rebuild whose first hairstyle is missing: error shown, layer kept, no tile selected.
    s.choose(QStringLiteral("B"));
    QCOMPARE(s.errors(), QStringList{QStringLiteral("Cannot open file \"%1\". No such file or directory")
                                         .arg(s.folder.path() + QStringLiteral("/data/B/A.bmp"))});
    QCOMPARE(compareImages(s.main().ImgUces->picture(), before), QString());
    QCOMPARE(s.main().colourApplied, colourFlag);
    QCOMPARE(s.tiles().size(), 5);
    QVERIFY(allPlain(s.tiles()));
    QVERIFY(!s.main().ScrNahledy->isHidden());

    // A damaged bitmap on a click: the selection and the layer stay as they were.
    s.dialogs.clear();
    s.main().RxSpeedButton2->click();
    QCOMPARE(s.loaded(), 1);
    s.main().RxSpeedButton2->click();
    QCOMPARE(s.errors(), QStringList{QStringLiteral("Bitmap image is not valid")});
    QCOMPARE(s.strip().selectedIndex(), 1);
    QCOMPARE(s.loaded(), 1);
}

void ThumbnailStripTest::hairstyleIsKeyedByItsBottomLeftPixel_data()
{
    QTest::addColumn<QImage>("bitmap");
    QTest::addColumn<QPoint>("keyed");  // a pixel that is left out
    QTest::addColumn<QPoint>("inside"); // a key-coloured pixel inside the hair, left out too
    QTest::addColumn<QPoint>("drawn");  // a pixel that is drawn

    // 229 x 312, the layer's own size, so every bitmap pixel is one layer pixel.
    QImage white(229, 312, QImage::Format_RGB888);
    white.fill(Qt::white);
    QPainter(&white).fillRect(50, 50, 100, 100, QColor(120, 60, 20));
    white.setPixelColor(100, 100, Qt::white);
    QTest::newRow("white corner") << white << QPoint(10, 300) << QPoint(100, 100) << QPoint(60, 60);

    QImage green(229, 312, QImage::Format_RGB888);
    green.fill(QColor(0, 255, 0));
    QPainter(&green).fillRect(50, 50, 100, 100, Qt::white);
    green.setPixelColor(100, 100, QColor(0, 255, 0));
    QTest::newRow("green corner, white hair") << green << QPoint(10, 300) << QPoint(100, 100) << QPoint(60, 60);

    // Two colours: the recolouring that follows the load makes the bitmap 24-bit, so from
    // then on its black corner is the key, not white.
    QImage mono(229, 312, QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(1);
    for (int y = 200; y < 312; ++y)
        for (int x = 0; x < 100; ++x)
            mono.setPixel(x, y, 0);
    mono.setPixel(150, 50, 0);
    QTest::newRow("two colours, black corner") << mono << QPoint(10, 300) << QPoint(150, 50) << QPoint(200, 20);
}

void ThumbnailStripTest::hairstyleIsKeyedByItsBottomLeftPixel()
{
    QFETCH(QImage, bitmap);
    QFETCH(QPoint, keyed);
    QFETCH(QPoint, inside);
    QFETCH(QPoint, drawn);

    Started s([&bitmap](const TempFolder &folder) {
        folder.makeFolder(QStringLiteral("data/Cat/") + Nahled);
        folder.writeFile(QStringLiteral("data/Cat/%1/H.jpg").arg(Nahled), thumbnailJpeg(Qt::gray));
        folder.writeFile(QStringLiteral("data/Cat/H.bmp"), encoded(bitmap, "BMP"));
    });
    QVERIFY2(s.errors().isEmpty(), qPrintable(s.errors().join(QLatin1Char('\n'))));

    // Drawn over magenta, the left-out pixels show magenta.
    PictureBox *layer = s.main().ImgUces;
    QImage shown(layer->size(), QImage::Format_RGB32);
    shown.fill(Qt::magenta);
    layer->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
    QCOMPARE(shown.pixelColor(keyed), QColor(Qt::magenta));
    QCOMPARE(shown.pixelColor(inside), QColor(Qt::magenta));
    QCOMPARE(shown.pixelColor(drawn), bitmap.pixelColor(drawn));
}

QTEST_MAIN(ThumbnailStripTest)
#include "ThumbnailStripTest.moc"
