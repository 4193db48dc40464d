#pragma once
// The item chooser of the stock screens: two pages, "품목조회" (items by
// class, code, name and index) and "재고품목조회" (the items of a
// warehouse's stock in a month), a grid of found items with a tick column,
// "전체선택" and "선택취소". Items that are not stock-managed are painted
// red. The screen takes the ticked rows over (ticked()).

#include <QWidget>

class ClassCombos;
class QLineEdit;
class QPushButton;
class QTabWidget;
namespace db { class Connection; }
namespace widgets { class DataGrid; class MaskEdit; class RecordSet; }

struct PickedItem {
    QString code, name, standard, unitName;
    bool stockManaged;
    double stock, issues;   // in the warehouse and month of the query
};

class ItemPicker : public QWidget {
    Q_OBJECT
public:
    // `stockedOnly`: the item query offers only stock-managed items with stock
    // or issues in the month (a count); otherwise every matching item.
    ItemPicker(db::Connection &conn, bool stockedOnly, QWidget *parent);

    // Fills the class boxes; the stock page shows `yymm` ('YYYYMM').
    void start(const QString &yymm);

    // "품목조회" for the warehouse, its stock and issues as of month `yymm`.
    void queryItems(const QString &strgCode, const QString &yymm);
    // "재고품목조회": the warehouse's stock rows of the page's month.
    void queryStock(const QString &strgCode);
    // The ticked rows, top to bottom.
    QList<PickedItem> ticked() const;
    // The month field being left: a complete month that is no month is refused.
    void checkMonthOnLeave();

    ClassCombos *classes;
    QLineEdit *edtItem_code_s, *edtItem_name_s, *edtItem_index;
    widgets::MaskEdit *medYYMM;
    QTabWidget *pgcPick;
    QPushButton *bbtItemSelect, *bbtStock, *bbtSelectAll, *bbtSelectCancel;
    widgets::RecordSet *cdsItem;
    widgets::DataGrid *rgdItem;

private:
    void tickAll(const QString &value);
    void shown();

    db::Connection &m_conn;
    bool m_stockedOnly;
};
