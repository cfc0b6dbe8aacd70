#include "testsupport.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace quarrow::test {

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    static const unsigned run = std::random_device{}();
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        m_path = base / ("quarrow-test-" + std::to_string(run) + "-" + std::to_string(counter++));
        if (std::filesystem::create_directory(m_path))
            return;
    }
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::string TempDir::file(const std::string& name) const
{
    return (m_path / name).string();
}

std::string TempDir::write(const std::string& name, const std::string& bytes) const
{
    std::string full = file(name);
    std::ofstream out(full, std::ios::binary);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + full);
    return full;
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string crlfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines)
        text += line + "\r\n";
    return text;
}

std::string sampleFile(const std::string& name)
{
    return std::string(QUARROW_SAMPLES_DIR) + "/" + name;
}

std::string testDataFile(const std::string& name)
{
    return std::string(QUARROW_TEST_DATA_DIR) + "/" + name;
}

} // namespace quarrow::test
