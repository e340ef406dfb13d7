#include "registry/RegistrySheet.h"

#include "attachments/TfrmAllegaCartella.h"
#include "checks/CheckRules.h"
#include "checks/CheckScreens.h"
#include "export/ExportScreen.h"
#include "printing/SheetOutput.h"
#include "registry/ProvinceCodes.h"
#include "search/RecordListScreen.h"
#include "search/SearchScreen.h"
#include "storage/RecordFile.h"
#include "storage/TextValues.h"
#include "ui/AppContext.h"
#include "ui/ArchiveSheet.h"
#include "ui/Icons.h"
#include "ui/Messages.h"
#include "ui/Style.h"
#include "ui/TfrmGuida.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>
#include <vector>

namespace dp {

namespace {

// The toolbar, left to right.
using T = ToolConfig;
constexpr auto kTools = joinTools(
    std::to_array<T>({
        {"cmdNuovo", Icon::New, "Nuovo",
         "Prepara la schermata per la registrazione di una nuova scheda."},
        {"cmdSalva", Icon::Save, "Salva", "Salva la scheda corrente in archivio."},
        {"cmdDuplica", Icon::Duplicate, "Duplica",
         "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati "
         "correnti."},
    }),
    browseTools("Indietro", "Avanti"),
    std::to_array<T>({
        {"cmdTrova", Icon::Find, "Trova", "Trova una scheda in archivio.", T::NewGroup},
        {"cmdRicontatta", Icon::RecontactList, "Ricontatti", nullptr},
        {"cmdFile", Icon::Attach, "Allegati", "Allega file alla scheda corrente."},
        {"cmdStampa", Icon::Print, "Stampa", "Stampa la scheda corrente.", T::NewGroup},
        {"cmdAnteprima", Icon::Preview, "Anteprima", "Visualizza l'anteprima di stampa."},
        {"cmdPDF", Icon::Pdf, "PDF", "Esporta la scheda in formato PDF."},
        {"cmdEsporta", Icon::Export, "Esporta",
         "Esporta le schede in archivio in un file di Microsoft Excel."},
    }),
    helpAndExitTools("cmdGuida", "cmdEsci"));

// Buttons that stand beside a field and hand its value over.
struct FieldButton {
    const char* field;
    const char* name;
    Icon picture;
    const char* hint;
};
const FieldButton kFieldButtons[] = {
    {"txtEmail", "btnEmail", Icon::Email, "Invia una e-mail all'indirizzo indicato."},
    {"txtCodFisc", "btnCodFisc", Icon::Check, "Controlla il codice fiscale."},
    {"txtPartitaIva", "btnPartitaIva", Icon::Check, "Controlla il numero di partita IVA."},
    {"txtCarta", "btnCarta", Icon::Check, "Controlla il numero di carta di credito."},
    {"txtIban", "btnIban", Icon::Check, "Controlla l'IBAN."},
};

QString stem(const QString& name) {
    return name.mid(3);
}

// Fields with short contents get a width that fits them; the others take the room there is.
int shortFieldWidth(const QWidget* field, int maxLength) {
    if (maxLength <= 0 || maxLength > 16)
        return 0;
    const int w = field->fontMetrics().horizontalAdvance(QLatin1Char('W'));
    return qMax(2, maxLength) * w * 8 / 10 + 18;
}

} // namespace

RegistrySheet::RegistrySheet(AppContext& ctx, const SheetConfig& config)
    : SheetFrame(ctx, {config.className, config.caption, config.title, config.layout, kTools}),
      m_config(config) {
    setBody(buildGroups());

    std::vector<FieldConfig> fieldDefs;
    for (const SheetField& f : config.fields)
        fieldDefs.push_back(f.def);
    FieldConventions::apply(this, fieldDefs);

    std::vector<HintConfig> hints;
    for (const FieldButton& b : kFieldButtons)
        hints.push_back({b.name, b.hint});
    hints.push_back({"chkRicontatta", config.flagHint});
    applyHints(hints, config.recontactHint);

    applyTabOrder();
    connectButtons();
}

QWidget* RegistrySheet::buildGroups() {
    auto* body = new QWidget(this);
    body->setObjectName(QStringLiteral("bkgCampi"));
    auto* columns = new QHBoxLayout(body);
    columns->setContentsMargins(12, 10, 12, 10);
    columns->setSpacing(14);

    // Controls, created in Enter order so that they also stack in that order.
    QHash<QString, QWidget*> controls;
    QHash<QString, int> limits;
    for (const SheetField& f : m_config.fields) {
        const QString name = QString::fromLatin1(f.def.name);
        QWidget* w = nullptr;
        if (f.province) {
            auto* box = new QComboBox(body);
            box->setEditable(true);
            box->addItems(provinceCodes());
            box->setInsertPolicy(QComboBox::NoInsert);
            box->setCompleter(nullptr); // typing stays plain: no completion inside the code
            box->setMaxVisibleItems(16);
            box->setCurrentIndex(-1);
            box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            box->setFixedWidth(box->sizeHint().width() + 6);
            box->installEventFilter(this);
            box->lineEdit()->installEventFilter(this);
            w = box;
        } else {
            auto* e = new QLineEdit(body);
            const bool carriesButton =
                std::any_of(std::begin(kFieldButtons), std::end(kFieldButtons),
                            [&](const FieldButton& b) { return name == QLatin1String(b.field); });
            if (const int width = carriesButton ? 0 : shortFieldWidth(e, f.def.maxLength))
                e->setFixedWidth(width);
            w = e;
        }
        w->setObjectName(name);
        controls.insert(name, w);
        limits.insert(name, f.def.maxLength);
    }
    auto* flag = new QCheckBox(QStringLiteral("Da ricontattare"), body);
    flag->setObjectName(QStringLiteral("chkRicontatta"));
    controls.insert(flag->objectName(), flag);

    QHash<QString, QString> labels;
    for (const SheetField& f : m_config.fields)
        labels.insert(QString::fromLatin1(f.def.name), QString::fromUtf8(f.label));

    // Long captions wrap rather than squeeze their fields; the captions of one column of the
    // sheet share one width, so that its fields start at the same place in every group.
    const int captionCap = fontMetrics().averageCharWidth() * 34;
    std::vector<QVBoxLayout*> stacks;
    std::vector<int> captionWidth;
    std::vector<std::vector<QGridLayout*>> grids;
    for (const SheetGroup& g : m_config.groups) {
        while (int(stacks.size()) <= g.column) {
            auto* stack = new QVBoxLayout;
            stack->setSpacing(12);
            const int c = int(stacks.size());
            columns->addLayout(
                stack, c < int(m_config.columnStretch.size()) ? m_config.columnStretch[c] : 1);
            stacks.push_back(stack);
            captionWidth.push_back(0);
            grids.emplace_back();
        }
        auto* box = new QGroupBox(QString::fromUtf8(g.title), body);
        box->setObjectName(QString::fromLatin1(g.name));
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(12, 12, 12, 12);
        grid->setHorizontalSpacing(10);
        grid->setVerticalSpacing(10);

        const QStringList rows = QString::fromLatin1(g.rows).split(QLatin1Char('|'));
        qsizetype widest = 1;
        for (const QString& r : rows)
            widest = qMax(widest, r.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
        const int lastColumn = int(widest) * 2 - 1;
        std::vector<bool> stretches(size_t(lastColumn + 1), false);

        for (int rowIndex = 0; rowIndex < rows.size(); ++rowIndex) {
            const QStringList items = rows[rowIndex].split(QLatin1Char(' '), Qt::SkipEmptyParts);
            for (int i = 0; i < items.size(); ++i) {
                QWidget* w = controls.value(items[i]);
                if (!w) {
                    qWarning("RegistrySheet: no control %s", qPrintable(items[i]));
                    continue;
                }
                const int labelColumn = i * 2;
                const int fieldColumn = labelColumn + 1;
                const int span = i == items.size() - 1 ? lastColumn - fieldColumn + 1 : 1;
                if (labels.contains(items[i])) {
                    auto* l = new QLabel(labels.value(items[i]), box);
                    l->setObjectName(QStringLiteral("tit") + stem(items[i]));
                    l->setBuddy(w);
                    const int natural = l->sizeHint().width();
                    if (labelColumn == 0) {
                        if (natural > captionCap) {
                            l->setWordWrap(true);
                            l->setFixedWidth(captionCap);
                            l->setMinimumHeight(l->heightForWidth(captionCap));
                        }
                        int& width = captionWidth[size_t(g.column)];
                        width = qMax(width, qMin(natural, captionCap));
                    }
                    grid->addWidget(l, rowIndex, labelColumn, Qt::AlignLeft | Qt::AlignVCenter);
                }
                w->setParent(box);
                auto* cell = new QHBoxLayout;
                cell->setSpacing(8);
                cell->addWidget(w);
                for (const FieldButton& fb : kFieldButtons) {
                    if (items[i] != QLatin1String(fb.field))
                        continue;
                    auto* b = new QToolButton(box);
                    b->setObjectName(QString::fromLatin1(fb.name));
                    b->setIcon(icon(fb.picture));
                    b->setIconSize(QSize(style::kFieldButtonIcon, style::kFieldButtonIcon));
                    b->setFocusPolicy(Qt::NoFocus);
                    cell->addWidget(b);
                }
                const bool fixed =
                    w->minimumWidth() == w->maximumWidth() || qobject_cast<QCheckBox*>(w);
                if (fixed)
                    cell->addStretch(1);
                else if (span == 1)
                    stretches[size_t(fieldColumn)] = true;
                grid->addLayout(cell, rowIndex, fieldColumn, 1, span);
            }
        }
        stretches[1] = true;
        for (int c = 0; c <= lastColumn; ++c)
            grid->setColumnStretch(c, stretches[size_t(c)] ? 1 : 0);
        style::boldTitle(box);
        stacks[size_t(g.column)]->addWidget(box);
        grids[size_t(g.column)].push_back(grid);
    }
    for (size_t c = 0; c < stacks.size(); ++c) {
        for (QGridLayout* grid : grids[c])
            grid->setColumnMinimumWidth(0, captionWidth[c]);
        stacks[c]->addStretch(1);
    }
    return body;
}

void RegistrySheet::applyTabOrder() {
    // The tab order is the Enter order, with the recontact box between the open issues
    // and the notes.
    QWidget* previous = nullptr;
    auto chain = [&](QWidget* w) {
        if (!w)
            return;
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    };
    for (const SheetField& f : m_config.fields) {
        chain(findChild<QWidget*>(QString::fromLatin1(f.def.name)));
        if (qstrcmp(f.def.name, "txtQuestioni") == 0)
            chain(findChild<QCheckBox*>(QStringLiteral("chkRicontatta")));
    }
}

void RegistrySheet::connectButtons() {
    onClick("cmdNuovo", &RegistrySheet::cmdNuovoClick);
    onClick("cmdSalva", &RegistrySheet::cmdSalvaClick);
    if (QAbstractButton* b = tool("cmdFile"))
        connect(b, &QAbstractButton::clicked, this, [this] {
            if (const auto chosen = TfrmAllegaCartella::editSlots(
                    context(), this, QLatin1String(m_config.attachMode), attachmentSlots()))
                setAttachmentSlots(*chosen);
        });
    onClick("cmdDuplica", &RegistrySheet::cmdDuplicaClick);
    onClick("cmdEsci", &RegistrySheet::cmdEsciClick);
    onClick("cmdTrova", &RegistrySheet::cmdTrovaClick);
    onClick("cmdRicontatta", &RegistrySheet::cmdRicontattaClick);
    onClick("btnEmail", &RegistrySheet::btnEmailClick);
    onClick("btnCodFisc", &RegistrySheet::btnCodFiscClick);
    onClick("btnPartitaIva", &RegistrySheet::btnPartitaIvaClick);
    onClick("btnCarta", &RegistrySheet::btnCartaClick);
    onClick("btnIban", &RegistrySheet::btnIbanClick);
    onClick("cmdEsporta", &RegistrySheet::cmdEsportaClick);
    onClick("cmdGuida", &RegistrySheet::cmdGuidaClick);
    onClick("cmdStampa", &RegistrySheet::cmdStampaClick);
    onClick("cmdAnteprima", &RegistrySheet::cmdAnteprimaClick);
    onClick("cmdPDF", &RegistrySheet::cmdPDFClick);
}

QString RegistrySheet::trimmedText(const char* name) const {
    const QLineEdit* e = edit(name);
    return e ? text::trim(e->text()) : QString();
}

void RegistrySheet::clearProvinceSelection(QWidget* box) {
    auto* combo = qobject_cast<QComboBox*>(box);
    if (!combo || combo->currentIndex() < 0)
        return;
    // Dropping the selection would also empty the text; the text stays as it is.
    const QString text = combo->currentText();
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

bool RegistrySheet::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        QObject* box = watched;
        if (!qobject_cast<QComboBox*>(box) && watched->parent())
            box = watched->parent();
        clearProvinceSelection(qobject_cast<QComboBox*>(box));
    }
    return SheetFrame::eventFilter(watched, event);
}

void RegistrySheet::FormShow() {
    newSheet();
}

void RegistrySheet::newSheet() {
    for (const SheetField& f : m_config.fields) {
        const QString name = QString::fromLatin1(f.def.name);
        if (auto* box = findChild<QComboBox*>(name)) {
            box->setCurrentIndex(-1);
            box->setEditText(QString());
        } else if (auto* e = findChild<QLineEdit*>(name)) {
            e->clear();
        }
    }
    if (auto* flag = findChild<QCheckBox*>(QStringLiteral("chkRicontatta")))
        flag->setChecked(false);
    archive().clearAttachments();
    archive().setPosition(0);
    focusField(m_config.fields.front().def.name);
}

void RegistrySheet::cmdNuovoClick() {
    newSheet();
}

void RegistrySheet::cmdSalvaClick() {
    if (requiredFilled(m_config.required))
        archive().reportSaved(archive().save());
}

void RegistrySheet::cmdDuplicaClick() {
    if (!archive().beginDuplicate())
        return;
    try {
        // Opening the archive creates it when missing and shows it can be written to.
        RecordFile file(archive().filePath(), m_config.layout, RecordFile::Lock::Shared);
        focusField(m_config.fields.front().def.name);
        file.close();
    } catch (const StorageError& e) {
        reportArchiveError(context(), this, e);
        return;
    }
    archive().reportDuplicated();
}

void RegistrySheet::cmdEsciClick() {
    close();
}

void RegistrySheet::btnEmailClick() {
    // The address is not verified: an empty field hands over "mailto:" alone.
    context().platform().openUrl(QUrl(QStringLiteral("mailto:") + trimmedText("txtEmail")));
}

void RegistrySheet::btnCodFiscClick() {
    // A "fiscal code" made of digits alone is a firm's VAT number.
    const QString value = trimmedText("txtCodFisc");
    if (checks::fiscalFieldIsVatNumber(value))
        openVatNumberCheck(context(), this, value);
    else
        openFiscalCodeCheck(context(), this, value);
}

void RegistrySheet::btnPartitaIvaClick() {
    openVatNumberCheck(context(), this, trimmedText("txtPartitaIva"));
}

void RegistrySheet::btnCartaClick() {
    openCardCheck(context(), this, trimmedText("txtCarta"));
}

void RegistrySheet::btnIbanClick() {
    openIbanCheck(context(), this, trimmedText("txtIban"));
}

void RegistrySheet::cmdEsportaClick() {
    openExport(context(), this, exports::exportConfig(m_config.exportArchive));
}

void RegistrySheet::cmdGuidaClick() {
    showHelp(context(), this, m_config.help);
}

void RegistrySheet::cmdStampaClick() {
    printing::outputRegistrySheet(context(), this, m_config.printed, printing::SheetOutput::Print);
}

void RegistrySheet::cmdAnteprimaClick() {
    printing::outputRegistrySheet(context(), this, m_config.printed,
                                  printing::SheetOutput::Preview);
}

void RegistrySheet::cmdPDFClick() {
    printing::outputRegistrySheet(context(), this, m_config.printed, printing::SheetOutput::Pdf);
}

void RegistrySheet::cmdTrovaClick() {
    SearchScreen::open(context(), this, m_config.search, QString::fromLatin1(m_config.searchTag),
                       *this);
}

void RegistrySheet::cmdRicontattaClick() {
    RecordListScreen::open(context(), this, m_config.recontact, *this);
}

} // namespace dp
