#pragma once
// The code search window "코드검색" of a TPopupBtn: the list of codes, a
// column chooser with a search text, and keys to pick a row or cancel.
// It lives only for one click of its button.

#include "framework/PopupBtn.h"

#include <QDialog>
#include <QMap>
#include <QStringList>
#include <QVector>

#include <optional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QToolButton;
namespace db { class Connection; class Query; }
namespace widgets { class DataGrid; class RecordSet; }

// Statement texts of the code searches.
namespace popup {

// The statement with every clause on a line of its own: a line break goes
// before each FROM, WHERE, AND, GROUP BY, HAVING, ORDER BY and UNION that
// stands outside parentheses, quotes and comments (the meaning stays; the
// lines are what the search of the window looks at).
QStringList clauseLines(const QString &sql);

// The typed search of a full list: one more condition line
// "<column> LIKE :<column without qualifier> || '%'" before the GROUP BY or
// ORDER BY line, joined with AND (or as the WHERE when there is none).
QString prefixStatement(const QString &sql, const QString &column);

// The window's search: `condition` (e.g. "NAME LIKE ...") put into the
// statement's lines. With a WHERE line it goes, with AND, after the last AND
// line when that lies after the last FROM and WHERE lines, else after the
// last WHERE line; without one it becomes a WHERE line before the GROUP BY
// line, else before the ORDER BY line, else at the end. Line 0 (the SELECT)
// is not looked at.
QStringList withSearchCondition(const QStringList &lines, const QString &condition);

} // namespace popup

class TfrmPopupWnd : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPopupWnd(QWidget *parent = nullptr);

    // What the button hands over: its full list (from which every search of
    // the window starts), its parameter values and its column set-up.
    void setSource(db::Connection &conn, const QStringList &sql, const QMap<QString, QString> &params,
                   const QStringList &titles, const QStringList &widths);
    // Opens `sql`: parameters from the button's values, every other one gets
    // `fill` (the typed text) or nothing. Throws db::DbError.
    void openList(const QString &sql, const std::optional<QString> &fill = std::nullopt);
    // Where the window opens, relative to the button.
    void placeFor(const QWidget *button, TDialogAlign align);

    // The search inside the window: the chosen column contains Edit's text.
    // A failure is shown by the standard error display; false then.
    bool Retrieve();
    // Picks the current row (OK); nothing when the list is empty.
    bool Pick();

    int rowCount() const;
    // The current row, one text per result column, a null as one blank.
    QStringList currentValues() const;

    QFrame *ToolBar;
    QToolButton *NavFirst, *NavPrior, *NavNext, *NavLast;
    QToolButton *SpeedButtonOk;
    QToolButton *SpeedButtonCancel;
    QToolButton *SpeedButtonRetrieve;
    QComboBox *ComboBox;
    QLineEdit *Edit;
    widgets::DataGrid *DBGrid;
    QLabel *PanelStatus;
    widgets::RecordSet *cdsPopup;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void load(db::Query &query);
    void layoutColumns();
    // The keys of the window and its text box; true when used.
    bool windowKey(QKeyEvent *event);

    db::Connection *m_conn = nullptr;
    QStringList m_sql;
    QMap<QString, QString> m_params;
    QStringList m_titles;
    QStringList m_widths;
    QStringList m_columns;       // result column names
    QVector<bool> m_numeric;     // per result column
    bool m_laidOut = false;
};
