#pragma once

#include <QString>
#include <QStringView>

#include <span>
#include <string_view>

namespace dp {

// One fixed text field: a length byte followed by `width` bytes.
struct FieldDef {
    std::string_view name;
    int width;
};

// A record layout is a table of fields; offsets and the record size follow from it.
struct RecordLayout {
    std::string_view typeName;
    std::string_view fileName;
    std::span<const FieldDef> fields;

    constexpr int size() const {
        int s = 0;
        for (const auto& f : fields)
            s += f.width + 1;
        return s;
    }
    constexpr int offset(int field) const {
        int o = 0;
        for (int i = 0; i < field; ++i)
            o += fields[i].width + 1;
        return o;
    }
    constexpr int width(int field) const { return fields[field].width; }
    constexpr int fieldCount() const { return int(fields.size()); }
    // -1 when the layout has no field of that name.
    int indexOf(QStringView name) const;
    QString file() const {
        return QString::fromLatin1(fileName.data(), qsizetype(fileName.size()));
    }
};

} // namespace dp
