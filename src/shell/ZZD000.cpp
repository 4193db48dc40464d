#include "shell/ZZD000.h"
#include "framework/ErrorDisplay.h"
#include "session/Dialogs.h"
#include "shell/Password.h"
#include "session/Session.h"

#include <QDir>

namespace {
TfrmZZD000 *theDataModule = nullptr;
} // namespace

bool IsTooManyUsersError(const db::DbError &e)
{
    if (e.sqlState() == QLatin1String("53300"))
        return true;
    // The server's texts for a full session table, wherever they stand in the message.
    for (const char *sign : {"53300", "too many clients", "too many connections",
                             "remaining connection slots are reserved", "ORA-00018", "ORA-00019"}) {
        if (e.message().contains(QLatin1String(sign), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

TfrmZZD000 *TfrmZZD000::instance() { return theDataModule; }

TfrmZZD000::TfrmZZD000(const QStringList &arguments, const QString &appDir, QObject *parent)
    : QObject(parent)
{
    theDataModule = this;
    SetProgramConnection(&dbsDB);
    setObjectName(QStringLiteral("frmZZD000"));
    if (dbsDB.isOpen())
        ShowError(kMsgAlreadyConnected);
    dbsDB.close();
    gAppDir = QDir::toNativeSeparators(appDir);
    if (!gAppDir.endsWith(QDir::separator()))
        gAppDir += QDir::separator();
    gLocalIP = GetLocalIP();
    try {
        configure(arguments);
    } catch (const std::exception &e) {
        ShowStandardError(e);
    }
}

void TfrmZZD000::configure(const QStringList &arguments)
{
    gEmpNo = arguments.value(2);
    gEmpName = arguments.value(3);
    if (arguments.size() != 4) {
        // The main window finds no connection and ends the program.
        ShowError(kMsgStandalone);
        return;
    }
    gDbUser = arguments.at(1);
    m_params = {arguments.at(0), arguments.at(1), ReadStoredPassword(arguments.at(1))};
    if (ConnectDatabase())
        gLocalIP = WorkstationAddress(dbsDB);
}

TfrmZZD000::~TfrmZZD000()
{
    DisconnectDatabase();
    if (theDataModule == this) {
        theDataModule = nullptr;
        SetProgramConnection(nullptr);
    }
}

bool TfrmZZD000::ConnectDatabase()
{
    if (dbsDB.isOpen())
        return true;
    try {
        dbsDB.open(m_params);
        return true;
    } catch (const db::DbError &e) {
        ShowError(IsTooManyUsersError(e) ? kMsgTooManyUsers : kMsgCannotConnect + e.message());
        return false;
    }
}

void TfrmZZD000::DisconnectDatabase() { dbsDB.close(); }

#include "moc_ZZD000.cpp"
