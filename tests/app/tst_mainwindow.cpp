// The main window as a user meets it: the menu of his rights, program tabs,
// the window menu, closing tabs and the window.

#include "db/DbError.h"
#include "framework/ProgramTable.h"
#include "framework/ZZI000.h"
#include "shell/LauncherLink.h"
#include "app/O0Main.h"
#include "session/Session.h"
#include "support/DialogRecorder.h"
#include "support/LauncherListener.h"
#include "support/Session.h"

#include <QMenuBar>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace {

// The frame with a table of plain screens, so that tab handling can be
// watched with as many programs as a test needs.
class TestMain : public TfrmZZMain {
public:
    QWidget *CreateProgramForm(const QString &programId) override
    {
        if (!programId.startsWith(QLatin1String("T")))
            return nullptr;
        return HostForm(new TfrmZZI000(programId));
    }
};

QStringList menuEntries(QMainWindow &w)
{
    QStringList entries;
    for (QAction *top : w.menuBar()->actions()) {
        if (!top->menu() || top->text() == QStringLiteral("창(&W)"))
            continue;
        for (QAction *a : top->menu()->actions())
            entries.append(a->toolTip());
    }
    return entries;
}

QStringList windowMenu(TfrmZZMain &w)
{
    QStringList entries;
    const QList<QAction *> actions = w.mmuMenuWindow->actions();
    for (qsizetype i = 1; i < actions.size(); ++i)
        entries.append(actions[i]->text());
    return entries;
}

QStringList tabs(TfrmZZMain &w)
{
    QStringList ids;
    for (int i = 0; i < w.pgcTabs->count(); ++i)
        ids.append(w.pgcTabs->tabToolTip(i));
    return ids;
}

// A root screen after its creation handler.
struct CreatedScreen : TfrmZZI000 {
    CreatedScreen() : TfrmZZI000(QStringLiteral("OPI010")) { FormCreate(); }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuFollowsTheRights_data()
    {
        QTest::addColumn<QString>("empNo");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::newRow("level grant, an 'N' removal wins") << "T0000001" << QStringList{"OAI010"} << QStringList{"OAI020"};
        QTest::newRow("a 'Y' addition without a level") << "T0000002" << QStringList{"OXI010"} << QStringList{"OAI010"};
        QTest::newRow("kitchen level and an addition") << "T0000003" << QStringList{"OAI010", "OBI010"} << QStringList{"OEB020"};
        QTest::newRow("administrator sees every program") << "A0000001" << QStringList{"OXI010", "OEB020", "OPI010"} << QStringList{};
    }
    void menuFollowsTheRights()
    {
        QFETCH(QString, empNo);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        TestSession session(empNo);
        TfrmO0Main w;
        QVERIFY(w.FormCreate());
        const QStringList entries = menuEntries(w);
        for (const QString &id : present)
            QVERIFY2(entries.contains(id), qPrintable(id));
        for (const QString &id : absent)
            QVERIFY2(!entries.contains(id), qPrintable(id));
        if (empNo == QLatin1String("T0000002"))
            QCOMPARE(entries, QStringList{"OXI010"});   // and no empty menus
        if (empNo == QLatin1String("A0000001"))
            QCOMPARE(entries.size(), int(session.scalar(QStringLiteral("SELECT COUNT(*) FROM ZA050MS WHERE PROJECT_ID = 'PURCHASING'")).toInt()));
        QCOMPARE(w.windowTitle(), QStringLiteral("구매 자재 관리(%1)").arg(session.scalar(
                                      QStringLiteral("SELECT DETAIL_NAME FROM ZX010MS WHERE HEAD = 'Z9999' AND DETAIL = :U"),
                                      {{QStringLiteral("U"), gDbUser.toUpper()}})));
    }

    void menuEntryOpensTheDepartmentRegisterInATab()
    {
        TestSession session;
        TfrmO0Main w;
        QVERIFY(w.FormCreate());
        w.show();
        QAction *entry = w.findChild<QAction *>(QStringLiteral("OPI010"));
        QVERIFY(entry);
        entry->trigger();
        QCOMPARE(tabs(w), QStringList{"OPI010"});
        QCOMPARE(w.pgcTabs->tabText(0), entry->text());
        auto *screen = w.pgcTabs->currentWidget()->findChild<TfrmZZI000 *>(QStringLiteral("frmOPI010"));
        QVERIFY(screen && screen->isHosted() && screen->isVisible());
        QCOMPARE(screen->statusText(0), QStringLiteral("OPI010"));
        entry->trigger();   // a second choice only brings the tab forward
        QCOMPARE(w.pgcTabs->count(), 1);
        QCOMPARE(windowMenu(w).size(), 1);
    }

    void programOpensOnceAndTabsStayInOrder()
    {
        TestSession session;
        TestMain w;
        QVERIFY(w.FormCreate());
        QVERIFY(w.OpenProgram(QStringLiteral("첫째"), QStringLiteral("T1")));
        QVERIFY(w.OpenProgram(QStringLiteral("구매의뢰 등록(&R)"), QStringLiteral("T2")));
        QVERIFY(!w.OpenProgram(QStringLiteral("첫째"), QStringLiteral("T1")));   // activates the first
        QCOMPARE(w.pgcTabs->currentIndex(), 0);
        QVERIFY(w.OpenProgram(QStringLiteral("셋째"), QStringLiteral("T3")));
        QCOMPARE(tabs(w), (QStringList{"T1", "T2", "T3"}));
        QCOMPARE(windowMenu(w), (QStringList{"첫째", "구매의뢰 등록", "셋째"}));
        QCOMPARE(w.pgcTabs->tabText(1), QStringLiteral("구매의뢰 등록"));

        // An unknown program opens nothing.
        DialogRecorder dialogs;
        QVERIFY(!w.OpenProgram(QStringLiteral("없음"), QStringLiteral("XXI999")));
        QCOMPARE(w.pgcTabs->count(), 3);

        // Closing the middle one keeps the others, their entries and their marks.
        w.pgcTabs->setCurrentIndex(1);
        w.mmuMenuWindowCloseClick();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(tabs(w), (QStringList{"T1", "T3"}));
        QCOMPARE(windowMenu(w), (QStringList{"첫째", "셋째"}));
        const QList<QAction *> entries = w.mmuMenuWindow->actions();
        const int active = w.pgcTabs->currentIndex();
        const auto image = [](const QIcon &icon) { return icon.pixmap(12).toImage(); };
        QCOMPARE(image(entries[active + 1]->icon()), image(w.pgcTabs->tabIcon(active)));
        QVERIFY(image(entries[2 - active]->icon()) != image(w.pgcTabs->tabIcon(active)));

        // The window menu entry brings its tab forward.
        entries[1]->trigger();
        QCOMPARE(w.pgcTabs->currentIndex(), 0);
    }

    void tabLimitComesFromMainIni()
    {
        TestSession session;
        QSettings(session.appDir() + QStringLiteral("/Main.ini"), QSettings::IniFormat).setValue(QStringLiteral("MAIN/PROGRAM_COUNT"), 1);
        TestMain w;
        QVERIFY(w.FormCreate());
        QCOMPARE(w.MaxPrograms(), 1);
        DialogRecorder dialogs;
        QVERIFY(w.OpenProgram(QStringLiteral("첫째"), QStringLiteral("T1")));
        QVERIFY(!w.OpenProgram(QStringLiteral("둘째"), QStringLiteral("T2")));
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("최대 1개의 프로그램만 동시에 실행할 수 있습니다.")});
        QCOMPARE(dialogs.messages.first().kind, MessageKind::Error);
        QCOMPARE(w.pgcTabs->count(), 1);
    }

    void tabLimitFallsBackToTenWhenNoCount_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("letters") << "열개";
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("negative") << "-2";
    }
    void tabLimitFallsBackToTenWhenNoCount()
    {
        QFETCH(QString, value);
        TestSession session;
        QSettings(session.appDir() + QStringLiteral("/Main.ini"), QSettings::IniFormat).setValue(QStringLiteral("MAIN/PROGRAM_COUNT"), value);
        TestMain w;
        QVERIFY(w.FormCreate());
        QCOMPARE(w.MaxPrograms(), 10);
        DialogRecorder dialogs;
        QVERIFY(w.OpenProgram(QStringLiteral("첫째"), QStringLiteral("T1")));
        QVERIFY(dialogs.messages.isEmpty());
    }

    // A menu entry whose screen is not built yet says so and leaves no tab;
    // a screen failing while it is created shows the error and leaves none either.
    void programWithoutAScreenOrFailingToOpenSaysSo()
    {
        TestSession session;
        TfrmO0Main w;
        QVERIFY(w.FormCreate());
        w.show();
        DialogRecorder dialogs;
        QAction *entry = w.findChild<QAction *>(QStringLiteral("OHI010"));
        QVERIFY(entry);
        entry->trigger();
        QCOMPARE(dialogs.texts(), QStringList{QStringLiteral("OHI010 프로그램은 아직 준비되지 않았습니다.")});
        QCOMPARE(dialogs.messages.first().kind, MessageKind::Info);
        QCOMPARE(w.pgcTabs->count(), 0);
        QVERIFY(windowMenu(w).isEmpty());

        RegisterProgram(QStringLiteral("ZZT999"), []() -> QWidget * {
            throw db::DbError(QStringLiteral("relation \"ZZ999MS\" does not exist"));
        });
        QVERIFY(!w.OpenProgram(QStringLiteral("깨진 화면"), QStringLiteral("ZZT999")));
        QCOMPARE(dialogs.lastText(), QStringLiteral("relation \"ZZ999MS\" does not exist."));
        QCOMPARE(dialogs.messages.last().kind, MessageKind::Error);
        QCOMPARE(w.pgcTabs->count(), 0);
        QVERIFY(w.OpenProgram(QStringLiteral("창고코드 등록"), QStringLiteral("OXI060")));   // the next one opens
        QCOMPARE(tabs(w), QStringList{"OXI060"});
    }

    void closeButtonOfAHostedScreenRemovesItsTab()
    {
        TestSession session;
        TestMain w;
        QVERIFY(w.FormCreate());
        w.show();
        w.OpenProgram(QStringLiteral("첫째"), QStringLiteral("T1"));
        w.OpenProgram(QStringLiteral("둘째"), QStringLiteral("T2"));
        auto *screen = w.pgcTabs->currentWidget()->findChild<TfrmZZI000 *>();
        QVERIFY(screen && screen->isHosted());
        QPointer<TfrmZZI000> watch(screen);
        QTest::mouseClick(screen->bbtClose, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(watch.isNull());
        QCOMPARE(tabs(w), QStringList{"T1"});

        // F12 anywhere closes the active tab.
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_F12);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w.pgcTabs->count(), 0);
        QVERIFY(!w.pgcTabs->isVisible());
    }

    void closeButtonOfAScreenInAWindowClosesIt()
    {
        TestSession session;
        QPointer<TfrmZZI000> screen(new TfrmZZI000(QStringLiteral("T9")));
        screen->show();
        QVERIFY(!screen->isHosted());
        QTest::mouseClick(screen->bbtClose, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(screen.isNull());
    }

    void closingTheWindowClosesEveryTabAndTellsTheLauncher()
    {
        TestSession session;
        LauncherListener launcher;
        QVERIFY(launcher.listening);
        TestMain w;
        QVERIFY(w.FormCreate());
        w.show();
        w.OpenProgram(QStringLiteral("첫째"), QStringLiteral("T1"));
        w.OpenProgram(QStringLiteral("둘째"), QStringLiteral("T2"));
        QVERIFY(w.close());
        QCOMPARE(w.pgcTabs->count(), 0);
        QTRY_COMPARE(launcher.heard.trimmed(), QByteArray("1924"));
    }

    void statusBarShowsProgramUserAndRole_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("panel3");
        QTest::newRow("team without a name") << 2 << QString() << QString();
        QTest::newRow("outlet") << 3 << QStringLiteral("한식당") << QStringLiteral("영업장 - 한식당");
        QTest::newRow("site") << 1 << QStringLiteral("리조트") << QStringLiteral("사업장 - 리조트");
        QTest::newRow("no role") << 0 << QStringLiteral("무시") << QString();
    }
    void statusBarShowsProgramUserAndRole()
    {
        QFETCH(int, type);
        QFETCH(QString, name);
        QFETCH(QString, panel3);
        TestSession session;
        QSettings role(session.appDir() + QStringLiteral("/tst_mainwindow.ini"), QSettings::IniFormat);
        role.setValue(QStringLiteral("Role/Type"), type);
        role.setValue(QStringLiteral("Role/Code"), QStringLiteral("R01"));
        role.setValue(QStringLiteral("Role/Name"), name);
        role.sync();
        gRoleTeamCode.clear();
        CreatedScreen screen;
        QCOMPARE(screen.statusText(0), QStringLiteral("OPI010"));
        QCOMPARE(screen.statusText(2), QStringLiteral("사용자 : 시험사용자"));
        QCOMPARE(screen.statusText(3), panel3);
        if (type == 2)
            QCOMPARE(gRoleTeamCode, QStringLiteral("R01"));

        // Panel widths follow their texts: a longer user name narrows the message panel.
        screen.resize(1000, 600);
        screen.show();
        const int message = screen.stbMessage->panelWidth(1);
        screen.stbMessage->setText(2, QStringLiteral("사용자 : 아주아주아주 긴 이름의 사용자"));
        QVERIFY(screen.stbMessage->panelWidth(1) < message);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
