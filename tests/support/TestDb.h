#pragma once
// Fresh databases for tests, on the engine the run is for
// (PURCHASING_TEST_ENGINE = sqlite | pg). PostgreSQL databases live on the
// private server started by tools/test.sh and are reached through a service
// file of the test's own, as the program reaches its server.

#include "db/Connection.h"
#include <QTemporaryDir>
#include <memory>

namespace testdb {

db::Engine engine();
QString engineName();

// A new database with the schema (and the demo data when asked), named by
// its alias. Each call gives a database no other test touches.
QString freshAlias(bool withDemo = false);

// A new, empty database (no schema).
QString emptyAlias();

// The user and password the private server accepts.
QString user();
QString password();

std::unique_ptr<db::Connection> connect(const QString &alias);

// The scratch directory of this test process.
QString scratchDir();

} // namespace testdb
