#pragma once
// The common code list of the catalogue ("code_list.mrd"): the codes of
// ZX010MS grouped by head, with a count per head and in all.

#include "reports/Report.h"

namespace db { class Connection; }

namespace reports {

// Parameters: [head prefix] (empty: every head).
Document buildCodeList(db::Connection &conn, const QStringList &parameters);

} // namespace reports
