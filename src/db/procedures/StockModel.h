#pragma once
// The monthly stock OZ010MS as the posting procedures keep it.
//
// A document's effect is a set of increments to cells (month, warehouse,
// item) and columns. What each document has posted is written down in
// OZ_POSTING_JOURNAL, so posting again replaces the earlier effect and a
// reversal takes back exactly what was posted, even after the document was
// edited or deleted. Every change to a month's stock is carried into the
// later months of the warehouse and item; missing months in between are
// created with the carried stock, so each warehouse and item has one
// unbroken run of monthly rows and a month's row always holds its stock.

#include "db/Connection.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <map>

namespace db::stock {

// The OZ010MS columns a document moves. `Stoc` changes STOC_QTY alone; only a
// month rebuild uses it, to mend a row whose figures no longer add up.
enum class Col { Over, CurrPut, CurrRetu, CurrDeli, TageDeli, LossDeli, MovePut, MoveDeli, StocActu, Stoc };
constexpr int kColumnCount = 10;

QString columnName(Col c);
// The column of an OZ010MS column name; throws DbError for any other name.
Col columnOf(const QString &name);
// How an increment of the column moves STOC_QTY: +1, -1 or 0.
int stockSign(Col c);

struct Cell {
    QString yymm, strg, item;
    bool operator<(const Cell &o) const;
    bool operator==(const Cell &o) const = default;
};

struct Entry {
    double qty = 0;
    double amt = 0;       // opening amount, on the Over column only
    QString postDate;     // 'YYYY-MM-DD'
};

// A document's effect: increments per cell and column.
using Posting = std::map<std::pair<Cell, Col>, Entry>;

// A posting document as the journal names it. Kinds: "PUT" (receipt,
// INSP_NO), "DELI" (issue, DELI_NO), "MOVE" (transfer with its issue leg,
// MOVE_NO), "RETU" (return: date, supplier, number), "SIL" (opening or
// count lines: date, warehouse, kind).
struct Source {
    QString kind;
    QStringList parts;
    QString key() const { return parts.join(QLatin1Char('|')); }
};

// Who the rows a posting writes are credited to.
struct Audit {
    QString empNo;
    QString ip;
};

// The effect the document has by its current content; empty when the
// document is missing or not in a posted state.
Posting derive(Connection &conn, const Source &source);

// What the journal holds for the document.
Posting journalOf(Connection &conn, const Source &source);

// Serialises the postings of one document between workstations. Call it
// before reading anything the posting depends on.
void lockDocument(Connection &conn, const Source &source);

// Posts the document's current effect in place of what it posted before.
void post(Connection &conn, const Source &source, const Audit &audit);
// Takes back everything the document posted; nothing when it posted nothing.
void unpost(Connection &conn, const Source &source);

// Rebuilds month `yymm` ('YYYYMM') from the documents: the journal of the
// month, the month's rows (also the carried rows of warehouses and items that
// did not move), and the later months by the changes. A consistent month is
// left untouched.
void rebuildMonth(Connection &conn, const QString &yymm);

// Runs the body of a posting procedure: in the caller's transaction, or in
// its own when none is active. An answer other than "Y" or an error undoes
// every change of the call. A deadlock or a serialization failure between
// workstations is tried again instead of failing the caller's save.
QString postAtomically(Connection &conn, const std::function<QString()> &body);

// Helpers the procedures share.
enum class Flag { Ins, Del, Mod, Invalid };
Flag flagOf(const QString &text);
// "[PROC] text", within the 200 characters the callers make room for.
QString refusal(const char *procedure, const QString &text);
// 'YYYY-MM-DD' of 'YYYY-MM-DD', 'YYYY/MM/DD' or 'YYYYMMDD' (a time part is
// ignored); empty for anything else.
QString normalDate(const QString &text);
// Whether text is a month 'YYYYMM'.
bool isMonth(const QString &text);
QString nextMonth(const QString &yymm);

} // namespace db::stock
