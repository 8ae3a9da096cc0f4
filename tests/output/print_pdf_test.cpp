// Printing end to end: pages printed to a 600 dpi PDF file, rasterised with pdftoppm, and
// each snapshot looked for where its slot puts it on the sheet.
#include "app/TFrmMain.h"
#include "output/PrintJob.h"
#include "output/TFrmNahled.h"
#include "platform/QtPrinterCanvas.h"
#include "tests/output/StartedWithAlbum.h"
#include "tests/output/print_RecordingCanvas.h"

#include <QImageReader>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

constexpr int Dpi = 600;

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) <= 4 && qAbs(a.green() - b.green()) <= 4 && qAbs(a.blue() - b.blue()) <= 4;
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) > 250 && qGreen(pixel) > 250 && qBlue(pixel) > 250;
}

std::unique_ptr<PrinterCanvas> pdfPrinter(const QString &fileName)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(Dpi);
    printer->setOutputFileName(fileName);
    return std::make_unique<QtPrinterCanvas>(std::move(printer));
}

QImage rasterise(const QString &pdf)
{
    const QString prefix = pdf + QStringLiteral(".page");
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(Dpi), QStringLiteral("-png"),
                                                QStringLiteral("-singlefile"), pdf, prefix});
    if (!pdftoppm.waitForFinished(60000) || pdftoppm.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The first and last non-white pixel along a line through the page.
std::pair<int, int> extent(const QImage &page, bool horizontal, int across, int from, int to)
{
    int first = -1;
    int last = -1;
    for (int i = from; i <= to; ++i) {
        const QRgb pixel = horizontal ? page.pixel(i, across) : page.pixel(across, i);
        if (!isWhite(pixel)) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return {first, last};
}

} // namespace

class PrintPdfTest : public QObject
{
    Q_OBJECT

private:
    struct Started : StartedWithAlbum
    {
        using StartedWithAlbum::StartedWithAlbum;
        QString pdf() { return folder.path() + QStringLiteral("/page.pdf"); }
        void answerPrintDialogWithPdf()
        {
            const QString file = pdf();
            dialogs.printers.push_back([file] { return pdfPrinter(file); });
        }
    };

    // Checks that the page shows colour inside the slot's printer rectangle, to one pixel.
    static void verifySlot(const QImage &page, int slot, const QColor &colour)
    {
        RecordingCanvas zeroOffsets(Dpi);
        const QPoint position = PrintSlot(slot);
        const QRect expected = PrintRect(zeroOffsets, 96, {}, QSize(220, 295), position.x(), position.y());
        const QPoint centre = expected.center();
        QVERIFY2(near(page.pixelColor(centre), colour),
                 qPrintable(QStringLiteral("slot %1 centre is %2").arg(slot).arg(page.pixelColor(centre).name())));
        const auto [left, right] = extent(page, true, centre.y(), expected.left() - 20, expected.right() + 20);
        const auto [top, bottom] = extent(page, false, centre.x(), expected.top() - 20, expected.bottom() + 20);
        const QString where = QStringLiteral("slot %1: printed (%2, %3)-(%4, %5), expected (%6, %7)-(%8, %9)")
                                  .arg(slot)
                                  .arg(left)
                                  .arg(top)
                                  .arg(right)
                                  .arg(bottom)
                                  .arg(expected.left())
                                  .arg(expected.top())
                                  .arg(expected.right())
                                  .arg(expected.bottom());
        QVERIFY2(qAbs(left - expected.left()) <= 1 && qAbs(right - expected.right()) <= 1, qPrintable(where));
        QVERIFY2(qAbs(top - expected.top()) <= 1 && qAbs(bottom - expected.bottom()) <= 1, qPrintable(where));
    }

private Q_SLOTS:
    void initTestCase();
    void printAllPutsNineSnapshotsInTheirSlots();
    void placedSnapshotLandsInSlotSix();
};

void PrintPdfTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        QSKIP("pdftoppm (poppler-utils) is not installed");
    QImageReader::setAllocationLimit(512); // a whole A4 page at 600 dpi
}

void PrintPdfTest::printAllPutsNineSnapshotsInTheirSlots()
{
    Started started(9);
    started.answerPrintDialogWithPdf();
    started.main().runCommand([&] { started.main().ToolButton3Click(); });
    QVERIFY(started.dialogs.texts(QStringLiteral("error")).isEmpty());

    const QImage page = rasterise(started.pdf());
    QVERIFY(!page.isNull());
    // The PDF printer keeps a margin; the job's offsets cancel it, so slots count from the sheet's corner.
    QVERIFY(started.main().printOffsets.x < 0);
    for (int slot = 1; slot <= 9; ++slot)
        verifySlot(page, slot, albumColour(slot - 1));
}

void PrintPdfTest::placedSnapshotLandsInSlotSix()
{
    Started started(2);
    started.answerPrintDialogWithPdf();
    TFrmNahled &dialog = *started.windows.FrmNahled;
    QTimer::singleShot(0, &dialog, [&] {
        dialog.RadioButton[5]->click();
        dialog.ButtonTisk->click();
    });
    started.main().runCommand([&] { started.main().TiskClick(); });
    QVERIFY(started.dialogs.texts(QStringLiteral("error")).isEmpty());

    const QImage page = rasterise(started.pdf());
    QVERIFY(!page.isNull());
    verifySlot(page, 6, albumColour(0));
    for (const int other : {1, 5, 9}) {
        const QPoint position = PrintSlot(other);
        RecordingCanvas zeroOffsets(Dpi);
        const QRect rect = PrintRect(zeroOffsets, 96, {}, QSize(220, 295), position.x(), position.y());
        QVERIFY(isWhite(page.pixel(rect.center())));
    }
}

QTEST_MAIN(PrintPdfTest)
#include "print_pdf_test.moc"
