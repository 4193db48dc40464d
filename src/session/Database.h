#pragma once
// The program's one database connection, as every layer above db/ reaches it.
// The data module registers its connection at start-up; tests register theirs.

#include "db/Connection.h"

db::Connection &dbsDB();
// Makes `connection` the program's connection (nullptr: none).
void SetProgramConnection(db::Connection *connection);
bool HasProgramConnection();
