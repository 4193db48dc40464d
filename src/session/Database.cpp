#include "session/Database.h"

namespace {
db::Connection *theConnection = nullptr;
} // namespace

db::Connection &dbsDB()
{
    Q_ASSERT(theConnection);
    return *theConnection;
}

void SetProgramConnection(db::Connection *connection) { theConnection = connection; }

bool HasProgramConnection() { return theConnection != nullptr; }
