#include "listing/dividedlisting.h"

#include "listing/dividedparser.h"

#include <gtest/gtest.h>

namespace quarrow::test {

LineFields dataLine(const std::string& code)
{
    return {"1012.5",  "0.35", "1011.8", "3.6", "0.45", "1.2", code, "0",    "0.6",
            "1010.95", "2",    "1.5",    "0.9", "1.35", "2.9", "4",  "NONE", "7.2"};
}

LineFields with(LineFields fields, std::initializer_list<std::pair<int, std::string>> changes)
{
    for (const auto& [index, text] : changes)
        fields.at(static_cast<std::size_t>(index)) = text;
    return fields;
}

LineFields messageLine(const std::string& kind, const std::string& text)
{
    return {kind, text};
}

std::string listingLine(const std::string& station, const LineFields& fields,
                        const std::string& roadway)
{
    std::string line = roadway + "," + station;
    for (const auto& field : fields)
        line += "," + field;
    return line;
}

std::vector<std::string> stationLines(const DividedStation& station)
{
    return {listingLine(station.station, station.leftOuter),
            listingLine(station.station, station.leftMedian),
            listingLine(station.station, station.rightMedian),
            listingLine(station.station, station.rightOuter)};
}

DividedStation plainStation(const std::string& station)
{
    return {station, dataLine("X"), dataLine("X"), dataLine("X"), dataLine("X")};
}

std::string stationText(int index)
{
    int metres = 1000 + 20 * index;
    std::string rest = std::to_string(metres % 100);
    return std::to_string(metres / 100) + "+" + (rest.size() < 2 ? "0" : "") + rest;
}

DividedParse::DividedParse()
{
    store.InputFileName = dir.file("road.txt");
    store.WorkFile1Name = dir.file("road.tx1");
    store.WorkFile2Name = dir.file("road.tx2");
    store.NumberFormat = "##.000";
    store.NumberFormat2 = "##.00";
}

DividedParse::DividedParse(const std::vector<std::string>& stationLines) : DividedParse()
{
    parse(stationLines);
}

bool DividedParse::parse(const std::vector<std::string>& stationLines)
{
    std::vector<std::string> lines{"DIVIDED,METRIC"};
    lines.insert(lines.end(), stationLines.begin(), stationLines.end());
    return parseBytes(crlfLines(lines));
}

bool DividedParse::parseBytes(const std::string& bytes)
{
    dir.write("road.txt", bytes);
    completed = ParseDivided(store, messenger);
    return completed;
}

std::string in15(const std::string& text)
{
    return std::string(text.size() < 15 ? 15 - text.size() : 0, ' ') + text;
}

namespace {

std::string withoutOuterBlanks(const std::string& text)
{
    auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

template <int Columns>
void expectCellsReadBack(const CellTable<Columns>& written, const CellTable<Columns>& read,
                         const std::string& where)
{
    for (int block = 0; block <= 2; ++block) {
        for (int column = 0; column < Columns; ++column) {
            for (int line = 0; line < 7; ++line) {
                std::string kept = withoutOuterBlanks(written.at(block, column, line));
                if (column == 0 && line == 0 && kept.empty())
                    kept = "+";
                EXPECT_EQ(read.at(block, column, line), kept)
                    << where << ", block " << block << ", column " << column << ", line " << line;
            }
        }
    }
}

} // namespace

void expectReadBack(const PageArray& written, const PageArray& read, int lastPage)
{
    for (int index = 0; index <= lastPage; ++index) {
        const BookPage& before = written.read(index);
        const BookPage& after = read.read(index);
        std::string where = "page " + std::to_string(index + 1);
        EXPECT_EQ(after.RoadwayName, before.RoadwayName) << where;
        EXPECT_EQ(after.FirstStation, before.FirstStation) << where;
        EXPECT_EQ(after.LastStation, before.LastStation) << where;
        expectCellsReadBack(before.StakeCells, after.StakeCells, where + ", stake table");
        expectCellsReadBack(before.HubCells, after.HubCells, where + ", hub table");
    }
}

} // namespace quarrow::test
