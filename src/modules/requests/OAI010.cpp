#include "modules/requests/OAI010.h"

#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/Controls.h"
#include "framework/Documents.h"
#include "framework/ErrorDisplay.h"
#include "framework/LineEditor.h"
#include "framework/PopupBtn.h"
#include "framework/PriceHistory.h"
#include "framework/SharedSql.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace requests;
using namespace kit;

namespace {

// Supplier and price of the item's latest inspection on or before the request date.
const char *const kLastPrice =
    "SELECT B.C_CODE, B.C_NAME, COALESCE(A.COST_AMT,0) COST "
    "  FROM OC010DT A LEFT JOIN VA050MS B ON B.C_CODE = A.C_CODE "
    " WHERE A.ITEM_CODE = :ITEM_CODE AND A.INSP_DATE <= :USE_DATE "
    " ORDER BY A.INSP_DATE DESC, A.INSP_NO DESC, A.INSP_SEQ DESC LIMIT 1";

const QColor kOrderedRow(0xA6, 0xCA, 0xF0);

QString numberText(double value) { return QString::number(value, 'g', 15); }

} // namespace

TfrmOAI010::TfrmOAI010(QWidget *parent) : TfrmZOI010(QStringLiteral("OAI010"), parent)
{
    setObjectName(QStringLiteral("frmOAI010"));
    setWindowTitle(QStringLiteral("구매의뢰 등록"));
    panMaster->hide();
    // The request list above, the request being entered below it.
    auto *main = static_cast<QBoxLayout *>(panMain->layout());
    main->setDirection(QBoxLayout::TopToBottom);
    panInput->setMinimumWidth(0);
    panInput->setMaximumWidth(QWIDGETSIZE_MAX);
    main->setStretchFactor(panDisplay, 2);
    main->setStretchFactor(panInput, 3);

    buildSearchPanel();

    cdsOA010MS = new widgets::RecordSet(this);
    cdsOA010MS->setObjectName(QStringLiteral("cdsOA010MS"));
    rdgOA010MS = new widgets::DataGrid(panDisplay);
    rdgOA010MS->setObjectName(QStringLiteral("rdgOA010MS"));
    rdgOA010MS->setRowSelect(true);
    rdgOA010MS->setColumns({
        // field            title          width
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
    buildHeader();
    auto *lines = new QWidget(panInput);
    buildLines(lines);
    inputLayout->addWidget(lines, 1);
    buildPrintMenus();

    connect(cdsOA010MS, &widgets::RecordSet::afterScroll, this, [this] { showCurrentRequest(); });
    connect(rdgOA010MS, &widgets::DataGrid::cellDoubleClicked, this, [this] {
        if (usable(bbtEdit, this))
            bbtEditClick();
    });

    FormCreate();
    installLookups();

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
    medPURC_DATE_S = DateBox(panSearch, "medPURC_DATE_S");
    medPURC_DATE_E = DateBox(panSearch, "medPURC_DATE_E");
    edtSTRG_CODE_S = CodeBox(panSearch, "edtSTRG_CODE_S", 3, 40);
    edtSTRG_CODE_NM_S = TextBox(panSearch, "edtSTRG_CODE_NM_S", 0, ReadOnly);
    edtDEPT_NAME = TextBox(panSearch, "edtDEPT_NAME", 0, ReadOnly, 50);
    edtPURC_NO_S = CodeBox(panSearch, "edtPURC_NO_S", 15, 120);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("의뢰기간"), {medPURC_DATE_S}),
        Labelled(QStringLiteral("~"), {medPURC_DATE_E}),
        Labelled(QStringLiteral("의뢰창고"), {edtSTRG_CODE_S, edtSTRG_CODE_NM_S, edtDEPT_NAME}),
        Labelled(QStringLiteral("의뢰번호"), {edtPURC_NO_S}),
    });
}

void TfrmOAI010::buildHeader()
{
    auto *header = new QFrame(panInput);
    header->setObjectName(QStringLiteral("panHeader"));
    header->setFrameShape(QFrame::StyledPanel);
    medPURC_DATE = DateBox(header, "medPURC_DATE");
    edtPURC_NO = TextBox(header, "edtPURC_NO", 15, ReadOnly, 120);
    edtSTRG_CODE = CodeBox(header, "edtSTRG_CODE", 3, 40);
    edtSTRG_CODE_NM = TextBox(header, "edtSTRG_CODE_NM", 0, ReadOnly);
    dbeDept_code = DbBox(header, cdsOA010MS, "DEPT_CODE", "dbeDept_code", 4, ReadOnly, 50);
    // The department comes with the warehouse; Enter passes over it, a
    // click opens it for another one.
    dbeDept_code_nm = DbBox(header, cdsOA010MS, "DEPT_CODE_NM", "dbeDept_code_nm", 100);
    dbeDept_code_nm->setFocusPolicy(Qt::ClickFocus);
    medPLAN_DATE = DateBox(header, "medPLAN_DATE");
    dbeREMARK_MS = DbBox(header, cdsOA010MS, "REMARK", "dbeREMARK_MS", 30);
    dbeCHAR_NAME = DbBox(header, cdsOA010MS, "CHAR_NAME", "dbeCHAR_NAME", 20);
    dbeCHAR_TEL = DbBox(header, cdsOA010MS, "CHAR_TEL", "dbeCHAR_TEL", 20);
    LabelledGrid(header, {
        {Labelled(QStringLiteral("의뢰일자"), {medPURC_DATE}), Labelled(QStringLiteral("의뢰번호"), {edtPURC_NO}),
         Labelled(QStringLiteral("창    고"), {edtSTRG_CODE, edtSTRG_CODE_NM}),
         Labelled(QStringLiteral("부    서"), {dbeDept_code, dbeDept_code_nm})},
        {Labelled(QStringLiteral("입고예정"), {medPLAN_DATE}), Labelled(QStringLiteral("내    역"), {dbeREMARK_MS}),
         Labelled(QStringLiteral("[ 의뢰 ] 담당"), {dbeCHAR_NAME}), Labelled(QStringLiteral("전화번호"), {dbeCHAR_TEL})},
    });
    panInput->layout()->addWidget(header);
    // The data-aware edits write themselves; these are the others.
    m_header = {{"PURC_DATE", medPURC_DATE}, {"PLAN_DATE", medPLAN_DATE}, {"PURC_NO", edtPURC_NO},
                {"STRG_CODE", edtSTRG_CODE}, {"STRG_CODE_NM", edtSTRG_CODE_NM}};
}

void TfrmOAI010::buildLines(QWidget *parent)
{
    using namespace widgets;
    auto *right = new QWidget(parent);
    right->setFixedWidth(364);
    // Created before the line grid so that Enter runs from the header into
    // the line input, not into the grid.
    auto *box = new QGroupBox(QStringLiteral("[ 구매의뢰 품목 ]"), right);
    box->setObjectName(QStringLiteral("grpLine"));
    edtITEM_CODE = TextBox(box, "edtITEM_CODE", 8, ReadOnly, 70);
    edtITEM_NAME = TextBox(box, "edtITEM_NAME", 100, Upper);
    edtITEM_STANDARD1 = TextBox(box, "edtITEM_STANDARD1", 0, ReadOnly);
    edtNEED_QTY = NumberBox(box, "edtNEED_QTY", 0, Positive);
    edtStock_Qty = NumberBox(box, "edtStock_Qty", 1, ReadOnly);
    edtQTY = NumberBox(box, "edtQTY", 1, ReadOnly);
    edtGUMAE_UNIT_NM = TextBox(box, "edtGUMAE_UNIT_NM", 0, ReadOnly, 50);
    edtESTI_AMT = NumberBox(box, "edtESTI_AMT", 4, Positive);
    chkEMER_CHK = CheckBox(box, "chkEMER_CHK", QStringLiteral("긴급발주"));
    chkEMER_CHK->setStyleSheet(QStringLiteral("color: red"));
    edtREMARK_DT = TextBox(box, "edtREMARK_DT", 30);
    edtC_CODE = TextBox(box, "edtC_CODE", 10, ReadOnly, 70);
    edtC_CODE_NM = TextBox(box, "edtC_CODE_NM", 0, ReadOnly);
    edtCOST_AMT = NumberBox(box, "edtCOST_AMT", 4, ReadOnly);
    btnLineAppend = makeButton(box, QStringLiteral("btnLineAppend"), QStringLiteral("추가"));
    btnLineDelete = makeButton(box, QStringLiteral("btnLineDelete"), QStringLiteral("삭제"));
    LabelledGrid(box, {
        {Labelled(QStringLiteral("품목코드"), {edtITEM_CODE, edtITEM_NAME}, 2)},
        {Labelled(QStringLiteral("규    격"), {edtITEM_STANDARD1}, 2)},
        {Labelled(QStringLiteral("필요수량"), {edtNEED_QTY}), Labelled(QStringLiteral("현 재 고"), {edtStock_Qty})},
        {Labelled(QStringLiteral("구매수량"), {edtQTY, edtGUMAE_UNIT_NM}, 2)},
        {Labelled(QStringLiteral("예상단가"), {edtESTI_AMT, chkEMER_CHK}, 2)},
        {Labelled(QStringLiteral("구매사유"), {edtREMARK_DT}, 2)},
        {Labelled(QStringLiteral("거 래 처"), {edtC_CODE, edtC_CODE_NM}, 2)},
        {Labelled(QStringLiteral("확정단가"), {edtCOST_AMT}, 2)},
        {Bare(ButtonRow(box, {btnLineAppend, btnLineDelete}), 2)},
    });
    auto *historyBox = new QGroupBox(QStringLiteral(" [ 최근 입고단가 정보 ] "), right);
    rdgHistory = new PriceHistory(historyBox);
    rdgHistory->setFocusPolicy(Qt::NoFocus);
    (new QVBoxLayout(historyBox))->addWidget(rdgHistory);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(box);
    rightLayout->addWidget(historyBox, 1);

    cdsOA010DT = new RecordSet(this);
    rgdOA010DT = new DataGrid(parent);
    rgdOA010DT->setObjectName(QStringLiteral("rgdOA010DT"));
    rgdOA010DT->setRowSelect(true);
    rgdOA010DT->setReadOnly(true);
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
    rgdOA010DT->setRecordSet(cdsOA010DT);
    rgdOA010DT->setFixedColumns(3);
    rgdOA010DT->setFooterCount(1);
    rgdOA010DT->setFooterTitle(0, QStringLiteral("갯수"));
    const int amountColumn = rgdOA010DT->columnIndex(QStringLiteral("AMT"));
    QFont bold = rgdOA010DT->font();
    bold.setBold(true);
    rgdOA010DT->setFooterFont(0, bold, amountColumn);
    rgdOA010DT->setFooterColor(0, Qt::blue, amountColumn);
    rgdOA010DT->setRowStyler([this](int row, CellStyle &style) {
        if (cdsOA010DT->value(row, QStringLiteral("ORDER_SET_YN")).toString() == QLatin1String("Y"))
            style.background = kOrderedRow;
    });
    const int emerColumn = rgdOA010DT->columnIndex(QStringLiteral("EMER_CHK"));
    rgdOA010DT->setCellStyler([this, emerColumn](int col, int row, CellStyle &style) {
        if (col == emerColumn && cdsOA010DT->value(row, QStringLiteral("EMER_CHK")).toString() == QLatin1String("Y"))
            style.background = Qt::red;
    });

    m_lines = new LineEditor(cdsOA010DT, rgdOA010DT,
        {{"ITEM_CODE", edtITEM_CODE}, {"ITEM_NAME", edtITEM_NAME}, {"ITEM_STANDARD1", edtITEM_STANDARD1},
         {"NEED_QTY", edtNEED_QTY, 1}, {"QTY", edtQTY, 1}, {"GUMAE_UNIT_NM", edtGUMAE_UNIT_NM},
         {"COST_AMT", edtCOST_AMT}, {"ESTI_AMT", edtESTI_AMT}, {"C_CODE", edtC_CODE}, {"C_CODE_NM", edtC_CODE_NM},
         {"REMARK", edtREMARK_DT}, {"STOCK_QTY", edtStock_Qty}, {"EMER_CHK", chkEMER_CHK}},
        {.seq = QStringLiteral("PURC_SEQ"), .price = QStringLiteral("ESTI_AMT"), .amount = QStringLiteral("AMT"),
         .countColumn = QStringLiteral("EMER_CHK"), .sums = {QStringLiteral("AMT")},
         // The code itself is only chosen through the name; the purchase
         // quantity follows from the required one.
         .checks = {{[this] { return edtITEM_CODE->text().trimmed().size() == 8; },
                     QStringLiteral("품목코드는 반드시 입력하세요"), edtITEM_NAME},
                    {[this] { return edtQTY->value() > 0; }, QStringLiteral("수량을 반드시 입력하세요"), edtNEED_QTY}},
         .entryFocus = edtITEM_NAME},
        this);
    connect(m_lines, &LineEditor::lineShown, this, [this](int row) {
        if (row < 0 || !m_lines->isLine(row)) {
            rdgHistory->showItem(ScreenConnection(), QString());
            return;
        }
        try {
            rdgHistory->showItem(ScreenConnection(), edtITEM_CODE->text());
        } catch (const std::exception &e) {
            ShowStandardError(e);
        }
    });
    OnUserAction(btnLineAppend, &QPushButton::clicked, this, [this] {
        if (WorkMode != wmBrowse)
            m_lines->apply();
    });
    OnUserAction(btnLineDelete, &QPushButton::clicked, this, [this] {
        if (WorkMode != wmBrowse)
            m_lines->removeCurrent();
    });

    auto *layout = new QHBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rgdOA010DT, 1);
    layout->addWidget(right);
}

void TfrmOAI010::installLookups()
{
    InstallLookups({
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE_S"),
                          {QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("edtSTRG_CODE_NM_S"), QStringLiteral("edtDEPT_NAME")},
                          true),
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE"),
                          {QStringLiteral("edtSTRG_CODE"), QStringLiteral("edtSTRG_CODE_NM"), QStringLiteral("dbeDept_code"),
                           QStringLiteral("dbeDept_code_nm")},
                          true, {.focusAfter = QStringLiteral("medPLAN_DATE")}),
        lookup::Department(QStringLiteral("pbtnDEPT_CODE"), {QStringLiteral("dbeDept_code"), QStringLiteral("dbeDept_code_nm")}),
        lookup::Item(QStringLiteral("pbtnITEM_CODE"),
                     {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD1"),
                      QStringLiteral("edtGUMAE_UNIT_NM")},
                     {.afterPick = [this](TPopupBtn &) { itemChosen(); },
                      .afterClear = [this] { ClearFields({edtCOST_AMT, edtStock_Qty}); }}),
        lookup::Supplier(QStringLiteral("pbtnC_CODE"), {QStringLiteral("edtC_CODE"), QStringLiteral("edtC_CODE_NM")}, false,
                         {.afterClear = [this] { ClearFields({edtCOST_AMT}); }}),
    });
    // Suppliers and confirmed prices come from quotations, not from here.
    PopupBtn(QStringLiteral("pbtnC_CODE"))->setEnabled(false);
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
    RecordCount = OpenRequestHeaders(*cdsOA010MS, medPURC_DATE_S->dateText(), medPURC_DATE_E->dateText(),
                                     edtSTRG_CODE_S->text(), edtPURC_NO_S->text());
    rdgOA010MS->showRowCount(0, 0);
    ShowRecordCount();
    if (RecordCount == 0)
        showCurrentRequest();
}

void TfrmOAI010::showCurrentRequest()
{
    if (cdsOA010MS->state() == widgets::RecordSet::Insert)
        return;
    const int row = cdsOA010MS->currentRow();
    m_header.read(*cdsOA010MS, row);
    try {
        if (row < 0)
            m_lines->clear();
        else
            m_lines->load(ScreenConnection(), RequestLinesSql(), KeyParams(currentKey()));
    } catch (const std::exception &e) {
        ShowStandardError(e);
    }
}

// Stock, price history and the last price of the chosen item.
void TfrmOAI010::itemChosen()
{
    const QString item = edtITEM_CODE->text().trimmed();
    edtStock_Qty->setValue(GetStockQty(edtSTRG_CODE->text().trimmed(), item, medPURC_DATE->dateText(), ScreenConnection()));
    rdgHistory->showItem(ScreenConnection(), item);
    db::Query q(ScreenConnection(), QString::fromLatin1(kLastPrice));
    q.bind(QStringLiteral("ITEM_CODE"), item).bind(QStringLiteral("USE_DATE"), medPURC_DATE->dateText()).exec();
    const bool found = q.next();
    edtC_CODE->setText(found ? q.text(QStringLiteral("C_CODE")) : QString());
    edtC_CODE_NM->setText(found ? q.text(QStringLiteral("C_NAME")) : QString());
    edtCOST_AMT->setValue(found ? q.number(QStringLiteral("COST")) : 0);
    edtESTI_AMT->setValue(edtCOST_AMT->value());
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
    m_header.clear();
    m_lines->clear();
    m_lines->openEntryRow();
    const QString today = GetSystemDate();
    medPURC_DATE->setPlainText(today);
    medPLAN_DATE->setPlainText(today);
    medPURC_DATE->setFocus();
}

void TfrmOAI010::glEdit()
{
    TfrmZOI010::glEdit();
    try {
        RequestGate().check(ScreenConnection(), KeyParams(currentKey()), GateAction::Edit);
    } catch (const EUserExcept &) {
        WorkMode = wmBrowse;
        glEnabledCheck();
        throw;
    }
    m_editKey = currentKey();
    cdsOA010MS->edit();
    m_lines->openEntryRow();
    setHeaderLocked(true);
    medPLAN_DATE->setFocus();
}

QVector<RequestLine> TfrmOAI010::enteredLines() const
{
    QVector<RequestLine> lines;
    for (int row : m_lines->lineRows()) {
        const auto text = [&](const char *field) { return m_lines->text(row, QLatin1String(field)); };
        const auto number = [&](const char *field) { return numberText(m_lines->number(row, QLatin1String(field))); };
        lines.append({text("ITEM_CODE"), number("QTY"), number("NEED_QTY"), text("C_CODE"), number("COST_AMT"),
                      number("ESTI_AMT"), text("REMARK"), text("EMER_CHK"), number("STOCK_QTY")});
    }
    return lines;
}

void TfrmOAI010::glSave()
{
    TfrmZOI010::glSave();
    if (!AllHold({{IsFilled(medPURC_DATE), QStringLiteral("의뢰일자는 반드시 입력하세요"), medPURC_DATE},
                  {IsFilled(edtSTRG_CODE), QStringLiteral("의뢰창고는 반드시 입력하세요"), edtSTRG_CODE}}))
        return;
    const QVector<RequestLine> lines = enteredLines();
    if (lines.isEmpty()) {
        ShowInfo(QStringLiteral("구매의뢰 품목을 입력하세요"));
        m_lines->clear();
        m_lines->openEntryRow();
        edtITEM_NAME->setFocus();
        return;
    }

    const bool inserting = WorkMode == wmInsert;
    const int row = cdsOA010MS->currentRow();
    // Drawn before the transaction: a failed save leaves a gap in the numbers.
    if (inserting)
        edtPURC_NO->setText(DrawDocumentNumber(ScreenConnection(), QStringLiteral("PU"), medPURC_DATE->dateText()));
    m_header.write(*cdsOA010MS, row);
    const auto field = [this](const char *name) { return cdsOA010MS->text(QLatin1String(name)); };
    const RequestHeader header{inserting ? RequestKey{field("PURC_DATE"), field("STRG_CODE"), QString()} : m_editKey,
                               field("PURC_NO"), field("PLAN_DATE"), field("CHAR_NAME"), field("CHAR_TEL"),
                               field("REMARK"), field("DEPT_CODE")};
    QString purcNum;
    try {
        db::Transaction tx(ScreenConnection());
        purcNum = WriteRequest(ScreenConnection(), header, lines, inserting);
        tx.commit();
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        abandonEdit();
        return;
    }
    medPURC_DATE_S->setFocus();
    if (inserting) {
        cdsOA010MS->setValue(row, QStringLiteral("PURC_NUM"), purcNum.toDouble());
        cdsOA010MS->setValue(row, QStringLiteral("APPR_GUBUN"), QStringLiteral("3"));
        cdsOA010MS->setValue(row, QStringLiteral("APPR_GUBUN_NM"), sql::RequestStatusName(QStringLiteral("3")));
    }
    cdsOA010MS->post();
    RecordCount = cdsOA010MS->recordCount();
    ShowRecordCount();
    rdgOA010MS->showRowCount(0, 0);
    setHeaderLocked(false);
    SaveOK = true;
    showCurrentRequest();   // the lines as saved, numbered, without the entry row
}

void TfrmOAI010::abandonEdit()
{
    cdsOA010MS->cancel();
    WorkMode = wmBrowse;
    setHeaderLocked(false);
    ShowStatus(QString());
    glEnabledCheck();
    showCurrentRequest();
    medPURC_DATE_S->setFocus();
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
    RequestGate().check(ScreenConnection(), KeyParams(key), GateAction::Delete);
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    DeleteRequest(ScreenConnection(), key);
    cdsOA010MS->deleteRecord();
    RecordCount = cdsOA010MS->recordCount();
    ShowRecordCount();
    rdgOA010MS->showRowCount(0, 0);
    showCurrentRequest();
    return true;
}

// ---------------------------------------------------------------- fields and keys

void TfrmOAI010::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *date = qobject_cast<widgets::MaskEdit *>(control))
        CheckDateOnLeave(date);
    else if (control == edtNEED_QTY && WorkMode != wmBrowse)
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
    if (control == edtREMARK_DT && enter && WorkMode != wmBrowse) {
        m_lines->apply();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}

#include "moc_OAI010.cpp"
