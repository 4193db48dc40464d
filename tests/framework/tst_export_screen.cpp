// "엑셀" on a record entry screen against a real database: the list the
// search brought is what the file holds.

#include "framework/ExcelExport.h"
#include "modules/materials/OPI010.h"
#include "support/DialogRecorder.h"
#include "support/Session.h"
#include "widgets/RecordSet.h"

#include "support/BiffReader.h"

#include <QTemporaryDir>
#include <QtTest>

class TestExportScreen : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void departmentList()
    {
        TestSession session;
        DialogRecorder dialogs;
        QStringList opened;
        excel::setFileOpener([&opened](const QString &path) { opened.append(path); });
        QTemporaryDir dir;

        TfrmOPI010 form;
        form.bbtExcel->show();   // the register itself does not offer it
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form, Qt::Key_F3);
        const int count = session.scalar(QStringLiteral("SELECT COUNT(*) FROM OP010MS")).toInt();
        QVERIFY(count > 0);
        QCOMPARE(form.RecordCount, count);

        dialogs.fileNames.enqueue(dir.filePath(QStringLiteral("부서")));
        dialogs.answerYes();
        QTest::mouseClick(form.bbtExcel, Qt::LeftButton);
        const QString path = dir.filePath(QStringLiteral("부서.xls"));
        QCOMPARE(opened, QStringList{path});

        const biff::Sheet sheet = biff::read(path);
        QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
        QCOMPARE(sheet.text(0, 0), QStringLiteral("frmOPI010"));   // no designed caption, no subtitle
        QCOMPARE(sheet.rowTexts(2), (QStringList{"부서코드", "부서명", "사용유무", "부서레벨", "상위부서", "부서유형", "비고"}));
        QCOMPARE(sheet.maxRow(), 2 + count);

        // Every row in the list's order; text columns stay text, digits included.
        const widgets::RecordSet *list = form.records();
        const QStringList fields{"DEPT_CODE", "DEPT_NAME", "USE_YN", "DEPT_LEVEL", "MAN_DEPT_CODE", "DEPT_TYPE", "DEPT_REM"};
        for (int r = 0; r < count; ++r) {
            for (int c = 0; c < fields.size(); ++c) {
                const biff::Cell cell = sheet.cell(3 + r, c);
                QVERIFY(cell.isText());
                QCOMPARE(cell.text, list->value(r, fields.at(c)).toString());
            }
        }
        const int row = list->find(QStringLiteral("DEPT_CODE"), QStringLiteral("4291"));
        QVERIFY(row >= 0);
        QCOMPARE(sheet.text(3 + row, 6),
                 session.scalar(QStringLiteral("SELECT DEPT_REM FROM OP010MS WHERE DEPT_CODE = :C"), {{"C", "4291"}}));
        excel::setFileOpener({});
    }
};

QTEST_MAIN(TestExportScreen)
#include "tst_export_screen.moc"
