#pragma once

#include "storage/RecordLayout.h"

#include <QByteArray>
#include <QString>

namespace dp {

// A view on one record's bytes; used by scans so that no copy is made per record.
class RecordView {
  public:
    RecordView(const RecordLayout& layout, const char* data) : m_layout(&layout), m_data(data) {}
    QString text(int field) const;
    const char* data() const { return m_data; }
    const RecordLayout& layout() const { return *m_layout; }

  private:
    const RecordLayout* m_layout;
    const char* m_data;
};

// One record held in memory: every field empty (length 0) when created.
class Record {
  public:
    explicit Record(const RecordLayout& layout);
    Record(const RecordLayout& layout, QByteArray bytes); // bytes must be layout.size() long

    const RecordLayout& layout() const { return *m_layout; }
    QString text(int field) const;
    void setText(int field, QStringView value);
    // Access by field name, for screens that bind controls by their stem.
    QString text(QStringView name) const;
    void setText(QStringView name, QStringView value);

    const QByteArray& bytes() const { return m_bytes; }
    RecordView view() const { return {*m_layout, m_bytes.constData()}; }

  private:
    const RecordLayout* m_layout;
    QByteArray m_bytes;
};

} // namespace dp
