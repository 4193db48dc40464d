// Writes the daily closing picture of docs/: the daily closing screen on the
// last month of a demo database, its closed days listed and the price list
// of the month's last closed day shown.
//   purchasing-dailyclosing DEMO_ALIAS OUTPUT_DIR

#include "common/DemoTool.h"
#include "db/Query.h"
#include "modules/closing/OEB030.h"
#include "session/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (!HasDemoAndOutputArguments(args, "purchasing-dailyclosing"))
        return 2;
    DemoSession demo(args.at(1), QStringLiteral("A0000001"), QStringLiteral("관리자"));
    if (!demo.isOpen())
        return 1;
    gProjectId = QStringLiteral("PURCHASING");
    const QString lastClosed = db::Query::scalar(
        demo.conn(), QStringLiteral("SELECT TO_CHAR(MAX(CLOS_DATE),'YYYY-MM-DD') FROM OZ060MS WHERE CLOS_CHK = 'Y'"));
    if (lastClosed.isEmpty()) {
        std::fputs("purchasing-dailyclosing: the database has no closed day\n", stderr);
        return 1;
    }
    TfrmOEB030 screen;
    screen.resize(1280, 760);
    screen.show();
    screen.medYYMM->setPlainText(lastClosed.left(7));
    screen.bbtSearchClick();
    const int row = screen.cdsEnd->find(QStringLiteral("CLOS_DATE"), lastClosed);
    screen.rgdEnd->setCurrentCell(1, row);
    Q_EMIT screen.rgdEnd->cellDoubleClicked(1, row);
    QTimer::singleShot(300, [&] {
        const QString path = QDir(args.at(2)).filePath(QStringLiteral("daily-closing.png"));
        screen.grab().save(path);
        std::printf("%s\n", qPrintable(path));
        app.quit();
    });
    return app.exec();
}
