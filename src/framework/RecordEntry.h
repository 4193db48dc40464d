#pragma once
// The shape that master-data screens share: a list of one table's rows in a
// data-bound grid, the current row in data-aware fields of the input panel,
// and insert, update and delete statements bound from the record. A screen
// of this shape declares its columns, fields, statements and messages.

#include "framework/Records.h"
#include "framework/ZOI010.h"
#include "widgets/GridColumn.h"

class QGridLayout;
class QLineEdit;

namespace widgets {
class DataGrid;
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
    // A code's name, shown read-only right of the code (a lookup fills it;
    // the lookup's button goes between the two).
    QString nameField = {};
    QString nameObjectName = {};
    bool readOnly = false;     // never typed into (e.g. a key the save builds)
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
    // Further fields of the record that no column shows and no field edits:
    // values the statements write back as the record holds them.
    QStringList hiddenFields = {};
    QString keyField;          // read-only while editing; bound as :OLD_<key> when updating and deleting
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
    widgets::DbEdit *input(const QString &field) const;
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
    // Lists the rows of `sql` with `params` and shows the count.
    void listRows(const QString &sql, const Params &params);

    // The input panel's grid: label, field, note per row; screens add their
    // own controls below the declared fields.
    QGridLayout *inputLayout() const { return m_inputLayout; }
    const RecordEntrySpec &entrySpec() const { return m_spec; }
    QString oldKey() const { return m_oldKey; }

private:
    void buildSearchPanel();
    void buildInputPanel();
    void setKeyEditable(bool editable);
    QString oldKeyParam() const { return QStringLiteral("OLD_") + m_spec.keyField; }

    RecordEntrySpec m_spec;
    widgets::RecordSet *m_records;
    widgets::DataGrid *m_grid;
    QList<widgets::DbEdit *> m_inputs;
    QList<QLineEdit *> m_searchFields;
    QGridLayout *m_inputLayout = nullptr;
    QString m_oldKey;
};
