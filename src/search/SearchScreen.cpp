#include "search/SearchScreen.h"

#include "ui/AppContext.h"
#include "ui/FieldConventions.h"
#include "ui/LineListModel.h"
#include "ui/Messages.h"
#include "ui/Platform.h"
#include "ui/Style.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <vector>

namespace dp {

namespace {

// The result panel: what the list screen shows below its heading band.
const char* const kResultControls[] = {"lstRecords", "lblRigo01", "lblRigo02",
                                       "lblRigo03",  "txtTrova",  "btnTrova",
                                       "btnStampa",  "btnChiudi", "lblTrovate"};

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QString foundText(qsizetype n) {
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(n);
}

} // namespace

SearchScreen::SearchScreen(AppContext& ctx, QWidget* owner, const search::SearchConfig& def)
    : RecordListBase(ctx, owner, def.className, def.caption, def.layout, def.title), m_def(def) {
    m_trovate =
        addLabel("lblTrovate", QStringLiteral("Il presente elenco contiene 0 schede."), true);
    bottomRows()->addWidget(m_trovate);
    m_avvio = buildCriteria();
    headRows()->addWidget(m_avvio, 1);
    showResults(false);
}

void SearchScreen::open(AppContext& ctx, QWidget* owner, const search::SearchConfig& def,
                        const QString& mode, RecordReceiver& receiver) {
    SearchScreen screen(ctx, owner, def);
    screen.setMemory(mode);
    screen.setReceiver(&receiver);
    screen.exec();
}

QWidget* SearchScreen::buildCriteria() {
    auto* pan = new QWidget(this);
    pan->setObjectName(QStringLiteral("panAvvio"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(10);
    std::vector<FieldConfig> fields;
    for (int i = 0; i < search::kCriteria; ++i) {
        const search::CriterionConfig& c = m_def.criteria[size_t(i)];
        auto* edit = new QLineEdit(pan);
        edit->setObjectName(QLatin1String(c.control));
        auto* cap = new QLabel(QString::fromUtf8(c.label), pan);
        cap->setBuddy(edit);
        grid->addWidget(cap, i, 0, Qt::AlignRight);
        grid->addWidget(edit, i, 1);
        m_criteria.append(edit);
        // Enter walks the criteria in matching order, from the last back to the first.
        fields.push_back(
            {c.control, 0, m_def.criteria[size_t((i + 1) % search::kCriteria)].control});
    }
    grid->setColumnStretch(1, 1);
    FieldConventions::apply(this, fields);

    m_conta = label(pan, "lblConta", QStringLiteral("0"));
    m_conta->hide();
    m_attendere =
        label(pan, "lblAttendere", QStringLiteral("Ricerca schede in corso. Attendere..."));
    m_attendere->setStyleSheet(style::waitingSheet());
    m_attendere->hide();
    m_cerca = new QPushButton(QStringLiteral("Cerca"), pan);
    m_cerca->setObjectName(QStringLiteral("btnCerca"));
    m_cerca->setAutoDefault(false);
    auto* annulla = new QPushButton(QStringLiteral("Chiudi"), pan);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    annulla->setAutoDefault(false);

    // The notice must not move the buttons: it appears on the press of "Cerca", and a button
    // that slid away from under the pointer would never see the release, so no search ran.
    QSizePolicy keep = m_attendere->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_attendere->setSizePolicy(keep);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_attendere);
    buttons->addStretch(1);
    buttons->addWidget(m_cerca);
    buttons->addWidget(annulla);

    auto* main = new QVBoxLayout(pan);
    main->setContentsMargins(0, 4, 0, 0);
    main->addWidget(label(pan, "lblRigo04",
                          QStringLiteral("Immettere nei campi prescelti una o più parole "
                                         "consecutive presenti nelle schede da trovare e premere "
                                         "il pulsante Cerca.")));
    main->addWidget(
        label(pan, "lblRigo05", QStringLiteral("Lasciare in bianco tutti gli altri campi.")));
    main->addWidget(label(pan, "lblRigo06",
                          QStringLiteral("Per ogni ricerca è possibile utilizzare uno o più campi "
                                         "contemporaneamente.")));
    main->addSpacing(8);
    main->addLayout(grid);
    main->addStretch(1);
    main->addLayout(buttons);

    // btnCercaMouseDown: the waiting notice is painted before the scan starts.
    connect(m_cerca, &QPushButton::pressed, this, [this] {
        m_attendere->show();
        m_attendere->repaint();
    });
    connect(m_cerca, &QPushButton::clicked, this, &SearchScreen::btnCercaClick);
    connect(annulla, &QPushButton::clicked, this, &SearchScreen::close);
    return pan;
}

void SearchScreen::showResults(bool results) {
    m_avvio->setVisible(!results);
    for (const char* name : kResultControls)
        if (auto* w = findChild<QWidget*>(QLatin1String(name)))
            w->setVisible(results);
}

void SearchScreen::FormShow() {
    // After the list base has given its (hidden) find field the focus.
    QTimer::singleShot(0, m_criteria.first(),
                       [edit = m_criteria.first()] { edit->setFocus(Qt::OtherFocusReason); });
}

void SearchScreen::btnCercaClick() {
    QStringList texts;
    for (QLineEdit* e : m_criteria)
        texts.append(e->text());
    const auto fields = m_def.fields();
    const search::SearchCriteria criteria(fields, texts);
    m_conta->setText(QString::number(criteria.counted()));
    model()->clear();
    search::RecordList found = listRecords(archivePath(), criteria.rule(), m_def.format);
    if (found.accessFailed) {
        // Nothing is listed from an archive that could not be read to its end.
        m_attendere->hide();
        reportArchiveError(context(), this, found.busy);
        return;
    }
    setLines(found);
    m_trovate->setText(foundText(model()->rowCount()));
    showResults(true);
    if (auto* trova = findChild<QLineEdit*>(QStringLiteral("txtTrova"))) {
        trova->clear();
        trova->setFocus(Qt::OtherFocusReason);
    }
}

void SearchScreen::FormClose() {
    RecordListBase::FormClose();
    m_attendere->hide();
}

} // namespace dp
