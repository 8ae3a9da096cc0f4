// The export command with its format dialog and save dialogs, answered by the test.
#include "app/TFrmMain.h"
#include "output/BmpWriter.h"
#include "output/JpegFromPicture.h"
#include "output/TFormExport.h"
#include "platform/PictureBox.h"
#include "platform/QtUserDialogs.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/StartedProgram.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <functional>

namespace {

// Scripted dialogs except for the save dialog, which is the real one.
class RealSaveDialog : public ScriptedDialogs
{
public:
    QtUserDialogs real;
    FileDialogResult saveFile(const FileDialogRequest &request) override
    {
        fileRequests.append(request);
        return real.saveFile(request);
    }
};

// Answers the modal windows that open, in order: each step waits until the active modal
// window is of its type, then acts on it.
class ModalScript : public QObject
{
public:
    using Step = std::function<bool(QWidget *)>; // true when the step has acted
    explicit ModalScript(QList<Step> steps) : m_steps(std::move(steps)) { startTimer(5); }
    bool done() const { return m_next == m_steps.size(); }

protected:
    void timerEvent(QTimerEvent *) override
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (m_next < m_steps.size() && modal != nullptr && m_steps[m_next](modal))
            ++m_next;
    }

private:
    QList<Step> m_steps;
    qsizetype m_next = 0;
};

struct Started : StartedProgram
{
    QString exports = folder.file(QStringLiteral("exports")); // an empty folder for the exported files

    explicit Started(ScriptedDialogs *other = nullptr)
        : StartedProgram(
              [](const TempFolder &folder) {
                  emptyCatalogue(folder);
                  folder.makeFolder(QStringLiteral("exports"));
              },
              other)
    {
        dialogs.clear();
        main().ImgUces->setPicture(QImage());
    }
    TFormExport &form() { return *windows.FormExport; }

    // Stores n snapshots, each with a photo of its own colour.
    void store(int n)
    {
        for (int k = 0; k < n; ++k) {
            QImage photo(228, 312, QImage::Format_RGB888);
            photo.fill(qRgb(20 * (main().ImageList.Count() + 1), 80, 160));
            main().ImgFoto->setPicture(photo);
            main().runCommand([this] { main().ToolButton20Click(); });
        }
    }

    // Runs the export command; the format dialog, once shown, is answered by `answer`.
    // Returns whether the dialog was shown.
    bool exportWith(const std::function<void(TFormExport &)> &answer)
    {
        bool shown = false;
        QTimer::singleShot(0, &form(), [&] {
            shown = form().isVisible();
            answer(form());
        });
        main().runCommand([this] { main().ToolButton21Click(); });
        if (!shown)
            QTest::qWait(1); // let a timer that found no dialog run out
        return shown;
    }

    QStringList exportedFiles() const
    {
        return QDir(exports).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

void chooseJpeg(TFormExport &form)
{
    form.RadioJPG->setChecked(true);
    form.ButtonOK->click();
}

void chooseBmp(TFormExport &form)
{
    form.RadioBMP->setChecked(true);
    form.ButtonOK->click();
}

FileDialogResult saveAs(const QString &fileName, int filter = 0)
{
    return FileDialogResult{true, fileName, filter};
}

} // namespace

class ExportCommandTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatDialogLayout();
    void emptyAlbumWarnsAndOpensNothing();
    void jpegChosenAndSaveCancelledWritesNothing();
    void shownSnapshotIsExportedAsJpegWithTheDefaultExtension();
    void bmpChoiceAndFileNameAndFilterAreRememberedPerDialog();
    void leavingTheFormatDialogWithoutOkExportsNothing();
    void failedWriteShowsTheErrorAndLosesNothing();
    void realSaveDialogAddsTheExtensionAndAsksBeforeReplacing();
};

void ExportCommandTest::formatDialogLayout()
{
    Started started;
    TFormExport &form = started.form();
    QCOMPARE(form.windowTitle(), QStringLiteral("Export"));
    QCOMPARE(form.size(), QSize(350, 246));
    QVERIFY(!form.isVisible());
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(form.Image1->size(), QSize(24, 24));
    QCOMPARE(form.Label1->text(), QStringLiteral("Exportovat do formátu:"));
    QCOMPARE(form.Label1->font().pixelSize(), 19);
    QCOMPARE(form.RadioJPG->text(), QStringLiteral("*.JPG (Jpeg)"));
    QCOMPARE(form.RadioBMP->text(), QStringLiteral("*.BMP (bitmapa)"));
    QVERIFY(form.RadioJPG->isChecked());
    QCOMPARE(form.RadioJPG->parentWidget(), form.Panel1);
    QVERIFY(form.RadioBMP->y() > form.RadioJPG->y());
    for (QPushButton *button : {form.ButtonOK, form.ButtonStorno}) {
        QCOMPARE(button->size(), QSize(75, 25));
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    }
    QCOMPARE(form.ButtonOK->text(), QStringLiteral("OK"));
    QCOMPARE(form.ButtonStorno->text(), QStringLiteral("Storno"));
    QCOMPARE(form.ButtonOK->y(), form.ButtonStorno->y());
    QCOMPARE(form.exportChoice(), -1);
}

void ExportCommandTest::emptyAlbumWarnsAndOpensNothing()
{
    Started started;
    QVERIFY(!started.exportWith(chooseJpeg));
    QCOMPARE(started.dialogs.texts(QStringLiteral("warning")),
             QStringList{QStringLiteral("Není uložen žádný obrázek, nelze exportovat.")});
    QCOMPARE(started.dialogs.shown.size(), 1);
    QVERIFY(started.exportedFiles().isEmpty());
}

void ExportCommandTest::jpegChosenAndSaveCancelledWritesNothing()
{
    Started started;
    started.store(1);
    QVERIFY(started.exportWith(chooseJpeg));
    QCOMPARE(started.form().exportChoice(), 1);

    QCOMPARE(started.dialogs.fileRequests.size(), 1);
    const FileDialogRequest request = started.dialogs.fileRequests.at(0);
    QCOMPARE(request.filters, (QStringList{QStringLiteral("JPG (*.jpg)"), QStringLiteral("*.* (*)")}));
    QCOMPARE(request.selectedFilter, 0);
    QCOMPARE(request.fileName, QString());
    QCOMPARE(request.defaultSuffix, QStringLiteral("jpg"));
    QVERIFY(request.confirmOverwrite);
    QVERIFY(started.exportedFiles().isEmpty());
    QCOMPARE(started.dialogs.texts(QStringLiteral("error")), QStringList());
}

void ExportCommandTest::shownSnapshotIsExportedAsJpegWithTheDefaultExtension()
{
    Started started;
    started.store(5);
    for (int k = 0; k < 3; ++k)
        started.main().runCommand([&] { started.main().Button1Click(); });
    QCOMPARE(started.main().albumCursor, 1);

    started.dialogs.fileAnswers.push_back(saveAs(started.exports + QStringLiteral("/foto")));
    QVERIFY(started.exportWith(chooseJpeg));

    QCOMPARE(started.exportedFiles(), QStringList{QStringLiteral("foto.jpg")});
    const QByteArray written = readAll(started.exports + QStringLiteral("/foto.jpg"));
    QCOMPARE(written, encodeJpeg(started.main().ImageList.picture(1), 80));
    QVERIFY(written != encodeJpeg(started.main().ImageList.picture(4), 80));
    QCOMPARE(QDir::currentPath(), started.exports); // the working folder follows the save
}

void ExportCommandTest::bmpChoiceAndFileNameAndFilterAreRememberedPerDialog()
{
    Started started;
    started.store(2);
    const QString picture = started.exports + QStringLiteral("/pic");

    // "*.*" chosen: the name stays as typed and the file holds a BMP all the same.
    started.dialogs.fileAnswers.push_back(saveAs(picture, 1));
    QVERIFY(started.exportWith(chooseBmp));
    QCOMPARE(started.form().exportChoice(), 0);
    QCOMPARE(started.exportedFiles(), QStringList{QStringLiteral("pic")});
    const QByteArray bmp = readAll(picture);
    QCOMPARE(bmp.size(), 214710);
    QCOMPARE(bmp, encodeBmp(started.main().ImageList.picture(1)));

    bool bmpPreselected = false;
    QVERIFY(started.exportWith([&](TFormExport &form) {
        bmpPreselected = form.RadioBMP->isChecked() && !form.RadioJPG->isChecked();
        form.ButtonOK->click();
    }));
    QVERIFY(bmpPreselected);
    QCOMPARE(started.dialogs.fileRequests.size(), 2);
    const FileDialogRequest again = started.dialogs.fileRequests.at(1);
    QCOMPARE(again.filters, (QStringList{QStringLiteral("BMP (*.bmp)"), QStringLiteral("*.* (*)")}));
    QCOMPARE(again.defaultSuffix, QStringLiteral("bmp"));
    QCOMPARE(again.fileName, picture);
    QCOMPARE(again.selectedFilter, 1);

    // The JPEG dialog keeps its own memory.
    QVERIFY(started.exportWith(chooseJpeg));
    QCOMPARE(started.dialogs.fileRequests.at(2).fileName, QString());
    QCOMPARE(started.dialogs.fileRequests.at(2).selectedFilter, 0);
}

void ExportCommandTest::leavingTheFormatDialogWithoutOkExportsNothing()
{
    Started started;
    started.store(1);
    QVERIFY(started.exportWith(chooseJpeg)); // save cancelled
    QCOMPARE(started.form().exportChoice(), 1);

    QVERIFY(started.exportWith([](TFormExport &form) { form.close(); }));
    QCOMPARE(started.form().exportChoice(), -1);
    QVERIFY(started.exportWith([](TFormExport &form) { form.ButtonStorno->click(); }));
    QCOMPARE(started.form().exportChoice(), -1);
    QVERIFY(started.exportWith([](TFormExport &form) { form.reject(); })); // Escape
    QCOMPARE(started.form().exportChoice(), -1);

    QCOMPARE(started.dialogs.fileRequests.size(), 1);
    QVERIFY(started.exportedFiles().isEmpty());
    QVERIFY(started.form().RadioJPG->isChecked());
}

void ExportCommandTest::failedWriteShowsTheErrorAndLosesNothing()
{
    Started started;
    started.store(1);

    // A folder that is not there: the error names the file and the reason; nothing is left.
    const QString missing = started.exports + QStringLiteral("/gone/foto.jpg");
    started.dialogs.fileAnswers.push_back(saveAs(missing));
    QVERIFY(started.exportWith(chooseJpeg));
    QCOMPARE(started.dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Cannot create file \"%1\". No such file or directory").arg(missing)});
    QVERIFY(started.exportedFiles().isEmpty());

    // A write that fails halfway (a file-size limit stands in for a full disk) over an
    // existing file: the file keeps its old content and no partial file stays.
    const QString existing = started.folder.writeFile(QStringLiteral("exports/old.bmp"), "old content");
    started.dialogs.clear();
    started.dialogs.fileAnswers.push_back(saveAs(existing));
    bool shown = false;
    {
        const FileSizeLimit limit(4096);
        QVERIFY(limit.active());
        shown = started.exportWith(chooseBmp);
    }

    QVERIFY(shown);
    const QStringList errors = started.dialogs.texts(QStringLiteral("error"));
    QCOMPARE(errors.size(), 1);
    QCOMPARE(
        errors.at(0),
        QStringLiteral("Cannot create file \"%1\". %2").arg(existing, QString::fromLocal8Bit(std::strerror(EFBIG))));
    QCOMPARE(readAll(existing), QByteArray("old content"));
    QCOMPARE(started.exportedFiles(), QStringList{QStringLiteral("old.bmp")});
}

void ExportCommandTest::realSaveDialogAddsTheExtensionAndAsksBeforeReplacing()
{
    RealSaveDialog dialogs;
    Started started(&dialogs);
    dialogs.real.setOwner(&started.main());
    started.store(1);
    const QString typed = started.exports + QStringLiteral("/foto");

    const auto format = [](QWidget *modal) {
        auto *form = qobject_cast<TFormExport *>(modal);
        if (form != nullptr)
            chooseJpeg(*form);
        return form != nullptr;
    };
    const auto type = [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (dialog == nullptr)
            return false;
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(typed);
        QMetaObject::invokeMethod(static_cast<QDialog *>(dialog), &QDialog::accept, Qt::QueuedConnection);
        return true;
    };
    const auto answer = [](QMessageBox::StandardButton button) {
        return [button](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (box != nullptr)
                box->button(button)->click();
            return box != nullptr;
        };
    };
    const auto cancel = [](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        if (dialog != nullptr)
            QMetaObject::invokeMethod(static_cast<QDialog *>(dialog), &QDialog::reject, Qt::QueuedConnection);
        return dialog != nullptr;
    };

    {
        ModalScript script({format, type});
        started.main().runCommand([&] { started.main().ToolButton21Click(); });
        QVERIFY(script.done());
    }
    QCOMPARE(started.exportedFiles(), QStringList{QStringLiteral("foto.jpg")});
    const QByteArray first = readAll(started.exports + QStringLiteral("/foto.jpg"));
    QVERIFY(first.startsWith("\xff\xd8"));

    // The same name again: the replacement is asked about; No keeps the file.
    started.store(1); // the viewer now shows a second, different snapshot
    {
        ModalScript script({format, type, answer(QMessageBox::No), cancel});
        started.main().runCommand([&] { started.main().ToolButton21Click(); });
        QVERIFY(script.done());
    }
    QCOMPARE(readAll(started.exports + QStringLiteral("/foto.jpg")), first);
    {
        ModalScript script({format, type, answer(QMessageBox::Yes)});
        started.main().runCommand([&] { started.main().ToolButton21Click(); });
        QVERIFY(script.done());
    }
    QVERIFY(readAll(started.exports + QStringLiteral("/foto.jpg")) != first);
    QCOMPARE(started.exportedFiles(), QStringList{QStringLiteral("foto.jpg")});
    QCOMPARE(dialogs.texts(QStringLiteral("error")), QStringList());
}

QTEST_MAIN(ExportCommandTest)
#include "export_command_test.moc"
