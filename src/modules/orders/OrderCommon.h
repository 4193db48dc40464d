#pragma once
// What the order screens share: the supplier list, the status names of an
// order, the date boxes' leaving rule and the small layout helpers.

#include "widgets/GridColumn.h"

#include <QString>
#include <QVector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;
namespace widgets { class MaskEdit; class DataGrid; class RecordSet; }

namespace orders {

// Suppliers for the code searches: code, name, registration number, representative.
extern const char *const kSupplierSql;
// The same, only suppliers in use.
extern const char *const kSupplierInUseSql;
// Titles of the supplier lists.
QStringList supplierTitles();

// "미 확 정", "확    정", "확정취소" by status code, as an SQL expression on `column`.
QString statusNameSql(const QString &column);

// Leaving a date box: eight digits that are no date are refused with a
// message and emptied (the box keeps the focus); fewer digits empty it.
void checkDateOnExit(widgets::MaskEdit *edit);

// Today's date of the server in a date box.
void setToday(widgets::MaskEdit *edit, const QString &today);

// The lines of one order (:ORDE_DATE, :C_CODE, :ORDE_NUM) as the order line
// grid shows them, and that grid's columns.
extern const char *const kOrderLinesSql;
QVector<widgets::GridColumn> orderLineColumns(const QString &remarkTitle);

// The read-only grid of an order's lines (confirmation and order form list):
// item, standard, quantity, unit, price, amount, remark (titled as the
// screen titles it), with the "갯수" footer.
widgets::DataGrid *orderLineGrid(QWidget *parent, widgets::RecordSet *lines, const QString &remarkTitle);

// Loads the lines of `orders`' current order into `lines` (none when the
// order list is empty), for the order line grid.
void loadOrderLines(widgets::RecordSet &lines, const widgets::RecordSet &orders);

QLineEdit *lineEdit(QWidget *parent, const QString &name, int maxLength = 0, bool readOnly = false);
widgets::MaskEdit *dateEdit(QWidget *parent, const QString &name);
QLabel *caption(QWidget *parent, const QString &text);

} // namespace orders
