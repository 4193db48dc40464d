// Number formats and the small edit controls, driven with keys.

#include "widgets/Edits.h"
#include "widgets/Format.h"
#include "widgets/RecordSet.h"

#include <QDate>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <cmath>

using namespace widgets;

class TestEdits : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formatNumber_data();
    void formatNumber();
    void formatValueAndParse();
    void numEditTypingAndDisplay();
    void maskEditDates_data();
    void maskEditDates();
    void maskEditMonthAndPlainText();
    void dateEditText();
    void dbEditFollowsAndWritesBack();

private:
    // A shown, active window with two fields, so focus can move between them.
    struct Window {
        QWidget widget;
        QLineEdit other;
        explicit Window(QWidget *field)
        {
            auto *layout = new QVBoxLayout(&widget);
            layout->addWidget(field);
            layout->addWidget(&other);
            other.setFocus();
            widget.show();
            widget.activateWindow();
        }
    };
};

void TestEdits::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected");

    QTest::newRow("amount") << 1234.5 << "#,##0" << "1,235";
    QTest::newRow("negative half away from zero") << -1234.5 << "#,##0" << "-1,235";
    QTest::newRow("half up to one") << 0.5 << "#,##0" << "1";
    QTest::newRow("below half") << 0.49 << "#,##0" << "0";
    QTest::newRow("no negative zero") << -0.4 << "#,##0" << "0";
    QTest::newRow("zero price") << 0.0 << "#,##0.0000" << "0.0000";
    QTest::newRow("binary just below half") << 2.675 << "#,##0.00" << "2.68";
    QTest::newRow("1.005") << 1.005 << "#,##0.00" << "1.01";
    QTest::newRow("carry into thousands") << 999.95 << "#,##0.0" << "1,000.0";
    QTest::newRow("quantity millions") << 1234567.891 << "#,##0.0" << "1,234,567.9";
    QTest::newRow("price") << 12.34565 << "#,##0.0000" << "12.3457";
    QTest::newRow("tiny rounds up") << 0.00005 << "#,##0.0000" << "0.0001";
    QTest::newRow("tiny rounds down") << 0.00004 << "#,##0.0000" << "0.0000";
    QTest::newRow("large") << 1e15 << "#,##0" << "1,000,000,000,000,000";
    QTest::newRow("15 digits") << 123456789012.345 << "#,##0.00" << "123,456,789,012.35";
    QTest::newRow("negative small") << -0.05 << "#,##0.0" << "-0.1";
    QTest::newRow("optional decimals shown") << 1.5 << "#,##0.##" << "1.5";
    QTest::newRow("optional decimals hidden") << 2.0 << "#,##0.##" << "2";
    QTest::newRow("no separators") << 1234.0 << "0" << "1234";
    QTest::newRow("leading zeros") << 5.0 << "000" << "005";
    QTest::newRow("suffix") << 1234.5 << "#,##0원" << "1,235원";
    QTest::newRow("empty format") << 1234.5 << "" << "1234.5";
    QTest::newRow("not a number") << std::nan("") << "#,##0" << "";
}

void TestEdits::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QCOMPARE(widgets::formatNumber(value, format), expected);
}

void TestEdits::formatValueAndParse()
{
    QCOMPARE(formatValue(QStringLiteral("1,234.5"), "#,##0"), QStringLiteral("1,235"));
    QCOMPARE(formatValue(QStringLiteral("abc"), "#,##0"), QStringLiteral("abc"));
    QCOMPARE(formatValue(QStringLiteral(""), "#,##0"), QString());
    QCOMPARE(formatValue(QVariant(), "#,##0"), QString());
    QCOMPARE(formatValue(QStringLiteral("20040401"), "yyyy-mm-dd"), QStringLiteral("2004-04-01"));
    QCOMPARE(formatValue(QDate(2004, 4, 1), "yyyy/mm/dd"), QStringLiteral("2004/04/01"));
    QCOMPARE(formatValue(QStringLiteral("2004-04-01"), "yyyy-mm"), QStringLiteral("2004-04"));
    QCOMPARE(formatValue(QStringLiteral("2004-13-01"), "yyyy-mm-dd"), QStringLiteral("2004-13-01"));

    bool ok = false;
    QCOMPARE(parseNumber(QStringLiteral(" -1,234.5 "), &ok), -1234.5);
    QVERIFY(ok);
    QCOMPARE(parseNumber(QStringLiteral(""), &ok), 0.0);
    QVERIFY(!ok);
    QCOMPARE(parseNumber(QStringLiteral("12a"), &ok), 0.0);
    QVERIFY(!ok);
    QCOMPARE(numberOf(QStringLiteral("1,200")), 1200.0);
    QCOMPARE(numberOf(QVariant(7)), 7.0);
}

void TestEdits::numEditTypingAndDisplay()
{
    auto *edit = new NumEdit;
    Window window(edit);
    QVERIFY(QTest::qWaitForWindowActive(&window.widget));
    QSignalSpy changed(edit, &NumEdit::valueChanged);

    edit->setDecimals(2);
    edit->setValue(1234.5);
    QCOMPARE(edit->text(), QStringLiteral("1,234.50"));
    QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), QStringLiteral("1234.50"));   // plain while editing
    edit->selectAll();
    QTest::keyClicks(edit, "-12a.3,45-");                // letters, commas and a late minus are refused
    QCOMPARE(edit->text(), QStringLiteral("-12.345"));
    QCOMPARE(edit->value(), -12.345);
    QVERIFY(changed.count() >= 2);

    window.other.setFocus();
    QTRY_VERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), QStringLiteral("-12.35"));    // half away from zero
    QCOMPARE(edit->value(), -12.345);

    edit->setDecimals(0);
    edit->setValue(0);
    QCOMPARE(edit->text(), QStringLiteral("0"));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, "7.5");                       // no point without decimals
    QCOMPARE(edit->value(), 75.0);
}

void TestEdits::maskEditDates_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("dateText");

    QTest::newRow("valid") << "20040430" << "2004/04/30" << "2004-04-30";
    QTest::newRow("no such day") << "20040431" << "2004/04/31" << "";
    QTest::newRow("leap day") << "20040229" << "2004/02/29" << "2004-02-29";
    QTest::newRow("partial") << "200404" << "2004/04/" << "";
    QTest::newRow("letters refused") << "2004ab0401" << "2004/04/01" << "2004-04-01";
    QTest::newRow("blank") << "" << "//" << "";
}

void TestEdits::maskEditDates()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, dateText);

    auto *edit = new MaskEdit;
    Window window(edit);
    QVERIFY(QTest::qWaitForWindowActive(&window.widget));
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);                 // as shown, separators included
    QCOMPARE(edit->dateText(), dateText);
    QCOMPARE(edit->isBlank(), typed.isEmpty());
}

void TestEdits::maskEditMonthAndPlainText()
{
    MaskEdit date;
    date.setPlainText(QStringLiteral("2004-04-01"));
    QCOMPARE(date.text(), QStringLiteral("2004/04/01"));
    QCOMPARE(date.plainText(), QStringLiteral("20040401"));
    QCOMPARE(date.dateText(), QStringLiteral("2004-04-01"));
    date.setPlainText(QString());
    QVERIFY(date.isBlank());
    QCOMPARE(date.dateText(), QString());

    MaskEdit month(MaskEdit::Month);
    month.setPlainText(QStringLiteral("200412"));
    QCOMPARE(month.text(), QStringLiteral("2004/12"));
    QCOMPARE(month.monthText(), QStringLiteral("200412"));
    month.setPlainText(QStringLiteral("200413"));
    QCOMPARE(month.monthText(), QString());
    month.setPlainText(QStringLiteral("2004-05-31"));   // a date's month
    QCOMPARE(month.monthText(), QStringLiteral("200405"));

    MaskEdit code(MaskEdit::Custom);
    code.setEditMask(QStringLiteral(">LL-000;1;_"));
    code.setPlainText(QStringLiteral("ab123"));
    QCOMPARE(code.text(), QStringLiteral("AB-123"));
    QCOMPARE(code.plainText(), QStringLiteral("AB123"));
}

void TestEdits::dateEditText()
{
    DateEdit edit;
    QVERIFY(edit.calendarPopup());
    edit.setDateText(QStringLiteral("2004-02-29"));
    QCOMPARE(edit.dateText(), QStringLiteral("2004-02-29"));
    edit.setDateText(QStringLiteral("20040315"));
    QCOMPARE(edit.date(), QDate(2004, 3, 15));
    edit.setDateText(QStringLiteral("2004-02-30"));     // no such day: unchanged
    QCOMPARE(edit.dateText(), QStringLiteral("2004-03-15"));
}

void TestEdits::dbEditFollowsAndWritesBack()
{
    RecordSet rs;
    rs.setFields({{"NAME"}, {"QTY", FieldKind::Number}});
    rs.beginLoad();
    rs.appendRow({QStringLiteral("first"), 1.0});
    rs.appendRow({QStringLiteral("second"), 2.5});
    rs.endLoad();

    auto *name = new DbEdit(&rs, QStringLiteral("NAME"));
    auto *qty = new DbEdit(&rs, QStringLiteral("QTY"));
    Window window(name);
    window.widget.layout()->addWidget(qty);
    QCOMPARE(name->text(), QStringLiteral("first"));
    rs.next();
    QCOMPARE(name->text(), QStringLiteral("second"));
    QCOMPARE(qty->text(), QStringLiteral("2.5"));

    name->selectAll();
    QTest::keyClicks(name, "typed");
    QCOMPARE(rs.state(), RecordSet::Edit);
    QCOMPARE(rs.text("NAME"), QStringLiteral("typed"));
    qty->selectAll();
    QTest::keyClicks(qty, "12");
    QCOMPARE(rs.value("QTY").typeId(), int(QMetaType::Double));
    QCOMPARE(rs.number("QTY"), 12.0);

    rs.cancel();
    QCOMPARE(name->text(), QStringLiteral("second"));
    QCOMPARE(qty->text(), QStringLiteral("2.5"));
}

QTEST_MAIN(TestEdits)
#include "tst_edits.moc"
