// Record files as a damaged or foreign disk could hold them: every field decoded, stored
// again and decoded to the same text; the journal and product archive scans and their list
// lines built from the same bytes.
#include "FuzzInput.h"

#include "storage/FixedText.h"
#include "storage/Layouts.h"
#include "storage/Record.h"
#include "summaries/InventoryList.h"
#include "summaries/MovementList.h"

#include <QFile>
#include <QTemporaryDir>

using namespace dp;

namespace {

void decodeEveryField(const QByteArray& content, const RecordLayout& layout) {
    const qsizetype n = content.size() / layout.size();
    QByteArray again(layout.size() + 1, '\0');
    for (qsizetype i = 0; i < n; ++i) {
        const RecordView view(layout, content.constData() + i * layout.size());
        for (int f = 0; f < layout.fieldCount(); ++f) {
            const QString t = view.text(f);
            fixedtext::store(again.data(), layout.width(f), t);
            fuzz::require(fixedtext::load(again.constData(), layout.width(f)) == t);
        }
    }
}

void write(const QString& path, const QByteArray& content) {
    QFile f(path);
    fuzz::require(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    fuzz::require(f.write(content) == content.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    const QByteArray content = fuzz::bytes(data, size);
    decodeEveryField(content, TMovimento);
    decodeEveryField(content, TSchedaProdotto);

    // The first bytes also choose the filter, so that filtered scans are reached.
    const QString filter = QString::fromLatin1(content.left(size ? data[0] % 4 : 0));
    const QString journal = dir.filePath(QStringLiteral("Operazioni_Carico.pro"));
    write(journal, content);
    const summaries::MovementLoad movements = summaries::loadMovements(
        summaries::kLoadSummary,
        {journal, filter, QStringLiteral("01/01/1900"), QStringLiteral("31/12/2999")});
    fuzz::require(!movements.accessFailed);
    fuzz::require(movements.lines.count() <= content.size() / TMovimento.size());
    for (qsizetype i = 0; i < movements.lines.count(); ++i)
        movements.lines.line(i);

    const QString products = dir.filePath(QStringLiteral("Magazzino.pro"));
    write(products, content);
    const summaries::InventoryLoad inventory = summaries::loadInventory(products, filter);
    fuzz::require(!inventory.accessFailed);
    fuzz::require(inventory.lines.count() <= content.size() / TSchedaProdotto.size());
    return 0;
}
