#include "store/file_lock.h"

#include <map>
#include <mutex>
#include <string>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace vis {

namespace {

#ifdef _WIN32
using NativeHandle = HANDLE;
const NativeHandle kNoHandle = INVALID_HANDLE_VALUE;

NativeHandle OpenAndLock(const std::filesystem::path& file) {
    const HANDLE h = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return kNoHandle;
    OVERLAPPED whole{};
    if (!LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
        CloseHandle(h);
        return kNoHandle;
    }
    return h;
}

void UnlockAndClose(NativeHandle h) {
    OVERLAPPED whole{};
    UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &whole);
    CloseHandle(h);
}
#else
using NativeHandle = int;
constexpr NativeHandle kNoHandle = -1;

NativeHandle OpenAndLock(const std::filesystem::path& file) {
    int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);  // a lock file made read-only
    if (fd < 0) return kNoHandle;
    int locked = 0;
    while ((locked = flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
    }
    if (locked != 0) {
        close(fd);
        return kNoHandle;
    }
    return fd;
}

void UnlockAndClose(NativeHandle fd) {
    flock(fd, LOCK_UN);
    close(fd);
}
#endif

// The locks this process holds, by file, with their nesting depth. A second
// lock of the same file would otherwise wait for this very process.
struct HeldLock {
    NativeHandle handle = kNoHandle;
    int depth = 0;
};

std::mutex& RegistryMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, HeldLock>& Registry() {
    static std::map<std::string, HeldLock> locks;
    return locks;
}

std::filesystem::path KeyOf(const std::filesystem::path& file) {
    std::error_code ec;
    const auto absolute = std::filesystem::absolute(file, ec);
    return (ec ? file : absolute).lexically_normal();
}

}  // namespace

FileLock::FileLock(const std::filesystem::path& lockFile) : key_(KeyOf(lockFile)) {
    const std::lock_guard guard(RegistryMutex());
    HeldLock& lock = Registry()[key_.string()];
    if (lock.depth == 0) lock.handle = OpenAndLock(key_);
    if (lock.handle == kNoHandle) {
        Registry().erase(key_.string());
        return;
    }
    ++lock.depth;
    held_ = true;
}

FileLock::~FileLock() {
    if (!held_) return;
    const std::lock_guard guard(RegistryMutex());
    const auto it = Registry().find(key_.string());
    if (it == Registry().end() || --it->second.depth > 0) return;
    UnlockAndClose(it->second.handle);
    Registry().erase(it);
}

bool TryLockOpenFile(std::FILE* file) {
#ifdef _WIN32
    const auto h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    OVERLAPPED whole{};
    return LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD, MAXDWORD,
                      &whole) != 0;
#else
    return flock(fileno(file), LOCK_EX | LOCK_NB) == 0;
#endif
}

}  // namespace vis
