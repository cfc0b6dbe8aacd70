#pragma once

namespace quarrow::units {

// The page's units: the display window counts in twips, 1440 to the inch; the printer in
// character cells, 12 columns and 6 lines to the inch, which are 120 and 240 twips. The
// windows place their controls in twips at 15 to a pixel, 96 pixels to the inch.
inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kColumnsPerInch = 12.0;
inline constexpr double kLinesPerInch = 6.0;
inline constexpr double kTwipsPerColumn = kTwipsPerInch / kColumnsPerInch;
inline constexpr double kTwipsPerLine = kTwipsPerInch / kLinesPerInch;
// The report font's size, whose fixed-pitch characters are each one column wide.
inline constexpr double kReportFontPoints = 10.0;
inline constexpr int kTwipsPerPixel = 15;
// 96 pixels to the inch, as an image's resolution.
inline constexpr int kPixelsPerMeter = 3780;

} // namespace quarrow::units
