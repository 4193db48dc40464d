// Writes the order form picture of docs/: a demo order (a request of the
// kitchen taken into an order, confirmed) in a scratch demo database, its
// order form as PDF and its first page as PNG.
//   purchasing-orderform DEMO_ALIAS OUTPUT_DIR
// DEMO_ALIAS must be a scratch database made with "purchasing-db demo": the
// order is added to it.

#include "common/DemoTool.h"
#include "db/Query.h"
#include "modules/orders/OBP010.h"
#include "modules/orders/OrderWrite.h"
#include "reports/Report.h"

#include <QApplication>
#include <cstdio>

namespace {

struct DemoLine {
    const char *item;
    double qty;
    double cost;
    const char *remark;
};

const DemoLine kLines[] = {
    {"L1020001", 30, 26000, "조식 뷔페"},
    {"L1020002", 25, 24000, "연회 바비큐"},
    {"L1020006", 12, 17000, ""},
    {"L1030002", 20, 17000, "샐러드 바"},
    {"L1030005", 15, 12500, "과세 품목"},
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (!HasDemoAndOutputArguments(args, "purchasing-orderform"))
        return 2;
    DemoSession demo(args.at(1), QStringLiteral("P0000001"), QStringLiteral("한지원"));
    if (!demo.isOpen())
        return 1;
    db::Connection &conn = demo.conn();
    try {
        const QString date = db::Query::scalar(conn, QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')"));
        const QString purcNo = conn.callProcedure(QStringLiteral("PR_GETADMINNO"),
            {{QStringLiteral("I_GUBUN"), QStringLiteral("PU")}, {QStringLiteral("I_DATE"), QString(date).remove(u'-').left(6)}})
            .value(QStringLiteral("O_NO"));
        db::Query(conn, QStringLiteral(
            "INSERT INTO OA010MS (PURC_DATE, STRG_CODE, PURC_NUM, PURC_NO, PLAN_DATE, CHAR_NAME, CHAR_TEL, DEPT_CODE, APPR_GUBUN) "
            "VALUES (:D, '110', (SELECT COALESCE(MAX(PURC_NUM),0) + 1 FROM OA010MS WHERE PURC_DATE = :D AND STRG_CODE = '110'), "
            "        :NO, :D, '이수진', '033-330-2210', '1300', '2')"))
            .bind(QStringLiteral("D"), date).bind(QStringLiteral("NO"), purcNo).exec();

        orders::OrderDraft draft;
        draft.key = {date, QStringLiteral("100001"), QString()};
        draft.ordeNo = conn.callProcedure(QStringLiteral("PR_GETADMINNO"),
            {{QStringLiteral("I_GUBUN"), QStringLiteral("OR")}, {QStringLiteral("I_DATE"), QString(date).remove(u'-').left(6)}})
            .value(QStringLiteral("O_NO"));
        draft.putDate = date;
        draft.purcNo = purcNo;
        draft.ordeChar = QStringLiteral("한지원");
        draft.ordeTel = QStringLiteral("033-330-7012");
        draft.inspChar = QStringLiteral("정민호");
        draft.inspTel = QStringLiteral("033-330-7030");
        draft.document = QStringLiteral("세금계산서,거래명세표");
        draft.giveTerm = QStringLiteral("발주 후 2일 이내");
        draft.paymTerm = QStringLiteral("익월현금");
        draft.deliTerm = QStringLiteral("현장하차도");
        draft.repaTerm = QStringLiteral("납품 후 7일");
        draft.remark = QStringLiteral("냉장 차량으로 오전 10시 이전 납품");
        for (const DemoLine &d : kLines) {
            orders::OrderLine line;
            line.itemCode = QString::fromLatin1(d.item);
            line.qty = d.qty;
            line.costAmt = d.cost;
            line.amt = d.qty * d.cost;
            line.remark = QString::fromUtf8(d.remark);
            draft.lines << line;
        }
        orders::writeOrder(conn, draft);
        db::Query(conn, QStringLiteral("UPDATE OB010MS SET APPR_GUBUN = '2' WHERE ORDE_NO = :NO"))
            .bind(QStringLiteral("NO"), draft.ordeNo).exec();

        TfrmOBP010 form;
        form.open(conn, draft.key.ordeDate, draft.key.cCode, draft.key.ordeNum);
        if (!WriteDocumentPictures(form.prepare(), args.at(2), QStringLiteral("order-form")))
            return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
