#include "modules/issues/TransferConfirmation.h"

#include "db/Query.h"
#include "modules/issues/IssueCommon.h"
#include "widgets/RecordSet.h"

using namespace issues;

namespace {

const QString kSelect = QStringLiteral(R"(SELECT '0' SEL, A.MOVE_DATE, A.FROM_STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.FROM_STRG_CODE) FROM_STRG_CODE_NM,
  A.TO_STRG_CODE, (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.TO_STRG_CODE) TO_STRG_CODE_NM,
  A.MOVE_NUM, A.MOVE_NO, A.DELI_NO, A.APPR_GUBUN, %1 APPR_GUBUN_NM, A.APPR_DATE, A.APPR_EMP_NO,
  (SELECT MAX(E.EMP_K_NAME) FROM QA010MS E WHERE E.EMP_NO = A.APPR_EMP_NO) APPR_EMP_NO_NM
FROM OD020MS A
WHERE A.MOVE_GUBUN = '%2'
  AND A.MOVE_DATE BETWEEN :MOVE_DATE_S AND :MOVE_DATE_E
  AND A.MOVE_NO LIKE COALESCE(:MOVE_NO,'') || '%'
  AND COALESCE(A.APPR_GUBUN,'') LIKE COALESCE(:APPR_GUBUN,'') || '%'
  AND A.FROM_STRG_CODE LIKE COALESCE(:STRG_CODE,'') || '%'
ORDER BY A.MOVE_DATE, A.FROM_STRG_CODE, A.TO_STRG_CODE, A.MOVE_NUM)");

const char *const kConfirmTransfer =
    "UPDATE OD020MS SET APPR_GUBUN = '2', APPR_EMP_NO = :APPR_EMP_NO, APPR_DATE = :APPR_DATE WHERE MOVE_NO = :MOVE_NO";
const char *const kCancelTransfer = "UPDATE OD020MS SET APPR_GUBUN = '1', APPR_EMP_NO = :APPR_EMP_NO WHERE MOVE_NO = :MOVE_NO";
const char *const kConfirmIssue =
    "UPDATE OD010MS SET APPR_GUBUN = '2', APPR_EMP_NO = :APPR_EMP_NO, APPR_DATE = :APPR_DATE WHERE DELI_NO = :DELI_NO";
// A cancelled issue keeps its date, as its transfer does: both stay the
// record of when the goods moved.
const char *const kCancelIssue = "UPDATE OD010MS SET APPR_GUBUN = '1', APPR_EMP_NO = :APPR_EMP_NO WHERE DELI_NO = :DELI_NO";

void setState(db::Connection &conn, const char *confirmSql, const char *cancelSql, bool confirm, const QString &numberField,
              const QString &number, const QString &date, const QString &empNo)
{
    db::Query q(conn, QString::fromLatin1(confirm ? confirmSql : cancelSql));
    q.bind(QStringLiteral("APPR_EMP_NO"), empNo).bind(numberField, number);
    if (confirm)
        q.bind(QStringLiteral("APPR_DATE"), date);
    q.exec();
}

} // namespace

ConfirmationSpec TransferConfirmationSpec(const QString &programId, const QString &caption, const QString &kind,
                                          const QString &panelCaption, const QString &warehouseLabel,
                                          const QString &numberLabel, QList<widgets::GridColumn> columns)
{
    const bool issueLeg = kind == QLatin1String("2");
    return {
        programId, caption, panelCaption, QStringLiteral("MOVE_DATE"), warehouseLabel, numberLabel,
        QStringLiteral("MOVE_NO"), std::move(columns),
        kSelect.arg(StateNameSql(QStringLiteral("A.APPR_GUBUN")), kind),
        QStringLiteral("rgdOD020DT"),
        QStringLiteral("MOVE_SEQ"),
        StockLinesSql(QStringLiteral("OD020DT"), QStringLiteral("MOVE_SEQ"), QStringLiteral("FROM_STRG_CODE"),
                      QStringLiteral("A.MOVE_DATE = :MOVE_DATE AND A.FROM_STRG_CODE = :FROM_STRG_CODE "
                                     "AND A.TO_STRG_CODE = :TO_STRG_CODE AND A.MOVE_NUM = :MOVE_NUM")),
        QStringLiteral("UPDATE OD020MS SET APPR_GUBUN = APPR_GUBUN WHERE MOVE_NO = :NO"),
        QStringLiteral("SELECT APPR_GUBUN, APPR_DATE FROM OD020MS WHERE MOVE_NO = :NO"),
        [issueLeg](db::Connection &conn, const widgets::RecordSet &list, int row, bool confirm, const QString &date,
                   const QString &empNo) {
            const QString moveNo = list.value(row, QStringLiteral("MOVE_NO")).toString().trimmed();
            if (issueLeg)
                setState(conn, kConfirmIssue, kCancelIssue, confirm, QStringLiteral("DELI_NO"),
                         list.value(row, QStringLiteral("DELI_NO")).toString().trimmed(), date, empNo);
            setState(conn, kConfirmTransfer, kCancelTransfer, confirm, QStringLiteral("MOVE_NO"), moveNo, date, empNo);
            Post(conn, QStringLiteral("PR_O_DATE_STOCK_MOVE_UPDATE"), QStringLiteral("I_MOVE_NO"), moveNo,
                 confirm ? QStringLiteral("INS") : QStringLiteral("DEL"));
        },
    };
}
