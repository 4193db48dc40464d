// The in-memory record set: the browse/edit/insert cycle, navigation,
// deletion, sorting and bulk loading.

#include "widgets/RecordSet.h"

#include <QDate>
#include <QSignalSpy>
#include <QTest>

using namespace widgets;

namespace {

// CODE, NAME, QTY (number), PURC_DATE (date) over the given rows.
void fill(RecordSet &rs, const QVector<QVector<QVariant>> &rows)
{
    rs.setFields({{"CODE"}, {"NAME"}, {"QTY", FieldKind::Number, "#,##0.0"}, {"PURC_DATE", FieldKind::Date}});
    rs.beginLoad(int(rows.size()));
    for (const auto &row : rows)
        rs.appendRow(row);
    rs.endLoad();
}

void fillCodes(RecordSet &rs, int count)
{
    QVector<QVector<QVariant>> rows;
    for (int i = 0; i < count; ++i)
        rows.append({QStringLiteral("C%1").arg(i), QStringLiteral("name %1").arg(i), double(i), QString()});
    fill(rs, rows);
}

QStringList codes(const RecordSet &rs)
{
    QStringList list;
    for (int r = 0; r < rs.recordCount(); ++r)
        list << rs.value(r, 0).toString();
    return list;
}

} // namespace

class TestRecordSet : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadSignalsOnceAndStandsOnFirstRow();
    void valuesOfTheCurrentRecord();
    void editThenCancelRestoresTheRecord();
    void insertPostAndCancel();
    void untouchedNewRecordIsDroppedWhenLeft();
    void deleteKeepsPositionOrMovesBack();
    void navigationSetsBofAndEof();
    void sortKeepsCurrentRecord_data();
    void sortKeepsCurrentRecord();
};

void TestRecordSet::loadSignalsOnceAndStandsOnFirstRow()
{
    RecordSet rs;
    rs.setFields({{"CODE"}, {"QTY", FieldKind::Number}});
    QSignalSpy inserted(&rs, &RecordSet::rowsInserted);
    QSignalSpy reset(&rs, &RecordSet::layoutReset);
    QSignalSpy scrolled(&rs, &RecordSet::afterScroll);

    rs.beginLoad(5000);
    for (int i = 0; i < 5000; ++i)
        rs.appendRow({QString::number(i)});  // short row: padded
    QCOMPARE(reset.count(), 0);
    rs.endLoad();

    QCOMPARE(inserted.count(), 0);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(scrolled.count(), 1);
    QCOMPARE(rs.recordCount(), 5000);
    QCOMPARE(rs.currentRow(), 0);
    QVERIFY(rs.bof());
    QVERIFY(!rs.eof());
    QVERIFY(!rs.value(4999, 1).isValid());

    // outside a load, every appended row is announced
    rs.appendRow({QStringLiteral("x"), 1.0});
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.last().at(0).toInt(), 5000);
}

void TestRecordSet::valuesOfTheCurrentRecord()
{
    RecordSet rs;
    fill(rs, {{"A", "first", QStringLiteral("1,234.5"), QDate(2004, 4, 1)},
              {"B", "second", 7.25, QStringLiteral("2004-05-02")}});
    QCOMPARE(rs.fieldIndex("qty"), 2);
    QCOMPARE(rs.fieldIndex("NOPE"), -1);
    QCOMPARE(rs.number("QTY"), 1234.5);           // numbers stored as text still read as numbers
    QCOMPARE(rs.text("PURC_DATE"), QStringLiteral("2004-04-01"));
    QCOMPARE(rs.displayText(0, 2), QStringLiteral("1,234.5"));
    QCOMPARE(rs.displayText(1, 2), QStringLiteral("7.3"));
    rs.next();
    QCOMPARE(rs.text("CODE"), QStringLiteral("B"));
    QCOMPARE(rs.value(0, "NAME").toString(), QStringLiteral("first"));
    QCOMPARE(rs.number("NAME"), 0.0);             // not a number
    QVERIFY(!rs.setValue("NOPE", 1));
    QCOMPARE(rs.state(), RecordSet::Browse);      // a failed write does not start editing
}

void TestRecordSet::editThenCancelRestoresTheRecord()
{
    RecordSet rs;
    fillCodes(rs, 3);
    rs.moveTo(1);
    QSignalSpy fieldSpy(&rs, &RecordSet::fieldChanged);
    QSignalSpy stateSpy(&rs, &RecordSet::stateChanged);

    QVERIFY(rs.setValue("NAME", QStringLiteral("changed")));  // starts editing by itself
    QCOMPARE(rs.state(), RecordSet::Edit);
    QVERIFY(rs.isModified());
    rs.setValue("QTY", 99.0);
    QCOMPARE(fieldSpy.count(), 2);

    fieldSpy.clear();
    rs.cancel();
    QCOMPARE(rs.state(), RecordSet::Browse);
    QCOMPARE(rs.text("NAME"), QStringLiteral("name 1"));
    QCOMPARE(rs.number("QTY"), 1.0);
    QCOMPARE(fieldSpy.count(), 2);                // bound edits learn of the restored values
    QCOMPARE(stateSpy.count(), 2);

    // edit + post keeps the values; moving on posts a pending edit too
    rs.edit();
    rs.setValue("NAME", QStringLiteral("kept"));
    rs.next();
    QCOMPARE(rs.state(), RecordSet::Browse);
    QCOMPARE(rs.value(1, "NAME").toString(), QStringLiteral("kept"));
}

void TestRecordSet::insertPostAndCancel()
{
    RecordSet rs;
    fillCodes(rs, 3);
    rs.moveTo(1);
    QSignalSpy scrolled(&rs, &RecordSet::afterScroll);
    QSignalSpy inserted(&rs, &RecordSet::rowsInserted);

    rs.insert();                                   // before the current record
    QCOMPARE(rs.state(), RecordSet::Insert);
    QCOMPARE(rs.currentRow(), 1);
    QCOMPARE(rs.recordCount(), 4);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(scrolled.count(), 1);
    QVERIFY(!rs.value("CODE").isValid());
    rs.setValue("CODE", QStringLiteral("NEW"));
    rs.post();
    QCOMPARE(rs.state(), RecordSet::Browse);
    QCOMPARE(codes(rs), QStringList({"C0", "NEW", "C1", "C2"}));

    rs.moveTo(2);
    rs.append();
    QCOMPARE(rs.currentRow(), 4);
    rs.setValue("CODE", QStringLiteral("GONE"));
    rs.cancel();                                   // the new record disappears
    QCOMPARE(codes(rs), QStringList({"C0", "NEW", "C1", "C2"}));
    QCOMPARE(rs.currentRow(), 2);                  // back where we were
    QCOMPARE(rs.state(), RecordSet::Browse);

    rs.insert();
    rs.deleteRecord();                             // deleting a new record is cancelling it
    QCOMPARE(rs.recordCount(), 4);
    QCOMPARE(rs.text("CODE"), QStringLiteral("C1"));

    RecordSet empty;
    empty.setFields({{"CODE"}});
    QVERIFY(!empty.edit());
    empty.insert();
    QCOMPARE(empty.currentRow(), 0);
    empty.cancel();
    QCOMPARE(empty.currentRow(), -1);
    QVERIFY(empty.bof() && empty.eof());
}

void TestRecordSet::untouchedNewRecordIsDroppedWhenLeft()
{
    RecordSet rs;
    fillCodes(rs, 4);
    rs.moveTo(1);
    rs.insert();                                   // rows: C0 new C1 C2 C3
    QVERIFY(rs.moveTo(3));                         // the user points at C2 (row 3 while the new row exists)
    QCOMPARE(rs.recordCount(), 4);
    QCOMPARE(rs.text("CODE"), QStringLiteral("C2"));
    QCOMPARE(rs.state(), RecordSet::Browse);

    rs.append();
    rs.setValue("CODE", QStringLiteral("C4"));
    rs.first();                                    // a touched new record is posted
    QCOMPARE(codes(rs), QStringList({"C0", "C1", "C2", "C3", "C4"}));
}

void TestRecordSet::deleteKeepsPositionOrMovesBack()
{
    RecordSet rs;
    fillCodes(rs, 4);
    QSignalSpy removed(&rs, &RecordSet::rowsRemoved);
    QSignalSpy scrolled(&rs, &RecordSet::afterScroll);

    rs.moveTo(1);
    scrolled.clear();
    rs.deleteRecord();
    QCOMPARE(codes(rs), QStringList({"C0", "C2", "C3"}));
    QCOMPARE(rs.text("CODE"), QStringLiteral("C2"));  // the next record takes its place
    QCOMPARE(removed.count(), 1);
    QCOMPARE(scrolled.count(), 1);

    rs.last();
    rs.edit();
    rs.setValue("NAME", QStringLiteral("being edited"));
    rs.deleteRecord();                                // the edit goes with the record
    QCOMPARE(rs.state(), RecordSet::Browse);
    QCOMPARE(rs.text("CODE"), QStringLiteral("C2"));  // the last one: back to the new last

    rs.deleteRecord();
    rs.deleteRecord();
    QVERIFY(rs.isEmpty());
    QCOMPARE(rs.currentRow(), -1);
    QVERIFY(rs.bof() && rs.eof());
    rs.deleteRecord();                                // nothing left: no effect
    QCOMPARE(removed.count(), 4);
}

void TestRecordSet::navigationSetsBofAndEof()
{
    RecordSet rs;
    fillCodes(rs, 3);
    QSignalSpy scrolled(&rs, &RecordSet::afterScroll);

    rs.prior();                                   // already first
    QVERIFY(rs.bof());
    QCOMPARE(scrolled.count(), 0);
    rs.next();
    QVERIFY(!rs.bof() && !rs.eof());
    rs.next();
    QVERIFY(!rs.eof());                           // on the last row, not yet past it
    rs.next();
    QVERIFY(rs.eof());
    QCOMPARE(rs.currentRow(), 2);
    QCOMPARE(scrolled.count(), 2);
    rs.first();
    QVERIFY(rs.bof() && !rs.eof());
    rs.last();
    QVERIFY(rs.eof() && !rs.bof());
    QVERIFY(!rs.moveTo(3));
    QVERIFY(rs.locate("NAME", QStringLiteral("name 1")));
    QCOMPARE(rs.currentRow(), 1);
    QVERIFY(!rs.locate("NAME", QStringLiteral("nobody")));
    QCOMPARE(rs.currentRow(), 1);
}

void TestRecordSet::sortKeepsCurrentRecord_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected");

    // rows: CODE / QTY / PURC_DATE
    //   a   10        2004-03-01
    //   b   ""        20040101 (text)
    //   c   "1,200"   ""
    //   d   2         2004-02-01
    //   e   10        2004-03-01
    QTest::newRow("numbers ascending, empty last") << "QTY" << int(Qt::AscendingOrder)
                                                   << QStringList({"d", "a", "e", "c", "b"});
    QTest::newRow("numbers descending, equal keep order") << "QTY" << int(Qt::DescendingOrder)
                                                          << QStringList({"c", "a", "e", "d", "b"});
    QTest::newRow("dates ascending") << "PURC_DATE" << int(Qt::AscendingOrder)
                                     << QStringList({"b", "d", "a", "e", "c"});
    QTest::newRow("text descending") << "CODE" << int(Qt::DescendingOrder)
                                     << QStringList({"e", "d", "c", "b", "a"});
}

void TestRecordSet::sortKeepsCurrentRecord()
{
    QFETCH(QString, field);
    QFETCH(int, order);
    QFETCH(QStringList, expected);

    RecordSet rs;
    fill(rs, {{"a", "", 10.0, QDate(2004, 3, 1)},
              {"b", "", QString(), QStringLiteral("20040101")},
              {"c", "", QStringLiteral("1,200"), QString()},
              {"d", "", 2.0, QDate(2004, 2, 1)},
              {"e", "", 10, QDate(2004, 3, 1)}});
    rs.moveTo(3);                                  // "d"
    QSignalSpy reset(&rs, &RecordSet::layoutReset);

    rs.sortBy(field, Qt::SortOrder(order));
    QCOMPARE(codes(rs), expected);
    QCOMPARE(rs.text("CODE"), QStringLiteral("d"));
    QCOMPARE(rs.currentRow(), int(expected.indexOf("d")));
    QCOMPARE(reset.count(), 1);
}

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
