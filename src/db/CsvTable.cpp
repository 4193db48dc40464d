#include "db/CsvTable.h"
#include "db/Catalogue.h"
#include "db/Query.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace db {

namespace {

DbError lineError(const QString &path, int line, const QString &what)
{
    return DbError(QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(what));
}

// Empty when the value fits the column, otherwise why not.
QString checkValue(const Column &c, const QString &value)
{
    if (value.isEmpty())
        return c.required ? QStringLiteral("%1 must not be empty").arg(QLatin1String(c.name)) : QString();
    switch (c.type) {
    case ColumnType::Text:
        if (c.size > 0 && value.size() > c.size)
            return QStringLiteral("%1 is longer than %2 characters").arg(QLatin1String(c.name)).arg(c.size);
        return {};
    case ColumnType::Number: {
        static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?$"));
        if (!number.match(value).hasMatch())
            return QStringLiteral("%1 is not a number: %2").arg(QLatin1String(c.name), value);
        return {};
    }
    case ColumnType::Date:
        if (!QDate::fromString(value, QStringLiteral("yyyy-MM-dd")).isValid())
            return QStringLiteral("%1 is not a date (YYYY-MM-DD): %2").arg(QLatin1String(c.name), value);
        return {};
    case ColumnType::DateTime:
        if (!QDateTime::fromString(value, QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid()
            && !QDate::fromString(value, QStringLiteral("yyyy-MM-dd")).isValid())
            return QStringLiteral("%1 is not a date and time: %2").arg(QLatin1String(c.name), value);
        return {};
    }
    return {};
}

QString csvField(const QString &value)
{
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) && !value.contains(QLatin1Char('\n'))
        && !value.contains(QLatin1Char('\r')))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QList<CsvRecord> parseCsv(const QString &text, const QString &source)
{
    QList<CsvRecord> records;
    QStringList fields;
    QString field;
    bool quoted = false, fieldStarted = false;
    int line = 1, recordLine = 1, quoteLine = 0;
    auto endRecord = [&] {
        if (fieldStarted || !fields.isEmpty() || !field.isEmpty()) {
            fields.append(field);
            records.append({recordLine, fields});
        }
        fields.clear();
        field.clear();
        fieldStarted = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            fieldStarted = true;
            quoteLine = line;
        } else if (c == QLatin1Char(',')) {
            fields.append(field);
            field.clear();
            fieldStarted = true;
        } else if (c == QLatin1Char('\n')) {
            endRecord();
            ++line;
            recordLine = line;
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (quoted)
        throw DbError(QStringLiteral("%1%2: quoted field is not closed")
                          .arg(source.isEmpty() ? QStringLiteral("line ") : source + QLatin1Char(':'))
                          .arg(quoteLine));
    endRecord();
    return records;
}

CsvImportResult importCsv(Connection &conn, const QString &tableName, const QString &path, bool replace)
{
    const Table *table = findTable(tableName);
    if (!table)
        throw DbError(QStringLiteral("no table named %1").arg(tableName));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QList<CsvRecord> records = parseCsv(text, path);
    if (records.isEmpty())
        throw lineError(path, 1, QStringLiteral("the heading row of column names is missing"));

    QList<const Column *> columns;
    QStringList names, placeholders;
    for (const QString &heading : records.first().fields) {
        const Column *c = findColumn(*table, heading.trimmed());
        if (!c)
            throw lineError(path, 1, QStringLiteral("%1 has no column %2").arg(tableName, heading.trimmed()));
        if (columns.contains(c))
            throw lineError(path, 1, QStringLiteral("column %1 appears twice").arg(QLatin1String(c->name)));
        columns.append(c);
        names.append(QLatin1String(c->name));
        placeholders.append(QLatin1Char(':') + QLatin1String(c->name));
    }
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(QLatin1String(table->name), names.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", ")));

    Transaction tx(conn);
    if (replace)
        Query(conn, QStringLiteral("DELETE FROM %1").arg(QLatin1String(table->name))).exec();
    int rows = 0;
    for (qsizetype r = 1; r < records.size(); ++r) {
        const CsvRecord &record = records.at(r);
        if (record.fields.size() != columns.size())
            throw lineError(path, record.line, QStringLiteral("%1 fields where the heading has %2").arg(record.fields.size()).arg(columns.size()));
        Query q(conn, insert);
        for (qsizetype i = 0; i < columns.size(); ++i) {
            const QString problem = checkValue(*columns.at(i), record.fields.at(i));
            if (!problem.isEmpty())
                throw lineError(path, record.line, problem);
            q.bind(QLatin1String(columns.at(i)->name), record.fields.at(i));
        }
        try {
            q.exec();
        } catch (const DbError &e) {
            throw lineError(path, record.line, e.message());
        }
        ++rows;
    }
    tx.commit();
    return {rows};
}

int exportCsv(Connection &conn, const QString &tableName, const QString &path)
{
    const Table *table = findTable(tableName);
    if (!table)
        throw DbError(QStringLiteral("no table named %1").arg(tableName));
    QStringList names;
    for (const Column &c : table->columns)
        names.append(QLatin1String(c.name));
    const QStringList order = table->primaryKey.isEmpty() ? QStringList(names.first()) : table->primaryKey;
    Query q(conn, QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                      .arg(names.join(QStringLiteral(", ")), QLatin1String(table->name), order.join(QStringLiteral(", "))));
    q.exec();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw DbError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    QString out = names.join(QLatin1Char(',')) + QLatin1Char('\n');
    int rows = 0;
    while (q.next()) {
        QStringList fields;
        for (int i = 0; i < names.size(); ++i)
            fields.append(csvField(q.text(i)));
        out += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
        ++rows;
    }
    file.write(out.toUtf8());
    if (!file.commit())
        throw DbError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return rows;
}

} // namespace db
