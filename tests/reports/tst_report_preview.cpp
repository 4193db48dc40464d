// The preview window and the catalogue report windows as a user works them:
// paging, zoom, printing through the printer dialog, saving as PDF, and
// reports that cannot be opened.

#include "db/Connection.h"
#include "reports/Catalogue.h"
#include "reports/Preview.h"
#include "reports/Report.h"
#include "reports/Viewer.h"
#include "support/DialogRecorder.h"

#include "PdfText.h"

#include <QtPrintSupport>
#include <QtTest>

using namespace reports;

namespace {

// Seven pages, three rows of 300 pixels on each.
Document sevenPages()
{
    Report r;
    r.setDocumentTitle(QStringLiteral("시험 출력"));
    r.setRowCount(20);
    r.detail(300).system(QStringLiteral("no"), {0, 0, 100, 20}, SystemValue::LineNumber);
    r.pageFooter(20).system(QStringLiteral("pg"), {0, 0, 100, 20}, SystemValue::PageNumber);
    return r.prepare();
}

template <typename T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QLatin1String(name));
    if (!c)
        qWarning("no child %s", name);
    return c;
}

int pdfPages(const QString &file)
{
    const QString info = pdfTool(QStringLiteral("pdfinfo"), file);
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pagingAndZoom()
    {
        DialogRecorder dialogs;
        const Document doc = sevenPages();
        QCOMPARE(doc.pageCount(), 7);
        QPointer<PreviewWindow> window = showPreview(doc);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->windowTitle(), QStringLiteral("미리보기 - 시험 출력"));
        PreviewPane *pane = window->pane();
        auto *pageBox = child<QSpinBox>(window, "edtPage");
        QCOMPARE(child<QLabel>(window, "lblPageCount")->text(), QStringLiteral("/ 7"));
        QCOMPARE(pageBox->value(), 1);
        QVERIFY(!child<QPushButton>(window, "sbtPrior")->isEnabled());

        QTest::mouseClick(child<QPushButton>(window, "sbtNext"), Qt::LeftButton);
        QCOMPARE(pane->currentPage(), 1);
        QCOMPARE(pageBox->value(), 2);
        QTest::mouseClick(child<QPushButton>(window, "sbtLast"), Qt::LeftButton);
        QCOMPARE(pane->currentPage(), 6);
        QVERIFY(!child<QPushButton>(window, "sbtNext")->isEnabled());
        QVERIFY(!child<QPushButton>(window, "sbtLast")->isEnabled());
        QTest::mouseClick(child<QPushButton>(window, "sbtPrior"), Qt::LeftButton);
        QCOMPARE(pane->currentPage(), 5);
        QTest::keyClick(child<QScrollArea>(window, "scrPages"), Qt::Key_PageUp);
        QCOMPARE(pane->currentPage(), 4);
        QTest::keyClick(child<QScrollArea>(window, "scrPages"), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(pane->currentPage(), 0);
        pageBox->setValue(4);
        QCOMPARE(pane->currentPage(), 3);
        QTest::mouseClick(child<QPushButton>(window, "sbtFirst"), Qt::LeftButton);
        QCOMPARE(pane->currentPage(), 0);

        auto *zoom = child<QComboBox>(window, "cboZoom");
        auto *view = child<QWidget>(window, "pagView");
        auto *scroll = child<QScrollArea>(window, "scrPages");
        QCOMPARE(zoom->currentText(), QStringLiteral("폭 맞춤"));    // opens fitted to the width
        QVERIFY(view->width() <= scroll->viewport()->width());
        zoom->setCurrentIndex(zoom->findText(QStringLiteral("100%")));
        QCOMPARE(pane->scale(), 1.0);
        QCOMPARE(view->width(), qRound(doc.pageSize.width()) + 24);
        zoom->setCurrentIndex(zoom->findText(QStringLiteral("200%")));
        QCOMPARE(pane->scale(), 2.0);
        zoom->setCurrentIndex(zoom->findText(QStringLiteral("페이지 맞춤")));
        QVERIFY(view->height() <= scroll->viewport()->height() + 1);
        QVERIFY(view->width() <= scroll->viewport()->width() + 1);
        pane->setZoomPercent(75);
        QCOMPARE(zoom->currentText(), QStringLiteral("75%"));

        QTest::keyClick(window, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());
        QVERIFY(dialogs.messages.isEmpty());
    }

    void printsThroughThePrinterDialog()
    {
        DialogRecorder dialogs;
        QTemporaryDir dir;
        const Document doc = sevenPages();
        PreviewPane pane;
        pane.setDocument(doc);
        pane.show();

        // Cancelled dialog: nothing printed.
        QVERIFY(!pane.print());

        // The printer chosen is a file; a range of pages prints only those.
        const QString all = dir.filePath(QStringLiteral("all.pdf"));
        const QString range = dir.filePath(QStringLiteral("range.pdf"));
        QString title;
        dialogs.dialogHandlers.enqueue([&](QDialog *d) {
            auto *dialog = qobject_cast<QPrintDialog *>(d);
            title = dialog->printer()->docName();
            dialog->printer()->setOutputFileName(all);
            return int(QDialog::Accepted);
        });
        dialogs.dialogHandlers.enqueue([&](QDialog *d) {
            auto *dialog = qobject_cast<QPrintDialog *>(d);
            dialog->printer()->setOutputFileName(range);
            dialog->printer()->setPrintRange(QPrinter::PageRange);
            dialog->printer()->setFromTo(2, 3);
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(child<QPushButton>(&pane, "bbtPrint"), Qt::LeftButton);
        QVERIFY(QFileInfo::exists(all));
        QCOMPARE(title, QStringLiteral("시험 출력"));
        QVERIFY(pane.print());
        QVERIFY(QFileInfo::exists(range));
        if (havePdfTools()) {
            QCOMPARE(pdfPages(all), 7);
            QCOMPARE(pdfPages(range), 2);
            QVERIFY(pdfTool(QStringLiteral("pdftotext"), range).split(u'\f').value(0).contains(QStringLiteral("4")));
        }
        QVERIFY(dialogs.messages.isEmpty());
    }

    void savesAsPdf()
    {
        DialogRecorder dialogs;
        QTemporaryDir dir;
        PreviewPane pane;
        pane.setDocument(sevenPages());
        pane.setFileBaseName(QStringLiteral("OAP010"));

        dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("saved")));   // extension added
        QTest::mouseClick(child<QPushButton>(&pane, "bbtPdf"), Qt::LeftButton);
        QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("saved.pdf"))));
        if (havePdfTools())
            QCOMPARE(pdfPages(dir.filePath(QStringLiteral("saved.pdf"))), 7);

        dialogs.fileNames.enqueue(QString());   // cancelled
        QVERIFY(!pane.saveAsPdf());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);

        dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("no/such/dir/x.pdf")));
        QVERIFY(!pane.saveAsPdf());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].kind, MessageKind::Error);
        QVERIFY(dialogs.lastText().startsWith(QStringLiteral("PDF 파일로 저장할 수 없습니다.")));
    }

    void viewerExplainsReportsItCannotOpen()
    {
        DialogRecorder dialogs;
        ReportViewer unknown(QStringLiteral("danga.mrd"), QStringLiteral("계약단가"));
        unknown.setParameterText(QStringLiteral("/rp [A001][V001][20040101][20041231]"));
        unknown.show();
        QVERIFY(QTest::qWaitForWindowExposed(&unknown));
        QVERIFY(!unknown.hasPages());
        QCOMPARE(unknown.message(), QStringLiteral("보고서 파일(danga.mrd)을 찾을 수 없습니다."));
        QVERIFY(child<QLabel>(&unknown, "lblMessage")->isVisible());
        QCOMPARE(unknown.windowTitle(), QStringLiteral("계약단가"));

        // A report the catalogue knows gets the parsed parameters; a path in
        // front of the name and its letter case do not matter.
        db::Connection conn;
        QStringList received;
        registerReport(QStringLiteral("report/구매자재관리/Test_Params.mrd"), [&](db::Connection &, const QStringList &p) {
            received = p;
            Report r;
            r.setRowCount(p.size());
            r.detail(20).expression(QStringLiteral("v"), {0, 0, 200, 20}, [p](const Row &row) { return p[row.index()]; });
            return r.prepare();
        });
        ReportViewer known(QStringLiteral("/report/구매자재관리/TEST_PARAMS.MRD"));
        known.setConnection(&conn);
        known.setParameterText(QStringLiteral("/rp  [서울 본사] [] [310]"));
        known.show();
        QVERIFY(known.hasPages());
        QCOMPARE(received, (QStringList{"서울 본사", "", "310"}));
        QVERIFY(known.message().isEmpty());
        QCOMPARE(known.pane()->document().pages[0].texts(), (QStringList{"서울 본사", "310"}));
        // New parameters for a window that is open show the new report.
        known.setParameterText(QStringLiteral("/rp[x]"));
        QCOMPARE(received, QStringList{"x"});

        // A builder that fails explains why, in the window.
        registerReport(QStringLiteral("fails.mrd"), [](db::Connection &, const QStringList &) -> Document {
            throw db::DbError(QStringLiteral("relation \"zz999ms\" does not exist"));
        });
        ReportViewer failing(QStringLiteral("fails.mrd"));
        failing.setConnection(&conn);
        failing.show();
        QVERIFY(!failing.hasPages());
        QVERIFY(failing.message().contains(QStringLiteral("zz999ms")));

        // Without the program's connection there is nothing to read.
        ReportViewer unconnected(QStringLiteral("test_params.mrd"));
        unconnected.show();
        QCOMPARE(unconnected.message(), QStringLiteral("데이터베이스에 연결되어 있지 않습니다."));

        // A window opened for the screens frees itself when closed.
        QPointer<ReportViewer> window = openReportWindow(QStringLiteral("nothing.mrd"), QString(), QStringLiteral("집계"));
        QVERIFY(window->isVisible());
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window.isNull());

        QVERIFY(dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestReportPreview)
#include "tst_report_preview.moc"
