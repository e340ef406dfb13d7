#pragma once

#include "storage/Record.h"

#include <QString>

#include <array>
#include <optional>

namespace dp {

// How a tool screen hands data back to the screen that opened it. The tool never looks its
// opener up, nor searches it for a field; the opener writes its own fields:
//  - a modal tool that closes with one result offers it as a typed getter, read by the
//    opener once exec() returned QDialog::Accepted (TfrmCalendario::selectedDate(),
//    TfrmGiacenza::newStock());
//  - a tool that writes records into its opener as one of its own steps (the picks of the
//    lists and searches) is handed a RecordReceiver by the opener;
//  - a tool that edits a part of the opener's sheet is given that part as a value and
//    returns it changed (TfrmAllegaCartella::editSlots with AttachmentSlots).
// The hidden lblMemory tags tell a tool who opened it; they do not decide where data goes.
class RecordReceiver {
  public:
    // The one way a record reaches an archive sheet: fields, flags, slots, lblPosizione.
    virtual void showRecord(const Record& record, qint64 position) = 0;

  protected:
    ~RecordReceiver() = default;
};

// The attachment slots of an archive sheet, as its hidden labels lblFile01..lblDesc03 hold
// them: the bare names of up to three files and their descriptions.
struct AttachmentSlots {
    std::array<QString, 3> files;
    std::array<QString, 3> descs;
    friend bool operator==(const AttachmentSlots&, const AttachmentSlots&) = default;
};

// Keeps the record picked in a list opened away from its receiving sheet, so that the sheet
// can be brought up and given it once the list has closed.
class PickedRecord final : public RecordReceiver {
  public:
    void showRecord(const Record& record, qint64 position) override {
        m_record = record;
        m_position = position;
    }
    bool picked() const { return m_record.has_value(); }
    void handTo(RecordReceiver& receiver) const {
        if (m_record)
            receiver.showRecord(*m_record, m_position);
    }

  private:
    std::optional<Record> m_record;
    qint64 m_position = 0;
};

// Hands the record at `position` to `receiver`. Throws StorageError (ArchiveBusy when
// another workstation keeps the file locked) when it cannot be read; nothing is handed then.
void handBackAt(const QString& filePath, const RecordLayout& layout, qint64 position,
                RecordReceiver& receiver);

} // namespace dp
