#include "modules/receiving/OCI010.h"

#include "db/Query.h"
#include "framework/Controls.h"
#include "framework/Documents.h"
#include "framework/ErrorDisplay.h"
#include "framework/LineEditor.h"
#include "framework/Lookups.h"
#include "framework/SharedSql.h"
#include "framework/TextHelpers.h"
#include "modules/receiving/OCI011.h"
#include "modules/receiving/OCP070.h"
#include "session/Dialogs.h"
#include "session/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace receiving;
using namespace kit;

namespace {

const QString kTaxable = QStringLiteral("1: 과  세");
const QString kTaxFree = QStringLiteral("2: 비과세");

const QString kSelect = QStringLiteral(R"(SELECT A.INSP_DATE, A.C_CODE,
  (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = A.C_CODE) C_CODE_NM, A.INSP_NUM, A.INSP_NO, A.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM, A.INSP_EMP_NO,
  (SELECT MAX(E.EMP_K_NAME) FROM QA010MS E WHERE E.EMP_NO = A.INSP_EMP_NO) INSP_EMP_NO_NM, A.INSP_NAME,
  A.PUT_DATE, A.PUT_EMP_NO, (SELECT MAX(E.EMP_K_NAME) FROM QA010MS E WHERE E.EMP_NO = A.PUT_EMP_NO) PUT_EMP_NO_NM,
  A.PUT_AMT, A.TAX_AMT, A.SUM_AMT
FROM OC010MS A
WHERE A.INSP_DATE BETWEEN :INSP_DATE_S AND :INSP_DATE_E
  AND A.C_CODE LIKE COALESCE(:C_CODE,'') || '%'
  AND A.INSP_NO LIKE COALESCE(:INSP_NO,'') || '%'
ORDER BY A.INSP_DATE, A.C_CODE, A.INSP_NUM)");

const QString kLines = QStringLiteral(R"(SELECT A.INSP_SEQ, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.ORDE_QTY, A.NORM_QTY,
  A.BAD_QTY, %1 GUMAE_UNIT_NM, A.INSP_STAT,
  (SELECT MAX(Z.DETAIL_NAME) FROM ZX010MS Z WHERE Z.HEAD = 'O0003' AND Z.DETAIL = A.INSP_STAT) INSP_STAT_NM,
  A.PUT_QTY, %2 SOOBUL_UNIT_NM, A.COST_AMT, A.AMT, A.TAX_AMT, A.REMARK,
  CASE A.TAX_GUBUN WHEN '2' THEN '2: 비과세' ELSE '1: 과  세' END TAX_GUBUN_NM, A.ORDE_NO, A.ORDE_SEQ,
  COALESCE(B.CHANGE_QTY,1) CHANGE_QTY, B.SOOBUL_YN
FROM OC010DT A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.INSP_DATE = :INSP_DATE AND A.C_CODE = :C_CODE AND A.INSP_NUM = :INSP_NUM
ORDER BY A.INSP_SEQ)")
    .arg(sql::UnitName(QStringLiteral("B.GUMAE_UNIT")), sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

const QString kItems = QStringLiteral(
    "SELECT A.ITEM_CODE, A.ITEM_NAME, A.ITEM_STANDARD1, %1 GUMAE_UNIT_NM, %2 SOOBUL_UNIT_NM, "
    "  COALESCE(A.CHANGE_QTY,1) CHANGE_QTY, A.SOOBUL_YN FROM OX010MS A WHERE A.USE_YN = 'Y' ORDER BY A.ITEM_NAME")
    .arg(sql::UnitName(QStringLiteral("A.GUMAE_UNIT")), sql::UnitName(QStringLiteral("A.SOOBUL_UNIT")));

// The item's price on its latest receipt: a hint for the price to type.
const char *const kLastCost =
    "SELECT A.COST_AMT FROM OC010DT A WHERE A.ITEM_CODE = :ITEM_CODE ORDER BY A.INSP_NO DESC, A.INSP_SEQ DESC LIMIT 1";

const QColor kSkyBlue(0xA6, 0xCA, 0xF0);

} // namespace

TfrmOCI010::TfrmOCI010(QWidget *parent) : TfrmZOI010(QStringLiteral("OCI010"), parent)
{
    setObjectName(QStringLiteral("frmOCI010"));
    setWindowTitle(QStringLiteral("검수입고 등록"));
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
    work->addWidget(rgdOC010DT, 1);
    mainLayout->insertLayout(0, work, 1);
    FormCreate();

    const auto into = [](std::initializer_list<const char *> names) {
        QStringList list;
        for (const char *n : names)
            list << QString::fromLatin1(n);
        return list;
    };
    InstallLookups({
        lookup::Supplier(QStringLiteral("pbtnC_CODE_S"), into({"edtC_CODE_S", "edtC_CODE_NM_S"}), false),
        lookup::Supplier(QStringLiteral("pbtnC_CODE"), into({"edtC_CODE", "edtC_CODE_NM"}), true),
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE"), into({"edtSTRG_CODE", "edtSTRG_CODE_NM"}), false),
        lookup::Employee(QStringLiteral("pbtnINSP_EMP_NO"), into({"edtINSP_EMP_NO", "edtINSP_EMP_NO_NM"})),
        {QStringLiteral("pbtnITEM_CODE"),
         into({"edtITEM_CODE", "edtITEM_NAME", "edtITEM_STANDARD1", "edtGUMAE_UNIT_NM", "edtSOOBUL_UNIT_NM",
               "edtCHANGE_QTY", "edtSOOBUL_YN"}),
         kItems, QStringLiteral("A.ITEM_NAME"), TypedIn::Name,
         {QStringLiteral("품목코드"), QStringLiteral("품 목 명"), QStringLiteral("규    격"), QStringLiteral("발주단위"),
          QStringLiteral("수불단위"), QStringLiteral("환산수량"), QStringLiteral("수불관리여부")},
         {QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("20"), QStringLiteral("6"), QStringLiteral("6"),
          QStringLiteral("0"), QStringLiteral("0")},
         {.afterPick = [this](TPopupBtn &) { recomputeLine(); showLastCost(); },
          .afterClear = [this] { ClearFields({edtLastCost, edtPUT_QTY}); }}},
    });

    const QString today = GetSystemDate();
    medINSP_DATE_S->setPlainText(today);
    medINSP_DATE_E->setPlainText(today);
    // The lists open empty: a search that cannot match, then the filter is cleared.
    edtINSP_NO_S->setText(QStringLiteral("~"));
    glSelect();
    edtINSP_NO_S->clear();
    OnUserAction(bbtPreview, &QPushButton::clicked, this, [this] {
        if (usable(bbtPreview, this))
            bbtPreviewClick(true);
    });
    OnUserAction(bbtPrint, &QPushButton::clicked, this, [this] {
        if (usable(bbtPrint, this))
            bbtPreviewClick(false);
    });
    bbtPreview->show();
    bbtPrint->show();
    setHeaderEditable(false, false);
    glEnabledCheck();
}

void TfrmOCI010::buildSearchPanel()
{
    medINSP_DATE_S = DateBox(panSearch, "medINSP_DATE_S");
    medINSP_DATE_E = DateBox(panSearch, "medINSP_DATE_E");
    edtC_CODE_S = TextBox(panSearch, "edtC_CODE_S", 10, ReadOnly, 70);
    edtC_CODE_NM_S = TextBox(panSearch, "edtC_CODE_NM_S");
    edtINSP_NO_S = CodeBox(panSearch, "edtINSP_NO_S", 15, 0);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("검수기간"), {medINSP_DATE_S}),
        Labelled(QStringLiteral("~"), {medINSP_DATE_E}),
        Labelled(QStringLiteral("거 래 처"), {edtC_CODE_NM_S, edtC_CODE_S}),
        Labelled(QStringLiteral("입고번호"), {edtINSP_NO_S}),
    });
}

void TfrmOCI010::buildList()
{
    using namespace widgets;
    cdsOC010MS = new RecordSet(this);
    rgdOC010MS = new DataGrid(panDisplay);
    rgdOC010MS->setObjectName(QStringLiteral("rgdOC010MS"));
    rgdOC010MS->setRecordSet(cdsOC010MS);
    rgdOC010MS->setReadOnly(true);
    rgdOC010MS->setRowSelect(true);
    rgdOC010MS->setColumns({
        {"INSP_DATE", "검수일자", 80, "yyyy-mm-dd"},      // 0
        {"C_CODE", "거래처코드", 0},
        {"C_CODE_NM", "거래처명", 140},
        {"INSP_NUM", "검수넘버", 0},
        {"INSP_NO", "입고번호", 100},
        {"STRG_CODE", "창고코드", 0},                      // 5
        {"STRG_CODE_NM", "입고창고", 100},
        {"INSP_EMP_NO", "검수사번", 0},
        {"INSP_EMP_NO_NM", "검수자", 70},
        {"INSP_NAME", "업체검수자", 80},
        {"PUT_DATE", "입고일자", 80, "yyyy-mm-dd"},        // 10
        {"PUT_EMP_NO", "입고사번", 0},
        {"PUT_EMP_NO_NM", "입고사원", 70},
        {"PUT_AMT", "금  액", 90, "#,##0"},
        {"TAX_AMT", "부가세액", 80, "#,##0"},
        {"SUM_AMT", "합계금액", 90, "#,##0"},               // 15
    });
    rgdOC010MS->addColumnGroup(QStringLiteral("검  수  확  인"), 8, 9);
    rgdOC010MS->addColumnGroup(QStringLiteral("입  고  확  인"), 10, 12);
    rgdOC010MS->setFixedColumns(3);
    rgdOC010MS->setFooterCount(1);
    rgdOC010MS->setFooterTitle(0, QStringLiteral("갯수"));
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOC010MS, 1);
    setListRecords(cdsOC010MS);
    OnUserAction(cdsOC010MS, &RecordSet::afterScroll, this, [this] { showCurrentReceipt(); });
    connect(rgdOC010MS, &GridBase::cellDoubleClicked, this, [this] { bbtEditClick(); });
}

void TfrmOCI010::buildHeader()
{
    panHeader = new QGroupBox(panMain);
    panHeader->setObjectName(QStringLiteral("panHeader"));
    medINSP_DATE = DateBox(panHeader, "medINSP_DATE");
    edtINSP_NO = TextBox(panHeader, "edtINSP_NO", 15, ReadOnly);
    edtC_CODE = TextBox(panHeader, "edtC_CODE", 10, ReadOnly, 70);
    edtC_CODE_NM = TextBox(panHeader, "edtC_CODE_NM");
    edtSTRG_CODE = CodeBox(panHeader, "edtSTRG_CODE", 3, 50);
    edtSTRG_CODE_NM = TextBox(panHeader, "edtSTRG_CODE_NM", 0, ReadOnly);
    edtINSP_EMP_NO = TextBox(panHeader, "edtINSP_EMP_NO", 8, Plain, 80);
    edtINSP_EMP_NO_NM = TextBox(panHeader, "edtINSP_EMP_NO_NM", 0, ReadOnly);
    edtINSP_NAME = TextBox(panHeader, "edtINSP_NAME", 10);
    bbtOrdeSerch = makeButton(panHeader, QStringLiteral("bbtOrdeSerch"), QStringLiteral("구매발주 내역 조회"));
    bbtOrdeSerch->setFixedWidth(130);
    OnUserAction(bbtOrdeSerch, &QPushButton::clicked, this, [this] { bbtOrdeSerchClick(); });
    LabelledGrid(panHeader, {
        {Labelled(QStringLiteral("검수일자"), {medINSP_DATE}), Labelled(QStringLiteral("입고번호"), {edtINSP_NO}),
         Labelled(QStringLiteral("거래처"), {edtC_CODE, edtC_CODE_NM})},
        {Labelled(QStringLiteral("입고창고"), {edtSTRG_CODE, edtSTRG_CODE_NM}),
         Labelled(QStringLiteral("검 수 자"), {edtINSP_EMP_NO, edtINSP_EMP_NO_NM}),
         Labelled(QStringLiteral("업체확인"), {edtINSP_NAME}), Bare(bbtOrdeSerch)},
    });
    m_header = {{"INSP_DATE", medINSP_DATE}, {"INSP_NO", edtINSP_NO}, {"C_CODE", edtC_CODE}, {"C_CODE_NM", edtC_CODE_NM},
                {"STRG_CODE", edtSTRG_CODE}, {"STRG_CODE_NM", edtSTRG_CODE_NM}, {"INSP_EMP_NO", edtINSP_EMP_NO},
                {"INSP_EMP_NO_NM", edtINSP_EMP_NO_NM}, {"INSP_NAME", edtINSP_NAME}};
}

void TfrmOCI010::buildLines()
{
    using namespace widgets;
    cdsOC010DT = new RecordSet(this);
    rgdOC010DT = new DataGrid(panMain);
    rgdOC010DT->setObjectName(QStringLiteral("rgdOC010DT"));
    rgdOC010DT->setRecordSet(cdsOC010DT);
    rgdOC010DT->setReadOnly(true);
    rgdOC010DT->setRowSelect(true);
    rgdOC010DT->setColumns({
        {"INSP_SEQ", "순번", 0, "#,##0"},                  // 0
        {"ITEM_CODE", "품목코드", 0},
        {"ITEM_NAME", "품 목 명", 170},
        {"ITEM_STANDARD1", "규    격", 110},
        {"ORDE_QTY", "발주수량", 0, "#,##0.0"},
        {"NORM_QTY", "검수수량", 0, "#,##0.0"},            // 5
        {"BAD_QTY", "불량수량", 0, "#,##0.0"},
        {"GUMAE_UNIT_NM", "구매단위", 0},
        {"INSP_STAT", "검수코드", 0},
        {"INSP_STAT_NM", "검수상태", 0},
        {"PUT_QTY", "수량", 70, "#,##0.0"},                // 10
        {"SOOBUL_UNIT_NM", "단위", 50},
        {"COST_AMT", "단  가", 90, "#,##0.0000"},
        {"AMT", "금  액", 90, "#,##0"},
        {"TAX_AMT", "부가세액", 80, "#,##0"},
        {"REMARK", "비  고", 140},                         // 15
        {"TAX_GUBUN_NM", "과세구분", 0},
        {"ORDE_NO", "발주관리번호", 0},
        {"ORDE_SEQ", "발주순번", 0},
        {"CHANGE_QTY", "환산수량", 0, "#,##0.0"},
        {"SOOBUL_YN", "수불관리여부", 0},                  // 20
    });
    rgdOC010DT->setFooterCount(1);
    rgdOC010DT->setFooterTitle(0, QStringLiteral("갯수"));
    // Items kept outside the stock books stand out.
    rgdOC010DT->setRowStyler([this](int row, CellStyle &style) {
        if (cdsOC010DT->value(row, QStringLiteral("SOOBUL_YN")).toString() == QLatin1String("N"))
            style.background = kSkyBlue;
    });

    auto *box = new QGroupBox(QStringLiteral("[ 입고 품목 ]"), panInput);
    edtITEM_CODE = TextBox(box, "edtITEM_CODE", 8, ReadOnly, 70);
    edtITEM_NAME = TextBox(box, "edtITEM_NAME", 100);
    edtITEM_STANDARD1 = TextBox(box, "edtITEM_STANDARD1", 0, ReadOnly);
    edtORDE_QTY = NumberBox(box, "edtORDE_QTY", 2, Positive);
    edtGUMAE_UNIT_NM = TextBox(box, "edtGUMAE_UNIT_NM", 0, ReadOnly, 50);
    edtCHANGE_QTY = NumberBox(box, "edtCHANGE_QTY", 2, ReadOnly);
    edtPUT_QTY = NumberBox(box, "edtPUT_QTY", 2, ReadOnly);
    edtSOOBUL_UNIT_NM = TextBox(box, "edtSOOBUL_UNIT_NM", 0, ReadOnly, 50);
    cbTAX_GUBUN = new QComboBox(box);
    cbTAX_GUBUN->setObjectName(QStringLiteral("cbTAX_GUBUN"));
    cbTAX_GUBUN->addItems({kTaxable, kTaxFree});
    edtCOST_AMT = NumberBox(box, "edtCOST_AMT", 4, Positive);
    edtAMT = NumberBox(box, "edtAMT", 0, ReadOnly);
    edtTax_amt = NumberBox(box, "edtTax_amt", 0, ReadOnly);
    edtLastCost = NumberBox(box, "edtLastCost", 4, ReadOnly);
    edtREMARK = TextBox(box, "edtREMARK", 40);
    // Held for the line without being shown: the tax type as the line
    // stores it and the item's stock-managed flag.
    edtTAX_GUBUN = TextBox(box, "edtTAX_GUBUN");
    edtTAX_GUBUN->hide();
    edtSOOBUL_YN = TextBox(box, "edtSOOBUL_YN");
    edtSOOBUL_YN->hide();
    btnLineAppend = makeButton(box, QStringLiteral("btnLineAppend"), QStringLiteral("추가"));
    btnLineDelete = makeButton(box, QStringLiteral("btnLineDelete"), QStringLiteral("삭제"));
    LabelledGrid(box, {
        {Labelled(QStringLiteral("품목코드"), {edtITEM_CODE, edtITEM_NAME})},
        {Labelled(QStringLiteral("규    격"), {edtITEM_STANDARD1})},
        {Labelled(QStringLiteral("발주입고"), {edtORDE_QTY, edtGUMAE_UNIT_NM})},
        {Labelled(QStringLiteral("환    산"), {edtCHANGE_QTY})},
        {Labelled(QStringLiteral("입    고"), {edtPUT_QTY, edtSOOBUL_UNIT_NM})},
        {Bare(new QLabel(QStringLiteral("[입고 = 발주 * 환산]"), box))},
        {Labelled(QStringLiteral("과세구분"), {cbTAX_GUBUN})},
        {Labelled(QStringLiteral("단    가"), {edtCOST_AMT})},
        {Labelled(QStringLiteral("금    액"), {edtAMT})},
        {Labelled(QStringLiteral("부가세액"), {edtTax_amt})},
        {Labelled(QStringLiteral("최근입고단가"), {edtLastCost})},
        {Labelled(QStringLiteral("비    고"), {edtREMARK})},
        {Bare(ButtonRow(box, {btnLineAppend, btnLineDelete}))},
    });
    auto *in = new QVBoxLayout(panInput);
    in->addWidget(box);
    in->addStretch(1);

    m_lines = new LineEditor(cdsOC010DT, rgdOC010DT,
        {{"ITEM_CODE", edtITEM_CODE}, {"ITEM_NAME", edtITEM_NAME}, {"ITEM_STANDARD1", edtITEM_STANDARD1},
         {"ORDE_QTY", edtORDE_QTY, 1}, {"GUMAE_UNIT_NM", edtGUMAE_UNIT_NM}, {"CHANGE_QTY", edtCHANGE_QTY},
         {"PUT_QTY", edtPUT_QTY}, {"SOOBUL_UNIT_NM", edtSOOBUL_UNIT_NM}, {"COST_AMT", edtCOST_AMT}, {"AMT", edtAMT},
         {"TAX_AMT", edtTax_amt}, {"REMARK", edtREMARK}, {"TAX_GUBUN_NM", edtTAX_GUBUN, kTaxable},
         {"SOOBUL_YN", edtSOOBUL_YN}},
        {.seq = QStringLiteral("INSP_SEQ"), .qty = QStringLiteral("ORDE_QTY"), .price = QStringLiteral("COST_AMT"),
         .amount = QStringLiteral("AMT"), .countColumn = QStringLiteral("ITEM_NAME"),
         .sums = {QStringLiteral("AMT"), QStringLiteral("TAX_AMT")},
         .newLine = {{QStringLiteral("BAD_QTY"), 0}},
         .checks = {{[this] { return edtITEM_CODE->text().trimmed().size() == 8; },
                     QStringLiteral("품목코드를 반드시 입력하세요"), edtITEM_NAME},
                    {[this] { return edtPUT_QTY->value() > 0; }, QStringLiteral("수량을 반드시 입력하세요"), edtORDE_QTY}},
         .entryFocus = edtITEM_NAME,
         // Each line answers for its own order line, even for the same item.
         .repeat = LineRules::Repeat::NewLine},
        this);
    OnUserAction(m_lines, &LineEditor::lineShown, this, [this](int) {
        cbTAX_GUBUN->setCurrentIndex(edtTAX_GUBUN->text().startsWith(u'2') ? 1 : 0);
        showLastCost();
    });
    connect(cbTAX_GUBUN, &QComboBox::currentIndexChanged, this, [this] {
        edtTAX_GUBUN->setText(cbTAX_GUBUN->currentText());
        if (WorkMode != wmBrowse)
            recomputeLine();
    });
    // The list shows the totals being entered; cancelling the edit restores them.
    connect(m_lines, &LineEditor::linesChanged, this, [this] {
        const int row = cdsOC010MS->currentRow();
        if (WorkMode == wmBrowse || row < 0)
            return;
        const double amt = m_lines->sum(QStringLiteral("AMT")), tax = m_lines->sum(QStringLiteral("TAX_AMT"));
        cdsOC010MS->setValue(row, QStringLiteral("PUT_AMT"), amt);
        cdsOC010MS->setValue(row, QStringLiteral("TAX_AMT"), tax);
        cdsOC010MS->setValue(row, QStringLiteral("SUM_AMT"), amt + tax);
    });
    OnUserAction(btnLineAppend, &QPushButton::clicked, this, [this] { btnLineAppendClick(); });
    OnUserAction(btnLineDelete, &QPushButton::clicked, this, [this] { btnLineDeleteClick(); });
}

void TfrmOCI010::showEvent(QShowEvent *event)
{
    TfrmZOI010::showEvent(event);
    if (!m_started) {
        m_started = true;
        medINSP_DATE_S->setFocus();
    }
}

ReceiptKey TfrmOCI010::currentKey() const
{
    return {cdsOC010MS->text(QStringLiteral("INSP_DATE")), cdsOC010MS->text(QStringLiteral("C_CODE")),
            cdsOC010MS->text(QStringLiteral("INSP_NUM"))};
}

void TfrmOCI010::setHeaderEditable(bool editable, bool keyLocked)
{
    panHeader->setEnabled(editable);
    rgdOC010MS->setEnabled(!editable);
    medINSP_DATE->setReadOnly(keyLocked);
    edtC_CODE_NM->setReadOnly(keyLocked);
    if (auto *b = PopupBtn(QStringLiteral("pbtnC_CODE")))
        b->setEnabled(!keyLocked);
}

// ---------------------------------------------------------------- search and display

void TfrmOCI010::glSelect()
{
    RecordCount = OpenRecords(*cdsOC010MS, ScreenConnection(), kSelect,
                              {{QStringLiteral("INSP_DATE_S"), medINSP_DATE_S->dateText()},
                               {QStringLiteral("INSP_DATE_E"), medINSP_DATE_E->dateText()},
                               {QStringLiteral("C_CODE"), edtC_CODE_S->text().trimmed()},
                               {QStringLiteral("INSP_NO"), edtINSP_NO_S->text().trimmed()}});
    rgdOC010MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentReceipt();
}

void TfrmOCI010::showCurrentReceipt()
{
    if (WorkMode != wmBrowse || cdsOC010MS->isLoading())
        return;
    const int row = cdsOC010MS->currentRow();
    m_header.read(*cdsOC010MS, row);
    const ReceiptKey key = row >= 0 ? currentKey() : ReceiptKey{};
    m_lines->load(ScreenConnection(), kLines, KeyParams(key));
}

// ---------------------------------------------------------------- lines

void TfrmOCI010::recomputeLine()
{
    edtPUT_QTY->setValue(edtORDE_QTY->value() * edtCHANGE_QTY->value());
    const double amt = edtORDE_QTY->value() * edtCOST_AMT->value();
    edtAMT->setValue(amt);
    edtTax_amt->setValue(amt > 0 ? LineTax(amt, cbTAX_GUBUN->currentText()) : 0.0);
}

void TfrmOCI010::showLastCost()
{
    const QString item = edtITEM_CODE->text().trimmed();
    double cost = 0;
    if (!item.isEmpty()) {
        db::Query q(ScreenConnection(), QString::fromLatin1(kLastCost));
        q.bind(QStringLiteral("ITEM_CODE"), item).exec();
        if (q.next())
            cost = q.text(0).toDouble();
    }
    edtLastCost->setValue(cost);
}

void TfrmOCI010::btnLineAppendClick()
{
    if (WorkMode == wmBrowse)
        return;
    recomputeLine();
    m_lines->apply();
}

void TfrmOCI010::btnLineDeleteClick()
{
    if (WorkMode != wmBrowse)
        m_lines->removeCurrent();
}

void TfrmOCI010::bbtPreviewClick(bool toPreview)
{
    const QString inspNo = cdsOC010MS->currentRow() >= 0 ? cdsOC010MS->text(QStringLiteral("INSP_NO")) : QString();
    if (WorkMode != wmBrowse || inspNo.isEmpty())
        return;
    TfrmOCP070 form;
    form.Execute(inspNo, toPreview, this);
}

void TfrmOCI010::bbtOrdeSerchClick()
{
    if (WorkMode == wmBrowse)
        return;
    if (edtC_CODE->text().trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("거래처를 먼저 선택하고 발주 내역을 조회하세요"));
        edtC_CODE_NM->setFocus();
        return;
    }
    const QString today = GetSystemDate();
    TfrmOCI011 dialog(edtC_CODE->text().trimmed(), edtC_CODE_NM->text().trimmed(), today.left(8) + QStringLiteral("01"),
                      today, this);
    if (dialog.execute())
        takeOrderLines(dialog.picked());
}

void TfrmOCI010::takeOrderLines(const QVector<OrderLinePick> &lines)
{
    for (const OrderLinePick &line : lines) {
        m_lines->appendLine({{QStringLiteral("ITEM_CODE"), line.itemCode}, {QStringLiteral("ITEM_NAME"), line.itemName},
                             {QStringLiteral("ITEM_STANDARD1"), line.standard}, {QStringLiteral("GUMAE_UNIT_NM"), line.gumaeUnit},
                             {QStringLiteral("ORDE_QTY"), line.ordeQty}, {QStringLiteral("NORM_QTY"), line.ordeQty},
                             {QStringLiteral("CHANGE_QTY"), line.changeQty}, {QStringLiteral("PUT_QTY"), line.putQty},
                             {QStringLiteral("SOOBUL_UNIT_NM"), line.soobulUnit}, {QStringLiteral("COST_AMT"), line.costAmt},
                             {QStringLiteral("TAX_AMT"), line.taxAmt}, {QStringLiteral("TAX_GUBUN_NM"), line.taxText},
                             {QStringLiteral("ORDE_NO"), line.ordeNo}, {QStringLiteral("ORDE_SEQ"), line.ordeSeq},
                             {QStringLiteral("SOOBUL_YN"), line.soobulYn}});
        if (!line.strgCode.isEmpty()) {
            edtSTRG_CODE->setText(line.strgCode);
            edtSTRG_CODE_NM->setText(line.strgName);
        }
    }
    rgdOC010DT->setFocus();
}

// ---------------------------------------------------------------- operations

void TfrmOCI010::glInsert()
{
    cdsOC010MS->append();
    m_header.clear();
    m_lines->clear();
    m_lines->openEntryRow();
    setHeaderEditable(true, false);
    medINSP_DATE->setPlainText(GetSystemDate());
    edtINSP_EMP_NO->setText(gEmpNo);
    edtINSP_EMP_NO_NM->setText(db::Query::scalar(ScreenConnection(),
        QStringLiteral("SELECT MAX(EMP_K_NAME) FROM QA010MS WHERE EMP_NO = :EMP_NO"), {{QStringLiteral("EMP_NO"), gEmpNo}}));
    medINSP_DATE->setFocus();
}

void TfrmOCI010::glEdit()
{
    try {
        ReceiptGate().check(ScreenConnection(), KeyParams(currentKey()), GateAction::Edit);
    } catch (const EUserExcept &) {
        WorkMode = wmBrowse;
        glEnabledCheck();
        ShowStatus(QString());
        throw;
    }
    m_editKey = currentKey();
    cdsOC010MS->edit();
    m_lines->openEntryRow();
    setHeaderEditable(true, true);
    edtSTRG_CODE->setFocus();
}

ReceiptDraft TfrmOCI010::draft(bool inserting) const
{
    const auto field = [this](const char *name) { return cdsOC010MS->text(QLatin1String(name)); };
    ReceiptDraft d;
    d.inserting = inserting;
    d.key = inserting ? ReceiptKey{field("INSP_DATE"), field("C_CODE"), QString()} : m_editKey;
    d.inspNo = field("INSP_NO");
    d.strgCode = field("STRG_CODE");
    d.inspEmpNo = field("INSP_EMP_NO");
    d.inspName = field("INSP_NAME");
    for (int row : m_lines->lineRows())
        d.lines.append({m_lines->text(row, QStringLiteral("ITEM_CODE")), m_lines->number(row, QStringLiteral("ORDE_QTY")),
                        m_lines->number(row, QStringLiteral("COST_AMT")), m_lines->text(row, QStringLiteral("TAX_GUBUN_NM")),
                        m_lines->text(row, QStringLiteral("REMARK")), m_lines->text(row, QStringLiteral("ORDE_NO")),
                        m_lines->text(row, QStringLiteral("ORDE_SEQ"))});
    return d;
}

void TfrmOCI010::glSave()
{
    SaveOK = false;
    const bool inserting = WorkMode == wmInsert;
    if (!AllHold({{IsFilled(medINSP_DATE), QStringLiteral("검수일자는 반드시 입력하세요"), medINSP_DATE},
                  {IsFilled(edtC_CODE), QStringLiteral("거래처는 반드시 입력하세요"), edtC_CODE_NM},
                  {IsFilled(edtSTRG_CODE), QStringLiteral("창고는 반드시 입력하세요"), edtSTRG_CODE}}))
        return;
    m_lines->dropEntryRows();
    if (m_lines->lineCount() == 0) {
        ShowInfo(QStringLiteral("입고 품목을 입력하세요"));
        m_lines->openEntryRow();
        edtITEM_NAME->setFocus();
        return;
    }
    ReceiptTotals totals;
    ReceiptDraft receipt;
    try {
        if (inserting)
            edtINSP_NO->setText(DrawDocumentNumber(ScreenConnection(), QStringLiteral("IN"), medINSP_DATE->dateText()));
        m_header.write(*cdsOC010MS, cdsOC010MS->currentRow());
        receipt = draft(inserting);
        writeReceipt(ScreenConnection(), receipt, &totals);
    } catch (...) {
        // The user goes on entering the receipt as it stood.
        m_lines->openEntryRow();
        throw;
    }
    const int row = cdsOC010MS->currentRow();
    cdsOC010MS->setValue(row, QStringLiteral("INSP_NUM"), receipt.key.inspNum.toInt());
    cdsOC010MS->setValue(row, QStringLiteral("PUT_AMT"), totals.amt);
    cdsOC010MS->setValue(row, QStringLiteral("TAX_AMT"), totals.tax);
    cdsOC010MS->setValue(row, QStringLiteral("SUM_AMT"), totals.amt + totals.tax);
    cdsOC010MS->post();
    RecordCount = cdsOC010MS->recordCount();
    rgdOC010MS->showRowCount(0, 0);
    ShowRecordCount();
    setHeaderEditable(false, false);
    SaveOK = true;
    WorkMode = wmBrowse;
    showCurrentReceipt();
    medINSP_DATE_S->setFocus();
}

void TfrmOCI010::glCancel()
{
    cdsOC010MS->cancel();
    setHeaderEditable(false, false);
    WorkMode = wmBrowse;
    medINSP_DATE_S->setFocus();
    showCurrentReceipt();
}

bool TfrmOCI010::glDelete()
{
    const ReceiptKey key = currentKey();
    ReceiptGate().check(ScreenConnection(), KeyParams(key), GateAction::Delete);
    if (!Confirm(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    deleteReceipt(ScreenConnection(), key);
    cdsOC010MS->deleteRecord();
    RecordCount = cdsOC010MS->recordCount();
    rgdOC010MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentReceipt();
    return true;
}

void TfrmOCI010::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        CheckDateOnLeave(mask);
    else if ((control == edtORDE_QTY || control == edtCOST_AMT || control == cbTAX_GUBUN) && WorkMode != wmBrowse)
        recomputeLine();
}

bool TfrmOCI010::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == rgdOC010MS && DocumentListKey(*this, *event))
        return true;
    if (control == edtREMARK && WorkMode == wmInsert && IsEnterKey(*event)) {
        btnLineAppendClick();
        return true;
    }
    // Prices are typed in whole units; fractions come with the order lines.
    if (control == edtCOST_AMT && !DigitFieldAccepts(*event))
        return true;
    return TfrmZOI010::glOnKeyDown(control, event);
}

#include "moc_OCI010.cpp"
