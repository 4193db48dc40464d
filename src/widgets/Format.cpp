#include "widgets/Format.h"

#include <QDate>
#include <QDateTime>
#include <QVarLengthArray>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace widgets {

namespace {

bool isPlace(QChar c)
{
    return c == u'#' || c == u'0' || c == u',' || c == u'.';
}

struct NumberPattern {
    int first = -1;         // first digit place (prefix ends here)
    int last = -1;          // last digit place (suffix starts after it)
    int end = 0;            // end of the first section
    int minInt = 0;         // '0' places before the point
    int minDec = 0;         // decimals always shown
    int maxDec = 0;         // decimals shown when not zero
    bool grouped = false;
};

NumberPattern parsePattern(const QString &format)
{
    NumberPattern p;
    p.end = format.indexOf(u';');
    if (p.end < 0)
        p.end = int(format.size());
    for (int i = 0; i < p.end; ++i) {
        if (isPlace(format.at(i))) {
            if (p.first < 0)
                p.first = i;
            p.last = i;
        }
    }
    bool afterPoint = false;
    for (int i = p.first; i >= 0 && i <= p.last; ++i) {
        const QChar c = format.at(i);
        if (c == u'.') {
            afterPoint = true;
        } else if (c == u',') {
            if (!afterPoint)
                p.grouped = true;
        } else if (c == u'0') {
            if (afterPoint)
                p.minDec = ++p.maxDec;
            else
                ++p.minInt;
        } else if (c == u'#') {
            if (afterPoint)
                ++p.maxDec;
        }
    }
    return p;
}

QDate dateOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QDate:
        return value.toDate();
    case QMetaType::QDateTime:
        return value.toDateTime().date();
    default:
        break;
    }
    const QString text = value.toString();
    QVarLengthArray<char, 16> digits;
    for (QChar c : text) {
        if (c.isDigit())
            digits.append(char(c.unicode()));
        if (digits.size() > 8)
            return {};
    }
    const auto part = [&](int from, int len) {
        int n = 0;
        for (int i = from; i < from + len; ++i)
            n = n * 10 + (digits[i] - '0');
        return n;
    };
    if (digits.size() == 8)
        return QDate(part(0, 4), part(4, 2), part(6, 2));
    if (digits.size() == 6)
        return QDate(part(0, 4), part(4, 2), 1);
    return {};
}

} // namespace

QString formatNumber(double value, const QString &format)
{
    if (!std::isfinite(value))
        return QString();
    if (format.isEmpty())
        return QString::number(value, 'g', 15);

    const NumberPattern p = parsePattern(format);
    if (p.first < 0)
        return format.left(p.end);  // no digit places: the pattern is all literal

    // 15 significant digits, as "d.dddddddddddddde+XX"
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    char digits[17];
    int nd = 0;
    digits[nd++] = buf[0];
    for (int i = 2; i < 16; ++i)
        digits[nd++] = buf[i];
    int point = std::atoi(std::strchr(buf, 'e') + 1) + 1;  // value = 0.digits * 10^point

    const int keep = point + p.maxDec;
    if (keep < 0) {
        nd = 0;
    } else if (keep < nd) {
        const bool up = digits[keep] >= '5';
        nd = keep;
        if (up) {
            int i = nd - 1;
            while (i >= 0 && digits[i] == '9')
                digits[i--] = '0';
            if (i >= 0) {
                ++digits[i];
            } else {
                std::memmove(digits + 1, digits, size_t(nd));
                digits[0] = '1';
                ++nd;
                ++point;
            }
        }
    }
    const auto digitAt = [&](int k) { return k >= 0 && k < nd ? digits[k] : '0'; };

    QVarLengthArray<char, 64> intPart;
    int k = 0;
    while (k < point && digitAt(k) == '0')
        ++k;
    for (int pad = p.minInt - std::max(0, point - k); pad > 0; --pad)
        intPart.append('0');
    for (; k < point; ++k)
        intPart.append(digitAt(k));

    QVarLengthArray<char, 32> decPart;
    for (int j = 0; j < p.maxDec; ++j)
        decPart.append(digitAt(point + j));
    int decLen = int(decPart.size());
    while (decLen > p.minDec && decPart[decLen - 1] == '0')
        --decLen;

    bool zero = true;
    for (char c : intPart)
        zero = zero && c == '0';
    for (int j = 0; j < decLen; ++j)
        zero = zero && decPart[j] == '0';

    QVarLengthArray<char, 96> out;
    if (value < 0 && !zero)
        out.append('-');
    const int intLen = int(intPart.size());
    for (int i = 0; i < intLen; ++i) {
        if (p.grouped && i > 0 && (intLen - i) % 3 == 0)
            out.append(',');
        out.append(intPart[i]);
    }
    if (decLen > 0) {
        out.append('.');
        out.append(decPart.constData(), decLen);
    }

    QString text = QString::fromLatin1(out.constData(), out.size());
    if (p.first > 0)
        text.prepend(format.left(p.first));
    if (p.last + 1 < p.end)
        text.append(format.mid(p.last + 1, p.end - p.last - 1));
    return text;
}

double parseNumber(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    t.remove(u',');
    if (t.startsWith(u'+'))
        t.remove(0, 1);
    bool good = false;
    double d = t.isEmpty() ? 0.0 : t.toDouble(&good);
    if (good && !std::isfinite(d))
        good = false;
    if (!good)
        d = 0.0;
    if (ok)
        *ok = good;
    return d;
}

double numberOf(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Bool:
        return value.toDouble();
    case QMetaType::QString:
        return parseNumber(value.toString());
    case QMetaType::QByteArray:
        return parseNumber(QString::fromUtf8(value.toByteArray()));
    default:
        return 0.0;
    }
}

bool isDateFormat(const QString &format)
{
    bool datePart = false;
    for (QChar c : format) {
        if (c == u'#' || c == u'0')
            return false;
        const QChar l = c.toLower();
        if (l == u'y' || l == u'm' || l == u'd')
            datePart = true;
    }
    return datePart;
}

QString formatValue(const QVariant &value, const QString &format)
{
    if (!value.isValid() || value.isNull())
        return QString();
    if (format.isEmpty()) {
        if (value.typeId() == QMetaType::QDate)
            return value.toDate().toString(Qt::ISODate);
        return value.toString();
    }
    if (isDateFormat(format)) {
        const QDate date = dateOf(value);
        if (!date.isValid())
            return value.toString();
        // The screens' patterns write months as "mm"; Qt reads that as minutes.
        QString pattern = format.toLower();
        pattern.replace(u'm', u'M');
        return date.toString(pattern);
    }
    switch (value.typeId()) {
    case QMetaType::QString: {
        const QString text = value.toString();
        bool ok = false;
        const double d = parseNumber(text, &ok);
        return ok ? formatNumber(d, format) : text;
    }
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    default:
        return formatNumber(numberOf(value), format);
    }
}

} // namespace widgets
