// Whatever a screen's handler lets through reaches the standard error display
// instead of ending the program.

#include "db/DbError.h"
#include "shell/ProgramApplication.h"
#include "support/DialogRecorder.h"

#include <QPushButton>
#include <QtTest>

class TestProgramApplication : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void escapedErrorIsShownAndTheProgramGoesOn()
    {
        DialogRecorder dialogs;
        QPushButton button(QStringLiteral("조회"));
        int clicks = 0;
        QObject::connect(&button, &QPushButton::clicked, [&clicks] {
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
};

int main(int argc, char *argv[])
{
    ProgramApplication app(argc, argv);
    TestProgramApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_program_application.moc"
