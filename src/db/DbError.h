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

private:
    QString m_sqlState;
};

} // namespace db
