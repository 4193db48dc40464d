#include "framework/ListScreen.h"
#include "framework/ClassCombos.h"
#include "framework/ErrorDisplay.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

// The fields the grid shows, so that it opens empty with its columns bound.
QVector<widgets::Field> fieldsOf(const QVector<widgets::GridColumn> &columns)
{
    QVector<widgets::Field> fields;
    QStringList names;
    for (const widgets::GridColumn &c : columns) {
        if (c.field.isEmpty() || names.contains(c.field, Qt::CaseInsensitive))
            continue;
        names.append(c.field);
        fields.append({c.field, widgets::FieldKind::Text, {}});
    }
    return fields;
}

} // namespace

ListScreen::ListScreen(const QString &programId, ListScreenSpec spec, QWidget *parent)
    : TfrmZOI010(programId, parent), m_spec(std::move(spec))
{
    setWindowTitle(m_spec.caption);
    buildSearchPanel();

    auto *display = static_cast<QVBoxLayout *>(panDisplay->layout());
    m_master = new widgets::RecordSet(this);
    m_masterGrid = buildGrid(m_spec.master, m_master);
    display->addWidget(m_masterGrid, 1);
    setListRecords(m_master);
    if (!m_spec.detailSql.isEmpty()) {
        m_detail = new widgets::RecordSet(this);
        m_detailGrid = buildGrid(m_spec.detail, m_detail);
        display->addWidget(m_detailGrid, 1);
        connect(m_master, &widgets::RecordSet::afterScroll, this, &ListScreen::followMaster);
    }

    // A list only: what entry screens use to write stays hidden.
    for (QWidget *w : std::initializer_list<QWidget *>{panMaster, panRecordCount, panInput, bbtAdd, bbtEdit, bbtDelete,
                                                       bbtSave, bbtCancel})
        w->hide();
    bbtPrint->setVisible(m_spec.printable);
    bbtPreview->setVisible(m_spec.printable);
    connect(bbtPrint, &QPushButton::clicked, this, [this] { bbtPrintClick(false); });
    connect(bbtPreview, &QPushButton::clicked, this, [this] { bbtPrintClick(true); });
    addHotKey(QStringLiteral("popHotkeyPrint"), Qt::Key_F11, [this] { bbtPrintClick(false); });
    addHotKey(QStringLiteral("popHotkeyPreview"), QKeySequence(Qt::SHIFT | Qt::Key_F11), [this] { bbtPrintClick(true); });
    bbtExcel->setVisible(m_spec.excel);
    setExcelGrid(m_masterGrid, m_spec.excelSubtitle);
    FormCreate();
}

void ListScreen::buildSearchPanel()
{
    QString today;   // the server's, read once for all date and month fields
    int at = 0;
    for (const ListSearchField &f : std::as_const(m_spec.search)) {
        if (f.kind == ListSearchField::Tick) {
            auto *tick = new QCheckBox(f.label, panSearch);
            tick->setObjectName(f.objectName);
            m_searchLayout->insertWidget(at++, tick);
            m_searchFields.append(tick);
            continue;
        }
        QLineEdit *edit = nullptr;
        if (f.kind == ListSearchField::Text) {
            edit = new QLineEdit(panSearch);
        } else {
            auto *date = new widgets::MaskEdit(f.kind == ListSearchField::Month ? widgets::MaskEdit::Month
                                                                               : widgets::MaskEdit::Date, panSearch);
            if (today.isEmpty())
                today = GetSystemDate();
            date->setPlainText(f.kind == ListSearchField::Month ? today.left(7) : today);
            if (f.width <= 0)
                date->setFixedWidth(f.kind == ListSearchField::Month ? 70 : 90);
            edit = date;
        }
        edit->setObjectName(f.objectName);
        if (f.maxLength > 0)
            edit->setMaxLength(f.maxLength);
        if (f.width > 0)
            edit->setFixedWidth(f.width);
        edit->setReadOnly(f.readOnly);
        if (!f.label.isEmpty()) {
            auto *label = new QLabel(f.label, panSearch);
            label->setBuddy(edit);
            m_searchLayout->insertWidget(at++, label);
        }
        m_searchLayout->insertWidget(at++, edit);
        m_searchFields.append(edit);
    }
    if (!m_spec.classTable.isEmpty()) {
        m_classes = new ClassCombos(ScreenConnection(), m_spec.classTable, panSearch);
        m_classes->placeIn(m_searchLayout, at);
        m_classes->reload();
    }
}

widgets::DataGrid *ListScreen::buildGrid(const ListGrid &declared, widgets::RecordSet *records)
{
    records->setFields(fieldsOf(declared.columns));
    auto *grid = new widgets::DataGrid(panDisplay);
    grid->setObjectName(declared.objectName);
    grid->setRecordSet(records);
    grid->setReadOnly(true);
    grid->setRowSelect(true);
    grid->setColumns(declared.columns);
    for (const ListColumnGroup &g : declared.groups)
        grid->addColumnGroup(g.title, g.first, g.last);
    grid->setFixedColumns(declared.fixedColumns);
    grid->setFooterCount(int(declared.footers.size()));
    for (int i = 0; i < declared.footers.size(); ++i)
        grid->setFooterTitle(i, declared.footers.at(i).title);
    showFooters(grid, declared);
    return grid;
}

void ListScreen::showFooters(widgets::DataGrid *grid, const ListGrid &declared)
{
    for (int i = 0; i < declared.footers.size(); ++i) {
        const ListFooter &footer = declared.footers.at(i);
        if (footer.countColumn >= 0)
            grid->showRowCount(i, footer.countColumn);
        for (int col : footer.sumColumns)
            grid->showColumnSum(i, col);
    }
}

QString ListScreen::searchText(const QString &objectName) const
{
    for (QWidget *w : m_searchFields) {
        if (w->objectName() != objectName)
            continue;
        if (auto *tick = qobject_cast<QCheckBox *>(w))
            return tick->isChecked() ? QStringLiteral("Y") : QString();
        if (auto *date = qobject_cast<widgets::MaskEdit *>(w))
            return date->kind() == widgets::MaskEdit::Month ? date->monthText() : date->dateText();
        return static_cast<QLineEdit *>(w)->text().trimmed();
    }
    return QString();
}

Params ListScreen::searchParams() const
{
    Params params;
    for (const ListSearchField &f : m_spec.search) {
        if (!f.param.isEmpty())
            params.append({f.param, searchText(f.objectName)});
    }
    if (m_classes)
        params.append({QStringLiteral("DIVIDE_CODE"), m_classes->deepestCode()});
    return params;
}

void ListScreen::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    auto *month = qobject_cast<widgets::MaskEdit *>(control);
    if (!month || month->kind() != widgets::MaskEdit::Month || !m_searchFields.contains(control) || month->isReadOnly())
        return;
    const QString digits = month->plainText();
    if (digits.isEmpty() || !month->monthText().isEmpty())
        return;
    month->clear();
    if (digits.size() >= 6)
        ShowInfo(QStringLiteral("년월을 정확히 입력하여 주십시오."));
}

void ListScreen::glSelect()
{
    if (m_detail)
        m_detail->clear();
    {
        const QScopedValueRollback searching(m_searching, true);
        RecordCount = OpenRecords(*m_master, ScreenConnection(), m_spec.masterSql, searchParams());
    }
    ShowRecordCount();
    showFooters(m_masterGrid, m_spec.master);
    if (m_detail)
        loadDetail();
}

// Moving in the master list is a user action of its own: a failure to read
// the detail is shown, not thrown into the event loop.
void ListScreen::followMaster()
{
    if (m_searching || m_master->isLoading())
        return;
    try {
        loadDetail();
    } catch (const std::exception &e) {
        ShowStandardError(e);
    }
}

void ListScreen::loadDetail()
{
    db::Query q(ScreenConnection(), m_spec.detailSql);
    BindFromRecord(q, *m_master);
    q.exec();
    LoadRecords(*m_detail, q);
    showFooters(m_detailGrid, m_spec.detail);
}

void ListScreen::bbtPrintClick(bool toPreview)
{
    if (!usable(toPreview ? bbtPreview : bbtPrint, this))
        return;
    ShowStatus(QString());
    try {
        printList(toPreview);
    } catch (const std::exception &e) {
        ShowStandardError(e);
    }
}

#include "moc_ListScreen.cpp"
