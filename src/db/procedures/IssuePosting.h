#pragma once
// Posting of issue documents (OD010MS), shared by the issue procedures.

#include "db/Procedures.h"

namespace db {

// Posts ('INS') or reverses ('DEL') the issue `I_DELI_NO` and answers O_CHK.
// With `refuseClosedDay`, a confirmed issue ('1') is not posted on a closed
// day; returns of issued goods are saved on closed days too.
ProcOutputs postIssue(Connection &conn, const ProcArgs &args, const char *procedure, bool refuseClosedDay);

} // namespace db
