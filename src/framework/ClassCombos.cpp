#include "framework/ClassCombos.h"
#include "db/Query.h"
#include "framework/ErrorDisplay.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>

namespace {

const char *const kLabels[] = {"유형 [대]", "[중]", "[소]"};

// Codes travel as the entries' data: the shown text is "code : name".
void fill(QComboBox *box, db::Query &q)
{
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(QStringLiteral("전체"), QString());
    while (q.next())
        box->addItem(q.text(0) + QStringLiteral(" : ") + q.text(1), q.text(0));
    box->setCurrentIndex(0);
}

} // namespace

ClassCombos::ClassCombos(db::Connection &conn, const QString &table, QWidget *parent)
    : QObject(parent), m_conn(conn), m_table(table)
{
    for (int i = 0; i < 3; ++i) {
        auto *box = m_boxes[i] = new QComboBox(parent);
        box->setObjectName(QStringLiteral("ComboBox%1").arg(i + 1));
        box->setMinimumContentsLength(12);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->addItem(QStringLiteral("전체"), QString());
        if (i < 2)
            OnUserAction(box, &QComboBox::currentIndexChanged, this, [this, i] { fillBelow(i + 1); });
    }
}

int ClassCombos::placeIn(QBoxLayout *layout, int at)
{
    for (int i = 0; i < 3; ++i) {
        auto *label = new QLabel(QString::fromUtf8(kLabels[i]), m_boxes[i]->parentWidget());
        label->setBuddy(m_boxes[i]);
        layout->insertWidget(at++, label);
        layout->insertWidget(at++, m_boxes[i]);
    }
    return at;
}

void ClassCombos::reload()
{
    db::Query q(m_conn, QStringLiteral("SELECT DIVIDE_CODE, DIVIDE_NAME FROM %1 WHERE DIVIDE_LEVEL = 1 ORDER BY DIVIDE_CODE")
                            .arg(m_table));
    q.exec();
    fill(m_boxes[0], q);
    fillBelow(1);
}

// `level` is the box whose choice changed (1 or 2): the box after it gets
// the classes below the choice, and every later box goes back to "전체".
void ClassCombos::fillBelow(int level)
{
    QComboBox *next = m_boxes[level];
    const QString parent = code(level);
    if (parent.isEmpty()) {
        const QSignalBlocker quiet(next);
        next->clear();
        next->addItem(QStringLiteral("전체"), QString());
    } else {
        db::Query q(m_conn, QStringLiteral("SELECT DIVIDE_CODE, DIVIDE_NAME FROM %1 WHERE PARENT_CODE = :PARENT_CODE "
                                           "ORDER BY DIVIDE_CODE").arg(m_table));
        q.bind(QStringLiteral("PARENT_CODE"), parent).exec();
        fill(next, q);
    }
    if (level < 2)
        fillBelow(level + 1);
}

QString ClassCombos::code(int level) const { return m_boxes[level - 1]->currentData().toString(); }

QString ClassCombos::deepestCode() const
{
    for (int level = 3; level >= 1; --level) {
        if (!code(level).isEmpty())
            return code(level);
    }
    return {};
}

#include "moc_ClassCombos.cpp"
