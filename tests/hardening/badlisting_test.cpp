// Listings that are empty, binary, huge, oddly ended or hold odd numbers and stations: the
// input driver and both parsers answer each with at most one message and a book that stays
// pageable.

#include "main/inputdriver.h"
#include "store/reportfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace quarrow {
namespace {

using test::RecordingMessenger;
using test::TempDir;

const std::string kCorrectAt = " Please correct data input file at station: ";
const std::string kWrongAt = " There is something wrong at Sta. ";
const std::string kMegabyte(1 << 20, 'x');

// The fields after the station of one side with a fill stake; fields 16 and 17 serve the
// divided parser (no median, roadway line at 7.2).
std::vector<std::string> fillFields()
{
    return {"1020.5", "2.5", "1019.25", "12", "1.5",  "4",  "F", "0",    "6",
            "1016.5", "2",   "8",       "4",  "3.25", "13", "4", "NONE", "7.2"};
}

std::vector<std::string> withField(std::vector<std::string> fields, std::size_t index,
                                   const std::string& text)
{
    fields.at(index) = text;
    return fields;
}

std::string stationLine(const std::string& station,
                        const std::vector<std::string>& fields = fillFields())
{
    std::string line = "SR22 PGL," + station;
    for (const std::string& field : fields)
        line += "," + field;
    return line + "\r\n";
}

// An undivided station: its left and right line.
std::string pairOf(const std::string& station, const std::vector<std::string>& left = fillFields(),
                   const std::vector<std::string>& right = fillFields())
{
    return stationLine(station, left) + stationLine(station, right);
}

// A divided station: two lines for each roadway.
std::string fourLinesOf(const std::string& station)
{
    return pairOf(station) + pairOf(station);
}

std::vector<std::string> twentyFields()
{
    std::vector<std::string> fields = fillFields();
    fields.insert(fields.end(), {"0", "0"});
    return fields;
}

std::string withoutLineEnds(std::string text)
{
    std::erase(text, '\r');
    std::erase(text, '\n');
    return text;
}

// Every byte value but the comma, so that no line of it is a station line.
std::string bytesWithoutComma()
{
    std::string bytes;
    for (int value = 0; value < 256; ++value) {
        if (value != ',')
            bytes += static_cast<char>(value);
    }
    return bytes;
}

struct ListingCase
{
    const char* name;
    std::string bytes;
    std::int16_t result;                    // of GpkQuarrow: 1 refused, 0 a parser ran
    std::vector<std::string> messages;      // all the messages shown
    std::vector<std::string> stations = {}; // the station list when no message is expected
};

std::ostream& operator<<(std::ostream& out, const ListingCase& c)
{
    return out << c.name;
}

class OddListing : public testing::TestWithParam<ListingCase>
{
protected:
    std::int16_t run(const std::string& bytes)
    {
        store.InputFileName = dir.write("list.txt", bytes);
        return GpkQuarrow(store, messenger);
    }

    // The book ends at a page of its array, with one page item per page.
    void expectPageableBook() const
    {
        bool divided = store.RoadwayType == "Divided";
        std::int32_t lastPage = divided ? store.LastRightPage : store.LastPage;
        EXPECT_GE(lastPage, 0);
        EXPECT_LT(lastPage, divided ? ReportStore::kSideCapacity : ReportStore::kUndividedCapacity);
        EXPECT_EQ(store.PageItems.size(), static_cast<std::size_t>(lastPage) + 1);
        EXPECT_EQ(store.PageStationItems.size(), store.StationItems.size());
    }

    TempDir dir;
    ReportStore store;
    RecordingMessenger messenger;
};

TEST_P(OddListing, GetsItsMessageAndAPageableBook)
{
    const ListingCase& c = GetParam();
    EXPECT_EQ(run(c.bytes), c.result);
    EXPECT_EQ(messenger.messages, c.messages);
    if (c.result == 0)
        expectPageableBook();
    if (c.messages.empty()) {
        EXPECT_EQ(store.StationItems, c.stations);
    }
}

const std::string kUndividedLine = "UNDIVIDED\r\n";
const std::string kDividedLine = "DIVIDED,METRIC\r\n";

INSTANTIATE_TEST_SUITE_P(
    Files, OddListing,
    testing::Values(
        // Short and binary files.
        ListingCase{"UndividedFirstLineWithoutItsEnd", "UNDIVIDED", 0, {}},
        ListingCase{"DividedFirstLineWithoutItsEnd", "DIVIDED,METRIC", 0, {}},
        ListingCase{"BinaryFirstLine",
                    "\x80\xff\x01\x7f\xfe,\xc0\r\n" + pairOf("10+00"),
                    1,
                    {"Invalid File Type check file format"}},
        ListingCase{
            "BinaryAfterTheFirstLine", kUndividedLine + bytesWithoutComma() + "\r\n", 0, {}},
        ListingCase{"BinaryAfterTheDividedFirstLine", kDividedLine + bytesWithoutComma(), 0, {}},
        ListingCase{"BinaryStationLines",
                    kUndividedLine + "\x80\xff,\xfe\x7f,\x90\r\n\x80\xff,\xfe\x7f,\x90\r\n",
                    0,
                    {kCorrectAt + "\xfe\x7f"}},
        // NUL bytes.
        ListingCase{"NulInTheFirstLine",
                    std::string("UNDIVIDED\0\r\n", 12) + pairOf("10+00"),
                    1,
                    {"Invalid File Type check file format"}},
        ListingCase{"NulInANumber",
                    kUndividedLine +
                        pairOf("10+00", withField(fillFields(), 4, std::string("1.5\0", 4))),
                    0,
                    {kCorrectAt + "10+00"}},
        ListingCase{"NulInTheStation",
                    kUndividedLine + pairOf(std::string("10+00\0", 6)),
                    0,
                    {},
                    {std::string("10+00\0", 6)}},
        // Lines of a megabyte.
        ListingCase{"MegabyteFirstLine",
                    "UNDIVIDED" + kMegabyte + ",METRIC\r\n",
                    1,
                    {"Invalid File Type check file format"}},
        ListingCase{"MegabyteOfBlanksInTheFirstLine",
                    "UNDIVIDED" + std::string(1 << 20, ' ') + ",METRIC\r\n" + pairOf("10+00"),
                    0,
                    {},
                    {"10+00"}},
        ListingCase{"MegabyteHeading",
                    kUndividedLine + kMegabyte + "\r\n" + pairOf("10+00"),
                    0,
                    {},
                    {"10+00"}},
        ListingCase{"MegabyteStation", kDividedLine + fourLinesOf(kMegabyte), 0, {}, {kMegabyte}},
        // Line ends.
        ListingCase{"LastLineWithoutItsEnd",
                    kUndividedLine + stationLine("10+00") +
                        stationLine("10+00").substr(0, stationLine("10+00").size() - 2),
                    0,
                    {},
                    {"10+00"}},
        ListingCase{"NoLineEnds",
                    withoutLineEnds(kUndividedLine + pairOf("10+00")),
                    1,
                    {"Invalid File Type check file format"}},
        ListingCase{"NoLineEndsAfterTheRoadwayWord",
                    withoutLineEnds("UNDIVIDED," + pairOf("10+00")),
                    0,
                    {}},
        // Field counts.
        ListingCase{
            "TwentyFields", kUndividedLine + pairOf("10+00", twentyFields()), 0, {}, {"10+00"}},
        // A sum of two values that each fit a double, but not together.
        ListingCase{"DividedSumBeyondADouble",
                    kDividedLine +
                        pairOf("10+00", fillFields(),
                               withField(withField(fillFields(), 17, "1.7e308"), 3, "1e308")) +
                        pairOf("10+00"),
                    0,
                    {kWrongAt + "10+00"}},
        // Station texts.
        ListingCase{"StationWithoutPlus", kUndividedLine + pairOf("1000"), 0, {}, {"1000"}},
        ListingCase{"StationWithSeveralPlus", kUndividedLine + pairOf("1+2+3"), 0, {}, {"1+2+3"}},
        ListingCase{"BlankStation", kUndividedLine + pairOf(" "), 0, {kCorrectAt}},
        ListingCase{"DividedBlankStation", kDividedLine + fourLinesOf("  "), 0, {kWrongAt}}),
    [](const testing::TestParamInfo<ListingCase>& param) { return std::string(param.param.name); });

struct FieldCase
{
    const char* name;
    std::string text;
    bool number;
};

std::ostream& operator<<(std::ostream& out, const FieldCase& c)
{
    return out << c.name;
}

class FieldText : public testing::TestWithParam<FieldCase>
{
protected:
    std::vector<std::string> messagesFor(const std::string& bytes)
    {
        TempDir dir;
        ReportStore store;
        RecordingMessenger messenger;
        store.InputFileName = dir.write("list.txt", bytes);
        EXPECT_EQ(GpkQuarrow(store, messenger), 0);
        return messenger.messages;
    }
};

// Field 3, the shoulder offset, is read as a number by both parsers: a text that is no
// number, or one beyond a double, names the station; any other number builds the block.
TEST_P(FieldText, IsReadAsANumberOrNamesTheStation)
{
    const FieldCase& c = GetParam();
    std::vector<std::string> odd = withField(fillFields(), 3, c.text);
    auto expected = [&](const std::string& head) {
        return c.number ? std::vector<std::string>{} : std::vector<std::string>{head + "10+50"};
    };
    EXPECT_EQ(messagesFor(kUndividedLine + pairOf("10+00") + pairOf("10+50", odd)),
              expected(kCorrectAt));
    EXPECT_EQ(
        messagesFor(kDividedLine + fourLinesOf("10+00") + pairOf("10+50", odd) + pairOf("10+50")),
        expected(kWrongAt));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FieldText,
    testing::Values(FieldCase{"Nan", "nan", false}, FieldCase{"Infinity", "inf", false},
                    FieldCase{"NegativeInfinity", "-inf", false},
                    FieldCase{"Hexadecimal", "0x10", false},
                    FieldCase{"TwoDecimalPoints", "1.5.2", false},
                    FieldCase{"TwoSigns", "--1", false}, FieldCase{"Blank", " ", false},
                    FieldCase{"BeyondADouble", "1e309", false},
                    FieldCase{"BeyondADoubleNegative", "-1e309", false},
                    FieldCase{"MegabyteOfDigits", "1" + std::string(1 << 20, '0'), false},
                    FieldCase{"LargestExponent", "1e308", true},
                    FieldCase{"LargestNegativeExponent", "-1e308", true},
                    FieldCase{"TwentyDigitInteger", "12345678901234567890", true},
                    FieldCase{"BelowTheSmallestDouble", "1e-400", true},
                    FieldCase{"Subnormal", "4.9e-324", true}, FieldCase{"PlusSign", "+7", true},
                    FieldCase{"Blanks", " 7 ", true}, FieldCase{"NoIntegerDigits", ".5", true},
                    FieldCase{"NoDecimalDigits", "5.", true}),
    [](const testing::TestParamInfo<FieldCase>& param) { return std::string(param.param.name); });

// What a listing gives: its messages, lists and the report file written from the book.
struct Book
{
    std::vector<std::string> messages;
    std::vector<std::string> stations;
    std::vector<std::string> pages;
    std::string report;
};

Book bookOf(const std::string& bytes)
{
    TempDir dir;
    ReportStore store;
    RecordingMessenger messenger;
    store.InputFileName = dir.write("list.txt", bytes);
    EXPECT_EQ(GpkQuarrow(store, messenger), 0);
    store.ReportFileName = dir.file("book.stk");
    EXPECT_TRUE(writeReport(store, messenger));
    return {messenger.messages, store.StationItems, store.PageItems,
            test::readFile(store.ReportFileName)};
}

std::string replaceLineEnds(const std::string& crlfText, const std::string& end)
{
    std::string text;
    for (std::size_t start = 0, at; (at = crlfText.find("\r\n", start)) != std::string::npos;
         start = at + 2)
        text += crlfText.substr(start, at - start) + end;
    return text;
}

class OtherLineEnds : public testing::TestWithParam<std::string>
{};

TEST_P(OtherLineEnds, GiveTheBookOfCrLf)
{
    std::string undivided = "UNDIVIDED,METRIC\r\nHEADING\r\n" + pairOf("10+00") +
                            stationLine("10+50", {"Note", "BRIDGE"}) + stationLine("10+50") +
                            pairOf("11+00") + pairOf("11+50");
    std::string divided = kDividedLine + fourLinesOf("10+00") + fourLinesOf("10+20") +
                          fourLinesOf("10+40") + fourLinesOf("10+60");
    for (const std::string& listing : {undivided, divided}) {
        Book reference = bookOf(listing);
        Book book = bookOf(replaceLineEnds(listing, GetParam()));
        EXPECT_TRUE(book.messages.empty());
        EXPECT_EQ(book.stations, reference.stations);
        EXPECT_EQ(book.pages, reference.pages);
        EXPECT_EQ(book.report, reference.report);
        EXPECT_EQ(book.stations.size(), 4u);
    }
}

INSTANTIATE_TEST_SUITE_P(Ends, OtherLineEnds, testing::Values("\n", "\r", "\n\r", "\r\r\n"),
                         [](const testing::TestParamInfo<std::string>& param) {
                             std::string name;
                             for (char c : param.param)
                                 name += c == '\r' ? "Cr" : "Lf";
                             return name;
                         });

} // namespace
} // namespace quarrow
