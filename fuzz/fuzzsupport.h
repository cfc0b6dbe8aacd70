#pragma once

#include "store/messenger.h"
#include "store/reportstore.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quarrow::fuzz {

class RecordingMessenger : public Messenger
{
public:
    void show(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// The full name of `name` in a folder of this process's own, made on first use, so that
// parallel fuzzing jobs never share files. The folder is removed when the process ends
// normally; after a failure it keeps the files of the failing input.
std::string scratchFile(const std::string& name);

void writeBytes(const std::string& path, std::string_view bytes);
std::string readBytes(const std::string& path);

// Ends the run with `what` on standard error when `holds` is false; libFuzzer keeps the
// input that got here as a crash.
void check(bool holds, const std::string& what);

// Runs one input through `body`; an exception that escapes the engine is a finding, and its
// text is reported before the run ends.
int runGuarded(const std::function<void()>& body);

// A routine shows a message only when it fails, and one message at most.
void checkOutcome(bool succeeded, const RecordingMessenger& messenger, const char* routine);

// Whatever the input, the page counters stay inside the page arrays.
void checkCounters(const ReportStore& store);

// A book built by a parser has one page item per page of the book it ends at, and one
// page/station item per station item.
void checkParsedLists(const ReportStore& store);

// A book read from a report file has one page item per page of every side.
void checkReadLists(const ReportStore& store);

// A book read from a report file is written, read back and written again: the second read
// succeeds, and the second file repeats the first byte for byte. (A block whose first line
// held its "+" outside the station cell comes back with "+" as its station, which is written
// in its own form; from then on the files repeat.)
void checkRoundTrip(ReportStore& book);

} // namespace quarrow::fuzz
