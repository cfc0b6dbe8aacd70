// The cells of one station block of a divided book: the station column, notes and errors,
// stake columns, the C.L. value and the median codes. Every case parses a listing of one
// station and looks at block 2 of page 1 of the book concerned.

#include "listing/dividedlisting.h"

#include <array>
#include <gtest/gtest.h>
#include <ostream>

namespace quarrow::test {
namespace {

enum class Book { Left, Right };

std::ostream& operator<<(std::ostream& out, Book book)
{
    return out << (book == Book::Left ? "left roadway" : "right roadway");
}

// The roadway's own two lines are `a` (its left side) and `b` (its right side); the other
// roadway's lines carry no stake.
DividedStation stationWith(Book book, const LineFields& a, const LineFields& b)
{
    DividedStation station = plainStation("10+00");
    if (book == Book::Left) {
        station.leftOuter = a;
        station.leftMedian = b;
    } else {
        station.rightMedian = a;
        station.rightOuter = b;
    }
    return station;
}

const BookPage& pageOf(const DividedParse& run, Book book)
{
    return book == Book::Left ? run.left() : run.right();
}

const std::string& stake(const DividedParse& run, Book book, int column, int line)
{
    return pageOf(run, book).StakeCells.at(2, column, line);
}

constexpr int kStation = 0;
constexpr int kLeft = 1;
constexpr int kCentre = 2;
constexpr int kRight = 3;

// The two sides of a roadway for the station column: the outer values of dataLine() on the
// left side, and on the right side profile 1012.4, shoulder 1011.65 @ 2.4, ditch depth 0.25
// @ 0.9, roadway line 6.9.
LineFields leftSide()
{
    return dataLine("X");
}
LineFields rightSide()
{
    return with(dataLine("X"),
                {{0, "1012.4"}, {2, "1011.65"}, {3, "2.4"}, {4, "0.25"}, {5, "0.9"}, {17, "6.9"}});
}

// ---------------------------------------------------------------------------------------
// Station column

struct StationColumnCase
{
    const char* name;
    Book book;
    LineFields a;
    LineFields b;
    std::array<const char*, 7> lines;
};

std::ostream& operator<<(std::ostream& out, const StationColumnCase& c)
{
    return out << c.name << " on the " << c.book;
}

class StationColumn : public testing::TestWithParam<StationColumnCase>
{};

TEST_P(StationColumn, HoldsTheStationAndTheHubValuesOfBothSides)
{
    const auto& c = GetParam();
    DividedParse run(stationLines(stationWith(c.book, c.a, c.b)));
    ASSERT_TRUE(run.messenger.messages.empty()) << run.messenger.messages.front();
    for (int line = 0; line < 7; ++line)
        EXPECT_EQ(stake(run, c.book, kStation, line), c.lines[static_cast<std::size_t>(line)])
            << "line " << line;
    EXPECT_EQ(pageOf(run, c.book).HubCells.at(2, 0, 0), "10+00");
}

const LineFields kError = messageLine("Error", "SLOPE DOES NOT CATCH");
const LineFields kNote = messageLine("Note", "BRIDGE APPROACH SLAB");

// Values by hand, left side (line A) less its offsets from the roadway line 7.2, right side
// (line B) plus them from 6.9:
//   line 3: 1011.8 and 1011.65; line 4: 7.2 - 3.6 = 3.6 and 6.9 + 2.4 = 9.3;
//   line 5: 1011.8 - 0.45 = 1011.35 and 1011.65 - 0.25 = 1011.4;
//   line 6: 7.2 - 3.6 - 1.2 = 2.4 and 6.9 + 2.4 + 0.9 = 10.2.
INSTANTIATE_TEST_SUITE_P(
    BothSidesRegular, StationColumn,
    testing::Values(
        StationColumnCase{"values",
                          Book::Left,
                          leftSide(),
                          rightSide(),
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800  1011.650",
                           "@3.600 @9.300", "1011.350  1011.400", "@2.400  @10.200"}},
        StationColumnCase{"values",
                          Book::Right,
                          leftSide(),
                          rightSide(),
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800  1011.650",
                           "@3.600 @9.300", "1011.350  1011.400", "@2.400  @10.200"}},
        // Line 4 counts an absent shoulder offset as 0; line 6 takes it as it stands:
        // 7.2 - 999 - 1.2 = -993 and 6.9 + 999 + 0.9 = 1006.8.
        StationColumnCase{"left shoulder offset absent",
                          Book::Left,
                          with(leftSide(), {{3, "999"}}),
                          rightSide(),
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800  1011.650",
                           "@7.200 @9.300", "1011.350  1011.400", "@-993.000  @10.200"}},
        StationColumnCase{"right shoulder offset absent",
                          Book::Right,
                          leftSide(),
                          with(rightSide(), {{3, "999"}}),
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800  1011.650",
                           "@3.600 @6.900", "1011.350  1011.400", "@2.400  @1006.800"}},
        StationColumnCase{"left ditch absent",
                          Book::Left,
                          with(leftSide(), {{4, "999"}}),
                          rightSide(),
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800  1011.650",
                           "@3.600 @9.300", "        1011.400", "        @10.200"}},
        // The right roadway leaves five blanks for its left side's absent ditch in line 5.
        StationColumnCase{"left ditch absent",
                          Book::Right,
                          with(leftSide(), {{4, "999"}}),
                          rightSide(),
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800  1011.650",
                           "@3.600 @9.300", "       1011.400", "        @10.200"}},
        StationColumnCase{"right ditch absent",
                          Book::Left,
                          leftSide(),
                          with(rightSide(), {{4, "999"}}),
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800  1011.650",
                           "@3.600 @9.300", "1011.350        ", "@2.400     "}},
        StationColumnCase{"right ditch absent",
                          Book::Right,
                          leftSide(),
                          with(rightSide(), {{4, "999"}}),
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800  1011.650",
                           "@3.600 @9.300", "1011.350        ", "@2.400     "}},
        StationColumnCase{"ditch offsets absent",
                          Book::Left,
                          with(leftSide(), {{5, "999"}}),
                          with(rightSide(), {{5, "999"}}),
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800  1011.650",
                           "@3.600 @9.300", "1011.350  1011.400", "@   @ "}}));

// One side special: only the regular side's values, with "****" for the other side.
INSTANTIATE_TEST_SUITE_P(
    OneSideSpecial, StationColumn,
    testing::Values(
        StationColumnCase{"right side error",
                          Book::Left,
                          leftSide(),
                          kError,
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800   ****",
                           "@3.600   ****", "1011.350   ****", "@2.400   ****"}},
        StationColumnCase{"right side note",
                          Book::Right,
                          leftSide(),
                          kNote,
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800   ****",
                           "@3.600   ****", "1011.350   ****", "@2.400   ****"}},
        // Five blanks for the absent ditch in line 5 only; line 6 keeps its six.
        StationColumnCase{"right side note, left ditch absent",
                          Book::Left,
                          with(leftSide(), {{4, "999"}}),
                          kNote,
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800   ****",
                           "@3.600   ****", "        ****", "         ****"}},
        StationColumnCase{"right side note, left shoulder offset absent",
                          Book::Left,
                          with(leftSide(), {{3, "999"}}),
                          kNote,
                          {"10+00", "PGL1 = 1012.500", "      @ 7.200", "1011.800   ****",
                           "@7.200   ****", "1011.350   ****", "@-993.000   ****"}},
        StationColumnCase{"left side error",
                          Book::Right,
                          kError,
                          rightSide(),
                          {"10+00", "PGL1 = 1012.400", "      @ 6.900", "****   1011.650",
                           "****   @9.300", "****   1011.400", "****     @10.200"}},
        StationColumnCase{"left side note",
                          Book::Left,
                          kNote,
                          rightSide(),
                          {"10+00", "PGL1 = 1012.400", "      @ 6.900", "****   1011.650",
                           "****   @9.300", "****   1011.400", "****     @10.200"}},
        StationColumnCase{"left side note, right shoulder offset absent",
                          Book::Left,
                          kNote,
                          with(rightSide(), {{3, "999"}}),
                          {"10+00", "PGL1 = 1012.400", "      @ 6.900", "****   1011.650",
                           "****   @6.900", "****   1011.400", "****     @1006.800"}},
        StationColumnCase{"left side note, right ditch absent",
                          Book::Right,
                          kNote,
                          with(rightSide(), {{4, "999"}}),
                          {"10+00", "PGL1 = 1012.400", "      @ 6.900", "****   1011.650",
                           "****   @9.300", "****         ", "****        "}},
        StationColumnCase{
            "both sides special", Book::Left, kError, kNote, {"10+00", "", "", "", "", "", ""}},
        StationColumnCase{
            "both sides special", Book::Right, kNote, kNote, {"10+00", "", "", "", "", "", ""}}));

TEST(DividedHeaderFields, RoadwayWithoutProfileNameGivesSgcle)
{
    DividedStation station = plainStation("10+00");
    std::vector<std::string> lines;
    for (const LineFields* fields :
         {&station.leftOuter, &station.leftMedian, &station.rightMedian, &station.rightOuter})
        lines.push_back(listingLine("10+00", *fields, "SR5"));
    DividedParse run(lines);
    for (Book book : {Book::Left, Book::Right}) {
        EXPECT_EQ(pageOf(run, book).RoadwayName, "SR5") << book;
        EXPECT_EQ(pageOf(run, book).ProfileName, "SGCLE") << book;
        EXPECT_EQ(stake(run, book, kStation, 1), "SGCLE = 1012.500") << book;
    }
}

// Every line rewrites the header fields of both books' current pages, so each roadway's
// block shows the profile of the line that completes it, and the pages end with the last.
TEST(DividedHeaderFields, EveryLineRewritesBothBooksHeaders)
{
    DividedStation station = plainStation("10+00");
    DividedParse run({listingLine("10+00", station.leftOuter, "SR5L PGL1"),
                      listingLine("10+00", station.leftMedian, "SR5L  PGL2 "),
                      listingLine("10+00", station.rightMedian, "SR5R PGL3"),
                      listingLine("10+00", station.rightOuter, "SR5R PGL4")});
    EXPECT_EQ(stake(run, Book::Left, kStation, 1), "PGL2 = 1012.500");
    EXPECT_EQ(stake(run, Book::Right, kStation, 1), "PGL4 = 1012.500");
    for (Book book : {Book::Left, Book::Right}) {
        EXPECT_EQ(pageOf(run, book).RoadwayName, "SR5R") << book;
        EXPECT_EQ(pageOf(run, book).ProfileName, "PGL4") << book;
    }
}

// ---------------------------------------------------------------------------------------
// Notes and errors

struct NoteCase
{
    Book book;
    LineFields a;
    LineFields b;
    int column;
    const char* header;
};

std::ostream& operator<<(std::ostream& out, const NoteCase& c)
{
    return out << c.book << ": " << c.a.front() << " / " << c.b.front() << ", column " << c.column;
}

class NoteHeader : public testing::TestWithParam<NoteCase>
{};

TEST_P(NoteHeader, HeadsTheColumnOfTheSpecialSide)
{
    const auto& c = GetParam();
    DividedParse run(stationLines(stationWith(c.book, c.a, c.b)));
    ASSERT_TRUE(run.messenger.messages.empty());
    EXPECT_EQ(stake(run, c.book, c.column, 0), c.header);
    const LineFields& special = c.column == kLeft ? c.a : c.b;
    EXPECT_EQ(stake(run, c.book, c.column, 1), special[1]);
}

const LineFields kFill = dataLine("F");

INSTANTIATE_TEST_SUITE_P(LeftRoadway, NoteHeader,
                         testing::Values(NoteCase{Book::Left, kError, kFill, kLeft, "Error : "},
                                         NoteCase{Book::Left, kNote, kFill, kLeft, "Note : "},
                                         NoteCase{Book::Left, kFill, kError, kRight, "Error :"},
                                         NoteCase{Book::Left, kFill, kNote, kRight, "Note : "},
                                         NoteCase{Book::Left, kError, kNote, kLeft, "Error : "},
                                         NoteCase{Book::Left, kError, kNote, kRight, "Note : "},
                                         NoteCase{Book::Left, kNote, kError, kLeft, "Note : "},
                                         NoteCase{Book::Left, kNote, kError, kRight, "Error : "}));

INSTANTIATE_TEST_SUITE_P(RightRoadway, NoteHeader,
                         testing::Values(NoteCase{Book::Right, kError, kFill, kLeft, "Error: "},
                                         NoteCase{Book::Right, kNote, kFill, kLeft, "Note :"},
                                         NoteCase{Book::Right, kFill, kError, kRight, "Error: "},
                                         NoteCase{Book::Right, kFill, kNote, kRight, "Note : "},
                                         NoteCase{Book::Right, kError, kNote, kLeft, "Error : "},
                                         NoteCase{Book::Right, kError, kNote, kRight, "Note : "},
                                         NoteCase{Book::Right, kNote, kError, kLeft, "Note : "},
                                         NoteCase{Book::Right, kNote, kError, kRight, "Error : "}));

// A message text with commas gives the line more fields; a stake or median code among them
// composes nothing, and the note stays.
LineFields messageWithCode(const std::string& kind, const std::string& code)
{
    return {kind, "SEE PLAN", "1", "1", "1", "1", code, "0",     "1",
            "1",  "1",        "1", "1", "1", "1", "1",  "SSTOV", "1"};
}

INSTANTIATE_TEST_SUITE_P(
    MessageWithMoreFields, NoteHeader,
    testing::Values(NoteCase{Book::Left, messageWithCode("Note", "F"), kFill, kLeft, "Note : "},
                    NoteCase{Book::Left, kFill, messageWithCode("Error", "M"), kRight, "Error :"},
                    NoteCase{Book::Right, messageWithCode("Error", "M"), kFill, kLeft, "Error: "},
                    NoteCase{Book::Right, kFill, messageWithCode("Note", "C"), kRight, "Note : "},
                    NoteCase{Book::Left, messageWithCode("Note", "C"), messageWithCode("Note", "M"),
                             kRight, "Note : "},
                    NoteCase{Book::Right, messageWithCode("Note", "M"),
                             messageWithCode("Note", "CNBS"), kLeft, "Note : "}));

TEST(DividedNote, TextIsCutIntoFivePiecesOf25AndTheRestIsNotShown)
{
    const std::string pieces[] = {"SLOPE DOES NOT INTERCEPT ", "EXISTING GROUND WITHIN 60",
                                  " M OF HINGE POINT - CHECK", " CROSS SECTION AT THIS ST",
                                  "ATION AND EXTEND THE EXIS"};
    std::string text;
    for (const auto& piece : pieces)
        text += piece;
    text += "TING GROUND";
    DividedParse run(stationLines(stationWith(Book::Left, kFill, messageLine("Error", text))));
    for (int line = 1; line <= 5; ++line)
        EXPECT_EQ(stake(run, Book::Left, kRight, line), pieces[line - 1]) << "line " << line;
    EXPECT_EQ(stake(run, Book::Left, kRight, 6), "");
}

TEST(DividedNote, ShortTextLeavesTheLaterLinesEmpty)
{
    DividedParse run(stationLines(
        stationWith(Book::Right, messageLine("Note", "MATCH EXISTING PAVEMENT EDGE"), kFill)));
    EXPECT_EQ(stake(run, Book::Right, kLeft, 1), "MATCH EXISTING PAVEMENT E");
    EXPECT_EQ(stake(run, Book::Right, kLeft, 2), "DGE");
    for (int line = 3; line <= 6; ++line)
        EXPECT_EQ(stake(run, Book::Right, kLeft, line), "") << "line " << line;
}

// A note on one side leaves the other side's stake as usual.
TEST(DividedNote, OtherSideKeepsItsStake)
{
    DividedParse run(stationLines(stationWith(Book::Left, kFill, kNote)));
    EXPECT_EQ(stake(run, Book::Left, kLeft, 0), "F  1.350");
    EXPECT_EQ(stake(run, Book::Left, kRight, 0), "Note : ");
}

// ---------------------------------------------------------------------------------------
// Stake columns

struct StakeCase
{
    const char* name;
    Book book;
    bool lineB;
    LineFields x;
    std::array<const char*, 6> lines;
};

std::ostream& operator<<(std::ostream& out, const StakeCase& c)
{
    return out << c.name << " on the " << c.book << (c.lineB ? ", line B" : ", line A");
}

class StakeColumn : public testing::TestWithParam<StakeCase>
{};

TEST_P(StakeColumn, DescribesTheStakeFromTheRoadwayLine)
{
    const auto& c = GetParam();
    LineFields plain = dataLine("X");
    DividedParse run(
        stationLines(stationWith(c.book, c.lineB ? plain : c.x, c.lineB ? c.x : plain)));
    ASSERT_TRUE(run.messenger.messages.empty()) << run.messenger.messages.front();
    int column = c.lineB ? kRight : kLeft;
    for (int line = 0; line < 6; ++line)
        EXPECT_EQ(stake(run, c.book, column, line), c.lines[static_cast<std::size_t>(line)])
            << "line " << line;
    int other = c.lineB ? kLeft : kRight;
    for (int line = 0; line < 7; ++line)
        EXPECT_EQ(stake(run, c.book, other, line), "") << "other side, line " << line;
}

// dataLine(): offsets 3.6, ditch 1.2, cut 0.6, FBD 0.9, cut 1.5, fill 2.9, roadway line 7.2.
// Fill offset 3.6 + 1.2 + 2.9 = 7.7: line A 7.2 - 7.7 = -0.5, line B 7.2 + 7.7 = 14.9.
INSTANTIATE_TEST_SUITE_P(
    Fill, StakeColumn,
    testing::Values(StakeCase{"fill",
                              Book::Left,
                              false,
                              dataLine("F"),
                              {"F  1.350", "@   -.500", "FS = 4.00", "TO HP", "", ""}},
                    StakeCase{"fill",
                              Book::Left,
                              true,
                              dataLine("F"),
                              {"F  1.350", "@  14.900", "FS = 4.00", "TO HP", "", ""}},
                    StakeCase{"fill",
                              Book::Right,
                              false,
                              dataLine("F"),
                              {"F  1.350", "@  -.500", "FS = 4.00", "TO HP", "", ""}},
                    StakeCase{"fill",
                              Book::Right,
                              true,
                              dataLine("F"),
                              {"F  1.350", "@  14.900", "FS = 4.00", "TO HP", "", ""}},
                    StakeCase{"fill to the shoulder",
                              Book::Right,
                              true,
                              with(dataLine("F"), {{4, "999"}}),
                              {"F  1.350", "@  14.900", "FS = 4.00", "TO SHLD PT", "", ""}},
                    // 7.2 - (3.6 + 2.9)
                    StakeCase{"fill without ditch offset",
                              Book::Left,
                              false,
                              with(dataLine("F"), {{5, "999"}}),
                              {"F  1.350", "@   .700", "FS = 4.00", "TO HP", "", ""}},
                    // 7.2 + 3.6 + 1.2 + 4.4 = 16.4: three decimals, as every other value
                    StakeCase{"fill with code in blanks",
                              Book::Right,
                              true,
                              with(dataLine("F "), {{14, "4.4"}}),
                              {"F  1.350", "@  16.400", "FS = 4.00", "TO HP", "", ""}}));

// Cut: ratio 1.5 / 2 = 0.75; line 0 offset 3.6 + 1.2 + 0.6 + 0.9 + 1.5 = 7.8,
// "TBS = " offset 3.6 + 0.6 + 1.2 + 0.9 = 6.3. No backslope: 6.3 " TO " 3.6 + 1.2 + 0.6 = 5.4.
INSTANTIATE_TEST_SUITE_P(
    Cut, StakeColumn,
    testing::Values(
        StakeCase{"cut",
                  Book::Left,
                  false,
                  dataLine("C"),
                  {"C .750 @-.600", "TO ELEV 1010.950", "BS = 2.00", "TBS = .900", ".900 FBD", ""}},
        StakeCase{
            "cut",
            Book::Right,
            true,
            dataLine("C"),
            {"C .750 @15.000", "TO ELEV 1010.950", "BS = 2.00", "TBS = 13.500", ".900 FBD", ""}},
        StakeCase{"cut on a flat backslope",
                  Book::Right,
                  false,
                  with(dataLine("C"), {{10, "0"}}),
                  {"C   @-.600", "TO ELEV 1010.950", "BS = .00", "TBS = .900", ".900 FBD", ""}},
        // 7.2 + 3.6 + 0.6 + 0.9 + 1.5 = 13.8 and 7.2 + 3.6 + 0.6 + 0.9 = 12.3
        StakeCase{
            "cut without ditch offset",
            Book::Left,
            true,
            with(dataLine("C"), {{5, "999"}}),
            {"C .750 @13.800", "TO ELEV 1010.950", "BS = 2.00", "TBS = 12.300", ".900 FBD", ""}},
        StakeCase{"cut, no backslope",
                  Book::Left,
                  false,
                  dataLine("CNBS"),
                  {"C 00", "TO ELEV 1010.950", ".900 FBD", ".900 TO 1.800", "", ""}},
        StakeCase{"cut, no backslope",
                  Book::Right,
                  true,
                  dataLine("CNBS"),
                  {"C 00", "TO ELEV 1010.950", ".900 FBD", "13.500 TO 12.600", "", ""}},
        StakeCase{"cut, no backslope, without ditch offset",
                  Book::Right,
                  true,
                  with(dataLine("CNBS"), {{5, "999"}}),
                  {"C 00", "TO ELEV 1010.950", ".900 FBD", "12.300 TO 11.400", "", ""}}));

// Unknown codes, and "M" on a roadway's outer side, compose nothing.
INSTANTIATE_TEST_SUITE_P(
    NoStake, StakeColumn,
    testing::Values(
        StakeCase{"unknown code", Book::Left, false, dataLine("FILL"), {"", "", "", "", "", ""}},
        StakeCase{"median code on the outer side",
                  Book::Left,
                  false,
                  with(dataLine("M"), {{16, "SSTOV"}}),
                  {"", "", "", "", "", ""}},
        StakeCase{"median code on the outer side",
                  Book::Right,
                  true,
                  with(dataLine("M"), {{16, "SSTOGRD"}}),
                  {"", "", "", "", "", ""}}));

// ---------------------------------------------------------------------------------------
// C.L. value

struct CentreCase
{
    Book book;
    const char* aValue;
    const char* bValue;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const CentreCase& c)
{
    return out << c.book << ": " << c.aValue << " / " << c.bValue;
}

class CentreLine : public testing::TestWithParam<CentreCase>
{};

TEST_P(CentreLine, ComesFromTheRoadwaysOuterSide)
{
    const auto& c = GetParam();
    DividedParse run(stationLines(stationWith(c.book, with(dataLine("X"), {{1, c.aValue}}),
                                              with(dataLine("X"), {{1, c.bValue}}))));
    EXPECT_EQ(stake(run, c.book, kCentre, 0), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, CentreLine,
                         testing::Values(CentreCase{Book::Left, "0.35", "-0.2", "F .350"},
                                         CentreCase{Book::Left, "-0.5", "0.35", "C -.500"},
                                         CentreCase{Book::Left, "0", "0.35", ""},
                                         CentreCase{Book::Right, "-0.2", "0.35", "F .350"},
                                         CentreCase{Book::Right, "0.35", "-1.25", "C -1.250"},
                                         CentreCase{Book::Right, "0.35", "0.000", ""}));

// A station of two lines leaves its left block to the next station; a note there has no
// C.L. value, so the cell keeps the earlier value.
TEST(DividedCentreLine, TextThatIsNoNumberLeavesTheCell)
{
    DividedStation first = plainStation("10+00");
    DividedStation second = stationWith(Book::Left, kNote, dataLine("X"));
    second.station = "10+20";
    std::vector<std::string> lines = stationLines(first);
    lines.resize(2);
    for (const auto& line : stationLines(second))
        lines.push_back(line);
    DividedParse run(lines);
    EXPECT_EQ(stake(run, Book::Left, kStation, 0), "10+20");
    EXPECT_EQ(stake(run, Book::Left, kCentre, 0), "F .350");
}

// ---------------------------------------------------------------------------------------
// Median codes

struct MedianCase
{
    const char* code;
    Book book;
    std::vector<std::pair<int, std::string>> changes;
    std::array<const char*, 5> lines;
};

std::ostream& operator<<(std::ostream& out, const MedianCase& c)
{
    out << '"' << c.code << "\" on the " << c.book;
    for (const auto& [index, text] : c.changes)
        out << ", field " << index << " = " << text;
    return out;
}

// The median side's line: offset 2.4, ditch depth 0.3 @ 0.9, cut 0.6, elevation 1009.85,
// FBD 0.45, fill 0.85 @ 3.1, slope 6, roadway line 6.9, with the case's changes.
LineFields medianLine(const MedianCase& c)
{
    LineFields fields = with(dataLine("M"), {{3, "2.4"},
                                             {4, "0.3"},
                                             {5, "0.9"},
                                             {9, "1009.85"},
                                             {12, "0.45"},
                                             {13, "0.85"},
                                             {14, "3.1"},
                                             {15, "6"},
                                             {16, c.code},
                                             {17, "6.9"}});
    for (const auto& [index, text] : c.changes)
        fields.at(static_cast<std::size_t>(index)) = text;
    return fields;
}

class MedianCode : public testing::TestWithParam<MedianCase>
{};

// The median lies on the left roadway's right side (line B, column 3, offsets from 6.9
// outward: plus) and on the right roadway's left side (line A, column 1: minus).
TEST_P(MedianCode, DescribesTheMedianSide)
{
    const auto& c = GetParam();
    LineFields plain = dataLine("X");
    LineFields median = medianLine(c);
    bool left = c.book == Book::Left;
    DividedParse run(
        stationLines(stationWith(c.book, left ? plain : median, left ? median : plain)));
    ASSERT_TRUE(run.messenger.messages.empty()) << run.messenger.messages.front();
    int column = left ? kRight : kLeft;
    for (int line = 0; line < 5; ++line)
        EXPECT_EQ(stake(run, c.book, column, line), c.lines[static_cast<std::size_t>(line)])
            << "line " << line;
}

// Grading: 2.4 + 3.1 + 0.9 = 6.4 (5.5 without the ditch offset).
INSTANTIATE_TEST_SUITE_P(
    ToGrade, MedianCode,
    testing::Values(
        MedianCase{
            "SSTOGRD", Book::Left, {}, {"MED F  .850", "@  13.300", "FS = 6.00", "TO HP", ""}},
        MedianCase{"SSTOGRD", Book::Right, {}, {"MED F .850", "@ .500", "FS = 6.00", "TO HP", ""}},
        MedianCase{"SSTOGRD",
                   Book::Left,
                   {{5, "999"}},
                   {"MED F  .850", "@  12.400", "FS = 6.00", "TO HP", ""}},
        MedianCase{"BBSTOGRD",
                   Book::Left,
                   {{4, "999"}},
                   {"MED F  .850", "@  13.300", "FS = 6.00", "TO SHLD PT", ""}},
        MedianCase{"BBSTOGRD",
                   Book::Right,
                   {{5, "999"}},
                   {"MED F .850", "@ 1.400", "FS = 6.00", "TO HP", ""}}));

// V-ditch: 2.4 + 0.6 = 3, with the ditch offset of the "BB" codes 3.9.
INSTANTIATE_TEST_SUITE_P(
    ToVDitch, MedianCode,
    testing::Values(
        MedianCase{
            "SSTOV", Book::Left, {}, {"MEDIAN", "TO ELEV 1009.850", "V-DITCH @9.900", "", ""}},
        MedianCase{
            "SSTOV", Book::Right, {}, {"MEDIAN", "TO ELEV 1009.850", "V-DITCH @3.900", "", ""}},
        MedianCase{
            "BBSTOV", Book::Left, {}, {"MEDIAN", "TO ELEV 1009.850", "V-DITCH @10.800", "", ""}},
        MedianCase{
            "BBSTOV", Book::Right, {}, {"MEDIAN", "TO ELEV 1009.850", "V-DITCH @3.000", "", ""}},
        MedianCase{"BBSTOV",
                   Book::Left,
                   {{5, "999"}},
                   {"MEDIAN", "TO ELEV 1009.850", "V-DITCH @9.900", "", ""}}));

// Flat bottom: 3 " TO " 3 + 0.45, with the ditch offset of "BBSTOFBD" 3.9 and 4.35.
INSTANTIATE_TEST_SUITE_P(
    ToFlatBottom, MedianCode,
    testing::Values(MedianCase{"SSTOFBD",
                               Book::Left,
                               {},
                               {"MEDIAN", "TO ELEV 1009.850", ".450 FBD", "9.900 TO 10.350", ""}},
                    MedianCase{"SSTOFBD",
                               Book::Right,
                               {},
                               {"MEDIAN", "TO ELEV 1009.850", ".450 FBD", "3.900 TO 3.450", ""}},
                    MedianCase{"BBSTOFBD",
                               Book::Left,
                               {},
                               {"MEDIAN", "TO ELEV 1009.850", ".450 FBD", "10.800 TO 11.250", ""}},
                    MedianCase{"BBSTOFBD",
                               Book::Right,
                               {},
                               {"MEDIAN", "TO ELEV 1009.850", ".450 FBD", "3.000 TO 2.550", ""}},
                    MedianCase{"BBSTOFBD",
                               Book::Right,
                               {{5, "999"}},
                               {"MEDIAN", "TO ELEV 1009.850", ".450 FBD", "3.900 TO 3.450", ""}}));

// The code is compared as it stands: other spellings compose nothing.
INSTANTIATE_TEST_SUITE_P(Unknown, MedianCode,
                         testing::Values(MedianCase{"SSTOX", Book::Left, {}, {"", "", "", "", ""}},
                                         MedianCase{"sstov", Book::Right, {}, {"", "", "", "", ""}},
                                         MedianCase{"SSTOV ", Book::Left, {}, {"", "", "", "", ""}},
                                         MedianCase{
                                             "SSTOGRD ", Book::Right, {}, {"", "", "", "", ""}}));

// The median's line 4 is emptied even where an earlier stake had written it: a station of
// two lines left a cut stake (line 4 ".900 FBD") in the block the next station takes.
TEST(DividedMedian, EmptiesLineFourOfItsColumn)
{
    DividedStation first = stationWith(Book::Left, dataLine("X"), dataLine("C"));
    DividedStation second =
        stationWith(Book::Left, dataLine("X"), with(dataLine("M"), {{16, "SSTOV"}}));
    second.station = "10+20";
    std::vector<std::string> lines = stationLines(first);
    lines.resize(2);
    for (const auto& line : stationLines(second))
        lines.push_back(line);
    DividedParse run(lines);
    ASSERT_EQ(stake(run, Book::Left, kStation, 0), "10+20");
    EXPECT_EQ(stake(run, Book::Left, kRight, 0), "MEDIAN");
    EXPECT_EQ(stake(run, Book::Left, kRight, 4), "");
}

} // namespace
} // namespace quarrow::test
