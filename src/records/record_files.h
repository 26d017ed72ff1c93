// What the statistics, log and score files share: creating them so that a
// crash cannot leave a file without its first lines, replacing them whole,
// walking their sections, and reading their wide numbers.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ui_port.h"

namespace vis {

class StateBlock;

// Every update of the statistics, log and score files holds an advisory
// lock on this file (a FileLock), so that two programs sharing one DATA
// folder take turns instead of losing each other's results.
inline constexpr std::string_view kRecordLockFile = "DATA\\STAT.LCK";
std::filesystem::path RecordLockPath(const StateBlock& state);

// The first lines of a new statistics or hi-score file.
inline constexpr std::string_view kVersionedFileStart = "[Version]\r\nVersion=0300\r\n";

// Gives a missing or empty record file `initialContent` in one atomic step
// (creating its directory when needed), and ends an unfinished last line of
// an existing one. Throws FileError when it cannot.
void EnsureRecordFile(const std::filesystem::path& file, std::string_view initialContent);

// Replaces the whole file through a temporary file and a rename; failures
// are reported through `ui` and leave the old file as it was.
bool ReplaceRecordFile(UiPort& ui, const std::filesystem::path& file, std::string_view content);

// A signed decimal number with optional surrounding blanks, as wide as 64
// bits; empty for anything else (a row of "*" included).
std::optional<std::int64_t> ParseRecordNumber(std::string_view text);

// "[name]" on a line of its own opens a section.
std::optional<std::string_view> SectionHeaderName(std::string_view line);

// One section of a whole file read at once: its name and non-empty lines,
// up to the next line that starts with "[".
struct RecordSection {
    std::string name;
    std::vector<std::string> lines;
};
std::vector<RecordSection> ParseRecordSections(std::string_view text);

}  // namespace vis
