#include "ui/FieldConventions.h"

#include "storage/TextValues.h"
#include "ui/EnterChain.h"
#include "ui/Style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace dp {

namespace {

const char* const kHintProperty = "dpHint";

// The 50 characters the refused set keeps out: & / < > £ ° and 44 accented letters.
bool inRefusedSet(char16_t c) {
    static const QString set = QStringLiteral(
        "&/<>\u00A3\u00B0"
        "\u00C0\u00C1\u00C2\u00C4\u00C7\u00C8\u00C9\u00CA\u00CB\u00CC\u00CD\u00CE\u00CF\u00D1"
        "\u00D2\u00D3\u00D4\u00D6\u00D9\u00DA\u00DB\u00DC"
        "\u00E0\u00E1\u00E2\u00E4\u00E7\u00E8\u00E9\u00EA\u00EB\u00EC\u00ED\u00EE\u00EF\u00F1"
        "\u00F2\u00F3\u00F4\u00F6\u00F9\u00FA\u00FB\u00FC");
    return set.contains(QChar(c));
}

bool alwaysPasses(int key) {
    return key == Qt::Key_Backspace || key == Qt::Key_Delete || key == Qt::Key_Left ||
           key == Qt::Key_Right;
}

bool isReturn(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool reallyLeaves(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

QString stemOf(const QString& name) {
    return name.startsWith(QLatin1String("txt")) ? name.mid(3) : name;
}

// Widgets that count as the screen's background for the hover hints.
bool isBackground(QWidget* w) {
    if (w->property(kHintProperty).isValid())
        return false;
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractButton*>(w))
        return false;
    return qobject_cast<QFrame*>(w) || qobject_cast<QGroupBox*>(w) ||
           w->metaObject() == &QWidget::staticMetaObject || w->isWindow();
}

class HintFilter final : public QObject {
  public:
    HintFilter(QObject* parent, QLabel* status) : QObject(parent), m_status(status) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        // Destroy comes from a widget already half destroyed (the label itself, maybe):
        // nothing of it may be touched, not even through a guarded pointer.
        if (e->type() == QEvent::Destroy || !m_status)
            return false;
        auto* w = qobject_cast<QWidget*>(o);
        if (!w)
            return false;
        const QVariant hint = w->property(kHintProperty);
        if (e->type() == QEvent::Enter && hint.isValid()) {
            m_status->setText(hint.toString());
        } else if ((e->type() == QEvent::MouseMove || e->type() == QEvent::Enter) &&
                   !hint.isValid() && isBackground(w)) {
            if (!m_status->text().isEmpty())
                m_status->setText(QString());
        }
        return false;
    }

  private:
    QPointer<QLabel> m_status;
};

} // namespace

FieldConventions::FieldConventions(QWidget* screen) : QObject(screen), m_screen(screen) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!m_away || !now)
            return;
        const Bound* b = find(m_away);
        if (!b || now == b->editKey || now == b->framedKey) {
            m_away = nullptr; // back in the field: it was never left
            return;
        }
        if (now->window() != m_screen->window())
            return; // still a popup or another window
        m_away = nullptr;
        if (auto* edit = qobject_cast<QLineEdit*>(b->editKey.data()))
            leave(*b, edit);
    });
}

void FieldConventions::leave(const Bound& b, QLineEdit* edit) {
    if (b.rect)
        b.rect->hide();
    if (b.def.normalise != Normalise::None) {
        const QString n = normalise(b.def.normalise, edit->text());
        if (n != edit->text())
            edit->setText(n);
    }
}

bool FieldConventions::accepts(Filter filter, int key, const QString& typed) {
    switch (filter) {
    case Filter::None:
        return true;
    case Filter::Digits:
    case Filter::Amount: {
        if (alwaysPasses(key))
            return true;
        if (typed.size() != 1)
            return false;
        const QChar c = typed[0];
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (filter == Filter::Amount && c == QLatin1Char(','));
    }
    case Filter::Refused:
    case Filter::RefusedButAmp:
        for (QChar c : typed) {
            const char16_t u = c.unicode();
            if (u < 0x20 || u > 0xFF)
                continue;
            if (filter == Filter::RefusedButAmp && u == u'&')
                continue;
            if (inRefusedSet(u))
                return false;
        }
        return true;
    }
    return true;
}

QString FieldConventions::rewrite(Rewrite rule, const QString& t) {
    switch (rule) {
    case Rewrite::None:
        return t;
    case Rewrite::UpperTrim:
        return text::trim(text::upperAscii(t));
    case Rewrite::Upper:
        return text::upperAscii(t);
    case Rewrite::Trim:
        return text::trim(t);
    }
    return t;
}

QString FieldConventions::normalise(Normalise rule, const QString& t) {
    switch (rule) {
    case Normalise::None:
        return t;
    case Normalise::Whole:
        return text::normaliseWhole(t);
    case Normalise::Amount:
        return text::normaliseAmount(t);
    case Normalise::UpperTrim:
        return text::trim(text::upperAscii(t));
    case Normalise::Trim:
        return text::trim(t);
    }
    return t;
}

FieldConventions* FieldConventions::apply(QWidget* screen, std::span<const FieldConfig> fields) {
    auto* fc = new FieldConventions(screen);
    for (const FieldConfig& def : fields) {
        const QString name = QString::fromLatin1(def.name);
        auto* edit = screen->findChild<QLineEdit*>(name);
        QWidget* framed = edit;
        // An editable combo box (the province boxes) behaves through its line edit.
        if (!edit)
            if (auto* combo = screen->findChild<QComboBox*>(name); combo && combo->lineEdit()) {
                edit = combo->lineEdit();
                framed = combo;
            }
        if (!edit) {
            qWarning("FieldConventions: no field %s", def.name);
            continue;
        }
        Bound b{edit, framed, def, nullptr, nullptr, edit, framed};
        if (def.next) {
            b.next = screen->findChild<QWidget*>(QString::fromLatin1(def.next));
            if (!b.next)
                qWarning("FieldConventions: no control %s after %s", def.next, def.name);
        }
        if (def.highlight && framed->parentWidget()) {
            b.rect =
                style::makeHighlight(framed->parentWidget(), QStringLiteral("eff") + stemOf(name));
        }
        edit->installEventFilter(fc);
        if (framed != edit)
            framed->installEventFilter(fc);
        const QPointer<QLineEdit> guard(edit);
        if (def.rewrite != Rewrite::None || def.maxLength > 0) {
            QObject::connect(edit, &QLineEdit::textEdited, fc, [guard, def](const QString& t) {
                if (!guard)
                    return;
                QString r = rewrite(def.rewrite, t);
                if (def.maxLength > 0 && r.size() > def.maxLength)
                    r.truncate(def.maxLength); // a paste may bring more than the limit
                if (r != t) {
                    const int pos = guard->cursorPosition() - int(t.size() - r.size());
                    guard->setText(r);
                    guard->setCursorPosition(qBound(0, pos, int(r.size())));
                }
            });
        }
        fc->m_fields.push_back(b);
    }
    return fc;
}

const FieldConventions::Bound* FieldConventions::find(QObject* o) const {
    for (const auto& b : m_fields)
        if (b.editKey == o || b.framedKey == o)
            return &b;
    return nullptr;
}

void FieldConventions::placeRect(const Bound& b) const {
    if (b.rect && b.framed)
        style::placeHighlight(b.rect, b.framed);
}

bool FieldConventions::eventFilter(QObject* watched, QEvent* event) {
    const Bound* b = find(watched);
    if (!b)
        return false;
    // A field being destroyed is no longer a line edit (its last focus-out and Destroy come
    // from ~QWidget): those events are not the user's and the field may not be touched.
    auto* edit = qobject_cast<QLineEdit*>(b->editKey.data());
    if (!edit)
        return false;
    // In a combo box, focus and keys arrive at the combo and reach its line edit directly.
    switch (event->type()) {
    case QEvent::FocusIn:
        placeRect(*b);
        if (b->rect)
            b->rect->show();
        break;
    case QEvent::FocusOut:
        // A context menu or another window takes the focus only for a moment: the user has
        // not left the field, and rewriting it now would drop the selection a paste replaces.
        // Should the focus come back to another control instead, the field is left then.
        if (!reallyLeaves(static_cast<QFocusEvent*>(event)->reason())) {
            m_away = b->editKey;
            break;
        }
        if (m_away == b->editKey)
            m_away = nullptr;
        leave(*b, edit);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (watched == b->framed && b->rect && b->rect->isVisible())
            placeRect(*b);
        break;
    case QEvent::KeyPress: {
        auto* ke = static_cast<QKeyEvent*>(event);
        if (isReturn(ke->key())) {
            enterChainMoveTo(b->next);
            return true;
        }
        if (!accepts(b->def.filter, ke->key(), ke->text()))
            return true;
        // Typing stops at the limit; text put in by the program is not cut.
        const QString typed = ke->text();
        if (b->def.maxLength > 0 && !typed.isEmpty() && typed[0].isPrint() &&
            !(ke->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            edit->text().size() - edit->selectedText().size() >= b->def.maxLength)
            return true;
        break;
    }
    default:
        break;
    }
    return false;
}

void FieldConventions::applyHints(QWidget* screen, QLabel* status,
                                  std::span<const HintConfig> hints) {
    auto* filter = new HintFilter(screen, status);
    for (const HintConfig& h : hints) {
        auto* w = screen->findChild<QWidget*>(QString::fromLatin1(h.name));
        if (!w) {
            qWarning("FieldConventions: no control %s for a hint", h.name);
            continue;
        }
        w->setProperty(kHintProperty, QString::fromUtf8(h.text));
    }
    QList<QWidget*> all = screen->findChildren<QWidget*>();
    all.prepend(screen);
    for (QWidget* w : all) {
        if (w->property(kHintProperty).isValid() || isBackground(w)) {
            if (isBackground(w))
                w->setMouseTracking(true);
            w->installEventFilter(filter);
        }
    }
}

} // namespace dp
