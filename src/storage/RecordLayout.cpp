#include "storage/RecordLayout.h"

namespace dp {

int RecordLayout::indexOf(QStringView name) const {
    for (int i = 0; i < fieldCount(); ++i) {
        const auto n = fields[i].name;
        if (name == QLatin1StringView(n.data(), qsizetype(n.size())))
            return i;
    }
    return -1;
}

} // namespace dp
