#include "shell/ProgramApplication.h"
#include "framework/ErrorDisplay.h"

ProgramApplication::ProgramApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool ProgramApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        ShowStandardError(e);
        return true;
    }
}
