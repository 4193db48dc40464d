// Posts a return to a supplier to the monthly stock or takes its posting
// back: both kinds of return leave the warehouse on the return date. The key
// comes from grid cells: the date may carry a time, the number must be whole.

#include "db/Procedures.h"
#include "db/Query.h"
#include "db/procedures/StockModel.h"

#include <cmath>

namespace db {

namespace {
const char *const kName = "PR_O_DATE_STOCK_RETU_UPDATE";
const char *const kReturn =
    "SELECT STRG_CODE, U_EMP_NO, U_IP FROM OD030MS "
    "WHERE RETU_DATE = :RETU_DATE AND C_CODE = :C_CODE AND RETU_NUM = :RETU_NUM";

// The whole number of the text, or -1.
int wholeNumber(const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || v < 0 || v > 1e6 || std::floor(v) != v)
        return -1;
    return int(v);
}
} // namespace

ProcOutputs PR_O_DATE_STOCK_RETU_UPDATE(Connection &conn, const ProcArgs &args)
{
    const QString dateText = args.text(QStringLiteral("I_RETU_DATE"));
    const QString retuDate = stock::normalDate(dateText);
    const QString supplier = args.text(QStringLiteral("I_C_CODE")).trimmed();
    const QString numText = args.text(QStringLiteral("I_RETU_NUM"));
    const int number = wholeNumber(numText);
    const QString flag = args.text(QStringLiteral("I_FLAG"));
    const stock::Source source{QStringLiteral("RETU"), {retuDate, supplier, QString::number(number)}};
    const QString answer = stock::postAtomically(conn, [&]() -> QString {
        const stock::Flag f = stock::flagOf(flag);
        if (f != stock::Flag::Ins && f != stock::Flag::Del)
            return stock::refusal(kName, QStringLiteral("처리구분 오류 (%1)").arg(flag.trimmed()));
        if (retuDate.isEmpty())
            return stock::refusal(kName, QStringLiteral("반품일자 오류 (%1)").arg(dateText.trimmed()));
        if (number < 0)
            return stock::refusal(kName, QStringLiteral("반품번호 오류 (%1)").arg(numText.trimmed()));
        stock::lockDocument(conn, source);
        if (f == stock::Flag::Del) {
            stock::unpost(conn, source);
            return QStringLiteral("Y");
        }
        Query q(conn, QString::fromLatin1(kReturn));
        q.bind(QStringLiteral("RETU_DATE"), retuDate).bind(QStringLiteral("C_CODE"), supplier)
            .bind(QStringLiteral("RETU_NUM"), QString::number(number)).exec();
        if (!q.next())
            return stock::refusal(kName, QStringLiteral("반품 자료가 없습니다 (%1)").arg(source.key()));
        if (q.text(QStringLiteral("STRG_CODE")).trimmed().isEmpty())
            return stock::refusal(kName, QStringLiteral("반품 창고가 없습니다 (%1)").arg(source.key()));
        stock::post(conn, source, {q.text(QStringLiteral("U_EMP_NO")), q.text(QStringLiteral("U_IP"))});
        return QStringLiteral("Y");
    });
    return {{QStringLiteral("O_CHK"), answer}};
}

} // namespace db
