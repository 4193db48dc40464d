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
    // Whether the caller passed the input at all (an optional input may be
    // passed empty, which is not the same as leaving it out).
    bool has(const QString &name) const;

private:
    ProcInputs m_inputs;
};

using ProcedureFn = ProcOutputs (*)(Connection &, const ProcArgs &);

struct ProcedureDef {
    const char *name;
    QStringList inputs;     // declared order; a call must pass these
    ProcedureFn body;
    QStringList optionalInputs = {};   // may be left out
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
ProcOutputs PR_O_DATE_STOCK_PUT_UPDATE(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_DATE_STOCK_DELI_UPDATE(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_STOCK_DELI_UPDATE(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_DATE_STOCK_MOVE_UPDATE(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_DATE_STOCK_RETU_UPDATE(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_DATE_STOCK_SIL_UPDATE(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_DATE_STOCK_SIL_BATCH(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_PR_STOCK_UPDATE(Connection &conn, const ProcArgs &args);
ProcOutputs PR_O_OZ010MS_RESET(Connection &conn, const ProcArgs &args);

} // namespace db
