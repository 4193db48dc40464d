#pragma once
// The program table: program id → the screen that opens it. Each area of
// modules/ enters its programs once at start-up (its Register…Area function);
// the main window creates the screens from here.

#include <QString>

#include <functional>

class QWidget;

using ScreenFactory = std::function<QWidget *()>;

// Adds or replaces the screen of a program id.
void RegisterProgram(const QString &programId, ScreenFactory create);

template <typename Screen>
void RegisterScreen(const QString &programId)
{
    RegisterProgram(programId, [] { return new Screen; });
}

// A new screen of the program, without a parent; nullptr when no screen is
// registered for the id.
QWidget *CreateRegisteredScreen(const QString &programId);
