// The stock summaries and the item ledger over a small history whose figures
// are worked out by hand (SummaryFixture.h): each summary's opening,
// receipts, issues, returns, transfers, adjustments and closing with their
// amounts, and the ledger's running balance against the monthly stock.

#include "SummaryFixture.h"
#include "modules/stock/OES020.h"
#include "modules/stock/OES030.h"
#include "modules/stock/OES040.h"
#include "modules/stock/OES050.h"
#include "modules/stock/OES060.h"
#include "modules/stock/OES100.h"
#include "modules/stock/StockPrintout.h"
#include "reports/Preview.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QCheckBox>
#include <cmath>

using namespace summaryfx;

namespace {

struct Search {
    QString month;
    QString endMonth = {};
    QString warehouse = {};
    bool sub = false;
    QString item = {};
};

// The conditions typed as a user types them, then "조회(F3)".
template <typename Form>
void search(ScreenDriver<Form> &d, const Search &s)
{
    d.type("medYYMM", s.month);
    if (!s.endMonth.isEmpty())
        d.type("medYYMM_END", s.endMonth);
    if (d.template field<QLineEdit>("edtSTRG_CODE")) {
        d.type("edtSTRG_CODE", s.warehouse);
        d.key(Qt::Key_Tab);   // leaving the code fills the name
    }
    if (auto *tick = d.template field<QCheckBox>("cbStrg_gb")) {
        if (tick->isChecked() != s.sub)
            QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(5, tick->height() / 2));
    }
    if (!s.item.isEmpty())
        d.template field<QLineEdit>("edtITEM_CODE")->setText(s.item);   // what the item search fills
    d.key(Qt::Key_F3);
}

QString figure(const QVariant &v)
{
    if (v.isNull() || v.toString().isEmpty())
        return QStringLiteral("-");
    return QString::number(std::round(v.toDouble() * 10000) / 10000, 'g', 15);
}

// The named fields of every row, one line per row: "code a b c".
QStringList rows(const widgets::RecordSet *records, const QStringList &fields)
{
    QStringList out;
    for (int r = 0; r < records->recordCount(); ++r) {
        QStringList values{records->value(r, 0).toString()};
        for (const QString &f : fields)
            values << figure(records->value(r, f));
        out << values.join(QLatin1Char(' '));
    }
    return out;
}

const QStringList kStatement = {"OVER_QTY", "OVER_AMT", "PUT_QTY", "PUT_AMT", "DELI_QTY", "DELI_AMT", "MOVE_IN_QTY",
                                "MOVE_IN_AMT", "MOVE_OUT_QTY", "MOVE_OUT_AMT", "STOC_QTY", "STOCK_COST", "STOC_AMT"};
const QStringList kMonth = {"OVER_QTY", "OVER_AMT", "CURR_PUT_QTY", "CURR_DELI_QTY", "CURR_RETU_QTY",
                            "MOVE_PUT_QTY", "MOVE_DELI_QTY", "STOC_QTY", "STOCK_COST", "STOC_AMT"};

} // namespace

class TestSummaries : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSession> session;

private Q_SLOTS:
    void initTestCase()
    {
        session = std::make_unique<TestSession>(QStringLiteral("A0000001"), false);
        write(session->conn());
    }
    void cleanupTestCase() { session.reset(); }

    // Opening of the start month, receipts less supplier returns, issues with
    // the count, transfers, closing at the latest daily cost of the period;
    // the carried item shows its stock without a row of its own.
    void stockStatement_data()
    {
        QTest::addColumn<bool>("sub");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QStringList>("footers");
        QTest::newRow("A10") << false
            << QStringList{"T0000001 10 900 28 3460 8 860 1 120 3 0 28 120 3360", "T0000002 4 200 0 0 0 0 0 0 0 0 4 0 0"}
            << QStringList{"1100", "3460", "860", "120", "0", "3360"};
        QTest::newRow("A10 and below") << true
            << QStringList{"T0000001 10 900 28 3460 8 860 4 120 4 120 30 120 3600", "T0000002 4 200 0 0 0 0 0 0 0 0 4 0 0"}
            << QStringList{"1100", "3460", "860", "120", "120", "3600"};
    }
    void stockStatement()
    {
        QFETCH(bool, sub);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, footers);
        DialogRecorder dialogs;
        ScreenDriver<TfrmOES050> d;
        search(d, {"202604", "202605", "A10", sub});
        QCOMPARE(d.form.findChild<QLineEdit *>("edtSTRG_NM")->text(), QStringLiteral("식품창고"));
        QCOMPARE(rows(d.form.cdsStock, kStatement), expected);
        auto *grid = d.form.findChild<widgets::DataGrid *>("rgdStock");
        QCOMPARE(grid->footerText(0, 0), QStringLiteral("2"));
        QStringList sums;
        for (int col : {5, 7, 9, 11, 13, 16})
            sums << grid->footerText(0, col).remove(QLatin1Char(','));
        QCOMPARE(sums, footers);
        QVERIFY(dialogs.texts().isEmpty());
    }

    // The tax of an item comes from its latest receipt: 130 / 10 = 13 a unit.
    void stockStatementWithTax()
    {
        DialogRecorder dialogs;
        ScreenDriver<TfrmOES100> d;
        search(d, {"202604", "202605", "A10", false, kItem});
        QCOMPARE(rows(d.form.cdsStock, QStringList{"UNIT_TAX", "OVER_TAX", "OVER_TOT", "PUT_TAX", "PUT_TOT", "DELI_TAX",
                                                   "DELI_TOT", "MOVE_IN_TAX", "MOVE_OUT_TAX", "STOC_AMT", "STOC_TAX", "STOC_TOT"}),
                 QStringList{"T0000001 13 130 1030 370 4070 104 964 13 39 3360 364 3724"});
    }

    // Quantities of the month's rows; the issues leave the count out while
    // the stock holds it (05: 22 + 10 − 2 − 2 + 1 ≠ 28).
    void monthSummaries_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("warehouse 04") << "OES020" << "202604"
            << QStringList{"T0000001 10 900 20 5 0 0 3 22 110 2420", "T0000002 4 200 0 0 0 0 0 4 0 0"};
        QTest::newRow("warehouse 05") << "OES020" << "202605"
            << QStringList{"T0000001 22 2420 10 2 2 1 0 28 120 3360", "T0000002 4 200 0 0 0 0 0 4 0 0"};
        QTest::newRow("item 05") << "OES030" << "202605"
            << QStringList{"T0000001 25 2750 10 2 2 1 1 30 120 3600", "T0000002 4 200 0 0 0 0 0 4 0 0"};
    }
    void monthSummaries()
    {
        QFETCH(QString, program);
        QFETCH(QString, month);
        QFETCH(QStringList, expected);
        DialogRecorder dialogs;
        if (program == QStringLiteral("OES020")) {
            ScreenDriver<TfrmOES020> d;
            search(d, {month, {}, "A10"});
            QCOMPARE(rows(d.form.cdsStock, kMonth), expected);
            QVERIFY(dialogs.texts().isEmpty());
        } else {
            ScreenDriver<TfrmOES030> d;
            search(d, {month});
            QCOMPARE(rows(d.form.cdsStock, kMonth), expected);
            QVERIFY(dialogs.texts().isEmpty());
        }
    }

    void warehouseAmounts()
    {
        DialogRecorder dialogs;
        ScreenDriver<TfrmOES060> d;
        search(d, {"202605", {}, "A10"});
        QCOMPARE(rows(d.form.cdsStock, {"OVER_AMT", "PUT_AMT", "DELI_AMT", "MOVE_IN_AMT", "MOVE_OUT_AMT", "STOC_AMT"}),
                 (QStringList{"A10 2620 1060 360 120 0 3360", "A11 330 0 0 0 120 240"}));
        QVERIFY(dialogs.texts().isEmpty());
    }

    void warehouseAmountsNeedMonthAndWarehouse()
    {
        DialogRecorder dialogs;
        ScreenDriver<TfrmOES060> d;
        search(d, {"202605"});
        QCOMPARE(dialogs.lastText(), QStringLiteral("창고코드는 반드시 입력하세요"));
        QCOMPARE(d.focused(), QStringLiteral("edtSTRG_CODE"));
        d.field<QLineEdit>("medYYMM")->clear();
        d.key(Qt::Key_F3);
        QCOMPARE(dialogs.lastText(), QStringLiteral("재고년월은 반드시 입력하세요"));
        QCOMPARE(d.form.cdsStock->recordCount(), 0);
    }

    // The running balance ends at the month's stock; the two equal lines of
    // one issue are both there.
    void ledger_data()
    {
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("warehouse");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("openings");
        QTest::newRow("A10 04") << "202604" << "A10" << 4 << 1;
        QTest::newRow("A10 05") << "202605" << "A10" << 7 << 1;
        QTest::newRow("every warehouse 05") << "202605" << "" << 9 << 2;
    }
    void ledger()
    {
        QFETCH(QString, month);
        QFETCH(QString, warehouse);
        QFETCH(int, lines);
        QFETCH(int, openings);
        DialogRecorder dialogs;
        ScreenDriver<TfrmOES040> d;
        search(d, {month, {}, warehouse, false, kItem});
        widgets::RecordSet *r = d.form.cdsStock;
        QVERIFY(dialogs.texts().isEmpty());
        QCOMPARE(r->recordCount(), lines);
        int openingRows = 0, issueLines = 0;
        for (int i = 0; i < r->recordCount(); ++i) {
            openingRows += r->value(i, "DOC_NO").toString() == QStringLiteral("전월재고");
            issueLines += r->value(i, "DOC_NO").toString() == QStringLiteral("DE20260500002");
        }
        QCOMPARE(openingRows, openings);
        QCOMPARE(issueLines, month == QStringLiteral("202605") ? 2 : 0);
        const double stock = session->scalar(QStringLiteral(
            "SELECT SUM(STOC_QTY) FROM OZ010MS WHERE STOC_YYMM = :M AND ITEM_CODE = 'T0000001' AND STRG_CODE LIKE COALESCE(:S, '') || '%'"),
            {{"M", month}, {"S", warehouse}}).toDouble();
        QCOMPARE(r->value(r->recordCount() - 1, "BALANCE").toDouble(), stock);
    }

    // The preview prints what the list shows: the conditions of the search,
    // lines in alternating colours and the sums of the six amounts.
    void statementPrintout()
    {
        DialogRecorder dialogs;
        ScreenDriver<TfrmOES050> d;
        search(d, {"202604", "202605", "A10", true});
        d.key(Qt::Key_F11, Qt::ShiftModifier);
        auto *preview = d.form.findChild<reports::PreviewWindow *>();
        QVERIFY2(preview, qPrintable(dialogs.texts().join(QLatin1Char('\n'))));
        const reports::Page &page = preview->pane()->document().pages.at(0);
        QCOMPARE(page.text("qrlTitle"), QStringLiteral("재고수불명세서"));
        QCOMPARE(page.text("qrlYYMM"), QStringLiteral("◆년    월 : 2026/04 ~ 2026/05"));
        QCOMPARE(page.text("qrlSTRG"), QStringLiteral("◆창    고 : [A10] 식품창고"));
        QVERIFY(page.text("qrlDIVIDE").startsWith(QStringLiteral("◆품목유형 : [")));
        QStringList sums;
        for (const char *field : {"OVER_AMT", "PUT_AMT", "DELI_AMT", "MOVE_IN_AMT", "MOVE_OUT_AMT", "STOC_AMT"})
            sums << page.text(QStringLiteral("qrlSum_") + QLatin1String(field));
        QCOMPARE(sums, (QStringList{"1,100", "3,460", "860", "120", "120", "3,600"}));
        QList<QColor> shades;
        for (const reports::Item &item : page.items) {
            if (item.name == QStringLiteral("qrsLine"))
                shades << item.brush.color();
        }
        QCOMPARE(shades, (QList<QColor>{QColor(Qt::white), stock::StockPrintout::kShade}));
        preview->close();
    }

    // Without rows: the header and a summary of zeros. The item summary
    // leaves cost and amount empty where there is no daily cost.
    void printoutEdges()
    {
        stock::StockPeriod nothing{"202001", "202001", "A10"};
        stock::StockPrintout empty(stock::OEP060());
        const reports::Document none = empty.open(session->conn(), stock::WarehouseAmountsSql(), nothing.params());
        QCOMPARE(none.pageCount(), 1);
        QCOMPARE(none.pages.at(0).text("qrlSum_STOC_AMT"), QStringLiteral("0"));
        QVERIFY(!none.pages.at(0).find("qrdSTRG_CODE"));

        stock::StockPeriod may{"202605", "202605"};
        stock::StockPrintout items(stock::OEP030());
        const reports::Page page = items.open(session->conn(), stock::MonthSummarySql(false), may.params()).pages.at(0);
        QStringList lines;
        for (const reports::Item &item : page.items) {
            if (item.name == QStringLiteral("qrdITEM_CODE") || item.name == QStringLiteral("qrdSTOCK_COST")
                || item.name == QStringLiteral("qrdSTOC_AMT"))
                lines << item.text;
        }
        QCOMPARE(lines, (QStringList{"T0000001", "120.0000", "3,600", "T0000002"}));
        QCOMPARE(page.text("qrlSum_STOC_QTY"), QStringLiteral("34.0"));
    }

    // Leaving a month that is no month empties it with a message; fewer digits only empty it.
    void monthFieldCheck_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("month 13") << "202613" << "년월을 정확히 입력하여 주십시오.";
        QTest::newRow("short") << "2026" << "";
    }
    void monthFieldCheck()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        DialogRecorder dialogs;
        ScreenDriver<TfrmOES020> d;
        d.type("medYYMM", typed);
        d.key(Qt::Key_Tab);
        QCOMPARE(dialogs.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QVERIFY(d.field<widgets::MaskEdit>("medYYMM")->isBlank());
    }

    // A month with nothing of its own still opens with the carried stock.
    void ledgerOfCarriedStock()
    {
        DialogRecorder dialogs;
        ScreenDriver<TfrmOES040> d;
        search(d, {"202605", {}, "A10", false, kCarried});
        QCOMPARE(rows(d.form.cdsStock, {"PUT_QTY", "BALANCE"}), QStringList{"2026-05-01 4 4"});
    }
};

QTEST_MAIN(TestSummaries)
#include "tst_summaries.moc"
