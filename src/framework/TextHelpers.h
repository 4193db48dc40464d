#pragma once
// Text helpers the screens share for amounts with thousands separators and
// for dates written with ('YYYY-MM-DD') and without ('YYYYMMDD') dashes.
// None of them fails: text that does not fit a helper's rule comes back
// unchanged (or empty, false or 0, as each one says) — except MonthEndDate,
// whose callers always hold a date.

#include <QDate>
#include <QString>
#include <stdexcept>

class QKeyEvent;

// Text that should have been a date and is none; shown by the standard error
// display like any other failure of an operation.
class EConvertError : public std::runtime_error {
public:
    explicit EConvertError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// "-1234567.5" -> "-1,234,567.5". Separators go into the integer part only
// (the characters before the first "."), the fraction is copied as it is.
// An empty integer part (".5", "") gives empty text; an integer part that is
// not an optional "-" followed by digits (already separated, blanks, letters)
// comes back unchanged.
QString FormatThousands(const QString &number);

// The text without any ",".
QString RemoveCommas(const QString &text);

// The text with every occurrence of `part` deleted; an empty part deletes nothing.
QString RemoveText(const QString &part, const QString &text);

// True for "0" to "9" and for backspace: the characters a quantity or amount
// field takes.
bool IsDigitKey(QChar key);

// Whether a quantity or amount field takes a key press: keys that type a
// printable character must pass IsDigitKey; keys that type none (arrows,
// Delete, Tab, Enter, shortcuts) are not typed characters and always pass.
bool DigitFieldAccepts(const QKeyEvent &event);

// The last day of the month of a 'YYYY-MM-DD' date, as 'YYYY-MM-DD'.
// Throws EConvertError when the text is no date.
QString MonthEndDate(const QString &date);

// The ASCII digits of the text in order; a "-" is kept only as the first character.
QString DigitsOnly(const QString &text);

// Eight digits (after DigitsOnly) that name a real day as 'YYYY-MM-DD';
// any other text unchanged.
QString ToDashedDate(const QString &text);

// A real day written 'YYYY-MM-DD' as 'YYYYMMDD'; any other text unchanged.
QString ToCompactDate(const QString &text);

// Whether the text names a real day, written with or without separators
// (that is, ToDashedDate turns it into a date).
bool IsDateText(const QString &text);

// "일요일" … "토요일" for a real day written as eight digits 'YYYYMMDD';
// empty for any other text.
QString DayOfWeekName(const QString &text);

// The whole number in the text (blanks around it and a sign allowed); 0 when
// the text is empty, no whole number or beyond the 64-bit range.
qint64 SafeStrToInt64(const QString &text);

// The day of a 'YYYY-MM-DD' text (blanks around it allowed); an invalid QDate
// for anything else. The one reading of date text the checks share.
QDate DateFromText(const QString &date);
