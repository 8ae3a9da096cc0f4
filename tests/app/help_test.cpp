// Help and about: the help viewer on the application folder's Help.hlp, the about box
// with its texts, Enter and the web link.
#include "app/HelpViewer.h"
#include "app/TAboutBox.h"
#include "app/TFrmMain.h"
#include "tests/support/StartedProgram.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

// Receives the addresses that the program asks the desktop to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

class HelpTest : public QObject
{
    Q_OBJECT

private:
    struct Started : StartedProgram
    {
        explicit Started(const QByteArray &help = QByteArray())
            : StartedProgram([&help](const TempFolder &folder) {
                  emptyCatalogue(folder);
                  if (!help.isNull())
                      folder.writeFile(QStringLiteral("Help.hlp"), help);
              })
        {
            dialogs.clear();
        }
        TAboutBox &about() { return *windows.AboutBox; }
        HelpViewer *viewer() { return main().findChild<HelpViewer *>(); }
    };

private Q_SLOTS:
    void f1OpensTheViewerOnHelpOfTheApplicationFolder();
    void missingHelpIsReportedByTheViewerItself();
    void aboutBoxShowsItsTextsAndEnterClosesIt();
    void linkOpensTheWebAddressAndTheBoxStaysOpen();
    void shippedHelpIsCzechHtmlCoveringEveryCommand_data();
    void shippedHelpIsCzechHtmlCoveringEveryCommand();
};

void HelpTest::f1OpensTheViewerOnHelpOfTheApplicationFolder()
{
    Started started("<html><body><h1>Pomoc pro zkoušku</h1></body></html>");
    const QString applicationFolder = started.folder.path();
    started.main().show();
    QApplication::setActiveWindow(&started.main());
    QVERIFY(QTest::qWaitForWindowActive(&started.main()));
    // The working folder moves while the program runs; help stays with the application folder.
    QDir::setCurrent(QDir::tempPath());

    QTest::keyClick(&started.main(), Qt::Key_F1);

    HelpViewer *viewer = started.viewer();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->helpFile(), applicationFolder + QStringLiteral("/Help.hlp"));
    QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("Pomoc pro zkoušku")));
    QVERIFY(started.dialogs.shown.isEmpty());

    // Asking again reuses the one viewer.
    started.main().Npovda2->trigger();
    QCOMPARE(started.main().findChildren<HelpViewer *>().size(), 1);
}

void HelpTest::missingHelpIsReportedByTheViewerItself()
{
    Started started;
    started.main().Npovda2->trigger();

    HelpViewer *viewer = started.viewer();
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    const QString text = viewer->browser()->toPlainText();
    QVERIFY2(text.contains(started.folder.path() + QStringLiteral("/Help.hlp")) &&
                 text.contains(QStringLiteral("nelze otevřít")) && text.contains(QStringLiteral("neexistuje")),
             qPrintable(text));
    QVERIFY(started.dialogs.shown.isEmpty());
}

void HelpTest::aboutBoxShowsItsTextsAndEnterClosesIt()
{
    Started started;
    bool checked = false;
    QTimer::singleShot(0, &started.main(), [&] {
        TAboutBox &about = started.about();
        QVERIFY(about.isVisible());
        QVERIFY(about.isModal());
        QCOMPARE(about.windowTitle(), QStringLiteral("O programu"));
        QCOMPARE(about.size(), QSize(296, 234));
        QCOMPARE(about.ProductName->text(), QStringLiteral("Kadelo - Česelka"));
        QCOMPARE(about.Version->text(), QStringLiteral("verze 1.0"));
        QCOMPARE(about.Copyright->text().split(QLatin1Char('\n')).size(), 7);
        QCOMPARE(about.Comments->text().split(QLatin1Char('\n')).size(), 2);
        QCOMPARE(about.Label1->text(), QStringLiteral("www.kadelo.cz"));
        QVERIFY(about.OKButton->isDefault());
        checked = true;
        QTest::keyClick(&about, Qt::Key_Return);
    });
    started.main().runCommand([&] { started.main().Oprogramu1Click(); });

    QVERIFY(checked);
    QVERIFY(!started.about().isVisible());
    QCOMPARE(started.about().result(), int(QDialog::Accepted));
}

void HelpTest::linkOpensTheWebAddressAndTheBoxStaysOpen()
{
    Started started;
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    bool stayedOpen = false;
    QTimer::singleShot(0, &started.main(), [&] {
        QTest::mouseClick(started.about().Label1, Qt::LeftButton);
        stayedOpen = started.about().isVisible();
        started.about().OKButton->click();
    });
    started.main().runCommand([&] { started.main().Oprogramu1Click(); });
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    QVERIFY(stayedOpen);
    QCOMPARE(recorder.opened, QList<QUrl>{QUrl(QStringLiteral("https://www.kadelo.cz/"))});
}

void HelpTest::shippedHelpIsCzechHtmlCoveringEveryCommand_data()
{
    QTest::addColumn<QString>("command");
    for (const char *command : {"Výchozí fotka",
                                "Otevřít fotku",
                                "Zvětšit účes",
                                "Výchozí účes",
                                "Zmenšit účes",
                                "Zvětšit foto",
                                "Výchozí velikost fotky",
                                "Zmenšit foto",
                                "Zobrazit pomocné čáry",
                                "Posouvat fotku myší",
                                "Foto doleva",
                                "Foto doprava",
                                "Výchozí pozice fotky",
                                "Foto nahoru",
                                "Foto dolů",
                                "Vložit fotografii",
                                "Exportovat foto",
                                "Smazat foto",
                                "Tisknout foto",
                                "Tisknout všechny fotky",
                                "Poslat mailem",
                                "Předchozí",
                                "Další",
                                "Styly vlasů:",
                                "Barva vlasů",
                                "Otevřít foto",
                                "Uložit do seznamu",
                                "Tisknout aktuální foto",
                                "Konec",
                                "O programu",
                                "Automatická pozice",
                                "Ruční pozice",
                                "Storno"})
        QTest::newRow(command) << QString::fromUtf8(command);
}

void HelpTest::shippedHelpIsCzechHtmlCoveringEveryCommand()
{
    QFETCH(QString, command);
    QFile file(qEnvironmentVariable("KADELO_SOURCE_DIR") + QStringLiteral("/Help.hlp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    QCOMPARE(document.metaInformation(QTextDocument::DocumentTitle), QStringLiteral("Kadelo - Česelka: nápověda"));
    QVERIFY2(document.toPlainText().contains(command), qPrintable(command));
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
