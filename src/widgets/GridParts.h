#pragma once
// Inner parts of the grids (model, delegate, headings, footer). Only
// GridBase and its two grids include this; screens use GridBase's API.

#include "widgets/GridColumn.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QHeaderView>
#include <QMetaObject>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QVector>
#include <QWidget>

class QTableView;

namespace widgets {

class GridBase;
class GridBasePrivate;
class RecordSet;

// A table model over a RecordSet: one model column per declared grid column,
// bound to its field once (fieldOf), so that data() is an index look-up.
class GridModel final : public QAbstractTableModel
{
public:
    explicit GridModel(QObject *parent);
    ~GridModel() override;

    void setRecordSet(RecordSet *records);
    RecordSet *recordSet() const { return m_records; }
    void setColumns(const QVector<GridColumn> &columns);
    const QVector<GridColumn> &columns() const { return m_columns; }
    void setColumnTitle(int col, const QString &title);
    void setColumnFormat(int col, const QString &format);

    int fieldOf(int col) const { return m_bound.at(col).field; }
    bool isTick(int col) const { return m_columns.at(col).options.testFlag(col::Tick); }
    bool isEditable(int col) const;
    Qt::Alignment alignment(int col) const { return m_bound.at(col).align; }
    const QVariant &rawValue(int row, int col) const;
    QString displayText(int row, int col) const;        // ticks give their raw '0'/'1'
    bool isTicked(int row, int col) const;

    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }
    bool isReadOnly() const { return m_readOnly; }
    void setRowNumbers(bool shown);
    SortMark sortMark(int col) const;
    void setSortMark(int col, SortMark mark);
    void clearSortMarks();
    bool isChanging() const { return m_changing > 0; }

    std::function<void(int col, int row)> cellEdited;   // a user edit changed a value

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

private:
    struct Bound {
        int field = -1;
        QString format;
        Qt::Alignment align;
    };
    void bindFields();
    void valueChanged(int row, int field);
    void detach();

    RecordSet *m_records = nullptr;
    QVector<QMetaObject::Connection> m_connections;
    QVector<GridColumn> m_columns;
    QVector<Bound> m_bound;
    QVector<SortMark> m_marks;
    int m_changing = 0;
    bool m_readOnly = false;
    bool m_rowNumbers = false;
};

// Paints cells from the model's own accessors (one callback round per cell
// for the colours), draws tick columns as check boxes and toggles them.
class GridDelegate final : public QStyledItemDelegate
{
public:
    GridDelegate(GridBasePrivate *grid, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

private:
    GridBasePrivate *g;
};

// Column titles with an optional band of group headings above them.
class GridHeader final : public QHeaderView
{
public:
    GridHeader(GridBasePrivate *grid, QWidget *parent);
    QSize sizeHint() const override;
    void detach() { g = nullptr; }   // the grid is going away before this header

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override;

private:
    void paintPart(QPainter *painter, const QRect &rect, const QString &text, int logicalIndex) const;
    GridBasePrivate *g;
};

// Footer rows below the cells, following the columns as they scroll.
class GridFooter final : public QWidget
{
public:
    GridFooter(GridBasePrivate *grid, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    GridBasePrivate *g;
};

class GridBasePrivate
{
public:
    explicit GridBasePrivate(GridBase *grid) : q(grid) {}

    struct Group {
        QString title;
        int first = 0;
        int last = 0;
    };
    struct FooterRow {
        QString title;
        QHash<int, QString> texts;
        QFont font;
        bool hasFont = false;
        QColor color;
        QColor background;
        QHash<int, QFont> cellFonts;
        QHash<int, QColor> cellColors;
        QHash<int, QColor> cellBackgrounds;
    };

    GridBase *q;
    GridModel *model = nullptr;
    GridDelegate *delegate = nullptr;
    GridHeader *header = nullptr;
    QTableView *frozen = nullptr;           // overlay showing the fixed columns
    GridHeader *frozenHeader = nullptr;
    GridFooter *footer = nullptr;
    QPointer<RecordSet> records;
    QMetaObject::Connection scrollConnection;
    QVector<Group> groups;
    QVector<FooterRow> footers;
    RowStyler rowStyler;
    CellStyler cellStyler;
    int fixed = 0;
    int titleHeight = 0;
    int lastRow = -2;
    bool rowNumbers = false;
    bool syncing = false;
    bool inGeometry = false;

    const Group *groupOf(int col) const;
    int groupBandHeight() const;
    int frozenWidth() const;
    int footerRowHeight() const;
    int footerHeight() const;
    int firstVisibleColumn() const;
    CellStyle styleFor(int col, int row) const;
    FooterRow &footerRow(int footer);

    void applyColumnLayout();
    void placeFrozen();
    void fixVerticalRange();
    void updateTitleArea();
    void syncFromRecords(bool announce);
    void viewCurrentChanged(const QModelIndex &current);
    void announceRow(bool force);
    void titleClicked(int col);
};

} // namespace widgets
