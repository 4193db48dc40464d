#pragma once
#include "shell/ZZMain.h"

// The main window of this program: the frame opening the screens of the
// program table (framework/ProgramTable.h) that the areas filled.
class TfrmO0Main : public TfrmZZMain {
    Q_OBJECT
public:
    explicit TfrmO0Main(QWidget *parent = nullptr);

protected:
    QWidget *CreateProgramForm(const QString &programId) override;
};
