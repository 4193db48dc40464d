#include "shell/O0Main.h"
#include "modules/master/OXI010.h"
#include "modules/master/OXI020.h"
#include "modules/master/OXI060.h"
#include "modules/master/OXI070.h"
#include "modules/materials/OPI010.h"
#include "modules/requests/OAI010.h"
#include "modules/requests/OAI020.h"
#include "modules/orders/OBI010.h"
#include "modules/orders/OBI020.h"
#include "modules/orders/OBS010.h"

#include <functional>

namespace {

using Factory = std::function<QWidget *()>;

template <typename Screen>
Factory make()
{
    return [] { return new Screen; };
}

// Program id → screen. An id that is not here opens nothing.
const QHash<QString, Factory> &programTable()
{
    static const QHash<QString, Factory> table = {
        {QStringLiteral("OXI010"), make<TfrmOXI010>()},
        {QStringLiteral("OXI020"), make<TfrmOXI020>()},
        {QStringLiteral("OXI060"), make<TfrmOXI060>()},
        {QStringLiteral("OXI070"), make<TfrmOXI070>()},
        {QStringLiteral("OPI010"), make<TfrmOPI010>()},
        {QStringLiteral("OAI010"), make<TfrmOAI010>()},
        {QStringLiteral("OAI020"), make<TfrmOAI020>()},
        {QStringLiteral("OBI010"), make<TfrmOBI010>()},
        {QStringLiteral("OBI020"), make<TfrmOBI020>()},
        {QStringLiteral("OBS010"), make<TfrmOBS010>()},
    };
    return table;
}

} // namespace

TfrmO0Main::TfrmO0Main(QWidget *parent) : TfrmZZMain(parent)
{
    setObjectName(QStringLiteral("frmO0Main"));
}

QWidget *TfrmO0Main::CreateProgramForm(const QString &programId)
{
    const auto it = programTable().constFind(programId);
    if (it == programTable().constEnd())
        return nullptr;
    return HostForm(it.value()());
}
