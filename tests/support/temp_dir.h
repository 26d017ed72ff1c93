// A fresh directory for one test, removed afterwards.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vis::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& file);
void WriteFile(const std::filesystem::path& file, std::string_view content);
// Names of the files in `dir` (no directories), sorted.
std::vector<std::string> FileNames(const std::filesystem::path& dir);

}  // namespace vis::test
