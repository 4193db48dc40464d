// Posts the opening-stock lines or the count lines of a date and warehouse
// to the monthly stock ('INS', replacing whatever they posted before) or
// takes them back ('DEL'). Leaving out I_DIVE_CODE names the opening stock;
// passing it, even empty, names the count. The count is posted and taken
// back whole, whatever class the caller has chosen: it is saved and deleted
// whole, and its lines may be of several classes.

#include "db/Procedures.h"
#include "db/procedures/StockModel.h"

namespace db {

namespace {
const char *const kName = "PR_O_DATE_STOCK_SIL_UPDATE";
} // namespace

ProcOutputs PR_O_DATE_STOCK_SIL_UPDATE(Connection &conn, const ProcArgs &args)
{
    const QString dateText = args.text(QStringLiteral("I_SILS_DATE"));
    const QString silsDate = stock::normalDate(dateText);
    const QString strg = args.text(QStringLiteral("I_STRG_CODE")).trimmed();
    const QString flag = args.text(QStringLiteral("I_FLAG"));
    const QString kind = args.has(QStringLiteral("I_DIVE_CODE")) ? QStringLiteral("2") : QStringLiteral("1");
    const stock::Source source{QStringLiteral("SIL"), {silsDate, strg, kind}};
    const QString answer = stock::postAtomically(conn, [&]() -> QString {
        const stock::Flag f = stock::flagOf(flag);
        if (f != stock::Flag::Ins && f != stock::Flag::Del)
            return stock::refusal(kName, QStringLiteral("처리구분 오류 (%1)").arg(flag.trimmed()));
        if (silsDate.isEmpty())
            return stock::refusal(kName, QStringLiteral("일자 오류 (%1)").arg(dateText.trimmed()));
        if (strg.isEmpty())
            return stock::refusal(kName, QStringLiteral("창고코드가 없습니다."));
        stock::lockDocument(conn, source);
        if (f == stock::Flag::Del)
            stock::unpost(conn, source);
        else
            stock::post(conn, source, {});
        return QStringLiteral("Y");
    });
    return {{QStringLiteral("O_CHK"), answer}};
}

} // namespace db
