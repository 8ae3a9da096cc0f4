#include "output/PrintConversions.h"

#include "platform/PrinterCanvas.h"

#include <cmath>

namespace {

constexpr long double MmPerInch = 25.4L;
constexpr long double PreviewScale = 3.05L;

int truncated(long double value)
{
    return static_cast<int>(std::trunc(value));
}

} // namespace

int MmToPixels(double mm, int ppi)
{
    const long double inches = static_cast<long double>(mm) / MmPerInch;
    return truncated(static_cast<long double>(ppi) * inches);
}

int PixelsToPrinter(int px, int printerResolution, int ppi)
{
    const double ratio = static_cast<double>(printerResolution) / static_cast<double>(ppi);
    return truncated(static_cast<long double>(px) * static_cast<long double>(ratio));
}

int PixelsToPrinterX(int px, const PrinterCanvas &canvas, int ppi)
{
    return PixelsToPrinter(px, canvas.resolutionX(), ppi);
}

int PixelsToPrinterY(int px, const PrinterCanvas &canvas, int ppi)
{
    return PixelsToPrinter(px, canvas.resolutionY(), ppi);
}

int PreviewPixels(int mm, int ppi)
{
    const double onPreview = static_cast<double>(static_cast<long double>(mm) / PreviewScale);
    return MmToPixels(onPreview, ppi);
}
