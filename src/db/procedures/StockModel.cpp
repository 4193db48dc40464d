#include "db/procedures/StockModel.h"
#include "db/Query.h"

#include <QDate>
#include <QRegularExpression>
#include <QThread>
#include <array>
#include <cmath>
#include <optional>
#include <tuple>

namespace db::stock {

namespace {

// ------------------------------------------------------------------ columns

struct ColumnInfo {
    Col col;
    const char *name;
    int sign;
};

constexpr std::array<ColumnInfo, kColumnCount> kColumns = {{
    {Col::Over, "OVER_QTY", +1},
    {Col::CurrPut, "CURR_PUT_QTY", +1},
    {Col::CurrRetu, "CURR_RETU_QTY", -1},
    {Col::CurrDeli, "CURR_DELI_QTY", -1},
    {Col::TageDeli, "TAGE_DELI_QTY", 0},    // part of CURR_DELI_QTY
    {Col::LossDeli, "LOSS_DELI_QTY", 0},    // part of CURR_DELI_QTY
    {Col::MovePut, "MOVE_PUT_QTY", +1},
    {Col::MoveDeli, "MOVE_DELI_QTY", -1},
    {Col::StocActu, "STOC_ACTU_QTY", 0},    // part of CURR_DELI_QTY
    {Col::Stoc, "STOC_QTY", +1},
}};

int indexOf(Col c) { return int(c); }

// Quantities are kept to five decimals; anything finer is the noise of
// binary arithmetic and must not turn into a write.
double tidy(double v)
{
    const double r = std::round(v * 1e5) / 1e5;
    return std::fabs(r) < 5e-6 ? 0.0 : r;
}

QString numberText(double v)
{
    QString s = QString::number(tidy(v), 'f', 5);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString previousMonth(const QString &yymm)
{
    const QDate d = QDate(yymm.left(4).toInt(), yymm.mid(4, 2).toInt(), 1).addMonths(-1);
    return d.toString(QStringLiteral("yyyyMM"));
}

QDate firstDay(const QString &yymm) { return QDate(yymm.left(4).toInt(), yymm.mid(4, 2).toInt(), 1); }

QString lastDayText(const QString &yymm)
{
    const QDate first = firstDay(yymm);
    return first.addDays(first.daysInMonth() - 1).toString(Qt::ISODate);
}

// ------------------------------------------------------------------ how documents post

// One SELECT of a document kind's effect, with %1 standing for the filter:
// the document's key (K1..K3) or a month's days (FIRST_DAY, LAST_DAY). Both
// filters are fixed texts; only bound values vary.
struct Part {
    const char *select;
    const char *keyFilter;
    const char *monthFilter;
};

struct Kind {
    const char *name;
    std::vector<Part> parts;
};

// Receipts: confirmed once PUT_DATE is set.
const Part kPutPart = {
    "SELECT M.INSP_NO SRC_KEY, TO_CHAR(M.PUT_DATE,'YYYYMM') STOC_YYMM, M.STRG_CODE, D.ITEM_CODE, "
    "       'CURR_PUT_QTY' COL, TO_CHAR(M.PUT_DATE,'YYYY-MM-DD') POST_DATE, COALESCE(D.PUT_QTY,0) QTY, 0 AMT "
    "FROM OC010MS M JOIN OC010DT D ON D.INSP_DATE = M.INSP_DATE AND D.C_CODE = M.C_CODE AND D.INSP_NUM = M.INSP_NUM "
    "WHERE M.PUT_DATE IS NOT NULL AND COALESCE(M.STRG_CODE,'') <> '' AND COALESCE(M.INSP_NO,'') <> '' "
    "  AND COALESCE(D.ITEM_CODE,'') <> '' AND %1",
    "M.INSP_NO = :K1",
    "M.PUT_DATE BETWEEN :FIRST_DAY AND :LAST_DAY"};

// Issues: kind '1' once confirmed, on its confirmation date; returns of issued
// goods ('3', negative quantities), disposals ('4') and losses ('5') as they
// stand, on the issue date. Disposals and losses also count in their own
// column. Kind '2' belongs to its transfer.
#define ISSUE_DATE "CASE WHEN M.DELI_GUBUN = '1' THEN M.APPR_DATE ELSE M.DELI_DATE END"
const Part kDeliPart = {
    "SELECT M.DELI_NO SRC_KEY, TO_CHAR(" ISSUE_DATE ",'YYYYMM') STOC_YYMM, M.STRG_CODE, D.ITEM_CODE, "
    "       CASE WHEN X.N = 1 THEN 'CURR_DELI_QTY' WHEN M.DELI_GUBUN = '4' THEN 'TAGE_DELI_QTY' "
    "            ELSE 'LOSS_DELI_QTY' END COL, "
    "       TO_CHAR(" ISSUE_DATE ",'YYYY-MM-DD') POST_DATE, COALESCE(D.QTY,0) QTY, 0 AMT "
    "FROM OD010MS M JOIN OD010DT D ON D.DELI_DATE = M.DELI_DATE AND D.STRG_CODE = M.STRG_CODE AND D.DELI_NUM = M.DELI_NUM "
    "CROSS JOIN (SELECT 1 N UNION ALL SELECT 2 N) X "
    "WHERE COALESCE(M.DELI_NO,'') <> '' AND COALESCE(D.ITEM_CODE,'') <> '' "
    "  AND ((M.DELI_GUBUN = '1' AND M.APPR_GUBUN = '2' AND M.APPR_DATE IS NOT NULL) OR M.DELI_GUBUN IN ('3','4','5')) "
    "  AND (X.N = 1 OR M.DELI_GUBUN IN ('4','5')) AND %1",
    "M.DELI_NO = :K1",
    ISSUE_DATE " BETWEEN :FIRST_DAY AND :LAST_DAY"};
#undef ISSUE_DATE

// Transfers once confirmed, on the confirmation date: out of the source, into
// the target.
const Part kMovePart = {
    "SELECT M.MOVE_NO SRC_KEY, TO_CHAR(M.APPR_DATE,'YYYYMM') STOC_YYMM, "
    "       CASE WHEN X.N = 1 THEN M.FROM_STRG_CODE ELSE M.TO_STRG_CODE END STRG_CODE, D.ITEM_CODE, "
    "       CASE WHEN X.N = 1 THEN 'MOVE_DELI_QTY' ELSE 'MOVE_PUT_QTY' END COL, "
    "       TO_CHAR(M.APPR_DATE,'YYYY-MM-DD') POST_DATE, COALESCE(D.QTY,0) QTY, 0 AMT "
    "FROM OD020MS M JOIN OD020DT D ON D.MOVE_DATE = M.MOVE_DATE AND D.FROM_STRG_CODE = M.FROM_STRG_CODE "
    "  AND D.TO_STRG_CODE = M.TO_STRG_CODE AND D.MOVE_NUM = M.MOVE_NUM "
    "CROSS JOIN (SELECT 1 N UNION ALL SELECT 2 N) X "
    "WHERE COALESCE(M.MOVE_NO,'') <> '' AND COALESCE(D.ITEM_CODE,'') <> '' "
    "  AND M.APPR_GUBUN = '2' AND M.APPR_DATE IS NOT NULL AND %1",
    "M.MOVE_NO = :K1",
    "M.APPR_DATE BETWEEN :FIRST_DAY AND :LAST_DAY"};

// The issue leg of a transfer issue-out: the goods leave the target again as
// an issue, on the issue's confirmation date.
#define LEG_DATE "COALESCE(I.APPR_DATE, M.APPR_DATE)"
const Part kMoveIssuePart = {
    "SELECT M.MOVE_NO SRC_KEY, TO_CHAR(" LEG_DATE ",'YYYYMM') STOC_YYMM, I.STRG_CODE, D.ITEM_CODE, "
    "       'CURR_DELI_QTY' COL, TO_CHAR(" LEG_DATE ",'YYYY-MM-DD') POST_DATE, COALESCE(D.QTY,0) QTY, 0 AMT "
    "FROM OD020MS M JOIN OD010MS I ON I.DELI_NO = M.DELI_NO AND I.DELI_GUBUN = '2' "
    "JOIN OD010DT D ON D.DELI_DATE = I.DELI_DATE AND D.STRG_CODE = I.STRG_CODE AND D.DELI_NUM = I.DELI_NUM "
    "WHERE COALESCE(M.MOVE_NO,'') <> '' AND COALESCE(D.ITEM_CODE,'') <> '' AND M.MOVE_GUBUN = '2' "
    "  AND M.APPR_GUBUN = '2' AND M.APPR_DATE IS NOT NULL AND %1",
    "M.MOVE_NO = :K1",
    LEG_DATE " BETWEEN :FIRST_DAY AND :LAST_DAY"};
#undef LEG_DATE

// Returns to suppliers, both kinds, on the return date.
const Part kRetuPart = {
    "SELECT TO_CHAR(M.RETU_DATE,'YYYY-MM-DD') || '|' || M.C_CODE || '|' || CAST(CAST(M.RETU_NUM AS INTEGER) AS VARCHAR(5)) SRC_KEY, "
    "       TO_CHAR(M.RETU_DATE,'YYYYMM') STOC_YYMM, M.STRG_CODE, D.ITEM_CODE, 'CURR_RETU_QTY' COL, "
    "       TO_CHAR(M.RETU_DATE,'YYYY-MM-DD') POST_DATE, COALESCE(D.QTY,0) QTY, 0 AMT "
    "FROM OD030MS M JOIN OD030DT D ON D.RETU_DATE = M.RETU_DATE AND D.C_CODE = M.C_CODE AND D.RETU_NUM = M.RETU_NUM "
    "WHERE COALESCE(M.STRG_CODE,'') <> '' AND COALESCE(D.ITEM_CODE,'') <> '' AND %1",
    "M.RETU_DATE = :K1 AND M.C_CODE = :K2 AND M.RETU_NUM = :K3",
    "M.RETU_DATE BETWEEN :FIRST_DAY AND :LAST_DAY"};

// Opening stock ('1') carries in with its amount; a count ('2') adjusts by
// minus SILS_COST as an issue, recorded as the count adjustment too.
const Part kSilPart = {
    "SELECT TO_CHAR(Z.SILS_DATE,'YYYY-MM-DD') || '|' || Z.STRG_CODE || '|' || Z.SILS_GUBUN SRC_KEY, "
    "       TO_CHAR(Z.SILS_DATE,'YYYYMM') STOC_YYMM, Z.STRG_CODE, Z.ITEM_CODE, "
    "       CASE WHEN Z.SILS_GUBUN = '1' THEN 'OVER_QTY' WHEN X.N = 1 THEN 'STOC_ACTU_QTY' ELSE 'CURR_DELI_QTY' END COL, "
    "       TO_CHAR(Z.SILS_DATE,'YYYY-MM-DD') POST_DATE, "
    "       CASE WHEN Z.SILS_GUBUN = '1' THEN COALESCE(Z.SILS_QTY,0) ELSE 0 - COALESCE(Z.SILS_COST,0) END QTY, "
    "       CASE WHEN Z.SILS_GUBUN = '1' THEN COALESCE(Z.SILS_AMT,0) ELSE 0 END AMT "
    "FROM OZ020MS Z CROSS JOIN (SELECT 1 N UNION ALL SELECT 2 N) X "
    "WHERE COALESCE(Z.ITEM_CODE,'') <> '' AND ((Z.SILS_GUBUN = '1' AND X.N = 1) OR Z.SILS_GUBUN = '2') AND %1",
    "Z.SILS_DATE = :K1 AND Z.STRG_CODE = :K2 AND Z.SILS_GUBUN = :K3",
    "Z.SILS_DATE BETWEEN :FIRST_DAY AND :LAST_DAY"};

const std::vector<Kind> &kinds()
{
    static const std::vector<Kind> all = {
        {"PUT", {kPutPart}},
        {"DELI", {kDeliPart}},
        {"MOVE", {kMovePart, kMoveIssuePart}},
        {"RETU", {kRetuPart}},
        {"SIL", {kSilPart}},
    };
    return all;
}

const Kind &kindOf(const QString &name)
{
    for (const Kind &k : kinds()) {
        if (name == QLatin1String(k.name))
            return k;
    }
    throw DbError(QStringLiteral("unknown posting source kind %1").arg(name));
}

void addTo(Posting &p, const Cell &cell, Col col, double qty, double amt, const QString &postDate)
{
    Entry &e = p[{cell, col}];
    e.qty += qty;
    e.amt += amt;
    e.postDate = postDate;
}

// Calls `row(q)` for each effect line of the part under the given filter.
void readPart(Connection &conn, const Part &part, bool byKey, const QStringList &keyParts, const QString &yymm,
              const std::function<void(Query &)> &row)
{
    Query q(conn, QString::fromLatin1(part.select).arg(QLatin1String(byKey ? part.keyFilter : part.monthFilter)));
    if (byKey) {
        for (int i = 0; i < keyParts.size(); ++i)
            q.bind(QStringLiteral("K%1").arg(i + 1), keyParts.at(i));
    } else {
        q.bind(QStringLiteral("FIRST_DAY"), firstDay(yymm).toString(Qt::ISODate));
        q.bind(QStringLiteral("LAST_DAY"), lastDayText(yymm));
    }
    q.exec();
    while (q.next())
        row(q);
}

Cell cellOf(const Query &q)
{
    return {q.text(QStringLiteral("STOC_YYMM")), q.text(QStringLiteral("STRG_CODE")), q.text(QStringLiteral("ITEM_CODE"))};
}

// ------------------------------------------------------------------ locks

bool onPostgres(const Connection &conn) { return conn.engine() == Engine::PostgreSQL; }

// Lock spaces of the posting procedures; any two distinct numbers would do.
constexpr int kWholeStockLock = 72010;
constexpr int kDocumentLock = 72011;
constexpr int kItemLock = 72012;

qint32 lockKey(const QString &text)
{
    quint32 h = 2166136261u;   // FNV-1a: the same key in every process
    for (const char c : text.toUtf8()) {
        h ^= quint8(c);
        h *= 16777619u;
    }
    return qint32(h);
}

// SQLite transactions hold the database's write lock from their first
// statement (BEGIN IMMEDIATE), so only PostgreSQL needs these.
void advisoryLock(Connection &conn, const char *function, int space, qint32 key)
{
    Query(conn, QStringLiteral("SELECT 1 FROM (SELECT %1(CAST(:SPACE AS INTEGER), CAST(:KEY AS INTEGER))) L")
                    .arg(QLatin1String(function)))
        .bind(QStringLiteral("SPACE"), QString::number(space))
        .bind(QStringLiteral("KEY"), QString::number(key))
        .exec();
}

// Postings share the stock; a month rebuild takes it whole.
void lockStockShared(Connection &conn)
{
    if (onPostgres(conn))
        advisoryLock(conn, "pg_advisory_xact_lock_shared", kWholeStockLock, 0);
}

void lockStockWhole(Connection &conn)
{
    if (onPostgres(conn))
        advisoryLock(conn, "pg_advisory_xact_lock", kWholeStockLock, 0);
}

// The warehouse-item pairs in one global order (of their lock keys), so two
// postings never wait on each other crosswise.
void lockItems(Connection &conn, const std::vector<std::pair<QString, QString>> &pairs)
{
    if (!onPostgres(conn))
        return;
    std::vector<qint32> keys;
    for (const auto &[strg, item] : pairs)
        keys.push_back(lockKey(strg + QLatin1Char('|') + item));
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const qint32 key : keys)
        advisoryLock(conn, "pg_advisory_xact_lock", kItemLock, key);
}

// ------------------------------------------------------------------ applying increments

struct Deltas {
    std::array<double, kColumnCount> col{};
    double amt = 0;
    // What the later months carry in addition, when it is not the month's own
    // change of stock: a rebuild mends a month's stock without moving later
    // months that already carry the right stock.
    std::optional<double> carryOut;

    double stockEffect() const
    {
        double s = 0;
        for (const ColumnInfo &c : kColumns)
            s += c.sign * col[indexOf(c.col)];
        return s;
    }
    bool isZero() const
    {
        if (tidy(amt) != 0 || (carryOut && tidy(*carryOut) != 0))
            return false;
        for (const double v : col) {
            if (tidy(v) != 0)
                return false;
        }
        return true;
    }
};

// The closing unit cost of an item in a month: the daily cost of its latest
// closed day up to the month's end, 0 before the first one.
class CarriedCost {
public:
    explicit CarriedCost(Connection &conn) : m_conn(conn) {}
    double of(const QString &yymm, const QString &item)
    {
        const auto key = std::make_pair(yymm, item);
        const auto found = m_cache.find(key);
        if (found != m_cache.end())
            return found->second;
        Query q(m_conn, QStringLiteral(
            "SELECT COALESCE(STOCK_COST,0) STOCK_COST FROM OZ050MS "
            "WHERE ITEM_CODE = :ITEM_CODE AND STOCK_DATE <= :LAST_DAY ORDER BY STOCK_DATE DESC LIMIT 1"));
        q.bind(QStringLiteral("ITEM_CODE"), item).bind(QStringLiteral("LAST_DAY"), lastDayText(yymm)).exec();
        const double cost = q.next() ? q.number(QStringLiteral("STOCK_COST")) : 0.0;
        m_cache.emplace(key, cost);
        return cost;
    }

private:
    Connection &m_conn;
    std::map<std::pair<QString, QString>, double> m_cache;
};

const char *const kPairRows =
    "SELECT STOC_YYMM, COALESCE(STOC_QTY,0) STOC_QTY FROM OZ010MS "
    "WHERE STRG_CODE = :STRG_CODE AND ITEM_CODE = :ITEM_CODE ORDER BY STOC_YYMM";

const char *const kAddToRow =
    "UPDATE OZ010MS SET OVER_QTY = COALESCE(OVER_QTY,0) + :OVER_QTY, OVER_AMT = COALESCE(OVER_AMT,0) + :OVER_AMT, "
    "  CURR_PUT_QTY = COALESCE(CURR_PUT_QTY,0) + :CURR_PUT_QTY, CURR_RETU_QTY = COALESCE(CURR_RETU_QTY,0) + :CURR_RETU_QTY, "
    "  CURR_DELI_QTY = COALESCE(CURR_DELI_QTY,0) + :CURR_DELI_QTY, TAGE_DELI_QTY = COALESCE(TAGE_DELI_QTY,0) + :TAGE_DELI_QTY, "
    "  LOSS_DELI_QTY = COALESCE(LOSS_DELI_QTY,0) + :LOSS_DELI_QTY, MOVE_PUT_QTY = COALESCE(MOVE_PUT_QTY,0) + :MOVE_PUT_QTY, "
    "  MOVE_DELI_QTY = COALESCE(MOVE_DELI_QTY,0) + :MOVE_DELI_QTY, STOC_ACTU_QTY = COALESCE(STOC_ACTU_QTY,0) + :STOC_ACTU_QTY, "
    "  STOC_QTY = COALESCE(STOC_QTY,0) + :STOC_QTY, U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    "WHERE STOC_YYMM = :STOC_YYMM AND STRG_CODE = :STRG_CODE AND ITEM_CODE = :ITEM_CODE";

const char *const kNewRow =
    "INSERT INTO OZ010MS (STOC_YYMM, STRG_CODE, ITEM_CODE, OVER_QTY, OVER_AMT, CURR_PUT_QTY, CURR_RETU_QTY, "
    "  CURR_DELI_QTY, TAGE_DELI_QTY, LOSS_DELI_QTY, MOVE_PUT_QTY, MOVE_DELI_QTY, STOC_ACTU_QTY, STOC_QTY, "
    "  U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:STOC_YYMM, :STRG_CODE, :ITEM_CODE, :OVER_QTY, :OVER_AMT, :CURR_PUT_QTY, :CURR_RETU_QTY, "
    "  :CURR_DELI_QTY, :TAGE_DELI_QTY, :LOSS_DELI_QTY, :MOVE_PUT_QTY, :MOVE_DELI_QTY, :STOC_ACTU_QTY, :STOC_QTY, "
    "  :U_EMP_NO, SYSDATE(), :U_IP)";

// Binds the row figures: `over` and `stoc` are the OVER_QTY and STOC_QTY
// values (increments or whole values, as the statement takes them).
void writeRow(Connection &conn, const char *sql, const QString &yymm, const QString &strg, const QString &item,
              const Deltas &d, double over, double overAmt, double stoc, const Audit &audit)
{
    Query q(conn, QString::fromLatin1(sql));
    q.bind(QStringLiteral("STOC_YYMM"), yymm).bind(QStringLiteral("STRG_CODE"), strg).bind(QStringLiteral("ITEM_CODE"), item);
    for (const ColumnInfo &c : kColumns) {
        if (c.col != Col::Over && c.col != Col::Stoc)
            q.bind(QLatin1String(c.name), numberText(d.col[indexOf(c.col)]));
    }
    q.bind(QStringLiteral("OVER_QTY"), numberText(over))
        .bind(QStringLiteral("OVER_AMT"), numberText(overAmt))
        .bind(QStringLiteral("STOC_QTY"), numberText(stoc))
        .bind(QStringLiteral("U_EMP_NO"), audit.empNo)
        .bind(QStringLiteral("U_IP"), audit.ip)
        .exec();
}

// Applies the monthly increments of one warehouse and item. Each month's
// change of stock is carried into every later month; months missing between
// the latest earlier row and the last row are created with the stock they
// carry. A carried quantity brings its amount at the closing cost of the
// month it comes from.
void applyToItem(Connection &conn, const QString &strg, const QString &item, const std::map<QString, Deltas> &byMonth,
                 const Audit &audit, CarriedCost &costs)
{
    std::map<QString, double> rows;   // month -> STOC_QTY as it stands
    Query q(conn, QString::fromLatin1(kPairRows));
    q.bind(QStringLiteral("STRG_CODE"), strg).bind(QStringLiteral("ITEM_CODE"), item).exec();
    while (q.next())
        rows[q.text(QStringLiteral("STOC_YYMM"))] = q.number(QStringLiteral("STOC_QTY"));

    const QString first = byMonth.begin()->first;
    QString last = byMonth.rbegin()->first;
    if (!rows.empty() && rows.rbegin()->first > last)
        last = rows.rbegin()->first;
    QString month = first;
    double oldStock = 0;   // the stock the previous month held before this change
    const auto after = rows.lower_bound(first);
    if (after != rows.begin()) {
        month = nextMonth(std::prev(after)->first);
        oldStock = std::prev(after)->second;
    }

    const Deltas none;
    double carried = 0;   // change of stock carried out of the previous month
    for (; month <= last; month = nextMonth(month)) {
        const auto own = byMonth.find(month);
        const Deltas &d = own != byMonth.end() ? own->second : none;
        const double change = d.stockEffect();
        const QString previous = previousMonth(month);
        const auto row = rows.find(month);
        if (row != rows.end()) {
            if (tidy(carried) != 0 || !d.isZero()) {
                const double carriedAmt = tidy(carried) != 0 ? carried * costs.of(previous, item) : 0.0;
                writeRow(conn, kAddToRow, month, strg, item, d, carried + d.col[indexOf(Col::Over)],
                         carriedAmt + d.amt, carried + change, audit);
            }
            oldStock = row->second;
        } else {
            const double opening = oldStock + carried;
            const double openingAmt = tidy(opening) != 0 ? opening * costs.of(previous, item) : 0.0;
            writeRow(conn, kNewRow, month, strg, item, d, opening + d.col[indexOf(Col::Over)], openingAmt + d.amt,
                     opening + change, audit);
        }
        carried += d.carryOut ? *d.carryOut : change;
    }
}

using ItemKey = std::pair<QString, QString>;   // warehouse, item

void applyDeltas(Connection &conn, const std::map<ItemKey, std::map<QString, Deltas>> &byItem, const Audit &audit,
                 bool lockEachItem)
{
    if (byItem.empty())
        return;
    if (lockEachItem) {
        std::vector<ItemKey> pairs;
        for (const auto &entry : byItem)
            pairs.push_back(entry.first);
        lockItems(conn, pairs);
    }
    CarriedCost costs(conn);
    for (const auto &[pair, months] : byItem)
        applyToItem(conn, pair.first, pair.second, months, audit, costs);
}

// now - before, per warehouse, item and month; cells whose difference is nil are left out.
std::map<ItemKey, std::map<QString, Deltas>> difference(const Posting &now, const Posting &before)
{
    std::map<ItemKey, std::map<QString, Deltas>> out;
    auto add = [&](const Posting &p, double sign) {
        for (const auto &[key, e] : p) {
            const Cell &cell = key.first;
            Deltas &d = out[{cell.strg, cell.item}][cell.yymm];
            d.col[indexOf(key.second)] += sign * e.qty;
            d.amt += sign * e.amt;
        }
    };
    add(now, +1);
    add(before, -1);
    for (auto item = out.begin(); item != out.end();) {
        for (auto m = item->second.begin(); m != item->second.end();)
            m = m->second.isZero() ? item->second.erase(m) : std::next(m);
        item = item->second.empty() ? out.erase(item) : std::next(item);
    }
    return out;
}

bool samePosting(const Posting &a, const Posting &b)
{
    if (a.size() != b.size())
        return false;
    for (auto i = a.begin(), j = b.begin(); i != a.end(); ++i, ++j) {
        if (!(i->first == j->first) || tidy(i->second.qty - j->second.qty) != 0
            || tidy(i->second.amt - j->second.amt) != 0 || i->second.postDate != j->second.postDate)
            return false;
    }
    return true;
}

// ------------------------------------------------------------------ journal

const char *const kJournalOf =
    "SELECT STOC_YYMM, STRG_CODE, ITEM_CODE, COL, POST_DATE, QTY, AMT FROM OZ_POSTING_JOURNAL "
    "WHERE SRC_KIND = :SRC_KIND AND SRC_KEY = :SRC_KEY";
const char *const kForgetDocument = "DELETE FROM OZ_POSTING_JOURNAL WHERE SRC_KIND = :SRC_KIND AND SRC_KEY = :SRC_KEY";
const char *const kForgetEntry =
    "DELETE FROM OZ_POSTING_JOURNAL WHERE SRC_KIND = :SRC_KIND AND SRC_KEY = :SRC_KEY AND STOC_YYMM = :STOC_YYMM "
    "AND STRG_CODE = :STRG_CODE AND ITEM_CODE = :ITEM_CODE AND COL = :COL";
const char *const kRecordEntry =
    "INSERT INTO OZ_POSTING_JOURNAL (SRC_KIND, SRC_KEY, STOC_YYMM, STRG_CODE, ITEM_CODE, COL, POST_DATE, QTY, AMT, "
    "  U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:SRC_KIND, :SRC_KEY, :STOC_YYMM, :STRG_CODE, :ITEM_CODE, :COL, :POST_DATE, :QTY, :AMT, :U_EMP_NO, SYSDATE(), :U_IP)";

void recordEntry(Connection &conn, const QString &kind, const QString &key, const Cell &cell, Col col, const Entry &e,
                 const Audit &audit)
{
    Query(conn, QString::fromLatin1(kRecordEntry))
        .bind(QStringLiteral("SRC_KIND"), kind)
        .bind(QStringLiteral("SRC_KEY"), key)
        .bind(QStringLiteral("STOC_YYMM"), cell.yymm)
        .bind(QStringLiteral("STRG_CODE"), cell.strg)
        .bind(QStringLiteral("ITEM_CODE"), cell.item)
        .bind(QStringLiteral("COL"), columnName(col))
        .bind(QStringLiteral("POST_DATE"), e.postDate)
        .bind(QStringLiteral("QTY"), numberText(e.qty))
        .bind(QStringLiteral("AMT"), numberText(e.amt))
        .bind(QStringLiteral("U_EMP_NO"), audit.empNo)
        .bind(QStringLiteral("U_IP"), audit.ip)
        .exec();
}

void forgetEntry(Connection &conn, const QString &kind, const QString &key, const Cell &cell, Col col)
{
    Query(conn, QString::fromLatin1(kForgetEntry))
        .bind(QStringLiteral("SRC_KIND"), kind)
        .bind(QStringLiteral("SRC_KEY"), key)
        .bind(QStringLiteral("STOC_YYMM"), cell.yymm)
        .bind(QStringLiteral("STRG_CODE"), cell.strg)
        .bind(QStringLiteral("ITEM_CODE"), cell.item)
        .bind(QStringLiteral("COL"), columnName(col))
        .exec();
}

void replacePosting(Connection &conn, const Source &source, const Posting &now, const Audit &audit)
{
    const Posting before = journalOf(conn, source);
    if (samePosting(now, before))
        return;
    applyDeltas(conn, difference(now, before), audit, true);
    const QString key = source.key();
    Query(conn, QString::fromLatin1(kForgetDocument))
        .bind(QStringLiteral("SRC_KIND"), source.kind)
        .bind(QStringLiteral("SRC_KEY"), key)
        .exec();
    for (const auto &[cellCol, e] : now)
        recordEntry(conn, source.kind, key, cellCol.first, cellCol.second, e, audit);
}

// ------------------------------------------------------------------ month rebuild

using JournalKey = std::tuple<QString, QString, Cell, Col>;   // kind, document key, cell, column

struct RowFigures {
    std::array<double, kColumnCount> col{};
    double overAmt = 0;
};

// The journal entries of the month's documents as they stand now.
std::map<JournalKey, Entry> derivedMonth(Connection &conn, const QString &yymm)
{
    std::map<JournalKey, Entry> out;
    for (const Kind &kind : kinds()) {
        for (const Part &part : kind.parts) {
            readPart(conn, part, false, {}, yymm, [&](Query &q) {
                const Cell cell = cellOf(q);
                if (cell.yymm != yymm)
                    return;
                Entry &e = out[{QLatin1String(kind.name), q.text(QStringLiteral("SRC_KEY")), cell,
                                columnOf(q.text(QStringLiteral("COL")))}];
                e.qty += q.number(QStringLiteral("QTY"));
                e.amt += q.number(QStringLiteral("AMT"));
                e.postDate = q.text(QStringLiteral("POST_DATE"));
            });
        }
    }
    return out;
}

std::map<JournalKey, Entry> journalOfMonth(Connection &conn, const QString &yymm)
{
    std::map<JournalKey, Entry> out;
    Query q(conn, QStringLiteral(
        "SELECT SRC_KIND, SRC_KEY, STOC_YYMM, STRG_CODE, ITEM_CODE, COL, POST_DATE, QTY, AMT "
        "FROM OZ_POSTING_JOURNAL WHERE STOC_YYMM = :STOC_YYMM"));
    q.bind(QStringLiteral("STOC_YYMM"), yymm).exec();
    while (q.next()) {
        out[{q.text(QStringLiteral("SRC_KIND")), q.text(QStringLiteral("SRC_KEY")), cellOf(q),
             columnOf(q.text(QStringLiteral("COL")))}] = {q.number(QStringLiteral("QTY")), q.number(QStringLiteral("AMT")),
                                                          q.text(QStringLiteral("POST_DATE"))};
    }
    return out;
}

// Makes the month's journal equal to what the documents post, entry by entry.
void rewriteJournal(Connection &conn, const std::map<JournalKey, Entry> &wanted,
                    const std::map<JournalKey, Entry> &recorded)
{
    for (const auto &[key, e] : recorded) {
        const auto w = wanted.find(key);
        if (w == wanted.end() || tidy(w->second.qty - e.qty) != 0 || tidy(w->second.amt - e.amt) != 0
            || w->second.postDate != e.postDate)
            forgetEntry(conn, std::get<0>(key), std::get<1>(key), std::get<2>(key), std::get<3>(key));
    }
    for (const auto &[key, e] : wanted) {
        const auto r = recorded.find(key);
        if (r == recorded.end() || tidy(r->second.qty - e.qty) != 0 || tidy(r->second.amt - e.amt) != 0
            || r->second.postDate != e.postDate)
            recordEntry(conn, std::get<0>(key), std::get<1>(key), std::get<2>(key), std::get<3>(key), e, {});
    }
}

std::map<ItemKey, RowFigures> monthRows(Connection &conn, const QString &yymm)
{
    std::map<ItemKey, RowFigures> out;
    Query q(conn, QStringLiteral("SELECT * FROM OZ010MS WHERE STOC_YYMM = :STOC_YYMM"));
    q.bind(QStringLiteral("STOC_YYMM"), yymm).exec();
    while (q.next()) {
        RowFigures &r = out[{q.text(QStringLiteral("STRG_CODE")), q.text(QStringLiteral("ITEM_CODE"))}];
        for (const ColumnInfo &c : kColumns)
            r.col[indexOf(c.col)] = q.number(QLatin1String(c.name));
        r.overAmt = q.number(QStringLiteral("OVER_AMT"));
    }
    return out;
}

// STOC_QTY of the latest row before the month, per warehouse and item.
std::map<ItemKey, double> stockBefore(Connection &conn, const QString &yymm)
{
    std::map<ItemKey, double> out;
    Query q(conn, QStringLiteral(
        "SELECT O.STRG_CODE, O.ITEM_CODE, COALESCE(O.STOC_QTY,0) STOC_QTY FROM OZ010MS O "
        "JOIN (SELECT STRG_CODE, ITEM_CODE, MAX(STOC_YYMM) STOC_YYMM FROM OZ010MS WHERE STOC_YYMM < :STOC_YYMM "
        "      GROUP BY STRG_CODE, ITEM_CODE) P "
        "  ON O.STRG_CODE = P.STRG_CODE AND O.ITEM_CODE = P.ITEM_CODE AND O.STOC_YYMM = P.STOC_YYMM"));
    q.bind(QStringLiteral("STOC_YYMM"), yymm).exec();
    while (q.next())
        out[{q.text(QStringLiteral("STRG_CODE")), q.text(QStringLiteral("ITEM_CODE"))}] = q.number(QStringLiteral("STOC_QTY"));
    return out;
}

// What the month after `yymm` carries in from it: its OVER_QTY without its
// own opening stock, per warehouse and item.
std::map<ItemKey, double> carriedIntoNext(Connection &conn, const QString &yymm)
{
    std::map<ItemKey, double> out;
    Query q(conn, QStringLiteral(
        "SELECT O.STRG_CODE, O.ITEM_CODE, COALESCE(O.OVER_QTY,0) - COALESCE(("
        "  SELECT SUM(J.QTY) FROM OZ_POSTING_JOURNAL J WHERE J.STOC_YYMM = O.STOC_YYMM AND J.STRG_CODE = O.STRG_CODE "
        "  AND J.ITEM_CODE = O.ITEM_CODE AND J.COL = 'OVER_QTY'),0) CARRIED_IN "
        "FROM OZ010MS O WHERE O.STOC_YYMM = :STOC_YYMM"));
    q.bind(QStringLiteral("STOC_YYMM"), nextMonth(yymm)).exec();
    while (q.next())
        out[{q.text(QStringLiteral("STRG_CODE")), q.text(QStringLiteral("ITEM_CODE"))}] = q.number(QStringLiteral("CARRIED_IN"));
    return out;
}

} // namespace

// ------------------------------------------------------------------ public

bool Cell::operator<(const Cell &o) const
{
    return std::tie(strg, item, yymm) < std::tie(o.strg, o.item, o.yymm);
}

QString columnName(Col c) { return QLatin1String(kColumns[indexOf(c)].name); }

Col columnOf(const QString &name)
{
    for (const ColumnInfo &c : kColumns) {
        if (name == QLatin1String(c.name))
            return c.col;
    }
    throw DbError(QStringLiteral("no stock column named %1").arg(name));
}

int stockSign(Col c) { return kColumns[indexOf(c)].sign; }

Posting derive(Connection &conn, const Source &source)
{
    Posting out;
    for (const Part &part : kindOf(source.kind).parts) {
        readPart(conn, part, true, source.parts, {}, [&](Query &q) {
            addTo(out, cellOf(q), columnOf(q.text(QStringLiteral("COL"))), q.number(QStringLiteral("QTY")),
                  q.number(QStringLiteral("AMT")), q.text(QStringLiteral("POST_DATE")));
        });
    }
    return out;
}

Posting journalOf(Connection &conn, const Source &source)
{
    Posting out;
    Query q(conn, QString::fromLatin1(kJournalOf));
    q.bind(QStringLiteral("SRC_KIND"), source.kind).bind(QStringLiteral("SRC_KEY"), source.key()).exec();
    while (q.next()) {
        addTo(out, cellOf(q), columnOf(q.text(QStringLiteral("COL"))), q.number(QStringLiteral("QTY")),
              q.number(QStringLiteral("AMT")), q.text(QStringLiteral("POST_DATE")));
    }
    return out;
}

void lockDocument(Connection &conn, const Source &source)
{
    lockStockShared(conn);
    if (onPostgres(conn))
        advisoryLock(conn, "pg_advisory_xact_lock", kDocumentLock, lockKey(source.kind + QLatin1Char('|') + source.key()));
}

void post(Connection &conn, const Source &source, const Audit &audit)
{
    replacePosting(conn, source, derive(conn, source), audit);
}

void unpost(Connection &conn, const Source &source)
{
    replacePosting(conn, source, {}, {});
}

void rebuildMonth(Connection &conn, const QString &yymm)
{
    lockStockWhole(conn);
    const std::map<JournalKey, Entry> wanted = derivedMonth(conn, yymm);
    rewriteJournal(conn, wanted, journalOfMonth(conn, yymm));

    // What the month's rows must hold: the carried stock, the opening lines
    // and the movements of the journal.
    std::map<ItemKey, RowFigures> target;
    for (const auto &[key, e] : wanted) {
        const Cell &cell = std::get<2>(key);
        RowFigures &r = target[{cell.strg, cell.item}];
        r.col[indexOf(std::get<3>(key))] += e.qty;
        r.overAmt += e.amt;
    }
    const std::map<ItemKey, RowFigures> current = monthRows(conn, yymm);
    const std::map<ItemKey, double> before = stockBefore(conn, yymm);
    const std::map<ItemKey, double> carriedOn = carriedIntoNext(conn, yymm);
    for (const auto &[pair, stock] : before) {
        if (tidy(stock) != 0)
            target[pair];
    }
    for (const auto &entry : current)
        target[entry.first];

    const QString previous = previousMonth(yymm);
    CarriedCost costs(conn);
    std::map<ItemKey, std::map<QString, Deltas>> changes;
    for (auto &[pair, want] : target) {
        const auto b = before.find(pair);
        const double carried = b != before.end() ? b->second : 0.0;
        const double carriedAmt = tidy(carried) != 0 ? carried * costs.of(previous, pair.second) : 0.0;
        want.col[indexOf(Col::Over)] += carried;
        want.overAmt += carriedAmt;
        double stock = 0;
        for (const ColumnInfo &c : kColumns) {
            if (c.col != Col::Stoc)
                stock += c.sign * want.col[indexOf(c.col)];
        }
        want.col[indexOf(Col::Stoc)] = stock;

        // A missing row stands for the stock carried into it.
        const auto row = current.find(pair);
        RowFigures have;
        if (row != current.end()) {
            have = row->second;
        } else {
            have.col[indexOf(Col::Over)] = carried;
            have.col[indexOf(Col::Stoc)] = carried;
            have.overAmt = carriedAmt;
        }
        Deltas d;
        for (const ColumnInfo &c : kColumns)
            d.col[indexOf(c.col)] = want.col[indexOf(c.col)] - have.col[indexOf(c.col)];
        d.amt = want.overAmt - have.overAmt;
        // STOC_QTY follows from the other columns; what they do not explain mends the row.
        d.col[indexOf(Col::Stoc)] = 0;
        d.col[indexOf(Col::Stoc)] = want.col[indexOf(Col::Stoc)] - have.col[indexOf(Col::Stoc)] - d.stockEffect();
        // The next month carries on from the mended stock, whatever it carried before.
        const auto next = carriedOn.find(pair);
        if (next != carriedOn.end())
            d.carryOut = want.col[indexOf(Col::Stoc)] - next->second;
        if (row == current.end() || !d.isZero())
            changes[pair][yymm] = d;
    }
    applyDeltas(conn, changes, {}, false);
}

QString postAtomically(Connection &conn, const std::function<QString()> &body)
{
    constexpr int kTries = 20;
    Transaction tx(conn);
    for (int attempt = 1;; ++attempt) {
        conn.savepoint("STOCK_POSTING");
        try {
            const QString answer = body();
            if (answer.trimmed() != QLatin1String("Y")) {
                conn.rollbackToSavepoint("STOCK_POSTING");
                conn.releaseSavepoint("STOCK_POSTING");
                return answer;
            }
            conn.releaseSavepoint("STOCK_POSTING");
            tx.commit();
            return answer;
        } catch (const DbError &e) {
            conn.rollbackToSavepoint("STOCK_POSTING");
            conn.releaseSavepoint("STOCK_POSTING");
            // 40P01 deadlock, 40001 serialization failure; a key taken by a
            // row another workstation created meanwhile is read on the next try.
            const bool transient = e.sqlState() == QLatin1String("40P01") || e.sqlState() == QLatin1String("40001")
                || e.isKeyCollision();
            if (!transient || attempt >= kTries)
                throw;
            QThread::msleep(5 * attempt);
        }
    }
}

Flag flagOf(const QString &text)
{
    const QString f = text.trimmed().toUpper();
    if (f == QLatin1String("INS"))
        return Flag::Ins;
    if (f == QLatin1String("DEL"))
        return Flag::Del;
    if (f == QLatin1String("MOD"))
        return Flag::Mod;
    return Flag::Invalid;
}

QString refusal(const char *procedure, const QString &text)
{
    const QString answer = QStringLiteral("[%1] ").arg(QLatin1String(procedure)) + text;
    return answer.left(200);
}

QString normalDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})[-/]?(\\d{2})[-/]?(\\d{2})(?:[ T].*)?$"));
    const auto m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    return d.isValid() ? d.toString(Qt::ISODate) : QString();
}

bool isMonth(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{4}(0[1-9]|1[0-2])$"));
    return pattern.match(text).hasMatch();
}

QString nextMonth(const QString &yymm)
{
    return firstDay(yymm).addMonths(1).toString(QStringLiteral("yyyyMM"));
}

} // namespace db::stock
