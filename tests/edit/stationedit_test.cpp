#include "edit/stationedit.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quarrow {
namespace {

using testing::ElementsAre;
using testing::Optional;

class StationEdit : public testing::Test
{
protected:
    StationEdit()
    {
        store.RoadwayType = "Undivided";
        store.CurrentPage = 3;
        store.BlockIndex = 1;
        store.EditStation = "10+50";
        BookPage& page = store.UndividedPages.write(3);
        for (int line = 0; line < 7; ++line) {
            page.StakeCells.set(1, 0, line, "s" + std::to_string(line));
            page.StakeCells.set(1, 1, line, "l" + std::to_string(line));
            page.StakeCells.set(1, 2, line, "c" + std::to_string(line));
            page.StakeCells.set(1, 3, line, " r" + std::to_string(line) + " ");
            page.HubCells.set(1, 0, line, "h" + std::to_string(line));
        }
        page.StakeCells.set(1, 0, 0, "10+50");
        page.HubCells.set(1, 0, 0, "10+50");
        page.HubCells.set(1, 2, 0, "C 1.2");
    }

    std::vector<std::string> column(int column, bool hub = false) const
    {
        std::vector<std::string> lines;
        const BookPage& page = store.UndividedPages.read(3);
        for (int line = 0; line < 7; ++line)
            lines.push_back(hub ? page.HubCells.at(1, column, line)
                                : page.StakeCells.at(1, column, line));
        return lines;
    }

    ReportStore store;
};

TEST_F(StationEdit, TheStakeEditorShowsSixLinesPerBoxAndOneForTheCentreLine)
{
    auto boxes = FillStationEditForm(store, EditTable::Stake, 3);
    EXPECT_THAT(boxes, ElementsAre("10+50\r\ns1\r\ns2\r\ns3\r\ns4\r\ns5\r\n",
                                   "l0\r\nl1\r\nl2\r\nl3\r\nl4\r\nl5\r\n", "c0",
                                   " r0 \r\n r1 \r\n r2 \r\n r3 \r\n r4 \r\n r5 \r\n"));
}

TEST_F(StationEdit, TheHubEditorShowsTheStationAndTheFiveHubColumns)
{
    auto boxes = FillStationEditForm(store, EditTable::Hub, 3);
    ASSERT_EQ(boxes.size(), 6u);
    EXPECT_EQ(boxes[0], "10+50");
    EXPECT_EQ(boxes[2], "C 1.2\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(boxes[5], "\r\n\r\n\r\n\r\n\r\n\r\n");
}

TEST_F(StationEdit, UpdatingUnchangedBoxesTrimsAndEmptiesTheHiddenLines)
{
    applyStationEdit(store, EditTable::Stake, FillStationEditForm(store, EditTable::Stake, 3));
    EXPECT_THAT(column(0), ElementsAre("10+50", "s1", "s2", "s3", "s4", "s5", ""));
    EXPECT_THAT(column(2), ElementsAre("c0", "", "", "", "", "", ""));
    EXPECT_THAT(column(3), ElementsAre("r0", "r1", "r2", "r3", "r4", "r5", ""));
    EXPECT_EQ(store.ReportState, 2);
}

TEST_F(StationEdit, TheHubStationCellIsKept)
{
    auto boxes = FillStationEditForm(store, EditTable::Hub, 3);
    boxes[0] = "changed";
    boxes[1] = "3.5\r\n 4.5 ";
    applyStationEdit(store, EditTable::Hub, boxes);
    EXPECT_THAT(column(0, true), ElementsAre("10+50", "", "", "", "", "", ""));
    EXPECT_THAT(column(1, true), ElementsAre("3.5", "4.5", "", "", "", "", ""));
    EXPECT_EQ(store.UndividedPages.read(3).StakeCells.at(1, 0, 0), "10+50");
}

TEST_F(StationEdit, ANewStationTextChangesOnlyTheStakeCell)
{
    auto boxes = FillStationEditForm(store, EditTable::Stake, 3);
    boxes[0] = "10+55\r\ns1";
    applyStationEdit(store, EditTable::Stake, boxes);
    EXPECT_EQ(store.UndividedPages.read(3).StakeCells.at(1, 0, 0), "10+55");
    EXPECT_EQ(store.UndividedPages.read(3).HubCells.at(1, 0, 0), "10+50");
}

TEST_F(StationEdit, EditsGoToTheSideShown)
{
    store.RoadwayType = "Divided";
    store.CurrentSide = "right";
    store.RightPages.write(3).StakeCells.set(1, 1, 0, "right value");
    EXPECT_EQ(FillStationEditForm(store, EditTable::Stake, 3)[1],
              "right value\r\n\r\n\r\n\r\n\r\n\r\n");
    applyStationEdit(store, EditTable::Stake, {"10+50", "corrected", "", ""});
    EXPECT_EQ(store.RightPages.read(3).StakeCells.at(1, 1, 0), "corrected");
    EXPECT_EQ(store.LeftPages.read(3).StakeCells.at(1, 1, 0), "");
}

struct BoxCase
{
    const char* text;
    std::array<std::string, 7> lines;
};

class BoxLines : public testing::TestWithParam<BoxCase>
{};

TEST_P(BoxLines, CutAtCrLfAndKeepSeven)
{
    EXPECT_EQ(readBoxLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Texts, BoxLines,
                         testing::Values(BoxCase{"", {}}, BoxCase{"   ", {}},
                                         BoxCase{" one ", {"one"}}, BoxCase{"a\r\nb", {"a", "b"}},
                                         BoxCase{"a\r\n\r\nc\r\n", {"a", "", "c", ""}},
                                         BoxCase{"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9",
                                                 {"1", "2", "3", "4", "5", "6", "7"}},
                                         BoxCase{"a\nb", {"a\nb"}}));

TEST(RefuseEdit, KeepsOutWhatTheReportFileCouldNotKeep)
{
    EXPECT_EQ(refuseEdit(EditTable::Stake, {"10+00\r\nPGL = 1.00", "C 1.00", "", ""}),
              std::nullopt);
    EXPECT_EQ(refuseEdit(EditTable::Stake, {"", "", "", ""}), std::nullopt);
    EXPECT_THAT(refuseEdit(EditTable::Stake, {"10+00", "C 1,00", "", ""}),
                Optional(testing::HasSubstr("comma")));
    EXPECT_THAT(refuseEdit(EditTable::Hub, {"10+00", "", "", "", "", "1,5"}),
                Optional(testing::HasSubstr("comma")));
    EXPECT_THAT(refuseEdit(EditTable::Stake, {" 1000 \r\nPGL", "", "", ""}),
                Optional(testing::HasSubstr("\"+\"")));
    EXPECT_THAT(refuseEdit(EditTable::Stake, {"10+00", "", "C 1\r\n2", ""}),
                Optional(testing::HasSubstr("line break")));
    EXPECT_THAT(refuseEdit(EditTable::Hub, {"10+00", "1\r2", "", "", "", ""}),
                Optional(testing::HasSubstr("line break")));
    EXPECT_EQ(refuseEdit(EditTable::Hub, {"10+00", "1\r\n2\r\n", "", "", "", ""}), std::nullopt);
    EXPECT_EQ(refuseEdit(EditTable::Hub, {"1000", "", "", "", "", ""}), std::nullopt);
}

} // namespace
} // namespace quarrow
