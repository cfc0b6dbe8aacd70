#include "desktopfixture.h"
#include "edit/stationedit.h"
#include "main/form1.h"
#include "render/frmprint.h"
#include "store/reportfile.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

namespace quarrow::test {
namespace {

class MainWindow : public DesktopTest
{};

TEST_F(MainWindow, HasItsControlsAtTheirPlaces)
{
    Form1& form = form1();
    EXPECT_EQ(form.size(), QSize(492, 219));
    struct Control
    {
        const char* name;
        const char* text;
        QRect place;
    };
    for (const Control& c : {Control{"Label1", "PRINT QUARROW BOOK", {0, 0, 489, 33}},
                             Control{"Label2", "Project Number:", {8, 48, 128, 24}},
                             Control{"Label3_0", "Control Number:", {8, 88, 128, 16}},
                             Control{"Label3_1", "FILE NAME:", {8, 136, 105, 17}},
                             Control{"cmdBrowse", "File Browse", {400, 136, 81, 25}},
                             Control{"Command1", "About", {128, 184, 80, 24}},
                             Control{"cmdPreview", "Preview", {264, 184, 81, 25}},
                             Control{"cmdClose", "Close", {400, 184, 81, 25}}}) {
        auto* widget = form.findChild<QWidget*>(QLatin1String(c.name));
        ASSERT_NE(widget, nullptr) << c.name;
        EXPECT_EQ(widget->geometry(), c.place) << c.name;
        QString text = widget->property("text").toString();
        EXPECT_EQ(text, QLatin1String(c.text)) << c.name;
    }
    EXPECT_EQ(form.findChild<QLineEdit*>(QStringLiteral("txtProjectNumber"))->geometry(),
              QRect(200, 48, 289, 19));
}

TEST_F(MainWindow, TabVisitsTheBoxesThenTheButtonsInTheirOrder)
{
    Form1& form = form1();
    QStringList order;
    QWidget* widget = form.findChild<QWidget*>(QStringLiteral("txtProjectNumber"));
    for (int i = 0; i < 6; ++i) {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus)
            widget = widget->nextInFocusChain();
    }
    EXPECT_EQ(order, QStringList({"txtProjectNumber", "txtControlNumber", "cmdBrowse", "cmdClose",
                                  "cmdPreview", "Command1"}));
}

TEST_F(MainWindow, NumbersAreTakenAsTypedWhenTheBoxIsLeft)
{
    type("txtProjectNumber", QStringLiteral(" 104 A "));
    EXPECT_EQ(store.ProjectNumber, " 104 A ");
    EXPECT_EQ(store.ControlNumber, "");
    type("txtControlNumber", QStringLiteral("   "));
    EXPECT_EQ(store.ControlNumber, "   ");
}

TEST_F(MainWindow, EnterMovesOnWithoutOpeningTheFileDialog)
{
    Form1& form = form1();
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    auto* project = form.findChild<QLineEdit*>(QStringLiteral("txtProjectNumber"));
    auto* control = form.findChild<QLineEdit*>(QStringLiteral("txtControlNumber"));
    project->setFocus();
    QTest::keyClicks(project, QStringLiteral("104"));
    QTest::keyClick(project, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), control);
    EXPECT_EQ(store.ProjectNumber, "104");
    QTest::keyClick(control, Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdBrowse"));
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
}

TEST_F(MainWindow, BrowseAndPreviewAskForTheNumbersFirst)
{
    form1().cmdBrowse_Click();
    type("txtProjectNumber", QStringLiteral("104"));
    form1().cmdPreview_Click();
    EXPECT_EQ(dialogs.messages,
              QStringList({"Please Enter Project Number", "Please Enter Control Number"}));
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
}

TEST_F(MainWindow, BrowseOffersTheThreeKindsOfFileAndKeepsTheLastChoice)
{
    enterNumbers();
    browse("  /jobs/sr22.txt  ");
    EXPECT_EQ(form1().findChild<QLabel*>(QStringLiteral("lblFilename"))->text(),
              QStringLiteral("/jobs/sr22.txt"));
    EXPECT_EQ(store.InputFileName, "/jobs/sr22.txt");
    dialogs.openAnswers.push_back(std::nullopt);
    form1().cmdBrowse_Click();
    EXPECT_EQ(store.InputFileName, "/jobs/sr22.txt");
    EXPECT_EQ(dialogs.fileDialogs,
              QStringList({"Geopak RAW Data File(*.txt)|*.txt|Comma Seperated Values "
                           "File(*.csv)|*.csv|Quarrow Report File(*.stk)|*.stk | ",
                           "Geopak RAW Data File(*.txt)|*.txt|Comma Seperated Values "
                           "File(*.csv)|*.csv|Quarrow Report File(*.stk)|*.stk | "
                           "  /jobs/sr22.txt  "}));
}

TEST_F(MainWindow, PreviewWithoutAFileAsksForOne)
{
    enterNumbers();
    dialogs.openAnswers.push_back(std::nullopt);
    form1().cmdBrowse_Click();
    form1().cmdPreview_Click();
    EXPECT_EQ(dialogs.messages, QStringList({"Please Select RAW data file"}));
}

TEST_F(MainWindow, PreviewBuildsTheBookAndShowsPageOne)
{
    open(listing("sr22.txt", undividedListing(4)));
    EXPECT_EQ(store.ReportState, 2);
    EXPECT_EQ(store.RoadwayType, "Undivided");
    EXPECT_EQ(store.CurrentPage, 0);
    EXPECT_EQ(store.LastPage, 1);
    EXPECT_EQ(store.InputFileName, dir.file("sr22.stk"));
    EXPECT_EQ(modals.shown, QStringList({"frmSystem"}));
    ASSERT_TRUE(program.isPrintWindowLoaded());
    EXPECT_TRUE(printWindow().isVisible());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(MainWindow, PreviewOfAReportShowsItsLeftSide)
{
    open(test::sampleFile("sr22-undivided.stk"));
    EXPECT_EQ(store.ReportState, 2);
    EXPECT_EQ(store.CurrentSide, "left");
    EXPECT_EQ(store.ReportFileName, test::sampleFile("sr22-undivided.stk"));
    EXPECT_EQ(store.LastPage, 10);
}

struct RefusedCase
{
    const char* name;
    const char* file;
    std::vector<std::string> lines;
    const char* message;
};

class RefusedPreview : public DesktopTest, public testing::WithParamInterface<RefusedCase>
{};

TEST_P(RefusedPreview, ShowsTheReasonAndNoBook)
{
    enterNumbers();
    browse(listing(GetParam().file, GetParam().lines));
    form1().cmdPreview_Click();
    EXPECT_EQ(dialogs.messages, QStringList({QString::fromLatin1(GetParam().message)}));
    EXPECT_EQ(store.ReportState, 0);
    EXPECT_FALSE(program.isPrintWindowLoaded());
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedPreview,
    testing::Values(
        RefusedCase{"UnknownRoadway",
                    "a.txt",
                    {"DIVIDEDX,IMPERIAL"},
                    "Invalid File Type check file format"},
        RefusedCase{"EmptyListing",
                    "b.csv",
                    {},
                    "Program Error : Input past end of file occured in GpkQuarrow"},
        RefusedCase{"BrokenReport",
                    "c.stk",
                    {"", "nothing"},
                    " Program Error: Invalid file format Error occured while reading *.stk file"},
        RefusedCase{"OtherExtension", "d.doc", {"UNDIVIDED"}, "Please Select RAW data file"}),
    [](const testing::TestParamInfo<RefusedCase>& param) { return std::string(param.param.name); });

TEST_F(MainWindow, ARefusedPreviewClosesTheDisplayOfTheBookBefore)
{
    open(listing("sr22.txt", undividedListing(7)));
    ASSERT_TRUE(program.isPrintWindowLoaded());
    dialogs.answers = {false, false};
    browse(listing("bad.txt", {"DIVIDEDX"}));
    form1().cmdPreview_Click();
    EXPECT_FALSE(program.isPrintWindowLoaded());
    EXPECT_EQ(dialogs.messages, QStringList({"Invalid File Type check file format"}));
}

TEST_F(MainWindow, ARefusedPreviewStillForgetsTheBookShown)
{
    open(listing("sr22.txt", undividedListing(2)));
    type("txtControlNumber", QString());
    form1().cmdPreview_Click();
    EXPECT_EQ(dialogs.messages, QStringList({"Please Enter Control Number"}));
    EXPECT_EQ(store.ReportState, 0);
    dialogs.questions.clear();
    form1().cmdClose_Click();
    EXPECT_TRUE(dialogs.questions.isEmpty()) << dialogs.questions.join('\n').toStdString();
}

TEST_F(MainWindow, AListingInAFolderNamedLikeAReportIsAListing)
{
    std::filesystem::create_directory(dir.path() / "old.stk");
    open(listing("old.stk/sr22.txt", undividedListing(1)));
    EXPECT_EQ(store.RoadwayType, "Undivided");
    EXPECT_EQ(store.ReportState, 2);
}

class SavePrompt : public DesktopTest
{
protected:
    void SetUp() override
    {
        open(listing("sr22.txt", undividedListing(2)));
        dialogs.questions.clear();
        dialogs.fileDialogs.clear();
    }
    const QString kFirst = QStringLiteral("Saving Report File:  Do you want to save report file ?");
    const QString kSecond = QStringLiteral(
        "Saving Report File: You are going to lose all corrections to your report. Do you want "
        "to save the file ?");
};

TEST_F(SavePrompt, YesSavesWhereTheUserChooses)
{
    dialogs.answers = {true};
    dialogs.saveAnswers.push_back(QString::fromStdString(dir.file("chosen")));
    dialogs.openAnswers.push_back(std::nullopt);
    form1().cmdBrowse_Click();
    EXPECT_EQ(dialogs.questions, QStringList({kFirst}));
    EXPECT_EQ(dialogs.fileDialogs.first(), QStringLiteral("Quarrow ReportFile(*.stk)|*.stk | ") +
                                               QString::fromStdString(dir.file("sr22.stk")));
    EXPECT_TRUE(std::filesystem::exists(dir.file("chosen.stk")));
    EXPECT_EQ(store.ReportFileName, dir.file("chosen.stk"));
    EXPECT_EQ(store.ReportState, 2) << "the prompt never changes the state";
}

TEST_F(SavePrompt, NoTwiceSavesNothing)
{
    dialogs.answers = {false, false};
    dialogs.openAnswers.push_back(std::nullopt);
    form1().cmdBrowse_Click();
    EXPECT_EQ(dialogs.questions, QStringList({kFirst, kSecond}));
    EXPECT_FALSE(std::filesystem::exists(dir.file("sr22.stk")));
    EXPECT_EQ(store.ReportState, 2);
}

TEST_F(SavePrompt, NoThenYesSaves)
{
    dialogs.answers = {false, true};
    dialogs.saveAnswers.push_back(QString::fromStdString(dir.file("sr22.stk")));
    dialogs.openAnswers.push_back(std::nullopt);
    form1().cmdBrowse_Click();
    EXPECT_TRUE(std::filesystem::exists(dir.file("sr22.stk")));
}

TEST_F(SavePrompt, AnExistingFileIsOverwrittenOnlyWhenTheUserAgrees)
{
    std::string existing = dir.write("old.stk", "keep");
    dialogs.answers = {true, false, true};
    dialogs.saveAnswers = {QString::fromStdString(existing), QString::fromStdString(existing)};
    form1().cmdClose_Click();
    EXPECT_EQ(
        dialogs.questions,
        QStringList({kFirst,
                     QStringLiteral("Overwrite report file: Do you want to overwrite file: ") +
                         QString::fromStdString(existing),
                     QStringLiteral("Overwrite report file: Do you want to overwrite file: ") +
                         QString::fromStdString(existing)}));
    // After No the dialog offers the report file's name again.
    EXPECT_EQ(dialogs.fileDialogs[1], QStringLiteral("Quarrow ReportFile(*.stk)|*.stk | ") +
                                          QString::fromStdString(dir.file("sr22.stk")));
    EXPECT_NE(readFile(existing), "keep");
}

TEST_F(SavePrompt, CancelInTheSaveDialogWritesNothing)
{
    dialogs.answers = {true};
    dialogs.saveAnswers.push_back(std::nullopt);
    form1().cmdClose_Click();
    EXPECT_FALSE(std::filesystem::exists(dir.file("sr22.stk")));
}

TEST_F(SavePrompt, PreviewOffersToSaveCorrectionsOnly)
{
    preview();
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "a book without corrections loses nothing";
    applyStationEdit(store, EditTable::Hub, {"10+00", "HUB 1", "", "", "", ""});
    dialogs.answers = {false, false};
    preview();
    EXPECT_EQ(dialogs.questions, QStringList({kFirst, kSecond}));
    // File Browse asks again; once the user has let the corrections go, Preview does not.
    dialogs.answers = {false, false};
    dialogs.openAnswers.push_back(std::nullopt);
    form1().cmdBrowse_Click();
    preview();
    EXPECT_EQ(dialogs.questions.size(), 4);
}

TEST_F(SavePrompt, NoPromptAfterSaveReport)
{
    dialogs.saveAnswers.push_back(QString::fromStdString(dir.file("saved.stk")));
    printWindow().mnuSaveRpt_Click();
    EXPECT_EQ(store.ReportState, 1);
    form1().cmdClose_Click();
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(MainWindow, ClosingByTheFrameIsClose)
{
    open(listing("sr22.txt", undividedListing(1)));
    dialogs.answers = {false, false};
    form1().show();
    form1().close();
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_FALSE(form1().isVisible());
}

} // namespace
} // namespace quarrow::test
