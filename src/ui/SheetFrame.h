#pragma once

#include "storage/Record.h"
#include "ui/AreaScreen.h"
#include "ui/FieldConventions.h"
#include "ui/HandBack.h"
#include "ui/Icons.h"

#include <array>
#include <cstddef>
#include <functional>
#include <span>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QToolButton;

namespace dp {

class ArchiveSheet;

// One button of an archive sheet's toolbar, left to right.
struct ToolConfig {
    // After the previous one, after a separator, or from here on at the right end of the bar.
    enum Place { Next, NewGroup, Right };
    const char* name;
    Icon picture;
    const char* caption;
    const char* hint; // null: the hint the sheet gives for it
    Place place = Next;
};

// The four browse buttons of every sheet, a group of their own, connected by the frame; each
// sheet names the middle two in its own words.
constexpr std::array<ToolConfig, 4> browseTools(const char* previous, const char* next) {
    return {{
        {"cmdPrimo", Icon::First, "Prima", "Visualizza la prima scheda in archivio.",
         ToolConfig::NewGroup},
        {"cmdIndietro", Icon::Previous, previous, "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", Icon::Next, next, "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", Icon::Last, "Ultima", "Visualizza l'ultima scheda in archivio."},
    }};
}

// Help and exit, at the right end of every sheet's toolbar.
constexpr std::array<ToolConfig, 2> helpAndExitTools(const char* helpName, const char* exitName) {
    return {{
        {helpName, Icon::Help, "Guida", "Visualizza la pagina della guida sensibile al contesto.",
         ToolConfig::Right},
        {exitName, Icon::Exit, "Esci", "Esci da questa schermata di lavoro."},
    }};
}

// A toolbar table joined from its pieces, in order.
template <std::size_t... N>
constexpr std::array<ToolConfig, (N + ...)> joinTools(const std::array<ToolConfig, N>&... pieces) {
    std::array<ToolConfig, (N + ...)> out{};
    std::size_t i = 0;
    auto append = [&](const auto& piece) {
        for (const ToolConfig& t : piece)
            out[i++] = t;
    };
    (append(pieces), ...);
    return out;
}

// A field that must not be blank for the sheet to be saved, with its warning.
struct RequiredField {
    const char* name;
    const char* warning;
};

// What tells the frames of the archive sheets apart.
struct SheetFrameConfig {
    const char* className;
    const char* caption; // UTF-8
    const char* title;   // the heading band's title, UTF-8
    const RecordLayout& layout;
    std::span<const ToolConfig> tools;
};

// The frame the product, customer and supplier sheets share: the toolbar built from its
// table, the heading band with the sheet's title and its archive position (titPosizione,
// lblPosizione), the sheet's fields centred at a readable width in bkgScheda, the status line
// panInfo, the six hidden attachment slots, and the ArchiveSheet that binds the controls to
// the record. The four browse buttons (cmdPrimo, cmdIndietro, cmdAvanti, cmdUltimo) are
// connected here; the sheet connects its own.
class SheetFrame : public AreaScreen, public RecordReceiver {
    Q_OBJECT
  public:
    SheetFrame(AppContext& ctx, const SheetFrameConfig& config);

    ArchiveSheet& archive() const { return *m_sheet; }
    // The six hidden attachment slots, which the attachment screen edits.
    AttachmentSlots attachmentSlots() const;
    void setAttachmentSlots(const AttachmentSlots& slots);
    QLabel* status() const { return m_info; }
    // The one way a record reaches the sheet: browsing, searches and lists call it.
    void showRecord(const Record& record, qint64 position) override;

    // A button drawn as the toolbar draws them, for rows of buttons inside the sheet too.
    static QToolButton* makeToolButton(QWidget* parent, const ToolConfig& tool);

  protected:
    // Places the sheet's own controls below the heading band. Call once, from the
    // constructor, before applyHints.
    void setBody(QWidget* body);
    // Hover hints: the toolbar's from its table (a null hint takes `fallback`), then `more`.
    void applyHints(std::span<const HintConfig> more, const char* fallback = nullptr);
    // The first step of Salva: the first blank field of `required` (in table order) gets
    // its warning and the focus, and false is returned.
    bool requiredFilled(std::span<const RequiredField> required);
    QAbstractButton* tool(const char* name) const; // a missing name is a warning
    template <class T> void onClick(const char* name, void (T::*handler)()) {
        if (QAbstractButton* b = tool(name))
            connectClicked(b, [this, handler] { (static_cast<T*>(this)->*handler)(); });
    }
    // Runs after every record shown, before the heading shows its position.
    virtual void recordShown(qint64 position) { Q_UNUSED(position); }
    // A field of the sheet's own controls (the line edit of a province box too); tool
    // screens opened from the sheet are its children as well, and are not searched.
    QLineEdit* edit(const char* name) const;
    void focusField(const char* name) const;

  private:
    QWidget* buildToolbar();
    QWidget* buildHeading();
    void connectClicked(QAbstractButton* button, std::function<void()> handler);
    void refreshPosition();

    const SheetFrameConfig m_config;
    ArchiveSheet* m_sheet = nullptr;
    QLabel* m_info = nullptr;
    QLabel* m_titPosizione = nullptr;
    QLabel* m_position = nullptr;
    QWidget* m_holder = nullptr;
    std::array<QLabel*, 3> m_files{};
    std::array<QLabel*, 3> m_descs{};
};

} // namespace dp
