#include "reports/Preview.h"

#include "reports/Render.h"
#include "session/Dialogs.h"
#include "session/Session.h"

#include <QGuiApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace reports {

namespace {
constexpr int kPageGap = 12;      // grey border around the page on screen
const int kPercents[] = {50, 75, 100, 150, 200};
} // namespace

// The current page drawn at the pane's scale on a grey desk.
class PageView : public QWidget {
public:
    explicit PageView(PreviewPane *pane) : QWidget(nullptr), m_pane(pane)
    {
        setObjectName(QStringLiteral("pagView"));
        setAutoFillBackground(false);
    }
    void refresh()
    {
        const Document &doc = m_pane->document();
        const QSize page = (doc.pageSize * m_pane->scale()).toSize();
        resize(page + QSize(2 * kPageGap, 2 * kPageGap));
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(128, 128, 128));
        const Document &doc = m_pane->document();
        if (doc.isEmpty())
            return;
        const QRectF page(QPointF(kPageGap, kPageGap), doc.pageSize * m_pane->scale());
        painter.fillRect(page.translated(3, 3), QColor(64, 64, 64));
        painter.fillRect(page, Qt::white);
        painter.translate(page.topLeft());
        drawPage(painter, doc, m_pane->currentPage(), m_pane->scale());
    }

private:
    PreviewPane *m_pane;
};

PreviewPane::PreviewPane(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("panPreview"));
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(4, 4, 4, 4);
    auto button = [&](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        bar->addWidget(b);
        return b;
    };
    m_first = button("sbtFirst", QStringLiteral("처음"));
    m_prior = button("sbtPrior", QStringLiteral("이전"));
    m_pageBox = new QSpinBox(this);
    m_pageBox->setObjectName(QStringLiteral("edtPage"));
    m_pageBox->setRange(1, 1);
    m_pageBox->setAlignment(Qt::AlignRight);
    bar->addWidget(m_pageBox);
    m_pageCount = new QLabel(this);
    m_pageCount->setObjectName(QStringLiteral("lblPageCount"));
    bar->addWidget(m_pageCount);
    m_next = button("sbtNext", QStringLiteral("다음"));
    m_last = button("sbtLast", QStringLiteral("마지막"));
    bar->addSpacing(12);
    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("cboZoom"));
    m_zoom->addItem(QStringLiteral("페이지 맞춤"));
    m_zoom->addItem(QStringLiteral("폭 맞춤"));
    for (int p : kPercents)
        m_zoom->addItem(QStringLiteral("%1%").arg(p), p);
    m_zoom->setCurrentIndex(1);
    bar->addWidget(m_zoom);
    bar->addStretch(1);
    m_print = button("bbtPrint", QStringLiteral("인쇄"));
    m_pdf = button("bbtPdf", QStringLiteral("PDF 저장"));

    m_view = new PageView(this);
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrPages"));
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidget(m_view);

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addLayout(bar);
    root->addWidget(m_scroll, 1);

    connect(m_first, &QPushButton::clicked, this, [this] { first(); });
    connect(m_prior, &QPushButton::clicked, this, [this] { prior(); });
    connect(m_next, &QPushButton::clicked, this, [this] { next(); });
    connect(m_last, &QPushButton::clicked, this, [this] { last(); });
    connect(m_pageBox, &QSpinBox::valueChanged, this, [this](int value) { setPage(value - 1); });
    connect(m_zoom, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index == 0)
            fitPage();
        else if (index == 1)
            fitWidth();
        else
            setZoomPercent(m_zoom->itemData(index).toInt());
    });
    connect(m_print, &QPushButton::clicked, this, [this] { print(); });
    connect(m_pdf, &QPushButton::clicked, this, [this] { saveAsPdf(); });

    auto key = [this](const QKeySequence &seq, std::function<void()> run) {
        auto *s = new QShortcut(seq, this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, std::move(run));
    };
    key(Qt::Key_PageDown, [this] { next(); });
    key(Qt::Key_PageUp, [this] { prior(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { first(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_End), [this] { last(); });
    key(QKeySequence(Qt::CTRL | Qt::Key_P), [this] { print(); });
    updateControls();
}

void PreviewPane::setDocument(const Document &doc)
{
    m_doc = doc;
    m_page = 0;
    if (m_baseName.isEmpty())
        m_baseName = doc.title;
    applyZoom();
    updateControls();
    Q_EMIT pageChanged(m_page);
}

void PreviewPane::setPage(int page)
{
    page = qBound(0, page, qMax(0, m_doc.pageCount() - 1));
    if (page == m_page)
        return;
    m_page = page;
    m_scroll->verticalScrollBar()->setValue(0);
    m_view->update();
    updateControls();
    Q_EMIT pageChanged(m_page);
}

void PreviewPane::setZoomPercent(int percent)
{
    m_fit = Fit::None;
    m_percent = qBound(10, percent, 800);
    const int index = m_zoom->findData(m_percent);
    if (index >= 0 && index != m_zoom->currentIndex()) {
        const QSignalBlocker block(m_zoom);
        m_zoom->setCurrentIndex(index);
    }
    applyZoom();
}

void PreviewPane::fitWidth()
{
    m_fit = Fit::Width;
    const QSignalBlocker block(m_zoom);
    m_zoom->setCurrentIndex(1);
    applyZoom();
}

void PreviewPane::fitPage()
{
    m_fit = Fit::Page;
    const QSignalBlocker block(m_zoom);
    m_zoom->setCurrentIndex(0);
    applyZoom();
}

void PreviewPane::applyZoom()
{
    const QSizeF page = m_doc.pageSize.isEmpty() ? QSizeF(794, 1123) : m_doc.pageSize;
    const QSize room = m_scroll->maximumViewportSize() - QSize(2 * kPageGap, 2 * kPageGap);
    const double byWidth = qMax(1, room.width() - m_scroll->verticalScrollBar()->sizeHint().width()) / page.width();
    const double byHeight = qMax(1, room.height()) / page.height();
    switch (m_fit) {
    case Fit::Width:
        m_scale = byWidth;
        break;
    case Fit::Page:
        m_scale = qMin(room.width() / page.width(), byHeight);
        break;
    case Fit::None:
        m_scale = m_percent / 100.0;
        break;
    }
    m_scale = qMax(0.05, m_scale);
    m_view->refresh();
}

void PreviewPane::updateControls()
{
    const int count = m_doc.pageCount();
    {
        const QSignalBlocker block(m_pageBox);
        m_pageBox->setRange(count > 0 ? 1 : 0, qMax(count, 0));
        m_pageBox->setValue(count > 0 ? m_page + 1 : 0);
    }
    m_pageCount->setText(QStringLiteral("/ %1").arg(count));
    m_first->setEnabled(m_page > 0);
    m_prior->setEnabled(m_page > 0);
    m_next->setEnabled(m_page + 1 < count);
    m_last->setEnabled(m_page + 1 < count);
    m_print->setEnabled(count > 0);
    m_pdf->setEnabled(count > 0);
}

void PreviewPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_fit != Fit::None)
        applyZoom();
}

bool PreviewPane::print() { return printWithDialog(m_doc, this); }

bool PreviewPane::saveAsPdf() { return reports::saveAsPdf(m_doc, m_baseName, this); }

// ---------------------------------------------------------------- window

PreviewWindow::PreviewWindow(const Document &doc, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmPreview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(doc.title.isEmpty() ? QStringLiteral("미리보기") : QStringLiteral("미리보기 - ") + doc.title);
    m_pane = new PreviewPane(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pane);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(qMin(room.width() * 4 / 5, int(doc.pageSize.width()) + 80), room.height() * 9 / 10);
    m_pane->setDocument(doc);
}

void PreviewWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

PreviewWindow *showPreview(const Document &doc, QWidget *parent)
{
    auto *window = new PreviewWindow(doc, parent);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

// ---------------------------------------------------------------- printing and PDF

bool printWithDialog(const Document &doc, QWidget *parent)
{
    if (doc.isEmpty())
        return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(doc.orientation);
    printer.setDocName(doc.title);
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("dlgPrint"));
    dialog.setMinMax(1, doc.pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialogs().execDialog(&dialog) != QDialog::Accepted)
        return false;
    return printWithProgress(doc, printer, parent);
}

bool printWithProgress(const Document &doc, QPrinter &printer, QWidget *parent)
{
    QProgressDialog progress(QStringLiteral("인쇄 중입니다..."), QStringLiteral("취소"), 0, doc.pageCount(), parent);
    progress.setObjectName(QStringLiteral("frmPrintProgress"));
    progress.setWindowTitle(kAppTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    bool cancelled = false;
    const bool ok = printPages(doc, printer, [&](int done, int total) {
        progress.setMaximum(total);
        progress.setLabelText(QStringLiteral("인쇄 중입니다... (%1 / %2)").arg(done).arg(total));
        progress.setValue(done);
        QCoreApplication::processEvents();
        cancelled = progress.wasCanceled();
        return !cancelled;
    });
    progress.close();
    if (!ok && !cancelled)
        ShowError(QStringLiteral("인쇄할 수 없습니다."));
    return ok;
}

bool saveAsPdf(const Document &doc, const QString &baseName, QWidget *parent)
{
    if (doc.isEmpty())
        return false;
    const QString proposed = (baseName.isEmpty() ? QStringLiteral("report") : baseName) + QStringLiteral(".pdf");
    QString fileName = dialogs().saveFileName(parent, QStringLiteral("PDF 파일로 저장"), proposed,
                                              QStringLiteral("PDF 파일 (*.pdf)"));
    if (fileName.isEmpty())
        return false;
    if (QFileInfo(fileName).suffix().toLower() != QLatin1String("pdf"))
        fileName += QStringLiteral(".pdf");
    QString error;
    if (!writePdf(doc, fileName, &error)) {
        ShowError(QStringLiteral("PDF 파일로 저장할 수 없습니다.\n") + error);
        return false;
    }
    return true;
}

} // namespace reports

#include "moc_Preview.cpp"
