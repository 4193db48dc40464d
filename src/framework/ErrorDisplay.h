#pragma once
#include <QString>
#include <stdexcept>

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

// The standard error display: an error box with the application title.
// A silent abort shows nothing.
void ShowStandardError(const std::exception &e);
