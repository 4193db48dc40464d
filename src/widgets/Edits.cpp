#include "widgets/Edits.h"

#include "widgets/Format.h"
#include "widgets/RecordSet.h"

#include <QDate>
#include <QFocusEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace widgets {

namespace {

QString digitsOf(const QString &text)
{
    QString digits;
    for (QChar c : text)
        if (c.isDigit())
            digits.append(c);
    return digits;
}

QDate dateOfDigits(const QString &digits)
{
    if (digits.size() != 8)
        return {};
    return QDate(digits.left(4).toInt(), digits.mid(4, 2).toInt(), digits.mid(6, 2).toInt());
}

} // namespace

// ================================================================ NumEdit

NumEdit::NumEdit(QWidget *parent)
    : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    updateValidator();
    display(false);
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_value = parseNumber(text);
        Q_EMIT valueChanged(m_value);
    });
}

double NumEdit::value() const
{
    return m_value;
}

void NumEdit::setValue(double value)
{
    const bool changed = value != m_value;
    m_value = value;
    display(m_editing);
    if (changed)
        Q_EMIT valueChanged(value);
}

void NumEdit::setDecimals(int decimals)
{
    m_decimals = std::clamp(decimals, 0, 10);
    updateValidator();
    display(m_editing);
}

void NumEdit::setNegativeAllowed(bool allowed)
{
    m_negative = allowed;
    updateValidator();
}

void NumEdit::updateValidator()
{
    QString pattern = m_negative ? QStringLiteral("-?\\d*") : QStringLiteral("\\d*");
    if (m_decimals > 0)
        pattern += QStringLiteral("(\\.\\d*)?");
    setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), this));
}

void NumEdit::display(bool editing)
{
    if (editing) {
        setText(QString::number(m_value, 'f', m_decimals));
    } else {
        const QString format = m_decimals > 0 ? QStringLiteral("#,##0.") + QString(m_decimals, u'0')
                                              : QStringLiteral("#,##0");
        setText(formatNumber(m_value, format));
    }
}

void NumEdit::focusInEvent(QFocusEvent *event)
{
    m_editing = true;
    display(true);
    QLineEdit::focusInEvent(event);
}

void NumEdit::focusOutEvent(QFocusEvent *event)
{
    m_editing = false;
    display(false);
    QLineEdit::focusOutEvent(event);
}

// ================================================================ MaskEdit

MaskEdit::MaskEdit(QWidget *parent)
    : MaskEdit(Date, parent)
{
}

MaskEdit::MaskEdit(Kind kind, QWidget *parent)
    : QLineEdit(parent)
{
    setKind(kind == Custom ? Date : kind);
}

void MaskEdit::setKind(Kind kind)
{
    if (kind == Month)
        setEditMask(QStringLiteral("9999/99;1;_"));
    else
        setEditMask(QStringLiteral("9999/99/00;1;_"));
    m_kind = kind == Month ? Month : Date;
}

void MaskEdit::setEditMask(const QString &mask)
{
    const QStringList parts = mask.split(u';');
    const QString source = parts.value(0);
    m_blank = parts.size() > 2 && !parts.at(2).isEmpty() ? parts.at(2).at(0) : QChar(u'_');
    static const QString qtMeta = QStringLiteral("AaNnXx90DdHhBb#><![]{}\\");

    QString qt;
    m_places.clear();
    const auto literal = [&](QChar c) {
        if (qtMeta.contains(c))
            qt += u'\\';
        qt += c;
        m_places += c;
    };
    const auto input = [&](QChar qtChar) {
        qt += qtChar;
        m_places += QChar(u'\0');
    };
    for (int i = 0; i < source.size(); ++i) {
        const QChar c = source.at(i);
        switch (c.unicode()) {
        case '!':
            break;
        case '<':
            if (source.mid(i, 2) == u"<>") {
                qt += u'!';
                ++i;
            } else {
                qt += u'<';
            }
            break;
        case '>':
            qt += u'>';
            break;
        case '0':
        case '9':
            input(u'0');  // digit places stay optional so partial dates can be left and checked
            break;
        case '#':
            input(u'#');
            break;
        case 'L':
        case 'l':
            input(u'a');
            break;
        case 'A':
        case 'a':
            input(u'n');
            break;
        case 'C':
        case 'c':
            input(u'x');
            break;
        case '\\':
            if (i + 1 < source.size())
                literal(source.at(++i));
            break;
        default:
            literal(c);
            break;
        }
    }
    m_kind = Custom;
    setInputMask(qt + u';' + m_blank);
}

QString MaskEdit::plainText() const
{
    const QString shown = displayText();
    QString plain;
    for (int i = 0; i < shown.size() && i < m_places.size(); ++i)
        if (m_places.at(i).isNull() && shown.at(i) != m_blank)
            plain.append(shown.at(i));
    return plain.trimmed();
}

void MaskEdit::setPlainText(const QString &text)
{
    const QString chars = m_kind == Custom ? text : digitsOf(text);
    QString shown;
    int next = 0;
    for (int i = 0; i < m_places.size() && next < chars.size(); ++i)
        shown.append(m_places.at(i).isNull() ? chars.at(next++) : m_places.at(i));
    setText(shown);
}

bool MaskEdit::isBlank() const
{
    return plainText().isEmpty();
}

QString MaskEdit::dateText() const
{
    const QDate date = dateOfDigits(plainText());
    return date.isValid() ? date.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString MaskEdit::monthText() const
{
    const QString digits = plainText();
    if (digits.size() != 6)
        return QString();
    const QDate date(digits.left(4).toInt(), digits.mid(4, 2).toInt(), 1);
    return date.isValid() ? digits : QString();
}

// ================================================================ DateEdit

DateEdit::DateEdit(QWidget *parent)
    : QDateEdit(QDate::currentDate(), parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
}

QString DateEdit::dateText() const
{
    return date().toString(QStringLiteral("yyyy-MM-dd"));
}

void DateEdit::setDateText(const QString &text)
{
    const QDate date = dateOfDigits(digitsOf(text));
    if (date.isValid())
        setDate(date);
}

// ================================================================ DbEdit

DbEdit::DbEdit(QWidget *parent)
    : QLineEdit(parent)
{
    connect(this, &QLineEdit::textEdited, this, &DbEdit::write);
}

DbEdit::DbEdit(RecordSet *records, const QString &field, QWidget *parent)
    : DbEdit(parent)
{
    setField(records, field);
}

void DbEdit::setField(RecordSet *records, const QString &field)
{
    for (const auto &c : std::as_const(m_connections))
        disconnect(c);
    m_connections.clear();
    m_records = records;
    m_field = field;
    if (records) {
        m_connections << connect(records, &RecordSet::afterScroll, this, &DbEdit::refresh);
        m_connections << connect(records, &RecordSet::layoutReset, this, &DbEdit::refresh);
        m_connections << connect(records, &QObject::destroyed, this, &QLineEdit::clear);
        m_connections << connect(records, &RecordSet::fieldChanged, this, [this](const QString &name) {
            if (!m_writing && name.compare(m_field, Qt::CaseInsensitive) == 0)
                refresh();
        });
    }
    refresh();
}

void DbEdit::refresh()
{
    setText(m_records ? m_records->text(m_field) : QString());
    setCursorPosition(0);
}

void DbEdit::write(const QString &text)
{
    if (!m_records || m_records->currentRow() < 0)
        return;
    const int f = m_records->fieldIndex(m_field);
    if (f < 0)
        return;
    QVariant value = text;
    if (m_records->field(f).kind == FieldKind::Number) {
        bool ok = false;
        const double d = parseNumber(text, &ok);
        if (text.trimmed().isEmpty())
            value = QVariant();
        else if (ok)
            value = d;
    }
    m_writing = true;
    m_records->setValue(m_field, value);
    m_writing = false;
}

DbCheckBox::DbCheckBox(RecordSet *records, const QString &field, const QString &checkedValue,
                       const QString &uncheckedValue, const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent), m_records(records), m_field(field), m_checked(checkedValue),
      m_unchecked(uncheckedValue)
{
    connect(this, &QCheckBox::toggled, this, [this] {
        if (!m_refreshing)
            store();
    });
    if (records) {
        connect(records, &RecordSet::afterScroll, this, &DbCheckBox::refresh);
        connect(records, &RecordSet::layoutReset, this, &DbCheckBox::refresh);
        connect(records, &RecordSet::fieldChanged, this, [this](const QString &name) {
            if (name.compare(m_field, Qt::CaseInsensitive) == 0)
                refresh();
        });
    }
    refresh();
}

void DbCheckBox::store()
{
    if (!m_records || m_records->currentRow() < 0 || m_records->fieldIndex(m_field) < 0)
        return;
    const QString value = isChecked() ? m_checked : m_unchecked;
    if (m_records->text(m_field) != value)
        m_records->setValue(m_field, value);
}

void DbCheckBox::refresh()
{
    m_refreshing = true;
    setChecked(m_records && m_records->text(m_field).trimmed() == m_checked);
    m_refreshing = false;
}

} // namespace widgets

#include "moc_Edits.cpp"
