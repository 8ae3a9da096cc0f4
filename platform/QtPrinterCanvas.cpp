#include "platform/QtPrinterCanvas.h"

#include "platform/PlatformError.h"

#include <QPrinter>

QtPrinterCanvas::QtPrinterCanvas(std::unique_ptr<QPrinter> printer) : m_printer(std::move(printer)) {}

QtPrinterCanvas::~QtPrinterCanvas()
{
    if (m_painter.isActive())
        m_painter.end();
}

int QtPrinterCanvas::resolutionX() const
{
    return m_printer->resolution();
}

int QtPrinterCanvas::resolutionY() const
{
    return m_printer->resolution();
}

int QtPrinterCanvas::physicalOffsetX() const
{
    return m_printer->pageRect(QPrinter::DevicePixel).toRect().left() -
           m_printer->paperRect(QPrinter::DevicePixel).toRect().left();
}

int QtPrinterCanvas::physicalOffsetY() const
{
    return m_printer->pageRect(QPrinter::DevicePixel).toRect().top() -
           m_printer->paperRect(QPrinter::DevicePixel).toRect().top();
}

void QtPrinterCanvas::setTitle(const QString &title)
{
    m_printer->setDocName(title);
}

void QtPrinterCanvas::beginDoc()
{
    if (!m_painter.begin(m_printer.get()))
        throw PlatformError(QStringLiteral("Printer selected is not valid"));
}

void QtPrinterCanvas::drawPicture(const QRect &target, const QImage &picture)
{
    if (!m_painter.isActive())
        throw PlatformError(QStringLiteral("Printing not in progress"));
    m_painter.drawImage(target, picture);
}

void QtPrinterCanvas::endDoc()
{
    if (m_painter.isActive() && !m_painter.end())
        throw PlatformError(QStringLiteral("Printing failed"));
}
