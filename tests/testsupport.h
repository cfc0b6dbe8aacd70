#pragma once

#include "store/messenger.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quarrow::test {

class RecordingMessenger : public Messenger
{
public:
    void show(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // The full name, as the program holds it (UTF-8), of `name` inside the folder; folders
    // in `name` are made.
    std::string file(const std::string& name) const;
    // Writes `bytes` exactly and returns the full name.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

// A file name as the program holds it (UTF-8) and as a path, on every system.
std::filesystem::path pathOf(const std::string& name);
std::string nameOf(const std::filesystem::path& path);

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

std::filesystem::path sampleFile(const std::string& name);
std::filesystem::path testDataFile(const std::string& name);

// A test name made of a text: every character but letters and digits becomes "_".
std::string testName(std::string text);

// True when the test run was asked to write its expected files anew (QUARROW_REGENERATE=1)
// instead of comparing with them.
bool regenerating();

// Compares `actual` with the expected file, or writes it there when regenerating; an empty
// `actual` stands for no such output, so the file must not exist.
void expectFileContent(const std::filesystem::path& expected, const std::string& actual);

// Generated listings: `stations` stations of two (undivided) or four (divided) data lines.
std::string undividedListing(int stations);
std::string dividedListing(int stations);
// "10+00", "10+50", "11+00", ...
std::string stationText(int index);

} // namespace quarrow::test
