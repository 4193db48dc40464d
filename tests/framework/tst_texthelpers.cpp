// Text helpers for amounts and dates: each one against the texts screens
// hand it, including the ones that fit no rule.

#include "framework/TextHelpers.h"

#include <QKeyEvent>
#include <QtTest>

class TestTextHelpers : public QObject {
    Q_OBJECT

    // Rows of text in, text out for a helper.
    static void textRows(const QList<std::pair<const char *, const char *>> &rows)
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        for (const auto &[in, out] : rows)
            QTest::newRow(*in ? in : "(empty)") << QString::fromUtf8(in) << QString::fromUtf8(out);
    }

private Q_SLOTS:
    void formatThousands_data()
    {
        textRows({
            {"", ""},
            {"0", "0"},
            {"123", "123"},
            {"1234", "1,234"},
            {"123456", "123,456"},
            {"1234567", "1,234,567"},
            {"-123", "-123"},
            {"-123456", "-123,456"},
            {"-1234567.5", "-1,234,567.5"},
            {"1000.25", "1,000.25"},
            {"1234.56789", "1,234.56789"},   // the fraction gets no separators
            {"1234.", "1,234."},
            {".5", ""},                       // no integer part
            {"-", "-"},
            {"1,234", "1,234"},               // already separated: unchanged
            {"12a45", "12a45"},
            {" 1234", " 1234"},
        });
    }
    void formatThousands()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(FormatThousands(input), expected);
    }

    void removeCommas_data()
    {
        textRows({{"1,234,567", "1234567"}, {"-1,000.25", "-1000.25"}, {"1234", "1234"}, {",,", ""}, {"", ""}});
    }
    void removeCommas()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(RemoveCommas(input), expected);
        QCOMPARE(RemoveCommas(FormatThousands(expected)), expected);
    }

    void removeText_data()
    {
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("dashes of a date") << "-" << "2003-05-01" << "20030501";
        QTest::newRow("longer part") << "ab" << "xabyab" << "xy";
        QTest::newRow("overlapping") << "aa" << "aaa" << "a";
        QTest::newRow("absent part") << "/" << "2003-05-01" << "2003-05-01";
        QTest::newRow("empty part") << "" << "abc" << "abc";
        QTest::newRow("empty text") << "-" << "" << "";
    }
    void removeText()
    {
        QFETCH(QString, part);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(RemoveText(part, text), expected);
    }

    void isDigitKey_data()
    {
        QTest::addColumn<QChar>("key");
        QTest::addColumn<bool>("expected");
        QTest::newRow("0") << QChar(u'0') << true;
        QTest::newRow("9") << QChar(u'9') << true;
        QTest::newRow("backspace") << QChar(u'\b') << true;
        QTest::newRow("letter") << QChar(u'a') << false;
        QTest::newRow("minus") << QChar(u'-') << false;
        QTest::newRow("point") << QChar(u'.') << false;
        QTest::newRow("comma") << QChar(u',') << false;
        QTest::newRow("blank") << QChar(u' ') << false;
        QTest::newRow("carriage return") << QChar(u'\r') << false;
        QTest::newRow("full-width digit") << QChar(u'\uFF11') << false;
        QTest::newRow("hangul") << QChar(u'가') << false;
    }
    void isDigitKey()
    {
        QFETCH(QChar, key);
        QFETCH(bool, expected);
        QCOMPARE(IsDigitKey(key), expected);
    }

    // What a quantity field does with the key presses a user makes.
    void digitFieldAccepts_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("digit") << int(Qt::Key_5) << 0 << "5" << true;
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << true;
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << false;
        QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "-" << false;
        QTest::newRow("point") << int(Qt::Key_Period) << 0 << "." << false;
        QTest::newRow("blank") << int(Qt::Key_Space) << 0 << " " << false;
        QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << "" << true;
        QTest::newRow("delete") << int(Qt::Key_Delete) << 0 << "\x7f" << true;
        QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << "\t" << true;
        QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "\r" << true;
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << int(Qt::ControlModifier) << "\x16" << true;
        QTest::newRow("shifted letter") << int(Qt::Key_A) << int(Qt::ShiftModifier) << "A" << false;
    }
    void digitFieldAccepts()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        QFETCH(bool, expected);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QCOMPARE(DigitFieldAccepts(event), expected);
    }

    void monthEndDate_data()
    {
        textRows({
            {"2003-05-01", "2003-05-31"},
            {"2003-12-31", "2003-12-31"},
            {"2003-04-15", "2003-04-30"},
            {"2003-02-10", "2003-02-28"},
            {"2004-02-10", "2004-02-29"},
            {"2000-02-01", "2000-02-29"},
            {"1900-02-01", "1900-02-28"},
        });
    }
    void monthEndDate()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(MonthEndDate(input), expected);
    }

    void monthEndDateOfNoDate_data()
    {
        QTest::addColumn<QString>("input");
        for (const char *text : {"", "2003-02-30", "2003-13-01", "20030501", "2003/05/01", "2003-5-1", "abc"})
            QTest::newRow(*text ? text : "(empty)") << QString::fromLatin1(text);
    }
    void monthEndDateOfNoDate()
    {
        QFETCH(QString, input);
        QVERIFY_THROWS_EXCEPTION(EConvertError, MonthEndDate(input));
    }

    void digitsOnly_data()
    {
        textRows({
            {"2003-05-01", "20030501"},
            {"-12a3", "-123"},
            {"--5", "-5"},
            {"1-2", "12"},
            {" -5", "5"},          // the dash is not the first character
            {"1,234.5", "12345"},
            {"abc", ""},
            {"", ""},
            {"\xEF\xBC\x91\xEF\xBC\x92", ""},   // full-width digits
        });
    }
    void digitsOnly()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(DigitsOnly(input), expected);
    }

    void toDashedDate_data()
    {
        textRows({
            {"20030501", "2003-05-01"},
            {"2003-05-01", "2003-05-01"},
            {"2003/05/01", "2003-05-01"},
            {"20040229", "2004-02-29"},
            {"20030230", "20030230"},      // no 30th of February
            {"20030229", "20030229"},
            {"20031301", "20031301"},
            {"00000101", "00000101"},
            {"2003051", "2003051"},
            {"200305011", "200305011"},
            {"-20030501", "-20030501"},
            {"2003.5.1", "2003.5.1"},
            {"abc", "abc"},
            {"", ""},
        });
    }
    void toDashedDate()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(ToDashedDate(input), expected);
    }

    void toCompactDate_data()
    {
        textRows({
            {"2003-05-01", "20030501"},
            {"2004-02-29", "20040229"},
            {"2003-02-30", "2003-02-30"},
            {"20030501", "20030501"},
            {"2003/05/01", "2003/05/01"},
            {" 2003-05-01", " 2003-05-01"},
            {"2003-5-01x", "2003-5-01x"},
            {"", ""},
        });
    }
    void toCompactDate()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(ToCompactDate(input), expected);
        if (input != expected)
            QCOMPARE(ToDashedDate(ToCompactDate(input)), input);
    }

    void isDateText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("expected");
        QTest::newRow("compact") << "20030501" << true;
        QTest::newRow("dashed") << "2003-05-01" << true;
        QTest::newRow("slashed") << "2003/05/01" << true;
        QTest::newRow("no such day, compact") << "20030230" << false;
        QTest::newRow("no such day, dashed") << "2003-02-30" << false;
        QTest::newRow("ten letters") << "abcdefghij" << false;
        QTest::newRow("short month") << "2003-5-1" << false;
        QTest::newRow("empty") << "" << false;
    }
    void isDateText()
    {
        QFETCH(QString, input);
        QFETCH(bool, expected);
        QCOMPARE(IsDateText(input), expected);
    }

    void dayOfWeekName_data()
    {
        textRows({
            {"20030501", "목요일"},
            {"20030504", "일요일"},
            {"20030505", "월요일"},
            {"20030506", "화요일"},
            {"20030507", "수요일"},
            {"20030502", "금요일"},
            {"20030503", "토요일"},
            {"20040229", "일요일"},
            {"2003-05-01", ""},   // only the eight-digit form
            {"20030230", ""},
            {"2003050", ""},
            {"", ""},
        });
    }
    void dayOfWeekName()
    {
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QCOMPARE(DayOfWeekName(input), expected);
    }

    void safeStrToInt64_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("number") << "123" << qint64(123);
        QTest::newRow("blanks around") << "  42 " << qint64(42);
        QTest::newRow("negative") << "-7" << qint64(-7);
        QTest::newRow("plus") << "+7" << qint64(7);
        QTest::newRow("largest") << "9223372036854775807" << std::numeric_limits<qint64>::max();
        QTest::newRow("smallest") << "-9223372036854775808" << std::numeric_limits<qint64>::min();
        QTest::newRow("beyond range") << "9223372036854775808" << qint64(0);
        QTest::newRow("empty") << "" << qint64(0);
        QTest::newRow("blanks") << "   " << qint64(0);
        QTest::newRow("trailing letter") << "12a" << qint64(0);
        QTest::newRow("fraction") << "1.5" << qint64(0);
        QTest::newRow("separated") << "1,234" << qint64(0);
        QTest::newRow("blank inside") << "1 2" << qint64(0);
    }
    void safeStrToInt64()
    {
        QFETCH(QString, input);
        QFETCH(qint64, expected);
        QCOMPARE(SafeStrToInt64(input), expected);
    }
};

QTEST_MAIN(TestTextHelpers)
#include "tst_texthelpers.moc"
