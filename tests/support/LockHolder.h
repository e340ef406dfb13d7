#pragma once

#include "storage/OsFile.h"
#include "storage/RecordFile.h"

#include <QFile>
#include <QString>

#include <chrono>
#include <stdexcept>

namespace dp::test {

// Another workstation keeping a file locked: an exclusive lock on an opening of its own, held
// until release() or the end of the scope. Meanwhile a wait for a lock lasts only `wait`.
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

  private:
    QFile m_file;
    std::chrono::milliseconds m_before;
};

} // namespace dp::test
