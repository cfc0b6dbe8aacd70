#include "desktopfixture.h"
#include "edit/form2.h"
#include "edit/frmstation.h"
#include "render/frmprint.h"
#include "store/reportfile.h"

#include <QAction>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>

namespace quarrow::test {
namespace {

QComboBox* combo(QDialog& dialog, const char* name)
{
    auto* box = dialog.findChild<QComboBox*>(QLatin1String(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
}

QPlainTextEdit* box(QDialog& dialog, const char* name)
{
    auto* text = dialog.findChild<QPlainTextEdit*>(QLatin1String(name));
    EXPECT_NE(text, nullptr) << name;
    return text;
}

class FindStation : public DesktopTest
{
protected:
    void find(const QString& text)
    {
        modals.then(QStringLiteral("frmStation"), [text](QDialog& dialog) {
            combo(dialog, "Combo1")->setEditText(text);
            click(dialog, "Command1");
            if (dialog.isVisible())
                dialog.reject();
        });
    }
};

TEST_F(FindStation, ShowsThePageOfTheStationChosen)
{
    open(listing("sr22.txt", undividedListing(9)));
    modals.then(QStringLiteral("frmStation"), [](QDialog& dialog) {
        QComboBox* stations = combo(dialog, "Combo1");
        ASSERT_EQ(stations->count(), 9);
        EXPECT_EQ(stations->currentText(), QStringLiteral("              1          10+00"));
        stations->setEditText(stations->itemText(7));
        click(dialog, "Command1");
        EXPECT_FALSE(dialog.isVisible());
    });
    printWindow().findChild<QAction*>(QStringLiteral("mnuGoToStation"))->trigger();
    EXPECT_EQ(store.CurrentPage, 2);
    EXPECT_EQ(store.BlockIndex, 1);
}

TEST_F(FindStation, UsesTheStationNotThePageTyped)
{
    open(listing("sr22.txt", undividedListing(9)));
    find(QStringLiteral("1 13+00"));
    printWindow().findChild<QAction*>(QStringLiteral("mnuGoToStation"))->trigger();
    EXPECT_EQ(store.CurrentPage, 2);
}

TEST_F(FindStation, AStationNotInTheBookShowsTheFirstPage)
{
    open(listing("sr22.txt", undividedListing(9)));
    printWindow().viewForward_Click();
    find(QStringLiteral("3 99+00"));
    printWindow().findChild<QAction*>(QStringLiteral("mnuGoToStation"))->trigger();
    EXPECT_EQ(store.CurrentPage, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(FindStation, ATextWithoutABlankIsReportedAndTheDialogStays)
{
    open(listing("sr22.txt", undividedListing(3)));
    modals.then(QStringLiteral("frmStation"), [](QDialog& dialog) {
        combo(dialog, "Combo1")->setEditText(QStringLiteral("10+50"));
        click(dialog, "Command1");
        EXPECT_TRUE(dialog.isVisible());
        dialog.reject();
    });
    printWindow().findChild<QAction*>(QStringLiteral("mnuGoToStation"))->trigger();
    EXPECT_EQ(dialogs.messages,
              QStringList({" Program Error : Invalid procedure call or argument"}));
}

TEST_F(FindStation, SearchesTheSideOfTheCommand)
{
    open(listing("us97.txt", dividedListing(7)));
    find(QStringLiteral("3 13+00"));
    printWindow().findChild<QAction*>(QStringLiteral("mnuStationRight"))->trigger();
    EXPECT_EQ(store.CurrentSide, "right");
    EXPECT_EQ(store.CurrentPage, 2);
    find(QStringLiteral("2 11+50"));
    printWindow().findChild<QAction*>(QStringLiteral("mnuStationLeft"))->trigger();
    EXPECT_EQ(store.CurrentSide, "left");
    EXPECT_EQ(store.CurrentPage, 1);
}

class EditStation : public DesktopTest
{
protected:
    // Edit Station Details with this station and process, acting on the editor.
    void edit(const QString& station, const QString& process,
              const std::function<void(QDialog&)>& editor, const QString& side = {})
    {
        modals.then(QStringLiteral("Form2"), [=](QDialog& dialog) {
            combo(dialog, "Combo4")->setEditText(station);
            combo(dialog, "Combo3")->setEditText(process);
            if (!side.isEmpty())
                combo(dialog, "Combo2")->setEditText(side);
            click(dialog, "Command1_1");
        });
        if (editor)
            modals.then(process == QLatin1String("Edit") ? QStringLiteral("Form3")
                                                         : QStringLiteral("Form4"),
                        editor);
        printWindow().findChild<QAction*>(QStringLiteral("mnuEdit"))->trigger();
    }

    const BookPage& pageOf(int page) const { return store.UndividedPages.read(page); }
};

TEST_F(EditStation, CorrectsTheStakeBlockAndRedrawsItsPage)
{
    open(listing("sr22.txt", undividedListing(12)));
    QImage before = printWindow().view().image();
    edit(QStringLiteral("14+50"), QStringLiteral("Edit"), [](QDialog& editor) {
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("Details of Station: 14+50"));
        EXPECT_EQ(box(editor, "Text1")->toPlainText(),
                  QStringLiteral("14+50\nPGL = 1020.50\n1019.25  1019.25\n@12.00 @12.00\n"
                                 "1017.75  1017.75\n@16.00  @16.00\n"));
        EXPECT_EQ(box(editor, "Text3")->toPlainText(), QStringLiteral("F 2.50"));
        QTest::keyClick(box(editor, "Text3"), Qt::Key_Return);
        EXPECT_EQ(box(editor, "Text3")->toPlainText(), QStringLiteral("F 2.50"));
        box(editor, "Text2")
            ->setPlainText(QStringLiteral("F  9.99\n@  31.00\n3\n4\n5\n6\n7\n8\n9"));
        click(editor, "Command1_0");
    });
    EXPECT_EQ(store.CurrentPage, 3);
    EXPECT_EQ(store.BlockIndex, 2);
    EXPECT_EQ(pageOf(3).StakeCells.at(2, 1, 0), "F  9.99");
    EXPECT_EQ(pageOf(3).StakeCells.at(2, 1, 6), "7");
    EXPECT_EQ(store.ReportState, 2);
    EXPECT_NE(printWindow().view().image(), before);
    EXPECT_EQ(store.StationItems[9], "14+50");
}

TEST_F(EditStation, CancelLeavesTheBookAsItWas)
{
    open(listing("sr22.txt", undividedListing(6)));
    BookPage before = pageOf(1);
    edit(QStringLiteral("11+50"), QStringLiteral("Edit"), [](QDialog& editor) {
        box(editor, "Text1")->setPlainText(QStringLiteral("99+99"));
        click(editor, "Command1_1");
    });
    EXPECT_EQ(pageOf(1), before);
    EXPECT_EQ(store.CurrentPage, 1) << "the display has turned to the station's page";
}

TEST_F(EditStation, EntersHubValuesUnderTheStation)
{
    open(listing("sr22.txt", undividedListing(3)));
    edit(QStringLiteral("10+50"), QStringLiteral("Add"), [](QDialog& editor) {
        EXPECT_EQ(editor.objectName(), QStringLiteral("Form4"));
        EXPECT_EQ(box(editor, "Text1")->toPlainText(), QStringLiteral("10+50"));
        EXPECT_TRUE(box(editor, "Text1")->isReadOnly());
        box(editor, "Text2")->setPlainText(QStringLiteral("1.25\n2.50"));
        box(editor, "Text6")->setPlainText(QStringLiteral(" RT 3 "));
        click(editor, "Command1_0");
    });
    EXPECT_EQ(pageOf(0).HubCells.at(1, 1, 0), "1.25");
    EXPECT_EQ(pageOf(0).HubCells.at(1, 1, 1), "2.50");
    EXPECT_EQ(pageOf(0).HubCells.at(1, 5, 0), "RT 3");
    EXPECT_EQ(pageOf(0).HubCells.at(1, 0, 0), "10+50");
}

TEST_F(EditStation, ANewStationTextLeavesTheListsAsTheyWere)
{
    open(listing("sr22.txt", undividedListing(3)));
    edit(QStringLiteral("11+00"), QStringLiteral("Edit"), [](QDialog& editor) {
        box(editor, "Text1")->setPlainText(QStringLiteral("11+05"));
        click(editor, "Command1_0");
    });
    EXPECT_EQ(pageOf(0).StakeCells.at(0, 0, 0), "11+05");
    EXPECT_EQ(pageOf(0).StakeCells.at(0, 0, 1), "");
    EXPECT_EQ(store.StationItems.back(), "11+00");
    EXPECT_EQ(pageOf(0).LastStation, "11+00");
}

TEST_F(EditStation, AStationNotInTheBookOpensNoEditor)
{
    open(listing("sr22.txt", undividedListing(3)));
    BookPage before = pageOf(0);
    edit(QStringLiteral("50+00"), QStringLiteral("Edit"), {});
    EXPECT_EQ(dialogs.messages, QStringList({"Station 50+00 is not in this book."}));
    EXPECT_EQ(pageOf(0), before);
    EXPECT_EQ(store.ReportState, 2);
}

TEST_F(EditStation, TextsTheReportFileCannotKeepAreRefused)
{
    open(listing("sr22.txt", undividedListing(3)));
    BookPage before = pageOf(0);
    edit(QStringLiteral("10+00"), QStringLiteral("Edit"), [](QDialog& editor) {
        box(editor, "Text4")->setPlainText(QStringLiteral("C 1,5"));
        click(editor, "Command1_0");
        EXPECT_TRUE(editor.isVisible());
        box(editor, "Text4")->setPlainText(QStringLiteral("C 1.5"));
        box(editor, "Text1")->setPlainText(QStringLiteral("1000"));
        click(editor, "Command1_0");
        EXPECT_TRUE(editor.isVisible());
        click(editor, "Command1_1");
    });
    EXPECT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(pageOf(0), before);
}

TEST_F(EditStation, ADividedBookEditsTheSideChosen)
{
    open(listing("us97.txt", dividedListing(3)));
    edit(
        QStringLiteral("10+50"), QStringLiteral("Edit"),
        [](QDialog& editor) {
            box(editor, "Text2")->setPlainText(QStringLiteral("right side"));
            click(editor, "Command1_0");
        },
        QStringLiteral("right"));
    EXPECT_EQ(store.CurrentSide, "right");
    EXPECT_EQ(store.RightPages.read(0).StakeCells.at(1, 1, 0), "right side");
    EXPECT_NE(store.LeftPages.read(0).StakeCells.at(1, 1, 0), "right side");
    edit(
        QStringLiteral("10+00"), QStringLiteral("Edit"),
        [](QDialog& editor) {
            box(editor, "Text2")->setPlainText(QStringLiteral("left side"));
            click(editor, "Command1_0");
        },
        QStringLiteral("left"));
    EXPECT_EQ(store.LeftPages.read(0).StakeCells.at(2, 1, 0), "left side");
}

TEST_F(EditStation, AnEditIsOfferedForSavingEvenAfterSaveReport)
{
    open(listing("sr22.txt", undividedListing(3)));
    dialogs.saveAnswers.push_back(QString::fromStdString(dir.file("book.stk")));
    printWindow().mnuSaveRpt_Click();
    ASSERT_EQ(store.ReportState, 1);
    edit(QStringLiteral("10+00"), QStringLiteral("Add"), [](QDialog& editor) {
        box(editor, "Text4")->setPlainText(QStringLiteral("F 0.5"));
        click(editor, "Command1_0");
    });
    EXPECT_EQ(store.ReportState, 2);
    dialogs.answers = {false, false};
    form1().cmdClose_Click();
    EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST_F(EditStation, EditsSurviveSaveAndReopen)
{
    open(listing("us97.txt", dividedListing(4)));
    edit(
        QStringLiteral("11+50"), QStringLiteral("Add"),
        [](QDialog& editor) {
            box(editor, "Text2")->setPlainText(QStringLiteral("HUB 1"));
            click(editor, "Command1_0");
        },
        QStringLiteral("right"));
    edit(
        QStringLiteral("10+00"), QStringLiteral("Edit"),
        [](QDialog& editor) {
            box(editor, "Text3")->setPlainText(QStringLiteral("C 9.999"));
            click(editor, "Command1_0");
        },
        QStringLiteral("left"));
    std::string saved = dir.file("us97-corrected.stk");
    dialogs.saveAnswers.push_back(QString::fromStdString(saved));
    printWindow().mnuSaveRpt_Click();

    dialogs.openAnswers.push_back(QString::fromStdString(saved));
    form1().cmdBrowse_Click();
    preview();
    EXPECT_EQ(store.RightPages.read(1).HubCells.at(2, 1, 0), "HUB 1");
    EXPECT_EQ(store.LeftPages.read(0).StakeCells.at(2, 2, 0), "C 9.999");
}

} // namespace
} // namespace quarrow::test
