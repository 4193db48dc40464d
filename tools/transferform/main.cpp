// Writes the transfer request form picture of docs/: the transfer with the
// most lines among the demo history's transfers of a closed day (so that
// the lines carry the day's stock cost), its form as PDF and its first page
// as PNG.
//   purchasing-transferform DEMO_ALIAS OUTPUT_DIR
// DEMO_ALIAS is a database made with "purchasing-db demo"; nothing is written to it.

#include "common/DemoTool.h"
#include "db/Query.h"
#include "modules/issues/ODP020.h"
#include "reports/Report.h"

#include <QApplication>
#include <cstdio>

namespace {

const char *const kTransfer = R"(SELECT A.MOVE_DATE, A.FROM_STRG_CODE, A.TO_STRG_CODE, A.MOVE_NUM, A.MOVE_NO,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.FROM_STRG_CODE) FROM_NAME,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.TO_STRG_CODE) TO_NAME
FROM OD020MS A
WHERE A.MOVE_GUBUN = '1' AND A.APPR_GUBUN = '2'
  AND EXISTS (SELECT 1 FROM OZ050MS C WHERE C.STOCK_DATE = A.MOVE_DATE)
ORDER BY (SELECT COUNT(*) FROM OD020DT D WHERE D.MOVE_DATE = A.MOVE_DATE AND D.FROM_STRG_CODE = A.FROM_STRG_CODE
     AND D.TO_STRG_CODE = A.TO_STRG_CODE AND D.MOVE_NUM = A.MOVE_NUM) DESC, A.MOVE_DATE DESC)";

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (!HasDemoAndOutputArguments(args, "purchasing-transferform"))
        return 2;
    DemoSession demo(args.at(1), QStringLiteral("P0000001"), QStringLiteral("한지원"));
    if (!demo.isOpen())
        return 1;
    try {
        db::Query q(demo.conn(), QString::fromLatin1(kTransfer));
        q.exec();
        if (!q.next()) {
            std::fputs("no transfer of a closed day in the demo database\n", stderr);
            return 1;
        }
        TfrmODP020 form;
        form.setTitle(QStringLiteral("이동출고의뢰서"));
        form.setLabel(QStringLiteral("qrlMove_no"), q.text(QStringLiteral("MOVE_NO")));
        form.setLabel(QStringLiteral("qrlMove_Date"), q.text(QStringLiteral("MOVE_DATE")));
        form.setLabel(QStringLiteral("qrlStrg_Code"), QStringLiteral("[%1] %2 에서 [%3] %4")
                                                          .arg(q.text(QStringLiteral("FROM_STRG_CODE")), q.text(QStringLiteral("FROM_NAME")),
                                                               q.text(QStringLiteral("TO_STRG_CODE")), q.text(QStringLiteral("TO_NAME"))));
        form.open({{QStringLiteral("MOVE_DATE"), q.text(QStringLiteral("MOVE_DATE"))},
                   {QStringLiteral("FROM_STRG_CODE"), q.text(QStringLiteral("FROM_STRG_CODE"))},
                   {QStringLiteral("TO_STRG_CODE"), q.text(QStringLiteral("TO_STRG_CODE"))},
                   {QStringLiteral("MOVE_NUM"), q.text(QStringLiteral("MOVE_NUM"))}});
        if (!WriteDocumentPictures(form.prepare(), args.at(2), QStringLiteral("transfer-form")))
            return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
