// Printing through the tests' own print system (printsystem.sh): a CUPS scheduler whose
// printers "PDF" (US Letter, the system's default) and "PDF-A4" write each job to a PDF
// file in the folder of the scheduler's socket, named by CUPS_SERVER.

#include "cli/output/qtbookoutput.h"
#include "cli/quarrowbook.h"
#include "desktop.h"
#include "render/output/printplatform.h"

#include <QTest>

#include <cstdlib>
#include <regex>
#include <sstream>
#include <thread>

namespace quarrow::test {
namespace {

namespace fs = std::filesystem;

// A test of a table of jobs takes a row of it.
class PrintSystem : public DesktopTest, public testing::WithParamInterface<TableRow>
{
protected:
    PrintSystem() : DesktopTest({}, &system) {}

    void SetUp() override
    {
        const char* server = std::getenv("CUPS_SERVER");
        // Still busy with the job before, the print system may not answer at once (under
        // Wine, whose printers come from it, the list is then empty): it is asked a while.
        bool listed = QTest::qWaitFor(
            [] { return QtPrintPlatform().printerNames().contains(QStringLiteral("PDF")); }, 20000);
        ASSERT_TRUE(server && listed)
            << "the test print system is not running: see tests/printsystem/printsystem.sh";
        for (const char* printer : {"PDF", "PDF-A4"})
            fs::remove(outputFile(printer));
    }

    // The print system's socket and output folder, on the build machine.
    static std::string server() { return std::getenv("CUPS_SERVER"); }
    static std::string outputFile(const std::string& printer)
    {
        return server().substr(0, server().rfind('/')) + "/out/" + printer + ".pdf";
    }

    // The PDF of the printer's job once the print system has finished it, or "" when no job
    // came within twenty seconds.
    static std::string printed(const std::string& printer)
    {
        std::string pending = "lpstat -h '" + server() + "' -o " + printer + " | grep -q .";
        for (int i = 0; i < 200; ++i) {
            if (fs::exists(outputFile(printer)) && hostCommand(pending) != 0)
                return outputFile(printer);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        return {};
    }

    // Preview of a file, choosing `printer` in the font and printer dialog, which starts with
    // the current printer.
    void preview(const std::string& file, const QString& printer, const QString& current)
    {
        open(file, [printer, current](QDialog& dialog) {
            auto& printers = child<QComboBox>(dialog, "Combo1_0");
            EXPECT_EQ(printers.currentText(), current);
            EXPECT_GE(printers.findText(QStringLiteral("PDF-A4")), 0);
            printers.setEditText(printer);
            click(dialog, "cmdDone");
        });
    }

    static QtPrintPlatform system;
};

QtPrintPlatform PrintSystem::system;

// The printer chosen lays the pages out on its own paper and prints each command as one job:
// exactly the pages asked for, each text at its cell; the next preview starts with that
// printer (tests/data/printjobs.txt).
using PrintJobs = PrintSystem;
TEST_P(PrintJobs, TheDesktopProgramPrintsOnThePrinterChosen)
{
    const auto& job = GetParam();
    std::string report =
        readFile(testDataFile("cases/divided-medians-notes-and-pages/expected.stk"));
    std::string rightBook = "\r\n" + std::string(44, ' ') + "ROADWAY(right)";
    std::string book = job[1] == "undivided"
                           ? dir.write("book.txt", undividedListing(7))
                           : dir.write("book.stk", report.substr(0, report.rfind(rightBook)));
    QString printer = QString::fromStdString(job[0]);
    preview(book, printer, QStringLiteral("PDF")); // the system's default
    if (job[2].empty()) {
        printWindow().viewprint_Click();
    } else {
        modals.then(QStringLiteral("Form5"), [&job](QDialog& dialog) {
            QStringList range = QString::fromStdString(job[2]).split(' ');
            setText(dialog, "Text1", range[0]);
            setText(dialog, "Text2", range[1]);
            if (!job[3].empty())
                child<QComboBox>(dialog, "Combo2").setCurrentText(QString::fromStdString(job[3]));
            click(dialog, "Command1_1");
        });
        printWindow().PrnSelPages_Click();
    }
    EXPECT_EQ(dialogs.messages, QStringList({"Pages have been sent to " + printer + " printer."}));
    std::string pdf = printed(job[0]);
    ASSERT_FALSE(pdf.empty()) << "no job came out of " << job[0];
    EXPECT_EQ(pdfPageHeaders(pdf), job[4]);
    store.CurrentSide = job[5];
    // The printer's default paper, less 18 points all round.
    PrintableArea area =
        job[0] == "PDF" ? PrintableArea{96, 63} : PrintableArea{559.0 / 6, 806.0 / 12};
    EXPECT_EQ(pdfPageTexts(pdf, 1), drawnPageTexts(store, area, 18, 18, std::stoi(job[6])));
    preview(book, printer, printer);
}
INSTANTIATE_TEST_SUITE_P(PrintSystem, PrintJobs, testing::ValuesIn(readTable("printjobs.txt")),
                         rowName);

// A long job cancelled from its progress dialog never reaches the printer.
TEST_F(PrintSystem, ACancelledJobNeverReachesThePrinter)
{
    if (std::getenv("WINELOADER"))
        GTEST_SKIP() << "Wine's PostScript driver cannot abort a document (its AbortDoc fails): "
                        "the pages drawn before Cancel are printed";
    preview(dir.write("long.txt", undividedListing(6000)), QStringLiteral("PDF"),
            QStringLiteral("PDF"));
    modals.then(QStringLiteral("printProgress"),
                [](QDialog& progress) { progress.findChild<QPushButton*>()->click(); });
    printWindow().viewprint_Click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    std::this_thread::sleep_for(std::chrono::seconds(2));
    EXPECT_FALSE(fs::exists(outputFile("PDF")));
}

// quarrow-book prints on a printer with the desktop program's printing; what cannot be
// printed as asked is refused with its reason, exit status 1, and prints nothing
// (tests/data/printruns.txt).
using PrintRuns = PrintSystem;
TEST_P(PrintRuns, QuarrowBookPrintsOnAPrinterOrSaysWhyNot)
{
    const auto& run = GetParam();
    const std::string& printer = run[1]; // none when the run is refused
    std::string result = std::regex_replace(run[2], std::regex(R"(\\n)"), "\n");
#ifdef _WIN32 // Windows spools a job for a printer that takes none now, to print it later.
    if (!run[4].empty())
        GTEST_SKIP();
#endif
    auto lp = [&](const char* verb) {
        return run[4].empty() || hostCommand("PATH=$PATH:/usr/sbin cups" + std::string(verb) +
                                             " -h '" + server() + "' " + run[4]) == 0;
    };
    FakePrintPlatform withoutDefault(dir.path().string(), {"PDF", "PDF-A4"});
    withoutDefault.defaultName.clear();
    QtBookOutput book(testDate, run[3].empty() ? nullptr : &withoutDefault);
    EXPECT_TRUE(lp("reject"));
    std::istringstream words(run[0]);
    std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
    args[0] = sampleFile(args[0] == "sr22" ? "sr22-undivided.stk" : "us97-divided.stk").string();
    std::ostringstream out;
    std::ostringstream err;
    auto exit = runQuarrowBook(args, out, err, &book);
    EXPECT_TRUE(lp("accept"));
    EXPECT_EQ(exit, printer.empty() ? ExitCode::Failed : ExitCode::Ok);
    EXPECT_EQ(err.str(), printer.empty() ? result + "\n" : std::string());
    if (printer.empty())
        std::this_thread::sleep_for(std::chrono::seconds(1));
    else
        EXPECT_EQ(pdfPageHeaders(printed(printer)), result);
    fs::remove(outputFile(printer));
    EXPECT_FALSE(fs::exists(outputFile("PDF")) || fs::exists(outputFile("PDF-A4")));
}
INSTANTIATE_TEST_SUITE_P(PrintSystem, PrintRuns, testing::ValuesIn(readTable("printruns.txt")),
                         rowName);

} // namespace
} // namespace quarrow::test
