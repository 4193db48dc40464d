#include "reports/Parameters.h"

namespace reports {

QStringList parseReportParameters(const QString &text)
{
    QStringList values;
    qsizetype pos = 0;
    const QString prefix = QStringLiteral("/rp");
    const qsizetype start = text.indexOf(prefix, 0, Qt::CaseInsensitive);
    if (start >= 0 && text.left(start).trimmed().isEmpty())
        pos = start + prefix.size();
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'[', pos);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(u']', open + 1);
        if (close < 0) {
            values.append(text.mid(open + 1));
            break;
        }
        values.append(text.mid(open + 1, close - open - 1));
        pos = close + 1;
    }
    return values;
}

QString reportParameterText(const QStringList &values)
{
    QString text = QStringLiteral("/rp ");
    for (const QString &v : values)
        text += u'[' + v + u']';
    return text;
}

} // namespace reports
