#pragma once
// The application object of the program, the last resort: handlers run as
// user actions (OnUserAction, RunUserAction) and show their own errors, so
// none should unwind through Qt's dispatch; one that an event handler still
// lets through goes to the standard error display instead of ending the
// program, and the next action works as before.

#include <QApplication>

class ProgramApplication : public QApplication {
public:
    ProgramApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
