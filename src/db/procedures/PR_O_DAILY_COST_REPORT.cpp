// The daily food and beverage cost report of a day, compiled into OT010MS.
//
// Cost: the confirmed issues (normal issues and transfer issue-outs, dated by
// their confirmation) of food items (class tree 'L') and beverage items
// (class tree 'B'), valued at the daily cost of the confirmation day; a day
// not yet closed has no cost and adds nothing. Sales: the outlets' food and
// beverage sales of the sales system (JA020MS). Figures for today, the month
// to date and the same span a year earlier.
//
// Lines: group "100" (kitchens and stores without an outlet, which serve all
// outlets; every line carries the sales of all outlets, as the printout takes
// the group's sales from its last line) and group "200" (one line per outlet
// that owns a warehouse). A percentage is cost / sales x 100 to two decimals,
// 0 without sales; the combined percentage is the one the report screen
// computes (the ratio rounded to 0.01, times 100).

#include "db/Procedures.h"
#include "db/Query.h"
#include "db/procedures/ClosingSupport.h"

#include <QMap>
#include <array>
#include <cmath>

namespace db {

namespace closing {

namespace {

const char *const kFoodClass = "L";
const char *const kBeverageClass = "B";

enum Span { Today, MonthToDate, LastYear, SpanCount };

struct Figures {
    std::array<double, SpanCount> cost{};
    std::array<double, SpanCount> sales{};
    void addCost(const Figures &o)
    {
        for (int s = 0; s < SpanCount; ++s)
            cost[s] += o.cost[s];
    }
    void addSales(const Figures &o)
    {
        for (int s = 0; s < SpanCount; ++s)
            sales[s] += o.sales[s];
    }
};

struct Line {
    QString group, groupName, code, name;
    Figures food, beverage;
};

struct Days {
    QString day, monthFirst, lastYearDay, lastYearFirst;
    void bindTo(Query &q) const
    {
        q.bind(QStringLiteral("DAY"), day)
            .bind(QStringLiteral("MONTH_FIRST"), monthFirst)
            .bind(QStringLiteral("YEAR_DAY"), lastYearDay)
            .bind(QStringLiteral("YEAR_FIRST"), lastYearFirst);
    }
};

#define IN_SPANS(COL) \
    "(" COL " BETWEEN :MONTH_FIRST AND :DAY OR " COL " BETWEEN :YEAR_FIRST AND :YEAR_DAY)"
#define SPAN_SUM(COL, VALUE, NAME) \
    "SUM(CASE WHEN " COL " = :DAY THEN " VALUE " ELSE 0 END) " NAME "_T, " \
    "SUM(CASE WHEN " COL " BETWEEN :MONTH_FIRST AND :DAY THEN " VALUE " ELSE 0 END) " NAME "_MTD, " \
    "SUM(CASE WHEN " COL " BETWEEN :YEAR_FIRST AND :YEAR_DAY THEN " VALUE " ELSE 0 END) " NAME "_YMTD"

const char *const kIssueCostByWarehouse =
    "SELECT H.STRG_CODE, SUBSTR(I.DIVIDE_CODE, 1, 1) KIND, "
    SPAN_SUM("H.APPR_DATE", "D.QTY * COALESCE(Z.STOCK_COST, 0)", "COST") " "
    "FROM OD010MS H "
    "JOIN OD010DT D ON D.DELI_DATE = H.DELI_DATE AND D.STRG_CODE = H.STRG_CODE AND D.DELI_NUM = H.DELI_NUM "
    "JOIN OX010MS I ON I.ITEM_CODE = D.ITEM_CODE "
    "LEFT JOIN OZ050MS Z ON Z.STOCK_DATE = H.APPR_DATE AND Z.ITEM_CODE = D.ITEM_CODE "
    "WHERE H.DELI_GUBUN IN ('1','2') AND H.APPR_GUBUN = '2' AND " IN_SPANS("H.APPR_DATE") " "
    "  AND SUBSTR(I.DIVIDE_CODE, 1, 1) IN (:FOOD_CLASS, :BEVERAGE_CLASS) "
    "GROUP BY H.STRG_CODE, SUBSTR(I.DIVIDE_CODE, 1, 1)";

const char *const kSalesByOutlet =
    "SELECT UPJANG_CODE, " SPAN_SUM("SALE_DATE", "FOOD_AMT", "FOOD") ", "
    SPAN_SUM("SALE_DATE", "BEVE_AMT", "BEVE") " "
    "FROM JA020MS WHERE " IN_SPANS("SALE_DATE") " GROUP BY UPJANG_CODE";

const char *const kOutlets =
    "SELECT J.UPJANG_CODE, J.UPJANG_NAME FROM JA010MS J "
    "WHERE EXISTS (SELECT 1 FROM OX060MS W WHERE W.UPJANG_CODE = J.UPJANG_CODE) ORDER BY J.UPJANG_CODE";

const char *const kWarehouses =
    "SELECT W.STRG_CODE, W.STRG_NAME, J.UPJANG_CODE FROM OX060MS W "
    "LEFT JOIN JA010MS J ON J.UPJANG_CODE = W.UPJANG_CODE";

Figures spanFigures(const Query &q, const QString &prefix, bool sales)
{
    Figures f;
    auto &target = sales ? f.sales : f.cost;
    target[Today] = q.number(prefix + QStringLiteral("_T"));
    target[MonthToDate] = q.number(prefix + QStringLiteral("_MTD"));
    target[LastYear] = q.number(prefix + QStringLiteral("_YMTD"));
    return f;
}

struct Costs {
    Figures food, beverage;
};

QHash<QString, Costs> issueCostByWarehouse(Connection &conn, const Days &days)
{
    Query q(conn, QString::fromLatin1(kIssueCostByWarehouse));
    days.bindTo(q);
    q.bind(QStringLiteral("FOOD_CLASS"), kFoodClass).bind(QStringLiteral("BEVERAGE_CLASS"), kBeverageClass).exec();
    QHash<QString, Costs> costs;
    while (q.next()) {
        const Figures f = spanFigures(q, QStringLiteral("COST"), false);
        Costs &c = costs[q.text(QStringLiteral("STRG_CODE"))];
        (q.text(QStringLiteral("KIND")) == QLatin1String(kFoodClass) ? c.food : c.beverage).addCost(f);
    }
    return costs;
}

QHash<QString, Costs> salesByOutlet(Connection &conn, const Days &days)
{
    Query q(conn, QString::fromLatin1(kSalesByOutlet));
    days.bindTo(q);
    q.exec();
    QHash<QString, Costs> sales;
    while (q.next()) {
        Costs &s = sales[q.text(QStringLiteral("UPJANG_CODE"))];
        s.food.addSales(spanFigures(q, QStringLiteral("FOOD"), true));
        s.beverage.addSales(spanFigures(q, QStringLiteral("BEVE"), true));
    }
    return sales;
}

QList<Line> reportLines(Connection &conn, const Days &days)
{
    const QHash<QString, Costs> costs = issueCostByWarehouse(conn, days);
    const QHash<QString, Costs> sales = salesByOutlet(conn, days);

    QMap<QString, Line> outlets;   // by outlet code
    Query o(conn, QString::fromLatin1(kOutlets));
    o.exec();
    while (o.next()) {
        const QString code = o.text(QStringLiteral("UPJANG_CODE"));
        Line &line = outlets[code];
        line = {QStringLiteral("200"), QStringLiteral("영업장"), code, o.text(QStringLiteral("UPJANG_NAME")), {}, {}};
        line.food.addSales(sales.value(code).food);
        line.beverage.addSales(sales.value(code).beverage);
    }
    Costs allSales;
    for (const Costs &s : sales) {
        allSales.food.addSales(s.food);
        allSales.beverage.addSales(s.beverage);
    }

    QMap<QString, Line> stores;    // by warehouse code
    Query w(conn, QString::fromLatin1(kWarehouses));
    w.exec();
    while (w.next()) {
        const QString strg = w.text(QStringLiteral("STRG_CODE"));
        if (!costs.contains(strg))
            continue;
        const QString outlet = w.text(QStringLiteral("UPJANG_CODE"));
        Line *line = outlets.contains(outlet) ? &outlets[outlet] : nullptr;
        if (!line) {
            line = &stores[strg];
            *line = {QStringLiteral("100"), QStringLiteral("부주방 및 창고"), strg, w.text(QStringLiteral("STRG_NAME")),
                     allSales.food, allSales.beverage};
        }
        line->food.addCost(costs[strg].food);
        line->beverage.addCost(costs[strg].beverage);
    }
    return stores.values() + outlets.values();
}

double percent(double cost, double sales) { return sales > 0 ? std::round(cost / sales * 10000.0) / 100.0 : 0; }
// The combined percentage as the report screen shows it: the ratio rounded to
// 0.01, then times 100.
double combinedPercent(double cost, double sales) { return sales > 0 ? std::round(cost / sales * 100.0) : 0; }

void bindFigures(Query &q, const QString &prefix, const std::array<double, SpanCount> &cost,
                 const std::array<double, SpanCount> &sales, double (*pct)(double, double))
{
    static const char *const spans[SpanCount][3] = {{"TW", "TS", "TP"}, {"MTDW", "MTDS", "MTDP"},
                                                    {"YMTDW", "YMTDS", "YMTDP"}};
    for (int s = 0; s < SpanCount; ++s) {
        q.bind(prefix + QLatin1String(spans[s][0]), cost[s]);
        q.bind(prefix + QLatin1String(spans[s][1]), sales[s]);
        q.bind(prefix + QLatin1String(spans[s][2]), pct(cost[s], sales[s]));
    }
}

const char *const kInsertLine =
    "INSERT INTO OT010MS (COST_DATE, GUBUN_CD1, GUBUN_NM1, GUBUN_CD2, GUBUN_NM2, "
    "  FOOD_TW, FOOD_TS, FOOD_TP, FOOD_MTDW, FOOD_MTDS, FOOD_MTDP, FOOD_YMTDW, FOOD_YMTDS, FOOD_YMTDP, "
    "  BEVE_TW, BEVE_TS, BEVE_TP, BEVE_MTDW, BEVE_MTDS, BEVE_MTDP, BEVE_YMTDW, BEVE_YMTDS, BEVE_YMTDP, "
    "  TOT_TW, TOT_TS, TOT_TP, TOT_MTDW, TOT_MTDS, TOT_MTDP, TOT_YMTDW, TOT_YMTDS, TOT_YMTDP, U_DATE) "
    "VALUES (:COST_DATE, :GUBUN_CD1, :GUBUN_NM1, :GUBUN_CD2, :GUBUN_NM2, "
    "  :FOOD_TW, :FOOD_TS, :FOOD_TP, :FOOD_MTDW, :FOOD_MTDS, :FOOD_MTDP, :FOOD_YMTDW, :FOOD_YMTDS, :FOOD_YMTDP, "
    "  :BEVE_TW, :BEVE_TS, :BEVE_TP, :BEVE_MTDW, :BEVE_MTDS, :BEVE_MTDP, :BEVE_YMTDW, :BEVE_YMTDS, :BEVE_YMTDP, "
    "  :TOT_TW, :TOT_TS, :TOT_TP, :TOT_MTDW, :TOT_MTDS, :TOT_MTDP, :TOT_YMTDW, :TOT_YMTDS, :TOT_YMTDP, SYSDATE())";

void insertLine(Connection &conn, const QString &day, const Line &line)
{
    // Amounts and sales are kept in whole won; the combined figures add the
    // stored ones.
    std::array<double, SpanCount> foodCost, foodSales, beveCost, beveSales, totCost, totSales;
    for (int s = 0; s < SpanCount; ++s) {
        foodCost[s] = std::round(line.food.cost[s]);
        foodSales[s] = std::round(line.food.sales[s]);
        beveCost[s] = std::round(line.beverage.cost[s]);
        beveSales[s] = std::round(line.beverage.sales[s]);
        totCost[s] = foodCost[s] + beveCost[s];
        totSales[s] = foodSales[s] + beveSales[s];
    }
    Query q(conn, QString::fromLatin1(kInsertLine));
    q.bind(QStringLiteral("COST_DATE"), day)
        .bind(QStringLiteral("GUBUN_CD1"), line.group)
        .bind(QStringLiteral("GUBUN_NM1"), line.groupName)
        .bind(QStringLiteral("GUBUN_CD2"), line.code)
        .bind(QStringLiteral("GUBUN_NM2"), line.name);
    bindFigures(q, QStringLiteral("FOOD_"), foodCost, foodSales, &percent);
    bindFigures(q, QStringLiteral("BEVE_"), beveCost, beveSales, &percent);
    bindFigures(q, QStringLiteral("TOT_"), totCost, totSales, &combinedPercent);
    q.exec();
}

} // namespace

QString compileDailyCostReport(Connection &conn, const char *procedure, const QString &input)
{
    const QDate day = dayFromText(input);
    if (!day.isValid())
        return refusal(procedure, QStringLiteral("일자 오류 (%1)").arg(input.trimmed()));
    const QDate lastYear = day.addYears(-1);
    const Days days{dayText(day), dayText(QDate(day.year(), day.month(), 1)), dayText(lastYear),
                    dayText(QDate(lastYear.year(), lastYear.month(), 1))};
    const QList<Line> lines = reportLines(conn, days);
    Query(conn, QStringLiteral("DELETE FROM OT010MS WHERE COST_DATE = :COST_DATE"))
        .bind(QStringLiteral("COST_DATE"), days.day)
        .exec();
    for (const Line &line : lines)
        insertLine(conn, days.day, line);
    return kYes;
}

} // namespace closing

ProcOutputs PR_O_DAILY_COST_REPORT(Connection &conn, const ProcArgs &args)
{
    const QString day = args.text(QStringLiteral("I_DATE"));
    return {{QStringLiteral("O_CHK"), closing::runAtomically(conn, [&] {
                 return closing::compileDailyCostReport(conn, "PR_O_DAILY_COST_REPORT", day);
             })}};
}

} // namespace db
