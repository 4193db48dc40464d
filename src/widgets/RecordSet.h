#pragma once
// An in-memory record set in the role of a client dataset: named fields,
// rows of values, a current record and the browse/edit/insert cycle that the
// entry screens drive. Grids and data-aware edits show it; queries fill it
// with beginLoad()/appendRow()/endLoad().

#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>
#include <QVector>


namespace widgets {

enum class FieldKind { Text, Number, Date };

struct Field {
    QString name;
    FieldKind kind = FieldKind::Text;
    QString format;         // display format, e.g. "#,##0.0" or "yyyy-mm-dd"
};

class RecordSet : public QObject
{
    Q_OBJECT
public:
    enum State { Browse, Edit, Insert };

    explicit RecordSet(QObject *parent = nullptr);
    ~RecordSet() override;

    // ---- structure
    void setFields(const QVector<Field> &fields);       // drops all rows
    const QVector<Field> &fields() const { return m_fields; }
    int fieldCount() const { return int(m_fields.size()); }
    const Field &field(int index) const { return m_fields.at(index); }
    int fieldIndex(const QString &name) const;           // case-insensitive; -1 when unknown

    // ---- loading: between beginLoad() and endLoad() nothing is signalled
    // per row; endLoad() resets the views once and makes the first row current.
    void beginLoad(int expectedRows = 0);
    void endLoad();
    bool isLoading() const { return m_loadDepth > 0; }
    void appendRow(QVector<QVariant> values);            // short rows are padded
    void clear();                                        // all rows; fields stay

    // ---- direct row access (no state change; for lists kept by the program)
    int recordCount() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const QVariant &at(int row, int field) const { return m_rows.at(row).at(field); }
    QVariant value(int row, int field) const;            // null when out of range
    QVariant value(int row, const QString &name) const;
    bool setValue(int row, int field, const QVariant &value);
    bool setValue(int row, const QString &name, const QVariant &value);
    QString displayText(int row, int field) const;       // under the field's format
    void insertRows(int at, int count);                  // empty rows
    void removeRows(int at, int count);
    int find(const QString &name, const QVariant &value, int from = 0) const;  // by text; -1

    // ---- the current record
    int currentRow() const { return m_current; }
    QVariant value(const QString &name) const;
    QString text(const QString &name) const;             // stored value as text
    double number(const QString &name) const;            // 0 when empty or not a number
    bool setValue(const QString &name, const QVariant &value);  // starts editing in browse state

    // ---- navigation; a record being edited is posted first, a new record
    // that nobody touched is dropped (as when leaving it in a grid)
    void first();
    void prior();
    void next();
    void last();
    bool moveTo(int row);
    bool locate(const QString &name, const QVariant &value);
    bool bof() const { return m_bof; }
    bool eof() const { return m_eof; }

    // ---- editing cycle
    State state() const { return m_state; }
    bool isEditing() const { return m_state != Browse; }
    bool isModified() const { return m_modified; }
    bool edit();                  // false when there is no current record
    void insert();                // new record before the current one
    void append();                // new record at the end
    void post();
    void cancel();                // edit: values restored; insert: new record dropped
    void deleteRecord();

    // Stable sort by one field: numbers by value, dates by their digits
    // (QDate, 'YYYY-MM-DD' and 'YYYYMMDD' mix), text by character codes;
    // empty values go last in either order. The current record stays
    // current (its row number may change).
    void sortBy(const QString &name, Qt::SortOrder order = Qt::AscendingOrder);

Q_SIGNALS:
    void afterScroll();                          // another record became current
    void fieldChanged(const QString &name);      // a value of the current record changed
    void valueChanged(int row, int field);       // any stored value changed
    void rowChanged(int row);                    // several values of a row changed at once
    void stateChanged();
    void layoutAboutToReset();
    void layoutReset();                          // fields, all rows or the order changed
    void rowsAboutToBeInserted(int first, int last);
    void rowsInserted(int first, int last);
    void rowsAboutToBeRemoved(int first, int last);
    void rowsRemoved(int first, int last);

private:
    void checkBrowseMode();
    void insertNew(bool atEnd);
    void setCurrent(int row, bool bof, bool eof);
    bool quiet() const { return m_loadDepth > 0; }

    QVector<Field> m_fields;
    QList<QVector<QVariant>> m_rows;
    QVector<QVariant> m_backup;      // the record as it was before edit()
    int m_current = -1;
    int m_returnRow = -1;            // current record before insert()/append()
    int m_loadDepth = 0;
    State m_state = Browse;
    bool m_modified = false;
    bool m_bof = true;
    bool m_eof = true;
};

} // namespace widgets
