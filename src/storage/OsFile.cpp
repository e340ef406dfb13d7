#include "storage/OsFile.h"

#include <QFile>

#include <atomic>
#include <thread>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace dp::osfile {

namespace {

enum class Try { Locked, Conflict, Failed };

std::atomic<WaitHook> g_waitHook{nullptr};

#ifdef _WIN32

HANDLE handleOf(int fd) {
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

Try tryLock(int fd, LockMode mode) {
    OVERLAPPED at{};
    DWORD flags = LOCKFILE_FAIL_IMMEDIATELY;
    if (mode == LockMode::Exclusive)
        flags |= LOCKFILE_EXCLUSIVE_LOCK;
    if (LockFileEx(handleOf(fd), flags, 0, MAXDWORD, MAXDWORD, &at))
        return Try::Locked;
    const DWORD e = GetLastError();
    return e == ERROR_LOCK_VIOLATION || e == ERROR_IO_PENDING ? Try::Conflict : Try::Failed;
}

void releaseLock(int fd) {
    OVERLAPPED at{};
    UnlockFileEx(handleOf(fd), 0, MAXDWORD, MAXDWORD, &at);
}

#else

// Kernels before open file description locks: flock() also belongs to the opening, and
// Linux maps it onto byte-range locks on network file systems. Found out by whichever thread
// locks first (the reminder counts run beside the user-interface thread).
std::atomic<bool> useFlock{false};

Try tryFlock(int fd, LockMode mode) {
    if (::flock(fd, (mode == LockMode::Exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB) == 0)
        return Try::Locked;
    return errno == EWOULDBLOCK || errno == EINTR ? Try::Conflict : Try::Failed;
}

Try tryLock(int fd, LockMode mode) {
    if (useFlock)
        return tryFlock(fd, mode);
    struct flock whole {};
    whole.l_type = mode == LockMode::Exclusive ? F_WRLCK : F_RDLCK;
    whole.l_whence = SEEK_SET; // l_start = l_len = 0: the whole file, however long it grows
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0)
        return Try::Locked;
    if (errno == EACCES || errno == EAGAIN || errno == EINTR)
        return Try::Conflict;
    if (errno == EINVAL) {
        useFlock = true;
        return tryFlock(fd, mode);
    }
    return Try::Failed;
}

void releaseLock(int fd) {
    if (useFlock) {
        ::flock(fd, LOCK_UN);
        return;
    }
    struct flock whole {};
    whole.l_type = F_UNLCK;
    whole.l_whence = SEEK_SET;
    ::fcntl(fd, F_OFD_SETLK, &whole);
}

#endif

} // namespace

LockResult lock(int fd, LockMode mode, std::chrono::milliseconds wait) {
    // Polled rather than waited on, so that the wait has a limit on every platform; the
    // pause grows so that a long wait costs little and a short one is noticed quickly.
    using Clock = std::chrono::steady_clock;
    const auto until = Clock::now() + wait;
    auto pause = std::chrono::microseconds(500);
    const WaitHook hook = g_waitHook.load();
    bool waiting = false;
    const auto ended = [&](LockResult r) {
        if (waiting && hook)
            hook(false);
        return r;
    };
    for (;;) {
        switch (tryLock(fd, mode)) {
        case Try::Locked:
            return ended(LockResult::Locked);
        case Try::Failed:
            return ended(LockResult::Failed);
        case Try::Conflict:
            break;
        }
        if (Clock::now() >= until)
            return ended(LockResult::Busy);
        if (!waiting) {
            waiting = true;
            if (hook)
                hook(true);
        }
        std::this_thread::sleep_for(pause);
        pause = std::min<std::chrono::microseconds>(pause * 2, std::chrono::milliseconds(20));
    }
}

void unlock(int fd) {
    releaseLock(fd);
}

void setWaitHook(WaitHook hook) {
    g_waitHook = hook;
}

bool syncData(int fd) {
#ifdef _WIN32
    return FlushFileBuffers(handleOf(fd));
#else
    int r;
    do
        r = ::fdatasync(fd);
    while (r != 0 && errno == EINTR);
    return r == 0;
#endif
}

bool syncFolder(const QString& folder) {
#ifdef _WIN32
    Q_UNUSED(folder);
    return true;
#else
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL; // some file systems cannot sync folders
    ::close(fd);
    return ok;
#endif
}

} // namespace dp::osfile
