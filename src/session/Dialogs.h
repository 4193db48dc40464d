#pragma once
// The one seam through which every modal interaction passes: message boxes,
// confirmations, file dialogs and modal windows. The program answers them
// with real dialogs; tests install a responder that reads their texts and
// answers without a modal loop.

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

enum class MessageKind { Info, Error, Question, Confirm };

class DialogResponder {
public:
    virtual ~DialogResponder() = default;
    // true for OK/Yes
    virtual bool message(MessageKind kind, const QString &caption, const QString &text) = 0;
    // empty when cancelled
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &fileName,
                                 const QString &filter) = 0;
    virtual int execDialog(QDialog *dialog) = 0;
};

// The responder in force; the real dialogs unless a test installed one.
DialogResponder &dialogs();
// Installs a responder (nullptr restores the real dialogs); returns the previous one.
DialogResponder *setDialogResponder(DialogResponder *responder);

void ShowInfo(const QString &text);
void ShowError(const QString &text);
bool AskYesNo(const QString &text);
// The standard confirmation dialog (confirmation icon, Yes and No).
bool Confirm(const QString &text);
