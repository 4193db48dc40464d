#pragma once
// Answers every modal interaction of the program during a test and keeps
// what was asked, so a test reads the texts a user would have seen.

#include "session/Dialogs.h"
#include <QDialog>
#include <QList>
#include <QQueue>
#include <functional>

struct RecordedMessage {
    MessageKind kind;
    QString caption;
    QString text;
};

class DialogRecorder : public DialogResponder {
public:
    DialogRecorder();
    ~DialogRecorder() override;

    bool message(MessageKind kind, const QString &caption, const QString &text) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &fileName,
                         const QString &filter) override;
    int execDialog(QDialog *dialog) override;

    // Answers for the coming questions, in order; unanswered questions get "no".
    void answerYes(int times = 1);
    void answerNo(int times = 1);
    // The file name the next save dialog returns ("" = cancelled).
    QQueue<QString> fileNames;
    // Handles the next modal dialog in place of its event loop: gets the
    // dialog and returns its result code.
    QQueue<std::function<int(QDialog *)>> dialogHandlers;

    QList<RecordedMessage> messages;
    QStringList texts() const;
    QString lastText() const;
    void clear() { messages.clear(); }

private:
    QQueue<bool> m_answers;
    DialogResponder *m_previous;
};
