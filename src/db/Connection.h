#pragma once
// The database connection. One of these is the program's `dbsDB`; tests and
// tools open their own.

#include "db/DbError.h"
#include <QMap>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>

namespace db {

enum class Engine { SQLite, PostgreSQL };

struct ConnectParams {
    QString alias;     // a SQLite database file, or a PostgreSQL service name
    QString user;
    QString password;
};

// Output parameters of a server procedure by name, e.g. "O_NO".
using ProcOutputs = QMap<QString, QString>;
using ProcInputs = QList<QPair<QString, QString>>;

class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // An alias names a SQLite file when it ends in .db/.sqlite/.sqlite3 or
    // contains a path separator; anything else is a PostgreSQL service name.
    static Engine engineOfAlias(const QString &alias);

    // Throws DbError. A SQLite file is created only when `create` is set.
    void open(const ConnectParams &params, bool create = false);
    void close();
    bool isOpen() const;
    Engine engine() const { return m_engine; }
    const ConnectParams &params() const { return m_params; }
    QSqlDatabase handle() const;

    // Passes on the error of a failed statement. A lost connection is
    // closed and noted: the next statement connects again (reconnect()).
    DbError failure(DbError error);
    // After a lost connection: connects again with the same parameters;
    // throws a lost-connection DbError while the server is not back.
    void reconnect();
    bool isLost() const { return m_lost; }

    // Transactions: one at a time on a connection.
    bool inTransaction() const { return m_inTransaction; }
    void startTransaction();   // throws when one is already active
    void commit();
    void rollback();           // quiet when none is active

    // Savepoints inside the active transaction (names are the program's own).
    void savepoint(const char *name);
    void rollbackToSavepoint(const char *name);
    void releaseSavepoint(const char *name);

    // Runs a server procedure of the project's own procedure layer on this
    // connection and in its current transaction.
    ProcOutputs callProcedure(const QString &name, const ProcInputs &inputs);

private:
    void execRaw(const QString &sql);

    QString m_name;
    Engine m_engine = Engine::SQLite;
    ConnectParams m_params;
    bool m_inTransaction = false;
    bool m_lost = false;
};

// Rolls back on scope exit unless committed: the body of every save.
class Transaction {
public:
    explicit Transaction(Connection &c);
    ~Transaction();
    void commit();

private:
    Connection &m_conn;
    bool m_owner;
    bool m_done = false;
};

} // namespace db
