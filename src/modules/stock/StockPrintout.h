#pragma once
// The shape every stock printout shares (landscape): the conditions under
// the title, the column headings grouped as on the screen, detail lines in
// alternating white and light grey, and the summary band "[ 합    계 ]"
// with the sums of the declared columns. A printout declares its columns
// and sums; it runs over the statement of the screen it prints for.

#include "framework/ZZP020.h"

namespace stock {

struct PrintColumn {
    QString field;
    QString title;
    double width;               // relative to the other columns
    QString format = {};        // numbers right-aligned in it
};

struct PrintGroup {
    QString title;
    int first;
    int last;
};

struct StockPrintoutSpec {
    QString programId;
    QString title;
    QVector<PrintColumn> columns;
    QVector<PrintGroup> groups = {};
    QVector<int> sums = {};     // columns summed in the summary band, in their format
    // Columns left empty on a line whose `blankWhenZero` field is 0 (a missing cost).
    QVector<int> blankWithoutCost = {};
    QString costField = {};
};

class StockPrintout : public TfrmZZP020 {
public:
    explicit StockPrintout(StockPrintoutSpec spec);

    // The condition lines: "◆년    월 :", "◆창    고 :", "◆품목유형 :" and what follows each.
    void setConditions(const QString &month, const QString &warehouse, const QString &classes);
    // Reads the rows and lays out the pages.
    reports::Document open(db::Connection &conn, const QString &sql, const Params &params);
    // The printout run: the rows to the preview or the printer.
    bool Execute(const QString &sql, const Params &params, bool toPreview, QWidget *parent = nullptr);

    // The light grey of every second line (14737632).
    static const QColor kShade;

private:
    void buildHeadings(const QVector<double> &x, const QVector<double> &widths);
    void buildDetail(const QVector<double> &x, const QVector<double> &widths);
    void buildSummary(const QVector<double> &x, const QVector<double> &widths);

    StockPrintoutSpec m_spec;
    QVector<qint64> m_sums;     // in ten-thousandths, per declared sum
};

// The printouts of the stock summaries.
StockPrintoutSpec OEP020();     // 창고별 재고 집계표
StockPrintoutSpec OEP030();     // 품목별 재고 집계표
StockPrintoutSpec OEP050();     // 재고수불명세서
StockPrintoutSpec OEP060();     // 창고별 수불금액 집계표

} // namespace stock
