#include "store/durable_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

#include "store/file_error.h"

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vis {

namespace {

constexpr int kTempNameAttempts = 64;

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

FileHandle Open(const fs::path& file, const char* mode) {
    return FileHandle(OpenFile(file, mode));
}

// Pushes the file's data to the disk, not only to the system's cache.
bool SyncToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#ifdef _WIN32
    return _commit(_fileno(f)) == 0;
#else
    return fsync(fileno(f)) == 0;
#endif
}

// Makes a rename inside `dir` durable as well.
void SyncDirectory([[maybe_unused]] const fs::path& dir) {
#ifndef _WIN32
    const int fd = open(dir.empty() ? "." : dir.c_str(), O_RDONLY);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
#endif
}

// Creates a new, unique `prefix` + "XXXX.tmp" file in `dir`, opened for writing.
FileHandle CreateUniqueNamedFile(const fs::path& dir, std::string_view prefix, fs::path& name) {
    static std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<unsigned> hex(0, 0xFFFF);
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        char stem[16];
        std::snprintf(stem, sizeof stem, "%04X.tmp", hex(generator));
        name = dir / (std::string(prefix) + stem);
        // "x": fail instead of reusing a file that already exists.
        if (FileHandle f = Open(name, "wbx")) return f;
        std::error_code ec;
        if (!fs::exists(dir.empty() ? fs::path(".") : dir, ec)) break;
    }
    name.clear();
    return nullptr;
}

FileHandle CreateTempFile(const fs::path& dir, fs::path& name) {
    return CreateUniqueNamedFile(dir, "rpl", name);
}

}  // namespace

std::FILE* OpenFile(const fs::path& file, const char* mode) {
#ifdef _WIN32
    std::wstring wmode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(file.c_str(), wmode.c_str());
#else
    return std::fopen(file.c_str(), mode);
#endif
}

fs::path CreateUniqueFile(const fs::path& dir, std::string_view prefix) {
    fs::path name;
    CreateUniqueNamedFile(dir, prefix, name);
    return name;
}

bool FileExists(const fs::path& file) {
    std::error_code ec;
    return fs::is_regular_file(file, ec);
}

std::string ReadWholeFile(const fs::path& file) {
    if (!FileExists(file)) return {};
    FileHandle f = Open(file, "rb");
    if (!f) throw FileError("Cannot open file " + file.string());
    std::string content;
    char buffer[8192];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f.get())) > 0) content.append(buffer, n);
    if (std::ferror(f.get())) throw FileError("Cannot open file " + file.string());
    return content;
}

namespace {

// Writes the new content through `produce` into a temporary file beside
// `file`, pushes it to disk and renames it over `file`.
ReplaceOutcome ReplaceThroughTemp(const fs::path& file,
                                  const std::function<bool(std::FILE*)>& produce) {
    ReplaceOutcome outcome;
    const fs::path dir = file.parent_path();
    FileHandle temp = CreateTempFile(dir, outcome.tempFile);
    if (!temp) {
        outcome.result = ReplaceResult::kTempNotCreated;
        return outcome;
    }
    const bool written = produce(temp.get());
    const bool synced = written && SyncToDisk(temp.get());
    const bool closed = std::fclose(temp.release()) == 0;
    std::error_code ec;
    if (!written || !synced || !closed) {
        fs::remove(outcome.tempFile, ec);
        outcome.result = ReplaceResult::kWriteFailed;
        return outcome;
    }
    fs::rename(outcome.tempFile, file, ec);
    if (ec) {
        fs::remove(outcome.tempFile, ec);
        outcome.result = ReplaceResult::kRenameFailed;
        return outcome;
    }
    SyncDirectory(dir);
    return outcome;
}

bool WriteAll(std::FILE* f, std::string_view bytes) {
    return std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
}

// Copies `count` bytes (all that is left when negative) from `in` to `out`.
bool CopyBytes(std::FILE* in, std::FILE* out, std::int64_t count) {
    char buffer[65536];
    while (count != 0) {
        const std::size_t want =
            count < 0 ? sizeof buffer
                      : static_cast<std::size_t>(std::min<std::int64_t>(count, sizeof buffer));
        const std::size_t got = std::fread(buffer, 1, want, in);
        if (got == 0) return !std::ferror(in) && count < 0;
        if (std::fwrite(buffer, 1, got, out) != got) return false;
        if (count > 0) count -= static_cast<std::int64_t>(got);
    }
    return true;
}

}  // namespace

ReplaceOutcome ReplaceFileContent(const fs::path& file, std::string_view content) {
    return ReplaceThroughTemp(file, [&](std::FILE* out) { return WriteAll(out, content); });
}

ReplaceOutcome ReplaceFileRange(const fs::path& file, std::int64_t begin, std::int64_t end,
                                std::string_view bytes) {
    FileHandle in = Open(file, "rb");
    if (!in) throw FileError("Cannot open file " + file.string());
    return ReplaceThroughTemp(file, [&](std::FILE* out) {
        if (!CopyBytes(in.get(), out, begin) || !WriteAll(out, bytes)) return false;
        if (std::fseek(in.get(), static_cast<long>(end), SEEK_SET) != 0) return false;
        const bool copied = CopyBytes(in.get(), out, -1);
        in.reset();  // some systems refuse to rename over an open file
        return copied;
    });
}

bool OverwriteBytes(const fs::path& file, std::int64_t offset, std::string_view bytes) {
    FileHandle f = Open(file, "r+b");
    if (!f) return false;
    std::setvbuf(f.get(), nullptr, _IONBF, 0);  // one write call for the whole run
    if (std::fseek(f.get(), static_cast<long>(offset), SEEK_SET) != 0) return false;
    return std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
}

bool AppendBytes(const fs::path& file, std::string_view bytes) {
    FileHandle f = Open(file, "ab");
    if (!f) return false;
    std::setvbuf(f.get(), nullptr, _IONBF, 0);
    return std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size();
}

}  // namespace vis
