// The main window: its layout, its wiring of buttons, menu items and shortcuts to the
// command handlers, the handler guard and the way the program ends.
#include "app/KadeloWindows.h"
#include "app/TAboutBox.h"
#include "app/TFrmMain.h"
#include "output/TFormExport.h"
#include "output/TFrmNahled.h"
#include "platform/PlatformError.h"
#include "tests/support/StartedProgram.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    // A window started in a fresh application folder with an empty catalogue.
    using Started = StartedProgram;

    QWidget *control(TFrmMain &main, const QString &name)
    {
        if (name == QLatin1String("FrmMain"))
            return &main;
        return main.findChild<QWidget *>(name);
    }

private Q_SLOTS:
    void controlsSitWhereTheFormPutsThem_data();
    void controlsSitWhereTheFormPutsThem();
    void windowIsFixedCentredAndCaptioned();
    void dialogsAreCreatedHiddenAfterTheMainWindow();
    void windowsCanBeReplacedAndDropped();
    void toolButtonsLineUpOnTheirBars_data();
    void toolButtonsLineUpOnTheirBars();
    void toolButtonsShowTheirHints_data();
    void toolButtonsShowTheirHints();
    void buttonsRunTheirHandlers_data();
    void buttonsRunTheirHandlers();
    void menuItemsAndShortcutsRunTheirHandlers_data();
    void menuItemsAndShortcutsRunTheirHandlers();
    void guardShowsTheErrorAndEndsTheHandler();
    void startsWithTheWindowWideStateAndAnEmptyAlbum();
    void konecEndsTheProgramWithoutAQuestion();
};

void MainWindowTest::controlsSitWhereTheFormPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");

    auto row = [](const char *name, const char *parent, QRect geometry) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent) << geometry;
    };
    row("pnlPozadi", "ClientArea", {0, 1, 873, 384});
    row("Panel1", "pnlPozadi", {0, 0, 264, 384});
    row("pnlFoto", "pnlPozadi", {264, 0, 345, 384});
    row("Panel9", "pnlPozadi", {609, 0, 248, 384});
    row("Panel14", "ClientArea", {0, 385, 857, 19});
    row("ScrNahledy", "Panel1", {24, 24, 201, 297});
    row("RxSpeedButton1", "Panel1", {228, 24, 25, 149});
    row("RxSpeedButton2", "Panel1", {228, 172, 25, 149});
    row("Label1", "Panel1", {23, 339, 61, 14});
    row("ComboBox", "Panel1", {91, 336, 133, 21});
    row("Panel3", "pnlFoto", {47, 25, 265, 327});
    row("Image9", "Panel4", {160, 7, 37, 11});
    row("Image10", "Panel9", {7, 25, 12, 63});
    row("RxSpeedButton3", "Panel9", {23, 16, 27, 82});
    row("HSVBox", "Panel9", {56, 16, 177, 81});
    row("Panel10", "Panel9", {56, 106, 179, 238});
    row("SaveImage", "Panel10", {16, 15, 147, 197});
    row("Label2", "Panel10", {33, 215, 81, 19});
    row("LbPocet", "Panel10", {107, 215, 13, 19});
    row("fmax", "Panel10", {120, 215, 40, 19});
    row("Panel11", "Panel9", {4, 120, 47, 177});
    row("Image7", "Panel11", {3, 7, 11, 76});
    row("Image8", "Panel11", {3, 91, 11, 58});
    row("Button1", "Panel9", {56, 351, 75, 25});
    row("Button2", "Panel9", {160, 351, 75, 25});
    row("Image6", "Panel14", {400, 3, 85, 13});
    row("Image4", "Panel5", {3, 12, 9, 36});
    row("Image2", "Panel5", {3, 66, 10, 82});
    row("Image3", "Panel5", {3, 158, 12, 78});
    row("Image5", "Panel5", {5, 250, 9, 46});
    row("ImageSave", "ClientArea", {874, 28, 229, 312});
    row("ImageClear", "ClientArea", {872, 403, 18, 19});
    row("ScrollBox", "ClientArea", {0, 404, 857, 325});
    row("FotoDef", "pnlPozadi", {616, 56, 105, 105});
    row("DirectoryList", "pnlPozadi", {608, 168, 145, 84});
    row("FileList", "pnlPozadi", {608, 264, 145, 97});
}

void MainWindowTest::controlsSitWhereTheFormPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);

    Started started;
    QWidget *widget = control(started.main(), name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), geometry);
}

void MainWindowTest::windowIsFixedCentredAndCaptioned()
{
    Started started;
    TFrmMain &main = started.main();
    QCOMPARE(main.windowTitle(), QStringLiteral("Kadelo - Česelka - 1.0"));
    QCOMPARE(main.centralWidget()->size(), QSize(857, 404));
    QCOMPARE(main.minimumSize(), main.maximumSize());
    QVERIFY(!(main.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(main.windowFlags() & Qt::WindowMinimizeButtonHint);

    // Hidden auxiliary controls stay out of sight: outside the client area or invisible.
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    for (const char *name : {"FotoDef", "DirectoryList", "FileList"})
        QVERIFY2(!control(main, QLatin1String(name))->isVisible(), name);
    const QRect client = main.centralWidget()->rect();
    for (const char *name : {"ImageSave", "ImageSize", "ImageClear", "ScrollBox"})
        QVERIFY2(!client.intersects(control(main, QLatin1String(name))->geometry()), name);
}

void MainWindowTest::dialogsAreCreatedHiddenAfterTheMainWindow()
{
    Started started;
    KadeloWindows &windows = started.windows;
    QVERIFY(windows.AboutBox && windows.FormExport && windows.FrmNahled);
    QCOMPARE(windows.AboutBox->objectName(), QStringLiteral("AboutBox"));
    QCOMPARE(windows.FormExport->objectName(), QStringLiteral("FormExport"));
    QCOMPARE(windows.FrmNahled->objectName(), QStringLiteral("FrmNahled"));
    for (QWidget *dialog :
         {static_cast<QWidget *>(windows.AboutBox.get()), static_cast<QWidget *>(windows.FormExport.get()),
          static_cast<QWidget *>(windows.FrmNahled.get())}) {
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->parentWidget(), windows.FrmMain.get());
    }
}

void MainWindowTest::windowsCanBeReplacedAndDropped()
{
    // The dialogs are children of the main window as well as held on their own: replacing
    // or dropping the set must delete each window once.
    Started started;
    QPointer<TFrmMain> first = started.windows.FrmMain.get();
    QPointer<TAboutBox> firstAbout = started.windows.AboutBox.get();
    started.windows = createWindows(started.dialogs);
    QVERIFY(first.isNull());
    QVERIFY(firstAbout.isNull());
    QVERIFY(started.windows.FrmMain && started.windows.FrmNahled);
    started.windows = KadeloWindows();
    QVERIFY(!started.windows.FrmMain && !started.windows.AboutBox);
}

void MainWindowTest::toolButtonsLineUpOnTheirBars_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    auto row = [](const char *name, QRect geometry) { QTest::newRow(name) << QString::fromLatin1(name) << geometry; };
    // The vertical bars by top, the horizontal one (after its 113-pixel spacer) by left.
    const std::pair<const char *, int> toolBar2[] = {
        {"ToolButton19", 2}, {"ToolButton18", 30}, {"btnUcesPlus", 63},   {"ToolButton13", 91}, {"btnUcesMinus", 119},
        {"ToolButton11", 152}, {"ToolButton14", 180}, {"ToolButton12", 208}, {"btnKalibrace", 241}, {"btnPosuvImg", 269}};
    for (const auto &[name, top] : toolBar2)
        row(name, {0, top, 27, 28});
    const std::pair<const char *, int> toolBar1[] = {
        {"ToolButton1", 113}, {"ToolButton4", 140}, {"ToolButton5", 167}, {"ToolButton6", 194}, {"ToolButton7", 221}};
    for (const auto &[name, left] : toolBar1)
        row(name, {left, 2, 27, 26});
    const std::pair<const char *, int> toolBar4[] = {{"ToolButton20", 2}, {"ToolButton21", 29}, {"ToolButton23", 56},
                                                     {"Tisk", 88},         {"ToolButton8", 115},  {"ToolButton9", 142}};
    for (const auto &[name, top] : toolBar4)
        row(name, {0, top, 28, 27});
}

void MainWindowTest::toolButtonsLineUpOnTheirBars()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    Started started;
    started.main().show();
    QVERIFY(QTest::qWaitForWindowExposed(&started.main()));
    auto *button = started.main().findChild<QToolButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->geometry(), geometry);
}

void MainWindowTest::toolButtonsShowTheirHints_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("bar");
    auto row = [](const char *name, const char *hint, const char *bar) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(hint) << QString::fromLatin1(bar);
    };
    row("ToolButton19", "Výchozí fotka", "ToolBar2");
    row("ToolButton18", "Otevřít fotku", "ToolBar2");
    row("btnUcesPlus", "Zvětšit účes", "ToolBar2");
    row("ToolButton13", "Výchozí účes", "ToolBar2");
    row("btnUcesMinus", "Zmenšit účes", "ToolBar2");
    row("ToolButton11", "Zvětšit foto", "ToolBar2");
    row("ToolButton14", "Výchozí velikost fotky", "ToolBar2");
    row("ToolButton12", "Zmenšit foto", "ToolBar2");
    row("btnKalibrace", "Zobrazit pomocné čáry", "ToolBar2");
    row("btnPosuvImg", "Posouvat fotku myší", "ToolBar2");
    row("ToolButton1", "Foto doleva", "ToolBar1");
    row("ToolButton4", "Foto doprava", "ToolBar1");
    row("ToolButton5", "Výchozí pozice fotky", "ToolBar1");
    row("ToolButton6", "Foto nahoru", "ToolBar1");
    row("ToolButton7", "Foto dolů", "ToolBar1");
    row("ToolButton20", "Vložit fotografii", "ToolBar4");
    row("ToolButton21", "Exportovat foto", "ToolBar4");
    row("ToolButton23", "Smazat foto", "ToolBar4");
    row("Tisk", "Tisknout foto", "ToolBar4");
    row("ToolButton8", "Tisknout všechny fotky", "ToolBar4");
    row("ToolButton9", "Poslat mailem", "ToolBar4");
}

void MainWindowTest::toolButtonsShowTheirHints()
{
    QFETCH(QString, name);
    QFETCH(QString, hint);
    QFETCH(QString, bar);

    Started started;
    auto *button = started.main().findChild<QToolButton *>(name);
    QVERIFY(button);
    QCOMPARE(button->toolTip(), hint);
    QCOMPARE(button->parentWidget()->objectName(), bar);
    QVERIFY2(!button->icon().availableSizes().isEmpty(), "every tool button has an icon of ours");
}

void MainWindowTest::buttonsRunTheirHandlers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("handler");
    auto row = [](const char *name, const char *handler) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(handler);
    };
    for (const char *name : {"ToolButton19",   "ToolButton18",   "btnUcesPlus",    "ToolButton13", "btnUcesMinus",
                             "ToolButton11",   "ToolButton14",   "ToolButton12",   "btnKalibrace", "btnPosuvImg",
                             "ToolButton1",    "ToolButton4",    "ToolButton5",    "ToolButton6",  "ToolButton7",
                             "ToolButton20",   "ToolButton21",   "ToolButton23",   "Tisk",         "ToolButton9",
                             "RxSpeedButton1", "RxSpeedButton2", "RxSpeedButton3", "Button1",      "Button2"}) {
        row(name, QByteArray(QByteArray(name) + "Click").constData());
    }
    row("ToolButton8", "ToolButton3Click"); // print all shares the old button's handler
}

void MainWindowTest::buttonsRunTheirHandlers()
{
    QFETCH(QString, name);
    QFETCH(QString, handler);

    Started started;
    TFrmMain &main = started.main();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QSignalSpy commands(&main, &TFrmMain::commandStarted);
    auto *button = main.findChild<QAbstractButton *>(name);
    QVERIFY(button);
    button->click();
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands.at(0).at(0).toString(), handler);
}

void MainWindowTest::menuItemsAndShortcutsRunTheirHandlers_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::addColumn<QString>("handler");
    auto row = [](const char *item, const char *text, QKeySequence shortcut, const char *handler) {
        QTest::newRow(item) << QString::fromLatin1(item) << QString::fromUtf8(text) << shortcut
                            << QString::fromLatin1(handler);
    };
    row("Otevt1", "Otevřít foto", QKeySequence(Qt::CTRL | Qt::Key_O), "ToolButton18Click");
    row("Uloit1", "Uložit do seznamu", QKeySequence(Qt::CTRL | Qt::Key_S), "ToolButton20Click");
    row("isknoutaktulnfoto1", "Tisknout aktuální foto", QKeySequence(Qt::CTRL | Qt::Key_T), "TiskClick");
    row("Npovda2", "Nápověda", QKeySequence(Qt::Key_F1), "Npovda2Click");
    row("Oprogramu1", "O programu", QKeySequence(), "Oprogramu1Click");
}

void MainWindowTest::menuItemsAndShortcutsRunTheirHandlers()
{
    QFETCH(QString, item);
    QFETCH(QString, text);
    QFETCH(QKeySequence, shortcut);
    QFETCH(QString, handler);

    Started started;
    TFrmMain &main = started.main();
    auto *action = main.findChild<QAction *>(item);
    QVERIFY(action);
    QCOMPARE(action->text(), text);
    QCOMPARE(action->shortcut(), shortcut);

    // Modal boxes the handlers open (about box, help) are closed as soon as they show.
    auto closeModals = [] {
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    };
    QTimer closer;
    connect(&closer, &QTimer::timeout, closeModals);
    closer.start(20);

    QSignalSpy commands(&main, &TFrmMain::commandStarted);
    action->trigger();
    QCOMPARE(commands.size(), 1);
    QCOMPARE(commands.at(0).at(0).toString(), handler);

    if (shortcut.isEmpty())
        return;
    main.show();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    commands.clear();
    QTest::keySequence(&main, shortcut);
    QTRY_COMPARE(commands.size(), 1);
    QCOMPARE(commands.at(0).at(0).toString(), handler);
}

void MainWindowTest::guardShowsTheErrorAndEndsTheHandler()
{
    Started started;
    started.dialogs.clear();
    bool reachedTheEnd = false;
    started.main().runCommand([&] {
        throw PlatformError(QStringLiteral("Cannot open file \"x.bmp\". No such file or directory"));
        reachedTheEnd = true;
    });
    QVERIFY(!reachedTheEnd);
    QCOMPARE(started.dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Cannot open file \"x.bmp\". No such file or directory")});
}

void MainWindowTest::startsWithTheWindowWideStateAndAnEmptyAlbum()
{
    Started started;
    TFrmMain &main = started.main();
    QCOMPARE(main.applicationFolder(), started.folder.path());
    QCOMPARE(main.guideLinesShown, false);
    QCOMPARE(main.dragPhoto, false);
    QCOMPARE(main.albumCursor, 0);
    QCOMPARE(main.LbPocet->text(), QStringLiteral("0"));
    QCOMPARE(main.fmax->text(), QStringLiteral("z 0"));
    QCOMPARE(main.Label2->text(), QStringLiteral("fotografie č."));
    QCOMPARE(main.Button1->text(), QStringLiteral("Předchozí"));
    QCOMPARE(main.Button2->text(), QStringLiteral("Další"));
    QCOMPARE(main.Label1->text(), QStringLiteral("Styly vlasů:"));
    QVERIFY(!main.btnKalibrace->isChecked());
    QVERIFY(!main.btnPosuvImg->isChecked());
}

void MainWindowTest::konecEndsTheProgramWithoutAQuestion()
{
    Started started;
    TFrmMain &main = started.main();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    started.dialogs.clear();
    main.Konec1->trigger();
    QVERIFY(!main.isVisible());
    QVERIFY(started.dialogs.shown.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
