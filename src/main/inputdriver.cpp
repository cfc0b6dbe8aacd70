#include "main/inputdriver.h"

#include "listing/dividedparser.h"
#include "listing/undividedparser.h"
#include "store/bookpages.h"
#include "store/pictureformat.h"
#include "store/reportfile.h"
#include "store/runerror.h"
#include "store/textfile.h"
#include "store/textops.h"

namespace quarrow {
namespace {

std::size_t fileNameStart(std::string_view path)
{
    auto separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? 0 : separator + 1;
}

std::string_view withoutExtension(std::string_view path)
{
    auto dot = path.rfind('.');
    return dot == std::string_view::npos || dot < fileNameStart(path) ? path : path.substr(0, dot);
}

std::string readFirstLine(const std::string& path)
{
    LineReader reader(path);
    std::string line;
    if (!reader.next(line))
        fail(errors::kInputPastEnd);
    return line;
}

// Sets NumberFormat from the unit word of a first line that holds a comma.
void takeUnits(ReportStore& store, std::string_view afterRoadway)
{
    std::string_view unit = contains(afterRoadway, ",") ? before(afterRoadway, ',') : afterRoadway;
    std::string word = upperAscii(trimBlanks(unit));
    if (word == "IMPERIAL" || word.empty())
        store.NumberFormat = "##.00";
    else if (word == "METRIC")
        store.NumberFormat = "##.000";
}

std::string takeRoadwayAndUnits(ReportStore& store, std::string_view firstLine)
{
    std::string_view roadway;
    if (contains(firstLine, ",")) {
        roadway = before(firstLine, ',');
        takeUnits(store, after(firstLine, ','));
    } else {
        roadway = trimBlanks(firstLine);
        store.NumberFormat = "##.00";
    }
    store.NumberFormat2 = "##.00";
    return upperAscii(trimBlanks(roadway));
}

} // namespace

std::string_view fileExtension(std::string_view path)
{
    std::string_view stem = withoutExtension(path);
    return stem.size() == path.size() ? std::string_view{} : path.substr(stem.size() + 1);
}

InputKind inputKindOf(std::string_view path)
{
    std::string extension = upperAscii(fileExtension(path));
    if (extension == "STK")
        return InputKind::Report;
    if (extension == "TXT" || extension == "CSV")
        return InputKind::Listing;
    return InputKind::Unknown;
}

void GenerateOutputFilename(ReportStore& store, std::string_view path)
{
    std::string base(withoutExtension(path));
    store.WorkFile1Name = base + ".tx1";
    store.WorkFile2Name = base + ".tx2";
    store.ReportFileName = base + ".stk";
    store.TempFileName = base + ".tmp";
}

std::int16_t GpkQuarrow(ReportStore& store, Messenger& messenger)
{
    std::string roadway;
    try {
        GenerateOutputFilename(store, store.InputFileName);
        roadway = takeRoadwayAndUnits(store, readFirstLine(store.InputFileName));
    } catch (const RunError& error) {
        messenger.show(std::string("Program Error : ") + error.what() + " occured in GpkQuarrow");
        store.InputError = 1;
        return 1;
    }
    if (roadway == "UNDIVIDED") {
        store.RoadwayType = "Undivided";
        store.InputError = 0;
        ParseUndivided(store, messenger);
    } else if (roadway == "DIVIDED") {
        store.RoadwayType = "Divided";
        store.InputError = 0;
        ParseDivided(store, messenger);
    } else {
        messenger.show("Invalid File Type check file format");
        store.InputError = 1;
        return 1;
    }
    store.InputFileName = store.ReportFileName;
    return 0;
}

bool openBook(ReportStore& store, std::string_view fileName, Messenger& messenger)
{
    InputKind kind = InputKind::Unknown;
    if (fileName.size() >= 2) {
        store.InputFileName = std::string(fileName);
        kind = inputKindOf(fileName);
    }
    if (kind == InputKind::Unknown) {
        messenger.show("Please Select RAW data file");
        return false;
    }
    // Whether it opens or not, the book shown next starts at its first page.
    store.CurrentPage = 0;
    bool opened = kind == InputKind::Listing ? GpkQuarrow(store, messenger) == 0
                                             : ReadReportFile(store, messenger);
    if (!opened)
        return false;
    if (kind == InputKind::Report)
        store.ReportFileName = store.InputFileName;
    if (isDivided(store))
        store.CurrentSide = sideName(BookSide::Left);
    return true;
}

} // namespace quarrow
