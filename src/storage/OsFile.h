#pragma once

#include <QString>

#include <chrono>

namespace dp::osfile {

// Whole-file byte-range locks on an open descriptor (QFile::handle()). On Linux they are
// open file description locks: held by this one opening of the file, so that another
// action's QFile on the same file, even in this process, neither shares nor drops them, and
// passed on to the file server by the usual network file systems. LockFileEx on Windows.
// A lock is released by unlock() or by closing the descriptor.
enum class LockMode { Shared, Exclusive };
enum class LockResult {
    Locked,
    Busy,   // another holder kept a conflicting lock for the whole wait
    Failed, // the file system refused locking itself
};
LockResult lock(int fd, LockMode mode, std::chrono::milliseconds wait);
void unlock(int fd);

// Told on the waiting thread when lock() begins to wait (its first try met another holder's
// lock) and when that wait ends, however it ends, so that the user interface can show that
// an action waits without each screen doing so. Process-wide; any thread may set it, nullptr
// for none.
using WaitHook = void (*)(bool waiting);
void setWaitHook(WaitHook hook);

// Forces the file's written bytes to the disk; false on an input/output error.
bool syncData(int fd);
// Makes a created or renamed entry of the folder durable (a no-op where folders cannot be
// synced, as on Windows, whose rename is write-through).
bool syncFolder(const QString& folder);

} // namespace dp::osfile
