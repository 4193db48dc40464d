#include "modules/master/OXI080.h"

#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/Controls.h"
#include "framework/ErrorDisplay.h"
#include "framework/ItemPicker.h"
#include "framework/LineEditor.h"
#include "framework/SharedSql.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace kit;

namespace {

const QString kList = QStringLiteral(
    "SELECT A.STRG_CODE, (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM, "
    "       A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.SILS_QTY, %1 SOOBUL_UNIT_NM, A.SILS_COST, A.SILS_AMT "
    "  FROM OZ020MS A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE "
    " WHERE A.SILS_DATE = :SILS_DATE AND A.SILS_GUBUN = '1' AND A.STRG_CODE = :STRG_CODE "
    " ORDER BY B.ITEM_NAME, A.ITEM_CODE").arg(sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

// Only the opening lines: count lines of the same day and warehouse belong
// to the stock count and keep their posting.
const QString kDeleteList = QStringLiteral(
    "DELETE FROM OZ020MS WHERE SILS_DATE = :SILS_DATE AND STRG_CODE = :STRG_CODE AND SILS_GUBUN = '1'");

const QString kInsertLine = QStringLiteral(
    "INSERT INTO OZ020MS (SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST, SILS_AMT, "
    "                     U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:SILS_DATE, :STRG_CODE, :ITEM_CODE, '1', :SILS_QTY, :SILS_COST, :SILS_AMT, :U_EMP_NO, SYSDATE(), :U_IP)");

const QString kRemoveRefused = QStringLiteral("[삭제(-)] 재고 업데이트 처리시 에러가 발생 했습니다");
const QString kPostRefused = QStringLiteral("[등록(-)] 재고 업데이트 처리시 에러가 발생 했습니다");

} // namespace

TfrmOXI080::TfrmOXI080(QWidget *parent) : TfrmZOI010(QStringLiteral("OXI080"), parent)
{
    setObjectName(QStringLiteral("frmOXI080"));
    setWindowTitle(QStringLiteral("기초재고 등록"));
    for (QWidget *w : {static_cast<QWidget *>(sbtFirst), static_cast<QWidget *>(sbtPrior),
                       static_cast<QWidget *>(sbtNext), static_cast<QWidget *>(sbtLast)})
        w->hide();

    edtSTRG_CODE_S = CodeBox(panSearch, "edtSTRG_CODE_S", 3, 40);
    edtSTRG_CODE_NM_S = TextBox(panSearch, "edtSTRG_CODE_NM_S", 0, ReadOnly, 120);
    medSILS_DATE_S = DateBox(panSearch, "medSILS_DATE_S");
    Button1 = makeButton(panSearch, QStringLiteral("Button1"), QStringLiteral("기초재고등록자료 배치작업"));
    Button1->setFixedWidth(180);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("창고코드"), {edtSTRG_CODE_S, edtSTRG_CODE_NM_S}),
        Labelled(QStringLiteral("기초일자"), {medSILS_DATE_S}),
        Bare(Button1),
    });

    picker = new ItemPicker(ScreenConnection(), false, panMain);
    picker->pgcPick->setTabVisible(1, false);   // opening stock is not taken from a month's stock
    bbtMove = makeButton(panMain, QStringLiteral("bbtMove"), QStringLiteral("품목조회 자료 가져오기"));
    bbtMove->setFixedWidth(170);
    buildLines();

    auto *mainLayout = static_cast<QHBoxLayout *>(panMain->layout());
    mainLayout->removeWidget(panDisplay);
    mainLayout->removeWidget(panInput);
    auto *left = new QVBoxLayout;
    left->addWidget(picker, 1);
    left->addWidget(panDisplay);
    auto *right = new QVBoxLayout;
    right->addWidget(panInput);
    right->addWidget(bbtMove, 0, Qt::AlignLeft);
    right->addWidget(rgdOX050MS, 1);
    panInput->setFixedWidth(QWIDGETSIZE_MAX);
    panInput->setMinimumWidth(0);
    mainLayout->addLayout(left, 2);
    mainLayout->addLayout(right, 3);
    FormCreate();

    InstallLookups({
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE_S"), {QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("edtSTRG_CODE_NM_S")},
                          false),
        lookup::StockItem(QStringLiteral("pbtnITEM_CODE"),
                          {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD1"),
                           QStringLiteral("edtSOOBUL_UNIT_NM")}),
    });
    OnUserAction(Button1, &QPushButton::clicked, this, [this] {
        if (usable(Button1, this))
            Button1Click();
    });
    OnUserAction(picker->bbtItemSelect, &QPushButton::clicked, this, [this] {
        picker->queryItems(edtSTRG_CODE_S->text().trimmed(), QString(openingDate()).remove(QLatin1Char('-')).left(6));
    });
    OnUserAction(bbtMove, &QPushButton::clicked, this, [this] { bbtMoveClick(); });

    const QString today = GetSystemDate();
    picker->start(today.left(7));
    medSILS_DATE_S->setPlainText(today);
    loadList();
    glEnabledCheck();
}

void TfrmOXI080::buildLines()
{
    using namespace widgets;
    cdsOX050MS = new RecordSet(this);
    rgdOX050MS = new DataGrid(panMain);
    rgdOX050MS->setObjectName(QStringLiteral("rgdOX050MS"));
    rgdOX050MS->setReadOnly(true);
    rgdOX050MS->setRowSelect(true);
    rgdOX050MS->setColumns({
        // field            title        width  format          options
        {"STRG_CODE",      "창고코드",      0},
        {"STRG_CODE_NM",   "창 고 명",      0},
        {"ITEM_CODE",      "품목코드",      0},
        {"ITEM_NAME",      "품 목 명",    160},
        {"ITEM_STANDARD1", "규    격",    100},
        {"SILS_QTY",       "수량",          70,  "#,##0.0"},
        {"SOOBUL_UNIT_NM", "단위",          40},
        {"SILS_COST",      "단  가",        90,  "#,##0.0000"},
        {"SILS_AMT",       "금  액",        90,  "#,##0"},
    });
    rgdOX050MS->setRecordSet(cdsOX050MS);
    rgdOX050MS->setFooterCount(1);
    rgdOX050MS->setFooterTitle(0, QStringLiteral("갯수"));

    auto *box = new QGroupBox(QStringLiteral("[ 기초재고 ]"), panInput);
    edtITEM_CODE = TextBox(box, "edtITEM_CODE", 8, ReadOnly, 70);
    edtITEM_NAME = TextBox(box, "edtITEM_NAME", 100);
    edtITEM_STANDARD1 = TextBox(box, "edtITEM_STANDARD1", 0, ReadOnly);
    edtSOOBUL_UNIT_NM = TextBox(box, "edtSOOBUL_UNIT_NM", 0, ReadOnly, 50);
    edtSils_Qty = NumberBox(box, "edtSils_Qty", 1, Positive);
    edtSils_Cost = NumberBox(box, "edtSils_Cost", 4, Positive);
    edtSils_Amt = NumberBox(box, "edtSils_Amt", 0, ReadOnly);
    btnLineAppend = makeButton(box, QStringLiteral("btnLineAppend"), QStringLiteral("추가"));
    btnLineDelete = makeButton(box, QStringLiteral("btnLineDelete"), QStringLiteral("삭제"));
    LabelledGrid(box, {
        {Labelled(QStringLiteral("품목코드"), {edtITEM_CODE, edtITEM_NAME}, 2)},
        {Labelled(QStringLiteral("규    격"), {edtITEM_STANDARD1}), Labelled(QStringLiteral("단    위"), {edtSOOBUL_UNIT_NM})},
        {Labelled(QStringLiteral("기초수량"), {edtSils_Qty}), Labelled(QStringLiteral("재고단가"), {edtSils_Cost})},
        {Labelled(QStringLiteral("재고금액"), {edtSils_Amt}), Bare(ButtonRow(box, {btnLineAppend, btnLineDelete}))},
    });
    (new QVBoxLayout(panInput))->addWidget(box);

    m_lines = new LineEditor(cdsOX050MS, rgdOX050MS,
        {{"ITEM_CODE", edtITEM_CODE}, {"ITEM_NAME", edtITEM_NAME}, {"ITEM_STANDARD1", edtITEM_STANDARD1},
         {"SOOBUL_UNIT_NM", edtSOOBUL_UNIT_NM}, {"SILS_QTY", edtSils_Qty}, {"SILS_COST", edtSils_Cost},
         {"SILS_AMT", edtSils_Amt}},
        {.qty = QStringLiteral("SILS_QTY"), .price = QStringLiteral("SILS_COST"), .amount = QStringLiteral("SILS_AMT"),
         .countColumn = QStringLiteral("ITEM_NAME"), .sums = {QStringLiteral("SILS_AMT")},
         .checks = {{[this] { return edtITEM_CODE->text().trimmed().size() == 8; },
                     QStringLiteral("품목코드는 반드시 입력하세요"), edtITEM_NAME}},
         .entryFocus = edtITEM_NAME, .repeat = LineRules::Repeat::Replace},
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

bool TfrmOXI080::warehouseChosen()
{
    if (edtSTRG_CODE_S->text().trimmed().size() == 3)
        return true;
    ShowInfo(QStringLiteral("창고를 선택하고 조회하세요."));
    edtSTRG_CODE_S->setFocus();
    return false;
}

QString TfrmOXI080::openingDate() const { return medSILS_DATE_S->dateText(); }

void TfrmOXI080::loadList()
{
    RecordCount = m_lines->load(ScreenConnection(), kList,
                                {{QStringLiteral("SILS_DATE"), openingDate()},
                                 {QStringLiteral("STRG_CODE"), edtSTRG_CODE_S->text().trimmed()}});
    ShowRecordCount();
}

void TfrmOXI080::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (control == medSILS_DATE_S)
        CheckDateOnLeave(medSILS_DATE_S);
    else if (control == edtSils_Qty || control == edtSils_Cost)
        edtSils_Amt->setValue(edtSils_Qty->value() * edtSils_Cost->value());
}

void TfrmOXI080::bbtMoveClick()
{
    if (WorkMode == wmBrowse)
        return;
    for (const PickedItem &item : picker->ticked()) {
        if (cdsOX050MS->find(QStringLiteral("ITEM_CODE"), item.code) >= 0)
            continue;
        m_lines->appendLine({{QStringLiteral("ITEM_CODE"), item.code}, {QStringLiteral("ITEM_NAME"), item.name},
                             {QStringLiteral("ITEM_STANDARD1"), item.standard},
                             {QStringLiteral("SOOBUL_UNIT_NM"), item.unitName}, {QStringLiteral("SILS_QTY"), 0.0},
                             {QStringLiteral("SILS_COST"), 0.0}});
    }
}

void TfrmOXI080::glSelect()
{
    TfrmZOI010::glSelect();
    if (!warehouseChosen())
        return;
    loadList();
}

void TfrmOXI080::glInsert()
{
    m_lines->clear();
    m_lines->openEntryRow();
    edtITEM_NAME->setFocus();
}

void TfrmOXI080::glEdit()
{
    m_lines->openEntryRow();
    edtITEM_NAME->setFocus();
}

void TfrmOXI080::post(const QString &flag, const QString &refusal)
{
    const QString answer = ScreenConnection()
                               .callProcedure(QStringLiteral("PR_O_DATE_STOCK_SIL_UPDATE"),
                                              {{QStringLiteral("I_SILS_DATE"), openingDate()},
                                               {QStringLiteral("I_STRG_CODE"), edtSTRG_CODE_S->text().trimmed()},
                                               {QStringLiteral("I_FLAG"), flag}})
                               .value(QStringLiteral("O_CHK"));
    if (answer.trimmed() != QLatin1String("Y"))
        throw EUserExcept(refusal);
}

void TfrmOXI080::removeList()
{
    db::Query q(ScreenConnection(), kDeleteList);
    q.bind(QStringLiteral("SILS_DATE"), openingDate()).bind(QStringLiteral("STRG_CODE"), edtSTRG_CODE_S->text().trimmed()).exec();
}

void TfrmOXI080::glSave()
{
    if (!warehouseChosen())
        return;
    if (RefuseClosedDay(openingDate(), ScreenConnection())) {
        medSILS_DATE_S->setFocus();
        return;
    }
    m_lines->dropEntryRows();
    if (m_lines->lineCount() == 0) {
        m_lines->openEntryRow();
        ShowInfo(QStringLiteral("품목을 입력하세요"));
        edtITEM_NAME->setFocus();
        return;
    }
    const bool editing = WorkMode == wmEdit;
    const bool committed = RunInTransaction(FailureForm::Reporting, [&] {
        if (editing)
            post(QStringLiteral("DEL"), kRemoveRefused);
        removeList();
        for (int row : m_lines->lineRows()) {
            db::Query q(ScreenConnection(), kInsertLine);
            q.bind(QStringLiteral("SILS_DATE"), openingDate())
                .bind(QStringLiteral("STRG_CODE"), edtSTRG_CODE_S->text().trimmed())
                .bind(QStringLiteral("ITEM_CODE"), m_lines->text(row, QStringLiteral("ITEM_CODE")))
                .bind(QStringLiteral("SILS_QTY"), m_lines->number(row, QStringLiteral("SILS_QTY")))
                .bind(QStringLiteral("SILS_COST"), m_lines->number(row, QStringLiteral("SILS_COST")))
                .bind(QStringLiteral("SILS_AMT"), m_lines->number(row, QStringLiteral("SILS_AMT")));
            sql::BindAudit(q).exec();
        }
        post(QStringLiteral("INS"), kPostRefused);
    });
    if (!committed) {
        m_lines->openEntryRow();
        return;
    }
    loadList();
    SaveOK = true;
    medSILS_DATE_S->setFocus();
}

bool TfrmOXI080::glDelete()
{
    if (!warehouseChosen() || !AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    if (RefuseClosedDay(openingDate(), ScreenConnection()))
        return false;
    const bool committed = RunInTransaction(FailureForm::Reporting, [&] {
        post(QStringLiteral("DEL"), kRemoveRefused);
        removeList();
    });
    if (!committed)
        return false;
    m_lines->clear();
    RecordCount = 0;
    ShowRecordCount();
    return true;
}

void TfrmOXI080::glCancel()
{
    loadList();
}

// Posts every opening list of the date; a closed day takes no opening stock.
void TfrmOXI080::Button1Click()
{
    if (RefuseClosedDay(openingDate(), ScreenConnection()))
        return;
    QString answer;
    const bool committed = RunInTransaction(FailureForm::Reporting, [&] {
        answer = ScreenConnection()
                     .callProcedure(QStringLiteral("PR_O_DATE_STOCK_SIL_BATCH"),
                                    {{QStringLiteral("I_SILS_DATE"), openingDate()}, {QStringLiteral("I_FLAG"), QStringLiteral("INS")}})
                     .value(QStringLiteral("O_CHK"));
        if (answer.trimmed() != QLatin1String("Y"))
            throw EUserExcept(QStringLiteral("[PR_O_DATE_STOCK_SIL_BATCH] 처리시 에러가 발생 했습니다"));
    });
    if (committed)
        ShowInfo(QStringLiteral("처리가 완료 되었습니다."));
}

#include "moc_OXI080.cpp"
