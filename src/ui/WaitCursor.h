#pragma once

// The wait cursor while a user action waits for an archive that another workstation keeps
// locked (up to RecordFile::lockWait()), so that the screen does not seem frozen. Every
// action that waits shows it through storage's lock-wait hook, without code of its own.
namespace dp::waitcursor {

// Installs onLockWait() as storage's lock-wait hook; once, at start-up.
void install();

// On the user-interface thread, sets the wait cursor when a wait begins and restores the
// cursor when it ends; on any other thread (the reminder counts) does nothing.
void onLockWait(bool waiting);

} // namespace dp::waitcursor
