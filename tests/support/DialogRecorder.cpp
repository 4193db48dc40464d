#include "support/DialogRecorder.h"

#include <QDialog>

DialogRecorder::DialogRecorder() : m_previous(setDialogResponder(this)) {}

DialogRecorder::~DialogRecorder() { setDialogResponder(m_previous); }

bool DialogRecorder::message(MessageKind kind, const QString &caption, const QString &text)
{
    messages.append({kind, caption, text});
    if (kind == MessageKind::Question || kind == MessageKind::Confirm)
        return m_answers.isEmpty() ? false : m_answers.dequeue();
    return true;
}

QString DialogRecorder::saveFileName(QWidget *, const QString &, const QString &, const QString &)
{
    return fileNames.isEmpty() ? QString() : fileNames.dequeue();
}

int DialogRecorder::execDialog(QDialog *dialog)
{
    if (dialogHandlers.isEmpty())
        return QDialog::Rejected;
    return dialogHandlers.dequeue()(dialog);
}

void DialogRecorder::answerYes(int times)
{
    for (int i = 0; i < times; ++i)
        m_answers.enqueue(true);
}

void DialogRecorder::answerNo(int times)
{
    for (int i = 0; i < times; ++i)
        m_answers.enqueue(false);
}

QStringList DialogRecorder::texts() const
{
    QStringList list;
    for (const auto &m : messages)
        list.append(m.text);
    return list;
}

QString DialogRecorder::lastText() const { return messages.isEmpty() ? QString() : messages.last().text; }
