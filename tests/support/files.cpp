#include "files.h"

#include "store/platformfile.h"

#include <atomic>
#include <cstdio>
#include <memory>
#include <random>
#include <stdexcept>

namespace quarrow::test {

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    static const unsigned run = std::random_device{}();
    auto base = std::filesystem::temp_directory_path();
    do {
        m_path = base / ("quarrow-test-" + std::to_string(run) + "-" + std::to_string(counter++));
    } while (!std::filesystem::create_directory(m_path));
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string TempDir::file(const std::string& name) const
{
    std::filesystem::path full = m_path / pathOf(name);
    std::filesystem::create_directories(full.parent_path());
    return nameOf(full);
}

std::string TempDir::write(const std::string& name, const std::string& bytes) const
{
    std::string full = file(name);
    writeFile(pathOf(full), bytes);
    return full;
}

std::filesystem::path pathOf(const std::string& name)
{
    return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

std::string nameOf(const std::filesystem::path& path)
{
    std::u8string name = path.u8string();
    return std::string(name.begin(), name.end());
}

// Through the program's own file opening: on Windows the standard streams of this runtime
// would take the name in the system's code page.
std::string readFile(const std::filesystem::path& path)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openFile(nameOf(path), "rb"), std::fclose);
    if (!file)
        throw std::runtime_error("cannot read " + nameOf(path));
    std::string bytes;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
        bytes.append(buffer, n);
    return bytes;
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(openFile(nameOf(path), "wb"), std::fclose);
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
        throw std::runtime_error("cannot write " + nameOf(path));
}

} // namespace quarrow::test
