// The fitting area on the main window: the tool-bar commands, the toggles, dragging with
// real mouse events, and opening a photo with its fit.
#include "app/TFrmMain.h"
#include "fitting/FittingArea.h"
#include "fitting/PhotoFilters.h"
#include "platform/PictureBox.h"
#include "tests/support/ImageCompare.h"
#include "tests/support/StartedProgram.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(LayerRect)

namespace {

char *rectText(const LayerRect &r)
{
    return QTest::toString(QStringLiteral("{%1, %2, %3 x %4}").arg(r.left).arg(r.top).arg(r.width).arg(r.height));
}

// A picture whose pixels tell where they came from.
QImage patterned(int width, int height, QImage::Format format = QImage::Format_RGB888)
{
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 7) & 0xff, (y * 5) & 0xff, 99));
    return image;
}

} // namespace

namespace QTest {
template <> char *toString(const LayerRect &r)
{
    return rectText(r);
}
} // namespace QTest

class FittingWindowTest : public QObject
{
    Q_OBJECT

private:
    struct Started : StartedProgram
    {
        Started() { dialogs.clear(); }
        FittingArea &area() { return *windows.FrmMain->Panel3; }
        LayerRect photo() { return area().photoRect(); }
        LayerRect hairstyle() { return area().hairstyleRect(); }
        void click(const QString &button) { main().findChild<QToolButton *>(button)->click(); }
        void show()
        {
            main().show();
            QVERIFY(QTest::qWaitForWindowExposed(&main()));
        }
        // A point of `widget` in the coordinates of the main window's native window.
        QPoint at(QWidget *widget, QPoint point) { return widget->mapTo(&main(), point); }
        QWindow *window() { return main().windowHandle(); }
        // Opens the file at `path` through the open dialog.
        void open(const QString &path)
        {
            FileDialogResult answer;
            answer.accepted = true;
            answer.fileName = path;
            dialogs.fileAnswers.push_back(answer);
            click(QStringLiteral("ToolButton18"));
        }
    };

private Q_SLOTS:
    void startState()
    {
        Started s;
        QCOMPARE(s.photo(), (LayerRect{17, 9, 228, 312}));
        QCOMPARE(s.hairstyle(), (LayerRect{17, 9, 229, 312}));
        // Area point (0, 0) lies inside the one-pixel bevel.
        QCOMPARE(s.main().ImgFoto->geometry(), QRect(18, 10, 228, 312));
        QCOMPARE(s.main().ImgUces->geometry(), QRect(18, 10, 229, 312));
        QCOMPARE(s.main().ImgFoto->cursor().shape(), Qt::DragMoveCursor);
        QCOMPARE(s.main().ImgUces->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(s.main().ImgUces->isTransparent());
        QCOMPARE(s.main().ImageSize->size(), QSize(57, 73));
        // The shipped portraits: the start-up photo shown, the default photo held.
        QCOMPARE(s.main().ImgFoto->picture().size(), QSize(228, 314));
        QCOMPARE(s.main().FotoDef->picture().size(), QSize(230, 320));
        for (int k = 0; k < 3; ++k)
            QVERIFY(s.area().guideLine(k)->isHidden());
        QCOMPARE(s.area().guideLine(0)->geometry(), QRect(9, 169, 249, 3));
        QCOMPARE(s.area().guideLine(1)->geometry(), QRect(9, 227, 249, 3));
        QCOMPARE(s.area().guideLine(2)->geometry(), QRect(132, 6, 3, 321));
    }

    void commands_data()
    {
        QTest::addColumn<QStringList>("clicks"); // "button" or "button*count"
        QTest::addColumn<LayerRect>("photo");
        QTest::addColumn<LayerRect>("hairstyle");
        const LayerRect photo{17, 9, 228, 312};
        const LayerRect hair{17, 9, 229, 312};
        QTest::newRow("Foto doleva") << QStringList{"ToolButton1"} << LayerRect{15, 9, 228, 312} << hair;
        QTest::newRow("Foto doprava") << QStringList{"ToolButton4"} << LayerRect{19, 9, 228, 312} << hair;
        QTest::newRow("Foto nahoru") << QStringList{"ToolButton6"} << LayerRect{17, 7, 228, 312} << hair;
        QTest::newRow("Foto dolů") << QStringList{"ToolButton7"} << LayerRect{17, 11, 228, 312} << hair;
        QTest::newRow("Výchozí pozice fotky keeps the size")
            << QStringList{"ToolButton1*5", "ToolButton7*3", "ToolButton11", "ToolButton5"}
            << LayerRect{18, 9, 232, 316} << hair;
        QTest::newRow("Zvětšit foto") << QStringList{"ToolButton11"} << LayerRect{15, 7, 232, 316} << hair;
        QTest::newRow("Zmenšit foto") << QStringList{"ToolButton12"} << LayerRect{19, 11, 224, 308} << hair;
        QTest::newRow("Zvětšit účes") << QStringList{"btnUcesPlus"} << photo << LayerRect{15, 7, 233, 316};
        QTest::newRow("Zmenšit účes") << QStringList{"btnUcesMinus"} << photo << LayerRect{19, 11, 225, 308};
        QTest::newRow("Výchozí účes is one pixel narrower")
            << QStringList{"btnUcesPlus*3", "ToolButton13"} << photo << LayerRect{18, 9, 228, 312};
        QTest::newRow("57 shrinks give width 0")
            << QStringList{"ToolButton13", "btnUcesMinus*57"} << photo << LayerRect{132, 123, 0, 84};
        QTest::newRow("78 shrinks give height 0")
            << QStringList{"ToolButton13", "btnUcesMinus*78"} << photo << LayerRect{174, 165, -84, 0};
        QTest::newRow("enlarging counts back from negative")
            << QStringList{"ToolButton13", "btnUcesMinus*78", "btnUcesPlus*2"} << photo << LayerRect{170, 161, -76, 8};
        QTest::newRow("photo shrunk past zero")
            << QStringList{"ToolButton12*80"} << LayerRect{177, 169, -92, -8} << hair;
    }

    void commands()
    {
        QFETCH(QStringList, clicks);
        QFETCH(LayerRect, photo);
        QFETCH(LayerRect, hairstyle);
        Started s;
        for (const QString &entry : clicks) {
            const QStringList parts = entry.split(QLatin1Char('*'));
            const int count = parts.size() > 1 ? parts.at(1).toInt() : 1;
            for (int k = 0; k < count; ++k)
                s.click(parts.at(0));
        }
        QCOMPARE(s.photo(), photo);
        QCOMPARE(s.hairstyle(), hairstyle);
        // The widgets mirror the rectangles; a zero or negative size shows nothing.
        for (auto [layer, rect] : {std::pair{s.main().ImgFoto, photo}, std::pair{s.main().ImgUces, hairstyle}}) {
            QCOMPARE(layer->pos(), QPoint(rect.left + 1, rect.top + 1));
            QCOMPARE(layer->size(), QSize(std::max(rect.width, 0), std::max(rect.height, 0)));
        }
        QVERIFY(s.dialogs.shown.isEmpty());
    }

    void guideLinesToggle()
    {
        Started s;
        for (bool expected : {true, false, true}) {
            s.click(QStringLiteral("btnKalibrace"));
            QCOMPARE(s.main().guideLinesShown, expected);
            QCOMPARE(s.main().btnKalibrace->isChecked(), expected);
            for (int k = 0; k < 3; ++k)
                QCOMPARE(!s.area().guideLine(k)->isHidden(), expected);
        }
    }

    void dragPhotoToggle()
    {
        Started s;
        for (bool expected : {true, false}) {
            s.click(QStringLiteral("btnPosuvImg"));
            QCOMPARE(s.main().dragPhoto, expected);
            QCOMPARE(s.main().btnPosuvImg->isChecked(), expected);
            QCOMPARE(s.main().ImgUces->cursor().shape(), expected ? Qt::DragMoveCursor : Qt::PointingHandCursor);
            QCOMPARE(s.main().ImgFoto->cursor().shape(), Qt::DragMoveCursor);
        }
    }

    void dragMovesTheHairstyle_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::newRow("left") << Qt::LeftButton;
        QTest::newRow("right") << Qt::RightButton;
        QTest::newRow("middle") << Qt::MiddleButton;
    }

    void dragMovesTheHairstyle()
    {
        QFETCH(Qt::MouseButton, button);
        Started s;
        s.show();
        QWidget *hair = s.main().ImgUces;
        const QPoint press = s.at(hair, {10, 20});
        QTest::mousePress(s.window(), button, {}, press);
        QCOMPARE(QWidget::mouseGrabber(), hair);
        QTest::mouseMove(s.window(), press + QPoint(5, -3));
        QCOMPARE(s.hairstyle(), (LayerRect{22, 6, 229, 312}));
        QCOMPARE(hair->mapFrom(&s.main(), press + QPoint(5, -3)), QPoint(10, 20));
        // Captured: the drag goes on over the catalogue column, outside the area.
        QTest::mouseMove(s.window(), s.at(s.main().Panel1, {100, 150}));
        const QPoint last = s.at(s.main().Panel1, {100, 150});
        QCOMPARE(hair->mapFrom(&s.main(), last), QPoint(10, 20));
        QTest::mouseRelease(s.window(), button, {}, last);
        QVERIFY(!s.main().layerDrag.pressed);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        const LayerRect dropped = s.hairstyle();
        QTest::mouseMove(s.window(), s.at(hair, {30, 30}));
        QCOMPARE(s.hairstyle(), dropped);
        QCOMPARE(s.photo(), (LayerRect{17, 9, 228, 312}));
    }

    void dragMovesThePhotoWhereTheHairstyleLeavesItFree()
    {
        Started s;
        s.area().setHairstyleRect({100, 9, 229, 312});
        s.show();
        const QPoint press = s.at(s.main().ImgFoto, {20, 40});
        QTest::mousePress(s.window(), Qt::LeftButton, {}, press);
        QTest::mouseMove(s.window(), press + QPoint(-7, 11));
        QTest::mouseRelease(s.window(), Qt::LeftButton, {}, press + QPoint(-7, 11));
        QCOMPARE(s.photo(), (LayerRect{10, 20, 228, 312}));
        QCOMPARE(s.hairstyle(), (LayerRect{100, 9, 229, 312}));
    }

    void dragPhotoModeMovesThePhotoFromTheHairstyle()
    {
        Started s;
        s.click(QStringLiteral("btnPosuvImg"));
        s.area().setPhotoRect({30, 9, 228, 312});
        s.show();
        const QPoint press = s.at(s.main().ImgUces, {50, 60});
        QTest::mousePress(s.window(), Qt::LeftButton, {}, press);
        QCOMPARE(s.main().layerDrag.grabX, 37);
        QCOMPARE(QWidget::mouseGrabber(), s.main().ImgFoto);
        QTest::mouseMove(s.window(), press + QPoint(4, 6));
        QTest::mouseMove(s.window(), press + QPoint(9, -2));
        QCOMPARE(s.photo(), (LayerRect{39, 7, 228, 312}));
        QCOMPARE(s.hairstyle(), (LayerRect{17, 9, 229, 312}));
        QTest::mouseRelease(s.window(), Qt::LeftButton, {}, press + QPoint(9, -2));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        QVERIFY(!s.main().layerDrag.pressed);
    }

    void modeSwitchedDuringADragStillEndsTheCapture()
    {
        Started s;
        s.show();
        const QPoint press = s.at(s.main().ImgUces, {10, 20});
        QTest::mousePress(s.window(), Qt::LeftButton, {}, press);
        QCOMPARE(QWidget::mouseGrabber(), s.main().ImgUces);
        s.main().btnPosuvImgClick();
        QTest::mouseRelease(s.window(), Qt::LeftButton, {}, press);
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
        // The next drag starts where the pointer is pressed, as usual.
        s.main().btnPosuvImgClick();
        const QPoint next = s.at(s.main().ImgUces, {3, 300});
        QTest::mousePress(s.window(), Qt::LeftButton, {}, next);
        QTest::mouseMove(s.window(), next + QPoint(-2, 1));
        QTest::mouseRelease(s.window(), Qt::LeftButton, {}, next + QPoint(-2, 1));
        QCOMPARE(s.hairstyle(), (LayerRect{15, 10, 229, 312}));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    void moveOrReleaseWithoutPressMovesNothing()
    {
        Started s;
        s.show();
        const QPoint over = s.at(s.main().ImgUces, {40, 40});
        QTest::mouseMove(s.window(), over);
        QTest::mouseMove(s.window(), over + QPoint(12, 9));
        QTest::mouseRelease(s.window(), Qt::LeftButton, {}, over + QPoint(12, 9));
        QTest::mouseMove(s.window(), over + QPoint(20, 20));
        QCOMPARE(s.hairstyle(), (LayerRect{17, 9, 229, 312}));
        QCOMPARE(s.photo(), (LayerRect{17, 9, 228, 312}));
        QVERIFY(!s.main().layerDrag.pressed);
    }

    void pressOnAVisibleGuideLineStartsNothing()
    {
        Started s;
        s.click(QStringLiteral("btnKalibrace"));
        s.show();
        for (int k = 0; k < 3; ++k) {
            // Points of the lines with the hairstyle layer below them.
            QWidget *line = s.area().guideLine(k);
            const QPoint press = s.at(line, k < 2 ? QPoint(100, 1) : QPoint(1, 100));
            QTest::mousePress(s.window(), Qt::LeftButton, {}, press);
            QTest::mouseMove(s.window(), press + QPoint(6, 6));
            QTest::mouseRelease(s.window(), Qt::LeftButton, {}, press + QPoint(6, 6));
            QVERIFY(!s.main().layerDrag.pressed);
            QCOMPARE(s.hairstyle(), (LayerRect{17, 9, 229, 312}));
            QCOMPARE(s.photo(), (LayerRect{17, 9, 228, 312}));
        }
        // Hidden again, the same press drags the hairstyle below.
        s.click(QStringLiteral("btnKalibrace"));
        const QPoint press = s.at(s.area().guideLine(0), {100, 1});
        QTest::mousePress(s.window(), Qt::LeftButton, {}, press);
        QTest::mouseMove(s.window(), press + QPoint(6, 6));
        QTest::mouseRelease(s.window(), Qt::LeftButton, {}, press + QPoint(6, 6));
        QCOMPARE(s.hairstyle(), (LayerRect{23, 15, 229, 312}));
    }

    void openDialogAsksWithTheFilters()
    {
        Started s;
        s.click(QStringLiteral("ToolButton18"));
        QCOMPARE(s.dialogs.fileRequests.size(), 1);
        const FileDialogRequest &request = s.dialogs.fileRequests.constFirst();
        QCOMPARE(request.filters, openPhotoFilters());
        QCOMPARE(request.filters.size(), 48);
        QCOMPARE(request.selectedFilter, 0);
        QCOMPARE(request.filters.at(0),
                 QStringLiteral("(*.png;*.psp;*.cut;*.pcd;*.pic;*.cel;*.pbm;*.pgm;*.ppm;*.pdd;*.psd;*.bw;*.rgb;"
                                "*.rgba;*.sgi;*.rla;*.rpf;*.scr;*.pcc;*.pcx;*.eps;*.fax;*.tif;*.tiff;*.icb;*.tga;"
                                "*.vda;*.vst;*.win;*.dib;*.rle;*.jpeg;*.jpe;*.jpg;*.jfif;*.emf;*.wmf;*.ico;*.bmp;"
                                "*.gif;*.gif;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)"));
        QCOMPARE(request.filters.at(1), QStringLiteral("Portable network graphic images (*.png)"));
        QCOMPARE(request.filters.at(30), QStringLiteral("Device independant Windows bitmaps (*.dib)"));
        QCOMPARE(request.filters.at(47), QStringLiteral("Metafiles (*.wmf)"));
    }

    void cancelledOpenStillFits()
    {
        Started s;
        s.main().ImgFoto->setPicture(patterned(30, 40));
        s.click(QStringLiteral("ToolButton18"));
        QCOMPARE(s.photo(), (LayerRect{17, 9, 229, 293}));
        QCOMPARE(compareImages(s.main().ImgFoto->picture(), patterned(30, 40)), QString());
        QVERIFY(s.dialogs.texts(QStringLiteral("error")).isEmpty());
    }

    void defaultSizeFitsTheRememberedSize()
    {
        Started s;
        s.click(QStringLiteral("ToolButton1"));
        s.click(QStringLiteral("ToolButton11"));
        s.click(QStringLiteral("ToolButton14"));
        QCOMPARE(s.photo(), (LayerRect{17, 9, 229, 293}));
        s.click(QStringLiteral("ToolButton13"));
        s.click(QStringLiteral("ToolButton14"));
        QCOMPARE(s.photo(), (LayerRect{17, 9, 228, 292}));
        // An enlarged frame is fitted, still at 17, 9.
        s.click(QStringLiteral("btnUcesPlus"));
        s.click(QStringLiteral("btnUcesPlus"));
        s.click(QStringLiteral("ToolButton14"));
        QCOMPARE(s.hairstyle(), (LayerRect{14, 5, 236, 320}));
        QCOMPARE(s.photo(), (LayerRect{17, 9, 236, 302}));
    }

    void openedPhotoIsShownAndFitted()
    {
        Started s;
        const QString path = s.folder.file(QStringLiteral("photos/wide.png"));
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QVERIFY(patterned(640, 480).save(path));
        s.click(QStringLiteral("ToolButton4"));
        s.open(path);
        QVERIFY2(s.dialogs.texts(QStringLiteral("error")).isEmpty(),
                 qPrintable(s.dialogs.texts(QStringLiteral("error")).join(QLatin1Char('\n'))));
        QCOMPARE(compareImages(s.main().ImgFoto->picture(), patterned(640, 480)), QString());
        QCOMPARE(s.main().ImageSize->size(), QSize(640, 480));
        QCOMPARE(s.photo(), (LayerRect{19, 9, 229, 172}));
        // The working folder follows the folder the photo was chosen in.
        QCOMPARE(QDir::currentPath(), QFileInfo(path).absolutePath());

        // The default photo replaces only the picture; the fit keeps the opened proportions.
        s.main().FotoDef->setPicture(patterned(230, 320));
        s.click(QStringLiteral("ToolButton19"));
        QCOMPARE(compareImages(s.main().ImgFoto->picture(), patterned(230, 320)), QString());
        QCOMPARE(s.photo(), (LayerRect{19, 9, 229, 172}));
        QCOMPARE(s.main().ImageSize->size(), QSize(640, 480));
        s.click(QStringLiteral("ToolButton14"));
        QCOMPARE(s.photo(), (LayerRect{17, 9, 229, 172}));
    }

    void photoOfTheFrameProportionsGetsTheFrame()
    {
        Started s;
        const QString path = s.folder.file(QStringLiteral("same.bmp"));
        QVERIFY(patterned(458, 624).save(path));
        s.open(path);
        QCOMPARE(s.photo(), (LayerRect{17, 9, 229, 312}));
    }

    void refusedPhotoChangesNothing_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown extension")
            << "photo.xyz" << QByteArray("anything") << "Unknown picture file extension (.xyz)";
        QTest::newRow("damaged JPEG") << "photo.jpg" << QByteArray("\xff\xd8\xff\xe0 not really", 16) << "JPEG error #";
        QTest::newRow("damaged bitmap") << "photo.bmp" << QByteArray("BM and nothing more")
                                        << "Bitmap image is not valid";
        QTest::newRow("missing file") << "" << QByteArray() << "Cannot open file";
    }

    void refusedPhotoChangesNothing()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, error);
        Started s;
        s.main().ImgFoto->setPicture(patterned(30, 40));
        s.click(QStringLiteral("ToolButton12"));
        const QString path =
            name.isEmpty() ? s.folder.file(QStringLiteral("gone.png")) : s.folder.writeFile(name, content);
        s.open(path);
        const QStringList errors = s.dialogs.texts(QStringLiteral("error"));
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors.constFirst().startsWith(error), qPrintable(errors.constFirst()));
        QCOMPARE(compareImages(s.main().ImgFoto->picture(), patterned(30, 40)), QString());
        QCOMPARE(s.main().ImageSize->size(), QSize(57, 73));
        QCOMPARE(s.photo(), (LayerRect{19, 11, 224, 308}));
    }

    void zeroFrameHeightStopsTheFit()
    {
        Started s;
        for (int k = 0; k < 78; ++k)
            s.click(QStringLiteral("btnUcesMinus"));
        const QString path = s.folder.file(QStringLiteral("wide.png"));
        QVERIFY(patterned(640, 480).save(path));
        s.open(path);
        QCOMPARE(s.dialogs.texts(QStringLiteral("error")), QStringList{"Floating point division by zero"});
        // The photo was loaded before the fit failed; its size stays.
        QCOMPARE(s.main().ImgFoto->picture().size(), QSize(640, 480));
        QCOMPARE(s.main().ImageSize->size(), QSize(640, 480));
        QCOMPARE(s.photo(), (LayerRect{17, 9, 228, 312}));

        s.click(QStringLiteral("ToolButton1"));
        s.click(QStringLiteral("ToolButton14"));
        QCOMPARE(s.dialogs.texts(QStringLiteral("error")).size(), 2);
        QCOMPARE(s.photo(), (LayerRect{17, 9, 228, 312}));
    }
};

QTEST_MAIN(FittingWindowTest)
#include "FittingWindowTest.moc"
