#pragma once
// Typing any text, Korean included, as key presses (QTest::keyClicks knows
// only ASCII).

#include <QtTest>

inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}
