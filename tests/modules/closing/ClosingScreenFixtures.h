#pragma once
// A small month of stock for the closing screens, and a way to make one
// day's closing fail inside the database.
//
// May 2026, item L1010001 in warehouse 110: 10 carried in from April at
// April's last cost of 100, so for 1000; a
// receipt of 20 for 2600 on 05-03 and an issue of 8 on 05-04. The month's
// average cost is (1000 + 2600) / 30 = 120 and its stock 22.

#include "support/ClosingFixtures.h"
#include "support/TestDb.h"

#include <QSqlError>
#include <QSqlQuery>

namespace fixtures {

inline const QString kMayItem = QStringLiteral("L1010001");

inline void smallMay(db::Connection &conn)
{
    stockRow(conn, "202604", "110", kMayItem, 0, 0, 10);
    dailyCost(conn, "2026-04-30", kMayItem, 100);
    stockRow(conn, "202605", "110", kMayItem, 10, 1000, 22);
    receipt(conn, "2026-05-02", 1, "110", "2026-05-03", kMayItem, 20, 2600);
    issue(conn, "2026-05-04", 1, "110", "1", "2", "2026-05-04", kMayItem, 8);
}

// A statement the server takes only unprepared (a function body, a trigger).
inline void ddl(db::Connection &conn, const QString &sql)
{
    QSqlQuery q(conn.handle());
    if (!q.exec(sql))
        throw std::runtime_error(q.lastError().text().toStdString());
}

// Every write of the day's price list fails, as a full disk or a broken
// constraint would make it fail.
inline void failDayInDatabase(db::Connection &conn, const QString &day)
{
    if (testdb::engine() == db::Engine::SQLite) {
        ddl(conn, QStringLiteral("CREATE TRIGGER FAIL_DAY BEFORE INSERT ON OZ050MS WHEN NEW.STOCK_DATE = '%1' "
                                  "BEGIN SELECT RAISE(ABORT, 'no space left for the price list'); END").arg(day));
        return;
    }
    ddl(conn, QStringLiteral("CREATE FUNCTION FAIL_DAY() RETURNS trigger AS $$ BEGIN "
                              "IF NEW.STOCK_DATE = DATE '%1' THEN RAISE EXCEPTION 'no space left for the price list'; "
                              "END IF; RETURN NEW; END $$ LANGUAGE plpgsql").arg(day));
    ddl(conn, QStringLiteral("CREATE TRIGGER FAIL_DAY BEFORE INSERT ON OZ050MS FOR EACH ROW EXECUTE FUNCTION FAIL_DAY()"));
}

// Reopening the day fails in the database.
inline void failReopeningInDatabase(db::Connection &conn, const QString &day)
{
    if (testdb::engine() == db::Engine::SQLite) {
        ddl(conn, QStringLiteral("CREATE TRIGGER FAIL_REOPEN BEFORE UPDATE ON OZ060MS WHEN NEW.CLOS_DATE = '%1' "
                                 "BEGIN SELECT RAISE(ABORT, 'the day is being audited'); END").arg(day));
        return;
    }
    ddl(conn, QStringLiteral("CREATE FUNCTION FAIL_REOPEN() RETURNS trigger AS $$ BEGIN "
                             "IF NEW.CLOS_DATE = DATE '%1' THEN RAISE EXCEPTION 'the day is being audited'; "
                             "END IF; RETURN NEW; END $$ LANGUAGE plpgsql").arg(day));
    ddl(conn, QStringLiteral("CREATE TRIGGER FAIL_REOPEN BEFORE UPDATE ON OZ060MS FOR EACH ROW EXECUTE FUNCTION FAIL_REOPEN()"));
}

} // namespace fixtures
