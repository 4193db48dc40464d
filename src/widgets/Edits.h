#pragma once
// Small edit controls of the entry screens: a numeric edit, masked date and
// month edits, a date edit with a calendar, and an edit and a check box bound
// to a field of a RecordSet.

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPointer>

namespace widgets {

class RecordSet;

// A number with a fixed count of decimals: thousands separators while it is
// not being edited, plain digits while it is. Only digits, one leading minus
// (unless negatives are refused) and (with decimals) one point can be typed.
class NumEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit NumEdit(QWidget *parent = nullptr);

    double value() const;
    void setValue(double value);
    int decimals() const { return m_decimals; }
    void setDecimals(int decimals);
    bool negativeAllowed() const { return m_negative; }
    void setNegativeAllowed(bool allowed);

Q_SIGNALS:
    void valueChanged(double value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void display(bool editing);
    void updateValidator();

    double m_value = 0;
    int m_decimals = 0;
    bool m_negative = true;
    bool m_editing = false;
};

// A line edit with an input mask written as the screens write it:
// "9999/99/00" (date), "9999/99" (month). Every digit place may be left
// blank while typing; dateText()/monthText() tell whether the whole is valid.
class MaskEdit : public QLineEdit
{
    Q_OBJECT
public:
    enum Kind { Date, Month, Custom };

    explicit MaskEdit(QWidget *parent = nullptr);            // a date mask
    explicit MaskEdit(Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind);                                 // Date or Month
    // '0'/'9' digit, 'L'/'l' letter, 'A'/'a' letter or digit, 'C'/'c' any
    // character; other characters are shown as they are. ";1;_" parts after
    // the mask are accepted; the third one gives the blank character.
    void setEditMask(const QString &mask);

    QString plainText() const;                 // what was typed, without separators and blanks
    void setPlainText(const QString &text);    // 'YYYY-MM-DD', 'YYYYMMDD', 'YYYY/MM' all fit
    bool isBlank() const;
    QString dateText() const;                  // 'YYYY-MM-DD', or "" when blank or no valid date
    QString monthText() const;                 // 'YYYYMM', or "" when blank or no valid month

private:
    Kind m_kind = Date;
    QString m_places;                          // per shown position: the literal, or '\0' for input
    QChar m_blank = u'_';
};

// A date picked with a calendar pop-up, shown and read as 'YYYY-MM-DD'.
class DateEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit DateEdit(QWidget *parent = nullptr);

    QString dateText() const;
    void setDateText(const QString &text);     // 'YYYY-MM-DD' or 'YYYYMMDD'; other text is ignored
};

// Shows a field of the current record and writes typed text back into it.
class DbEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DbEdit(QWidget *parent = nullptr);
    DbEdit(RecordSet *records, const QString &field, QWidget *parent = nullptr);

    void setField(RecordSet *records, const QString &field);
    RecordSet *recordSet() const { return m_records; }
    QString fieldName() const { return m_field; }
    void refresh();                            // shows the current record's value again

private:
    void write(const QString &text);

    QPointer<RecordSet> m_records;
    QString m_field;
    QVector<QMetaObject::Connection> m_connections;
    bool m_writing = false;
};

// A flag field of the current record as a check box: ticked when the field
// holds `checkedValue`. Ticking writes `checkedValue`, unticking
// `uncheckedValue` (e.g. "사용중지" ticked = USE_YN 'N', else 'Y').
class DbCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    DbCheckBox(RecordSet *records, const QString &field, const QString &checkedValue,
               const QString &uncheckedValue, const QString &caption, QWidget *parent = nullptr);

    QString fieldName() const { return m_field; }
    // Writes the box's state into the record, so that a record the user
    // never ticked or unticked still gets one of the two values.
    void store();
    void refresh();                            // shows the current record's value again

private:
    QPointer<RecordSet> m_records;
    QString m_field, m_checked, m_unchecked;
    bool m_refreshing = false;
};

} // namespace widgets
