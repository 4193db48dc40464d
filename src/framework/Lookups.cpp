#include "framework/Lookups.h"
#include "framework/ErrorDisplay.h"
#include "framework/PopupWnd.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include <stdexcept>

struct Lookups::Entry {
    Lookup decl;
    TPopupBtn *button = nullptr;
    QVector<QPointer<QWidget>> controls;   // per value of `into`; null for a record field or a skipped value
    QPointer<QWidget> typed;
    bool searchPanel = false;              // works in every mode
    QString picked;                        // the typed field's text after the last pick
    QStringList pickedValues;              // what the last pick left in every filled field
    bool leaving = false;                  // the running click came from leaving the typed field
};

namespace {

QString trimmedText(const QWidget *control) { return ControlText(control).trimmed(); }

bool isReadOnly(const QWidget *control)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(control))
        return line->isReadOnly();
    return false;
}

bool liesOn(const QWidget *w, const QString &panelName)
{
    for (const QWidget *p = w ? w->parentWidget() : nullptr; p; p = p->parentWidget()) {
        if (p->objectName() == panelName)
            return true;
    }
    return false;
}

// The layout that holds `w` itself, searched from `root` down.
QLayout *layoutHolding(QLayout *root, QWidget *w)
{
    if (!root)
        return nullptr;
    if (root->indexOf(w) >= 0)
        return root;
    for (int i = 0; i < root->count(); ++i) {
        if (QLayout *found = layoutHolding(root->itemAt(i)->layout(), w))
            return found;
    }
    return nullptr;
}

// Puts a new button right of `anchor`: into its box layout, into the free
// grid cell to its right, or else beside it by position.
void placeBeside(TPopupBtn *button, QWidget *anchor)
{
    QWidget *parent = anchor->parentWidget();
    button->setParent(parent);
    QLayout *layout = layoutHolding(parent ? parent->layout() : nullptr, anchor);
    if (auto *box = qobject_cast<QBoxLayout *>(layout)) {
        box->insertWidget(box->indexOf(anchor) + 1, button);
        return;
    }
    if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        int row, col, rows, cols;
        grid->getItemPosition(grid->indexOf(anchor), &row, &col, &rows, &cols);
        if (!grid->itemAtPosition(row, col + cols)) {
            grid->addWidget(button, row, col + cols);
            return;
        }
    }
    button->move(anchor->geometry().right() + 1, anchor->y());
    button->show();
}

} // namespace

QString ControlText(const QWidget *control)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(control))
        return line->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    return {};
}

void SetControlText(QWidget *control, const QString &text)
{
    if (auto *dbe = qobject_cast<widgets::DbEdit *>(control)) {
        widgets::RecordSet *records = dbe->recordSet();
        const int f = records ? records->fieldIndex(dbe->fieldName()) : -1;
        if (f >= 0 && records->currentRow() >= 0) {
            QVariant value;
            if (!text.isEmpty())
                value = records->field(f).kind == widgets::FieldKind::Number ? QVariant(text.toDouble()) : QVariant(text);
            records->setValue(dbe->fieldName(), value);
            dbe->refresh();
            return;
        }
    }
    if (auto *num = qobject_cast<widgets::NumEdit *>(control)) {
        num->setValue(text.toDouble());
    } else if (auto *mask = qobject_cast<widgets::MaskEdit *>(control)) {
        mask->setPlainText(text);
    } else if (auto *line = qobject_cast<QLineEdit *>(control)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        label->setText(text);
    }
}

Lookups::Lookups(QWidget *form, std::function<bool()> editing)
    : QObject(form), m_form(form), m_editing(std::move(editing))
{
}

Lookups::~Lookups() = default;

TPopupBtn *Lookups::install(const Lookup &lookup)
{
    auto entry = std::make_unique<Entry>();
    entry->decl = lookup;
    auto fail = [&lookup](const QString &what) {
        throw std::invalid_argument(QStringLiteral("lookup %1: %2").arg(lookup.button, what).toStdString());
    };
    for (const QString &name : lookup.into) {
        QWidget *control = name.isEmpty() ? nullptr : m_form->findChild<QWidget *>(name);
        if (!name.isEmpty() && !control && !lookup.options.records)
            fail(QStringLiteral("no control named %1").arg(name));
        entry->controls.append(control);
    }
    const int typedIndex = lookup.typedIn == TypedIn::Code ? 0 : 1;
    entry->typed = entry->controls.value(typedIndex);
    QString unused;
    if (!entry->typed || !TPopupBtn::linkText(entry->typed, &unused))
        fail(QStringLiteral("the typed field must be an edit or a combo box"));
    entry->searchPanel = liesOn(entry->typed, QStringLiteral("panSearch"));

    TPopupBtn *button = m_form->findChild<TPopupBtn *>(lookup.button);
    if (!button) {
        button = new TPopupBtn;
        button->setObjectName(lookup.button);
        placeBeside(button, entry->controls.value(0) ? entry->controls.value(0).data() : entry->typed.data());
    }
    button->SQL = popup::clauseLines(lookup.sql);
    const QString linkSql = !lookup.options.linkSql.isEmpty() ? lookup.options.linkSql
        : !lookup.search.isEmpty()                          ? popup::prefixStatement(lookup.sql, lookup.search)
                                                             : QString();
    button->LinkSQL = linkSql.isEmpty() ? QStringList() : popup::clauseLines(linkSql);
    button->LinkControl = entry->typed;
    button->ColumnTitles = lookup.titles;
    button->ColumnWidths = lookup.widths;
    button->ReferDialogAlign = lookup.options.align;
    entry->button = button;

    Entry *raw = entry.get();
    connect(button, &TPopupBtn::afterClick, this, [this, raw] { picked(*raw); });
    // A click on the button itself: the full list, as F1 does.
    m_entries.push_back(std::move(entry));
    return button;
}

TPopupBtn *Lookups::button(const QString &objectName) const
{
    for (const auto &e : m_entries) {
        if (e->button->objectName() == objectName)
            return e->button;
    }
    return nullptr;
}

bool Lookups::active(const Entry &entry) const { return entry.searchPanel || m_editing(); }

QString Lookups::value(const Entry &entry, int index) const
{
    if (QWidget *control = entry.controls.value(index))
        return ControlText(control);
    const QString name = entry.decl.into.value(index);
    widgets::RecordSet *records = entry.decl.options.records;
    return records && !name.isEmpty() ? records->text(name) : QString();
}

QStringList Lookups::values(const Entry &entry) const
{
    QStringList all;
    for (int i = 0; i < entry.decl.into.size(); ++i)
        all << value(entry, i);
    return all;
}

// The same code typed again needs no search only while the fields still hold
// what its pick gave them: a screen that cleared them (a new document) needs
// the name and the rest again.
bool Lookups::stillPicked(const Entry &entry, const QString &typed) const
{
    return typed == entry.picked && values(entry) == entry.pickedValues;
}

void Lookups::setValue(Entry &entry, int index, const QString &value)
{
    if (QWidget *control = entry.controls.value(index)) {
        SetControlText(control, value);
        return;
    }
    const QString name = entry.decl.into.value(index);
    widgets::RecordSet *records = entry.decl.options.records;
    if (records && !name.isEmpty() && records->currentRow() >= 0 && records->fieldIndex(name) >= 0)
        records->setValue(name, value.isEmpty() ? QVariant() : QVariant(value));
}

void Lookups::clear(Entry &entry, bool keepTyped)
{
    for (int i = 0; i < entry.decl.into.size(); ++i) {
        if (keepTyped && entry.controls.value(i) == entry.typed)
            continue;
        setValue(entry, i, QString());
    }
    entry.picked.clear();
    entry.pickedValues.clear();
    if (entry.decl.options.afterClear)
        entry.decl.options.afterClear();
}

void Lookups::run(Entry &entry, bool typed, bool leaving)
{
    m_busy = true;
    entry.leaving = leaving;
    if (typed)
        entry.button->SearchByLink();
    else
        entry.button->Click();
    entry.leaving = false;
    m_busy = false;
}

bool Lookups::keyDown(QWidget *control, QKeyEvent *event)
{
    if (m_busy || event->key() != Qt::Key_F1 || event->modifiers() != Qt::NoModifier)
        return false;
    for (const auto &e : m_entries) {
        const bool own = control == e->typed || control == e->controls.value(0) || control == e->controls.value(1);
        if (own && e->button->isEnabled()) {
            run(*e, false, false);
            return true;
        }
    }
    return false;
}

void Lookups::entered(QWidget *control)
{
    if (m_busy)
        return;
    for (const auto &e : m_entries) {
        if (e->decl.typedIn == TypedIn::Name && control == e->typed && active(*e) && !isReadOnly(control)
            && e->button->isEnabled())
            clear(*e, true);
    }
}

void Lookups::left(QWidget *control)
{
    if (m_busy)
        return;
    for (const auto &e : m_entries) {
        if (control != e->typed || !active(*e) || isReadOnly(control) || !control->isEnabled())
            continue;
        const QString text = trimmedText(control);
        if (text.isEmpty()) {
            clear(*e, false);
        } else if (e->decl.typedIn == TypedIn::Code ? !stillPicked(*e, text) : value(*e, 0).trimmed().isEmpty()) {
            run(*e, true, true);
        }
    }
}

void Lookups::picked(Entry &entry)
{
    TPopupBtn &button = *entry.button;
    if (button.ModalResult != QDialog::Accepted)
        return;
    for (int i = 0; i < entry.decl.into.size() && i < button.ReturnValue.size(); ++i)
        setValue(entry, i, button.ReturnValue.at(i).trimmed());
    entry.picked = trimmedText(entry.typed);
    const bool handled = !entry.decl.options.afterPick || RunUserAction([&] { entry.decl.options.afterPick(button); });
    entry.pickedValues = values(entry);   // as the screen's own handler left them
    if (!handled)
        return;

    QWidget *target = entry.decl.options.focusAfter.isEmpty()
        ? nullptr
        : m_form->findChild<QWidget *>(entry.decl.options.focusAfter);
    if (entry.leaving) {
        // The focus is on its way elsewhere already; only a named field
        // takes it, once that move has ended.
        if (target)
            QTimer::singleShot(0, target, [target] { target->setFocus(Qt::OtherFocusReason); });
        return;
    }
    if (!target)
        target = nextField(entry);
    if (target)
        target->setFocus(Qt::TabFocusReason);
}

// The next tab stop after the typed field, passing over the lookup's own
// read-only fields (the name shown beside a code).
QWidget *Lookups::nextField(const Entry &entry) const
{
    QWidget *from = entry.typed;
    for (QWidget *w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (!m_form->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisibleTo(m_form))
            continue;
        if (entry.controls.contains(w) && isReadOnly(w))
            continue;
        return w;
    }
    return nullptr;
}

#include "moc_Lookups.cpp"
