#include "framework/TreePanel.h"
#include "db/Query.h"
#include "framework/ZZI000.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
constexpr int kKeyRole = Qt::UserRole;
constexpr int kRowRole = Qt::UserRole + 1;
}

TreePanel::TreePanel(QString viewSql, QString treeColumn, QString keyColumn, QWidget *parent)
    : QWidget(parent), m_viewSql(std::move(viewSql)), m_treeColumn(std::move(treeColumn)), m_keyColumn(std::move(keyColumn))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *buttons = new QHBoxLayout;
    btnFullExp = makeButton(this, QStringLiteral("btnFullExp"), QStringLiteral("전체열기"));
    btnFullColl1 = makeButton(this, QStringLiteral("btnFullColl1"), QStringLiteral("전체닫기"));
    btnReLoad = makeButton(this, QStringLiteral("btnReLoad"), QStringLiteral("다시그리기"));
    for (QPushButton *b : {btnFullExp, btnFullColl1, btnReLoad})
        buttons->addWidget(b);
    buttons->addStretch(1);
    trvGubun = new QTreeWidget(this);
    trvGubun->setObjectName(QStringLiteral("trvGubun"));
    trvGubun->setHeaderHidden(true);
    trvGubun->setUniformRowHeights(true);
    layout->addLayout(buttons);
    layout->addWidget(trvGubun, 1);

    connect(btnFullExp, &QPushButton::clicked, trvGubun, &QTreeWidget::expandAll);
    connect(btnFullColl1, &QPushButton::clicked, trvGubun, &QTreeWidget::collapseAll);
    connect(btnReLoad, &QPushButton::clicked, this, &TreePanel::redrawRequested);
    connect(trvGubun, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        Q_EMIT nodeSelected(item->data(0, kKeyRole).toString(), item->data(0, kRowRole).toInt());
    });
    connect(trvGubun, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        Q_EMIT nodeSelected(item->data(0, kKeyRole).toString(), item->data(0, kRowRole).toInt());
    });
}

void TreePanel::redraw(db::Connection &conn)
{
    const QString keep = currentKey();
    trvGubun->clear();
    m_items.clear();
    db::Query q(conn, m_viewSql);
    q.exec();
    // The last node seen on each level: a line with n leading tabs hangs
    // under the last node of level n - 1.
    QList<QTreeWidgetItem *> lastOnLevel;
    QTreeWidgetItem *current = nullptr;
    while (q.next()) {
        const QString line = q.text(m_treeColumn);
        int depth = 0;
        while (depth < line.size() && line.at(depth) == QLatin1Char('\t'))
            ++depth;
        depth = qMin(depth, int(lastOnLevel.size()));
        auto *item = depth == 0 ? new QTreeWidgetItem(trvGubun) : new QTreeWidgetItem(lastOnLevel.at(depth - 1));
        item->setText(0, line.mid(depth));
        item->setData(0, kKeyRole, q.text(m_keyColumn));
        item->setData(0, kRowRole, int(m_items.size()));
        lastOnLevel.resize(depth);
        lastOnLevel.append(item);
        m_items.append(item);
        if (!keep.isEmpty() && item->data(0, kKeyRole).toString() == keep)
            current = item;
    }
    if (current) {
        trvGubun->setCurrentItem(current);
        trvGubun->scrollToItem(current);
    }
}

QString TreePanel::currentKey() const
{
    const QTreeWidgetItem *item = trvGubun->currentItem();
    return item ? item->data(0, kKeyRole).toString() : QString();
}

int TreePanel::currentRow() const
{
    const QTreeWidgetItem *item = trvGubun->currentItem();
    return item ? item->data(0, kRowRole).toInt() : -1;
}

void TreePanel::selectRow(int rowcnt)
{
    if (rowcnt < 0 || rowcnt >= m_items.size())
        return;
    trvGubun->setCurrentItem(m_items.at(rowcnt));
    Q_EMIT nodeSelected(currentKey(), rowcnt);
}

#include "moc_TreePanel.cpp"
