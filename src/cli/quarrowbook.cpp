#include "cli/quarrowbook.h"

#include "about/version.h"
#include "main/inputdriver.h"
#include "render/pagelayout.h"
#include "store/codepage.h"
#include "store/messenger.h"
#include "store/platformfile.h"
#include "store/reportfile.h"
#include "store/textops.h"

#include <optional>
#include <ostream>
#include <tuple>

namespace quarrow {
namespace {

struct Options
{
    std::string input;
    std::optional<std::string> project;
    std::optional<std::string> control;
    std::optional<std::string> stk;
    std::optional<std::string> pdf;
    std::optional<std::string> print;
    std::optional<std::string> pages;
    std::optional<std::string> sideText;
    std::optional<BookSide> side; // the book --side names
    bool summary = false;
    bool help = false;
    bool version = false;
};

std::string usage(bool withOutput)
{
    std::string text = "Usage: quarrow-book INPUT [--project TEXT] [--control TEXT] [--stk FILE]";
    text += withOutput ? "\n                    [--pdf FILE] [--print PRINTER] [--pages FROM-TO]"
                         " [--side left|right]"
                       : "";
    text += " [--summary]\n"
            "\n"
            "Turns a slope-stake listing (.txt, .csv) into a slope-stake book, or reads a\n"
            "report file (.stk) saved earlier.\n"
            "\n"
            "  --project TEXT     project number for the page header\n"
            "  --control TEXT     control number for the page header\n"
            "  --stk FILE         write the book as a report file\n";
    text += withOutput
                ? "  --pdf FILE         print the book into a PDF file\n"
                  "  --print PRINTER    print the book on a printer; \"default\" is the system's\n"
                  "                     default printer\n"
                  "  --pages FROM-TO    print pages FROM to TO only (1-based, e.g. 2-3)\n"
                  "  --side left|right  print that book of a divided roadway, or count --pages in\n"
                  "                     it\n"
                : "  --pdf, --print     (not available: this build has no PDF or printer output)\n";
    text += "  --summary          print the book's counters and selection lists as JSON\n"
            "  --help             show this text\n"
            "  --version          show the program's version\n"
            "\n"
            "Exit status: 0 book built and printed without messages, 1 input refused, nothing\n"
            "or not all printed, or a message shown, 2 wrong usage.\n";
    return text;
}

std::optional<std::string>* valueOption(Options& options, const std::string& arg)
{
    const std::pair<const char*, std::optional<std::string> Options::*> named[] = {
        {"--project", &Options::project}, {"--control", &Options::control},
        {"--stk", &Options::stk},         {"--pdf", &Options::pdf},
        {"--print", &Options::print},     {"--pages", &Options::pages},
        {"--side", &Options::sideText},
    };
    for (auto [name, member] : named) {
        if (arg == name)
            return &(options.*member);
    }
    return nullptr;
}

// The page header's texts arrive as UTF-8 and are printed in the book's Windows-1252, as the
// windows take them; a character the book cannot hold is refused rather than printed as "?",
// and a text longer than the header shows rather than printed over the date or page number.
void takeHeaderTexts(Options& options, std::string& error)
{
    const std::tuple<const char*, std::optional<std::string>*, int> texts[] = {
        {"--project", &options.project, layout::kProjectNumberChars},
        {"--control", &options.control, layout::kControlNumberChars}};
    for (auto [name, text, chars] : texts) {
        if (!*text)
            continue;
        auto book = exactWindows1252FromUtf8(**text);
        if (!book) {
            error = !isUtf8(**text) ? std::string(name) + " is not UTF-8 text."
                                    : std::string(name) + " \"" + **text +
                                          "\" holds a character that the book, written in "
                                          "Windows-1252, cannot hold.";
            return;
        }
        if (static_cast<int>(book->size()) > chars) {
            error = std::string(name) + " takes at most " + std::to_string(chars) +
                    " characters: the page header shows no more.";
            return;
        }
        **text = *book;
    }
}

// Returns the options, or an error text for wrong usage.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error)
{
    Options options;
    bool haveInput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string>* value = valueOption(options, arg);
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg == "--summary") {
            options.summary = true;
        } else if (value && i + 1 < args.size()) {
            *value = args[++i];
        } else if (value) {
            error = "Option " + arg + " needs a value.";
            return std::nullopt;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "Unknown option " + arg + ".";
            return std::nullopt;
        } else if (haveInput) {
            error = "Only one input file can be given.";
            return std::nullopt;
        } else {
            options.input = arg;
            haveInput = true;
        }
    }
    if (!haveInput && !options.help && !options.version)
        error = "No input file given.";
    else if ((options.pages || options.sideText) && !options.pdf && !options.print)
        error = "--pages and --side choose what --pdf or --print prints.";
    else if (options.sideText && !(options.side = sideNamed(*options.sideText)))
        error = "--side takes left or right.";
    // A report file is written only under a report file's name and a PDF only under a PDF's,
    // so that neither lands on a listing, nor a PDF on a report file.
    else if (options.stk && !upperAscii(*options.stk).ends_with(".STK"))
        error = "--stk names a report file, whose name ends in .stk.";
    else if (options.pdf && !upperAscii(*options.pdf).ends_with(".PDF"))
        error = "--pdf names a PDF file, whose name ends in .pdf.";
    else if (options.stk && isLink(*options.stk))
        error = "--stk names a link: name the report file itself.";
    else if (options.pdf && isLink(*options.pdf))
        error = "--pdf names a link: name the PDF file itself.";
    else
        takeHeaderTexts(options, error);
    return error.empty() ? std::optional(options) : std::nullopt;
}

// "FROM-TO", 1-based, as 0-based pages of `side`, whose last page is `last`; nothing unless
// both are page numbers of that book, in order.
std::optional<PageRange> readPageRange(const std::string& text, std::int32_t last, BookSide side)
{
    auto dash = text.find('-');
    auto number = [](std::string_view digits) -> std::optional<int> {
        if (digits.empty() || digits.size() > 9 ||
            digits.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        return std::stoi(std::string(digits));
    };
    if (dash == std::string::npos)
        return std::nullopt;
    int from = number(std::string_view(text).substr(0, dash)).value_or(0);
    int to = number(std::string_view(text).substr(dash + 1)).value_or(0);
    if (from < 1 || from > to || to > last + 1)
        return std::nullopt;
    // Page counts fit a page range: no book has more pages than its array holds.
    return PageRange{static_cast<std::int16_t>(from - 1), static_cast<std::int16_t>(to - 1), side};
}

// The pages the options choose: the whole book (nothing), one book of a divided roadway, or
// a range within the book. Tells `err` why, and gives false, when the range does not fit the
// book.
bool choosePages(const ReportStore& store, const Options& options, std::optional<PageRange>& pages,
                 std::ostream& err)
{
    bool divided = isDivided(store);
    if (options.side && !divided) {
        err << "The book is undivided: --side chooses a book of a divided roadway.\n";
        return false;
    }
    if (options.pages && divided && !options.side) {
        err << "The book is divided: --side left or --side right chooses the book that --pages "
               "counts in.\n";
        return false;
    }
    BookSide side = options.side.value_or(BookSide::Undivided);
    std::int32_t last = lastPageOf(store, side);
    if (!options.pages) {
        if (options.side)
            pages = PageRange{0, static_cast<std::int16_t>(last), side};
        return true;
    }
    pages = readPageRange(*options.pages, last, side);
    if (!pages) {
        err << "Pages " << *options.pages << " are not in the book"
            << (divided ? std::string(" (") + sideName(side) + ")" : std::string())
            << ", which has pages 1-" << last + 1 << ".\n";
        return false;
    }
    return true;
}

// `text` is UTF-8.
void appendJsonString(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static const char* hex = "0123456789abcdef";
                out += "\\u00";
                out += hex[(c >> 4) & 0xF];
                out += hex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void appendJsonList(std::string& out, const std::vector<std::string>& items)
{
    out += '[';
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += i == 0 ? "\n    " : ",\n    ";
        appendJsonString(out, utf8FromWindows1252(items[i]));
    }
    out += items.empty() ? "]" : "\n  ]";
}

} // namespace

void StreamMessenger::show(const std::string& text)
{
    m_out << text << '\n';
    ++m_count;
}

std::string summaryJson(const ReportStore& store)
{
    std::string out = "{\n";
    // Book texts are Windows-1252, file names UTF-8.
    auto text = [&](const char* key, const std::string& value) {
        out += "  \"" + std::string(key) + "\": ";
        appendJsonString(out, value);
        out += ",\n";
    };
    auto bookText = [&](const char* key, const std::string& value) {
        text(key, utf8FromWindows1252(value));
    };
    auto number = [&](const char* key, std::int32_t value) {
        out += "  \"" + std::string(key) + "\": " + std::to_string(value) + ",\n";
    };
    bookText("RoadwayType", store.RoadwayType);
    bookText("NumberFormat", store.NumberFormat);
    bookText("NumberFormat2", store.NumberFormat2);
    number("LastPage", store.LastPage);
    number("LastLeftPage", store.LastLeftPage);
    number("LastRightPage", store.LastRightPage);
    text("InputFileName", store.InputFileName);
    text("ReportFileName", store.ReportFileName);
    text("WorkFile1Name", store.WorkFile1Name);
    text("WorkFile2Name", store.WorkFile2Name);
    text("TempFileName", store.TempFileName);
    out += "  \"StationItems\": ";
    appendJsonList(out, store.StationItems);
    out += ",\n  \"PageStationItems\": ";
    appendJsonList(out, store.PageStationItems);
    out += ",\n  \"PageItems\": ";
    appendJsonList(out, store.PageItems);
    out += "\n}\n";
    return out;
}

ExitCode runQuarrowBook(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        BookOutput* output)
{
    ReportStore store;
    return runQuarrowBook(args, out, err, output, store);
}

ExitCode runQuarrowBook(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                        BookOutput* output, ReportStore& store)
{
    std::string error;
    auto options = parseOptions(args, error);
    if (options && (options->pdf || options->print) && !output)
        error = "This build has no PDF or printer output: --pdf and --print are not available.";
    if (!options || !error.empty()) {
        err << error << "\n\n" << usage(output != nullptr);
        return ExitCode::Usage;
    }
    if (options->help) {
        out << usage(output != nullptr);
        return ExitCode::Ok;
    }
    if (options->version) {
        out << "quarrow-book " << QUARROW_VERSION << '\n';
        return ExitCode::Ok;
    }

    StreamMessenger messenger(err);
    resetCounters(store);
    store.ProjectNumber = options->project.value_or("");
    store.ControlNumber = options->control.value_or("");
    std::optional<PageRange> pages;
    if (!openBook(store, trimBlanks(options->input), messenger) ||
        !choosePages(store, *options, pages, err))
        return ExitCode::Failed;

    std::string summary = options->summary ? summaryJson(store) : std::string();
    bool written = true;
    if (options->stk) {
        store.ReportFileName = *options->stk;
        written = writeReport(store, messenger);
    }
    if (options->pdf)
        written = output->printPdf(store, *options->pdf, pages, err) && written;
    if (options->print)
        written = output->printOn(store, *options->print, pages, err) && written;
    out << summary;
    return written && messenger.count() == 0 ? ExitCode::Ok : ExitCode::Failed;
}

} // namespace quarrow
