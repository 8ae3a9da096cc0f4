#include "tests/support/ImageCompare.h"

QString compareImages(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size()) {
        return QStringLiteral("size %1 x %2, expected %3 x %4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    }
    for (int y = 0; y < actual.height(); ++y) {
        for (int x = 0; x < actual.width(); ++x) {
            const QRgb a = actual.pixel(x, y) & 0xffffffu;
            const QRgb e = expected.pixel(x, y) & 0xffffffu;
            if (a != e) {
                return QStringLiteral("first difference at (%1, %2): #%3, expected #%4")
                    .arg(x)
                    .arg(y)
                    .arg(a, 6, 16, QLatin1Char('0'))
                    .arg(e, 6, 16, QLatin1Char('0'));
            }
        }
    }
    return {};
}
