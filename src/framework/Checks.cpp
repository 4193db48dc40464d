#include "framework/Checks.h"
#include "db/Query.h"
#include "framework/TextHelpers.h"
#include "session/Dialogs.h"

namespace {

// The day of `date`; invalid for empty text, EConvertError for text that is no date.
QDate checkedDate(const QString &date)
{
    const QString trimmed = date.trimmed();
    if (trimmed.isEmpty())
        return {};
    const QDate d = DateFromText(trimmed);
    if (!d.isValid())
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(trimmed));
    return d;
}

// The month key 'YYYYMM' is made here rather than in the statement: a bound
// parameter has no type PostgreSQL could convert to a date inside TO_CHAR.
QString monthKey(const QDate &d)
{
    return QStringLiteral("%1%2").arg(d.year(), 4, 10, QLatin1Char('0')).arg(d.month(), 2, 10, QLatin1Char('0'));
}

bool isYes(const db::Query &q, const QString &column)
{
    return q.text(column).trimmed() == QLatin1String("Y");
}

} // namespace

double GetStockQty(const QString &strgCode, const QString &itemCode, const QString &date, db::Connection &conn)
{
    const QDate d = checkedDate(date);
    if (!d.isValid())
        return 0;
    // A month without a row of its own yet holds what the latest earlier
    // month carries over.
    db::Query q(conn, QStringLiteral(
        "SELECT COALESCE(STOC_QTY,0) STOC_QTY FROM OZ010MS "
        "WHERE STOC_YYMM <= :STOC_YYMM AND STRG_CODE = :STRG_CODE AND ITEM_CODE = :ITEM_CODE "
        "ORDER BY STOC_YYMM DESC LIMIT 1"));
    q.bind(QStringLiteral("STOC_YYMM"), monthKey(d))
        .bind(QStringLiteral("STRG_CODE"), strgCode)
        .bind(QStringLiteral("ITEM_CODE"), itemCode)
        .exec();
    return q.next() ? q.number(QStringLiteral("STOC_QTY")) : 0.0;
}

int CheckMonthClose(const QString &date, QString &message, db::Connection &conn)
{
    const QString month = date.trimmed().left(7);
    message = month + QStringLiteral(" 해당 월 마감체크");
    const QDate d = checkedDate(date);
    if (!d.isValid())
        return mcOpen;
    db::Query q(conn, QStringLiteral("SELECT ORDE_CLOSE, COMP_CLOSE FROM OZ030MS WHERE CLOS_YYMM = :CLOS_YYMM"));
    q.bind(QStringLiteral("CLOS_YYMM"), monthKey(d)).exec();
    if (!q.next())
        return mcOpen;
    // A flag that is not 'Y' (also a missing one) leaves its closing open; the
    // other flag still counts.
    const bool purchase = isYes(q, QStringLiteral("ORDE_CLOSE"));
    const bool computer = isYes(q, QStringLiteral("COMP_CLOSE"));
    if (purchase && computer) {
        message = month + QStringLiteral(" 해당 월이 구매 및 전산마감 되었습니다.");
        return mcBothClosed;
    }
    if (purchase) {
        message = month + QStringLiteral(" 해당 월이 구매마감 되었습니다.");
        return mcPurchaseClosed;
    }
    if (computer) {
        message = month + QStringLiteral(" 해당 월이 전산마감 되었습니다.");
        return mcComputerClosed;
    }
    return mcOpen;
}

int CheckDayClose(const QString &date, QString &message, db::Connection &conn)
{
    const QString day = date.trimmed();
    message = day + QStringLiteral(" 해당 일자 마감체크");
    if (!checkedDate(day).isValid())
        return 0;
    db::Query q(conn, QStringLiteral("SELECT CLOS_CHK FROM OZ060MS WHERE CLOS_DATE = :CLOS_DATE"));
    q.bind(QStringLiteral("CLOS_DATE"), day).exec();
    if (!q.next() || !isYes(q, QStringLiteral("CLOS_CHK")))
        return 0;
    message = day + QStringLiteral(" 해당 일자는 마감 완료 되었습니다.");
    return 1;
}

bool RefuseClosedDay(const QString &date, db::Connection &conn)
{
    QString message;
    if (CheckDayClose(date, message, conn) != 1)
        return false;
    ShowInfo(message);
    return true;
}
