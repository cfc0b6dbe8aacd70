#include "listing/undividedparser.h"
#include "main/inputdriver.h"
#include "testsupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>

namespace quarrow {
namespace {

using test::RecordingMessenger;
using test::TempDir;
using testing::ElementsAre;

// The fields after the station of a listing line, by field number; unnamed fields up to the
// highest named one are "0".
using Fields = std::map<int, std::string>;

std::string listingLine(const std::string& station, const Fields& fields,
                        const std::string& roadway = "SR22 PGL")
{
    std::string line = roadway + "," + station;
    int last = fields.empty() ? -1 : fields.rbegin()->first;
    for (int i = 0; i <= last; ++i) {
        auto it = fields.find(i);
        line += "," + (it == fields.end() ? std::string("0") : it->second);
    }
    return line;
}

// A fill stake side: shoulder at 1019.25 and 12 ft, ditch 1.5 deep and 4 ft wide, fill 3.25
// high on a 4:1 slope 13 ft wide.
Fields fillSide()
{
    return {{0, "1020.5"}, {1, "2.5"},   {2, "1019.25"}, {3, "12"},     {4, "1.5"}, {5, "4"},
            {6, "F"},      {7, "0"},     {8, "6"},       {9, "1016.5"}, {10, "2"},  {11, "8"},
            {12, "4"},     {13, "3.25"}, {14, "13"},     {15, "4"}};
}

// A cut stake side: shoulder at 1019.75 and 12 ft, ditch 2 deep and 5 ft wide, backslope
// 2:1 over 8 ft, flat-bottom ditch 4 ft.
Fields cutSide()
{
    return {{0, "1020.5"}, {1, "2.5"}, {2, "1019.75"}, {3, "12"},     {4, "2"},  {5, "5"},
            {6, "C"},      {7, "0"},   {8, "6"},       {9, "1016.5"}, {10, "2"}, {11, "8"},
            {12, "4"},     {13, "0"},  {14, "0"},      {15, "4"}};
}

Fields with(Fields fields, const Fields& changes)
{
    for (const auto& [index, value] : changes)
        fields[index] = value;
    return fields;
}

Fields message(const std::string& word, const std::string& text)
{
    return {{0, word}, {1, text}};
}

class UndividedListing : public testing::Test
{
protected:
    // Parses a listing made of the first line and `lines`; returns whether it completed.
    bool parse(const std::vector<std::string>& lines, const std::string& firstLine = "UNDIVIDED")
    {
        std::vector<std::string> all{firstLine};
        all.insert(all.end(), lines.begin(), lines.end());
        store.InputFileName = dir.write("list.txt", test::crlfLines(all));
        store.NumberFormat = firstLine.find("METRIC") != std::string::npos ? "##.000" : "##.00";
        store.NumberFormat2 = "##.00";
        return ParseUndivided(store, messenger);
    }

    bool parseStation(const Fields& left, const Fields& right,
                      const std::string& firstLine = "UNDIVIDED")
    {
        return parse({listingLine("10+00", left), listingLine("10+00", right)}, firstLine);
    }

    // The seven lines of a stake column of block `block` on page `page`.
    std::vector<std::string> column(int column, int block = 2, int page = 0) const
    {
        std::vector<std::string> lines;
        for (int line = 0; line < 7; ++line)
            lines.push_back(store.UndividedPages.read(page).StakeCells.at(block, column, line));
        return lines;
    }

    TempDir dir;
    ReportStore store;
    RecordingMessenger messenger;
};

TEST_F(UndividedListing, BothSidesDataFillTheWholeBlock)
{
    ASSERT_TRUE(parseStation(fillSide(), cutSide()));
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_THAT(column(0), ElementsAre("10+00", "PGL = 1020.50", "1019.25  1019.75",
                                       "@12.00 @12.00", "1017.75  1017.75", "@16.00  @17.00", ""));
    EXPECT_THAT(column(1), ElementsAre("F  3.25", "@  29.00", "FS = 4.00", "TO HP", "", "", ""));
    EXPECT_THAT(column(2), ElementsAre("F 2.50", "", "", "", "", "", ""));
    EXPECT_THAT(column(3), ElementsAre("C 4.00 @35.00", "TO ELEV 1016.50", "BS = 2.00",
                                       "TBS = 27.00", "4.00 FBD", "", ""));
    const BookPage& page = store.UndividedPages.read(0);
    EXPECT_EQ(page.HubCells.at(2, 0, 0), "10+00");
    EXPECT_EQ(page.RoadwayName, "SR22");
    EXPECT_EQ(page.ProfileName, "PGL");
}

struct StakeCase
{
    const char* name;
    Fields changes;
    std::vector<std::string> expected;
};

class StakeColumns : public UndividedListing, public testing::WithParamInterface<StakeCase>
{};

TEST_P(StakeColumns, FollowTheTypeCode)
{
    const auto& c = GetParam();
    ASSERT_TRUE(parseStation(with(cutSide(), c.changes), cutSide())) << messenger.messages.at(0);
    EXPECT_EQ(column(1), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, StakeColumns,
    testing::Values(
        StakeCase{
            "Cut",
            {},
            {"C 4.00 @35.00", "TO ELEV 1016.50", "BS = 2.00", "TBS = 27.00", "4.00 FBD", "", ""}},
        StakeCase{
            "CutCodeWithBlanks",
            {{6, " C "}},
            {"C 4.00 @35.00", "TO ELEV 1016.50", "BS = 2.00", "TBS = 27.00", "4.00 FBD", "", ""}},
        StakeCase{"CutWithoutBackslope",
                  {{6, "CNBS"}},
                  {"C 00", "TO ELEV 1016.50", "4.00 FBD", "27.00 TO 23.00", "", "", ""}},
        StakeCase{"FlatSlopeHasNoRatio",
                  {{10, "0"}},
                  {"C   @35.00", "TO ELEV 1016.50", "BS = .00", "TBS = 27.00", "4.00 FBD", "", ""}},
        StakeCase{
            "DitchOffsetAbsentCountsAsZero",
            {{5, "999"}},
            {"C 4.00 @30.00", "TO ELEV 1016.50", "BS = 2.00", "TBS = 22.00", "4.00 FBD", "", ""}},
        StakeCase{"Fill",
                  {{6, "F"}, {13, "3.25"}, {14, "13"}},
                  {"F  3.25", "@  30.00", "FS = 4.00", "TO HP", "", "", ""}},
        StakeCase{"FillToShoulder",
                  {{6, "F"}, {4, "999"}, {13, "1"}, {14, "1.5"}},
                  {"F  1.00", "@  18.50", "FS = 4.00", "TO SHLD PT", "", "", ""}},
        StakeCase{"FillOffsetHasTwoIntegerDigits",
                  {{6, "F"}, {3, "1"}, {5, "1"}, {14, "2.5"}},
                  {"F  .00", "@  04.50", "FS = 4.00", "TO HP", "", "", ""}},
        StakeCase{"FieldsAsTheyStand",
                  {{6, "F"}, {13, "n/a"}, {15, "steep"}},
                  {"F  n/a", "@  17.00", "FS = steep", "TO HP", "", "", ""}},
        StakeCase{"OtherCodeWritesNothing", {{6, "G"}}, {"", "", "", "", "", "", ""}},
        StakeCase{"EmptyCodeWritesNothing", {{6, " "}}, {"", "", "", "", "", "", ""}}),
    [](const testing::TestParamInfo<StakeCase>& param) { return std::string(param.param.name); });

TEST_F(UndividedListing, MetricBooksUseThreeDecimalsButTwoForSlopesAndFillOffsets)
{
    ASSERT_TRUE(parseStation(fillSide(), cutSide(), "UNDIVIDED,METRIC"));
    EXPECT_THAT(column(0),
                ElementsAre("10+00", "PGL = 1020.500", "1019.250  1019.750", "@12.000 @12.000",
                            "1017.750  1017.750", "@16.000  @17.000", ""));
    EXPECT_THAT(column(1), ElementsAre("F  3.250", "@  29.00", "FS = 4.00", "TO HP", "", "", ""));
    EXPECT_THAT(column(3), ElementsAre("C 4.000 @35.000", "TO ELEV 1016.500", "BS = 2.00",
                                       "TBS = 27.000", "4.000 FBD", "", ""));
}

TEST_F(UndividedListing, AbsentValuesLeaveBlanksInTheStationColumn)
{
    ASSERT_TRUE(
        parseStation(with(fillSide(), {{3, "999"}, {4, "999.5"}}), with(cutSide(), {{5, "991"}})));
    EXPECT_THAT(column(0), ElementsAre("10+00", "PGL = 1020.50", "1019.25  1019.75", "@  @12.00",
                                       "       1017.75", "        @ ", ""));
    ASSERT_TRUE(parseStation(fillSide(), with(cutSide(), {{3, "999"}, {4, "999"}})));
    EXPECT_THAT(column(0), ElementsAre("10+00", "PGL = 1020.50", "1019.25  1019.75", "@12.00 @ ",
                                       "1017.75        ", "@16.00     ", ""));
}

struct CentreCase
{
    const char* value;
    const char* expected;
};

class CentreLine : public UndividedListing, public testing::WithParamInterface<CentreCase>
{};

TEST_P(CentreLine, ShowsCutOrFillOfTheLeftLine)
{
    ASSERT_TRUE(
        parseStation(with(fillSide(), {{1, GetParam().value}}), with(cutSide(), {{1, "9"}})));
    EXPECT_THAT(column(2), ElementsAre(GetParam().expected, "", "", "", "", "", ""));
}

INSTANTIATE_TEST_SUITE_P(Values, CentreLine,
                         testing::Values(CentreCase{"-2.5", "C -2.50"},
                                         CentreCase{"-0.5", "C -.50"},
                                         CentreCase{"-0.001", "C .00"}, CentreCase{"0", ""},
                                         CentreCase{"0.319", "F .32"},
                                         CentreCase{"12", "F 12.00"}));

const std::string kLongText =
    "SLOPE DOES NOT INTERCEPT EXISTING GROUND WITHIN 200 FT OF HINGE "
    "POINT - CHECK CROSS SECTION AT THIS STATION AND EXTEND THE EXISTING GROUND DATA";

TEST_F(UndividedListing, MessagesOnBothSidesFillOnlyTheStakeColumns)
{
    ASSERT_EQ(kLongText.size(), 143u);
    ASSERT_TRUE(parseStation(message("Error", kLongText), message("Note", "BRIDGE BEGIN")));
    EXPECT_THAT(column(0), ElementsAre("10+00", "", "", "", "", "", ""));
    EXPECT_THAT(column(1), ElementsAre("Error :", kLongText.substr(0, 25), kLongText.substr(25, 25),
                                       kLongText.substr(50, 25), kLongText.substr(75, 25),
                                       kLongText.substr(100, 25), kLongText.substr(125)));
    EXPECT_THAT(column(2), ElementsAre("", "", "", "", "", "", ""));
    EXPECT_THAT(column(3), ElementsAre("Note :", "BRIDGE BEGIN", "", "", "", "", ""));
}

TEST_F(UndividedListing, LeftMessageTakesTheStationColumnFromTheRightLine)
{
    ASSERT_TRUE(parseStation(message("Note", "WALL"), with(fillSide(), {{1, "-1.25"}})));
    EXPECT_THAT(column(0), ElementsAre("10+00", "PGL = 1020.50", "****   1019.25", "****    @12.00",
                                       "****   1017.75", "****     @16.00", ""));
    EXPECT_THAT(column(1), ElementsAre("Note : ", "WALL", "", "", "", "", ""));
    EXPECT_THAT(column(2), ElementsAre("C -1.25", "", "", "", "", "", ""));
    EXPECT_THAT(column(3), ElementsAre("F  3.25", "@  29.00", "FS = 4.00", "TO HP", "", "", ""));
}

TEST_F(UndividedListing, LeftMessageFormatsTheRightFillOffsetWithTheBookFormat)
{
    ASSERT_TRUE(parseStation(message("Error", "X"),
                             with(fillSide(), {{3, "1"}, {5, "1"}, {14, "2.5"}}),
                             "UNDIVIDED,METRIC"));
    EXPECT_EQ(column(1)[0], "Error : ");
    EXPECT_EQ(column(3)[1], "@  4.500");
    ASSERT_TRUE(parseStation(message("Error", "X"), with(cutSide(), {{4, "999"}})));
    EXPECT_THAT(column(0), ElementsAre("10+00", "PGL = 1020.50", "****   1019.75", "****    @12.00",
                                       "****         ", "****        ", ""));
}

TEST_F(UndividedListing, RightMessageTakesTheStationColumnFromTheLeftLine)
{
    ASSERT_TRUE(parseStation(cutSide(), message("Error", "NO GROUND")));
    EXPECT_THAT(column(0), ElementsAre("10+00", "PGL = 1020.50", "1019.75    ****", "@12.00   ****",
                                       "1017.75   ****", "@17.00   ****", ""));
    EXPECT_THAT(column(1), ElementsAre("C 4.00 @35.00", "TO ELEV 1016.50", "BS = 2.00",
                                       "TBS = 27.00", "4.00 FBD", "", ""));
    EXPECT_THAT(column(2), ElementsAre("F 2.50", "", "", "", "", "", ""));
    EXPECT_THAT(column(3), ElementsAre("Error : ", "NO GROUND", "", "", "", "", ""));
    ASSERT_TRUE(parseStation(with(cutSide(), {{4, "999"}}), message("Note", "N")));
    EXPECT_THAT(column(0), ElementsAre("10+00", "PGL = 1020.50", "1019.75    ****", "@12.00   ****",
                                       "        ****", "         ****", ""));
    EXPECT_EQ(column(3)[0], "Note : ");
}

TEST_F(UndividedListing, AMessageKeepsOnlyTheTextBeforeAComma)
{
    ASSERT_TRUE(parse({"SR22 PGL,10+00,Note,BRIDGE END, SEE STRUCTURE SHEETS",
                       listingLine("10+00", fillSide())}));
    EXPECT_EQ(column(1)[1], "BRIDGE END");
}

TEST_F(UndividedListing, MessageWordsMustStandAlone)
{
    EXPECT_FALSE(parse({"SR22 PGL,10+00, Error,TEXT", listingLine("10+00", fillSide())}));
    EXPECT_THAT(messenger.messages,
                ElementsAre(" Please correct data input file at station: 10+00"));
}

TEST_F(UndividedListing, StationsFillBlocksTwoOneZeroAndTurnThePage)
{
    std::vector<std::string> lines;
    for (const char* station : {"10+00", "10+50", "11+00", "11+50"}) {
        lines.push_back(listingLine(station, fillSide()));
        lines.push_back(listingLine(station, cutSide()));
    }
    ASSERT_TRUE(parse(lines));
    const BookPage& first = store.UndividedPages.read(0);
    EXPECT_EQ(first.StakeCells.at(2, 0, 0), "10+00");
    EXPECT_EQ(first.StakeCells.at(1, 0, 0), "10+50");
    EXPECT_EQ(first.StakeCells.at(0, 0, 0), "11+00");
    EXPECT_EQ(first.FirstStation, "10+00");
    EXPECT_EQ(first.LastStation, "11+00");
    const BookPage& second = store.UndividedPages.read(1);
    EXPECT_EQ(second.StakeCells.at(2, 0, 0), "11+50");
    EXPECT_EQ(second.FirstStation, "11+50");
    EXPECT_EQ(second.LastStation, "");
    EXPECT_EQ(store.LastPage, 1);
    EXPECT_THAT(store.StationItems, ElementsAre("10+00", "10+50", "11+00", "11+50"));
    EXPECT_THAT(store.PageStationItems,
                ElementsAre("              1          10+00", "              1          10+50",
                            "              1          11+00", "              2          11+50"));
    EXPECT_THAT(store.PageItems, ElementsAre("              1          10+00          11+00",
                                             "              2          11+50               "));
}

TEST_F(UndividedListing, AFullLastPageIsFollowedByAnEmptyPage)
{
    std::vector<std::string> lines;
    for (const char* station : {"1+00", "2+00", "3+00"}) {
        lines.push_back(listingLine(station, fillSide()));
        lines.push_back(listingLine(station, fillSide()));
    }
    ASSERT_TRUE(parse(lines));
    EXPECT_EQ(store.LastPage, 1);
    EXPECT_EQ(store.UndividedPages.read(1).FirstStation, "");
    EXPECT_THAT(store.PageItems, ElementsAre("              1           1+00           3+00",
                                             "              2                              "));
}

TEST_F(UndividedListing, AListingWithoutStationsGivesOneEmptyPage)
{
    ASSERT_TRUE(parse({"HEADING WITHOUT COMMAS", ""}));
    EXPECT_EQ(store.LastPage, 0);
    EXPECT_TRUE(store.StationItems.empty());
    EXPECT_THAT(store.PageItems, ElementsAre("              1" + std::string(30, ' ')));
}

TEST_F(UndividedListing, HeadingsControlLinesAndEmptyFieldsAreSkippedOrCut)
{
    ASSERT_TRUE(
        parse({"GEOPAK SLOPE STAKE LISTING", listingLine("10+00", fillSide()),
               std::string("SR22,\x01,CONTROL"), "", listingLine("10+00", cutSide()) + ",,,,,"}));
    EXPECT_EQ(column(3)[0], "C 4.00 @35.00");
    EXPECT_EQ(store.StationItems.size(), 1u);
}

TEST_F(UndividedListing, AnEmptyFieldEndsTheLine)
{
    // After the cut only field 0 remains, so reading field 1 fails.
    EXPECT_FALSE(parse({listingLine("10+00", fillSide()), "SR22 PGL,10+00,1,,5"}));
    EXPECT_THAT(messenger.messages,
                ElementsAre(" Please correct data input file at station: 10+00"));
}

TEST_F(UndividedListing, RoadwayWithoutProfileNameIsProfileSgcle)
{
    ASSERT_TRUE(parse({listingLine("10+00", fillSide(), "MAINLINE"),
                       listingLine("10+00", fillSide(), "MAINLINE")}));
    EXPECT_EQ(store.UndividedPages.read(0).RoadwayName, "MAINLINE");
    EXPECT_EQ(store.UndividedPages.read(0).ProfileName, "SGCLE");
    EXPECT_EQ(column(0)[1], "SGCLE = 1020.50");
}

TEST_F(UndividedListing, AStationWithOneLineIsLost)
{
    ASSERT_TRUE(parse({listingLine("10+00", fillSide()), listingLine("10+50", fillSide()),
                       listingLine("10+50", cutSide())}));
    EXPECT_THAT(store.StationItems, ElementsAre("10+50"));
    EXPECT_EQ(column(0)[0], "10+50");
}

TEST_F(UndividedListing, FieldsOfALostLineDoNotLeakIntoTheNextStation)
{
    Fields shortLine = {{0, "Note"}};
    ASSERT_TRUE(parse({listingLine("10+00", fillSide()), listingLine("10+50", shortLine),
                       listingLine("10+50", fillSide())}));
    EXPECT_THAT(column(1), ElementsAre("Note : ", "", "", "", "", "", ""));
}

struct FailureCase
{
    const char* name;
    std::vector<std::string> lines;
    const char* station;
};

class ParserFailures : public UndividedListing, public testing::WithParamInterface<FailureCase>
{};

TEST_P(ParserFailures, NameTheStationToCorrect)
{
    EXPECT_FALSE(parse(GetParam().lines));
    EXPECT_THAT(messenger.messages,
                ElementsAre(std::string(" Please correct data input file at station: ") +
                            GetParam().station));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParserFailures,
    testing::Values(
        FailureCase{"TwoCommaFields",
                    {listingLine("10+00", fillSide()), listingLine("10+00", fillSide()),
                     "SR22 PGL, 10+50 "},
                    "10+50"},
        FailureCase{
            "NotANumber",
            {listingLine("10+00", fillSide()), listingLine("10+00", with(fillSide(), {{4, "x"}}))},
            "10+00"},
        FailureCase{"MissingFields",
                    {listingLine("10+00", {{0, "1"}, {1, "2"}, {2, "3"}}),
                     listingLine("10+00", fillSide())},
                    "10+00"},
        FailureCase{
            "TwentyOneFields", {listingLine("10+00", with(fillSide(), {{20, "1"}}))}, "10+00"},
        FailureCase{"ThirdLineOfAStation",
                    {listingLine("10+00", fillSide()), listingLine("10+00", fillSide()),
                     listingLine("10+00", fillSide())},
                    "10+00"},
        FailureCase{"SumBeyondRange",
                    {listingLine("10+00", fillSide()),
                     listingLine("10+00", with(fillSide(), {{2, "1e308"}, {4, "-1e308"}}))},
                    "10+00"}),
    [](const testing::TestParamInfo<FailureCase>& param) { return std::string(param.param.name); });

TEST_F(UndividedListing, AFailureKeepsTheBookBuiltSoFar)
{
    std::vector<std::string> lines;
    for (const char* station : {"10+00", "10+50", "11+00", "11+50"}) {
        lines.push_back(listingLine(station, fillSide()));
        lines.push_back(listingLine(station, cutSide()));
    }
    lines.push_back(listingLine("12+00", fillSide()));
    lines.push_back(listingLine("12+00", with(fillSide(), {{3, "x"}})));
    lines.push_back(listingLine("12+50", fillSide()));
    lines.push_back(listingLine("12+50", fillSide()));

    EXPECT_FALSE(parse(lines));
    EXPECT_EQ(messenger.messages.size(), 1u);
    EXPECT_EQ(store.LastPage, 1);
    EXPECT_THAT(store.PageItems, ElementsAre("              1          10+00          11+00",
                                             "              2          11+50               "));
    // The failing station's block keeps what was written before its bad field was read.
    EXPECT_THAT(column(0, 1, 1),
                ElementsAre("12+00", "PGL = 1020.50", "1019.25  1019.25", "", "", "", ""));
    EXPECT_THAT(store.StationItems, ElementsAre("10+00", "10+50", "11+00", "11+50"));
}

std::vector<std::string> stations(int count)
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count) * 2);
    for (int i = 0; i < count; ++i) {
        std::string station = std::to_string(i / 100) + "+" + std::to_string(i % 100);
        lines.push_back(listingLine(station, fillSide()));
        lines.push_back(listingLine(station, cutSide()));
    }
    return lines;
}

TEST_F(UndividedListing, HoldsThirtyThousandAndTwoStations)
{
    ASSERT_TRUE(parse(stations(30002)));
    EXPECT_TRUE(messenger.messages.empty());
    EXPECT_EQ(store.LastPage, 10000);
    EXPECT_EQ(store.UndividedPages.read(10000).StakeCells.at(1, 0, 0), "300+1");
    EXPECT_EQ(store.PageItems.size(), 10001u);
}

TEST_F(UndividedListing, OneStationMoreFailsAtTheLastPageItem)
{
    EXPECT_FALSE(parse(stations(30003)));
    EXPECT_THAT(messenger.messages,
                ElementsAre(" Please correct data input file at station: 300+2"));
    EXPECT_EQ(store.LastPage, 10000);
    EXPECT_EQ(store.PageItems.size(), 10001u);
    EXPECT_EQ(store.UndividedPages.read(10000).LastStation, "300+2");
}

TEST_F(UndividedListing, ABookStartsEmpty)
{
    ASSERT_TRUE(parse(stations(4)));
    ASSERT_TRUE(parse(
        {listingLine("20+00", message("Note", "A")), listingLine("20+00", message("Note", "B"))}));
    EXPECT_THAT(store.StationItems, ElementsAre("20+00"));
    EXPECT_THAT(column(0), ElementsAre("20+00", "", "", "", "", "", ""));
    EXPECT_EQ(store.UndividedPages.read(1).FirstStation, "");
    EXPECT_EQ(store.LastPage, 0);
}

} // namespace
} // namespace quarrow
