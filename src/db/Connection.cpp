#include "db/Connection.h"
#include "db/Procedures.h"
#include "db/SqliteFunctions.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace db {

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("purchasing-%1").arg(counter.fetchAndAddRelaxed(1));
}

DbError errorOf(const QSqlError &e)
{
    const QString text = e.databaseText().trimmed();
    return DbError(text.isEmpty() ? e.driverText().trimmed() : text, e.nativeErrorCode());
}

} // namespace

Connection::Connection() : m_name(nextConnectionName()) {}

Connection::~Connection()
{
    close();
    QSqlDatabase::removeDatabase(m_name);
}

Engine Connection::engineOfAlias(const QString &alias)
{
    const QString lower = alias.toLower();
    if (lower.endsWith(QLatin1String(".db")) || lower.endsWith(QLatin1String(".sqlite"))
        || lower.endsWith(QLatin1String(".sqlite3")) || alias.contains(QLatin1Char('/')))
        return Engine::SQLite;
    return Engine::PostgreSQL;
}

void Connection::open(const ConnectParams &params, bool create)
{
    close();
    m_params = params;
    m_engine = engineOfAlias(params.alias);
    QSqlDatabase db;
    if (m_engine == Engine::SQLite) {
        if (!create && !QFileInfo::exists(params.alias))
            throw DbError(QStringLiteral("database file not found: %1").arg(params.alias));
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(params.alias);
        // Several workstations may share one file: wait for a writer instead of failing.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_name);
        // The alias is a service of libpq's service file, as a net service name was.
        QString service = params.alias;
        service.remove(QLatin1Char('\'')).remove(QLatin1Char('\\')).remove(QLatin1Char(' '));
        db.setConnectOptions(QStringLiteral("service=%1;connect_timeout=10").arg(service));
        db.setUserName(params.user);
        db.setPassword(params.password);
    }
    if (!db.open()) {
        const DbError e = errorOf(db.lastError());
        QSqlDatabase::removeDatabase(m_name);
        throw e;
    }
    if (m_engine == Engine::SQLite) {
        registerSqliteFunctions(db);
        execRaw(QStringLiteral("PRAGMA journal_mode=WAL"));
        execRaw(QStringLiteral("PRAGMA synchronous=NORMAL"));
    } else {
        execRaw(QStringLiteral("SET datestyle TO ISO, YMD"));
        execRaw(QStringLiteral("SET client_encoding TO 'UTF8'"));
    }
}

void Connection::close()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isOpen()) {
            if (m_inTransaction)
                rollback();
            db.close();
        }
    }
    m_inTransaction = false;
}

DbError Connection::failure(DbError error)
{
    if (error.isConnectionLost()) {
        close();
        m_lost = true;
    }
    return error;
}

void Connection::reconnect()
{
    if (!m_lost)
        return;
    m_lost = false;
    try {
        open(m_params);
    } catch (const DbError &e) {
        m_lost = true;
        throw DbError(e.message(), QStringLiteral("08001"));   // still no server: still lost
    }
}

bool Connection::isOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

QSqlDatabase Connection::handle() const
{
    return QSqlDatabase::database(m_name, false);
}

void Connection::execRaw(const QString &sql)
{
    reconnect();
    QSqlQuery q(handle());
    if (!q.exec(sql))
        throw failure(errorOf(q.lastError()));
}

void Connection::startTransaction()
{
    if (m_inTransaction)
        throw DbError(QStringLiteral("a transaction is already active on this connection"));
    // IMMEDIATE takes the write lock at once, so two workstations on one
    // SQLite file queue up instead of failing when both upgrade their locks.
    execRaw(m_engine == Engine::SQLite ? QStringLiteral("BEGIN IMMEDIATE")
                                       : QStringLiteral("BEGIN ISOLATION LEVEL READ COMMITTED"));
    m_inTransaction = true;
}

void Connection::commit()
{
    if (!m_inTransaction)
        return;
    try {
        execRaw(QStringLiteral("COMMIT"));
    } catch (...) {
        rollback();
        throw;
    }
    m_inTransaction = false;
}

void Connection::rollback()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    QSqlQuery q(handle());
    q.exec(QStringLiteral("ROLLBACK"));
}

void Connection::savepoint(const char *name) { execRaw(QStringLiteral("SAVEPOINT ") + QLatin1String(name)); }

void Connection::rollbackToSavepoint(const char *name)
{
    execRaw(QStringLiteral("ROLLBACK TO SAVEPOINT ") + QLatin1String(name));
}

void Connection::releaseSavepoint(const char *name)
{
    execRaw(QStringLiteral("RELEASE SAVEPOINT ") + QLatin1String(name));
}

ProcOutputs Connection::callProcedure(const QString &name, const ProcInputs &inputs)
{
    return runProcedure(*this, name, inputs);
}

Transaction::Transaction(Connection &c) : m_conn(c), m_owner(!c.inTransaction())
{
    if (m_owner)
        m_conn.startTransaction();
}

Transaction::~Transaction()
{
    if (m_owner && !m_done)
        m_conn.rollback();
}

void Transaction::commit()
{
    if (m_owner)
        m_conn.commit();
    m_done = true;
}

} // namespace db
