// Posts all opening-stock lines of a date, warehouse by warehouse, in place of
// what they posted before; warehouses whose lines are gone meanwhile are
// taken back too, so the result does not depend on what the screen had
// already posted. 'DEL' takes back every opening posting of the date.

#include "db/Procedures.h"
#include "db/Query.h"
#include "db/procedures/StockModel.h"

#include <QSet>

namespace db {

namespace {
const char *const kName = "PR_O_DATE_STOCK_SIL_BATCH";
const char *const kLineWarehouses =
    "SELECT DISTINCT STRG_CODE FROM OZ020MS WHERE SILS_DATE = :SILS_DATE AND SILS_GUBUN = '1'";
const char *const kPostedWarehouses =
    "SELECT DISTINCT SRC_KEY FROM OZ_POSTING_JOURNAL WHERE SRC_KIND = 'SIL' AND SRC_KEY LIKE :SILS_DATE || '|%'";

QStringList openingWarehouses(Connection &conn, const QString &silsDate, bool withLines)
{
    QSet<QString> found;
    if (withLines) {
        Query q(conn, QString::fromLatin1(kLineWarehouses));
        q.bind(QStringLiteral("SILS_DATE"), silsDate).exec();
        while (q.next())
            found.insert(q.text(QStringLiteral("STRG_CODE")));
    }
    Query posted(conn, QString::fromLatin1(kPostedWarehouses));
    posted.bind(QStringLiteral("SILS_DATE"), silsDate).exec();
    while (posted.next()) {
        const QStringList parts = posted.text(QStringLiteral("SRC_KEY")).split(QLatin1Char('|'));
        if (parts.size() == 3 && parts.at(2) == QLatin1String("1"))
            found.insert(parts.at(1));
    }
    QStringList sorted(found.begin(), found.end());
    sorted.sort();
    return sorted;
}
} // namespace

ProcOutputs PR_O_DATE_STOCK_SIL_BATCH(Connection &conn, const ProcArgs &args)
{
    const QString dateText = args.text(QStringLiteral("I_SILS_DATE"));
    const QString silsDate = stock::normalDate(dateText);
    const QString flag = args.text(QStringLiteral("I_FLAG"));
    const QString answer = stock::postAtomically(conn, [&]() -> QString {
        const stock::Flag f = stock::flagOf(flag);
        if (f != stock::Flag::Ins && f != stock::Flag::Del)
            return stock::refusal(kName, QStringLiteral("처리구분 오류 (%1)").arg(flag.trimmed()));
        if (silsDate.isEmpty())
            return stock::refusal(kName, QStringLiteral("일자 오류 (%1)").arg(dateText.trimmed()));
        for (const QString &strg : openingWarehouses(conn, silsDate, f == stock::Flag::Ins)) {
            const stock::Source source{QStringLiteral("SIL"), {silsDate, strg, QStringLiteral("1")}};
            stock::lockDocument(conn, source);
            if (f == stock::Flag::Ins)
                stock::post(conn, source, {});
            else
                stock::unpost(conn, source);
        }
        return QStringLiteral("Y");
    });
    return {{QStringLiteral("O_CHK"), answer}};
}

} // namespace db
