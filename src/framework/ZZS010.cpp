#include "framework/ZZS010.h"
#include "framework/ErrorDisplay.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

TfrmZZS010::TfrmZZS010(const QString &programId, QWidget *parent) : TfrmZZI000(programId, parent)
{
    panSearch = makeSearchPanel(this, m_searchLayout, bbtSearch);
    m_rootLayout->insertWidget(0, panSearch);

    bbtPrint = addButton(QStringLiteral("bbtPrint"), QStringLiteral("출력(F11)"), bbtClose);
    bbtPreview = addButton(QStringLiteral("bbtPreview"), QStringLiteral("미리보기"), bbtClose);
    OnUserAction(bbtSearch, &QPushButton::clicked, this, [this] { bbtSearchClick(); });
    OnUserAction(bbtPrint, &QPushButton::clicked, this, [this] { bbtPrintClick(); });
    OnUserAction(bbtPreview, &QPushButton::clicked, this, [this] { bbtPreviewClick(); });
    addHotKey(QStringLiteral("popHotkeySearch"), Qt::Key_F3, [this] { bbtSearchClick(); });
    addHotKey(QStringLiteral("popHotkeyPrint"), Qt::Key_F11, [this] { bbtPrintClick(); });
    addHotKey(QStringLiteral("popHotkeyPreview"), QKeySequence(Qt::SHIFT | Qt::Key_F11), [this] { bbtPreviewClick(); });
}

bool TfrmZZS010::bbtSearchClick()
{
    ShowStatus(QString());
    return usable(bbtSearch, this);
}

bool TfrmZZS010::bbtPrintClick()
{
    ShowStatus(QString());
    return usable(bbtPrint, this);
}

bool TfrmZZS010::bbtPreviewClick()
{
    ShowStatus(QString());
    return usable(bbtPreview, this);
}

#include "moc_ZZS010.cpp"
