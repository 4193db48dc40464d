#pragma once
// Each engine's DDL, derived from the catalogue.

#include "db/Catalogue.h"
#include "db/Connection.h"

namespace db {

QString columnDdl(const Column &c, Engine engine);
QStringList tableDdl(const Table &t, Engine engine);     // CREATE TABLE + its indexes
QStringList schemaDdl(Engine engine);                    // everything, in creation order

// True when the catalogue's tables already exist on the connection.
bool schemaExists(Connection &conn);
// Creates tables, indexes, views and support functions in one transaction;
// throws DbError when the schema already exists or a statement fails.
void createSchema(Connection &conn);

} // namespace db
