// Document numbers: kind + 'YYYYMM' + five-digit serial, 13 characters.
// The serial is kept per kind and month in OZ090MS and taken with one
// atomic upsert, so workstations asking at the same moment never share a
// number: the row lock (PostgreSQL) or the write lock (SQLite) orders them.

#include "db/Procedures.h"
#include "db/Query.h"

#include <QRegularExpression>

namespace db {

namespace {
const char *const kNextSerial =
    "INSERT INTO OZ090MS (ADMIN_GUBUN, ADMIN_YYMM, LAST_SERIAL) "
    "VALUES (:I_GUBUN, :I_DATE, 1) "
    "ON CONFLICT (ADMIN_GUBUN, ADMIN_YYMM) "
    "DO UPDATE SET LAST_SERIAL = OZ090MS.LAST_SERIAL + 1 WHERE OZ090MS.LAST_SERIAL < 99999 "
    "RETURNING LAST_SERIAL";
} // namespace

ProcOutputs PR_GETADMINNO(Connection &conn, const ProcArgs &args)
{
    const QString kind = args.text(QStringLiteral("I_GUBUN")).trimmed().toUpper();
    const QString month = args.text(QStringLiteral("I_DATE")).trimmed();
    static const QRegularExpression kindPattern(QStringLiteral("^[A-Z]{2}$"));
    static const QRegularExpression monthPattern(QStringLiteral("^\\d{4}(0[1-9]|1[0-2])$"));
    if (!kindPattern.match(kind).hasMatch() || !monthPattern.match(month).hasMatch())
        return {{QStringLiteral("O_NO"), QStringLiteral("ERR: 잘못된 채번 요청입니다 (%1, %2)").arg(kind, month)}};

    Query q(conn, QString::fromLatin1(kNextSerial));
    q.bind(QStringLiteral("I_GUBUN"), kind).bind(QStringLiteral("I_DATE"), month).exec();
    // The last five-digit serial of the month is kept as it is: no row comes back.
    if (!q.next())
        return {{QStringLiteral("O_NO"), QStringLiteral("ERR: %1 %2 번호가 모두 사용되었습니다").arg(kind, month)}};
    const int serial = int(q.number(QStringLiteral("LAST_SERIAL")));
    return {{QStringLiteral("O_NO"), kind + month + QStringLiteral("%1").arg(serial, 5, 10, QLatin1Char('0'))}};
}

} // namespace db
