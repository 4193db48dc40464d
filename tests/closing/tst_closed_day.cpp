// A closed day refuses every stock-changing operation on documents of that
// day: one row per operation, all through the one shared check, each
// attempted as a user on a closed day and leaving the stock as it was.
//
// A row is (operation, date tested, refusal text, attempt):
// - operation: what the user does, by its name on the screen's side;
// - date tested: which date of the document the check reads;
// - refusal text: what the user is told, for the closed day kDay;
// - attempt: drives the screen to do the operation on a document whose
//   tested date is `day`, answering every question with yes.
// The fixture has, on kDay in warehouse 110, a posted opening stock list and
// a posted stock count, so deletions have something to delete; the day is
// then closed on the daily closing screen.

#include "ClosingScreenFixtures.h"
#include "modules/closing/OEB030.h"
#include "modules/closing/OEI010.h"
#include "modules/master/OXI080.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QPushButton>
#include <QtTest>

#include <functional>

using namespace fixtures;

namespace {

const QString kDay = QStringLiteral("2026-05-20");
const QString kRefusal = QStringLiteral("2026-05-20 해당 일자는 마감 완료 되었습니다.");

using Attempt = std::function<void(DialogRecorder &, const QString &day)>;

struct ClosedDayRow {
    const char *operation;
    const char *dateTested;
    QString refusal;
    Attempt attempt;
};

// The search panel of a stock screen on a warehouse and a day.
template <typename Form>
void searchFor(ScreenDriver<Form> &s, const QString &day)
{
    s.type("edtSTRG_CODE_S", "110");
    s.key(Qt::Key_Tab);
    s.type("medSILS_DATE_S", day);
    s.key(Qt::Key_F3);
}

void newOpeningStock(DialogRecorder &dialogs, const QString &day)
{
    ScreenDriver<TfrmOXI080> s;
    searchFor(s, day);
    s.key(Qt::Key_F4);
    dialogs.dialogHandlers.enqueue([](QDialog *) { return QDialog::Accepted; });
    s.type("edtITEM_NAME", QStringLiteral("한우 안심"));
    s.key(Qt::Key_Tab);
    s.type("edtSils_Qty", "3");
    s.form.btnLineAppend->click();
    dialogs.answerYes();
    s.key(Qt::Key_F2);
}

void deleteOpeningStock(DialogRecorder &dialogs, const QString &day)
{
    ScreenDriver<TfrmOXI080> s;
    searchFor(s, day);
    dialogs.answerYes();
    s.key(Qt::Key_F9);
}

void openingStockBatch(DialogRecorder &, const QString &day)
{
    ScreenDriver<TfrmOXI080> s;
    s.type("medSILS_DATE_S", day);
    s.form.Button1->click();
}

void newStockCount(DialogRecorder &dialogs, const QString &day)
{
    ScreenDriver<TfrmOEI010> s;
    s.type("edtSTRG_CODE_S", "210");
    s.key(Qt::Key_Tab);
    s.type("medSILS_DATE_S", day);
    s.key(Qt::Key_F4);
    dialogs.dialogHandlers.enqueue([](QDialog *) { return QDialog::Accepted; });
    s.type("edtITEM_NAME", QStringLiteral("한우 안심"));
    s.key(Qt::Key_Tab);
    s.type("edtSils_Qty", "3");
    s.form.btnLineAppend->click();
    dialogs.answerYes();
    s.key(Qt::Key_F2);
}

void deleteStockCount(DialogRecorder &dialogs, const QString &day)
{
    ScreenDriver<TfrmOEI010> s;
    searchFor(s, day);
    dialogs.answerYes();
    s.key(Qt::Key_F9);
}

const QList<ClosedDayRow> &rows()
{
    static const QList<ClosedDayRow> table = {
        // operation                            date tested           refusal   attempt
        {"saving opening stock",                "the opening date",   kRefusal, newOpeningStock},
        {"deleting opening stock",              "the opening date",   kRefusal, deleteOpeningStock},
        {"posting the opening stock of a date", "the opening date",   kRefusal, openingStockBatch},
        {"saving a stock count",                "the count date",     kRefusal, newStockCount},
        {"deleting a stock count",              "the count date",     kRefusal, deleteStockCount},
    };
    return table;
}

// The day closed as the user closes it, on the daily closing screen.
void closeDay(const QString &day)
{
    ScreenDriver<TfrmOEB030> s;
    s.type("medYYMM", day.left(4) + day.mid(5, 2));
    s.key(Qt::Key_F3);
    s.form.rgdEnd->setFocus();
    s.form.rgdEnd->setCurrentCell(0, s.form.cdsEnd->find(QStringLiteral("CLOS_DATE"), day));
    QTest::keyClick(s.form.rgdEnd, Qt::Key_Space);
    s.form.bbEnd->click();
}

QStringList stockState(db::Connection &conn)
{
    QStringList state = snapshot(conn);
    db::Query q(conn, QStringLiteral("SELECT SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST FROM OZ020MS "
                                     "ORDER BY 1, 2, 3, 4"));
    q.exec();
    while (q.next())
        state << QStringList{q.text(0), q.text(1), q.text(2), q.text(3), q.text(4), q.text(5)}.join(QLatin1Char('|'));
    return state;
}

} // namespace

class TestClosedDay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void closedDayRefusesEveryStockChange_data()
    {
        QTest::addColumn<int>("row");
        for (int i = 0; i < rows().size(); ++i)
            QTest::newRow(rows().at(i).operation) << i;
    }
    void closedDayRefusesEveryStockChange()
    {
        QFETCH(int, row);
        const ClosedDayRow &r = rows().at(row);
        TestSession session;
        db::Connection &conn = session.conn();
        stockRow(conn, "202605", "110", kMayItem, 10, 1000, 22);
        silsLine(conn, kDay, "110", kMayItem, "1", 4, 120, 480);
        silsLine(conn, kDay, "110", kMayItem, "2", 25, 3, 22);
        for (const char *kind : {"opening", "count"}) {
            db::ProcInputs inputs{{"I_SILS_DATE", kDay}, {"I_STRG_CODE", "110"}, {"I_FLAG", "INS"}};
            if (QLatin1String(kind) == QLatin1String("count"))
                inputs.append({QStringLiteral("I_DIVE_CODE"), QString()});
            QCOMPARE(call(conn, "PR_O_DATE_STOCK_SIL_UPDATE", inputs), QStringLiteral("Y"));
        }
        DialogRecorder dialogs;
        closeDay(kDay);
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("일마감 [PR_O_DAY_END] 처리가 완료 되었습니다.")});
        dialogs.clear();
        const QStringList before = stockState(conn);

        r.attempt(dialogs, kDay);
        QVERIFY2(dialogs.texts().contains(r.refusal),
                 qPrintable(QStringLiteral("%1 (%2): %3").arg(QLatin1String(r.operation), QLatin1String(r.dateTested),
                                                              dialogs.texts().join(QLatin1String(" / ")))));
        QCOMPARE(dialogs.lastText(), r.refusal);
        QCOMPARE(stockState(conn), before);
    }
};

QTEST_MAIN(TestClosedDay)
#include "tst_closed_day.moc"
