#include "framework/Binding.h"

#include "framework/Controls.h"
#include "session/Dialogs.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>

QVariant ControlValue(const QWidget *control)
{
    if (const auto *number = qobject_cast<const widgets::NumEdit *>(control))
        return number->value();
    if (const auto *mask = qobject_cast<const widgets::MaskEdit *>(control))
        return mask->kind() == widgets::MaskEdit::Month ? mask->monthText() : mask->dateText();
    if (const auto *line = qobject_cast<const QLineEdit *>(control))
        return line->text().trimmed();
    if (const auto *combo = qobject_cast<const QComboBox *>(control))
        return combo->currentText().trimmed();
    if (const auto *check = qobject_cast<const QCheckBox *>(control))
        return check->isChecked() ? QStringLiteral("Y") : QStringLiteral("N");
    if (const auto *memo = qobject_cast<const QPlainTextEdit *>(control))
        return memo->toPlainText();
    return {};
}

void SetControlValue(QWidget *control, const QVariant &value)
{
    const QString text = value.isNull() ? QString() : value.toString().trimmed();
    if (auto *number = qobject_cast<widgets::NumEdit *>(control)) {
        number->setValue(value.toDouble());
    } else if (auto *mask = qobject_cast<widgets::MaskEdit *>(control)) {
        if (text.isEmpty())
            mask->clear();
        else
            mask->setPlainText(text);
    } else if (auto *line = qobject_cast<QLineEdit *>(control)) {
        line->setText(text);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setEditText(text);
    } else if (auto *check = qobject_cast<QCheckBox *>(control)) {
        check->setChecked(text == QLatin1String("Y"));
    } else if (auto *memo = qobject_cast<QPlainTextEdit *>(control)) {
        memo->setPlainText(text);
    }
}

void RecordBinding::read(const widgets::RecordSet &records, int row) const
{
    for (const FieldLink &link : m_links) {
        const QVariant stored = row >= 0 ? records.value(row, link.field) : QVariant();
        const bool blank = stored.isNull() || stored.toString().trimmed().isEmpty();
        if (blank && !link.empty.isNull())
            SetControlValue(link.control, link.empty);
        else if (blank)
            kit::ClearFields({link.control});
        else
            SetControlValue(link.control, stored);
    }
}

void RecordBinding::write(widgets::RecordSet &records, int row) const
{
    for (const FieldLink &link : m_links) {
        const QVariant v = ControlValue(link.control);
        records.setValue(row, link.field, v.typeId() == QMetaType::QString && v.toString().isEmpty() ? QVariant() : v);
    }
}

void RecordBinding::clear() const
{
    for (const FieldLink &link : m_links) {
        if (link.empty.isNull())
            kit::ClearFields({link.control});
        else
            SetControlValue(link.control, link.empty);
    }
}

QVariant RecordBinding::value(const QString &field) const
{
    for (const FieldLink &link : m_links)
        if (link.field.compare(field, Qt::CaseInsensitive) == 0)
            return ControlValue(link.control);
    return {};
}

bool AllHold(const QList<PanelCheck> &checks)
{
    for (const PanelCheck &check : checks) {
        if (check.holds())
            continue;
        ShowInfo(check.message);
        if (check.focus)
            check.focus->setFocus();
        return false;
    }
    return true;
}

std::function<bool()> IsFilled(const QWidget *control)
{
    return [control] { return !ControlValue(control).toString().isEmpty(); };
}
