#include "modules/requests/RequestData.h"

#include "db/Query.h"
#include "framework/ErrorDisplay.h"
#include "framework/Records.h"
#include "framework/Serials.h"
#include "session/Dialogs.h"
#include "session/Session.h"
#include "session/Database.h"
#include "widgets/Edits.h"
#include "widgets/Format.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include <QHash>

#include <iterator>

namespace requests {

namespace {

const char *const kHeaders =
    "SELECT '0' SEL, A.PURC_DATE, A.STRG_CODE, A.PURC_NUM, A.PURC_NO, A.PLAN_DATE, A.CHAR_NAME, A.CHAR_TEL, "
    "       A.REMARK, A.APPR_GUBUN, A.DEPT_CODE, A.APPR_EMP_NO, A.APPR_DATE, "
    "       (SELECT S.STRG_NAME FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM, "
    "       (SELECT D.AFF_DEPT_NAME FROM QA160MS D WHERE D.AFF_DEPT_CODE = A.DEPT_CODE) DEPT_CODE_NM, "
    "       CASE A.APPR_GUBUN WHEN '1' THEN '승인취소' WHEN '2' THEN '승    인' WHEN '3' THEN '미 결 재' "
    "            ELSE '' END APPR_GUBUN_NM, "
    "       (SELECT E.EMP_K_NAME FROM QA010MS E WHERE E.EMP_NO = A.APPR_EMP_NO) APPR_EMP_NO_NM "
    "  FROM OA010MS A "
    " WHERE A.PURC_DATE BETWEEN :PURC_DATE_S AND :PURC_DATE_E "
    "   AND A.STRG_CODE LIKE COALESCE(:STRG_CODE,'') || '%' "
    "   AND COALESCE(A.PURC_NO,'') LIKE COALESCE(:PURC_NO,'') || '%' "
    "   AND COALESCE(A.APPR_GUBUN,'') LIKE COALESCE(:APPR_GUBUN,'') || '%' "
    " ORDER BY A.PURC_DATE, A.STRG_CODE, A.PURC_NUM";

const char *const kLines =
    "SELECT A.PURC_SEQ, A.EMER_CHK, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.NEED_QTY, A.COST_AMT, "
    "       (SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'Z0025' AND Z.DETAIL = B.GUMAE_UNIT) GUMAE_UNIT_NM, "
    "       A.QTY, A.ESTI_AMT, COALESCE(A.QTY,0) * COALESCE(A.ESTI_AMT,0) AMT, A.C_CODE, "
    "       (SELECT C.C_NAME FROM VA050MS C WHERE C.C_CODE = A.C_CODE) C_CODE_NM, "
    "       A.REMARK, A.ORDER_SET_YN, A.STOCK_QTY "
    "  FROM OA010DT A LEFT JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE "
    " WHERE A.PURC_DATE = :PURC_DATE AND A.STRG_CODE = :STRG_CODE AND A.PURC_NUM = :PURC_NUM "
    " ORDER BY A.PURC_SEQ";

const char *const kWarehouses =
    "SELECT A.STRG_CODE, A.STRG_NAME, A.DEPT_CODE, "
    "       (SELECT D.AFF_DEPT_NAME FROM QA160MS D WHERE D.AFF_DEPT_CODE = A.DEPT_CODE) DEPT_CODE_NM "
    "  FROM OX060MS A "
    " WHERE A.BUSI_GUBUN IN (SELECT Z.DETAIL FROM ZX010MS Z "
    "                         WHERE Z.HEAD = 'O0002' AND Z.ITEM2 = 'Y' AND TRIM(Z.DETAIL) <> '') "
    "%1"
    " ORDER BY A.STRG_CODE";

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
    "SELECT A.APPR_GUBUN, (SELECT COUNT(*) FROM OA010DT B WHERE B.PURC_DATE = A.PURC_DATE "
    "        AND B.STRG_CODE = A.STRG_CODE AND B.PURC_NUM = A.PURC_NUM AND B.ORDER_SET_YN = 'Y') ORDERED "
    "  FROM OA010MS A WHERE A.PURC_DATE = :PURC_DATE AND A.STRG_CODE = :STRG_CODE AND A.PURC_NUM = :PURC_NUM";

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

db::Query &bindAudit(db::Query &q)
{
    return q.bind(QStringLiteral("U_EMP_NO"), gEmpNo).bind(QStringLiteral("U_IP"), gLocalIP);
}

} // namespace

QString ApprovalName(const QString &apprGubun)
{
    if (apprGubun == QLatin1String("1"))
        return QStringLiteral("승인취소");
    if (apprGubun == QLatin1String("2"))
        return QStringLiteral("승    인");
    if (apprGubun == QLatin1String("3"))
        return QStringLiteral("미 결 재");
    return {};
}

int OpenRequestHeaders(widgets::RecordSet &records, const QString &dateFrom, const QString &dateTo,
                       const QString &strgCode, const QString &purcNo, const QString &apprGubun)
{
    return OpenRecords(records, dbsDB(), QString::fromUtf8(kHeaders),
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
    db::Query q(dbsDB(), QString::fromUtf8(kLines));
    bindKey(q, key).exec();
    return FillGrid(grid, q);
}

RequestState ReadRequestState(db::Connection &conn, const RequestKey &key)
{
    RequestState state;
    db::Query q(conn, QString::fromLatin1(kState));
    bindKey(q, key).exec();
    if (q.next()) {
        state.found = true;
        state.apprGubun = q.text(QStringLiteral("APPR_GUBUN"));
        state.ordered = q.number(QStringLiteral("ORDERED")) > 0;
    }
    return state;
}

Lookup WarehouseLookup(const QString &button, const QStringList &into, bool usedOnly, const LookupOptions &options)
{
    const QString sql = QString::fromUtf8(kWarehouses).arg(usedOnly ? QStringLiteral(" AND A.USE_YN = 'Y' ") : QString());
    return {button, into, sql, QStringLiteral("A.STRG_CODE"), TypedIn::Code,
            {QStringLiteral("코드"), QStringLiteral("창고명"), QStringLiteral("부서"), QStringLiteral("부서명")},
            {QStringLiteral("8"), QStringLiteral("30"), QStringLiteral("0"), QStringLiteral("0")},
            options};
}

bool CheckDateOnExit(widgets::MaskEdit *box)
{
    const QString digits = box->plainText();
    if (digits.isEmpty() || !box->dateText().isEmpty())
        return true;
    box->clear();
    if (digits.size() >= 8) {
        ShowInfo(QStringLiteral("일자를 정확히 입력하여 주십시오."));
        box->setFocus();
    }
    return false;
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
        bindAudit(q);
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
        // The state is read again here: another workstation may have
        // approved the request or ordered its lines since it was opened, and
        // rewriting ordered lines would cut them off from their order.
        const RequestState state = ReadRequestState(conn, key);
        if (!state.found)
            throw EUserExcept(QStringLiteral("구매의뢰 자료가 없습니다."));
        if (state.apprGubun == QLatin1String("2"))
            throw EUserExcept(QStringLiteral("구매의뢰 확정 처리된 자료는 수정 할 수 없습니다."));
        if (state.ordered)
            throw EUserExcept(QStringLiteral("구매발주 처리된 자료는 수정 할 수 없습니다."));
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
        bindAudit(q);
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

} // namespace requests
