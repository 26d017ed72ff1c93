#include "store/durable_file.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

#include "store/file_error.h"
#include "store/file_lock.h"

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

constexpr std::string_view kTempPrefix = "rpl";

FileHandle CreateTempFile(const fs::path& dir, fs::path& name) {
    FileHandle f = CreateUniqueNamedFile(dir, kTempPrefix, name);
    // Locked while it is written, so that a start-up of another program on
    // the same folder tells it from one a killed program left behind.
    if (f) TryLockOpenFile(f.get());
    return f;
}

// "rpl" + four hex digits + ".tmp", in any letter case.
bool IsTempFileName(const std::string& name) {
    constexpr std::size_t kLength = 11;
    if (name.size() != kLength) return false;
    auto lower = [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); };
    std::string folded;
    for (char c : name) folded += lower(c);
    if (folded.compare(0, 3, kTempPrefix) != 0 || folded.compare(7, 4, ".tmp") != 0) return false;
    return std::all_of(folded.begin() + 3, folded.begin() + 7,
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
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
    std::error_code ec;
    // The new file keeps the old one's permissions (a private 0600 stays so).
    const fs::file_status old = fs::status(file, ec);
    if (!ec && fs::is_regular_file(old))
        fs::permissions(outcome.tempFile, old.permissions(), fs::perm_options::replace, ec);
    const bool written = produce(temp.get());
    const bool synced = written && SyncToDisk(temp.get());
#ifdef _WIN32
    const bool closed = std::fclose(temp.release()) == 0;  // a file open here cannot be renamed
#else
    const bool closed = true;  // closed after the rename: locked until it has its name
#endif
    if (!written || !synced || !closed) {
        temp.reset();
        fs::remove(outcome.tempFile, ec);
        outcome.result = ReplaceResult::kWriteFailed;
        return outcome;
    }
    fs::rename(outcome.tempFile, file, ec);
    temp.reset();
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
    if (std::fseek(f.get(), 0, SEEK_END) != 0) return false;
    const long oldSize = std::ftell(f.get());
    if (std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size()) return true;
    // A full disk may take part of the bytes: cut them off again, so that no
    // half record stays at the end of the file.
    f.reset();
    std::error_code ec;
    if (oldSize >= 0) fs::resize_file(file, static_cast<std::uintmax_t>(oldSize), ec);
    return false;
}

int RemoveStaleTempFiles(const fs::path& dir) {
    int removed = 0;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!IsTempFileName(it->path().filename().string()) || !FileExists(it->path())) continue;
        FileHandle f = Open(it->path(), "rb");
        // One that another program is writing right now is locked.
        if (!f || !TryLockOpenFile(f.get())) continue;
        f.reset();
        std::error_code removeError;
        if (fs::remove(it->path(), removeError)) ++removed;
    }
    return removed;
}

fs::path FreeFileName(const fs::path& file, std::string_view suffix) {
    fs::path candidate = file;
    candidate += suffix;
    for (int n = 2; fs::exists(candidate); ++n) {
        candidate = file;
        candidate += "." + std::to_string(n) + std::string(suffix);
    }
    return candidate;
}

}  // namespace vis
