// The declared list screen as a user meets it: it opens empty with its
// columns, a search fills the master grid, the detail grid follows the
// master's current row, footers count and sum, "엑셀" exports the master
// grid, print and preview reach the printer dialog and the preview window,
// and a failing detail or printout is shown, not thrown.

#include "support/BiffReader.h"
#include "framework/ExcelExport.h"
#include "framework/ListScreen.h"
#include "framework/ZZP010.h"
#include "reports/Preview.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QToolButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum ClassColumn { DivideCode, DivideName };
enum ItemColumn { ItemCode, ItemName, CostAmt };

ListScreenSpec classList()
{
    return {
        QStringLiteral("시험 목록"),
        {{QStringLiteral("기준일"), QStringLiteral("medBASE_DATE"), QStringLiteral("BASE_DATE"), ListSearchField::Date},
         {QStringLiteral("분류코드"), QStringLiteral("edtDIVIDE_CODE_S"), QStringLiteral("DIVIDE_CODE"), ListSearchField::Text, 5}},
        QStringLiteral("SELECT DIVIDE_CODE, DIVIDE_NAME FROM OX030MS "
                       "WHERE DIVIDE_CODE LIKE COALESCE(:DIVIDE_CODE,'') || '%' "
                       "AND COALESCE(:BASE_DATE,'') = TO_CHAR(SYSDATE(),'YYYY-MM-DD') ORDER BY DIVIDE_CODE"),
        {QStringLiteral("rgdClasses"),
         {{"DIVIDE_CODE", "분류코드", 70}, {"DIVIDE_NAME", "분 류 명", 160}},
         {},
         1,
         {{QStringLiteral("갯수"), DivideCode}}},
        QStringLiteral("SELECT ITEM_CODE, ITEM_NAME, COST_AMT FROM OX010MS WHERE DIVIDE_CODE = :DIVIDE_CODE ORDER BY ITEM_CODE"),
        {QStringLiteral("rgdItems"),
         {{"ITEM_CODE", "품목코드", 80}, {"ITEM_NAME", "품 목 명", 160}, {"COST_AMT", "단  가", 90, "#,##0.00"}},
         {{QStringLiteral("품    목"), ItemCode, ItemName}},
         0,
         {{QStringLiteral("합계"), ItemCode, {CostAmt}}}},
        true,
        true,
        QStringLiteral("분류 리스트"),
    };
}

// The class list with a printout of its rows; `failing` makes the printout's
// statement fail.
class ClassList : public ListScreen {
public:
    ClassList() : ListScreen(QStringLiteral("ZZT030"), classList()) {}
    bool failing = false;

protected:
    void printList(bool toPreview) override
    {
        TfrmZZP010 printout(QStringLiteral("ZZT031"));
        printout.setTitle(QStringLiteral("분류 목록"));
        printout.qryQuery = failing ? QStringLiteral("SELECT DIVIDE_CODE FROM NO_SUCH_TABLE")
                                    : QStringLiteral("SELECT DIVIDE_CODE FROM OX030MS");
        printout.openQuery({});
        printout.printOrPreview(toPreview, this);
    }
};

struct Screen : ScreenDriver<ClassList> {
    widgets::DataGrid *grid(const char *name) { return field<widgets::DataGrid>(name); }
    QPushButton *button(const char *name) { return field<QPushButton>(name); }
    int masterRows() { return form.masterRecords()->recordCount(); }
    int detailRows() { return form.detailRecords()->recordCount(); }
    QString currentClass() { return form.masterRecords()->text(QStringLiteral("DIVIDE_CODE")); }
    void search(const QString &code)
    {
        type("edtDIVIDE_CODE_S", code);
        key(Qt::Key_F3);
    }
};

void addFixture(TestSession &session)
{
    for (const char *sql : {"INSERT INTO OX030MS (DIVIDE_CODE, DIVIDE_NAME) VALUES ('Z91', '시험분류 하나')",
                            "INSERT INTO OX030MS (DIVIDE_CODE, DIVIDE_NAME) VALUES ('Z92', '시험분류 둘')",
                            "INSERT INTO OX010MS (ITEM_CODE, ITEM_NAME, DIVIDE_CODE, COST_AMT) VALUES ('Z9100001', '시험품목 가', 'Z91', 1000.5)",
                            "INSERT INTO OX010MS (ITEM_CODE, ITEM_NAME, DIVIDE_CODE, COST_AMT) VALUES ('Z9100002', '시험품목 나', 'Z91', 2000.25)"})
        db::Query(session.conn(), QString::fromUtf8(sql)).exec();
}

} // namespace

class TestListScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opensEmptyWithItsColumns()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        QCOMPARE(s.form.windowTitle(), QStringLiteral("시험 목록"));
        QCOMPARE(s.masterRows(), 0);
        QCOMPARE(s.detailRows(), 0);
        QCOMPARE(s.grid("rgdClasses")->column(DivideName).title, QStringLiteral("분 류 명"));
        QVERIFY(s.form.masterRecords()->fieldIndex(QStringLiteral("DIVIDE_NAME")) >= 0);
        QCOMPARE(s.grid("rgdClasses")->footerText(0, DivideCode), QStringLiteral("0"));
        QCOMPARE(s.field<widgets::MaskEdit>("medBASE_DATE")->dateText(), session.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")));
        // Nothing to print yet; nothing of an entry screen shows.
        QVERIFY(s.button("bbtPrint")->isVisible() && !s.button("bbtPrint")->isEnabled());
        QVERIFY(s.button("bbtPreview")->isVisible() && !s.button("bbtPreview")->isEnabled());
        QVERIFY(s.button("bbtExcel")->isVisible());
        for (const char *name : {"bbtAdd", "bbtEdit", "bbtDelete", "bbtSave", "bbtCancel"})
            QVERIFY2(!s.button(name)->isVisible(), name);
        QVERIFY(!s.field<QWidget>("panInput")->isVisible());
        QVERIFY(dialogs.messages.isEmpty());
    }

    void searchFillsMasterAndDetailFollows()
    {
        TestSession session;
        DialogRecorder dialogs;
        addFixture(session);
        Screen s;
        s.search(QStringLiteral("Z9"));
        QVERIFY2(dialogs.messages.isEmpty(), qPrintable(dialogs.lastText()));
        QCOMPARE(s.masterRows(), 2);
        QCOMPARE(s.form.RecordCount, 2);
        QCOMPARE(s.grid("rgdClasses")->footerText(0, DivideCode), QStringLiteral("2"));
        QVERIFY(s.button("bbtPrint")->isEnabled() && s.button("bbtPreview")->isEnabled());

        // The first class's items, counted and summed as the database sums them.
        QCOMPARE(s.currentClass(), QStringLiteral("Z91"));
        QCOMPARE(s.detailRows(), 2);
        widgets::DataGrid *items = s.grid("rgdItems");
        QCOMPARE(items->footerText(0, ItemCode), QStringLiteral("2"));
        const double sum = session.scalar(QStringLiteral("SELECT SUM(COST_AMT) FROM OX010MS WHERE DIVIDE_CODE = 'Z91'")).toDouble();
        QCOMPARE(sum, 3000.75);
        QCOMPARE(items->footerText(0, CostAmt), QStringLiteral("3,000.75"));

        // Moving in the master list, by the navigation buttons and by keys.
        QTest::mouseClick(s.field<QToolButton>("sbtNext"), Qt::LeftButton);
        QCOMPARE(s.currentClass(), QStringLiteral("Z92"));
        QCOMPARE(s.detailRows(), 0);
        QCOMPARE(items->footerText(0, ItemCode), QStringLiteral("0"));
        s.grid("rgdClasses")->setFocus();
        s.key(Qt::Key_Up);
        QCOMPARE(s.currentClass(), QStringLiteral("Z91"));
        QCOMPARE(s.detailRows(), 2);
        QCOMPARE(s.form.detailRecords()->value(1, QStringLiteral("ITEM_NAME")).toString(), QStringLiteral("시험품목 나"));
    }

    // A move in the master list whose detail cannot be read: the standard
    // error display, and the list stays usable.
    void failingDetailIsShown()
    {
        TestSession session;
        DialogRecorder dialogs;
        addFixture(session);
        Screen s;
        s.search(QStringLiteral("Z9"));
        // Run as they are: the server does not prepare table changes.
        QSqlQuery ddl(session.conn().handle());
        QVERIFY(ddl.exec(QStringLiteral("ALTER TABLE OX010MS RENAME TO OX010MS_GONE")));
        QTest::mouseClick(s.field<QToolButton>("sbtNext"), Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.at(0).kind, MessageKind::Error);
        QCOMPARE(s.currentClass(), QStringLiteral("Z92"));
        QVERIFY(ddl.exec(QStringLiteral("ALTER TABLE OX010MS_GONE RENAME TO OX010MS")));
        QTest::mouseClick(s.field<QToolButton>("sbtPrior"), Qt::LeftButton);
        QCOMPARE(s.detailRows(), 2);
        QCOMPARE(dialogs.messages.size(), 1);
    }

    void emptyResult()
    {
        TestSession session;
        DialogRecorder dialogs;
        addFixture(session);
        Screen s;
        s.search(QStringLiteral("Z9"));
        s.search(QStringLiteral("Q#!"));
        QCOMPARE(s.masterRows(), 0);
        QCOMPARE(s.detailRows(), 0);
        QCOMPARE(s.form.RecordCount, 0);
        QCOMPARE(s.grid("rgdClasses")->footerText(0, DivideCode), QStringLiteral("0"));
        QCOMPARE(s.grid("rgdItems")->footerText(0, ItemCode), QStringLiteral("0"));
        QVERIFY(!s.button("bbtPrint")->isEnabled() && !s.button("bbtPreview")->isEnabled());
        s.key(Qt::Key_F11);   // disabled: nothing happens
        QVERIFY(dialogs.messages.isEmpty());
    }

    void excelExportsTheMasterGrid()
    {
        TestSession session;
        DialogRecorder dialogs;
        addFixture(session);
        QTemporaryDir dir;
        Screen s;
        s.search(QStringLiteral("Z9"));
        dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("classes.xls")));
        QTest::mouseClick(s.button("bbtExcel"), Qt::LeftButton);
        const biff::Sheet sheet = biff::read(dir.filePath(QStringLiteral("classes.xls")));
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.text(0, 0), QStringLiteral("시험 목록 - 분류 리스트"));
        QCOMPARE(sheet.rowTexts(2), (QStringList{"분류코드", "분 류 명"}));
        QCOMPARE(sheet.rowTexts(3), (QStringList{"Z91", "시험분류 하나"}));
        QCOMPARE(sheet.rowTexts(4), (QStringList{"Z92", "시험분류 둘"}));
        QCOMPARE(sheet.maxRow(), 4);
    }

    void printAndPreview()
    {
        TestSession session;
        DialogRecorder dialogs;
        addFixture(session);
        Screen s;
        s.search(QStringLiteral("Z9"));

        // F11 asks for the printer through the dialog seam; declined, nothing prints.
        QString asked;
        dialogs.dialogHandlers.enqueue([&asked](QDialog *d) {
            asked = d->objectName();
            return int(QDialog::Rejected);
        });
        s.key(Qt::Key_F11);
        QCOMPARE(asked, QStringLiteral("dlgPrint"));

        // Shift+F11 shows the preview window with the printout's pages.
        s.key(Qt::Key_F11, Qt::ShiftModifier);
        auto *preview = s.form.findChild<reports::PreviewWindow *>();
        QVERIFY(preview);
        QVERIFY(preview->pane()->document().pageCount() > 0);
        preview->close();
        QVERIFY(dialogs.messages.isEmpty());

        // A printout whose statement fails: the standard error display, the screen stays.
        s.form.failing = true;
        QTest::mouseClick(s.button("bbtPreview"), Qt::LeftButton);
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages.at(0).kind, MessageKind::Error);
        QVERIFY(s.form.isVisible());
        QCOMPARE(s.masterRows(), 2);
    }
};

QTEST_MAIN(TestListScreen)
#include "tst_listscreen.moc"
