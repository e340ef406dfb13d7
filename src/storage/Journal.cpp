#include "storage/Journal.h"

#include "storage/Layouts.h"
#include "storage/ProgramFiles.h"
#include "storage/RecordFile.h"

namespace dp {

Journal::Journal(const QString& programDir, MovementKind kind)
    : m_path(programDir + fileName(kind)), m_kind(kind) {}

QString Journal::fileName(MovementKind kind) {
    return programfiles::name(kind == MovementKind::Load ? programfiles::kLoadJournal
                                                         : programfiles::kUnloadJournal);
}

qint64 Journal::append(const Record& movement) const {
    if (movement.layout().size() != TMovimento.size())
        throw StorageError(QStringLiteral("not a movement record"));
    RecordFile file(m_path, TMovimento);
    const qint64 position = file.append(movement);
    file.close();
    return position;
}

} // namespace dp
