#include "framework/PopupBtn.h"
#include "framework/ErrorDisplay.h"
#include "framework/PopupWnd.h"
#include "session/Dialogs.h"
#include "session/Database.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QScopeGuard>

QIcon SearchGlyph()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 120), 1.6));
    p.setBrush(QColor(210, 230, 255));
    p.drawEllipse(QRectF(1.5, 1.5, 8.5, 8.5));
    p.setPen(QPen(QColor(40, 40, 120), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 9.5), QPointF(14, 14));
    return QIcon(pm);
}

TPopupBtn::TPopupBtn(QWidget *parent) : QToolButton(parent)
{
    setFixedSize(23, 22);
    setIcon(SearchGlyph());
    setIconSize(QSize(16, 16));
    // A speed button: clicking it leaves the focus in the field it belongs to.
    setFocusPolicy(Qt::NoFocus);
    OnUserAction(this, &QToolButton::clicked, this, [this] { Click(); });
}

db::Connection &TPopupBtn::connection() const { return SQLConnection ? *SQLConnection : dbsDB(); }

bool TPopupBtn::linkText(const QWidget *control, QString *text)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(control)) {
        *text = line->text();
        return true;
    }
    if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
        *text = combo->currentText();
        return true;
    }
    return false;
}

void TPopupBtn::SearchByLink()
{
    m_fullList = false;
    Click();
}

void TPopupBtn::Click()
{
    const bool typed = !m_fullList;
    auto restore = qScopeGuard([this] { m_fullList = true; });

    std::optional<QString> fill;
    if (typed) {
        QString text;
        if (!linkText(LinkControl, &text))
            return;
        fill = text + QLatin1Char('%');
    }

    TfrmPopupWnd wnd(window());
    wnd.setSource(connection(), SQL, Params, ColumnTitles, ColumnWidths);
    try {
        const QStringList &statement = typed && !LinkSQL.isEmpty() ? LinkSQL : SQL;
        wnd.openList(statement.join(QLatin1Char('\n')), fill);
    } catch (const std::exception &e) {
        ReturnValue.clear();
        ModalResult = QDialog::Rejected;
        ShowStandardError(e);
        return;
    }
    wnd.placeFor(this, ReferDialogAlign);

    int result = QDialog::Rejected;
    if (typed && wnd.rowCount() == 1)
        result = QDialog::Accepted;   // the one code that fits: no window
    else
        result = dialogs().execDialog(&wnd);

    // OK means a row was chosen: an empty list gives nothing back.
    ReturnValue = result == QDialog::Accepted ? wnd.currentValues() : QStringList();
    ModalResult = ReturnValue.isEmpty() ? QDialog::Rejected : QDialog::Accepted;
    m_fullList = true;
    Q_EMIT afterClick();
}

#include "moc_PopupBtn.cpp"
