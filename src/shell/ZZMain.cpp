#include "shell/ZZMain.h"
#include "db/Query.h"
#include "framework/ErrorDisplay.h"
#include "shell/LauncherLink.h"
#include "shell/Session.h"
#include "shell/ZZD000.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QSettings>

namespace {

const char *const kDbTitle = "SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'Z9999' AND DETAIL = :P0";

const char *const kMenus =
    "SELECT MENU_ID, MENU_NAME FROM ZA040MS WHERE PROJECT_ID = :P0 AND DISPLAY_SEQ > 0 ORDER BY DISPLAY_SEQ";

// Level grants joined with personal additions, personal removals taken away.
const char *const kMenuPrograms =
    "SELECT A.MENU_ID, A.PROGRAM_ID, A.PROGRAM_NAME FROM ZA050MS A "
    "WHERE A.PROJECT_ID = :P0 AND A.MENU_ID = :P1 AND A.DISPLAY_SEQ > 0 "
    "  AND A.PROGRAM_ID IN ("
    "    SELECT G.PROGRAM_ID FROM ZA140MS G, ZA130MS L "
    "     WHERE G.PROJECT_ID = :P0 AND L.EMP_NO = :P2 AND L.PROJECT_ID = :P0 "
    "       AND G.PROJECT_LEVEL = L.PROJECT_LEVEL "
    "    UNION ALL "
    "    SELECT PROGRAM_ID FROM ZA150MS WHERE EMP_NO = :P2 AND PROJECT_ID = :P0 AND ADD_YN = 'Y' "
    "    EXCEPT "
    "    SELECT PROGRAM_ID FROM ZA150MS WHERE EMP_NO = :P2 AND PROJECT_ID = :P0 AND ADD_YN = 'N') "
    "ORDER BY A.DISPLAY_SEQ";

} // namespace

TfrmZZMain::TfrmZZMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmZZMain"));
    setWindowTitle(QStringLiteral("구매 자재 관리"));
    setMinimumSize(1024, 746);
    QFont f(QStringLiteral("NanumGothicCoding"));
    f.setPixelSize(12);
    setFont(f);
    mmuMenuWindow = menuBar()->addMenu(QStringLiteral("창(&W)"));
    mmuMenuWindow->setObjectName(QStringLiteral("mmuMenuWindow"));
    mmuMenuWindowClose = mmuMenuWindow->addAction(QStringLiteral("종료"));
    mmuMenuWindowClose->setObjectName(QStringLiteral("mmuMenuWindowClose"));
    mmuMenuWindowClose->setShortcut(Qt::Key_F12);
    mmuMenuWindowClose->setVisible(false);
    addAction(mmuMenuWindowClose);   // the shortcut works while the entry is hidden
}

bool TfrmZZMain::FormCreate()
{
    const QSettings ini(gAppDir + QStringLiteral("Main.ini"), QSettings::IniFormat);
    m_maxPrograms = ini.value(QStringLiteral("MAIN/PROGRAM_COUNT"), 10).toInt();
    try {
        if (!BuildMenu())
            return false;
    } catch (const std::exception &e) {
        ShowStandardError(e);
        return false;
    }
    setWindowTitle(windowTitle() + QStringLiteral("(") + gDbTitle + QStringLiteral(")"));
    return true;
}

bool TfrmZZMain::BuildMenu()
{
    auto *data = TfrmZZD000::instance();
    if (!data || !data->dbsDB.isOpen())
        return false;
    db::Connection &conn = data->dbsDB;
    const QString project = ProjectId();
    gDbTitle = db::Query::scalar(conn, QString::fromLatin1(kDbTitle), {{QStringLiteral("P0"), gDbUser.toUpper()}});

    db::Query menus(conn, QString::fromLatin1(kMenus));
    menus.bind(QStringLiteral("P0"), project).exec();
    while (menus.next()) {
        db::Query programs(conn, QString::fromLatin1(kMenuPrograms));
        programs.bind(QStringLiteral("P0"), project)
            .bind(QStringLiteral("P1"), menus.text(QStringLiteral("MENU_ID")))
            .bind(QStringLiteral("P2"), gEmpNo)
            .exec();
        QMenu *menu = nullptr;
        while (programs.next()) {
            if (!menu) {
                menu = new QMenu(menus.text(QStringLiteral("MENU_NAME")), menuBar());
                menuBar()->insertMenu(mmuMenuWindow->menuAction(), menu);
            }
            QAction *entry = menu->addAction(programs.text(QStringLiteral("PROGRAM_NAME")));
            entry->setToolTip(programs.text(QStringLiteral("PROGRAM_ID")));
            entry->setData(programs.text(QStringLiteral("PROGRAM_ID")));
            connect(entry, &QAction::triggered, this, &TfrmZZMain::MenuProgramClick);
        }
    }
    return true;
}

void TfrmZZMain::MenuProgramClick() {}

void TfrmZZMain::closeEvent(QCloseEvent *event)
{
    NotifyLauncherClosed();
    event->accept();
}
