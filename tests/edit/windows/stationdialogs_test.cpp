// Clicks go through the window system and move the focus, as the user's do.
#define QTEST_QPA_MOUSE_HANDLING

#include "desktop.h"
#include "edit/windows/form2.h"
#include "edit/windows/frmstation.h"
#include "render/windows/pageview.h"

#include <QAbstractItemView>
#include <QAction>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QTest>

namespace quarrow::test {
namespace {

class StationDialogs : public DesktopTest
{
protected:
    void trigger(const char* item) { printWindow().findChild<QAction*>(item)->trigger(); }

    // Go To with a station typed into the find dialog, which opens with the focus in its box,
    // and Enter, which finds as Find does.
    void find(const char* menuItem, const QString& text)
    {
        modals.then(QStringLiteral("frmStation"), [text](QDialog& dialog) {
            EXPECT_EQ(dialog.focusWidget(), &child(dialog, "Combo1"));
            child<QComboBox>(dialog, "Combo1").setEditText(text);
            QTest::keyClick(child<QComboBox>(dialog, "Combo1").lineEdit(), Qt::Key_Return);
            if (dialog.isVisible())
                dialog.reject();
        });
        trigger(menuItem);
    }

    // Edit Station Details with this station, side and process, acting on the editor. The
    // dialog opens on the first station, with the focus in the station box.
    void edit(const QString& station, const QString& side, const QString& process,
              std::function<void(QDialog&)> editor = {})
    {
        modals.then(QStringLiteral("Form2"), [=](QDialog& dialog) {
            auto& stations = child<QComboBox>(dialog, "Combo4");
            EXPECT_EQ(stations.currentText(), stations.itemText(0));
            EXPECT_EQ(dialog.focusWidget(), &stations);
            stations.setEditText(station);
            child<QComboBox>(dialog, "Combo2").setEditText(side);
            child<QComboBox>(dialog, "Combo3").setEditText(process);
            // Add goes on with Enter in the station box, Edit with a click on OK.
            if (process == QLatin1String("Add"))
                QTest::keyClick(stations.lineEdit(), Qt::Key_Return);
            else
                QTest::mouseClick(&child(dialog, "Command1_1"), Qt::LeftButton);
        });
        if (editor)
            modals.then(process == QLatin1String("Edit") ? "Form3" : "Form4", std::move(editor));
        trigger("mnuEdit");
    }
};

QPlainTextEdit& box(QDialog& editor, const char* name)
{
    return child<QPlainTextEdit>(editor, name);
}

// The find dialog lists every station with its page; the station of the text chosen or
// typed is found wherever it stands, on the side the command names.
TEST_F(StationDialogs, GoToShowsThePageOfTheStation)
{
    open(dir.write("sr22.txt", undividedListing(9)));
    modals.then(QStringLiteral("frmStation"), [](QDialog& dialog) {
        auto& stations = child<QComboBox>(dialog, "Combo1");
        EXPECT_EQ(stations.count(), 9);
        QFontMetrics list(stations.view()->font());
        EXPECT_EQ(list.horizontalAdvance(QStringLiteral("i")), list.horizontalAdvance("W"));
        EXPECT_EQ(stations.currentText(), QStringLiteral("              1          10+00"));
        stations.setEditText(stations.itemText(7));
        click(dialog, "Command1");
    });
    trigger("mnuGoToStation");
    EXPECT_EQ(store.CurrentPage * 10 + store.BlockIndex, 21);
    const std::tuple<const char*, const char*, const char*> rows[] = {
        {"mnuGoToStation", "1 13+00", "2"},
        {"mnuGoToStation", "3 99+00", "3Station 99+00 is not in this book."},
        {"mnuGoToStation", "1 abc",
         "3Program Error: Type mismatch occured in ConvertInDoubleStation abc is not in this "
         "book."},
        {"mnuGoToStation", "10+50", "0"},
        {"mnuGoToStation", "99+99", "1Station 99+99 is not in this book."},
    };
    for (auto [menu, text, expected] : rows) {
        printWindow().viewForward_Click();
        dialogs.messages.clear();
        find(menu, QString::fromLatin1(text));
        EXPECT_EQ(shown() + dialogs.messages.join("").toStdString(), expected);
    }
    open(dir.write("us97.txt", dividedListing(7)));
    find("mnuStationRight", QStringLiteral("3 13+00"));
    EXPECT_EQ(shown(), "right2");
    find("mnuStationLeft", QStringLiteral("2 11+50"));
    EXPECT_EQ(shown(), "left1");
}

// The stake editor corrects a block, the hub editor enters values under the station; both
// turn the display to the station's page and redraw it. Lists keep the stations as built.
// Corrections are offered for saving before the next book and before the program ends.
TEST_F(StationDialogs, EditorsCorrectTheBlockOfTheStation)
{
    open(dir.write("sr22.txt", undividedListing(12)));
    QImage before = printWindow().view().image();
    edit(QStringLiteral("14+50"), QStringLiteral("left"), QStringLiteral("Edit"), [](QDialog& e) {
        EXPECT_EQ(e.windowTitle(), QStringLiteral("Details of Station: 14+50"));
        EXPECT_EQ(box(e, "Text1").toPlainText(),
                  QStringLiteral("14+50\nPGL = 1020.50\n1019.25  1019.25\n@12.00 @12.00\n"
                                 "1017.75  1017.75\n@16.00  @16.00\n"));
        QTest::keyClick(&box(e, "Text3"), Qt::Key_Return);
        EXPECT_EQ(box(e, "Text3").toPlainText(), QStringLiteral("F 2.50"));
        box(e, "Text2").setFocus();
        QTest::keyClick(&box(e, "Text2"), Qt::Key_Tab);
        EXPECT_EQ(e.focusWidget(), &box(e, "Text3")) << "Tab goes to the next box";
        EXPECT_FALSE(box(e, "Text2").toPlainText().contains(QLatin1Char('\t')));
        box(e, "Text1").setPlainText(QStringLiteral(" 14+55 "));
        box(e, "Text2").setPlainText(QStringLiteral("F  9.99 \n @  31.00\n3\n4\n5\n6\n\n \n"));
        click(e, "Command1_0");
    });
    const BookPage& page = store.UndividedPages.read(3);
    EXPECT_EQ(store.CurrentPage * 10 + store.BlockIndex, 32);
    EXPECT_EQ(page.StakeCells.at(2, 0, 0) + page.StakeCells.at(2, 1, 0) +
                  page.StakeCells.at(2, 1, 5) + page.StakeCells.at(2, 1, 6),
              "14+55F  9.996");
    EXPECT_EQ(page.StakeCells.at(2, 1, 1), "@  31.00");
    EXPECT_NE(printWindow().view().image(), before);
    EXPECT_EQ(store.StationItems[9], "14+50");
    edit(QStringLiteral("15+00"), QStringLiteral("left"), QStringLiteral("Add"), [](QDialog& e) {
        EXPECT_EQ(box(e, "Text1").toPlainText(), QStringLiteral("15+00"));
        EXPECT_TRUE(box(e, "Text1").isReadOnly());
        box(e, "Text2").setPlainText(QStringLiteral("1.25\n2.50"));
        box(e, "Text6").setPlainText(QStringLiteral(" RT 3 "));
        click(e, "Command1_0");
    });
    EXPECT_EQ(page.HubCells.at(1, 1, 0) + page.HubCells.at(1, 1, 1) + page.HubCells.at(1, 5, 0),
              "1.252.50RT 3");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    dialogs.answers = {false, false, false, false};
    preview();
    form1().cmdClose_Click();
    EXPECT_EQ(dialogs.questions.filter(QStringLiteral("Saving Report File: ")).size(), 4);
}

// Nothing changes when the editor is cancelled, a text could not be kept in the report file
// or drawn where the page shows it, the station would be no station number, or the station
// is not in the book.
TEST_F(StationDialogs, EditsThatCannotBeKeptChangeNothing)
{
    open(dir.write("sr22.txt", undividedListing(6)));
    BookPage before = store.UndividedPages.read(0);
    edit(QStringLiteral("10+00"), QStringLiteral("left"), QStringLiteral("Edit"), [](QDialog& e) {
        const std::pair<const char*, const char*> refused[] = {
            {"Text4", "C 1,5"},
            {"Text1", "1000"},
            {"Text1", ""},
            {"Text1", "\n10+00"},
            {"Text1", "AB+CD"},
            {"Text1", "10+"},
            {"Text2", "1\n2\n3\n4\n5\n6\n 7"},
            {"Text3", "C 123.456"},
            {"Text4", "RETAINING WALL RT - STAKE BY"},
        };
        for (auto [name, text] : refused) {
            QString kept = box(e, name).toPlainText();
            box(e, name).setPlainText(QString::fromLatin1(text));
            click(e, "Command1_0");
            box(e, name).setPlainText(kept);
        }
        EXPECT_TRUE(e.isVisible());
        click(e, "Command1_1");
    });
    edit(QStringLiteral("50+00"), QStringLiteral("left"), QStringLiteral("Edit"));
    edit(QStringLiteral("abc"), QStringLiteral("left"), QStringLiteral("Edit"));
    EXPECT_EQ(store.UndividedPages.read(0), before);
    ASSERT_EQ(dialogs.messages.size(), 12);
    EXPECT_EQ(dialogs.messages.mid(1, 5), QStringList(5, dialogs.messages[1]));
    EXPECT_EQ(dialogs.messages.mid(6),
              QStringList({"\"7\" stands on line 7 of its box, but the page shows 6 lines of it. "
                           "Please correct.",
                           "\"C 123.456\" is wider than its cell, which holds 8 characters. "
                           "Please correct.",
                           "\"RETAINING WALL RT - STAKE BY\" is wider than its cell, which holds "
                           "26 characters. Please correct.",
                           "Station 50+00 is not in this book.",
                           "Program Error: Type mismatch occured in ConvertInDouble",
                           "Station abc is not in this book."}));
    EXPECT_EQ(store.ReportState, kReportNotSaved);
}

// Corrections to either book of a divided roadway are offered for saving, even after Save
// Report, and come back when the saved report is opened.
TEST_F(StationDialogs, CorrectionsSurviveSavingAndReopening)
{
    open(dir.write("us97.txt", dividedListing(4)));
    edit(QStringLiteral("10+50"), QStringLiteral("right"), QStringLiteral("Edit"), [](QDialog& e) {
        EXPECT_TRUE(box(e, "Text1").toPlainText().endsWith(QStringLiteral("@2.400  @12.000\n")));
        click(e, "Command1_0");
    });
    EXPECT_EQ(store.RightPages.read(0).StakeCells.at(1, 0, 6), "@2.400  @12.000")
        << "line 6 of a divided book's station, which the page draws, is shown and kept";
    printWindow().viewBackward_Click();
    edit(QStringLiteral("99+00"), QStringLiteral("right"), QStringLiteral("Edit"));
    EXPECT_EQ(shown(), "left1");
    std::string saved = dir.file("us97-corrected.stk");
    dialogs.saveAnswers = {QString::fromStdString(saved)};
    printWindow().mnuSaveRpt_Click();
    edit(QStringLiteral("11+50"), QStringLiteral("right"), QStringLiteral("Add"), [](QDialog& e) {
        box(e, "Text2").setPlainText(QStringLiteral("HUB 1"));
        click(e, "Command1_0");
    });
    EXPECT_EQ(store.CurrentSide, "right");
    edit(QStringLiteral("10+00"), QStringLiteral("left"), QStringLiteral("Edit"), [](QDialog& e) {
        box(e, "Text3").setPlainText(QStringLiteral("C 9.999"));
        click(e, "Command1_0");
    });
    EXPECT_EQ(store.ReportState, kReportNotSaved);
    dialogs.answers = {true, true};
    dialogs.saveAnswers = {QString::fromStdString(saved)};
    dialogs.openAnswers = {QString::fromStdString(saved)};
    form1().cmdBrowse_Click();
    preview();
    EXPECT_EQ(store.RightPages.read(1).HubCells.at(2, 1, 0), "HUB 1");
    EXPECT_EQ(store.LeftPages.read(0).StakeCells.at(2, 2, 0), "C 9.999");
    EXPECT_EQ(store.RightPages.read(0).StakeCells.at(2, 2, 0), "F .500");
}

} // namespace
} // namespace quarrow::test
