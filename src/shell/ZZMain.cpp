#include "shell/ZZMain.h"
#include "db/Query.h"
#include "framework/ErrorDisplay.h"
#include "framework/ZZI000.h"
#include "session/Dialogs.h"
#include "shell/LauncherLink.h"
#include "session/Session.h"
#include "shell/ZZD000.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QSettings>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

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

// The two marks: an inactive and the active program.
QIcon markIcon(bool active)
{
    QPixmap pm(12, 12);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(active ? QColor(0, 150, 60) : QColor(170, 170, 170));
    p.drawEllipse(2, 2, 8, 8);
    return QIcon(pm);
}

} // namespace

TfrmZZMain::TfrmZZMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmZZMain"));
    setWindowTitle(QStringLiteral("구매 자재 관리"));
    setMinimumSize(1024, 746);
    QFont f(QStringLiteral("NanumGothicCoding"));
    f.setPixelSize(12);
    setFont(f);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    panTabs = new QFrame(central);
    panTabs->setObjectName(QStringLiteral("panTabs"));
    panTabs->setFrameShape(QFrame::Box);
    panTabs->setAutoFillBackground(true);
    panTabs->setBackgroundRole(QPalette::Dark);
    pgcTabs = new QTabWidget(central);
    pgcTabs->setObjectName(QStringLiteral("pgcTabs"));
    pgcTabs->setVisible(false);
    layout->addWidget(pgcTabs);
    layout->addWidget(panTabs);
    setCentralWidget(central);
    connect(pgcTabs, &QTabWidget::currentChanged, this, &TfrmZZMain::pgcTabsChange);

    mmuMenuWindow = menuBar()->addMenu(QStringLiteral("창(&W)"));
    mmuMenuWindow->setObjectName(QStringLiteral("mmuMenuWindow"));
    mmuMenuWindowClose = mmuMenuWindow->addAction(QStringLiteral("종료"));
    mmuMenuWindowClose->setObjectName(QStringLiteral("mmuMenuWindowClose"));
    mmuMenuWindowClose->setVisible(false);
    connect(mmuMenuWindowClose, &QAction::triggered, this, &TfrmZZMain::mmuMenuWindowCloseClick);
    // A hidden entry's shortcut does not fire in Qt; the window carries its F12.
    auto *closeKey = new QShortcut(QKeySequence(Qt::Key_F12), this);
    closeKey->setObjectName(QStringLiteral("mmuMenuWindowCloseKey"));
    connect(closeKey, &QShortcut::activated, mmuMenuWindowClose, &QAction::trigger);
}

bool TfrmZZMain::FormCreate()
{
    const QSettings ini(gAppDir + QStringLiteral("Main.ini"), QSettings::IniFormat);
    bool number = false;
    const int count = ini.value(QStringLiteral("MAIN/PROGRAM_COUNT"), kDefaultMaxPrograms).toInt(&number);
    // A value that is no count at all would refuse every program.
    m_maxPrograms = number && count > 0 ? count : kDefaultMaxPrograms;
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
                menu->setObjectName(QStringLiteral("mmuMenu") + menus.text(QStringLiteral("MENU_ID")));
                menuBar()->insertMenu(mmuMenuWindow->menuAction(), menu);
            }
            QAction *entry = menu->addAction(programs.text(QStringLiteral("PROGRAM_NAME")));
            entry->setObjectName(programs.text(QStringLiteral("PROGRAM_ID")));
            entry->setToolTip(programs.text(QStringLiteral("PROGRAM_ID")));
            connect(entry, &QAction::triggered, this, &TfrmZZMain::MenuProgramClick);
        }
    }
    return true;
}

void TfrmZZMain::MenuProgramClick()
{
    if (auto *entry = qobject_cast<QAction *>(sender()))
        OpenProgram(entry->text(), entry->toolTip());
}

bool TfrmZZMain::OpenProgram(const QString &caption, const QString &programId)
{
    for (int i = 0; i < pgcTabs->count(); ++i) {
        if (pgcTabs->tabToolTip(i) == programId) {
            pgcTabs->setCurrentIndex(i);
            pgcTabsChange();
            return false;
        }
    }
    if (pgcTabs->count() >= m_maxPrograms) {
        ShowError(QStringLiteral("최대 %1개의 프로그램만 동시에 실행할 수 있습니다.").arg(m_maxPrograms));
        return false;
    }
    QString shown = caption;
    if (const qsizetype cut = shown.indexOf(QLatin1String("(&")); cut >= 0)
        shown.truncate(cut);

    pgcTabs->setVisible(true);
    panTabs->setVisible(false);
    auto *sheet = new QWidget;
    auto *sheetLayout = new QVBoxLayout(sheet);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    const int index = pgcTabs->addTab(sheet, shown);
    pgcTabs->setTabToolTip(index, programId);
    pgcTabs->setCurrentIndex(index);

    QWidget *screen = nullptr;
    try {
        screen = CreateProgramForm(programId);
        if (!screen)
            ShowInfo(QStringLiteral("%1 프로그램은 아직 준비되지 않았습니다.").arg(programId));
    } catch (const std::exception &e) {
        ShowStandardError(e);
    }
    if (!screen) {
        pgcTabs->removeTab(index);
        delete sheet;
        pgcTabs->setVisible(pgcTabs->count() > 0);
        panTabs->setVisible(pgcTabs->count() == 0);
        pgcTabsChange();
        return false;
    }
    QAction *entry = mmuMenuWindow->addAction(shown);
    entry->setToolTip(programId);
    connect(entry, &QAction::triggered, this, &TfrmZZMain::MenuProgramClick);
    pgcTabsChange();
    return true;
}

QWidget *TfrmZZMain::CreateProgramForm(const QString &) { return nullptr; }

QWidget *TfrmZZMain::HostForm(QWidget *screen)
{
    QWidget *sheet = pgcTabs->widget(pgcTabs->count() - 1);
    screen->setParent(sheet, Qt::Widget);   // without a border: hosted
    sheet->layout()->addWidget(screen);
    screen->show();
    FocusFirstIn(screen);   // the focus moves into the new screen
    return screen;
}

void TfrmZZMain::pgcTabsChange()
{
    const QList<QAction *> entries = mmuMenuWindow->actions();
    for (int i = 0; i < pgcTabs->count(); ++i) {
        const bool active = i == pgcTabs->currentIndex();
        pgcTabs->setTabIcon(i, markIcon(active));
        if (i + 1 < entries.size())
            entries[i + 1]->setIcon(markIcon(active));
    }
}

void TfrmZZMain::mmuMenuWindowCloseClick()
{
    QWidget *sheet = pgcTabs->currentWidget();
    if (!sheet || sheet->layout()->count() == 0)
        return;
    if (QWidget *screen = sheet->layout()->itemAt(0)->widget())
        screen->close();
}

void TfrmZZMain::removeActiveTab()
{
    const int index = pgcTabs->currentIndex();
    if (index < 0)
        return;
    const QList<QAction *> entries = mmuMenuWindow->actions();
    if (index + 1 < entries.size()) {
        mmuMenuWindow->removeAction(entries[index + 1]);
        entries[index + 1]->deleteLater();
    }
    QWidget *sheet = pgcTabs->widget(index);
    pgcTabs->removeTab(index);
    sheet->hide();
    // The screen is still inside its own close handling: free it afterwards.
    sheet->deleteLater();
    pgcTabs->setVisible(pgcTabs->count() > 0);
    panTabs->setVisible(pgcTabs->count() == 0);
    pgcTabsChange();
}

void TfrmZZMain::closeEvent(QCloseEvent *event)
{
    for (int n = pgcTabs->count(); n > 0; --n)
        mmuMenuWindowCloseClick();
    NotifyLauncherClosed();
    if (pgcTabs->count() == 0)
        event->accept();
    else
        event->ignore();
}

#include "moc_ZZMain.cpp"
