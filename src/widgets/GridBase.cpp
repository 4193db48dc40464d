#include "widgets/GridBase.h"

#include "widgets/Format.h"
#include "widgets/GridParts.h"
#include "widgets/RecordSet.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <algorithm>

namespace widgets {

namespace {

// Clicks on the fixed-column overlay give the keyboard focus to the grid
// itself, so that keys always reach one place.
class FocusToGrid final : public QObject
{
public:
    FocusToGrid(QWidget *grid, QObject *parent) : QObject(parent), m_grid(grid) {}
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            m_grid->setFocus(Qt::MouseFocusReason);
        return false;
    }

private:
    QWidget *m_grid;
};

} // namespace

// ================================================================ private helpers

const GridBasePrivate::Group *GridBasePrivate::groupOf(int col) const
{
    for (const Group &group : groups)
        if (col >= group.first && col <= group.last)
            return &group;
    return nullptr;
}

int GridBasePrivate::groupBandHeight() const
{
    return QFontMetrics(q->horizontalHeader()->font()).height() + 8;
}

int GridBasePrivate::frozenWidth() const
{
    int width = 0;
    const int n = std::min(fixed, model->columnCount());
    for (int c = 0; c < n; ++c)
        if (!q->isColumnHidden(c))
            width += q->columnWidth(c);
    return width;
}

int GridBasePrivate::footerRowHeight() const
{
    return q->verticalHeader()->defaultSectionSize();
}

int GridBasePrivate::footerHeight() const
{
    return int(footers.size()) * footerRowHeight();
}

int GridBasePrivate::firstVisibleColumn() const
{
    for (int c = 0; c < model->columnCount(); ++c)
        if (!q->isColumnHidden(c))
            return c;
    return 0;
}

CellStyle GridBasePrivate::styleFor(int col, int row) const
{
    CellStyle style;
    if (rowStyler)
        rowStyler(row, style);
    if (cellStyler)
        cellStyler(col, row, style);
    return style;
}

GridBasePrivate::FooterRow &GridBasePrivate::footerRow(int footer)
{
    if (footer >= footers.size()) {
        footers.resize(footer + 1);
        updateTitleArea();
    }
    return footers[footer];
}

void GridBasePrivate::applyColumnLayout()
{
    const QVector<GridColumn> &columns = model->columns();
    for (int c = 0; c < columns.size(); ++c) {
        const int width = columns.at(c).width;
        q->setColumnHidden(c, width <= 0);
        frozen->setColumnHidden(c, width <= 0 || c >= fixed);
        if (width > 0) {
            q->setColumnWidth(c, width);
            frozen->setColumnWidth(c, width);
        }
    }
    q->updateGeometries();
    footer->update();
}

void GridBasePrivate::placeFrozen()
{
    if (fixed <= 0 || model->columnCount() == 0) {
        frozen->hide();
        return;
    }
    const QRect vg = q->viewport()->geometry();
    const int headerHeight = q->horizontalHeader()->isHidden() ? 0 : q->horizontalHeader()->height();
    if (frozenHeader->height() != headerHeight)
        frozenHeader->setFixedHeight(headerHeight);
    frozen->setGeometry(vg.left(), vg.top() - headerHeight, std::min(frozenWidth(), vg.width()),
                        vg.height() + headerHeight);
    frozen->show();
    frozen->raise();
}

// The table view sizes its scroll range for a viewport without the footer;
// with the footer below, fewer rows fit.
void GridBasePrivate::fixVerticalRange()
{
    if (q->verticalScrollMode() != QAbstractItemView::ScrollPerItem)
        return;
    const QHeaderView *vh = q->verticalHeader();
    const int rows = vh->count();
    const int height = q->viewport()->height();
    int fit = 0;
    for (int used = 0, r = rows - 1; r >= 0; --r) {
        const int logical = vh->logicalIndex(r);
        if (vh->isSectionHidden(logical))
            continue;
        used += vh->sectionSize(logical);
        if (used > height)
            break;
        ++fit;
    }
    q->verticalScrollBar()->setRange(0, std::max(0, rows - fit));
    q->verticalScrollBar()->setPageStep(std::max(1, fit));
}

void GridBasePrivate::updateTitleArea()
{
    int titleWidth = 0;
    for (const FooterRow &row : std::as_const(footers)) {
        if (!row.title.isEmpty()) {
            const QFontMetrics fm(row.hasFont ? row.font : q->font());
            titleWidth = std::max(titleWidth, fm.horizontalAdvance(row.title) + 12);
        }
    }
    QHeaderView *vh = q->verticalHeader();
    vh->setMinimumWidth(titleWidth);
    vh->setHidden(titleWidth == 0 && !rowNumbers);
    q->updateGeometries();
    footer->update();
}

void GridBasePrivate::announceRow(bool force)
{
    const int row = q->currentRow();
    if (!force && row == lastRow)
        return;
    lastRow = row;
    Q_EMIT q->currentRowChanged(row);
}

void GridBasePrivate::syncFromRecords(bool announce)
{
    if (syncing)
        return;
    const int target = records ? records->currentRow() : -1;
    const QModelIndex current = q->currentIndex();
    if (target != (current.isValid() ? current.row() : -1)) {
        QScopedValueRollback<bool> guard(syncing, true);
        if (target < 0) {
            q->setCurrentIndex(QModelIndex());
        } else {
            const int col = current.isValid() ? current.column() : firstVisibleColumn();
            q->setCurrentIndex(model->index(target, col));
        }
    }
    if (announce)
        announceRow(true);
}

void GridBasePrivate::viewCurrentChanged(const QModelIndex &current)
{
    if (syncing || model->isChanging())
        return;
    const int row = current.isValid() ? current.row() : -1;
    if (records && row >= 0 && row != records->currentRow()) {
        {
            QScopedValueRollback<bool> guard(syncing, true);
            records->moveTo(row);
        }
        if (records && records->currentRow() != q->currentRow())
            syncFromRecords(false);  // the move dropped an untouched new record
    }
    announceRow(false);
}

void GridBasePrivate::titleClicked(int col)
{
    if (col < 0 || col >= model->columnCount())
        return;
    if (model->columns().at(col).options.testFlag(col::Sortable))
        q->sortByTitle(col);
    Q_EMIT q->titleClicked(col);
}

// ================================================================ GridBase

GridBase::GridBase(QWidget *parent)
    : QTableView(parent)
    , d(std::make_unique<GridBasePrivate>(this))
{
    d->model = new GridModel(this);
    d->header = new GridHeader(d.get(), this);
    setHorizontalHeader(d->header);
    setModel(d->model);
    d->delegate = new GridDelegate(d.get(), this);
    setItemDelegate(d->delegate);

    // Rows share one height, so the view never measures them one by one.
    const int rowHeight = fontMetrics().height() + 8;
    QHeaderView *vh = verticalHeader();
    vh->setSectionResizeMode(QHeaderView::Fixed);
    vh->setDefaultSectionSize(rowHeight);
    vh->setMinimumSectionSize(1);
    vh->setHighlightSections(false);
    vh->setSectionsClickable(false);
    vh->hide();

    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setHorizontalScrollMode(ScrollPerPixel);
    setVerticalScrollMode(ScrollPerItem);
    setEditTriggers(DoubleClicked | EditKeyPressed | AnyKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);

    d->frozen = new QTableView(this);
    d->frozenHeader = new GridHeader(d.get(), d->frozen);
    QTableView *frozen = d->frozen;
    frozen->setObjectName(QStringLiteral("gridFixedColumns"));
    frozen->setHorizontalHeader(d->frozenHeader);
    frozen->setModel(d->model);
    QItemSelectionModel *own = frozen->selectionModel();
    frozen->setSelectionModel(selectionModel());
    delete own;
    frozen->setItemDelegate(d->delegate);
    frozen->setFocusPolicy(Qt::NoFocus);
    frozen->setFrameShape(QFrame::NoFrame);
    frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen->setHorizontalScrollMode(ScrollPerPixel);
    frozen->setVerticalScrollMode(ScrollPerItem);
    frozen->setSelectionMode(SingleSelection);
    frozen->setSelectionBehavior(SelectItems);
    frozen->setEditTriggers(editTriggers());
    frozen->setTabKeyNavigation(false);
    frozen->setWordWrap(false);
    frozen->verticalHeader()->hide();
    frozen->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen->verticalHeader()->setMinimumSectionSize(1);
    frozen->verticalHeader()->setDefaultSectionSize(rowHeight);
    frozen->viewport()->installEventFilter(new FocusToGrid(this, frozen));
    frozen->hide();
    viewport()->stackUnder(frozen);

    d->footer = new GridFooter(d.get(), this);
    d->footer->hide();

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { d->viewCurrentChanged(current); });
    connect(d->model, &QAbstractItemModel::modelReset, this, [this] { d->syncFromRecords(false); });
    connect(d->header, &QHeaderView::sectionClicked, this, [this](int col) { d->titleClicked(col); });
    connect(d->frozenHeader, &QHeaderView::sectionClicked, this, [this](int col) { d->titleClicked(col); });
    connect(d->header, &QHeaderView::sectionResized, this, [this](int col, int, int size) {
        if (col < d->fixed && size > 0 && d->frozen->columnWidth(col) != size)
            d->frozen->setColumnWidth(col, size);
        d->placeFrozen();
        d->footer->update();
    });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, d->footer, qOverload<>(&QWidget::update));
    connect(verticalScrollBar(), &QScrollBar::valueChanged, frozen->verticalScrollBar(), &QScrollBar::setValue);
    connect(frozen->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(), &QScrollBar::setValue);
    connect(this, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { Q_EMIT cellDoubleClicked(index.column(), index.row()); });
    connect(frozen, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        Q_EMIT doubleClicked(index);
    });
    d->model->cellEdited = [this](int col, int row) { Q_EMIT cellValueChanged(col, row); };
}

GridBase::~GridBase()
{
    // QTableView and QWidget tear down the headers, the model and the record
    // set after this body, when d is gone: cut every way back into d first.
    QObject::disconnect(d->scrollConnection);
    QObject::disconnect(selectionModel(), nullptr, this, nullptr);
    QObject::disconnect(d->model, nullptr, this, nullptr);
    QObject::disconnect(d->header, nullptr, this, nullptr);
    d->model->cellEdited = nullptr;
    d->model->setRecordSet(nullptr);
    delete d->frozen;
    d->frozen = nullptr;
    delete d->footer;
    d->footer = nullptr;
    d->header->detach();
}

void GridBase::bindRecordSet(RecordSet *records)
{
    QObject::disconnect(d->scrollConnection);
    d->records = records;
    d->model->setRecordSet(records);
    if (records)
        d->scrollConnection = connect(records, &RecordSet::afterScroll, this, [this] { d->syncFromRecords(true); });
    d->syncFromRecords(true);
}

RecordSet *GridBase::boundRecordSet() const
{
    return d->records;
}

// ---------------------------------------------------------------- columns

void GridBase::setColumns(const QVector<GridColumn> &columns)
{
    d->groups.clear();
    d->model->setColumns(columns);
    columnsChanged();
    d->applyColumnLayout();
    d->syncFromRecords(false);
}

const QVector<GridColumn> &GridBase::columns() const
{
    return d->model->columns();
}

int GridBase::columnCount() const
{
    return d->model->columnCount();
}

const GridColumn &GridBase::column(int col) const
{
    return d->model->columns().at(col);
}

int GridBase::columnIndex(const QString &field) const
{
    const QVector<GridColumn> &columns = d->model->columns();
    for (int c = 0; c < columns.size(); ++c)
        if (columns.at(c).field.compare(field, Qt::CaseInsensitive) == 0)
            return c;
    return -1;
}

void GridBase::setColumnTitle(int col, const QString &title)
{
    d->model->setColumnTitle(col, title);
}

void GridBase::setColumnFormat(int col, const QString &format)
{
    d->model->setColumnFormat(col, format);
    d->footer->update();
}

void GridBase::setColumnVisible(int col, bool visible)
{
    if (col < 0 || col >= columnCount())
        return;
    const int width = column(col).width > 0 ? column(col).width : 80;
    setColumnHidden(col, !visible);
    d->frozen->setColumnHidden(col, !visible || col >= d->fixed);
    if (visible) {
        setColumnWidth(col, width);
        d->frozen->setColumnWidth(col, width);
    }
    updateGeometries();
    d->footer->update();
}

bool GridBase::isColumnVisible(int col) const
{
    return col >= 0 && col < columnCount() && !isColumnHidden(col);
}

void GridBase::setFixedColumns(int count)
{
    d->fixed = std::max(0, count);
    d->applyColumnLayout();
}

int GridBase::fixedColumns() const
{
    return d->fixed;
}

void GridBase::addColumnGroup(const QString &title, int firstCol, int lastCol)
{
    d->groups.append({title, std::min(firstCol, lastCol), std::max(firstCol, lastCol)});
    d->header->updateGeometry();
    d->header->viewport()->update();
    d->frozenHeader->viewport()->update();
    updateGeometries();
}

void GridBase::clearColumnGroups()
{
    d->groups.clear();
    d->header->updateGeometry();
    d->header->viewport()->update();
    updateGeometries();
}

// ---------------------------------------------------------------- look and behaviour

void GridBase::setDefaultRowHeight(int pixels)
{
    verticalHeader()->setDefaultSectionSize(pixels);
    d->frozen->verticalHeader()->setDefaultSectionSize(pixels);
    updateGeometries();
}

void GridBase::setTitleHeight(int pixels)
{
    d->titleHeight = pixels;
    d->header->updateGeometry();
    d->frozenHeader->updateGeometry();
    updateGeometries();
}

void GridBase::setRowSelect(bool wholeRow)
{
    const auto behaviour = wholeRow ? SelectRows : SelectItems;
    setSelectionBehavior(behaviour);
    d->frozen->setSelectionBehavior(behaviour);
    if (currentIndex().isValid())
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect
                                     | (wholeRow ? QItemSelectionModel::Rows : QItemSelectionModel::NoUpdate));
}

bool GridBase::rowSelect() const
{
    return selectionBehavior() == SelectRows;
}

void GridBase::setReadOnly(bool readOnly)
{
    d->model->setReadOnly(readOnly);
}

bool GridBase::isReadOnly() const
{
    return d->model->isReadOnly();
}

void GridBase::setRowNumbers(bool shown)
{
    d->rowNumbers = shown;
    d->model->setRowNumbers(shown);
    d->updateTitleArea();
}

void GridBase::setRowStyler(RowStyler styler)
{
    d->rowStyler = std::move(styler);
    viewport()->update();
    d->frozen->viewport()->update();
}

void GridBase::setCellStyler(CellStyler styler)
{
    d->cellStyler = std::move(styler);
    viewport()->update();
    d->frozen->viewport()->update();
}

// ---------------------------------------------------------------- rows and cells

int GridBase::rowCount() const
{
    return d->model->rowCount();
}

int GridBase::currentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void GridBase::setCurrentRow(int row)
{
    const int col = currentIndex().isValid() ? currentIndex().column() : d->firstVisibleColumn();
    setCurrentCell(col, row);
}

int GridBase::currentColumn() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : -1;
}

void GridBase::setCurrentCell(int col, int row)
{
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return;
    setCurrentIndex(d->model->index(row, col));
}

QVariant GridBase::cellValue(int col, int row) const
{
    return d->model->rawValue(row, col);
}

QString GridBase::cells(int col, int row) const
{
    const QVariant v = cellValue(col, row);
    if (v.typeId() == QMetaType::QDate)
        return v.toDate().toString(Qt::ISODate);
    return v.toString();
}

QString GridBase::cellText(int col, int row) const
{
    if (col < 0 || col >= columnCount())
        return QString();
    return d->model->displayText(row, col);
}

double GridBase::cellNumber(int col, int row) const
{
    return numberOf(d->model->rawValue(row, col));
}

double GridBase::columnSum(int col) const
{
    double sum = 0;
    const int rows = rowCount();
    for (int r = 0; r < rows; ++r)
        sum += numberOf(d->model->rawValue(r, col));
    return sum;
}

// ---------------------------------------------------------------- footer

void GridBase::setFooterCount(int rows)
{
    d->footers.resize(std::max(0, rows));
    d->updateTitleArea();
}

int GridBase::footerCount() const
{
    return int(d->footers.size());
}

void GridBase::setFooterTitle(int footer, const QString &title)
{
    if (footer < 0)
        return;
    d->footerRow(footer).title = title;
    d->updateTitleArea();
}

QString GridBase::footerTitle(int footer) const
{
    return footer >= 0 && footer < d->footers.size() ? d->footers.at(footer).title : QString();
}

void GridBase::setFooterText(int footer, int col, const QString &text)
{
    if (footer < 0)
        return;
    d->footerRow(footer).texts.insert(col, text);
    d->footer->update();
}

QString GridBase::footerText(int footer, int col) const
{
    return footer >= 0 && footer < d->footers.size() ? d->footers.at(footer).texts.value(col) : QString();
}

void GridBase::clearFooterTexts()
{
    for (GridBasePrivate::FooterRow &row : d->footers)
        row.texts.clear();
    d->footer->update();
}

void GridBase::setFooterFont(int footer, const QFont &font, int col)
{
    if (footer < 0)
        return;
    GridBasePrivate::FooterRow &row = d->footerRow(footer);
    if (col < 0) {
        row.font = font;
        row.hasFont = true;
        d->updateTitleArea();
    } else {
        row.cellFonts.insert(col, font);
    }
    d->footer->update();
}

void GridBase::setFooterColor(int footer, const QColor &text, int col)
{
    if (footer < 0)
        return;
    GridBasePrivate::FooterRow &row = d->footerRow(footer);
    if (col < 0)
        row.color = text;
    else
        row.cellColors.insert(col, text);
    d->footer->update();
}

void GridBase::setFooterBackground(int footer, const QColor &background, int col)
{
    if (footer < 0)
        return;
    GridBasePrivate::FooterRow &row = d->footerRow(footer);
    if (col < 0)
        row.background = background;
    else
        row.cellBackgrounds.insert(col, background);
    d->footer->update();
}

void GridBase::showRowCount(int footer, int col)
{
    setFooterText(footer, col, formatNumber(rowCount(), QStringLiteral("#,##0")));
}

void GridBase::showColumnSum(int footer, int col)
{
    if (col < 0 || col >= columnCount())
        return;
    QString format = column(col).format;
    if (format.isEmpty() || isDateFormat(format))
        format = QStringLiteral("#,##0");
    setFooterText(footer, col, formatNumber(columnSum(col), format));
}

// ---------------------------------------------------------------- sorting

SortMark GridBase::sortMark(int col) const
{
    return d->model->sortMark(col);
}

void GridBase::setSortMark(int col, SortMark mark)
{
    d->model->setSortMark(col, mark);
}

void GridBase::clearSortMarks()
{
    d->model->clearSortMarks();
}

void GridBase::sortColumn(int col, Qt::SortOrder order)
{
    if (col < 0 || col >= columnCount())
        return;
    if (d->records && d->model->fieldOf(col) >= 0)
        d->records->sortBy(d->records->field(d->model->fieldOf(col)).name, order);
    d->model->clearSortMarks();
    d->model->setSortMark(col, order == Qt::AscendingOrder ? SortMark::Ascending : SortMark::Descending);
}

void GridBase::sortByTitle(int col)
{
    sortColumn(col, sortMark(col) == SortMark::Descending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

// ---------------------------------------------------------------- view behaviour

void GridBase::keyPressEvent(QKeyEvent *event)
{
    event->ignore();
    Q_EMIT keyPressed(event);
    if (event->isAccepted())
        return;
    event->accept();
    QTableView::keyPressEvent(event);
}

void GridBase::keyboardSearch(const QString &)
{
    // Typing in a list must not scan a hundred thousand formatted rows.
}

void GridBase::updateGeometries()
{
    if (d->inGeometry)
        return;
    QScopedValueRollback<bool> guard(d->inGeometry, true);
    QTableView::updateGeometries();
    if (!d->footer)
        return;  // still being built
    const int footerHeight = d->footerHeight();
    if (footerHeight > 0) {
        // The footer takes a bottom margin of the viewport; the view's own
        // layout knows only the header margins.
        const QMargins m = viewportMargins();
        setViewportMargins(m.left(), m.top(), m.right(), footerHeight);
        const QRect vg = viewport()->geometry();
        if (!verticalHeader()->isHidden())
            verticalHeader()->setGeometry(vg.left() - m.left(), vg.top(), m.left(), vg.height());
        d->fixVerticalRange();
        d->footer->setGeometry(vg.left() - m.left(), vg.bottom() + 1, vg.width() + m.left(), footerHeight);
        d->footer->show();
        d->footer->raise();
        d->footer->update();
    } else {
        d->footer->hide();
    }
    d->placeFrozen();
}

void GridBase::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    if (d->fixed > 0 && index.column() < d->fixed) {
        // fixed columns are always in sight: scroll rows only
        const int h = horizontalScrollBar()->value();
        QTableView::scrollTo(index, hint);
        horizontalScrollBar()->setValue(h);
        return;
    }
    QTableView::scrollTo(index, hint);
    if (d->fixed > 0) {
        const int covered = d->frozenWidth() - visualRect(index).left();
        if (covered > 0)
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - covered);
    }
}

} // namespace widgets

#include "moc_GridBase.cpp"
