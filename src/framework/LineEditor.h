#pragma once
// The lines of a document: a record set shown in a grid, one panel of input
// controls (a RecordBinding) for the current line, and the rules of the
// "추가"/"삭제" buttons every document screen has:
//
// - while the document is edited an entry row stands at the end; applying
//   the panel there appends a line (numbered, with the new-line values) and
//   a fresh entry row, or adds the quantity to the line of the same item
//   (or replaces that line, when the rules say so);
// - applying it on a line overwrites that line (after the screen's check);
// - the amount of a line is quantity × price;
// - the footer shows the count of lines and the sums of the summed columns.
//
//   LineEditor lines(cdsLines, grdLines, {{"ITEM_CODE", edtITEM_CODE}, {"QTY", edtQTY, 1}, …},
//                    {.seq = "ORDE_SEQ", .price = "COST_AMT", .amount = "AMT", .countColumn = "ITEM_NAME",
//                     .sums = {"AMT"}, .checks = {{[this] { return edtQTY->value() > 0; }, "…", edtQTY}}});

#include "framework/Binding.h"
#include "framework/Records.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace widgets { class GridBase; class RecordSet; }

struct LineRules {
    QString key = QStringLiteral("ITEM_CODE");   // a row without it is the entry row
    QString seq = {};            // numbered 1, 2, … as lines are appended
    QString qty = QStringLiteral("QTY");
    QString price = {};          // amount = qty × price
    QString amount = {};
    QString countColumn = {};    // grid column whose footer shows the count of lines
    QStringList sums = {};       // grid columns whose footers show their sums
    QList<QPair<QString, QVariant>> newLine = {};   // what a new line starts with beyond the panel
    QList<PanelCheck> checks = {};
    // Why the line in `row` may not take the panel's values; empty: it may.
    std::function<QString(int row)> refuseOverwrite = {};
    QWidget *entryFocus = nullptr;   // after applying, the user types the next line here
    // What applying an item that already has a line does.
    enum class Repeat {
        AddQuantity,   // adds the panel's quantity to that line
        Replace,       // overwrites that line (a count states the quantity, it does not add to it)
        NewLine,       // appends a line of its own (lines carrying references of their own, e.g. an order line)
    };
    Repeat repeat = Repeat::AddQuantity;
};

class LineEditor : public QObject {
    Q_OBJECT
public:
    enum class Applied { Refused, Appended, Merged, Overwritten };

    LineEditor(widgets::RecordSet *lines, widgets::GridBase *grid, RecordBinding panel, LineRules rules,
               QObject *parent);

    // The lines of one document (no rows for an empty key), the first one in the panel.
    int load(db::Connection &conn, const QString &sql, const Params &params);
    void clear();
    // An empty entry row at the end, current; the panel cleared.
    void openEntryRow();
    // Rows without a key go.
    void dropEntryRows();
    // "추가": the panel into the lines.
    Applied apply();
    // A line taken from elsewhere (another document), appended as the panel
    // would append it.
    void appendLine(const QList<QPair<QString, QVariant>> &values);
    // "삭제": the current line goes (not the entry row). False when there was none.
    bool removeCurrent();

    bool isLine(int row) const;
    QList<int> lineRows() const;
    int lineCount() const;
    double sum(const QString &field) const;
    QString text(int row, const QString &field) const;
    double number(int row, const QString &field) const;
    widgets::RecordSet *records() const { return m_lines; }
    const RecordBinding &panel() const { return m_panel; }

Q_SIGNALS:
    // The panel shows the current line (row -1 or the entry row: cleared).
    void lineShown(int row);
    // Lines were loaded, added, changed or removed (the footer is up to date).
    void linesChanged();

private:
    void showCurrent();
    void refreshFooter();
    void write(int row);
    // The entry row at the end (opened when there is none) as a new line.
    int startLine();
    int sameItem(const QString &key, int except) const;

    widgets::RecordSet *m_lines;
    QPointer<widgets::GridBase> m_grid;
    RecordBinding m_panel;
    LineRules m_rules;
};
