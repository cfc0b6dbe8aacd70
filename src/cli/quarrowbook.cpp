#include "cli/quarrowbook.h"

#include "main/inputdriver.h"
#include "store/codepage.h"
#include "store/messenger.h"
#include "store/reportfile.h"
#include "store/textops.h"

#include <optional>
#include <ostream>

namespace quarrow {
namespace {

struct Options
{
    std::string input;
    std::string project;
    std::string control;
    std::optional<std::string> stk;
    std::optional<std::string> pdf;
    bool summary = false;
    bool help = false;
};

std::string usage(bool withPdf)
{
    std::string text = "Usage: quarrow-book INPUT [--project TEXT] [--control TEXT] [--stk FILE]";
    text += withPdf ? " [--pdf FILE]" : "";
    text += " [--summary]\n"
            "\n"
            "Turns a slope-stake listing (.txt, .csv) into a slope-stake book, or reads a\n"
            "report file (.stk) saved earlier.\n"
            "\n"
            "  --project TEXT  project number for the page header\n"
            "  --control TEXT  control number for the page header\n"
            "  --stk FILE      write the book as a report file\n";
    text += withPdf ? "  --pdf FILE      print the whole book into a PDF file\n"
                    : "  --pdf FILE      (not available: this build has no PDF output)\n";
    text += "  --summary       print the book's counters and selection lists as JSON\n"
            "  --help          show this text\n"
            "\n"
            "Exit status: 0 book built without messages, 1 input refused or a message shown,\n"
            "2 wrong usage.\n";
    return text;
}

// Returns the options, or an error text for wrong usage.
std::optional<Options> parseOptions(const std::vector<std::string>& args, std::string& error)
{
    Options options;
    bool haveInput = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                error = "Option " + arg + " needs a value.";
                return std::nullopt;
            }
            return args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--summary") {
            options.summary = true;
        } else if (arg == "--project" || arg == "--control" || arg == "--stk" || arg == "--pdf") {
            auto text = value();
            if (!text)
                return std::nullopt;
            if (arg == "--project")
                options.project = *text;
            else if (arg == "--control")
                options.control = *text;
            else if (arg == "--stk")
                options.stk = *text;
            else
                options.pdf = *text;
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
    if (!haveInput && !options.help) {
        error = "No input file given.";
        return std::nullopt;
    }
    return options;
}

// Builds the book from a listing or reads it from a report file, as Preview routes the
// input by its extension. Returns false when there is no book to use.
bool buildBook(ReportStore& store, Messenger& messenger)
{
    switch (inputKindOf(store.InputFileName)) {
    case InputKind::Listing:
        return GpkQuarrow(store, messenger) == 0;
    case InputKind::Report:
        if (!ReadReportFile(store, messenger))
            return false;
        store.ReportFileName = store.InputFileName;
        return true;
    case InputKind::Unknown:
        break;
    }
    messenger.show("Please Select RAW data file");
    return false;
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
                        PdfOutput* pdf)
{
    std::string error;
    auto options = parseOptions(args, error);
    if (options && options->pdf && !pdf)
        error = "This build has no PDF output: --pdf is not available.";
    if (!options || !error.empty()) {
        err << error << "\n\n" << usage(pdf != nullptr);
        return ExitCode::Usage;
    }
    if (options->help) {
        out << usage(pdf != nullptr);
        return ExitCode::Ok;
    }

    ReportStore store;
    StreamMessenger messenger(err);
    store.ProjectNumber = options->project;
    store.ControlNumber = options->control;
    store.InputFileName = std::string(trimBlanks(options->input));
    if (!buildBook(store, messenger))
        return ExitCode::Failed;

    std::string summary = options->summary ? summaryJson(store) : std::string();
    bool written = true;
    if (options->stk) {
        store.ReportFileName = *options->stk;
        written = writeReport(store, messenger);
    }
    if (options->pdf)
        written = pdf->print(store, *options->pdf, err) && written;
    out << summary;
    return written && messenger.count() == 0 ? ExitCode::Ok : ExitCode::Failed;
}

} // namespace quarrow
