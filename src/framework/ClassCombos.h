#pragma once
// Three cascading class boxes over a three-level class table (codes of 1, 3
// and 5 characters, PARENT_CODE pointing one level up, DIVIDE_LEVEL 1-3):
// "유형 [대]", "[중]", "[소]". Each box starts with "전체" (all), followed by
// "code : name" entries; choosing in one box fills the next with the
// classes below the choice and resets the boxes after it to "전체".

#include <QObject>
#include <QString>

class QBoxLayout;
class QComboBox;
class QWidget;
namespace db { class Connection; }

class ClassCombos : public QObject {
    Q_OBJECT
public:
    // `table` names a class table of the schema (OX030MS, OP030MS), never user input.
    ClassCombos(db::Connection &conn, const QString &table, QWidget *parent);

    // Labels and boxes (ComboBox1..3) into `layout` from position `at` on; returns the position after them.
    int placeIn(QBoxLayout *layout, int at);
    // Fills the first box with the level-1 classes; the others show "전체" only.
    void reload();

    QComboBox *box(int level) const { return m_boxes[level - 1]; }
    // The code chosen in a box; empty for "전체".
    QString code(int level) const;
    // The code of the deepest box not showing "전체": the prefix of every class below it.
    QString deepestCode() const;

private:
    void fillBelow(int level);

    db::Connection &m_conn;
    QString m_table;
    QComboBox *m_boxes[3];
};
