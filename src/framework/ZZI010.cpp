#include "framework/ZZI010.h"
#include "framework/ErrorDisplay.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TfrmZZI010::TfrmZZI010(const QString &programId, QWidget *parent) : TfrmZZI000(programId, parent)
{
    panSearch = makeSearchPanel(this, m_searchLayout, bbtSearch);
    m_rootLayout->insertWidget(0, panSearch);

    bbtSave = addButton(QStringLiteral("bbtSave"), QStringLiteral("저장(F2)"), bbtClose);
    bbtCancel = addButton(QStringLiteral("bbtCancel"), QStringLiteral("취소(F8)"), bbtClose);
    OnUserAction(bbtSearch, &QPushButton::clicked, this, [this] { bbtSearchClick(); });
    OnUserAction(bbtSave, &QPushButton::clicked, this, [this] { bbtSaveClick(); });
    OnUserAction(bbtCancel, &QPushButton::clicked, this, [this] { bbtCancelClick(); });
    addHotKey(QStringLiteral("popHotkeySearch"), Qt::Key_F3, [this] { bbtSearchClick(); });
    addHotKey(QStringLiteral("popHotkeySave"), Qt::Key_F2, [this] { bbtSaveClick(); });
    addHotKey(QStringLiteral("popHotkeyCancel"), Qt::Key_F8, [this] { bbtCancelClick(); });
}

void TfrmZZI010::FormCreate()
{
    TfrmZZI000::FormCreate();
    SetSearchMode(true);
}

void TfrmZZI010::SetSearchMode(bool searching)
{
    auto insideWork = [this](const QWidget *w) {
        if (w->parentWidget() == panButtons)
            return true;
        int depth = 0;
        for (const QWidget *p = w->parentWidget(); p && depth < 6; p = p->parentWidget(), ++depth) {
            if (p == panMain)
                return true;
        }
        return false;
    };
    for (QWidget *w : findChildren<QWidget *>()) {
        if (w == panMain || w == panButtons || w == panSearch || w == stbMessage || w->parentWidget() == stbMessage
            || w->isWindow())
            continue;
        w->setEnabled(insideWork(w) ? !searching : searching);
    }
    bbtClose->setEnabled(true);
    panMain->setEnabled(true);
    panButtons->setEnabled(true);
    panSearch->setEnabled(true);
    if (searching && isVisible())
        FocusFirstIn(panSearch);
}

bool TfrmZZI010::bbtSearchClick()
{
    ShowStatus(QString());
    if (!usable(bbtSearch, this))
        return false;
    SetSearchMode(false);
    panMain->setFocus();
    return true;
}

bool TfrmZZI010::bbtSaveClick()
{
    ShowStatus(QString());
    return usable(bbtSave, this);
}

bool TfrmZZI010::bbtCancelClick()
{
    ShowStatus(QString());
    if (!usable(bbtCancel, this))
        return false;
    SetSearchMode(true);
    return true;
}

#include "moc_ZZI010.cpp"
