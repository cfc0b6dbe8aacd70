#include "store/textfile.h"

#include "store/platformfile.h"
#include "store/runerror.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace quarrow {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
#ifdef _WIN32
constexpr const char* kSeparators = "\\/";
#else
constexpr const char* kSeparators = "/";
#endif

bool isDenied(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

const char* describeOpenFailure(int error, bool forWriting)
{
    switch (error) {
    case ENOENT:
        return forWriting ? errors::kPathNotFound : errors::kFileNotFound;
    case ENOSPC:
        return errors::kDiskFull;
    default:
        return isDenied(error) ? errors::kPermissionDenied : errors::kFileAccess;
    }
}

// Said after "Permission denied" when a file could not be made in a folder: the folder is
// what the user must change, a read-only share or disc, whatever the file's own rights.
std::string folderNotWritable(const std::string& path)
{
    std::size_t separator = path.find_last_of(kSeparators);
    if (separator == std::string::npos)
        return "The working folder cannot be written.";
    return "The folder " + path.substr(0, std::max<std::size_t>(separator, 1)) +
           " cannot be written.";
}

std::string temporaryNameFor(const std::string& path)
{
    for (int n = 0;; ++n) {
        std::string candidate = path + ".~" + std::to_string(n);
        std::error_code ec;
        if (!std::filesystem::exists(filePath(candidate), ec) && !ec)
            return candidate;
        if (ec)
            fail(errors::kFileAccess);
    }
}

} // namespace

LineReader::LineReader(const std::string& path) : m_buffer(kBufferSize)
{
    std::error_code ec;
    if (std::filesystem::is_directory(filePath(path), ec))
        fail(errors::kFileAccess);
    m_file = openFile(path, "rb");
    if (!m_file)
        fail(describeOpenFailure(errno, false));
}

LineReader::~LineReader()
{
    if (m_file)
        std::fclose(m_file);
}

bool LineReader::fill()
{
    m_pos = 0;
    m_end = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (m_end == 0 && std::ferror(m_file))
        fail(errors::kFileAccess);
    return m_end > 0;
}

bool LineReader::next(std::string& line)
{
    line.clear();
    bool found = false;
    while (m_pos < m_end || fill()) {
        found = true;
        const char* begin = m_buffer.data() + m_pos;
        const char* end = m_buffer.data() + m_end;
        const char* stop = std::find_if(begin, end, [](char c) { return c == '\n' || c == '\r'; });
        line.append(begin, stop);
        m_pos = static_cast<std::size_t>(stop - m_buffer.data());
        if (stop == end)
            continue;
        ++m_pos;
        if (*stop == '\r' && (m_pos < m_end || fill()) && m_buffer[m_pos] == '\n')
            ++m_pos;
        return true;
    }
    return found;
}

SafeFileWriter::SafeFileWriter(std::string path) : m_path(std::move(path))
{
    std::error_code ec;
    if (std::filesystem::is_directory(filePath(m_path), ec))
        fail(errors::kFileAccess);
    m_tempPath = temporaryNameFor(m_path);
    m_file = openFile(m_tempPath, "wb");
    if (!m_file) {
        int error = errno;
        fail(describeOpenFailure(error, true), isDenied(error) ? folderNotWritable(m_path) : "");
    }
    std::setvbuf(m_file, nullptr, _IOFBF, kBufferSize);
}

SafeFileWriter::~SafeFileWriter()
{
    if (m_file) {
        std::fclose(m_file);
        removeFile(m_tempPath);
    }
}

void SafeFileWriter::write(std::string_view bytes)
{
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        fail(errno == ENOSPC ? errors::kDiskFull : errors::kFileAccess);
}

void SafeFileWriter::commit()
{
    int closed = std::fclose(m_file);
    m_file = nullptr;
    if (closed != 0) {
        int error = errno;
        removeFile(m_tempPath);
        fail(error == ENOSPC ? errors::kDiskFull : errors::kFileAccess);
    }
    if (!replaceFile(m_tempPath, m_path)) {
        removeFile(m_tempPath);
        fail(errors::kFileAccess);
    }
}

TemporaryFile::TemporaryFile(const std::string& name)
{
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::temp_directory_path(ec);
    if (ec)
        return;
    m_path = folder / (std::filesystem::path("quarrow-") += filePath(name).filename());
    std::ofstream(m_path, std::ios::binary | std::ios::trunc);
}

TemporaryFile::~TemporaryFile()
{
    std::error_code ec;
    if (!m_path.empty())
        std::filesystem::remove(m_path, ec);
}

} // namespace quarrow
