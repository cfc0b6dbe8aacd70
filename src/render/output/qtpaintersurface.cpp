#include "render/output/qtpaintersurface.h"

#include "render/units.h"
#include "store/codepage.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace quarrow {
namespace {

// Rules are as wide as one pixel of a 96-dpi screen, on the window and on paper alike.
constexpr double kRuleWidthInches = 1.0 / 96.0;

const QString kCourierNew = QStringLiteral("Courier New");

// The size of the characters on the screen, against the columns they stand in.
constexpr double kScreenCharacterSize = 0.9;

bool isInstalledFont(const QString& family)
{
    return family == kCourierNew || (!family.isEmpty() && (QFontDatabase::hasFamily(family) ||
                                                           drawsWithFixedPitchFont(family)));
}

} // namespace

bool drawsWithFixedPitchFont(const QString& family)
{
    return QFontInfo(QFont(family)).fixedPitch();
}

QtPainterSurface::QtPainterSurface(QPainter& painter, SurfaceKind kind)
    : m_painter(painter), m_kind(kind)
{
    const QPaintDevice* device = painter.device();
    double dpiX = device->logicalDpiX();
    double dpiY = device->logicalDpiY();
    bool window = kind == SurfaceKind::Window;
    m_deviceUnitsX = dpiX / (window ? units::kTwipsPerInch : units::kColumnsPerInch);
    m_deviceUnitsY = dpiY / (window ? units::kTwipsPerInch : units::kLinesPerInch);
    double ruleWidth = dpiX * kRuleWidthInches;
    if (window) {
        // On the screen a rule is a whole number of the screen's pixels wide, the same for
        // every rule: a rule of 1.5 pixels on a screen scaled to 150 % would be drawn one or
        // two pixels wide, wherever it falls.
        m_pixelRatio = device->devicePixelRatioF();
        m_rulePixels = std::max(1L, std::lround(ruleWidth * m_pixelRatio));
        ruleWidth = static_cast<double>(m_rulePixels) / m_pixelRatio;
    }
    m_painter.setPen(QPen(Qt::black, ruleWidth));
    m_painter.setBackground(Qt::white);
}

void QtPainterSurface::setFontName(const std::string& name)
{
    QString family = QString::fromStdString(utf8FromWindows1252(name));
    if (!isInstalledFont(family))
        fail(errors::kInvalidPropertyValue);
    m_font.setFamily(family);
    m_fontChanged = true;
}

void QtPainterSurface::setFontSize(double points)
{
    if (!(std::isfinite(points) && points > 0.0))
        fail(errors::kInvalidPropertyValue);
    m_font.setPointSizeF(points);
    m_fontChanged = true;
}

void QtPainterSurface::setBold(bool on)
{
    m_font.setBold(on);
    m_fontChanged = true;
}

void QtPainterSurface::setItalic(bool on)
{
    m_font.setItalic(on);
    m_fontChanged = true;
}

void QtPainterSurface::setFontTransparent(bool on)
{
    m_painter.setBackgroundMode(on ? Qt::TransparentMode : Qt::OpaqueMode);
}

void QtPainterSurface::setFillStyle(int style)
{
    m_painter.setBrush(style == 0 ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
}

void QtPainterSurface::printText(const std::string& text)
{
    if (text.empty())
        return;
    startPendingPage();
    useFont();
    // QPainter places text on its baseline; the page places it by its top-left corner.
    QPointF baseline(m_x * m_deviceUnitsX, m_y * m_deviceUnitsY + m_ascent);
    m_painter.drawText(baseline, QString::fromStdString(utf8FromWindows1252(text)));
}

void QtPainterSurface::drawLine(double x, double y, double right, double down)
{
    startPendingPage();
    QPointF start(x * m_deviceUnitsX, y * m_deviceUnitsY);
    QPointF end((x + right) * m_deviceUnitsX, (y + down) * m_deviceUnitsY);
    m_painter.drawLine(onScreenPixels(start), onScreenPixels(end));
}

// On the screen a rule stands on whole pixels: the middle of a pixel for a rule an odd
// number of pixels wide, between two for an even one. On paper it stands where it is.
QPointF QtPainterSurface::onScreenPixels(QPointF point) const
{
    if (m_kind != SurfaceKind::Window)
        return point;
    double middle = m_rulePixels % 2 == 1 ? 0.5 : 0.0;
    auto snap = [&](double at) { return (std::floor(at * m_pixelRatio) + middle) / m_pixelRatio; };
    return {snap(point.x()), snap(point.y())};
}

void QtPainterSurface::newPage()
{
    m_pagePending = m_kind == SurfaceKind::Printer;
}

void QtPainterSurface::startPendingPage()
{
    if (!m_pagePending)
        return;
    // Cleared first, so that a device that cannot start a page reports it once and the
    // drawing goes on where it is.
    m_pagePending = false;
    auto* paged = dynamic_cast<QPagedPaintDevice*>(m_painter.device());
    if (!paged || !paged->newPage())
        fail(errors::kPrinterError);
}

void QtPainterSurface::useFont()
{
    if (!m_fontChanged)
        return;
    // The page's columns are as wide as the report font's characters, on paper. On the
    // screen the font is drawn at a size rounded to whole pixels, and the difference adds up
    // along a text until its last characters cross the column's rule or run into the next
    // text, the more so on a scaled screen: there the characters are spaced as wide as a
    // column, and drawn a little smaller, so that a text as long as its cell ends short of
    // the cell's rule.
    QFont font = m_font;
    if (m_kind == SurfaceKind::Window) {
        double column = units::kTwipsPerColumn * m_deviceUnitsX * m_font.pointSizeF() /
                        units::kReportFontPoints;
        font.setPointSizeF(m_font.pointSizeF() * kScreenCharacterSize);
        double drawn = QFontMetricsF(font, m_painter.device()).horizontalAdvance(QLatin1Char('0'));
        font.setLetterSpacing(QFont::AbsoluteSpacing, column - drawn);
    }
    m_painter.setFont(font);
    m_ascent = QFontMetricsF(m_painter.font(), m_painter.device()).ascent();
    m_fontChanged = false;
}

} // namespace quarrow
