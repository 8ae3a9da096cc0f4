// The print-all command and the placement dialog, driven through the main window with a
// recording printer behind the print dialog.
#include "app/TFrmMain.h"
#include "output/PrintJob.h"
#include "output/TFrmNahled.h"
#include "platform/PictureBox.h"
#include "tests/output/StartedWithAlbum.h"
#include "tests/output/print_RecordingCanvas.h"
#include "tests/support/ImageCompare.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

const QString NothingToPrint = QStringLiteral("Není uložen žádný obrázek, nelze tisknout.");

QStringList kinds(const ScriptedDialogs &dialogs)
{
    QStringList result;
    for (const ScriptedDialogs::Shown &entry : dialogs.shown)
        result << entry.kind + (entry.text.isEmpty() ? QString() : QStringLiteral(": ") + entry.text);
    return result;
}

bool isBlank(const QImage &picture)
{
    return compareImages(picture, solid(Qt::white, 18, 19)).isEmpty();
}

} // namespace

class PrintCommandsTest : public QObject
{
    Q_OBJECT

private:
    struct Started : StartedWithAlbum
    {
        RecordingCanvas printer{600};

        using StartedWithAlbum::StartedWithAlbum;
        TFrmNahled &placement() { return *windows.FrmNahled; }
        void answerPrintDialog(RecordingCanvas &canvas)
        {
            dialogs.printers.push_back([&canvas] { return std::make_unique<ForwardingCanvas>(canvas); });
        }
        void answerPrintDialog() { answerPrintDialog(printer); }
        // Opens the placement dialog with "Tisknout foto", runs step while it is open, and
        // closes it with "Storno" unless step closed it.
        void whilePlacementOpen(const std::function<void(TFrmNahled &)> &step)
        {
            bool ran = false;
            QTimer::singleShot(0, &main(), [&] {
                ran = true;
                step(placement());
                if (placement().isVisible())
                    placement().ButtonStorno->click();
            });
            main().runCommand([this] { main().TiskClick(); });
            QVERIFY(ran);
            QVERIFY(!placement().isVisible());
        }
    };

private Q_SLOTS:
    void emptyAlbumRefusesBothCommandsBeforeThePrintDialog_data();
    void emptyAlbumRefusesBothCommandsBeforeThePrintDialog();
    void printAllPutsTheAlbumInSlotOrder_data();
    void printAllPutsTheAlbumInSlotOrder();
    void cancelledPrintDialogPrintsNothingAndKeepsTheHolders();
    void firstShowingPreviewsTheSnapshotInSlotOne();
    void positionButtonSixPreviewsAndPrintsAtSlotSix();
    void manualPlacementMovesThePreviewAndPrintsAtTheMillimetres();
    void physicalOffsetsMoveEveryPlacement();
    void spinEditTextThatIsNoNumberCountsAsZero();
    void stateIsKeptBetweenShowingsAndTheNewSnapshotShown();
    void cancelledPrintDialogClosesThePlacementDialogWithoutAPage();
    void printerErrorIsShownAndPrintsNothing();
};

void PrintCommandsTest::emptyAlbumRefusesBothCommandsBeforeThePrintDialog_data()
{
    QTest::addColumn<bool>("printAll");
    QTest::newRow("print all") << true;
    QTest::newRow("print the shown snapshot") << false;
}

void PrintCommandsTest::emptyAlbumRefusesBothCommandsBeforeThePrintDialog()
{
    QFETCH(bool, printAll);
    Started started(0);
    started.answerPrintDialog();
    const QImage marker = solid(Qt::red);
    started.main().ImageX[0]->setPicture(marker);

    started.main().runCommand([&] { printAll ? started.main().ToolButton3Click() : started.main().TiskClick(); });

    QCOMPARE(started.dialogs.texts(QStringLiteral("warning")), QStringList{NothingToPrint});
    QCOMPARE(started.dialogs.shown.size(), 1);
    QCOMPARE(started.dialogs.printers.size(), size_t(1)); // the print dialog never opened
    QVERIFY(!started.placement().isVisible());
    QCOMPARE(started.main().ImageX[0]->picture(), marker);
}

void PrintCommandsTest::printAllPutsTheAlbumInSlotOrder_data()
{
    QTest::addColumn<int>("albumCount");
    QTest::newRow("one snapshot") << 1;
    QTest::newRow("five snapshots") << 5;
    QTest::newRow("nine snapshots") << 9;
}

void PrintCommandsTest::printAllPutsTheAlbumInSlotOrder()
{
    QFETCH(int, albumCount);
    Started started(albumCount, albumCount - 1);
    started.answerPrintDialog();

    started.main().runCommand([&] { started.main().ToolButton3Click(); });

    QCOMPARE(kinds(started.dialogs), QStringList{"print"});
    QCOMPARE(started.printer.title, QStringLiteral("Foto"));
    QCOMPARE(started.printer.calls.count(QStringLiteral("begin")), 1);
    QCOMPARE(started.printer.calls.count(QStringLiteral("end")), 1);
    QCOMPARE(started.printer.draws.size(), 9);
    for (int k = 0; k < 9; ++k) {
        const RecordingCanvas::Draw &draw = started.printer.draws[k];
        const QPoint slot = PrintSlot(k + 1);
        QCOMPARE(draw.target, PrintRect(started.printer, 96, {}, QSize(220, 295), slot.x(), slot.y()));
        if (k < albumCount)
            QCOMPARE(compareImages(draw.picture, solid(albumColour(k))), QString());
        else
            QVERIFY2(isBlank(draw.picture), qPrintable(QStringLiteral("slot %1 should print white").arg(k + 1)));
    }
}

void PrintCommandsTest::cancelledPrintDialogPrintsNothingAndKeepsTheHolders()
{
    Started started(2);
    const QImage marker = solid(Qt::red);
    for (PictureBox *holder : started.main().ImageX)
        holder->setPicture(marker);

    started.main().runCommand([&] { started.main().ToolButton3Click(); }); // no printer: cancelled

    QCOMPARE(kinds(started.dialogs), QStringList{"print"});
    QVERIFY(started.printer.calls.isEmpty());
    for (PictureBox *holder : started.main().ImageX)
        QCOMPARE(holder->picture(), marker);
}

void PrintCommandsTest::firstShowingPreviewsTheSnapshotInSlotOne()
{
    Started started(3, 1);
    started.whilePlacementOpen([&](TFrmNahled &dialog) {
        QVERIFY(dialog.RadioButtonAuto->isChecked());
        QVERIFY(dialog.RadioButton[0]->isChecked());
        QCOMPARE(compareImages(dialog.Image[0]->picture(), solid(albumColour(1))), QString());
        for (int k = 1; k < 9; ++k)
            QVERIFY(isBlank(dialog.Image[k]->picture()));
        for (PictureBox *slot : dialog.Image)
            QVERIFY(slot->isVisible());
        QVERIFY(!dialog.ImagePohyb->isVisible());
        QCOMPARE(dialog.ImagePohyb->pos(), QPoint(0, 0));
        QCOMPARE(dialog.SpinEditL->value(), 0);
        QCOMPARE(dialog.SpinEditT->value(), 0);
    });
}

void PrintCommandsTest::positionButtonSixPreviewsAndPrintsAtSlotSix()
{
    Started started(2, 0);
    started.answerPrintDialog();
    started.whilePlacementOpen([&](TFrmNahled &dialog) {
        dialog.RadioButton[5]->click();
        QCOMPARE(compareImages(dialog.Image[5]->picture(), solid(albumColour(0))), QString());
        for (int k = 0; k < 9; ++k)
            if (k != 5)
                QVERIFY(isBlank(dialog.Image[k]->picture()));
        dialog.ButtonTisk->click();
    });

    QCOMPARE(started.printer.title, QStringLiteral("Foto"));
    QCOMPARE(started.printer.draws.size(), 9);
    for (int k = 0; k < 9; ++k) {
        const RecordingCanvas::Draw &draw = started.printer.draws[k];
        if (k == 5) {
            QCOMPARE(draw.target, QRect(3300, 2306, 1381, 1850));
            QCOMPARE(compareImages(draw.picture, solid(albumColour(0))), QString());
        } else {
            QVERIFY(isBlank(draw.picture));
        }
    }
}

void PrintCommandsTest::manualPlacementMovesThePreviewAndPrintsAtTheMillimetres()
{
    Started started(1);
    started.answerPrintDialog();
    started.whilePlacementOpen([&](TFrmNahled &dialog) {
        dialog.SpinEditL->setValue(10);
        dialog.SpinEditT->setValue(20);
        QCOMPARE(dialog.ImagePohyb->pos(), QPoint(12, 24)); // moves while still hidden
        dialog.RadioButtonRuce->click();
        for (PictureBox *slot : dialog.Image)
            QVERIFY(!slot->isVisible());
        QVERIFY(dialog.ImagePohyb->isVisible());
        QCOMPARE(compareImages(dialog.ImagePohyb->picture(), solid(albumColour(0))), QString());
        dialog.SpinEditT->findChild<QLineEdit *>()->setText(QStringLiteral("200")); // typing moves it at once
        QCOMPARE(dialog.ImagePohyb->pos(), QPoint(12, 247));
        dialog.SpinEditT->setValue(20);

        dialog.RadioButtonAuto->click();
        for (PictureBox *slot : dialog.Image)
            QVERIFY(slot->isVisible());
        QVERIFY(!dialog.ImagePohyb->isVisible());
        dialog.RadioButtonRuce->click();
        dialog.ButtonTisk->click();
    });

    QCOMPARE(started.printer.draws.size(), 1);
    QCOMPARE(started.printer.draws[0].target.topLeft(), QPoint(231, 468));
    QCOMPARE(started.printer.draws[0].target.size(), QSize(1381, 1850));
    QCOMPARE(compareImages(started.printer.draws[0].picture, solid(albumColour(0))), QString());
    QCOMPARE(compareImages(started.main().ImageX[0]->picture(), solid(albumColour(0))), QString());
    for (int k = 1; k < 9; ++k)
        QVERIFY(isBlank(started.main().ImageX[k]->picture()));
}

void PrintCommandsTest::physicalOffsetsMoveEveryPlacement()
{
    Started started(1);
    RecordingCanvas offset(600, 50, 60);
    started.answerPrintDialog(offset);
    started.main().runCommand([&] { started.main().ToolButton3Click(); });
    QCOMPARE(offset.draws.size(), 9);
    QCOMPARE(offset.draws[0].target.topLeft(), QPoint(156 - 50, 93 - 60));
    QCOMPARE(offset.draws[8].target.topLeft(), QPoint(3300 - 50, 4518 - 60));
    QCOMPARE(started.main().printOffsets.x, -50);
    QCOMPARE(started.main().printOffsets.y, -60);

    RecordingCanvas manual(600, 50, 60);
    started.answerPrintDialog(manual);
    started.whilePlacementOpen([&](TFrmNahled &dialog) {
        dialog.RadioButtonRuce->click();
        dialog.SpinEditL->setValue(10);
        dialog.SpinEditT->setValue(20);
        dialog.ButtonTisk->click();
    });
    QCOMPARE(manual.draws.size(), 1);
    QCOMPARE(manual.draws[0].target.topLeft(), QPoint(231 - 50, 468 - 60));
}

void PrintCommandsTest::spinEditTextThatIsNoNumberCountsAsZero()
{
    Started started(1);
    started.answerPrintDialog();
    started.whilePlacementOpen([&](TFrmNahled &dialog) {
        dialog.RadioButtonRuce->click();
        dialog.SpinEditL->setValue(50);
        dialog.SpinEditT->setValue(50);
        dialog.SpinEditL->findChild<QLineEdit *>()->setText(QString());
        dialog.SpinEditT->findChild<QLineEdit *>()->setText(QString());
        QCOMPARE(dialog.ImagePohyb->pos(), QPoint(0, 0));
        dialog.ButtonTisk->click();
    });
    QCOMPARE(started.printer.draws.size(), 1);
    QCOMPARE(started.printer.draws[0].target.topLeft(), QPoint(0, 0));
}

void PrintCommandsTest::stateIsKeptBetweenShowingsAndTheNewSnapshotShown()
{
    Started started(3, 0);
    started.whilePlacementOpen([&](TFrmNahled &dialog) {
        dialog.RadioButton[3]->click();
        dialog.SpinEditL->setValue(100);
        dialog.RadioButtonRuce->click();
    });
    started.show(2);
    started.whilePlacementOpen([&](TFrmNahled &dialog) {
        QVERIFY(dialog.RadioButtonRuce->isChecked());
        QVERIFY(dialog.RadioButton[3]->isChecked());
        QCOMPARE(dialog.SpinEditL->value(), 100);
        QCOMPARE(dialog.ImagePohyb->pos(), QPoint(123, 0));
        QVERIFY(dialog.ImagePohyb->isVisible());
        QVERIFY(!dialog.Image[3]->isVisible());
        QCOMPARE(compareImages(dialog.ImagePohyb->picture(), solid(albumColour(2))), QString());
        QCOMPARE(compareImages(dialog.Image[3]->picture(), solid(albumColour(2))), QString());
    });
}

void PrintCommandsTest::cancelledPrintDialogClosesThePlacementDialogWithoutAPage()
{
    Started started(1);
    const QImage marker = solid(Qt::red);
    started.main().ImageX[4]->setPicture(marker);
    started.whilePlacementOpen([&](TFrmNahled &dialog) {
        dialog.ButtonTisk->click(); // no printer scripted: the print dialog is cancelled
        QVERIFY(!dialog.isVisible());
    });
    QVERIFY(started.printer.calls.isEmpty());
    QCOMPARE(started.main().ImageX[4]->picture(), marker);
    QCOMPARE(kinds(started.dialogs), QStringList{"print"});
}

void PrintCommandsTest::printerErrorIsShownAndPrintsNothing()
{
    Started started(1);
    started.printer.failBegin = true;
    started.answerPrintDialog();
    started.main().runCommand([&] { started.main().ToolButton3Click(); });
    QCOMPARE(started.dialogs.texts(QStringLiteral("error")),
             QStringList{QStringLiteral("Printer selected is not valid")});
    QVERIFY(started.printer.draws.isEmpty());
}

QTEST_MAIN(PrintCommandsTest)
#include "print_commands_test.moc"
