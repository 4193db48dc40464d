#pragma once
// What the data-bound grid and the plain grid share: the column declaration,
// display formats, tick columns, fixed leading columns, grouped headings,
// footer rows, colouring callbacks, title-click sorting and cell access.
// Both show a RecordSet; the data-bound grid shows the screen's, the plain
// grid one of its own.

#include "widgets/GridColumn.h"

#include <QTableView>
#include <QVector>

#include <memory>

class QFont;
class QKeyEvent;

namespace widgets {

class RecordSet;
class GridBasePrivate;

class GridBase : public QTableView
{
    Q_OBJECT
public:
    ~GridBase() override;

    // ---- columns (declaring them again drops the column groups)
    void setColumns(const QVector<GridColumn> &columns);
    const QVector<GridColumn> &columns() const;
    int columnCount() const;
    const GridColumn &column(int col) const;
    int columnIndex(const QString &field) const;         // -1 when no column shows the field
    void setColumnTitle(int col, const QString &title);
    void setColumnFormat(int col, const QString &format);
    void setColumnVisible(int col, bool visible);        // shown again at its declared width (or 80)
    bool isColumnVisible(int col) const;

    void setFixedColumns(int count);                     // leading columns that stay on the left
    int fixedColumns() const;
    void addColumnGroup(const QString &title, int firstCol, int lastCol);  // heading above titles
    void clearColumnGroups();

    // ---- look and behaviour
    void setDefaultRowHeight(int pixels);                // every row has this height
    void setTitleHeight(int pixels);                     // height of the title row
    void setRowSelect(bool wholeRow);                    // the current row is highlighted as a whole
    bool rowSelect() const;
    void setReadOnly(bool readOnly);                     // also locks tick and editable columns
    bool isReadOnly() const;
    void setRowNumbers(bool shown);                      // numbers in the left header
    void setRowStyler(RowStyler styler);
    void setCellStyler(CellStyler styler);

    // ---- rows and cells
    int rowCount() const;
    int currentRow() const;                              // -1 when empty
    void setCurrentRow(int row);
    int currentColumn() const;
    void setCurrentCell(int col, int row);
    QVariant cellValue(int col, int row) const;          // as stored
    QString cells(int col, int row) const;               // as stored, as text (dates 'yyyy-mm-dd')
    QString cellText(int col, int row) const;            // as shown ('0'/'1' for ticks)
    double cellNumber(int col, int row) const;           // 0 when empty or not a number
    double columnSum(int col) const;

    // ---- footer rows under the grid
    void setFooterCount(int rows);
    int footerCount() const;
    void setFooterTitle(int footer, const QString &title);   // shown in the left header area
    QString footerTitle(int footer) const;
    void setFooterText(int footer, int col, const QString &text);
    QString footerText(int footer, int col) const;
    void clearFooterTexts();
    void setFooterFont(int footer, const QFont &font, int col = -1);       // -1: the whole row
    void setFooterColor(int footer, const QColor &text, int col = -1);
    void setFooterBackground(int footer, const QColor &background, int col = -1);
    void showRowCount(int footer, int col);              // "1,234"
    void showColumnSum(int footer, int col);             // the column's format, else "#,##0"

    // ---- sorting by title
    SortMark sortMark(int col) const;
    void setSortMark(int col, SortMark mark);            // only marks; see sortColumn
    void clearSortMarks();
    void sortColumn(int col, Qt::SortOrder order);       // sorts, marks it, clears the other marks
    void sortByTitle(int col);                           // ascending when marked descending, else descending

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void keyboardSearch(const QString &search) override;

Q_SIGNALS:
    void titleClicked(int col);                          // after a Sortable column was sorted
    void currentRowChanged(int row);
    void cellValueChanged(int col, int row);             // the user changed a cell
    void cellDoubleClicked(int col, int row);
    // Sent before the grid handles the key; a receiver that acts on it calls
    // event->accept() and the grid leaves the key alone.
    void keyPressed(QKeyEvent *event);

protected:
    explicit GridBase(QWidget *parent);

    void bindRecordSet(RecordSet *records);
    RecordSet *boundRecordSet() const;
    virtual void columnsChanged() {}

    void keyPressEvent(QKeyEvent *event) override;
    void updateGeometries() override;

private:
    friend class GridBasePrivate;
    std::unique_ptr<GridBasePrivate> d;
};

} // namespace widgets
