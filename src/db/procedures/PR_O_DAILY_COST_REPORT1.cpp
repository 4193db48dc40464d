// The variant of the daily cost report that the external daily F&B report
// runs: the same figures of the day in OT010MS.

#include "db/Procedures.h"
#include "db/procedures/ClosingSupport.h"

namespace db {

ProcOutputs PR_O_DAILY_COST_REPORT1(Connection &conn, const ProcArgs &args)
{
    const QString day = args.text(QStringLiteral("I_DATE"));
    return {{QStringLiteral("O_CHK"), closing::runAtomically(conn, [&] {
                 return closing::compileDailyCostReport(conn, "PR_O_DAILY_COST_REPORT1", day);
             })}};
}

} // namespace db
