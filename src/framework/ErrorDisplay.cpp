#include "framework/ErrorDisplay.h"
#include "session/Dialogs.h"

QString StandardErrorText(const QString &message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowStandardError(const std::exception &e)
{
    if (dynamic_cast<const SilentAbort *>(&e))
        return;
    ShowError(StandardErrorText(QString::fromUtf8(e.what())));
}
