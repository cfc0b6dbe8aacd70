#pragma once

#include "render/pagemetricssource.h"

namespace quarrow {

// A printer that always reports the same printable area, or none at all.
class FixedPageMetrics : public PageMetricsSource
{
public:
    FixedPageMetrics() = default;
    explicit FixedPageMetrics(PrintableArea area) : m_area(area) {}

    std::optional<PrintableArea> printableArea() const override { return m_area; }
    void setPrintableArea(std::optional<PrintableArea> area) { m_area = area; }

private:
    std::optional<PrintableArea> m_area;
};

} // namespace quarrow
