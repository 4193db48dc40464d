#pragma once
// What the entry controller and the picking dialogs share about their input
// controls: which controls take the gl… handlers, how focus and key events
// reach those handlers, the focus colours, moving between fields by key and
// the server date.

#include <QFlags>
#include <QPointer>
#include <QString>

class QColor;
class QEvent;
class QKeyEvent;
class QObject;
class QWidget;

// The four handlers a form gives its input controls.
class FieldHandlers {
public:
    virtual ~FieldHandlers() = default;
    virtual void glOnEnterEvent(QWidget *control) = 0;
    virtual void glOnExitEvent(QWidget *control) = 0;
    // True when the key was used up.
    virtual bool glOnKeyDown(QWidget *control, QKeyEvent *event) = 0;
    virtual void glOnKeyPress(QWidget *control, QKeyEvent *event) = 0;
};

namespace hook {
enum Kind : unsigned {
    Fields = 0x1,   // edits of every kind, combo boxes, check and radio buttons
    Memos = 0x2,    // multi-line edits
    Grids = 0x4,    // item views: key-down only
};
Q_DECLARE_FLAGS(Kinds, Kind)
Q_DECLARE_OPERATORS_FOR_FLAGS(Kinds)
} // namespace hook

// Routes the focus and key events of hooked controls to a form's handlers.
// A control does not "leave" when only its window loses the activation (a
// modal window opening over it, a pop-up list): otherwise a lookup window
// would make the field it was opened from search again.
class FieldEvents {
public:
    explicit FieldEvents(FieldHandlers &handlers) : m_handlers(handlers) {}
    // For the form's eventFilter: true when the event was used up.
    bool filter(QObject *watched, QEvent *event);

private:
    bool dispatch(QObject *watched, QEvent *event);

    FieldHandlers &m_handlers;
    QPointer<QWidget> m_entered;
};

// Installs `filter` on every control of the given kinds under `container`,
// walking panels, group boxes, tab pages and other containers; `skip` and
// what lies under it stay untouched.
void HookFieldControls(QWidget *container, QObject *filter, hook::Kinds kinds, const QWidget *skip = nullptr);

// Yellow on entry, the window colour on exit: read-only edits show the
// button face instead; combo boxes always take `color`; other controls keep
// theirs.
void SetFocusColor(QWidget *control, const QColor &color);

// Enter and Down move to the next tab stop of `form`, Up to the previous
// one; combo boxes keep their arrows. The key is not used up.
void MoveFocusByKey(QWidget *form, QWidget *control, QKeyEvent *event);

// The database server's current date as 'yyyy-mm-dd'.
QString ServerDate();
