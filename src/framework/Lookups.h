#pragma once
// Declared code searches. A screen states, per code search button, which
// fields a chosen row fills and with which statement; the screen base
// (TfrmZOI010::InstallLookups, TfrmZOH010::InstallLookups) then
//
// - creates the button beside the code field (or takes the one the screen
//   placed itself under that object name),
// - opens the full list on a click and on F1 in the code or name field,
// - on leaving the typed field in insert or edit mode (in every mode when
//   the field lies on the search panel): an empty field clears all filled
//   fields; a filled one runs the typed search, which takes a single match
//   without showing anything,
// - for a search by name: entering the name field clears the code and the
//   other filled fields, and leaving it searches only while the code is empty,
// - on a pick copies the trimmed values, runs the screen's own handler and
//   moves the focus on.
//
//   InstallLookups({
//       // button         filled from ReturnValue[0], [1], …        full list  typed prefix of
//       {"pbtnGUMAE_UNIT", {"dbeGUMAE_UNIT", "dbeGUMAE_UNIT_NM"},     kUnits,    "DETAIL"},
//       {"pbtnITEM_CODE",  {"edtITEM_CODE", "edtITEM_NAME", "edtITEM_STANDARD1", "edtGUMAE_UNIT_NM"},
//                          kItems, "ITEM_NAME", TypedIn::Name, {}, {},
//                          {.afterPick = [this](TPopupBtn &) { itemChosen(); }}},
//   });

#include "framework/PopupBtn.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace widgets { class RecordSet; }

// The field the user types into: the code, or (for items, suppliers,
// departments) the name.
enum class TypedIn { Code, Name };

struct LookupOptions {
    // After a pick from the list the focus goes here; by default to the next
    // field after the typed one. A pick made on leaving the field keeps the
    // focus where the user took it, unless this names a field.
    QString focusAfter = {};
    // The screen's own work after the values were copied.
    std::function<void(TPopupBtn &)> afterPick = {};
    // The screen's own work after the lookup cleared its fields.
    std::function<void()> afterClear = {};
    // A typed search statement of its own instead of the one derived from
    // the full list (its parameters without a value get the typed text + "%").
    QString linkSql = {};
    TDialogAlign align = daCenter;
    // Names in `into` that are no control of the form are fields of this record set.
    widgets::RecordSet *records = nullptr;
};

struct Lookup {
    QString button;            // object name of the code search button, e.g. "pbtnSTRG_CODE"
    // Where ReturnValue[0], [1], … go: controls by object name (a data-aware
    // edit writes its record), or fields of options.records; "" skips a value.
    // [0] is the code, [1] the name.
    QStringList into;
    QString sql;               // the full list: code, name, further columns; ordered by the code
    // The column the typed text is matched against by prefix; the typed
    // search adds "AND <column> LIKE :<column> || '%'" to the full list.
    QString search;
    TypedIn typedIn = TypedIn::Code;
    QStringList titles = {};   // column titles of the list
    QStringList widths = {};   // widths in characters; "0" hides a column (its value still comes back)
    LookupOptions options = {};
};

class Lookups : public QObject {
    Q_OBJECT
public:
    // `editing` tells whether the form is in insert or edit mode.
    Lookups(QWidget *form, std::function<bool()> editing);
    ~Lookups() override;

    // Throws std::invalid_argument when a named control is missing.
    TPopupBtn *install(const Lookup &lookup);
    TPopupBtn *button(const QString &objectName) const;

    // The form's gl… handlers pass their events on: F1 opens the list (true:
    // the key was used); entering and leaving the typed field.
    bool keyDown(QWidget *control, QKeyEvent *event);
    void entered(QWidget *control);
    void left(QWidget *control);

private:
    struct Entry;

    bool active(const Entry &entry) const;
    void picked(Entry &entry);
    void clear(Entry &entry, bool keepTyped);
    void setValue(Entry &entry, int index, const QString &value);
    QString value(const Entry &entry, int index) const;
    QStringList values(const Entry &entry) const;
    bool stillPicked(const Entry &entry, const QString &typed) const;
    void run(Entry &entry, bool typed, bool leaving);
    QWidget *nextField(const Entry &entry) const;

    QWidget *m_form;
    std::function<bool()> m_editing;
    std::vector<std::unique_ptr<Entry>> m_entries;
    bool m_busy = false;
};

// Text of an edit, combo box or label, and setting it (a data-aware edit
// writes into its record, a numeric edit takes the value).
QString ControlText(const QWidget *control);
void SetControlText(QWidget *control, const QString &text);
