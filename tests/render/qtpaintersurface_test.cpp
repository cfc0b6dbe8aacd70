#include "render/qtpaintersurface.h"
#include "store/runerror.h"

#include <gtest/gtest.h>
#include <optional>
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

namespace quarrow {
namespace {

// 96 dots to the inch: 15 twips, or 1/8 of a column and 1/16 of a line, to a pixel.
constexpr int kDotsPerMeter96 = 3780;

QImage screenImage(QColor fill = Qt::white)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.setDotsPerMeterX(kDotsPerMeter96);
    image.setDotsPerMeterY(kDotsPerMeter96);
    image.fill(fill);
    return image;
}

bool isDark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

// The rows and columns that hold dark pixels, or nothing when there are none.
std::optional<QRect> inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isDark(image, x, y))
                bounds |= QRect(x, y, 1, 1);
    return bounds.isNull() ? std::nullopt : std::optional<QRect>(bounds);
}

int countWhite(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    return count;
}

TEST(QtPainterSurface, WindowCountsInTwipsAtTheDeviceResolution)
{
    QImage image = screenImage();
    {
        QPainter painter(&image);
        QtPainterSurface surface(painter, SurfaceKind::Window);
        surface.drawLine(1440, 720, 1440, 0); // one inch right, from (1 in, 0.5 in)
    }
    EXPECT_TRUE(isDark(image, 100, 48));
    EXPECT_TRUE(isDark(image, 188, 48));
    EXPECT_FALSE(isDark(image, 90, 48));
    EXPECT_FALSE(isDark(image, 196, 48));
    EXPECT_FALSE(isDark(image, 140, 52));
}

TEST(QtPainterSurface, PrinterCountsInCharacterCells)
{
    QImage image = screenImage();
    {
        QPainter painter(&image);
        QtPainterSurface surface(painter, SurfaceKind::Printer);
        surface.drawLine(5, 2, 0, 10); // from column 5 (40 px), line 2 (32 px), 10 lines down
    }
    EXPECT_TRUE(isDark(image, 40, 36));
    EXPECT_TRUE(isDark(image, 40, 188));
    EXPECT_FALSE(isDark(image, 40, 28));
    EXPECT_FALSE(isDark(image, 40, 196));
    EXPECT_FALSE(isDark(image, 44, 100));
}

TEST(QtPainterSurface, TextHangsFromItsPosition)
{
    QImage image = screenImage();
    {
        QPainter painter(&image);
        QtPainterSurface surface(painter, SurfaceKind::Window);
        surface.setFontName("Courier New");
        surface.setFontSize(24);
        surface.setCurrentX(1440);
        surface.setCurrentY(1440);
        surface.printText("MH");
    }
    auto ink = inkBounds(image);
    ASSERT_TRUE(ink);
    EXPECT_GE(ink->top(), 96);
    EXPECT_LT(ink->top(), 96 + 16); // capitals start below the ascent's small gap
    EXPECT_GE(ink->left(), 95);
    EXPECT_LT(ink->left(), 96 + 8);
}

TEST(QtPainterSurface, TransparentTextPaintsNoBackground)
{
    for (bool transparent : {true, false}) {
        QImage image = screenImage(Qt::red);
        {
            QPainter painter(&image);
            QtPainterSurface surface(painter, SurfaceKind::Printer);
            surface.setFontName("Courier New");
            surface.setFontSize(10);
            surface.setFontTransparent(transparent);
            surface.setCurrentX(2);
            surface.setCurrentY(2);
            surface.printText("A B");
        }
        EXPECT_EQ(countWhite(image) > 0, !transparent) << "transparent " << transparent;
    }
}

struct FontNameCase
{
    const char* name;
    bool accepted;
};

void PrintTo(const FontNameCase& c, std::ostream* out)
{
    *out << '"' << c.name << '"';
}

class QtSurfaceFontName : public testing::TestWithParam<FontNameCase>
{};

TEST_P(QtSurfaceFontName, IsAcceptedOnlyWhenInstalled)
{
    QImage image = screenImage();
    QPainter painter(&image);
    QtPainterSurface surface(painter, SurfaceKind::Window);
    if (GetParam().accepted) {
        EXPECT_NO_THROW(surface.setFontName(GetParam().name));
    } else {
        try {
            surface.setFontName(GetParam().name);
            ADD_FAILURE() << "accepted \"" << GetParam().name << '"';
        } catch (const RunError& error) {
            EXPECT_STREQ(error.what(), "Invalid property value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Names, QtSurfaceFontName,
                         testing::Values(FontNameCase{"Courier New", true},
                                         FontNameCase{"Liberation Mono", true},
                                         FontNameCase{"", false},
                                         FontNameCase{"No Such Font Family 7", false}));

TEST(QtPainterSurface, RefusedFontLeavesTheFontAsItWas)
{
    QImage image = screenImage();
    QPainter painter(&image);
    QtPainterSurface surface(painter, SurfaceKind::Window);
    surface.setFontName("Liberation Mono");
    EXPECT_THROW(surface.setFontName("No Such Font Family 7"), RunError);
    surface.printText("x");

    EXPECT_EQ(painter.font().family(), "Liberation Mono");
}

TEST(QtPainterSurface, FontSizeMustBePositive)
{
    QImage image = screenImage();
    QPainter painter(&image);
    QtPainterSurface surface(painter, SurfaceKind::Window);

    EXPECT_THROW(surface.setFontSize(0), RunError);
    EXPECT_THROW(surface.setFontSize(-3), RunError);
    EXPECT_NO_THROW(surface.setFontSize(9.8));
}

int pdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression pages(QStringLiteral("/Type /Pages[^>]*/Count (\\d+)"));
    auto match = pages.match(QString::fromLatin1(pdf));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

TEST(QtPainterSurface, NewPageAtTheEndLeavesNoBlankSheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        QPainter painter(&writer);
        QtPainterSurface surface(painter, SurfaceKind::Printer);
        for (int sheet = 0; sheet < 3; ++sheet) {
            surface.drawLine(1, 1, 10, 0);
            surface.newPage();
        }
    }
    EXPECT_EQ(pdfPageCount(buffer.data()), 3);
}

TEST(QtPainterSurface, WindowIgnoresNewPage)
{
    QImage image = screenImage();
    QPainter painter(&image);
    QtPainterSurface surface(painter, SurfaceKind::Window);
    surface.newPage();

    EXPECT_NO_THROW(surface.drawLine(0, 0, 100, 0));
}

TEST(QtPainterSurface, PrinterThatCannotStartAPageFailsOnceAndDrawsOn)
{
    QImage image = screenImage();
    QPainter painter(&image);
    QtPainterSurface surface(painter, SurfaceKind::Printer);
    surface.newPage();

    EXPECT_THROW(surface.drawLine(0, 0, 10, 0), RunError);
    EXPECT_NO_THROW(surface.drawLine(0, 0, 10, 0));
}

} // namespace
} // namespace quarrow
