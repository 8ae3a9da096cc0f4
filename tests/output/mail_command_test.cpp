// The mail command end to end, with a stand-in xdg-email on PATH that records its
// arguments and a copy of the attachment, and exits with a chosen code.
#include "app/TAboutBox.h"
#include "app/TFrmMain.h"
#include "output/AttachmentFolder.h"
#include "output/JpegFromPicture.h"
#include "output/MailRequest.h"
#include "output/SimpleMapi.h"
#include "output/XdgEmailProvider.h"
#include "platform/PlatformError.h"
#include "tests/output/StartedWithAlbum.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

namespace {

const QString Subject = QStringLiteral("Fotografie z programu Kadelo - Česelka");
const QString Body = QStringLiteral("Fotografie byla vytvořena v programu Kadelo - Česelka, https://www.kadelo.cz/");
const QString MailError = QStringLiteral("Vyskytla se chyba během odesílání E-mailu");

// A folder holding a stand-in xdg-email: each call leaves call-N (its arguments, NUL
// separated) and attached-N (a copy of the file given with --attach).
class StubMailClient
{
public:
    StubMailClient(int exitCode = 0, const QString &sleepSeconds = QStringLiteral("0"))
    {
        const QString script = QStringLiteral("#!/bin/sh\n"
                                              "PATH=/usr/bin:/bin\n"
                                              "dir='%1'\n"
                                              "n=$(ls \"$dir\" | grep -c '^call-')\n"
                                              "printf '%s\\0' \"$@\" > \"$dir/call-$n\"\n"
                                              "while [ $# -gt 0 ]; do\n"
                                              "  if [ \"$1\" = --attach ]; then cp \"$2\" \"$dir/attached-$n\"; fi\n"
                                              "  shift\n"
                                              "done\n"
                                              "sleep %3\n"
                                              "touch \"$dir/done-$n\"\n"
                                              "exit %2\n")
                                   .arg(m_dir.path())
                                   .arg(exitCode)
                                   .arg(sleepSeconds);
        QFile file(program());
        if (file.open(QIODevice::WriteOnly))
            file.write(script.toUtf8());
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString folder() const { return m_dir.path(); }
    QString program() const { return m_dir.filePath(QStringLiteral("xdg-email")); }
    int callCount() const { return QDir(folder()).entryList({QStringLiteral("call-*")}).size(); }
    QStringList arguments(int call) const
    {
        QByteArray data = readAll(m_dir.filePath(QStringLiteral("call-%1").arg(call)));
        data.chop(1);
        QStringList result;
        for (const QByteArray &part : data.split('\0'))
            result << QString::fromUtf8(part);
        return result;
    }
    QByteArray attached(int call) const { return readAll(m_dir.filePath(QStringLiteral("attached-%1").arg(call))); }
    bool done(int call) const { return QFileInfo::exists(m_dir.filePath(QStringLiteral("done-%1").arg(call))); }

private:
    QTemporaryDir m_dir;
};

// PATH for one test; the provider is looked up afresh under it.
class PathFor
{
public:
    explicit PathFor(const QString &path) : m_previous(qgetenv("PATH"))
    {
        qputenv("PATH", QFile::encodeName(path));
        MapiForgetProvider();
    }
    ~PathFor()
    {
        qputenv("PATH", m_previous);
        MapiForgetProvider();
    }

private:
    QByteArray m_previous;
};

} // namespace

class MailCommandTest : public QObject
{
    Q_OBJECT

private:
    struct Started : StartedWithAlbum
    {
        using StartedWithAlbum::StartedWithAlbum;
        void send()
        {
            main().runCommand([this] { main().ToolButton9Click(); });
        }
    };

    static QString attachmentPath()
    {
        return MailAttachmentFolder(QStringLiteral("foto.jpg")) + QStringLiteral("/foto.jpg");
    }
    static QByteArray expectedJpeg(int k) { return JpegFromPicture(solid(albumColour(k)), 80)->encoded(); }

private Q_SLOTS:
    void handsTheShownSnapshotToTheMailClient();
    void sendingTwiceOverwritesTheSameFile();
    void handOffThatReachedNoMailClient_data();
    void handOffThatReachedNoMailClient();
    void emptyAlbumWarnsAndWritesNothing();
    void windowsAreDisabledOnlyWhileTheMailClientHasTheMessage();
    void waitEndsAfterItsCapAndTheMailClientRunsOn();
    void attachmentFolderIsPrivateAndALinkIsNeverFollowed();
};

void MailCommandTest::handsTheShownSnapshotToTheMailClient()
{
    StubMailClient client;
    PathFor path(client.folder());
    Started started(5, 1);

    started.send();

    QVERIFY2(started.dialogs.shown.isEmpty(), qPrintable(started.dialogs.texts(QStringLiteral("error")).join('|')));
    QCOMPARE(client.callCount(), 1);
    const QString attachment = attachmentPath();
    QCOMPARE(client.arguments(0), QStringList({"--utf8", "--subject", Subject, "--body", Body, "--attach", attachment,
                                               "adresat@example.com <adresat@example.com>"}));
    QCOMPARE(QFileInfo(attachment).fileName(), QStringLiteral("foto.jpg"));
    QVERIFY(client.attached(0) == expectedJpeg(1));
    QVERIFY(started.main().isEnabled());
}

void MailCommandTest::sendingTwiceOverwritesTheSameFile()
{
    StubMailClient client;
    PathFor path(client.folder());
    Started started(4, 1);

    started.send();
    started.show(3);
    started.send();

    QCOMPARE(client.callCount(), 2);
    QCOMPARE(client.arguments(1), client.arguments(0));
    QVERIFY(client.attached(0) == expectedJpeg(1));
    QVERIFY(client.attached(1) == expectedJpeg(3));
    QVERIFY(readAll(attachmentPath()) == expectedJpeg(3));
}

void MailCommandTest::handOffThatReachedNoMailClient_data()
{
    QTest::addColumn<bool>("onPath");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<bool>("errorBox");
    QTest::newRow("no xdg-email on PATH") << false << 0 << true;
    QTest::newRow("no mail program set up (exit 3)") << true << 3 << true;
    QTest::newRow("mail client failed (exit 4) is the client's affair") << true << 4 << false;
}

void MailCommandTest::handOffThatReachedNoMailClient()
{
    QFETCH(bool, onPath);
    QFETCH(int, exitCode);
    QFETCH(bool, errorBox);
    StubMailClient client(exitCode);
    QTemporaryDir empty;
    PathFor path(onPath ? client.folder() : empty.path());
    Started started(2, 0);
    QFile::remove(attachmentPath());

    started.send();

    QVERIFY(readAll(attachmentPath()) == expectedJpeg(0)); // written before the hand-off
    QCOMPARE(client.callCount(), onPath ? 1 : 0);
    if (errorBox) {
        QCOMPARE(started.dialogs.shown.size(), 1);
        QCOMPARE(started.dialogs.shown[0].kind, QStringLiteral("message"));
        QCOMPARE(started.dialogs.shown[0].text, MailError);
        QCOMPARE(started.dialogs.shown[0].caption, QStringLiteral("Error"));
        QCOMPARE(started.dialogs.shown[0].icon, MessageIcon::Error);
    } else {
        QVERIFY(started.dialogs.shown.isEmpty());
    }
    QVERIFY(started.main().isEnabled());
}

void MailCommandTest::emptyAlbumWarnsAndWritesNothing()
{
    StubMailClient client;
    PathFor path(client.folder());
    Started started(0);
    QFile::remove(attachmentPath());

    started.send();

    QCOMPARE(started.dialogs.texts(QStringLiteral("warning")),
             QStringList{QStringLiteral("Není uložen žádný obrázek, nelze odeslat.")});
    QCOMPARE(started.dialogs.shown.size(), 1);
    QVERIFY(!QFileInfo::exists(attachmentPath()));
    QCOMPARE(client.callCount(), 0);
}

void MailCommandTest::windowsAreDisabledOnlyWhileTheMailClientHasTheMessage()
{
    StubMailClient client(0, QStringLiteral("0.6"));
    PathFor path(client.folder());
    Started started(1);
    started.main().show();
    QWidget alreadyDisabled;
    alreadyDisabled.setEnabled(false);
    alreadyDisabled.show();

    bool sampled = false;
    bool mainEnabledDuringSend = true;
    QTimer::singleShot(200, &started.main(), [&] {
        sampled = true;
        mainEnabledDuringSend = started.main().isEnabled();
    });
    started.send();

    QVERIFY(sampled);
    QVERIFY(!mainEnabledDuringSend);
    QVERIFY(started.main().isEnabled());
    QVERIFY(!alreadyDisabled.isEnabled());
    QVERIFY(!started.windows.AboutBox->isVisible());
    QVERIFY(started.windows.AboutBox->isEnabled());
}

void MailCommandTest::waitEndsAfterItsCapAndTheMailClientRunsOn()
{
    StubMailClient client(0, QStringLiteral("1.5"));
    XdgEmailProvider provider(client.program(), 200);
    MapiMessage message;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(provider.sendMail(1, 0, message, MAPI_DIALOG), SUCCESS_SUCCESS);
    QVERIFY(clock.elapsed() < 1200);
    QVERIFY(!client.done(0));
    QTRY_VERIFY_WITH_TIMEOUT(client.done(0), 5000); // never killed
}

void MailCommandTest::attachmentFolderIsPrivateAndALinkIsNeverFollowed()
{
    const QString folder = MailAttachmentFolder(QStringLiteral("foto.jpg"));
    QVERIFY(folder.startsWith(QDir::tempPath() + QLatin1Char('/')));
    QCOMPARE(MailAttachmentFolder(QStringLiteral("foto.jpg")), folder); // once per run
    struct stat info
    {};
    QCOMPARE(stat(QFile::encodeName(folder).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, 0700u);

    QTemporaryDir elsewhere;
    const QString victim = elsewhere.filePath(QStringLiteral("victim"));
    QFile file(victim);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("keep");
    file.close();
    const QString attachment = folder + QStringLiteral("/foto.jpg");
    QFile::remove(attachment);
    QVERIFY(QFile::link(victim, attachment));

    try {
        WriteAttachmentFile(attachment, "jpeg");
        QFAIL("a link at the attachment's place was written through");
    } catch (const PlatformError &error) {
        QVERIFY(error.message().startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(attachment)));
    }
    QVERIFY(readAll(victim) == "keep");
    QFile::remove(attachment);

    // A folder that has gone is made afresh.
    QVERIFY(QDir(folder).removeRecursively());
    const QString again = MailAttachmentFolder(QStringLiteral("foto.jpg"));
    QVERIFY(QFileInfo(again).isDir());
    WriteAttachmentFile(again + QStringLiteral("/foto.jpg"), "jpeg");
    QVERIFY(readAll(again + QStringLiteral("/foto.jpg")) == "jpeg");
}

QTEST_MAIN(MailCommandTest)
#include "mail_command_test.moc"
