#include "fitting/FittingArea.h"

#include "platform/JpegDecoder.h"
#include "platform/PictureBox.h"
#include "platform/PlatformError.h"

#include <QFile>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int Bevel = 1;
// Widget coordinates stay well inside what Qt handles; the rectangles themselves are kept
// unbounded by the area.
constexpr int WidgetCoordinateLimit = 1 << 24;

// A guide line: a maroon bar that takes the presses over it and does nothing with them.
class GuideLine : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), QColor(128, 0, 0)); }
    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent *event) override { event->accept(); }
};

void mirror(QWidget *widget, const LayerRect &rect)
{
    const auto position = [](int value) {
        return std::clamp(value, -WidgetCoordinateLimit, WidgetCoordinateLimit) + Bevel;
    };
    const auto extent = [](int value) { return std::clamp(value, 0, QWIDGETSIZE_MAX); };
    widget->setGeometry(position(rect.left), position(rect.top), extent(rect.width), extent(rect.height));
}

} // namespace

FittingArea::FittingArea(QWidget *parent)
    : QFrame(parent), m_photo(new PictureBox(this)), m_hairstyle(new PictureBox(this))
{
    setObjectName(QStringLiteral("Panel3"));
    // The bevel is drawn by an overlay above the layers, so a layer reaching the edge
    // disappears under it as if clipped to the client rectangle.
    setFrameStyle(QFrame::NoFrame);
    setContentsMargins(Bevel, Bevel, Bevel, Bevel);
    QPalette workspace = palette();
    workspace.setColor(QPalette::Window, QColor(171, 171, 171)); // the application-workspace colour
    setPalette(workspace);
    setAutoFillBackground(true);

    m_photo->setObjectName(QStringLiteral("ImgFoto"));
    m_photo->setSmoothScaling(true);
    m_photo->setCursor(Qt::DragMoveCursor);
    m_photo->setMouseTracking(true);
    m_photo->setPicture(bundledPhoto(QStringLiteral(":/photos/startup.jpg")));
    mirror(m_photo, m_photoRect);

    m_hairstyle->setObjectName(QStringLiteral("ImgUces"));
    m_hairstyle->setTransparent(true);
    m_hairstyle->setCursor(Qt::PointingHandCursor);
    m_hairstyle->setMouseTracking(true);
    mirror(m_hairstyle, m_hairstyleRect);

    static constexpr LayerRect Lines[3] = {{8, 168, 249, 3}, {8, 226, 249, 3}, {131, 5, 3, 321}};
    for (int k = 0; k < 3; ++k) {
        m_lines[k] = new GuideLine(this);
        m_lines[k]->setObjectName(QStringLiteral("Shape%1").arg(k + 1));
        mirror(m_lines[k], Lines[k]);
        m_lines[k]->hide();
    }

    m_bevel = new QFrame(this);
    m_bevel->setObjectName(QStringLiteral("Panel3Bevel"));
    m_bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_bevel->setLineWidth(Bevel);
    m_bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_bevel->setGeometry(rect());
    m_bevel->raise();
}

void FittingArea::resizeEvent(QResizeEvent *event)
{
    m_bevel->setGeometry(rect());
    QFrame::resizeEvent(event);
}

void FittingArea::setPhotoRect(const LayerRect &rect)
{
    m_photoRect = rect;
    mirror(m_photo, rect);
}

void FittingArea::setHairstyleRect(const LayerRect &rect)
{
    m_hairstyleRect = rect;
    mirror(m_hairstyle, rect);
}

void FittingArea::setLayerRect(FittingLayer which, const LayerRect &rect)
{
    if (which == FittingLayer::Photo)
        setPhotoRect(rect);
    else
        setHairstyleRect(rect);
}

void FittingArea::setGuideLinesVisible(bool visible)
{
    for (QWidget *line : m_lines)
        line->setVisible(visible);
}

QImage FittingArea::bundledPhoto(const QString &resource)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    try {
        return JpegDecoder::decode(file.readAll());
    } catch (const PlatformError &) {
        return QImage();
    }
}
