#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <stdexcept>
#include <type_traits>

// Raised by a screen to refuse an operation; shown like any other failure.
class EUserExcept : public std::runtime_error {
public:
    explicit EUserExcept(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// Ends an operation without showing anything.
class SilentAbort : public std::exception {
public:
    const char *what() const noexcept override { return "aborted"; }
};

// The text the standard error display shows: the message with a period
// appended when its last character sorts after ".".
QString StandardErrorText(const QString &message);

// Shown instead of the server's text when the connection to the database is
// gone; the next statement connects again.
inline const QString kMsgConnectionLost =
    QStringLiteral("데이터베이스와의 연결이 끊어졌습니다.\n잠시 후 다시 시도하십시오.");

bool IsConnectionLost(const std::exception &e);

// The standard error display: an error box with the application title.
// A silent abort shows nothing; a lost connection shows kMsgConnectionLost.
void ShowStandardError(const std::exception &e);

// Runs one user action (a click, a pick, a printout) under the standard
// error display; false when it failed.
bool RunUserAction(const std::function<void()> &action);

// Connects a signal to a user action that runs under the standard error
// display. Qt's event dispatch is not exception-safe: an error that unwinds
// through it leaks what it held, so every handler that may fail (a
// statement, a check, a printout) is connected this way, never by a bare
// QObject::connect. The action takes the signal's arguments or none.
template <typename Sender, typename SignalClass, typename... SignalArgs, typename Action>
QMetaObject::Connection OnUserAction(const Sender *sender, void (SignalClass::*signal)(SignalArgs...),
                                     const QObject *context, Action action)
{
    return QObject::connect(sender, signal, context, [action = std::move(action)](SignalArgs... args) {
        if constexpr (std::is_invocable_v<const Action &, SignalArgs...>)
            RunUserAction([&] { action(args...); });
        else
            RunUserAction([&] { action(); });
    });
}
