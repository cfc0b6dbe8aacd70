#include "testsupport.h"

#include <atomic>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
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

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

std::filesystem::path sampleFile(const std::string& name)
{
    return std::filesystem::path(QUARROW_SAMPLES_DIR) / name;
}

std::filesystem::path testDataFile(const std::string& name)
{
    return std::filesystem::path(QUARROW_TEST_DATA_DIR) / name;
}

std::string testName(std::string text)
{
    for (char& c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return text;
}

bool regenerating()
{
    const char* value = std::getenv("QUARROW_REGENERATE");
    return value && std::string(value) == "1";
}

void expectFileContent(const std::filesystem::path& expected, const std::string& actual)
{
    bool exists = std::filesystem::exists(expected);
    if (regenerating()) {
        if (!actual.empty())
            writeFile(expected, actual);
        else if (exists)
            std::filesystem::remove(expected);
        return;
    }
    EXPECT_EQ(actual, exists ? readFile(expected) : std::string()) << expected.string();
}

std::string stationText(int index)
{
    return std::to_string(10 + index / 2) + (index % 2 ? "+50" : "+00");
}

namespace {

std::string generatedListing(const char* firstLine, int stations, int linesPerStation,
                             const std::string& fields)
{
    std::string text = std::string(firstLine) + "\r\n";
    for (int i = 0; i < stations; ++i) {
        std::string line = "SR22 PGL," + stationText(i) + "," + fields + "\r\n";
        for (int n = 0; n < linesPerStation; ++n)
            text += line;
    }
    return text;
}

} // namespace

std::string undividedListing(int stations)
{
    return generatedListing("UNDIVIDED,IMPERIAL", stations, 2,
                            "1020.5,2.5,1019.25,12,1.5,4,F,0,6,1016.5,2,8,4,3.25,13,4");
}

std::string dividedListing(int stations)
{
    return generatedListing("DIVIDED,METRIC", stations, 4,
                            "312.5,0.5,311.25,3.6,0.5,1.2,C,0,1.8,310.5,2,2.4,1.2,0.8,3.2,4,0,7.2");
}

} // namespace quarrow::test
