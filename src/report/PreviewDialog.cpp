#include "report/PreviewDialog.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QCache>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>

namespace dp {

namespace {

constexpr int kGap = 16; // pixels around and between pages
constexpr qreal kMinZoom = 0.1;
constexpr qreal kMaxZoom = 4.0;
constexpr qreal kZoomStep = 1.25;
constexpr int kCacheBytes = 48 << 20; // drawn pages kept for scrolling back and forth
// A page bigger than this (a high zoom, a high-density screen) is drawn only where it is in
// sight, at each repaint: a whole page at 400 % would take some 57 MB, four times that at a
// device pixel ratio of 2.
constexpr qint64 kWholePageBytes = 16 << 20;

} // namespace

// The pages one below the other on a grey ground, drawn from the document as they come
// into sight; the last pages drawn are kept for as long as the zoom stays.
class PreviewPages final : public QAbstractScrollArea {
  public:
    explicit PreviewPages(const report::PageSource& document, QWidget* parent)
        : QAbstractScrollArea(parent), m_document(document), m_cache(kCacheBytes) {
        setObjectName(QStringLiteral("pnlPagine"));
        viewport()->setAutoFillBackground(false);
        setFocusPolicy(Qt::StrongFocus);
        m_paperMm = document.pageLayout().fullRect(QPageLayout::Millimeter).size();
    }

    std::function<void()> onScroll;

    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom) {
        zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
        if (qFuzzyCompare(zoom, m_zoom))
            return;
        const int page = topPage();
        m_zoom = zoom;
        m_cache.clear();
        updateRanges();
        scrollToPage(page);
        viewport()->update();
    }
    // Zoom at which a page (or its width) fills the view.
    qreal fitZoom(bool wholePage) const {
        const QSizeF room(viewport()->width() - 2 * kGap, viewport()->height() - 2 * kGap);
        const qreal byWidth = room.width() / (m_paperMm.width() * pixelsPerMm(1));
        const qreal byHeight = room.height() / (m_paperMm.height() * pixelsPerMm(1));
        return wholePage ? std::min(byWidth, byHeight) : byWidth;
    }

    int topPage() const {
        const int step = pageSize().height() + kGap;
        return std::clamp((verticalScrollBar()->value() + step / 2) / step, 0,
                          std::max(0, m_document.pageCount() - 1));
    }
    void scrollToPage(int index) {
        index = std::clamp(index, 0, std::max(0, m_document.pageCount() - 1));
        verticalScrollBar()->setValue(index * (pageSize().height() + kGap));
    }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QAbstractScrollArea::resizeEvent(event);
        updateRanges();
    }
    void scrollContentsBy(int, int) override {
        viewport()->update();
        if (onScroll)
            onScroll();
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(viewport());
        painter.fillRect(viewport()->rect(), QColor(0x80, 0x80, 0x80));
        const QSize size = pageSize();
        const int step = size.height() + kGap;
        const int top = verticalScrollBar()->value();
        const int left = std::max(kGap, (viewport()->width() - size.width()) / 2) -
                         horizontalScrollBar()->value();
        const int count = m_document.pageCount();
        for (int i = std::max(0, (top - kGap) / step); i < count; ++i) {
            const int y = kGap + i * step - top;
            if (y >= viewport()->height())
                break;
            const QRect box(QPoint(left, y), size);
            painter.fillRect(box.translated(3, 3), QColor(0x50, 0x50, 0x50));
            const qreal ratio = devicePixelRatioF();
            if (qint64(std::ceil(size.width() * ratio)) * qint64(std::ceil(size.height() * ratio)) *
                    4 <=
                kWholePageBytes) {
                painter.drawImage(box, page(i, size));
            } else {
                const QRect part = box.intersected(viewport()->rect());
                if (!part.isEmpty())
                    painter.drawImage(part, render(i, part.topLeft() - box.topLeft(), part.size()));
            }
        }
    }
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_PageDown:
            scrollToPage(topPage() + 1);
            return;
        case Qt::Key_PageUp:
            scrollToPage(topPage() - 1);
            return;
        case Qt::Key_Home:
            scrollToPage(0);
            return;
        case Qt::Key_End:
            scrollToPage(m_document.pageCount() - 1);
            return;
        case Qt::Key_Down:
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            return;
        case Qt::Key_Up:
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
            return;
        default:
            QAbstractScrollArea::keyPressEvent(event);
        }
    }
    void wheelEvent(QWheelEvent* event) override {
        if (event->modifiers() & Qt::ControlModifier) {
            setZoom(event->angleDelta().y() > 0 ? m_zoom * kZoomStep : m_zoom / kZoomStep);
            if (onScroll)
                onScroll();
            return;
        }
        QAbstractScrollArea::wheelEvent(event);
    }

  private:
    // At 100 % a millimetre of paper takes as many pixels as on the screen.
    qreal pixelsPerMm(qreal zoom) const { return zoom * logicalDpiX() / 25.4; }
    QSize pageSize() const {
        const qreal ppm = pixelsPerMm(m_zoom);
        return {int(std::lround(m_paperMm.width() * ppm)),
                int(std::lround(m_paperMm.height() * ppm))};
    }
    void updateRanges() {
        const QSize size = pageSize();
        const int count = std::max(1, m_document.pageCount());
        // The scroll range is an int: at most some 100 million pixels of pages.
        const qint64 height = qint64(count) * (size.height() + kGap) + kGap;
        verticalScrollBar()->setRange(
            0, int(std::clamp<qint64>(height - viewport()->height(), 0, INT_MAX)));
        verticalScrollBar()->setPageStep(viewport()->height());
        verticalScrollBar()->setSingleStep(std::max(1, size.height() / 20));
        horizontalScrollBar()->setRange(0,
                                        std::max(0, size.width() + 2 * kGap - viewport()->width()));
        horizontalScrollBar()->setPageStep(viewport()->width());
        horizontalScrollBar()->setSingleStep(std::max(1, size.width() / 20));
    }
    // The page drawn whole at this size, laid out from the document when not kept.
    QImage page(int index, const QSize& size) {
        if (const QImage* kept = m_cache.object(index))
            return *kept;
        QImage image = render(index, QPoint(0, 0), size);
        const int bytes = int(std::min<qsizetype>(image.sizeInBytes(), INT_MAX));
        if (bytes <= kCacheBytes)
            m_cache.insert(index, new QImage(image), bytes);
        return image;
    }
    // The part of the page at the current zoom that starts `offset` from its corner and is
    // `size` big (view pixels), in the screen's own pixels.
    QImage render(int index, const QPoint& offset, const QSize& size) const {
        const qreal ratio = devicePixelRatioF();
        QImage image(size * ratio, QImage::Format_RGB32);
        const qreal dpi = pixelsPerMm(m_zoom) * 25.4 * ratio;
        const int dotsPerMeter = int(std::lround(dpi / 0.0254));
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.translate(-QPointF(offset) * ratio);
            report::paintPage(m_document.layoutPage(index), m_document.pageLayout(), painter, dpi);
        }
        return image;
    }

    const report::PageSource& m_document;
    QSizeF m_paperMm;
    qreal m_zoom = 1.0;
    QCache<int, QImage> m_cache;
};

PreviewDialog::PreviewDialog(const report::PageSource& document, QWidget* parent)
    : QDialog(parent), m_document(document), m_pages(new PreviewPages(document, this)) {
    setObjectName(QStringLiteral("dlgAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("barAnteprima"));
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setMovable(false);
    auto add = [&](const char* name, const QString& text, const QString& tip) {
        QAction* a = makeAction(QLatin1String(name), text, tip);
        bar->addAction(a);
        return a;
    };

    QAction* print =
        add("printAction", QStringLiteral("Stampa"), QStringLiteral("Stampa il documento."));
    connect(print, &QAction::triggered, this, &PreviewDialog::printRequested);
    bar->addSeparator();
    QAction* zoomOut =
        add("zoomOutAction", QStringLiteral("Riduci"), QStringLiteral("Riduce lo zoom."));
    m_zoomLabel = new QLabel(bar);
    m_zoomLabel->setObjectName(QStringLiteral("lblZoom"));
    m_zoomLabel->setMinimumWidth(
        m_zoomLabel->fontMetrics().horizontalAdvance(QStringLiteral("0000 %")));
    m_zoomLabel->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_zoomLabel);
    QAction* zoomIn =
        add("zoomInAction", QStringLiteral("Ingrandisci"), QStringLiteral("Aumenta lo zoom."));
    QAction* actual = add("actualSizeAction", QStringLiteral("Dimensioni reali"),
                          QStringLiteral("Mostra la pagina alle sue dimensioni reali (100 %)."));
    QAction* fitWidth = add("fitWidthAction", QStringLiteral("Adatta larghezza"),
                            QStringLiteral("Adatta la pagina alla larghezza della finestra."));
    QAction* fitPage = add("fitPageAction", QStringLiteral("Pagina intera"),
                           QStringLiteral("Mostra la pagina intera."));
    connect(zoomIn, &QAction::triggered, this, [this] { setZoomFactor(zoomFactor() * kZoomStep); });
    connect(zoomOut, &QAction::triggered, this,
            [this] { setZoomFactor(zoomFactor() / kZoomStep); });
    connect(actual, &QAction::triggered, this, [this] { setZoomFactor(1.0); });
    connect(fitWidth, &QAction::triggered, this,
            [this] { setZoomFactor(m_pages->fitZoom(false)); });
    connect(fitPage, &QAction::triggered, this, [this] { setZoomFactor(m_pages->fitZoom(true)); });

    if (document.pageCount() > 1) {
        bar->addSeparator();
        QAction* first =
            add("firstPageAction", QStringLiteral("Prima"), QStringLiteral("Prima pagina."));
        QAction* previous = add("prevPageAction", QStringLiteral("Precedente"),
                                QStringLiteral("Pagina precedente."));
        m_pageBox = new QSpinBox(bar);
        m_pageBox->setObjectName(QStringLiteral("txtPagina"));
        m_pageBox->setRange(1, document.pageCount());
        m_pageBox->setKeyboardTracking(false);
        m_pageBox->setToolTip(QStringLiteral("Pagina da mostrare."));
        bar->addWidget(m_pageBox);
        auto* of = new QLabel(QStringLiteral(" di %1 ").arg(document.pageCount()), bar);
        of->setObjectName(QStringLiteral("lblPagine"));
        bar->addWidget(of);
        QAction* next = add("nextPageAction", QStringLiteral("Successiva"),
                            QStringLiteral("Pagina successiva."));
        QAction* last =
            add("lastPageAction", QStringLiteral("Ultima"), QStringLiteral("Ultima pagina."));
        connect(first, &QAction::triggered, this, [this] { showPage(0); });
        connect(previous, &QAction::triggered, this, [this] { showPage(currentPage() - 1); });
        connect(next, &QAction::triggered, this, [this] { showPage(currentPage() + 1); });
        connect(last, &QAction::triggered, this, [this] { showPage(pageCount() - 1); });
        connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int page) { showPage(page - 1); });
    }

    bar->addSeparator();
    QAction* full = add("fullScreenAction", QStringLiteral("Schermo intero"),
                        QStringLiteral("Schermo intero."));
    full->setCheckable(true);
    connect(full, &QAction::toggled, this, [this](bool on) {
        if (on)
            showFullScreen();
        else
            showNormal();
    });
    QAction* close =
        add("closeAction", QStringLiteral("Chiudi"), QStringLiteral("Chiude l'anteprima."));
    connect(close, &QAction::triggered, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_pages, 1);
    m_pages->onScroll = [this] { syncPage(); };

    // Room for a whole landscape page across at 100 %, within the screen.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        resize(std::min(1240, room.width() * 9 / 10), std::min(900, room.height() * 9 / 10));
    }
    syncPage();
    m_pages->setFocus();
}

QAction* PreviewDialog::makeAction(const QString& objectName, const QString& text,
                                   const QString& tip) {
    auto* action = new QAction(text, this);
    action->setObjectName(objectName);
    action->setToolTip(tip);
    return action;
}

qreal PreviewDialog::zoomFactor() const {
    return m_pages->zoom();
}

int PreviewDialog::currentPage() const {
    return m_pages->topPage();
}

int PreviewDialog::pageCount() const {
    return m_document.pageCount();
}

void PreviewDialog::setZoomFactor(qreal factor) {
    m_pages->setZoom(factor);
    syncPage();
}

void PreviewDialog::showPage(int index) {
    m_pages->scrollToPage(index);
    syncPage();
}

void PreviewDialog::syncPage() {
    m_zoomLabel->setText(QStringLiteral("%1 %").arg(std::lround(zoomFactor() * 100)));
    if (m_pageBox) {
        const QSignalBlocker quiet(m_pageBox);
        m_pageBox->setValue(currentPage() + 1);
    }
}

} // namespace dp
