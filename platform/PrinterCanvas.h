#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// What a print job needs of a printer: its resolution, the offset of the printable area
// from the sheet's corner, and a page to draw stretched pictures on. Positions count from
// the printable area's corner, in printer pixels.
class PrinterCanvas
{
public:
    virtual ~PrinterCanvas() = default;

    virtual int resolutionX() const = 0;     // printer pixels per inch, horizontally
    virtual int resolutionY() const = 0;     // printer pixels per inch, vertically
    virtual int physicalOffsetX() const = 0; // printable area from the sheet's left edge
    virtual int physicalOffsetY() const = 0; // printable area from the sheet's top edge

    virtual void setTitle(const QString &title) = 0;
    virtual void beginDoc() = 0;
    virtual void drawPicture(const QRect &target, const QImage &picture) = 0;
    virtual void endDoc() = 0;
};
