#include "reports/Catalogue.h"

#include <QMap>

namespace reports {

namespace {

QString key(const QString &file)
{
    QString name = file.trimmed();
    const qsizetype slash = qMax(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    if (slash >= 0)
        name = name.mid(slash + 1);
    return name.toLower();
}

QMap<QString, ReportBuilder> &table()
{
    static QMap<QString, ReportBuilder> reports;
    return reports;
}

} // namespace

ReportBuilder findReport(const QString &file)
{
    const QString name = key(file);
    return name.isEmpty() ? ReportBuilder() : table().value(name);
}

void registerReport(const QString &file, ReportBuilder builder)
{
    table().insert(key(file), std::move(builder));
}

QStringList reportNames() { return table().keys(); }

} // namespace reports
