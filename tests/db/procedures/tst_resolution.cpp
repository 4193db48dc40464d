// The resolution figures of a purchase request as the resolution dialog
// stores them: one call per changed line inside a transaction, then one call
// with the header values outside; reading the dialog again gives back what
// was entered.

#include "support/ClosingFixtures.h"
#include "support/TestDb.h"

#include <QtTest>

using namespace fixtures;

namespace {

const QString kPurcNo = QStringLiteral("PU20260500001");

void request(db::Connection &conn)
{
    exec(conn, "INSERT INTO OA010MS (PURC_DATE, STRG_CODE, PURC_NUM, PURC_NO) VALUES ('2026-05-02', '110', 1, :N)",
         {{"N", kPurcNo}});
    for (const char *seq : {"1", "2", "3"}) {
        exec(conn, "INSERT INTO OA010DT (PURC_DATE, STRG_CODE, PURC_NUM, PURC_SEQ, PURC_NO, ITEM_CODE, QTY, "
                   "A_ESTI_NAME, A_COST_AMT) VALUES ('2026-05-02', '110', 1, :S, :N, 'L1010001', 1, 'ZZZ 상회', 5)",
             {{"S", seq}, {"N", kPurcNo}});
    }
}

db::ProcInputs lineCall(const QString &seq, const QString &a, const QString &b, const QString &c,
                        const QString &status = QStringLiteral("1"))
{
    return {{"APURC_DATE", "2026-05-02"}, {"APURC_NUM", "1"}, {"APURC_NO", kPurcNo}, {"APURC_SEQ", seq},
            {"ASTRG_CODE", "110"}, {"AITEM_CODE", "L1010001"}, {"AA_COST_AMT", a}, {"AB_COST_AMT", b},
            {"AC_COST_AMT", c}, {"AU_EMP_NO", "A0000001"}, {"AU_IP", "10.0.0.7"}, {"AEDITSTATUS", status}};
}

db::ProcInputs headerCall(db::ProcInputs lastLine)
{
    lastLine.removeIf([](const auto &p) { return p.first == QLatin1String("AEDITSTATUS"); });
    lastLine += db::ProcInputs{{"ADELI_DATE", "발주후 7일"}, {"ADELI_CONDITION", "현장 인도"}, {"APAY_CONDITION", "월말 현금"},
                 {"AACOMPANY_NAME", "(주)대관령축산"}, {"ABCOMPANY_NAME", "한우명가유통"},
                 {"ACCOMPANY_NAME", "동해수산(주)"}, {"AACOMPANY_CODE", "100001"}, {"AEDITSTATUS", "1"}};
    return lastLine;
}

// What the dialog reads: the header with the largest names over the lines, then the line prices.
QStringList dialogReads(db::Connection &conn)
{
    QStringList reads;
    db::Query h(conn, "SELECT A.DELI_DATE, A.DELI_CONDITION, A.PAY_CONDITION, B.A_ESTI_NAME, B.A_ESTI_CODE, "
                      "B.B_ESTI_NAME, B.C_ESTI_NAME FROM OA010MS A JOIN ("
                      "  SELECT PURC_NO, MAX(A_ESTI_NAME) A_ESTI_NAME, MAX(A_ESTI_CODE) A_ESTI_CODE, "
                      "         MAX(B_ESTI_NAME) B_ESTI_NAME, MAX(C_ESTI_NAME) C_ESTI_NAME "
                      "  FROM OA010DT WHERE PURC_NO = :N GROUP BY PURC_NO) B ON B.PURC_NO = A.PURC_NO "
                      "WHERE A.PURC_NO = :N");
    h.bind("N", kPurcNo).exec();
    while (h.next()) {
        QStringList v;
        for (int c = 0; c < 7; ++c)
            v.append(h.text(c));
        reads.append(v.join(QLatin1Char('|')));
    }
    db::Query l(conn, "SELECT PURC_SEQ, A_COST_AMT, B_COST_AMT, C_COST_AMT FROM OA010DT WHERE PURC_NO = :N ORDER BY PURC_SEQ");
    l.bind("N", kPurcNo).exec();
    while (l.next())
        reads.append(QStringList{l.text(0), l.text(1), l.text(2), l.text(3)}.join(QLatin1Char('|')));
    return reads;
}

} // namespace

class TestResolution : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dialogReadsBackWhatWasEntered()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        request(*conn);
        const db::ProcInputs second = lineCall("2", "2000", "", "2,100.5");
        {
            db::Transaction tx(*conn);
            conn->callProcedure("PR_OAI015_01", lineCall("1", "1000", "1100", ""));
            conn->callProcedure("PR_OAI015_01", lineCall("3", "", "", "", "3"));
            conn->callProcedure("PR_OAI015_01", lineCall("9", "1", "1", "1", "2"));   // a new row: nothing to store
            conn->callProcedure("PR_OAI015_01", second);
            tx.commit();
        }
        conn->callProcedure("PR_OAI015_01", headerCall(second));
        QVERIFY(!conn->inTransaction());

        QCOMPARE(dialogReads(*conn),
                 QStringList({"발주후 7일|현장 인도|월말 현금|(주)대관령축산|100001|한우명가유통|동해수산(주)",
                              "1|1000|1100|", "2|2000||2100.5", "3|||"}));
        QCOMPARE(scalar(*conn, "SELECT COUNT(*) FROM OA010DT WHERE U_EMP_NO = 'A0000001' AND U_IP = '10.0.0.7'"),
                 QStringLiteral("3"));
    }

    void aHeaderCallWithoutARequestStoresNothing()
    {
        auto conn = testdb::connect(testdb::freshAlias());
        request(*conn);
        const QStringList before = snapshot(*conn);
        // After a "No" to the save question no line was ever sent.
        conn->callProcedure("PR_OAI015_01", {{"ADELI_DATE", "즉시"}, {"AACOMPANY_NAME", "(주)대관령축산"},
                                             {"AU_EMP_NO", "A0000001"}, {"AEDITSTATUS", "1"}});
        QCOMPARE(snapshot(*conn), before);
    }

    void badInputIsRaisedAndStoresNothing_data()
    {
        QTest::addColumn<db::ProcInputs>("inputs");
        QTest::newRow("price") << headerCall(lineCall("1", "12원", "", ""));
        QTest::newRow("edit status") << lineCall("1", "1", "", "", "7");
        QTest::newRow("unknown input") << db::ProcInputs{{"AEDITSTATUS", "1"}, {"APURC_NOPE", "1"}};
        // The line and the request header are written before the names fail.
        db::ProcInputs longCode = headerCall(lineCall("1", "1000", "", ""));
        for (auto &p : longCode) {
            if (p.first == QLatin1String("AACOMPANY_CODE"))
                p.second = QStringLiteral("1234567890123");
        }
        QTest::newRow("supplier code too long") << longCode;
    }
    void badInputIsRaisedAndStoresNothing()
    {
        QFETCH(db::ProcInputs, inputs);
        auto conn = testdb::connect(testdb::freshAlias());
        request(*conn);
        const QStringList before = snapshot(*conn);
        QVERIFY_THROWS_EXCEPTION(db::DbError, conn->callProcedure("PR_OAI015_01", inputs));
        QCOMPARE(snapshot(*conn), before);
        QVERIFY(!conn->inTransaction());
    }
};

QTEST_GUILESS_MAIN(TestResolution)
#include "tst_resolution.moc"
