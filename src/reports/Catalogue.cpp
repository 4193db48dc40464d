#include "reports/Catalogue.h"

#include "reports/CodeList.h"
#include "modules/orders/OBP010.h"

#include <QMap>

namespace reports {

namespace {

using BuildFunction = Document (*)(db::Connection &, const QStringList &);

struct Entry {
    const char *file;
    BuildFunction build;
};

// Every report the program builds itself, by the file name the screens open.
const Entry kReports[] = {
    {"code_list.mrd", &buildCodeList},       // common codes by head (ZX010MS)
    {"Cont_Order.mrd", &buildContOrder},     // contract order: [order date][supplier][order number]
};

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
    static QMap<QString, ReportBuilder> reports = [] {
        QMap<QString, ReportBuilder> map;
        for (const Entry &e : kReports)
            map.insert(key(QString::fromUtf8(e.file)), e.build);
        return map;
    }();
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
