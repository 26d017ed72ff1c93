// The record files' library: files of "[name]" sections and key=value lines
// ended by CR LF, worked on as bytes and offsets so that files of hundreds of
// sections are never loaded whole. Section headers and keys match exactly.
//
// Rewrites go through an "rpl" temporary file in the file's own directory
// and an atomic rename; single values of unchanged width are written in place.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/durable_file.h"
#include "store/file_feedback.h"

namespace vis {

struct KeyValue {
    std::string key;
    std::string value;
};
using KeyValues = std::vector<KeyValue>;

// Headers are searched in blocks of this size (each block is one system
// call, which dominates on smaller blocks); section content in blocks of 8192.
inline constexpr std::size_t kSectionSearchBlockSize = 65536;
inline constexpr std::size_t kSectionContentBlockSize = 8192;

// Byte offset of the "[" of the header "[name]", or empty. A header counts
// only at the start of a line and followed by a line end or the end of file.
std::optional<std::int64_t> FindSection(const std::filesystem::path& file, std::string_view name);

// The value of the key line of `section` (trailing blanks removed), or
// `fallback`. A key matches as a line prefix, a later line before the first.
std::string ReadKey(const std::filesystem::path& file, std::string_view section,
                    std::string_view key, std::string_view fallback);

// The values after the first "=" of several keys (prefix-matched, in line
// order); keys not found keep their defaults.
std::vector<std::string> ReadKeys(const std::filesystem::path& file, std::string_view section,
                                  const std::vector<std::string>& keys,
                                  const std::vector<std::string>& defaults);

std::vector<std::string> ListSections(const std::filesystem::path& file);
// Every non-empty line of the section, line ends removed.
std::vector<std::string> ReadSectionLines(const std::filesystem::path& file,
                                          std::string_view section);

// The operations below report their failures through `ui` with the
// library's messages and return false; the old file is then unchanged.

// Replaces the whole content of a section (appends it when missing).
bool RewriteSection(FileFeedback& ui, const std::filesystem::path& file, std::string_view section,
                    const KeyValues& pairs);
// Overwrites the section's lines byte for byte when the new lines have the
// width of the old ones; rewrites it otherwise; appends it when missing.
bool WriteSectionInPlace(FileFeedback& ui, const std::filesystem::path& file,
                         std::string_view section, const KeyValues& pairs);
// Sets one value: in place when the width is unchanged, else by a rewrite.
bool WriteKey(FileFeedback& ui, const std::filesystem::path& file, std::string_view section,
              std::string_view key, std::string_view value);
bool AppendSection(FileFeedback& ui, const std::filesystem::path& file, std::string_view section,
                   const KeyValues& pairs);
// In every line whose text at 1-based `column` equals `oldText`, replaces it
// by `newText` (the rest of the line moves when the lengths differ).
bool ReplaceInLines(FileFeedback& ui, const std::filesystem::path& file, int column,
                    std::string_view oldText, std::string_view newText);

// Passes every line (without its line end) to `change`, which returns true
// when it changed the line; the file is rewritten only when some line changed.
bool RewriteLines(FileFeedback& ui, const std::filesystem::path& file,
                  const std::function<bool(std::string& line)>& change);

// Reports a failed replacement with the library's messages; true when it
// succeeded.
bool ReportReplace(FileFeedback& ui, const std::filesystem::path& file,
                   const ReplaceOutcome& outcome);

// "Write error on file " + the file's path.
std::string WriteErrorMessage(const std::filesystem::path& file);

void EnsureFile(const std::filesystem::path& file);
// A new file starts with "[Version]" and "Version=0300".
void EnsureVersionedFile(const std::filesystem::path& file);

}  // namespace vis
