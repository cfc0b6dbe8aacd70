#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quarrow {

// Reads a single-byte text file line by line; bytes are kept as they are. A line ends at
// CR LF, a lone CR or a lone LF; a last line without an end still counts.
class LineReader
{
public:
    // Fails with a RunError describing why the file cannot be opened.
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // The next line, without its end; false at the end of the file.
    bool next(std::string& line);

private:
    bool fill();

    std::FILE* m_file = nullptr;
    std::vector<char> m_buffer;
    std::size_t m_pos = 0;
    std::size_t m_end = 0;
};

// Writes a file through a temporary file in the same folder, which replaces the file only
// when everything was written. A failure leaves an existing file as it was.
class SafeFileWriter
{
public:
    // Fails with a RunError describing why the file cannot be created.
    explicit SafeFileWriter(std::string path);
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    void write(std::string_view bytes);
    // Closes the temporary file and puts it in place of the file.
    void commit();

private:
    std::string m_path;
    std::string m_tempPath;
    std::FILE* m_file = nullptr;
};

// An empty file in the system's temporary folder, named "quarrow-" and the last part of
// `name`, that is removed again when this ends. The divided book's work files are such: they
// hold nothing, so they need no room beside a listing on a read-only share, and none is left
// behind. A file that cannot be made is done without, since nothing is ever read from it.
class TemporaryFile
{
public:
    explicit TemporaryFile(const std::string& name);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

private:
    std::filesystem::path m_path;
};

} // namespace quarrow
