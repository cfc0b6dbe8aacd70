#include "cli/output/qtbookoutput.h"
#include "cli/quarrowbook.h"
#include "desktop.h"

#include <QProgressDialog>

#include <csignal>
#include <functional>
#include <optional>
#include <sstream>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace quarrow::test {
namespace {

namespace fs = std::filesystem;

// Runs `action` while the file system takes no file over `room` bytes from this process
// (none: no limit). With 4 KiB a write begun on a larger file fails part-way, the report
// file's (over 64 KiB) before it is complete.
void withDisk([[maybe_unused]] std::optional<std::uintmax_t> room,
              const std::function<void()>& action)
{
#ifndef _WIN32
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit limit{room ? *room : before.rlim_cur, before.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    action();
    setrlimit(RLIMIT_FSIZE, &before);
#else
    action();
#endif
}

// The display window, the main window and quarrow-book write the report file and PDF files
// of the divided book "sr22" beside its listing, with no printer installed; building the book
// leaves the folder as it was.
class WritingFiles : public DesktopTest, public testing::WithParamInterface<TableRow>
{
protected:
    WritingFiles() : DesktopTest(QStringList()) {}

    QString name(const std::string& file)
    {
        return QString::fromStdString(nameOf(dir.path() / pathOf("Łódź/" + file)));
    }

    // Builds the book from its listing, beside a work file of the user's.
    void openBook()
    {
        dir.write("Łódź/sr22.tx1", before.at("sr22.tx1"));
        open(dir.write("Łódź/sr22.txt", before.at("sr22.txt")));
        EXPECT_EQ(readFile(folder / "sr22.tx1"), before.at("sr22.tx1"));
        EXPECT_FALSE(fs::exists(folder / "sr22.tx2")) << "no work file is made beside the listing";
    }

    // The folder as the user keeps it, with the book not saved.
    void fillFolder()
    {
        fs::remove_all(folder);
        for (const auto& [file, bytes] : before)
            dir.write("Łódź/" + file, bytes);
#ifndef _WIN32
        fs::create_symlink("sr22.stk", folder / "link.pdf");
        fs::create_symlink("sr22.txt", folder / "link.stk");
#endif
        store.ReportFileName = name("sr22.stk").toStdString();
        store.ReportState = kReportNotSaved;
        store.UnsavedCorrections = true;
        dialogs.messages.clear();
        dialogs.messageParents.clear();
    }

    // What is in the folder: the files as read, a link as the name it points at.
    std::map<std::string, std::string> contents()
    {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(folder))
            files[nameOf(entry.path().filename())] =
                entry.is_symlink() ? "-> " + nameOf(fs::read_symlink(entry.path()))
                                   : readFile(entry.path());
        return files;
    }

    // command | names chosen | answers | failure | written | message
    void run(const std::vector<std::string>& row, std::optional<std::uintmax_t> room)
    {
        std::istringstream names(row[1]);
        for (std::string file; names >> file;)
            dialogs.saveAnswers.push_back(file == "-" ? std::nullopt : std::optional(name(file)));
        for (char answer : row[2])
            dialogs.answers.push_back(answer == 'Y');
        if (row[3] == "cancel")
            modals.then(QStringLiteral("printProgress"), [](QDialog& progress) {
                static_cast<QProgressDialog&>(progress).cancel();
            });
        const std::map<std::string, std::function<void()>> commands = {
            {"Save Report", [this] { printWindow().mnuSaveRpt_Click(); }},
            {"Save as PDF", [this] { printWindow().savePdf_Click(); }},
            {"PrintAll", [this] { printWindow().viewprint_Click(); }},
            {"Close", [this] { form1().cmdClose_Click(); }},
            {"Close by frame", [this] { form1().close(); }},
        };
        auto command = commands.find(row[0]);
        withDisk(
            room, command != commands.end() ? command->second : [&] {
                std::istringstream words(row[0]);
                std::vector<std::string> args{name("sr22.txt").toStdString()};
                for (std::string word; words >> word;)
                    args.push_back(word.starts_with("--") ? word : name(word).toStdString());
                std::ostringstream out;
                std::ostringstream err;
                QtBookOutput output(testDate);
                runQuarrowBook(args, out, err, &output);
                if (!err.str().empty())
                    dialogs.messages << QString::fromStdString(err.str());
            });
    }

    const std::map<std::string, std::string> before = {{"sr22.txt", dividedListing(60)},
                                                       {"sr22.stk", "old report"},
                                                       {"sr22.pdf", "old pdf"},
                                                       {"sr22.tx1", "a work file of the user's"},
                                                       {"sr22.tx2", ""}};
    const fs::path folder = pathOf(name("").toStdString());
};

// A file is replaced only when the user agreed and the new one is complete: answering No,
// cancelling the dialog or the job, a failure part-way and a name that is not the file's
// kind leave every file of the folder as it was. A book that could not be saved at Close
// keeps the program open (tests/data/writes.txt).
using Writes = WritingFiles;
TEST_P(Writes, NothingIsReplacedWithoutTheUsersConsent)
{
    const auto& row = GetParam();
#ifdef _WIN32
    if (row[3] == "full" || row[3] == "last" || row[1].starts_with("link") ||
        row[0].find("link") != std::string::npos)
        GTEST_SKIP() << "no file size limit and no links here";
#endif
    openBook();
    std::optional<std::uintmax_t> room;
    if (row[3] == "full")
        room = 4096;
    if (row[3] == "last") {
        // The same command with room for all: the disk then takes all but its last byte.
        fillFolder();
        auto kept = contents();
        run(row, std::nullopt);
        std::uintmax_t written = 0;
        for (const auto& [file, bytes] : contents())
            if (!kept.count(file) || kept[file] != bytes)
                written = std::max<std::uintmax_t>(written, bytes.size());
        ASSERT_GT(written, 0U);
        room = written - 1;
    }
    fillFolder();
    auto kept = contents();
    run(row, room);
    auto now = contents();
    for (const auto& [file, bytes] : now)
        kept.try_emplace(file);
    for (const auto& [file, bytes] : kept) {
        bool same = now.count(file) && now[file] == bytes && (!bytes.empty() || before.count(file));
        EXPECT_EQ(same, (" " + row[4] + " ").find(" " + file + " ") == std::string::npos) << file;
    }
    QString message = QString::fromStdString(row[5]).replace(QStringLiteral("{dir}"), name(""));
    EXPECT_TRUE(dialogs.messages.join("").startsWith(message) || message.isEmpty())
        << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(dialogs.messages.isEmpty(), message.isEmpty());
    if (row[3] == "last" && (row[0] == "Save as PDF" || row[0] == "PrintAll")) {
        EXPECT_EQ(dialogs.messageParents.value(0), QStringLiteral("printProgress"))
            << "said over the job's progress, which stays until the job has ended";
    }
    EXPECT_TRUE(program.isPrintWindowLoaded()) << "the book is kept";
    EXPECT_TRUE(dialogs.saveAnswers.empty() && dialogs.answers.empty());
}
INSTANTIATE_TEST_SUITE_P(WritingFiles, Writes, testing::ValuesIn(readTable("writes.txt")), rowName);

// The save dialogs offer the book's own name; replacing a file is asked first; a PDF holds
// both books of a divided roadway, and a saved book is not offered for saving again.
TEST_F(WritingFiles, SavingTheBookAsksBeforeReplacingAndIsThenDone)
{
    openBook();
    fillFolder();
    store.CurrentSide = "left";
    store.CurrentPage = 1;
    dialogs.saveAnswers = {name("sr22.pdf"), name("sr22.stk")};
    dialogs.answers = {true, true};
    printWindow().savePdf_Click();
    std::string headers = pdfPageHeaders(nameOf(folder / "sr22.pdf"));
    EXPECT_TRUE(headers.starts_with("(left)1 (left)2 ") && headers.ends_with(" (Right)21") &&
                headers.find(" (left)21 (Right)1 ") != std::string::npos)
        << headers;
    EXPECT_EQ(shown(), "left1");
    EXPECT_EQ(store.PrintWidthChars * 1000 + store.PrintHeightLines, 96063);
    printWindow().mnuSaveRpt_Click();
    EXPECT_EQ(dialogs.fileDialogs.filter(QStringLiteral("PDF File(*.pdf)|*.pdf | ")).value(0),
              QStringLiteral("PDF File(*.pdf)|*.pdf | ") + name("sr22.pdf"));
    for (QString kind : {QStringLiteral("report file: "), QStringLiteral("PDF file: ")})
        EXPECT_TRUE(
            dialogs.questions.contains(QStringLiteral("Overwrite ") + kind +
                                       QStringLiteral("Do you want to overwrite file: ") +
                                       name(kind.startsWith('r') ? "sr22.stk" : "sr22.pdf")));
    dialogs.questions.clear();
    form1().cmdClose_Click();
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "a saved book is not offered for saving again";
    EXPECT_FALSE(program.isPrintWindowLoaded());
}

} // namespace
} // namespace quarrow::test
