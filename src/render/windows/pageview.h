#pragma once

#include <QImage>
#include <QWidget>

namespace quarrow {

// The display window's drawing area. It keeps the page drawn on it, so the page stays
// visible when the window is covered and uncovered; it changes only when the window draws
// anew (a new page, a new size), not when printing moves the current page.
class PageView : public QWidget
{
    Q_OBJECT

public:
    explicit PageView(QWidget* parent);

    // Clears the drawing to white; the image to draw on, in twips at 15 to a pixel of the
    // window, at the screen's resolution.
    QImage& clear();
    const QImage& image() const { return m_image; }

signals:
    void resized();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage m_image;
};

} // namespace quarrow
