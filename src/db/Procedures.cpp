#include "db/Procedures.h"

namespace db {

QString ProcArgs::text(const QString &name) const
{
    for (const auto &p : m_inputs) {
        if (p.first.compare(name, Qt::CaseInsensitive) == 0)
            return p.second;
    }
    return {};
}

const QList<ProcedureDef> &procedures()
{
    static const QList<ProcedureDef> table = {
        {"PR_GETADMINNO", {"I_GUBUN", "I_DATE"}, &PR_GETADMINNO},
    };
    return table;
}

ProcOutputs runProcedure(Connection &conn, const QString &name, const ProcInputs &inputs)
{
    for (const ProcedureDef &def : procedures()) {
        if (name.compare(QLatin1String(def.name), Qt::CaseInsensitive) != 0)
            continue;
        QStringList given;
        for (const auto &p : inputs)
            given.append(p.first.toUpper());
        for (const QString &input : def.inputs) {
            if (!given.contains(input))
                throw DbError(QStringLiteral("%1: input %2 missing").arg(name, input));
        }
        for (const QString &g : std::as_const(given)) {
            if (!def.inputs.contains(g))
                throw DbError(QStringLiteral("%1: no input named %2").arg(name, g));
        }
        return def.body(conn, ProcArgs(inputs));
    }
    throw DbError(QStringLiteral("no server procedure named %1").arg(name));
}

} // namespace db
