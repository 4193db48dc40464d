#include "modules/requests/RequestData.h"

#include "db/Query.h"
#include "framework/ErrorDisplay.h"
#include "framework/Records.h"
#include "framework/Serials.h"
#include "framework/SharedSql.h"
#include "session/Database.h"
#include "widgets/Format.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include <QHash>

#include <iterator>

namespace requests {

namespace {

const QString kHeaders = QStringLiteral(
    "SELECT '0' SEL, A.PURC_DATE, A.STRG_CODE, A.PURC_NUM, A.PURC_NO, A.PLAN_DATE, A.CHAR_NAME, A.CHAR_TEL, "
    "       A.REMARK, A.APPR_GUBUN, A.DEPT_CODE, A.APPR_EMP_NO, A.APPR_DATE, "
    "       (SELECT S.STRG_NAME FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM, "
    "       (SELECT D.AFF_DEPT_NAME FROM QA160MS D WHERE D.AFF_DEPT_CODE = A.DEPT_CODE) DEPT_CODE_NM, "
    "       %1 APPR_GUBUN_NM, "
    "       (SELECT E.EMP_K_NAME FROM QA010MS E WHERE E.EMP_NO = A.APPR_EMP_NO) APPR_EMP_NO_NM "
    "  FROM OA010MS A "
    " WHERE A.PURC_DATE BETWEEN :PURC_DATE_S AND :PURC_DATE_E "
    "   AND A.STRG_CODE LIKE COALESCE(:STRG_CODE,'') || '%' "
    "   AND COALESCE(A.PURC_NO,'') LIKE COALESCE(:PURC_NO,'') || '%' "
    "   AND COALESCE(A.APPR_GUBUN,'') LIKE COALESCE(:APPR_GUBUN,'') || '%' "
    " ORDER BY A.PURC_DATE, A.STRG_CODE, A.PURC_NUM").arg(sql::RequestStatusNameSql(QStringLiteral("A.APPR_GUBUN")));

const char *const kLines =
    "SELECT A.PURC_SEQ, A.EMER_CHK, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.NEED_QTY, A.COST_AMT, "
    "       %1 GUMAE_UNIT_NM, "
    "       A.QTY, A.ESTI_AMT, COALESCE(A.QTY,0) * COALESCE(A.ESTI_AMT,0) AMT, A.C_CODE, "
    "       (SELECT C.C_NAME FROM VA050MS C WHERE C.C_CODE = A.C_CODE) C_CODE_NM, "
    "       A.REMARK, A.ORDER_SET_YN, A.STOCK_QTY "
    "  FROM OA010DT A LEFT JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE "
    " WHERE A.PURC_DATE = :PURC_DATE AND A.STRG_CODE = :STRG_CODE AND A.PURC_NUM = :PURC_NUM "
    " ORDER BY A.PURC_SEQ";

const char *const kNextSerial =
    "SELECT COALESCE(MAX(PURC_NUM),0) + 1 MAXNUM FROM OA010MS WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE";

const char *const kInsertHeader =
    "INSERT INTO OA010MS (PURC_DATE, STRG_CODE, PURC_NUM, PURC_NO, PLAN_DATE, CHAR_NAME, CHAR_TEL, REMARK, "
    "                     APPR_GUBUN, DEPT_CODE, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:PURC_DATE, :STRG_CODE, :PURC_NUM, :PURC_NO, :PLAN_DATE, :CHAR_NAME, :CHAR_TEL, :REMARK, "
    "        '3', :DEPT_CODE, :U_EMP_NO, SYSDATE(), :U_IP)";

const char *const kUpdateHeader =
    "UPDATE OA010MS SET PLAN_DATE = :PLAN_DATE, CHAR_NAME = :CHAR_NAME, CHAR_TEL = :CHAR_TEL, REMARK = :REMARK, "
    "       DEPT_CODE = :DEPT_CODE, U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    " WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE AND PURC_NUM = :PURC_NUM";

const char *const kState =
    "SELECT A.APPR_GUBUN, CASE WHEN EXISTS (SELECT 1 FROM OA010DT B WHERE B.PURC_DATE = A.PURC_DATE "
    "        AND B.STRG_CODE = A.STRG_CODE AND B.PURC_NUM = A.PURC_NUM AND B.ORDER_SET_YN = 'Y') "
    "       THEN 'Y' ELSE 'N' END ORDERED "
    "  FROM OA010MS A WHERE A.PURC_DATE = :PURC_DATE AND A.STRG_CODE = :STRG_CODE AND A.PURC_NUM = :PURC_NUM";

// Taking the header and the lines makes an approval or an order that is
// being saved on another workstation wait for this change, or be seen by it.
const char *const kLockHeader =
    "UPDATE OA010MS SET APPR_GUBUN = APPR_GUBUN "
    " WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE AND PURC_NUM = :PURC_NUM";
const char *const kLockLines =
    "UPDATE OA010DT SET ORDER_SET_YN = ORDER_SET_YN "
    " WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE AND PURC_NUM = :PURC_NUM";

const char *const kDeleteHeader =
    "DELETE FROM OA010MS WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE AND PURC_NUM = :PURC_NUM";

// What quotations and the resolution wrote on the lines.
const char *const kQuoteColumns[] = {"A_ESTI_CODE", "A_ESTI_NAME", "B_ESTI_NAME", "C_ESTI_NAME",
                                     "A_COST_AMT",  "B_COST_AMT",  "C_COST_AMT"};

const char *const kQuotes =
    "SELECT ITEM_CODE, A_ESTI_CODE, A_ESTI_NAME, B_ESTI_NAME, C_ESTI_NAME, A_COST_AMT, B_COST_AMT, C_COST_AMT "
    "  FROM OA010DT WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE AND PURC_NUM = :PURC_NUM "
    " ORDER BY PURC_SEQ";

const char *const kDeleteLines =
    "DELETE FROM OA010DT WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE AND PURC_NUM = :PURC_NUM";

const char *const kInsertLine =
    "INSERT INTO OA010DT (PURC_DATE, STRG_CODE, PURC_NUM, PURC_SEQ, PURC_NO, ITEM_CODE, QTY, NEED_QTY, C_CODE, "
    "                     COST_AMT, ESTI_AMT, REMARK, ORDER_SET_YN, EMER_CHK, STOCK_QTY, "
    "                     A_ESTI_CODE, A_ESTI_NAME, B_ESTI_NAME, C_ESTI_NAME, A_COST_AMT, B_COST_AMT, C_COST_AMT, "
    "                     U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:PURC_DATE, :STRG_CODE, :PURC_NUM, :PURC_SEQ, :PURC_NO, :ITEM_CODE, :QTY, :NEED_QTY, :C_CODE, "
    "        :COST_AMT, :ESTI_AMT, :REMARK, 'N', :EMER_CHK, :STOCK_QTY, "
    "        :A_ESTI_CODE, :A_ESTI_NAME, :B_ESTI_NAME, :C_ESTI_NAME, :A_COST_AMT, :B_COST_AMT, :C_COST_AMT, "
    "        :U_EMP_NO, SYSDATE(), :U_IP)";

db::Query &bindKey(db::Query &q, const RequestKey &key)
{
    return q.bind(QStringLiteral("PURC_DATE"), key.purcDate)
        .bind(QStringLiteral("STRG_CODE"), key.strgCode)
        .bind(QStringLiteral("PURC_NUM"), key.purcNum);
}

} // namespace

Params KeyParams(const RequestKey &key)
{
    return {{QStringLiteral("PURC_DATE"), key.purcDate},
            {QStringLiteral("STRG_CODE"), key.strgCode},
            {QStringLiteral("PURC_NUM"), key.purcNum}};
}

QString RequestLinesSql() { return QString::fromLatin1(kLines).arg(sql::UnitName(QStringLiteral("B.GUMAE_UNIT"))); }

const StatusGate &RequestGate()
{
    static const StatusGate gate{
        QString::fromLatin1(kState),
        {QString::fromLatin1(kLockHeader), QString::fromLatin1(kLockLines)},
        {{QStringLiteral("APPR_GUBUN"), QStringLiteral("2"), QStringLiteral("구매의뢰 확정 처리된 자료는 수정 할 수 없습니다."),
          QStringLiteral("구매의뢰 확정 처리된 자료는 삭제할 수 없습니다.")},
         {QStringLiteral("ORDERED"), QStringLiteral("Y"), QStringLiteral("구매발주 처리된 자료는 수정 할 수 없습니다."),
          QStringLiteral("구매발주 처리된 자료는 수정 할 수 없습니다.")}},
        QStringLiteral("구매의뢰 자료가 없습니다.")};
    return gate;
}

int OpenRequestHeaders(widgets::RecordSet &records, const QString &dateFrom, const QString &dateTo,
                       const QString &strgCode, const QString &purcNo, const QString &apprGubun)
{
    return OpenRecords(records, dbsDB(), kHeaders,
                       {{QStringLiteral("PURC_DATE_S"), dateFrom},
                        {QStringLiteral("PURC_DATE_E"), dateTo},
                        {QStringLiteral("STRG_CODE"), strgCode.trimmed()},
                        {QStringLiteral("PURC_NO"), purcNo.trimmed()},
                        {QStringLiteral("APPR_GUBUN"), apprGubun.trimmed()}});
}

int FillGrid(widgets::PlainGrid &grid, db::Query &query)
{
    grid.clearRows();
    QVector<int> source(grid.columnCount(), -1);
    for (int col = 0; col < grid.columnCount(); ++col)
        source[col] = grid.column(col).field.isEmpty() ? -1 : query.columnIndex(grid.column(col).field);
    int count = 0;
    while (query.next()) {
        const int row = grid.appendRow();
        for (int col = 0; col < grid.columnCount(); ++col) {
            if (source[col] < 0)
                continue;
            const QString text = query.text(source[col]);
            const QString &format = grid.column(col).format;
            if (!format.isEmpty() && !widgets::isDateFormat(format) && !text.isEmpty())
                grid.setCellNumber(col, row, text.toDouble());
            else
                grid.setCells(col, row, text);
        }
        ++count;
    }
    return count;
}

int LoadRequestLines(widgets::PlainGrid &grid, const RequestKey &key)
{
    db::Query q(dbsDB(), RequestLinesSql());
    bindKey(q, key).exec();
    return FillGrid(grid, q);
}

QString WriteRequest(db::Connection &conn, const RequestHeader &header, const QVector<RequestLine> &lines,
                     bool inserting)
{
    db::Transaction tx(conn);
    RequestKey key = header.key;
    auto bindHeader = [&](db::Query &q) {
        bindKey(q, key);
        q.bind(QStringLiteral("PLAN_DATE"), header.planDate)
            .bind(QStringLiteral("CHAR_NAME"), header.charName)
            .bind(QStringLiteral("CHAR_TEL"), header.charTel)
            .bind(QStringLiteral("REMARK"), header.remark)
            .bind(QStringLiteral("DEPT_CODE"), header.deptCode);
        sql::BindAudit(q);
    };

    if (inserting) {
        InsertWithNextSerial(conn, [&] {
            key.purcNum = db::Query::scalar(conn, QString::fromLatin1(kNextSerial),
                                            {{QStringLiteral("PURC_DATE"), key.purcDate},
                                             {QStringLiteral("STRG_CODE"), key.strgCode}});
            db::Query q(conn, QString::fromLatin1(kInsertHeader));
            bindHeader(q);
            q.bind(QStringLiteral("PURC_NO"), header.purcNo).exec();
        });
    } else {
        // Read again here: another workstation may have approved the
        // request or ordered its lines since it was opened, and rewriting
        // ordered lines would cut them off from their order.
        RequestGate().check(conn, KeyParams(key), GateAction::Edit);
        db::Query q(conn, QString::fromLatin1(kUpdateHeader));
        bindHeader(q);
        q.exec();
    }

    // Quotation values written on the old lines, by item.
    QHash<QString, QStringList> quotes;
    {
        db::Query q(conn, QString::fromLatin1(kQuotes));
        bindKey(q, key).exec();
        while (q.next()) {
            const QString item = q.text(QStringLiteral("ITEM_CODE"));
            if (quotes.contains(item))
                continue;
            QStringList values;
            for (const char *column : kQuoteColumns)
                values << q.text(QString::fromLatin1(column));
            quotes.insert(item, values);
        }
    }
    {
        db::Query q(conn, QString::fromLatin1(kDeleteLines));
        bindKey(q, key).exec();
    }
    int seq = 0;
    for (const RequestLine &line : lines) {
        db::Query q(conn, QString::fromLatin1(kInsertLine));
        bindKey(q, key);
        sql::BindAudit(q);
        q.bind(QStringLiteral("PURC_SEQ"), ++seq)
            .bind(QStringLiteral("PURC_NO"), header.purcNo)
            .bind(QStringLiteral("ITEM_CODE"), line.itemCode)
            .bind(QStringLiteral("QTY"), line.qty)
            .bind(QStringLiteral("NEED_QTY"), line.needQty)
            .bind(QStringLiteral("C_CODE"), line.cCode)
            .bind(QStringLiteral("COST_AMT"), line.costAmt)
            .bind(QStringLiteral("ESTI_AMT"), line.estiAmt)
            .bind(QStringLiteral("REMARK"), line.remark)
            .bind(QStringLiteral("EMER_CHK"), line.emerChk)
            .bind(QStringLiteral("STOCK_QTY"), line.stockQty);
        const QStringList kept = quotes.value(line.itemCode);
        for (int i = 0; i < int(std::size(kQuoteColumns)); ++i)
            q.bind(QString::fromLatin1(kQuoteColumns[i]), kept.value(i));
        q.exec();
    }
    tx.commit();
    return key.purcNum;
}

void DeleteRequest(db::Connection &conn, const RequestKey &key)
{
    db::Transaction tx(conn);
    // Checked here and not only before the question: the request may have
    // been ordered while the user was answering it.
    RequestGate().check(conn, KeyParams(key), GateAction::Delete);
    for (const char *statement : {kDeleteLines, kDeleteHeader}) {
        db::Query q(conn, QString::fromLatin1(statement));
        bindKey(q, key).exec();
    }
    tx.commit();
}

} // namespace requests
