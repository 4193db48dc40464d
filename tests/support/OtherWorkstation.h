#pragma once
// Another workstation on the same database: a connection of its own in a
// thread of its own, its work inside one transaction. Either it holds the
// transaction open while this workstation acts (hold), or it is started
// while this workstation holds one and waits for it (start).

#include "db/Connection.h"

#include <QSemaphore>
#include <QString>
#include <QThread>

#include <functional>

class OtherWorkstation {
public:
    using Work = std::function<void(db::Connection &)>;

    explicit OtherWorkstation(QString alias) : m_alias(std::move(alias)) {}
    ~OtherWorkstation() { finish(); }
    OtherWorkstation(const OtherWorkstation &) = delete;
    OtherWorkstation &operator=(const OtherWorkstation &) = delete;

    // Runs `work` and returns once it is done; the transaction commits
    // `heldForMs` later, while this workstation goes on.
    void hold(Work work, int heldForMs = 500)
    {
        run(std::move(work), heldForMs);
        m_done.acquire();
    }
    // Starts `work` and returns at once (it may be waiting on this
    // workstation's locks); finish() waits for its commit.
    void start(Work work) { run(std::move(work), 0); }
    // Waits until the other workstation has committed or failed.
    bool finish(int timeoutMs = 30000)
    {
        if (!m_thread)
            return true;
        const bool ended = m_thread->wait(timeoutMs);
        if (ended) {
            delete m_thread;
            m_thread = nullptr;
        }
        return ended;
    }

    QString refusal;   // what a refusal of the program (EUserExcept) said
    QString error;     // any other failure

private:
    void run(Work work, int heldForMs);

    QString m_alias;
    QThread *m_thread = nullptr;
    QSemaphore m_done;
};
