// The order form list: only confirmed orders, the order form's prepared
// page (footer, supplier and company blocks, the money with its tax) and the
// contract order through a report window with its parameters.

#include "OrderFixtures.h"
#include "modules/orders/OBP010.h"
#include "modules/orders/OBP015.h"
#include "modules/orders/OBS010.h"
#include "modules/orders/OrderWrite.h"
#include "reports/Catalogue.h"
#include "reports/Preview.h"
#include "reports/Viewer.h"
#include "support/Session.h"
#include "modules/orders/OrdersArea.h"

namespace {

struct Item {
    QString code;
    double amt;
};

// A confirmed (unless told) order of supplier 100001 whose lines have the given amounts.
orders::OrderKey addOrder(TestSession &s, const QString &no, const QList<Item> &items, const QString &status = QStringLiteral("2"),
                          const QString &purcNo = QString())
{
    orders::OrderDraft d;
    d.key = {s.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")), QStringLiteral("100001"), QString()};
    d.ordeNo = no;
    d.purcNo = purcNo;
    d.ordeChar = QStringLiteral("한지원");
    d.ordeTel = QStringLiteral("033-330-7000");
    d.paymTerm = QStringLiteral("익월현금");
    for (const Item &i : items) {
        orders::OrderLine l;
        l.itemCode = i.code;
        l.qty = 1;
        l.costAmt = l.amt = i.amt;
        d.lines << l;
    }
    orders::writeOrder(s.conn(), d);
    db::Query(s.conn(), QStringLiteral("UPDATE OB010MS SET APPR_GUBUN = :S WHERE ORDE_NO = :N"))
        .bind(QStringLiteral("S"), status).bind(QStringLiteral("N"), no).exec();
    return d.key;
}

bool has(const reports::Page &page, const QString &text) { return page.texts().contains(text); }

} // namespace

class TestOBS010 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RegisterOrdersArea(); }  // the contract order report of the catalogue

    void listsConfirmedOrdersOnly()
    {
        TestSession session;
        DialogRecorder dialogs;
        addOrder(session, QStringLiteral("OR20990100001"), {{QStringLiteral("L1030005"), 1000}});
        addOrder(session, QStringLiteral("OR20990100002"), {{QStringLiteral("L1030005"), 1000}}, QStringLiteral("1"));
        addOrder(session, QStringLiteral("OR20990100003"), {{QStringLiteral("L1030005"), 1000}}, QStringLiteral("3"));
        TfrmOBS010 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QVERIFY(!form.bbtPrint->isEnabled());
        QTest::keyClick(&form, Qt::Key_F3);
        QCOMPARE(form.cdsOB010MS->recordCount(), 1);
        QCOMPARE(form.cdsOB010MS->value(0, QStringLiteral("ORDE_NO")).toString(), QStringLiteral("OR20990100001"));
        QCOMPARE(form.cdsOB010DT->recordCount(), 1);
        QVERIFY(form.bbtPrint->isEnabled() && form.bbtPreview->isEnabled() && form.bbtPrint_All->isVisible());

        // The contract order: a window showing the catalogue's report for this order.
        TfrmOBP015 *window = form.bbtPrint_AllClick();
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("계약관련발주서"));
        const QString date = form.cdsOB010MS->value(0, QStringLiteral("ORDE_DATE")).toString();
        QCOMPARE(window->argument(), QStringLiteral("/rp [%1][100001][OR20990100001]").arg(date));
        QVERIFY2(window->hasPages(), qPrintable(window->message()));
        const reports::Page &page = window->pane()->document().pages.at(0);
        QCOMPARE(page.text(QStringLiteral("qrlTitle")), QStringLiteral("계 약 발 주 서"));
        QCOMPARE(page.text(QStringLiteral("qrlORDE_NO")), QStringLiteral("OR20990100001"));
        QCOMPARE(page.text(QStringLiteral("qrdITEM_NAME")), QStringLiteral("훈제오리 슬라이스"));
        QCOMPARE(page.text(QStringLiteral("qrlTermVal1")), QStringLiteral("익월현금"));
        QVERIFY(page.text(QStringLiteral("qrlClauses")).startsWith(QStringLiteral("제1조")));
        QVERIFY(page.text(QStringLiteral("qrlSupplier")).contains(QStringLiteral("(주)대관령축산")));
        window->close();
        QVERIFY(reports::findReport(QStringLiteral("report/구매자재관리/Cont_Order.mrd")));
    }

    void orderFormPage_data()
    {
        QTest::addColumn<QList<Item>>("items");
        QTest::addColumn<QStringList>("money");   // supply, tax, total
        // Figures rounded each on its own: supply + tax may differ from the total by one.
        QTest::newRow("taxable") << QList<Item>{{QStringLiteral("L1030005"), 1000}, {QStringLiteral("L2030005"), 6.6}}
                                 << QStringList{QStringLiteral("1,007"), QStringLiteral("101"), QStringLiteral("1,107")};
        // A tax-free item adds to the supply, not to the tax.
        QTest::newRow("mixed") << QList<Item>{{QStringLiteral("L1030005"), 1000}, {QStringLiteral("L1010001"), 98000}}
                               << QStringList{QStringLiteral("99,000"), QStringLiteral("100"), QStringLiteral("99,100")};
        QTest::newRow("no lines") << QList<Item>{} << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    }
    void orderFormPage()
    {
        QFETCH(QList<Item>, items);
        QFETCH(QStringList, money);
        TestSession session;
        const orders::OrderKey key = addOrder(session, QStringLiteral("OR20990100001"), items);
        TfrmOBP010 form;
        QVERIFY(form.open(session.conn(), key.ordeDate, key.cCode, key.ordeNum));
        const reports::Document doc = form.prepare();
        QCOMPARE(doc.pageCount(), 1);
        const reports::Page &page = doc.pages.at(0);
        QCOMPARE(page.text(QStringLiteral("qrlPageCurrent")) + " / " + page.text(QStringLiteral("qrlPageTotal")), QStringLiteral("1 / 1"));
        QCOMPARE(page.text(QStringLiteral("qrlTitle")), QStringLiteral("발   주   서"));
        QCOMPARE(page.text(QStringLiteral("qrlProgramID")), QStringLiteral("OBP010"));
        QCOMPARE(page.text(QStringLiteral("qrlORDE_NO")), QStringLiteral("OR20990100001"));
        QCOMPARE(page.text(QStringLiteral("qrlC_NAME")), QStringLiteral("(주)대관령축산"));
        QCOMPARE(page.text(QStringLiteral("qrlREP_PHONE")), QStringLiteral("033-886-4836"));
        QCOMPARE(page.text(QStringLiteral("qrlFAX_NO")), QStringLiteral("033-886-4845"));
        QVERIFY(has(page, QStringLiteral("상    호 :")) && has(page, QStringLiteral("(주)온비리조트")));
        QVERIFY(has(page, QStringLiteral("※ 입고전 검수담당자에게 사전 연락 바랍니다.")));
        QCOMPARE(QStringList({page.text(QStringLiteral("qrlSupply")), page.text(QStringLiteral("qrlTax")), page.text(QStringLiteral("qrlTotal"))}),
                 money);
        // The order has no request: the request's department shows nothing; the ordering person does.
        QCOMPARE(page.text(QStringLiteral("qrlPeopleVal0")), QString());
        QCOMPARE(page.text(QStringLiteral("qrlPeopleVal3")), QStringLiteral("한지원 / 033-330-7000"));
    }
};

QTEST_MAIN(TestOBS010)
#include "tst_OBS010.moc"
