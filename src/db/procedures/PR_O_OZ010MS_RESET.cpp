// Rebuilds a month's stock from its documents before a day of it is closed:
// the posting journal of the month, its rows (also the carried rows of items
// that did not move) and, by the changes, the later months. Whatever drifted
// is mended; a month that agrees with its documents is left as it is.

#include "db/Procedures.h"
#include "db/procedures/StockModel.h"

namespace db {

ProcOutputs PR_O_OZ010MS_RESET(Connection &conn, const ProcArgs &args)
{
    const QString month = args.text(QStringLiteral("I_DATE")).trimmed();
    const QString answer = stock::postAtomically(conn, [&]() -> QString {
        if (!stock::isMonth(month))
            return stock::refusal("PR_O_OZ010MS_RESET", QStringLiteral("년월 오류 (%1)").arg(month));
        stock::rebuildMonth(conn, month);
        return QStringLiteral("Y");
    });
    return {{QStringLiteral("O_CHK"), answer}};
}

} // namespace db
