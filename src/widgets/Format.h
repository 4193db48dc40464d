#pragma once
// Number and date display formats as the screens write them: "#,##0",
// "#,##0.0", "#,##0.0000", "yyyy-mm-dd". One place so that grids, edits,
// printouts and exports show a value the same way.

#include <QString>

class QVariant;

namespace widgets {

// Formats with a pattern of '#' and '0' digit places, an optional ',' for
// thousands separators and a '.' before the decimals ('0' decimals always
// shown, '#' decimals only when not zero). Text before and after the digit
// places is kept. Halves round away from zero on the value's 15 significant
// digits, so 2.675 gives "2.68" although the double is slightly below it.
// An empty pattern gives the shortest plain text; NaN and infinities give "".
QString formatNumber(double value, const QString &format);

// Reads "1,234.5", " -12 ", "+3": commas and surrounding blanks are ignored.
// Empty or unreadable text gives 0 with *ok false.
double parseNumber(const QString &text, bool *ok = nullptr);

// The number a stored value stands for: numeric values as they are, text
// through parseNumber, anything else 0.
double numberOf(const QVariant &value);

// True for date patterns ("yyyy-mm-dd", "yyyy/mm", ...), false for number ones.
bool isDateFormat(const QString &format);

// A stored value as the user sees it under a display format. Empty and null
// values give "". Numbers stored as text are formatted when they read as
// numbers; dates may be QDate or text ('YYYY-MM-DD', 'YYYYMMDD', 'YYYYMM').
// Text that does not fit the format is shown as it is.
QString formatValue(const QVariant &value, const QString &format);

} // namespace widgets
