#include "ui/ListScreen.h"

#include "storage/StorageError.h"
#include "ui/AppContext.h"
#include "ui/HandBack.h"
#include "ui/Icons.h"
#include "ui/LineListModel.h"
#include "ui/Messages.h"
#include "ui/Style.h"
#include "ui/TfrmGuida.h"

#include <QAbstractItemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace dp {

QListView* makeLineListView(QWidget* parent, QAbstractItemModel* model) {
    auto* list = new QListView(parent);
    list->setObjectName(QStringLiteral("lstRecords"));
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    // A fixed-pitch font, so that the padded columns of the lines line up.
    QFont font(QStringLiteral("Courier New"), style::kListFontSize);
    font.setStyleHint(QFont::TypeWriter);
    list->setFont(font);
    list->setStyleSheet(QStringLiteral("QListView { color: black; background: white; }"));
    list->setModel(model);
    return list;
}

QSize lineItemSize(const QListView* view) {
    return {style::kListItemWidth, view->fontMetrics().height() + 2};
}

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

ListScreen::ListScreen(AppContext& ctx, QWidget* owner, const ListConfig& config,
                       QAbstractItemModel* model)
    : ToolDialog(ctx, owner, QString::fromLatin1(config.className),
                 QString::fromUtf8(config.caption)) {
    model->setParent(this);
    m_list = makeLineListView(this, model);

    auto* guida = new QToolButton(this);
    m_guida = guida;
    guida->setObjectName(QStringLiteral("imgGuida"));
    guida->setAutoRaise(true);
    guida->setIconSize(QSize(style::kToolIcon, style::kToolIcon));
    guida->setCursor(Qt::PointingHandCursor);
    guida->setIcon(icon(Icon::Help));
    const style::HeadingBand band = style::makeHeadingBand(this, QStringLiteral("titIntestazione"),
                                                           style::titleOf(windowTitle()));
    guida->setParent(band.frame);
    band.layout->addWidget(guida);

    auto* rigo01 = addLabel("lblRigo01",
                            QStringLiteral("Immettere una o più parole consecutive presenti nella "
                                           "scheda in elenco da cercare e premere il pulsante "
                                           "Trova."));
    auto* rigo02 =
        addLabel("lblRigo02", QStringLiteral("Per spostarsi sulla voce successiva contenente la "
                                             "stessa chiave di ricerca, fare di nuovo clic su "
                                             "Trova."));
    m_trova = new QLineEdit(this);
    m_trova->setObjectName(QStringLiteral("txtTrova"));
    QPushButton* trova = makeButton(this, "btnTrova", QStringLiteral("Trova"));
    QPushButton* stampa = makeButton(this, "btnStampa", QString::fromUtf8(config.printCaption));
    QPushButton* esci = makeButton(this, "btnEsci", QStringLiteral("Esci"));

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(m_trova, 1);
    findRow->addWidget(trova);
    findRow->addSpacing(24);
    findRow->addWidget(stampa);
    findRow->addWidget(esci);

    m_head = new QVBoxLayout;
    m_foot = new QVBoxLayout;
    m_bottom = new QVBoxLayout;
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(14, 12, 14, 10);
    main->setSpacing(8);
    main->addWidget(band.frame);
    main->addLayout(m_head);
    main->addWidget(m_list, 1);
    main->addLayout(m_foot);
    main->addWidget(rigo01);
    main->addWidget(rigo02);
    main->addLayout(findRow);
    main->addLayout(m_bottom);
    resize(style::kListWidth, style::kListHeight);

    m_find = new FindInList(ctx, m_list, m_trova, trova, config.emptyFind);
    connect(stampa, &QPushButton::clicked, this, &ListScreen::btnStampaClick);
    connect(esci, &QPushButton::clicked, this, &ListScreen::btnEsciClick);
    connect(m_list, &QListView::doubleClicked, this, &ListScreen::lstRecordsDblClick);
    setHelp(config.help);
    // Rows made from their records later may meet the archive locked or gone.
    if (auto* lines = qobject_cast<LineListModel*>(model))
        connect(lines, &LineListModel::rowsFailed, this,
                [this](bool busy) { reportIncomplete(true, {}, busy); });
    connect(guida, &QToolButton::clicked, this, [this] { showHelp(context(), this, m_help); });
}

void ListScreen::setHelp(HelpTopic help) {
    m_help = help;
    m_guida->setToolTip(help::title(help));
}

ListScreen::ListScreen(AppContext& ctx, QWidget* owner, const ListConfig& config)
    : ListScreen(ctx, owner, config, new LineListModel) {
    m_lines = static_cast<LineListModel*>(m_list->model());
    m_lines->setItemSize(lineItemSize(m_list));
}

QLabel* ListScreen::addLabel(const char* name, const QString& text, bool value) {
    auto* l = new QLabel(text, this);
    l->setObjectName(QLatin1String(name));
    if (value)
        l->setStyleSheet(style::boldSheet());
    return l;
}

void ListScreen::showEvent(QShowEvent* event) {
    ToolDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_find->reset();
    FormShow();
    m_trova->setFocus(Qt::OtherFocusReason);
}

void ListScreen::reportIncomplete(bool accessFailed, const QString& stopText, bool busy) {
    const QString text = busy ? kArchiveBusyText : accessFailed ? kArchiveErrorText : stopText;
    const NoticeKind kind = accessFailed && !busy ? NoticeKind::Error : NoticeKind::Warning;
    QPointer<ListScreen> self(this);
    QTimer::singleShot(0, this, [self, text, kind] {
        if (self)
            self->context().platform().notice(self, kind, text);
    });
}

bool ListScreen::linesReadable() {
    m_lines->startWalk();
    if (const auto rows = m_lines->rows()) {
        QByteArray line;
        for (qsizetype i = 0, n = rows->count(); i < n && !rows->failed(); ++i) {
            line.resize(0);
            rows->cell(i, 0, line);
        }
    }
    return !refuseUnreadable();
}

bool ListScreen::refuseUnreadable() {
    const auto rows = m_lines->rows();
    if (!rows || !rows->failed())
        return false;
    reportArchiveError(context(), this, rows->busy());
    return true;
}

void ListScreen::pickLine(int, RecordReceiver&) {}

void ListScreen::lstRecordsDblClick() {
    if (!m_receiver)
        return;
    const QModelIndex current = m_list->currentIndex();
    if (current.isValid() && m_list->selectionModel()->isSelected(current))
        pickLine(current.row(), *m_receiver);
    close();
}

void ListScreen::btnEsciClick() {
    close();
}

void ListScreen::done(int result) {
    FormClose();
    ToolDialog::done(result);
}

} // namespace dp
