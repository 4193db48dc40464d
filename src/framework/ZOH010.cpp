#include "framework/ZOH010.h"
#include "framework/Lookups.h"

#include <QKeyEvent>

TfrmZOH010::TfrmZOH010(QWidget *owner) : TfrmZZH010(owner) {}

void TfrmZOH010::FormCreate() { HookControls(this); }

void TfrmZOH010::HookControls(QWidget *container) { HookFieldControls(container, this, hook::Fields); }

QString TfrmZOH010::GetSystemDate() { return ServerDate(); }

void TfrmZOH010::InstallLookups(const QList<Lookup> &lookups)
{
    if (!m_lookups)
        m_lookups = new Lookups(this, [] { return true; });
    for (const Lookup &lookup : lookups)
        m_lookups->install(lookup);
}

TPopupBtn *TfrmZOH010::PopupBtn(const QString &objectName) const
{
    return m_lookups ? m_lookups->button(objectName) : nullptr;
}

bool TfrmZOH010::eventFilter(QObject *watched, QEvent *event)
{
    return m_fieldEvents.filter(watched, event);
}

void TfrmZOH010::glOnEnterEvent(QWidget *control)
{
    SetFocusColor(control, Qt::yellow);
    if (m_lookups)
        m_lookups->entered(control);
}

void TfrmZOH010::glOnExitEvent(QWidget *control)
{
    SetFocusColor(control, palette().color(QPalette::Base));
    if (m_lookups)
        m_lookups->left(control);
}

bool TfrmZOH010::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (m_lookups && m_lookups->keyDown(control, event))
        return true;
    MoveFocusByKey(this, control, event);
    return false;
}

void TfrmZOH010::glOnKeyPress(QWidget *, QKeyEvent *) {}

#include "moc_ZOH010.cpp"
