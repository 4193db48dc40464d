// The item class tree, driven as a user drives it.

#include "framework/TreePanel.h"
#include "modules/master/OXI020.h"
#include "support/DialogRecorder.h"
#include "support/Session.h"
#include "support/ScreenDriver.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

namespace {

struct Screen : ScreenDriver<TfrmOXI020> {
    QStringList listedCodes()
    {
        QStringList codes;
        for (int r = 0; r < form.records()->recordCount(); ++r)
            codes << form.records()->value(r, QStringLiteral("DIVIDE_CODE")).toString();
        return codes;
    }
    int treeRowOf(const QString &code, TestSession &session)
    {
        return session.scalar(QStringLiteral("SELECT ROWCNT FROM OX030MS_VIEW WHERE DIVIDE_CODE = :C"),
                              {{QStringLiteral("C"), code}}).toInt();
    }
};

} // namespace

class TestOXI020 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void treeNodesMatchTheViewOrder()
    {
        TestSession session;
        Screen s;
        QCOMPARE(s.form.tree->nodeCount(), session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX030MS")).toInt());
        // A middle class chosen in the tree lists itself and every class below it.
        const QString middle = session.scalar(QStringLiteral("SELECT MIN(DIVIDE_CODE) FROM OX030MS WHERE DIVIDE_LEVEL = 2"));
        s.form.tree->selectRow(s.treeRowOf(middle, session));
        QCOMPARE(s.form.tree->currentKey(), middle);
        const QStringList below = s.listedCodes();
        QVERIFY(below.contains(middle));
        QCOMPARE(below.size(), session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX030MS WHERE DIVIDE_CODE = :C OR PARENT_CODE = :C"),
                                              {{QStringLiteral("C"), middle}}).toInt());
        for (const QString &code : below)
            QVERIFY(code.startsWith(middle));
        QCOMPARE(s.form.cboGubun->currentIndex(), 1);   // the list's row shows its level
        QCOMPARE(s.form.lblLength->text(), QStringLiteral("길이 : XXX (3)"));
    }

    void newClassUnderTheChosenNode()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        const QString middle = session.scalar(QStringLiteral("SELECT MIN(DIVIDE_CODE) FROM OX030MS WHERE DIVIDE_LEVEL = 2"));
        s.form.tree->selectRow(s.treeRowOf(middle, session));
        s.key(Qt::Key_F4);
        QCOMPARE(QApplication::focusWidget(), s.form.cboGubun);
        QCOMPARE(s.field("dbeDivide_code")->text(), middle);
        QCOMPARE(s.field("dbeParent_code")->text(), middle);

        s.key(Qt::Key_F2);   // no level chosen yet
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("분류항목을 선택하십시오")});
        QCOMPARE(QApplication::focusWidget(), s.form.cboGubun);

        s.form.cboGubun->setCurrentIndex(2);
        s.type("dbeDivide_code", middle + QStringLiteral("99"));
        QTest::keyClick(s.field("dbeDivide_code"), Qt::Key_Return);   // leaving fills the empty sort key
        QCOMPARE(s.field("dbeDivide_no")->text(), middle + QStringLiteral("99"));
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("유형명은 반드시 입력하세요"));
        QCOMPARE(QApplication::focusWidget(), s.field("dbeDivide_name"));
        typeText(s.field("dbeDivide_name"), QStringLiteral("시험분류"));
        s.key(Qt::Key_F2);
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        const Params key{{QStringLiteral("C"), middle + QStringLiteral("99")}};
        QCOMPARE(session.scalar(QStringLiteral("SELECT DIVIDE_LEVEL FROM OX030MS WHERE DIVIDE_CODE = :C"), key), QStringLiteral("3"));
        QCOMPARE(session.scalar(QStringLiteral("SELECT PARENT_CODE FROM OX030MS WHERE DIVIDE_CODE = :C"), key), middle);
        // The tree was drawn again with the new class in its place.
        QCOMPARE(s.form.tree->nodeCount(), session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX030MS")).toInt());

        // Edit the name, then delete it.
        s.form.records()->locate(QStringLiteral("DIVIDE_CODE"), QString(middle + QStringLiteral("99")));
        s.key(Qt::Key_F5);
        QVERIFY(s.field("dbeDivide_code")->isReadOnly());
        s.type("dbeDivide_name", QStringLiteral("바뀐분류"));
        s.key(Qt::Key_F2);
        QCOMPARE(session.scalar(QStringLiteral("SELECT DIVIDE_NAME FROM OX030MS WHERE DIVIDE_CODE = :C"), key), QStringLiteral("바뀐분류"));
        dialogs.answerYes();
        s.form.grid()->setFocus();
        QTest::keyClick(s.form.grid(), Qt::Key_Delete);
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX030MS WHERE DIVIDE_CODE = :C"), key), QStringLiteral("0"));
        QCOMPARE(s.form.tree->nodeCount(), session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX030MS")).toInt());
    }

    void searchByCodeAndNamePrefix()
    {
        TestSession session;
        Screen s;
        auto *code = s.form.findChild<QLineEdit *>(QStringLiteral("edtDivide_code"));
        code->setFocus();
        QTest::keyClicks(code, QStringLiteral("l1"));   // typed in lower case, searched in upper case
        QCOMPARE(code->text(), QStringLiteral("L1"));
        s.key(Qt::Key_F3);
        QVERIFY(!s.listedCodes().isEmpty());
        for (const QString &c : s.listedCodes())
            QVERIFY(c.startsWith(QStringLiteral("L1")));
    }
};

QTEST_MAIN(TestOXI020)
#include "tst_OXI020.moc"
