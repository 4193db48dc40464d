#pragma once
// DAILY FOOD/BEVERAGE COST REPORT, printed: the day's lines by group with
// each group's subtotals and the grand totals "TOTAL RESTRANTS". The same
// layout serves the report files "DAILYFB.mrd" and "DailyFBReport.mrd".

#include "framework/ZZP020.h"

#include <array>

namespace db { class Connection; }

class TfrmOEP070 : public TfrmZZP020 {
public:
    TfrmOEP070();

    // Reads the lines of `date` ('YYYY-MM-DD') and lays out the pages.
    reports::Document open(db::Connection &conn, const QString &date);
    // The printout run: the day's report to the preview or the printer.
    bool Execute(const QString &date, bool toPreview, QWidget *parent = nullptr);

    // Cost or sales of today, month to date and last year's month to date.
    struct Figures {
        std::array<double, 3> cost{};
        std::array<double, 3> sales{};
    };
    struct Totals {
        Figures food, beverage;
    };

private:
    void buildHeadings();
    void buildGroup();
    void buildDetail();
    void buildSummary();
    // The fifteen figures of a footer into the band's labels named `prefix` + column.
    void showTotals(reports::Band &band, const QString &prefix, const Totals &totals);

    QVector<double> m_x, m_w;
    Totals m_group, m_grand;
    QString m_groupCode;
};

namespace reports {
struct Document;
// "DAILYFB.mrd", "DailyFBReport.mrd": parameter [date 'YYYY-MM-DD'].
Document buildDailyFb(db::Connection &conn, const QStringList &parameters);
} // namespace reports
