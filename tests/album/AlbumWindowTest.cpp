// The album commands in the main window: storing, browsing and deleting snapshots, with the
// cursor, the two counters and the viewer after every step.
#include "app/TFrmMain.h"
#include "fitting/FittingArea.h"
#include "platform/PictureBox.h"
#include "platform/QtUserDialogs.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/StartedProgram.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

// Scripted dialogs except for the questions, which the real message box asks.
class RealQuestions : public ScriptedDialogs
{
public:
    QtUserDialogs real;
    bool askYesNo(const QString &text, const QString &caption) override { return real.askYesNo(text, caption); }
};

// A window started in a fresh application folder with an empty catalogue.
struct Started : StartedProgram
{
    explicit Started(ScriptedDialogs *other = nullptr) : StartedProgram(emptyCatalogue, other)
    {
        dialogs.clear();
        main().ImgUces->setPicture(QImage()); // only the photo shows in these snapshots
    }

    // Store number n: the photo is filled with a colour that names it.
    int stored = 0;
    void store()
    {
        ++stored;
        QImage photo(228, 312, QImage::Format_RGB888);
        photo.fill(colourOf(stored));
        main().ImgFoto->setPicture(photo);
        main().runCommand([this] { main().ToolButton20Click(); });
    }
    static QRgb colourOf(int n) { return qRgb(10 * n, 0, 100); }
};

// Which stored snapshot a picture is (1, 2, ...); 0 for the blank picture and for the white
// viewer of a new window; -1 for anything else.
int snapshotNumber(const QImage &picture)
{
    if (picture.size() == QSize(18, 19) && picture.pixel(9, 9) == qRgb(255, 255, 255))
        return 0;
    if (picture.size() != QSize(229, 312))
        return -1;
    const QRgb colour = picture.pixel(100, 100);
    if (colour == qRgb(255, 255, 255))
        return 0;
    for (int n = 1; n <= 20; ++n) {
        if (colour == Started::colourOf(n))
            return n;
    }
    return -1;
}

} // namespace

class AlbumWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sequences_data();
    void sequences();
    void storingTwiceGivesIdenticalSnapshotsOfTheLayersAsTheyLie();
    void storeReadsTheLayerRectanglesOfTheFittingArea();
    void viewerGetsAFreshCopy();
    void buttonsAndMenuItemRunTheCommands();
    void deletionQuestionIsModalToTheMainWindow();
};

void AlbumWindowTest::sequences_data()
{
    // Steps: S store, N next, P previous, Y delete answered Yes, X delete answered No.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("position");   // LbPocet
    QTest::addColumn<QString>("countLabel"); // fmax
    QTest::addColumn<int>("viewer");         // snapshot number shown, 0 blank
    QTest::addColumn<QList<int>>("album");   // snapshot numbers in the album, in order
    QTest::addColumn<QStringList>("shown");  // dialogs shown, "kind: text"

    const QString full = QStringLiteral("Přidávat lze max 9 fotografií.");
    const QString question = QStringLiteral("Vymazat tento účes?");
    const QString S9 = QStringLiteral("SSSSSSSSS");

    QTest::newRow("store into empty album") << "S" << 1 << 0 << "1"
                                            << "z 1" << 1 << QList<int>{1} << QStringList();
    QTest::newRow("ninth store") << S9 << 9 << 8 << "9"
                                 << "z 9" << 9 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << QStringList();
    QTest::newRow("tenth store refused") << S9 + "S" << 9 << 8 << "9"
                                         << "z 9" << 9 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}
                                         << QStringList{"warning: " + full};
    QTest::newRow("nine stored, viewer on second, store moves to ninth and warns")
        << S9 + "PPPPPPPS" << 9 << 8 << "9"
        << "z 9" << 9 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << QStringList{"warning: " + full};
    QTest::newRow("five stored, viewer on first, store appends sixth")
        << "SSSSSPPPPS" << 6 << 5 << "6"
        << "z 6" << 6 << QList<int>{1, 2, 3, 4, 5, 6} << QStringList();
    QTest::newRow("empty album, next") << "N" << 0 << -1 << "0"
                                       << "z 0" << 0 << QList<int>{} << QStringList();
    QTest::newRow("empty album, next, previous") << "NP" << 0 << 0 << "0"
                                                 << "z 0" << 0 << QList<int>{} << QStringList();
    QTest::newRow("empty album, previous") << "P" << 0 << 0 << "0"
                                           << "z 0" << 0 << QList<int>{} << QStringList();
    QTest::newRow("three, on third, next stays") << "SSSN" << 3 << 2 << "3"
                                                 << "z 3" << 3 << QList<int>{1, 2, 3} << QStringList();
    QTest::newRow("three, on third, next, previous") << "SSSNP" << 3 << 1 << "2"
                                                     << "z 3" << 2 << QList<int>{1, 2, 3} << QStringList();
    QTest::newRow("three, on first, previous stays") << "SSSPPP" << 3 << 0 << "1"
                                                     << "z 3" << 1 << QList<int>{1, 2, 3} << QStringList();
    QTest::newRow("delete on empty album warns and asks nothing")
        << "Y" << 0 << 0 << "0"
        << "z 0" << 0 << QList<int>{} << QStringList{"warning: Není uložen žádný obrázek, nelze smazat."};
    QTest::newRow("delete the only snapshot") << "SY" << 0 << -1 << "0"
                                              << "z 0" << 0 << QList<int>{} << QStringList{"question: " + question};
    QTest::newRow("four, viewer on second, Yes")
        << "SSSSPPY" << 3 << 2 << "3"
        << "z 3" << 4 << QList<int>{1, 3, 4} << QStringList{"question: " + question};
    QTest::newRow("four, viewer on first, No")
        << "SSSSPPPX" << 4 << 3 << "4"
        << "z 4" << 4 << QList<int>{1, 2, 3, 4} << QStringList{"question: " + question};
    QTest::newRow("store after deleting down to empty")
        << "SYS" << 1 << 0 << "1"
        << "z 1" << 2 << QList<int>{2} << QStringList{"question: " + question};
    QTest::newRow("delete the last of two, then previous on the one left")
        << "SSYP" << 1 << 0 << "1"
        << "z 1" << 1 << QList<int>{1} << QStringList{"question: " + question};
}

void AlbumWindowTest::sequences()
{
    QFETCH(QString, steps);
    Started started;
    TFrmMain &main = started.main();

    for (const QChar step : steps) {
        switch (step.toLatin1()) {
        case 'S':
            started.store();
            break;
        case 'N':
            main.runCommand([&] { main.Button2Click(); });
            break;
        case 'P':
            main.runCommand([&] { main.Button1Click(); });
            break;
        case 'Y':
        case 'X':
            started.dialogs.answers.push_back(step == QLatin1Char('Y'));
            main.runCommand([&] { main.ToolButton23Click(); });
            started.dialogs.answers.clear();
            break;
        default:
            QFAIL("unknown step");
        }
    }

    QTEST(main.ImageList.Count(), "count");
    QTEST(main.albumCursor, "cursor");
    QTEST(main.LbPocet->text(), "position");
    QTEST(main.fmax->text(), "countLabel");
    QTEST(snapshotNumber(main.SaveImage->picture()), "viewer");
    QList<int> album;
    for (int i = 0; i < main.ImageList.Count(); ++i)
        album.append(snapshotNumber(main.ImageList.picture(i)));
    QTEST(album, "album");
    QStringList shown;
    for (const ScriptedDialogs::Shown &entry : started.dialogs.shown) {
        shown.append(entry.kind + QStringLiteral(": ") + entry.text);
        if (entry.kind == QLatin1String("question"))
            QCOMPARE(entry.caption, QStringLiteral("Opravdu ?"));
    }
    QTEST(shown, "shown");
}

void AlbumWindowTest::storingTwiceGivesIdenticalSnapshotsOfTheLayersAsTheyLie()
{
    Started started;
    TFrmMain &main = started.main();
    // Photo and hairstyle at their start rectangles; the hairstyle keyed on its bottom-left
    // pixel (green) except for a red block and its first column.
    QImage photo(228, 312, QImage::Format_RGB888);
    for (int y = 0; y < 312; ++y)
        for (int x = 0; x < 228; ++x)
            photo.setPixel(x, y, qRgb(x, y & 0xff, 0x10 | (y >> 8)));
    QImage hair(229, 312, QImage::Format_RGB888);
    hair.fill(qRgb(0, 255, 0));
    for (int y = 0; y < 311; ++y)
        hair.setPixel(0, y, qRgb(255, 0, 0));
    for (int y = 40; y < 50; ++y)
        for (int x = 100; x < 110; ++x)
            hair.setPixel(x, y, qRgb(200, 0, 200));
    main.ImgFoto->setPicture(photo);
    main.ImgUces->setPicture(hair);

    main.runCommand([&] { main.ToolButton20Click(); });
    main.runCommand([&] { main.ToolButton20Click(); });

    QCOMPARE(main.ImageList.Count(), 2);
    const QImage first = main.ImageList.picture(0);
    QCOMPARE(compareImages(main.ImageList.picture(1), first), QString());
    QCOMPARE(compareImages(main.ImageSave->picture(), first), QString());
    QCOMPARE(first.pixel(0, 0), photo.pixel(0, 0));
    QCOMPARE(first.pixel(227, 311), photo.pixel(227, 311));
    QCOMPARE(first.pixel(228, 0), qRgb(255, 255, 255));
    QCOMPARE(first.pixel(99, 41), qRgb(200, 0, 200)); // hairstyle (100, 40) one column left, one row down
    QCOMPARE(first.pixel(98, 41), photo.pixel(98, 41));
    QCOMPARE(first.pixel(0, 5), photo.pixel(0, 5)); // its first column is cut off
    QVERIFY(started.dialogs.shown.isEmpty());
}

void AlbumWindowTest::storeReadsTheLayerRectanglesOfTheFittingArea()
{
    Started started;
    TFrmMain &main = started.main();
    QImage photo(228, 312, QImage::Format_RGB888);
    photo.fill(qRgb(0, 0, 200));
    QImage hair(228, 312, QImage::Format_RGB888);
    hair.fill(qRgb(200, 0, 0));
    hair.setPixel(0, 311, qRgb(0, 255, 0)); // the key: only this pixel is left out
    main.ImgFoto->setPicture(photo);
    main.ImgUces->setPicture(hair);
    main.Panel3->setPhotoRect({27, 9, 228, 312});    // ten pixels right of the start
    main.Panel3->setHairstyleRect({18, 9, -4, 312}); // no width: nothing drawn

    main.runCommand([&] { main.ToolButton20Click(); });

    const QImage snapshot = main.ImageList.picture(0);
    QCOMPARE(snapshot.pixel(9, 100), qRgb(255, 255, 255));
    QCOMPARE(snapshot.pixel(10, 100), qRgb(0, 0, 200));
    QCOMPARE(snapshot.pixel(228, 0), qRgb(0, 0, 200));

    main.Panel3->setHairstyleRect({18, 9, 228, 312});
    main.runCommand([&] { main.ToolButton20Click(); });
    const QImage covered = main.ImageList.picture(1);
    QCOMPARE(covered.pixel(0, 0), qRgb(255, 255, 255)); // row 0 lies above the hairstyle
    QCOMPARE(covered.pixel(0, 1), qRgb(200, 0, 0));
    QCOMPARE(covered.pixel(228, 1), qRgb(0, 0, 200)); // beside it, the photo
}

void AlbumWindowTest::viewerGetsAFreshCopy()
{
    Started started;
    TFrmMain &main = started.main();
    started.store();
    QImage viewed = main.SaveImage->picture();
    viewed.fill(Qt::black);
    main.SaveImage->setPicture(viewed);
    QCOMPARE(snapshotNumber(main.ImageList.picture(0)), 1);
    QCOMPARE(main.ImageClear->picture().pixel(0, 0), qRgb(255, 255, 255));
    main.runCommand([&] { main.Button2Click(); });
    QCOMPARE(snapshotNumber(main.SaveImage->picture()), 1);
}

void AlbumWindowTest::buttonsAndMenuItemRunTheCommands()
{
    Started started;
    TFrmMain &main = started.main();
    main.ToolButton20->click();
    main.Uloit1->trigger();
    QCOMPARE(main.ImageList.Count(), 2);
    main.Button1->click();
    QCOMPARE(main.albumCursor, 0);
    main.Button2->click();
    QCOMPARE(main.albumCursor, 1);
    started.dialogs.answers.push_back(true);
    main.ToolButton23->click();
    QCOMPARE(main.ImageList.Count(), 1);
    QCOMPARE(main.fmax->text(), QStringLiteral("z 1"));
}

void AlbumWindowTest::deletionQuestionIsModalToTheMainWindow()
{
    RealQuestions dialogs;
    Started started(&dialogs);
    TFrmMain &main = started.main();
    dialogs.real.setOwner(&main);
    main.show();
    started.store();
    started.store();
    main.runCommand([&] { main.Button1Click(); });

    bool checked = false;
    QTimer::singleShot(0, &main, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        QCOMPARE(box->text(), QStringLiteral("Vymazat tento účes?"));
        QCOMPARE(box->windowTitle(), QStringLiteral("Opravdu ?"));
        QCOMPARE(box->icon(), QMessageBox::Question);
        QVERIFY(box->windowModality() != Qt::NonModal);
        QCOMPARE(box->parentWidget(), &main);
        checked = true;
        box->button(QMessageBox::Yes)->click();
    });
    main.runCommand([&] { main.ToolButton23Click(); });

    QVERIFY(checked);
    QCOMPARE(main.ImageList.Count(), 1);
    QCOMPARE(snapshotNumber(main.ImageList.picture(0)), 2);
}

QTEST_MAIN(AlbumWindowTest)
#include "AlbumWindowTest.moc"
