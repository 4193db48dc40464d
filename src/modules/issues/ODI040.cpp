#include "modules/issues/ODI040.h"

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
#include "modules/issues/ODP040.h"
#include "modules/issues/ODP045.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace kit;
using namespace issues;

namespace {

const QString kSelect = QStringLiteral(R"(SELECT A.RETU_DATE, A.C_CODE,
  (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = A.C_CODE) C_CODE_NM, A.RETU_NUM, A.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM, A.RETU_REAS, A.PLAN_DATE
FROM OD030MS A
WHERE A.RETU_DATE BETWEEN :RETU_DATE_S AND :RETU_DATE_E
  AND A.C_CODE LIKE COALESCE(:C_CODE,'') || '%'
  AND COALESCE(A.STRG_CODE,'') LIKE COALESCE(:STRG_CODE,'') || '%'
ORDER BY A.RETU_DATE, A.C_CODE, A.RETU_NUM)");

const QString kLines = QStringLiteral(R"(SELECT A.RETU_SEQ, A.ITEM_CODE, B.ITEM_NAME, A.ITEM_STANDARD, A.QTY, %1 SOOBUL_UNIT_NM,
  A.COST_AMT, A.AMT, A.TAX_AMT, A.RETU_GUBUN,
  CASE A.RETU_GUBUN WHEN '1' THEN '교환반품' WHEN '2' THEN '반    품' ELSE '' END RETU_GUBUN_NM, A.REMARK
FROM OD030DT A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.RETU_DATE = :RETU_DATE AND A.C_CODE = :C_CODE AND A.RETU_NUM = :RETU_NUM
ORDER BY A.RETU_SEQ)").arg(sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

const char *const kNextNum =
    "SELECT COALESCE(MAX(RETU_NUM),0) + 1 MAXNUM FROM OD030MS WHERE RETU_DATE = :RETU_DATE AND C_CODE = :C_CODE";
const char *const kInsertHeader =
    "INSERT INTO OD030MS (RETU_DATE, C_CODE, RETU_NUM, STRG_CODE, RETU_REAS, PLAN_DATE, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:RETU_DATE, :C_CODE, :RETU_NUM, :STRG_CODE, :RETU_REAS, :PLAN_DATE, :U_EMP_NO, SYSDATE(), :U_IP)";
const char *const kUpdateHeader =
    "UPDATE OD030MS SET STRG_CODE = :STRG_CODE, RETU_REAS = :RETU_REAS, PLAN_DATE = :PLAN_DATE, "
    "       U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    " WHERE RETU_DATE = :RETU_DATE AND C_CODE = :C_CODE AND RETU_NUM = :RETU_NUM";
const char *const kDeleteLines = "DELETE FROM OD030DT WHERE RETU_DATE = :RETU_DATE AND C_CODE = :C_CODE AND RETU_NUM = :RETU_NUM";
const char *const kDeleteHeader = "DELETE FROM OD030MS WHERE RETU_DATE = :RETU_DATE AND C_CODE = :C_CODE AND RETU_NUM = :RETU_NUM";
const char *const kInsertLine =
    "INSERT INTO OD030DT (RETU_DATE, C_CODE, RETU_NUM, RETU_SEQ, ITEM_CODE, ITEM_STANDARD, QTY, COST_AMT, AMT, TAX_AMT, "
    "                     REMARK, RETU_GUBUN, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:RETU_DATE, :C_CODE, :RETU_NUM, :RETU_SEQ, :ITEM_CODE, :ITEM_STANDARD, :QTY, :COST_AMT, :AMT, :TAX_AMT, "
    "        :REMARK, :RETU_GUBUN, :U_EMP_NO, SYSDATE(), :U_IP)";

// The longest texts the return's columns hold.
constexpr int kReasonLength = 40;
constexpr int kStandardLength = 50;
constexpr int kRemarkLength = 30;

void run(db::Connection &conn, const char *sql, const Params &params)
{
    db::Query q(conn, QString::fromLatin1(sql));
    for (const auto &p : params)
        if (q.parameterNames().contains(p.first))
            q.bind(p.first, p.second);
    sql::BindAudit(q).exec();
}

// Posts ('INS') or reverses ('DEL') the return of `key`.
void postReturn(db::Connection &conn, const Params &key, const QString &flag)
{
    const QString answer = conn.callProcedure(QStringLiteral("PR_O_DATE_STOCK_RETU_UPDATE"),
                                              {{QStringLiteral("I_RETU_DATE"), key.at(0).second},
                                               {QStringLiteral("I_C_CODE"), key.at(1).second},
                                               {QStringLiteral("I_RETU_NUM"), key.at(2).second},
                                               {QStringLiteral("I_FLAG"), flag}})
                               .value(QStringLiteral("O_CHK")).trimmed();
    if (answer != QLatin1String("Y"))
        throw EUserExcept(answer);
}

QString number(double value) { return QString::number(value, 'f', 5); }

} // namespace

TfrmODI040::TfrmODI040(QWidget *parent) : TfrmZOI010(QStringLiteral("ODI040"), parent)
{
    setObjectName(QStringLiteral("frmODI040"));
    setWindowTitle(QStringLiteral("반품 등록"));
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
    work->addWidget(rgdOD030DT, 1);
    mainLayout->insertLayout(0, work, 1);
    FormCreate();
    panRecordCount->hide();
    bbtPrint->show();
    bbtPreview->show();
    bbtPrint_All = addButton(QStringLiteral("bbtPrint_All"), QStringLiteral("전체출력"), bbtPrint);
    OnUserAction(bbtPrint, &QPushButton::clicked, this, [this] { print(false); });
    OnUserAction(bbtPreview, &QPushButton::clicked, this, [this] { print(true); });
    OnUserAction(bbtPrint_All, &QPushButton::clicked, this, [this] { bbtPrint_AllClick(); });
    addHotKey(QStringLiteral("popHotkeyPrint"), Qt::Key_F11, [this] { print(false); });

    InstallLookups({
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE_S"), {QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("edtSTRG_CODE_NM_S")}, false),
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE"), {QStringLiteral("edtSTRG_CODE"), QStringLiteral("edtSTRG_CODE_NM")}, false),
        lookup::Supplier(QStringLiteral("pbtnC_CODE_S"), {QStringLiteral("edtC_CODE_S"), QStringLiteral("edtC_CODE_NM_S")}, false),
        lookup::Supplier(QStringLiteral("pbtnC_CODE"), {QStringLiteral("edtC_CODE"), QStringLiteral("edtC_CODE_NM")}, false),
        StockItem(QStringLiteral("pbtnITEM_CODE"),
                  {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD"),
                   QStringLiteral("edtSOOBUL_UNIT_NM")}),
    });

    const QString today = GetSystemDate();
    medRETU_DATE_S->setPlainText(today);
    medRETU_DATE_E->setPlainText(today);
    // The lists open empty: a search that cannot match, then the filter is cleared.
    edtC_CODE_S->setText(QStringLiteral("~"));
    glSelect();
    edtC_CODE_S->clear();
    setHeaderEditable(false, false);
    glEnabledCheck();
}

void TfrmODI040::buildSearchPanel()
{
    medRETU_DATE_S = DateBox(panSearch, "medRETU_DATE_S");
    medRETU_DATE_E = DateBox(panSearch, "medRETU_DATE_E");
    edtSTRG_CODE_S = CodeBox(panSearch, "edtSTRG_CODE_S", 3, 40);
    edtSTRG_CODE_NM_S = TextBox(panSearch, "edtSTRG_CODE_NM_S", 0, ReadOnly, 110);
    edtC_CODE_S = TextBox(panSearch, "edtC_CODE_S", 10, ReadOnly, 70);
    edtC_CODE_NM_S = TextBox(panSearch, "edtC_CODE_NM_S", 0, Plain, 130);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("반품기간"), {medRETU_DATE_S}),
        Labelled(QStringLiteral("~"), {medRETU_DATE_E}),
        Labelled(QStringLiteral("반품창고"), {edtSTRG_CODE_S, edtSTRG_CODE_NM_S}),
        Labelled(QStringLiteral("거 래 처"), {edtC_CODE_S, edtC_CODE_NM_S}),
    });
}

void TfrmODI040::buildList()
{
    using namespace widgets;
    cdsOD030MS = new RecordSet(this);
    rgdOD030MS = new DataGrid(panDisplay);
    rgdOD030MS->setObjectName(QStringLiteral("rgdOD030MS"));
    rgdOD030MS->setRecordSet(cdsOD030MS);
    rgdOD030MS->setReadOnly(true);
    rgdOD030MS->setRowSelect(true);
    rgdOD030MS->setColumns({
        {"RETU_DATE", "반품일자", 80, "yyyy-mm-dd"},
        {"C_CODE", "거래처", 0},
        {"C_CODE_NM", "거래처명", 140},
        {"RETU_NUM", "반품넘버", 0},
        {"STRG_CODE", "반품창고", 0},
        {"STRG_CODE_NM", "반품창고명", 110},
        {"RETU_REAS", "반품사유", 220},
        {"PLAN_DATE", "입고예정", 80, "yyyy-mm-dd"},
    });
    rgdOD030MS->setFooterCount(1);
    rgdOD030MS->setFooterTitle(0, QStringLiteral("갯수"));
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOD030MS, 1);
    setListRecords(cdsOD030MS);
    OnUserAction(cdsOD030MS, &RecordSet::afterScroll, this, [this] { showCurrentReturn(); });
    connect(rgdOD030MS, &GridBase::cellDoubleClicked, this, [this] { bbtEditClick(); });
}

void TfrmODI040::buildHeader()
{
    panHeader = new QGroupBox(panMain);
    panHeader->setObjectName(QStringLiteral("panHeader"));
    medRETU_DATE = DateBox(panHeader, "medRETU_DATE");
    edtSTRG_CODE = CodeBox(panHeader, "edtSTRG_CODE", 3, 40);
    edtSTRG_CODE_NM = TextBox(panHeader, "edtSTRG_CODE_NM", 0, ReadOnly, 110);
    edtC_CODE = TextBox(panHeader, "edtC_CODE", 10, ReadOnly, 70);
    edtC_CODE_NM = TextBox(panHeader, "edtC_CODE_NM", 0, Plain, 130);
    edtRETU_REAS = TextBox(panHeader, "edtRETU_REAS", kReasonLength);
    medPLAN_DATE = DateBox(panHeader, "medPLAN_DATE");
    LabelledGrid(panHeader, {
        {Labelled(QStringLiteral("반품일자"), {medRETU_DATE}), Labelled(QStringLiteral("반품창고"), {edtSTRG_CODE, edtSTRG_CODE_NM}),
         Labelled(QStringLiteral("거 래 처"), {edtC_CODE, edtC_CODE_NM})},
        {Labelled(QStringLiteral("반품사유"), {edtRETU_REAS}, 2), Labelled(QStringLiteral("입고예정"), {medPLAN_DATE})},
    });
    m_header = {{"RETU_DATE", medRETU_DATE}, {"STRG_CODE", edtSTRG_CODE}, {"STRG_CODE_NM", edtSTRG_CODE_NM},
                {"C_CODE", edtC_CODE}, {"C_CODE_NM", edtC_CODE_NM}, {"RETU_REAS", edtRETU_REAS}, {"PLAN_DATE", medPLAN_DATE}};
}

void TfrmODI040::buildLines()
{
    using namespace widgets;
    cdsOD030DT = new RecordSet(this);
    rgdOD030DT = new DataGrid(panMain);
    rgdOD030DT->setObjectName(QStringLiteral("rgdOD030DT"));
    rgdOD030DT->setRecordSet(cdsOD030DT);
    rgdOD030DT->setReadOnly(true);
    rgdOD030DT->setRowSelect(true);
    rgdOD030DT->setColumns({
        {"RETU_SEQ", "순번", 0},
        {"ITEM_CODE", "품목코드", 0},
        {"ITEM_NAME", "품 목 명", 160},
        {"ITEM_STANDARD", "규    격", 100},
        {"QTY", "수량", 70, "#,##0.00"},
        {"SOOBUL_UNIT_NM", "단위", 50},
        {"COST_AMT", "단  가", 90, "#,##0.0000"},
        {"AMT", "금  액", 90, "#,##0"},
        {"TAX_AMT", "부가세액", 80, "#,##0"},
        {"RETU_GUBUN", "반품구분", 0},
        {"RETU_GUBUN_NM", "반품구분명", 70, {}, col::Center},
        {"REMARK", "비  고", 160},
    });
    rgdOD030DT->setFooterCount(1);
    rgdOD030DT->setFooterTitle(0, QStringLiteral("갯수"));

    auto *box = new QGroupBox(QStringLiteral("[ 반품 품목 ]"), panInput);
    edtITEM_CODE = TextBox(box, "edtITEM_CODE", 8, ReadOnly, 70);
    edtITEM_NAME = TextBox(box, "edtITEM_NAME", 100);
    edtITEM_STANDARD = TextBox(box, "edtITEM_STANDARD", kStandardLength, ReadOnly);
    edtQTY = NumberBox(box, "edtQTY", 2, Positive);
    edtSOOBUL_UNIT_NM = TextBox(box, "edtSOOBUL_UNIT_NM", 0, ReadOnly, 50);
    edtCOST_AMT = NumberBox(box, "edtCOST_AMT", 4, Positive);
    edtAMT = NumberBox(box, "edtAMT", 0, ReadOnly);
    edtTAX_AMT = NumberBox(box, "edtTAX_AMT", 0, Positive);
    rbRetu_gb1 = new QRadioButton(QStringLiteral("교환반품"), box);
    rbRetu_gb1->setObjectName(QStringLiteral("rbRetu_gb1"));
    rbRetu_gb2 = new QRadioButton(QStringLiteral("반품"), box);
    rbRetu_gb2->setObjectName(QStringLiteral("rbRetu_gb2"));
    rbRetu_gb2->setChecked(true);
    edtREMARK = TextBox(box, "edtREMARK", kRemarkLength);
    // The kind of return travels with the line as a code and its name.
    m_retuGubun = TextBox(box, "edtRETU_GUBUN", 1);
    m_retuGubunName = TextBox(box, "edtRETU_GUBUN_NM");
    m_retuGubun->hide();
    m_retuGubunName->hide();
    const auto chosenKind = [this] {
        const bool exchange = rbRetu_gb1->isChecked();
        m_retuGubun->setText(exchange ? QStringLiteral("1") : QStringLiteral("2"));
        m_retuGubunName->setText(exchange ? QStringLiteral("교환반품") : QStringLiteral("반    품"));
    };
    connect(rbRetu_gb1, &QRadioButton::toggled, this, chosenKind);
    chosenKind();
    m_chosenKind = chosenKind;
    btnLineAppend = makeButton(box, QStringLiteral("btnLineAppend"), QStringLiteral("추가"));
    btnLineDelete = makeButton(box, QStringLiteral("btnLineDelete"), QStringLiteral("삭제"));
    LabelledGrid(box, {
        {Labelled(QStringLiteral("품목코드"), {edtITEM_CODE, edtITEM_NAME})},
        {Labelled(QStringLiteral("규    격"), {edtITEM_STANDARD})},
        {Labelled(QStringLiteral("반품수량"), {edtQTY, edtSOOBUL_UNIT_NM})},
        {Labelled(QStringLiteral("단    가"), {edtCOST_AMT})},
        {Labelled(QStringLiteral("금    액"), {edtAMT})},
        {Labelled(QStringLiteral("부가세액"), {edtTAX_AMT})},
        {Labelled(QStringLiteral("반품구분"), {rbRetu_gb1, rbRetu_gb2})},
        {Labelled(QStringLiteral("비    고"), {edtREMARK})},
        {Bare(ButtonRow(box, {btnLineAppend, btnLineDelete}))},
    });
    auto *in = new QVBoxLayout(panInput);
    in->addWidget(box);
    in->addStretch(1);

    m_lines = new LineEditor(cdsOD030DT, rgdOD030DT,
        {{"ITEM_CODE", edtITEM_CODE}, {"ITEM_NAME", edtITEM_NAME}, {"ITEM_STANDARD", edtITEM_STANDARD},
         {"QTY", edtQTY}, {"SOOBUL_UNIT_NM", edtSOOBUL_UNIT_NM}, {"COST_AMT", edtCOST_AMT}, {"AMT", edtAMT},
         {"TAX_AMT", edtTAX_AMT}, {"RETU_GUBUN", m_retuGubun}, {"RETU_GUBUN_NM", m_retuGubunName}, {"REMARK", edtREMARK}},
        {.seq = QStringLiteral("RETU_SEQ"), .price = QStringLiteral("COST_AMT"), .amount = QStringLiteral("AMT"),
         .countColumn = QStringLiteral("ITEM_NAME"),
         .checks = {{[this] { return edtITEM_CODE->text().trimmed().size() == 8; },
                     QStringLiteral("품목코드는 반드시 입력하세요"), edtITEM_NAME},
                    {[this] { return edtQTY->value() > 0; }, QStringLiteral("수량을 반드시 입력하세요"), edtQTY}},
         .entryFocus = edtITEM_NAME},
        this);
    // A shown line sets the kind buttons; an empty panel offers a plain return.
    connect(m_lines, &LineEditor::lineShown, this, [this](int row) {
        const bool exchange = row >= 0 && m_lines->isLine(row) && m_lines->text(row, QStringLiteral("RETU_GUBUN")) == QLatin1String("1");
        (exchange ? rbRetu_gb1 : rbRetu_gb2)->setChecked(true);
        m_chosenKind();   // the cleared panel takes the kind shown
    });
    OnUserAction(btnLineAppend, &QPushButton::clicked, this, [this] {
        if (WorkMode != wmBrowse)
            m_lines->apply();
    });
    OnUserAction(btnLineDelete, &QPushButton::clicked, this, [this] {
        if (WorkMode != wmBrowse)
            m_lines->removeCurrent();
    });
}

void TfrmODI040::showEvent(QShowEvent *event)
{
    TfrmZOI010::showEvent(event);
    if (!m_started) {
        m_started = true;
        medRETU_DATE_S->setFocus();
    }
}

Params TfrmODI040::currentKey() const
{
    return {{QStringLiteral("RETU_DATE"), cdsOD030MS->text(QStringLiteral("RETU_DATE"))},
            {QStringLiteral("C_CODE"), cdsOD030MS->text(QStringLiteral("C_CODE"))},
            {QStringLiteral("RETU_NUM"), cdsOD030MS->text(QStringLiteral("RETU_NUM"))}};
}

void TfrmODI040::setHeaderEditable(bool editable, bool keyLocked)
{
    panHeader->setEnabled(editable);
    medRETU_DATE->setReadOnly(keyLocked);
    SetReadOnly(edtC_CODE_NM, keyLocked);
    if (auto *b = PopupBtn(QStringLiteral("pbtnC_CODE")))
        b->setEnabled(!keyLocked);
}

// ---------------------------------------------------------------- search and display

void TfrmODI040::glSelect()
{
    RecordCount = OpenRecords(*cdsOD030MS, ScreenConnection(), kSelect,
                              {{QStringLiteral("RETU_DATE_S"), medRETU_DATE_S->dateText()},
                               {QStringLiteral("RETU_DATE_E"), medRETU_DATE_E->dateText()},
                               {QStringLiteral("C_CODE"), edtC_CODE_S->text().trimmed()},
                               {QStringLiteral("STRG_CODE"), edtSTRG_CODE_S->text().trimmed()}});
    rgdOD030MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentReturn();
}

void TfrmODI040::showCurrentReturn()
{
    if (WorkMode != wmBrowse || cdsOD030MS->isLoading())
        return;
    m_header.read(*cdsOD030MS, cdsOD030MS->currentRow());
    m_lines->load(ScreenConnection(), kLines, currentKey());
}

// ---------------------------------------------------------------- operations

void TfrmODI040::glInsert()
{
    cdsOD030MS->append();
    m_header.clear();
    m_lines->clear();
    m_lines->openEntryRow();
    setHeaderEditable(true, false);
    medRETU_DATE->setPlainText(GetSystemDate());
    medRETU_DATE->setFocus();
}

void TfrmODI040::glEdit()
{
    if (cdsOD030MS->currentRow() < 0) {
        WorkMode = wmBrowse;
        glEnabledCheck();
        return;
    }
    m_editKey = currentKey();
    cdsOD030MS->edit();
    m_lines->openEntryRow();
    setHeaderEditable(true, true);
    edtSTRG_CODE->setFocus();
}

void TfrmODI040::glSave()
{
    SaveOK = false;
    const bool inserting = WorkMode == wmInsert;
    if (!AllHold({{IsFilled(medRETU_DATE), QStringLiteral("반품일자는 반드시 입력하세요"), medRETU_DATE},
                  {IsFilled(edtC_CODE), QStringLiteral("거래처는 반드시 입력하세요"), edtC_CODE_NM},
                  {IsFilled(edtSTRG_CODE), QStringLiteral("반품창고는 반드시 입력하세요"), edtSTRG_CODE}}))
        return;
    const QString date = medRETU_DATE->dateText();
    if (RefuseClosedDay(date, ScreenConnection()))
        return;
    if (m_lines->lineCount() == 0) {
        ShowInfo(QStringLiteral("반품 품목을 입력하세요"));
        edtITEM_NAME->setFocus();
        return;
    }
    const int row = cdsOD030MS->currentRow();
    QString retuNum;
    try {
        db::Transaction tx(ScreenConnection());
        retuNum = writeReturn(inserting, date, edtC_CODE->text().trimmed());
        tx.commit();
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return;
    }
    m_header.write(*cdsOD030MS, row);
    cdsOD030MS->setValue(row, QStringLiteral("RETU_NUM"), retuNum.toDouble());
    cdsOD030MS->post();
    RecordCount = cdsOD030MS->recordCount();
    rgdOD030MS->showRowCount(0, 0);
    ShowRecordCount();
    setHeaderEditable(false, false);
    SaveOK = true;
    WorkMode = wmBrowse;
    showCurrentReturn();
    medRETU_DATE_S->setFocus();
}

// Header and lines of the return in the save's transaction, then its
// posting. A changed return is reversed before anything of it changes, so
// that its old lines leave the warehouse they were posted to, whichever
// warehouse it names now. Returns the running number.
QString TfrmODI040::writeReturn(bool inserting, const QString &date, const QString &cCode)
{
    db::Connection &conn = ScreenConnection();
    const Params values = {{QStringLiteral("STRG_CODE"), edtSTRG_CODE->text().trimmed()},
                           {QStringLiteral("RETU_REAS"), edtRETU_REAS->text().trimmed()},
                           {QStringLiteral("PLAN_DATE"), medPLAN_DATE->dateText()}};
    Params key;
    if (inserting) {
        InsertWithNextSerial(conn, [&] {
            const Params place = {{QStringLiteral("RETU_DATE"), date}, {QStringLiteral("C_CODE"), cCode}};
            key = place;
            key.append({QStringLiteral("RETU_NUM"), db::Query::scalar(conn, QString::fromLatin1(kNextNum), place)});
            run(conn, kInsertHeader, key + values);
        });
    } else {
        key = m_editKey;
        postReturn(conn, key, QStringLiteral("DEL"));
        run(conn, kUpdateHeader, key + values);
    }
    run(conn, kDeleteLines, key);
    const QList<int> rows = m_lines->lineRows();
    for (int i = 0; i < rows.size(); ++i) {
        const int row = rows.at(i);
        const double qty = m_lines->number(row, QStringLiteral("QTY"));
        const double cost = m_lines->number(row, QStringLiteral("COST_AMT"));
        run(conn, kInsertLine,
            key + Params{{QStringLiteral("RETU_SEQ"), QString::number(i + 1)},
                         {QStringLiteral("ITEM_CODE"), m_lines->text(row, QStringLiteral("ITEM_CODE"))},
                         {QStringLiteral("ITEM_STANDARD"), m_lines->text(row, QStringLiteral("ITEM_STANDARD")).left(kStandardLength)},
                         {QStringLiteral("QTY"), number(qty)}, {QStringLiteral("COST_AMT"), number(cost)},
                         {QStringLiteral("AMT"), number(qty * cost)},
                         {QStringLiteral("TAX_AMT"), number(m_lines->number(row, QStringLiteral("TAX_AMT")))},
                         {QStringLiteral("REMARK"), m_lines->text(row, QStringLiteral("REMARK")).left(kRemarkLength)},
                         {QStringLiteral("RETU_GUBUN"), m_lines->text(row, QStringLiteral("RETU_GUBUN"))}});
    }
    postReturn(conn, key, QStringLiteral("INS"));
    return key.at(2).second;
}

void TfrmODI040::glCancel()
{
    cdsOD030MS->cancel();
    setHeaderEditable(false, false);
    WorkMode = wmBrowse;
    medRETU_DATE_S->setFocus();
    showCurrentReturn();
}

// A return of a closed day can still be deleted: its reversal is the
// correction of that day.
bool TfrmODI040::glDelete()
{
    if (cdsOD030MS->currentRow() < 0)
        return false;
    const Params key = currentKey();
    // Deleting takes the return out of its day's stock: a closed day keeps it.
    if (RefuseClosedDay(key.at(0).second, ScreenConnection()))
        return false;
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    db::Connection &conn = ScreenConnection();
    try {
        db::Transaction tx(conn);
        postReturn(conn, key, QStringLiteral("DEL"));
        run(conn, kDeleteLines, key);
        run(conn, kDeleteHeader, key);
        tx.commit();
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return false;
    }
    cdsOD030MS->deleteRecord();
    RecordCount = cdsOD030MS->recordCount();
    rgdOD030MS->showRowCount(0, 0);
    ShowRecordCount();
    showCurrentReturn();
    return true;
}

void TfrmODI040::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        CheckDateOnLeave(mask);
    else if ((control == edtQTY || control == edtCOST_AMT) && WorkMode != wmBrowse)
        edtAMT->setValue(edtQTY->value() * edtCOST_AMT->value());
}

bool TfrmODI040::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == rgdOD030MS && DocumentListKey(*this, *event))
        return true;
    if (control == edtREMARK && WorkMode == wmInsert && IsEnterKey(*event)) {
        m_lines->apply();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}

void TfrmODI040::print(bool toPreview)
{
    if (WorkMode != wmBrowse || cdsOD030MS->currentRow() < 0)
        return;
    const auto field = [this](const char *name) { return cdsOD030MS->text(QLatin1String(name)); };
    TfrmODP040 form;
    form.setLabel(QStringLiteral("qrlRetu_Date"), field("RETU_DATE"));
    form.setLabel(QStringLiteral("qrlC_Code"), field("C_CODE_NM"));
    form.setLabel(QStringLiteral("qrlStrg_Code"), QStringLiteral("[%1] %2").arg(field("STRG_CODE"), field("STRG_CODE_NM")));
    form.setLabel(QStringLiteral("qrlPlan_Date"), field("PLAN_DATE"));
    form.run(field("RETU_DATE"), field("C_CODE"), field("RETU_NUM"), toPreview, this);
}

TfrmODP045 *TfrmODI040::bbtPrint_AllClick()
{
    const auto digits = [](const widgets::MaskEdit *date) { return date->dateText().remove(u'-'); };
    auto *window = new TfrmODP045(this);
    window->setArgument(QStringLiteral("/rp[%1][%2][%3][%4]").arg(digits(medRETU_DATE_S), digits(medRETU_DATE_E),
                                                                   edtC_CODE_S->text().trimmed(), edtSTRG_CODE_S->text().trimmed()));
    window->show();
    return window;
}

#include "moc_ODI040.cpp"
