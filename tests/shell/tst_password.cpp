#include "shell/Password.h"
#include "session/Session.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestPassword : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("empty") << QString();
        QTest::newRow("short") << QStringLiteral("vm");
        QTest::newRow("fills the 32-digit block") << QStringLiteral("1234567890abcdef");
        QTest::newRow("longer than the block") << QStringLiteral("a much longer password than sixteen");
        QTest::newRow("blanks inside") << QStringLiteral("pass word");
        QTest::newRow("korean") << QStringLiteral("비밀번호");
    }
    void roundTrip()
    {
        QFETCH(QString, password);
        const QString stored = ScramblePassword(password, kPasswordStartKey);
        QVERIFY(stored.size() >= 64);
        QCOMPARE(DescramblePassword(stored, kPasswordStartKey), password);
        QVERIFY(DescramblePassword(stored, 1234) != password || password.isEmpty());
    }

    void malformedStoredValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("throws");
        QTest::newRow("not hex") << QStringLiteral("ZZ11") << true;
        QTest::newRow("blank inside a pair") << QStringLiteral("1 22") << true;
        QTest::newRow("odd length: last digit ignored") << QStringLiteral("A") << false;
        QTest::newRow("shorter than the block: only its bytes are used") << QStringLiteral("0A0B") << true;
    }
    void malformedStoredValues()
    {
        QFETCH(QString, stored);
        QFETCH(bool, throws);
        bool threw = false;
        try {
            DescramblePassword(stored, kPasswordStartKey);
        } catch (const PasswordFormatError &) {
            threw = true;
        }
        QCOMPARE(threw, throws);
    }

    void storedPasswordFile()
    {
        QTemporaryDir dir;
        gAppDir = dir.path() + QLatin1Char('/');
        QCOMPARE(ReadStoredPassword(QStringLiteral("VMUSER")), QStringLiteral("VMUSER"));   // no file
        {
            QSettings ini(dir.filePath(QStringLiteral("SBUpdate.ini")), QSettings::IniFormat);
            ini.setValue(QStringLiteral("PROGRAM/PASS"), QString());
        }
        QCOMPARE(ReadStoredPassword(QStringLiteral("VMUSER")), QStringLiteral("VMUSER"));   // empty PASS
        WriteStoredPassword(dir.path(), QStringLiteral("secret!"));
        QCOMPARE(ReadStoredPassword(QStringLiteral("VMUSER")), QStringLiteral("secret!"));
    }
};

QTEST_GUILESS_MAIN(TestPassword)
#include "tst_password.moc"
