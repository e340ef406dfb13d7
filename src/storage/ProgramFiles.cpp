#include "storage/ProgramFiles.h"

namespace dp::programfiles {

bool isDataPath(QStringView rel) {
    if (rel.isEmpty() || rel.startsWith(QLatin1Char('/')) || rel.contains(QLatin1Char('\\')) ||
        rel.contains(QLatin1Char(':')))
        return false;
    const auto parts = rel.split(QLatin1Char('/'));
    for (QStringView p : parts)
        if (p.isEmpty() || p == QLatin1String(".") || p == QLatin1String(".."))
            return false;
    const Kind wanted = parts.size() == 1 ? Kind::File : Kind::Folder;
    for (const Entry& e : kData)
        if (e.kind == wanted && parts.front() == QLatin1String(e.name))
            return true;
    return false;
}

} // namespace dp::programfiles
