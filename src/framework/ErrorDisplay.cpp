#include "framework/ErrorDisplay.h"
#include "db/DbError.h"
#include "session/Dialogs.h"

QString StandardErrorText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

bool IsConnectionLost(const std::exception &e)
{
    const auto *failure = dynamic_cast<const db::DbError *>(&e);
    return failure && failure->isConnectionLost();
}

bool RunUserAction(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const std::exception &e) {
        ShowStandardError(e);
        return false;
    }
}

void ShowStandardError(const std::exception &e)
{
    if (dynamic_cast<const SilentAbort *>(&e))
        return;
    if (IsConnectionLost(e)) {
        ShowError(kMsgConnectionLost);
        return;
    }
    ShowError(StandardErrorText(QString::fromUtf8(e.what())));
}
