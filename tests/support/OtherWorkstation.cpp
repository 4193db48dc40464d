#include "support/OtherWorkstation.h"

#include "framework/ErrorDisplay.h"
#include "support/TestDb.h"

void OtherWorkstation::run(Work work, int heldForMs)
{
    finish();
    m_thread = QThread::create([this, work = std::move(work), heldForMs] {
        bool released = false;
        try {
            auto conn = testdb::connect(m_alias);
            db::Transaction tx(*conn);
            work(*conn);
            m_done.release();
            released = true;
            QThread::msleep(heldForMs);
            tx.commit();
        } catch (const EUserExcept &e) {
            refusal = QString::fromUtf8(e.what());
        } catch (const std::exception &e) {
            error = QString::fromUtf8(e.what());
        }
        if (!released)
            m_done.release();
    });
    m_thread->start();
}
