// Posts a return of issued goods (an issue with negative quantities) to the
// monthly stock or takes its posting back. Such returns are saved on closed
// days as well, so no day is refused here.

#include "db/procedures/IssuePosting.h"

namespace db {

ProcOutputs PR_O_STOCK_DELI_UPDATE(Connection &conn, const ProcArgs &args)
{
    return postIssue(conn, args, "PR_O_STOCK_DELI_UPDATE", false);
}

} // namespace db
