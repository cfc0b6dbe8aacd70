#pragma once

#include "render/units.h"

#include <optional>

namespace quarrow {

// The printer whose printable area lays out every page, on the window as on paper.
class PageMetricsSource
{
public:
    virtual ~PageMetricsSource() = default;
    // Nothing when no printer can be queried (none installed).
    virtual std::optional<PrintableArea> printableArea() const = 0;
};

} // namespace quarrow
