#pragma once
// The parameter text with which screens open catalogue reports:
// "/rp " and one bracketed value per parameter, "/rp [2004-01-01][A001]".
// Screens write it three ways: "/rp [a][b]", "/rp[a][b]" and "/rp  [a] [b]".

#include <QString>
#include <QStringList>

namespace reports {

// The bracketed values in order, exactly as written between the brackets
// (blanks inside are kept, "[]" is an empty value). Text outside the
// brackets is ignored; an unclosed last bracket runs to the end.
QStringList parseReportParameters(const QString &text);

// "/rp [" + value 1 + "][" + value 2 + "]".
QString reportParameterText(const QStringList &values);

} // namespace reports
