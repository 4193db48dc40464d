#pragma once
// Keys numbered as maximum + 1 inside the saving transaction. Two
// workstations saving at the same moment can read the same maximum; the
// second insert then meets the first one's key. Instead of losing the
// user's work, the attempt is undone to a savepoint and made again with the
// next number, a few times, inside the same transaction.

#include "db/Connection.h"
#include <functional>

// `attempt` reads the next number and inserts with it. Throws the last
// error when the key is still taken after `tries` attempts, or at once for
// any other error.
void InsertWithNextSerial(db::Connection &conn, const std::function<void()> &attempt, int tries = 5);
