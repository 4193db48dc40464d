// The purchasing and materials client. Started by the launcher with four
// values: database alias, database user, employee number, user name.

#include "shell/ProgramApplication.h"
#include "app/Startup.h"

int main(int argc, char *argv[])
{
    ProgramApplication app(argc, argv);
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    ProgramStart program;
    if (!program.start(arguments, QApplication::applicationDirPath()))
        return 0;
    return program.run();
}
