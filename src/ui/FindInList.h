#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QAbstractButton;
class QAbstractItemView;
class QLineEdit;

namespace dp {

class AppContext;

// "Trova" on a list: selects the next line that contains the typed key, lower-cased (ASCII
// letters only). A new key starts from the top and tests the first line; the same key again
// starts after the selected line. The walk wraps past the end and stops back at its start,
// which it tests last; without a match the selection stays. An empty key matches nothing.
// Enter in the key field moves to the button; it does not search.
//
// Works on any model through its display texts; a LineListModel is searched on its bytes,
// each line made in one reused buffer, so a walk through a million lines keeps nothing.
class FindInList final : public QObject {
    Q_OBJECT
  public:
    // How the empty list is reported: a plain message, or an information notice.
    enum class EmptyListReport { Message, Information };

    FindInList(AppContext& ctx, QAbstractItemView* list, QLineEdit* key, QAbstractButton* button,
               EmptyListReport report);

    // Each time the list screen is shown: forget the last key, empty the key field.
    void reset();
    // btnTrovaClick.
    void find();

    QString lastKey() const { return m_lastKey; }

    // The walk itself: the row that matches, or -1.
    static int walk(int count, int start, bool testStart, const std::function<bool(int)>& matches);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    AppContext& m_ctx;
    QPointer<QAbstractItemView> m_list;
    QPointer<QLineEdit> m_key;
    QPointer<QAbstractButton> m_button;
    EmptyListReport m_report;
    QString m_lastKey;
};

} // namespace dp
