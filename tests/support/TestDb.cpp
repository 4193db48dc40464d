#include "support/TestDb.h"
#include "db/CsvTable.h"
#include "db/Schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlError>
#include <QTextStream>
#include <QThread>
#include <QtTest>

namespace testdb {

namespace {

int counter = 0;

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

// Every test process gets a runtime folder of its own: the single-instance
// lock and the launcher's socket live there, and suites run side by side.
const bool runtimeFolderOfItsOwn = [] {
    qputenv("XDG_RUNTIME_DIR", scratch().path().toLocal8Bit());
    return true;
}();

QString pg(const char *name, const char *fallback = "")
{
    const QString v = qEnvironmentVariable(name);
    return v.isEmpty() ? QString::fromLatin1(fallback) : v;
}

QString serviceFile() { return scratch().filePath(QStringLiteral("pg_service.conf")); }

// Adds a service for `database` to the test's service file.
void addService(const QString &database)
{
    QFile f(serviceFile());
    if (!f.open(QIODevice::Append | QIODevice::Text))
        qFatal("cannot write %s", qPrintable(serviceFile()));
    QTextStream s(&f);
    s << "[" << database << "]\nhost=" << pg("PURCHASING_PG_HOST") << "\nport=" << pg("PURCHASING_PG_PORT", "5432")
      << "\ndbname=" << database << "\n\n";
    qputenv("PGSERVICEFILE", serviceFile().toLocal8Bit());
}

// Runs a statement on the server's maintenance database; false (and the
// server's message in `error`) when it fails.
bool adminTry(const QString &sql, QString *error)
{
    static const QString admin = [] {
        addService(QStringLiteral("postgres"));
        return QStringLiteral("postgres");
    }();
    db::Connection conn;
    conn.open({admin, user(), password()});
    QSqlQuery q(conn.handle());
    if (q.exec(sql))
        return true;
    *error = q.lastError().text();
    return false;
}

void adminExec(const QString &sql)
{
    // A template is copied only when no session is on it, and a session that
    // just closed may still be ending on the server: try again for a while.
    QString error;
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (adminTry(sql, &error))
            return;
        if (!error.contains(QLatin1String("being accessed by other users")))
            break;
        QThread::msleep(100);
    }
    qFatal("%s: %s", qPrintable(sql), qPrintable(error));
}

QString newPgDatabase(const QString &templateName = {})
{
    const QString name = QStringLiteral("t%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    adminExec(templateName.isEmpty() ? QStringLiteral("CREATE DATABASE %1").arg(name)
                                     : QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(name, templateName));
    addService(name);
    return name;
}

void loadDemo(db::Connection &conn)
{
    const QDir dir(QStringLiteral(PURCHASING_DEMO_DIR));
    for (const QString &file : dir.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name))
        db::importCsv(conn, QFileInfo(file).baseName(), dir.filePath(file));
}

// A database with the schema (and demo data) made once per process and copied.
QString templateAlias(bool withDemo)
{
    static QString templates[2];
    QString &t = templates[withDemo ? 1 : 0];
    if (!t.isEmpty())
        return t;
    const QString alias = emptyAlias();
    {
        db::Connection conn;
        conn.open({alias, user(), password()});
        db::createSchema(conn);
        if (withDemo)
            loadDemo(conn);
    }
    t = alias;
    return t;
}

} // namespace

db::Engine engine()
{
    return qEnvironmentVariable("PURCHASING_TEST_ENGINE") == QLatin1String("pg") ? db::Engine::PostgreSQL
                                                                                  : db::Engine::SQLite;
}

QString engineName() { return engine() == db::Engine::PostgreSQL ? QStringLiteral("pg") : QStringLiteral("sqlite"); }

QString user() { return pg("PURCHASING_PG_USER", "VMUSER"); }
QString password() { return pg("PURCHASING_PG_PASSWORD", "vmuser"); }

QString scratchDir() { return scratch().path(); }

QString emptyAlias()
{
    if (engine() == db::Engine::PostgreSQL)
        return newPgDatabase();
    const QString path = scratch().filePath(QStringLiteral("t%1.db").arg(++counter));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot create %s", qPrintable(path));
    return path;
}

QString freshAlias(bool withDemo)
{
    const QString source = templateAlias(withDemo);
    if (engine() == db::Engine::PostgreSQL)
        return newPgDatabase(source);
    const QString path = scratch().filePath(QStringLiteral("t%1.db").arg(++counter));
    if (!QFile::copy(source, path))
        qFatal("cannot copy %s", qPrintable(source));
    return path;
}

std::unique_ptr<db::Connection> connect(const QString &alias)
{
    auto conn = std::make_unique<db::Connection>();
    conn->open({alias, user(), password()});
    return conn;
}

} // namespace testdb
