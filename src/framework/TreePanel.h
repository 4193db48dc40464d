#pragma once
// A tree of classes or warehouses drawn from a tree-ordered view: one node
// per view row, indented by the leading tabs of its tree text, so that a
// node's position in the whole tree equals the row's ROWCNT. With the
// buttons "전체열기", "전체닫기" and "다시그리기".

#include <QWidget>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
namespace db { class Connection; }

class TreePanel : public QWidget {
    Q_OBJECT
public:
    // `viewSql` returns the view in tree order; `treeColumn` holds the node
    // text with one leading tab per level, `keyColumn` the code of the row.
    TreePanel(QString viewSql, QString treeColumn, QString keyColumn, QWidget *parent = nullptr);

    // Reads the view and rebuilds the tree; the current node stays current
    // when it still exists.
    void redraw(db::Connection &conn);
    // Key and position (ROWCNT) of the current node; empty / -1 without one.
    QString currentKey() const;
    int currentRow() const;
    // Makes the node of the row at `rowcnt` current.
    void selectRow(int rowcnt);
    int nodeCount() const { return int(m_items.size()); }

    QTreeWidget *trvGubun;
    QPushButton *btnFullExp;
    QPushButton *btnFullColl1;
    QPushButton *btnReLoad;

Q_SIGNALS:
    // The user chose a node.
    void nodeSelected(const QString &key, int rowcnt);
    // "다시그리기" was pressed; the screen redraws with its connection.
    void redrawRequested();

private:
    QString m_viewSql, m_treeColumn, m_keyColumn;
    QList<QTreeWidgetItem *> m_items;   // in view order: index = ROWCNT
};
