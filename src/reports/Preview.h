#pragma once
// On-screen pages: a pane with paging, zoom, printing and PDF saving, shown
// by the preview window and by the report viewer windows.

#include "reports/Report.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace reports {

class PageView;

class PreviewPane : public QWidget {
    Q_OBJECT
public:
    explicit PreviewPane(QWidget *parent = nullptr);

    void setDocument(const Document &doc);
    const Document &document() const { return m_doc; }

    int currentPage() const { return m_page; }          // 0-based
    void setPage(int page);
    void first() { setPage(0); }
    void prior() { setPage(m_page - 1); }
    void next() { setPage(m_page + 1); }
    void last() { setPage(m_doc.pageCount() - 1); }

    // Zoom: a percentage, or fitted to the visible width or to the whole page.
    void setZoomPercent(int percent);
    void fitWidth();
    void fitPage();
    double scale() const { return m_scale; }            // screen pixels per page pixel

    // Asks for the printer (a modal dialog through the dialog seam) and
    // prints with a progress window; false when cancelled or failed.
    bool print();
    // Asks for a file name through the dialog seam and writes the pages.
    bool saveAsPdf();
    // Name proposed by the save dialog, without extension.
    void setFileBaseName(const QString &name) { m_baseName = name; }

Q_SIGNALS:
    void pageChanged(int page);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    enum class Fit { None, Width, Page };
    void applyZoom();
    void updateControls();

    Document m_doc;
    int m_page = 0;
    double m_scale = 1.0;
    int m_percent = 100;
    Fit m_fit = Fit::Width;
    QString m_baseName;

    QPushButton *m_first, *m_prior, *m_next, *m_last, *m_print, *m_pdf;
    QSpinBox *m_pageBox;
    QLabel *m_pageCount;
    QComboBox *m_zoom;
    QScrollArea *m_scroll;
    PageView *m_view;
};

// The preview window: modeless, frees itself when closed.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(const Document &doc, QWidget *parent = nullptr);
    PreviewPane *pane() const { return m_pane; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    PreviewPane *m_pane;
};

// Shows `doc` in a new preview window without waiting.
PreviewWindow *showPreview(const Document &doc, QWidget *parent = nullptr);

// Printer dialog through the dialog seam, then printing with a progress window.
bool printWithDialog(const Document &doc, QWidget *parent = nullptr);

// Prints with a progress window that offers to stop.
bool printWithProgress(const Document &doc, QPrinter &printer, QWidget *parent = nullptr);

// Save dialog through the dialog seam, then writePdf(); failures in a message box.
bool saveAsPdf(const Document &doc, const QString &baseName, QWidget *parent = nullptr);

} // namespace reports
