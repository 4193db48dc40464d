#pragma once
// A report window of the catalogue: opened by report file name and the
// bracketed parameter text ("/rp [a][b]"), it builds the report on the
// program's connection and shows it with its own paging, printing and PDF
// saving. A report that cannot be built is explained inside the window.

#include <QWidget>

class QLabel;
class QStackedWidget;

namespace db { class Connection; }

namespace reports {

class PreviewPane;

class ReportViewer : public QWidget {
    Q_OBJECT
public:
    explicit ReportViewer(const QString &reportFile, const QString &caption = QString(), QWidget *parent = nullptr);

    QString reportFile() const { return m_file; }
    void setReportFile(const QString &file);
    // Set before showing; showing the window opens the report with it (a
    // window already shown opens it at once).
    void setParameterText(const QString &text);
    QString parameterText() const { return m_parameters; }
    // The connection the report reads (default: the program's).
    void setConnection(db::Connection *conn) { m_conn = conn; }

    // Builds the report and shows its pages; false when the report is
    // unknown or failed, with the reason shown in the window.
    bool open();
    bool hasPages() const;
    QString message() const;
    PreviewPane *pane() const { return m_pane; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showMessage(const QString &text);

    QString m_file;
    QString m_parameters;
    bool m_stale = true;
    db::Connection *m_conn = nullptr;
    QStackedWidget *m_stack;
    PreviewPane *m_pane;
    QLabel *m_message;
};

// A new viewer window that frees itself when closed, shown without waiting.
ReportViewer *openReportWindow(const QString &reportFile, const QString &parameterText,
                               const QString &caption = QString(), QWidget *parent = nullptr);

} // namespace reports
