#pragma once

#include <optional>

namespace quarrow {

// A printable area in character columns of 120 twips and lines of 240 twips
// (12 columns and 6 lines to the inch).
struct PrintableArea
{
    double widthChars = 0.0;
    double heightLines = 0.0;
};

// The printer whose printable area lays out every page, on the window as on paper.
class PageMetricsSource
{
public:
    virtual ~PageMetricsSource() = default;
    // Nothing when no printer can be queried (none installed).
    virtual std::optional<PrintableArea> printableArea() const = 0;
};

} // namespace quarrow
