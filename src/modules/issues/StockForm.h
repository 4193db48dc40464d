#pragma once
// The printed request form of an issue or a transfer: three labels the
// caller fills (number, date, warehouses), three approval boxes, the lines
// with the day's stock cost and their amounts, and the total.

#include "framework/ZZP010.h"

struct StockFormSpec {
    QString programId;
    QString title;
    QStringList captions;        // of the three labels: number, date, warehouse(s)
    QStringList labels;          // their element names, e.g. "qrlDeli_no"
    QStringList approvals;       // the three approval boxes
    QString query;               // the lines: SEQ, ITEM_NAME, ITEM_STANDARD1, QTY, SOOBUL_UNIT_NM, COST, AMT
};

class StockForm : public TfrmZZP010 {
public:
    explicit StockForm(StockFormSpec spec);

    // Sets one of the header labels by its element name.
    void setLabel(const QString &name, const QString &text);
    // Reads the lines of the document of `key` on the program's connection.
    void open(const Params &key);
    // The document of `key` to the preview or the printer.
    bool run(const Params &key, bool toPreview, QWidget *parent = nullptr);
    // The total of the last prepared form, in ten-thousandths of a won.
    qint64 totalUnits() const { return m_total; }

private:
    void buildHeader();
    void buildLines();
    void buildSummary();

    StockFormSpec m_spec;
    qint64 m_total = 0;
};
