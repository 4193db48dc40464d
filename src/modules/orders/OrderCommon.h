#pragma once
// What the order screens share: the grid of an order's lines, and (for the
// screens not yet built from the controls kit and the shared lookups) the
// supplier list and the kit's edits under their older names.

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
// Titles of the supplier lists.
QStringList supplierTitles();

// kit::CheckDateOnLeave.
void checkDateOnExit(widgets::MaskEdit *edit);

// The lines of one order (:ORDE_DATE, :C_CODE, :ORDE_NUM) as the order line
// grid shows them, and that grid's columns.
QString orderLinesSql();
QVector<widgets::GridColumn> orderLineColumns(const QString &remarkTitle);

// The read-only grid of an order's lines (confirmation and order form list):
// item, standard, quantity, unit, price, amount, remark (titled as the
// screen titles it), with the "갯수" footer.
widgets::DataGrid *orderLineGrid(QWidget *parent, widgets::RecordSet *lines, const QString &remarkTitle);

// Loads the lines of `orders`' current order into `lines` (none when the
// order list is empty), for the order line grid.
void loadOrderLines(widgets::RecordSet &lines, const widgets::RecordSet &orders);

// kit::TextBox, kit::DateBox and kit::Caption.
QLineEdit *lineEdit(QWidget *parent, const QString &name, int maxLength = 0, bool readOnly = false);
widgets::MaskEdit *dateEdit(QWidget *parent, const QString &name);
QLabel *caption(QWidget *parent, const QString &text);

} // namespace orders
