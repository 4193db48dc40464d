#include "modules/requests/OAI010.h"

#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/ErrorDisplay.h"
#include "framework/PopupBtn.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/Format.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace requests;

namespace {

const char *const kDepartments =
    "SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM QA160MS WHERE USE_YN = 'Y' ORDER BY AFF_DEPT_NAME";

const char *const kItems =
    "SELECT A.ITEM_CODE, A.ITEM_NAME, A.ITEM_STANDARD1, "
    "       (SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'Z0025' AND Z.DETAIL = A.GUMAE_UNIT) GUMAE_UNIT_NM "
    "  FROM OX010MS A WHERE A.USE_YN = 'Y' ORDER BY A.ITEM_CODE";

const char *const kSuppliers = "SELECT C_CODE, C_NAME FROM VA050MS ORDER BY C_NAME";

// The receiving prices of the item, newest inspection first, over every
// warehouse and supplier.
const char *const kHistory =
    "SELECT A.INSP_DATE, B.C_CODE, B.C_NAME, A.COST_AMT FROM OC010DT A, VA050MS B "
    " WHERE A.C_CODE = B.C_CODE AND A.ITEM_CODE = :ITEM_CODE "
    " ORDER BY A.INSP_NO DESC, A.INSP_SEQ DESC LIMIT 5";

// Supplier and price of the item's latest inspection on or before the request date.
const char *const kLastPrice =
    "SELECT B.C_CODE, B.C_NAME, COALESCE(A.COST_AMT,0) COST "
    "  FROM OC010DT A LEFT JOIN VA050MS B ON B.C_CODE = A.C_CODE "
    " WHERE A.ITEM_CODE = :ITEM_CODE AND A.INSP_DATE <= :USE_DATE "
    " ORDER BY A.INSP_DATE DESC, A.INSP_NO DESC, A.INSP_SEQ DESC LIMIT 1";

const char *const kDeleteLines =
    "DELETE FROM OA010DT WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE AND PURC_NUM = :PURC_NUM";
const char *const kDeleteHeader =
    "DELETE FROM OA010MS WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE AND PURC_NUM = :PURC_NUM";

const QColor kOrderedRow(0xA6, 0xCA, 0xF0);

QLineEdit *lineEdit(QWidget *parent, const char *name, int maxLength = 0, bool readOnly = false)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    if (readOnly) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);   // Enter passes over what cannot be typed
    }
    return e;
}

void upperCase(QLineEdit *edit)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString &text) {
        if (text != text.toUpper()) {
            const int cursor = edit->cursorPosition();
            edit->setText(text.toUpper());
            edit->setCursorPosition(cursor);
        }
    });
}

widgets::NumEdit *numEdit(QWidget *parent, const char *name, int decimals, bool readOnly = false)
{
    auto *e = new widgets::NumEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setDecimals(decimals);
    if (readOnly) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
    }
    return e;
}

widgets::MaskEdit *dateBox(QWidget *parent, const char *name)
{
    auto *e = new widgets::MaskEdit(widgets::MaskEdit::Date, parent);
    e->setObjectName(QLatin1String(name));
    e->setFixedWidth(90);
    return e;
}

widgets::DbEdit *dbEdit(QWidget *parent, widgets::RecordSet *records, const char *field, const char *name,
                        int maxLength, bool readOnly = false)
{
    auto *e = new widgets::DbEdit(records, QLatin1String(field), parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    if (readOnly) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
    }
    return e;
}

QLabel *label(QWidget *parent, const QString &text, QWidget *buddy = nullptr)
{
    auto *l = new QLabel(text, parent);
    l->setBuddy(buddy);
    return l;
}

QString number(double value) { return QString::number(value, 'g', 15); }

} // namespace

TfrmOAI010::TfrmOAI010(QWidget *parent) : TfrmZOI010(QStringLiteral("OAI010"), parent)
{
    setObjectName(QStringLiteral("frmOAI010"));
    setWindowTitle(QStringLiteral("구매의뢰 등록"));
    panMaster->hide();
    // The request list above, the request being entered below it.
    static_cast<QBoxLayout *>(panMain->layout())->setDirection(QBoxLayout::TopToBottom);
    panInput->setMinimumWidth(0);
    panInput->setMaximumWidth(QWIDGETSIZE_MAX);
    static_cast<QBoxLayout *>(panMain->layout())->setStretchFactor(panDisplay, 2);
    static_cast<QBoxLayout *>(panMain->layout())->setStretchFactor(panInput, 3);

    buildSearchPanel();

    cdsOA010MS = new widgets::RecordSet(this);
    cdsOA010MS->setObjectName(QStringLiteral("cdsOA010MS"));
    rdgOA010MS = new widgets::DataGrid(panDisplay);
    rdgOA010MS->setObjectName(QStringLiteral("rdgOA010MS"));
    rdgOA010MS->setRowSelect(true);
    rdgOA010MS->setColumns({
        // field            title          width  format
        {"PURC_DATE",      "의뢰일자",       80},
        {"PURC_NUM",       "번호",            0},
        {"PURC_NO",        "의뢰번호",      110},
        {"APPR_GUBUN_NM",  "승인상태",       70},
        {"STRG_CODE",      "창고코드",       60},
        {"STRG_CODE_NM",   "창 고 명",      120},
        {"DEPT_CODE_NM",   "의뢰부서",      100},
        {"PLAN_DATE",      "입고예정",       80},
        {"CHAR_NAME",      "현업담당",       80},
        {"CHAR_TEL",       "연 락 처",      100},
        {"REMARK",         "비고",          180},
    });
    rdgOA010MS->setRecordSet(cdsOA010MS);
    rdgOA010MS->setFooterCount(1);
    rdgOA010MS->setFooterTitle(0, QStringLiteral("갯수"));
    panDisplay->layout()->addWidget(rdgOA010MS);
    setListRecords(cdsOA010MS);

    auto *inputLayout = new QVBoxLayout(panInput);
    inputLayout->setContentsMargins(4, 4, 4, 4);
    buildHeader(panInput);
    // Created before the line grid so that Enter runs from the header into
    // the line input, not into the grid.
    auto *lines = new QWidget(panInput);
    auto *linesLayout = new QHBoxLayout(lines);
    linesLayout->setContentsMargins(0, 0, 0, 0);
    auto *right = new QWidget(lines);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    right->setFixedWidth(364);
    rightLayout->addWidget(buildLineInput(right));
    auto *history = new QGroupBox(QStringLiteral(" [ 최근 입고단가 정보 ] "), right);
    auto *historyLayout = new QVBoxLayout(history);
    rdgHistory = new widgets::PlainGrid(history);
    rdgHistory->setObjectName(QStringLiteral("rdgHistory"));
    rdgHistory->setColumns({
        {"INSP_DATE",  "입고일자",    80},
        {"C_CODE",     "거래처코드",   0},
        {"C_NAME",     "거래처명",   130},
        {"COST_AMT",   "입고단가",    90, "#,##0.0000"},
    });
    rdgHistory->setFocusPolicy(Qt::NoFocus);
    historyLayout->addWidget(rdgHistory);
    rightLayout->addWidget(history, 1);
    buildLineGrid(lines);
    linesLayout->addWidget(rgdOA010DT, 1);
    linesLayout->addWidget(right);
    inputLayout->addWidget(lines, 1);

    buildPrintMenus();

    connect(cdsOA010MS, &widgets::RecordSet::afterScroll, this, [this] { showCurrentRequest(); });
    connect(rdgOA010MS, &widgets::DataGrid::cellDoubleClicked, this, [this] {
        if (usable(bbtEdit, this))
            bbtEditClick();
    });
    connect(rgdOA010DT, &widgets::PlainGrid::currentRowChanged, this, [this](int row) { copyLineToPanel(row); });
    connect(btnLineAppend, &QPushButton::clicked, this, [this] { btnLineAppendClick(); });
    connect(btnLineDelete, &QPushButton::clicked, this, [this] { btnLineDeleteClick(); });

    FormCreate();

    auto guardedPick = [this](const std::function<void()> &work) {
        try {
            work();
        } catch (const std::exception &e) {
            ShowStandardError(e);
        }
    };
    InstallLookups({
        WarehouseLookup(QStringLiteral("pbtnSTRG_CODE_S"),
                        {QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("edtSTRG_CODE_NM_S"), QStringLiteral("edtDEPT_NAME")},
                        true),
        WarehouseLookup(QStringLiteral("pbtnSTRG_CODE"),
                        {QStringLiteral("edtSTRG_CODE"), QStringLiteral("edtSTRG_CODE_NM"), QStringLiteral("dbeDept_code"),
                         QStringLiteral("dbeDept_code_nm")},
                        true, {.focusAfter = QStringLiteral("medPLAN_DATE")}),
        {QStringLiteral("pbtnDEPT_CODE"), {QStringLiteral("dbeDept_code"), QStringLiteral("dbeDept_code_nm")},
         QString::fromLatin1(kDepartments), QStringLiteral("AFF_DEPT_NAME"), TypedIn::Name,
         {QStringLiteral("부서코드"), QStringLiteral("부서명")}, {QStringLiteral("8"), QStringLiteral("30")}},
        {QStringLiteral("pbtnITEM_CODE"),
         {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD1"),
          QStringLiteral("edtGUMAE_UNIT_NM")},
         QString::fromLatin1(kItems), QStringLiteral("A.ITEM_NAME"), TypedIn::Name,
         {QStringLiteral("품목코드"), QStringLiteral("품목명"), QStringLiteral("규격"), QStringLiteral("단위")},
         {QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("20"), QStringLiteral("6")},
         {.afterPick = [this, guardedPick](TPopupBtn &) { guardedPick([this] { itemChosen(); }); },
          .afterClear = [this] {
              edtCOST_AMT->setValue(0);
              edtStock_Qty->setValue(0);
          }}},
        {QStringLiteral("pbtnC_CODE"), {QStringLiteral("edtC_CODE"), QStringLiteral("edtC_CODE_NM")},
         QString::fromLatin1(kSuppliers), QStringLiteral("C_NAME"), TypedIn::Name,
         {QStringLiteral("거래처코드"), QStringLiteral("거래처명")}, {QStringLiteral("10"), QStringLiteral("30")},
         {.afterClear = [this] { edtCOST_AMT->setValue(0); }}},
    });
    // Suppliers and confirmed prices come from quotations, not from here.
    PopupBtn(QStringLiteral("pbtnC_CODE"))->setEnabled(false);

    // Open both lists empty, with their columns in place.
    const QString today = GetSystemDate();
    medPURC_DATE_S->setPlainText(today);
    medPURC_DATE_E->setPlainText(today);
    medPURC_DATE->setPlainText(today);
    edtPURC_NO_S->setText(QStringLiteral("~~~~~~~~~~~~~~~"));
    try {
        glSelect();
    } catch (const std::exception &e) {
        ShowStandardError(e);
    }
    edtPURC_NO_S->clear();
    glEnabledCheck();
}

void TfrmOAI010::buildSearchPanel()
{
    medPURC_DATE_S = dateBox(panSearch, "medPURC_DATE_S");
    medPURC_DATE_E = dateBox(panSearch, "medPURC_DATE_E");
    edtSTRG_CODE_S = lineEdit(panSearch, "edtSTRG_CODE_S", 3);
    edtSTRG_CODE_S->setFixedWidth(40);
    upperCase(edtSTRG_CODE_S);
    edtSTRG_CODE_NM_S = lineEdit(panSearch, "edtSTRG_CODE_NM_S", 0, true);
    edtDEPT_NAME = lineEdit(panSearch, "edtDEPT_NAME", 0, true);
    edtDEPT_NAME->setFixedWidth(50);
    edtPURC_NO_S = lineEdit(panSearch, "edtPURC_NO_S", 15);
    edtPURC_NO_S->setFixedWidth(120);
    upperCase(edtPURC_NO_S);
    int at = 0;
    for (QWidget *w : std::initializer_list<QWidget *>{
             label(panSearch, QStringLiteral("의뢰기간"), medPURC_DATE_S), medPURC_DATE_S,
             label(panSearch, QStringLiteral("~")), medPURC_DATE_E,
             label(panSearch, QStringLiteral("의뢰창고"), edtSTRG_CODE_S), edtSTRG_CODE_S, edtSTRG_CODE_NM_S, edtDEPT_NAME,
             label(panSearch, QStringLiteral("의뢰번호"), edtPURC_NO_S), edtPURC_NO_S})
        m_searchLayout->insertWidget(at++, w);
}

void TfrmOAI010::buildHeader(QWidget *parent)
{
    auto *header = new QFrame(parent);
    header->setObjectName(QStringLiteral("panHeader"));
    header->setFrameShape(QFrame::StyledPanel);
    auto *rows = new QVBoxLayout(header);
    rows->setContentsMargins(6, 4, 6, 4);
    auto *first = new QHBoxLayout;
    auto *second = new QHBoxLayout;
    rows->addLayout(first);
    rows->addLayout(second);

    medPURC_DATE = dateBox(header, "medPURC_DATE");
    edtPURC_NO = lineEdit(header, "edtPURC_NO", 15, true);
    edtPURC_NO->setFixedWidth(120);
    edtSTRG_CODE = lineEdit(header, "edtSTRG_CODE", 3);
    edtSTRG_CODE->setFixedWidth(40);
    upperCase(edtSTRG_CODE);
    edtSTRG_CODE_NM = lineEdit(header, "edtSTRG_CODE_NM", 0, true);
    dbeDept_code = dbEdit(header, cdsOA010MS, "DEPT_CODE", "dbeDept_code", 4, true);
    dbeDept_code->setFixedWidth(50);
    // The department comes with the warehouse; Enter passes over it, a
    // click opens it for another one.
    dbeDept_code_nm = dbEdit(header, cdsOA010MS, "DEPT_CODE_NM", "dbeDept_code_nm", 100);
    dbeDept_code_nm->setFocusPolicy(Qt::ClickFocus);
    medPLAN_DATE = dateBox(header, "medPLAN_DATE");
    dbeREMARK_MS = dbEdit(header, cdsOA010MS, "REMARK", "dbeREMARK_MS", 30);
    auto *charge = new QGroupBox(QStringLiteral("[ 의뢰 ]"), header);
    auto *chargeLayout = new QHBoxLayout(charge);
    chargeLayout->setContentsMargins(6, 2, 6, 2);
    dbeCHAR_NAME = dbEdit(charge, cdsOA010MS, "CHAR_NAME", "dbeCHAR_NAME", 20);
    dbeCHAR_TEL = dbEdit(charge, cdsOA010MS, "CHAR_TEL", "dbeCHAR_TEL", 20);
    chargeLayout->addWidget(label(charge, QStringLiteral("담당"), dbeCHAR_NAME));
    chargeLayout->addWidget(dbeCHAR_NAME);
    chargeLayout->addWidget(label(charge, QStringLiteral("전화번호"), dbeCHAR_TEL));
    chargeLayout->addWidget(dbeCHAR_TEL);

    first->addWidget(label(header, QStringLiteral("의뢰일자"), medPURC_DATE));
    first->addWidget(medPURC_DATE);
    first->addWidget(label(header, QStringLiteral("의뢰번호"), edtPURC_NO));
    first->addWidget(edtPURC_NO);
    first->addWidget(label(header, QStringLiteral("창    고"), edtSTRG_CODE));
    first->addWidget(edtSTRG_CODE);
    first->addWidget(edtSTRG_CODE_NM, 1);
    first->addWidget(label(header, QStringLiteral("부    서"), dbeDept_code));
    first->addWidget(dbeDept_code);
    first->addWidget(dbeDept_code_nm, 1);
    second->addWidget(label(header, QStringLiteral("입고예정"), medPLAN_DATE));
    second->addWidget(medPLAN_DATE);
    second->addWidget(label(header, QStringLiteral("내    역"), dbeREMARK_MS));
    second->addWidget(dbeREMARK_MS, 1);
    second->addWidget(charge, 1);
    parent->layout()->addWidget(header);
}

QGroupBox *TfrmOAI010::buildLineInput(QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("[ 구매의뢰 품목 ]"), parent);
    box->setObjectName(QStringLiteral("grpLine"));
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(6, 4, 6, 4);
    auto row = [&](std::initializer_list<QWidget *> widgets) {
        auto *line = new QHBoxLayout;
        for (QWidget *w : widgets)
            line->addWidget(w);
        layout->addLayout(line);
        return line;
    };
    edtITEM_CODE = lineEdit(box, "edtITEM_CODE", 8, true);
    edtITEM_CODE->setFixedWidth(70);
    edtITEM_NAME = lineEdit(box, "edtITEM_NAME", 100);
    upperCase(edtITEM_NAME);
    edtITEM_STANDARD1 = lineEdit(box, "edtITEM_STANDARD1", 0, true);
    edtNEED_QTY = numEdit(box, "edtNEED_QTY", 0);
    edtStock_Qty = numEdit(box, "edtStock_Qty", 1, true);
    edtQTY = numEdit(box, "edtQTY", 1, true);
    edtGUMAE_UNIT_NM = lineEdit(box, "edtGUMAE_UNIT_NM", 0, true);
    edtGUMAE_UNIT_NM->setFixedWidth(50);
    edtESTI_AMT = numEdit(box, "edtESTI_AMT", 4);
    chkEMER_CHK = new QCheckBox(QStringLiteral("긴급발주"), box);
    chkEMER_CHK->setObjectName(QStringLiteral("chkEMER_CHK"));
    chkEMER_CHK->setStyleSheet(QStringLiteral("color: red"));
    edtREMARK_DT = lineEdit(box, "edtREMARK_DT", 30);
    edtC_CODE = lineEdit(box, "edtC_CODE", 10, true);
    edtC_CODE->setFixedWidth(70);
    edtC_CODE_NM = lineEdit(box, "edtC_CODE_NM", 0, true);
    edtCOST_AMT = numEdit(box, "edtCOST_AMT", 4, true);
    btnLineAppend = makeButton(box, QStringLiteral("btnLineAppend"), QStringLiteral("추가"));
    btnLineDelete = makeButton(box, QStringLiteral("btnLineDelete"), QStringLiteral("삭제"));

    row({label(box, QStringLiteral("품목코드"), edtITEM_NAME), edtITEM_CODE, edtITEM_NAME});
    row({label(box, QStringLiteral("규    격")), edtITEM_STANDARD1});
    row({label(box, QStringLiteral("필요수량"), edtNEED_QTY), edtNEED_QTY, label(box, QStringLiteral("현 재 고")), edtStock_Qty});
    row({label(box, QStringLiteral("구매수량")), edtQTY, edtGUMAE_UNIT_NM});
    row({label(box, QStringLiteral("예상단가"), edtESTI_AMT), edtESTI_AMT, chkEMER_CHK});
    row({label(box, QStringLiteral("구매사유"), edtREMARK_DT), edtREMARK_DT});
    row({label(box, QStringLiteral("거 래 처")), edtC_CODE, edtC_CODE_NM});
    row({label(box, QStringLiteral("확정단가")), edtCOST_AMT});
    auto *buttons = row({});
    buttons->addStretch(1);
    buttons->addWidget(btnLineAppend);
    buttons->addWidget(btnLineDelete);
    return box;
}

void TfrmOAI010::buildLineGrid(QWidget *parent)
{
    using namespace widgets;
    rgdOA010DT = new PlainGrid(parent);
    rgdOA010DT->setObjectName(QStringLiteral("rgdOA010DT"));
    rgdOA010DT->setRowSelect(true);
    rgdOA010DT->setColumns({
        // field            title          width  format          options
        {"PURC_SEQ",       "순번",            0},
        {"EMER_CHK",       "긴급",           36,  {},            col::Center},
        {"ITEM_CODE",      "품목코드",        0},
        {"ITEM_NAME",      "품 목 명",      160},
        {"ITEM_STANDARD1", "규    격",      100},
        {"NEED_QTY",       "",                0,  "#,##0"},
        {"COST_AMT",       "확정단가",        0,  "#,##0.0000"},
        {"GUMAE_UNIT_NM",  "단위",           40},
        {"QTY",            "구매수량",        70,  "#,##0.0"},
        {"ESTI_AMT",       "예상단가",        80,  "#,##0"},
        {"AMT",            "금    액",        90,  "#,##0"},
        {"C_CODE",         "",                0},
        {"C_CODE_NM",      "거래처명",        0},
        {"REMARK",         "비    고",      150},
        {"ORDER_SET_YN",   "발주확정",        0},
        {"STOCK_QTY",      "현재고",         60,  {},            col::Right},
    });
    rgdOA010DT->setFixedColumns(3);
    rgdOA010DT->setFooterCount(1);
    rgdOA010DT->setFooterTitle(0, QStringLiteral("갯수"));
    QFont bold = rgdOA010DT->font();
    bold.setBold(true);
    rgdOA010DT->setFooterFont(0, bold, lcAmt);
    rgdOA010DT->setFooterColor(0, Qt::blue, lcAmt);
    rgdOA010DT->setRowStyler([this](int row, CellStyle &style) {
        if (rgdOA010DT->cells(lcOrdered, row) == QLatin1String("Y"))
            style.background = kOrderedRow;
    });
    rgdOA010DT->setCellStyler([this](int col, int row, CellStyle &style) {
        if (col == lcEmer && rgdOA010DT->cells(lcEmer, row) == QLatin1String("Y"))
            style.background = Qt::red;
    });
}

void TfrmOAI010::buildPrintMenus()
{
    BitBtn1 = addButton(QStringLiteral("BitBtn1"), QStringLiteral("결의서 등록"), bbtSave);
    // The printouts and the resolution entry are other screens' work; their
    // entries are here so that the bar looks as the users know it.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(QStringLiteral("구매의뢰서"))->setObjectName(QStringLiteral("N4"));
    PopupMenu1->addAction(QStringLiteral("결   의   서"))->setObjectName(QStringLiteral("PR1"));
    PopupMenu1->addAction(QStringLiteral("공사 및 수선 결의서"))->setObjectName(QStringLiteral("N5"));
    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
    PopupMenu2->addAction(QStringLiteral("구매의뢰서"))->setObjectName(QStringLiteral("MenuItem1"));
    PopupMenu2->addAction(QStringLiteral("결   의   서"))->setObjectName(QStringLiteral("MenuItem2"));
    PopupMenu2->addAction(QStringLiteral("공사 및 수선 결의서"))->setObjectName(QStringLiteral("N6"));
    connect(bbtPreview, &QPushButton::clicked, this, [this] {
        if (usable(bbtPreview, this))
            PopupMenu1->popup(bbtPreview->mapToGlobal(QPoint(0, bbtPreview->height())));
    });
    connect(bbtPrint, &QPushButton::clicked, this, [this] {
        if (usable(bbtPrint, this))
            PopupMenu2->popup(bbtPrint->mapToGlobal(QPoint(0, bbtPrint->height())));
    });
    bbtPreview->show();
    bbtPrint->show();
}

// ---------------------------------------------------------------- showing

RequestKey TfrmOAI010::currentKey() const
{
    return {cdsOA010MS->text(QStringLiteral("PURC_DATE")), cdsOA010MS->text(QStringLiteral("STRG_CODE")),
            cdsOA010MS->text(QStringLiteral("PURC_NUM"))};
}

void TfrmOAI010::glSelect()
{
    TfrmZOI010::glSelect();
    rdgHistory->clearRows();
    rgdOA010DT->clearRows();
    RecordCount = OpenRequestHeaders(*cdsOA010MS, medPURC_DATE_S->dateText(), medPURC_DATE_E->dateText(),
                                     edtSTRG_CODE_S->text(), edtPURC_NO_S->text());
    rdgOA010MS->showRowCount(0, 0);
    ShowRecordCount();
}

void TfrmOAI010::showCurrentRequest()
{
    if (cdsOA010MS->state() == widgets::RecordSet::Insert)
        return;
    if (cdsOA010MS->currentRow() < 0) {
        medPURC_DATE->clear();
        medPLAN_DATE->clear();
        edtPURC_NO->clear();
        edtSTRG_CODE->clear();
        edtSTRG_CODE_NM->clear();
        rgdOA010DT->clearRows();
        updateLineFooter();
        clearLineInput();
        return;
    }
    medPURC_DATE->setPlainText(cdsOA010MS->text(QStringLiteral("PURC_DATE")));
    const QString plan = cdsOA010MS->text(QStringLiteral("PLAN_DATE"));
    if (plan.isEmpty())
        medPLAN_DATE->clear();
    else
        medPLAN_DATE->setPlainText(plan);
    edtPURC_NO->setText(cdsOA010MS->text(QStringLiteral("PURC_NO")));
    edtSTRG_CODE->setText(cdsOA010MS->text(QStringLiteral("STRG_CODE")));
    edtSTRG_CODE_NM->setText(cdsOA010MS->text(QStringLiteral("STRG_CODE_NM")));
    try {
        loadLines();
    } catch (const std::exception &e) {
        ShowStandardError(e);
    }
}

void TfrmOAI010::loadLines()
{
    LoadRequestLines(*rgdOA010DT, currentKey());
    updateLineFooter();
    rgdOA010DT->setCurrentRow(0);
    copyLineToPanel(rgdOA010DT->currentRow());
}

bool TfrmOAI010::isEmptyRow(int row) const { return rgdOA010DT->cells(lcSeq, row).isEmpty(); }

void TfrmOAI010::updateLineFooter()
{
    int count = 0;
    double amount = 0;
    for (int row = 0; row < rgdOA010DT->rowCount(); ++row) {
        if (rgdOA010DT->cells(lcItemCode, row).isEmpty())
            continue;
        ++count;
        amount += rgdOA010DT->cellNumber(lcAmt, row);
    }
    rgdOA010DT->setFooterText(0, lcEmer, widgets::formatNumber(count, QStringLiteral("#,##0")));
    rgdOA010DT->setFooterText(0, lcAmt, widgets::formatNumber(amount, QStringLiteral("#,##0")));
}

void TfrmOAI010::clearLineInput()
{
    for (QLineEdit *e : {edtITEM_CODE, edtITEM_NAME, edtITEM_STANDARD1, edtGUMAE_UNIT_NM, edtREMARK_DT, edtC_CODE,
                         edtC_CODE_NM})
        e->clear();
    edtNEED_QTY->setValue(1);
    edtQTY->setValue(1);
    edtStock_Qty->setValue(0);
    edtESTI_AMT->setValue(0);
    edtCOST_AMT->setValue(0);
    chkEMER_CHK->setChecked(false);
    rdgHistory->clearRows();
}

void TfrmOAI010::copyLineToPanel(int row)
{
    if (row < 0 || rgdOA010DT->cells(lcItemCode, row).isEmpty()) {
        clearLineInput();
        return;
    }
    const auto cell = [&](int col) { return rgdOA010DT->cells(col, row); };
    edtITEM_CODE->setText(cell(lcItemCode));
    edtITEM_NAME->setText(cell(lcItemName));
    edtITEM_STANDARD1->setText(cell(lcStandard));
    edtQTY->setValue(cell(lcQty).isEmpty() ? 1 : rgdOA010DT->cellNumber(lcQty, row));
    edtNEED_QTY->setValue(rgdOA010DT->cellNumber(lcNeedQty, row));
    edtGUMAE_UNIT_NM->setText(cell(lcUnit));
    edtCOST_AMT->setValue(rgdOA010DT->cellNumber(lcCostAmt, row));
    edtESTI_AMT->setValue(rgdOA010DT->cellNumber(lcEstiAmt, row));
    edtC_CODE->setText(cell(lcCCode));
    edtC_CODE_NM->setText(cell(lcCName));
    edtREMARK_DT->setText(cell(lcRemark));
    edtStock_Qty->setValue(widgets::parseNumber(cell(lcStock)));
    chkEMER_CHK->setChecked(cell(lcEmer) == QLatin1String("Y"));
    try {
        loadHistory(cell(lcItemCode));
    } catch (const std::exception &e) {
        ShowStandardError(e);
    }
}

void TfrmOAI010::loadHistory(const QString &itemCode)
{
    rdgHistory->clearRows();
    if (itemCode.trimmed().isEmpty())
        return;
    db::Query q(ScreenConnection(), QString::fromLatin1(kHistory));
    q.bind(QStringLiteral("ITEM_CODE"), itemCode.trimmed()).exec();
    FillGrid(*rdgHistory, q);
}

// pbtnITEM_CODEClick: stock, price history and the last price of the chosen item.
void TfrmOAI010::itemChosen()
{
    const QString item = edtITEM_CODE->text().trimmed();
    edtStock_Qty->setValue(GetStockQty(edtSTRG_CODE->text().trimmed(), item, medPURC_DATE->dateText(), ScreenConnection()));
    loadHistory(item);
    db::Query q(ScreenConnection(), QString::fromLatin1(kLastPrice));
    q.bind(QStringLiteral("ITEM_CODE"), item).bind(QStringLiteral("USE_DATE"), medPURC_DATE->dateText()).exec();
    if (q.next()) {
        edtC_CODE->setText(q.text(QStringLiteral("C_CODE")));
        edtC_CODE_NM->setText(q.text(QStringLiteral("C_NAME")));
        edtCOST_AMT->setValue(q.number(QStringLiteral("COST")));
        edtESTI_AMT->setValue(q.number(QStringLiteral("COST")));
    } else {
        edtC_CODE->clear();
        edtC_CODE_NM->clear();
        edtCOST_AMT->setValue(0);
        edtESTI_AMT->setValue(0);
    }
}

void TfrmOAI010::needQtyLeft()
{
    const double need = edtNEED_QTY->value();
    const double qty = need - edtStock_Qty->value();
    edtQTY->setValue(qty);
    if (qty > need) {
        ShowInfo(QStringLiteral("구매 수량을 확인해주세요."));
        // The focus is on its way to the next field; bring it back after.
        QTimer::singleShot(0, edtNEED_QTY, [this] { edtNEED_QTY->setFocus(Qt::OtherFocusReason); });
    }
}

// ---------------------------------------------------------------- lines

void TfrmOAI010::writeLine(int row)
{
    const double qty = edtQTY->value();
    const double esti = edtESTI_AMT->value();
    rgdOA010DT->setCells(lcSeq, row, QString::number(row + 1));
    rgdOA010DT->setCells(lcEmer, row, chkEMER_CHK->isChecked() ? QStringLiteral("Y") : QStringLiteral("N"));
    rgdOA010DT->setCells(lcItemCode, row, edtITEM_CODE->text().trimmed());
    rgdOA010DT->setCells(lcItemName, row, edtITEM_NAME->text().trimmed());
    rgdOA010DT->setCells(lcStandard, row, edtITEM_STANDARD1->text());
    rgdOA010DT->setCellNumber(lcQty, row, qty);
    rgdOA010DT->setCellNumber(lcNeedQty, row, edtNEED_QTY->value());
    rgdOA010DT->setCells(lcUnit, row, edtGUMAE_UNIT_NM->text());
    rgdOA010DT->setCellNumber(lcCostAmt, row, edtCOST_AMT->value());
    rgdOA010DT->setCellNumber(lcEstiAmt, row, esti);
    rgdOA010DT->setCellNumber(lcAmt, row, qty * esti);
    rgdOA010DT->setCells(lcCCode, row, edtC_CODE->text().trimmed());
    rgdOA010DT->setCells(lcCName, row, edtC_CODE_NM->text().trimmed());
    rgdOA010DT->setCells(lcRemark, row, edtREMARK_DT->text().trimmed());
    rgdOA010DT->setCells(lcStock, row, number(edtStock_Qty->value()));
}

void TfrmOAI010::btnLineAppendClick()
{
    if (WorkMode != wmInsert && WorkMode != wmEdit)
        return;
    const QString item = edtITEM_CODE->text().trimmed();
    if (item.size() != 8) {
        ShowInfo(QStringLiteral("품목코드는 반드시 입력하세요"));
        edtITEM_NAME->setFocus();   // the code itself is only chosen through the name
        return;
    }
    if (edtQTY->value() <= 0) {
        ShowInfo(QStringLiteral("수량을 반드시 입력하세요"));
        edtNEED_QTY->setFocus();    // the purchase quantity follows from the required one
        return;
    }
    int row = rgdOA010DT->currentRow();
    if (row < 0) {
        row = rgdOA010DT->appendRow();
    }
    if (isEmptyRow(row)) {
        int existing = -1;
        for (int r = 0; r < rgdOA010DT->rowCount() && existing < 0; ++r) {
            if (r != row && rgdOA010DT->cells(lcItemCode, r) == item)
                existing = r;
        }
        if (existing >= 0) {
            const double qty = rgdOA010DT->cellNumber(lcQty, existing) + edtQTY->value();
            rgdOA010DT->setCellNumber(lcQty, existing, qty);
            rgdOA010DT->setCellNumber(lcAmt, existing, qty * rgdOA010DT->cellNumber(lcEstiAmt, existing));
        } else {
            writeLine(row);
            rgdOA010DT->appendRow();
        }
    } else {
        writeLine(row);
    }
    updateLineFooter();
    const int last = rgdOA010DT->rowCount() - 1;
    rgdOA010DT->setCurrentRow(last);
    copyLineToPanel(last);
    edtITEM_NAME->setFocus();
}

void TfrmOAI010::btnLineDeleteClick()
{
    if (WorkMode != wmInsert && WorkMode != wmEdit)
        return;
    const int row = rgdOA010DT->currentRow();
    if (row < 0 || rgdOA010DT->cells(lcItemCode, row).isEmpty())
        return;
    rgdOA010DT->deleteRow(row);
    updateLineFooter();
    copyLineToPanel(rgdOA010DT->currentRow());
}

// ---------------------------------------------------------------- the cycle

void TfrmOAI010::setHeaderLocked(bool locked)
{
    medPURC_DATE->setReadOnly(locked);
    edtSTRG_CODE->setReadOnly(locked);
    if (TPopupBtn *b = PopupBtn(QStringLiteral("pbtnSTRG_CODE")))
        b->setEnabled(!locked);
}

void TfrmOAI010::glInsert()
{
    TfrmZOI010::glInsert();
    cdsOA010MS->append();
    rgdOA010DT->clearRows();
    rgdOA010DT->appendRow();
    updateLineFooter();
    const QString today = GetSystemDate();
    medPURC_DATE->setPlainText(today);
    medPLAN_DATE->setPlainText(today);
    edtPURC_NO->clear();
    edtSTRG_CODE->clear();
    edtSTRG_CODE_NM->clear();
    clearLineInput();
    medPURC_DATE->setFocus();
}

void TfrmOAI010::glEdit()
{
    TfrmZOI010::glEdit();
    const RequestState state = ReadRequestState(ScreenConnection(), currentKey());
    const auto refuse = [this](const QString &message) {
        WorkMode = wmBrowse;
        glEnabledCheck();
        throw EUserExcept(message);
    };
    if (state.apprGubun == QLatin1String("2"))
        refuse(QStringLiteral("구매의뢰 확정 처리된 자료는 수정 할 수 없습니다."));
    if (state.ordered)
        refuse(QStringLiteral("구매발주 처리된 자료는 수정 할 수 없습니다."));
    m_editKey = currentKey();
    cdsOA010MS->edit();
    rgdOA010DT->appendRow();
    setHeaderLocked(true);
    medPLAN_DATE->setFocus();
}

void TfrmOAI010::glSave()
{
    TfrmZOI010::glSave();
    if (medPURC_DATE->dateText().isEmpty()) {
        ShowInfo(QStringLiteral("의뢰일자는 반드시 입력하세요"));
        medPURC_DATE->setFocus();
        return;
    }
    if (edtSTRG_CODE->text().trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("의뢰창고는 반드시 입력하세요"));
        edtSTRG_CODE->setFocus();
        return;
    }
    QVector<RequestLine> lines;
    for (int row = 0; row < rgdOA010DT->rowCount(); ++row) {
        const auto cell = [&](int col) { return rgdOA010DT->cells(col, row); };
        if (cell(lcItemCode).trimmed().isEmpty())
            continue;
        lines.append({cell(lcItemCode), cell(lcQty), cell(lcNeedQty), cell(lcCCode), cell(lcCostAmt),
                      cell(lcEstiAmt), cell(lcRemark), cell(lcEmer), cell(lcStock).remove(QLatin1Char(','))});
    }
    if (lines.isEmpty()) {
        ShowInfo(QStringLiteral("구매의뢰 품목을 입력하세요"));
        rgdOA010DT->clearRows();
        rgdOA010DT->appendRow();
        updateLineFooter();
        edtITEM_NAME->setFocus();
        return;
    }

    const bool inserting = WorkMode == wmInsert;
    const QString purcDate = medPURC_DATE->dateText();
    if (inserting) {
        // Drawn before the transaction: a failed save leaves a gap in the numbers.
        const QString no = ScreenConnection()
                               .callProcedure(QStringLiteral("PR_GETADMINNO"),
                                              {{QStringLiteral("I_GUBUN"), QStringLiteral("PU")},
                                               {QStringLiteral("I_DATE"), QString(purcDate).remove(u'-').left(6)}})
                               .value(QStringLiteral("O_NO"));
        if (no.startsWith(QLatin1String("ERR"))) {
            ShowInfo(no);
            return;
        }
        edtPURC_NO->setText(no);
    }

    RequestHeader header;
    header.key = inserting ? RequestKey{purcDate, edtSTRG_CODE->text().trimmed(), QString()} : m_editKey;
    header.purcNo = edtPURC_NO->text().trimmed();
    header.planDate = medPLAN_DATE->dateText();
    header.charName = cdsOA010MS->text(QStringLiteral("CHAR_NAME"));
    header.charTel = cdsOA010MS->text(QStringLiteral("CHAR_TEL"));
    header.remark = cdsOA010MS->text(QStringLiteral("REMARK"));
    header.deptCode = cdsOA010MS->text(QStringLiteral("DEPT_CODE"));

    QString purcNum;
    const bool committed = RunInTransaction(FailureForm::Quiet, [&] {
        purcNum = WriteRequest(ScreenConnection(), header, lines, inserting);
    });
    medPURC_DATE_S->setFocus();
    if (!committed)
        return;

    cdsOA010MS->setValue(QStringLiteral("PLAN_DATE"), header.planDate.isEmpty() ? QVariant() : QVariant(header.planDate));
    if (inserting) {
        cdsOA010MS->setValue(QStringLiteral("PURC_DATE"), purcDate);
        cdsOA010MS->setValue(QStringLiteral("STRG_CODE"), header.key.strgCode);
        cdsOA010MS->setValue(QStringLiteral("STRG_CODE_NM"), edtSTRG_CODE_NM->text());
        cdsOA010MS->setValue(QStringLiteral("PURC_NUM"), purcNum.toDouble());
        cdsOA010MS->setValue(QStringLiteral("PURC_NO"), header.purcNo);
        cdsOA010MS->setValue(QStringLiteral("APPR_GUBUN"), QStringLiteral("3"));
        cdsOA010MS->setValue(QStringLiteral("APPR_GUBUN_NM"), ApprovalName(QStringLiteral("3")));
    }
    cdsOA010MS->post();
    RecordCount = cdsOA010MS->recordCount();
    ShowRecordCount();
    rdgOA010MS->showRowCount(0, 0);
    setHeaderLocked(false);
    SaveOK = true;
    showCurrentRequest();   // the lines as saved, numbered, without the entry row
}

void TfrmOAI010::glCancel()
{
    TfrmZOI010::glCancel();
    cdsOA010MS->cancel();
    setHeaderLocked(false);
    medPURC_DATE_S->setFocus();
    showCurrentRequest();
}

bool TfrmOAI010::glDelete()
{
    TfrmZOI010::glDelete();
    if (cdsOA010MS->currentRow() < 0)
        return false;
    const RequestKey key = currentKey();
    const RequestState state = ReadRequestState(ScreenConnection(), key);
    if (state.apprGubun == QLatin1String("2")) {
        ShowInfo(QStringLiteral("구매의뢰 확정 처리된 자료는 삭제할 수 없습니다."));
        return false;
    }
    if (state.ordered) {
        WorkMode = wmBrowse;
        throw EUserExcept(QStringLiteral("구매발주 처리된 자료는 수정 할 수 없습니다."));
    }
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    const bool committed = RunInTransaction(FailureForm::Quiet, [&] {
        for (const char *sql : {kDeleteLines, kDeleteHeader}) {
            db::Query q(ScreenConnection(), QString::fromLatin1(sql));
            q.bind(QStringLiteral("PURC_DATE"), key.purcDate)
                .bind(QStringLiteral("STRG_CODE"), key.strgCode)
                .bind(QStringLiteral("PURC_NUM"), key.purcNum)
                .exec();
        }
    });
    if (!committed)
        return false;
    cdsOA010MS->deleteRecord();
    RecordCount = cdsOA010MS->recordCount();
    ShowRecordCount();
    rdgOA010MS->showRowCount(0, 0);
    rgdOA010DT->clearRows();
    showCurrentRequest();
    return true;
}

// ---------------------------------------------------------------- fields and keys

void TfrmOAI010::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *date = qobject_cast<widgets::MaskEdit *>(control)) {
        if (!date->isReadOnly())
            CheckDateOnExit(date);
        return;
    }
    if (control == edtNEED_QTY && (WorkMode == wmInsert || WorkMode == wmEdit))
        needQtyLeft();
}

bool TfrmOAI010::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (control == rdgOA010MS) {
        if (enter) {
            if (usable(bbtEdit, this))
                bbtEditClick();
            return true;
        }
        if (event->key() == Qt::Key_Delete) {
            bbtDeleteClick();
            return true;
        }
    }
    if (control == edtREMARK_DT && enter && (WorkMode == wmInsert || WorkMode == wmEdit)) {
        btnLineAppendClick();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}
