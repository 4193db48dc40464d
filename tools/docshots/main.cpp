// Writes the pictures of docs/: the main window with open program tabs, on
// a demo database; the last tab has searched (F3).
//   purchasing-docshots DEMO_ALIAS OUTPUT_DIR [PROGRAM_ID ...]
// Without program ids: the department register and the item class register.

#include "common/DemoTool.h"
#include "app/O0Main.h"
#include "session/Session.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTabWidget>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fputs("usage: purchasing-docshots DEMO_ALIAS OUTPUT_DIR [PROGRAM_ID ...]\n", stderr);
        return 2;
    }
    QStringList programs = args.mid(3);
    if (programs.isEmpty())
        programs = {QStringLiteral("OPI010"), QStringLiteral("OXI020")};
    DemoSession demo(args.at(1), QStringLiteral("A0000001"), QStringLiteral("관리자"));
    if (!demo.isOpen())
        return 1;
    gProjectId = QStringLiteral("PURCHASING");
    TfrmO0Main w;
    if (!w.FormCreate())
        return 1;
    w.resize(1280, 800);
    w.show();
    // Opened as their menu entries open them, with the menu's captions.
    for (const QString &id : std::as_const(programs)) {
        if (auto *entry = w.findChild<QAction *>(id))
            entry->trigger();
    }
    // Search in the active tab as a user would with F3.
    QWidget *screen = w.pgcTabs->currentWidget();
    QTimer::singleShot(200, [&] {
        QKeyEvent f3(QEvent::KeyPress, Qt::Key_F3, Qt::NoModifier);
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : screen, &f3);
    });
    QTimer::singleShot(600, [&] {
        const QString path = QDir(args.at(2)).filePath(QStringLiteral("main-window.png"));
        w.grab().save(path);
        std::printf("%s\n", qPrintable(path));
        app.quit();
    });
    return app.exec();
}
