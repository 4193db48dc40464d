#pragma once
// The edits every screen builds, made one way: object name, length, width,
// read-only look and the rules that go with each kind (codes in capitals,
// a date box checked when it is left). Forms are laid out as one nested
// declaration of labelled cells (LabelledGrid) or a row of them (FieldRow).

#include <QList>
#include <QString>
#include <QStringList>

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;
namespace widgets { class DbEdit; class MaskEdit; class NumEdit; class RecordSet; }

namespace kit {

// How an edit behaves beyond its kind.
enum Option : unsigned {
    Plain = 0,
    ReadOnly = 0x1,    // shown, never typed into: Enter passes over it
    Upper = 0x2,       // letters typed in capitals (codes, document numbers)
    Positive = 0x4,    // numbers: no minus sign can be typed
};
using Options = unsigned;

QLineEdit *TextBox(QWidget *parent, const char *name, int maxLength = 0, Options options = Plain, int width = 0);
// A code typed in capitals; its name beside it is a separate TextBox.
QLineEdit *CodeBox(QWidget *parent, const char *name, int maxLength, int width, Options options = Plain);
widgets::MaskEdit *DateBox(QWidget *parent, const char *name, Options options = Plain);
widgets::MaskEdit *MonthBox(QWidget *parent, const char *name, Options options = Plain);
widgets::NumEdit *NumberBox(QWidget *parent, const char *name, int decimals, Options options = Plain);
QPlainTextEdit *MemoBox(QWidget *parent, const char *name, Options options = Plain);
// Editable: the entries are proposals, any text may be typed.
QComboBox *ComboBox(QWidget *parent, const char *name, const QStringList &entries);
QCheckBox *CheckBox(QWidget *parent, const char *name, const QString &caption);
widgets::DbEdit *DbBox(QWidget *parent, widgets::RecordSet *records, const char *field, const char *name,
                       int maxLength = 0, Options options = Plain, int width = 0);

// ---- the rules, for edits made elsewhere
void SetReadOnly(QLineEdit *edit, bool readOnly);
void TypeInCapitals(QLineEdit *edit);
// Numbers without a minus sign.
void RefuseNegative(widgets::NumEdit *edit);
// Empties input controls: numbers become 0, combo boxes lose their text,
// check boxes are cleared.
void ClearFields(const QList<QWidget *> &fields);
// A date box being left: eight digits that are no day give "일자를 정확히
// 입력하여 주십시오.", an empty box and the focus back; fewer digits only
// empty it. False when the box was emptied. Read-only boxes pass.
bool CheckDateOnLeave(widgets::MaskEdit *box);

// ---- layout
// One labelled cell: the caption (buddy of the first widget) and the
// widgets side by side, the last one stretching unless it has a fixed width.
struct Cell {
    QString label;
    QList<QWidget *> widgets;
    int span = 1;              // further cell pairs it covers
};
Cell Labelled(const QString &label, std::initializer_list<QWidget *> widgets, int span = 1);
// A widget in a cell without a caption (a button, a group box).
Cell Bare(QWidget *widget, int span = 1);
using Row = QList<Cell>;

// The rows as a grid of caption and field columns, set on `host`.
QGridLayout *LabelledGrid(QWidget *host, const QList<Row> &rows);
// The cells one after another in `layout` from position `at` on (a search
// panel's row before its buttons).
void FieldRow(QBoxLayout *layout, const Row &cells, int at = 0);
QLabel *Caption(QWidget *parent, const QString &text, QWidget *buddy = nullptr);
// Buttons at the right end of a row of their own (e.g. a line panel's "추가", "삭제").
QWidget *ButtonRow(QWidget *parent, std::initializer_list<QWidget *> buttons);

} // namespace kit
