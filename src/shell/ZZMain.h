#pragma once
// The main window frame: menu built from the rights tables, programs opened
// in tabs up to a configured number, the window menu with one entry per tab,
// and the close notification to the launcher.

#include "framework/TabHost.h"
#include <QMainWindow>
#include <QMenu>

class QTabWidget;
class QFrame;

class TfrmZZMain : public QMainWindow, public TabHost {
    Q_OBJECT
public:
    explicit TfrmZZMain(QWidget *parent = nullptr);

    // Reads Main.ini, builds the menu and the caption; false when there is
    // no connection and the program must end without showing the window.
    bool FormCreate();
    int MaxPrograms() const { return m_maxPrograms; }

    // Activates the program's tab when it is open, else opens a new one;
    // true when a new tab was opened. Also the entry point for code of this
    // process that opens a program as the menu would.
    bool OpenProgram(const QString &caption, const QString &programId);

    // The hidden F12 entry: asks the active tab's screen to close.
    void mmuMenuWindowCloseClick();

    // TabHost
    void closeActiveTab() override { mmuMenuWindowCloseClick(); }
    void removeActiveTab() override;

    QTabWidget *pgcTabs;
    QFrame *panTabs;
    QMenu *mmuMenuWindow = nullptr;
    QAction *mmuMenuWindowClose = nullptr;

protected:
    // Creates and hosts the screen of a program id; nullptr for an id this
    // frame does not know.
    virtual QWidget *CreateProgramForm(const QString &programId);
    QWidget *HostForm(QWidget *screen);
    void closeEvent(QCloseEvent *event) override;

private:
    bool BuildMenu();
    void MenuProgramClick();
    void pgcTabsChange();

    static constexpr int kDefaultMaxPrograms = 10;
    int m_maxPrograms = kDefaultMaxPrograms;
};
