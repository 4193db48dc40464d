// Writes the transfer request form picture of docs/: the transfer with the
// most lines among the demo history's transfers of a closed day (so that
// the lines carry the day's stock cost), its form as PDF and its first page
// as PNG.
//   purchasing-transferform DEMO_ALIAS OUTPUT_DIR
// DEMO_ALIAS is a database made with "purchasing-db demo"; nothing is written to it.

#include "db/Query.h"
#include "modules/issues/ODP020.h"
#include "reports/Render.h"
#include "shell/Password.h"
#include "shell/ZZD000.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
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
    if (args.size() != 3) {
        std::fputs("usage: purchasing-transferform DEMO_ALIAS OUTPUT_DIR\n", stderr);
        return 2;
    }
    QTemporaryDir appDir;
    WriteStoredPassword(appDir.path(), qEnvironmentVariable("PGPASSWORD", QStringLiteral("vmuser")));
    TfrmZZD000 data({args.at(1), qEnvironmentVariable("PGUSER", QStringLiteral("VMUSER")), QStringLiteral("P0000001"),
                     QStringLiteral("한지원")},
                    appDir.path());
    if (!data.dbsDB.isOpen())
        return 1;
    try {
        db::Query q(data.dbsDB, QString::fromLatin1(kTransfer));
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
        const reports::Document doc = form.prepare();
        const QDir out(args.at(2));
        QString error;
        if (!reports::writePdf(doc, out.filePath(QStringLiteral("transfer-form.pdf")), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        const QString png = out.filePath(QStringLiteral("transfer-form.png"));
        reports::pageImage(doc, 0, 1.25).save(png);
        std::printf("%s\n", qPrintable(png));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
