#include "ui/HandBack.h"

#include "storage/RecordFile.h"

namespace dp {

void handBackAt(const QString& filePath, const RecordLayout& layout, qint64 position,
                RecordReceiver& receiver) {
    RecordFile file(filePath, layout, RecordFile::Lock::Shared);
    const Record record = file.read(position);
    file.close();
    receiver.showRecord(record, position);
}

} // namespace dp
