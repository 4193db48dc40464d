#pragma once
// Start-up values: set once while the program starts, read everywhere.
// gEmpNo and gLocalIP fill the audit columns of every insert and update.

#include <QString>
#include <QStringList>

extern QString gAppDir;      // directory of the executable, ending in a separator
extern QString gLocalIP;     // dotted IPv4 address of the workstation, or empty
extern QString gEmpNo;       // employee number (argument 3)
extern QString gEmpName;     // display name (argument 4)
extern QString gDbTitle;     // display name of the database account (main window caption)
extern QString gDbUser;      // database user (argument 2)
extern QString gRoleSiteCode, gRoleSiteName;
extern QString gRoleTeamCode, gRoleTeamName;
extern QString gRoleOutletCode, gRoleOutletName;

// The application title, caption of every message box.
inline const QString kAppTitle = QStringLiteral(" 구매 자재 관리");

namespace db { class Connection; }

// The first IPv4 address of the workstation that is not a loopback; empty
// when the host name cannot be resolved.
QString GetLocalIP();
// The workstation's address for the audit columns: on a database server the
// address the server sees the program connect from, else GetLocalIP().
QString WorkstationAddress(db::Connection &conn);
QString GetVersionText();
// PROJECT_ID of the menu tables: the upper-case base name of the executable.
extern QString gProjectId;
QString ProjectId();
