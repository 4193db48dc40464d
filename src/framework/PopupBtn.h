#pragma once
// The small code search button beside a code field. It knows two
// statements: the full list of codes, opened by a click (or F1 in the
// field), and the list of codes starting with the text typed into its
// LinkControl, run when the field is left. The chosen row comes back in
// ReturnValue, one text per result column.
//
// Screens normally do not set the button up by hand: they declare a Lookup
// (framework/Lookups.h) and the screen base wires field, button and pick.

#include <QDialog>
#include <QMap>
#include <QPointer>
#include <QStringList>
#include <QToolButton>

namespace db { class Connection; }

enum TDialogAlign { daCenter, daTopLeft, daTopRight };

class TPopupBtn : public QToolButton {
    Q_OBJECT
public:
    explicit TPopupBtn(QWidget *parent = nullptr);

    // The full list: one clause per line, ordered by the code.
    QStringList SQL;
    // The same list restricted to the typed beginning of a code; every
    // parameter without a value in Params gets the LinkControl's text + "%".
    QStringList LinkSQL;
    // Values for the parameters of both statements, by name (without the colon).
    QMap<QString, QString> Params;
    // The field whose text feeds LinkSQL: a line edit (data-aware edits
    // included) or a combo box.
    QPointer<QWidget> LinkControl;
    QStringList ColumnTitles;
    // Display width of each result column in characters; "0" hides the
    // column (its value still comes back). With widths given, columns beyond
    // the list are hidden too; with none, every column shows.
    QStringList ColumnWidths;
    TDialogAlign ReferDialogAlign = daCenter;
    // The connection of the statements; none given: the program's dbsDB.
    db::Connection *SQLConnection = nullptr;

    // After a click: the chosen row's values (a null value as one blank),
    // empty when nothing was chosen.
    QStringList ReturnValue;
    // After a click: Accepted when a row was chosen, else Rejected.
    QDialog::DialogCode ModalResult = QDialog::Rejected;

    db::Connection &connection() const;

    // The full list in the code search window (what a click does).
    void Click();
    // The typed search: exactly one row is taken without showing anything;
    // none or several open the window.
    void SearchByLink();

    // Whether `control` can feed the typed search, and its text.
    static bool linkText(const QWidget *control, QString *text);

Q_SIGNALS:
    // The end of every click that got as far as a result (chosen or not):
    // the place for a screen's own click handler.
    void afterClick();

private:
    bool m_fullList = true;
};

// The magnifier glyph of the code search buttons.
QIcon SearchGlyph();
