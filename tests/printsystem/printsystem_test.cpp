// Printing through the tests' own print system (printsystem.sh): a CUPS scheduler whose
// printers "PDF" (US Letter, the system's default) and "PDF-A4" write each job to a PDF
// file in the folder of the scheduler's socket, named by CUPS_SERVER.

#include "cli/quarrowbook.h"
#include "desktop.h"
#include "render/printplatform.h"
#include "render/qtbookoutput.h"

#include <cstdlib>
#include <sstream>
#include <thread>

namespace quarrow::test {
namespace {

namespace fs = std::filesystem;

class PrintSystem : public DesktopTest
{
protected:
    PrintSystem() : DesktopTest({}, &system) {}

    void SetUp() override
    {
        const char* server = std::getenv("CUPS_SERVER");
        ASSERT_TRUE(server && QtPrintPlatform().printerNames().contains(QStringLiteral("PDF")))
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
        std::string pending = "lpstat -h " + server() + " -o " + printer + " | grep -q .";
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
        type("txtProjectNumber", QStringLiteral("104"));
        type("txtControlNumber", QStringLiteral("2207"));
        browse(file);
        modals.then(QStringLiteral("frmSystem"), [printer, current](QDialog& dialog) {
            auto& printers = child<QComboBox>(dialog, "Combo1_0");
            EXPECT_EQ(printers.currentText(), current);
            EXPECT_GE(printers.findText(QStringLiteral("PDF-A4")), 0);
            printers.setEditText(printer);
            click(dialog, "cmdDone");
        });
        form1().cmdPreview_Click();
    }

    static QtPrintPlatform system;
};

QtPrintPlatform PrintSystem::system;

// The printer chosen lays the pages out on its own paper and prints each command as one job:
// exactly the pages asked for, each text at its cell.
TEST_F(PrintSystem, TheDesktopProgramPrintsOnThePrinterChosen)
{
    struct Job
    {
        const char* printer;
        const std::string& book;
        const char* from; // nothing: PrintAll
        const char* to;
        const char* side;
        const char* pages;
        PrintableArea area;    // of the printer's default paper, less 18 points all round
        const char* firstSide; // of the job's first page
        std::int32_t firstPage;
    };
    // A divided book whose right book is shorter than its left.
    std::string report =
        readFile(testDataFile("cases/divided-medians-notes-and-pages/expected.stk"));
    std::string divided =
        dir.write("book.stk",
                  report.substr(0, report.rfind("\r\n" + std::string(44, ' ') + "ROADWAY(right)")));
    std::string undivided = dir.write("book.txt", undividedListing(7));
    const PrintableArea a4{559.0 / 6, 806.0 / 12};
    const PrintableArea letter{96, 63};
    const Job jobs[] = {
        {"PDF-A4", undivided, nullptr, nullptr, "", "1 2 3", a4, "", 0},
        {"PDF-A4", undivided, "2", "3", "", "2 3", a4, "", 1},
        {"PDF", divided, nullptr, nullptr, "", "(left)1 (left)2 (Right)1", letter, "left", 0},
        {"PDF", divided, "1", "1", "right", "(Right)1", letter, "right", 0},
    };
    QString current = QStringLiteral("PDF"); // the system's default
    for (const Job& job : jobs) {
        SCOPED_TRACE(job.pages);
        preview(job.book, QString::fromLatin1(job.printer), current);
        current = QString::fromLatin1(job.printer);
        dialogs.messages.clear();
        if (!job.from) {
            printWindow().viewprint_Click();
        } else {
            modals.then(QStringLiteral("Form5"), [&job](QDialog& dialog) {
                setText(dialog, "Text1", QString::fromLatin1(job.from));
                setText(dialog, "Text2", QString::fromLatin1(job.to));
                if (*job.side)
                    child<QComboBox>(dialog, "Combo2").setCurrentText(job.side);
                click(dialog, "Command1_1");
            });
            printWindow().PrnSelPages_Click();
        }
        EXPECT_EQ(dialogs.messages, QStringList({QStringLiteral("Pages have been sent to ") +
                                                 job.printer + QStringLiteral(" printer.")}));
        std::string pdf = printed(job.printer);
        ASSERT_FALSE(pdf.empty()) << "no job came out of " << job.printer;
        EXPECT_EQ(pdfPageHeaders(pdf), job.pages);
        store.CurrentSide = job.firstSide;
        EXPECT_EQ(pdfPageTexts(pdf, 1), drawnPageTexts(store, job.area, 18, 18, job.firstPage));
        fs::remove(pdf);
    }
    // A long job cancelled from its progress dialog never reaches the printer.
    preview(dir.write("long.txt", undividedListing(6000)), QStringLiteral("PDF"),
            QStringLiteral("PDF"));
    modals.then(QStringLiteral("printProgress"),
                [](QDialog& progress) { progress.findChild<QPushButton*>()->click(); });
    dialogs.messages.clear();
    printWindow().viewprint_Click();
    EXPECT_TRUE(dialogs.messages.isEmpty());
    std::this_thread::sleep_for(std::chrono::seconds(2));
    // Wine's PostScript driver cannot abort a document (its AbortDoc fails), so under Wine
    // the pages drawn before Cancel are printed; Windows' own spooler withdraws them.
    EXPECT_TRUE(std::getenv("WINELOADER") || !fs::exists(outputFile("PDF")));
}

struct ToolRun
{
    const char* command;        // quarrow-book's arguments, the sample sr22 or us97 first
    const char* printer;        // the printer that prints; none: the run is refused
    std::string result;         // the pages printed, or the reason for refusing
    BookOutput* output;         // what quarrow-book prints with
    const char* rejecting = ""; // a printer that refuses jobs during the run
};

// quarrow-book prints on a printer with the desktop program's printing; what cannot be
// printed as asked is refused with its reason, exit status 1, and prints nothing.
TEST_F(PrintSystem, QuarrowBookPrintsOnAPrinterOrSaysWhyNot)
{
    const std::string installed = " Installed printers: PDF, PDF-A4.";
    FakePrintPlatform withoutDefault(dir.path().string(), {"PDF", "PDF-A4"});
    withoutDefault.defaultName.clear();
    QtBookOutput book(testDate);
    QtBookOutput bookWithoutDefault(testDate, &withoutDefault);
    const ToolRun runs[] = {
        {"sr22 --print PDF", "PDF", "1 2 3 4 5 6 7 8 9 10 11", &book},
        {"sr22 --print default --pages 2-3", "PDF", "2 3", &book},
        {"us97 --print PDF-A4 --pages 10-11 --side right", "PDF-A4", "(Right)10 (Right)11", &book},
        {"us97 --print PDF-A4 --side left", "PDF-A4",
         "(left)1 (left)2 (left)3 (left)4 (left)5 (left)6 (left)7 (left)8 (left)9 (left)10 "
         "(left)11",
         &book},
        {"sr22 --print Nowhere", "", "No printer named \"Nowhere\" is installed." + installed,
         &book},
        {"sr22 --print default", "", "No default printer is set." + installed, &bookWithoutDefault},
#ifndef _WIN32 // Windows spools a job for a printer that takes none now, to print it later.
        {"sr22 --print PDF", "",
         "Printing on PDF failed: Printer error\nDestination \"PDF\" is not accepting jobs.", &book,
         "PDF"},
#endif
        {"us97 --print PDF --pages 2-3", "",
         "The book is divided: --side left or --side right chooses the book that --pages counts "
         "in.",
         &book},
        {"sr22 --print PDF --pages 5-12", "",
         "Pages 5-12 are not in the book, which has pages 1-11.", &book},
        {"sr22 --print PDF --pages 40000-1", "",
         "Pages 40000-1 are not in the book, which has pages 1-11.", &book},
        {"sr22 --print PDF --pages 0-3", "", "Pages 0-3 are not in the book, which has pages 1-11.",
         &book},
        {"sr22 --print PDF --side left", "",
         "The book is undivided: --side chooses a book of a divided roadway.", &book},
    };
    for (const ToolRun& run : runs) {
        SCOPED_TRACE(run.result);
        std::ostringstream out;
        std::ostringstream err;
        auto lp = [&](const char* verb) {
            return *run.rejecting == 0 ||
                   hostCommand("PATH=$PATH:/usr/sbin cups" + std::string(verb) + " -h " + server() +
                               " " + run.rejecting) == 0;
        };
        EXPECT_TRUE(lp("reject"));
        std::istringstream words(run.command);
        std::vector<std::string> args{std::istream_iterator<std::string>(words), {}};
        args[0] =
            sampleFile(args[0] == "sr22" ? "sr22-undivided.stk" : "us97-divided.stk").string();
        auto exit = runQuarrowBook(args, out, err, run.output);
        EXPECT_TRUE(lp("accept"));
        bool prints = *run.printer != 0;
        EXPECT_EQ(exit, prints ? ExitCode::Ok : ExitCode::Failed);
        EXPECT_EQ(err.str(), prints ? std::string() : run.result + "\n");
        if (prints) {
            EXPECT_EQ(pdfPageHeaders(printed(run.printer)), run.result);
            fs::remove(outputFile(run.printer));
        }
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    EXPECT_FALSE(fs::exists(outputFile("PDF")) || fs::exists(outputFile("PDF-A4")));
}

} // namespace
} // namespace quarrow::test
