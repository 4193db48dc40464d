#pragma once
// What the stock summaries share: the month (or period), warehouse, class
// and item fields of their search panel, the warehouse and item searches,
// the period the statements are run for and the export title that follows
// each search.

#include "framework/ListScreen.h"
#include "modules/stock/StockStatements.h"

namespace stock { struct StockPrintoutSpec; }

namespace stock {

// Which of the shared search fields a summary shows.
struct SummaryFields {
    bool period = false;          // "~" and an end month after the month
    bool warehouse = true;        // code, name and its search
    bool subWarehouses = false;   // "하위창고포함"
    bool stockWarehousesOnly = false;   // the search lists only stock-keeping warehouses
    bool item = false;            // the item with its name, standard (규격) and unit
    bool classes = true;          // "품목유형" boxes
    bool alwaysSubWarehouses = false;   // the warehouse always with those below it, no tick
    bool closingCostOfEndMonth = false; // the closing cost from the end month only, not the whole period
};

// The search fields of `fields` in panel order.
QVector<ListSearchField> SummarySearchFields(const SummaryFields &fields);

class StockSummaryScreen : public ListScreen {
    Q_OBJECT
public:
    StockSummaryScreen(const QString &programId, const SummaryFields &fields, ListScreenSpec spec,
                       QWidget *parent = nullptr);

    // The conditions of a search as the statements and the titles take them.
    struct Conditions {
        StockPeriod period;
        QString month;          // the start month as shown, "2026/05"
        QString endMonth;
        QString warehouse;      // "[code] name"
        QString classes;        // "[major] [middle] [minor]" as the boxes show them
    };
    // The conditions now in the fields.
    Conditions conditions() const;
    // Those of the last search: what the list shows and its printout prints.
    const Conditions &searched() const { return m_searched; }

protected:
    void glSelect() override;
    Params searchParams() const override;
    // The export's title after the caption, from the conditions searched.
    virtual QString exportTitle() const = 0;
    // The printout of `spec` over the rows of the last search, with its condition lines.
    void printSearched(const StockPrintoutSpec &spec, const QString &month, const QString &warehouse,
                       const QString &classes, bool toPreview);

private:
    SummaryFields m_fields;
    QString m_sql;
    Conditions m_searched;
};

} // namespace stock
