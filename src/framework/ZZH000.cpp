#include "framework/ZZH000.h"
#include "framework/ErrorDisplay.h"
#include "framework/ZZI000.h"
#include "session/Dialogs.h"

#include <QAction>
#include <QHBoxLayout>
#include <QVBoxLayout>

TfrmZZH000::TfrmZZH000(QWidget *owner) : QDialog(owner)
{
    resize(414, 149);
    m_rootLayout = new QVBoxLayout(this);
    m_rootLayout->setContentsMargins(0, 0, 0, 0);
    m_rootLayout->setSpacing(0);
    panMain = new QWidget(this);
    panMain->setObjectName(QStringLiteral("panMain"));
    QHBoxLayout *buttons = nullptr;
    panButtons = makeButtonBar(this, buttons);
    bbtOK = makeButton(panButtons, QStringLiteral("bbtOK"), QStringLiteral("확인(F10)"));
    bbtOK->setDefault(true);
    bbtOK->setFocusPolicy(Qt::NoFocus);
    bbtClose = makeButton(panButtons, QStringLiteral("bbtClose"), QStringLiteral("종료(F12)"));
    buttons->addWidget(bbtOK);
    buttons->addWidget(bbtClose);
    m_rootLayout->addWidget(panMain, 1);
    m_rootLayout->addWidget(panButtons);
    OnUserAction(bbtOK, &QPushButton::clicked, this, [this] { bbtOKClick(); });
    OnUserAction(bbtClose, &QPushButton::clicked, this, [this] { bbtCloseClick(); });
    addHotKey(QStringLiteral("popHotkeyOK"), Qt::Key_F10, [this] { bbtOKClick(); });
    addHotKey(QStringLiteral("popHotkeyClose"), Qt::Key_F12, [this] { bbtCloseClick(); });
}

void TfrmZZH000::addHotKey(const QString &objectName, const QKeySequence &key, std::function<void()> handler)
{
    auto *item = new QAction(this);
    item->setObjectName(objectName);
    item->setShortcut(key);
    item->setShortcutContext(Qt::WindowShortcut);
    OnUserAction(item, &QAction::triggered, this, std::move(handler));
    addAction(item);
}

bool TfrmZZH000::usable(const QPushButton *button) const { return TfrmZZI000::usable(button, this); }

bool TfrmZZH000::execute() { return dialogs().execDialog(this) == QDialog::Accepted; }

bool TfrmZZH000::bbtOKClick()
{
    if (!usable(bbtOK))
        return false;
    accept();
    return true;
}

bool TfrmZZH000::bbtCloseClick()
{
    if (!usable(bbtClose))
        return false;
    reject();
    return true;
}

TfrmZZH010::TfrmZZH010(QWidget *owner) : TfrmZZH000(owner)
{
    panSearch = makeSearchPanel(this, m_searchLayout, bbtSearch);
    m_rootLayout->insertWidget(0, panSearch);
    OnUserAction(bbtSearch, &QPushButton::clicked, this, [this] { bbtSearchClick(); });
    addHotKey(QStringLiteral("popHotkeySearch"), Qt::Key_F3, [this] { bbtSearchClick(); });
}

bool TfrmZZH010::bbtSearchClick() { return usable(bbtSearch); }

#include "moc_ZZH000.cpp"
