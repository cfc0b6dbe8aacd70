#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace quarrow {

// A run-time failure inside a book routine. Each routine catches it at its own trap and
// reports the description between its own head and tail texts, so the descriptions
// follow the wording users of the program know from its message boxes.
class RunError : public std::runtime_error
{
public:
    explicit RunError(const char* description, std::string reason = {})
        : std::runtime_error(description), m_reason(std::move(reason))
    {}

    // What the system said about the failure, where it said more than the description: shown
    // on a line of its own after the message.
    const std::string& reason() const { return m_reason; }

private:
    std::string m_reason;
};

namespace errors {
inline constexpr const char* kInvalidArgument = "Invalid procedure call or argument";
inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kSubscriptOutOfRange = "Subscript out of range";
inline constexpr const char* kTypeMismatch = "Type mismatch";
inline constexpr const char* kFileNotFound = "File not found";
inline constexpr const char* kInputPastEnd = "Input past end of file";
inline constexpr const char* kDiskFull = "Disk full";
inline constexpr const char* kPermissionDenied = "Permission denied";
inline constexpr const char* kFileAccess = "Path/File access error";
inline constexpr const char* kPathNotFound = "Path not found";
inline constexpr const char* kInvalidFileFormat = "Invalid file format";
} // namespace errors

// `text`, and the system's reason on a line of its own when it gave one.
inline std::string withReason(std::string text, const RunError& error)
{
    return error.reason().empty() ? text : text + "\n" + error.reason();
}

[[noreturn]] inline void fail(const char* description, std::string reason = {})
{
    throw RunError(description, std::move(reason));
}

} // namespace quarrow
