#include "framework/TextHelpers.h"

#include <QKeyEvent>

namespace {

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool allAsciiDigits(QStringView s)
{
    for (QChar c : s) {
        if (!isAsciiDigit(c))
            return false;
    }
    return true;
}

// 'YYYY-MM-DD' exactly: no blanks, two-digit month and day, a real day.
QDate dashedDate(const QString &s)
{
    if (s.size() != 10 || s.at(4) != u'-' || s.at(7) != u'-')
        return {};
    const QStringView v(s);
    if (!allAsciiDigits(v.mid(0, 4)) || !allAsciiDigits(v.mid(5, 2)) || !allAsciiDigits(v.mid(8, 2)))
        return {};
    return QDate(v.mid(0, 4).toInt(), v.mid(5, 2).toInt(), v.mid(8, 2).toInt());
}

// 'YYYYMMDD' exactly, a real day.
QDate compactDate(const QString &s)
{
    if (s.size() != 8 || !allAsciiDigits(s))
        return {};
    const QStringView v(s);
    return QDate(v.mid(0, 4).toInt(), v.mid(4, 2).toInt(), v.mid(6, 2).toInt());
}

QString dashedText(const QDate &d)
{
    return QStringLiteral("%1-%2-%3")
        .arg(d.year(), 4, 10, QLatin1Char('0'))
        .arg(d.month(), 2, 10, QLatin1Char('0'))
        .arg(d.day(), 2, 10, QLatin1Char('0'));
}

} // namespace

QString FormatThousands(const QString &number)
{
    const qsizetype dot = number.indexOf(u'.');
    const QStringView integer = QStringView(number).left(dot < 0 ? number.size() : dot);
    if (integer.isEmpty())
        return {};
    const bool negative = integer.front() == u'-';
    const QStringView digits = negative ? integer.mid(1) : integer;
    if (!allAsciiDigits(digits))
        return number;
    QString out;
    out.reserve(number.size() + digits.size() / 3);
    if (negative)
        out += u'-';
    for (qsizetype i = 0; i < digits.size(); ++i) {
        out += digits.at(i);
        const qsizetype after = digits.size() - 1 - i;
        if (after > 0 && after % 3 == 0)
            out += u',';
    }
    if (dot >= 0)
        out += QStringView(number).mid(dot);
    return out;
}

QString RemoveCommas(const QString &text)
{
    return QString(text).remove(u',');
}

QString RemoveText(const QString &part, const QString &text)
{
    if (part.isEmpty())
        return text;
    return QString(text).remove(part);
}

bool IsDigitKey(QChar key)
{
    return isAsciiDigit(key) || key == u'\b';
}

bool DigitFieldAccepts(const QKeyEvent &event)
{
    // Shortcuts with Ctrl or Alt are commands, not typed characters.
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    for (QChar c : event.text()) {
        if (c.isPrint() && !IsDigitKey(c))
            return false;
    }
    return true;
}

QString MonthEndDate(const QString &date)
{
    const QDate d = DateFromText(date);
    if (!d.isValid())
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(date));
    return dashedText(QDate(d.year(), d.month(), d.daysInMonth()));
}

QString DigitsOnly(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isAsciiDigit(c) || (i == 0 && c == u'-'))
            out += c;
    }
    return out;
}

QString ToDashedDate(const QString &text)
{
    const QDate d = compactDate(DigitsOnly(text));
    return d.isValid() ? dashedText(d) : text;
}

QString ToCompactDate(const QString &text)
{
    if (!dashedDate(text).isValid())
        return text;
    return text.mid(0, 4) + text.mid(5, 2) + text.mid(8, 2);
}

bool IsDateText(const QString &text)
{
    return compactDate(DigitsOnly(text)).isValid();
}

QString DayOfWeekName(const QString &text)
{
    static const char *const names[] = {"월요일", "화요일", "수요일", "목요일", "금요일", "토요일", "일요일"};
    const QDate d = compactDate(text);
    return d.isValid() ? QString::fromUtf8(names[d.dayOfWeek() - 1]) : QString();
}

qint64 SafeStrToInt64(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok, 10);
    return ok ? value : 0;
}

QDate DateFromText(const QString &date)
{
    return dashedDate(date.trimmed());
}
