#pragma once
// Between statements and record sets: a list opened from a statement, and
// statement parameters taken from the current record.

#include "db/Query.h"

namespace widgets { class RecordSet; }

// Parameters given by name, e.g. {{"STRG_CODE", code}}.
using Params = QList<QPair<QString, QString>>;

// Runs `sql` and loads its rows into `records` (fields named by the result's
// columns, numbers as numbers); returns the row count.
int OpenRecords(widgets::RecordSet &records, db::Connection &conn, const QString &sql, const Params &params = {});

// Loads the rows of the run statement `query` into `records` as OpenRecords
// does; returns the row count.
int LoadRecords(widgets::RecordSet &records, db::Query &query);

// Binds every parameter of `query` that `extra` does not name from the
// current record of `records`; the audit parameters U_EMP_NO and U_IP come
// from the start-up values.
void BindFromRecord(db::Query &query, const widgets::RecordSet &records, const Params &extra = {});

// Runs a statement whose parameters come from the current record.
int ExecFromRecord(db::Connection &conn, const QString &sql, const widgets::RecordSet &records,
                   const Params &extra = {});
