#pragma once

#include "storage/Layouts.h"
#include "storage/Record.h"

#include <QString>

#include <optional>

// The records the archive worker writes, and how the tests recognise them intact. Every
// field is derived from (writer or position, seq), so a record mixed from two writes or cut
// short does not parse back.
namespace dp::worker {

inline constexpr int kProducts = 4;

// The product a churn step of even seq rewrites.
inline qint64 churnTarget(int seq) {
    return 1 + (seq / 2) % kProducts;
}

inline QString pattern(int a, int seq, int width) {
    const QString unit = QStringLiteral("%1-%2/").arg(a).arg(seq);
    return unit.repeated(width / int(unit.size()) + 1).left(width);
}

inline Record movement(int writer, int seq) {
    using namespace Movimento;
    Record r(TMovimento);
    r.setText(Codice, QStringLiteral("W%1").arg(writer));
    r.setText(Aggiunta, QString::number(seq));
    r.setText(Nome, pattern(writer, seq, TMovimento.width(Nome)));
    r.setText(Note, pattern(writer, seq, TMovimento.width(Note)));
    return r;
}

inline Record product(qint64 position, int seq) {
    using namespace Prodotto;
    Record r(TSchedaProdotto);
    r.setText(Codice, QStringLiteral("P%1").arg(position));
    r.setText(Giacenza, QString::number(seq % 10000));
    r.setText(Note, pattern(int(position), seq, TSchedaProdotto.width(Note)));
    r.setText(Desc03, pattern(int(position), seq, TSchedaProdotto.width(Desc03)));
    return r;
}

struct Written {
    int owner; // writer, or product position
    int seq;
};

// The (writer, seq) of an intact movement, nullopt for anything else.
inline std::optional<Written> readMovement(const RecordView& v) {
    using namespace Movimento;
    const QString code = v.text(Codice);
    bool ok1 = false, ok2 = false;
    const int writer = code.mid(1).toInt(&ok1);
    const int seq = v.text(Aggiunta).toInt(&ok2);
    if (!code.startsWith(u'W') || !ok1 || !ok2 ||
        v.text(Nome) != pattern(writer, seq, TMovimento.width(Nome)) ||
        v.text(Note) != pattern(writer, seq, TMovimento.width(Note)))
        return std::nullopt;
    return Written{writer, seq};
}

// The seq of an intact product written for that position (0 for the seed), else nullopt.
inline std::optional<int> readProduct(const RecordView& v, qint64 position) {
    using namespace Prodotto;
    const QString note = v.text(Note);
    const qsizetype dash = note.indexOf(u'-'), slash = note.indexOf(u'/');
    bool ok = false;
    const int seq = note.mid(dash + 1, slash - dash - 1).toInt(&ok);
    if (!ok || v.text(Codice) != QStringLiteral("P%1").arg(position) ||
        note != pattern(int(position), seq, TSchedaProdotto.width(Note)) ||
        v.text(Desc03) != pattern(int(position), seq, TSchedaProdotto.width(Desc03)))
        return std::nullopt;
    return seq;
}

} // namespace dp::worker
