#pragma once

#include "platform/PlatformError.h"
#include "platform/PrinterCanvas.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QStringList>

// A printer that keeps what a job did: its calls in order and every picture drawn.
class RecordingCanvas : public PrinterCanvas
{
public:
    struct Draw
    {
        QRect target;
        QImage picture;
    };

    RecordingCanvas(int resolution = 600, int offsetX = 0, int offsetY = 0)
        : m_resolution(resolution), m_offsetX(offsetX), m_offsetY(offsetY)
    {}

    int resolutionX() const override { return m_resolution; }
    int resolutionY() const override { return m_resolution; }
    int physicalOffsetX() const override { return m_offsetX; }
    int physicalOffsetY() const override { return m_offsetY; }

    void setTitle(const QString &title) override
    {
        this->title = title;
        calls << QStringLiteral("title");
    }
    void beginDoc() override
    {
        calls << QStringLiteral("begin");
        if (failBegin)
            throw PlatformError(QStringLiteral("Printer selected is not valid"));
    }
    void drawPicture(const QRect &target, const QImage &picture) override
    {
        calls << QStringLiteral("draw");
        draws.append({target, picture});
    }
    void endDoc() override { calls << QStringLiteral("end"); }

    QString title;
    QStringList calls;
    QList<Draw> draws;
    bool failBegin = false;

private:
    int m_resolution;
    int m_offsetX;
    int m_offsetY;
};

// Hands a test's recording canvas to a command that takes ownership of its printer.
class ForwardingCanvas : public PrinterCanvas
{
public:
    explicit ForwardingCanvas(PrinterCanvas &target) : m_target(target) {}
    int resolutionX() const override { return m_target.resolutionX(); }
    int resolutionY() const override { return m_target.resolutionY(); }
    int physicalOffsetX() const override { return m_target.physicalOffsetX(); }
    int physicalOffsetY() const override { return m_target.physicalOffsetY(); }
    void setTitle(const QString &title) override { m_target.setTitle(title); }
    void beginDoc() override { m_target.beginDoc(); }
    void drawPicture(const QRect &target, const QImage &picture) override { m_target.drawPicture(target, picture); }
    void endDoc() override { m_target.endDoc(); }

private:
    PrinterCanvas &m_target;
};
