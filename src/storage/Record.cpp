#include "storage/Record.h"

#include "storage/FixedText.h"

#include <stdexcept>

namespace dp {

QString RecordView::text(int field) const {
    return fixedtext::load(m_data + m_layout->offset(field), m_layout->width(field));
}

Record::Record(const RecordLayout& layout) : m_layout(&layout), m_bytes(layout.size(), '\0') {}

Record::Record(const RecordLayout& layout, QByteArray bytes)
    : m_layout(&layout), m_bytes(std::move(bytes)) {
    if (m_bytes.size() != layout.size())
        throw std::invalid_argument("record of the wrong size");
}

QString Record::text(int field) const {
    return view().text(field);
}

void Record::setText(int field, QStringView value) {
    fixedtext::store(m_bytes.data() + m_layout->offset(field), m_layout->width(field), value);
}

QString Record::text(QStringView name) const {
    const int i = m_layout->indexOf(name);
    return i < 0 ? QString() : text(i);
}

void Record::setText(QStringView name, QStringView value) {
    const int i = m_layout->indexOf(name);
    if (i >= 0)
        setText(i, value);
}

} // namespace dp
