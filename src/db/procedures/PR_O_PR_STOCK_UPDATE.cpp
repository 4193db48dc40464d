// Material movements (OP040MS, a stock of its own, apart from OZ010MS): after a
// document is saved ('INS' receipt or issue, 'MOD' correction) or before it
// is deleted ('DEL'), the running stock of every warehouse and material the
// document touches is computed again over all its movements in order of
// date, number and line: a receipt adds, an issue takes away, a correction
// sets the stock to its quantity. The document is the movements of the date
// and number, each in its own warehouse (the caller's warehouse need not be
// theirs).

#include "db/Procedures.h"
#include "db/Query.h"
#include "db/procedures/StockModel.h"

#include <cmath>
#include <set>

namespace db {

namespace {
const char *const kName = "PR_O_PR_STOCK_UPDATE";
const char *const kDocumentLines =
    "SELECT STRG_CODE, ITEM_CODE, GUBUN FROM OP040MS WHERE INSP_DATE = :INSP_DATE AND INSP_NUM = :INSP_NUM";
const char *const kMovements =
    "SELECT INSP_DATE, STRG_CODE, INSP_NUM, INSP_SEQ, GUBUN, COALESCE(PUT_QTY,0) PUT_QTY, STOC_QTY FROM OP040MS "
    "WHERE STRG_CODE = :STRG_CODE AND ITEM_CODE = :ITEM_CODE ORDER BY INSP_DATE, INSP_NUM, INSP_SEQ";
const char *const kSetStock =
    "UPDATE OP040MS SET STOC_QTY = :STOC_QTY, U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    "WHERE INSP_DATE = :INSP_DATE AND STRG_CODE = :STRG_CODE AND INSP_NUM = :INSP_NUM AND INSP_SEQ = :INSP_SEQ";

QString quantityText(double v)
{
    QString s = QString::number(std::round(v * 1e5) / 1e5, 'f', 5);
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

// The running stock of one warehouse and material, written where it changed;
// the document's own lines are left out when it is being deleted.
void recompute(Connection &conn, const QString &strg, const QString &item, const QString &date, const QString &number,
               bool leaveOut, const QString &empNo, const QString &ip)
{
    struct Line { QString date, num, seq, stored; double stock; };
    std::vector<Line> lines;
    Query q(conn, QString::fromLatin1(kMovements));
    q.bind(QStringLiteral("STRG_CODE"), strg).bind(QStringLiteral("ITEM_CODE"), item).exec();
    double stock = 0;
    while (q.next()) {
        const QString lineDate = q.text(QStringLiteral("INSP_DATE"));
        const QString lineNum = q.text(QStringLiteral("INSP_NUM"));
        if (leaveOut && lineDate == date && lineNum == number)
            continue;
        const QString kind = q.text(QStringLiteral("GUBUN")).trimmed();
        const double qty = q.number(QStringLiteral("PUT_QTY"));
        if (kind == QLatin1String("I"))
            stock += qty;
        else if (kind == QLatin1String("O"))
            stock -= qty;
        else if (kind == QLatin1String("M"))
            stock = qty;
        lines.push_back({lineDate, lineNum, q.text(QStringLiteral("INSP_SEQ")), q.text(QStringLiteral("STOC_QTY")), stock});
    }
    for (const Line &l : lines) {
        const QString wanted = quantityText(l.stock);
        if (!l.stored.isEmpty() && quantityText(l.stored.toDouble()) == wanted)
            continue;
        Query(conn, QString::fromLatin1(kSetStock))
            .bind(QStringLiteral("STOC_QTY"), wanted)
            .bind(QStringLiteral("U_EMP_NO"), empNo)
            .bind(QStringLiteral("U_IP"), ip)
            .bind(QStringLiteral("INSP_DATE"), l.date)
            .bind(QStringLiteral("STRG_CODE"), strg)
            .bind(QStringLiteral("INSP_NUM"), l.num)
            .bind(QStringLiteral("INSP_SEQ"), l.seq)
            .exec();
    }
}
} // namespace

ProcOutputs PR_O_PR_STOCK_UPDATE(Connection &conn, const ProcArgs &args)
{
    const QString dateText = args.text(QStringLiteral("I_SILS_DATE"));
    const QString date = stock::normalDate(dateText);
    const QString number = args.text(QStringLiteral("I_INSP_NUM")).trimmed();
    const QString flag = args.text(QStringLiteral("I_FLAG"));
    const QString empNo = args.text(QStringLiteral("I_UEMP_NO")).trimmed();
    const QString ip = args.text(QStringLiteral("I_U_IP")).trimmed();
    const QString answer = stock::postAtomically(conn, [&]() -> QString {
        const stock::Flag f = stock::flagOf(flag);
        if (f == stock::Flag::Invalid)
            return stock::refusal(kName, QStringLiteral("처리구분 오류 (%1)").arg(flag.trimmed()));
        if (date.isEmpty())
            return stock::refusal(kName, QStringLiteral("일자 오류 (%1)").arg(dateText.trimmed()));
        // One document of a date and number at a time; the running stock of
        // its materials is then computed by one workstation.
        stock::lockDocument(conn, {QStringLiteral("PR"), {date, number}});
        std::set<std::pair<QString, QString>> touched;
        bool corrections = false, movements = false;
        Query q(conn, QString::fromLatin1(kDocumentLines));
        q.bind(QStringLiteral("INSP_DATE"), date).bind(QStringLiteral("INSP_NUM"), number).exec();
        while (q.next()) {
            touched.insert({q.text(QStringLiteral("STRG_CODE")), q.text(QStringLiteral("ITEM_CODE"))});
            const bool correction = q.text(QStringLiteral("GUBUN")).trimmed() == QLatin1String("M");
            corrections = corrections || correction;
            movements = movements || !correction;
        }
        if ((f == stock::Flag::Ins && corrections) || (f == stock::Flag::Mod && movements))
            return stock::refusal(kName, QStringLiteral("작업구분이 일치하지 않습니다."));
        // Other documents of the same materials wait until this one is done.
        for (const auto &[strg, item] : touched)
            stock::lockDocument(conn, {QStringLiteral("PRITEM"), {strg, item}});
        for (const auto &[strg, item] : touched)
            recompute(conn, strg, item, date, number, f == stock::Flag::Del, empNo, ip);
        return QStringLiteral("Y");
    });
    return {{QStringLiteral("O_CHK"), answer}};
}

} // namespace db
