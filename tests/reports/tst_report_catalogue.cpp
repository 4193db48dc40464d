// The catalogue's code list report on a real database, built directly and
// opened in a report window by its file name and parameter text.

#include "reports/Catalogue.h"
#include "reports/Preview.h"
#include "reports/Viewer.h"
#include "support/DialogRecorder.h"
#include "support/Session.h"

#include "PdfText.h"
#include "modules/master/MasterArea.h"

#include <QtTest>

using namespace reports;

namespace {

// "name=text" of the items whose names are listed, over all pages in order.
QStringList trace(const Document &doc, const QStringList &names)
{
    QStringList out;
    for (const Page &page : doc.pages)
        for (const Item &item : page.items)
            if (names.contains(item.name))
                out << item.name + u'=' + item.text;
    return out;
}

} // namespace

class TestReportCatalogue : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RegisterMasterArea(); }  // the code list report of the catalogue

    void codeListByHead()
    {
        TestSession session;
        const ReportBuilder build = findReport(QStringLiteral("code_list.mrd"));
        QVERIFY(build);
        QVERIFY(reportNames().contains(QStringLiteral("code_list.mrd")));

        // One head: its header, its codes in order, its count and the total.
        const QString units = session.scalar(QStringLiteral(
            "SELECT COUNT(*) FROM ZX010MS WHERE HEAD = 'Z0025' AND COALESCE(TRIM(DETAIL), '') <> ''"));
        QVERIFY(units.toInt() > 3);
        const QString unitsName = session.scalar(QStringLiteral(
            "SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'Z0025' AND COALESCE(TRIM(DETAIL), '') = ''"));
        const Document doc = build(session.conn(), {QStringLiteral("Z0025")});
        QVERIFY(doc.pageCount() >= 1);
        const Page &first = doc.pages[0];
        QCOMPARE(first.text("qrlTitle"), QStringLiteral("공통코드 목록"));
        QCOMPARE(first.text("qrlCondition"), QStringLiteral("코드구분 : Z0025"));
        QCOMPARE(first.text("qrlHEAD"), QStringLiteral("[Z0025] ") + unitsName);
        const QString firstCode = session.scalar(QStringLiteral(
            "SELECT MIN(DETAIL) FROM ZX010MS WHERE HEAD = 'Z0025' AND COALESCE(TRIM(DETAIL), '') <> ''"));
        QCOMPARE(first.text("qrdDETAIL"), firstCode);
        QCOMPARE(trace(doc, {"qrlHeadCount", "qrlTotalCount"}),
                 (QStringList{"qrlHeadCount=소계 " + units + " 건", "qrlTotalCount=합계 " + units + " 건"}));
        const QString total = QString::number(doc.pageCount());
        for (int p = 0; p < doc.pageCount(); ++p) {
            QCOMPARE(doc.pages[p].text("qrlPageCurrent"), QString::number(p + 1));
            QCOMPARE(doc.pages[p].text("qrlPageTotal"), total);
        }

        // Every head: one group per head, counts adding up to the total.
        const Document all = build(session.conn(), {QString()});
        const int heads = session.scalar(QStringLiteral(
            "SELECT COUNT(DISTINCT HEAD) FROM ZX010MS WHERE COALESCE(TRIM(DETAIL), '') <> ''")).toInt();
        const int codes = session.scalar(QStringLiteral(
            "SELECT COUNT(*) FROM ZX010MS WHERE COALESCE(TRIM(DETAIL), '') <> ''")).toInt();
        QCOMPARE(trace(all, {"qrlHEAD"}).size(), heads);
        QCOMPARE(trace(all, {"qrdDETAIL"}).size(), codes);
        QCOMPARE(trace(all, {"qrlTotalCount"}), QStringList{QStringLiteral("qrlTotalCount=합계 %1 건").arg(codes)});
        QCOMPARE(all.pages[0].text("qrlCondition"), QStringLiteral("코드구분 : 전체"));

        // A head that does not exist still prints the frame with a zero total.
        const Document none = build(session.conn(), {QStringLiteral("QQ")});
        QCOMPARE(none.pageCount(), 1);
        QCOMPARE(trace(none, {"qrlHEAD", "qrlTotalCount"}), QStringList{QStringLiteral("qrlTotalCount=합계 0 건")});
    }

    void openedInAReportWindow()
    {
        TestSession session;
        DialogRecorder dialogs;
        QTemporaryDir dir;
        ReportViewer viewer(QStringLiteral("report/구매자재관리/code_list.mrd"), QStringLiteral("공통코드"));
        viewer.setParameterText(QStringLiteral("/rp [O0002]"));
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        QVERIFY2(viewer.hasPages(), qPrintable(viewer.message()));
        const Document &doc = viewer.pane()->document();
        QCOMPARE(doc.pages[0].text("qrlHEAD"), QStringLiteral("[O0002] 창고구분"));
        QVERIFY(doc.pages[0].texts().contains(QStringLiteral("자재창고")));

        // Its pages save as PDF from the window's own button.
        const QString file = dir.filePath(QStringLiteral("codes.pdf"));
        dialogs.fileNames.enqueue(file);
        QTest::mouseClick(viewer.findChild<QPushButton *>(QStringLiteral("bbtPdf")), Qt::LeftButton);
        QVERIFY(QFileInfo::exists(file));
        if (havePdfTools()) {
            const QString text = pdfTool(QStringLiteral("pdftotext"), file);
            QVERIFY2(text.contains(QStringLiteral("공통코드 목록")) && text.contains(QStringLiteral("자재창고")), qPrintable(text));
        }
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
    }
};

QTEST_MAIN(TestReportCatalogue)
#include "tst_report_catalogue.moc"
