// Writes the inspection statement picture of docs/: a demo delivery of a
// supplier inspected into the food warehouse, in a scratch demo database,
// its statement as PDF and its first page as PNG.
//   purchasing-inspection DEMO_ALIAS OUTPUT_DIR
// DEMO_ALIAS must be a scratch database made with "purchasing-db demo": the
// receipt is added to it.

#include "common/DemoTool.h"
#include "db/Query.h"
#include "framework/Documents.h"
#include "modules/receiving/OCP070.h"
#include "modules/receiving/ReceiptWrite.h"
#include "reports/Report.h"

#include <QApplication>
#include <cstdio>

namespace {

struct DemoLine {
    const char *item;
    double qty;
    double cost;
    const char *taxGubun;
};

const DemoLine kLines[] = {
    {"L3020001", 6, 28000, "2"},
    {"L3020002", 4, 21000, "2"},
    {"L1030002", 10, 16500, "2"},
    {"L2030005", 2, 36000, "1"},
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (!HasDemoAndOutputArguments(args, "purchasing-inspection"))
        return 2;
    DemoSession demo(args.at(1), QStringLiteral("P0000001"), QStringLiteral("한지원"));
    if (!demo.isOpen())
        return 1;
    db::Connection &conn = demo.conn();
    try {
        const QString date = db::Query::scalar(conn, QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')"));
        receiving::ReceiptDraft draft;
        draft.key = {date, QStringLiteral("100001"), QString()};
        draft.inspNo = DrawDocumentNumber(conn, QStringLiteral("IN"), date);
        draft.strgCode = QStringLiteral("110");
        draft.inspEmpNo = QStringLiteral("P0000001");
        draft.inspName = QStringLiteral("김배송");
        for (const DemoLine &d : kLines)
            draft.lines.append({QString::fromLatin1(d.item), d.qty, d.cost, QString::fromLatin1(d.taxGubun), QString(),
                                QString(), QString()});
        receiving::writeReceipt(conn, draft);

        TfrmOCP070 form;
        form.open(conn, draft.inspNo);
        if (!WriteDocumentPictures(form.prepare(), args.at(2), QStringLiteral("inspection-statement")))
            return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
