#pragma once

#include <filesystem>
#include <string>

namespace quarrow::test {

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

} // namespace quarrow::test
