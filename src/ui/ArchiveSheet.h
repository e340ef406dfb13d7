#pragma once

#include "storage/Record.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QWidget;

namespace dp {

class AppContext;

// What the product, customer and supplier sheets share: the controls bound to the record's
// fields by their stem (txtCodice <-> Codice, chkPagato <-> Pagato, lblFile01 <-> File01),
// the archive position in lblPosizione, browsing and saving.
class ArchiveSheet : public QObject {
    Q_OBJECT
  public:
    enum class Saved { Appended, Rewritten, Failed };

    ArchiveSheet(AppContext& ctx, QWidget* screen, const RecordLayout& layout,
                 QLabel* lblPosizione);

    QString filePath() const;
    // The position on display; 0 for a new sheet.
    qint64 position() const;
    void setPosition(qint64 position); // 0 empties the label

    // The one way a record reaches the sheet: browsing, searches and lists all come here.
    void showRecord(const Record& record, qint64 position);
    Record buildRecord() const;
    // Runs after every record shown (the product sheet loads its photo).
    std::function<void(qint64 position)> afterShow;

    void first();
    void previous();
    void next();
    void last();

    // Appends a new sheet or rewrites the stored one, and sets the position. A failure is
    // reported with the archive error and changes nothing. Another workstation may have
    // changed the stored record since this sheet showed it (or last saved it): the rewrite
    // compares the two under the exclusive lock and, when they differ, refuses with its
    // message and writes nothing, unless merge gives the record to write instead; the
    // fields in which that record differs from the sheet are then shown. A refused save
    // still writes what keep gives, under the same lock, then shows that record and tells
    // so with keptText (and returns Failed: the sheet as such was not saved). The caller
    // reports success with reportSaved once its own after-save steps are done.
    Saved save();
    void reportSaved(Saved outcome);
    using Reconcile = std::function<std::optional<Record>(const Record& stored, const Record& shown,
                                                          const Record& built)>;
    Reconcile merge;
    Reconcile keep;
    QString keptText;

    // Duplica: refused with its warning on a sheet not yet in the archive; otherwise the
    // sheet keeps its data but loses its attachments and its position, so that the next
    // save appends it as a new record. reportDuplicated tells the user what to do next.
    bool beginDuplicate();
    void reportDuplicated();

    // Empties the six attachment labels.
    void clearAttachments();

  Q_SIGNALS:
    void positionChanged(qint64 position);

  private:
    enum class Step { First, Previous, Next, Last };
    void browse(Step step);
    // The control bound to a record field; a field without one is a qWarning.
    QWidget* control(int field) const;
    void showField(int field, const QString& value);
    void emptyArchive();

    AppContext& m_ctx;
    QWidget* m_screen;
    const RecordLayout& m_layout;
    QLabel* m_position;
    QByteArray m_shown; // the stored bytes of the record on display; empty for a new sheet
};

} // namespace dp
