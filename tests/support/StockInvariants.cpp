#include "support/StockInvariants.h"
#include "db/Query.h"

#include <QDate>
#include <algorithm>
#include <cmath>

namespace stockfx {

namespace {

const QStringList kColumns = {"OVER_QTY", "OVER_AMT", "CURR_PUT_QTY", "CURR_RETU_QTY", "CURR_DELI_QTY",
                              "TAGE_DELI_QTY", "LOSS_DELI_QTY", "MOVE_PUT_QTY", "MOVE_DELI_QTY",
                              "STOC_ACTU_QTY", "STOC_QTY"};

bool same(double a, double b) { return std::fabs(a - b) < 1e-6; }

QString nextMonth(const QString &yymm)
{
    return QDate(yymm.left(4).toInt(), yymm.mid(4, 2).toInt(), 1).addMonths(1).toString(QStringLiteral("yyyyMM"));
}

QString lastDay(const QString &yymm)
{
    const QDate d(yymm.left(4).toInt(), yymm.mid(4, 2).toInt(), 1);
    return d.addDays(d.daysInMonth() - 1).toString(Qt::ISODate);
}

// Sums of the documents per (warehouse, item, month) and term, as the
// posting rules define them.
using Terms = std::map<RowKey, std::map<QString, double>>;

void addTerm(db::Connection &conn, Terms &terms, const QString &term, const QString &sql)
{
    db::Query q(conn, sql);
    q.exec();
    while (q.next())
        terms[{q.text(QStringLiteral("S")), q.text(QStringLiteral("I")), q.text(QStringLiteral("YM"))}][term]
            += q.number(QStringLiteral("Q"));
}

Terms documentTerms(db::Connection &conn)
{
    Terms t;
    addTerm(conn, t, "P", "SELECT M.STRG_CODE S, D.ITEM_CODE I, TO_CHAR(M.PUT_DATE,'YYYYMM') YM, SUM(D.PUT_QTY) Q "
                          "FROM OC010MS M JOIN OC010DT D ON D.INSP_DATE = M.INSP_DATE AND D.C_CODE = M.C_CODE "
                          "AND D.INSP_NUM = M.INSP_NUM WHERE M.PUT_DATE IS NOT NULL "
                          "GROUP BY M.STRG_CODE, D.ITEM_CODE, TO_CHAR(M.PUT_DATE,'YYYYMM')");
    addTerm(conn, t, "R", "SELECT M.STRG_CODE S, D.ITEM_CODE I, TO_CHAR(M.RETU_DATE,'YYYYMM') YM, SUM(D.QTY) Q "
                          "FROM OD030MS M JOIN OD030DT D ON D.RETU_DATE = M.RETU_DATE AND D.C_CODE = M.C_CODE "
                          "AND D.RETU_NUM = M.RETU_NUM GROUP BY M.STRG_CODE, D.ITEM_CODE, TO_CHAR(M.RETU_DATE,'YYYYMM')");
    const QString issues = QStringLiteral(
        "SELECT M.STRG_CODE S, D.ITEM_CODE I, TO_CHAR(%1,'YYYYMM') YM, SUM(D.QTY) Q "
        "FROM OD010MS M JOIN OD010DT D ON D.DELI_DATE = M.DELI_DATE AND D.STRG_CODE = M.STRG_CODE "
        "AND D.DELI_NUM = M.DELI_NUM WHERE %2 GROUP BY M.STRG_CODE, D.ITEM_CODE, TO_CHAR(%1,'YYYYMM')");
    addTerm(conn, t, "Q12", issues.arg("M.APPR_DATE", "M.DELI_GUBUN IN ('1','2') AND M.APPR_GUBUN = '2'"));
    addTerm(conn, t, "Q3", issues.arg("M.DELI_DATE", "M.DELI_GUBUN = '3'"));
    addTerm(conn, t, "Q4", issues.arg("M.DELI_DATE", "M.DELI_GUBUN = '4'"));
    addTerm(conn, t, "Q5", issues.arg("M.DELI_DATE", "M.DELI_GUBUN = '5'"));
    const QString sil = QStringLiteral(
        "SELECT STRG_CODE S, ITEM_CODE I, TO_CHAR(SILS_DATE,'YYYYMM') YM, SUM(%1) Q FROM OZ020MS "
        "WHERE SILS_GUBUN = '%2' GROUP BY STRG_CODE, ITEM_CODE, TO_CHAR(SILS_DATE,'YYYYMM')");
    addTerm(conn, t, "A", sil.arg("0 - SILS_COST", "2"));
    addTerm(conn, t, "O", sil.arg("SILS_QTY", "1"));
    addTerm(conn, t, "OA", sil.arg("SILS_AMT", "1"));
    const QString moves = QStringLiteral(
        "SELECT M.%1 S, D.ITEM_CODE I, TO_CHAR(M.APPR_DATE,'YYYYMM') YM, SUM(D.QTY) Q "
        "FROM OD020MS M JOIN OD020DT D ON D.MOVE_DATE = M.MOVE_DATE AND D.FROM_STRG_CODE = M.FROM_STRG_CODE "
        "AND D.TO_STRG_CODE = M.TO_STRG_CODE AND D.MOVE_NUM = M.MOVE_NUM WHERE M.APPR_GUBUN = '2' "
        "GROUP BY M.%1, D.ITEM_CODE, TO_CHAR(M.APPR_DATE,'YYYYMM')");
    addTerm(conn, t, "MI", moves.arg("TO_STRG_CODE"));
    addTerm(conn, t, "MO", moves.arg("FROM_STRG_CODE"));
    return t;
}

StockView rows(db::Connection &conn)
{
    StockView out;
    db::Query q(conn, QStringLiteral("SELECT * FROM OZ010MS"));
    q.exec();
    while (q.next()) {
        auto &r = out[{q.text(QStringLiteral("STRG_CODE")), q.text(QStringLiteral("ITEM_CODE")), q.text(QStringLiteral("STOC_YYMM"))}];
        for (const QString &c : kColumns)
            r[c] = q.number(c);
    }
    return out;
}

double closingCost(db::Connection &conn, const QString &item, const QString &yymm)
{
    return db::Query::scalar(conn, QStringLiteral("SELECT STOCK_COST FROM OZ050MS WHERE ITEM_CODE = :I AND STOCK_DATE <= :D "
                                                  "ORDER BY STOCK_DATE DESC LIMIT 1"),
                             {{"I", item}, {"D", lastDay(yymm)}}).toDouble();
}

QString where(const RowKey &k)
{
    return QStringLiteral("%1/%2/%3").arg(std::get<2>(k), std::get<0>(k), std::get<1>(k));
}

} // namespace

StockView stockView(db::Connection &conn, const QString &lastMonth)
{
    StockView out = rows(conn);
    StockView carried;
    for (auto it = out.begin(); it != out.end(); ++it) {
        const auto next = std::next(it);
        const QString &strg = std::get<0>(it->first), &item = std::get<1>(it->first);
        const bool lastOfItem = next == out.end() || std::get<0>(next->first) != strg || std::get<1>(next->first) != item;
        const QString until = lastOfItem ? nextMonth(lastMonth) : std::get<2>(next->first);
        for (QString m = nextMonth(std::get<2>(it->first)); m < until; m = nextMonth(m)) {
            auto &r = carried[{strg, item, m}];
            for (const QString &c : kColumns)
                r[c] = 0;
            r["OVER_QTY"] = r["STOC_QTY"] = it->second.at("STOC_QTY");
            r["OVER_AMT"] = it->second.at("STOC_QTY") * closingCost(conn, item, std::get<2>(it->first));
        }
    }
    out.insert(carried.begin(), carried.end());
    return out;
}

QStringList differences(const StockView &expected, const StockView &actual)
{
    QStringList out;
    for (const auto &[key, figures] : expected) {
        const auto a = actual.find(key);
        if (a == actual.end()) {
            if (std::any_of(figures.begin(), figures.end(), [](const auto &f) { return !same(f.second, 0); }))
                out << QStringLiteral("%1: row missing").arg(where(key));
            continue;
        }
        for (const auto &[col, v] : figures) {
            if (!same(v, a->second.at(col)))
                out << QStringLiteral("%1 %2: expected %3, is %4").arg(where(key), col).arg(v).arg(a->second.at(col));
        }
    }
    // A row of zeros stands for a warehouse and item nothing has reached yet,
    // as much as a missing one.
    for (const auto &[key, figures] : actual) {
        if (expected.count(key))
            continue;
        for (const auto &[col, v] : figures) {
            if (!same(v, 0)) {
                out << QStringLiteral("%1: unexpected row").arg(where(key));
                break;
            }
        }
    }
    return out;
}

QStringList checkInvariants(db::Connection &conn)
{
    QStringList out;
    const StockView stock = rows(conn);
    const Terms terms = documentTerms(conn);
    auto term = [&](const RowKey &k, const char *name) {
        const auto t = terms.find(k);
        if (t == terms.end())
            return 0.0;
        const auto v = t->second.find(QLatin1String(name));
        return v == t->second.end() ? 0.0 : v->second;
    };
    auto check = [&](const RowKey &k, const QString &what, double expected, double actual) {
        if (!same(expected, actual))
            out << QStringLiteral("%1 %2: expected %3, is %4").arg(where(k), what).arg(expected).arg(actual);
    };

    // Documents of months without a row
    for (const auto &[key, byTerm] : terms) {
        if (stock.count(key))
            continue;
        for (const auto &[name, v] : byTerm) {
            if (!same(v, 0))
                out << QStringLiteral("%1: no row for term %2 = %3").arg(where(key), name).arg(v);
        }
    }

    // Journal sums per row and column
    std::map<RowKey, std::map<QString, double>> journal;
    {
        db::Query q(conn, QStringLiteral("SELECT STRG_CODE, ITEM_CODE, STOC_YYMM, COL, SUM(QTY) QTY, SUM(AMT) AMT "
                                         "FROM OZ_POSTING_JOURNAL GROUP BY STRG_CODE, ITEM_CODE, STOC_YYMM, COL"));
        q.exec();
        while (q.next()) {
            auto &j = journal[{q.text(QStringLiteral("STRG_CODE")), q.text(QStringLiteral("ITEM_CODE")), q.text(QStringLiteral("STOC_YYMM"))}];
            j[q.text(QStringLiteral("COL"))] += q.number(QStringLiteral("QTY"));
            j[QStringLiteral("AMT")] += q.number(QStringLiteral("AMT"));
        }
        for (const auto &entry : journal) {
            if (!stock.count(entry.first))
                out << QStringLiteral("%1: journal without a row").arg(where(entry.first));
        }
    }

    std::map<std::pair<QString, QString>, double> moveBalance;   // (month, item) -> in - out
    QString prevStrg, prevItem, prevMonth;
    double prevStock = 0, cumulative = 0;
    for (const auto &[key, r] : stock) {
        const auto &[strg, item, month] = key;
        const bool continues = strg == prevStrg && item == prevItem;
        if (continues && month != nextMonth(prevMonth))
            out << QStringLiteral("%1: gap after %2").arg(where(key), prevMonth);
        const double carried = continues ? prevStock : 0.0;
        if (!continues)
            cumulative = 0;

        const double P = term(key, "P"), R = term(key, "R"), Q12 = term(key, "Q12"), Q3 = term(key, "Q3"),
                     Q4 = term(key, "Q4"), Q5 = term(key, "Q5"), A = term(key, "A"), O = term(key, "O"),
                     OA = term(key, "OA"), MI = term(key, "MI"), MO = term(key, "MO");
        check(key, "row arithmetic", r.at("OVER_QTY") + r.at("CURR_PUT_QTY") - r.at("CURR_RETU_QTY") - r.at("CURR_DELI_QTY")
                  + r.at("MOVE_PUT_QTY") - r.at("MOVE_DELI_QTY"), r.at("STOC_QTY"));
        check(key, "OVER_QTY", carried + O, r.at("OVER_QTY"));
        const double cost = continues && !same(carried, 0) ? closingCost(conn, item, prevMonth) : 0.0;
        check(key, "OVER_AMT", carried * cost + OA, r.at("OVER_AMT"));
        check(key, "CURR_PUT_QTY", P, r.at("CURR_PUT_QTY"));
        check(key, "CURR_RETU_QTY", R, r.at("CURR_RETU_QTY"));
        check(key, "STOC_ACTU_QTY", A, r.at("STOC_ACTU_QTY"));
        check(key, "TAGE_DELI_QTY", Q4, r.at("TAGE_DELI_QTY"));
        check(key, "LOSS_DELI_QTY", Q5, r.at("LOSS_DELI_QTY"));
        check(key, "CURR_DELI_QTY", Q12 + Q3 + Q4 + Q5 + A, r.at("CURR_DELI_QTY"));
        check(key, "MOVE_PUT_QTY", MI, r.at("MOVE_PUT_QTY"));
        check(key, "MOVE_DELI_QTY", MO, r.at("MOVE_DELI_QTY"));
        cumulative += O + P - R - Q12 - Q3 - Q4 - Q5 - A + MI - MO;
        check(key, "cumulative stock", cumulative, r.at("STOC_QTY"));
        moveBalance[{month, item}] += r.at("MOVE_PUT_QTY") - r.at("MOVE_DELI_QTY");

        const auto j = journal.find(key);
        auto journalled = [&](const char *col) {
            if (j == journal.end())
                return 0.0;
            const auto v = j->second.find(QLatin1String(col));
            return v == j->second.end() ? 0.0 : v->second;
        };
        for (const char *col : {"CURR_PUT_QTY", "CURR_RETU_QTY", "CURR_DELI_QTY", "TAGE_DELI_QTY", "LOSS_DELI_QTY",
                                "MOVE_PUT_QTY", "MOVE_DELI_QTY", "STOC_ACTU_QTY"})
            check(key, QStringLiteral("journal %1").arg(QLatin1String(col)), journalled(col), r.at(QLatin1String(col)));
        check(key, "journal opening", journalled("OVER_QTY"), O);

        prevStrg = strg;
        prevItem = item;
        prevMonth = month;
        prevStock = r.at("STOC_QTY");
    }
    for (const auto &[key, balance] : moveBalance) {
        if (!same(balance, 0))
            out << QStringLiteral("%1/%2: transfers in and out differ by %3").arg(key.first, key.second).arg(balance);
    }
    return out;
}

} // namespace stockfx
