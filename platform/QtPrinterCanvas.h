#pragma once

#include "platform/PrinterCanvas.h"

#include <QPainter>
#include <memory>

class QPrinter;

// A printer canvas on a QPrinter (a real printer or a PDF file).
class QtPrinterCanvas : public PrinterCanvas
{
public:
    explicit QtPrinterCanvas(std::unique_ptr<QPrinter> printer);
    ~QtPrinterCanvas() override;

    int resolutionX() const override;
    int resolutionY() const override;
    int physicalOffsetX() const override;
    int physicalOffsetY() const override;

    void setTitle(const QString &title) override;
    void beginDoc() override;
    void drawPicture(const QRect &target, const QImage &picture) override;
    void endDoc() override;

    QPrinter &printer() { return *m_printer; }

private:
    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
};
