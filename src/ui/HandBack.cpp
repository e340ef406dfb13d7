#include "ui/HandBack.h"

#include "storage/RecordFile.h"
#include "storage/TextValues.h"

namespace dp {

bool handBackMatches(const QString& filePath, const RecordLayout& layout, const QString& picked,
                     const std::function<QString(const RecordView&)>& lineOf,
                     RecordReceiver& receiver) {
    const QString key = text::trim(picked);
    try {
        RecordFile file(filePath, layout, RecordFile::Lock::Shared);
        // Shown in file order, so that the last equal record is the one left on the sheet.
        file.scan([&](const RecordView& record, qint64 position) {
            if (text::trim(lineOf(record)) == key)
                receiver.showRecord(Record(layout, QByteArray(record.data(), layout.size())),
                                    position);
            return true;
        });
        file.close();
    } catch (const StorageError& e) {
        logStorageError(e);
        return false;
    }
    return true;
}

void handBackAt(const QString& filePath, const RecordLayout& layout, qint64 position,
                RecordReceiver& receiver) {
    RecordFile file(filePath, layout, RecordFile::Lock::Shared);
    const Record record = file.read(position);
    file.close();
    receiver.showRecord(record, position);
}

} // namespace dp
