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
    // The full name of `name` inside the folder, as a string.
    std::string file(const std::string& name) const;
    // Writes `bytes` exactly and returns the full name.
    std::string write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

std::string readFile(const std::string& path);

// Joins lines with CR LF after each.
std::string crlfLines(const std::vector<std::string>& lines);

std::string sampleFile(const std::string& name);
std::string testDataFile(const std::string& name);

} // namespace quarrow::test
