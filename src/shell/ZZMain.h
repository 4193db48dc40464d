#pragma once
// The main window frame: menu from the rights tables, caption with the
// database account's name. Program tabs are hosted here.

#include <QMainWindow>
#include <QMenu>

class TfrmZZMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmZZMain(QWidget *parent = nullptr);

    // Builds the menu and the caption; false when there is no connection
    // and the program must end without showing the window.
    bool FormCreate();
    int MaxPrograms() const { return m_maxPrograms; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    bool BuildMenu();
    void MenuProgramClick();

    QMenu *mmuMenuWindow = nullptr;
    QAction *mmuMenuWindowClose = nullptr;
    int m_maxPrograms = 10;
};
