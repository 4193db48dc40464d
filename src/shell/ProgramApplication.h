#pragma once
// The application object of the program: an error that a screen's handler
// let through goes to the standard error display instead of ending the
// program; the next action works as before.

#include <QApplication>

class ProgramApplication : public QApplication {
public:
    ProgramApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};
