#pragma once
#include "shell/ZZMain.h"

// The main window of this program: the frame plus its table of programs.
class TfrmO0Main : public TfrmZZMain {
    Q_OBJECT
public:
    explicit TfrmO0Main(QWidget *parent = nullptr);

protected:
    QWidget *CreateProgramForm(const QString &programId) override;
};
