#include "storage/RecordFile.h"

namespace dp {

RecordFile::RecordFile(const QString& path, const RecordLayout& layout)
    : m_file(path), m_layout(layout) {
    // Read and write even for readers: a folder the user cannot write is reported at once.
    if (!m_file.open(QIODevice::ReadWrite))
        fail("open");
}

RecordFile::~RecordFile() {
    close();
}

void RecordFile::close() {
    if (m_file.isOpen())
        m_file.close();
}

void RecordFile::fail(const char* what) const {
    throw StorageError(QStringLiteral("%1 %2: %3")
                           .arg(QLatin1String(what), m_file.fileName(), m_file.errorString()));
}

qint64 RecordFile::count() const {
    return m_file.size() / m_layout.size();
}

void RecordFile::seekTo(qint64 index) {
    if (!m_file.seek(index * m_layout.size()))
        fail("seek");
}

qint64 RecordFile::readBlock(char* into, qint64 maxRecords) {
    const qint64 want = maxRecords * m_layout.size();
    qint64 got = 0;
    while (got < want) {
        const qint64 r = m_file.read(into + got, want - got);
        if (r < 0)
            fail("read");
        if (r == 0)
            break;
        got += r;
    }
    if (got != want)
        fail("read");
    return maxRecords;
}

Record RecordFile::read(qint64 position) {
    if (position < 1 || position > count())
        fail("read beyond the end");
    seekTo(position - 1);
    QByteArray bytes(m_layout.size(), Qt::Uninitialized);
    readBlock(bytes.data(), 1);
    return Record(m_layout, std::move(bytes));
}

qint64 RecordFile::rewrite(qint64 position, const Record& record) {
    if (position < 1 || position > count())
        fail("rewrite beyond the end");
    seekTo(position - 1);
    if (m_file.write(record.bytes()) != m_layout.size() || !m_file.flush())
        fail("write");
    return position;
}

qint64 RecordFile::append(const Record& record) {
    const qint64 n = count();
    seekTo(n);
    if (m_file.write(record.bytes()) != m_layout.size() || !m_file.flush())
        fail("write");
    return n + 1;
}

} // namespace dp
