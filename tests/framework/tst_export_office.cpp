// An exported file, .xls and .xlsx, as an office suite reads it: converted
// to CSV by LibreOffice (text cells quoted, number cells bare), Korean
// legible and numbers as numbers; a list longer than an .xls sheet whole in
// the .xlsx file.

#include "framework/ExcelExport.h"
#include "support/DialogRecorder.h"
#include "widgets/DataGrid.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace widgets;

namespace {

struct CsvCell {
    QString text;
    bool quoted = false;
    bool operator==(const CsvCell &o) const { return text == o.text && quoted == o.quoted; }
};
using CsvRows = QList<QList<CsvCell>>;

CsvCell txt(const QString &s) { return {s, true}; }
CsvCell num(const QString &s) { return {s, false}; }

CsvRows parseCsv(const QString &data)
{
    CsvRows rows;
    QList<CsvCell> row;
    CsvCell cell;
    bool inQuotes = false;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const QChar c = data.at(i);
        if (inQuotes) {
            if (c == u'"' && i + 1 < data.size() && data.at(i + 1) == u'"') {
                cell.text += c;
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                cell.text += c;
            }
        } else if (c == u'"') {
            inQuotes = true;
            cell.quoted = true;
        } else if (c == u',') {
            row.append(cell);
            cell = {};
        } else if (c == u'\n') {
            row.append(cell);
            rows.append(row);
            row.clear();
            cell = {};
        } else if (c != u'\r') {
            cell.text += c;
        }
    }
    if (!cell.text.isEmpty() || !row.isEmpty()) {
        row.append(cell);
        rows.append(row);
    }
    return rows;
}

// Text as UTF-8, text cells quoted, numbers as shown under the general format.
const char *const kCsvFilter = "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,,true";

CsvRows convert(const QString &xls, const QString &outDir, QString *failure)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) {
        *failure = QStringLiteral("soffice not found; tools/install-deps.sh installs libreoffice-calc-nogui");
        return {};
    }
    // A profile of its own, so that parallel runs do not share one.
    QTemporaryDir profile;
    QProcess office;
    office.setProcessChannelMode(QProcess::MergedChannels);
    office.start(soffice, {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                           QStringLiteral("--headless"), QStringLiteral("--convert-to"), QString::fromLatin1(kCsvFilter),
                           QStringLiteral("--outdir"), outDir, xls});
    if (!office.waitForFinished(300000)) {
        office.kill();
        office.waitForFinished();
        *failure = QStringLiteral("soffice did not finish in five minutes");
        return {};
    }
    QFile csv(outDir + u'/' + QFileInfo(xls).completeBaseName() + QStringLiteral(".csv"));
    if (!csv.open(QIODevice::ReadOnly)) {
        *failure = QStringLiteral("no CSV written: ") + QString::fromLocal8Bit(office.readAll());
        return {};
    }
    return parseCsv(QString::fromUtf8(csv.readAll()));
}

QString dump(const CsvRows &rows)
{
    QStringList lines;
    for (const auto &row : rows) {
        QStringList cells;
        for (const CsvCell &c : row)
            cells << (c.quoted ? u'"' + c.text + u'"' : c.text);
        lines << cells.join(u',');
    }
    return lines.join(u'\n');
}

} // namespace

class TestExportOffice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readByLibreOffice()
    {
        QTemporaryDir dir;
        DialogRecorder dialogs;

        RecordSet records;
        records.setFields({{"ITEM_CODE"}, {"ITEM_NAME"}, {"PURC_DATE", FieldKind::Date, "yyyy-mm-dd"},
                           {"QTY", FieldKind::Number, "#,##0.0"}, {"AMT", FieldKind::Number, "#,##0"}, {"MEMO"}});
        records.beginLoad();
        records.appendRow({"00012", "배추 (국산)", "2004-03-01", 12.5, 1234567.0, "1,234"});
        records.appendRow({"00013", "똠얌 소스, \"특\"", "20040302", 3.0, QVariant(), "비고"});
        records.endLoad();
        DataGrid bound;
        bound.setColumns({{"ITEM_CODE", "품목코드", 60}, {"ITEM_NAME", "품  목  명", 120}, {"PURC_DATE", "일자", 80},
                          {"QTY", "수량", 60, "#,##0.0"}, {"AMT", "금액", 80, "#,##0"}, {"MEMO", "비고", 0}});
        bound.setRecordSet(&records);

        PlainGrid plain;
        plain.setColumns({{"C", "코드", 60}, {"N", "이름", 80}, {"Q", "수량", 60}});
        plain.setRowCount(1);
        plain.setCells(0, 0, QStringLiteral("00012"));
        plain.setCells(1, 0, QStringLiteral("가나다"));
        plain.setCells(2, 0, QStringLiteral("1,234.5"));

        const CsvRows expectedBound{
            {txt("품목 리스트"), {}, {}, {}, {}},   // no screen: the subtitle alone
            {{}, {}, {}, {}, {}},
            {txt("품목코드"), txt("품  목  명"), txt("일자"), txt("수량"), txt("금액")},
            {txt("00012"), txt("배추 (국산)"), txt("2004-03-01"), num("12.5"), num("1234567")},
            {txt("00013"), txt("똠얌 소스, \"특\""), txt("2004-03-02"), num("3"), num("0")},
        };
        // Whatever reads as a number in a plain grid becomes one, codes included.
        const CsvRows expectedPlain{
            {txt("코드"), txt("이름"), txt("수량")},
            {num("12"), txt("가나다"), num("1234.5")},
        };
        for (const QString ext : {QStringLiteral(".xls"), QStringLiteral(".xlsx")}) {
            const QString boundFile = dir.filePath(QStringLiteral("bound") + ext);
            const QString plainFile = dir.filePath(QStringLiteral("plain") + ext);
            dialogs.fileNames << boundFile << plainFile;
            QVERIFY(ExportGridToExcel(&bound, QStringLiteral("품목 리스트")));
            QVERIFY(ExportGridToExcel(&plain, QString()));

            QString failure;
            const CsvRows b = convert(boundFile, dir.path(), &failure);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            QVERIFY2(b == expectedBound, qPrintable(ext + u'\n' + dump(b)));
            const CsvRows p = convert(plainFile, dir.path(), &failure);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
            QVERIFY2(p.size() == 4 && p.mid(2) == expectedPlain, qPrintable(ext + u'\n' + dump(p)));
        }
    }

    void longListWholeInXlsx()
    {
        QTemporaryDir dir;
        DialogRecorder dialogs;
        RecordSet records;
        records.setFields({{"NO", FieldKind::Number, "#,##0"}, {"NAME"}});
        const int rows = excel::kMaxDataRows + 1000;
        records.beginLoad(rows);
        for (int i = 1; i <= rows; ++i)
            records.appendRow({double(i), QStringLiteral("행 %1").arg(i)});
        records.endLoad();
        dialogs.fileNames << dir.filePath(QStringLiteral("long.xls"));
        dialogs.answerYes();   // take .xlsx
        QVERIFY(ExportGridToExcel(&records, QString()));

        QString failure;
        const CsvRows csv = convert(dir.filePath(QStringLiteral("long.xlsx")), dir.path(), &failure);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        QCOMPARE(csv.size(), rows + 3);
        QCOMPARE(csv.at(3), (QList<CsvCell>{num("1"), txt("행 1")}));
        QCOMPARE(csv.last(), (QList<CsvCell>{num(QString::number(rows)), txt(QStringLiteral("행 %1").arg(rows))}));
    }
};

QTEST_MAIN(TestExportOffice)
#include "tst_export_office.moc"
