#include "app/Startup.h"
#include "shell/LauncherLink.h"
#include "app/O0Main.h"
#include "session/Session.h"
#include "shell/ZZC010.h"
#include "shell/ZZD000.h"

#include <QApplication>
#include <QDir>

ProgramStart::ProgramStart() = default;

ProgramStart::~ProgramStart()
{
    m_main.reset();
    m_data.reset();
}

bool ProgramStart::start(const QStringList &arguments, const QString &appDir)
{
    m_instance = std::make_unique<SingleInstance>();
    if (!m_instance->acquire())
        return false;
    QApplication::setApplicationDisplayName(QString());
    QApplication::setApplicationName(kAppTitle);

    auto splash = std::make_unique<TfrmZZC010>(QDir(appDir).filePath(QStringLiteral("MainImg.rcc")));
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    m_data = std::make_unique<TfrmZZD000>(arguments, appDir);
    m_main = std::make_unique<TfrmO0Main>();
    const bool ready = m_main->FormCreate();
    splash.reset();
    if (!ready)
        return false;
    m_instance->setActivateHandler([w = m_main.get()] {
        w->showMaximized();
        w->raise();
        w->activateWindow();
    });
    m_main->showMaximized();
    return true;
}

int ProgramStart::run()
{
    return QApplication::exec();
}
