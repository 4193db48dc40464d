#include "support/Session.h"
#include "db/Query.h"
#include "shell/Password.h"
#include "session/Session.h"
#include "support/TestDb.h"

#include <QDir>
#include <QtTest>

TestSession::TestSession(const QString &empNo, bool withDemo)
    : m_alias(testdb::freshAlias(withDemo))
{
    static int counter = 0;
    m_appDir = testdb::scratchDir() + QStringLiteral("/session%1").arg(++counter);
    QDir().mkpath(m_appDir);
    WriteStoredPassword(m_appDir, testdb::password());
    m_data = std::make_unique<TfrmZZD000>(QStringList{m_alias, testdb::user(), empNo, QStringLiteral("시험사용자")}, m_appDir);
    if (!m_data->dbsDB.isOpen())
        qFatal("test session could not connect to %s", qPrintable(m_alias));
    gProjectId = QStringLiteral("PURCHASING");
}

TestSession::~TestSession() = default;

QString TestSession::scalar(const QString &sql, const QList<QPair<QString, QString>> &params)
{
    return db::Query::scalar(conn(), sql, params);
}
