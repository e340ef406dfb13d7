#include "summaries/SummaryWidgets.h"

#include "ui/Icons.h"
#include "ui/LineListModel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace dp::summaries {

QListView* makeLineList(QWidget* parent, LineListModel* model) {
    auto* list = new QListView(parent);
    list->setObjectName(QStringLiteral("lstRecords"));
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QFont font(QStringLiteral("Courier New"), 12);
    font.setStyleHint(QFont::TypeWriter);
    list->setFont(font);
    list->setStyleSheet(QStringLiteral("QListView { color: black; background: white; }"));
    const QFontMetrics fm(font);
    model->setItemSize(QSize(1600, fm.height() + 2));
    list->setModel(model);
    return list;
}

QToolButton* makePicture(QWidget* parent, const QString& name, const QString& tip,
                         const QString& kind) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setToolTip(tip);
    b->setIconSize(QSize(32, 32));
    b->setCursor(Qt::PointingHandCursor);
    if (kind == QLatin1String("help"))
        b->setIcon(icon(Icon::Help));
    else if (kind == QLatin1String("exit"))
        b->setIcon(icon(Icon::Exit));
    else
        b->setIcon(icon(Icon::Export));
    return b;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

QFrame* makeHeading(QWidget* parent, const QString& title, QWidget* right) {
    auto* head = new QFrame(parent);
    head->setObjectName(QStringLiteral("bkgIntestazione"));
    head->setStyleSheet(
        QStringLiteral("QFrame#bkgIntestazione { background: #e8eef7; border: 1px solid #c9d4e4; "
                       "border-radius: 4px; }"));
    auto* label = makeLabel(head, QStringLiteral("titIntestazione"), title);
    QFont f = label->font();
    f.setPointSizeF(f.pointSizeF() * 1.4);
    f.setBold(true);
    label->setFont(f);
    auto* layout = new QHBoxLayout(head);
    layout->setContentsMargins(14, 6, 8, 6);
    layout->addWidget(label, 1);
    if (right) {
        right->setParent(head);
        layout->addWidget(right);
    }
    return head;
}

QString titleOf(const QString& caption) {
    const QString prefix = QStringLiteral(" Depotta - ");
    return caption.startsWith(prefix) ? caption.mid(prefix.size()) : caption.trimmed();
}

QLabel* makeWaitingLabel(QWidget* parent, const QString& text) {
    QLabel* l = makeLabel(parent, QStringLiteral("lblAttendere"), text);
    l->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    l->hide();
    return l;
}

FindPrintBar makeFindPrintBar(QWidget* parent, const QString& printCaption, HelpTopic help) {
    FindPrintBar bar{};
    auto* rigo01 =
        makeLabel(parent, QStringLiteral("lblRigo01"),
                  QStringLiteral("Immettere una o più parole consecutive presenti nella scheda "
                                 "in elenco da cercare e premere il pulsante Trova."));
    auto* rigo02 =
        makeLabel(parent, QStringLiteral("lblRigo02"),
                  QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa "
                                 "chiave di ricerca, fare di nuovo clic su Trova."));
    bar.trova = new QLineEdit(parent);
    bar.trova->setObjectName(QStringLiteral("txtTrova"));
    bar.btnTrova = new QPushButton(QStringLiteral("Trova"), parent);
    bar.btnTrova->setObjectName(QStringLiteral("btnTrova"));
    bar.stampa = new QPushButton(printCaption, parent);
    bar.stampa->setObjectName(QStringLiteral("btnStampa"));
    bar.esci = new QPushButton(QStringLiteral("Esci"), parent);
    bar.esci->setObjectName(QStringLiteral("btnEsci"));
    for (QPushButton* b : {bar.btnTrova, bar.stampa, bar.esci})
        b->setAutoDefault(false);
    bar.guida =
        makePicture(parent, QStringLiteral("imgGuida"), helpTitle(help), QStringLiteral("help"));

    auto* findRow = new QHBoxLayout;
    findRow->addWidget(bar.trova, 1);
    findRow->addWidget(bar.btnTrova);
    findRow->addSpacing(24);
    findRow->addWidget(bar.stampa);
    findRow->addWidget(bar.esci);
    bar.layout = new QVBoxLayout;
    bar.layout->setSpacing(8);
    bar.layout->addWidget(rigo01);
    bar.layout->addWidget(rigo02);
    bar.layout->addLayout(findRow);
    return bar;
}

} // namespace dp::summaries
