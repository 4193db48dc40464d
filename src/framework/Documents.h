#pragma once
// The pieces of a document's save that every document screen shares: the
// document number and the status that decides whether a document may still
// be changed. (The receiving prices of an item: framework/PriceHistory.h.)

#include "framework/Records.h"

#include <QString>

namespace db { class Connection; }
class QKeyEvent;
class TfrmZOI010;

// The next number of the document kind (e.g. "PU") in the month of `date`
// ('YYYY-MM-DD'). A number the server refuses ("ERR…") is raised as
// EUserExcept with the server's text.
QString DrawDocumentNumber(db::Connection &conn, const QString &kind, const QString &date);

// What a status gate guards.
enum class GateAction { Edit, Delete };

// One state that refuses a change: the column of the state statement and
// the value it must not have, with the messages for an edit and a delete.
struct StatusRule {
    QString column;
    QString value;
    QString editRefusal;
    QString deleteRefusal;
};

// The status of one document, read by its key. check() is called when the
// user starts an edit or a delete and again inside the save's or delete's
// transaction: another workstation may have approved or used the document
// meanwhile. Inside a transaction the lock statements run first, so that
// such a change either waits for this one or is seen by it.
struct StatusGate {
    QString stateSql;            // one row: the columns the rules name
    QStringList lockSql = {};    // statements on the same key that take the rows the state comes from
    QList<StatusRule> rules;
    QString missing = {};        // refusal when the document is gone; empty: no refusal

    // Throws EUserExcept with the refusal of the first rule that holds.
    void check(db::Connection &conn, const Params &key, GateAction action) const;
};

// The keys of a document list: Enter starts editing the current document and
// Delete deletes it, as the buttons would. True when the key was one of them.
bool DocumentListKey(TfrmZOI010 &screen, const QKeyEvent &event);

// Enter or the keypad's Enter: in a line panel's last field it applies the line.
bool IsEnterKey(const QKeyEvent &event);
