// The daily food and beverage cost report: the screen that compiles a day
// and lists its lines in a stated order, the printout's group subtotals and
// percentage rules (also without sales), and the two screens showing the
// catalogue's reports for a date.

#include "modules/stock/OEP070.h"
#include "modules/stock/OES070.h"
#include "modules/stock/OES080.h"
#include "modules/stock/OES090.h"
#include "reports/Catalogue.h"
#include "reports/Preview.h"
#include "reports/Viewer.h"
#include "support/ClosingFixtures.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "widgets/RecordSet.h"
#include "modules/stock/StockArea.h"

using namespace fixtures;

namespace {

// Outlets 2010 (kitchen 210) and 2050 (lounge 250, no sales); the food store
// 110 belongs to no outlet. On 05-10: food 3 × 100 and drink 2 × 50 out of
// 210, food 2 × 100 out of 110, drink 4 × 50 out of 250; sales of 2010 food
// 1,000, drink 400.
void compiledDay(db::Connection &conn)
{
    exec(conn, "INSERT INTO JA010MS (UPJANG_CODE, UPJANG_NAME) VALUES ('2010', '한식당'), ('2050', '로비라운지')");
    exec(conn, "INSERT INTO OX060MS (STRG_CODE, STRG_NAME, UPJANG_CODE) VALUES "
               "('110', '식품창고', NULL), ('210', '한식당 주방', '2010'), ('250', '로비라운지', '2050')");
    exec(conn, "INSERT INTO OX010MS (ITEM_CODE, ITEM_NAME, DIVIDE_CODE) VALUES "
               "('L1010001', '등심', 'L1010'), ('B1010001', '맥주', 'B1010')");
    dailyCost(conn, "2026-05-10", "L1010001", 100);
    dailyCost(conn, "2026-05-10", "B1010001", 50);
    issue(conn, "2026-05-10", 1, "210", "1", "2", "2026-05-10", "L1010001", 3);
    issue(conn, "2026-05-10", 2, "210", "1", "2", "2026-05-10", "B1010001", 2);
    issue(conn, "2026-05-10", 3, "110", "1", "2", "2026-05-10", "L1010001", 2);
    issue(conn, "2026-05-10", 4, "250", "1", "2", "2026-05-10", "B1010001", 4);
    exec(conn, "INSERT INTO JA020MS (SALE_DATE, UPJANG_CODE, FOOD_AMT, BEVE_AMT) VALUES ('2026-05-10', '2010', 1000, 400)");
}

// Lines as the procedure leaves them, on a day it is not run for: group 000
// (outside the totals), the store group 100 whose lines carry the group's
// sales, and two outlets of group 200, one without sales.
void storedLines(db::Connection &conn)
{
    exec(conn, "INSERT INTO OT010MS (COST_DATE, GUBUN_CD1, GUBUN_NM1, GUBUN_CD2, GUBUN_NM2, FOOD_TW, FOOD_TS, FOOD_TP, "
               "FOOD_MTDW, FOOD_MTDS, BEVE_TW, BEVE_TS, BEVE_TP) VALUES "
               "('2026-06-01', '200', '영업장', '2050', '로비라운지', 0, 0, 0, 0, 0, 200, 0, 0), "
               "('2026-06-01', '000', '기타', '010', '객실 미니바', 50, 100, 50, 0, 0, 0, 0, 0), "
               "('2026-06-01', '100', '부주방 및 창고', '110', '식품창고', 200, 1000, 20, 0, 0, 0, 500, 0), "
               "('2026-06-01', '100', '부주방 및 창고', '120', '음료창고', 100, 1000, 10, 0, 0, 100, 500, 20), "
               "('2026-06-01', '200', '영업장', '2010', '한식당', 300, 1000, 30, 0, 0, 100, 400, 25)");
}

QStringList texts(const reports::Page &page, const QString &prefix)
{
    QStringList out;
    for (int c = 1; c <= 15; ++c)
        out << page.text(prefix + QString::number(c));
    return out;
}

} // namespace

class TestCostScreens : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RegisterStockArea(); }  // the daily cost reports of the catalogue

    // "마감(F3)" compiles the day and lists its lines by group and line; a
    // combined percentage without sales is 0.
    void compileAndList()
    {
        TestSession session(QStringLiteral("A0000001"), false);
        compiledDay(session.conn());
        DialogRecorder dialogs;
        ScreenDriver<TfrmOES070> d;
        QCOMPARE(d.form.bbtSearch->text(), QStringLiteral("마감(F3)"));
        d.type("medYYMM", "20260510");
        d.key(Qt::Key_F3);
        QVERIFY2(dialogs.texts().isEmpty(), qPrintable(dialogs.texts().join(QLatin1Char('\n'))));
        widgets::RecordSet *r = d.form.cdsStock;
        QStringList lines;
        for (int i = 0; i < r->recordCount(); ++i) {
            lines << QStringList{r->value(i, "GUBUN_CD1").toString(), r->value(i, "GUBUN_CD2").toString(),
                                 QString::number(r->value(i, "FOOD_TP").toDouble()), r->value(i, "TOT_TW").toString(),
                                 QString::number(r->value(i, "TOT_TP").toDouble())}
                         .join(QLatin1Char(' '));
        }
        QCOMPARE(lines, (QStringList{"100 110 20 200 14", "200 2010 30 400 29", "200 2050 0 200 0"}));
        QCOMPARE(d.form.RecordCount, 3);
        QVERIFY(d.form.bbtPrint->isEnabled());
    }

    void dateIsRequired()
    {
        TestSession session(QStringLiteral("A0000001"), false);
        DialogRecorder dialogs;
        ScreenDriver<TfrmOES070> d;
        d.field<QLineEdit>("medYYMM")->clear();
        d.key(Qt::Key_F3);
        QCOMPARE(dialogs.lastText(), QStringLiteral("일자는 반드시 입력하세요"));
        QCOMPARE(d.focused(), QStringLiteral("medYYMM"));
        QCOMPARE(session.scalar("SELECT COUNT(*) FROM OT010MS"), QStringLiteral("0"));
    }

    // Group 000 has no footer and enters no total; the store group's sales are
    // those of its last line, in its subtotal and in the grand total alike; a
    // percentage without sales reads "0.00".
    void printoutTotals()
    {
        TestSession session(QStringLiteral("A0000001"), false);
        storedLines(session.conn());
        TfrmOEP070 form;
        const reports::Document doc = form.open(session.conn(), QStringLiteral("2026-06-01"));
        QCOMPARE(doc.pageCount(), 1);
        const reports::Page &page = doc.pages.at(0);
        QCOMPARE(page.text("qrlDate"), QStringLiteral("◆Date : 2026-06-01"));
        QStringList groups, subtitles;
        for (const reports::Item &item : page.items) {
            if (item.name == QStringLiteral("qrdGUBUN_NM1"))
                groups << item.text;
            if (item.name == QStringLiteral("qrlSubTitle"))
                subtitles << item.text;
        }
        QCOMPARE(groups, (QStringList{"기타", "부주방 및 창고", "영업장"}));
        QCOMPARE(subtitles, (QStringList{"SUB KITCHEN & STORE", "Sub Total"}));

        // The two footers in print order; each: food today, %, m-t-d, %, last year %, beverage, combined.
        QList<QStringList> footers(2);
        for (int c = 1; c <= 15; ++c) {
            int n = 0;
            for (const reports::Item &item : page.items) {
                if (item.name == QStringLiteral("qrlSub%1").arg(c))
                    footers[n++] << item.text;
            }
        }
        QCOMPARE(footers[0], (QStringList{"300", "30.00", "0", "0.00", "0.00", "100", "20.00", "0", "0.00", "0.00",
                                          "400", "26.67", "0", "0.00", "0.00"}));
        QCOMPARE(footers[1], (QStringList{"300", "30.00", "0", "0.00", "0.00", "300", "75.00", "0", "0.00", "0.00",
                                          "600", "42.86", "0", "0.00", "0.00"}));
        // The store group's sales enter the grand totals once: food 600 / (1,000 + 1,000) = 30.00 %, beverage
        // 400 / (500 + 400) = 44.44 %, combined 1,000 / 2,900 = 34.48 %.
        QCOMPARE(texts(page, "qrlTotal"), (QStringList{"600", "30.00", "0", "0.00", "0.00", "400", "44.44", "0", "0.00",
                                                       "0.00", "1,000", "34.48", "0", "0.00", "0.00"}));
    }

    void printoutOfAnEmptyDay()
    {
        TestSession session(QStringLiteral("A0000001"), false);
        TfrmOEP070 form;
        const reports::Document doc = form.open(session.conn(), QStringLiteral("2026-06-02"));
        QCOMPARE(doc.pageCount(), 1);
        QCOMPARE(texts(doc.pages.at(0), "qrlTotal"),
                 (QStringList{"0", "0.00", "0", "0.00", "0.00", "0", "0.00", "0", "0.00", "0.00", "0", "0.00", "0", "0.00", "0.00"}));
        QVERIFY(!doc.pages.at(0).find("qrlSubTitle"));
    }

    // "마감/조회(F3)" compiles the day, then the viewers open their reports
    // with the date as the report wants it.
    void reportWindows()
    {
        TestSession session(QStringLiteral("A0000001"), false);
        compiledDay(session.conn());
        DialogRecorder dialogs;
        {
            ScreenDriver<TfrmOES080> d;
            QCOMPARE(d.form.windowTitle(), QStringLiteral("OES080"));
            d.type("medDate", "20260510");
            d.key(Qt::Key_F3);
            QCOMPARE(d.focused(), QStringLiteral("medDate"));
            QCOMPARE(d.form.viewer(0)->parameterText(), QStringLiteral("/rp [2026-05-10]"));
            QCOMPARE(d.form.viewer(1)->parameterText(), QStringLiteral("/rp [20260510]"));
            QVERIFY2(d.form.viewer(0)->hasPages(), qPrintable(d.form.viewer(0)->message()));
            QVERIFY2(d.form.viewer(1)->hasPages(), qPrintable(d.form.viewer(1)->message()));
            const reports::Page &upper = d.form.viewer(0)->pane()->document().pages.at(0);
            QCOMPARE(upper.text("qrlTitle"), QStringLiteral("DAILY FOOD/BEVERAGE COST REPORT"));
            QCOMPARE(upper.text("qrdGUBUN_NM2"), QStringLiteral("식품창고"));
            const reports::Page &lower = d.form.viewer(1)->pane()->document().pages.at(0);
            QCOMPARE(lower.text("qrdTOT_MTDP"), QStringLiteral("14.00"));
        }
        {
            ScreenDriver<TfrmOES090> d;
            d.type("medDate", "20260510");
            d.key(Qt::Key_F3);
            QCOMPARE(d.form.viewer(0)->parameterText(), QStringLiteral("/rp [2026-05-10]"));
            QVERIFY2(d.form.viewer(0)->hasPages(), qPrintable(d.form.viewer(0)->message()));
        }
        QVERIFY(dialogs.texts().isEmpty());
        for (const char *file : {"DAILYFB.mrd", "FNB_Index.mrd", "DailyFBReport.mrd"})
            QVERIFY(reports::findReport(QStringLiteral("report/구매자재관리/") + QLatin1String(file)));
    }
};

QTEST_MAIN(TestCostScreens)
#include "tst_cost_screens.moc"
