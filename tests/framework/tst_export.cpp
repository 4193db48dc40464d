// The spreadsheet export: the records written for each kind of source, the
// choice between number and text cells, hidden columns, the title, CP949
// text, the file dialog, overwrite and open questions, write errors and the
// "엑셀" button of the entry controller. Files are read back with a record
// reader of their own.

#include "framework/ExcelExport.h"
#include "framework/ZOI010.h"
#include "support/DialogRecorder.h"
#include "widgets/DataGrid.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include "support/BiffReader.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

using namespace widgets;

namespace {

// Keeps what the save dialog was offered as well.
class Recorder : public DialogRecorder {
public:
    QString saveFileName(QWidget *parent, const QString &caption, const QString &fileName,
                         const QString &filter) override
    {
        ++saveDialogs;
        proposed = fileName;
        offeredFilter = filter;
        return DialogRecorder::saveFileName(parent, caption, fileName, filter);
    }
    int saveDialogs = 0;
    QString proposed;
    QString offeredFilter;
};

// An entry screen whose list is a plain grid.
class Screen : public TfrmZOI010 {
public:
    Screen() : TfrmZOI010(QStringLiteral("ZZT020"))
    {
        grid = new PlainGrid(panDisplay);
        grid->setObjectName(QStringLiteral("rgrList"));
        panDisplay->layout()->addWidget(grid);
        FormCreate();
    }
    void offerExcel(const QString &subtitle)
    {
        setExcelGrid(grid, subtitle);
        bbtExcel->show();
    }
    PlainGrid *grid;
};

template <typename Source>
biff::Sheet sheetOf(const Source &source, const QString &title = QStringLiteral("제목"))
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    excel::writeSheet(buffer, title, source);
    return biff::parse(buffer.data());
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        opened.clear();
        excel::setFileOpener([this](const QString &path) { opened.append(path); });
    }
    void cleanup() { excel::setFileOpener({}); }

    void recordsOfADataBoundGrid();
    void numberOrTextCell_data();
    void numberOrTextCell();
    void hiddenColumnsAreLeftOut();
    void recordSetExportsEveryField();
    void koreanTextInCp949();
    void formatLimits();
    void title_data();
    void title();
    void extension_data();
    void extension();
    void saveDialogAndQuestions();
    void nothingToExport();
    void overwriteDeclinedKeepsTheOldFile();
    void writeErrors();
    void longListOffersXlsx();
    void xlsxChosenInTheDialog();
    void excelButtonOfTheController();

private:
    QStringList opened;
};

// The whole record stream of a small list, in order.
void TestExport::recordsOfADataBoundGrid()
{
    RecordSet records;
    records.setFields({{"CODE"}, {"AMT", FieldKind::Number, "#,##0"}});
    records.beginLoad();
    records.appendRow({QStringLiteral("A1"), 1500.0});
    records.endLoad();
    DataGrid grid;
    grid.setColumns({{"CODE", "코드", 60}, {"AMT", "금액", 80, "#,##0"}});
    grid.setRecordSet(&records);

    const biff::Sheet sheet = sheetOf(grid, QStringLiteral("목록 - 부분"));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    const QVector<quint16> expected{0x0809, 0x0042, 0x0204, 0x0204, 0x0204, 0x0204, 0x0203, 0x000A};
    QCOMPARE(sheet.types(), expected);
    QCOMPARE(sheet.records.at(0).data, QByteArray::fromHex("0000100000000000"));
    QCOMPARE(sheet.records.at(1).data, QByteArray::fromHex("b503"));   // 949
    QVERIFY(sheet.records.last().data.isEmpty());
    for (const biff::Cell &cell : sheet.cells)
        QCOMPARE(cell.format, quint16(0));
    QCOMPARE(sheet.text(0, 0), QStringLiteral("목록 - 부분"));
    QCOMPARE(sheet.rowTexts(1), QStringList());
    QCOMPARE(sheet.rowTexts(2), (QStringList{"코드", "금액"}));
    QCOMPARE(sheet.text(3, 0), QStringLiteral("A1"));
    QVERIFY(sheet.cell(3, 1).isNumber());
    QCOMPARE(sheet.cell(3, 1).number, 1500.0);
}

void TestExport::numberOrTextCell_data()
{
    QTest::addColumn<bool>("plain");            // plain grid, else data-bound grid
    QTest::addColumn<int>("kind");              // field kind of the data-bound grid
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("number");
    QTest::addColumn<QVariant>("written");      // double or text

    const int text = int(FieldKind::Text), num = int(FieldKind::Number), date = int(FieldKind::Date);
    QTest::newRow("plain 1,234") << true << text << QVariant("1,234") << true << QVariant(1234.0);
    QTest::newRow("plain blank-led -12.5") << true << text << QVariant("  -12.5") << true << QVariant(-12.5);
    QTest::newRow("plain number value") << true << text << QVariant(0.1) << true << QVariant(0.1);
    QTest::newRow("plain leading zeros") << true << text << QVariant("0012") << true << QVariant(12.0);
    QTest::newRow("plain 12a") << true << text << QVariant("12a") << false << QVariant("12a");
    QTest::newRow("plain date") << true << text << QVariant("2004-03-01") << false << QVariant("2004-03-01");
    QTest::newRow("plain empty") << true << text << QVariant() << false << QVariant("");
    QTest::newRow("bound text 1,234") << false << text << QVariant("1,234") << false << QVariant("1,234");
    QTest::newRow("bound text 0012") << false << text << QVariant("0012") << false << QVariant("0012");
    QTest::newRow("bound number") << false << num << QVariant(1234.5) << true << QVariant(1234.5);
    QTest::newRow("bound number empty") << false << num << QVariant() << true << QVariant(0.0);
    QTest::newRow("bound date") << false << date << QVariant("20040301") << false << QVariant("2004-03-01");
}

void TestExport::numberOrTextCell()
{
    QFETCH(bool, plain);
    QFETCH(int, kind);
    QFETCH(QVariant, stored);
    QFETCH(bool, number);
    QFETCH(QVariant, written);

    biff::Sheet sheet;
    if (plain) {
        PlainGrid grid;
        grid.setColumns({{"V", "값", 80}});
        grid.setRowCount(1);
        grid.setCellValue(0, 0, stored);
        sheet = sheetOf(grid);
    } else {
        RecordSet records;
        records.setFields({{"V", FieldKind(kind), kind == int(FieldKind::Date) ? "yyyy-mm-dd" : ""}});
        records.beginLoad();
        records.appendRow({stored});
        records.endLoad();
        DataGrid grid;
        grid.setColumns({{"V", "값", 80}});
        grid.setRecordSet(&records);
        sheet = sheetOf(grid);
    }
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    const biff::Cell cell = sheet.cell(3, 0);
    QCOMPARE(cell.isNumber(), number);
    if (number)
        QCOMPARE(cell.number, written.toDouble());
    else
        QCOMPARE(cell.text, written.toString());
}

// A hidden column is in neither headings nor data; the following ones move left.
void TestExport::hiddenColumnsAreLeftOut()
{
    const QVector<GridColumn> columns{{"A", "가", 60}, {"B", "나", 60}, {"C", "다", 60}, {"D", "라", 0}};
    RecordSet records;
    records.setFields({{"A"}, {"B"}, {"C"}, {"D"}});
    records.beginLoad();
    records.appendRow({"a", "b", "c", "d"});
    records.endLoad();
    DataGrid bound;
    bound.setColumns(columns);
    bound.setRecordSet(&records);
    bound.setColumnVisible(1, false);
    PlainGrid plain;
    plain.setColumns(columns);
    plain.setRowCount(1);
    for (int c = 0; c < 4; ++c)
        plain.setCells(c, 0, QString(QChar(u'a' + c)));
    plain.setColumnVisible(1, false);

    for (const biff::Sheet &sheet : {sheetOf(bound), sheetOf(plain)}) {
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.rowTexts(2), (QStringList{"가", "다"}));
        QCOMPARE(sheet.rowTexts(3), (QStringList{"a", "c"}));
        QVERIFY(!sheet.has(2, 2) && !sheet.has(3, 2));
    }
}

void TestExport::recordSetExportsEveryField()
{
    RecordSet records;
    records.setFields({{"ITEM_CODE"}, {"QTY", FieldKind::Number, "#,##0.0"}});
    records.beginLoad();
    records.appendRow({"10000001", 2.5});
    records.appendRow({"10000002", 7.0});
    records.endLoad();
    const biff::Sheet sheet = sheetOf(records);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.rowTexts(2), (QStringList{"ITEM_CODE", "QTY"}));
    QCOMPARE(sheet.rowTexts(3), (QStringList{"10000001", "2.5"}));
    QVERIFY(sheet.cell(4, 1).isNumber());
    QCOMPARE(sheet.maxRow(), 4);
}

// Hangul of the extended code page (똠) and a sign outside it.
void TestExport::koreanTextInCp949()
{
    PlainGrid grid;
    grid.setColumns({{"V", "품목명", 80}});
    grid.setRowCount(2);
    grid.setCells(0, 0, QStringLiteral("한글 똠방각하 €"));
    grid.setCells(0, 1, QStringLiteral("A😀B"));
    const biff::Sheet sheet = sheetOf(grid);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.cell(3, 0).bytes, QByteArray::fromHex("c7d1b1db208c63b9e6b0a2c7cf20a2e6"));
    QCOMPARE(sheet.text(2, 0), QStringLiteral("품목명"));
    QCOMPARE(sheet.cell(4, 0).bytes, QByteArray("A?B"));
}

// Row numbers and text lengths are 16 bits wide.
void TestExport::formatLimits()
{
    RecordSet records;
    records.setFields({{"V"}});
    records.beginLoad();
    records.appendRow({QString(40000, QChar(u'한'))});   // 80,000 bytes
    records.appendRow({QString(70000, QChar(u'x'))});
    for (int i = 2; i < excel::kMaxDataRows + 5; ++i)
        records.appendRow({QString()});
    records.endLoad();
    const biff::Sheet sheet = sheetOf(records);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.cell(3, 0).bytes.size(), 65526);   // whole characters only
    QCOMPARE(sheet.cell(3, 0).text, QString(32763, QChar(u'한')));
    QCOMPARE(sheet.cell(4, 0).bytes.size(), 65527);
    QCOMPARE(sheet.maxRow(), 65535);
}

void TestExport::title_data()
{
    QTest::addColumn<QString>("windowTitle");
    QTest::addColumn<QString>("subtitle");
    QTest::addColumn<QString>("title");
    QTest::newRow("caption and subtitle") << "품목코드등록" << "품목 리스트" << "품목코드등록 - 품목 리스트";
    QTest::newRow("empty subtitle") << "품목코드등록" << "" << "품목코드등록";
    QTest::newRow("no caption: form name") << "" << "품목 리스트" << "frmZZT020 - 품목 리스트";
}

void TestExport::title()
{
    QFETCH(QString, windowTitle);
    QFETCH(QString, subtitle);
    QFETCH(QString, title);
    QTemporaryDir dir;
    Recorder dialogs;
    Screen screen;
    screen.setWindowTitle(windowTitle);
    dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("t.xls")));
    QVERIFY(ExportGridToExcel(screen.grid, subtitle));   // the screen found as the grid's parent
    QCOMPARE(biff::read(dir.filePath(QStringLiteral("t.xls"))).text(0, 0), title);
}

void TestExport::extension_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow(".txt") << "list.txt" << "list.xls";
    QTest::newRow("none") << "list" << "list.xls";
    QTest::newRow(".XLS") << "list.XLS" << "list.XLS";
    QTest::newRow("two dots") << "list.2004.txt" << "list.2004.xls";
    QTest::newRow("dotted folder") << "v1.0/list" << "v1.0/list.xls";
}

void TestExport::extension()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(excel::withExtension(chosen, excel::Format::Xls), written);
}

// Dialog, extension rule, open question and the opener, on a plain grid
// that is exported even when it has no rows.
void TestExport::saveDialogAndQuestions()
{
    QTemporaryDir dir;
    Recorder dialogs;
    Screen screen;
    screen.grid->setColumns({{"CODE", "코드", 60}});
    const QString chosen = dir.filePath(QStringLiteral("목록.txt"));
    const QString written = dir.filePath(QStringLiteral("목록.xls"));
    dialogs.fileNames.enqueue(chosen);
    dialogs.answerYes();
    QVERIFY(ExportGridToExcel(screen.grid, QString()));

    QCOMPARE(dialogs.proposed, QStringLiteral("ZZT020"));
    QCOMPARE(dialogs.offeredFilter, QStringLiteral("Excel 파일(*.xls);;Excel 통합 문서(*.xlsx)"));
    QVERIFY(!QFile::exists(chosen));
    const biff::Sheet sheet = biff::read(written);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.rowTexts(2), QStringList{"코드"});
    QCOMPARE(sheet.maxRow(), 2);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].kind, MessageKind::Question);
    QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Excel"));
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("저장한 파일(") + written + QStringLiteral(")을 Excel로 불러 올까요?"));
    QCOMPARE(opened, QStringList{written});

    // Declining the open question opens nothing; cancelling the dialog says so.
    dialogs.clear();
    dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("b.xls")));
    dialogs.answerNo();
    QVERIFY(ExportGridToExcel(screen.grid, QString()));
    QCOMPARE(opened.size(), 1);
    QVERIFY(!ExportGridToExcel(screen.grid, QString()));
    QCOMPARE(screen.statusText(1), QStringLiteral("저장할 파일 이름을 지정하지 않았습니다."));

    // Without a screen the proposed name is "Temp".
    PlainGrid loose;
    QVERIFY(!ExportGridToExcel(&loose, QString()));
    QCOMPARE(dialogs.proposed, QStringLiteral("Temp"));
}

// A data-bound grid or record set that was never searched asks nothing.
void TestExport::nothingToExport()
{
    Recorder dialogs;
    Screen screen;
    DataGrid unbound(screen.panDisplay);
    RecordSet closed(&screen);   // no fields yet
    DataGrid bound(screen.panDisplay);
    bound.setRecordSet(&closed);
    QVERIFY(!ExportGridToExcel(&unbound, QString()));
    QVERIFY(!ExportGridToExcel(&bound, QString()));
    QVERIFY(!ExportGridToExcel(&closed, QString()));
    QCOMPARE(dialogs.saveDialogs, 0);
    QVERIFY(dialogs.messages.isEmpty());
    QCOMPARE(screen.statusText(1), QStringLiteral("조회 결과가 없습니다. 조회를 먼저 하십시오."));
}

void TestExport::overwriteDeclinedKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("old.xls"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old content");
    }
    Recorder dialogs;
    Screen screen;
    screen.grid->setColumns({{"CODE", "코드", 60}});
    dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("old.txt")));   // becomes old.xls
    dialogs.answerNo();
    QVERIFY(!ExportGridToExcel(screen.grid, QString()));
    QCOMPARE(fileBytes(path), QByteArray("old content"));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].kind, MessageKind::Question);
    QCOMPARE(dialogs.messages[0].caption, QStringLiteral("덮어쓰기"));
    QCOMPARE(dialogs.messages[0].text,
             QStringLiteral("이미 존재하는 파일(") + path + QStringLiteral(") 입니다.\n\n새 내용으로 덮어쓸까요?"));

    // Yes replaces it.
    dialogs.clear();
    dialogs.fileNames.enqueue(path);
    dialogs.answerYes();
    QVERIFY(ExportGridToExcel(screen.grid, QString()));
    QVERIFY(fileBytes(path).startsWith(QByteArray::fromHex("09080800")));
}

// A file that cannot be created, and a full disk: the error box; what was
// written stays.
void TestExport::writeErrors()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("plain")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(QFile::link(QStringLiteral("/dev/full"), dir.filePath(QStringLiteral("full.xls"))));

    Recorder dialogs;
    Screen screen;
    screen.grid->setColumns({{"CODE", "코드", 60}});
    dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("plain/list.xls")));
    QVERIFY(!ExportGridToExcel(screen.grid, QString()));
    dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("full.xls")));
    dialogs.answerYes();   // overwrite
    QVERIFY(!ExportGridToExcel(screen.grid, QString()));

    QCOMPARE(dialogs.messages.size(), 3);
    for (int i : {0, 2}) {
        QCOMPARE(dialogs.messages[i].kind, MessageKind::Error);
        QCOMPARE(dialogs.messages[i].caption, QStringLiteral("저장오류"));
        QCOMPARE(dialogs.messages[i].text, QStringLiteral("Excel 파일로 저장할 수 없습니다."));
    }
    QVERIFY(opened.isEmpty());
}

// A list longer than an .xls sheet: the user is told and offered .xlsx; Yes
// writes the whole list as .xlsx, No the rows that fit into the .xls file,
// and the status bar says how many were left out.
void TestExport::longListOffersXlsx()
{
    QTemporaryDir dir;
    Recorder dialogs;
    Screen screen;
    RecordSet records(&screen);
    records.setFields({{"N", FieldKind::Number, "#,##0"}});
    records.beginLoad();
    for (int i = 0; i < excel::kMaxDataRows + 2; ++i)
        records.appendRow({double(i)});
    records.endLoad();
    const QString offer = QStringLiteral("조회된 자료 65,535건은 .xls 파일에 다 들어가지 않습니다(최대 65,533건).\n\n"
                                         ".xlsx 파일로 저장할까요?\n(아니오: 앞의 65,533건만 .xls 파일로 저장합니다.)");

    dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("long.xls")));
    dialogs.answerYes();
    QVERIFY(ExportGridToExcel(&records, QString()));
    QCOMPARE(dialogs.messages.at(0).text, offer);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("long.xls"))));
    QVERIFY(fileBytes(dir.filePath(QStringLiteral("long.xlsx"))).startsWith("PK\x03\x04"));
    QCOMPARE(opened, QStringList());
    QCOMPARE(screen.statusText(1), QString());

    dialogs.clear();
    dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("cut.txt")));
    dialogs.answerNo(2);   // .xls after all, and do not open it
    QVERIFY(ExportGridToExcel(&records, QString()));
    QCOMPARE(dialogs.messages.at(0).text, offer);
    const biff::Sheet sheet = biff::read(dir.filePath(QStringLiteral("cut.xls")));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.maxRow(), 65535);
    QCOMPARE(sheet.cell(65535, 0).number, double(excel::kMaxDataRows - 1));
    QCOMPARE(screen.statusText(1), QStringLiteral("전체 65,535건 중 앞의 65,533건만 저장했습니다."));

    // A list that fits asks nothing about the format.
    records.removeRows(0, 2);
    dialogs.clear();
    dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("fits.xls")));
    QVERIFY(ExportGridToExcel(&records, QString()));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages.at(0).caption, QStringLiteral("Excel"));
    QVERIFY(dialogs.messages.at(0).text.startsWith(QStringLiteral("저장한 파일(")));
    QCOMPARE(biff::read(dir.filePath(QStringLiteral("fits.xls"))).maxRow(), 65535);
}

// .xlsx chosen in the dialog (any case) is written as .xlsx, with the same
// overwrite question; a file that cannot be created gives the error box.
void TestExport::xlsxChosenInTheDialog()
{
    QTemporaryDir dir;
    Recorder dialogs;
    Screen screen;
    screen.grid->setColumns({{"CODE", "코드", 60}});
    const QString path = dir.filePath(QStringLiteral("list.XLSX"));
    dialogs.fileNames.enqueue(path);
    dialogs.answerYes();
    QVERIFY(ExportGridToExcel(screen.grid, QString()));
    QVERIFY(fileBytes(path).startsWith("PK\x03\x04"));
    QCOMPARE(opened, QStringList{path});

    dialogs.clear();
    dialogs.fileNames.enqueue(path);
    dialogs.answerNo();
    QVERIFY(!ExportGridToExcel(screen.grid, QString()));
    QCOMPARE(dialogs.messages.at(0).caption, QStringLiteral("덮어쓰기"));

    dialogs.clear();
    dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("missing/list.xlsx")));
    QVERIFY(!ExportGridToExcel(screen.grid, QString()));
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages.at(0).caption, QStringLiteral("저장오류"));
    QCOMPARE(dialogs.messages.at(0).text, QStringLiteral("Excel 파일로 저장할 수 없습니다."));
}

// "엑셀" of the controller exports the screen's list grid with its subtitle;
// hidden, it does nothing.
void TestExport::excelButtonOfTheController()
{
    QTemporaryDir dir;
    Recorder dialogs;
    Screen screen;
    screen.setWindowTitle(QStringLiteral("품목코드등록"));
    screen.grid->setColumns({{"ITEM_CODE", "품목코드", 70}, {"QTY", "수량", 60}});
    screen.grid->setRowCount(1);
    screen.grid->setCells(0, 0, QStringLiteral("10000001"));
    screen.grid->setCells(1, 0, QStringLiteral("1,234.5"));
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    screen.bbtExcelClick();   // not offered yet
    QCOMPARE(dialogs.saveDialogs, 0);

    screen.offerExcel(QStringLiteral("품목 리스트"));
    dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("list")));
    QTest::mouseClick(screen.bbtExcel, Qt::LeftButton);
    QCOMPARE(dialogs.saveDialogs, 1);
    const biff::Sheet sheet = biff::read(dir.filePath(QStringLiteral("list.xls")));
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QCOMPARE(sheet.text(0, 0), QStringLiteral("품목코드등록 - 품목 리스트"));
    QCOMPARE(sheet.rowTexts(2), (QStringList{"품목코드", "수량"}));
    QCOMPARE(sheet.cell(3, 0).number, 10000001.0);
    QCOMPARE(sheet.cell(3, 1).number, 1234.5);
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
