#include "widgets/GridParts.h"

#include "widgets/Format.h"
#include "widgets/GridBase.h"
#include "widgets/RecordSet.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>

#include <algorithm>
#include <climits>

namespace widgets {

namespace {

const QVariant &nullValue()
{
    static const QVariant null;
    return null;
}

Qt::Alignment alignmentFor(const GridColumn &c)
{
    Qt::Alignment h;
    if (c.options.testFlag(col::Left))
        h = Qt::AlignLeft;
    else if (c.options.testFlag(col::Center) || c.options.testFlag(col::Tick))
        h = Qt::AlignHCenter;
    else if (c.options.testFlag(col::Right))
        h = Qt::AlignRight;
    else
        h = !c.format.isEmpty() && !isDateFormat(c.format) ? Qt::AlignRight : Qt::AlignLeft;
    return h | Qt::AlignVCenter;
}

} // namespace

// ================================================================ GridModel

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

GridModel::~GridModel()
{
    detach();
}

void GridModel::detach()
{
    for (const auto &c : std::as_const(m_connections))
        QObject::disconnect(c);
    m_connections.clear();
}

void GridModel::setRecordSet(RecordSet *records)
{
    if (records == m_records)
        return;
    beginResetModel();
    detach();
    m_records = records;
    if (records) {
        auto &c = m_connections;
        c << connect(records, &RecordSet::layoutAboutToReset, this, [this] {
            ++m_changing;
            beginResetModel();
        });
        c << connect(records, &RecordSet::layoutReset, this, [this] {
            bindFields();
            endResetModel();
            --m_changing;
        });
        c << connect(records, &RecordSet::rowsAboutToBeInserted, this, [this](int first, int last) {
            ++m_changing;
            beginInsertRows(QModelIndex(), first, last);
        });
        c << connect(records, &RecordSet::rowsInserted, this, [this] {
            endInsertRows();
            --m_changing;
        });
        c << connect(records, &RecordSet::rowsAboutToBeRemoved, this, [this](int first, int last) {
            ++m_changing;
            beginRemoveRows(QModelIndex(), first, last);
        });
        c << connect(records, &RecordSet::rowsRemoved, this, [this] {
            endRemoveRows();
            --m_changing;
        });
        c << connect(records, &RecordSet::valueChanged, this, &GridModel::valueChanged);
        c << connect(records, &RecordSet::rowChanged, this, [this](int row) {
            if (!m_columns.isEmpty())
                Q_EMIT dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
        });
        c << connect(records, &QObject::destroyed, this, [this] { setRecordSet(nullptr); });
    }
    bindFields();
    endResetModel();
}

void GridModel::setColumns(const QVector<GridColumn> &columns)
{
    beginResetModel();
    m_columns = columns;
    m_marks = QVector<SortMark>(columns.size(), SortMark::None);
    bindFields();
    endResetModel();
}

void GridModel::bindFields()
{
    m_bound.resize(m_columns.size());
    for (int c = 0; c < m_columns.size(); ++c) {
        const GridColumn &column = m_columns.at(c);
        Bound &b = m_bound[c];
        b.field = m_records && !column.field.isEmpty() ? m_records->fieldIndex(column.field) : -1;
        b.format = column.format;
        if (b.format.isEmpty() && b.field >= 0)
            b.format = m_records->field(b.field).format;
        GridColumn shown = column;
        shown.format = b.format;
        b.align = alignmentFor(shown);
    }
}

void GridModel::setColumnTitle(int col, const QString &title)
{
    if (col < 0 || col >= m_columns.size())
        return;
    m_columns[col].title = title;
    Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
}

void GridModel::setColumnFormat(int col, const QString &format)
{
    if (col < 0 || col >= m_columns.size())
        return;
    m_columns[col].format = format;
    bindFields();
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, col), index(rowCount() - 1, col));
}

bool GridModel::isEditable(int col) const
{
    return !m_readOnly && m_columns.at(col).options.testFlag(col::Editable)
        && !m_columns.at(col).options.testFlag(col::Tick);
}

const QVariant &GridModel::rawValue(int row, int col) const
{
    if (!m_records || col < 0 || col >= m_bound.size() || row < 0 || row >= m_records->recordCount())
        return nullValue();
    const int f = m_bound.at(col).field;
    return f >= 0 ? m_records->at(row, f) : nullValue();
}

QString GridModel::displayText(int row, int col) const
{
    const QVariant &v = rawValue(row, col);
    if (isTick(col))
        return v.toString();
    return formatValue(v, m_bound.at(col).format);
}

bool GridModel::isTicked(int row, int col) const
{
    const QVariant &v = rawValue(row, col);
    return v.typeId() == QMetaType::QString ? v.toString() == u"1" : v.toInt() == 1;
}

void GridModel::setRowNumbers(bool shown)
{
    m_rowNumbers = shown;
    if (rowCount() > 0)
        Q_EMIT headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

SortMark GridModel::sortMark(int col) const
{
    return col >= 0 && col < m_marks.size() ? m_marks.at(col) : SortMark::None;
}

void GridModel::setSortMark(int col, SortMark mark)
{
    if (col < 0 || col >= m_marks.size() || m_marks.at(col) == mark)
        return;
    m_marks[col] = mark;
    Q_EMIT headerDataChanged(Qt::Horizontal, col, col);
}

void GridModel::clearSortMarks()
{
    for (int c = 0; c < m_marks.size(); ++c)
        setSortMark(c, SortMark::None);
}

void GridModel::valueChanged(int row, int field)
{
    for (int c = 0; c < m_bound.size(); ++c) {
        if (m_bound.at(c).field == field) {
            const QModelIndex i = index(row, c);
            Q_EMIT dataChanged(i, i);
        }
    }
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_records ? 0 : m_records->recordCount();
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    const int row = index.row();
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
        if (isTick(col))
            return QVariant();
        if (row > 0 && (m_columns.at(col).options & col::BlankRepeats) && rawValue(row, col) == rawValue(row - 1, col))
            return QVariant();
        return formatValue(rawValue(row, col), m_bound.at(col).format);
    case Qt::EditRole:
        return rawValue(row, col);
    case Qt::CheckStateRole:
        if (!isTick(col))
            return QVariant();
        return isTicked(row, col) ? Qt::Checked : Qt::Unchecked;
    case Qt::TextAlignmentRole:
        return int(m_bound.at(col).align);
    default:
        return QVariant();
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole && m_rowNumbers)
            return section + 1;
        return QVariant();
    }
    if (section < 0 || section >= m_columns.size())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        switch (m_marks.at(section)) {
        case SortMark::Ascending:
            return QString(m_columns.at(section).title + u" \u25B2");
        case SortMark::Descending:
            return QString(m_columns.at(section).title + u" \u25BC");
        case SortMark::None:
            break;
        }
        return m_columns.at(section).title;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    default:
        return QVariant();
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.isValid() && isEditable(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!m_records || !index.isValid() || m_readOnly)
        return false;
    const int row = index.row();
    const int col = index.column();
    const int f = m_bound.at(col).field;
    if (f < 0)
        return false;
    QVariant v;
    if (isTick(col)) {
        if (role == Qt::CheckStateRole)
            v = value.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
        else if (role == Qt::EditRole)
            v = value.toString() == u"1" ? QStringLiteral("1") : QStringLiteral("0");
        else
            return false;
    } else {
        if (role != Qt::EditRole || !isEditable(col))
            return false;
        v = value;
        if (m_records->field(f).kind == FieldKind::Number && value.typeId() == QMetaType::QString) {
            const QString text = value.toString().trimmed();
            if (text.isEmpty()) {
                v = QVariant();
            } else {
                bool ok = false;
                const double d = parseNumber(text, &ok);
                if (!ok)
                    return false;
                v = d;
            }
        }
    }
    const QVariant before = m_records->at(row, f);
    if (!m_records->setValue(row, f, v))
        return false;
    const QVariant &after = m_records->at(row, f);
    if ((!(before == after) || before.typeId() != after.typeId()) && cellEdited)
        cellEdited(col, row);
    return true;
}

// ================================================================ GridDelegate

GridDelegate::GridDelegate(GridBasePrivate *grid, QObject *parent)
    : QStyledItemDelegate(parent)
    , g(grid)
{
}

void GridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int row = index.row();
    const int col = index.column();
    const GridModel *m = g->model;
    const QWidget *widget = option.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const CellStyle cs = g->styleFor(col, row);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup cg = !option.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
        : option.state.testFlag(QStyle::State_Active)                          ? QPalette::Active
                                                                                : QPalette::Inactive;

    painter->save();
    QColor background = selected ? option.palette.color(cg, QPalette::Highlight) : cs.background;
    if (background.isValid())
        painter->fillRect(option.rect, background);

    if (m->isTick(col)) {
        QStyleOptionViewItem box;
        box.QStyleOption::operator=(option);
        const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, widget);
        const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, &option, widget);
        box.rect = QRect(option.rect.center().x() - w / 2, option.rect.center().y() - h / 2, w, h);
        box.state = (option.state & QStyle::State_Enabled)
            | (m->isTicked(row, col) ? QStyle::State_On : QStyle::State_Off);
        style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &box, painter, widget);
    } else {
        const QString text = m->displayText(row, col);
        if (!text.isEmpty()) {
            QFont font = option.font;
            if (cs.bold)
                font.setBold(true);
            painter->setFont(font);
            QColor pen = selected ? option.palette.color(cg, QPalette::HighlightedText)
                : cs.foreground.isValid() ? cs.foreground
                                          : option.palette.color(cg, QPalette::Text);
            painter->setPen(pen);
            const QRect r = option.rect.adjusted(4, 1, -4, -1);
            const int align = int(m->alignment(col));
            painter->setClipRect(option.rect);
            if (m->columns().at(col).options.testFlag(col::MultiLine))
                painter->drawText(r, (align & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextWordWrap, text);
            else
                painter->drawText(r, align, QFontMetrics(font).elidedText(text, Qt::ElideRight, r.width()));
        }
    }

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = option.rect;
        focus.state |= QStyle::State_KeyboardFocusChange;
        focus.backgroundColor = background.isValid() ? background : option.palette.color(cg, QPalette::Base);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

bool GridDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                               const QModelIndex &index)
{
    if (!g->model->isTick(index.column()))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    if (g->model->isReadOnly())
        return false;
    bool toggle = false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto *me = static_cast<QMouseEvent *>(event);
        toggle = me->button() == Qt::LeftButton && option.rect.contains(me->position().toPoint());
        if (!toggle)
            return false;
        break;
    }
    case QEvent::MouseButtonDblClick:
        return true;  // the first click already toggled
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Space && key != Qt::Key_Select)
            return false;
        toggle = true;
        break;
    }
    default:
        return false;
    }
    const bool ticked = g->model->isTicked(index.row(), index.column());
    model->setData(index, ticked ? QStringLiteral("0") : QStringLiteral("1"), Qt::EditRole);
    return true;
}

QWidget *GridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const
{
    if (const QStringList &picks = g->model->columns().at(index.column()).picks; !picks.isEmpty()) {
        auto *list = new QComboBox(parent);
        list->setFrame(false);
        list->addItems(picks);
        return list;
    }
    auto *edit = new QLineEdit(parent);
    edit->setFrame(false);
    edit->setAlignment(g->model->alignment(index.column()));
    return edit;
}

void GridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (auto *list = qobject_cast<QComboBox *>(editor)) {
        list->setCurrentIndex(std::max(0, list->findText(g->model->rawValue(index.row(), index.column()).toString())));
        return;
    }
    auto *edit = static_cast<QLineEdit *>(editor);
    const QVariant &v = g->model->rawValue(index.row(), index.column());
    switch (v.typeId()) {
    case QMetaType::Double:
        edit->setText(QString::number(v.toDouble(), 'g', 15));
        break;
    case QMetaType::QDate:
        edit->setText(v.toDate().toString(Qt::ISODate));
        break;
    default:
        edit->setText(v.toString());
        break;
    }
}

void GridDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (auto *list = qobject_cast<QComboBox *>(editor))
        model->setData(index, list->currentText(), Qt::EditRole);
    else
        model->setData(index, static_cast<QLineEdit *>(editor)->text(), Qt::EditRole);
}

// ================================================================ GridHeader

GridHeader::GridHeader(GridBasePrivate *grid, QWidget *parent)
    : QHeaderView(Qt::Horizontal, parent)
    , g(grid)
{
    setSectionsClickable(true);
    setHighlightSections(false);
    setDefaultAlignment(Qt::AlignCenter);
    setSortIndicatorShown(false);
}

QSize GridHeader::sizeHint() const
{
    QSize s = QHeaderView::sizeHint();
    if (!g)
        return s;
    int h = g->titleHeight > 0 ? g->titleHeight : s.height();
    if (!g->groups.isEmpty())
        h += g->groupBandHeight();
    s.setHeight(h);
    return s;
}

void GridHeader::paintPart(QPainter *painter, const QRect &rect, const QString &text, int logicalIndex) const
{
    QStyleOptionHeader opt;
    initStyleOption(&opt);
    opt.rect = rect;
    opt.section = logicalIndex;
    opt.text = text;
    opt.textAlignment = Qt::AlignCenter;
    opt.position = QStyleOptionHeader::Middle;
    opt.state |= QStyle::State_Raised;
    if (isEnabled())
        opt.state |= QStyle::State_Enabled;
    style()->drawControl(QStyle::CE_Header, &opt, painter, this);
}

void GridHeader::paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const
{
    if (!g) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    if (!rect.isValid())
        return;
    const QString title = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    const GridBasePrivate::Group *group = g->groupOf(logicalIndex);
    if (!group) {
        paintPart(painter, rect, title, logicalIndex);
        return;
    }
    // The group heading is drawn over the whole span of its columns and
    // clipped to this section, so the pieces join into one heading.
    int left = INT_MAX;
    int right = INT_MIN;
    for (int c = group->first; c <= group->last && c < count(); ++c) {
        if (isSectionHidden(c))
            continue;
        const int x = sectionViewportPosition(c);
        left = std::min(left, x);
        right = std::max(right, x + sectionSize(c));
    }
    const int band = std::min(g->groupBandHeight(), rect.height() / 2);
    const QRect top(rect.left(), rect.top(), rect.width(), band);
    painter->save();
    painter->setClipRect(top);
    paintPart(painter, QRect(left, rect.top(), right - left, band), group->title, logicalIndex);
    painter->restore();
    paintPart(painter, rect.adjusted(0, band, 0, 0), title, logicalIndex);
}

// ================================================================ GridFooter

GridFooter::GridFooter(GridBasePrivate *grid, QWidget *parent)
    : QWidget(parent)
    , g(grid)
{
    setObjectName(QStringLiteral("gridFooter"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GridFooter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const GridBase *q = g->q;
    const QHeaderView *header = q->horizontalHeader();
    const int titleWidth = q->verticalHeader()->isHidden() ? 0 : q->verticalHeader()->width();
    const int rowHeight = g->footerRowHeight();
    const int frozenWidth = g->frozenWidth();
    const int columns = g->model->columnCount();
    const int fixed = std::min(g->fixed, columns);
    const QColor line = palette().color(QPalette::Mid);

    p.fillRect(rect(), palette().color(QPalette::Window));
    for (int i = 0; i < g->footers.size(); ++i) {
        const GridBasePrivate::FooterRow &row = g->footers.at(i);
        const int y = i * rowHeight;
        const QColor rowBack = row.background.isValid() ? row.background : palette().color(QPalette::Button);
        const QColor rowPen = row.color.isValid() ? row.color : palette().color(QPalette::ButtonText);
        const QFont rowFont = row.hasFont ? row.font : q->font();

        const auto cell = [&](const QRect &r, const QString &text, int col, Qt::Alignment align) {
            p.fillRect(r, row.cellBackgrounds.value(col, rowBack));
            p.setPen(line);
            p.drawLine(r.topRight(), r.bottomRight());
            p.drawLine(r.bottomLeft(), r.bottomRight());
            if (text.isEmpty())
                return;
            p.setFont(row.cellFonts.value(col, rowFont));
            p.setPen(row.cellColors.value(col, rowPen));
            p.drawText(r.adjusted(4, 0, -4, 0), int(align | Qt::AlignVCenter), text);
        };
        const auto alignOf = [&](int c) {
            return g->model->alignment(c).testFlag(Qt::AlignHCenter) ? Qt::AlignHCenter : Qt::AlignRight;
        };

        p.fillRect(QRect(0, y, width(), rowHeight), rowBack);
        if (titleWidth > 0)
            cell(QRect(0, y, titleWidth, rowHeight), row.title, -1, Qt::AlignHCenter);

        p.save();
        p.setClipRect(QRect(titleWidth + frozenWidth, y, width(), rowHeight));
        for (int c = fixed; c < columns; ++c) {
            if (q->isColumnHidden(c))
                continue;
            const int x = titleWidth + q->columnViewportPosition(c);
            const int w = q->columnWidth(c);
            if (x + w < titleWidth + frozenWidth || x > width())
                continue;
            cell(QRect(x, y, w, rowHeight), row.texts.value(c), c, alignOf(c));
        }
        p.restore();
        for (int c = 0; c < fixed; ++c) {
            if (q->isColumnHidden(c))
                continue;
            const QRect r(titleWidth + header->sectionPosition(c), y, q->columnWidth(c), rowHeight);
            cell(r, row.texts.value(c), c, alignOf(c));
        }
    }
}

} // namespace widgets
