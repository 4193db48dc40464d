#pragma once
// A statement with named parameters (":PURC_DATE") on a connection.
//
// Every parameter travels as text, as the screens hold it: trailing blanks
// are cut and empty text is bound as NULL, so a code typed, looked up or
// taken from a combo entry has one representation. Values come back as text
// too: dates 'YYYY-MM-DD', numbers without needless trailing zeros.

#include "db/Connection.h"
#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

namespace db {

class Query {
public:
    Query(Connection &conn, const QString &sql);

    Query &bind(const QString &name, const QString &value);
    Query &bind(const QString &name, const char *value) { return bind(name, QString::fromUtf8(value)); }
    Query &bind(const QString &name, double value);
    Query &bind(const QString &name, int value) { return bind(name, double(value)); }
    Query &bind(const QString &name, qint64 value) { return bind(name, double(value)); }

    // Runs the statement; throws DbError with the database's message.
    Query &exec();
    bool next();
    int rowsAffected() const;

    QStringList parameterNames() const { return m_names; }
    QStringList columns() const;
    QMetaType fieldType(const QString &column) const;
    // Whether the column holds numbers (kept as numbers in lists).
    bool isNumeric(const QString &column) const;
    int columnIndex(const QString &name) const;   // -1 when absent
    QString text(const QString &column) const;
    QString text(int column) const;
    double number(const QString &column) const;
    bool isNull(const QString &column) const;

    // The placeholders of a statement in order of first appearance.
    static QStringList placeholders(const QString &sql);

    // Shortcut: runs and returns the first column of the first row, or empty.
    static QString scalar(Connection &conn, const QString &sql,
                          const QList<QPair<QString, QString>> &params = {});

private:
    int requireColumn(const QString &name) const;

    Connection &m_conn;
    QString m_sql;
    QStringList m_names;
    QMap<QString, QVariant> m_values;
    QSqlQuery m_query;
    // The result's columns, read once per run: asking the driver for its
    // record builds every field anew, which a loop over rows would pay for
    // each value it reads by name.
    QSqlRecord m_record;
    QHash<QString, int> m_columnIndex;   // by upper-case name
};

// The text form of a value as read from either engine.
QString valueText(const QVariant &v);

} // namespace db
