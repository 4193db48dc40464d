#pragma once
#include <QString>
#include <stdexcept>

namespace db {

// A failed statement, connection or procedure call. The message is the
// database's own text, fit for the standard error display.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &message, const QString &sqlState = {})
        : std::runtime_error(message.toStdString()), m_sqlState(sqlState) {}
    QString message() const { return QString::fromStdString(what()); }
    QString sqlState() const { return m_sqlState; }
    // The row's key is taken already (PostgreSQL 23505; SQLite's unique
    // and primary key constraints).
    bool isKeyCollision() const
    {
        return m_sqlState == QLatin1String("23505") || m_sqlState == QLatin1String("1555")
            || m_sqlState == QLatin1String("2067") || message().contains(QLatin1String("UNIQUE constraint failed"));
    }

private:
    QString m_sqlState;
};

} // namespace db
