#include "modules/receiving/OCI030.h"

#include "db/Query.h"
#include "framework/Controls.h"
#include "framework/Documents.h"
#include "framework/ErrorDisplay.h"
#include "framework/LineEditor.h"
#include "framework/Lookups.h"
#include "framework/Serials.h"
#include "framework/SharedSql.h"
#include "framework/TextHelpers.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

using namespace kit;

namespace {

const QString kSelect = QStringLiteral(R"(SELECT A.DELI_DATE, A.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM, A.DELI_NUM, A.DELI_NO,
  A.DELI_GUBUN, '불출반입' DELI_GUBUN_NM
FROM OD010MS A
WHERE A.DELI_DATE BETWEEN :DELI_DATE_S AND :DELI_DATE_E AND A.DELI_GUBUN = '3'
  AND A.STRG_CODE LIKE COALESCE(:STRG_CODE,'') || '%'
ORDER BY A.DELI_DATE, A.STRG_CODE, A.DELI_NUM)");

// The lines as the user knows them: the quantity that came back, positive.
const QString kLines = QStringLiteral(R"(SELECT A.DELI_SEQ, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, (A.QTY * -1) QTY,
  %1 GUMAE_UNIT_NM, A.REMARK
FROM OD010DT A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.DELI_DATE = :DELI_DATE AND A.STRG_CODE = :STRG_CODE AND A.DELI_NUM = :DELI_NUM
ORDER BY A.DELI_SEQ)").arg(sql::UnitName(QStringLiteral("B.GUMAE_UNIT")));

const QString kItems = QStringLiteral(
    "SELECT A.ITEM_CODE, A.ITEM_NAME, A.ITEM_STANDARD1, %1 GUMAE_UNIT_NM FROM OX010MS A WHERE A.USE_YN = 'Y' "
    "ORDER BY A.ITEM_CODE").arg(sql::UnitName(QStringLiteral("A.GUMAE_UNIT")));

const char *const kKey = " WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE AND DELI_NUM = :DELI_NUM";

QString keyed(const char *sql) { return QString::fromLatin1(sql) + QString::fromLatin1(kKey); }

void execKeyed(db::Connection &conn, const QString &sql, const Params &key)
{
    db::Query q(conn, sql);
    for (const auto &p : key)
        if (q.parameterNames().contains(p.first))
            q.bind(p.first, p.second);
    sql::BindAudit(q).exec();
}

// A document removed on another workstation meanwhile is not written again.
const StatusGate &ReturnGate()
{
    static const StatusGate gate{keyed("SELECT DELI_GUBUN FROM OD010MS"), {keyed("UPDATE OD010MS SET DELI_GUBUN = DELI_GUBUN")}, {},
                                 QStringLiteral("다른 사용자가 삭제한 자료입니다. 다시 조회하십시오.")};
    return gate;
}

// The posting of the return; a refusal takes the whole save or delete back.
void post(db::Connection &conn, const QString &deliNo, const QString &flag)
{
    const QString answer = conn.callProcedure(QStringLiteral("PR_O_STOCK_DELI_UPDATE"),
                                              {{QStringLiteral("I_DELI_NO"), deliNo}, {QStringLiteral("I_FLAG"), flag}})
                               .value(QStringLiteral("O_CHK")).trimmed();
    if (answer != QLatin1String("Y"))
        throw EUserExcept(answer);
}

QString decimal(double value) { return QString::number(std::round(value * 100000.0) / 100000.0, 'f', 5); }

QString value(const Params &params, const char *name)
{
    for (const auto &p : params)
        if (p.first == QLatin1String(name))
            return p.second;
    return {};
}

} // namespace

TfrmOCI030::TfrmOCI030(QWidget *parent) : TfrmZOI010(QStringLiteral("OCI030"), parent)
{
    setObjectName(QStringLiteral("frmOCI030"));
    setWindowTitle(QStringLiteral("불출 반입 등록"));
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

    InstallLookups({
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE_S"), {QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("edtSTRG_CODE_NM_S")}, false),
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE"), {QStringLiteral("edtSTRG_CODE"), QStringLiteral("edtSTRG_CODE_NM")}, false),
        {QStringLiteral("pbtnITEM_CODE"),
         {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD1"),
          QStringLiteral("edtGUMAE_UNIT_NM")},
         kItems, QStringLiteral("A.ITEM_CODE"), TypedIn::Code,
         {QStringLiteral("품목코드"), QStringLiteral("품 목 명"), QStringLiteral("규    격"), QStringLiteral("단위")},
         {QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("20"), QStringLiteral("6")}},
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

void TfrmOCI030::buildSearchPanel()
{
    medDELI_DATE_S = DateBox(panSearch, "medDELI_DATE_S");
    medDELI_DATE_E = DateBox(panSearch, "medDELI_DATE_E");
    edtSTRG_CODE_S = CodeBox(panSearch, "edtSTRG_CODE_S", 3, 50);
    edtSTRG_CODE_NM_S = TextBox(panSearch, "edtSTRG_CODE_NM_S", 0, ReadOnly, 120);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("반입기간"), {medDELI_DATE_S}),
        Labelled(QStringLiteral("~"), {medDELI_DATE_E}),
        Labelled(QStringLiteral("반입창고"), {edtSTRG_CODE_S, edtSTRG_CODE_NM_S}),
    });
}

void TfrmOCI030::buildList()
{
    using namespace widgets;
    cdsOD010MS = new RecordSet(this);
    rgdOD010MS = new DataGrid(panDisplay);
    rgdOD010MS->setObjectName(QStringLiteral("rgdOD010MS"));
    rgdOD010MS->setRecordSet(cdsOD010MS);
    rgdOD010MS->setReadOnly(true);
    rgdOD010MS->setRowSelect(true);
    rgdOD010MS->setColumns({
        {"DELI_DATE", "반입일자", 80, "yyyy-mm-dd"},
        {"STRG_CODE", "반입창고", 60},
        {"STRG_CODE_NM", "반입창고명", 120},
        {"DELI_NUM", "반입번호", 60, {}, col::Center},
        {"DELI_NO", "관리번호", 110},
        {"DELI_GUBUN", "반입구분", 0},
        {"DELI_GUBUN_NM", "반입구분", 80},
    });
    rgdOD010MS->setFooterCount(1);
    rgdOD010MS->setFooterTitle(0, QStringLiteral("갯수"));
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOD010MS, 1);
    setListRecords(cdsOD010MS);
    OnUserAction(cdsOD010MS, &RecordSet::afterScroll, this, [this] { showCurrentReturn(); });
    connect(rgdOD010MS, &GridBase::cellDoubleClicked, this, [this] { bbtEditClick(); });
}

void TfrmOCI030::buildHeader()
{
    panHeader = new QGroupBox(panMain);
    panHeader->setObjectName(QStringLiteral("panHeader"));
    medDELI_DATE = DateBox(panHeader, "medDELI_DATE");
    edtSTRG_CODE = CodeBox(panHeader, "edtSTRG_CODE", 3, 50);
    edtSTRG_CODE_NM = TextBox(panHeader, "edtSTRG_CODE_NM", 0, ReadOnly);
    edtDELI_NO = TextBox(panHeader, "edtDELI_NO", 15, ReadOnly);
    LabelledGrid(panHeader, {
        {Labelled(QStringLiteral("반입일자"), {medDELI_DATE}), Labelled(QStringLiteral("반입창고"), {edtSTRG_CODE, edtSTRG_CODE_NM}),
         Labelled(QStringLiteral("관리번호"), {edtDELI_NO})},
    });
    m_header = {{"DELI_DATE", medDELI_DATE}, {"STRG_CODE", edtSTRG_CODE}, {"STRG_CODE_NM", edtSTRG_CODE_NM},
                {"DELI_NO", edtDELI_NO}};
}

void TfrmOCI030::buildLines()
{
    using namespace widgets;
    cdsOD010DT = new RecordSet(this);
    rgdOD010DT = new DataGrid(panMain);
    rgdOD010DT->setObjectName(QStringLiteral("rgdOD010DT"));
    rgdOD010DT->setRecordSet(cdsOD010DT);
    rgdOD010DT->setReadOnly(true);
    rgdOD010DT->setRowSelect(true);
    rgdOD010DT->setColumns({
        {"DELI_SEQ", "순번", 0, "#,##0"},
        {"ITEM_CODE", "품목코드", 70},
        {"ITEM_NAME", "품 목 명", 170},
        {"ITEM_STANDARD1", "규    격", 110},
        {"QTY", "입고수량", 80, "#,##0"},
        {"GUMAE_UNIT_NM", "단위", 50},
        {"REMARK", "비    고", 160},
    });
    rgdOD010DT->setFooterCount(1);
    rgdOD010DT->setFooterTitle(0, QStringLiteral("갯수"));

    auto *box = new QGroupBox(QStringLiteral("[ 반입 품목 ]"), panInput);
    edtITEM_CODE = CodeBox(box, "edtITEM_CODE", 8, 80);
    edtITEM_NAME = TextBox(box, "edtITEM_NAME", 0, ReadOnly);
    edtITEM_STANDARD1 = TextBox(box, "edtITEM_STANDARD1", 0, ReadOnly);
    edtGUMAE_UNIT_NM = TextBox(box, "edtGUMAE_UNIT_NM", 0, ReadOnly, 50);
    edtQTY = NumberBox(box, "edtQTY", 0, Positive);
    edtREMARK = TextBox(box, "edtREMARK", 40);
    btnLineAppend = makeButton(box, QStringLiteral("btnLineAppend"), QStringLiteral("확인"));
    btnLineAdd = makeButton(box, QStringLiteral("btnLineAdd"), QStringLiteral("라인추가"));
    btnLineDelete = makeButton(box, QStringLiteral("btnLineDelete"), QStringLiteral("라인삭제"));
    LabelledGrid(box, {
        {Labelled(QStringLiteral("품목코드"), {edtITEM_CODE})},
        {Labelled(QStringLiteral("품 목 명"), {edtITEM_NAME})},
        {Labelled(QStringLiteral("규    격"), {edtITEM_STANDARD1})},
        {Labelled(QStringLiteral("이동수량"), {edtQTY, edtGUMAE_UNIT_NM})},
        {Labelled(QStringLiteral("비    고"), {edtREMARK})},
        {Bare(ButtonRow(box, {btnLineAppend, btnLineAdd, btnLineDelete}))},
    });
    auto *in = new QVBoxLayout(panInput);
    in->addWidget(box);
    in->addStretch(1);

    m_lines = new LineEditor(cdsOD010DT, rgdOD010DT,
        {{"ITEM_CODE", edtITEM_CODE}, {"ITEM_NAME", edtITEM_NAME}, {"ITEM_STANDARD1", edtITEM_STANDARD1},
         {"QTY", edtQTY}, {"GUMAE_UNIT_NM", edtGUMAE_UNIT_NM}, {"REMARK", edtREMARK}},
        {.seq = QStringLiteral("DELI_SEQ"), .countColumn = QStringLiteral("ITEM_NAME"),
         .checks = {{[this] { return edtITEM_CODE->text().trimmed().size() == 8; },
                     QStringLiteral("품목코드는 반드시 입력하세요"), edtITEM_CODE},
                    {[this] { return edtQTY->value() > 0; }, QStringLiteral("수량을 반드시 입력하세요"), edtQTY}},
         .entryFocus = edtITEM_CODE,
         .repeat = LineRules::Repeat::NewLine},
        this);
    OnUserAction(btnLineAppend, &QPushButton::clicked, this, [this] { btnLineAppendClick(); });
    OnUserAction(btnLineAdd, &QPushButton::clicked, this, [this] { btnLineAddClick(); });
    OnUserAction(btnLineDelete, &QPushButton::clicked, this, [this] { btnLineDeleteClick(); });
}

void TfrmOCI030::showEvent(QShowEvent *event)
{
    TfrmZOI010::showEvent(event);
    if (!m_started) {
        m_started = true;
        medDELI_DATE_S->setFocus();
    }
}

Params TfrmOCI030::currentKey() const
{
    return {{QStringLiteral("DELI_DATE"), cdsOD010MS->text(QStringLiteral("DELI_DATE"))},
            {QStringLiteral("STRG_CODE"), cdsOD010MS->text(QStringLiteral("STRG_CODE"))},
            {QStringLiteral("DELI_NUM"), cdsOD010MS->text(QStringLiteral("DELI_NUM"))}};
}

void TfrmOCI030::setHeaderEditable(bool editable, bool keyLocked)
{
    panHeader->setEnabled(editable);
    rgdOD010MS->setEnabled(!editable);
    medDELI_DATE->setReadOnly(keyLocked);
    kit::SetReadOnly(edtSTRG_CODE, keyLocked);
    if (auto *b = PopupBtn(QStringLiteral("pbtnSTRG_CODE")))
        b->setEnabled(!keyLocked);
}

// ---------------------------------------------------------------- search and display

void TfrmOCI030::glSelect()
{
    RecordCount = OpenRecords(*cdsOD010MS, ScreenConnection(), kSelect,
                              {{QStringLiteral("DELI_DATE_S"), medDELI_DATE_S->dateText()},
                               {QStringLiteral("DELI_DATE_E"), medDELI_DATE_E->dateText()},
                               {QStringLiteral("STRG_CODE"), edtSTRG_CODE_S->text().trimmed()}});
    rgdOD010MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentReturn();
}

void TfrmOCI030::showCurrentReturn()
{
    if (WorkMode != wmBrowse || cdsOD010MS->isLoading())
        return;
    const int row = cdsOD010MS->currentRow();
    m_header.read(*cdsOD010MS, row);
    m_lines->load(ScreenConnection(), kLines, row >= 0 ? currentKey() : Params{
        {QStringLiteral("DELI_DATE"), QString()}, {QStringLiteral("STRG_CODE"), QString()}, {QStringLiteral("DELI_NUM"), QString()}});
}

// ---------------------------------------------------------------- lines

// "확인" writes the panel into the current line, or into a new one when
// the user stands on an empty row; the user stays on the line written, so
// a second "확인" corrects it instead of adding another.
void TfrmOCI030::btnLineAppendClick()
{
    if (WorkMode == wmBrowse)
        return;
    if (m_lines->apply() != LineEditor::Applied::Appended)
        return;
    m_lines->dropEntryRows();
    cdsOD010DT->moveTo(cdsOD010DT->recordCount() - 1);
}

void TfrmOCI030::btnLineAddClick()
{
    if (WorkMode == wmBrowse)
        return;
    m_lines->dropEntryRows();
    m_lines->openEntryRow();
    edtITEM_CODE->setFocus();
}

void TfrmOCI030::btnLineDeleteClick()
{
    if (WorkMode == wmBrowse || !m_lines->removeCurrent())
        return;
    // The panel always has a row to be written into.
    if (cdsOD010DT->currentRow() < 0)
        m_lines->openEntryRow();
}

// ---------------------------------------------------------------- operations

void TfrmOCI030::glInsert()
{
    cdsOD010MS->append();
    m_header.clear();
    m_lines->clear();
    m_lines->openEntryRow();
    setHeaderEditable(true, false);
    medDELI_DATE->setPlainText(GetSystemDate());
    medDELI_DATE->setFocus();
}

void TfrmOCI030::glEdit()
{
    m_editKey = currentKey();
    cdsOD010MS->edit();
    setHeaderEditable(true, true);
    edtITEM_CODE->setFocus();
}

void TfrmOCI030::glSave()
{
    SaveOK = false;
    const bool inserting = WorkMode == wmInsert;
    if (!AllHold({{IsFilled(medDELI_DATE), QStringLiteral("반입일자는 반드시 입력하세요"), medDELI_DATE},
                  {IsFilled(edtSTRG_CODE), QStringLiteral("반입창고는 반드시 입력하세요"), edtSTRG_CODE}}))
        return;
    // Rows added and never filled are no lines.
    m_lines->dropEntryRows();
    if (m_lines->lineCount() == 0) {
        ShowInfo(QStringLiteral("반입 품목을 입력하세요"));
        edtITEM_CODE->setFocus();
        return;
    }
    if (inserting)
        edtDELI_NO->setText(DrawDocumentNumber(ScreenConnection(), QStringLiteral("DE"), medDELI_DATE->dateText()));
    const int row = cdsOD010MS->currentRow();
    m_header.write(*cdsOD010MS, row);
    const QString deliNo = edtDELI_NO->text().trimmed();
    Params key = inserting ? Params{{QStringLiteral("DELI_DATE"), medDELI_DATE->dateText()},
                                    {QStringLiteral("STRG_CODE"), edtSTRG_CODE->text().trimmed()},
                                    {QStringLiteral("DELI_NUM"), QString()}}
                           : m_editKey;
    db::Connection &conn = ScreenConnection();
    try {
        db::Transaction tx(conn);
        if (inserting) {
            InsertWithNextSerial(conn, [&] {
                key[2].second = db::Query::scalar(conn, QStringLiteral(
                    "SELECT COALESCE(MAX(DELI_NUM),0) + 1 FROM OD010MS WHERE DELI_DATE = :DELI_DATE AND STRG_CODE = :STRG_CODE"),
                    {key[0], key[1]});
                db::Query q(conn, QStringLiteral(
                    "INSERT INTO OD010MS (DELI_DATE, STRG_CODE, DELI_NUM, DELI_NO, DELI_GUBUN, U_EMP_NO, U_DATE, U_IP) "
                    "VALUES (:DELI_DATE, :STRG_CODE, :DELI_NUM, :DELI_NO, '3', :U_EMP_NO, SYSDATE(), :U_IP)"));
                for (const auto &p : key)
                    q.bind(p.first, p.second);
                sql::BindAudit(q.bind(QStringLiteral("DELI_NO"), deliNo)).exec();
            });
        } else {
            ReturnGate().check(conn, key, GateAction::Edit);
            execKeyed(conn, keyed("UPDATE OD010MS SET U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP"), key);
            post(conn, deliNo, QStringLiteral("DEL"));
        }
        execKeyed(conn, keyed("DELETE FROM OD010DT"), key);
        int seq = 0;
        for (int line : m_lines->lineRows()) {
            db::Query q(conn, QStringLiteral(
                "INSERT INTO OD010DT (DELI_DATE, STRG_CODE, DELI_NUM, DELI_SEQ, ITEM_CODE, QTY, REMARK, U_EMP_NO, U_DATE, U_IP) "
                "VALUES (:DELI_DATE, :STRG_CODE, :DELI_NUM, :DELI_SEQ, :ITEM_CODE, :QTY, :REMARK, :U_EMP_NO, SYSDATE(), :U_IP)"));
            for (const auto &p : key)
                q.bind(p.first, p.second);
            q.bind(QStringLiteral("DELI_SEQ"), ++seq).bind(QStringLiteral("ITEM_CODE"), m_lines->text(line, QStringLiteral("ITEM_CODE")))
                .bind(QStringLiteral("QTY"), decimal(-m_lines->number(line, QStringLiteral("QTY"))))
                .bind(QStringLiteral("REMARK"), m_lines->text(line, QStringLiteral("REMARK")));
            sql::BindAudit(q).exec();
        }
        post(conn, deliNo, QStringLiteral("INS"));
        tx.commit();
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return;
    }
    cdsOD010MS->setValue(row, QStringLiteral("DELI_NUM"), value(key, "DELI_NUM").toInt());
    cdsOD010MS->setValue(row, QStringLiteral("DELI_GUBUN"), QStringLiteral("3"));
    cdsOD010MS->setValue(row, QStringLiteral("DELI_GUBUN_NM"), QStringLiteral("불출반입"));
    cdsOD010MS->post();
    RecordCount = cdsOD010MS->recordCount();
    rgdOD010MS->showRowCount(0, 0);
    ShowRecordCount();
    setHeaderEditable(false, false);
    SaveOK = true;
    WorkMode = wmBrowse;
    showCurrentReturn();
    medDELI_DATE_S->setFocus();
}

void TfrmOCI030::glCancel()
{
    cdsOD010MS->cancel();
    setHeaderEditable(false, false);
    WorkMode = wmBrowse;
    medDELI_DATE_S->setFocus();
    showCurrentReturn();
}

bool TfrmOCI030::glDelete()
{
    if (!Confirm(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    const Params key = currentKey();
    db::Connection &conn = ScreenConnection();
    try {
        db::Transaction tx(conn);
        ReturnGate().check(conn, key, GateAction::Delete);
        post(conn, cdsOD010MS->text(QStringLiteral("DELI_NO")), QStringLiteral("DEL"));
        execKeyed(conn, keyed("DELETE FROM OD010DT"), key);
        execKeyed(conn, keyed("DELETE FROM OD010MS"), key);
        tx.commit();
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return false;
    }
    cdsOD010MS->deleteRecord();
    RecordCount = cdsOD010MS->recordCount();
    rgdOD010MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentReturn();
    return true;
}

void TfrmOCI030::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        CheckDateOnLeave(mask);
}

bool TfrmOCI030::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == rgdOD010MS && DocumentListKey(*this, *event))
        return true;
    if (control == edtREMARK && WorkMode != wmBrowse && IsEnterKey(*event)) {
        btnLineAppendClick();
        return true;
    }
    // Returned quantities are whole units.
    if (control == edtQTY && !DigitFieldAccepts(*event))
        return true;
    return TfrmZOI010::glOnKeyDown(control, event);
}

#include "moc_OCI030.cpp"
