#pragma once

#include "store/messenger.h"
#include "store/reportstore.h"

#include <iosfwd>
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

// Prints a book into a PDF file. The command-line tool offers --pdf only when the program
// that runs it supplies one (the engine itself draws no PDF).
class PdfOutput
{
public:
    virtual ~PdfOutput() = default;
    // Returns false, after telling `err`, when the file could not be written.
    virtual bool print(ReportStore& store, const std::string& path, std::ostream& err) = 0;
};

// quarrow-book INPUT [--project TEXT] [--control TEXT] [--stk FILE] [--pdf FILE] [--summary]
// Messages go to `err`, one per line; the summary to `out`.
ExitCode runQuarrowBook(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        PdfOutput* pdf = nullptr);

// The book's roadway type, number format, page counters, file names and selection lists
// as a JSON object (UTF-8).
std::string summaryJson(const ReportStore& store);

} // namespace quarrow
