#pragma once
// The shape that list and print screens share: search fields feeding the
// parameters of one statement, its rows in a read-only master grid, a detail
// grid that follows the master's current row, footer rows with counts and
// sums, print, preview and the spreadsheet export, and the navigation
// buttons moving through the list. A screen of this shape declares its
// fields, grids and statements; it writes only its printouts.
//
// Columns are referred to by their position in the declaration; a screen
// names the positions with an enum next to the column list:
//
//   enum Master { OrdeDate, CCode, CCodeNm, ... };
//   ListGrid master{"rgdOB010MS", {{"ORDE_DATE", "발주일자", 80, "yyyy-mm-dd"}, ...},
//                   {{"담 당 자", OrdeChar, InspTel}}, 0, {{"갯수", OrdeDate}}};

#include "framework/Records.h"
#include "framework/ZOI010.h"
#include "widgets/GridColumn.h"

class ClassCombos;

namespace widgets {
class DataGrid;
class RecordSet;
}

// A field of the search panel: its caption and the edit right of it.
struct ListSearchField {
    // Date: 'YYYY-MM-DD', opens with the server's date. Month: 'YYYYMM', opens
    // with the server's month. Tick: a check box captioned by the label, "Y"
    // when ticked, else empty.
    enum Kind { Text, Date, Month, Tick };
    QString label;             // empty: no caption ("~" between two dates is one)
    QString objectName;        // e.g. "edtORDE_NO_S"
    QString param = {};        // parameter of the master statement; empty: bound by the screen
    Kind kind = Text;
    int maxLength = 0;
    int width = 0;             // pixels; 0: as wide as the panel gives
    bool readOnly = false;     // filled by a code search only
};

// A heading above the titles of the columns first to last.
struct ListColumnGroup {
    QString title;
    int first;
    int last;
};

// A footer row: its title in the left header area, the column showing the
// number of rows and the columns showing their sums.
struct ListFooter {
    QString title;
    int countColumn = -1;
    QVector<int> sumColumns = {};
};

struct ListGrid {
    QString objectName;        // e.g. "rgdOB010MS"
    QVector<widgets::GridColumn> columns;
    QVector<ListColumnGroup> groups = {};
    int fixedColumns = 0;      // leading columns that stay when scrolling sideways
    QVector<ListFooter> footers = {};
};

struct ListScreenSpec {
    QString caption;           // the screen's title
    QVector<ListSearchField> search;
    QString masterSql;
    ListGrid master;
    // The rows of the master's current row: parameters of detailSql take
    // the values of the master fields named alike. No detail grid without it.
    QString detailSql = {};
    ListGrid detail = {};
    bool printable = false;    // "출력(F11)" and "미리보기" (Shift+F11) run printList()
    // "엑셀" exports the master grid, the sheet titled caption - subtitle.
    bool excel = false;
    QString excelSubtitle = {};
    // A class table (OX030MS): its cascading boxes ComboBox1..3 follow the
    // search fields, and the statement's :DIVIDE_CODE gets the deepest code
    // chosen (empty for "전체").
    QString classTable = {};
};

class ListScreen : public TfrmZOI010 {
    Q_OBJECT
public:
    ListScreen(const QString &programId, ListScreenSpec spec, QWidget *parent = nullptr);

    widgets::RecordSet *masterRecords() const { return m_master; }
    // Null without a detail statement.
    widgets::RecordSet *detailRecords() const { return m_detail; }

    // "출력(F11)" and "미리보기": the button rule, then the screen's printout,
    // its failures shown by the standard error display.
    void bbtPrintClick(bool toPreview);

protected:
    void glSelect() override;

    // The parameters of the master statement: the declared search fields'
    // texts (a date as 'YYYY-MM-DD'). A screen adds those it binds itself.
    virtual Params searchParams() const;
    // Prints or previews what the list shows.
    virtual void printList(bool /*toPreview*/) {}

    // The text of a search field as the statement gets it.
    QString searchText(const QString &objectName) const;
    widgets::DataGrid *masterGrid() const { return m_masterGrid; }
    widgets::DataGrid *detailGrid() const { return m_detailGrid; }
    // Null without a class table.
    ClassCombos *classCombos() const { return m_classes; }
    // A month field being left: a month that is no month gives "년월을
    // 정확히 입력하여 주십시오." and an empty field; fewer digits only empty it.
    void glOnExitEvent(QWidget *control) override;

private:
    void buildSearchPanel();
    widgets::DataGrid *buildGrid(const ListGrid &grid, widgets::RecordSet *records);
    void loadDetail();
    void followMaster();
    static void showFooters(widgets::DataGrid *grid, const ListGrid &declared);

    ListScreenSpec m_spec;
    widgets::RecordSet *m_master;
    widgets::RecordSet *m_detail = nullptr;
    widgets::DataGrid *m_masterGrid;
    widgets::DataGrid *m_detailGrid = nullptr;
    QList<QWidget *> m_searchFields;       // per declared search field, in order
    ClassCombos *m_classes = nullptr;
    bool m_searching = false;              // the master is being read: the detail waits
};
