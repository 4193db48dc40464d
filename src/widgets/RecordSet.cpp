#include "widgets/RecordSet.h"

#include "widgets/Format.h"

#include <QDate>

#include <algorithm>
#include <numeric>
#include <vector>

namespace widgets {

namespace {

bool isEmptyValue(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return true;
    return v.typeId() == QMetaType::QString && v.toString().isEmpty();
}

QString textOf(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(Qt::ISODate);
    return v.toString();
}

// Dates arrive as QDate, 'YYYY-MM-DD' or 'YYYYMMDD'; their digits order them.
QString dateKey(const QVariant &v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("yyyyMMdd"));
    QString digits = v.toString();
    digits.removeIf([](QChar c) { return !c.isDigit(); });
    return digits;
}

} // namespace

RecordSet::RecordSet(QObject *parent)
    : QObject(parent)
{
}

RecordSet::~RecordSet() = default;

// ---------------------------------------------------------------- structure

void RecordSet::setFields(const QVector<Field> &fields)
{
    if (!quiet())
        Q_EMIT layoutAboutToReset();
    const bool wasEditing = m_state != Browse;
    m_fields = fields;
    m_rows.clear();
    m_backup.clear();
    m_state = Browse;
    m_modified = false;
    m_current = -1;
    m_bof = m_eof = true;
    if (quiet())
        return;
    Q_EMIT layoutReset();
    if (wasEditing)
        Q_EMIT stateChanged();
    Q_EMIT afterScroll();
}

int RecordSet::fieldIndex(const QString &name) const
{
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).name == name)
            return i;
    for (int i = 0; i < m_fields.size(); ++i)
        if (m_fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// ---------------------------------------------------------------- loading

void RecordSet::beginLoad(int expectedRows)
{
    if (m_loadDepth == 0) {
        checkBrowseMode();
        Q_EMIT layoutAboutToReset();
    }
    ++m_loadDepth;
    if (expectedRows > 0)
        m_rows.reserve(m_rows.size() + expectedRows);
}

void RecordSet::endLoad()
{
    if (m_loadDepth == 0 || --m_loadDepth > 0)
        return;
    m_current = m_rows.isEmpty() ? -1 : 0;
    m_bof = true;
    m_eof = m_rows.isEmpty();
    Q_EMIT layoutReset();
    Q_EMIT afterScroll();
}

void RecordSet::appendRow(QVector<QVariant> values)
{
    if (values.size() != m_fields.size())
        values.resize(m_fields.size());
    const int row = int(m_rows.size());
    if (quiet()) {
        m_rows.append(std::move(values));
        return;
    }
    Q_EMIT rowsAboutToBeInserted(row, row);
    m_rows.append(std::move(values));
    Q_EMIT rowsInserted(row, row);
    if (m_current < 0)
        setCurrent(0, true, false);
}

void RecordSet::clear()
{
    if (quiet()) {
        m_rows.clear();
        m_current = -1;
        return;
    }
    Q_EMIT layoutAboutToReset();
    const bool wasEditing = m_state != Browse;
    m_rows.clear();
    m_backup.clear();
    m_state = Browse;
    m_modified = false;
    m_current = -1;
    m_bof = m_eof = true;
    Q_EMIT layoutReset();
    if (wasEditing)
        Q_EMIT stateChanged();
    Q_EMIT afterScroll();
}

// ---------------------------------------------------------------- rows

QVariant RecordSet::value(int row, int field) const
{
    if (row < 0 || row >= m_rows.size() || field < 0 || field >= m_fields.size())
        return QVariant();
    return m_rows.at(row).at(field);
}

QVariant RecordSet::value(int row, const QString &name) const
{
    return value(row, fieldIndex(name));
}

bool RecordSet::setValue(int row, int field, const QVariant &value)
{
    if (row < 0 || row >= m_rows.size() || field < 0 || field >= m_fields.size())
        return false;
    QVariant &slot = m_rows[row][field];
    if (slot == value && slot.typeId() == value.typeId())
        return true;
    slot = value;
    if (row == m_current && m_state != Browse)
        m_modified = true;
    if (quiet())
        return true;
    Q_EMIT valueChanged(row, field);
    if (row == m_current)
        Q_EMIT fieldChanged(m_fields.at(field).name);
    return true;
}

bool RecordSet::setValue(int row, const QString &name, const QVariant &value)
{
    return setValue(row, fieldIndex(name), value);
}

QString RecordSet::displayText(int row, int field) const
{
    if (row < 0 || row >= m_rows.size() || field < 0 || field >= m_fields.size())
        return QString();
    return formatValue(m_rows.at(row).at(field), m_fields.at(field).format);
}

void RecordSet::insertRows(int at, int count)
{
    if (count <= 0)
        return;
    at = std::clamp(at, 0, int(m_rows.size()));
    const bool wasEmpty = m_rows.isEmpty();
    if (!quiet())
        Q_EMIT rowsAboutToBeInserted(at, at + count - 1);
    m_rows.insert(at, count, QVector<QVariant>(m_fields.size()));
    if (m_current >= at)
        m_current += count;
    if (m_returnRow >= at)
        m_returnRow += count;
    if (quiet())
        return;
    Q_EMIT rowsInserted(at, at + count - 1);
    if (wasEmpty)
        setCurrent(0, true, false);
}

void RecordSet::removeRows(int at, int count)
{
    const int n = int(m_rows.size());
    if (at < 0 || at >= n || count <= 0)
        return;
    count = std::min(count, n - at);
    const int lastRemoved = at + count - 1;
    const bool currentGone = m_current >= at && m_current <= lastRemoved;
    if (currentGone && m_state != Browse) {
        m_state = Browse;
        m_backup.clear();
        m_modified = false;
        if (!quiet())
            Q_EMIT stateChanged();
    }
    if (!quiet())
        Q_EMIT rowsAboutToBeRemoved(at, lastRemoved);
    m_rows.remove(at, count);
    if (m_current > lastRemoved)
        m_current -= count;
    else if (currentGone)
        m_current = std::min(at, int(m_rows.size()) - 1);
    if (quiet())
        return;
    Q_EMIT rowsRemoved(at, lastRemoved);
    if (currentGone)
        setCurrent(m_current, m_current <= 0, m_rows.isEmpty());
}

int RecordSet::find(const QString &name, const QVariant &value, int from) const
{
    const int f = fieldIndex(name);
    if (f < 0)
        return -1;
    const QString wanted = textOf(value);
    for (int r = std::max(0, from); r < m_rows.size(); ++r)
        if (textOf(m_rows.at(r).at(f)) == wanted)
            return r;
    return -1;
}

// ---------------------------------------------------------------- current record

QVariant RecordSet::value(const QString &name) const
{
    return value(m_current, fieldIndex(name));
}

QString RecordSet::text(const QString &name) const
{
    return textOf(value(name));
}

double RecordSet::number(const QString &name) const
{
    return numberOf(value(name));
}

bool RecordSet::setValue(const QString &name, const QVariant &value)
{
    const int f = fieldIndex(name);
    if (f < 0 || m_current < 0)
        return false;
    if (m_state == Browse)
        edit();
    return setValue(m_current, f, value);
}

// ---------------------------------------------------------------- navigation

void RecordSet::setCurrent(int row, bool bof, bool eof)
{
    m_current = row;
    m_bof = bof || m_rows.isEmpty();
    m_eof = eof || m_rows.isEmpty();
    if (!quiet())
        Q_EMIT afterScroll();
}

void RecordSet::first()
{
    checkBrowseMode();
    if (m_rows.isEmpty()) {
        m_bof = m_eof = true;
        return;
    }
    if (m_current == 0) {
        m_bof = true;
        m_eof = false;
        return;
    }
    setCurrent(0, true, false);
}

void RecordSet::last()
{
    checkBrowseMode();
    const int lastRow = int(m_rows.size()) - 1;
    if (lastRow < 0) {
        m_bof = m_eof = true;
        return;
    }
    if (m_current == lastRow) {
        m_bof = false;
        m_eof = true;
        return;
    }
    setCurrent(lastRow, false, true);
}

void RecordSet::prior()
{
    checkBrowseMode();
    if (m_current <= 0) {
        m_bof = true;
        return;
    }
    setCurrent(m_current - 1, false, false);
}

void RecordSet::next()
{
    checkBrowseMode();
    if (m_current < 0 || m_current >= m_rows.size() - 1) {
        m_eof = true;
        return;
    }
    setCurrent(m_current + 1, false, false);
}

bool RecordSet::moveTo(int row)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    if (row == m_current)
        return true;
    if (m_state == Insert && !m_modified) {
        // the untouched new record disappears; rows behind it move up
        const int dropped = m_current;
        cancel();
        if (row > dropped)
            --row;
        if (row == m_current)
            return true;
    } else {
        checkBrowseMode();
    }
    setCurrent(row, false, false);
    return true;
}

bool RecordSet::locate(const QString &name, const QVariant &value)
{
    const int row = find(name, value);
    return row >= 0 && moveTo(row);
}

// ---------------------------------------------------------------- editing

void RecordSet::checkBrowseMode()
{
    if (m_state == Edit || (m_state == Insert && m_modified))
        post();
    else if (m_state == Insert)
        cancel();
}

bool RecordSet::edit()
{
    if (m_state != Browse)
        return true;
    if (m_current < 0)
        return false;
    m_backup = m_rows.at(m_current);
    m_state = Edit;
    m_modified = false;
    Q_EMIT stateChanged();
    return true;
}

void RecordSet::insertNew(bool atEnd)
{
    checkBrowseMode();
    const int row = atEnd || m_current < 0 ? int(m_rows.size()) : m_current;
    m_returnRow = m_current;
    Q_EMIT rowsAboutToBeInserted(row, row);
    m_rows.insert(row, QVector<QVariant>(m_fields.size()));
    if (m_returnRow >= row)
        ++m_returnRow;
    m_current = row;
    m_state = Insert;
    m_modified = false;
    m_backup.clear();
    Q_EMIT rowsInserted(row, row);
    Q_EMIT stateChanged();
    setCurrent(row, false, false);
}

void RecordSet::insert()
{
    insertNew(false);
}

void RecordSet::append()
{
    insertNew(true);
}

void RecordSet::post()
{
    if (m_state == Browse)
        return;
    m_state = Browse;
    m_backup.clear();
    m_modified = false;
    Q_EMIT stateChanged();
}

void RecordSet::cancel()
{
    if (m_state == Edit) {
        QVector<QVariant> before = std::move(m_backup);
        m_backup.clear();
        m_state = Browse;
        m_modified = false;
        QVector<QVariant> &row = m_rows[m_current];
        QVector<int> changed;
        for (int f = 0; f < row.size(); ++f)
            if (!(row.at(f) == before.at(f)) || row.at(f).typeId() != before.at(f).typeId())
                changed.append(f);
        row = std::move(before);
        Q_EMIT stateChanged();
        if (!changed.isEmpty()) {
            Q_EMIT rowChanged(m_current);
            for (int f : changed)
                Q_EMIT fieldChanged(m_fields.at(f).name);
        }
        return;
    }
    if (m_state == Insert) {
        const int row = m_current;
        m_state = Browse;
        m_modified = false;
        Q_EMIT rowsAboutToBeRemoved(row, row);
        m_rows.removeAt(row);
        int back = m_returnRow;
        if (back > row)
            --back;
        m_current = std::min(back, int(m_rows.size()) - 1);
        if (m_current < 0 && !m_rows.isEmpty())
            m_current = 0;
        m_returnRow = -1;
        Q_EMIT rowsRemoved(row, row);
        Q_EMIT stateChanged();
        setCurrent(m_current, m_current <= 0, m_rows.isEmpty());
    }
}

void RecordSet::deleteRecord()
{
    if (m_state == Insert) {
        cancel();
        return;
    }
    if (m_current < 0)
        return;
    removeRows(m_current, 1);
}

// ---------------------------------------------------------------- sorting

void RecordSet::sortBy(const QString &name, Qt::SortOrder order)
{
    const int f = fieldIndex(name);
    if (f < 0)
        return;
    checkBrowseMode();
    const int n = int(m_rows.size());
    const size_t count = m_rows.size();
    std::vector<int> perm(count);
    std::iota(perm.begin(), perm.end(), 0);
    const bool asc = order == Qt::AscendingOrder;
    std::vector<char> empty(count);

    if (m_fields.at(f).kind == FieldKind::Number) {
        std::vector<double> keys(count);
        for (int r = 0; r < n; ++r) {
            const QVariant &v = m_rows.at(r).at(f);
            bool ok = true;
            if (isEmptyValue(v))
                ok = false;
            else if (v.typeId() == QMetaType::QString)
                keys[size_t(r)] = parseNumber(v.toString(), &ok);
            else
                keys[size_t(r)] = numberOf(v);
            empty[size_t(r)] = !ok;
        }
        std::stable_sort(perm.begin(), perm.end(), [&](int a, int b) {
            if (empty[size_t(a)] || empty[size_t(b)])
                return !empty[size_t(a)] && empty[size_t(b)];
            return asc ? keys[size_t(a)] < keys[size_t(b)] : keys[size_t(b)] < keys[size_t(a)];
        });
    } else {
        std::vector<QString> keys(count);
        const bool dates = m_fields.at(f).kind == FieldKind::Date;
        for (int r = 0; r < n; ++r) {
            const QVariant &v = m_rows.at(r).at(f);
            keys[size_t(r)] = dates ? dateKey(v) : textOf(v);
            empty[size_t(r)] = keys[size_t(r)].isEmpty();
        }
        std::stable_sort(perm.begin(), perm.end(), [&](int a, int b) {
            if (empty[size_t(a)] || empty[size_t(b)])
                return !empty[size_t(a)] && empty[size_t(b)];
            const int c = QString::compare(keys[size_t(a)], keys[size_t(b)], Qt::CaseSensitive);
            return asc ? c < 0 : c > 0;
        });
    }

    Q_EMIT layoutAboutToReset();
    QList<QVector<QVariant>> sorted;
    sorted.reserve(n);
    int newCurrent = -1;
    for (int i = 0; i < n; ++i) {
        const int from = perm[size_t(i)];
        if (from == m_current)
            newCurrent = i;
        sorted.append(std::move(m_rows[from]));
    }
    m_rows = std::move(sorted);
    const bool moved = newCurrent != m_current;
    m_current = newCurrent;
    Q_EMIT layoutReset();
    if (moved)
        Q_EMIT afterScroll();
}

} // namespace widgets

#include "moc_RecordSet.cpp"
