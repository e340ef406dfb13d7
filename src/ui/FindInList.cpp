#include "ui/FindInList.h"
#include "ui/EnterChain.h"

#include "storage/TextRows.h"
#include "storage/TextValues.h"
#include "ui/AppContext.h"
#include "ui/LineListModel.h"
#include "ui/Platform.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>

namespace dp {

namespace {

const QString kEmptyList =
    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");

} // namespace

FindInList::FindInList(AppContext& ctx, QAbstractItemView* list, QLineEdit* key,
                       QAbstractButton* button, EmptyListReport report)
    : QObject(list), m_ctx(ctx), m_list(list), m_key(key), m_button(button), m_report(report) {
    if (m_button)
        connect(m_button, &QAbstractButton::clicked, this, [this] { find(); });
    if (m_key)
        m_key->installEventFilter(this);
}

void FindInList::reset() {
    m_lastKey.clear();
    if (m_key)
        m_key->clear();
}

bool FindInList::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == m_key) {
        const int k = static_cast<QKeyEvent*>(event)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            enterChainMoveTo(m_button);
            return true;
        }
    }
    return false;
}

int FindInList::walk(int count, int start, bool testStart,
                     const std::function<bool(int)>& matches) {
    if (count <= 0 || start < 0 || start >= count)
        return -1;
    if (testStart && matches(start))
        return start;
    for (int i = (start + 1) % count;; i = (i + 1) % count) {
        if (matches(i))
            return i;
        if (i == start)
            return -1;
    }
}

void FindInList::find() {
    if (!m_list || !m_list->model())
        return;
    QAbstractItemModel* model = m_list->model();
    const int count = model->rowCount();
    if (count == 0) {
        if (m_report == EmptyListReport::Message)
            m_ctx.platform().message(m_list->window(), kEmptyList);
        else
            m_ctx.platform().notice(m_list->window(), NoticeKind::Information, kEmptyList);
        return;
    }
    QItemSelectionModel* selection = m_list->selectionModel();
    auto select = [&](int row) {
        const QModelIndex index = model->index(row, 0);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        m_list->scrollTo(index);
    };
    int selected =
        selection->currentIndex().isValid() && selection->isSelected(selection->currentIndex())
            ? selection->currentIndex().row()
            : -1;
    if (selected < 0) {
        selected = 0;
        select(0);
    }

    const QString key = text::lowerAscii(m_key ? m_key->text() : QString());
    const bool newKey = key != m_lastKey;
    const int start = newKey ? 0 : selected;

    std::function<bool(int)> matches;
    ByteKey keyBytes;
    if (auto* lines = qobject_cast<LineListModel*>(model)) {
        // Each line is made in the model's one buffer and compared there; nothing is kept.
        keyBytes = byteKey(key);
        lines->startWalk();
        matches = [lines, &keyBytes](int row) { return lines->lineContains(row, keyBytes); };
    } else {
        matches = [&](int row) {
            return !key.isEmpty() &&
                   text::lowerAscii(model->index(row, 0).data().toString()).contains(key);
        };
    }
    const int found = walk(count, start, newKey, matches);
    if (found >= 0)
        select(found);
    m_lastKey = key;
}

} // namespace dp
