#include "modules/issues/ODI011.h"

#include "db/Query.h"
#include "modules/issues/IssueCommon.h"
#include "widgets/RecordSet.h"

using namespace issues;

namespace {

const QString kSelect = QStringLiteral(R"(SELECT '0' SEL, A.DELI_DATE, A.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM,
  A.DELI_NUM, A.DELI_NO, A.APPR_GUBUN, %1 APPR_GUBUN_NM, A.APPR_DATE, A.APPR_EMP_NO,
  (SELECT MAX(E.EMP_K_NAME) FROM QA010MS E WHERE E.EMP_NO = A.APPR_EMP_NO) APPR_EMP_NO_NM
FROM OD010MS A
WHERE A.DELI_GUBUN IN ('1')
  AND A.DELI_DATE BETWEEN :DELI_DATE_S AND :DELI_DATE_E
  AND A.DELI_NO LIKE COALESCE(:DELI_NO,'') || '%'
  AND COALESCE(A.APPR_GUBUN,'') LIKE COALESCE(:APPR_GUBUN,'') || '%'
  AND A.STRG_CODE LIKE COALESCE(:STRG_CODE,'') || '%'
ORDER BY A.DELI_DATE, A.STRG_CODE, A.DELI_NUM)").arg(StateNameSql(QStringLiteral("A.APPR_GUBUN")));

const char *const kConfirm =
    "UPDATE OD010MS SET APPR_GUBUN = '2', APPR_EMP_NO = :APPR_EMP_NO, APPR_DATE = :APPR_DATE WHERE DELI_NO = :DELI_NO";
// A cancelled issue keeps the date it was confirmed on.
const char *const kCancel = "UPDATE OD010MS SET APPR_GUBUN = '1', APPR_EMP_NO = :APPR_EMP_NO WHERE DELI_NO = :DELI_NO";

ConfirmationSpec spec()
{
    using widgets::col::Center;
    using widgets::col::Sortable;
    using widgets::col::Tick;
    return {
        QStringLiteral("ODI011"),
        QStringLiteral("출고확정"),
        QStringLiteral("[ 출고확정 ]  확정일자"),
        QStringLiteral("DELI_DATE"),
        QStringLiteral("창    고"),
        QStringLiteral("출고번호"),
        QStringLiteral("DELI_NO"),
        {{QStringLiteral("SEL"), QStringLiteral("선택"), 36, {}, Tick | Center},
         {QStringLiteral("DELI_DATE"), QStringLiteral("의뢰일자"), 80, QStringLiteral("yyyy-mm-dd"), Sortable},
         {QStringLiteral("STRG_CODE"), QStringLiteral("창고코드"), 60},
         {QStringLiteral("STRG_CODE_NM"), QStringLiteral("창 고 명"), 120, {}, Sortable},
         {QStringLiteral("DELI_NUM"), QStringLiteral("출고넘버"), 0},
         {QStringLiteral("DELI_NO"), QStringLiteral("출고번호"), 100},
         {QStringLiteral("APPR_GUBUN"), QStringLiteral("확정구분CD"), 0},
         {QStringLiteral("APPR_GUBUN_NM"), QStringLiteral("확정구분"), 70, {}, Center},
         {QStringLiteral("APPR_DATE"), QStringLiteral("확정일자"), 80, QStringLiteral("yyyy-mm-dd"), Sortable},
         {QStringLiteral("APPR_EMP_NO"), QStringLiteral("확정사번"), 0},
         {QStringLiteral("APPR_EMP_NO_NM"), QStringLiteral("확정사원"), 80}},
        kSelect,
        QStringLiteral("rgdOD010DT"),
        QStringLiteral("DELI_SEQ"),
        StockLinesSql(QStringLiteral("OD010DT"), QStringLiteral("DELI_SEQ"), QStringLiteral("STRG_CODE"),
                      QStringLiteral("A.DELI_DATE = :DELI_DATE AND A.STRG_CODE = :STRG_CODE AND A.DELI_NUM = :DELI_NUM")),
        QStringLiteral("UPDATE OD010MS SET APPR_GUBUN = APPR_GUBUN WHERE DELI_NO = :NO"),
        QStringLiteral("SELECT APPR_GUBUN, APPR_DATE FROM OD010MS WHERE DELI_NO = :NO"),
        [](db::Connection &conn, const widgets::RecordSet &list, int row, bool confirm, const QString &date,
           const QString &empNo) {
            const QString deliNo = list.value(row, QStringLiteral("DELI_NO")).toString().trimmed();
            db::Query q(conn, QString::fromLatin1(confirm ? kConfirm : kCancel));
            q.bind(QStringLiteral("APPR_EMP_NO"), empNo).bind(QStringLiteral("DELI_NO"), deliNo);
            if (confirm)
                q.bind(QStringLiteral("APPR_DATE"), date);
            q.exec();
            Post(conn, QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), deliNo,
                 confirm ? QStringLiteral("INS") : QStringLiteral("DEL"));
        },
    };
}

} // namespace

TfrmODI011::TfrmODI011(QWidget *parent) : ConfirmationScreen(spec(), parent) {}

#include "moc_ODI011.cpp"
