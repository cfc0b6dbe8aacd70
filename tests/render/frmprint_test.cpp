#include "desktopfixture.h"
#include "render/frmprint.h"
#include "render/pageview.h"
#include "store/reportfile.h"

#include <filesystem>
#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quarrow::test {
namespace {

class DisplayWindow : public DesktopTest
{
protected:
    QAction* item(const char* name)
    {
        auto* action = printWindow().findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(action, nullptr) << name;
        return action;
    }

    // The side and page shown after each of `steps` presses of a paging command.
    QStringList page(const std::function<void()>& command, int steps)
    {
        QStringList pages;
        for (int i = 0; i < steps; ++i) {
            command();
            pages << QString::fromStdString(store.CurrentSide) + QString::number(store.CurrentPage);
        }
        return pages;
    }
};

TEST_F(DisplayWindow, HasTheMenusOfTheBookShown)
{
    open(listing("sr22.txt", undividedListing(2)));
    QStringList bar;
    for (QAction* action : printWindow().menuBar()->actions())
        bar << action->text();
    EXPECT_EQ(bar, QStringList({"&>>", "<&<", "Edit", "&Go To", "&Print", "Save Report", "&End"}));
    EXPECT_EQ(printWindow().windowTitle(), QStringLiteral("Display Report"));
    EXPECT_EQ(item("viewprint")->text(), QStringLiteral("PrintAll"));
    EXPECT_EQ(item("PrnSelPages")->text(), QStringLiteral("Print Selected Pages"));
    EXPECT_TRUE(item("mnuGoToStation")->isVisible());
    EXPECT_FALSE(item("mnuStationLeft")->isVisible());
    EXPECT_FALSE(item("mnuStationRight")->isVisible());
}

TEST_F(DisplayWindow, ADividedBookOffersTheSearchOfEachSide)
{
    open(listing("us97.txt", dividedListing(2)));
    EXPECT_FALSE(item("mnuGoToStation")->isVisible());
    EXPECT_EQ(item("mnuStationLeft")->text(), QStringLiteral("GoTo StationLeft"));
    EXPECT_TRUE(item("mnuStationLeft")->isVisible());
    EXPECT_TRUE(item("mnuStationRight")->isVisible());
}

TEST_F(DisplayWindow, TakesTheSizeOfThePrintableAreaAndFitsThePage)
{
    open(listing("sr22.txt", undividedListing(2)));
    EXPECT_DOUBLE_EQ(store.PrintWidthChars, 96.0);
    EXPECT_DOUBLE_EQ(store.PrintHeightLines, 63.0);
    frmPrint& window = printWindow();
    struct Case
    {
        QSize size;
        float scale;
    };
    for (const Case& c :
         {Case{{768, 1008}, 15120.0f / 15420.0f}, Case{{384, 1008}, 5760.0f / 11820.0f},
          Case{{768, 504}, 7560.0f / 15420.0f}}) {
        window.resize(c.size);
        QApplication::processEvents();
        QSize outer = window.frameGeometry().size();
        float width = static_cast<float>(outer.width() * 15);
        float height = static_cast<float>(outer.height() * 15);
        float expected =
            height / 15120.0f > width / 11520.0f ? width / 11820.0f : height / 15420.0f;
        EXPECT_FLOAT_EQ(static_cast<float>(store.DrawScale), expected) << c.size.width();
    }
}

TEST_F(DisplayWindow, DrawsThePageAndKeepsIt)
{
    open(listing("sr22.txt", undividedListing(2)));
    const QImage& image = printWindow().view().image();
    ASSERT_FALSE(image.isNull());
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    EXPECT_GT(dark, 2000) << "the frame, rules and texts are drawn";
    QImage before = image;
    store.CurrentPage = 1; // as printing leaves it: the window is not drawn anew
    printWindow().view().update();
    QApplication::processEvents();
    EXPECT_EQ(printWindow().view().image(), before);
}

TEST_F(DisplayWindow, PagesThroughAnUndividedBook)
{
    open(listing("sr22.txt", undividedListing(7)));
    ASSERT_EQ(store.LastPage, 2);
    frmPrint& window = printWindow();
    EXPECT_EQ(page([&] { window.viewForward_Click(); }, 3), QStringList({"1", "2", "2"}));
    EXPECT_EQ(page([&] { window.viewBackward_Click(); }, 3), QStringList({"1", "0", "0"}));
    EXPECT_EQ(dialogs.messages,
              QStringList({" Last Page can't move forward", " First Page can't move backward"}));
}

TEST_F(DisplayWindow, PagesFromTheLeftBookIntoTheRightBook)
{
    open(listing("us97.txt", dividedListing(4)));
    ASSERT_EQ(store.LastLeftPage, 1);
    frmPrint& window = printWindow();
    EXPECT_EQ(page([&] { window.viewForward_Click(); }, 4),
              QStringList({"left1", "right0", "right1", "right1"}));
    EXPECT_EQ(page([&] { window.viewBackward_Click(); }, 4),
              QStringList({"right0", "left1", "left0", "left0"}));
    EXPECT_EQ(dialogs.messages,
              QStringList({" Last Page can't move forward", " First Page can't move backward"}));
}

TEST_F(DisplayWindow, PageKeysPageToo)
{
    open(listing("sr22.txt", undividedListing(4)));
    EXPECT_EQ(item("viewForward")->shortcut(), QKeySequence(Qt::Key_PageDown));
    EXPECT_EQ(item("viewBackward")->shortcut(), QKeySequence(Qt::Key_PageUp));
    item("viewForward")->trigger();
    EXPECT_EQ(store.CurrentPage, 1);
    item("viewBackward")->trigger();
    EXPECT_EQ(store.CurrentPage, 0);
}

TEST_F(DisplayWindow, SaveReportWritesTheBookAndMarksItSaved)
{
    open(listing("sr22.txt", undividedListing(4)));
    std::string existing = dir.write("book.stk", "old");
    dialogs.saveAnswers = {QString::fromStdString(existing), QStringLiteral("  "),
                           QString::fromStdString(existing)};
    dialogs.answers = {false, true};
    printWindow().mnuSaveRpt_Click();
    EXPECT_EQ(store.ReportState, 1);
    EXPECT_EQ(store.ReportFileName, existing);
    ReportStore again;
    again.InputFileName = existing;
    RecordingMessenger messenger;
    ASSERT_TRUE(ReadReportFile(again, messenger));
    EXPECT_EQ(again.StationItems, store.StationItems);
}

TEST_F(DisplayWindow, CancelledSaveChangesNothing)
{
    open(listing("sr22.txt", undividedListing(1)));
    dialogs.saveAnswers.push_back(std::nullopt);
    printWindow().mnuSaveRpt_Click();
    EXPECT_EQ(store.ReportState, 2);
    EXPECT_EQ(store.ReportFileName, dir.file("sr22.stk"));
}

TEST_F(DisplayWindow, AFailedSaveIsNotTakenForSaved)
{
    open(listing("sr22.txt", undividedListing(1)));
    dialogs.saveAnswers.push_back(QString::fromStdString(dir.file("missing/book.stk")));
    printWindow().mnuSaveRpt_Click();
    EXPECT_EQ(store.ReportState, 2);
    EXPECT_EQ(dialogs.messages,
              QStringList({" Program Error : Path not found occured in WriteItTothePage"}));
}

TEST_F(DisplayWindow, EndUnloadsTheWindowAndKeepsTheBook)
{
    open(listing("sr22.txt", undividedListing(4)));
    printWindow().viewEnd_Click();
    EXPECT_FALSE(program.isPrintWindowLoaded());
    EXPECT_EQ(store.LastPage, 1);
    QApplication::processEvents();
}

} // namespace
} // namespace quarrow::test
