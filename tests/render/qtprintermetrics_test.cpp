#include "render/qtprintermetrics.h"

#include <gtest/gtest.h>
#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>

namespace quarrow {
namespace {

QPageLayout layoutOf(QPageSize::PageSizeId size, double marginInches)
{
    return QPageLayout(QPageSize(size), QPageLayout::Portrait,
                       QMarginsF(marginInches, marginInches, marginInches, marginInches),
                       QPageLayout::Inch);
}

struct PaperCase
{
    QPageSize::PageSizeId size;
    double margin;
    double columns;
    double lines;
};

void PrintTo(const PaperCase& c, std::ostream* out)
{
    *out << QPageSize(c.size).name().toStdString() << " margin " << c.margin;
}

class PdfWriterMetrics : public testing::TestWithParam<PaperCase>
{};

TEST_P(PdfWriterMetrics, AreTwelveColumnsAndSixLinesToThePrintableInch)
{
    QBuffer buffer;
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layoutOf(GetParam().size, GetParam().margin));

    auto area = QtPrinterMetrics(&writer).printableArea();
    ASSERT_TRUE(area);
    EXPECT_DOUBLE_EQ(area->widthChars, GetParam().columns);
    EXPECT_DOUBLE_EQ(area->heightLines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Papers, PdfWriterMetrics,
                         testing::Values(PaperCase{QPageSize::Letter, 0.25, 96, 63},
                                         PaperCase{QPageSize::Letter, 0.0, 102, 66},
                                         PaperCase{QPageSize::Legal, 0.5, 90, 78}));

TEST(QtPrinterMetrics, ReadsAPrinter)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setFullPage(false);
    printer.setPageLayout(layoutOf(QPageSize::Letter, 0.25));

    auto area = QtPrinterMetrics(&printer).printableArea();
    ASSERT_TRUE(area);
    EXPECT_DOUBLE_EQ(area->widthChars, 96);
    EXPECT_DOUBLE_EQ(area->heightLines, 63);
}

TEST(QtPrinterMetrics, NoPrinterGivesNothing)
{
    EXPECT_FALSE(QtPrinterMetrics(nullptr).printableArea());
}

} // namespace
} // namespace quarrow
