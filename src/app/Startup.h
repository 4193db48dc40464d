#pragma once
// Program start: single instance, splash, data module and connection, main
// window; then the message loop.

#include <QStringList>
#include <memory>

class SingleInstance;
class TfrmZZD000;
class TfrmO0Main;

class ProgramStart {
public:
    ProgramStart();
    ~ProgramStart();

    // Runs the start-up steps with the command-line values (program name
    // excluded). False when the program must end at once: another instance
    // runs, an argument is missing or the connection failed.
    bool start(const QStringList &arguments, const QString &appDir);
    // The message loop; returns the exit code.
    int run();

    TfrmZZD000 *dataModule() const { return m_data.get(); }
    TfrmO0Main *mainWindow() const { return m_main.get(); }

private:
    std::unique_ptr<SingleInstance> m_instance;
    std::unique_ptr<TfrmZZD000> m_data;
    std::unique_ptr<TfrmO0Main> m_main;
};
