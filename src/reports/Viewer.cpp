#include "reports/Viewer.h"

#include "reports/Catalogue.h"
#include "reports/Parameters.h"
#include "reports/Preview.h"
#include "session/Database.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace reports {

ReportViewer::ReportViewer(const QString &reportFile, const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::Window), m_file(reportFile)
{
    setObjectName(QStringLiteral("frmReportViewer"));
    setWindowTitle(caption.isEmpty() ? reportFile : caption);
    m_pane = new PreviewPane(this);
    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setAlignment(Qt::AlignCenter);
    m_message->setWordWrap(true);
    m_message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_stack = new QStackedWidget(this);
    m_stack->addWidget(m_pane);
    m_stack->addWidget(m_message);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QRect room = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    resize(qMin(room.width() * 4 / 5, 1100), room.height() * 9 / 10);
}

void ReportViewer::setReportFile(const QString &file)
{
    m_file = file;
    m_stale = true;
}

void ReportViewer::setParameterText(const QString &text)
{
    m_parameters = text;
    m_stale = true;
    if (isVisible())    // a window kept open shows the new report at once
        open();
}

bool ReportViewer::hasPages() const { return m_stack->currentWidget() == m_pane && !m_pane->document().isEmpty(); }

QString ReportViewer::message() const { return m_stack->currentWidget() == m_message ? m_message->text() : QString(); }

void ReportViewer::showMessage(const QString &text)
{
    m_pane->setDocument(Document());
    m_message->setText(text);
    m_stack->setCurrentWidget(m_message);
}

bool ReportViewer::open()
{
    m_stale = false;
    const ReportBuilder build = findReport(m_file);
    if (!build) {
        showMessage(QStringLiteral("보고서 파일(%1)을 찾을 수 없습니다.").arg(m_file));
        return false;
    }
    if (!m_conn && !HasProgramConnection()) {
        showMessage(QStringLiteral("데이터베이스에 연결되어 있지 않습니다."));
        return false;
    }
    Document doc;
    try {
        db::Connection &conn = m_conn ? *m_conn : dbsDB();
        doc = build(conn, parseReportParameters(m_parameters));
    } catch (const std::exception &e) {
        showMessage(QStringLiteral("보고서(%1)를 만들 수 없습니다.\n\n%2").arg(m_file, QString::fromUtf8(e.what())));
        return false;
    }
    if (doc.isEmpty()) {
        showMessage(QStringLiteral("출력할 자료가 없습니다."));
        return false;
    }
    if (!windowTitle().isEmpty() && doc.title.isEmpty())
        doc.title = windowTitle();
    const QString base = m_file.section(u'/', -1);
    m_pane->setFileBaseName(base.left(base.lastIndexOf(u'.') >= 0 ? base.lastIndexOf(u'.') : base.size()));
    m_pane->setDocument(doc);
    m_stack->setCurrentWidget(m_pane);
    return true;
}

void ReportViewer::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        open();
}

ReportViewer *openReportWindow(const QString &reportFile, const QString &parameterText, const QString &caption,
                               QWidget *parent)
{
    auto *viewer = new ReportViewer(reportFile, caption, parent);
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setParameterText(parameterText);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

} // namespace reports

#include "moc_Viewer.cpp"
