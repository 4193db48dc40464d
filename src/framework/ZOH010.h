#pragma once
// Base of the picking dialogs that screens open for a bigger choice than a
// code search window offers: the input fields move on with Enter and the
// arrows, show the focus in colour, and may declare code searches as the
// entry screens do.

#include "framework/FieldHooks.h"
#include "framework/ZZH000.h"

class Lookups;
class TPopupBtn;
struct Lookup;

class TfrmZOH010 : public TfrmZZH010, public FieldHandlers {
    Q_OBJECT
public:
    explicit TfrmZOH010(QWidget *owner = nullptr);

    // The server's date as 'yyyy-mm-dd'.
    QString GetSystemDate();
    // Gives the input controls under `container` the gl… handlers (done by
    // FormCreate; dialogs that add controls later call it for them).
    void HookControls(QWidget *container);
    // Declared code searches (framework/Lookups.h); they work in every mode.
    void InstallLookups(const QList<Lookup> &lookups);
    TPopupBtn *PopupBtn(const QString &objectName) const;

protected:
    void glOnEnterEvent(QWidget *control) override;
    void glOnExitEvent(QWidget *control) override;
    bool glOnKeyDown(QWidget *control, QKeyEvent *event) override;
    void glOnKeyPress(QWidget *control, QKeyEvent *event) override;

    // A dialog calls this once its controls exist.
    void FormCreate();
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FieldEvents m_fieldEvents{*this};
    Lookups *m_lookups = nullptr;
};
