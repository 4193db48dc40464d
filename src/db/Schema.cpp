#include "db/Schema.h"
#include "db/Query.h"

#include <QSqlError>
#include <QSqlQuery>

namespace db {

namespace {

QString typeDdl(const Column &c, Engine engine)
{
    switch (c.type) {
    case ColumnType::Text:
        return QStringLiteral("VARCHAR(%1)").arg(c.size > 0 ? c.size : 4000);
    case ColumnType::Number:
        if (c.size <= 0)
            return QStringLiteral("NUMERIC");
        return QStringLiteral("NUMERIC(%1,%2)").arg(c.size).arg(c.scale);
    case ColumnType::Date:
        return engine == Engine::PostgreSQL ? QStringLiteral("DATE") : QStringLiteral("TEXT");
    case ColumnType::DateTime:
        return engine == Engine::PostgreSQL ? QStringLiteral("TIMESTAMP(0)") : QStringLiteral("TEXT");
    }
    return {};
}

// SYSDATE() as SQLite gets it from the connection: local time to the second.
const char *const kPgSysdate =
    "CREATE OR REPLACE FUNCTION SYSDATE() RETURNS TIMESTAMP(0) "
    "AS 'SELECT LOCALTIMESTAMP(0)' LANGUAGE SQL STABLE";

} // namespace

QString columnDdl(const Column &c, Engine engine)
{
    QString ddl = QLatin1String(c.name) + QLatin1Char(' ') + typeDdl(c, engine);
    if (c.defaultValue)
        ddl += QStringLiteral(" DEFAULT ") + QLatin1String(c.defaultValue);
    if (c.required)
        ddl += QStringLiteral(" NOT NULL");
    // SQLite ignores declared lengths; the check refuses what PostgreSQL refuses.
    if (engine == Engine::SQLite && c.type == ColumnType::Text && c.size > 0)
        ddl += QStringLiteral(" CHECK (LENGTH(%1) <= %2)").arg(QLatin1String(c.name)).arg(c.size);
    return ddl;
}

QStringList tableDdl(const Table &t, Engine engine)
{
    QStringList parts;
    for (const Column &c : t.columns)
        parts.append(columnDdl(c, engine));
    if (!t.primaryKey.isEmpty())
        parts.append(QStringLiteral("CONSTRAINT PK_%1 PRIMARY KEY (%2)").arg(QLatin1String(t.name), t.primaryKey.join(QStringLiteral(", "))));
    QStringList ddl;
    ddl.append(QStringLiteral("CREATE TABLE %1 (\n  %2\n)").arg(QLatin1String(t.name), parts.join(QStringLiteral(",\n  "))));
    for (const Index &i : t.indexes)
        ddl.append(QStringLiteral("CREATE INDEX %1 ON %2 (%3)").arg(QLatin1String(i.name), QLatin1String(t.name), i.columns.join(QStringLiteral(", "))));
    return ddl;
}

QStringList schemaDdl(Engine engine)
{
    QStringList ddl;
    if (engine == Engine::PostgreSQL)
        ddl.append(QLatin1String(kPgSysdate));
    for (const Table &t : tables())
        ddl += tableDdl(t, engine);
    for (const View &v : views())
        ddl.append(QStringLiteral("CREATE VIEW %1 AS\n%2").arg(QLatin1String(v.name), QLatin1String(v.select)));
    return ddl;
}

bool schemaExists(Connection &conn)
{
    const QStringList existing = conn.handle().tables(QSql::Tables);
    for (const QString &name : existing) {
        if (name.compare(QLatin1String(tables().front().name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

void createSchema(Connection &conn)
{
    if (schemaExists(conn))
        throw DbError(QStringLiteral("the schema already exists on this database"));
    Transaction tx(conn);
    for (const QString &statement : schemaDdl(conn.engine())) {
        QSqlQuery q(conn.handle());
        if (!q.exec(statement))
            throw DbError(QStringLiteral("%1\n%2").arg(q.lastError().text(), statement));
    }
    tx.commit();
}

} // namespace db
