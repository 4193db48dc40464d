// Posts a receipt to the monthly stock ('INS') or takes its posting back
// ('DEL'). A receipt counts once its receipt date is set, in the month of that
// date, for the receiving warehouse.

#include "db/Procedures.h"
#include "db/Query.h"
#include "db/procedures/StockModel.h"

namespace db {

namespace {
const char *const kName = "PR_O_DATE_STOCK_PUT_UPDATE";
const char *const kReceipt =
    "SELECT PUT_DATE, STRG_CODE, U_EMP_NO, U_IP FROM OC010MS WHERE INSP_NO = :INSP_NO";
} // namespace

ProcOutputs PR_O_DATE_STOCK_PUT_UPDATE(Connection &conn, const ProcArgs &args)
{
    const QString putNo = args.text(QStringLiteral("I_PUT_NO")).trimmed();
    const QString flag = args.text(QStringLiteral("I_FLAG"));
    const stock::Source source{QStringLiteral("PUT"), {putNo}};
    const QString answer = stock::postAtomically(conn, [&]() -> QString {
        switch (stock::flagOf(flag)) {
        case stock::Flag::Del:
            if (!putNo.isEmpty()) {
                stock::lockDocument(conn, source);
                stock::unpost(conn, source);
            }
            return QStringLiteral("Y");
        case stock::Flag::Ins: {
            stock::lockDocument(conn, source);
            Query q(conn, QString::fromLatin1(kReceipt));
            q.bind(QStringLiteral("INSP_NO"), putNo).exec();
            if (putNo.isEmpty() || !q.next())
                return stock::refusal(kName, QStringLiteral("입고번호 %1 자료가 없습니다.").arg(putNo));
            if (q.text(QStringLiteral("PUT_DATE")).isEmpty())
                return stock::refusal(kName, QStringLiteral("입고번호 %1 의 입고일자가 없습니다.").arg(putNo));
            if (q.text(QStringLiteral("STRG_CODE")).trimmed().isEmpty())
                return stock::refusal(kName, QStringLiteral("입고번호 %1 의 입고창고가 없습니다.").arg(putNo));
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
