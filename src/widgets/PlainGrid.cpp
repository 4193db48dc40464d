#include "widgets/PlainGrid.h"

#include "widgets/Format.h"
#include "widgets/RecordSet.h"

#include <QDate>
#include <QSet>

#include <algorithm>

namespace widgets {

PlainGrid::PlainGrid(QWidget *parent)
    : GridBase(parent)
    , m_rows(new RecordSet(this))
{
    bindRecordSet(m_rows);
}

PlainGrid::~PlainGrid() = default;

// One field per column, in column order, so column and field numbers agree.
void PlainGrid::columnsChanged()
{
    QVector<Field> fields;
    QSet<QString> used;
    const QVector<GridColumn> &cols = columns();
    fields.reserve(cols.size());
    for (int c = 0; c < cols.size(); ++c) {
        const GridColumn &column = cols.at(c);
        QString name = column.field.toUpper();
        if (name.isEmpty() || used.contains(name))
            name = QStringLiteral("#%1").arg(c);
        used.insert(name);
        FieldKind kind = FieldKind::Text;
        if (!column.format.isEmpty())
            kind = isDateFormat(column.format) ? FieldKind::Date : FieldKind::Number;
        fields.append({name, kind, column.format});
    }
    m_rows->setFields(fields);
}

void PlainGrid::setRowCount(int rows)
{
    const int now = m_rows->recordCount();
    if (rows > now)
        m_rows->insertRows(now, rows - now);
    else if (rows < now)
        m_rows->removeRows(std::max(0, rows), now - std::max(0, rows));
}

int PlainGrid::appendRow()
{
    const int row = m_rows->recordCount();
    m_rows->insertRows(row, 1);
    return row;
}

void PlainGrid::insertRow(int at)
{
    m_rows->insertRows(at, 1);
}

void PlainGrid::deleteRow(int at)
{
    m_rows->removeRows(at, 1);
}

void PlainGrid::clearRows()
{
    m_rows->clear();
}


void PlainGrid::setCells(int col, int row, const QString &text)
{
    m_rows->setValue(row, col, text);
}

void PlainGrid::setCellValue(int col, int row, const QVariant &value)
{
    m_rows->setValue(row, col, value);
}

void PlainGrid::setCellNumber(int col, int row, double value)
{
    m_rows->setValue(row, col, value);
}

} // namespace widgets

#include "moc_PlainGrid.cpp"
