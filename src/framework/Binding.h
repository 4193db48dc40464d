#pragma once
// Input controls bound to the fields of one record: read shows a record in
// the controls, write puts what was typed back into it. A header and the
// line panel of a document screen are each one binding, declared once
// instead of copied field by field in every operation.
//
//   RecordBinding header{{"PLAN_DATE", medPLAN_DATE}, {"REMARK", edtREMARK}, {"QTY", edtQTY}};
//   header.read(*cdsHeader, cdsHeader->currentRow());
//   header.write(*cdsHeader, cdsHeader->currentRow());
//
// Text edits hold text, numeric edits numbers, date boxes 'YYYY-MM-DD',
// month boxes 'YYYYMM', combo boxes their text, check boxes "Y"/"N".

#include <QList>
#include <QString>
#include <QVariant>

#include <functional>

class QWidget;
namespace widgets { class RecordSet; }

struct FieldLink {
    QString field;
    QWidget *control;
    QVariant empty = {};   // what an empty record shows (e.g. a quantity of 1)
};

class RecordBinding {
public:
    RecordBinding() = default;
    RecordBinding(std::initializer_list<FieldLink> links) : m_links(links) {}

    // The record's values in the controls; no row (-1) shows the empty values.
    void read(const widgets::RecordSet &records, int row) const;
    // The controls' values into the record (fields it lacks are passed over).
    void write(widgets::RecordSet &records, int row) const;
    // Every control shows its empty value.
    void clear() const;
    // The value a control holds, as it would be written.
    QVariant value(const QString &field) const;
    const QList<FieldLink> &links() const { return m_links; }

private:
    QList<FieldLink> m_links;
};

// A condition the input must meet before a save or a line is taken.
struct PanelCheck {
    std::function<bool()> holds;
    QString message;           // shown when it does not hold
    QWidget *focus = nullptr;  // where the user goes to mend it
};
// The first check that fails shows its message and takes the focus to its
// field; false then.
bool AllHold(const QList<PanelCheck> &checks);
// A check that the control holds a value (a valid date for a date box).
std::function<bool()> IsFilled(const QWidget *control);

// The value of one control as a binding reads it, and setting it.
QVariant ControlValue(const QWidget *control);
void SetControlValue(QWidget *control, const QVariant &value);
