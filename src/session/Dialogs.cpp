#include "session/Dialogs.h"
#include "session/Session.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QMessageBox>

namespace {

// A name typed without an extension takes the one of the chosen filter
// ("Excel 통합 문서(*.xlsx)" → ".xlsx"), so that the choice of format counts.
QString withFilterSuffix(const QString &fileName, const QString &filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*(\\.[^ ;)]+)"));
    const QRegularExpressionMatch match = pattern.match(filter);
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty() || !match.hasMatch())
        return fileName;
    return fileName + match.captured(1);
}

class RealDialogs final : public DialogResponder {
public:
    bool message(MessageKind kind, const QString &caption, const QString &text) override
    {
        QWidget *parent = QApplication::activeWindow();
        switch (kind) {
        case MessageKind::Info:
            QMessageBox::information(parent, caption, text);
            return true;
        case MessageKind::Error:
            QMessageBox::critical(parent, caption, text);
            return true;
        case MessageKind::Question:
        case MessageKind::Confirm:
            return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No)
                == QMessageBox::Yes;
        }
        return false;
    }
    QString saveFileName(QWidget *parent, const QString &caption, const QString &fileName,
                         const QString &filter) override
    {
        QString chosenFilter;
        const QString chosen = QFileDialog::getSaveFileName(parent, caption, fileName, filter, &chosenFilter,
                                                            QFileDialog::DontConfirmOverwrite);
        return withFilterSuffix(chosen, chosenFilter);
    }
    int execDialog(QDialog *dialog) override { return dialog->exec(); }
};

RealDialogs realDialogs;
DialogResponder *current = &realDialogs;

} // namespace

DialogResponder &dialogs() { return *current; }

DialogResponder *setDialogResponder(DialogResponder *responder)
{
    DialogResponder *previous = current;
    current = responder ? responder : &realDialogs;
    return previous;
}

void ShowInfo(const QString &text) { dialogs().message(MessageKind::Info, kAppTitle, text); }
void ShowError(const QString &text) { dialogs().message(MessageKind::Error, kAppTitle, text); }
bool AskYesNo(const QString &text) { return dialogs().message(MessageKind::Question, kAppTitle, text); }
bool Confirm(const QString &text) { return dialogs().message(MessageKind::Confirm, kAppTitle, text); }
