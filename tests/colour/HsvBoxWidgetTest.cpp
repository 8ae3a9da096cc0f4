#include "colour/HSVBox.h"
#include "colour/HsvBoxPicture.h"

#include "tests/support/ImageCompare.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

void sendMouse(HSVBox &box, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), box.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&box, &event);
}

void press(HSVBox &box, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(box, QEvent::MouseButtonPress, at, button, button);
}

void moveHeld(HSVBox &box, QPoint at)
{
    sendMouse(box, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}

void release(HSVBox &box, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    sendMouse(box, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

} // namespace

class HsvBoxWidgetTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startsBlackAndDrawsItsPicture()
    {
        HSVBox box;
        QCOMPARE(box.size(), QSize(177, 81));
        QCOMPARE(box.red() + box.green() + box.blue() + box.hue() + box.sat() + box.val(), 0);
        QCOMPARE(compareImages(box.picture(), hsvBoxPicture(HsvBoxModel())), QString());
        QCOMPARE(compareImages(box.grab().toImage(), box.picture()), QString());
    }

    void leftPressPicksAndFiresBeforeTheMarkersMove()
    {
        HSVBox box;
        const QImage before = box.picture();
        QImage seenInHandler;
        int seenRed = -1;
        connect(&box, &HSVBox::changed, this, [&] {
            seenInHandler = box.picture();
            seenRed = box.red();
        });
        QSignalSpy spy(&box, &HSVBox::changed);

        press(box, {156, 0}); // saturation and value 99 at hue 0: pure red
        QCOMPARE(spy.count(), 1);
        QCOMPARE(seenRed, 255);
        QCOMPARE(compareImages(seenInHandler, before), QString());
        QCOMPARE(box.red(), 255);
        QCOMPARE(box.green(), 0);
        QCOMPARE(box.blue(), 0);
        HsvBoxModel expected;
        expected.press(156, 0);
        QCOMPARE(compareImages(box.picture(), hsvBoxPicture(expected)), QString());
        release(box, {156, 0});
    }

    void otherButtonsPickNothing()
    {
        HSVBox box;
        QSignalSpy spy(&box, &HSVBox::changed);
        press(box, {100, 10}, Qt::RightButton);
        moveHeld(box, {120, 20}); // no press started picking
        release(box, {120, 20}, Qt::RightButton);
        press(box, {100, 10}, Qt::MiddleButton);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(box.sat() + box.val() + box.hue(), 0);
    }

    void dragKeepsPickingOutsideTheBoxUntilRelease()
    {
        HSVBox box;
        QSignalSpy spy(&box, &HSVBox::changed);
        press(box, {20, 20});
        moveHeld(box, {400, -30}); // captured: clamped to the field's top-right
        QCOMPARE(box.sat(), 99);
        QCOMPARE(box.val(), 99);
        moveHeld(box, {-15, 300});
        QCOMPARE(box.sat(), 0);
        QCOMPARE(box.val(), 0);
        QCOMPARE(spy.count(), 3);
        release(box, {-15, 300});
        moveHeld(box, {80, 40});
        QCOMPARE(spy.count(), 3);
        QCOMPARE(box.sat(), 0);
    }

    void barPressPicksTheHueAndRedrawsTheField()
    {
        HSVBox box;
        press(box, {100, 30});
        release(box, {100, 30});
        const int sat = box.sat();
        const int val = box.val();
        press(box, {165, 40});
        QCOMPARE(box.hue(), 179);
        QCOMPARE(box.sat(), sat);
        QCOMPARE(box.val(), val);
        HsvBoxModel expected;
        expected.press(100, 30);
        expected.release();
        expected.press(165, 40);
        QCOMPARE(compareImages(box.picture(), hsvBoxPicture(expected)), QString());
        release(box, {165, 40});
    }

    void setRgbBlackResetsWithoutFiring()
    {
        HSVBox box;
        press(box, {170, 10});
        release(box, {170, 10});
        press(box, {60, 10});
        release(box, {60, 10});
        QSignalSpy spy(&box, &HSVBox::changed);
        box.setRgb(0, 0, 0);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(box.red() + box.green() + box.blue() + box.hue() + box.sat() + box.val(), 0);
        QCOMPARE(compareImages(box.picture(), hsvBoxPicture(HsvBoxModel())), QString());
    }

    void resizeRedrawsAtTheNewSize()
    {
        HSVBox box;
        box.show(); // a hidden widget hears of its new size only when shown
        box.resize(120, 40);
        QCOMPARE(box.picture().size(), QSize(120, 40));
        QCOMPARE(compareImages(box.picture(), hsvBoxPicture(HsvBoxModel(120, 40))), QString());
    }
};

QTEST_MAIN(HsvBoxWidgetTest)
#include "HsvBoxWidgetTest.moc"
