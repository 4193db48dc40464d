#include "framework/FieldHooks.h"
#include "framework/ErrorDisplay.h"
#include "db/Query.h"
#include "session/Database.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>

namespace {

bool isMemo(const QWidget *w) { return qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QTextEdit *>(w); }

bool isField(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
        || qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)
        || qobject_cast<const QAbstractSpinBox *>(w);
}

// Focus that moves only because the window lost or regained the activation.
bool windowOnly(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

// QWidget::focusNextPrevChild is protected; reaching it through a derived
// class keeps each form's own override in force.
struct FocusStep : QWidget {
    static void step(QWidget *form, bool next) { (form->*(&FocusStep::focusNextPrevChild))(next); }
};

void hookControl(QWidget *control, QObject *filter)
{
    control->removeEventFilter(filter);
    control->installEventFilter(filter);
    if (auto *combo = qobject_cast<QComboBox *>(control); combo && combo->lineEdit()) {
        combo->lineEdit()->removeEventFilter(filter);
        combo->lineEdit()->installEventFilter(filter);
    }
}

} // namespace

bool FieldEvents::filter(QObject *watched, QEvent *event)
{
    // The screens' handlers look codes up and check fields; a failure is
    // shown here, inside the filter, so it never unwinds through Qt's event
    // dispatch. A key whose handling failed goes no further.
    bool consumed = false;
    if (!RunUserAction([&] { consumed = dispatch(watched, event); }))
        return event->type() == QEvent::KeyPress;
    return consumed;
}

bool FieldEvents::dispatch(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    if (!control)
        return false;
    // An editable combo box's line edit stands for the combo box.
    if (auto *combo = qobject_cast<QComboBox *>(control->parentWidget()); combo && combo->lineEdit() == control)
        control = combo;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (control == m_entered && windowOnly(static_cast<QFocusEvent *>(event)->reason()))
            break;
        m_entered = control;
        m_handlers.glOnEnterEvent(control);
        break;
    case QEvent::FocusOut:
        if (windowOnly(static_cast<QFocusEvent *>(event)->reason()))
            break;
        if (m_entered == control)
            m_entered = nullptr;
        m_handlers.glOnExitEvent(control);
        break;
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        if (m_handlers.glOnKeyDown(control, key))
            return true;
        if (!qobject_cast<QAbstractItemView *>(control)) {
            m_handlers.glOnKeyPress(control, key);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                return true;   // no character for Enter: single-line fields stay quiet
        }
        break;
    }
    default:
        break;
    }
    return false;
}

void HookFieldControls(QWidget *container, QObject *filter, hook::Kinds kinds, const QWidget *skip)
{
    for (QObject *child : container->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w == skip)
            continue;
        if (isField(w)) {
            if (kinds & hook::Fields)
                hookControl(w, filter);
        } else if (isMemo(w)) {
            if (kinds & hook::Memos)
                hookControl(w, filter);
        } else if (qobject_cast<QAbstractItemView *>(w)) {
            if (kinds & hook::Grids)
                w->installEventFilter(filter);   // key handling only
        } else {
            HookFieldControls(w, filter, kinds, skip);
        }
    }
}

void SetFocusColor(QWidget *control, const QColor &color)
{
    bool readOnly = false;
    if (const auto *line = qobject_cast<const QLineEdit *>(control))
        readOnly = line->isReadOnly();
    else if (const auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        readOnly = memo->isReadOnly();
    else if (const auto *text = qobject_cast<const QTextEdit *>(control))
        readOnly = text->isReadOnly();
    else if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(control))
        readOnly = spin->isReadOnly();
    else if (!qobject_cast<const QComboBox *>(control))
        return;
    QPalette p = control->palette();
    p.setColor(QPalette::Base, readOnly ? control->window()->palette().color(QPalette::Button) : color);
    control->setPalette(p);
}

void MoveFocusByKey(QWidget *form, QWidget *control, QKeyEvent *event)
{
    const bool combo = qobject_cast<QComboBox *>(control);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        FocusStep::step(form, true);
        break;
    case Qt::Key_Down:
        if (!combo)
            FocusStep::step(form, true);
        break;
    case Qt::Key_Up:
        if (!combo)
            FocusStep::step(form, false);
        break;
    default:
        break;
    }
}

QString ServerDate()
{
    return db::Query::scalar(dbsDB(), QStringLiteral("SELECT TO_CHAR(SYSDATE(),'yyyy-mm-dd') SYSTEMDATE"));
}
