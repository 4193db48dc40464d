#include "db/Procedures.h"

#include <algorithm>

namespace db {

QString ProcArgs::text(const QString &name) const
{
    for (const auto &p : m_inputs) {
        if (p.first.compare(name, Qt::CaseInsensitive) == 0)
            return p.second;
    }
    return {};
}

bool ProcArgs::has(const QString &name) const
{
    return std::any_of(m_inputs.cbegin(), m_inputs.cend(),
                       [&name](const auto &p) { return p.first.compare(name, Qt::CaseInsensitive) == 0; });
}

const QList<ProcedureDef> &procedures()
{
    static const QList<ProcedureDef> table = {
        {"PR_GETADMINNO", {"I_GUBUN", "I_DATE"}, &PR_GETADMINNO},
        {"PR_O_DAY_END", {"I_DATE"}, &PR_O_DAY_END},
        {"PR_O_STOCK_TOTAL_AVERAGE", {"I_YYMM", "I_EMP_NO"}, &PR_O_STOCK_TOTAL_AVERAGE},
        {"PR_O_STOCK_END", {"I_YYMM"}, &PR_O_STOCK_END},
        {"PR_O_DAILY_COST_REPORT", {"I_DATE"}, &PR_O_DAILY_COST_REPORT},
        {"PR_O_DAILY_COST_REPORT1", {"I_DATE"}, &PR_O_DAILY_COST_REPORT1},
        // The resolution dialog passes whichever of its fields it has.
        {"PR_OAI015_01", {},
         &PR_OAI015_01,
         {"APURC_DATE", "APURC_NUM", "APURC_NO", "APURC_SEQ", "ASTRG_CODE", "AITEM_CODE", "AA_COST_AMT",
          "AB_COST_AMT", "AC_COST_AMT", "AU_EMP_NO", "AU_IP", "AEDITSTATUS", "ADELI_DATE", "ADELI_CONDITION",
          "APAY_CONDITION", "AACOMPANY_NAME", "ABCOMPANY_NAME", "ACCOMPANY_NAME", "AACOMPANY_CODE",
          "AA_ESTI_NAME", "AB_ESTI_NAME", "AC_ESTI_NAME", "AU_DATE"}},
        {"PR_O_DATE_STOCK_PUT_UPDATE", {"I_PUT_NO", "I_FLAG"}, &PR_O_DATE_STOCK_PUT_UPDATE},
        {"PR_O_DATE_STOCK_DELI_UPDATE", {"I_DELI_NO", "I_FLAG"}, &PR_O_DATE_STOCK_DELI_UPDATE},
        {"PR_O_STOCK_DELI_UPDATE", {"I_DELI_NO", "I_FLAG"}, &PR_O_STOCK_DELI_UPDATE},
        {"PR_O_DATE_STOCK_MOVE_UPDATE", {"I_MOVE_NO", "I_FLAG"}, &PR_O_DATE_STOCK_MOVE_UPDATE},
        {"PR_O_DATE_STOCK_RETU_UPDATE", {"I_RETU_DATE", "I_C_CODE", "I_RETU_NUM", "I_FLAG"},
         &PR_O_DATE_STOCK_RETU_UPDATE},
        {"PR_O_DATE_STOCK_SIL_UPDATE", {"I_SILS_DATE", "I_STRG_CODE", "I_FLAG"}, &PR_O_DATE_STOCK_SIL_UPDATE,
         {"I_DIVE_CODE"}},
        {"PR_O_DATE_STOCK_SIL_BATCH", {"I_SILS_DATE", "I_FLAG"}, &PR_O_DATE_STOCK_SIL_BATCH},
        {"PR_O_PR_STOCK_UPDATE", {"I_SILS_DATE", "I_STRG_CODE", "I_FLAG", "I_INSP_NUM", "I_UEMP_NO", "I_U_IP"},
         &PR_O_PR_STOCK_UPDATE},
        {"PR_O_OZ010MS_RESET", {"I_DATE"}, &PR_O_OZ010MS_RESET},
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
            if (!def.inputs.contains(g) && !def.optionalInputs.contains(g))
                throw DbError(QStringLiteral("%1: no input named %2").arg(name, g));
        }
        return def.body(conn, ProcArgs(inputs));
    }
    throw DbError(QStringLiteral("no server procedure named %1").arg(name));
}

} // namespace db
