// Whole-file replacement that a crash cannot leave half done, and the few
// byte-level file operations built on it. The only file with calls that
// differ between operating systems.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vis {

namespace fs = std::filesystem;

// Opens a file with fopen-style `mode`, also for non-ASCII paths; null on failure.
std::FILE* OpenFile(const fs::path& file, const char* mode);

// Creates a new empty file named `prefix` + 4 hex digits + ".tmp" in `dir`
// and returns its path; empty when none could be created.
fs::path CreateUniqueFile(const fs::path& dir, std::string_view prefix);

// The whole file as bytes; empty text when it does not exist. Throws
// FileError("Cannot open file ...") when it exists but cannot be read.
std::string ReadWholeFile(const fs::path& file);
bool FileExists(const fs::path& file);

enum class ReplaceResult { kDone, kTempNotCreated, kWriteFailed, kRenameFailed };

struct ReplaceOutcome {
    ReplaceResult result = ReplaceResult::kDone;
    fs::path tempFile;  // the temporary file used (already removed)
};

// Writes `content` to a new temporary file "rpl....tmp" in the file's own
// directory, flushes it to disk and renames it over `file` in one step.
// On any failure the old file is left exactly as it was.
ReplaceOutcome ReplaceFileContent(const fs::path& file, std::string_view content);

// As ReplaceFileContent, for a file whose bytes [begin, end) become
// `bytes`; the rest is streamed from the old file. Throws FileError when the
// old file cannot be read.
ReplaceOutcome ReplaceFileRange(const fs::path& file, std::int64_t begin, std::int64_t end,
                                std::string_view bytes);

// Overwrites bytes at `offset` with one write call, so that a killed process
// leaves either all of them or none. False when the file cannot be written.
bool OverwriteBytes(const fs::path& file, std::int64_t offset, std::string_view bytes);

// Appends `bytes` with one write call, creating the file when needed. When
// only part of them could be written (a full disk), the file is cut back to
// its old length and the result is false.
bool AppendBytes(const fs::path& file, std::string_view bytes);

// Removes the temporary files ("rpl....tmp") in `dir` that a killed program
// left; those another program is writing at this moment stay. Returns how
// many were removed.
int RemoveStaleTempFiles(const fs::path& dir);

// `file` + `suffix` when no such file exists, else `file` + ".2" + `suffix`,
// ".3" and so on: a name that takes nothing from an older file.
fs::path FreeFileName(const fs::path& file, std::string_view suffix);

}  // namespace vis
