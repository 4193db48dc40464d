#include "db/Catalogue.h"

namespace db {

const Table *findTable(const QString &name)
{
    for (const Table &t : tables()) {
        if (name.compare(QLatin1String(t.name), Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

const Column *findColumn(const Table &table, const QString &column)
{
    for (const Column &c : table.columns) {
        if (column.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
            return &c;
    }
    return nullptr;
}

} // namespace db
