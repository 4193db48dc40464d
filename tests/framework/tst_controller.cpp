// The entry controller: which buttons each mode allows, the keyboard, the
// status texts and the error display, on a small screen of its own.

#include "framework/ErrorDisplay.h"
#include "framework/ZOI010.h"
#include "framework/ZZI010.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

class Screen : public TfrmZOI010 {
public:
    Screen() : TfrmZOI010(QStringLiteral("ZZT010"))
    {
        auto *layout = new QVBoxLayout(panInput);
        first = new QLineEdit(panInput);
        combo = new QComboBox(panInput);
        combo->addItems({QStringLiteral("가"), QStringLiteral("나"), QStringLiteral("다")});
        last = new QLineEdit(panInput);
        for (QWidget *w : {static_cast<QWidget *>(first), static_cast<QWidget *>(combo), static_cast<QWidget *>(last)})
            layout->addWidget(w);
        after = new QLineEdit(panDisplay);
        panDisplay->layout()->addWidget(after);
        FormCreate();
    }
    QLineEdit *first, *last, *after;
    QComboBox *combo;
    QStringList calls;
    bool failSave = false;
    bool deleteAnswer = false;
    QString refusal;

protected:
    void glInsert() override { calls << QStringLiteral("insert"); }
    void glEdit() override
    {
        calls << QStringLiteral("edit");
        if (!refusal.isEmpty()) {
            WorkMode = wmBrowse;
            glEnabledCheck();
            throw EUserExcept(refusal);
        }
    }
    void glSave() override
    {
        calls << QStringLiteral("save");
        SaveOK = !failSave;
    }
    void glCancel() override { calls << QStringLiteral("cancel"); }
    bool glDelete() override
    {
        calls << QStringLiteral("delete");
        return deleteAnswer;
    }
    void glSelect() override
    {
        calls << QStringLiteral("select");
        RecordCount = 3;
    }
};

QString usable(Screen &s)
{
    QStringList names;
    for (QWidget *w : QList<QWidget *>{s.bbtAdd, s.bbtEdit, s.bbtDelete, s.bbtSave, s.bbtCancel, s.bbtSearch,
                                       s.panInput, s.panDisplay, s.sbtFirst, s.sbtLast, s.bbtPrint, s.bbtPreview}) {
        if (w->isEnabled())
            names << w->objectName();
    }
    return names.join(QLatin1Char(' '));
}

} // namespace

class TestController : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enabledCheck_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("enabled");
        QTest::newRow("browse, nothing listed") << 0 << 0 << "bbtAdd bbtSearch panDisplay";
        QTest::newRow("browse, rows") << 0 << 5 << "bbtAdd bbtEdit bbtDelete bbtSearch panDisplay sbtFirst sbtLast bbtPrint bbtPreview";
        QTest::newRow("edit") << 1 << 5 << "bbtSave bbtCancel panInput bbtPrint bbtPreview";
        QTest::newRow("insert, nothing listed") << 2 << 0 << "bbtSave bbtCancel panInput";
    }
    void enabledCheck()
    {
        QFETCH(int, mode);
        QFETCH(int, records);
        QFETCH(QString, enabled);
        TestSession session;
        Screen s;
        s.WorkMode = quint8(mode);
        s.RecordCount = records;
        s.glEnabledCheck();
        QCOMPARE(usable(s), enabled);
    }

    void keysRunOnlyWhatTheModeAllows()
    {
        TestSession session;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        s.after->setFocus();
        QTest::keyClick(s.after, Qt::Key_F2);   // nothing to save in browse mode
        QTest::keyClick(s.after, Qt::Key_F5);   // nothing listed to edit
        QCOMPARE(s.calls, QStringList());
        QCOMPARE(s.WorkMode, quint8(wmBrowse));

        QTest::keyClick(s.after, Qt::Key_F3);
        QTest::keyClick(s.after, Qt::Key_F4);
        QCOMPARE(s.calls, (QStringList{"select", "insert"}));
        QCOMPARE(s.WorkMode, quint8(wmInsert));
        QCOMPARE(s.statusText(1), QStringLiteral("[ 신규 ] 상태"));
        s.first->setFocus();
        QTest::keyClick(s.first, Qt::Key_F3);   // no search while inserting
        QCOMPARE(s.calls.count(QStringLiteral("select")), 1);

        s.failSave = true;                       // a refused save changes nothing
        QTest::keyClick(s.first, Qt::Key_F2);
        QCOMPARE(s.WorkMode, quint8(wmInsert));
        QCOMPARE(s.statusText(1), QStringLiteral("[ 신규 ] 상태"));
        s.failSave = false;
        QTest::keyClick(s.first, Qt::Key_F2);
        QCOMPARE(s.WorkMode, quint8(wmBrowse));
        QCOMPARE(s.statusText(1), QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));

        s.after->setFocus();
        QTest::keyClick(s.after, Qt::Key_F5);
        QCOMPARE(s.statusText(1), QStringLiteral("[ 수정 ] 상태"));
        s.first->setFocus();
        QTest::keyClick(s.first, Qt::Key_F8);
        QCOMPARE(s.WorkMode, quint8(wmBrowse));
        QCOMPARE(s.statusText(1), QStringLiteral("작업이 취소 되었습니다."));

        s.bbtAdd->hide();                        // a hidden button does nothing, its key neither
        s.after->setFocus();
        QTest::keyClick(s.after, Qt::Key_F4);
        QCOMPARE(s.calls.count(QStringLiteral("insert")), 1);
    }

    void deleteReportsOnlyWhatWasDeleted()
    {
        TestSession session;
        Screen s;
        s.RecordCount = 1;
        s.glEnabledCheck();
        s.deleteAnswer = false;   // the user declined
        QVERIFY(s.bbtDeleteClick());
        QCOMPARE(s.statusText(1), QString());
        s.deleteAnswer = true;
        QVERIFY(s.bbtDeleteClick());
        QCOMPARE(s.statusText(1), QStringLiteral("삭제가 완료 되었습니다"));
    }

    void refusalsGoToTheStandardErrorDisplay()
    {
        TestSession session;
        DialogRecorder dialogs;
        Screen s;
        s.RecordCount = 1;
        s.glEnabledCheck();
        s.refusal = QStringLiteral("확정된 자료는 수정할 수 없습니다");
        s.bbtEditClick();
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("확정된 자료는 수정할 수 없습니다.")});
        QCOMPARE(dialogs.messages.first().kind, MessageKind::Error);
        QCOMPARE(s.WorkMode, quint8(wmBrowse));
        QCOMPARE(StandardErrorText(QStringLiteral("끝.")), QStringLiteral("끝."));
        QCOMPARE(StandardErrorText(QStringLiteral("(괄호)")), QStringLiteral("(괄호)"));   // ')' sorts before '.'
        QCOMPARE(StandardErrorText(QStringLiteral("Error 42")), QStringLiteral("Error 42."));
    }

    void enterAndArrowsMoveThroughTheFields()
    {
        TestSession session;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        s.WorkMode = wmInsert;
        s.glEnabledCheck();
        s.first->setFocus();
        QTest::keyClick(s.first, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.combo);
        QTest::keyClick(s.combo, Qt::Key_Down);          // the combo box keeps its arrows
        QCOMPARE(QApplication::focusWidget(), s.combo);
        QCOMPARE(s.combo->currentIndex(), 1);
        QTest::keyClick(s.combo, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), s.last);
        QTest::keyClick(s.last, Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), s.combo);
        s.last->setFocus();
        QTest::keyClick(s.last, Qt::Key_Down);           // on to the next tab stop after the panel
        QVERIFY(QApplication::focusWidget() != s.last);
        QVERIFY(!s.panInput->isAncestorOf(QApplication::focusWidget()));
    }

    void colours_and_clearPanel()
    {
        TestSession session;
        ScreenDriver<Screen> screen;
        Screen &s = screen.form;
        s.WorkMode = wmInsert;
        s.glEnabledCheck();
        s.first->setFocus();
        QCOMPARE(s.first->palette().color(QPalette::Base), QColor(Qt::yellow));
        s.last->setReadOnly(true);
        s.last->setFocus();
        QVERIFY(s.last->palette().color(QPalette::Base) != QColor(Qt::yellow));
        QVERIFY(s.first->palette().color(QPalette::Base) != QColor(Qt::yellow));

        s.first->setText(QStringLiteral("x"));
        s.combo->setCurrentIndex(2);
        TfrmZOI010::ClearPanel(s.panInput);
        QCOMPARE(s.first->text(), QString());
        QCOMPARE(s.combo->currentIndex(), 0);
        QCOMPARE(s.GetSystemDate(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    }

    // A cleared number field holds 0, also once the user enters it again.
    void clearPanelEmptiesNumbersForGood()
    {
        QFrame panel;
        auto *layout = new QVBoxLayout(&panel);
        auto *quantity = new widgets::NumEdit(&panel);
        quantity->setDecimals(1);
        auto *date = new widgets::MaskEdit(&panel);
        auto *memo = new QPlainTextEdit(&panel);
        auto *nested = new QFrame(&panel);
        auto *inner = new QLineEdit(nested);
        for (QWidget *w : {static_cast<QWidget *>(quantity), static_cast<QWidget *>(date), static_cast<QWidget *>(memo),
                           static_cast<QWidget *>(nested)})
            layout->addWidget(w);
        panel.show();
        QVERIFY(QTest::qWaitForWindowActive(&panel));
        quantity->setValue(12.5);
        date->setPlainText(QStringLiteral("20261210"));
        memo->setPlainText(QStringLiteral("메모"));
        inner->setText(QStringLiteral("kept"));

        TfrmZOI010::ClearPanel(&panel);
        QCOMPARE(quantity->value(), 0.0);
        QCOMPARE(quantity->text(), QStringLiteral("0.0"));
        quantity->setFocus();
        QTRY_VERIFY(quantity->hasFocus());
        QCOMPARE(quantity->text(), QStringLiteral("0.0"));
        QCOMPARE(date->plainText(), QString());
        QCOMPARE(memo->toPlainText(), QString());
        QCOMPARE(inner->text(), QStringLiteral("kept"));   // nested panels are left alone
    }
};

QTEST_MAIN(TestController)
#include "tst_controller.moc"
