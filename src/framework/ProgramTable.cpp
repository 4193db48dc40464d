#include "framework/ProgramTable.h"

#include <QHash>

namespace {

QHash<QString, ScreenFactory> &programs()
{
    static QHash<QString, ScreenFactory> table;
    return table;
}

} // namespace

void RegisterProgram(const QString &programId, ScreenFactory create)
{
    programs().insert(programId, std::move(create));
}

QWidget *CreateRegisteredScreen(const QString &programId)
{
    const auto it = programs().constFind(programId);
    return it == programs().constEnd() ? nullptr : it.value()();
}
