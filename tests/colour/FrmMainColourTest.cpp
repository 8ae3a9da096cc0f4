// The hair colour commands on the main window: picks in the colour box recolour the
// hairstyle layer, the reset button brings its own colours back.
#include "app/TFrmMain.h"
#include "colour/HSVBox.h"
#include "colour/HsvBoxPicture.h"
#include "platform/PictureBox.h"
#include "tests/colour/TintedReference.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/StartedProgram.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <algorithm>

namespace {

// A 24-bit hairstyle with distinct channel values everywhere.
QImage hairstyle(int width, int height, int seed)
{
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y) {
        uchar *row = image.scanLine(y);
        for (int i = 0; i < width * 3; ++i)
            row[i] = static_cast<uchar>((i * 29 + y * 83 + seed) & 0xff);
    }
    return image;
}

} // namespace

class FrmMainColourTest : public QObject
{
    Q_OBJECT

private:
    // A main window started in a fresh application folder with an empty catalogue.
    struct Started : StartedProgram
    {
        HSVBox &box() { return *windows.FrmMain->HSVBoxControl; }
        QImage shown() { return windows.FrmMain->ImgUces->picture(); }

        // What loading a hairstyle does: the bitmap replaced, the flag cleared, the box's
        // colour applied.
        void load(const QImage &bitmap)
        {
            main().ImgUces->setPicture(bitmap);
            main().colourApplied = false;
            main().HSVBoxChange();
        }

        // A left click in the colour box; returns the colour picked.
        QRgb pick(QPoint at)
        {
            for (auto [type, buttons] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton},
                                         std::pair{QEvent::MouseButtonRelease, Qt::NoButton}}) {
                QMouseEvent event(type, QPointF(at), box().mapToGlobal(QPointF(at)), Qt::LeftButton, buttons,
                                  Qt::NoModifier);
                QApplication::sendEvent(&box(), &event);
            }
            return qRgb(box().red(), box().green(), box().blue());
        }
    };

    static QString plusColour(const QImage &actual, const QImage &loaded, QRgb colour)
    {
        return compareImages(actual, tintedReference(loaded, qRed(colour), qGreen(colour), qBlue(colour)));
    }

private Q_SLOTS:
    void picksShowTheLoadedHairstylePlusTheLastColour()
    {
        Started s;
        const QImage loaded = hairstyle(229, 312, 1);
        s.load(loaded);
        QCOMPARE(compareImages(s.shown(), loaded), QString());

        const QRgb a = s.pick({40, 20});
        QCOMPARE(plusColour(s.shown(), loaded, a), QString());
        const QRgb b = s.pick({120, 60});
        QVERIFY(a != b);
        QCOMPARE(plusColour(s.shown(), loaded, b), QString());
        QVERIFY(s.main().colourApplied);
    }

    void pureRedSetsRedAndLeavesGreenAndBlue()
    {
        Started s;
        const QImage loaded = hairstyle(61, 43, 2);
        s.load(loaded);
        QCOMPARE(s.pick({156, 0}), qRgb(255, 0, 0));
        const QImage shown = s.shown();
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                QCOMPARE(qRed(shown.pixel(x, y)), 255);
                QCOMPARE(qGreen(shown.pixel(x, y)), qGreen(loaded.pixel(x, y)));
                QCOMPARE(qBlue(shown.pixel(x, y)), qBlue(loaded.pixel(x, y)));
            }
        }
    }

    void resetBringsBackTheLoadedColoursWithoutAChangeEvent()
    {
        Started s;
        const QImage loaded = hairstyle(50, 70, 3);
        s.load(loaded);
        s.pick({170, 20});
        s.pick({100, 10});
        QSignalSpy changes(&s.box(), &HSVBox::changed);

        s.main().RxSpeedButton3->click();
        QCOMPARE(changes.count(), 0);
        QCOMPARE(compareImages(s.shown(), loaded), QString());
        QCOMPARE(s.box().red() + s.box().green() + s.box().blue(), 0);
        QCOMPARE(s.box().hue() + s.box().sat() + s.box().val(), 0);
        QCOMPARE(compareImages(s.box().picture(), hsvBoxPicture(HsvBoxModel())), QString());
        QVERIFY(s.main().colourApplied);

        // Picking after the reset starts from the loaded hairstyle again.
        const QRgb c = s.pick({80, 5});
        QCOMPARE(plusColour(s.shown(), loaded, c), QString());
    }

    void newHairstyleTakesThePickedColourAndNeverShowsThePrevious_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("same size") << QSize(229, 312);
        QTest::newRow("other size") << QSize(100, 140);
        QTest::newRow("one pixel") << QSize(1, 1);
        QTest::newRow("one column") << QSize(1, 12);
        QTest::newRow("one row") << QSize(12, 1);
        QTest::newRow("empty") << QSize();
    }

    void newHairstyleTakesThePickedColourAndNeverShowsThePrevious()
    {
        QFETCH(QSize, size);
        Started s;
        s.load(hairstyle(229, 312, 4));
        const QRgb colour = s.pick({60, 30});

        const QImage next = size.isValid() ? hairstyle(size.width(), size.height(), 5) : QImage();
        s.load(next);
        QCOMPARE(s.shown().size(), next.size());
        QCOMPARE(plusColour(s.shown(), next, colour), QString());

        const QRgb other = s.pick({150, 70});
        QCOMPARE(s.shown().size(), next.size());
        QCOMPARE(plusColour(s.shown(), next, other), QString());
    }

    void keyColouredPixelsStayTransparent()
    {
        Started s;
        QImage loaded(40, 30, QImage::Format_RGB888);
        loaded.fill(qRgb(200, 180, 10)); // background: the key colour
        for (int y = 5; y < 25; ++y)
            for (int x = 8; x < 32; ++x)
                loaded.setPixel(x, y, qRgb(240, 140 + x, 50 + y));
        loaded.setPixel(20, 12, qRgb(230, 180, 10)); // the red clamps it onto the key
        s.load(loaded);
        QCOMPARE(s.pick({156, 0}), qRgb(255, 0, 0));

        const QImage shown = s.shown();
        const QRgb key = PictureBox::keyColour(shown);
        QCOMPARE(key, qRgb(255, 180, 10));
        const QRgb oldKey = PictureBox::keyColour(loaded);
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                const bool wasKey = (loaded.pixel(x, y) | 0xff000000u) == oldKey;
                const bool isKey = (shown.pixel(x, y) | 0xff000000u) == key;
                QCOMPARE(isKey, wasKey || (x == 20 && y == 12));
            }
        }
    }

    void twoColourHairstyleBecomes24BitWhenLoaded()
    {
        Started s;
        QImage mono(16, 10, QImage::Format_Mono);
        mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        mono.fill(1);
        for (int x = 0; x < 16; ++x)
            mono.setPixel(x, 9, 0); // the bottom row black
        mono.setPixel(5, 5, 0);
        s.load(mono);
        QCOMPARE(s.shown().format(), QImage::Format_RGB888);
        QCOMPARE(compareImages(s.shown(), mono), QString());
        // The bottom-left rule now decides the key: black, not the two-colour white.
        QCOMPARE(PictureBox::keyColour(s.shown()), qRgb(0, 0, 0));

        const QRgb colour = s.pick({100, 20});
        QCOMPARE(s.shown().format(), QImage::Format_RGB888);
        QCOMPARE(plusColour(s.shown(), mono, colour), QString());
    }
};

QTEST_MAIN(FrmMainColourTest)
#include "FrmMainColourTest.moc"
