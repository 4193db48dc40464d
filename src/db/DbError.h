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

    // The connection to the server is gone (the server stopped, the session
    // was ended, the network failed) or could not be made again.
    bool isConnectionLost() const
    {
        if (m_sqlState.startsWith(QLatin1String("08")) || m_sqlState == QLatin1String("57P01")
            || m_sqlState == QLatin1String("57P02") || m_sqlState == QLatin1String("57P03"))
            return true;
        const QString text = message();
        for (const char *sign : {"server closed the connection", "no connection to the server",
                                 "terminating connection", "connection to server", "could not connect to server",
                                 "could not send data to server", "could not receive data from server"}) {
            if (text.contains(QLatin1String(sign), Qt::CaseInsensitive))
                return true;
        }
        return false;
    }

private:
    QString m_sqlState;
};

} // namespace db
