#include "Preview.h"

#include "Keying.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTextStream>

namespace {

QImage fittingArea(const QImage &photo, const QImage &hair, bool guideLines)
{
    QImage area(265, 327, QImage::Format_RGB32);
    area.fill(QColor(171, 171, 171));
    {
        QPainter p(&area);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QRect(17, 9, 228, 312), photo);
    }
    drawKeyed(area, hair, QPoint(17, 9));
    if (guideLines) {
        QPainter p(&area);
        const QColor maroon(128, 0, 0);
        p.fillRect(8, 168, 249, 3, maroon);
        p.fillRect(8, 226, 249, 3, maroon);
        p.fillRect(131, 5, 3, 321, maroon);
    }
    return area;
}

} // namespace

bool writePreviews(const QString &dataFolder, const QString &photoFolder, const QString &outFolder, bool guideLines)
{
    QTextStream err(stderr);
    const QImage photos[] = {QImage(QDir(photoFolder).filePath(QStringLiteral("startup.jpg"))),
                             QImage(QDir(photoFolder).filePath(QStringLiteral("default.jpg")))};
    for (const QImage &photo : photos) {
        if (photo.isNull()) {
            err << "cannot read the portraits in " << photoFolder << "\n";
            return false;
        }
    }
    QDir().mkpath(outFolder);
    const QDir data(dataFolder);
    for (const QString &category : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QDir folder(data.filePath(category));
        const QStringList bitmaps = folder.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
        if (bitmaps.isEmpty())
            continue;
        QImage sheet(265 * 2 + 10, (327 + 10) * bitmaps.size(), QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        int row = 0;
        for (const QString &name : bitmaps) {
            const QImage hair(folder.filePath(name));
            for (int k = 0; k < 2; ++k)
                p.drawImage(k * 275, row * 337, fittingArea(photos[k], hair, guideLines));
            ++row;
        }
        p.end();
        const QString out = QDir(outFolder).filePath(QFileInfo(category).fileName() + QStringLiteral(".png"));
        if (!sheet.save(out)) {
            err << "cannot write " << out << "\n";
            return false;
        }
    }
    return true;
}
