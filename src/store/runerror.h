#pragma once

#include <stdexcept>
#include <string>

namespace quarrow {

// A run-time failure inside a book routine. Each routine catches it at its own trap and
// reports the description between its own head and tail texts, so the descriptions
// follow the wording users of the program know from its message boxes.
class RunError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
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

[[noreturn]] inline void fail(const char* description)
{
    throw RunError(description);
}

} // namespace quarrow
