#pragma once
// The lines of the daily food and beverage cost report of a date as the
// screen and the printouts read them from OT010MS: the stored figures and
// the combined ones, ordered by group and line so that each group's lines
// come together.

#include <QString>

namespace stock {

// Parameter :COST_DATE ('YYYY-MM-DD').
QString CostReportSql();

} // namespace stock
