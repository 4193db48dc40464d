#include "modules/issues/TransferEntry.h"

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
#include "modules/issues/ODP020.h"
#include "session/Dialogs.h"
#include "session/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace kit;
using namespace issues;

namespace {

const QString kSelect = QStringLiteral(R"(SELECT A.MOVE_DATE, A.MOVE_NO, A.FROM_STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.FROM_STRG_CODE) FROM_STRG_CODE_NM,
  A.TO_STRG_CODE, (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.TO_STRG_CODE) TO_STRG_CODE_NM,
  A.MOVE_NUM, A.MOVE_GUBUN, CASE A.MOVE_GUBUN WHEN '1' THEN '창고이동' WHEN '2' THEN '이동불출' ELSE '' END MOVE_GUBUN_NM,
  A.DELI_NO, (SELECT MAX(D.DELI_NUM) FROM OD010MS D WHERE D.DELI_NO = A.DELI_NO) DELI_NUM,
  A.APPR_GUBUN, %1 APPR_GUBUN_NM, A.APPR_EMP_NO, A.APPR_DATE
FROM OD020MS A
WHERE A.MOVE_DATE BETWEEN :MOVE_DATE_S AND :MOVE_DATE_E
  AND A.MOVE_GUBUN = :MOVE_GUBUN
  AND A.FROM_STRG_CODE LIKE COALESCE(:FROM_STRG_CODE,'') || '%'
  AND A.TO_STRG_CODE LIKE COALESCE(:TO_STRG_CODE,'') || '%'
ORDER BY A.MOVE_DATE, A.FROM_STRG_CODE, A.TO_STRG_CODE, A.MOVE_NUM)").arg(StateNameSql(QStringLiteral("A.APPR_GUBUN")));

const QString kKey = QStringLiteral(
    "MOVE_DATE = :MOVE_DATE AND FROM_STRG_CODE = :FROM_STRG_CODE AND TO_STRG_CODE = :TO_STRG_CODE AND MOVE_NUM = :MOVE_NUM");

const QString kLines = StockLinesSql(QStringLiteral("OD020DT"), QStringLiteral("MOVE_SEQ"), QStringLiteral("FROM_STRG_CODE"),
    QStringLiteral("A.MOVE_DATE = :MOVE_DATE AND A.FROM_STRG_CODE = :FROM_STRG_CODE AND A.TO_STRG_CODE = :TO_STRG_CODE "
                   "AND A.MOVE_NUM = :MOVE_NUM"));

const char *const kNextMoveNum =
    "SELECT COALESCE(MAX(MOVE_NUM),0) + 1 MAXNUM FROM OD020MS "
    " WHERE MOVE_DATE = :MOVE_DATE AND FROM_STRG_CODE = :FROM_STRG_CODE AND TO_STRG_CODE = :TO_STRG_CODE";
const char *const kInsertTransfer =
    "INSERT INTO OD020MS (MOVE_DATE, FROM_STRG_CODE, TO_STRG_CODE, MOVE_NUM, MOVE_NO, MOVE_GUBUN, DELI_NO, "
    "                     APPR_GUBUN, APPR_EMP_NO, APPR_DATE, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:MOVE_DATE, :FROM_STRG_CODE, :TO_STRG_CODE, :MOVE_NUM, :MOVE_NO, :MOVE_GUBUN, :DELI_NO, "
    "        '2', :U_EMP_NO, :MOVE_DATE, :U_EMP_NO, SYSDATE(), :U_IP)";
const char *const kConfirmTransfer =
    "UPDATE OD020MS SET U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP, "
    "       APPR_GUBUN = '2', APPR_EMP_NO = :U_EMP_NO, APPR_DATE = MOVE_DATE "
    " WHERE MOVE_DATE = :MOVE_DATE AND FROM_STRG_CODE = :FROM_STRG_CODE AND TO_STRG_CODE = :TO_STRG_CODE AND MOVE_NUM = :MOVE_NUM";
const char *const kDeleteTransferLines =
    "DELETE FROM OD020DT "
    " WHERE MOVE_DATE = :MOVE_DATE AND FROM_STRG_CODE = :FROM_STRG_CODE AND TO_STRG_CODE = :TO_STRG_CODE AND MOVE_NUM = :MOVE_NUM";
const char *const kDeleteTransfer =
    "DELETE FROM OD020MS "
    " WHERE MOVE_DATE = :MOVE_DATE AND FROM_STRG_CODE = :FROM_STRG_CODE AND TO_STRG_CODE = :TO_STRG_CODE AND MOVE_NUM = :MOVE_NUM";
const char *const kInsertTransferLine =
    "INSERT INTO OD020DT (MOVE_DATE, FROM_STRG_CODE, TO_STRG_CODE, MOVE_NUM, MOVE_SEQ, ITEM_CODE, QTY, REMARK, "
    "                     U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:MOVE_DATE, :FROM_STRG_CODE, :TO_STRG_CODE, :MOVE_NUM, :MOVE_SEQ, :ITEM_CODE, :QTY, :REMARK, "
    "        :U_EMP_NO, SYSDATE(), :U_IP)";

// The issue leg of a transfer issue-out, found by its number.
const char *const kNextDeliNum =
    "SELECT COALESCE(MAX(DELI_NUM),0) + 1 MAXNUM FROM OD010MS WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE";
const char *const kInsertIssue =
    "INSERT INTO OD010MS (DELI_DATE, STRG_CODE, DELI_NUM, DELI_NO, DELI_GUBUN, U_EMP_NO, U_DATE, U_IP, "
    "                     APPR_GUBUN, APPR_EMP_NO, APPR_DATE) "
    "VALUES (:DELI_DATE, :STRG_CODE, :DELI_NUM, :DELI_NO, '2', :U_EMP_NO, SYSDATE(), :U_IP, '2', :U_EMP_NO, :DELI_DATE)";
const char *const kConfirmIssue =
    "UPDATE OD010MS SET U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP, "
    "       APPR_GUBUN = '2', APPR_EMP_NO = :U_EMP_NO, APPR_DATE = :DELI_DATE WHERE DELI_NO = :DELI_NO";
const char *const kIssueOfNumber =
    " WHERE (DELI_DATE, STRG_CODE, DELI_NUM) IN (SELECT DELI_DATE, STRG_CODE, DELI_NUM FROM OD010MS WHERE DELI_NO = :DELI_NO)";
const char *const kInsertIssueLine =
    "INSERT INTO OD010DT (DELI_DATE, STRG_CODE, DELI_NUM, DELI_SEQ, ITEM_CODE, QTY, REMARK, U_EMP_NO, U_DATE, U_IP) "
    "SELECT DELI_DATE, STRG_CODE, DELI_NUM, :DELI_SEQ, :ITEM_CODE, :QTY, :REMARK, :U_EMP_NO, SYSDATE(), :U_IP "
    "  FROM OD010MS WHERE DELI_NO = :DELI_NO";
const char *const kDeleteIssue = "DELETE FROM OD010MS WHERE DELI_NO = :DELI_NO";

void run(db::Connection &conn, const QString &sql, const Params &params)
{
    db::Query q(conn, sql);
    for (const auto &p : params)
        if (q.parameterNames().contains(p.first))
            q.bind(p.first, p.second);
    sql::BindAudit(q).exec();
}

StatusGate gateOf(const TransferSpec &spec)
{
    return {QStringLiteral("SELECT APPR_GUBUN FROM OD020MS WHERE ") + kKey,
            {QStringLiteral("UPDATE OD020MS SET APPR_GUBUN = APPR_GUBUN WHERE ") + kKey},
            {{QStringLiteral("APPR_GUBUN"), QStringLiteral("2"), spec.editRefusal, spec.deleteRefusal}}};
}

} // namespace

TransferEntry::TransferEntry(TransferSpec spec, QWidget *parent)
    : TfrmZOI010(spec.programId, parent), m_spec(std::move(spec))
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
    work->addWidget(rgdOD020DT, 1);
    mainLayout->insertLayout(0, work, 1);
    FormCreate();
    panRecordCount->hide();
    bbtPrint->show();
    bbtPreview->show();
    OnUserAction(bbtPrint, &QPushButton::clicked, this, [this] { print(false); });
    OnUserAction(bbtPreview, &QPushButton::clicked, this, [this] { print(true); });
    addHotKey(QStringLiteral("popHotkeyPrint"), Qt::Key_F11, [this] { print(false); });

    const auto warehouse = [](const char *button, const char *code, const char *name, const LookupOptions &options = {}) {
        return lookup::Warehouse(QLatin1String(button), {QLatin1String(code), QLatin1String(name)}, false, options);
    };
    // The stock shown is the source's; a transfer issue-out refreshes it on choosing the item only.
    LookupOptions sourceChosen;
    if (!m_spec.issueLeg())
        sourceChosen.afterPick = [this](TPopupBtn &) { refreshStock(); };
    InstallLookups({
        warehouse("pbtnFROM_STRG_CODE_S", "edtFROM_STRG_CODE_S", "edtFROM_STRG_CODE_NM_S"),
        warehouse("pbtnTO_STRG_CODE_S", "edtTO_STRG_CODE_S", "edtTO_STRG_CODE_NM_S"),
        warehouse("pbtnFROM_STRG_CODE", "edtFROM_STRG_CODE", "edtFROM_STRG_CODE_NM", sourceChosen),
        warehouse("pbtnTO_STRG_CODE", "edtTO_STRG_CODE", "edtTO_STRG_CODE_NM"),
        StockItem(QStringLiteral("pbtnITEM_CODE"),
                  {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD1"),
                   QStringLiteral("edtSOOBUL_UNIT_NM")},
                  {.afterPick = [this](TPopupBtn &) { refreshStock(); }, .afterClear = [this] { ClearFields({edtStock_Qty}); }}),
    });

    const QString today = GetSystemDate();
    medMOVE_DATE_S->setPlainText(today);
    medMOVE_DATE_E->setPlainText(today);
    // The lists open empty: a search that cannot match, then the filter is cleared.
    edtFROM_STRG_CODE_S->setText(QStringLiteral("~"));
    glSelect();
    edtFROM_STRG_CODE_S->clear();
    setHeaderEditable(false, false);
    glEnabledCheck();
}

void TransferEntry::buildSearchPanel()
{
    medMOVE_DATE_S = DateBox(panSearch, "medMOVE_DATE_S");
    medMOVE_DATE_E = DateBox(panSearch, "medMOVE_DATE_E");
    edtFROM_STRG_CODE_S = CodeBox(panSearch, "edtFROM_STRG_CODE_S", 3, 40);
    edtFROM_STRG_CODE_NM_S = TextBox(panSearch, "edtFROM_STRG_CODE_NM_S", 0, ReadOnly, 110);
    edtTO_STRG_CODE_S = CodeBox(panSearch, "edtTO_STRG_CODE_S", 3, 40);
    edtTO_STRG_CODE_NM_S = TextBox(panSearch, "edtTO_STRG_CODE_NM_S", 0, ReadOnly, 110);
    FieldRow(m_searchLayout, {
        Labelled(m_spec.periodLabel, {medMOVE_DATE_S}),
        Labelled(QStringLiteral("~"), {medMOVE_DATE_E}),
        Labelled(m_spec.sourceLabel, {edtFROM_STRG_CODE_S, edtFROM_STRG_CODE_NM_S}),
        Labelled(m_spec.targetLabel, {edtTO_STRG_CODE_S, edtTO_STRG_CODE_NM_S}),
    });
}

void TransferEntry::buildList()
{
    using namespace widgets;
    cdsOD020MS = new RecordSet(this);
    rgdOD020MS = new DataGrid(panDisplay);
    rgdOD020MS->setObjectName(QStringLiteral("rgdOD020MS"));
    rgdOD020MS->setRecordSet(cdsOD020MS);
    rgdOD020MS->setReadOnly(true);
    rgdOD020MS->setRowSelect(true);
    rgdOD020MS->setColumns(m_spec.columns);
    rgdOD020MS->setFooterCount(1);
    rgdOD020MS->setFooterTitle(0, QStringLiteral("갯수"));
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOD020MS, 1);
    setListRecords(cdsOD020MS);
    OnUserAction(cdsOD020MS, &RecordSet::afterScroll, this, [this] { showCurrentTransfer(); });
    connect(rgdOD020MS, &GridBase::cellDoubleClicked, this, [this] { bbtEditClick(); });
}

void TransferEntry::buildHeader()
{
    panHeader = new QGroupBox(panMain);
    panHeader->setObjectName(QStringLiteral("panHeader"));
    medMOVE_DATE = DateBox(panHeader, "medMOVE_DATE");
    edtFROM_STRG_CODE = CodeBox(panHeader, "edtFROM_STRG_CODE", 3, 40);
    edtFROM_STRG_CODE_NM = TextBox(panHeader, "edtFROM_STRG_CODE_NM", 0, ReadOnly, 110);
    edtTO_STRG_CODE = CodeBox(panHeader, "edtTO_STRG_CODE", 3, 40);
    edtTO_STRG_CODE_NM = TextBox(panHeader, "edtTO_STRG_CODE_NM", 0, ReadOnly, 110);
    edtMOVE_NO = TextBox(panHeader, "edtMOVE_NO", 15, ReadOnly, 110);
    edtDELI_NO = TextBox(panHeader, "edtDELI_NO", 15, ReadOnly, 110);
    Row row = {Labelled(m_spec.dateLabel, {medMOVE_DATE}),
               Labelled(m_spec.sourceLabel, {edtFROM_STRG_CODE, edtFROM_STRG_CODE_NM}),
               Labelled(m_spec.targetLabel, {edtTO_STRG_CODE, edtTO_STRG_CODE_NM}),
               Labelled(m_spec.numberLabel, {edtMOVE_NO})};
    if (m_spec.issueLeg())
        row << Labelled(QStringLiteral("출고번호"), {edtDELI_NO});
    else
        edtDELI_NO->hide();
    LabelledGrid(panHeader, {row});
    m_header = {{"MOVE_DATE", medMOVE_DATE}, {"FROM_STRG_CODE", edtFROM_STRG_CODE},
                {"FROM_STRG_CODE_NM", edtFROM_STRG_CODE_NM}, {"TO_STRG_CODE", edtTO_STRG_CODE},
                {"TO_STRG_CODE_NM", edtTO_STRG_CODE_NM}, {"MOVE_NO", edtMOVE_NO}, {"DELI_NO", edtDELI_NO}};
}

void TransferEntry::buildLines()
{
    using namespace widgets;
    cdsOD020DT = new RecordSet(this);
    rgdOD020DT = new DataGrid(panMain);
    rgdOD020DT->setObjectName(QStringLiteral("rgdOD020DT"));
    rgdOD020DT->setRecordSet(cdsOD020DT);
    rgdOD020DT->setReadOnly(true);
    rgdOD020DT->setRowSelect(true);
    rgdOD020DT->setColumns(StockLineColumns(QStringLiteral("MOVE_SEQ")));
    rgdOD020DT->setFooterCount(1);
    rgdOD020DT->setFooterTitle(0, QStringLiteral("갯수"));

    auto *box = new QGroupBox(m_spec.linesCaption, panInput);
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
        {Labelled(QStringLiteral("수    량"), {edtQTY, edtSOOBUL_UNIT_NM})},
        {Labelled(QStringLiteral("현 재 고"), {edtStock_Qty})},
        {Labelled(QStringLiteral("비    고"), {edtREMARK})},
        {Bare(ButtonRow(box, {btnLineAppend, btnLineDelete}))},
    });
    auto *in = new QVBoxLayout(panInput);
    in->addWidget(box);
    in->addStretch(1);

    m_lines = new LineEditor(cdsOD020DT, rgdOD020DT,
        {{"ITEM_CODE", edtITEM_CODE}, {"ITEM_NAME", edtITEM_NAME}, {"ITEM_STANDARD1", edtITEM_STANDARD1},
         {"QTY", edtQTY, 1}, {"SOOBUL_UNIT_NM", edtSOOBUL_UNIT_NM}, {"STOCK_QTY", edtStock_Qty}, {"REMARK", edtREMARK}},
        {.seq = QStringLiteral("MOVE_SEQ"), .countColumn = QStringLiteral("ITEM_NAME"),
         .checks = {{[this] { return edtITEM_CODE->text().trimmed().size() == 8; },
                     QStringLiteral("품목코드는 반드시 입력하세요"), edtITEM_NAME},
                    {[this] { return edtQTY->value() > 0; }, QStringLiteral("수량을 반드시 입력하세요"), edtQTY},
                    {[this] { return stockAllows(); }, m_spec.shortfall, edtQTY}},
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

void TransferEntry::showEvent(QShowEvent *event)
{
    TfrmZOI010::showEvent(event);
    if (!m_started) {
        m_started = true;
        medMOVE_DATE_S->setFocus();
    }
}

Params TransferEntry::currentKey() const
{
    Params key;
    for (const char *name : {"MOVE_DATE", "FROM_STRG_CODE", "TO_STRG_CODE", "MOVE_NUM"})
        key.append({QLatin1String(name), cdsOD020MS->text(QLatin1String(name))});
    return key;
}

void TransferEntry::setHeaderEditable(bool editable, bool keyLocked)
{
    panHeader->setEnabled(editable);
    medMOVE_DATE->setReadOnly(keyLocked);
    SetReadOnly(edtFROM_STRG_CODE, keyLocked);
    SetReadOnly(edtTO_STRG_CODE, keyLocked);
    for (const char *button : {"pbtnFROM_STRG_CODE", "pbtnTO_STRG_CODE"})
        if (auto *b = PopupBtn(QLatin1String(button)))
            b->setEnabled(!keyLocked);
}

// ---------------------------------------------------------------- search and display

void TransferEntry::glSelect()
{
    RecordCount = OpenRecords(*cdsOD020MS, ScreenConnection(), kSelect,
                              {{QStringLiteral("MOVE_DATE_S"), medMOVE_DATE_S->dateText()},
                               {QStringLiteral("MOVE_DATE_E"), medMOVE_DATE_E->dateText()},
                               {QStringLiteral("MOVE_GUBUN"), m_spec.kind},
                               {QStringLiteral("FROM_STRG_CODE"), edtFROM_STRG_CODE_S->text().trimmed()},
                               {QStringLiteral("TO_STRG_CODE"), edtTO_STRG_CODE_S->text().trimmed()}});
    rgdOD020MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentTransfer();
}

void TransferEntry::showCurrentTransfer()
{
    if (WorkMode != wmBrowse || cdsOD020MS->isLoading())
        return;
    const int row = cdsOD020MS->currentRow();
    m_header.read(*cdsOD020MS, row);
    m_lines->load(ScreenConnection(), kLines, currentKey());
}

// ---------------------------------------------------------------- lines

void TransferEntry::refreshStock()
{
    const QString strg = edtFROM_STRG_CODE->text().trimmed();
    const QString item = edtITEM_CODE->text().trimmed();
    if (!strg.isEmpty() && !item.isEmpty())
        edtStock_Qty->setValue(GetStockQty(strg, item, medMOVE_DATE->dateText(), ScreenConnection()));
}

// The quantity in the panel, with what the document already moves of the
// same item when the panel adds to that line, must be in the source's stock.
bool TransferEntry::stockAllows() const
{
    double needed = edtQTY->value();
    const int current = cdsOD020DT->currentRow();
    if (current < 0 || !m_lines->isLine(current)) {
        const QString item = edtITEM_CODE->text().trimmed();
        for (int row : m_lines->lineRows())
            if (m_lines->text(row, QStringLiteral("ITEM_CODE")) == item)
                needed += m_lines->number(row, QStringLiteral("QTY"));
    }
    return edtStock_Qty->value() >= needed;
}

// ---------------------------------------------------------------- operations

void TransferEntry::glInsert()
{
    cdsOD020MS->append();
    m_header.clear();
    m_lines->clear();
    m_lines->openEntryRow();
    setHeaderEditable(true, false);
    medMOVE_DATE->setPlainText(GetSystemDate());
    medMOVE_DATE->setFocus();
}

void TransferEntry::glEdit()
{
    QString refusal;
    try {
        gateOf(m_spec).check(ScreenConnection(), currentKey(), GateAction::Edit);
    } catch (const EUserExcept &e) {
        refusal = QString::fromUtf8(e.what());
    }
    if (cdsOD020MS->currentRow() < 0 || !refusal.isEmpty()) {
        WorkMode = wmBrowse;
        glEnabledCheck();
        ShowStatus(QString());
        if (!refusal.isEmpty())
            ShowInfo(refusal);
        return;
    }
    m_editKey = currentKey();
    cdsOD020MS->edit();
    m_lines->openEntryRow();
    setHeaderEditable(true, true);
    edtITEM_NAME->setFocus();
}

void TransferEntry::glSave()
{
    SaveOK = false;
    const bool inserting = WorkMode == wmInsert;
    const QString from = edtFROM_STRG_CODE->text().trimmed();
    const QString to = edtTO_STRG_CODE->text().trimmed();
    if (!AllHold({{IsFilled(medMOVE_DATE), QStringLiteral("이동일자는 반드시 입력하세요"), medMOVE_DATE},
                  {IsFilled(edtFROM_STRG_CODE), m_spec.sourceRequired, edtFROM_STRG_CODE},
                  {IsFilled(edtTO_STRG_CODE), m_spec.targetRequired, edtTO_STRG_CODE},
                  // Goods moved within one warehouse would leave it and arrive at once: no transfer.
                  {[&] { return from != to; }, m_spec.sameWarehouses, edtTO_STRG_CODE}}))
        return;
    if (m_lines->lineCount() == 0) {
        ShowInfo(m_spec.linesRequired);
        edtITEM_NAME->setFocus();
        return;
    }
    const QString date = medMOVE_DATE->dateText();
    // Saving confirms and posts the transfer on its date: a closed day refuses it.
    if (RefuseClosedDay(date, ScreenConnection()))
        return;
    if (inserting) {
        edtMOVE_NO->setText(DrawDocumentNumber(ScreenConnection(), QStringLiteral("MO"), date));
        if (m_spec.issueLeg())
            edtDELI_NO->setText(DrawDocumentNumber(ScreenConnection(), QStringLiteral("DE"), date));
    }
    const int row = cdsOD020MS->currentRow();
    QString moveNum;
    try {
        db::Transaction tx(ScreenConnection());
        moveNum = writeTransfer(inserting, date, from, to);
        tx.commit();
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return;
    }
    m_header.write(*cdsOD020MS, row);
    cdsOD020MS->setValue(row, QStringLiteral("MOVE_NUM"), moveNum.toDouble());
    cdsOD020MS->setValue(row, QStringLiteral("MOVE_GUBUN"), m_spec.kind);
    cdsOD020MS->setValue(row, QStringLiteral("MOVE_GUBUN_NM"), m_spec.issueLeg() ? QStringLiteral("이동불출") : QStringLiteral("창고이동"));
    cdsOD020MS->setValue(row, QStringLiteral("APPR_GUBUN"), QStringLiteral("2"));
    cdsOD020MS->setValue(row, QStringLiteral("APPR_GUBUN_NM"), StateName(QStringLiteral("2")));
    cdsOD020MS->setValue(row, QStringLiteral("APPR_EMP_NO"), gEmpNo);
    cdsOD020MS->setValue(row, QStringLiteral("APPR_DATE"), date);
    cdsOD020MS->post();
    RecordCount = cdsOD020MS->recordCount();
    rgdOD020MS->showRowCount(0, 0);
    ShowRecordCount();
    setHeaderEditable(false, false);
    SaveOK = true;
    WorkMode = wmBrowse;
    showCurrentTransfer();
    medMOVE_DATE_S->setFocus();
}

// Header and lines of the transfer (and of its issue) in the save's
// transaction, then its posting. The source's stock is tested again here.
// Returns the transfer's running number.
QString TransferEntry::writeTransfer(bool inserting, const QString &date, const QString &from, const QString &to)
{
    db::Connection &conn = ScreenConnection();
    const QString deliNo = edtDELI_NO->text().trimmed();
    Params key;
    if (inserting) {
        InsertWithNextSerial(conn, [&] {
            const Params place = {{QStringLiteral("MOVE_DATE"), date}, {QStringLiteral("FROM_STRG_CODE"), from},
                                  {QStringLiteral("TO_STRG_CODE"), to}};
            key = place + Params{{QStringLiteral("MOVE_NUM"), db::Query::scalar(conn, QString::fromLatin1(kNextMoveNum), place)}};
            run(conn, QString::fromLatin1(kInsertTransfer),
                key + Params{{QStringLiteral("MOVE_NO"), edtMOVE_NO->text().trimmed()}, {QStringLiteral("MOVE_GUBUN"), m_spec.kind},
                             {QStringLiteral("DELI_NO"), m_spec.issueLeg() ? deliNo : QString()}});
        });
    } else {
        key = m_editKey;
        gateOf(m_spec).check(conn, key, GateAction::Edit);
        run(conn, QString::fromLatin1(kConfirmTransfer), key);
        run(conn, QString::fromLatin1(kDeleteTransferLines), key);
    }
    QList<StockLine> lines;
    const QList<int> rows = m_lines->lineRows();
    for (int row : rows)
        lines << StockLine{m_lines->text(row, QStringLiteral("ITEM_CODE")), m_lines->number(row, QStringLiteral("QTY")),
                           m_lines->text(row, QStringLiteral("REMARK"))};
    if (const int shortLine = FirstShortLine(conn, from, date, lines); shortLine >= 0) {
        cdsOD020DT->moveTo(rows.at(shortLine));
        edtQTY->setFocus();
        throw EUserExcept(m_spec.shortfall);
    }
    for (int i = 0; i < lines.size(); ++i)
        run(conn, QString::fromLatin1(kInsertTransferLine),
            key + Params{{QStringLiteral("MOVE_SEQ"), QString::number(i + 1)}, {QStringLiteral("ITEM_CODE"), lines.at(i).itemCode},
                         {QStringLiteral("QTY"), QString::number(lines.at(i).qty, 'f', 5)}, {QStringLiteral("REMARK"), lines.at(i).remark}});
    if (m_spec.issueLeg()) {
        writeIssueLeg(inserting, date, to, deliNo);
        for (int i = 0; i < lines.size(); ++i)
            run(conn, QString::fromLatin1(kInsertIssueLine),
                {{QStringLiteral("DELI_NO"), deliNo}, {QStringLiteral("DELI_SEQ"), QString::number(i + 1)},
                 {QStringLiteral("ITEM_CODE"), lines.at(i).itemCode}, {QStringLiteral("QTY"), QString::number(lines.at(i).qty, 'f', 5)},
                 {QStringLiteral("REMARK"), lines.at(i).remark}});
    }
    Post(conn, QStringLiteral("PR_O_DATE_STOCK_MOVE_UPDATE"), QStringLiteral("I_MOVE_NO"), edtMOVE_NO->text().trimmed(),
         QStringLiteral("INS"));
    return key.at(3).second;
}

// The issue of the target warehouse that a transfer issue-out carries,
// without its lines: new, or confirmed again with its lines removed.
void TransferEntry::writeIssueLeg(bool inserting, const QString &date, const QString &to, const QString &deliNo)
{
    db::Connection &conn = ScreenConnection();
    if (inserting) {
        InsertWithNextSerial(conn, [&] {
            const Params place = {{QStringLiteral("DELI_DATE"), date}, {QStringLiteral("STRG_CODE"), to}};
            run(conn, QString::fromLatin1(kInsertIssue),
                place + Params{{QStringLiteral("DELI_NUM"), db::Query::scalar(conn, QString::fromLatin1(kNextDeliNum), place)},
                               {QStringLiteral("DELI_NO"), deliNo}});
        });
        return;
    }
    run(conn, QString::fromLatin1(kConfirmIssue), {{QStringLiteral("DELI_DATE"), date}, {QStringLiteral("DELI_NO"), deliNo}});
    run(conn, QStringLiteral("DELETE FROM OD010DT") + QString::fromLatin1(kIssueOfNumber), {{QStringLiteral("DELI_NO"), deliNo}});
}

void TransferEntry::glCancel()
{
    cdsOD020MS->cancel();
    setHeaderEditable(false, false);
    WorkMode = wmBrowse;
    medMOVE_DATE_S->setFocus();
    showCurrentTransfer();
}

bool TransferEntry::glDelete()
{
    if (cdsOD020MS->currentRow() < 0)
        return false;
    const Params key = currentKey();
    const StatusGate gate = gateOf(m_spec);
    try {
        gate.check(ScreenConnection(), key, GateAction::Delete);
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return false;
    }
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    // A transfer that may be deleted is not posted: nothing to reverse.
    db::Connection &conn = ScreenConnection();
    const Params issue = {{QStringLiteral("DELI_NO"), cdsOD020MS->text(QStringLiteral("DELI_NO"))}};
    try {
        db::Transaction tx(conn);
        gate.check(conn, key, GateAction::Delete);
        run(conn, QString::fromLatin1(kDeleteTransferLines), key);
        run(conn, QString::fromLatin1(kDeleteTransfer), key);
        if (m_spec.issueLeg()) {
            run(conn, QStringLiteral("DELETE FROM OD010DT") + QString::fromLatin1(kIssueOfNumber), issue);
            run(conn, QString::fromLatin1(kDeleteIssue), issue);
        }
        tx.commit();
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return false;
    }
    cdsOD020MS->deleteRecord();
    RecordCount = cdsOD020MS->recordCount();
    rgdOD020MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentTransfer();
    return true;
}

void TransferEntry::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        CheckDateOnLeave(mask);
}

bool TransferEntry::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == rgdOD020MS && DocumentListKey(*this, *event))
        return true;
    if (control == edtREMARK && WorkMode == wmInsert && IsEnterKey(*event)) {
        m_lines->apply();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}

void TransferEntry::print(bool toPreview)
{
    if (WorkMode != wmBrowse || cdsOD020MS->currentRow() < 0)
        return;
    const auto field = [this](const char *name) { return cdsOD020MS->text(QLatin1String(name)); };
    TfrmODP020 form;
    form.setTitle(m_spec.printTitle);
    form.setLabel(QStringLiteral("qrlMove_no"), field("MOVE_NO"));
    form.setLabel(QStringLiteral("qrlMove_Date"), field("MOVE_DATE"));
    form.setLabel(QStringLiteral("qrlStrg_Code"), QStringLiteral("[%1] %2 에서 [%3] %4")
                                                      .arg(field("FROM_STRG_CODE"), field("FROM_STRG_CODE_NM"),
                                                           field("TO_STRG_CODE"), field("TO_STRG_CODE_NM")));
    form.run(currentKey(), toPreview, this);
}

#include "moc_TransferEntry.cpp"
