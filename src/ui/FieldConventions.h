#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <span>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace dp {

// Keys refused by a field (its key-down filter).
enum class Filter {
    None,
    Digits,        // 0-9 only; Backspace, Delete, Left, Right pass; Tab, Home, End refused
    Amount,        // 0-9 and the comma, otherwise as Digits
    Refused,       // & / < > £ ° and the 44 accented letters are refused, all else passes
    RefusedButAmp, // as Refused, but "&" passes
};

// Rewrite of the text after every change made by typing.
enum class Rewrite { None, UpperTrim, Upper, Trim };

// Normalisation when the focus leaves the field.
enum class Normalise { None, Whole, Amount, UpperTrim, Trim };

// How one edit field behaves, declared once per field in a screen's table.
struct FieldConfig {
    const char* name;           // objectName of the QLineEdit (or editable QComboBox)
    int maxLength = 0;          // typing limit (0: none); text set by the program is not cut
    const char* next = nullptr; // Enter moves the focus to this control; null: Enter ignored
    Filter filter = Filter::None;
    Rewrite rewrite = Rewrite::None;
    Normalise normalise = Normalise::None;
    bool highlight = true; // creates the yellow rectangle "eff" + stem behind the field
};

// Hover hint of one control, shown in the screen's status line.
struct HintConfig {
    const char* name; // objectName of any widget
    const char* text;
};

// The shared behaviour of data-entry fields. One call per screen applies the table:
//   FieldConventions::apply(this, kFields);
// Fields not found by name are reported with qWarning and skipped.
class FieldConventions : public QObject {
    Q_OBJECT
  public:
    static FieldConventions* apply(QWidget* screen, std::span<const FieldConfig> fields);

    // Hints go to `status` when the mouse enters a listed control; moving over the screen's
    // background, panels, frames and undecorated labels empties it.
    static void applyHints(QWidget* screen, QLabel* status, std::span<const HintConfig> hints);

    // Single rules, also used by screens with their own handlers.
    static bool accepts(Filter filter, int key, const QString& typed);
    static QString rewrite(Rewrite rule, const QString& text);
    static QString normalise(Normalise rule, const QString& text);

    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Bound {
        QPointer<QLineEdit> edit;
        QPointer<QWidget> framed; // the field itself, or the combo box holding the line edit
        FieldConfig def;
        QPointer<QWidget> rect;
        QPointer<QWidget> next;
        // The same two objects for finding a field by identity alone: a typed guarded
        // pointer casts, which is not allowed on a field that is being destroyed.
        QPointer<QObject> editKey;
        QPointer<QObject> framedKey;
    };
    explicit FieldConventions(QWidget* screen);
    const Bound* find(QObject* o) const;
    void placeRect(const Bound& b) const;
    void leave(const Bound& b, QLineEdit* edit);

    QWidget* m_screen;
    std::vector<Bound> m_fields;
    QPointer<QObject> m_away; // the field a popup or another window took the focus from
};

} // namespace dp
