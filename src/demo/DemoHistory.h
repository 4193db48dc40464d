#pragma once
// A history of resort activity for the demo database and for benchmarks:
// purchase requests and orders, receipts, daily issues of the kitchens and
// outlets, transfers, returns, disposals, monthly counts and the day and
// month closings, written day by day through the program's own write paths.
// The same options and seed always give the same documents.

#include "demo/DemoDocuments.h"

#include <QDate>
#include <QMap>
#include <functional>

namespace db { class Connection; }

namespace demo {

struct HistoryOptions {
    QDate firstMonth;          // first day of the first month
    int months = 12;
    // Multiplies the warehouses and the items of the master data (copies of
    // the outlets and items), and so the activity; 1 to kMaxScale.
    int scale = 1;
    // The warehouses of the demo master data that take part (all when
    // empty); a store that supplies one of them by transfer must be named too.
    QStringList warehouses;
    quint32 seed = 20261;
    Posting posting = Posting::Post;
    // Called after each day is written and closed (for progress output).
    std::function<void(const QDate &)> dayDone;
};

// Receipt serials have two digits per date and supplier, and at this scale
// one supplier's deliveries of a day still fit.
inline constexpr int kMaxScale = 4;

// The year that ends with the month before `today`'s.
HistoryOptions yearBefore(const QDate &today);

// Documents written, by table.
using HistoryCounts = QMap<QString, int>;

// Writes the history into a database that holds the demo master data and
// no documents yet. Each day is one transaction (the closings of the day
// included), committed before the next day starts. Throws db::DbError when
// a statement fails or a posting or closing does not answer 'Y'.
HistoryCounts generateHistory(db::Connection &conn, const HistoryOptions &options);

} // namespace demo
