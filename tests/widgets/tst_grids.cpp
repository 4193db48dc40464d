// The data-bound and plain grids, driven with keys and mouse clicks.

#include "widgets/DataGrid.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace widgets;

namespace {

enum { Sel, Code, Name, Qty, Amt, Remark };

void loadLines(RecordSet &rs, int rows)
{
    rs.setFields({{"SEL"}, {"CODE"}, {"NAME"}, {"QTY", FieldKind::Number}, {"AMT", FieldKind::Number},
                  {"REMARK"}});
    rs.beginLoad(rows);
    for (int i = 0; i < rows; ++i)
        rs.appendRow({QStringLiteral("0"), QStringLiteral("C%1").arg(i, 3, 10, QChar(u'0')),
                      QStringLiteral("item %1").arg(i), 1.5 * i, 1000.0 * (i % 7), QString()});
    rs.endLoad();
}

void declare(GridBase &grid)
{
    grid.setColumns({
        // field     title         width  format       options
        {"SEL",     "선택",          40,  {},          col::Tick},
        {"CODE",    "코드",          70,  {},          col::Sortable},
        {"NAME",    "품 목 명",     160},
        {"QTY",     "수량",          80,  "#,##0.0",   col::Editable | col::Sortable},
        {"AMT",     "금  액",        90,  "#,##0"},
        {"REMARK",  "비고",         200},
    });
}

QPoint cellCenter(const QTableView &view, int row, int col)
{
    return view.visualRect(view.model()->index(row, col)).center();
}

QTableView *frozenView(GridBase &grid)
{
    return grid.findChild<QTableView *>(QStringLiteral("gridFixedColumns"));
}

} // namespace

class TestGrids : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void currentRowFollowsRecordSetBothWays();
    void tickColumnTogglesWhileOthersStayReadOnly();
    void editableColumnWritesNumbers();
    void keyPressedComesFirst();
    void footerShowsCountAndSumAndKeepsLastRowReachable();
    void titleClickSortsAndMarks();
    void fixedColumnsStayAligned();
    void rowAndCellColours();
    void plainGridRowsAndCells();
};

void TestGrids::currentRowFollowsRecordSetBothWays()
{
    RecordSet rs;
    loadLines(rs, 50);
    DataGrid grid;
    declare(grid);
    grid.setRecordSet(&rs);
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy rowSpy(&grid, &GridBase::currentRowChanged);

    QCOMPARE(grid.currentRow(), 0);
    rs.moveTo(3);
    QCOMPARE(grid.currentRow(), 3);
    QCOMPARE(rowSpy.count(), 1);

    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(rs.currentRow(), 4);
    QCOMPARE(rowSpy.count(), 2);
    QCOMPARE(rowSpy.last().at(0).toInt(), 4);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(grid, 6, Name));
    QCOMPARE(rs.currentRow(), 6);
    QCOMPARE(grid.currentColumn(), int(Name));
    QVERIFY(!grid.selectionModel()->isRowSelected(6, QModelIndex()));
    grid.setRowSelect(true);
    QVERIFY(grid.selectionModel()->isRowSelected(6, QModelIndex()));
    QTest::keyClick(&grid, Qt::Key_Up);
    QVERIFY(grid.selectionModel()->isRowSelected(5, QModelIndex()));
    QCOMPARE(rs.currentRow(), 5);
    QTest::keyClick(&grid, Qt::Key_Down);

    // a new record shows up as the current row; leaving it untouched drops it
    rs.insert();
    QCOMPARE(grid.rowCount(), 51);
    QCOMPARE(grid.currentRow(), 6);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(grid.rowCount(), 50);
    QCOMPARE(rs.text("CODE"), QStringLiteral("C006"));
    QCOMPARE(grid.currentRow(), rs.currentRow());

    rs.last();
    QCOMPARE(grid.currentRow(), 49);
    QVERIFY(grid.viewport()->rect().contains(cellCenter(grid, 49, Name)));  // scrolled into view
    rs.deleteRecord();
    QCOMPARE(grid.currentRow(), 48);
    rs.clear();
    QCOMPARE(grid.currentRow(), -1);
    QCOMPARE(rowSpy.last().at(0).toInt(), -1);
}

void TestGrids::tickColumnTogglesWhileOthersStayReadOnly()
{
    RecordSet rs;
    loadLines(rs, 10);
    DataGrid grid;
    declare(grid);
    grid.setRecordSet(&rs);
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy changed(&grid, &GridBase::cellValueChanged);
    QSignalSpy doubled(&grid, &GridBase::cellDoubleClicked);

    grid.setCurrentCell(Sel, 2);
    QTest::keyClick(&grid, Qt::Key_Space);
    QCOMPARE(rs.value(2, "SEL").toString(), QStringLiteral("1"));
    QCOMPARE(grid.cellText(Sel, 2), QStringLiteral("1"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.last().at(0).toInt(), int(Sel));
    QCOMPARE(changed.last().at(1).toInt(), 2);
    QCOMPARE(rs.state(), RecordSet::Browse);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(grid, 5, Sel));
    QCOMPARE(rs.value(5, "SEL").toString(), QStringLiteral("1"));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(grid, 5, Sel));
    QCOMPARE(rs.value(5, "SEL").toString(), QStringLiteral("0"));
    QCOMPARE(changed.count(), 3);

    // other columns: no editor on double click or typing, values unchanged
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(grid, 4, Name));   // a real double click
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(grid, 4, Name));  // starts with a click
    QCOMPARE(doubled.count(), 1);
    QCOMPARE(doubled.last().at(0).toInt(), int(Name));
    QCOMPARE(doubled.last().at(1).toInt(), 4);
    QVERIFY(!grid.viewport()->findChild<QLineEdit *>());   // no editor opened
    QTest::keyClicks(&grid, "xyz");
    QTest::keyClick(&grid, Qt::Key_Space);
    QCOMPARE(rs.value(4, "NAME").toString(), QStringLiteral("item 4"));
    QCOMPARE(changed.count(), 3);

    grid.setReadOnly(true);
    grid.setCurrentCell(Sel, 2);
    QTest::keyClick(&grid, Qt::Key_Space);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(grid, 3, Sel));
    QCOMPARE(rs.value(2, "SEL").toString(), QStringLiteral("1"));
    QCOMPARE(rs.value(3, "SEL").toString(), QStringLiteral("0"));
}

void TestGrids::editableColumnWritesNumbers()
{
    RecordSet rs;
    loadLines(rs, 5);
    DataGrid grid;
    declare(grid);
    grid.setRecordSet(&rs);
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy changed(&grid, &GridBase::cellValueChanged);

    grid.setCurrentCell(Qty, 1);
    QTest::keyClick(&grid, Qt::Key_F2);                // edit key
    auto *editor = grid.viewport()->findChild<QLineEdit *>();
    QVERIFY(editor && editor->isVisible());
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "1,234.5");
    QTest::keyClick(editor, Qt::Key_Return);                // commits on the next event loop turn
    QTRY_COMPARE(changed.count(), 1);
    QCOMPARE(rs.value(1, "QTY").typeId(), int(QMetaType::Double));
    QCOMPARE(rs.number("QTY"), 1234.5);
    QCOMPARE(grid.cellText(Qty, 1), QStringLiteral("1,234.5"));
    QCOMPARE(changed.last().at(0).toInt(), int(Qty));
}

void TestGrids::keyPressedComesFirst()
{
    RecordSet rs;
    loadLines(rs, 10);
    DataGrid grid;
    declare(grid);
    grid.setRecordSet(&rs);
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QList<int> seen;
    connect(&grid, &GridBase::keyPressed, &grid, [&](QKeyEvent *event) {
        seen << event->key();
        if (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Down)
            event->accept();  // the screen handles these
    });
    QTest::keyClick(&grid, Qt::Key_Delete);
    QTest::keyClick(&grid, Qt::Key_Down);
    QCOMPARE(rs.currentRow(), 0);               // the grid left the accepted Down alone
    QTest::keyClick(&grid, Qt::Key_PageDown);
    QVERIFY(rs.currentRow() > 0);                // not accepted: the grid moved
    QTest::keyClick(&grid, Qt::Key_Return);
    QTest::keyClick(&grid, Qt::Key_F1);
    QCOMPARE(seen, QList<int>({Qt::Key_Delete, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_F1}));
}

void TestGrids::footerShowsCountAndSumAndKeepsLastRowReachable()
{
    RecordSet rs;
    loadLines(rs, 200);
    DataGrid grid;
    declare(grid);
    grid.setRecordSet(&rs);
    grid.setFooterTitle(0, QStringLiteral("갯수"));
    grid.showRowCount(0, Code);
    grid.showColumnSum(0, Qty);
    grid.showColumnSum(0, Amt);
    QFont bold = grid.font();
    bold.setBold(true);
    grid.setFooterFont(0, bold, Amt);
    grid.setFooterColor(0, Qt::blue, Amt);
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QCOMPARE(grid.footerText(0, Code), QStringLiteral("200"));
    QCOMPARE(grid.columnSum(Qty), 1.5 * 199 * 200 / 2);
    QCOMPARE(grid.footerText(0, Qty), QStringLiteral("29,850.0"));
    QCOMPARE(grid.footerText(0, Amt), QStringLiteral("594,000"));   // 28 weeks of 21,000 + 6,000

    // the footer sits right below the rows, its title in the left header area
    auto *footer = grid.findChild<QWidget *>(QStringLiteral("gridFooter"));
    QVERIFY(footer && footer->isVisible());
    QCOMPARE(footer->geometry().top(), grid.viewport()->geometry().bottom() + 1);
    QCOMPARE(footer->height(), grid.verticalHeader()->defaultSectionSize());
    QVERIFY(grid.verticalHeader()->isVisible());
    QVERIFY(grid.verticalHeader()->width() >= grid.fontMetrics().horizontalAdvance(QStringLiteral("갯수")));

    // with the footer taking room, a page is the rows that fit above it
    // and the last row can still be scrolled fully into view
    const int rowHeight = grid.verticalHeader()->defaultSectionSize();
    QCOMPARE(grid.verticalScrollBar()->pageStep(), grid.viewport()->height() / rowHeight);
    QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(rs.currentRow(), 199);
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    const QRect last = grid.visualRect(grid.model()->index(199, Name));
    QVERIFY(last.bottom() <= grid.viewport()->height());
    QVERIFY(last.top() >= 0);
}

void TestGrids::titleClickSortsAndMarks()
{
    RecordSet rs;
    loadLines(rs, 20);
    DataGrid grid;
    declare(grid);
    grid.setRecordSet(&rs);
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy titles(&grid, &GridBase::titleClicked);
    rs.moveTo(7);

    QHeaderView *header = grid.horizontalHeader();
    const auto clickTitle = [&](int col) {
        const QPoint p(header->sectionViewportPosition(col) + header->sectionSize(col) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, p);
    };
    const auto title = [&](int col) { return grid.model()->headerData(col, Qt::Horizontal).toString(); };

    clickTitle(Qty);                               // first click: descending
    QCOMPARE(titles.count(), 1);
    QCOMPARE(grid.sortMark(Qty), SortMark::Descending);
    QCOMPARE(title(Qty), QStringLiteral("수량 ▼"));
    QCOMPARE(rs.value(0, "QTY").toDouble(), 1.5 * 19);
    QCOMPARE(rs.text("CODE"), QStringLiteral("C007"));   // the current record stays current
    QCOMPARE(grid.currentRow(), rs.currentRow());
    QCOMPARE(grid.cellText(Code, grid.currentRow()), QStringLiteral("C007"));

    clickTitle(Qty);                               // then ascending
    QCOMPARE(grid.sortMark(Qty), SortMark::Ascending);
    QCOMPARE(title(Qty), QStringLiteral("수량 ▲"));
    QCOMPARE(rs.value(0, "QTY").toDouble(), 0.0);

    clickTitle(Code);                              // another column: the old mark goes
    QCOMPARE(grid.sortMark(Qty), SortMark::None);
    QCOMPARE(title(Qty), QStringLiteral("수량"));
    QCOMPARE(grid.sortMark(Code), SortMark::Descending);
    QCOMPARE(grid.cellText(Code, 0), QStringLiteral("C019"));

    clickTitle(Name);                              // not sortable: only the signal
    QCOMPARE(titles.count(), 4);
    QCOMPARE(titles.last().at(0).toInt(), int(Name));
    QCOMPARE(grid.sortMark(Name), SortMark::None);
    QCOMPARE(grid.cellText(Code, 0), QStringLiteral("C019"));
}

void TestGrids::fixedColumnsStayAligned()
{
    RecordSet rs;
    loadLines(rs, 100);
    DataGrid grid;
    declare(grid);
    grid.setFixedColumns(3);
    const int before = grid.horizontalHeader()->sizeHint().height();
    grid.addColumnGroup(QStringLiteral("수량 / 금액"), Qty, Amt);
    QVERIFY(grid.horizontalHeader()->sizeHint().height() > before);
    grid.setRecordSet(&rs);
    grid.resize(420, 300);                         // narrower than the columns
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));

    QTableView *frozen = frozenView(grid);
    QVERIFY(frozen && frozen->isVisible());
    const int fixedWidth = 40 + 70 + 160;
    QCOMPARE(frozen->width(), fixedWidth);
    QCOMPARE(frozen->geometry().left(), grid.viewport()->geometry().left());
    QCOMPARE(frozen->horizontalHeader()->height(), grid.horizontalHeader()->height());

    grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
    QVERIFY(grid.horizontalScrollBar()->value() > 0);
    QCOMPARE(frozen->geometry().left(), grid.viewport()->geometry().left());  // did not move

    grid.verticalScrollBar()->setValue(40);
    QCOMPARE(frozen->verticalScrollBar()->value(), 40);
    for (int row : {40, 45}) {
        const QRect left = frozen->visualRect(frozen->model()->index(row, Code));
        const QRect right = grid.visualRect(grid.model()->index(row, Amt));
        QCOMPARE(left.top(), right.top());
        QCOMPARE(left.height(), right.height());
    }
    frozen->verticalScrollBar()->setValue(10);     // e.g. the wheel over the fixed columns
    QCOMPARE(grid.verticalScrollBar()->value(), 10);

    // walking left out of the scrolled part never ends under the fixed columns
    grid.setCurrentCell(Remark, 12);
    QTest::keyClick(&grid, Qt::Key_Left);
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(grid.currentColumn(), int(Qty));
    QVERIFY(grid.visualRect(grid.currentIndex()).left() >= fixedWidth);
    QTest::keyClick(&grid, Qt::Key_Left);          // into the fixed part: no horizontal jump
    QCOMPARE(grid.currentColumn(), int(Name));
    const int scrolled = grid.horizontalScrollBar()->value();
    QTest::keyClick(&grid, Qt::Key_Left);
    QCOMPARE(grid.horizontalScrollBar()->value(), scrolled);

    // a click on a fixed cell moves the current row and keeps the keyboard on the grid
    QTest::mouseClick(frozen->viewport(), Qt::LeftButton, {}, cellCenter(*frozen, 14, Name));
    QCOMPARE(rs.currentRow(), 14);
    QCOMPARE(grid.currentColumn(), int(Name));
}

void TestGrids::rowAndCellColours()
{
    RecordSet rs;
    loadLines(rs, 6);
    rs.setValue(2, rs.fieldIndex("REMARK"), QStringLiteral("Y"));
    DataGrid grid;
    declare(grid);
    grid.setRecordSet(&rs);
    grid.setRowStyler([&](int row, CellStyle &style) {
        if (rs.value(row, "REMARK").toString() == u"Y")
            style.background = QColor(0xA6, 0xCA, 0xF0);
    });
    grid.setCellStyler([&](int col, int row, CellStyle &style) {
        if (col == Code && row == 2)
            style.background = Qt::red;
    });
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    rs.moveTo(5);                                   // keep the highlight away

    const QImage image = grid.viewport()->grab().toImage();
    const auto pixel = [&](int row, int col) {
        const QRect r = grid.visualRect(grid.model()->index(row, col));
        return image.pixelColor(r.left() + 2, r.top() + 3).rgb();
    };
    QCOMPARE(pixel(2, Name), QColor(0xA6, 0xCA, 0xF0).rgb());
    QCOMPARE(pixel(2, Code), QColor(Qt::red).rgb());
    QVERIFY(pixel(1, Name) != QColor(0xA6, 0xCA, 0xF0).rgb());
}

void TestGrids::plainGridRowsAndCells()
{
    PlainGrid grid;
    declare(grid);
    grid.resize(600, 300);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QSignalSpy rowSpy(&grid, &GridBase::currentRowChanged);

    grid.setRowCount(3);
    for (int r = 0; r < 3; ++r) {
        grid.setCells(Code, r, QStringLiteral("R%1").arg(r));
        grid.setCells(Qty, r, QStringLiteral("1,234.5"));
    }
    grid.setCellNumber(Amt, 1, 2500.4);
    QCOMPARE(grid.currentRow(), 0);

    grid.insertRow(1);
    QCOMPARE(grid.rowCount(), 4);
    QCOMPARE(grid.cells(Code, 1), QString());
    QCOMPARE(grid.cells(Code, 2), QStringLiteral("R1"));
    QCOMPARE(grid.cellNumber(Amt, 2), 2500.4);
    QCOMPARE(grid.cellText(Amt, 2), QStringLiteral("2,500"));
    QCOMPARE(grid.cellText(Qty, 0), QStringLiteral("1,234.5"));
    QCOMPARE(grid.cells(Qty, 0), QStringLiteral("1,234.5"));   // stored as given
    QCOMPARE(grid.cellNumber(Qty, 0), 1234.5);
    QCOMPARE(grid.columnSum(Qty), 3 * 1234.5);

    const int appended = grid.appendRow();
    QCOMPARE(appended, 4);
    grid.setCells(Code, appended, QStringLiteral("R9"));

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cellCenter(grid, 2, Code));
    QCOMPARE(grid.currentRow(), 2);
    rowSpy.clear();
    grid.deleteRow(2);                              // the current row: the next one takes its place
    QCOMPARE(grid.rowCount(), 4);
    QCOMPARE(grid.currentRow(), 2);
    QCOMPARE(grid.cells(Code, grid.currentRow()), QStringLiteral("R2"));
    QCOMPARE(rowSpy.count(), 1);
    grid.deleteRow(0);
    QCOMPARE(grid.currentRow(), 1);                 // still on R2
    QCOMPARE(grid.cells(Code, 1), QStringLiteral("R2"));

    // ticks and sorting work on the plain grid the same way
    grid.setCurrentCell(Sel, 0);
    QTest::keyClick(&grid, Qt::Key_Space);
    QCOMPARE(grid.cells(Sel, 0), QStringLiteral("1"));
    grid.sortByTitle(Code);
    QCOMPARE(grid.cells(Code, 0), QStringLiteral("R9"));

    grid.setRowCount(1);
    QCOMPARE(grid.rowCount(), 1);
    grid.clearRows();
    QCOMPARE(grid.rowCount(), 0);
    QCOMPARE(grid.currentRow(), -1);
}

QTEST_MAIN(TestGrids)
#include "tst_grids.moc"
