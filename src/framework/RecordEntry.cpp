#include "framework/RecordEntry.h"
#include "framework/Controls.h"
#include "framework/ErrorDisplay.h"
#include "framework/PopupBtn.h"
#include "framework/Records.h"
#include "framework/TreePanel.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QVBoxLayout>

RecordEntryScreen::RecordEntryScreen(const QString &programId, RecordEntrySpec spec, QWidget *parent)
    : TfrmZOI010(programId, parent), m_spec(std::move(spec))
{
    panMaster->hide();
    m_records = new widgets::RecordSet(this);
    // The fields exist before the first search, so that a new record can be
    // entered into an empty list.
    QVector<widgets::Field> fields;
    auto addField = [&fields](const QString &name) {
        for (const widgets::Field &f : std::as_const(fields)) {
            if (f.name == name)
                return;
        }
        fields.append({name, widgets::FieldKind::Text, {}});
    };
    for (const widgets::GridColumn &c : std::as_const(m_spec.columns))
        addField(c.field);
    for (const InputField &f : std::as_const(m_spec.inputs)) {
        addField(f.field);
        if (!f.nameField.isEmpty())
            addField(f.nameField);
    }
    for (const CheckField &c : std::as_const(m_spec.checks))
        addField(c.field);
    for (const QString &name : std::as_const(m_spec.hiddenFields))
        addField(name);
    m_records->setFields(fields);
    m_grid = new widgets::DataGrid(panDisplay);
    m_grid->setObjectName(QStringLiteral("RealDBGrid"));
    m_grid->setRowSelect(true);
    m_grid->setColumns(m_spec.columns);
    m_grid->setRecordSet(m_records);
    panDisplay->layout()->addWidget(m_grid);
    setListRecords(m_records);
    setExcelGrid(m_grid);
    buildSearchPanel();
    buildInputPanel();
    if (m_spec.listKeys)
        connect(m_grid, &widgets::DataGrid::cellDoubleClicked, this, [this] { bbtEditClick(); });
    FormCreate();
}

void RecordEntryScreen::buildSearchPanel()
{
    int at = 0;
    for (const SearchField &f : std::as_const(m_spec.search)) {
        auto *label = new QLabel(f.label, panSearch);
        auto *edit = new QLineEdit(panSearch);
        edit->setObjectName(f.objectName);
        edit->setProperty("param", f.param);
        if (f.maxLength > 0)
            edit->setMaxLength(f.maxLength);
        if (f.upperCase)
            kit::TypeInCapitals(edit);
        label->setBuddy(edit);
        m_searchLayout->insertWidget(at++, label);
        m_searchLayout->insertWidget(at++, edit);
        m_searchFields.append(edit);
    }
}

QLineEdit *RecordEntryScreen::searchField(const QString &param) const
{
    for (QLineEdit *e : m_searchFields) {
        if (e->property("param").toString() == param)
            return e;
    }
    return nullptr;
}

void RecordEntryScreen::buildInputPanel()
{
    auto *layout = m_inputLayout = new QGridLayout(panInput);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setVerticalSpacing(6);
    int row = 0;
    for (const InputField &f : std::as_const(m_spec.inputs)) {
        auto *label = new QLabel(f.label, panInput);
        auto *edit = new widgets::DbEdit(m_records, f.field, panInput);
        edit->setObjectName(f.objectName);
        if (f.maxLength > 0)
            edit->setMaxLength(f.maxLength);
        edit->setToolTip(f.hint.isEmpty() ? f.note : f.hint);
        edit->setReadOnly(f.readOnly);
        label->setBuddy(edit);
        layout->addWidget(label, row, 0);
        if (f.nameField.isEmpty()) {
            layout->addWidget(edit, row, 1);
        } else {
            // Code and name share the cell; a lookup puts its button between them.
            auto *name = new widgets::DbEdit(m_records, f.nameField, panInput);
            name->setObjectName(f.nameObjectName);
            // The partner filled by the lookup is never typed into: Enter passes it by.
            widgets::DbEdit *filled = f.typedByName ? edit : name;
            filled->setReadOnly(true);
            filled->setFocusPolicy(Qt::NoFocus);
            if (f.typedByName)
                label->setBuddy(name);
            auto *pair = new QHBoxLayout;
            pair->setContentsMargins(0, 0, 0, 0);
            pair->addWidget(edit, 1);
            pair->addWidget(name, 2);
            layout->addLayout(pair, row, 1);
            m_names.append(name);
        }
        if (!f.note.isEmpty())
            layout->addWidget(new QLabel(f.note, panInput), row, 2);
        m_inputs.append(edit);
        ++row;
    }
    for (const CheckField &c : std::as_const(m_spec.checks)) {
        auto *box = new widgets::DbCheckBox(m_records, c.field, c.checkedValue, c.uncheckedValue, c.caption, panInput);
        box->setObjectName(c.objectName);
        layout->addWidget(box, row++, 1);
        m_checks.append(box);
    }
    layout->setRowStretch(100, 1);
    layout->setColumnStretch(1, 1);
}

widgets::DbEdit *RecordEntryScreen::input(const QString &field) const
{
    for (const QList<widgets::DbEdit *> *edits : {&m_inputs, &m_names}) {
        for (widgets::DbEdit *e : *edits) {
            if (e->fieldName().compare(field, Qt::CaseInsensitive) == 0)
                return e;
        }
    }
    return nullptr;
}

widgets::DbCheckBox *RecordEntryScreen::check(const QString &field) const
{
    for (widgets::DbCheckBox *c : m_checks) {
        if (c->fieldName().compare(field, Qt::CaseInsensitive) == 0)
            return c;
    }
    return nullptr;
}

void RecordEntryScreen::setKeyEditable(bool editable)
{
    widgets::DbEdit *key = input(m_spec.keyField);
    if (!key)
        return;
    bool alwaysReadOnly = false;   // a key the save builds is never typed
    for (const InputField &f : std::as_const(m_spec.inputs))
        alwaysReadOnly = alwaysReadOnly || (f.field == m_spec.keyField && f.readOnly);
    key->setReadOnly(!editable || alwaysReadOnly);
    // A locked key must not be changed through its code search either.
    for (TPopupBtn *button : findChildren<TPopupBtn *>()) {
        if (button->LinkControl == key)
            button->setEnabled(editable);
    }
}

QHash<QString, QString> RecordEntryScreen::currentValues() const
{
    QHash<QString, QString> values;
    for (const widgets::Field &f : m_records->fields())
        values.insert(f.name.toUpper(), m_records->text(f.name));
    return values;
}

void RecordEntryScreen::execFromRecord(const QString &sql, const QHash<QString, QString> &old)
{
    db::Query q(ScreenConnection(), sql);
    Params extra;
    for (const QString &name : q.parameterNames()) {
        if (name.startsWith(QLatin1String("OLD_")))
            extra.append({name, old.value(name.mid(4))});
    }
    BindFromRecord(q, *m_records, extra);
    q.exec();
}

void RecordEntryScreen::glSelect()
{
    Params params;
    for (QLineEdit *e : std::as_const(m_searchFields))
        params.append({e->property("param").toString(), e->text()});
    listRows(m_spec.selectSql, params);
}

TreePanel *RecordEntryScreen::addTree(const QString &viewSql, const QString &treeColumn, const QString &keyColumn,
                                      std::function<void(const QString &key)> onNode)
{
    m_tree = new TreePanel(viewSql, treeColumn, keyColumn, panDisplay);
    m_tree->setObjectName(QStringLiteral("panTree"));
    m_tree->setFixedWidth(260);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    auto *display = static_cast<QVBoxLayout *>(panDisplay->layout());
    display->removeWidget(m_grid);
    row->addWidget(m_tree);
    row->addWidget(m_grid, 1);
    display->addLayout(row, 1);
    OnUserAction(m_tree, &TreePanel::nodeSelected, this, [onNode = std::move(onNode)](const QString &key, int) { onNode(key); });
    OnUserAction(m_tree, &TreePanel::redrawRequested, this, [this] { redrawTree(); });
    redrawTree();
    return m_tree;
}

void RecordEntryScreen::redrawTree()
{
    if (m_tree)
        m_tree->redraw(ScreenConnection());
}

void RecordEntryScreen::listRows(const QString &sql, const Params &params)
{
    RecordCount = OpenRecords(*m_records, ScreenConnection(), sql, params);
    ShowRecordCount();
}

bool RecordEntryScreen::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (m_spec.listKeys && control == m_grid) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            bbtEditClick();
            return true;
        }
        if (event->key() == Qt::Key_Delete) {
            bbtDeleteClick();
            return true;
        }
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}

void RecordEntryScreen::glInsert()
{
    m_records->append();
    ClearPanel(panInput);
    if (!m_inputs.isEmpty())
        m_inputs.first()->setFocus();
}

void RecordEntryScreen::glEdit()
{
    m_oldKey = m_records->text(m_spec.keyField);
    m_oldValues = currentValues();
    m_records->edit();
    setKeyEditable(false);
    for (widgets::DbEdit *e : std::as_const(m_inputs)) {
        if (!e->isReadOnly()) {
            e->setFocus();
            break;
        }
    }
}

bool RecordEntryScreen::validate()
{
    for (int i = 0; i < m_spec.inputs.size(); ++i) {
        const InputField &f = m_spec.inputs.at(i);
        if (!f.requiredMessage.isEmpty() && m_records->text(f.field).trimmed().isEmpty()) {
            ShowInfo(f.requiredMessage);
            (f.typedByName ? input(f.nameField) : m_inputs.at(i))->setFocus();
            return false;
        }
    }
    return true;
}

void RecordEntryScreen::writeRecord(bool inserting)
{
    execFromRecord(inserting ? m_spec.insertSql : m_spec.updateSql, m_oldValues);
}

void RecordEntryScreen::glSave()
{
    if (!validate())
        return;
    for (widgets::DbCheckBox *c : std::as_const(m_checks))
        c->store();
    const bool inserting = WorkMode == wmInsert;
    if (inserting && !m_spec.duplicateSql.isEmpty()) {
        db::Query dup(ScreenConnection(), m_spec.duplicateSql);
        BindFromRecord(dup, *m_records);
        if (dup.exec().next()) {
            ShowInfo(m_spec.duplicateMessage);
            if (widgets::DbEdit *key = input(m_spec.keyField))
                key->setFocus();
            return;
        }
    }
    const bool committed = RunInTransaction(m_spec.failureForm, [&] { writeRecord(inserting); });
    if (!committed)
        return;   // the input stays on the screen, still in its mode
    m_records->post();
    RecordCount = m_records->recordCount();
    ShowRecordCount();
    setKeyEditable(true);
    SaveOK = true;
    if (widgets::DbEdit *key = input(m_spec.keyField))
        key->setFocus();
    afterSave(inserting);
}

void RecordEntryScreen::glCancel()
{
    m_records->cancel();
    setKeyEditable(true);
    if (widgets::DbEdit *key = input(m_spec.keyField))
        key->setFocus();
}

bool RecordEntryScreen::glDelete()
{
    if (!Confirm(m_spec.deleteQuestion)) {
        afterDelete();
        return false;
    }
    const QHash<QString, QString> current = currentValues();
    const bool committed = RunInTransaction(m_spec.failureForm, [&] { execFromRecord(m_spec.deleteSql, current); });
    if (committed) {
        m_records->deleteRecord();
        RecordCount = m_records->recordCount();
        ShowRecordCount();
    }
    afterDelete();
    return committed;
}

#include "moc_RecordEntry.cpp"
