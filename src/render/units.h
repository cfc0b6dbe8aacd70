#pragma once

namespace quarrow::units {

// The page's units: the display window counts in twips, 1440 to the inch; the printer in
// character cells, 12 columns and 6 lines to the inch, which are 120 and 240 twips.
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kColumnsPerInch = 12.0;
inline constexpr double kLinesPerInch = 6.0;
inline constexpr double kTwipsPerColumn = kTwipsPerInch / kColumnsPerInch;
inline constexpr double kTwipsPerLine = kTwipsPerInch / kLinesPerInch;
// The report font's size, whose fixed-pitch characters are each one column wide.
inline constexpr double kReportFontPoints = 10.0;
// 96 pixels to the inch, as an image's resolution.
inline constexpr int kPixelsPerMeter = 3780;

} // namespace quarrow::units

namespace quarrow {

// A printable area in character columns of 120 twips and lines of 240 twips
// (12 columns and 6 lines to the inch).
struct PrintableArea
{
    double widthChars = 0.0;
    double heightLines = 0.0;
};

// 8 by 10.5 inches: what a page is laid out on when no printer can be queried.
inline constexpr PrintableArea kReferencePage{96.0, 63.0};

} // namespace quarrow
