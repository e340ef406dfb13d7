#include "ui/ArchiveSheet.h"

#include "storage/Layouts.h"
#include "storage/RecordFile.h"
#include "ui/AppContext.h"
#include "ui/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace dp {

namespace {
const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");

QString stem(const FieldDef& f) {
    return QString::fromLatin1(f.name.data(), qsizetype(f.name.size()));
}
} // namespace

ArchiveSheet::ArchiveSheet(AppContext& ctx, QWidget* screen, const RecordLayout& layout,
                           QLabel* lblPosizione)
    : QObject(screen), m_ctx(ctx), m_screen(screen), m_layout(layout), m_position(lblPosizione) {}

QString ArchiveSheet::filePath() const {
    return m_ctx.path(m_layout.file());
}

qint64 ArchiveSheet::position() const {
    bool ok = false;
    const qint64 p = m_position->text().trimmed().toLongLong(&ok);
    return ok && p > 0 ? p : 0;
}

void ArchiveSheet::setPosition(qint64 position) {
    m_position->setText(position > 0 ? QString::number(position) : QString());
    if (position == 0)
        m_shown.clear();
    Q_EMIT positionChanged(position);
}

QWidget* ArchiveSheet::control(int field) const {
    const QString name = stem(m_layout.fields[field]);
    if (auto* e = m_screen->findChild<QLineEdit*>(QStringLiteral("txt") + name))
        return e;
    if (auto* p = m_screen->findChild<QPlainTextEdit*>(QStringLiteral("txt") + name))
        return p;
    if (auto* cb = m_screen->findChild<QComboBox*>(QStringLiteral("txt") + name))
        return cb;
    if (auto* c = m_screen->findChild<QCheckBox*>(QStringLiteral("chk") + name))
        return c;
    if (auto* l = m_screen->findChild<QLabel*>(QStringLiteral("lbl") + name))
        return l;
    // The field would be neither shown nor saved.
    qWarning("ArchiveSheet: no control for the field %s", qPrintable(name));
    return nullptr;
}

void ArchiveSheet::showField(int field, const QString& value) {
    QWidget* w = control(field);
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(value);
    } else if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        p->setPlainText(value);
    } else if (auto* cb = qobject_cast<QComboBox*>(w)) {
        cb->setEditText(value);
    } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
        // Anything but the two flag texts leaves the box as it was.
        if (value == kSi)
            c->setChecked(true);
        else if (value == kNo)
            c->setChecked(false);
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setText(value);
    }
}

void ArchiveSheet::showRecord(const Record& record, qint64 position) {
    for (int i = 0; i < m_layout.fieldCount(); ++i)
        showField(i, record.text(i));
    setPosition(position);
    m_shown = position > 0 ? record.bytes() : QByteArray();
    if (afterShow)
        afterShow(position);
}

Record ArchiveSheet::buildRecord() const {
    Record r(m_layout);
    for (int i = 0; i < m_layout.fieldCount(); ++i) {
        QWidget* w = control(i);
        if (auto* e = qobject_cast<QLineEdit*>(w))
            r.setText(i, e->text());
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            r.setText(i, p->toPlainText());
        else if (auto* cb = qobject_cast<QComboBox*>(w))
            r.setText(i, cb->currentText());
        else if (auto* c = qobject_cast<QCheckBox*>(w))
            r.setText(i, c->isChecked() ? kSi : kNo);
        else if (auto* l = qobject_cast<QLabel*>(w))
            r.setText(i, l->text());
    }
    return r;
}

void ArchiveSheet::clearAttachments() {
    for (const char* n :
         {"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"})
        if (auto* l = m_screen->findChild<QLabel*>(QLatin1String(n)))
            l->clear();
}

bool ArchiveSheet::beginDuplicate() {
    if (m_position->text().trimmed().isEmpty()) {
        m_ctx.platform().notice(
            m_screen, NoticeKind::Warning,
            QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo "
                           "che questa è stata inserita in archivio."));
        return false;
    }
    clearAttachments();
    setPosition(0);
    return true;
}

void ArchiveSheet::reportDuplicated() {
    m_ctx.platform().notice(
        m_screen, NoticeKind::Information,
        QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                       "\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."));
}

void ArchiveSheet::emptyArchive() {
    m_ctx.platform().notice(m_screen, NoticeKind::Information, kEmptyArchive);
}

void ArchiveSheet::browse(Step step) {
    try {
        qint64 target = 0;
        {
            RecordFile file(filePath(), m_layout, RecordFile::Lock::Shared);
            const qint64 count = file.count();
            const qint64 p = position();
            const bool atFirst = m_position->text() == QLatin1String("1");
            if (count == 0) {
                file.close();
                if (step == Step::Next)
                    setPosition(0);
                if (!(step == Step::Previous && atFirst))
                    emptyArchive();
                return;
            }
            switch (step) {
            case Step::First:
                target = 1;
                break;
            case Step::Last:
                target = count;
                break;
            case Step::Next:
                if (p >= count)
                    return; // at the end: nothing happens
                target = p + 1;
                break;
            case Step::Previous:
                if (atFirst)
                    return;
                target = (p == 0 || p == 2) ? 1 : p - 1;
                break;
            }
            const Record r = file.read(target);
            file.close();
            showRecord(r, target);
        }
    } catch (const StorageError& e) {
        reportArchiveError(m_ctx, m_screen, e);
    }
}

void ArchiveSheet::first() {
    browse(Step::First);
}
void ArchiveSheet::previous() {
    browse(Step::Previous);
}
void ArchiveSheet::next() {
    browse(Step::Next);
}
void ArchiveSheet::last() {
    browse(Step::Last);
}

ArchiveSheet::Saved ArchiveSheet::save() {
    try {
        const Record r = buildRecord();
        RecordFile file(filePath(), m_layout);
        const qint64 p = position();
        if (p == 0) {
            setPosition(file.append(r));
            m_shown = r.bytes();
            return Saved::Appended;
        }
        Record out = r;
        if (!m_shown.isEmpty()) {
            const Record stored = file.read(p);
            if (stored.bytes() != m_shown) {
                const Record shown(m_layout, m_shown);
                const std::optional<Record> merged = merge ? merge(stored, shown, r) : std::nullopt;
                if (!merged) {
                    const std::optional<Record> kept = keep ? keep(stored, shown, r) : std::nullopt;
                    if (kept)
                        file.rewrite(p, *kept);
                    file.close();
                    if (!kept) {
                        reportChangedElsewhere(m_ctx, m_screen);
                        return Saved::Failed;
                    }
                    // What the user sees next is what is stored, so nothing kept is added twice.
                    showRecord(*kept, p);
                    m_ctx.platform().notice(m_screen, NoticeKind::Warning, keptText);
                    return Saved::Failed;
                }
                out = *merged;
            }
        }
        setPosition(file.rewrite(p, out));
        m_shown = out.bytes();
        for (int i = 0; i < m_layout.fieldCount(); ++i)
            if (out.text(i) != r.text(i))
                showField(i, out.text(i));
        return Saved::Rewritten;
    } catch (const StorageError& e) {
        reportArchiveError(m_ctx, m_screen, e);
        return Saved::Failed;
    }
}

void ArchiveSheet::reportSaved(Saved outcome) {
    if (outcome == Saved::Appended)
        m_ctx.platform().notice(m_screen, NoticeKind::Information,
                                QStringLiteral("La scheda corrente è stata inserita in archivio."));
    else if (outcome == Saved::Rewritten)
        m_ctx.platform().notice(
            m_screen, NoticeKind::Information,
            QStringLiteral(
                "Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
}

} // namespace dp
