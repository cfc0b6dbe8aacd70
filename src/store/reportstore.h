#pragma once

#include "store/pagearray.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quarrow {

using FieldArray = std::array<std::string, 20>;

// Working state of the listing parsers, meaningful only while a listing is read.
struct ParserState
{
    std::string StationText;     // station of the line being read
    std::string PrevStationText; // station of the previous data line
    std::string FirstField;      // first comma field of the line: roadway and profile name
    FieldArray LeftFields;       // undivided: a station's first (left side) line
    FieldArray RightFields;      // undivided: its second (right side) line
    FieldArray LeftOuterFields;  // divided: left roadway, outer side
    FieldArray LeftMedianFields; // divided: left roadway, median side
    FieldArray RightMedianFields;
    FieldArray RightOuterFields;
    std::int32_t StationLineCount = 0; // divided: which line of the station was read last
    std::int32_t PageTurned = 0;       // a page was closed while handling the current line
};

// ReportState: no book built or read yet; a book built, read or corrected and not saved
// since; the book saved.
enum ReportStates : std::int16_t { kNoReport = 0, kReportSaved = 1, kReportNotSaved = 2 };

// The in-memory book and everything the windows share about it. The desktop program owns
// one; tests and the command-line tool make their own.
struct ReportStore
{
    static constexpr int kUndividedCapacity = 10001;
    static constexpr int kSideCapacity = 5001;

    PageArray UndividedPages{kUndividedCapacity};
    PageArray LeftPages{kSideCapacity};
    PageArray RightPages{kSideCapacity};

    // 0-based page indices.
    std::int32_t PageIndex = 0;
    std::int32_t LeftPageIndex = 0;
    std::int32_t RightPageIndex = 0;
    std::int32_t LastPage = 0;
    std::int32_t LastLeftPage = 0;
    std::int32_t LastRightPage = 0;
    std::int32_t CurrentPage = 0;
    std::int32_t BlockIndex = 0;

    std::string RoadwayType; // "Undivided" or "Divided"
    std::string CurrentSide; // "left" or "right"
    std::string NumberFormat;
    std::string NumberFormat2;
    std::string ProjectNumber;
    std::string ControlNumber;
    std::string InputFileName;
    std::string ReportFileName;
    std::string WorkFile1Name;
    std::string WorkFile2Name;
    std::string TempFileName;
    std::int16_t InputError = 0;
    // kNoReport, kReportNotSaved or kReportSaved.
    std::int16_t ReportState = kNoReport;
    // The book holds corrections made since it was built, read or last saved.
    bool UnsavedCorrections = false;

    ParserState Parser;

    // Selection lists, filled when a book is built or read; edits never change them.
    std::vector<std::string> StationItems;     // station texts
    std::vector<std::string> PageStationItems; // page number and station, 15 places each
    std::vector<std::string> PageItems;        // page number, first and last station

    std::string EditStation; // the station chosen for editing

    // Page metrics of the current printer in character columns and lines, the display
    // window's zoom, and the printer and font chosen for the book.
    double PrintWidthChars = 0.0;
    double PrintHeightLines = 0.0;
    double DrawScale = 1.0;
    std::string ReportFontName;
    std::string PrinterName;
};

// Empties the pages, the selection lists and the parser state, so that a book built or
// read next holds nothing of an earlier one.
void startNewBook(ReportStore& store);

// What comes before a book is built or read: no book is shown, the page counters are 0.
void resetCounters(ReportStore& store);

// The right-aligned 15-place column that the selection lists are made of.
std::string listColumn(const std::string& text);
std::string listColumn(std::int32_t number);

} // namespace quarrow
