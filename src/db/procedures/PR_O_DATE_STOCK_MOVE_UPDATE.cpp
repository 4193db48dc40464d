// Posts a confirmed transfer to the monthly stock or takes its posting back:
// out of the source warehouse and into the target on the confirmation date.
// A transfer issue-out ('2') also issues the goods from the target again
// through its issue document, so the target's stock stays as it was.

#include "db/Procedures.h"
#include "db/Query.h"
#include "db/procedures/StockModel.h"

namespace db {

namespace {
const char *const kName = "PR_O_DATE_STOCK_MOVE_UPDATE";
const char *const kTransfer =
    "SELECT MOVE_GUBUN, APPR_GUBUN, APPR_DATE, DELI_NO, U_EMP_NO, U_IP FROM OD020MS WHERE MOVE_NO = :MOVE_NO";
const char *const kIssueLeg = "SELECT COUNT(*) FROM OD010MS WHERE DELI_NO = :DELI_NO AND DELI_GUBUN = '2'";

QString refusalOf(Connection &conn, const Query &transfer, const QString &moveNo)
{
    if (transfer.text(QStringLiteral("APPR_GUBUN")).trimmed() != QLatin1String("2")
        || transfer.text(QStringLiteral("APPR_DATE")).isEmpty())
        return QStringLiteral("이동번호 %1 은(는) 확정되지 않은 자료입니다.").arg(moveNo);
    if (transfer.text(QStringLiteral("MOVE_GUBUN")).trimmed() == QLatin1String("2")) {
        const QString deliNo = transfer.text(QStringLiteral("DELI_NO")).trimmed();
        if (deliNo.isEmpty()
            || Query::scalar(conn, QString::fromLatin1(kIssueLeg), {{QStringLiteral("DELI_NO"), deliNo}}).toInt() == 0)
            return QStringLiteral("이동번호 %1 의 불출 자료가 없습니다.").arg(moveNo);
    }
    return {};
}
} // namespace

ProcOutputs PR_O_DATE_STOCK_MOVE_UPDATE(Connection &conn, const ProcArgs &args)
{
    const QString moveNo = args.text(QStringLiteral("I_MOVE_NO")).trimmed();
    const QString flag = args.text(QStringLiteral("I_FLAG"));
    const stock::Source source{QStringLiteral("MOVE"), {moveNo}};
    const QString answer = stock::postAtomically(conn, [&]() -> QString {
        switch (stock::flagOf(flag)) {
        case stock::Flag::Del:
            if (!moveNo.isEmpty()) {
                stock::lockDocument(conn, source);
                stock::unpost(conn, source);
            }
            return QStringLiteral("Y");
        case stock::Flag::Ins: {
            stock::lockDocument(conn, source);
            Query q(conn, QString::fromLatin1(kTransfer));
            q.bind(QStringLiteral("MOVE_NO"), moveNo).exec();
            if (moveNo.isEmpty() || !q.next())
                return stock::refusal(kName, QStringLiteral("이동번호 %1 자료가 없습니다.").arg(moveNo));
            const QString refused = refusalOf(conn, q, moveNo);
            if (!refused.isEmpty())
                return stock::refusal(kName, refused);
            stock::post(conn, source, {q.text(QStringLiteral("U_EMP_NO")), q.text(QStringLiteral("U_IP"))});
            return QStringLiteral("Y");
        }
        default:
            return stock::refusal(kName, QStringLiteral("처리구분 오류 (%1)").arg(flag.trimmed()));
        }
    });
    return {{QStringLiteral("O_CHK"), answer}};
}

} // namespace db
