#pragma once
// How a screen declares the columns of a grid: one line per column, so that
// the declaration reads like the column table of the screen's description.
//
//   using namespace widgets;
//   grid->setColumns({
//       // field          title          width  format          options
//       {"PURC_SEQ",     "순번",            0},
//       {"EMER_CHK",     "긴급",           36,  {},            col::Center},
//       {"ITEM_NAME",    "품 목 명",       180},
//       {"QTY",          "구매수량",        80,  "#,##0.0"},
//       {"SEL",          "선택",           36,  {},            col::Tick},
//       {"TAX_GUBUN_NM", "과세구분",       75,  {},            col::Editable, {"1: 과  세", "2: 비과세"}},
//   });
//
// The column number is the position in this list, hidden columns included.

#include <QColor>
#include <QFlags>
#include <QString>
#include <QStringList>

#include <functional>

namespace widgets {

namespace col {
enum Option : unsigned {
    Left      = 0x01,   // alignment; without one, number formats align right, others left
    Center    = 0x02,
    Right     = 0x04,
    Editable  = 0x10,   // the user may type into the cells (all others are read-only)
    Tick      = 0x20,   // '0'/'1' shown as a check box, toggled by a click or the space bar
    MultiLine = 0x40,   // text wraps inside the cell
    Sortable  = 0x80,   // a click on the title sorts by the column and marks it
    BlankRepeats = 0x100,  // a value equal to the one in the row above is not shown
};
Q_DECLARE_FLAGS(Options, Option)
Q_DECLARE_OPERATORS_FOR_FLAGS(Options)
} // namespace col

struct GridColumn {
    QString field;          // field of the record set; empty for a column the program fills
    QString title;          // "\n" gives a two-line title
    int width = 80;         // pixels; 0 hides the column
    QString format;         // "#,##0", "#,##0.0", "#,##0.0000", "yyyy-mm-dd"; empty: as stored
    col::Options options = {};
    QStringList picks = {};  // an editable column with picks is edited by choosing one of them
};

// What the colouring callbacks may change for a row or a cell.
struct CellStyle {
    QColor background;      // invalid: the grid's own colour
    QColor foreground;      // font colour
    bool bold = false;
};

// Called for each painted cell: first the row callback, then the cell
// callback, each may overwrite what the one before set.
using RowStyler = std::function<void(int row, CellStyle &style)>;
using CellStyler = std::function<void(int column, int row, CellStyle &style)>;

enum class SortMark { None, Ascending, Descending };

} // namespace widgets
