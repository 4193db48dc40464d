#include "modules/orders/OBI010.h"

#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/Controls.h"
#include "framework/Documents.h"
#include "framework/ErrorDisplay.h"
#include "framework/LineEditor.h"
#include "framework/Lookups.h"
#include "framework/PriceHistory.h"
#include "framework/SharedSql.h"
#include "modules/orders/OBI011.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace orders;
using namespace kit;

namespace {

const QString kSelect = QStringLiteral(R"(SELECT A.ORDE_DATE, A.C_CODE,
  (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = A.C_CODE) C_CODE_NM,
  A.ORDE_NUM, A.PUT_DATE, A.ORDE_NO, A.ORDE_AMT, A.PURC_NO, A.ORDE_CHAR, A.ORDE_TEL, A.INSP_CHAR, A.INSP_TEL,
  A.DOCUMENT, A.GIVE_TERM, A.PAYM_TERM, A.DELI_TERM, A.REPA_TERM, A.APPR_GUBUN, %1 APPR_GUBUN_NM,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = B.STRG_CODE) STRG_CODE_NM, A.REMARK,
  B.STRG_CODE, (SELECT MAX(D.AFF_DEPT_NAME) FROM QA160MS D WHERE D.AFF_DEPT_CODE = B.DEPT_CODE) DEPT_CODE_NM
FROM OB010MS A LEFT JOIN OA010MS B ON B.PURC_NO = A.PURC_NO
WHERE A.ORDE_DATE BETWEEN :ORDE_DATE_S AND :ORDE_DATE_E
  AND A.C_CODE LIKE COALESCE(:C_CODE,'') || '%'
  AND A.ORDE_NO LIKE COALESCE(:ORDE_NO,'') || '%'
ORDER BY A.ORDE_DATE, A.C_CODE, A.ORDE_NUM)").arg(sql::OrderStatusNameSql(QStringLiteral("A.APPR_GUBUN")));

const QString kLines = QStringLiteral(R"(SELECT A.ORDE_SEQ, A.PURC_NO, A.PURC_SEQ, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.QTY,
  %1 GUMAE_UNIT_NM,
  A.COST_AMT, A.AMT, A.REMARK, A.PUT_END, A.PUT_QTY, A.ORDE_CANCEL, 0 STOCK_QTY, A.ORDE_SEQ OLD_SEQ,
  A.TAX_GUBUN, CASE A.TAX_GUBUN WHEN '1' THEN '1: 과  세' WHEN '2' THEN '2: 비과세' ELSE '' END TAX_GUBUN_NM,
  A.TAX_AMT, A.SUM_AMT
FROM OB010DT A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.ORDE_DATE = :ORDE_DATE AND A.C_CODE = :C_CODE AND A.ORDE_NUM = :ORDE_NUM
ORDER BY A.ORDE_SEQ)").arg(sql::UnitName(QStringLiteral("B.GUMAE_UNIT")));

} // namespace

TfrmOBI010::TfrmOBI010(QWidget *parent) : TfrmZOI010(QStringLiteral("OBI010"), parent)
{
    setObjectName(QStringLiteral("frmOBI010"));
    setWindowTitle(QStringLiteral("구매발주 등록"));
    buildSearchPanel();
    buildList();
    buildHeader();
    buildLines();
    auto *mainLayout = static_cast<QHBoxLayout *>(panMain->layout());
    mainLayout->removeWidget(panDisplay);
    auto *work = new QVBoxLayout;
    work->setSpacing(2);
    work->addWidget(panDisplay, 1);
    work->addWidget(panHeader);
    work->addWidget(rgdOB010DT, 1);
    mainLayout->insertLayout(0, work, 1);
    FormCreate();

    InstallLookups({
        lookup::Supplier(QStringLiteral("pbtnC_CODE_S"), {QStringLiteral("edtC_CODE_S"), QStringLiteral("edtC_CODE_NM_S")}, false),
        lookup::Supplier(QStringLiteral("pbtnC_CODE"), {QStringLiteral("edtC_CODE"), QStringLiteral("edtC_CODE_NM")}, true),
        lookup::Item(QStringLiteral("pbtnITEM_CODE"),
                     {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD1"),
                      QStringLiteral("edtGUMAE_UNIT_NM")},
                     {.afterPick = [this](TPopupBtn &) { itemChosen(); },
                      .afterClear = [this] {
                          ClearFields({edtStock_Qty});
                          rdgHistory->showItem(ScreenConnection(), QString());
                      }}),
    });

    const QString today = GetSystemDate();
    medORDE_DATE_S->setPlainText(today);
    medORDE_DATE_E->setPlainText(today);
    // The grids open empty: a search that cannot match, then the filter is cleared.
    edtORDE_NO_S->setText(QStringLiteral("~"));
    glSelect();
    edtORDE_NO_S->clear();
    setHeaderEditable(false, false);
    glEnabledCheck();
}

void TfrmOBI010::buildSearchPanel()
{
    medORDE_DATE_S = DateBox(panSearch, "medORDE_DATE_S");
    medORDE_DATE_E = DateBox(panSearch, "medORDE_DATE_E");
    edtC_CODE_S = TextBox(panSearch, "edtC_CODE_S", 10, ReadOnly, 70);
    edtC_CODE_NM_S = TextBox(panSearch, "edtC_CODE_NM_S");
    edtORDE_NO_S = CodeBox(panSearch, "edtORDE_NO_S", 15, 0);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("발주기간"), {medORDE_DATE_S}),
        Labelled(QStringLiteral("~"), {medORDE_DATE_E}),
        Labelled(QStringLiteral("거 래 처"), {edtC_CODE_NM_S, edtC_CODE_S}),
        Labelled(QStringLiteral("발주번호"), {edtORDE_NO_S}),
    });
}

void TfrmOBI010::buildList()
{
    using namespace widgets;
    cdsOB010MS = new RecordSet(this);
    rgdOB010MS = new DataGrid(panDisplay);
    rgdOB010MS->setObjectName(QStringLiteral("rgdOB010MS"));
    rgdOB010MS->setRecordSet(cdsOB010MS);
    rgdOB010MS->setReadOnly(true);
    rgdOB010MS->setRowSelect(true);
    rgdOB010MS->setColumns({
        {"ORDE_DATE", "발주일자", 80, "yyyy-mm-dd"},
        {"C_CODE", "거래처", 60},
        {"C_CODE_NM", "거래처명", 140},
        {"ORDE_NUM", "", 0},
        {"PUT_DATE", "납기예정", 80, "yyyy-mm-dd"},
        {"ORDE_NO", "발주번호", 100},
        {"ORDE_AMT", "금  액", 90, "#,##0"},
        {"PURC_NO", "의뢰번호", 100},
        {"ORDE_CHAR", "", 0}, {"ORDE_TEL", "", 0}, {"INSP_CHAR", "", 0}, {"INSP_TEL", "", 0}, {"DOCUMENT", "", 0},
        {"GIVE_TERM", "", 0}, {"PAYM_TERM", "", 0}, {"DELI_TERM", "", 0}, {"REPA_TERM", "", 0}, {"APPR_GUBUN", "", 0},
        {"APPR_GUBUN_NM", "확정구분", 70, {}, col::Center},
        {"STRG_CODE_NM", "의뢰창고", 100},
        {"REMARK", "비    고", 160},
    });
    rgdOB010MS->setFooterCount(1);
    rgdOB010MS->setFooterTitle(0, QStringLiteral("갯수"));
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOB010MS, 1);
    setListRecords(cdsOB010MS);
    OnUserAction(cdsOB010MS, &RecordSet::afterScroll, this, [this] { showCurrentOrder(); });
    connect(rgdOB010MS, &GridBase::cellDoubleClicked, this, [this] { bbtEditClick(); });
}

void TfrmOBI010::buildHeader()
{
    // Between the list and the lines; enabled while editing.
    panHeader = new QGroupBox(panMain);
    panHeader->setObjectName(QStringLiteral("panHeader"));
    medORDE_DATE = DateBox(panHeader, "medORDE_DATE");
    edtC_CODE = TextBox(panHeader, "edtC_CODE", 10, ReadOnly, 70);
    edtC_CODE_NM = TextBox(panHeader, "edtC_CODE_NM");
    medPUT_DATE = DateBox(panHeader, "medPUT_DATE");
    edtORDE_NO = TextBox(panHeader, "edtORDE_NO", 15, ReadOnly);
    edtREMARK_MS = TextBox(panHeader, "edtREMARK_MS", 100);
    edtORDE_CHAR = TextBox(panHeader, "edtORDE_CHAR", 30);
    edtORDE_TEL = TextBox(panHeader, "edtORDE_TEL", 30);
    edtINSP_CHAR = TextBox(panHeader, "edtINSP_CHAR", 30);
    edtINSP_TEL = TextBox(panHeader, "edtINSP_TEL", 30);
    edtGIVE_TERM = TextBox(panHeader, "edtGIVE_TERM", 30);
    edtPAYM_TERM = ComboBox(panHeader, "edtPAYM_TERM", {QStringLiteral("당사결재조건"), QStringLiteral("당월현금"),
                                                        QStringLiteral("익월현금"), QStringLiteral("60일어음"), QStringLiteral("90일어음")});
    edtDELI_TERM = ComboBox(panHeader, "edtDELI_TERM", {QStringLiteral("현장하차도"), QStringLiteral("현장도착도"), QString()});
    edtREPA_TERM = TextBox(panHeader, "edtREPA_TERM", 30);
    edtDOCUMENT = ComboBox(panHeader, "edtDOCUMENT", {QStringLiteral("세금계산서,거래명세표"),
                                                      QStringLiteral("세금계산서,거래명세표,통장사본"),
                                                      QStringLiteral("세금계산서,거래명세표,성적서")});
    edtPURC_NO = TextBox(panHeader, "edtPURC_NO", 15, ReadOnly);
    edtDEPT_CODE_NM = TextBox(panHeader, "edtDEPT_CODE_NM", 0, ReadOnly);
    edtSTRG_CODE_NM = TextBox(panHeader, "edtSTRG_CODE_NM", 0, ReadOnly);
    edtSTRG_CODE = TextBox(panHeader, "edtSTRG_CODE", 3, ReadOnly);
    edtSTRG_CODE->hide();
    bbtPurcSerch = makeButton(panHeader, QStringLiteral("bbtPurcSerch"), QStringLiteral("구매의뢰 내역 조회"));
    bbtPurcSerch->setFixedWidth(130);
    OnUserAction(bbtPurcSerch, &QPushButton::clicked, this, [this] { bbtPurcSerchClick(); });
    LabelledGrid(panHeader, {
        {Labelled(QStringLiteral("발주일자"), {medORDE_DATE}), Labelled(QStringLiteral("거 래 처"), {edtC_CODE, edtC_CODE_NM}),
         Labelled(QStringLiteral("납기예정"), {medPUT_DATE}), Labelled(QStringLiteral("발주번호"), {edtORDE_NO})},
        {Labelled(QStringLiteral("[ 발주 ] 담당"), {edtORDE_CHAR}), Labelled(QStringLiteral("전화번호"), {edtORDE_TEL}),
         Labelled(QStringLiteral("[ 검수 ] 담당"), {edtINSP_CHAR}), Labelled(QStringLiteral("전화번호"), {edtINSP_TEL})},
        {Labelled(QStringLiteral("납    기"), {edtGIVE_TERM}), Labelled(QStringLiteral("지불조건"), {edtPAYM_TERM}),
         Labelled(QStringLiteral("인도조건"), {edtDELI_TERM}), Labelled(QStringLiteral("하자기간"), {edtREPA_TERM})},
        {Labelled(QStringLiteral("구비서류"), {edtDOCUMENT}), Labelled(QStringLiteral("비    고"), {edtREMARK_MS}),
         Bare(bbtPurcSerch)},
        {Labelled(QStringLiteral("의뢰번호"), {edtPURC_NO}), Labelled(QStringLiteral("의뢰부서"), {edtDEPT_CODE_NM}),
         Labelled(QStringLiteral("의뢰창고"), {edtSTRG_CODE, edtSTRG_CODE_NM})},
    });
    m_header = {{"ORDE_DATE", medORDE_DATE}, {"C_CODE", edtC_CODE}, {"C_CODE_NM", edtC_CODE_NM},
                {"PUT_DATE", medPUT_DATE}, {"ORDE_NO", edtORDE_NO}, {"REMARK", edtREMARK_MS},
                {"ORDE_CHAR", edtORDE_CHAR}, {"ORDE_TEL", edtORDE_TEL}, {"INSP_CHAR", edtINSP_CHAR},
                {"INSP_TEL", edtINSP_TEL}, {"GIVE_TERM", edtGIVE_TERM}, {"PAYM_TERM", edtPAYM_TERM},
                {"DELI_TERM", edtDELI_TERM}, {"REPA_TERM", edtREPA_TERM}, {"DOCUMENT", edtDOCUMENT},
                {"PURC_NO", edtPURC_NO}, {"DEPT_CODE_NM", edtDEPT_CODE_NM}, {"STRG_CODE", edtSTRG_CODE},
                {"STRG_CODE_NM", edtSTRG_CODE_NM}};
}

void TfrmOBI010::buildLines()
{
    using namespace widgets;
    cdsOB010DT = new RecordSet(this);
    rgdOB010DT = new DataGrid(panMain);
    rgdOB010DT->setObjectName(QStringLiteral("rgdOB010DT"));
    rgdOB010DT->setRecordSet(cdsOB010DT);
    rgdOB010DT->setReadOnly(true);
    rgdOB010DT->setRowSelect(true);
    rgdOB010DT->setColumns({
        {"ORDE_SEQ", "", 0}, {"PURC_NO", "", 0}, {"PURC_SEQ", "", 0}, {"ITEM_CODE", "", 0},
        {"ITEM_NAME", "품 목 명", 170},
        {"ITEM_STANDARD1", "규    격", 110},
        {"QTY", "수량", 70, "#,##0.0"},
        {"GUMAE_UNIT_NM", "단위", 50},
        {"COST_AMT", "단  가", 90, "#,##0.0000"},
        {"AMT", "금  액", 90, "#,##0"},
        {"REMARK", "비    고", 140},
        {"PUT_END", "", 0}, {"PUT_QTY", "", 0, "#,##0.0"}, {"ORDE_CANCEL", "", 0},
        {"STOCK_QTY", "", 0, "#,##0"}, {"OLD_SEQ", "", 0},
    });
    rgdOB010DT->setFixedColumns(2);
    rgdOB010DT->setFooterCount(1);
    rgdOB010DT->setFooterTitle(0, QStringLiteral("갯수"));

    auto *box = new QGroupBox(QStringLiteral("[ 발주 품목 ]"), panInput);
    edtITEM_CODE = TextBox(box, "edtITEM_CODE", 8, ReadOnly, 70);
    edtITEM_NAME = TextBox(box, "edtITEM_NAME", 100);
    edtITEM_STANDARD1 = TextBox(box, "edtITEM_STANDARD1", 0, ReadOnly);
    edtQTY = NumberBox(box, "edtQTY", 1, Positive);
    edtGUMAE_UNIT_NM = TextBox(box, "edtGUMAE_UNIT_NM", 0, ReadOnly, 50);
    edtCOST_AMT = NumberBox(box, "edtCOST_AMT", 4, Positive);
    edtAMT = NumberBox(box, "edtAMT", 0, ReadOnly);
    edtREMARK_DT = TextBox(box, "edtREMARK_DT", 100);
    edtStock_Qty = NumberBox(box, "edtStock_Qty", 1, ReadOnly);
    btnLineAppend = makeButton(box, QStringLiteral("btnLineAppend"), QStringLiteral("추가"));
    btnLineDelete = makeButton(box, QStringLiteral("btnLineDelete"), QStringLiteral("삭제"));
    LabelledGrid(box, {
        {Labelled(QStringLiteral("품    목"), {edtITEM_CODE, edtITEM_NAME})},
        {Labelled(QStringLiteral("규    격"), {edtITEM_STANDARD1})},
        {Labelled(QStringLiteral("수    량"), {edtQTY, edtGUMAE_UNIT_NM})},
        {Labelled(QStringLiteral("단    가"), {edtCOST_AMT})},
        {Labelled(QStringLiteral("금    액"), {edtAMT})},
        {Labelled(QStringLiteral("비    고"), {edtREMARK_DT})},
        {Labelled(QStringLiteral("현 재 고"), {edtStock_Qty})},
        {Bare(ButtonRow(box, {btnLineAppend, btnLineDelete}))},
    });
    auto *historyBox = new QGroupBox(QStringLiteral(" [ 최근 입고단가 정보 ] "), panInput);
    rdgHistory = new PriceHistory(historyBox);
    rdgHistory->setFocusPolicy(Qt::NoFocus);
    (new QVBoxLayout(historyBox))->addWidget(rdgHistory);
    auto *in = new QVBoxLayout(panInput);
    in->addWidget(box);
    in->addWidget(historyBox, 1);

    m_lines = new LineEditor(cdsOB010DT, rgdOB010DT,
        {{"ITEM_CODE", edtITEM_CODE}, {"ITEM_NAME", edtITEM_NAME}, {"ITEM_STANDARD1", edtITEM_STANDARD1},
         {"QTY", edtQTY, 1}, {"GUMAE_UNIT_NM", edtGUMAE_UNIT_NM}, {"COST_AMT", edtCOST_AMT}, {"AMT", edtAMT},
         {"REMARK", edtREMARK_DT}, {"STOCK_QTY", edtStock_Qty}},
        {.seq = QStringLiteral("ORDE_SEQ"), .price = QStringLiteral("COST_AMT"), .amount = QStringLiteral("AMT"),
         .countColumn = QStringLiteral("ITEM_NAME"), .sums = {QStringLiteral("AMT")},
         .newLine = {{QStringLiteral("PUT_END"), QStringLiteral("N")}, {QStringLiteral("PUT_QTY"), 0},
                     {QStringLiteral("ORDE_CANCEL"), QStringLiteral("N")}},
         .checks = {{[this] { return edtITEM_CODE->text().trimmed().size() == 8; },
                     QStringLiteral("품목코드는 반드시 입력하세요"), edtITEM_NAME},
                    {[this] { return edtQTY->value() > 0; }, QStringLiteral("수량을 반드시 입력하세요"), edtQTY}},
         // Receiving addresses the line by its number: it stays the item it was
         // received as, with at least what was received.
         .refuseOverwrite = [this](int row) {
             return ReceivedLineRefusal(m_lines->text(row, QStringLiteral("ITEM_CODE")), m_lines->number(row, QStringLiteral("PUT_QTY")),
                                        m_lines->text(row, QStringLiteral("PUT_END")), edtITEM_CODE->text().trimmed(), edtQTY->value());
         },
         .entryFocus = edtITEM_NAME},
        this);
    OnUserAction(m_lines, &LineEditor::lineShown, this, [this](int row) {
        if (row >= 0 && m_lines->isLine(row))
            rdgHistory->showItem(ScreenConnection(), edtITEM_CODE->text());
        else
            rdgHistory->showItem(ScreenConnection(), QString());
    });
    // The list shows the amount being entered; cancelling the edit restores it.
    connect(m_lines, &LineEditor::linesChanged, this, [this] {
        if (WorkMode != wmBrowse && cdsOB010MS->currentRow() >= 0)
            cdsOB010MS->setValue(cdsOB010MS->currentRow(), QStringLiteral("ORDE_AMT"), m_lines->sum(QStringLiteral("AMT")));
    });
    OnUserAction(btnLineAppend, &QPushButton::clicked, this, [this] {
        if (WorkMode != wmBrowse)
            m_lines->apply();
    });
    OnUserAction(btnLineDelete, &QPushButton::clicked, this, [this] {
        if (WorkMode == wmBrowse || !m_lines->removeCurrent() || m_lines->lineCount() > 0)
            return;
        ClearFields({edtPURC_NO, edtDEPT_CODE_NM, edtSTRG_CODE, edtSTRG_CODE_NM});   // no request behind the order any more
    });
}

void TfrmOBI010::showEvent(QShowEvent *event)
{
    TfrmZOI010::showEvent(event);
    if (!m_started) {
        m_started = true;
        medORDE_DATE_S->setFocus();
    }
}

OrderKey TfrmOBI010::currentKey() const
{
    return {cdsOB010MS->text(QStringLiteral("ORDE_DATE")), cdsOB010MS->text(QStringLiteral("C_CODE")),
            cdsOB010MS->text(QStringLiteral("ORDE_NUM"))};
}

void TfrmOBI010::setHeaderEditable(bool editable, bool keyLocked)
{
    panHeader->setEnabled(editable);
    medORDE_DATE->setReadOnly(keyLocked);
    edtC_CODE_NM->setReadOnly(keyLocked);
    if (auto *b = PopupBtn(QStringLiteral("pbtnC_CODE")))
        b->setEnabled(!keyLocked);
}

// ---------------------------------------------------------------- search and display

void TfrmOBI010::glSelect()
{
    RecordCount = OpenRecords(*cdsOB010MS, ScreenConnection(), kSelect,
                              {{QStringLiteral("ORDE_DATE_S"), medORDE_DATE_S->dateText()},
                               {QStringLiteral("ORDE_DATE_E"), medORDE_DATE_E->dateText()},
                               {QStringLiteral("C_CODE"), edtC_CODE_S->text().trimmed()},
                               {QStringLiteral("ORDE_NO"), edtORDE_NO_S->text().trimmed()}});
    rgdOB010MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentOrder();
}

void TfrmOBI010::showCurrentOrder()
{
    if (WorkMode != wmBrowse || cdsOB010MS->isLoading())
        return;
    const int row = cdsOB010MS->currentRow();
    m_header.read(*cdsOB010MS, row);
    const OrderKey key = row >= 0 ? currentKey() : OrderKey{};
    m_lines->load(ScreenConnection(), kLines,
                  {{QStringLiteral("ORDE_DATE"), key.ordeDate}, {QStringLiteral("C_CODE"), key.cCode},
                   {QStringLiteral("ORDE_NUM"), key.ordeNum}});
}

// ---------------------------------------------------------------- lines

void TfrmOBI010::itemChosen()
{
    edtStock_Qty->setValue(GetStockQty(edtSTRG_CODE->text().trimmed(), edtITEM_CODE->text().trimmed(), medORDE_DATE->dateText()));
    rdgHistory->showItem(ScreenConnection(), edtITEM_CODE->text());
}

void TfrmOBI010::bbtPurcSerchClick()
{
    if (WorkMode == wmBrowse)
        return;
    if (WorkMode == wmInsert && !edtPURC_NO->text().trimmed().isEmpty())
        return;   // one request per order
    TfrmOBI011 dialog(this);
    if (WorkMode == wmEdit && !edtPURC_NO->text().trimmed().isEmpty())
        dialog.setRequest(edtPURC_NO->text().trimmed());
    if (dialog.execute())
        takeRequest(dialog.picked());
}

void TfrmOBI010::takeRequest(const RequestPick &pick)
{
    int taken = 0;
    for (const RequestPick::Line &line : pick.lines) {
        // A request line already among the order's lines is not taken twice.
        bool present = false;
        for (int row : m_lines->lineRows())
            present = present || (m_lines->text(row, QStringLiteral("PURC_NO")) == pick.purcNo
                                  && m_lines->text(row, QStringLiteral("PURC_SEQ")) == line.purcSeq);
        if (present)
            continue;
        m_lines->appendLine({{QStringLiteral("PURC_NO"), pick.purcNo}, {QStringLiteral("PURC_SEQ"), line.purcSeq},
                             {QStringLiteral("ITEM_CODE"), line.itemCode}, {QStringLiteral("ITEM_NAME"), line.itemName},
                             {QStringLiteral("ITEM_STANDARD1"), line.standard}, {QStringLiteral("QTY"), line.qty},
                             {QStringLiteral("STOCK_QTY"), line.stock}, {QStringLiteral("GUMAE_UNIT_NM"), line.unit},
                             {QStringLiteral("COST_AMT"), line.cost}, {QStringLiteral("REMARK"), line.remark}});
        edtC_CODE->setText(line.cCode);
        edtC_CODE_NM->setText(line.cName);
        ++taken;
    }
    if (taken == 0)
        return;
    if (medPUT_DATE->isBlank())
        medPUT_DATE->setPlainText(pick.planDate);
    edtPURC_NO->setText(pick.purcNo);
    edtDEPT_CODE_NM->setText(pick.deptName);
    edtSTRG_CODE->setText(pick.strgCode);
    edtSTRG_CODE_NM->setText(pick.strgName);
}

// ---------------------------------------------------------------- operations

void TfrmOBI010::glInsert()
{
    cdsOB010MS->append();
    m_header.clear();
    m_lines->clear();
    m_lines->openEntryRow();
    setHeaderEditable(true, false);
    medORDE_DATE->setPlainText(GetSystemDate());
    medORDE_DATE->setFocus();
}

void TfrmOBI010::glEdit()
{
    try {
        OrderGate().check(ScreenConnection(), KeyParams(currentKey()), GateAction::Edit);
    } catch (const EUserExcept &) {
        WorkMode = wmBrowse;
        glEnabledCheck();
        ShowStatus(QString());
        throw;
    }
    m_editKey = currentKey();
    cdsOB010MS->edit();
    m_lines->openEntryRow();
    setHeaderEditable(true, true);
    medPUT_DATE->setFocus();
}

OrderDraft TfrmOBI010::draft(bool inserting) const
{
    const auto field = [this](const char *name) { return cdsOB010MS->text(QLatin1String(name)); };
    OrderDraft d;
    d.inserting = inserting;
    d.key = inserting ? OrderKey{field("ORDE_DATE"), field("C_CODE"), QString()} : m_editKey;
    d.ordeNo = field("ORDE_NO");
    d.putDate = field("PUT_DATE");
    d.purcNo = field("PURC_NO");
    d.ordeChar = field("ORDE_CHAR");
    d.ordeTel = field("ORDE_TEL");
    d.inspChar = field("INSP_CHAR");
    d.inspTel = field("INSP_TEL");
    d.document = field("DOCUMENT");
    d.giveTerm = field("GIVE_TERM");
    d.paymTerm = field("PAYM_TERM");
    d.deliTerm = field("DELI_TERM");
    d.repaTerm = field("REPA_TERM");
    d.remark = field("REMARK");
    for (int row : m_lines->lineRows()) {
        OrderLine line;
        line.oldSeq = inserting ? QString() : m_lines->text(row, QStringLiteral("OLD_SEQ"));
        line.purcNo = m_lines->text(row, QStringLiteral("PURC_NO"));
        line.purcSeq = m_lines->text(row, QStringLiteral("PURC_SEQ"));
        line.itemCode = m_lines->text(row, QStringLiteral("ITEM_CODE"));
        line.qty = m_lines->number(row, QStringLiteral("QTY"));
        line.costAmt = m_lines->number(row, QStringLiteral("COST_AMT"));
        line.amt = line.qty * line.costAmt;
        line.remark = m_lines->text(row, QStringLiteral("REMARK"));
        d.lines << line;
    }
    return d;
}

void TfrmOBI010::glSave()
{
    SaveOK = false;
    const bool inserting = WorkMode == wmInsert;
    if (!AllHold({{IsFilled(medORDE_DATE), QStringLiteral("발주일자는 반드시 입력하세요"), medORDE_DATE},
                  {IsFilled(edtC_CODE), QStringLiteral("거래처는 반드시 입력하세요"), edtC_CODE_NM}}))
        return;
    if (m_lines->lineCount() == 0) {
        ShowInfo(QStringLiteral("발주 품목을 입력하세요"));
        edtITEM_NAME->setFocus();
        return;
    }
    if (inserting)
        edtORDE_NO->setText(DrawDocumentNumber(ScreenConnection(), QStringLiteral("OR"), medORDE_DATE->dateText()));
    const int row = cdsOB010MS->currentRow();
    m_header.write(*cdsOB010MS, row);
    OrderDraft order = draft(inserting);
    OrderTotals totals;
    try {
        writeOrder(ScreenConnection(), order, &totals);
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return;
    }
    if (inserting) {
        cdsOB010MS->setValue(row, QStringLiteral("ORDE_NUM"), order.key.ordeNum.toInt());
        cdsOB010MS->setValue(row, QStringLiteral("APPR_GUBUN"), QStringLiteral("3"));
        cdsOB010MS->setValue(row, QStringLiteral("APPR_GUBUN_NM"), sql::OrderStatusName(QStringLiteral("3")));
    }
    cdsOB010MS->setValue(row, QStringLiteral("ORDE_AMT"), totals.amt);
    cdsOB010MS->post();
    RecordCount = cdsOB010MS->recordCount();
    rgdOB010MS->showRowCount(0, 0);
    ShowRecordCount();
    setHeaderEditable(false, false);
    SaveOK = true;
    WorkMode = wmBrowse;
    showCurrentOrder();
    medORDE_DATE_S->setFocus();
}

void TfrmOBI010::glCancel()
{
    cdsOB010MS->cancel();
    setHeaderEditable(false, false);
    WorkMode = wmBrowse;
    medORDE_DATE_S->setFocus();
    showCurrentOrder();
}

bool TfrmOBI010::glDelete()
{
    OrderGate().check(ScreenConnection(), KeyParams(currentKey()), GateAction::Delete);
    if (!Confirm(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    deleteOrder(ScreenConnection(), currentKey(), cdsOB010MS->text(QStringLiteral("ORDE_NO")));
    cdsOB010MS->deleteRecord();
    RecordCount = cdsOB010MS->recordCount();
    rgdOB010MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentOrder();
    return true;
}

void TfrmOBI010::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        CheckDateOnLeave(mask);
    else if ((control == edtQTY || control == edtCOST_AMT) && WorkMode != wmBrowse)
        edtAMT->setValue(edtQTY->value() * edtCOST_AMT->value());
}

bool TfrmOBI010::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == rgdOB010MS && DocumentListKey(*this, *event))
        return true;
    if (control == edtREMARK_DT && WorkMode == wmInsert && IsEnterKey(*event)) {
        m_lines->apply();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}

#include "moc_OBI010.cpp"
