#pragma once

#include "app/HelpTopics.h"
#include "ui/FindInList.h"
#include "ui/Platform.h"
#include "ui/ToolDialog.h"

class QAbstractItemModel;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace dp {

class LineListModel;
class RecordReceiver;

// The list of every list screen: lstRecords over `model` (left with its owner), lines in
// "Courier New" so that padded columns line up, one item size, scroll bars shown. A line
// model gives its lines lineItemSize(view).
QListView* makeLineListView(QWidget* parent, QAbstractItemModel* model);
QSize lineItemSize(const QListView* view);

// What tells one list screen from another, besides its own head and foot rows.
struct ListConfig {
    const char* className;
    const char* caption;      // UTF-8; the heading band shows it without " Depotta - "
    const char* printCaption; // btnStampa
    HelpTopic help;           // imgGuida
    FindInList::EmptyListReport emptyFind;
};

// The list screens (inventory, movement summaries, the record lists): a heading band with
// the help picture, the rows the screen adds above and below the list, the list of text
// lines lstRecords, the find and print bar (lblRigo01, lblRigo02, txtTrova, btnTrova,
// btnStampa, btnEsci). Created anew by the screen that opens it and shown modally; the
// lines are loaded once, when shown, and dropped when the screen closes.
//
// A list that calls records up into a sheet is given the sheet as RecordReceiver: a double
// click on a line then runs pickLine with the selected row and closes the list.
class ListScreen : public ToolDialog {
    Q_OBJECT
  public:
    // A list over a LineListModel of its own, its lines sized for this list.
    ListScreen(AppContext& ctx, QWidget* owner, const ListConfig& config);
    // A list over another model, which the screen takes over.
    ListScreen(AppContext& ctx, QWidget* owner, const ListConfig& config,
               QAbstractItemModel* model);

    QListView* list() const { return m_list; }
    // The screen's own line model; null for a list over another model.
    LineListModel* model() const { return m_lines; }
    void setReceiver(RecordReceiver* receiver) { m_receiver = receiver; }

  public Q_SLOTS:
    virtual void btnStampaClick() = 0;
    void btnEsciClick();

  protected:
    // Loads the lines; runs each time the screen is shown, after the find is reset.
    virtual void FormShow() = 0;
    // Drops the lines when the screen closes.
    virtual void FormClose() {}
    // A double click on `row` (a line is selected): hand the record(s) to `receiver`.
    virtual void pickLine(int row, RecordReceiver& receiver);

    // Rows of the screen's own, between the heading band and the list, and between the list
    // and the find bar; and the bottom line, under the find bar.
    QVBoxLayout* headRows() const { return m_head; }
    QVBoxLayout* footRows() const { return m_foot; }
    QVBoxLayout* bottomRows() const { return m_bottom; }
    // A label of this screen; a value (shown in bold) or a caption.
    QLabel* addLabel(const char* name, const QString& text, bool value = false);
    // For a screen whose help lives in another topic than its kind's.
    void setHelp(HelpTopic help);

    // Told once the list is on screen, so that the user sees what the notice is about:
    // that the archive is busy on another workstation, the archive error when it could not
    // be read otherwise, else `stopText`.
    void reportIncomplete(bool accessFailed, const QString& stopText, bool busy = false);
    // Before a print, which must never print blank lines for rows it could not read: whether
    // every line of the screen's model can be read now, walked afresh. If not, the notice
    // is shown at once.
    bool linesReadable();
    // After a walk begun with model()->startWalk(): whether some line could not be read;
    // then the notice is shown at once.
    bool refuseUnreadable();

    void showEvent(QShowEvent* event) override;
    void done(int result) override;

  private:
    void lstRecordsDblClick();

    FindInList* m_find = nullptr;
    QListView* m_list = nullptr;
    LineListModel* m_lines = nullptr;
    QLineEdit* m_trova = nullptr;
    QVBoxLayout* m_head = nullptr;
    QVBoxLayout* m_foot = nullptr;
    QVBoxLayout* m_bottom = nullptr;
    RecordReceiver* m_receiver = nullptr;
    QToolButton* m_guida = nullptr;
    HelpTopic m_help = HelpTopic::Generale;
};

} // namespace dp
