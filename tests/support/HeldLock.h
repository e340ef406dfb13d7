#pragma once

#include "storage/OsFile.h"

#include <QFile>
#include <QString>

#include <chrono>
#include <memory>
#include <thread>

namespace dp::test {

// Another program keeping a file locked: an opening of its own takes the exclusive lock at
// once and a thread of its own lets it go after `hold` (the locks belong to the opening, so
// this process's other openings wait for it as for another program's).
class HeldLock {
  public:
    HeldLock(const QString& path, std::chrono::milliseconds hold)
        : m_file(std::make_unique<QFile>(path)) {
        m_locked = m_file->open(QIODevice::ReadWrite) &&
                   osfile::lock(m_file->handle(), osfile::LockMode::Exclusive,
                                std::chrono::milliseconds(0)) == osfile::LockResult::Locked;
        m_release = std::thread([file = m_file.get(), hold] {
            std::this_thread::sleep_for(hold);
            file->close();
        });
    }
    ~HeldLock() { m_release.join(); }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

    bool locked() const { return m_locked; }

  private:
    std::unique_ptr<QFile> m_file;
    bool m_locked = false;
    std::thread m_release;
};

} // namespace dp::test
