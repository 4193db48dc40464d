#include "framework/ZOI010.h"
#include "db/Query.h"
#include "framework/ErrorDisplay.h"
#include "framework/ExcelExport.h"
#include "framework/Lookups.h"
#include "session/Session.h"
#include "session/Database.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

db::Connection &ScreenConnection() { return dbsDB(); }

namespace {

QToolButton *navButton(QWidget *parent, const QString &name, const QString &hint, Qt::ArrowType arrow)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->setArrowType(arrow);
    b->setFixedSize(25, 25);
    return b;
}

} // namespace

TfrmZOI010::TfrmZOI010(const QString &programId, QWidget *parent) : TfrmZZI010(programId, parent)
{
    QFont f(QStringLiteral("NanumGothicCoding"));
    f.setPixelSize(12);
    setFont(f);

    // Navigation at the left of the button bar, then the optional and the entry buttons.
    auto *bar = static_cast<QHBoxLayout *>(panButtons->layout());
    sbtFirst = navButton(panButtons, QStringLiteral("sbtFirst"), QStringLiteral("처음 자료"), Qt::UpArrow);
    sbtPrior = navButton(panButtons, QStringLiteral("sbtPrior"), QStringLiteral("앞 자료"), Qt::LeftArrow);
    sbtNext = navButton(panButtons, QStringLiteral("sbtNext"), QStringLiteral("다음 자료"), Qt::RightArrow);
    sbtLast = navButton(panButtons, QStringLiteral("sbtLast"), QStringLiteral("마지막 자료"), Qt::DownArrow);
    int at = 0;
    for (QToolButton *b : {sbtFirst, sbtPrior, sbtNext, sbtLast})
        bar->insertWidget(at++, b);
    bbtExcel = addButton(QStringLiteral("bbtExcel"), QStringLiteral("엑셀"), bbtSave);
    bbtPrint = addButton(QStringLiteral("bbtPrint"), QStringLiteral("출력(F11)"), bbtSave);
    bbtPreview = addButton(QStringLiteral("bbtPreview"), QStringLiteral("미리보기"), bbtSave);
    bbtAdd = addButton(QStringLiteral("bbtAdd"), QStringLiteral("신규(F4)"), bbtSave);
    bbtEdit = addButton(QStringLiteral("bbtEdit"), QStringLiteral("수정(F5)"), bbtSave);
    bbtDelete = addButton(QStringLiteral("bbtDelete"), QStringLiteral("삭제(F9)"), bbtSave);
    for (QPushButton *b : {bbtExcel, bbtPrint, bbtPreview})
        b->hide();

    panMaster = new QFrame(this);
    panMaster->setObjectName(QStringLiteral("panMaster"));
    panMaster->setFixedHeight(45);
    panMaster->setFrameShape(QFrame::StyledPanel);
    panMaster->setFrameShadow(QFrame::Sunken);
    m_masterLayout = new QHBoxLayout(panMaster);
    m_masterLayout->setContentsMargins(6, 4, 6, 4);
    m_rootLayout->insertWidget(1, panMaster);

    auto *mainLayout = new QHBoxLayout(panMain);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    panDisplay = new QWidget(panMain);
    panDisplay->setObjectName(QStringLiteral("panDisplay"));
    panInput = new QFrame(panMain);
    panInput->setObjectName(QStringLiteral("panInput"));
    panInput->setFixedWidth(364);
    panInput->setFrameShape(QFrame::StyledPanel);
    mainLayout->addWidget(panDisplay, 1);
    mainLayout->addWidget(panInput);

    auto *displayLayout = new QVBoxLayout(panDisplay);
    displayLayout->setContentsMargins(0, 0, 0, 0);
    displayLayout->setSpacing(0);
    panRecordCount = new QFrame(panDisplay);
    panRecordCount->setObjectName(QStringLiteral("panRecordCount"));
    panRecordCount->setFixedHeight(22);
    auto *countLayout = new QHBoxLayout(panRecordCount);
    countLayout->setContentsMargins(4, 0, 4, 0);
    countLayout->addStretch(1);
    panRecordCnt = new QLabel(panRecordCount);
    panRecordCnt->setObjectName(QStringLiteral("panRecordCnt"));
    countLayout->addWidget(panRecordCnt);
    displayLayout->addWidget(panRecordCount);

    connect(bbtAdd, &QPushButton::clicked, this, [this] { bbtAddClick(); });
    connect(bbtEdit, &QPushButton::clicked, this, [this] { bbtEditClick(); });
    connect(bbtDelete, &QPushButton::clicked, this, [this] { bbtDeleteClick(); });
    connect(sbtFirst, &QToolButton::clicked, this, [this] { sbtFirstClick(); });
    connect(sbtPrior, &QToolButton::clicked, this, [this] { sbtPriorClick(); });
    connect(sbtNext, &QToolButton::clicked, this, [this] { sbtNextClick(); });
    connect(sbtLast, &QToolButton::clicked, this, [this] { sbtLastClick(); });
    OnUserAction(bbtExcel, &QPushButton::clicked, this, [this] { bbtExcelClick(); });
    addHotKey(QStringLiteral("N1"), Qt::Key_F4, [this] { bbtAddClick(); });
    addHotKey(QStringLiteral("N2"), Qt::Key_F5, [this] { bbtEditClick(); });
    addHotKey(QStringLiteral("N3"), Qt::Key_F9, [this] { bbtDeleteClick(); });
}

void TfrmZOI010::FormCreate()
{
    stbMessage->setText(0, programId());
    stbMessage->setText(2, QStringLiteral("사용자 : ") + gEmpName);
    HookControls(this);
    WorkMode = wmBrowse;
    RecordCount = 0;
    glEnabledCheck();
}

void TfrmZOI010::HookControls(QWidget *container)
{
    HookFieldControls(container, this, hook::Fields | hook::Memos | hook::Grids, stbMessage);
}

void TfrmZOI010::InstallLookups(const QList<Lookup> &lookups)
{
    if (!m_lookups)
        m_lookups = new Lookups(this, [this] { return WorkMode == wmEdit || WorkMode == wmInsert; });
    for (const Lookup &lookup : lookups)
        m_lookups->install(lookup);
}

TPopupBtn *TfrmZOI010::PopupBtn(const QString &objectName) const
{
    return m_lookups ? m_lookups->button(objectName) : nullptr;
}

bool TfrmZOI010::eventFilter(QObject *watched, QEvent *event)
{
    return m_fieldEvents.filter(watched, event);
}

void TfrmZOI010::glOnEnterEvent(QWidget *control)
{
    SetFocusColor(control, Qt::yellow);
    if (m_lookups)
        m_lookups->entered(control);
}

void TfrmZOI010::glOnExitEvent(QWidget *control)
{
    SetFocusColor(control, palette().color(QPalette::Base));
    if (m_lookups)
        m_lookups->left(control);
}

bool TfrmZOI010::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (qobject_cast<QAbstractItemView *>(control))
        return false;   // the screen decides what keys do in a grid
    if (m_lookups && m_lookups->keyDown(control, event))
        return true;
    MoveFocusByKey(this, control, event);
    return false;
}

void TfrmZOI010::glOnKeyPress(QWidget *, QKeyEvent *) {}

void TfrmZOI010::glEnabledCheck()
{
    const bool editing = WorkMode == wmEdit || WorkMode == wmInsert;
    const bool rows = RecordCount != 0;
    bbtAdd->setEnabled(!editing);
    bbtEdit->setEnabled(rows && !editing);
    bbtDelete->setEnabled(rows && !editing);
    bbtSave->setEnabled(editing);
    bbtCancel->setEnabled(editing);
    bbtSearch->setEnabled(!editing);
    panInput->setEnabled(editing);
    panDisplay->setEnabled(!editing);
    for (QToolButton *b : {sbtFirst, sbtPrior, sbtNext, sbtLast})
        b->setEnabled(rows && !editing);
    bbtPrint->setEnabled(rows);
    bbtPreview->setEnabled(rows);
    // The focus must not stay in (or be lost with) a panel that was just locked.
    QWidget *focus = QApplication::focusWidget();
    if (isVisible() && (!focus || (isAncestorOf(focus) && !focus->isEnabled())))
        FocusFirstIn(editing ? panInput : panDisplay);
}

QString TfrmZOI010::GetSystemDate() { return ServerDate(); }

void TfrmZOI010::ClearPanel(QWidget *panel)
{
    if (!panel || !(qobject_cast<QFrame *>(panel) || qobject_cast<QGroupBox *>(panel) || panel->metaObject() == &QWidget::staticMetaObject))
        return;
    for (QObject *child : panel->children()) {
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(child)) {
            spin->clear();
        } else if (auto *number = qobject_cast<widgets::NumEdit *>(child)) {
            number->setValue(0);   // its value, not only its text: focus shows the value again
        } else if (auto *line = qobject_cast<QLineEdit *>(child)) {
            line->clear();
        } else if (auto *memo = qobject_cast<QPlainTextEdit *>(child)) {
            memo->clear();
        } else if (auto *text = qobject_cast<QTextEdit *>(child)) {
            text->clear();
        } else if (auto *combo = qobject_cast<QComboBox *>(child)) {
            combo->setCurrentIndex(combo->count() > 0 ? 0 : -1);
        }
    }
}

void TfrmZOI010::ShowRecordCount()
{
    panRecordCnt->setText(QStringLiteral("RecordCount : %1").arg(RecordCount));
}

bool TfrmZOI010::guarded(const std::function<void()> &operation) { return RunUserAction(operation); }

bool TfrmZOI010::RunInTransaction(FailureForm form, const std::function<void()> &body)
{
    db::Connection &conn = ScreenConnection();
    try {
        db::Transaction tx(conn);
        body();
        tx.commit();
        return true;
    } catch (const std::exception &e) {
        // Even the quiet form tells the user that the server is gone.
        if (form == FailureForm::Reporting || IsConnectionLost(e))
            ShowStandardError(e);
        return false;
    }
}

bool TfrmZOI010::bbtAddClick()
{
    if (!usable(bbtAdd, this))
        return false;
    ShowStatus(QStringLiteral("[ 신규 ] 상태"));
    WorkMode = wmInsert;
    glEnabledCheck();
    return guarded([this] { glInsert(); });
}

bool TfrmZOI010::bbtEditClick()
{
    if (!usable(bbtEdit, this))
        return false;
    ShowStatus(QStringLiteral("[ 수정 ] 상태"));
    WorkMode = wmEdit;
    glEnabledCheck();
    return guarded([this] { glEdit(); });
}

bool TfrmZOI010::bbtDeleteClick()
{
    if (!usable(bbtDelete, this))
        return false;
    ShowStatus(QString());
    bool deleted = false;
    const bool ok = guarded([&] { deleted = glDelete(); });
    if (ok && deleted)
        ShowStatus(QStringLiteral("삭제가 완료 되었습니다"));
    glEnabledCheck();
    return ok;
}

// Unlike the other buttons, save leaves the status bar alone until it
// succeeds: a refused save keeps "[ 신규 ] 상태" in view.
bool TfrmZOI010::bbtSaveClick()
{
    if (!usable(bbtSave, this))
        return false;
    const bool wasEdit = WorkMode == wmEdit;
    SaveOK = false;
    if (!guarded([this] { glSave(); }) || !SaveOK)
        return false;
    WorkMode = wmBrowse;
    ShowStatus(wasEdit ? QStringLiteral("수정이 정상적으로 완료되었습니다.")
                       : QStringLiteral("신규 입력이 정상적으로 완료되었습니다."));
    glEnabledCheck();
    return true;
}

bool TfrmZOI010::bbtCancelClick()
{
    if (!usable(bbtCancel, this))
        return false;
    ShowStatus(QStringLiteral("작업이 취소 되었습니다."));
    const bool ok = guarded([this] { glCancel(); });
    WorkMode = wmBrowse;
    glEnabledCheck();
    return ok;
}

bool TfrmZOI010::bbtSearchClick()
{
    if (!usable(bbtSearch, this))
        return false;
    ShowStatus(QString());
    const bool ok = guarded([this] { glSelect(); });
    glEnabledCheck();
    return ok;
}

void TfrmZOI010::sbtFirstClick()
{
    if (!usable(sbtFirst, this) || !m_list)
        return;
    m_list->first();
    afterNavigate(true);
}

void TfrmZOI010::sbtPriorClick()
{
    if (!usable(sbtPrior, this) || !m_list)
        return;
    m_list->prior();
    afterNavigate(true);
}

void TfrmZOI010::sbtNextClick()
{
    if (!usable(sbtNext, this) || !m_list)
        return;
    m_list->next();
    afterNavigate(false);
}

void TfrmZOI010::sbtLastClick()
{
    if (!usable(sbtLast, this) || !m_list)
        return;
    m_list->last();
    afterNavigate(false);
}

void TfrmZOI010::afterNavigate(bool towardsStart)
{
    if (towardsStart && m_list->bof()) {
        sbtFirst->setEnabled(false);
        sbtPrior->setEnabled(false);
        sbtNext->setEnabled(true);
        sbtLast->setEnabled(true);
    } else if (!towardsStart && m_list->eof()) {
        sbtNext->setEnabled(false);
        sbtLast->setEnabled(false);
        sbtFirst->setEnabled(true);
        sbtPrior->setEnabled(true);
    } else {
        for (QToolButton *b : {sbtFirst, sbtPrior, sbtNext, sbtLast})
            b->setEnabled(true);
    }
}

void TfrmZOI010::setExcelGrid(widgets::GridBase *grid, const QString &subtitle)
{
    m_excelGrid = grid;
    m_excelSubtitle = subtitle;
}

void TfrmZOI010::bbtExcelClick()
{
    if (!usable(bbtExcel, this) || !m_excelGrid)
        return;
    if (auto *grid = qobject_cast<widgets::DataGrid *>(m_excelGrid.data()))
        ExportGridToExcel(grid, m_excelSubtitle, this);
    else if (auto *plain = qobject_cast<widgets::PlainGrid *>(m_excelGrid.data()))
        ExportGridToExcel(plain, m_excelSubtitle, this);
}

#include "moc_ZOI010.cpp"
