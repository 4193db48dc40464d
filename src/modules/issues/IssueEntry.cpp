#include "modules/issues/IssueEntry.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/Controls.h"
#include "framework/Documents.h"
#include "framework/ErrorDisplay.h"
#include "framework/LineEditor.h"
#include "framework/Lookups.h"
#include "framework/Serials.h"
#include "framework/SharedSql.h"
#include "modules/issues/IssueCommon.h"
#include "modules/issues/ODP010.h"
#include "session/Dialogs.h"
#include "session/Session.h"
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

using namespace kit;
using namespace issues;

namespace {

const QString kSelect = QStringLiteral(R"(SELECT A.DELI_DATE, A.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM,
  A.DELI_NUM, A.DELI_NO, A.DELI_GUBUN, %1 DELI_GUBUN_NM, A.APPR_GUBUN, %2 APPR_GUBUN_NM, A.APPR_EMP_NO, A.APPR_DATE
FROM OD010MS A
WHERE A.DELI_DATE BETWEEN :DELI_DATE_S AND :DELI_DATE_E
  AND %3
  AND A.STRG_CODE LIKE COALESCE(:STRG_CODE,'') || '%'
ORDER BY A.DELI_DATE, A.STRG_CODE, A.DELI_NUM)");

const QString kKey = QStringLiteral("DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE AND DELI_NUM = :DELI_NUM");

const QString kLines = StockLinesSql(QStringLiteral("OD010DT"), QStringLiteral("DELI_SEQ"), QStringLiteral("STRG_CODE"),
                                     QStringLiteral("A.DELI_DATE = :DELI_DATE AND A.STRG_CODE = :STRG_CODE AND A.DELI_NUM = :DELI_NUM"));

// Only a normal issue whose confirmation was cancelled (or never given) may
// change; an other issue always may. The state is read again inside the
// save, after the row is taken.
StatusGate gateOf(const IssueEntrySpec &spec)
{
    StatusGate gate{
        QStringLiteral("SELECT APPR_GUBUN, CASE WHEN DELI_GUBUN = '1' THEN 'Y' ELSE 'N' END NORMAL_YN FROM OD010MS WHERE ") + kKey,
        {QStringLiteral("UPDATE OD010MS SET APPR_GUBUN = APPR_GUBUN WHERE ") + kKey},
        {}};
    if (spec.confirmed)
        gate.rules = {{QStringLiteral("APPR_GUBUN"), QStringLiteral("2"), QStringLiteral("출고 확정 처리된 자료는 수정할 수 없습니다."),
                       QStringLiteral("출고 확정 처리된 자료는 삭제할 수 없습니다.")},
                      {QStringLiteral("NORMAL_YN"), QStringLiteral("N"), QStringLiteral("정상출고 자료가 아니므로 수정할 수 없습니다."),
                       QStringLiteral("정상출고 자료가 아니므로 삭제할 수 없습니다.")}};
    return gate;
}

const char *const kNextNum =
    "SELECT COALESCE(MAX(DELI_NUM),0) + 1 MAXNUM FROM OD010MS WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE";
const char *const kInsertConfirmed =
    "INSERT INTO OD010MS (DELI_DATE, STRG_CODE, DELI_NUM, DELI_NO, DELI_GUBUN, U_EMP_NO, U_DATE, U_IP, "
    "                     APPR_GUBUN, APPR_EMP_NO, APPR_DATE) "
    "VALUES (:DELI_DATE, :STRG_CODE, :DELI_NUM, :DELI_NO, '1', :U_EMP_NO, SYSDATE(), :U_IP, '2', :U_EMP_NO, :DELI_DATE)";
const char *const kInsertOther =
    "INSERT INTO OD010MS (DELI_DATE, STRG_CODE, DELI_NUM, DELI_NO, DELI_GUBUN, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:DELI_DATE, :STRG_CODE, :DELI_NUM, :DELI_NO, :DELI_GUBUN, :U_EMP_NO, SYSDATE(), :U_IP)";
const char *const kStampHeader =
    "UPDATE OD010MS SET U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    " WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE AND DELI_NUM = :DELI_NUM";
const char *const kConfirmHeader =
    "UPDATE OD010MS SET U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP, "
    "       APPR_GUBUN = '2', APPR_EMP_NO = :U_EMP_NO, APPR_DATE = DELI_DATE "
    " WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE AND DELI_NUM = :DELI_NUM";
const char *const kDeleteLines =
    "DELETE FROM OD010DT WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE AND DELI_NUM = :DELI_NUM";
const char *const kDeleteHeader =
    "DELETE FROM OD010MS WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE AND DELI_NUM = :DELI_NUM";
const char *const kInsertLine =
    "INSERT INTO OD010DT (DELI_DATE, STRG_CODE, DELI_NUM, DELI_SEQ, ITEM_CODE, QTY, REMARK, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:DELI_DATE, :STRG_CODE, :DELI_NUM, :DELI_SEQ, :ITEM_CODE, :QTY, :REMARK, :U_EMP_NO, SYSDATE(), :U_IP)";

const char *const kBusinessKind = "SELECT BUSI_GUBUN FROM OX060MS WHERE STRG_CODE = :STRG_CODE";
const QString kCountLines = QStringLiteral(R"(SELECT A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, %1 SOOBUL_UNIT_NM,
  A.SILS_QTY, A.SILS_COST, A.SILS_AMT,
  COALESCE((SELECT Z.STOC_QTY FROM OZ010MS Z
             WHERE Z.STRG_CODE = A.STRG_CODE AND Z.ITEM_CODE = A.ITEM_CODE
               AND Z.STOC_YYMM = (SELECT MAX(Y.STOC_YYMM) FROM OZ010MS Y
                                   WHERE Y.STRG_CODE = A.STRG_CODE AND Y.ITEM_CODE = A.ITEM_CODE
                                     AND Y.STOC_YYMM <= :STOC_YYMM)), 0) STOC_QTY
FROM OZ020MS A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.SILS_DATE = :SILS_DATE AND A.SILS_GUBUN = '2' AND A.STRG_CODE = :STRG_CODE
  AND B.DIVIDE_CODE LIKE 'L%'
ORDER BY B.ITEM_NAME)").arg(sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

const QString kShortfall = QStringLiteral("출고 수량이 현재고 수량을 초과 하였습니다");
const QString kOutletCode = QStringLiteral("03");

void bound(db::Query &q, const Params &params)
{
    for (const auto &p : params)
        if (q.parameterNames().contains(p.first))
            q.bind(p.first, p.second);
}

} // namespace

IssueEntry::IssueEntry(IssueEntrySpec spec, QWidget *parent) : TfrmZOI010(spec.programId, parent), m_spec(std::move(spec))
{
    setObjectName(QStringLiteral("frm") + m_spec.programId);
    setWindowTitle(m_spec.caption);
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
    work->addWidget(rgdOD010DT, 1);
    mainLayout->insertLayout(0, work, 1);
    FormCreate();
    panRecordCount->hide();
    if (m_spec.prints) {
        bbtPrint->show();
        bbtPreview->show();
        OnUserAction(bbtPrint, &QPushButton::clicked, this, [this] { print(false); });
        OnUserAction(bbtPreview, &QPushButton::clicked, this, [this] { print(true); });
        addHotKey(QStringLiteral("popHotkeyPrint"), Qt::Key_F11, [this] { print(false); });
    }

    InstallLookups({
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE_S"), {QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("edtSTRG_CODE_NM_S")}, false),
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE"), {QStringLiteral("edtSTRG_CODE"), QStringLiteral("edtSTRG_CODE_NM")}, false,
                          {.afterPick = [this](TPopupBtn &) { refreshStock(); }}),
        StockItem(QStringLiteral("pbtnITEM_CODE"),
                  {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD1"),
                   QStringLiteral("edtSOOBUL_UNIT_NM")},
                  {.afterPick = [this](TPopupBtn &) { refreshStock(); }, .afterClear = [this] { ClearFields({edtStock_Qty}); }}),
    });

    const QString today = GetSystemDate();
    medDELI_DATE_S->setPlainText(today);
    medDELI_DATE_E->setPlainText(today);
    // The lists open empty: a search that cannot match, then the filter is cleared.
    edtSTRG_CODE_S->setText(QStringLiteral("~"));
    glSelect();
    edtSTRG_CODE_S->clear();
    setHeaderEditable(false, false);
    glEnabledCheck();
}

void IssueEntry::buildSearchPanel()
{
    medDELI_DATE_S = DateBox(panSearch, "medDELI_DATE_S");
    medDELI_DATE_E = DateBox(panSearch, "medDELI_DATE_E");
    edtSTRG_CODE_S = CodeBox(panSearch, "edtSTRG_CODE_S", 3, 40);
    edtSTRG_CODE_NM_S = TextBox(panSearch, "edtSTRG_CODE_NM_S", 0, ReadOnly, 120);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("출고기간"), {medDELI_DATE_S}),
        Labelled(QStringLiteral("~"), {medDELI_DATE_E}),
        Labelled(QStringLiteral("출고창고"), {edtSTRG_CODE_S, edtSTRG_CODE_NM_S}),
    });
}

void IssueEntry::buildList()
{
    using namespace widgets;
    cdsOD010MS = new RecordSet(this);
    rgdOD010MS = new DataGrid(panDisplay);
    rgdOD010MS->setObjectName(QStringLiteral("rgdOD010MS"));
    rgdOD010MS->setRecordSet(cdsOD010MS);
    rgdOD010MS->setReadOnly(true);
    rgdOD010MS->setRowSelect(true);
    rgdOD010MS->setColumns(m_spec.columns);
    rgdOD010MS->setFooterCount(1);
    rgdOD010MS->setFooterTitle(0, QStringLiteral("갯수"));
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOD010MS, 1);
    setListRecords(cdsOD010MS);
    OnUserAction(cdsOD010MS, &RecordSet::afterScroll, this, [this] { showCurrentIssue(); });
    connect(rgdOD010MS, &GridBase::cellDoubleClicked, this, [this] { bbtEditClick(); });
}

void IssueEntry::buildHeader()
{
    panHeader = new QGroupBox(panMain);
    panHeader->setObjectName(QStringLiteral("panHeader"));
    medDELI_DATE = DateBox(panHeader, "medDELI_DATE");
    edtSTRG_CODE = CodeBox(panHeader, "edtSTRG_CODE", 3, 40);
    edtSTRG_CODE_NM = TextBox(panHeader, "edtSTRG_CODE_NM", 0, ReadOnly, 120);
    edtDELI_NO = TextBox(panHeader, "edtDELI_NO", 15, ReadOnly, 110);
    Row row = {Labelled(QStringLiteral("출고일자"), {medDELI_DATE}),
               Labelled(QStringLiteral("출고창고"), {edtSTRG_CODE, edtSTRG_CODE_NM}),
               Labelled(QStringLiteral("출고번호"), {edtDELI_NO})};
    if (!m_spec.kinds.isEmpty()) {
        cbDELI_GUBUN = new QComboBox(panHeader);
        cbDELI_GUBUN->setObjectName(QStringLiteral("cbDELI_GUBUN"));
        for (const auto &kind : m_spec.kinds)
            cbDELI_GUBUN->addItem(kind.second, kind.first);
        row << Labelled(QStringLiteral("출고구분"), {cbDELI_GUBUN});
    }
    LabelledGrid(panHeader, {row});
    m_header = {{"DELI_DATE", medDELI_DATE}, {"STRG_CODE", edtSTRG_CODE}, {"STRG_CODE_NM", edtSTRG_CODE_NM},
                {"DELI_NO", edtDELI_NO}};
}

void IssueEntry::buildLines()
{
    using namespace widgets;
    cdsOD010DT = new RecordSet(this);
    rgdOD010DT = new DataGrid(panMain);
    rgdOD010DT->setObjectName(QStringLiteral("rgdOD010DT"));
    rgdOD010DT->setRecordSet(cdsOD010DT);
    rgdOD010DT->setReadOnly(true);
    rgdOD010DT->setRowSelect(true);
    rgdOD010DT->setColumns(StockLineColumns(QStringLiteral("DELI_SEQ")));
    rgdOD010DT->setFooterCount(1);
    rgdOD010DT->setFooterTitle(0, QStringLiteral("갯수"));

    auto *box = new QGroupBox(QStringLiteral("[ 출고 품목 ]"), panInput);
    edtITEM_CODE = TextBox(box, "edtITEM_CODE", 8, ReadOnly, 70);
    edtITEM_NAME = TextBox(box, "edtITEM_NAME", 100);
    edtITEM_STANDARD1 = TextBox(box, "edtITEM_STANDARD1", 0, ReadOnly);
    edtQTY = NumberBox(box, "edtQTY", 1, Positive);
    edtSOOBUL_UNIT_NM = TextBox(box, "edtSOOBUL_UNIT_NM", 0, ReadOnly, 50);
    edtStock_Qty = NumberBox(box, "edtStock_Qty", 1, ReadOnly);
    edtREMARK = TextBox(box, "edtREMARK", 40);
    btnLineAppend = makeButton(box, QStringLiteral("btnLineAppend"), QStringLiteral("추가"));
    btnLineDelete = makeButton(box, QStringLiteral("btnLineDelete"), QStringLiteral("삭제"));
    LabelledGrid(box, {
        {Labelled(QStringLiteral("품목코드"), {edtITEM_CODE, edtITEM_NAME})},
        {Labelled(QStringLiteral("규    격"), {edtITEM_STANDARD1})},
        {Labelled(QStringLiteral("출고수량"), {edtQTY, edtSOOBUL_UNIT_NM})},
        {Labelled(QStringLiteral("현 재 고"), {edtStock_Qty})},
        {Labelled(QStringLiteral("비    고"), {edtREMARK})},
        {Bare(ButtonRow(box, {btnLineAppend, btnLineDelete}))},
    });
    auto *in = new QVBoxLayout(panInput);
    in->addWidget(box);
    if (m_spec.loadsCounts) {
        auto *countBox = new QGroupBox(panInput);
        medSILS_DATE = DateBox(countBox, "medSILS_DATE");
        btnLoad = makeButton(countBox, QStringLiteral("btnLoad"), QStringLiteral("실사조정 자료 불러오기"));
        LabelledGrid(countBox, {{Labelled(QStringLiteral("실사일자"), {medSILS_DATE}), Bare(btnLoad)}});
        in->addWidget(countBox);
        OnUserAction(btnLoad, &QPushButton::clicked, this, [this] { btnLoadClick(); });
    }
    in->addStretch(1);

    m_lines = new LineEditor(cdsOD010DT, rgdOD010DT,
        {{"ITEM_CODE", edtITEM_CODE}, {"ITEM_NAME", edtITEM_NAME}, {"ITEM_STANDARD1", edtITEM_STANDARD1},
         {"QTY", edtQTY, 1}, {"SOOBUL_UNIT_NM", edtSOOBUL_UNIT_NM}, {"STOCK_QTY", edtStock_Qty}, {"REMARK", edtREMARK}},
        {.seq = QStringLiteral("DELI_SEQ"), .countColumn = QStringLiteral("ITEM_NAME"),
         .checks = {{[this] { return edtITEM_CODE->text().trimmed().size() == 8; },
                     QStringLiteral("품목코드를 반드시 입력하세요"), edtITEM_NAME},
                    {[this] { return edtQTY->value() > 0; }, QStringLiteral("수량을 반드시 입력하세요"), edtQTY},
                    {[this] { return stockAllows(); }, kShortfall, edtQTY}},
         .entryFocus = edtITEM_NAME},
        this);
    OnUserAction(btnLineAppend, &QPushButton::clicked, this, [this] {
        if (WorkMode != wmBrowse)
            m_lines->apply();
    });
    OnUserAction(btnLineDelete, &QPushButton::clicked, this, [this] {
        if (WorkMode != wmBrowse)
            m_lines->removeCurrent();
    });
}

void IssueEntry::showEvent(QShowEvent *event)
{
    TfrmZOI010::showEvent(event);
    if (!m_started) {
        m_started = true;
        medDELI_DATE_S->setFocus();
    }
}

Params IssueEntry::currentKey() const
{
    return {{QStringLiteral("DELI_DATE"), cdsOD010MS->text(QStringLiteral("DELI_DATE"))},
            {QStringLiteral("STRG_CODE"), cdsOD010MS->text(QStringLiteral("STRG_CODE"))},
            {QStringLiteral("DELI_NUM"), cdsOD010MS->text(QStringLiteral("DELI_NUM"))}};
}

void IssueEntry::setHeaderEditable(bool editable, bool keyLocked)
{
    panHeader->setEnabled(editable);
    medDELI_DATE->setReadOnly(keyLocked);
    SetReadOnly(edtSTRG_CODE, keyLocked);
    if (cbDELI_GUBUN)
        cbDELI_GUBUN->setEnabled(!keyLocked);   // the kind of a saved issue stays
    if (auto *b = PopupBtn(QStringLiteral("pbtnSTRG_CODE")))
        b->setEnabled(!keyLocked);
}

// ---------------------------------------------------------------- search and display

void IssueEntry::glSelect()
{
    const QString statement = kSelect.arg(IssueKindNameSql(QStringLiteral("A.DELI_GUBUN")),
                                          StateNameSql(QStringLiteral("A.APPR_GUBUN")), m_spec.kindFilter);
    RecordCount = OpenRecords(*cdsOD010MS, ScreenConnection(), statement,
                              {{QStringLiteral("DELI_DATE_S"), medDELI_DATE_S->dateText()},
                               {QStringLiteral("DELI_DATE_E"), medDELI_DATE_E->dateText()},
                               {QStringLiteral("STRG_CODE"), edtSTRG_CODE_S->text().trimmed()}});
    rgdOD010MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentIssue();
}

void IssueEntry::showCurrentIssue()
{
    if (WorkMode != wmBrowse || cdsOD010MS->isLoading())
        return;
    const int row = cdsOD010MS->currentRow();
    m_header.read(*cdsOD010MS, row);
    if (cbDELI_GUBUN)
        cbDELI_GUBUN->setCurrentIndex(std::max(0, cbDELI_GUBUN->findData(cdsOD010MS->text(QStringLiteral("DELI_GUBUN")))));
    m_lines->load(ScreenConnection(), kLines, currentKey());
}

QString IssueEntry::kindCode() const
{
    return cbDELI_GUBUN ? cbDELI_GUBUN->currentData().toString() : QStringLiteral("1");
}

QString IssueEntry::kindName(const QString &code) const
{
    for (const auto &kind : m_spec.kinds)
        if (kind.first == code)
            return kind.second;
    return QStringLiteral("정상출고");
}

// ---------------------------------------------------------------- lines

void IssueEntry::refreshStock()
{
    const QString strg = edtSTRG_CODE->text().trimmed();
    const QString item = edtITEM_CODE->text().trimmed();
    if (!strg.isEmpty() && !item.isEmpty())
        edtStock_Qty->setValue(GetStockQty(strg, item, medDELI_DATE->dateText(), ScreenConnection()));
}

// The quantity in the panel, with what the document already issues of the
// same item when the panel adds to that line, must be in stock.
bool IssueEntry::stockAllows() const
{
    double needed = edtQTY->value();
    const int current = cdsOD010DT->currentRow();
    if (current < 0 || !m_lines->isLine(current)) {
        const QString item = edtITEM_CODE->text().trimmed();
        for (int row : m_lines->lineRows())
            if (m_lines->text(row, QStringLiteral("ITEM_CODE")) == item)
                needed += m_lines->number(row, QStringLiteral("QTY"));
    }
    return edtStock_Qty->value() + m_givenBack.value(edtITEM_CODE->text().trimmed()) >= needed;
}

void IssueEntry::btnLoadClick()
{
    if (WorkMode == wmBrowse)
        return;
    if (!AllHold({{IsFilled(medDELI_DATE), QStringLiteral("이동일자는 반드시 입력하세요"), medDELI_DATE},
                  {[this] { return edtSTRG_CODE->text().trimmed().size() == 3; },
                   QStringLiteral("창고를 먼저 선택하고 불러오기를 하십시오."), edtSTRG_CODE},
                  {IsFilled(medSILS_DATE), QStringLiteral("실사일자는 반드시 입력하세요"), medSILS_DATE}}))
        return;
    db::Connection &conn = ScreenConnection();
    const QString strg = edtSTRG_CODE->text().trimmed();
    if (db::Query::scalar(conn, QString::fromLatin1(kBusinessKind), {{QStringLiteral("STRG_CODE"), strg}}).trimmed() != kOutletCode) {
        ShowInfo(QStringLiteral("영업장 창고가 아니므로 실사자료 불러오기를 할 수 없습니다. "));
        return;
    }
    db::Query q(conn, kCountLines);
    q.bind(QStringLiteral("SILS_DATE"), medSILS_DATE->dateText())
        .bind(QStringLiteral("STRG_CODE"), strg)
        .bind(QStringLiteral("STOC_YYMM"), QString(medDELI_DATE->dateText()).remove(u'-').left(6));
    q.exec();
    while (q.next()) {
        const double stock = q.number(QStringLiteral("STOC_QTY"));
        if (stock <= 0)
            continue;
        m_lines->appendLine({{QStringLiteral("ITEM_CODE"), q.text(QStringLiteral("ITEM_CODE"))},
                             {QStringLiteral("ITEM_NAME"), q.text(QStringLiteral("ITEM_NAME"))},
                             {QStringLiteral("ITEM_STANDARD1"), q.text(QStringLiteral("ITEM_STANDARD1"))},
                             {QStringLiteral("STOCK_QTY"), stock}, {QStringLiteral("QTY"), stock},
                             {QStringLiteral("SOOBUL_UNIT_NM"), q.text(QStringLiteral("SOOBUL_UNIT_NM"))},
                             {QStringLiteral("REMARK"), QStringLiteral("실사조정수량불러오기")}});
    }
}

// ---------------------------------------------------------------- operations

void IssueEntry::glInsert()
{
    m_givenBack.clear();
    cdsOD010MS->append();
    m_header.clear();
    m_lines->clear();
    m_lines->openEntryRow();
    setHeaderEditable(true, false);
    medDELI_DATE->setPlainText(GetSystemDate());
    medDELI_DATE->setFocus();
}

void IssueEntry::glEdit()
{
    QString refusal;
    try {
        gateOf(m_spec).check(ScreenConnection(), currentKey(), GateAction::Edit);
    } catch (const EUserExcept &e) {
        refusal = QString::fromUtf8(e.what());
    }
    if (cdsOD010MS->currentRow() < 0 || !refusal.isEmpty()) {
        WorkMode = wmBrowse;
        glEnabledCheck();
        ShowStatus(QString());
        if (!refusal.isEmpty())
            ShowInfo(refusal);
        return;
    }
    m_editKey = currentKey();
    m_givenBack.clear();
    if (!m_spec.confirmed)
        for (int row : m_lines->lineRows())
            m_givenBack[m_lines->text(row, QStringLiteral("ITEM_CODE"))] += m_lines->number(row, QStringLiteral("QTY"));
    cdsOD010MS->edit();
    m_lines->openEntryRow();
    setHeaderEditable(true, true);
    edtITEM_NAME->setFocus();
}

void IssueEntry::glSave()
{
    SaveOK = false;
    const bool inserting = WorkMode == wmInsert;
    if (!AllHold({{IsFilled(medDELI_DATE), m_spec.dateRequired, medDELI_DATE},
                  {IsFilled(edtSTRG_CODE), QStringLiteral("출고창고는 반드시 입력하세요"), edtSTRG_CODE}}))
        return;
    if (m_lines->lineCount() == 0) {
        ShowInfo(QStringLiteral("출고 품목을 입력하세요"));
        edtITEM_NAME->setFocus();
        return;
    }
    const QString date = medDELI_DATE->dateText();
    const QString strg = edtSTRG_CODE->text().trimmed();
    // Saving posts the issue on its date: a closed day refuses it.
    if (RefuseClosedDay(date, ScreenConnection()))
        return;
    if (inserting)
        edtDELI_NO->setText(DrawDocumentNumber(ScreenConnection(), QStringLiteral("DE"), date));
    const int row = cdsOD010MS->currentRow();
    QString deliNum;
    try {
        db::Transaction tx(ScreenConnection());
        deliNum = writeIssue(inserting, date, strg, edtDELI_NO->text().trimmed());
        tx.commit();
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return;
    }
    m_header.write(*cdsOD010MS, row);
    cdsOD010MS->setValue(row, QStringLiteral("DELI_NUM"), deliNum.toDouble());
    if (inserting) {
        cdsOD010MS->setValue(row, QStringLiteral("DELI_GUBUN"), kindCode());
        cdsOD010MS->setValue(row, QStringLiteral("DELI_GUBUN_NM"), kindName(kindCode()));
    }
    if (m_spec.confirmed) {
        cdsOD010MS->setValue(row, QStringLiteral("APPR_GUBUN"), QStringLiteral("2"));
        cdsOD010MS->setValue(row, QStringLiteral("APPR_GUBUN_NM"), StateName(QStringLiteral("2")));
        cdsOD010MS->setValue(row, QStringLiteral("APPR_EMP_NO"), gEmpNo);
        cdsOD010MS->setValue(row, QStringLiteral("APPR_DATE"), date);
    }
    cdsOD010MS->post();
    RecordCount = cdsOD010MS->recordCount();
    rgdOD010MS->showRowCount(0, 0);
    ShowRecordCount();
    setHeaderEditable(false, false);
    SaveOK = true;
    WorkMode = wmBrowse;
    showCurrentIssue();
    medDELI_DATE_S->setFocus();
}

// Header and lines of the issue in the save's transaction, then its posting.
// The stock is tested again here: another issue may have taken it since the
// lines were entered. Returns the document's running number.
QString IssueEntry::writeIssue(bool inserting, const QString &date, const QString &strg, const QString &deliNo)
{
    db::Connection &conn = ScreenConnection();
    Params key;
    if (inserting) {
        InsertWithNextSerial(conn, [&] {
            const QString num = db::Query::scalar(conn, QString::fromLatin1(kNextNum),
                                                  {{QStringLiteral("DELI_DATE"), date}, {QStringLiteral("STRG_CODE"), strg}});
            key = {{QStringLiteral("DELI_DATE"), date}, {QStringLiteral("STRG_CODE"), strg}, {QStringLiteral("DELI_NUM"), num}};
            db::Query q(conn, QString::fromLatin1(m_spec.confirmed ? kInsertConfirmed : kInsertOther));
            bound(q, {{QStringLiteral("DELI_DATE"), date}, {QStringLiteral("STRG_CODE"), strg}, {QStringLiteral("DELI_NUM"), num},
                      {QStringLiteral("DELI_NO"), deliNo}, {QStringLiteral("DELI_GUBUN"), kindCode()}});
            sql::BindAudit(q).exec();
        });
    } else {
        key = m_editKey;
        gateOf(m_spec).check(conn, key, GateAction::Edit);
        for (const char *statement : {m_spec.confirmed ? kConfirmHeader : kStampHeader, kDeleteLines}) {
            db::Query q(conn, QString::fromLatin1(statement));
            bound(q, key);
            sql::BindAudit(q).exec();
        }
        // A posted issue gives its stock back before its new content is tested and posted.
        if (!m_spec.confirmed)
            Post(conn, QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), deliNo, QStringLiteral("DEL"));
    }
    QList<StockLine> lines;
    const QList<int> rows = m_lines->lineRows();
    for (int row : rows)
        lines << StockLine{m_lines->text(row, QStringLiteral("ITEM_CODE")), m_lines->number(row, QStringLiteral("QTY")),
                           m_lines->text(row, QStringLiteral("REMARK"))};
    if (const int shortLine = FirstShortLine(conn, strg, date, lines); shortLine >= 0) {
        cdsOD010DT->moveTo(rows.at(shortLine));
        edtQTY->setFocus();
        throw EUserExcept(kShortfall);
    }
    for (int i = 0; i < lines.size(); ++i) {
        db::Query q(conn, QString::fromLatin1(kInsertLine));
        for (const auto &p : key)
            q.bind(p.first, p.second);
        q.bind(QStringLiteral("DELI_SEQ"), QString::number(i + 1)).bind(QStringLiteral("ITEM_CODE"), lines.at(i).itemCode)
            .bind(QStringLiteral("QTY"), QString::number(lines.at(i).qty, 'f', 5)).bind(QStringLiteral("REMARK"), lines.at(i).remark);
        sql::BindAudit(q).exec();
    }
    Post(conn, QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"), deliNo, QStringLiteral("INS"));
    return key.at(2).second;
}

void IssueEntry::glCancel()
{
    cdsOD010MS->cancel();
    setHeaderEditable(false, false);
    WorkMode = wmBrowse;
    medDELI_DATE_S->setFocus();
    showCurrentIssue();
}

bool IssueEntry::glDelete()
{
    if (cdsOD010MS->currentRow() < 0)
        return false;
    const Params key = currentKey();
    try {
        gateOf(m_spec).check(ScreenConnection(), key, GateAction::Delete);
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return false;
    }
    // An other issue is posted until now; deleting it would change a closed day's stock.
    if (!m_spec.confirmed && RefuseClosedDay(key.at(0).second, ScreenConnection()))
        return false;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    // A normal issue that may be deleted is not posted; an other issue is, until now.
    db::Connection &conn = ScreenConnection();
    try {
        db::Transaction tx(conn);
        gateOf(m_spec).check(conn, key, GateAction::Delete);
        if (!m_spec.confirmed)
            Post(conn, QStringLiteral("PR_O_DATE_STOCK_DELI_UPDATE"), QStringLiteral("I_DELI_NO"),
                 cdsOD010MS->text(QStringLiteral("DELI_NO")), QStringLiteral("DEL"));
        for (const char *statement : {kDeleteLines, kDeleteHeader}) {
            db::Query q(conn, QString::fromLatin1(statement));
            for (const auto &p : key)
                q.bind(p.first, p.second);
            q.exec();
        }
        tx.commit();
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return false;
    }
    cdsOD010MS->deleteRecord();
    RecordCount = cdsOD010MS->recordCount();
    rgdOD010MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentIssue();
    return true;
}

void IssueEntry::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        CheckDateOnLeave(mask);
}

bool IssueEntry::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == rgdOD010MS && DocumentListKey(*this, *event))
        return true;
    if (control == edtREMARK && WorkMode == wmInsert && IsEnterKey(*event)) {
        m_lines->apply();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}

void IssueEntry::print(bool toPreview)
{
    if (WorkMode != wmBrowse || cdsOD010MS->currentRow() < 0)
        return;
    TfrmODP010 form;
    form.setLabel(QStringLiteral("qrlDeli_no"), cdsOD010MS->text(QStringLiteral("DELI_NO")));
    form.setLabel(QStringLiteral("qrlDeli_Date"), cdsOD010MS->text(QStringLiteral("DELI_DATE")));
    form.setLabel(QStringLiteral("qrlStrg_Code"), QStringLiteral("[%1] %2").arg(cdsOD010MS->text(QStringLiteral("STRG_CODE")),
                                                                                 cdsOD010MS->text(QStringLiteral("STRG_CODE_NM"))));
    form.run(currentKey(), toPreview, this);
}

#include "moc_IssueEntry.cpp"
