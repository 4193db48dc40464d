// The warehouse tree, driven as a user drives it.

#include "db/Query.h"
#include "framework/PopupWnd.h"
#include "framework/TreePanel.h"
#include "modules/master/OXI060.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "support/Typing.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

struct Screen : ScreenDriver<TfrmOXI060> {
    QCheckBox *stopped() { return form.findChild<QCheckBox *>(QStringLiteral("chkUse_yn")); }
    void clickNode(const QString &code)
    {
        form.tree->btnFullExp->click();
        QTreeWidget *t = form.tree->trvGubun;
        const auto found = t->findItems(code + QLatin1Char(' '), Qt::MatchStartsWith | Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        t->scrollToItem(found.first());
        QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(found.first()).center());
    }
    QStringList listedCodes()
    {
        QStringList codes;
        for (int r = 0; r < form.records()->recordCount(); ++r)
            codes << form.records()->value(r, QStringLiteral("STRG_CODE")).toString();
        return codes;
    }
};

QString column(TestSession &session, const char *col, const QString &code)
{
    return session.scalar(QStringLiteral("SELECT %1 FROM OX060MS WHERE STRG_CODE = :C").arg(QLatin1String(col)),
                          {{QStringLiteral("C"), code}});
}

} // namespace

class TestOXI060 : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void nodeListsItsSubtree()
    {
        TestSession session;
        Screen s;
        QCOMPARE(s.form.tree->nodeCount(), session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX060MS")).toInt());
        // A grandchild shows that the whole subtree is listed, not only the children.
        db::Query(session.conn(), QStringLiteral("UPDATE OX060MS SET PARENT_CODE = '210' WHERE STRG_CODE = '220'")).exec();
        s.form.tree->btnReLoad->click();
        s.clickNode(QStringLiteral("200"));
        QCOMPARE(s.listedCodes(), (QStringList{"200", "210", "220", "230", "240", "250", "260", "270", "290"}));
        s.clickNode(QStringLiteral("210"));
        QCOMPARE(s.listedCodes(), (QStringList{"210", "220"}));
    }

    void newWarehouseUnderTheChosenNode()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.clickNode(QStringLiteral("300"));
        s.key(Qt::Key_F4);
        QCOMPARE(QApplication::focusWidget(), s.field("dbeBusi_gubun"));
        QCOMPARE(s.field("dbeParent_code")->text(), QStringLiteral("300"));

        s.type("dbeStrg_code", QStringLiteral("34"));
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("창고코드[길이:3]를 정확히 입력하세요"));
        QCOMPARE(QApplication::focusWidget(), s.field("dbeStrg_code"));
        s.type("dbeStrg_code", QStringLiteral("340"));
        s.key(Qt::Key_F2);
        QCOMPARE(dialogs.lastText(), QStringLiteral("창고구분을 정확히 입력하세요"));
        QCOMPARE(QApplication::focusWidget(), s.field("dbeBusi_gubun"));
        typeText(s.field("dbeBusi_gubun"), QStringLiteral("04"));
        s.key(Qt::Key_Return);   // leaving the code looks the division up
        QCOMPARE(s.field("dbeBusi_gubun_nm")->text(), QStringLiteral("시설창고"));
        s.type("dbeStrg_name", QStringLiteral("공조실"));
        s.stopped()->setFocus();
        QTest::keyClick(s.stopped(), Qt::Key_Space);
        s.key(Qt::Key_F2);
        QCOMPARE(s.form.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
        QCOMPARE(column(session, "PARENT_CODE", "340"), QStringLiteral("300"));
        QCOMPARE(column(session, "BUSI_GUBUN", "340"), QStringLiteral("04"));
        QCOMPARE(column(session, "USE_YN", "340"), QStringLiteral("N"));   // "사용중지" ticked
        // The tree was drawn again with the new warehouse under its parent.
        s.clickNode(QStringLiteral("300"));
        QVERIFY(s.listedCodes().contains(QStringLiteral("340")));

        // The list shows the flag; unticking it in an edit puts the warehouse back in use.
        s.form.grid()->setCurrentRow(int(s.listedCodes().indexOf(QStringLiteral("340"))));
        QVERIFY(s.stopped()->isChecked());
        s.key(Qt::Key_F5);
        QVERIFY(s.field("dbeStrg_code")->isReadOnly());
        s.stopped()->setFocus();
        QTest::keyClick(s.stopped(), Qt::Key_Space);
        s.key(Qt::Key_F2);
        QCOMPARE(column(session, "USE_YN", "340"), QStringLiteral("Y"));
        QVERIFY(!s.field("dbeStrg_code")->isReadOnly());

        // A new warehouse nobody ticked is in use.
        s.key(Qt::Key_F4);
        s.type("dbeStrg_code", QStringLiteral("350"));
        s.type("dbeBusi_gubun", QStringLiteral("04"));
        s.key(Qt::Key_F2);
        QCOMPARE(column(session, "USE_YN", "350"), QStringLiteral("Y"));

        // Deleting takes the warehouse off the tree as well.
        const int nodes = s.form.tree->nodeCount();
        dialogs.answerYes();
        s.form.grid()->setFocus();
        QTest::keyClick(s.form.grid(), Qt::Key_Delete);
        QCOMPARE(session.scalar(QStringLiteral("SELECT COUNT(*) FROM OX060MS WHERE STRG_CODE = '350'")), QStringLiteral("0"));
        QCOMPARE(s.form.tree->nodeCount(), nodes - 1);
    }

    void departmentAndOutletByName()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.key(Qt::Key_F4);
        QVERIFY(s.field("dbeDept_code")->isReadOnly());
        // A typed name prefix with one match takes it.
        s.type("dbeDept_code_nm", QStringLiteral("자재"));
        s.key(Qt::Key_Tab);
        QCOMPARE(s.field("dbeDept_code")->text(), QStringLiteral("1300"));
        QCOMPARE(s.field("dbeDept_code_nm")->text(), QStringLiteral("자재팀"));
        // Entering the name again clears the code.
        s.field("dbeDept_code_nm")->setFocus();
        QCOMPARE(s.field("dbeDept_code")->text(), QString());

        // F1 in the outlet name: the list of outlets, a pick fills code and name.
        QStringList listed;
        dialogs.dialogHandlers.enqueue([&listed](QDialog *d) {
            auto *wnd = qobject_cast<TfrmPopupWnd *>(d);
            if (!wnd)
                return int(QDialog::Rejected);
            for (int row = 0; row < wnd->DBGrid->rowCount(); ++row) {
                listed << wnd->DBGrid->cellText(0, row);
                if (wnd->DBGrid->cellText(0, row) == QLatin1String("2030"))
                    wnd->DBGrid->setCurrentRow(row);
            }
            QTest::keyClick(wnd->DBGrid, Qt::Key_Return);
            return wnd->result();
        });
        s.field("dbeUPJANG_CODE_NM")->setFocus();
        s.key(Qt::Key_F1);
        QVERIFY(dialogs.dialogHandlers.isEmpty());
        QVERIFY(!listed.contains(QStringLiteral("1010")));   // rooms are no outlets
        QCOMPARE(s.field("dbeUPJANG_CODE")->text(), QStringLiteral("2030"));
        QCOMPARE(s.field("dbeUPJANG_CODE_NM")->text(), QStringLiteral("일식당 하나"));
        QCOMPARE(s.form.records()->text(QStringLiteral("UPJANG_CODE")), QStringLiteral("2030"));
    }
};

QTEST_MAIN(TestOXI060)
#include "tst_OXI060.moc"
