#pragma once
// The report catalogue: report file names (as the screens name them, e.g.
// "danga.mrd") mapped to the functions that build the report from its
// parameters on a connection. The engine knows none of them: each area of
// modules/ registers its reports at start-up.

#include "reports/Report.h"

#include <functional>

namespace db { class Connection; }

namespace reports {

using ReportBuilder = std::function<Document(db::Connection &conn, const QStringList &parameters)>;

// The builder for a report file; a leading path ("report/구매자재관리/") and
// letter case are ignored. Empty when the catalogue has no such report.
ReportBuilder findReport(const QString &file);

// Adds or replaces a report.
void registerReport(const QString &file, ReportBuilder builder);

// Every report file name the catalogue knows, sorted.
QStringList reportNames();

} // namespace reports
