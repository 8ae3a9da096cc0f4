// The picture control: stretched drawing, the key colour left out, and the kept stretched
// picture following every change of picture and size.
#include "platform/PictureBox.h"

#include <QTest>

Q_DECLARE_METATYPE(QList<QPoint>)

namespace {

const QRgb Ground = qRgb(0, 0, 255); // the host's background
const QRgb Green = qRgb(0, 128, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

// 4 x 4 green with a red (1, 1) and a white (2, 2).
QImage marked(QImage::Format format)
{
    QImage image(4, 4, QImage::Format_RGB888);
    image.fill(QColor(Green));
    image.setPixel(1, 1, Red);
    image.setPixel(2, 2, White);
    if (format == QImage::Format_Indexed8)
        return image.convertToFormat(format, {Green, Red, White});
    if (format == QImage::Format_Mono) {
        // White ground, black (1, 1) and a black bottom-left, which is not the key here.
        QImage mono(4, 4, QImage::Format_Mono);
        mono.setColorTable({White, Black});
        mono.fill(0);
        mono.setPixel(1, 1, 1);
        mono.setPixel(0, 3, 1);
        return mono;
    }
    return image.convertToFormat(format);
}

struct Host
{
    QWidget widget;
    PictureBox *box;
    Host(const QImage &picture, bool transparent, QSize size)
    {
        widget.resize(64, 64);
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(Ground));
        widget.setPalette(palette);
        widget.setAutoFillBackground(true);
        box = new PictureBox(&widget);
        box->setGeometry(QRect(QPoint(0, 0), size));
        box->setTransparent(transparent);
        box->setPicture(picture);
    }
    QRgb at(int x, int y) { return widget.grab().toImage().pixel(x, y) | 0xff000000u; }
};

} // namespace

class PictureBoxTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawsStretchedLeavingOutTheKey_data()
    {
        QTest::addColumn<QImage>("picture");
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<QList<QPoint>>("points"); // in the 8 x 8 control
        QTest::addColumn<QList<QRgb>>("colours");
        const QList<QPoint> points{{0, 0}, {2, 3}, {5, 4}, {1, 7}, {7, 7}};
        QTest::newRow("24-bit keyed by its bottom-left pixel")
            << marked(QImage::Format_RGB888) << true << points << QList<QRgb>{Ground, Red, White, Ground, Ground};
        QTest::newRow("32-bit keyed by its bottom-left pixel")
            << marked(QImage::Format_RGB32) << true << points << QList<QRgb>{Ground, Red, White, Ground, Ground};
        QTest::newRow("8-bit keyed by its bottom-left colour")
            << marked(QImage::Format_Indexed8) << true << points << QList<QRgb>{Ground, Red, White, Ground, Ground};
        QTest::newRow("two-colour keyed by white")
            << marked(QImage::Format_Mono) << true << points << QList<QRgb>{Ground, Black, Ground, Black, Ground};
        QTest::newRow("opaque draws every pixel")
            << marked(QImage::Format_RGB888) << false << points << QList<QRgb>{Green, Red, White, Green, Green};
        QImage withAlpha = marked(QImage::Format_ARGB32);
        withAlpha.setPixel(0, 0, qRgba(0, 0, 0, 0));
        QTest::newRow("own transparency shows through")
            << withAlpha << false << points << QList<QRgb>{Ground, Red, White, Green, Green};
    }

    void drawsStretchedLeavingOutTheKey()
    {
        QFETCH(QImage, picture);
        QFETCH(bool, transparent);
        QFETCH(QList<QPoint>, points);
        QFETCH(QList<QRgb>, colours);
        Host host(picture, transparent, {8, 8});
        const QImage shot = host.widget.grab().toImage();
        for (qsizetype k = 0; k < points.size(); ++k) {
            QCOMPARE(QString::number(shot.pixel(points[k]) | 0xff000000u, 16), QString::number(colours[k], 16));
        }
        // Outside the control the host shows.
        QCOMPARE(shot.pixel(20, 20) | 0xff000000u, Ground);
    }

    void keptPictureFollowsChanges()
    {
        Host host(marked(QImage::Format_RGB888), true, {8, 8});
        QCOMPARE(host.at(2, 3), Red);
        // A picture changed in place and given back: the key is taken from the new content.
        QImage changed = host.box->picture().copy();
        changed.setPixel(0, 3, Red);
        host.box->setPicture(changed);
        QCOMPARE(host.at(2, 3), Ground);
        QCOMPARE(host.at(0, 0), Green);
        // A new size stretches again.
        host.box->resize(16, 16);
        QCOMPARE(host.at(2, 2), Green);
        QCOMPARE(host.at(9, 9), White);
        QCOMPARE(host.at(6, 6), Ground);
        host.box->setTransparent(false);
        QCOMPARE(host.at(6, 6), Red);
        QCOMPARE(host.at(1, 13), Red);
    }

    void controlsTooLargeToKeepStillDraw()
    {
        Host host(marked(QImage::Format_RGB888), true, {2400, 2000});
        QVERIFY(qint64(2400) * 2000 > PictureBox::MaxCachedPixels);
        host.widget.resize(2400, 2000);
        const QImage shot = host.widget.grab().toImage();
        QCOMPARE(shot.pixel(700, 700) | 0xff000000u, Red);
        QCOMPARE(shot.pixel(1300, 1100) | 0xff000000u, White);
        QCOMPARE(shot.pixel(100, 1900) | 0xff000000u, Ground);
    }

    void zeroSizeDrawsNothing()
    {
        Host host(marked(QImage::Format_RGB888), false, {0, 0});
        QCOMPARE(host.at(0, 0), Ground);
    }

    void autoSizeTakesOnlyPositiveSizes()
    {
        PictureBox box;
        box.resize(57, 73);
        box.setAutoSize(true);
        box.setPicture(QImage());
        QCOMPARE(box.size(), QSize(57, 73));
        box.setPicture(marked(QImage::Format_RGB888).scaled(640, 480));
        QCOMPARE(box.size(), QSize(640, 480));
        box.setPicture(QImage());
        QCOMPARE(box.size(), QSize(640, 480));
    }
};

QTEST_MAIN(PictureBoxTest)
#include "PictureBoxTest.moc"
