#include "about/version.h"
#include "desktop.h"
#include "render/windows/form6.h"
#include "windowkit/qtdialogs.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <filesystem>

namespace quarrow::test {
namespace {

// The files of these flows lie in a folder whose name holds letters beyond ASCII.
class MainWindow : public DesktopTest
{
protected:
    std::string file(const std::string& name) { return dir.file("données/Łódź/" + name); }
    std::string listing(const std::string& name, const std::string& text)
    {
        return dir.write("données/Łódź/" + name, text);
    }
};

// Numbers are taken as typed, as far as the page header shows them, when their box is left;
// Enter moves on without opening anything.
TEST_F(MainWindow, EnterMovesFromBoxToBoxAndTheNumbersAreTakenAsTyped)
{
    form1().show();
    QApplication::setActiveWindow(&form1());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1()));
    auto& project = child<QLineEdit>(form1(), "txtProjectNumber");
    project.setFocus();
    QTest::keyClicks(&project, QStringLiteral(" 104 A ") + QString(124, QLatin1Char('9')));
    QTest::keyClick(&project, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("txtControlNumber"));
    QTest::keyClicks(QApplication::focusWidget(),
                     QStringLiteral("   ") + QString(70, QLatin1Char('7')));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdBrowse"));
    EXPECT_EQ(store.ProjectNumber, " 104 A " + std::string(34, '9')) << "as wide as the header";
    EXPECT_EQ(store.ControlNumber, "   " + std::string(34, '7'));
    EXPECT_TRUE(dialogs.fileDialogs.isEmpty());
}

// Whatever Preview refuses, it says why, and the book shown before is gone: its window is
// closed and Close no longer offers to save it.
TEST_F(MainWindow, PreviewRefusesWhatItCannotBuildAndForgetsTheBookShown)
{
    struct Refusal
    {
        const char* project;
        const char* control;
        std::optional<std::string> file; // nothing: the open-file dialog is cancelled
        const char* message;
    };
    std::string good = listing("sr22.txt", undividedListing(4));
    const Refusal rows[] = {
        {"104", "2207", std::nullopt, "Please Select RAW data file"},
        {"", "2207", good, "Please Enter Project Number"},
        {"104", "", good, "Please Enter Control Number"},
        {"104", "2207", listing("odd.txt", "DIVIDEDX,IMPERIAL\r\n"),
         "Invalid File Type check file format"},
        {"104", "2207", listing("cut.stk", "\r\n ROADWAY:SR22 Page No: 1\r\n1+00,,,\r\n"),
         " Program Error: Input past end of file Error occured while reading *.stk file"},
        {"104", "2207", listing("road.dat", "UNDIVIDED\r\n"), "Please Select RAW data file"},
    };
    for (const Refusal& row : rows) {
        SCOPED_TRACE(row.message);
        if (row.file)
            open(good);
        type("txtProjectNumber", QString::fromLatin1(row.project));
        type("txtControlNumber", QString::fromLatin1(row.control));
        if (row.file && *row.project && *row.control) {
            browse(*row.file);
        } else if (!row.file) {
            dialogs.openAnswers.push_back(std::nullopt);
            form1().cmdBrowse_Click();
        }
        dialogs.messages.clear();
        form1().cmdPreview_Click();
        EXPECT_EQ(dialogs.messages, QStringList({row.message}));
        EXPECT_EQ(store.ReportState, kNoReport);
        EXPECT_FALSE(program.isPrintWindowLoaded());
        QApplication::processEvents();
    }
    dialogs.questions.clear();
    form1().cmdClose_Click();
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

// Listings and report files, chosen through the program's file dialog in folders of any
// name, open on the first page of the (left) book, whatever page the book before showed; a
// name is routed by its extension, not by a ".stk" elsewhere in its path. The dialog opens
// with the filter chosen last.
TEST_F(MainWindow, PreviewShowsTheFirstPageOfListingsAndReportFiles)
{
#ifndef _WIN32 // Windows has a file dialog of its own.
    dialogs.realOpenDialog = true;
#endif
    struct Opened
    {
        std::string file;
        const char* roadway;
        std::string inputAfter;
        int pageItems; // of the book alone, none of a book shown before
    };
    const Opened rows[] = {
        {listing("sr22.txt", undividedListing(4)), "Undivided", file("sr22.stk"), 2},
        {listing("us97.txt", dividedListing(4)), "Divided", file("us97.stk"), 2},
        {sampleFile("us97-divided.stk").string(), "Divided",
         sampleFile("us97-divided.stk").string(), 22},
        {listing("jobs.stk/sr22.txt", undividedListing(7)), "Undivided", file("jobs.stk/sr22.stk"),
         3},
        {listing("Дорога/sr22.txt", undividedListing(4)), "Undivided", file("Дорога/sr22.stk"), 2},
    };
    for (const Opened& row : rows) {
        SCOPED_TRACE(row.file);
        open(row.file);
        EXPECT_EQ(store.RoadwayType, row.roadway);
        EXPECT_EQ(store.InputFileName, row.inputAfter);
        EXPECT_EQ(store.ReportFileName, row.inputAfter);
        EXPECT_EQ(shown(), store.RoadwayType == "Divided" ? "left0" : "0");
        EXPECT_EQ(store.ReportState, kReportNotSaved);
        EXPECT_EQ(child<QComboBox>(program.form6(), "Combo1").count(), row.pageItems);
        ASSERT_TRUE(program.isPrintWindowLoaded());
        EXPECT_TRUE(printWindow().isVisible());
        auto& label = child<QLabel>(form1(), "lblFilename");
        EXPECT_EQ(label.toolTip().toStdString(), row.file);
        EXPECT_LT(label.geometry().right(), child(form1(), "cmdBrowse").x());
        printWindow().viewForward_Click(); // the next book still opens at its first page
    }
    EXPECT_EQ(modals.shown.filter(QStringLiteral("frmSystem")).size(), 5);
#ifndef _WIN32
    EXPECT_EQ(openFilters.join(QLatin1Char('|')).count(QStringLiteral("*.stk")), 1)
        << "the dialog opens with the filter chosen last";
#endif
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

// File Browse offers to save a book built and not saved; the answers decide where it goes.
TEST_F(MainWindow, BrowseOffersToSaveTheBookShownWhereTheUserChooses)
{
    struct Prompt
    {
        std::deque<bool> answers;
        std::deque<std::optional<QString>> saveAnswers;
        std::string savedAs; // empty: nothing written
    };
    std::string book = listing("sr22.txt", undividedListing(4));
    const Prompt rows[] = {
        {{true}, {QString::fromStdString(file("sr22.stk"))}, "sr22.stk"},
        {{false, false}, {}, ""},
        {{false, true}, {QString::fromStdString(file("other"))}, "other.stk"},
        {{true}, {std::nullopt}, ""},
    };
    open(book);
    for (const Prompt& row : rows) {
        for (const char* name : {"sr22.stk", "other.stk"})
            std::filesystem::remove(pathOf(file(name)));
        dialogs.answers = row.answers;
        dialogs.saveAnswers = row.saveAnswers;
        browse(book);
        EXPECT_TRUE(dialogs.saveAnswers.empty());
        for (const char* name : {"sr22.stk", "other.stk"})
            EXPECT_EQ(std::filesystem::exists(pathOf(file(name))), row.savedAs == name) << name;
        EXPECT_EQ(store.ReportState, kReportNotSaved);
        preview();
    }
    EXPECT_EQ(dialogs.questions.filter(QStringLiteral("Saving Report File: ")).size(), 6);
    EXPECT_EQ(dialogs.questions.mid(1, 2),
              QStringList({"Saving Report File:  Do you want to save report file ?",
                           "Saving Report File: You are going to lose all corrections to your "
                           "report. Do you want to save the file ?"}));
}

// A file named on the command line is chosen as File Browse chooses it. File Browse first
// opens in the folder of the file chosen last in an earlier run, else, none or that folder
// gone, in the user's Documents or home folder.
TEST_F(MainWindow, TheFirstFileBrowseOpensWhereTheUserWorks)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    for (const QString& kept : {QString(), QString::fromStdString(nameOf(dir.path() / "gone"))}) {
        QSettings().setValue(QStringLiteral("lastFolder"), kept);
        QString folder = Program(dialogs, platform, testDate).openDialog().folder;
        EXPECT_TRUE(QFileInfo(folder).isDir() &&
                    (folder == documents || folder == QDir::homePath()))
            << folder.toStdString();
    }
    std::string book = listing("sr22.stk", readFile(sampleFile("sr22-undivided.stk")));
    form1().chooseFile(QString::fromStdString(book));
    form1().chooseFile(QStringLiteral("none.stk"));
    EXPECT_EQ(dialogs.messages, QStringList({"none.stk\nFile not found.\nPlease verify the "
                                             "correct file name was given."}));
    EXPECT_EQ(child<QLabel>(form1(), "lblFilename").toolTip(),
              QDir::toNativeSeparators(QString::fromStdString(book)));
    Program nextRun(dialogs, platform, testDate);
    EXPECT_TRUE(QDir(nextRun.openDialog().folder) ==
                QDir(QString::fromStdString(nameOf(pathOf(book).parent_path()))));
}

TEST_F(MainWindow, AboutShowsTheProgramWithoutSystemInformationHere)
{
    modals.then(QStringLiteral("frmAbout"), [](QDialog& about) {
        EXPECT_TRUE(child<QLabel>(about, "lblDisclaimer")
                        .text()
                        .startsWith("Version " QUARROW_VERSION "."));
        auto& sysInfo = child<QPushButton>(about, "cmdSysInfo");
        EXPECT_GE(sysInfo.width(), sysInfo.sizeHint().width()) << "its caption has room";
        click(about, "cmdSysInfo");
        click(about, "cmdOK");
    });
    form1().Command1_Click();
    EXPECT_EQ(dialogs.messages, QStringList({"System Information Is Unavailable At This Time"}));
}

// The open-file dialog lists each pattern once.
TEST(QtDialogs, ShowTheirPatternsOnce)
{
    EXPECT_EQ(qtFilters(QStringLiteral("Geopak RAW Data File(*.txt)|*.txt|Report|*.stk")),
              QStringList({"Geopak RAW Data File(*.txt)", "Report (*.stk)"}));
}

} // namespace
} // namespace quarrow::test
