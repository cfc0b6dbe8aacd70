#pragma once

#include "render/bookprinter.h"
#include "store/messenger.h"
#include "store/reportstore.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quarrow {

enum class ExitCode : int { Ok = 0, Failed = 1, Usage = 2 };

// Writes each message as a line on a stream and counts them.
class StreamMessenger : public Messenger
{
public:
    explicit StreamMessenger(std::ostream& out) : m_out(out) {}
    void show(const std::string& text) override;
    int count() const { return m_count; }

private:
    std::ostream& m_out;
    int m_count = 0;
};

// Prints a book, or a range of its pages, into a PDF file or on a printer. The command-line
// tool offers --pdf and --print only when the program that runs it supplies one (the engine
// itself draws no PDF and knows no printer).
class BookOutput
{
public:
    virtual ~BookOutput() = default;
    // Each returns false, after telling `err` why, when nothing or not all was printed.
    virtual bool printPdf(ReportStore& store, const std::string& path,
                          const std::optional<PageRange>& pages, std::ostream& err) = 0;
    // `printer` is a printer's name, or "default" for the system's default printer.
    virtual bool printOn(ReportStore& store, const std::string& printer,
                         const std::optional<PageRange>& pages, std::ostream& err) = 0;
};

// What this build of quarrow-book prints with: the system's printers and PDF files where the
// build has Qt (cli/output), nothing without it.
std::unique_ptr<BookOutput> makeBookOutput();

// quarrow-book INPUT [--project TEXT] [--control TEXT] [--stk FILE] [--pdf FILE]
//              [--print PRINTER] [--pages FROM-TO] [--side left|right] [--summary]
// quarrow-book --help | --version
// Messages go to `err`, one per line; the summary to `out`.
ExitCode runQuarrowBook(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        BookOutput* output = nullptr);
// The same, building or reading the book into `store`, as the desktop program does with the
// one store it keeps for every book.
ExitCode runQuarrowBook(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        BookOutput* output, ReportStore& store);

// The book's roadway type, number format, page counters, file names and selection lists
// as a JSON object (UTF-8).
std::string summaryJson(const ReportStore& store);

} // namespace quarrow
