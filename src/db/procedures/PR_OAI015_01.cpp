// The resolution of a purchase request: the prices quoted by companies A, B
// and C for one request line (edit status '1' changed, '3' deleted: prices
// cleared; '2' new rows do not exist, lines come from the request screen) and,
// when the header values are passed, the delivery and payment terms of the
// request and the quoting companies of all its lines. All lines get the
// names, because the dialog reads the largest name over the lines.
// Errors are raised, not answered: the grid entry frame shows them.

#include "db/Procedures.h"
#include "db/Query.h"
#include "db/procedures/ClosingSupport.h"

#include <QRegularExpression>
#include <algorithm>

namespace db {

namespace {

const char *const kProcedure = "PR_OAI015_01";

const QStringList kHeaderInputs = {
    QStringLiteral("ADELI_DATE"),     QStringLiteral("ADELI_CONDITION"), QStringLiteral("APAY_CONDITION"),
    QStringLiteral("AACOMPANY_NAME"), QStringLiteral("ABCOMPANY_NAME"),  QStringLiteral("ACCOMPANY_NAME"),
    QStringLiteral("AACOMPANY_CODE")};

// A price as the grid holds it ("12000", "12,000.5"); empty is no price.
QString priceText(const ProcArgs &args, const QString &name)
{
    QString text = args.text(name).trimmed();
    text.remove(QLatin1Char(','));
    static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
    if (!text.isEmpty() && !number.match(text).hasMatch())
        throw DbError(closing::refusal(kProcedure, QStringLiteral("단가 오류 (%1: %2)").arg(name, args.text(name))));
    return text;
}

const char *const kLineByNumber = "PURC_NO = :APURC_NO AND PURC_SEQ = :APURC_SEQ";
const char *const kLineByKey =
    "PURC_DATE = :APURC_DATE AND STRG_CODE = :ASTRG_CODE AND PURC_NUM = :APURC_NUM AND PURC_SEQ = :APURC_SEQ";

void writeLinePrices(Connection &conn, const ProcArgs &args, const QString &status)
{
    const bool byNumber = !args.text(QStringLiteral("APURC_NO")).trimmed().isEmpty();
    const bool byKey = !args.text(QStringLiteral("APURC_DATE")).trimmed().isEmpty()
        && !args.text(QStringLiteral("ASTRG_CODE")).trimmed().isEmpty()
        && !args.text(QStringLiteral("APURC_NUM")).trimmed().isEmpty();
    if (args.text(QStringLiteral("APURC_SEQ")).trimmed().isEmpty() || (!byNumber && !byKey))
        return;
    const bool clear = status == QLatin1String("3");
    Query q(conn, QStringLiteral("UPDATE OA010DT SET A_COST_AMT = :AA_COST_AMT, B_COST_AMT = :AB_COST_AMT, "
                                 "C_COST_AMT = :AC_COST_AMT, U_EMP_NO = :AU_EMP_NO, U_DATE = SYSDATE(), "
                                 "U_IP = :AU_IP WHERE ")
                     + QLatin1String(byNumber ? kLineByNumber : kLineByKey));
    for (const QString &price : {QStringLiteral("AA_COST_AMT"), QStringLiteral("AB_COST_AMT"), QStringLiteral("AC_COST_AMT")})
        q.bind(price, clear ? QString() : priceText(args, price));
    for (const QString &name : q.parameterNames()) {
        if (!name.endsWith(QLatin1String("_COST_AMT")))
            q.bind(name, args.text(name));
    }
    q.exec();
}

void writeHeader(Connection &conn, const ProcArgs &args)
{
    const QString purcNo = args.text(QStringLiteral("APURC_NO")).trimmed();
    if (purcNo.isEmpty())
        return;
    const auto bindAll = [&args](Query &q) {
        for (const QString &name : q.parameterNames())
            q.bind(name, args.text(name));
    };
    Query header(conn, QStringLiteral(
        "UPDATE OA010MS SET DELI_DATE = :ADELI_DATE, DELI_CONDITION = :ADELI_CONDITION, "
        "PAY_CONDITION = :APAY_CONDITION, U_EMP_NO = :AU_EMP_NO, U_DATE = SYSDATE(), U_IP = :AU_IP "
        "WHERE PURC_NO = :APURC_NO"));
    bindAll(header);
    header.exec();
    Query lines(conn, QStringLiteral(
        "UPDATE OA010DT SET A_ESTI_NAME = :AACOMPANY_NAME, A_ESTI_CODE = :AACOMPANY_CODE, "
        "B_ESTI_NAME = :ABCOMPANY_NAME, C_ESTI_NAME = :ACCOMPANY_NAME, "
        "U_EMP_NO = :AU_EMP_NO, U_DATE = SYSDATE(), U_IP = :AU_IP WHERE PURC_NO = :APURC_NO"));
    bindAll(lines);
    lines.exec();
}

QString storeResolution(Connection &conn, const ProcArgs &args)
{
    const QString status = args.text(QStringLiteral("AEDITSTATUS")).trimmed();
    if (status == QLatin1String("1") || status == QLatin1String("3"))
        writeLinePrices(conn, args, status);
    else if (status != QLatin1String("2"))
        throw DbError(closing::refusal(kProcedure, QStringLiteral("수정상태 오류 (%1)").arg(status)));
    const bool headerGiven = std::any_of(kHeaderInputs.cbegin(), kHeaderInputs.cend(),
                                         [&args](const QString &name) { return args.has(name); });
    if (headerGiven)
        writeHeader(conn, args);
    return closing::kYes;
}

} // namespace

ProcOutputs PR_OAI015_01(Connection &conn, const ProcArgs &args)
{
    closing::runAtomically(conn, [&] { return storeResolution(conn, args); });
    return {};
}

} // namespace db
