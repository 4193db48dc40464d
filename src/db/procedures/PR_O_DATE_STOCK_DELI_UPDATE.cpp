// Posts an issue (confirmed normal issue, disposal, loss) to the monthly
// stock or takes its posting back. A normal issue counts on its confirmation
// date and is not posted on a closed day; the other kinds count on their
// issue date.

#include "db/procedures/IssuePosting.h"

namespace db {

ProcOutputs PR_O_DATE_STOCK_DELI_UPDATE(Connection &conn, const ProcArgs &args)
{
    return postIssue(conn, args, "PR_O_DATE_STOCK_DELI_UPDATE", true);
}

} // namespace db
