// The order forms print the site's own company block and contract clauses
// as the common codes configure them, not texts of the program.

#include "db/Query.h"
#include "modules/orders/OBP010.h"
#include "modules/orders/OrderWrite.h"
#include "reports/Catalogue.h"
#include "support/Session.h"
#include "modules/orders/OrdersArea.h"

#include <QtTest>

namespace {

// A confirmed order of supplier 100001 with one line.
orders::OrderKey addOrder(TestSession &s, const QString &no)
{
    orders::OrderDraft d;
    d.key = {s.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")), QStringLiteral("100001"), QString()};
    d.ordeNo = no;
    orders::OrderLine l;
    l.itemCode = QStringLiteral("L1030005");
    l.qty = 1;
    l.costAmt = l.amt = 1000;
    d.lines << l;
    orders::writeOrder(s.conn(), d);
    db::Query(s.conn(), QStringLiteral("UPDATE OB010MS SET APPR_GUBUN = '2' WHERE ORDE_NO = :N"))
        .bind(QStringLiteral("N"), no).exec();
    return d.key;
}

void setCode(TestSession &s, const QString &head, const QString &detail, const QString &name)
{
    db::Query(s.conn(), QStringLiteral("DELETE FROM ZX010MS WHERE HEAD = :H AND DETAIL = :D"))
        .bind(QStringLiteral("H"), head).bind(QStringLiteral("D"), detail).exec();
    db::Query(s.conn(), QStringLiteral("INSERT INTO ZX010MS (HEAD, DETAIL, DETAIL_NAME) VALUES (:H, :D, :N)"))
        .bind(QStringLiteral("H"), head).bind(QStringLiteral("D"), detail).bind(QStringLiteral("N"), name).exec();
}

QStringList companyBlock(const reports::Page &page)
{
    QStringList values;
    for (int i = 0; i < 6; ++i)
        values << page.text(QStringLiteral("qrlCompanyVal%1").arg(i));
    return values;
}

reports::Page contractPage(TestSession &s)
{
    const reports::ReportBuilder build = reports::findReport(QStringLiteral("Cont_Order.mrd"));
    const reports::Document doc =
        build(s.conn(), {s.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")), QStringLiteral("100001"),
                         QStringLiteral("OR20990100001")});
    return doc.pages.value(0);
}

} // namespace

class TestOBP010 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RegisterOrdersArea(); }  // the contract order report of the catalogue

    void companyAndClausesComeFromTheSite()
    {
        TestSession session;
        const orders::OrderKey key = addOrder(session, QStringLiteral("OR20990100001"));
        setCode(session, QStringLiteral("O0010"), QStringLiteral("01"), QStringLiteral("(주)시험상사"));
        setCode(session, QStringLiteral("O0010"), QStringLiteral("03"), QStringLiteral("홍 대 표"));
        db::Query(session.conn(), QStringLiteral("DELETE FROM ZX010MS WHERE HEAD = 'O0011' AND DETAIL <> ' '")).exec();
        setCode(session, QStringLiteral("O0011"), QStringLiteral("02"), QStringLiteral("제2조 (대금) 월말에 지급한다."));
        setCode(session, QStringLiteral("O0011"), QStringLiteral("01"), QStringLiteral("제1조 (목적) 위 품목을 공급한다."));

        TfrmOBP010 form;
        QVERIFY(form.open(session.conn(), key.ordeDate, key.cCode, key.ordeNum));
        const reports::Page order = form.prepare().pages.value(0);
        QCOMPARE(companyBlock(order), (QStringList{"(주)시험상사", "강원특별자치도 평창군 대관령면 솔봉로 25", "홍 대 표",
                                                   "225-81-07341", "서비스", "숙박, 골프장, 스키장 운영"}));

        const reports::Page contract = contractPage(session);
        QCOMPARE(companyBlock(contract), companyBlock(order));
        QCOMPARE(contract.text(QStringLiteral("qrlClauses")),
                 QStringLiteral("제1조 (목적) 위 품목을 공급한다.\n제2조 (대금) 월말에 지급한다."));
        QCOMPARE(contract.text(QStringLiteral("qrlOrderer")), QStringLiteral("발주자 : (주)시험상사  대표이사 홍 대 표  (인)"));
    }

    // A site that configured nothing prints empty fields, and no clause of its own.
    void unconfiguredSitePrintsNoInventedText()
    {
        TestSession session;
        addOrder(session, QStringLiteral("OR20990100001"));
        db::Query(session.conn(), QStringLiteral("DELETE FROM ZX010MS WHERE HEAD IN ('O0010', 'O0011')")).exec();
        const reports::Page contract = contractPage(session);
        QCOMPARE(companyBlock(contract), QStringList(6));
        QCOMPARE(contract.text(QStringLiteral("qrlClauses")), QString());
        QCOMPARE(contract.text(QStringLiteral("qrlORDE_NO")), QStringLiteral("OR20990100001"));
    }
};

QTEST_MAIN(TestOBP010)
#include "tst_OBP010.moc"
