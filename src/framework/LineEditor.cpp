#include "framework/LineEditor.h"

#include "session/Dialogs.h"
#include "widgets/Format.h"
#include "widgets/GridBase.h"
#include "widgets/RecordSet.h"

#include <QWidget>

namespace {

// The record set knows the grid's fields before anything is loaded, so a
// new document's lines can be written into it.
QVector<widgets::Field> fieldsOf(const widgets::GridBase &grid)
{
    QVector<widgets::Field> fields;
    for (const widgets::GridColumn &c : grid.columns()) {
        if (c.field.isEmpty())
            continue;
        const bool number = !c.format.isEmpty() && !widgets::isDateFormat(c.format);
        fields.append({c.field, number ? widgets::FieldKind::Number : widgets::FieldKind::Text, {}});
    }
    return fields;
}

} // namespace

LineEditor::LineEditor(widgets::RecordSet *lines, widgets::GridBase *grid, RecordBinding panel, LineRules rules,
                       QObject *parent)
    : QObject(parent), m_lines(lines), m_grid(grid), m_panel(std::move(panel)), m_rules(std::move(rules))
{
    if (m_lines->fieldCount() == 0)
        m_lines->setFields(fieldsOf(*grid));
    connect(m_lines, &widgets::RecordSet::afterScroll, this, [this] {
        if (!m_lines->isLoading())
            showCurrent();
    });
}

int LineEditor::load(db::Connection &conn, const QString &sql, const Params &params)
{
    const int count = OpenRecords(*m_lines, conn, sql, params);
    refreshFooter();
    showCurrent();
    return count;
}

void LineEditor::clear()
{
    m_lines->clear();
    refreshFooter();
    showCurrent();
}

void LineEditor::openEntryRow()
{
    const int at = m_lines->recordCount();
    m_lines->insertRows(at, 1);
    m_lines->moveTo(at);
    showCurrent();
}

void LineEditor::dropEntryRows()
{
    for (int row = m_lines->recordCount() - 1; row >= 0; --row)
        if (!isLine(row))
            m_lines->removeRows(row, 1);
}

LineEditor::Applied LineEditor::apply()
{
    if (!AllHold(m_rules.checks))
        return Applied::Refused;
    int row = m_lines->currentRow();
    if (row < 0) {
        openEntryRow();
        row = m_lines->currentRow();
    }
    Applied applied;
    if (isLine(row)) {
        if (const QString refusal = m_rules.refuseOverwrite ? m_rules.refuseOverwrite(row) : QString(); !refusal.isEmpty()) {
            ShowInfo(refusal);
            return Applied::Refused;
        }
        write(row);
        applied = Applied::Overwritten;
    } else if (const int same = m_rules.repeat == LineRules::Repeat::NewLine
                                    ? -1 : sameItem(m_panel.value(m_rules.key).toString(), row);
               same >= 0 && m_rules.repeat == LineRules::Repeat::Replace) {
        write(same);
        applied = Applied::Overwritten;
    } else if (same >= 0) {
        const double qty = number(same, m_rules.qty) + m_panel.value(m_rules.qty).toDouble();
        m_lines->setValue(same, m_rules.qty, qty);
        if (!m_rules.amount.isEmpty())
            m_lines->setValue(same, m_rules.amount, qty * number(same, m_rules.price));
        applied = Applied::Merged;
    } else {
        write(startLine());
        openEntryRow();
        applied = Applied::Appended;
    }
    refreshFooter();
    m_lines->moveTo(m_lines->recordCount() - 1);
    showCurrent();
    if (m_rules.entryFocus)
        m_rules.entryFocus->setFocus();
    return applied;
}

int LineEditor::startLine()
{
    int row = m_lines->recordCount() - 1;
    if (row < 0 || isLine(row)) {
        m_lines->insertRows(++row, 1);
    }
    for (const auto &value : m_rules.newLine)
        m_lines->setValue(row, value.first, value.second);
    if (!m_rules.seq.isEmpty())
        m_lines->setValue(row, m_rules.seq, row + 1);
    return row;
}

void LineEditor::appendLine(const QList<QPair<QString, QVariant>> &values)
{
    const int row = startLine();
    for (const auto &value : values)
        m_lines->setValue(row, value.first, value.second);
    if (!m_rules.amount.isEmpty())
        m_lines->setValue(row, m_rules.amount, number(row, m_rules.qty) * number(row, m_rules.price));
    openEntryRow();
    refreshFooter();
}

bool LineEditor::removeCurrent()
{
    const int row = m_lines->currentRow();
    if (row < 0 || !isLine(row))
        return false;
    m_lines->removeRows(row, 1);
    refreshFooter();
    showCurrent();
    return true;
}

bool LineEditor::isLine(int row) const { return !text(row, m_rules.key).isEmpty(); }

QList<int> LineEditor::lineRows() const
{
    QList<int> rows;
    for (int row = 0; row < m_lines->recordCount(); ++row)
        if (isLine(row))
            rows << row;
    return rows;
}

int LineEditor::lineCount() const { return int(lineRows().size()); }

double LineEditor::sum(const QString &field) const
{
    double total = 0;
    for (int row : lineRows())
        total += number(row, field);
    return total;
}

QString LineEditor::text(int row, const QString &field) const
{
    return m_lines->value(row, field).toString().trimmed();
}

double LineEditor::number(int row, const QString &field) const
{
    return m_lines->value(row, field).toDouble();
}

void LineEditor::showCurrent()
{
    const int row = m_lines->currentRow();
    if (row >= 0 && isLine(row))
        m_panel.read(*m_lines, row);
    else
        m_panel.clear();
    Q_EMIT lineShown(row);
}

void LineEditor::refreshFooter()
{
    if (m_grid && !m_rules.countColumn.isEmpty())
        m_grid->setFooterText(0, m_grid->columnIndex(m_rules.countColumn),
                              widgets::formatNumber(lineCount(), QStringLiteral("#,##0")));
    for (const QString &column : m_rules.sums)
        if (m_grid)
            m_grid->setFooterText(0, m_grid->columnIndex(column), widgets::formatNumber(sum(column), QStringLiteral("#,##0")));
    Q_EMIT linesChanged();
}

void LineEditor::write(int row)
{
    m_panel.write(*m_lines, row);
    if (!m_rules.amount.isEmpty())
        m_lines->setValue(row, m_rules.amount, number(row, m_rules.qty) * number(row, m_rules.price));
}

int LineEditor::sameItem(const QString &key, int except) const
{
    for (int row = 0; row < m_lines->recordCount(); ++row)
        if (row != except && text(row, m_rules.key) == key)
            return row;
    return -1;
}

#include "moc_LineEditor.cpp"
