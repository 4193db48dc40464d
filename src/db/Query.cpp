#include "db/Query.h"

#include <QDate>
#include <QDateTime>
#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>

namespace db {

namespace {

// The connection's database, connected again first when it was lost.
QSqlDatabase liveHandle(Connection &conn)
{
    conn.reconnect();
    return conn.handle();
}

QString rightTrimmed(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    return s.left(n);
}

// Decimal text without trailing zeros: "12.50000" -> "12.5", "3.000" -> "3".
QString trimDecimal(QString s)
{
    if (!s.contains(QLatin1Char('.')) || s.contains(QLatin1Char('e')) || s.contains(QLatin1Char('E')))
        return s;
    while (s.endsWith(QLatin1Char('0')))
        s.chop(1);
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

} // namespace

QString valueText(const QVariant &v)
{
    if (v.isNull())
        return {};
    switch (v.metaType().id()) {
    case QMetaType::QDate:
        return v.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        return v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case QMetaType::Double:
    case QMetaType::Float: {
        // 15 significant digits hide the binary noise of sums kept as doubles
        const double d = v.toDouble();
        const QString s = QString::number(d, 'g', 15);
        return trimDecimal(s.contains(QLatin1Char('e')) ? QString::number(d, 'f', 5) : s);
    }
    default:
        return v.toString();
    }
}

Query::Query(Connection &conn, const QString &sql)
    : m_conn(conn), m_sql(sql), m_names(placeholders(sql)), m_query(liveHandle(conn))
{
    // Not forward-only on PostgreSQL: the driver would stream the rows and the
    // connection could run no other statement until they are all read, yet
    // screens read a second list while walking the first.
    if (m_conn.engine() == Engine::PostgreSQL)
        m_query.setNumericalPrecisionPolicy(QSql::HighPrecision);
    else
        m_query.setForwardOnly(true);
}

QStringList Query::placeholders(const QString &sql)
{
    QStringList names;
    QChar quote;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
            continue;
        }
        if (c == QLatin1Char('-') && i + 1 < sql.size() && sql.at(i + 1) == QLatin1Char('-')) {
            while (i < sql.size() && sql.at(i) != QLatin1Char('\n'))
                ++i;
            continue;
        }
        if (c != QLatin1Char(':') || i + 1 >= sql.size())
            continue;
        const QChar first = sql.at(i + 1);
        if (!(first.isLetter() || first == QLatin1Char('_')))
            continue;
        qsizetype j = i + 1;
        while (j < sql.size() && (sql.at(j).isLetterOrNumber() || sql.at(j) == QLatin1Char('_')))
            ++j;
        const QString name = sql.mid(i + 1, j - i - 1).toUpper();
        if (!names.contains(name))
            names.append(name);
        i = j - 1;
    }
    return names;
}

Query &Query::bind(const QString &name, const QString &value)
{
    const QString key = name.startsWith(QLatin1Char(':')) ? name.mid(1).toUpper() : name.toUpper();
    if (!m_names.contains(key))
        throw DbError(QStringLiteral("statement has no parameter :%1").arg(key));
    const QString v = rightTrimmed(value);
    m_values[key] = v.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(v);
    return *this;
}

Query &Query::bind(const QString &name, double value)
{
    return bind(name, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

Query &Query::exec()
{
    for (const QString &name : std::as_const(m_names)) {
        if (!m_values.contains(name))
            throw DbError(QStringLiteral("parameter :%1 is not bound").arg(name));
    }
    if (!m_query.prepare(m_sql)) {
        const QSqlError e = m_query.lastError();
        throw m_conn.failure(DbError(e.databaseText().isEmpty() ? e.text() : e.databaseText(), e.nativeErrorCode()));
    }
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it)
        m_query.bindValue(QLatin1Char(':') + it.key(), it.value());
    if (!m_query.exec()) {
        const QSqlError e = m_query.lastError();
        throw m_conn.failure(
            DbError(e.databaseText().isEmpty() ? e.text() : e.databaseText().trimmed(), e.nativeErrorCode()));
    }
    m_record = m_query.record();
    m_columnIndex.clear();
    for (int i = m_record.count() - 1; i >= 0; --i)   // the first of equal names wins
        m_columnIndex.insert(m_record.fieldName(i).toUpper(), i);
    return *this;
}

bool Query::next() { return m_query.next(); }

int Query::rowsAffected() const { return m_query.numRowsAffected(); }

QStringList Query::columns() const
{
    QStringList names;
    for (int i = 0; i < m_record.count(); ++i)
        names.append(m_record.fieldName(i).toUpper());
    return names;
}

QMetaType Query::fieldType(const QString &column) const
{
    return m_record.field(requireColumn(column)).metaType();
}

bool Query::isNumeric(const QString &column) const
{
    switch (fieldType(column).id()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

int Query::columnIndex(const QString &name) const
{
    return m_columnIndex.value(name.toUpper(), -1);
}

int Query::requireColumn(const QString &name) const
{
    const int i = columnIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("result has no column %1").arg(name));
    return i;
}

QString Query::text(int column) const
{
    const QVariant v = m_query.value(column);
    if (m_conn.engine() == Engine::PostgreSQL && v.metaType().id() == QMetaType::QString
        && m_record.field(column).metaType().id() == QMetaType::Double)
        return trimDecimal(v.toString());
    return valueText(v);
}

QString Query::text(const QString &column) const { return text(requireColumn(column)); }

double Query::number(const QString &column) const
{
    return m_query.value(requireColumn(column)).toDouble();
}

bool Query::isNull(const QString &column) const
{
    return m_query.value(requireColumn(column)).isNull();
}

QString Query::scalar(Connection &conn, const QString &sql, const QList<QPair<QString, QString>> &params)
{
    Query q(conn, sql);
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
    return q.next() ? q.text(0) : QString();
}

} // namespace db
