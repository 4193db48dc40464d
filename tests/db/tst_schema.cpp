// The catalogue becomes the same schema on both engines.

#include "db/Catalogue.h"
#include "db/Query.h"
#include "db/Schema.h"
#include "support/TestDb.h"

#include <QSqlIndex>
#include <QSqlRecord>
#include <QtTest>

using db::Query;

namespace {

// The tables the program relies on, written down from what the screens and
// reports read and write, apart from the catalogue that creates them: table,
// key, further columns, and whether the program writes it (audit columns).
struct Expected {
    const char *table;
    const char *key;
    const char *columns;
    bool audited;
};

const Expected kExpected[] = {
    {"ZA040MS", "", "PROJECT_ID MENU_ID MENU_NAME DISPLAY_SEQ", false},
    {"ZA050MS", "", "PROJECT_ID MENU_ID PROGRAM_ID PROGRAM_NAME DISPLAY_SEQ", false},
    {"ZA130MS", "", "EMP_NO PROJECT_ID PROJECT_LEVEL", false},
    {"ZA140MS", "", "PROJECT_ID PROJECT_LEVEL PROGRAM_ID", false},
    {"ZA150MS", "", "EMP_NO PROJECT_ID PROGRAM_ID ADD_YN", false},
    {"ZX010MS", "", "HEAD DETAIL DETAIL_NAME ITEM1 ITEM2", false},
    {"QA010MS", "", "EMP_NO EMP_K_NAME EMP_STAY_CODE", false},
    {"QA160MS", "", "AFF_DEPT_CODE AFF_DEPT_NAME USE_YN DEPT_AFF_YN DEPT_TYPE", false},
    {"VA050MS", "", "C_CODE C_NAME C_NUM BOSS_NAME REP_PHONE FAX_NO LOCAL_INIT USE_YN", false},
    {"VA020MS", "", "ACCT_CODE ACCT_NAME", false},
    {"JA010MS", "", "UPJANG_CODE UPJANG_NAME MIS_UPJANG_GUBUN1 MIS_UPJANG_GUBUN2 MIS_DISPLAY_SEQ", false},

    {"OX010MS", "ITEM_CODE",
     "ITEM_NAME ITEM_SNAME ITEM_INDEX ITEM_STANDARD1 ITEM_STANDARD2 ITEM_TYPE DIVIDE_CODE GUMAE_UNIT SOOBUL_UNIT "
     "CHANGE_QTY SOOBUL_YN TAX_GUBUN ACCT_CODE C_CODE COST_AMT STRG_CODE ABC_GUBUN FIXED_PRU_GUBUN LEAD_TIME "
     "LIMIT_STOCK ORG_NATION PROD_ITEM SOMO_JAEGO_YN SUTAK_YN USE_YN", true},
    {"OX020MS", "ITEM_CODE ADD_DATE", "C_CODE COST_AMT USE_DATE", true},
    {"OX030MS", "DIVIDE_CODE", "DIVIDE_NAME DIVIDE_LEVEL DIVIDE_NO PARENT_CODE", true},
    {"OX030MS_VIEW", "", "DIVIDE_CODE DIVIDE_NAME DIVIDE_LEVEL DIVIDE_NO PARENT_CODE DIVIDE_PATH DIVIDE_TREE ROWCNT", false},
    {"OX040MS", "ITEM_CODE STRG_CODE", "ACCT_CODE", true},
    {"OX050MS", "STRG_CODE ITEM_CODE", "LIMI_STOCK", true},
    {"OX060MS", "STRG_CODE", "STRG_NAME DEPT_CODE PARENT_CODE BUSI_GUBUN UPJANG_CODE USE_YN", true},
    {"OX060MS_VIEW", "",
     "STRG_CODE STRG_NAME DEPT_CODE PARENT_CODE BUSI_GUBUN UPJANG_CODE USE_YN STRG_PATH STRG_TREE ROWCNT", false},
    {"OX070MS", "STRG_CODE APPR_NUM", "EMP_NO", true},

    {"OA010MS", "PURC_DATE STRG_CODE PURC_NUM",
     "PURC_NO PLAN_DATE CHAR_NAME CHAR_TEL REMARK DEPT_CODE APPR_GUBUN APPR_EMP_NO APPR_DATE DELI_DATE "
     "DELI_CONDITION PAY_CONDITION", true},
    {"OA010DT", "PURC_DATE STRG_CODE PURC_NUM PURC_SEQ",
     "PURC_NO ITEM_CODE QTY NEED_QTY STOCK_QTY C_CODE COST_AMT ESTI_AMT REMARK ORDER_SET_YN EMER_CHK A_ESTI_CODE "
     "A_ESTI_NAME B_ESTI_NAME C_ESTI_NAME A_COST_AMT B_COST_AMT C_COST_AMT", true},
    {"OA020MS", "ESTI_DATE ESTI_SEQ",
     "ITEM_CODE QTY APPL_DATE A_C_CODE A_COST A_AMT B_C_CODE B_COST B_AMT C_C_CODE C_COST C_AMT MIN_AMT MAX_AMT "
     "FIXE_C_CODE FIXE_COST", true},
    {"OB010MS", "ORDE_DATE C_CODE ORDE_NUM",
     "ORDE_NO PURC_NO PUT_DATE ORDE_AMT NEGO_AMT TAX_AMT SUM_AMT ORDE_CHAR ORDE_TEL INSP_CHAR INSP_TEL DOCUMENT "
     "GIVE_TERM PAYM_TERM DELI_TERM REPA_TERM REMARK APPR_GUBUN APPR_EMP_NO APPR_DATE", true},
    {"OB010DT", "ORDE_DATE C_CODE ORDE_NUM ORDE_SEQ",
     "ORDE_NO PURC_NO PURC_SEQ ITEM_CODE QTY COST_AMT AMT TAX_GUBUN TAX_AMT SUM_AMT REMARK PUT_QTY PUT_END "
     "ORDE_CANCEL", true},
    {"OC010MS", "INSP_DATE C_CODE INSP_NUM",
     "INSP_NO STRG_CODE STRG_GUBUN INSP_EMP_NO INSP_NAME PUT_AMT TAX_AMT SUM_AMT PUT_DATE PUT_EMP_NO", true},
    {"OC010DT", "INSP_DATE C_CODE INSP_NUM INSP_SEQ",
     "INSP_NO ORDE_NO ORDE_SEQ ITEM_CODE ORDE_QTY NORM_QTY BAD_QTY INSP_STAT PUT_QTY COST_AMT AMT TAX_GUBUN TAX_AMT "
     "SUM_AMT REMARK", true},
    {"OD010MS", "DELI_DATE STRG_CODE DELI_NUM", "DELI_NO DELI_GUBUN INSP_NO APPR_GUBUN APPR_EMP_NO APPR_DATE", true},
    {"OD010DT", "DELI_DATE STRG_CODE DELI_NUM DELI_SEQ", "ITEM_CODE QTY REMARK", true},
    {"OD020MS", "MOVE_DATE FROM_STRG_CODE TO_STRG_CODE MOVE_NUM",
     "MOVE_NO MOVE_GUBUN DELI_NO APPR_GUBUN APPR_EMP_NO APPR_DATE", true},
    {"OD020DT", "MOVE_DATE FROM_STRG_CODE TO_STRG_CODE MOVE_NUM MOVE_SEQ", "ITEM_CODE QTY REMARK", true},
    {"OD030MS", "RETU_DATE C_CODE RETU_NUM", "STRG_CODE RETU_REAS PLAN_DATE", true},
    {"OD030DT", "RETU_DATE C_CODE RETU_NUM RETU_SEQ",
     "ITEM_CODE ITEM_STANDARD QTY COST_AMT AMT TAX_AMT REMARK RETU_GUBUN", true},

    {"OZ010MS", "STOC_YYMM STRG_CODE ITEM_CODE",
     "OVER_QTY OVER_AMT CURR_PUT_QTY CURR_DELI_QTY CURR_RETU_QTY TAGE_DELI_QTY LOSS_DELI_QTY MOVE_PUT_QTY "
     "MOVE_DELI_QTY STOC_ACTU_QTY STOC_QTY", false},
    {"OZ020MS", "SILS_DATE STRG_CODE ITEM_CODE SILS_GUBUN", "SILS_QTY SILS_COST SILS_AMT", true},
    {"OZ030MS", "CLOS_YYMM", "ORDE_CLOSE COMP_CLOSE", true},
    {"OZ040MS", "YYMM ITEM_CODE", "QTY COST AMT", false},
    {"OZ050MS", "STOCK_DATE ITEM_CODE", "STOCK_QTY STOCK_COST STOCK_AMT", false},
    {"OZ060MS", "CLOS_DATE", "CLOS_CHK", true},

    {"OF010MS", "JOB_DATE DEPT_CODE JOB_SEQ",
     "JOB_NO JOB_EMP_NO JOB_TEL JOB_STORY WORK_DEPT WORK_DATE WORK_EMP_NO WORK_TEL WORK_YN", true},
    {"OF020MS", "WORK_DATE DEPT_CODE WORK_NUM", "JOB_NO WORK_EMP_NO WORK_STORY", true},
    {"OF020DT", "WORK_DATE DEPT_CODE WORK_NUM WORK_SEQ", "ITEM_CODE QTY", true},
    {"OG010MS", "FACI_CODE",
     "FACI_NAME FACI_NO FACI_PART FACI_GUBUN1 FACI_GUBUN2 FACI_GUBUN3 FACI_SIZE FUEL_GUBUN MANU_NAME MODEL_NAME "
     "ESTA_DATE ESTA_LOCA OTHE_INFO VSFX_CODE", true},
    {"OG020MS", "FACI_PART INSP_SEQ", "INSP_NAME FACI_JUGI MAKE_SUBJ", true},
    {"OG020DT", "FACI_PART INSP_SEQ SUBJ_SEQ", "SUBJ_NAME ITEM_CHK ITEM_NM1 ITEM_NM2 ITEM_NM3", true},
    {"OG030MS", "REPA_DATE FACI_CODE REPA_NUM", "REPA_EMP_NO CUST_NAME JOB_STORY MAKE_SUBJ REPA_AMT PERS_AMT", true},
    {"OG030DT", "REPA_DATE FACI_CODE REPA_NUM REPA_SEQ", "ITEM_CODE QTY AMT BIGO", true},
    {"OG040MS", "REPA_DATE FACI_CODE REPA_NUM", "REPA_EMP_NO INSP_NAME JOB_STORY MAKE_SUBJ", true},
    {"OG040DT", "REPA_DATE FACI_CODE REPA_NUM REPA_SEQ",
     "FACI_PART INSP_SEQ SUBJ_SEQ SUBJ_NAME ITEM_CHK ITEM_NM1 ITEM_NM2 ITEM_NM3 ITEM_VE ITEM_VE1 ITEM_VE2 ITEM_VE3",
     true},
    {"OH010MS", "RECI_CODE", "RECI_DATE MENU_ITEM MENU_PRICE PORTION LOSS COST_SUM COST_PER PREP_INST", true},
    {"OH010DT", "RECI_CODE RECI_SEQ", "ITEM_CODE ITEM_QTY ITEM_COST RECI_BIGO", true},
    {"OP010MS", "DEPT_CODE", "DEPT_NAME DEPT_LEVEL DEPT_TYPE DEPT_REM MAN_DEPT_CODE USE_YN", true},
    {"OP020MS", "ITEM_CODE",
     "ITEM_NAME ITEM_SNAME ITEM_INDEX ITEM_STANDARD1 ITEM_STANDARD2 ITEM_TYPE DIVIDE_CODE SOOBUL_UNIT USE_YN", true},
    {"OP020MS_VIEW", "", "DIVIDE_CODE DIVIDE_NAME DIVIDE_LEVEL DIVIDE_NO PARENT_CODE DIVIDE_PATH DIVIDE_TREE ROWCNT",
     false},
    {"OP030MS", "DIVIDE_CODE", "DIVIDE_NAME DIVIDE_LEVEL DIVIDE_NO PARENT_CODE", true},
    {"OP040MS", "INSP_DATE STRG_CODE INSP_NUM INSP_SEQ",
     "GUBUN ITEM_CODE PUT_QTY COST_AMT INPUT_DATE BIGO1 BIGO2 BIGO3 STOC_QTY", true},
};

QStringList words(const char *text) { return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts); }

// The daily cost report rows: two groupings and nine figures for food, beverage and their total.
QStringList costReportColumns()
{
    QStringList names = words("COST_DATE GUBUN_CD1 GUBUN_CD2 GUBUN_NM1 GUBUN_NM2");
    for (const char *part : {"FOOD_", "BEVE_", "TOT_"}) {
        for (const char *figure : {"TW", "TS", "TP", "MTDW", "MTDS", "MTDP", "YMTDW", "YMTDS", "YMTDP"})
            names << QLatin1String(part) + QLatin1String(figure);
    }
    return names;
}

} // namespace

class TestSchema : public QObject {
    Q_OBJECT
    std::unique_ptr<db::Connection> conn;

    void insertClass(const QString &code, const QString &name, const QString &parent, int level, const QString &no)
    {
        Query(*conn, QStringLiteral("INSERT INTO OX030MS (DIVIDE_CODE, DIVIDE_NAME, PARENT_CODE, DIVIDE_LEVEL, DIVIDE_NO) "
                                    "VALUES (:C, :N, :P, :L, :NO)"))
            .bind(QStringLiteral("C"), code).bind(QStringLiteral("N"), name).bind(QStringLiteral("P"), parent)
            .bind(QStringLiteral("L"), level).bind(QStringLiteral("NO"), no).exec();
    }

private Q_SLOTS:
    void init() { conn = testdb::connect(testdb::freshAlias()); }
    void cleanup() { conn.reset(); }

    void everyTableAndColumnExists()
    {
        for (const db::Table &t : db::tables()) {
            QStringList names;
            for (const db::Column &c : t.columns)
                names.append(QLatin1String(c.name));
            Query q(*conn, QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(names.join(QStringLiteral(", ")), QLatin1String(t.name)));
            q.exec();
            QCOMPARE(q.columns(), names);
        }
        for (const db::View &v : db::views())
            Query(*conn, QStringLiteral("SELECT * FROM %1").arg(QLatin1String(v.name))).exec();
    }

    void tablesAndColumnsTheProgramReliesOn()
    {
        QList<QPair<QString, QStringList>> expected;
        for (const Expected &e : kExpected) {
            QStringList columns = words(e.key) + words(e.columns);
            if (e.audited)
                columns << words("U_EMP_NO U_DATE U_IP");
            expected.append({QLatin1String(e.table), columns});
        }
        expected.append({QStringLiteral("OT010MS"), costReportColumns()});
        for (const auto &[table, columns] : std::as_const(expected)) {
            Query q(*conn, QStringLiteral("SELECT %1 FROM %2 WHERE 1 = 0").arg(columns.join(QStringLiteral(", ")), table));
            try {
                q.exec();
            } catch (const db::DbError &e) {
                QFAIL(qPrintable(table + QStringLiteral(": ") + e.message()));
            }
            QCOMPARE(q.columns(), columns);
        }
    }

    // Every table is keyed by the columns its rows are known by.
    void documentKeysAreUnique()
    {
        for (const Expected &e : kExpected) {
            const QStringList key = words(e.key);
            if (key.isEmpty())
                continue;
            const QSqlIndex primary = conn->handle().primaryIndex(QString::fromLatin1(e.table).toLower());
            QStringList found;
            for (int i = 0; i < primary.count(); ++i)
                found << primary.fieldName(i).toUpper();
            found.sort();
            QStringList sorted = key;
            sorted.sort();
            QVERIFY2(found == sorted, qPrintable(QLatin1String(e.table) + QStringLiteral(": ") + found.join(u' ')));
        }
    }

    void issueLinesHaveExactlyTheirColumnsInOrder()
    {
        // Receipt confirmation fills OD010DT with an insert that lists no columns.
        Query q(*conn, QStringLiteral("SELECT * FROM OD010DT WHERE 1 = 0"));
        q.exec();
        QCOMPARE(q.columns(), QStringList({"DELI_DATE", "STRG_CODE", "DELI_NUM", "DELI_SEQ", "ITEM_CODE", "QTY",
                                           "REMARK", "U_EMP_NO", "U_DATE", "U_IP"}));
        Query(*conn, QStringLiteral("INSERT INTO OD010DT VALUES (:D, 'A01', 1, 1, 'A0101001', 2.5, NULL, 'E1', SYSDATE(), '10.0.0.1')"))
            .bind(QStringLiteral("D"), QStringLiteral("2004-04-01")).exec();
    }

    void orderLinesDefaultToReceivable()
    {
        Query(*conn, QStringLiteral("INSERT INTO OB010DT (ORDE_DATE, C_CODE, ORDE_NUM, ORDE_SEQ, ITEM_CODE, QTY) "
                                    "VALUES ('2004-04-01', 'C1', 1, 1, 'A0101001', 3)")).exec();
        Query q(*conn, QStringLiteral("SELECT PUT_QTY, PUT_END, ORDE_CANCEL FROM OB010DT"));
        q.exec();
        QVERIFY(q.next());
        QCOMPARE(q.text(QStringLiteral("PUT_QTY")), QStringLiteral("0"));
        QCOMPARE(q.text(QStringLiteral("PUT_END")), QStringLiteral("N"));
        QCOMPARE(q.text(QStringLiteral("ORDE_CANCEL")), QStringLiteral("N"));
    }

    void classViewIsInTreeOrder()
    {
        insertClass(QStringLiteral("B"), QStringLiteral("음료"), {}, 1, QStringLiteral("2"));
        insertClass(QStringLiteral("A"), QStringLiteral("식자재"), {}, 1, QStringLiteral("1"));
        insertClass(QStringLiteral("A02"), QStringLiteral("수산물"), QStringLiteral("A"), 2, QStringLiteral("2"));
        insertClass(QStringLiteral("A01"), QStringLiteral("육류"), QStringLiteral("A"), 2, QStringLiteral("1"));
        insertClass(QStringLiteral("A0101"), QStringLiteral("소고기"), QStringLiteral("A01"), 3, QStringLiteral("1"));
        insertClass(QStringLiteral("B01"), QStringLiteral("주류"), QStringLiteral("B"), 2, QStringLiteral("1"));
        Query q(*conn, QStringLiteral("SELECT DIVIDE_CODE, DIVIDE_TREE, ROWCNT FROM OX030MS_VIEW"));
        q.exec();
        QStringList codes, trees;
        int expectedRow = 0;
        while (q.next()) {
            codes.append(q.text(QStringLiteral("DIVIDE_CODE")));
            trees.append(q.text(QStringLiteral("DIVIDE_TREE")));
            QCOMPARE(q.text(QStringLiteral("ROWCNT")).toInt(), expectedRow++);
        }
        QCOMPARE(codes, QStringList({"A", "A01", "A0101", "A02", "B", "B01"}));
        QVERIFY(!trees[0].startsWith(QLatin1Char('\t')));
        QVERIFY(trees[1].startsWith(QLatin1Char('\t')) && !trees[1].startsWith(QStringLiteral("\t\t")));
        QVERIFY(trees[2].startsWith(QStringLiteral("\t\t")));
        QVERIFY(trees[2].contains(QStringLiteral("소고기")));
    }

    void secondCreationIsRefused()
    {
        QVERIFY(db::schemaExists(*conn));
        QVERIFY_THROWS_EXCEPTION(db::DbError, db::createSchema(*conn));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
