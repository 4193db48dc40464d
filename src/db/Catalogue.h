#pragma once
// The table catalogue: every table and view of the schema, declared once.
// Each engine's DDL is derived from these definitions (see Schema.h).

#include <QString>
#include <QStringList>
#include <vector>

namespace db {

enum class ColumnType {
    Text,      // variable text of up to `size` characters; codes are stored without trailing blanks
    Number,    // decimal number of `size` total digits and `scale` decimals (size 0 = unconstrained)
    Date,      // calendar day, travelling as 'YYYY-MM-DD'
    DateTime,  // day and time (audit column U_DATE), travelling as 'YYYY-MM-DD HH:MM:SS'
};

struct Column {
    const char *name;
    ColumnType type;
    int size = 0;               // characters for Text, total digits for Number
    int scale = 0;              // decimals for Number
    bool required = false;      // NOT NULL
    const char *defaultValue = nullptr;  // SQL literal, e.g. "0" or "'N'"
};

struct Index {
    const char *name;
    QStringList columns;
};

struct Table {
    const char *name;
    std::vector<Column> columns;
    QStringList primaryKey;     // empty: no key (reference tables loaded as they come)
    std::vector<Index> indexes = {};
};

// A view whose statement is the same on both engines.
struct View {
    const char *name;
    const char *select;
};

const std::vector<Table> &tables();
const std::vector<View> &views();

// nullptr when there is no such table
const Table *findTable(const QString &name);
const Column *findColumn(const Table &table, const QString &column);

// Shorthands for the catalogue entries
inline Column text(const char *name, int size, bool required = false, const char *def = nullptr)
{ return {name, ColumnType::Text, size, 0, required, def}; }
inline Column num(const char *name, int digits = 0, int scale = 0, bool required = false, const char *def = nullptr)
{ return {name, ColumnType::Number, digits, scale, required, def}; }
inline Column date(const char *name, bool required = false)
{ return {name, ColumnType::Date, 0, 0, required, nullptr}; }
inline Column flag(const char *name, const char *def = nullptr, bool required = false)
{ return {name, ColumnType::Text, 1, 0, required, def}; }

// The three audit columns every written table ends with
std::vector<Column> auditColumns();

} // namespace db
