#include "render/windows/pageview.h"

#include "render/units.h"

#include <QPainter>
#include <QPaintEvent>
#include <QResizeEvent>

namespace quarrow {
PageView::PageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PageView"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// The image has the screen's pixels, as many as the window covers there (1.25 to a pixel of
// the window's on a screen scaled to 125 %); it is drawn on in the window's pixels.
QImage& PageView::clear()
{
    qreal ratio = devicePixelRatioF();
    QSize size = (QSizeF(this->size().expandedTo(QSize(1, 1))) * ratio).toSize();
    if (m_image.size() != size || m_image.devicePixelRatio() != ratio) {
        m_image = QImage(size, QImage::Format_RGB32);
        m_image.setDevicePixelRatio(ratio);
        m_image.setDotsPerMeterX(units::kPixelsPerMeter);
        m_image.setDotsPerMeterY(units::kPixelsPerMeter);
    }
    m_image.fill(Qt::white);
    update();
    return m_image;
}

void PageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    painter.drawImage(QPoint(0, 0), m_image);
}

} // namespace quarrow

namespace quarrow {

void PageView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    emit resized();
}

} // namespace quarrow
