#pragma once
// The shape that master-data screens share: a list of one table's rows in a
// data-bound grid, the current row in data-aware fields of the input panel,
// and insert, update and delete statements bound from the record. A screen
// of this shape declares its columns, fields, statements and messages.

#include "framework/Records.h"
#include "framework/ZOI010.h"
#include "widgets/GridColumn.h"

#include <QHash>

class QGridLayout;
class TreePanel;
class QLineEdit;

namespace widgets {
class DataGrid;
class DbCheckBox;
class DbEdit;
class RecordSet;
}

struct InputField {
    QString field;             // field of the record
    QString label;             // caption left of the field
    QString objectName;        // e.g. "dbeDEPT_CODE"
    int maxLength = 0;
    QString note = {};         // shown right of the field (and as its tool tip)
    QString requiredMessage = {};  // ShowInfo text when left empty; empty: optional
    QString hint = {};         // tool tip when it differs from the note
    // A name shown right of a code (a department, a division, an employee),
    // filled by the code's lookup; read-only unless the user types the name
    // to look the code up by it, in which case the code is the read-only one.
    QString nameField = {};
    QString nameObjectName = {};
    bool typedByName = false;
    bool readOnly = false;     // never typed into (e.g. a key the save builds)
};

// A check box of the input panel bound to a flag field.
struct CheckField {
    QString field;
    QString caption;
    QString objectName;
    QString checkedValue;      // written when ticked
    QString uncheckedValue;    // written when not ticked
};

// A field of the search panel feeding a parameter of the list statement.
struct SearchField {
    QString label;
    QString objectName;        // e.g. "edtDivide_code"
    QString param;             // parameter of selectSql
    int maxLength = 0;
    bool upperCase = false;
};

struct RecordEntrySpec {
    QString selectSql;
    QVector<SearchField> search = {};
    QVector<widgets::GridColumn> columns;
    QVector<InputField> inputs;
    QVector<CheckField> checks = {};   // below the input fields
    // Further fields of the record that no column shows and no field edits:
    // values the statements write back as the record holds them.
    QStringList hiddenFields = {};
    // Read-only while editing (with its code search, if it has one).
    // Parameters :OLD_<field> of the update take the record's values from
    // before the edit, those of the delete the current row's values.
    QString keyField;
    QString duplicateSql;      // insert mode: a row found means the key is taken
    QString duplicateMessage;
    QString insertSql;         // parameters from the record, :U_EMP_NO and :U_IP from the session
    QString updateSql;
    QString deleteSql;
    QString deleteQuestion = QStringLiteral("선택된 자료를 삭제하시겠습니까?");
    FailureForm failureForm = FailureForm::Reporting;
    // Enter and a double click on the list edit, the Delete key deletes.
    bool listKeys = false;
};

class RecordEntryScreen : public TfrmZOI010 {
    Q_OBJECT
public:
    RecordEntryScreen(const QString &programId, RecordEntrySpec spec, QWidget *parent = nullptr);

    widgets::RecordSet *records() const { return m_records; }
    widgets::DataGrid *grid() const { return m_grid; }
    // The edit of a field, its name field included.
    widgets::DbEdit *input(const QString &field) const;
    widgets::DbCheckBox *check(const QString &field) const;
    QLineEdit *searchField(const QString &param) const;

protected:
    void glSelect() override;
    void glInsert() override;
    void glEdit() override;
    void glSave() override;
    void glCancel() override;
    bool glDelete() override;
    bool glOnKeyDown(QWidget *control, QKeyEvent *event) override;

    // Steps of a screen's own around the shared cycle.
    // False stops the save (the screen showed its message and set the focus).
    virtual bool validate();
    // Writes the current record inside the save transaction.
    virtual void writeRecord(bool inserting);
    virtual void afterSave(bool /*inserted*/) {}
    virtual void afterDelete() {}
    // A tree drawn from a tree-ordered view, standing left of the list;
    // choosing a node runs `onNode` with its key, "다시그리기" redraws it.
    TreePanel *addTree(const QString &viewSql, const QString &treeColumn, const QString &keyColumn,
                       std::function<void(const QString &key)> onNode);
    // Draws the tree again from its view (nothing without a tree).
    void redrawTree();
    // Lists the rows of `sql` with `params` and shows the count.
    void listRows(const QString &sql, const Params &params);

    // Runs `sql` with its parameters from the current record; :OLD_<field>
    // from `old` (field name → value).
    void execFromRecord(const QString &sql, const QHash<QString, QString> &old);

    // The input panel's grid: label, field (with its name), note per row,
    // then the check boxes; screens add their own controls below.
    QGridLayout *inputLayout() const { return m_inputLayout; }
    const RecordEntrySpec &entrySpec() const { return m_spec; }
    QString oldKey() const { return m_oldKey; }

private:
    void buildSearchPanel();
    void buildInputPanel();
    void setKeyEditable(bool editable);
    QHash<QString, QString> currentValues() const;

    RecordEntrySpec m_spec;
    widgets::RecordSet *m_records;
    widgets::DataGrid *m_grid;
    QList<widgets::DbEdit *> m_inputs;         // per declared input, in order
    QList<widgets::DbEdit *> m_names;
    QList<widgets::DbCheckBox *> m_checks;
    QList<QLineEdit *> m_searchFields;
    TreePanel *m_tree = nullptr;
    QGridLayout *m_inputLayout = nullptr;
    QString m_oldKey;
    QHash<QString, QString> m_oldValues;       // the record as it was when editing began
};
