#pragma once
// Loading and writing whole tables as CSV (RFC 4180, UTF-8, a heading row
// of column names). Used to load the reference tables of other systems and
// the demo data set.

#include "db/Connection.h"

namespace db {

struct CsvImportResult {
    int rows = 0;
};

// Replaces the rows of `table` with the file's rows in one transaction.
// Any fault (unknown column, malformed line, value that does not fit,
// refused row) throws DbError naming the file's line; nothing is loaded then.
CsvImportResult importCsv(Connection &conn, const QString &table, const QString &path, bool replace = true);

// Writes every row of `table` with all catalogue columns, ordered by its key.
int exportCsv(Connection &conn, const QString &table, const QString &path);

// Parses CSV text into records with the line number each record starts on.
struct CsvRecord {
    int line;
    QStringList fields;
};
// Throws DbError on an unterminated quote, naming `source` and the line.
QList<CsvRecord> parseCsv(const QString &text, const QString &source = {});

} // namespace db
