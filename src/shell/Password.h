#pragma once
// The stored database password of "SBUpdate.ini" and its scrambling, shared
// with the launcher that writes it.

#include <QString>
#include <stdexcept>

// A stored value that is not text of hexadecimal digit pairs.
class PasswordFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

constexpr quint16 kPasswordStartKey = 41917;

QString DescramblePassword(const QString &scrambled, quint16 key);   // throws PasswordFormatError
QString ScramblePassword(const QString &password, quint16 key);

// "PASS" of [PROGRAM] in gAppDir + "SBUpdate.ini", descrambled; the database
// user when nothing is stored.
QString ReadStoredPassword(const QString &dbUser);
// Used by the launcher stand-in: writes the scrambled password beside the client.
void WriteStoredPassword(const QString &directory, const QString &password);
