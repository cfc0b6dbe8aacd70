#include "store/platformfile.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#endif

#include <system_error>

namespace quarrow {

bool isLink(const std::string& name)
{
    std::error_code ec;
    return std::filesystem::is_symlink(filePath(name), ec);
}

#ifdef _WIN32

namespace {

std::wstring wideName(const std::string& name)
{
    if (name.empty())
        return {};
    int size = static_cast<int>(name.size());
    int wideSize = MultiByteToWideChar(CP_UTF8, 0, name.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideSize), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, name.data(), size, wide.data(), wideSize);
    return wide;
}

} // namespace

std::FILE* openFile(const std::string& name, const char* mode)
{
    return _wfopen(wideName(name).c_str(), wideName(mode).c_str());
}

std::filesystem::path filePath(const std::string& name)
{
    return std::filesystem::path(wideName(name));
}

bool replaceFile(const std::string& from, const std::string& to)
{
    return MoveFileExW(wideName(from).c_str(), wideName(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void removeFile(const std::string& name)
{
    _wremove(wideName(name).c_str());
}

#else

std::FILE* openFile(const std::string& name, const char* mode)
{
    return std::fopen(name.c_str(), mode);
}

std::filesystem::path filePath(const std::string& name)
{
    return std::filesystem::path(name);
}

bool replaceFile(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void removeFile(const std::string& name)
{
    std::remove(name.c_str());
}

#endif

} // namespace quarrow
