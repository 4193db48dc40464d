#include "framework/Serials.h"

void InsertWithNextSerial(db::Connection &conn, const std::function<void()> &attempt, int tries)
{
    db::Transaction tx(conn);   // savepoints live inside a transaction
    for (int i = 1;; ++i) {
        conn.savepoint("NEXT_SERIAL");
        try {
            attempt();
            conn.releaseSavepoint("NEXT_SERIAL");
            tx.commit();
            return;
        } catch (const db::DbError &e) {
            conn.rollbackToSavepoint("NEXT_SERIAL");
            conn.releaseSavepoint("NEXT_SERIAL");
            if (!e.isKeyCollision() || i >= tries)
                throw;
        }
    }
}
