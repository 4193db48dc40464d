#include "framework/ZZI000.h"
#include "framework/ErrorDisplay.h"
#include "framework/TabHost.h"
#include "session/Session.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QTextEdit>

StatusPanels::StatusPanels(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("stbMessage"));
    setFixedHeight(22);
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("stbPanel%1").arg(i));
        m_panels[i]->setFrameShape(QFrame::Panel);
        m_panels[i]->setFrameShadow(QFrame::Sunken);
        m_panels[i]->setAlignment(i == 1 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
    }
}

QString StatusPanels::text(int panel) const { return m_panels[panel]->text(); }

void StatusPanels::setText(int panel, const QString &text)
{
    if (m_panels[panel]->text() == text)
        return;
    m_panels[panel]->setText(text);
    layoutPanels();
    m_panels[panel]->repaint();
}

int StatusPanels::panelWidth(int panel) const { return m_panels[panel]->width(); }

void StatusPanels::resizeEvent(QResizeEvent *) { layoutPanels(); }

// Panels 0, 2 and 3 are as wide as their texts plus 20 pixels (3 vanishes
// when empty); the message panel takes the rest.
void StatusPanels::layoutPanels()
{
    const QFontMetrics fm(font());
    auto fitted = [&](int i) { return m_panels[i]->text().isEmpty() && i == 3 ? 0 : fm.horizontalAdvance(m_panels[i]->text()) + 20; };
    const int w0 = fitted(0), w2 = fitted(2), w3 = fitted(3);
    const int w1 = qMax(0, width() - w0 - w2 - w3);
    const int h = height();
    m_panels[0]->setGeometry(0, 0, w0, h);
    m_panels[1]->setGeometry(w0, 0, w1, h);
    m_panels[2]->setGeometry(w0 + w1, 0, w2, h);
    m_panels[3]->setGeometry(w0 + w1 + w2, 0, w3, h);
    m_panels[3]->setVisible(w3 > 0);
}

QPushButton *makeButton(QWidget *parent, const QString &objectName, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setFixedSize(80, 25);
    b->setAutoDefault(false);
    return b;
}

QFrame *makeButtonBar(QWidget *owner, QHBoxLayout *&layout)
{
    auto *bar = new QFrame(owner);
    bar->setObjectName(QStringLiteral("panButtons"));
    bar->setFixedHeight(40);
    bar->setFrameShape(QFrame::StyledPanel);
    layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addStretch(1);
    return bar;
}

QFrame *makeSearchPanel(QWidget *owner, QHBoxLayout *&layout, QPushButton *&bbtSearch)
{
    auto *panel = new QFrame(owner);
    panel->setObjectName(QStringLiteral("panSearch"));
    panel->setFixedHeight(40);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    layout = new QHBoxLayout(panel);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addStretch(1);
    bbtSearch = makeButton(panel, QStringLiteral("bbtSearch"), QStringLiteral("조회(F3)"));
    layout->addWidget(bbtSearch);
    return panel;
}

void FocusFirstIn(QWidget *container)
{
    // The chain runs through the whole window in tab order; take the first
    // stop that lies inside the container.
    for (QWidget *w = container->nextInFocusChain(); w && w != container; w = w->nextInFocusChain()) {
        if (container->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled()
            && w->isVisibleTo(container)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

TfrmZZI000::TfrmZZI000(const QString &programId, QWidget *parent)
    : QWidget(parent), m_programId(programId)
{
    setObjectName(QStringLiteral("frm") + programId);
    setAttribute(Qt::WA_DeleteOnClose);
    QFont f(QStringLiteral("NanumGothic"));
    f.setPixelSize(12);
    setFont(f);
    resize(1008, 670);

    m_rootLayout = new QVBoxLayout(this);
    m_rootLayout->setContentsMargins(0, 0, 0, 0);
    m_rootLayout->setSpacing(0);
    panMain = new QWidget(this);
    panMain->setObjectName(QStringLiteral("panMain"));
    panButtons = makeButtonBar(this, m_buttonLayout);
    stbMessage = new StatusPanels(this);
    m_rootLayout->addWidget(panMain, 1);
    m_rootLayout->addWidget(panButtons);
    m_rootLayout->addWidget(stbMessage);

    bbtClose = addButton(QStringLiteral("bbtClose"), QStringLiteral("종료(F12)"));
    OnUserAction(bbtClose, &QPushButton::clicked, this, [this] { bbtCloseClick(); });
    // In a window the screen answers F12 itself; hosted, the main window's
    // hidden entry does (two live F12 keys would cancel each other out).
    m_closeKey = addHotKey(QStringLiteral("popHotkeyClose"), Qt::Key_F12, [this] { bbtCloseClick(); });
}

QPushButton *TfrmZZI000::addButton(const QString &objectName, const QString &caption, QPushButton *before)
{
    QPushButton *b = makeButton(panButtons, objectName, caption);
    const int at = before ? m_buttonLayout->indexOf(before) : m_buttonLayout->count();
    m_buttonLayout->insertWidget(at, b);
    return b;
}

QAction *TfrmZZI000::addHotKey(const QString &objectName, const QKeySequence &key, std::function<void()> handler)
{
    auto *item = new QAction(this);
    item->setObjectName(objectName);
    item->setShortcut(key);
    item->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    OnUserAction(item, &QAction::triggered, this, std::move(handler));
    addAction(item);
    return item;
}

void TfrmZZI000::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ParentChange)
        m_closeKey->setEnabled(!isHosted());
    QWidget::changeEvent(event);
}

void TfrmZZI000::FormCreate()
{
    stbMessage->setText(0, m_programId);
    stbMessage->setText(2, QStringLiteral("사용자 : ") + gEmpName);
    readRole();
}

void TfrmZZI000::readRole()
{
    const QString iniName = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".ini");
    const QSettings ini(gAppDir + iniName, QSettings::IniFormat);
    const int type = ini.value(QStringLiteral("Role/Type"), 0).toInt();
    const QString code = ini.value(QStringLiteral("Role/Code")).toString();
    const QString name = ini.value(QStringLiteral("Role/Name")).toString();
    QString label;
    switch (type) {
    case 1:
        gRoleSiteCode = code, gRoleSiteName = name, label = QStringLiteral("사업장 - ");
        break;
    case 2:
        gRoleTeamCode = code, gRoleTeamName = name, label = QStringLiteral("팀 - ");
        break;
    case 3:
        gRoleOutletCode = code, gRoleOutletName = name, label = QStringLiteral("영업장 - ");
        break;
    default:
        return;
    }
    if (!name.isEmpty())
        stbMessage->setText(3, label + name);
}

void TfrmZZI000::ShowStatus(const QString &text) { stbMessage->setText(1, text); }

QString TfrmZZI000::statusText(int panel) const { return stbMessage->text(panel); }

bool TfrmZZI000::usable(const QAbstractButton *button, const QWidget *screen)
{
    return button && button->isVisibleTo(const_cast<QWidget *>(screen)) && button->isEnabled();
}

void TfrmZZI000::SetEditColor(QWidget *control, bool entering)
{
    const bool editLike = qobject_cast<QLineEdit *>(control) || qobject_cast<QPlainTextEdit *>(control)
        || qobject_cast<QTextEdit *>(control) || qobject_cast<QAbstractSpinBox *>(control);
    const bool combo = qobject_cast<QComboBox *>(control);
    if (!editLike && !combo)
        return;
    bool readOnly = false;
    if (auto *e = qobject_cast<QLineEdit *>(control))
        readOnly = e->isReadOnly();
    QPalette p = control->palette();
    QColor colour = entering ? QPalette().color(QPalette::ToolTipBase) : QColor(Qt::white);
    if (!combo && readOnly)
        colour = QColor(128, 128, 128);
    p.setColor(QPalette::Base, colour);
    control->setPalette(p);
}

bool TfrmZZI000::bbtCloseClick()
{
    if (!usable(bbtClose, this))
        return false;
    ShowStatus(QString());
    if (!isHosted()) {
        close();
        return true;
    }
    if (auto *host = dynamic_cast<TabHost *>(window()))
        host->closeActiveTab();
    return true;
}

void TfrmZZI000::closeEvent(QCloseEvent *event)
{
    if (!isHosted()) {
        event->accept();
        return;
    }
    // Hosted: the tab goes, and the screen with it.
    event->ignore();
    if (auto *host = dynamic_cast<TabHost *>(window()))
        host->removeActiveTab();
}

#include "moc_ZZI000.cpp"
