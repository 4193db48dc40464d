#include "shell/Password.h"
#include "session/Session.h"

#include <QDir>
#include <QSettings>
#include <array>

namespace {

// Shared with the launcher: the key schedule constants and the offsets
// added to the first 32 bytes of the stored block.
constexpr quint16 kMul = 52845;
constexpr quint16 kAdd = 22719;
constexpr std::array<quint8, 32> kOffsets = {
    0x3A, 0x91, 0x05, 0xC7, 0x5E, 0x12, 0xE8, 0x7B, 0x44, 0xB3, 0x29, 0xD6, 0x6F, 0x80, 0x1D, 0xA5,
    0xF2, 0x37, 0x8C, 0x53, 0xBE, 0x09, 0x71, 0xCA, 0x26, 0x9F, 0xE4, 0x48, 0x0B, 0xD1, 0x6A, 0x95,
};

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

QByteArray hexPairs(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() / 2);
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        bool ok = isHexDigit(text.at(i)) && isHexDigit(text.at(i + 1));
        const uint value = ok ? text.mid(i, 2).toUInt(&ok, 16) : 0;
        if (!ok)
            throw PasswordFormatError(QStringLiteral("'%1' is not a valid hexadecimal value").arg(text.mid(i, 2)).toStdString());
        bytes.append(char(value));
    }
    return bytes;
}

QString trimmedControl(const QByteArray &bytes)
{
    qsizetype begin = 0, end = bytes.size();
    while (begin < end && quint8(bytes.at(begin)) <= 0x20)
        ++begin;
    while (end > begin && quint8(bytes.at(end - 1)) <= 0x20)
        --end;
    return QString::fromLatin1(bytes.mid(begin, end - begin));
}

} // namespace

QString DescramblePassword(const QString &scrambled, quint16 key)
{
    QByteArray block = hexPairs(scrambled);
    for (qsizetype i = 0; i < block.size() && i < qsizetype(kOffsets.size()); ++i)
        block[i] = char(quint8(block.at(i)) + kOffsets[size_t(i)]);
    const QByteArray cipher = hexPairs(trimmedControl(block));
    QByteArray plain;
    for (const char ch : cipher) {
        const quint8 c = quint8(ch);
        plain.append(char(c ^ quint8(key >> 8)));
        key = quint16((quint32(c) + key) * kMul + kAdd);
    }
    return QString::fromUtf8(plain);
}

QString ScramblePassword(const QString &password, quint16 key)
{
    QByteArray cipher;
    for (const char ch : password.toUtf8()) {
        const quint8 c = quint8(ch) ^ quint8(key >> 8);
        cipher.append(char(c));
        key = quint16((quint32(c) + key) * kMul + kAdd);
    }
    QByteArray block = cipher.toHex().toUpper();
    while (block.size() < qsizetype(kOffsets.size()))
        block.append(' ');
    for (qsizetype i = 0; i < qsizetype(kOffsets.size()); ++i)
        block[i] = char(quint8(block.at(i)) - kOffsets[size_t(i)]);
    return QString::fromLatin1(block.toHex().toUpper());
}

QString ReadStoredPassword(const QString &dbUser)
{
    const QSettings ini(gAppDir + QStringLiteral("SBUpdate.ini"), QSettings::IniFormat);
    const QString stored = ini.value(QStringLiteral("PROGRAM/PASS")).toString();
    if (stored.isEmpty())
        return dbUser;
    return DescramblePassword(stored, kPasswordStartKey);
}

void WriteStoredPassword(const QString &directory, const QString &password)
{
    QSettings ini(QDir(directory).filePath(QStringLiteral("SBUpdate.ini")), QSettings::IniFormat);
    ini.setValue(QStringLiteral("PROGRAM/PASS"), ScramblePassword(password, kPasswordStartKey));
    ini.sync();
}
