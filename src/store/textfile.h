#pragma once

#include <cstdio>
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

// Creates an empty file unless a file of that name exists already.
void createIfMissing(const std::string& path);

} // namespace quarrow
