#include "framework/Controls.h"

#include "session/Dialogs.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

namespace kit {

namespace {

template <typename Edit>
Edit *named(Edit *edit, const char *name)
{
    edit->setObjectName(QLatin1String(name));
    return edit;
}

template <typename Edit>
Edit *shaped(Edit *edit, int maxLength, Options options, int width)
{
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    if (width > 0)
        edit->setFixedWidth(width);
    if (options & Upper)
        TypeInCapitals(edit);
    if (options & ReadOnly)
        SetReadOnly(edit, true);
    return edit;
}

} // namespace

QLineEdit *TextBox(QWidget *parent, const char *name, int maxLength, Options options, int width)
{
    return shaped(named(new QLineEdit(parent), name), maxLength, options, width);
}

QLineEdit *CodeBox(QWidget *parent, const char *name, int maxLength, int width, Options options)
{
    return TextBox(parent, name, maxLength, options | Upper, width);
}

widgets::MaskEdit *DateBox(QWidget *parent, const char *name, Options options)
{
    return shaped(named(new widgets::MaskEdit(widgets::MaskEdit::Date, parent), name), 0, options, 90);
}

widgets::MaskEdit *MonthBox(QWidget *parent, const char *name, Options options)
{
    return shaped(named(new widgets::MaskEdit(widgets::MaskEdit::Month, parent), name), 0, options, 70);
}

widgets::NumEdit *NumberBox(QWidget *parent, const char *name, int decimals, Options options)
{
    auto *edit = named(new widgets::NumEdit(parent), name);
    edit->setDecimals(decimals);
    if (options & Positive)
        RefuseNegative(edit);
    return shaped(edit, 0, options, 0);
}

QPlainTextEdit *MemoBox(QWidget *parent, const char *name, Options options)
{
    auto *memo = named(new QPlainTextEdit(parent), name);
    memo->setTabChangesFocus(true);
    if (options & ReadOnly) {
        memo->setReadOnly(true);
        memo->setFocusPolicy(Qt::ClickFocus);
    }
    return memo;
}

QComboBox *ComboBox(QWidget *parent, const char *name, const QStringList &entries)
{
    auto *combo = named(new QComboBox(parent), name);
    combo->setEditable(true);
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    return combo;
}

QCheckBox *CheckBox(QWidget *parent, const char *name, const QString &caption)
{
    return named(new QCheckBox(caption, parent), name);
}

widgets::DbEdit *DbBox(QWidget *parent, widgets::RecordSet *records, const char *field, const char *name,
                       int maxLength, Options options, int width)
{
    return shaped(named(new widgets::DbEdit(records, QLatin1String(field), parent), name), maxLength, options, width);
}

void SetReadOnly(QLineEdit *edit, bool readOnly)
{
    edit->setReadOnly(readOnly);
    // Enter and Tab pass over what cannot be typed; a click still selects
    // the text for copying.
    edit->setFocusPolicy(readOnly ? Qt::ClickFocus : Qt::StrongFocus);
}

void TypeInCapitals(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        if (text == text.toUpper())
            return;
        const int cursor = edit->cursorPosition();
        edit->setText(text.toUpper());
        edit->setCursorPosition(cursor);
    });
}

void RefuseNegative(widgets::NumEdit *edit)
{
    edit->setNegativeAllowed(false);
}

void ClearFields(const QList<QWidget *> &fields)
{
    for (QWidget *w : fields) {
        if (auto *number = qobject_cast<widgets::NumEdit *>(w)) {
            number->setValue(0);   // clear() alone would leave the value to reappear on focus
        } else if (auto *line = qobject_cast<QLineEdit *>(w)) {
            line->clear();
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            combo->setCurrentIndex(-1);
            combo->setEditText(QString());
        } else if (auto *check = qobject_cast<QCheckBox *>(w)) {
            check->setChecked(false);
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(w)) {
            memo->clear();
        }
    }
}

bool CheckDateOnLeave(widgets::MaskEdit *box)
{
    if (box->isReadOnly())
        return true;
    const QString digits = box->plainText();
    if (digits.isEmpty() || !box->dateText().isEmpty())
        return true;
    box->clear();
    if (digits.size() >= 8) {
        ShowInfo(QStringLiteral("일자를 정확히 입력하여 주십시오."));
        // The focus is on its way to the next field: bring it back after.
        QTimer::singleShot(0, box, [box] { box->setFocus(Qt::OtherFocusReason); });
    }
    return false;
}

// ---------------------------------------------------------------- layout

Cell Labelled(const QString &label, std::initializer_list<QWidget *> widgets, int span)
{
    return {label, widgets, span};
}

Cell Bare(QWidget *widget, int span) { return {QString(), {widget}, span}; }

QLabel *Caption(QWidget *parent, const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QWidget *ButtonRow(QWidget *parent, std::initializer_list<QWidget *> buttons)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    for (QWidget *button : buttons) {
        button->setParent(row);
        layout->addWidget(button);
    }
    return row;
}

namespace {

QHBoxLayout *widgetsSideBySide(const Cell &cell)
{
    auto *box = new QHBoxLayout;
    box->setSpacing(2);
    for (int i = 0; i < cell.widgets.size(); ++i) {
        QWidget *w = cell.widgets.at(i);
        const bool last = i == cell.widgets.size() - 1;
        box->addWidget(w, last && w->maximumWidth() == QWIDGETSIZE_MAX ? 1 : 0);
    }
    return box;
}

} // namespace

QGridLayout *LabelledGrid(QWidget *host, const QList<Row> &rows)
{
    auto *grid = new QGridLayout(host);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    for (int r = 0; r < rows.size(); ++r) {
        int col = 0;
        for (const Cell &cell : rows.at(r)) {
            const int width = 2 * cell.span;
            if (cell.label.isEmpty()) {
                grid->addLayout(widgetsSideBySide(cell), r, col, 1, width);
            } else {
                grid->addWidget(Caption(host, cell.label, cell.widgets.value(0)), r, col);
                grid->addLayout(widgetsSideBySide(cell), r, col + 1, 1, width - 1);
            }
            col += width;
        }
    }
    return grid;
}

void FieldRow(QBoxLayout *layout, const Row &cells, int at)
{
    for (const Cell &cell : cells) {
        QWidget *host = layout->parentWidget();
        if (!cell.label.isEmpty())
            layout->insertWidget(at++, Caption(host, cell.label, cell.widgets.value(0)));
        for (QWidget *w : cell.widgets)
            layout->insertWidget(at++, w);
    }
}

} // namespace kit
