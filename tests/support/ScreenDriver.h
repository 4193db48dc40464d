#pragma once
// Drives a screen as a user does: shown and active, keys to the field that
// has the focus, fields found by their object names, text typed into them.

#include "support/Typing.h"
#include "widgets/Edits.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

template <typename Form>
struct ScreenDriver {
    Form form;

    ScreenDriver()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
    }
    template <typename W = widgets::DbEdit>
    W *field(const char *name)
    {
        return form.template findChild<W *>(QLatin1String(name));
    }
    // A key pressed wherever the focus is (the screen itself when nothing has it).
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &form, k, modifiers);
    }
    // Focuses the field, selects its text and types over it.
    void type(const char *name, const QString &text)
    {
        QLineEdit *e = field<QLineEdit>(name);
        QVERIFY2(e, name);
        e->setFocus();
        e->selectAll();
        typeText(e, text);
    }
    QString focused() const { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
};
