#pragma once
// "FNB_Index.mrd": the cost index of a day — per report line the
// month-to-date cost percentage of food, beverage and both against last
// year's, and the change in points.

#include <QStringList>

namespace db { class Connection; }

namespace reports {
struct Document;
// Parameter [date as eight digits 'YYYYMMDD'].
Document buildFnbIndex(db::Connection &conn, const QStringList &parameters);
} // namespace reports
