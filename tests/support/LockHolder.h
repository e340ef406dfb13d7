#pragma once

#include "storage/OsFile.h"
#include "storage/RecordFile.h"

#include <QFile>
#include <QString>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace dp::test {

// Another workstation keeping a file locked: an exclusive lock on an opening of its own, held
// until release(), the end of the scope, or the time given to releaseAfter(), whose thread lets
// it go while this one waits (the locks belong to the opening, so this process's other
// openings wait for it as for another program's). Meanwhile a wait for a lock lasts `wait`.
class LockHolder {
  public:
    explicit LockHolder(const QString& path,
                        std::chrono::milliseconds wait = std::chrono::milliseconds(50))
        : m_file(path), m_before(RecordFile::lockWait()) {
        if (!m_file.open(QIODevice::ReadWrite) ||
            osfile::lock(m_file.handle(), osfile::LockMode::Exclusive,
                         std::chrono::milliseconds(0)) != osfile::LockResult::Locked)
            throw std::runtime_error("the test could not lock the file");
        RecordFile::setLockWait(wait);
    }
    ~LockHolder() {
        if (m_releaser.joinable())
            m_releaser.join();
        release();
        RecordFile::setLockWait(m_before);
    }
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;

    int handle() const { return m_file.handle(); }
    void release() {
        if (m_file.isOpen())
            osfile::unlock(m_file.handle());
        m_file.close();
    }

    void releaseAfter(std::chrono::milliseconds hold) {
        m_releaser = std::thread([this, hold] {
            std::this_thread::sleep_for(hold);
            release();
        });
    }

  private:
    QFile m_file;
    std::chrono::milliseconds m_before;
    std::thread m_releaser;
};

} // namespace dp::test
