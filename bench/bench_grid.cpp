// Loads 100,000 rows x 10 columns into a RecordSet shown by a DataGrid and
// reports the time until the grid has painted and the peak memory.
//
//   bench_grid [rows]

#include "BenchSupport.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>

#include <cstdio>

using namespace widgets;

namespace {

class PaintWatch final : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

// Runs the event loop until the viewport has painted once more.
qint64 untilPainted(QApplication &app, QWidget *viewport, PaintWatch &watch, QElapsedTimer &clock)
{
    watch.painted = false;
    viewport->update();
    while (!watch.painted && clock.elapsed() < 60000)
        app.processEvents(QEventLoop::AllEvents, 5);
    app.processEvents();
    return clock.elapsed();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const long baseKb = peakMemoryKb();

    QElapsedTimer clock;
    clock.start();

    RecordSet records;
    records.setFields({{"CHK"},
                       {"PURC_DATE", FieldKind::Date},
                       {"PURC_NO"},
                       {"ITEM_CODE"},
                       {"ITEM_NAME"},
                       {"QTY", FieldKind::Number, "#,##0.0"},
                       {"COST_AMT", FieldKind::Number, "#,##0.0000"},
                       {"AMT", FieldKind::Number, "#,##0"},
                       {"C_NAME"},
                       {"REMARK"}});
    records.beginLoad(rows);
    for (int i = 0; i < rows; ++i)
        records.appendRow(sampleRow(i));
    records.endLoad();
    const qint64 loaded = clock.elapsed();

    DataGrid grid;
    grid.setColumns({
        // field        title        width  format          options
        {"CHK",        "선택",         40,  {},             col::Tick},
        {"PURC_DATE",  "의뢰일자",     90,  "yyyy-mm-dd"},
        {"PURC_NO",    "의뢰번호",    110},
        {"ITEM_CODE",  "품목코드",     80},
        {"ITEM_NAME",  "품 목 명",    160},
        {"QTY",        "수량",         80,  "#,##0.0",      col::Sortable},
        {"COST_AMT",   "단  가",      100,  "#,##0.0000"},
        {"AMT",        "금  액",      110,  "#,##0"},
        {"C_NAME",     "거래처명",    120},
        {"REMARK",     "비고",        150},
    });
    grid.setFixedColumns(3);
    grid.addColumnGroup(QStringLiteral("금액"), 5, 7);
    grid.setFooterTitle(0, QStringLiteral("갯수"));
    grid.setRowStyler([&records](int row, CellStyle &style) {
        if (records.at(row, 0).toString() == u"1")
            style.background = QColor(0xA6, 0xCA, 0xF0);
    });
    grid.setRecordSet(&records);
    grid.showRowCount(0, 1);
    grid.showColumnSum(0, 7);
    grid.resize(1000, 700);

    PaintWatch watch;
    grid.viewport()->installEventFilter(&watch);
    const qint64 shown = clock.elapsed();
    grid.show();
    const qint64 firstPaint = untilPainted(app, grid.viewport(), watch, clock);

    QElapsedTimer step;
    step.start();
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    untilPainted(app, grid.viewport(), watch, step);
    const qint64 scrollToEnd = step.elapsed();

    step.restart();
    grid.sortByTitle(5);
    untilPainted(app, grid.viewport(), watch, step);
    const qint64 sortAndPaint = step.elapsed();

    std::printf("rows: %d x 10 columns\n", records.recordCount());
    std::printf("load_ms: %lld\n", static_cast<long long>(loaded));
    std::printf("first_paint_ms: %lld (from the start; show to paint %lld)\n", static_cast<long long>(firstPaint),
                static_cast<long long>(firstPaint - shown));
    std::printf("scroll_to_end_paint_ms: %lld\n", static_cast<long long>(scrollToEnd));
    std::printf("sort_and_paint_ms: %lld\n", static_cast<long long>(sortAndPaint));
    std::printf("vmhwm_kb: %ld (at start %ld)\n", peakMemoryKb(), baseKb);
    return watch.painted ? 0 : 1;
}
