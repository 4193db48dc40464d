#pragma once
// The server-procedure layer: procedures of the database written in C++,
// called by name with named text inputs, run on the caller's connection and
// inside its current transaction, answering output parameters by name.

#include "db/Connection.h"
#include <QStringList>

namespace db {

// The inputs of one call, by parameter name.
class ProcArgs {
public:
    explicit ProcArgs(const ProcInputs &inputs) : m_inputs(inputs) {}
    QString text(const QString &name) const;
    // Whether the caller passed the input at all (an empty text counts).
    bool has(const QString &name) const;

private:
    ProcInputs m_inputs;
};

using ProcedureFn = ProcOutputs (*)(Connection &, const ProcArgs &);

struct ProcedureDef {
    const char *name;
    QStringList inputs;     // declared order; a call must pass exactly these
    ProcedureFn body;
    // Bound by name: a call passes any of the inputs (never an unknown one).
    bool inputsByName = false;
};

const QList<ProcedureDef> &procedures();

// Throws DbError for an unknown procedure, a missing or unknown input, or a
// failing statement inside the procedure.
ProcOutputs runProcedure(Connection &conn, const QString &name, const ProcInputs &inputs);

// The procedures themselves, one unit each under db/procedures/.
ProcOutputs PR_GETADMINNO(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_DAY_END(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_STOCK_TOTAL_AVERAGE(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_STOCK_END(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_DAILY_COST_REPORT(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_DAILY_COST_REPORT1(Connection &conn, const ProcArgs &args);
ProcOutputs PR_OAI015_01(Connection &conn, const ProcArgs &args);

} // namespace db
