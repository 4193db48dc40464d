// No error reaches Qt's event dispatch: a handler connected as a user action
// shows it on the standard error display, and whatever an event handler lets
// through is shown by the application object; the program goes on either way.

#include "db/DbError.h"
#include "framework/ErrorDisplay.h"
#include "shell/ProgramApplication.h"
#include "support/DialogRecorder.h"

#include <QPushButton>
#include <QtTest>

namespace {

// An object whose event handler fails the first time, as a screen's
// override might.
class FailingReceiver : public QObject {
public:
    int events = 0;

protected:
    bool event(QEvent *e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        if (++events == 1)
            throw db::DbError(QStringLiteral("relation \"OX998MS\" does not exist"));
        return true;
    }
};

} // namespace

class TestProgramApplication : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failedUserActionIsShownAndTheProgramGoesOn()
    {
        DialogRecorder dialogs;
        QPushButton button(QStringLiteral("조회"));
        int clicks = 0;
        OnUserAction(&button, &QPushButton::clicked, &button, [&clicks] {
            if (++clicks == 1)
                throw db::DbError(QStringLiteral("relation \"OX999MS\" does not exist"));
        });
        button.show();
        QVERIFY(QTest::qWaitForWindowExposed(&button));
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("relation \"OX999MS\" does not exist.")});
        QTest::mouseClick(&button, Qt::LeftButton);
        QCOMPARE(clicks, 2);
        QCOMPARE(dialogs.messages.size(), 1);
    }

    void escapedErrorIsShownByTheLastResort()
    {
        DialogRecorder dialogs;
        FailingReceiver receiver;
        QEvent first(QEvent::User);
        QVERIFY(QCoreApplication::sendEvent(&receiver, &first));
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("relation \"OX998MS\" does not exist.")});
        QEvent second(QEvent::User);
        QVERIFY(QCoreApplication::sendEvent(&receiver, &second));
        QCOMPARE(receiver.events, 2);
        QCOMPARE(dialogs.messages.size(), 1);
    }
};

int main(int argc, char *argv[])
{
    ProgramApplication app(argc, argv);
    TestProgramApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_program_application.moc"
