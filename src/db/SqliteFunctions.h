#pragma once
#include <QSqlDatabase>

namespace db {

// Gives an open SQLite connection the few functions that PostgreSQL has and
// statements use (TO_CHAR on dates, LPAD, SYSDATE()), so one statement text
// serves both engines. PostgreSQL gets SYSDATE() from the schema.
void registerSqliteFunctions(QSqlDatabase &db);

// The TO_CHAR date formats understood on SQLite: YYYY, MM, DD, HH24, MI, SS
// (any case); other characters are copied. Input is 'YYYY-MM-DD[ HH:MM:SS]'.
QString formatDateText(const QString &value, const QString &format);

} // namespace db
