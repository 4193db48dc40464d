// Exports 100,000 rows x 10 columns to a spreadsheet file, from a data-bound
// grid, a plain grid and a record set, and reports the time of each export
// and the peak memory. An .xls file holds 65,533 data rows (the rest of a
// longer list is not written, so the counts show both); an .xlsx file holds
// 1,048,573, written with constant memory:
//
//   bench_export [rows] [bound|plain|records] [xls|xlsx]
//   bench_export 1000000 bound xlsx

#include "BenchSupport.h"
#include "framework/ExcelExport.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include <QApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

using namespace widgets;

namespace {

// Names the file and declines opening it.
class Answers final : public DialogResponder {
public:
    QString file;
    bool message(MessageKind, const QString &, const QString &) override { return false; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override { return file; }
    int execDialog(QDialog *) override { return 0; }
};

const QVector<GridColumn> kColumns{
    // field        title        width  format
    {"CHK",        "선택",         40},
    {"PURC_DATE",  "의뢰일자",     90,  "yyyy-mm-dd"},
    {"PURC_NO",    "의뢰번호",    110},
    {"ITEM_CODE",  "품목코드",     80},
    {"ITEM_NAME",  "품 목 명",    160},
    {"QTY",        "수량",         80,  "#,##0.0"},
    {"COST_AMT",   "단  가",      100,  "#,##0.0000"},
    {"AMT",        "금  액",      110,  "#,##0"},
    {"C_NAME",     "거래처명",    120},
    {"REMARK",     "비고",        150},
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const char *only = argc > 2 ? argv[2] : nullptr;
    const QString extension = argc > 3 && std::strcmp(argv[3], "xlsx") == 0 ? QStringLiteral(".xlsx") : QStringLiteral(".xls");
    const excel::Format format = excel::formatOf(extension);
    auto wanted = [only](const char *name) { return !only || std::strcmp(only, name) == 0; };

    QTemporaryDir dir;
    Answers answers;
    setDialogResponder(&answers);
    std::printf("rows: %d x 10 columns\n", rows);
    std::printf("vmhwm_kb at start: %ld\n", peakMemoryKb());

    RecordSet records;
    QVector<Field> fields;
    for (const GridColumn &c : kColumns) {
        FieldKind kind = FieldKind::Text;
        if (c.format == u"yyyy-mm-dd")
            kind = FieldKind::Date;
        else if (!c.format.isEmpty())
            kind = FieldKind::Number;
        fields.append({c.field, kind, c.format});
    }
    records.setFields(fields);
    records.beginLoad(rows);
    for (int i = 0; i < rows; ++i)
        records.appendRow(sampleRow(i));
    records.endLoad();
    DataGrid bound;
    bound.setColumns(kColumns);
    bound.setRecordSet(&records);
    std::printf("vmhwm_kb after loading the list: %ld\n", peakMemoryKb());

    auto run = [&](const char *name, const std::function<bool()> &exportIt) {
        answers.file = dir.filePath(QString::fromLatin1(name) + extension);
        QElapsedTimer clock;
        clock.start();
        const bool ok = exportIt();
        const qint64 ms = clock.elapsed();
        std::printf("%-8s export_ms: %lld  file_kb: %lld  written: %s  vmhwm_kb: %ld\n", name,
                    static_cast<long long>(ms), static_cast<long long>(QFileInfo(answers.file).size() / 1024),
                    ok ? "yes" : "NO", peakMemoryKb());
    };
    std::printf("format: %s, data rows written: %d (format limit %d)\n", qPrintable(extension),
                qMin(rows, excel::maxDataRows(format)), excel::maxDataRows(format));
    if (wanted("bound"))
        run("bound", [&] { return ExportGridToExcel(&bound, QStringLiteral("벤치마크")); });
    if (wanted("records"))
        run("records", [&] { return ExportGridToExcel(&records, QStringLiteral("벤치마크")); });
    if (wanted("plain")) {
        PlainGrid plain;
        plain.setColumns(kColumns);
        plain.setRowCount(rows);
        for (int r = 0; r < rows; ++r) {
            const QVector<QVariant> values = sampleRow(r);
            for (int c = 0; c < values.size(); ++c)
                plain.setCells(c, r, values.at(c).toString());
        }
        std::printf("vmhwm_kb after filling the plain grid: %ld\n", peakMemoryKb());
        run("plain", [&] { return ExportGridToExcel(&plain, QStringLiteral("벤치마크")); });
    }
    setDialogResponder(nullptr);
    return 0;
}
