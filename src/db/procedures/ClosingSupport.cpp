#include "db/procedures/ClosingSupport.h"
#include "db/Query.h"

#include <QRegularExpression>
#include <QThread>
#include <cmath>

namespace db::closing {

namespace {

constexpr int kMaxAnswer = 200;
constexpr int kTries = 5;
const char *const kSavepoint = "CLOSING_CALL";

// Deadlock and serialization failure (PostgreSQL); busy and locked (SQLite);
// a row another workstation inserted first (the next attempt sees it).
bool worthRetrying(const DbError &e)
{
    static const QStringList states = {QStringLiteral("40P01"), QStringLiteral("40001"), QStringLiteral("5"),
                                       QStringLiteral("6"), QStringLiteral("517")};
    return states.contains(e.sqlState()) || e.isKeyCollision();
}

struct Sums {
    double qty = 0;
    double amt = 0;
};

// Sums per item of a statement that selects the item code first, then QTY
// and optionally AMT.
QHash<QString, Sums> sumsByItem(Connection &conn, const QString &sql, const QList<QPair<QString, QString>> &params)
{
    Query q(conn, sql);
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
    const bool withAmount = q.columnIndex(QStringLiteral("AMT")) >= 0;
    QHash<QString, Sums> sums;
    while (q.next()) {
        Sums &s = sums[q.text(0)];
        s.qty += q.number(QStringLiteral("QTY"));
        if (withAmount)
            s.amt += q.number(QStringLiteral("AMT"));
    }
    return sums;
}

const char *const kOpeningStockOfMonth =
    "SELECT ITEM_CODE, SUM(OVER_QTY) QTY, SUM(OVER_AMT) AMT FROM OZ010MS "
    "WHERE STOC_YYMM = :STOC_YYMM GROUP BY ITEM_CODE";

const char *const kReceiptsUpToDay =
    "SELECT D.ITEM_CODE, SUM(D.PUT_QTY) QTY, SUM(D.AMT) AMT "
    "FROM OC010MS H JOIN OC010DT D "
    "  ON D.INSP_DATE = H.INSP_DATE AND D.C_CODE = H.C_CODE AND D.INSP_NUM = H.INSP_NUM "
    "WHERE H.PUT_DATE BETWEEN :FIRST_DAY AND :DAY GROUP BY D.ITEM_CODE";

const char *const kPlainReturnsUpToDay =
    "SELECT ITEM_CODE, SUM(QTY) QTY, SUM(AMT) AMT FROM OD030DT "
    "WHERE RETU_GUBUN = '2' AND RETU_DATE BETWEEN :FIRST_DAY AND :DAY GROUP BY ITEM_CODE";

const char *const kAllReturnsUpToDay =
    "SELECT ITEM_CODE, SUM(QTY) QTY FROM OD030DT "
    "WHERE RETU_DATE BETWEEN :FIRST_DAY AND :DAY GROUP BY ITEM_CODE";

// Issues are dated by their confirmation (kinds 1 and 2) or by the document
// date (returns of issued goods, disposals and losses, which have none).
const char *const kIssuesUpToDay =
    "SELECT D.ITEM_CODE, SUM(D.QTY) QTY "
    "FROM OD010MS H JOIN OD010DT D "
    "  ON D.DELI_DATE = H.DELI_DATE AND D.STRG_CODE = H.STRG_CODE AND D.DELI_NUM = H.DELI_NUM "
    "WHERE (H.DELI_GUBUN IN ('1','2') AND H.APPR_GUBUN = '2' AND H.APPR_DATE BETWEEN :FIRST_DAY AND :DAY) "
    "   OR (H.DELI_GUBUN IN ('3','4','5') AND H.DELI_DATE BETWEEN :FIRST_DAY AND :DAY) "
    "GROUP BY D.ITEM_CODE";

// A count line keeps its signed adjustment (counted - book) in SILS_COST.
const char *const kCountAdjustmentsUpToDay =
    "SELECT ITEM_CODE, SUM(SILS_COST) QTY FROM OZ020MS "
    "WHERE SILS_GUBUN = '2' AND SILS_DATE BETWEEN :FIRST_DAY AND :DAY GROUP BY ITEM_CODE";

// Opening stock lines are carried in OVER_QTY from the first of their month on.
const char *const kOpeningLinesAfterDay =
    "SELECT ITEM_CODE, SUM(SILS_QTY) QTY FROM OZ020MS "
    "WHERE SILS_GUBUN = '1' AND SILS_DATE > :DAY AND SILS_DATE <= :LAST_DAY GROUP BY ITEM_CODE";

const char *const kLatestCostBefore =
    "SELECT Z.ITEM_CODE, Z.STOCK_COST QTY "
    "FROM OZ050MS Z JOIN ("
    "  SELECT ITEM_CODE, MAX(STOCK_DATE) LAST_DATE FROM OZ050MS WHERE STOCK_DATE < :DAY GROUP BY ITEM_CODE"
    ") L ON L.ITEM_CODE = Z.ITEM_CODE AND L.LAST_DATE = Z.STOCK_DATE";


// The latest row of every warehouse and item before a month.
#define LATEST_ROWS_BEFORE_MONTH \
    "(SELECT STRG_CODE, ITEM_CODE, MAX(STOC_YYMM) LAST_YYMM FROM OZ010MS " \
    " WHERE STOC_YYMM < :STOC_YYMM GROUP BY STRG_CODE, ITEM_CODE) L " \
    "JOIN OZ010MS P ON P.STOC_YYMM = L.LAST_YYMM AND P.STRG_CODE = L.STRG_CODE AND P.ITEM_CODE = L.ITEM_CODE "

#define WITHOUT_ROW_IN_MONTH \
    "NOT EXISTS (SELECT 1 FROM OZ010MS R WHERE R.STOC_YYMM = :STOC_YYMM " \
    "            AND R.STRG_CODE = P.STRG_CODE AND R.ITEM_CODE = P.ITEM_CODE)"

const char *const kEarliestUncarriedStock =
    "SELECT MIN(L.LAST_YYMM) FROM " LATEST_ROWS_BEFORE_MONTH
    "WHERE P.STOC_QTY <> 0 AND " WITHOUT_ROW_IN_MONTH;

const char *const kCarryRowsInto =
    "INSERT INTO OZ010MS (STOC_YYMM, STRG_CODE, ITEM_CODE, OVER_QTY, STOC_QTY, U_DATE) "
    "SELECT CAST(:STOC_YYMM AS VARCHAR(6)), P.STRG_CODE, P.ITEM_CODE, P.STOC_QTY, P.STOC_QTY, SYSDATE() "
    "FROM " LATEST_ROWS_BEFORE_MONTH
    "WHERE P.STOC_QTY <> 0 AND " WITHOUT_ROW_IN_MONTH;

const char *const kCarriedQuantityGaps =
    "SELECT N.STRG_CODE, N.ITEM_CODE, N.OVER_QTY, P.STOC_QTY + COALESCE(O.QTY, 0) CARRIED "
    "FROM OZ010MS N "
    "JOIN OZ010MS P ON P.STOC_YYMM = :PREV_YYMM AND P.STRG_CODE = N.STRG_CODE AND P.ITEM_CODE = N.ITEM_CODE "
    "LEFT JOIN (SELECT STRG_CODE, ITEM_CODE, SUM(SILS_QTY) QTY FROM OZ020MS "
    "           WHERE SILS_GUBUN = '1' AND SILS_DATE BETWEEN :FIRST_DAY AND :LAST_DAY "
    "           GROUP BY STRG_CODE, ITEM_CODE) O ON O.STRG_CODE = N.STRG_CODE AND O.ITEM_CODE = N.ITEM_CODE "
    "WHERE N.STOC_YYMM = :STOC_YYMM";

const char *const kShiftStockFromMonth =
    "UPDATE OZ010MS SET OVER_QTY = OVER_QTY + :DELTA, STOC_QTY = STOC_QTY + :DELTA, U_DATE = SYSDATE() "
    "WHERE STRG_CODE = :STRG_CODE AND ITEM_CODE = :ITEM_CODE AND STOC_YYMM >= :STOC_YYMM";


// The carried amounts of a month's rows at the item's latest daily cost
// before the month; rows whose amount is right stay untouched.
#define OPENING_LINES_OF_ROW(COL) \
    "COALESCE((SELECT SUM(S." COL ") FROM OZ020MS S WHERE S.SILS_GUBUN = '1' " \
    "  AND S.SILS_DATE BETWEEN :FIRST_DAY AND :LAST_DAY " \
    "  AND S.STRG_CODE = OZ010MS.STRG_CODE AND S.ITEM_CODE = OZ010MS.ITEM_CODE), 0)"
#define LATEST_COST_OF_ROW \
    "COALESCE((SELECT Z.STOCK_COST FROM OZ050MS Z WHERE Z.ITEM_CODE = OZ010MS.ITEM_CODE " \
    "  AND Z.STOCK_DATE < :FIRST_DAY ORDER BY Z.STOCK_DATE DESC LIMIT 1), 0)"
#define CARRIED_AMOUNT \
    "((OVER_QTY - " OPENING_LINES_OF_ROW("SILS_QTY") ") * " LATEST_COST_OF_ROW " + " OPENING_LINES_OF_ROW("SILS_AMT") ")"
const char *const kRevalueMonth =
    "UPDATE OZ010MS SET OVER_AMT = " CARRIED_AMOUNT ", U_DATE = SYSDATE() "
    "WHERE STOC_YYMM = :STOC_YYMM AND ABS(OVER_AMT - " CARRIED_AMOUNT ") > 0.000005";

const char *const kLastMonthOfRows =
    "SELECT MAX(STOC_YYMM) FROM OZ010MS";

double roundTo(double value, int decimals)
{
    const double f = std::pow(10.0, decimals);
    return std::round(value * f) / f;
}

// OVER_AMT = carried quantity x the item's latest daily cost before the
// month + the amounts of the month's opening stock lines.
void revalueCarriedStock(Connection &conn, const QDate &month)
{
    Query(conn, QString::fromLatin1(kRevalueMonth))
        .bind(QStringLiteral("FIRST_DAY"), dayText(month))
        .bind(QStringLiteral("LAST_DAY"), dayText(lastDayOfMonth(month)))
        .bind(QStringLiteral("STOC_YYMM"), monthKey(month))
        .exec();
}

// Rows of `month` whose carried quantity differs from the previous month's
// stock (plus the month's opening lines) are moved, together with every
// later row of the same warehouse and item. Returns whether any moved.
bool alignCarriedQuantities(Connection &conn, const QDate &month)
{
    Query q(conn, QString::fromLatin1(kCarriedQuantityGaps));
    q.bind(QStringLiteral("PREV_YYMM"), monthKey(month.addMonths(-1)))
        .bind(QStringLiteral("STOC_YYMM"), monthKey(month))
        .bind(QStringLiteral("FIRST_DAY"), dayText(month))
        .bind(QStringLiteral("LAST_DAY"), dayText(lastDayOfMonth(month)))
        .exec();
    struct Shift {
        QString strg, item;
        double delta;
    };
    QList<Shift> shifts;
    while (q.next()) {
        const double delta = q.number(QStringLiteral("CARRIED")) - q.number(QStringLiteral("OVER_QTY"));
        if (std::abs(delta) > 0.000005)
            shifts.append({q.text(QStringLiteral("STRG_CODE")), q.text(QStringLiteral("ITEM_CODE")), roundTo(delta, 5)});
    }
    for (const Shift &s : std::as_const(shifts)) {
        Query(conn, QString::fromLatin1(kShiftStockFromMonth))
            .bind(QStringLiteral("DELTA"), s.delta)
            .bind(QStringLiteral("STRG_CODE"), s.strg)
            .bind(QStringLiteral("ITEM_CODE"), s.item)
            .bind(QStringLiteral("STOC_YYMM"), monthKey(month))
            .exec();
    }
    return !shifts.isEmpty();
}

} // namespace

QString refusal(const char *procedure, const QString &text)
{
    const QString answer = QStringLiteral("[%1] ").arg(QLatin1String(procedure)) + text;
    return answer.left(kMaxAnswer);
}

QString runAtomically(Connection &conn, const std::function<QString()> &body)
{
    Transaction tx(conn);
    for (int attempt = 1;; ++attempt) {
        conn.savepoint(kSavepoint);
        try {
            const QString answer = body();
            if (answer == kYes) {
                conn.releaseSavepoint(kSavepoint);
                tx.commit();
            } else {
                conn.rollbackToSavepoint(kSavepoint);
                conn.releaseSavepoint(kSavepoint);
            }
            return answer;
        } catch (const DbError &e) {
            conn.rollbackToSavepoint(kSavepoint);
            conn.releaseSavepoint(kSavepoint);
            if (!worthRetrying(e) || attempt >= kTries)
                throw;
            QThread::msleep(20 * attempt);
        } catch (...) {
            conn.rollbackToSavepoint(kSavepoint);
            conn.releaseSavepoint(kSavepoint);
            throw;
        }
    }
}

QDate dayFromText(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})[-/]?(\\d{2})[-/]?(\\d{2})(?:[ T].*)?$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

QDate monthFromText(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})(0[1-9]|1[0-2])$"));
    const QRegularExpressionMatch m = pattern.match(text.trimmed());
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(1).toInt(), m.captured(2).toInt(), 1);
}

QString monthKey(const QDate &day) { return day.toString(QStringLiteral("yyyyMM")); }
QString dayText(const QDate &day) { return day.toString(QStringLiteral("yyyy-MM-dd")); }
QString monthTitle(const QDate &day) { return day.toString(QStringLiteral("yyyy-MM")); }

MonthFlags lockMonthFlags(Connection &conn, const QString &yymm, const QString &empNo)
{
    Query(conn, QStringLiteral(
        "INSERT INTO OZ030MS (CLOS_YYMM, ORDE_CLOSE, COMP_CLOSE, U_EMP_NO, U_DATE) "
        "VALUES (:CLOS_YYMM, 'N', 'N', :U_EMP_NO, SYSDATE()) ON CONFLICT (CLOS_YYMM) DO NOTHING"))
        .bind(QStringLiteral("CLOS_YYMM"), yymm)
        .bind(QStringLiteral("U_EMP_NO"), empNo)
        .exec();
    // Writing the row takes its lock until the end of the transaction.
    Query(conn, QStringLiteral("UPDATE OZ030MS SET CLOS_YYMM = CLOS_YYMM WHERE CLOS_YYMM = :CLOS_YYMM"))
        .bind(QStringLiteral("CLOS_YYMM"), yymm)
        .exec();
    Query q(conn, QStringLiteral("SELECT ORDE_CLOSE, COMP_CLOSE FROM OZ030MS WHERE CLOS_YYMM = :CLOS_YYMM"));
    q.bind(QStringLiteral("CLOS_YYMM"), yymm).exec();
    MonthFlags flags;
    if (q.next()) {
        flags.purchaseClosed = q.text(QStringLiteral("ORDE_CLOSE")).trimmed() == kYes;
        flags.systemClosed = q.text(QStringLiteral("COMP_CLOSE")).trimmed() == kYes;
    }
    return flags;
}

QString monthStateText(const QDate &month, const MonthFlags &flags)
{
    const QString title = monthTitle(month);
    if (flags.purchaseClosed && flags.systemClosed)
        return title + QStringLiteral(" 해당 월이 구매 및 전산마감 되었습니다.");
    if (flags.purchaseClosed)
        return title + QStringLiteral(" 해당 월이 구매마감 되었습니다.");
    if (flags.systemClosed)
        return title + QStringLiteral(" 해당 월이 전산마감 되었습니다.");
    return title + QStringLiteral(" 해당 월 마감체크");
}

double CostBase::cost() const
{
    const double qty = openingQty + receiptQty - returnQty;
    const double amt = openingAmt + receiptAmt - returnAmt;
    // Without stock to spread the value over (or with a value below 0 from
    // returns priced above their receipts) the item keeps its last cost.
    if (qty > 0.000005 && amt >= 0)
        return amt / qty;
    return hasPreviousCost ? previousCost : 0;
}

QHash<QString, CostBase> costBases(Connection &conn, const QDate &day)
{
    const QDate first(day.year(), day.month(), 1);
    const QList<QPair<QString, QString>> span = {{QStringLiteral("FIRST_DAY"), dayText(first)},
                                                 {QStringLiteral("DAY"), dayText(day)}};
    QHash<QString, CostBase> bases;
    const auto opening = sumsByItem(conn, QString::fromLatin1(kOpeningStockOfMonth),
                                   {{QStringLiteral("STOC_YYMM"), monthKey(day)}});
    for (auto it = opening.cbegin(); it != opening.cend(); ++it) {
        bases[it.key()].openingQty = it->qty;
        bases[it.key()].openingAmt = it->amt;
    }
    const auto receipts = sumsByItem(conn, QString::fromLatin1(kReceiptsUpToDay), span);
    for (auto it = receipts.cbegin(); it != receipts.cend(); ++it) {
        bases[it.key()].receiptQty = it->qty;
        bases[it.key()].receiptAmt = it->amt;
    }
    const auto returns = sumsByItem(conn, QString::fromLatin1(kPlainReturnsUpToDay), span);
    for (auto it = returns.cbegin(); it != returns.cend(); ++it) {
        bases[it.key()].returnQty = it->qty;
        bases[it.key()].returnAmt = it->amt;
    }
    const auto previous = sumsByItem(conn, QString::fromLatin1(kLatestCostBefore), {{QStringLiteral("DAY"), dayText(day)}});
    for (auto it = previous.cbegin(); it != previous.cend(); ++it) {
        bases[it.key()].previousCost = it->qty;
        bases[it.key()].hasPreviousCost = true;
    }
    return bases;
}

QHash<QString, double> stockAtEndOfDay(Connection &conn, const QDate &day)
{
    const QDate first(day.year(), day.month(), 1);
    const QList<QPair<QString, QString>> span = {{QStringLiteral("FIRST_DAY"), dayText(first)},
                                                 {QStringLiteral("DAY"), dayText(day)}};
    QHash<QString, double> stock;
    const auto add = [&stock](const QHash<QString, Sums> &sums, double sign) {
        for (auto it = sums.cbegin(); it != sums.cend(); ++it)
            stock[it.key()] += sign * it->qty;
    };
    add(sumsByItem(conn, QString::fromLatin1(kOpeningStockOfMonth), {{QStringLiteral("STOC_YYMM"), monthKey(day)}}), +1);
    add(sumsByItem(conn, QString::fromLatin1(kOpeningLinesAfterDay),
                  {{QStringLiteral("DAY"), dayText(day)}, {QStringLiteral("LAST_DAY"), dayText(lastDayOfMonth(day))}}),
        -1);
    add(sumsByItem(conn, QString::fromLatin1(kReceiptsUpToDay), span), +1);
    add(sumsByItem(conn, QString::fromLatin1(kAllReturnsUpToDay), span), -1);
    add(sumsByItem(conn, QString::fromLatin1(kIssuesUpToDay), span), -1);
    add(sumsByItem(conn, QString::fromLatin1(kCountAdjustmentsUpToDay), span), +1);
    // Transfers move stock between warehouses and leave the company's total as it is.
    return stock;
}

void carryStockInto(Connection &conn, const QDate &month)
{
    const QString start = Query::scalar(conn, QString::fromLatin1(kEarliestUncarriedStock),
                                        {{QStringLiteral("STOC_YYMM"), monthKey(month)}});
    if (!start.isEmpty()) {
        // Months without a row in between get theirs too, so that each
        // warehouse and item has one unbroken range of months.
        for (QDate m = monthFromText(start).addMonths(1); m <= month; m = m.addMonths(1)) {
            Query(conn, QString::fromLatin1(kCarryRowsInto)).bind(QStringLiteral("STOC_YYMM"), monthKey(m)).exec();
            if (m < month)
                revalueCarriedStock(conn, m);
        }
    }
    if (alignCarriedQuantities(conn, month)) {
        const QDate last = monthFromText(Query::scalar(conn, QString::fromLatin1(kLastMonthOfRows)));
        for (QDate m = month.addMonths(1); m.isValid() && m <= last; m = m.addMonths(1))
            revalueCarriedStock(conn, m);
    }
    revalueCarriedStock(conn, month);
}

} // namespace db::closing
