#include "db/procedures/IssuePosting.h"
#include "db/Query.h"
#include "db/procedures/StockModel.h"

namespace db {

namespace {

const char *const kIssue =
    "SELECT DELI_GUBUN, APPR_GUBUN, APPR_DATE, U_EMP_NO, U_IP FROM OD010MS WHERE DELI_NO = :DELI_NO";
const char *const kDayClosed = "SELECT CLOS_CHK FROM OZ060MS WHERE CLOS_DATE = :CLOS_DATE";

// Why the issue cannot be posted, or empty when it can.
QString refusalOf(Connection &conn, const Query &issue, const QString &deliNo, bool refuseClosedDay)
{
    const QString kind = issue.text(QStringLiteral("DELI_GUBUN")).trimmed();
    if (kind == QLatin1String("2"))
        return QStringLiteral("이동불출 자료는 이동 처리로 반영됩니다 (%1)").arg(deliNo);
    if (kind == QLatin1String("1")) {
        const QString apprDate = issue.text(QStringLiteral("APPR_DATE"));
        if (issue.text(QStringLiteral("APPR_GUBUN")).trimmed() != QLatin1String("2") || apprDate.isEmpty())
            return QStringLiteral("출고번호 %1 은(는) 확정되지 않은 자료입니다.").arg(deliNo);
        if (refuseClosedDay) {
            const QString closed = Query::scalar(conn, QString::fromLatin1(kDayClosed), {{QStringLiteral("CLOS_DATE"), apprDate}});
            if (closed.trimmed() == QLatin1String("Y"))
                return apprDate + QStringLiteral(" 해당 일자는 마감 완료 되었습니다.");
        }
        return {};
    }
    if (kind == QLatin1String("3") || kind == QLatin1String("4") || kind == QLatin1String("5"))
        return {};
    return QStringLiteral("출고번호 %1 의 출고구분 오류 (%2)").arg(deliNo, kind);
}

} // namespace

ProcOutputs postIssue(Connection &conn, const ProcArgs &args, const char *procedure, bool refuseClosedDay)
{
    const QString deliNo = args.text(QStringLiteral("I_DELI_NO")).trimmed();
    const QString flag = args.text(QStringLiteral("I_FLAG"));
    const stock::Source source{QStringLiteral("DELI"), {deliNo}};
    const QString answer = stock::postAtomically(conn, [&]() -> QString {
        switch (stock::flagOf(flag)) {
        case stock::Flag::Del:
            // An empty or unknown number has nothing posted: the receipt
            // reversal of an outlet passes one when no issue was made.
            if (!deliNo.isEmpty()) {
                stock::lockDocument(conn, source);
                stock::unpost(conn, source);
            }
            return QStringLiteral("Y");
        case stock::Flag::Ins: {
            stock::lockDocument(conn, source);
            Query q(conn, QString::fromLatin1(kIssue));
            q.bind(QStringLiteral("DELI_NO"), deliNo).exec();
            if (deliNo.isEmpty() || !q.next())
                return stock::refusal(procedure, QStringLiteral("출고번호 %1 자료가 없습니다.").arg(deliNo));
            const QString refused = refusalOf(conn, q, deliNo, refuseClosedDay);
            if (!refused.isEmpty())
                return stock::refusal(procedure, refused);
            stock::post(conn, source, {q.text(QStringLiteral("U_EMP_NO")), q.text(QStringLiteral("U_IP"))});
            return QStringLiteral("Y");
        }
        default:
            return stock::refusal(procedure, QStringLiteral("처리구분 오류 (%1)").arg(flag.trimmed()));
        }
    });
    return {{QStringLiteral("O_CHK"), answer}};
}

} // namespace db
