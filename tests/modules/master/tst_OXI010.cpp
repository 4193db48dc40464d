// The item register, driven as a user drives it: codes by class and serial,
// the refusals of the save and of the number fields, editing, the class
// boxes, the receipt history, two workstations numbering at once and the
// spreadsheet of the list.

#include "db/Query.h"
#include "framework/ClassCombos.h"
#include "framework/PopupBtn.h"
#include "framework/PriceHistory.h"
#include "modules/master/OXI010.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "support/TestDb.h"
#include "support/Typing.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QSemaphore>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

void exec(db::Connection &conn, const QString &sql, const Params &params = {})
{
    db::Query q(conn, sql);
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
}

// A class branch of its own: Z > Z10 > Z1010, Z1020, without items.
void addTestClasses(db::Connection &conn)
{
    exec(conn, QStringLiteral(
        "INSERT INTO OX030MS (DIVIDE_CODE, DIVIDE_NAME, PARENT_CODE, DIVIDE_LEVEL, DIVIDE_NO) VALUES "
        "('Z', '시험대분류', NULL, 1, '9'), ('Z10', '시험중분류', 'Z', 2, '901'), "
        "('Z1010', '시험소분류1', 'Z10', 3, '90101'), ('Z1020', '시험소분류2', 'Z10', 3, '90102')"));
}

struct Screen : ScreenDriver<TfrmOXI010> {
    QWidget *focus() { return QApplication::focusWidget(); }
    // Types into a field, replacing what it held, and leaves it with Enter.
    void enter(const char *name, const QString &text)
    {
        QLineEdit *e = field<QLineEdit>(name);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        typeText(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }
    void choose(int level, const QString &code)
    {
        QComboBox *box = form.classes->box(level);
        const int at = box->findData(code);
        QVERIFY2(at >= 0, qPrintable(code));
        box->setCurrentIndex(at);
    }
    void search(const QString &itemCode)
    {
        enter("edtItem_code", itemCode);
        key(Qt::Key_F3);
    }
    QStringList listed(const char *fieldName)
    {
        QStringList values;
        for (int r = 0; r < form.records()->recordCount(); ++r)
            values << form.records()->value(r, QLatin1String(fieldName)).toString();
        return values;
    }
    // A new item as the user enters it; returns the code the save gave it.
    QString addItem(const QString &divide, const QString &name)
    {
        key(Qt::Key_F4);
        enter("dbeDivide_code", divide);
        enter("dbeItem_name", name);
        enter("dbeGumae_unit", QStringLiteral("EA"));
        enter("dbeSoobul_unit", QStringLiteral("EA"));
        key(Qt::Key_F2);
        if (form.statusText(1) != QStringLiteral("신규 입력이 정상적으로 완료되었습니다."))
            return QStringLiteral("not saved");
        return form.records()->text(QStringLiteral("ITEM_CODE"));
    }
};

QString itemValue(TestSession &session, const QString &code, const char *column)
{
    return session.scalar(QStringLiteral("SELECT %1 FROM OX010MS WHERE ITEM_CODE = :C").arg(QLatin1String(column)),
                          {{QStringLiteral("C"), code}});
}

// CSV as LibreOffice writes it: fields separated by commas, text quoted.
QList<QStringList> parseCsv(const QString &data)
{
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const QChar c = data.at(i);
        if (quoted && c == u'"' && i + 1 < data.size() && data.at(i + 1) == u'"') {
            cell += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (!quoted && c == u',') {
            row << cell;
            cell.clear();
        } else if (!quoted && c == u'\n') {
            rows << (row << cell);
            row.clear();
            cell.clear();
        } else if (c != u'\r') {
            cell += c;
        }
    }
    return rows;
}

} // namespace

class TestOXI010 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void codeIsTheClassAndTheNextSerial()
    {
        TestSession session;
        DialogRecorder dialogs;
        addTestClasses(session.conn());
        Screen s;
        QCOMPARE(s.addItem(QStringLiteral("Z1010"), QStringLiteral("첫 품목")), QStringLiteral("Z1010001"));
        for (int n = 2; n <= 9; ++n)
            exec(session.conn(), QStringLiteral("INSERT INTO OX010MS (ITEM_CODE, ITEM_NAME, DIVIDE_CODE) VALUES (:C, 'x', 'Z1010')"),
                 {{QStringLiteral("C"), QStringLiteral("Z101000%1").arg(n)}});
        QCOMPARE(s.addItem(QStringLiteral("Z1010"), QStringLiteral("열번째")), QStringLiteral("Z1010010"));
        QCOMPARE(s.addItem(QStringLiteral("Z1020"), QStringLiteral("다른 분류")), QStringLiteral("Z1020001"));
        QVERIFY2(dialogs.texts().isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(QApplication::focusWidget(), s.field<QLineEdit>("edtItem_name"));

        // A new item: taxable, class B, stock-managed, regular ordering, in use, bought.
        const QString code = QStringLiteral("Z1010001");
        const QStringList written{itemValue(session, code, "ITEM_NAME"), itemValue(session, code, "DIVIDE_CODE"),
                                  itemValue(session, code, "GUMAE_UNIT"), itemValue(session, code, "CHANGE_QTY"),
                                  itemValue(session, code, "COST_AMT"), itemValue(session, code, "LIMIT_STOCK"),
                                  itemValue(session, code, "SUTAK_YN"), itemValue(session, code, "TAX_GUBUN"),
                                  itemValue(session, code, "ABC_GUBUN"), itemValue(session, code, "SOOBUL_YN"),
                                  itemValue(session, code, "FIXED_PRU_GUBUN"), itemValue(session, code, "USE_YN"),
                                  itemValue(session, code, "PROD_ITEM"), itemValue(session, code, "U_EMP_NO")};
        QCOMPARE(written, (QStringList{"첫 품목", "Z1010", "EA", "1", "0", "0", "N", "1", "B", "Y", "1", "Y", "0", "A0000001"}));
    }

    void refusedSavesAndNumberRanges()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        const QString before = session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX010MS"));
        s.key(Qt::Key_F4);   // the class boxes show "전체": no class yet
        QCOMPARE(s.focus(), s.field("dbeDivide_code"));
        QVERIFY(s.field("dbeDivide_code")->text().isEmpty());
        s.enter("dbeItem_name", QStringLiteral("이름만"));
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("유형분류를 정확히 입력하세요")});
        QCOMPARE(dialogs.messages.last().kind, MessageKind::Info);
        QCOMPARE(s.focus(), s.field("dbeDivide_code"));

        s.enter("dbeDivide_code", QStringLiteral("L1010"));   // the single match is taken
        QCOMPARE(s.field("dbeDivide_code_nm")->text(), session.scalar(QStringLiteral("SELECT DIVIDE_NAME FROM OX030MS WHERE DIVIDE_CODE = 'L1010'")));
        QCOMPARE(s.field("dbeItem_code")->text(), QStringLiteral("L1010"));   // shown until the save adds the serial
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("구매단위는 반드시 입력하세요"));
        QCOMPARE(s.focus(), s.field("dbeGumae_unit"));
        s.enter("dbeGumae_unit", QStringLiteral("EA"));
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("수불단위는 반드시 입력하세요"));
        QCOMPARE(s.focus(), s.field("dbeSoobul_unit"));

        struct Case { const char *field; QString typed; QString error; QString kept; };
        const Case cases[] = {
            {"dbeLead_time", "-3", "입력 값은 0 보다 작을 수 없습니다.", "0"},
            {"dbeLead_time", "", "", "0"},
            {"dbeLead_time", "7", "", "7"},
            {"dbeChange_qty", "0", "입력 값은 1 보다 작을 수 없습니다.", "1"},
            {"dbeChange_qty", "", "", "1"},
            {"dbeChange_qty", "2.5", "", "2.5"},
        };
        for (const Case &c : cases) {
            dialogs.clear();
            s.enter(c.field, c.typed);
            QCOMPARE(s.field(c.field)->text(), c.kept);
            if (c.error.isEmpty()) {
                QVERIFY2(dialogs.messages.isEmpty(), c.field);
            } else {
                QCOMPARE(dialogs.texts(), QStringList{c.error});
                QCOMPARE(dialogs.messages.last().kind, MessageKind::Error);
                QTRY_COMPARE(s.focus(), s.field(c.field));
            }
        }
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX010MS")), before);
    }

    void editingWritesZeroCostAndKeepsHiddenValues()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString code = session.scalar(QStringLiteral("SELECT MIN(ITEM_CODE) FROM OX010MS WHERE TAX_GUBUN = '2' AND USE_YN = 'Y'"));
        exec(session.conn(), QStringLiteral("UPDATE OX010MS SET COST_AMT = 12345, LIMIT_STOCK = 7, ABC_GUBUN = 'A', "
                                            "SOMO_JAEGO_YN = 'Y' WHERE ITEM_CODE = :C"), {{QStringLiteral("C"), code}});
        const QString supplier = itemValue(session, code, "C_CODE"), account = itemValue(session, code, "ACCT_CODE");
        QVERIFY(!supplier.isEmpty() && !account.isEmpty());
        Screen s;
        s.search(code);
        QCOMPARE(s.listed("ITEM_CODE"), QStringList{code});
        QVERIFY(!s.field<QCheckBox>("chkUse_yn")->isChecked());

        s.key(Qt::Key_F5);
        QCOMPARE(s.focus(), s.field("dbeItem_name"));
        QVERIFY(s.field("dbeDivide_code")->isReadOnly());
        QVERIFY(!s.form.findChild<TPopupBtn *>(QStringLiteral("pbtnDivide_code"))->isEnabled());
        QTest::mouseClick(s.field<QCheckBox>("chkUse_yn"), Qt::LeftButton, {}, QPoint(5, 5));
        s.key(Qt::Key_F2);
        QCOMPARE(s.form.statusText(1), QStringLiteral("수정이 정상적으로 완료되었습니다."));
        QVERIFY(!s.field("dbeDivide_code")->isReadOnly());

        const QStringList written{itemValue(session, code, "COST_AMT"), itemValue(session, code, "LIMIT_STOCK"),
                                  itemValue(session, code, "USE_YN"), itemValue(session, code, "TAX_GUBUN"),
                                  itemValue(session, code, "ABC_GUBUN"), itemValue(session, code, "SOMO_JAEGO_YN"),
                                  itemValue(session, code, "C_CODE"), itemValue(session, code, "ACCT_CODE")};
        QCOMPARE(written, (QStringList{"0", "0", "N", "2", "A", "Y", supplier, account}));

        // The list shows the discontinued item, before and after searching again.
        const int useColumn = s.form.grid()->columnIndex(QStringLiteral("USE_YN"));
        QCOMPARE(s.form.grid()->column(useColumn).title, QStringLiteral("사용여부"));
        QCOMPARE(s.form.grid()->cellText(useColumn, 0), QStringLiteral("N"));
        s.search(code);
        QCOMPARE(s.form.grid()->cellText(useColumn, 0), QStringLiteral("N"));
        QVERIFY(s.field<QCheckBox>("chkUse_yn")->isChecked());
        QVERIFY(dialogs.texts().isEmpty());
    }

    void classBoxesCascadeAndNarrowTheList()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        QComboBox *major = s.form.classes->box(1), *middle = s.form.classes->box(2), *minor = s.form.classes->box(3);
        QCOMPARE(major->objectName(), QStringLiteral("ComboBox1"));
        QCOMPARE(major->itemText(0), QStringLiteral("전체"));
        QCOMPARE(major->count() - 1, session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX030MS WHERE DIVIDE_LEVEL = 1")).toInt());

        s.choose(1, QStringLiteral("L"));
        QCOMPARE(middle->count() - 1, session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX030MS WHERE PARENT_CODE = 'L'")).toInt());
        QCOMPARE(middle->itemText(1), QStringLiteral("L10 : ") + session.scalar(QStringLiteral("SELECT DIVIDE_NAME FROM OX030MS WHERE DIVIDE_CODE = 'L10'")));
        QCOMPARE(minor->count(), 1);

        // A middle class lists the items of every minor class below it.
        s.choose(2, QStringLiteral("L10"));
        QCOMPARE(minor->currentText(), QStringLiteral("전체"));
        QCOMPARE(minor->count() - 1, session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX030MS WHERE PARENT_CODE = 'L10'")).toInt());
        s.key(Qt::Key_F3);
        const QStringList classes = s.listed("DIVIDE_CODE");
        QCOMPARE(classes.size(), session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX010MS WHERE DIVIDE_CODE LIKE 'L10%'")).toInt());
        QVERIFY(QSet<QString>(classes.begin(), classes.end()).size() > 1);
        for (const QString &c : classes)
            QVERIFY2(c.startsWith(QStringLiteral("L10")) && c.size() == 5, qPrintable(c));
        QCOMPARE(s.form.panRecordCnt->text(), QStringLiteral("RecordCount : %1").arg(classes.size()));

        s.choose(3, QStringLiteral("L1020"));
        s.key(Qt::Key_F3);
        const QStringList narrowed = s.listed("DIVIDE_CODE");
        QVERIFY(!narrowed.isEmpty());
        QCOMPARE(QSet<QString>(narrowed.begin(), narrowed.end()), QSet<QString>{QStringLiteral("L1020")});
        s.key(Qt::Key_F4);   // a new item starts in the chosen minor class
        QCOMPARE(s.field("dbeDivide_code")->text(), QStringLiteral("L1020"));
        QTest::mouseClick(s.form.bbtCancel, Qt::LeftButton);

        // Back to "전체": the boxes below empty again, the search covers every item.
        major->setCurrentIndex(0);
        QCOMPARE(middle->count(), 1);
        QCOMPARE(minor->count(), 1);
        s.key(Qt::Key_F3);
        QCOMPARE(s.form.records()->recordCount(), session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX010MS")).toInt());
    }

    void historyShowsTheLastFiveReceipts()
    {
        TestSession session;
        DialogRecorder dialogs;
        const QString code = session.scalar(QStringLiteral("SELECT MIN(ITEM_CODE) FROM OX010MS"));
        const QString other = session.scalar(QStringLiteral("SELECT MAX(ITEM_CODE) FROM OX010MS"));
        const QString supplier = session.scalar(QStringLiteral("SELECT MIN(C_CODE) FROM VA050MS"));
        exec(session.conn(), QStringLiteral("DELETE FROM OC010DT WHERE ITEM_CODE = :C"), {{QStringLiteral("C"), code}});
        auto receive = [&](int n, const QString &item) {
            exec(session.conn(), QStringLiteral(
                "INSERT INTO OC010DT (INSP_DATE, C_CODE, INSP_NUM, INSP_SEQ, INSP_NO, ITEM_CODE, COST_AMT) "
                "VALUES (:D, :S, :N, 1, :NO, :I, :A)"),
                {{QStringLiteral("D"), QStringLiteral("2030-01-%1").arg(n, 2, 10, QLatin1Char('0'))},
                 {QStringLiteral("S"), supplier}, {QStringLiteral("N"), QString::number(n)},
                 {QStringLiteral("NO"), QStringLiteral("IN20300100%1").arg(n, 3, 10, QLatin1Char('0'))},
                 {QStringLiteral("I"), item}, {QStringLiteral("A"), QString::number(1000 + n) + QStringLiteral(".5")}});
        };
        for (int n = 1; n <= 7; ++n)
            receive(n, code);
        receive(8, other);   // the newest receipt is another item's
        Screen s;
        s.search(code);
        PriceHistory *history = s.form.findChild<PriceHistory *>(QStringLiteral("rdgHistory"));
        QCOMPARE(history->rowCount(), 5);
        const QString supplierName = session.scalar(QStringLiteral("SELECT C_NAME FROM VA050MS WHERE C_CODE = :C"), {{QStringLiteral("C"), supplier}});
        QCOMPARE((QStringList{history->cellText(0, 0), history->cellText(2, 0), history->cellText(3, 0)}),
                 (QStringList{"2030-01-07", supplierName, "1,007.5000"}));
        QCOMPARE(history->cellText(3, 4), QStringLiteral("1,003.5000"));
        s.key(Qt::Key_F4);   // a new item has no receipts
        QCOMPARE(history->rowCount(), 0);
    }

    // Both workstations save an item of the same class at the same moment:
    // both items are saved, under different codes.
    void twoWorkstationsSaveTheSameClass()
    {
        TestSession session;
        DialogRecorder dialogs;
        addTestClasses(session.conn());
        Screen s;
        s.key(Qt::Key_F4);
        s.enter("dbeDivide_code", QStringLiteral("Z1010"));
        s.enter("dbeItem_name", QStringLiteral("이 자리 품목"));
        s.enter("dbeGumae_unit", QStringLiteral("EA"));
        s.enter("dbeSoobul_unit", QStringLiteral("EA"));

        // The other workstation has numbered its item and not yet committed.
        QSemaphore inserted;
        QString otherError;
        QThread *other = QThread::create([&] {
            try {
                auto conn = testdb::connect(session.alias());
                db::Transaction tx(*conn);
                exec(*conn, QStringLiteral("INSERT INTO OX010MS (ITEM_CODE, ITEM_NAME, DIVIDE_CODE) VALUES ('Z1010001', '다른 자리 품목', 'Z1010')"));
                inserted.release();
                QThread::msleep(500);
                tx.commit();
            } catch (const std::exception &e) {
                otherError = QString::fromUtf8(e.what());
                inserted.release();
            }
        });
        other->start();
        QVERIFY(inserted.tryAcquire(1, 30000));
        s.key(Qt::Key_F2);
        QVERIFY(other->wait(30000));
        delete other;
        QVERIFY2(otherError.isEmpty(), qPrintable(otherError));
        QVERIFY2(dialogs.texts().isEmpty(), qPrintable(dialogs.texts().join(u'|')));
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        QCOMPARE(s.field("dbeItem_code")->text(), QStringLiteral("Z1010002"));
        QCOMPARE(itemValue(session, QStringLiteral("Z1010001"), "ITEM_NAME"), QStringLiteral("다른 자리 품목"));
        QCOMPARE(itemValue(session, QStringLiteral("Z1010002"), "ITEM_NAME"), QStringLiteral("이 자리 품목"));
    }

    void listOpensInLibreOffice()
    {
        if (testdb::engine() != db::Engine::SQLite)
            QSKIP("the spreadsheet does not depend on the engine");
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        QVERIFY2(!soffice.isEmpty(), "soffice not found; tools/install-deps.sh installs libreoffice-calc-nogui");
        TestSession session;
        DialogRecorder dialogs;
        QTemporaryDir dir;
        Screen s;
        QVERIFY(s.form.bbtExcel->isVisible());
        QVERIFY(!s.form.bbtDelete->isVisible());
        s.choose(1, QStringLiteral("L"));
        s.choose(2, QStringLiteral("L10"));
        s.key(Qt::Key_F3);
        const int rows = s.form.records()->recordCount();
        QVERIFY(rows > 1);
        dialogs.fileNames << dir.filePath(QStringLiteral("items.xls"));
        QTest::mouseClick(s.form.bbtExcel, Qt::LeftButton);

        QTemporaryDir profile;
        QProcess office;
        office.setProcessChannelMode(QProcess::MergedChannels);
        office.start(soffice, {QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(profile.path()).toString(),
                               QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                               QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,,true"),
                               QStringLiteral("--outdir"), dir.path(), dir.filePath(QStringLiteral("items.xls"))});
        QVERIFY(office.waitForFinished(300000));
        QFile csv(dir.filePath(QStringLiteral("items.csv")));
        QVERIFY2(csv.open(QIODevice::ReadOnly), office.readAll().constData());
        const QList<QStringList> sheet = parseCsv(QString::fromUtf8(csv.readAll()));

        // The title names the list; then the column titles and the rows as the grid shows them.
        QVERIFY(sheet.value(0).value(0).contains(QStringLiteral("품목 리스트")));
        int head = 0;
        while (head < sheet.size() && sheet.at(head).value(0) != QStringLiteral("유형분류"))
            ++head;
        QCOMPARE(sheet.value(head).value(3), QStringLiteral("품  목  명"));
        QCOMPARE(sheet.size(), head + 1 + rows);
        widgets::DataGrid *grid = s.form.grid();
        for (int r = 0; r < rows; ++r) {
            QStringList shown;
            for (int c = 0; c < 14; ++c)
                shown << grid->cellText(c, r);
            QCOMPARE(sheet.at(head + 1 + r).mid(0, 14), shown);
        }
    }
};

QTEST_MAIN(TestOXI010)
#include "tst_OXI010.moc"
