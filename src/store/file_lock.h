// Advisory locks between programs that share one DATA folder. The only file
// with locking calls; each system gets its own branch here.
#pragma once

#include <cstdio>
#include <filesystem>

namespace vis {

// Holds an exclusive advisory lock on `lockFile` (created when missing) from
// construction to destruction; while another program holds it, waits.
// Nested locks on the same file within this process are free, so a locked
// update may call another. When the lock file cannot be created (a folder
// that cannot be written) it goes on unlocked: the writes that follow fail
// and report on their own.
class FileLock {
public:
    explicit FileLock(const std::filesystem::path& lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return held_; }

private:
    std::filesystem::path key_;
    bool held_ = false;
};

// Takes an exclusive lock on an open file without waiting; false when
// another program holds one. The lock ends when the file is closed.
bool TryLockOpenFile(std::FILE* file);

}  // namespace vis
