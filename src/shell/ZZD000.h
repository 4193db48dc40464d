#pragma once
// The data module: owner of the one database connection `dbsDB` that every
// screen, lookup and procedure call of the program uses.

#include "db/Connection.h"
#include "session/Database.h"
#include <QObject>
#include <QStringList>

class TfrmZZD000 : public QObject {
    Q_OBJECT
public:
    // Sets the start-up values from the command line (without the program
    // name) and connects when exactly four values are given.
    TfrmZZD000(const QStringList &arguments, const QString &appDir, QObject *parent = nullptr);
    ~TfrmZZD000() override;

    bool ConnectDatabase();
    void DisconnectDatabase();

    db::Connection dbsDB;

    static TfrmZZD000 *instance();

private:
    void configure(const QStringList &arguments);

    db::ConnectParams m_params;
};

// The server has no session left for us (PostgreSQL's SQLSTATE 53300, which
// at connection time arrives only as message text).
bool IsTooManyUsersError(const db::DbError &e);


inline const QString kMsgStandalone =
    QStringLiteral("이 프로그램은 단독으로 실행되지 않습니다.\n메인 프로그램(Vemo.exe)으로 실행하십시오.");
inline const QString kMsgAlreadyConnected =
    QStringLiteral("프로그램 시작시 이미 DB에 접속되어 있습니다.\n문제가 발생할 수 있으므로 개발자에게 연락하십시오.");
inline const QString kMsgTooManyUsers =
    QStringLiteral("현재 너무 많은 사용자가 사용 중이므로 연결할 수 없습니다.\n잠시 후 다시 시도하십시오.");
inline const QString kMsgCannotConnect = QStringLiteral("데이터베이스와 연결할 수 없습니다.\n\n에러내용:\n");
