#include "modules/closing/OEI010.h"

#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/ClassCombos.h"
#include "framework/ItemPicker.h"
#include "framework/Controls.h"
#include "framework/ErrorDisplay.h"
#include "framework/LineEditor.h"
#include "framework/Records.h"
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

const QString kCount = QStringLiteral(
    "SELECT A.STRG_CODE, (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM, "
    "       A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, "
    "       COALESCE((SELECT MAX(Z.CURR_DELI_QTY) FROM OZ010MS Z WHERE Z.STOC_YYMM = :STOC_YYMM "
    "                 AND Z.STRG_CODE = A.STRG_CODE AND Z.ITEM_CODE = A.ITEM_CODE), 0) DELI_QTY, "
    "       A.SILS_QTY, A.SILS_AMT STOC_QTY, "
    "       COALESCE((SELECT MAX(C.STOCK_COST) FROM OZ050MS C WHERE C.STOCK_DATE = A.SILS_DATE "
    "                 AND C.ITEM_CODE = A.ITEM_CODE), 0) STOC_COST, "
    "       A.SILS_COST GG_QTY, %1 SOOBUL_UNIT_NM, '1' CHK "
    "  FROM OZ020MS A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE "
    " WHERE A.SILS_DATE = :SILS_DATE AND A.SILS_GUBUN = '2' AND A.STRG_CODE = :STRG_CODE "
    " ORDER BY B.ITEM_NAME, A.ITEM_CODE")
    .arg(sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

const QString kDayCost = QStringLiteral(
    "SELECT COALESCE(MAX(STOCK_COST),0) FROM OZ050MS WHERE STOCK_DATE = :STOCK_DATE AND ITEM_CODE = :ITEM_CODE");

const QString kSavedCount = QStringLiteral(
    "SELECT COUNT(*) FROM OZ020MS WHERE SILS_DATE = :SILS_DATE AND STRG_CODE = :STRG_CODE AND SILS_GUBUN = '2'");

const QString kInsertLine = QStringLiteral(
    "INSERT INTO OZ020MS (SILS_DATE, STRG_CODE, ITEM_CODE, SILS_GUBUN, SILS_QTY, SILS_COST, SILS_AMT, "
    "                     U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:SILS_DATE, :STRG_CODE, :ITEM_CODE, '2', :SILS_QTY, :SILS_COST, :SILS_AMT, :U_EMP_NO, SYSDATE(), :U_IP)");

const QString kDeleteLines = QStringLiteral(
    "DELETE FROM OZ020MS WHERE SILS_DATE = :SILS_DATE AND STRG_CODE = :STRG_CODE AND SILS_GUBUN = '2'");

const QString kChooseWarehouse = QStringLiteral("창고를 선택하고 조회하세요.");

// The counted column has this light yellow background.
const QColor kCountedColour(255, 255, 128);

} // namespace

TfrmOEI010::TfrmOEI010(QWidget *parent) : TfrmZOI010(QStringLiteral("OEI010"), parent)
{
    setObjectName(QStringLiteral("frmOEI010"));
    setWindowTitle(QStringLiteral("재고 실사 조정"));
    // A saved count is changed by deleting it and counting again.
    bbtEdit->hide();
    for (QWidget *w : {static_cast<QWidget *>(sbtFirst), static_cast<QWidget *>(sbtPrior),
                       static_cast<QWidget *>(sbtNext), static_cast<QWidget *>(sbtLast)})
        w->hide();
    buildSearchPanel();
    QWidget *picking = buildPicking();
    buildCount();

    // Picking on the left (usable in every mode), the line panel and the count on the right.
    auto *mainLayout = static_cast<QHBoxLayout *>(panMain->layout());
    mainLayout->removeWidget(panDisplay);
    mainLayout->removeWidget(panInput);
    auto *left = new QVBoxLayout;
    left->addWidget(picking, 1);
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

    const Lookup item = lookup::StockItem(QStringLiteral("pbtnITEM_CODE"),
                               {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"),
                                QStringLiteral("edtITEM_STANDARD1"), QStringLiteral("edtSOOBUL_UNIT_NM")},
                               {.afterPick = [this](TPopupBtn &) { itemChosen(); },
                                .afterClear = [this] { ClearFields({edtStoc_Qty, edtStoc_Cost, edtGG_QTY}); }});
    InstallLookups({
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE_S"), {QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("edtSTRG_CODE_NM_S")},
                          false),
        item,
    });
    const QString today = GetSystemDate();
    picker->start(today.left(7));
    medSILS_DATE_S->setPlainText(today);
    // The count opens empty: the lines of no warehouse.
    edtSTRG_CODE_S->clear();
    loadCount();
    setCountEditable(false);
    glEnabledCheck();
}

void TfrmOEI010::buildSearchPanel()
{
    medSILS_DATE_S = DateBox(panSearch, "medSILS_DATE_S");
    edtSTRG_CODE_S = CodeBox(panSearch, "edtSTRG_CODE_S", 3, 40);
    edtSTRG_CODE_NM_S = TextBox(panSearch, "edtSTRG_CODE_NM_S", 0, ReadOnly, 120);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("실사일자"), {medSILS_DATE_S}),
        Labelled(QStringLiteral("창고코드"), {edtSTRG_CODE_S, edtSTRG_CODE_NM_S}),
    });
}

QWidget *TfrmOEI010::buildPicking()
{
    picker = new ItemPicker(ScreenConnection(), true, panMain);
    bbtMove = makeButton(panMain, QStringLiteral("bbtMove"), QStringLiteral("품목조회 자료 가져오기"));
    bbtMove->setFixedWidth(170);
    OnUserAction(picker->bbtItemSelect, &QPushButton::clicked, this, [this] { bbtItemSelectClick(); });
    OnUserAction(picker->bbtStock, &QPushButton::clicked, this, [this] { bbtStockClick(); });
    OnUserAction(bbtMove, &QPushButton::clicked, this, [this] { bbtMoveClick(); });
    return picker;
}

void TfrmOEI010::buildCount()
{
    using namespace widgets;
    cdsOX050MS = new RecordSet(this);
    rgdOX050MS = new DataGrid(panMain);
    rgdOX050MS->setObjectName(QStringLiteral("rgdOX050MS"));
    rgdOX050MS->setColumns({
        // field            title        width  format          options
        {"STRG_CODE",      "창고코드",      0},
        {"STRG_CODE_NM",   "창 고 명",      0},
        {"ITEM_CODE",      "품목코드",      0},
        {"ITEM_NAME",      "품 목 명",    150},
        {"ITEM_STANDARD1", "규    격",     90},
        {"DELI_QTY",       "출고",          70,  "#,##0.0"},
        {"SILS_QTY",       "실사수량",      70,  "#,##0.0",     col::Editable},
        {"STOC_QTY",       "현재고",        70,  "#,##0.0"},
        {"STOC_COST",      "단  가",        80,  "#,##0.0000"},
        {"GG_QTY",         "조정수량",      70,  "#,##0.0"},
        {"SOOBUL_UNIT_NM", "단위",          40},
        {"CHK",            "확인",          0},
    });
    rgdOX050MS->setRecordSet(cdsOX050MS);
    rgdOX050MS->setFixedColumns(3);
    rgdOX050MS->setFooterCount(1);
    rgdOX050MS->setFooterTitle(0, QStringLiteral("갯수"));
    rgdOX050MS->setCellStyler([](int col, int, CellStyle &style) {
        if (col == 6)
            style.background = kCountedColour;
    });

    auto *box = new QGroupBox(QStringLiteral("[ 실사품목 ]"), panInput);
    edtSTRG_CODE = TextBox(box, "edtSTRG_CODE", 3, ReadOnly);
    edtSTRG_CODE_NM = TextBox(box, "edtSTRG_CODE_NM", 0, ReadOnly);
    edtSTRG_CODE->hide();
    edtSTRG_CODE_NM->hide();
    edtITEM_CODE = TextBox(box, "edtITEM_CODE", 8, ReadOnly, 70);
    edtITEM_NAME = TextBox(box, "edtITEM_NAME", 100);
    edtITEM_STANDARD1 = TextBox(box, "edtITEM_STANDARD1", 0, ReadOnly);
    edtSils_Qty = NumberBox(box, "edtSils_Qty", 1, Positive);
    edtSOOBUL_UNIT_NM = TextBox(box, "edtSOOBUL_UNIT_NM", 0, ReadOnly, 50);
    edtStoc_Qty = NumberBox(box, "edtStoc_Qty", 1, ReadOnly);
    edtStoc_Cost = NumberBox(box, "edtStoc_Cost", 4, ReadOnly);
    edtGG_QTY = NumberBox(box, "edtGG_QTY", 1, ReadOnly);
    btnLineAppend = makeButton(box, QStringLiteral("btnLineAppend"), QStringLiteral("추가"));
    btnLineDelete = makeButton(box, QStringLiteral("btnLineDelete"), QStringLiteral("삭제"));
    LabelledGrid(box, {
        {Labelled(QStringLiteral("품목코드"), {edtITEM_CODE, edtITEM_NAME}, 2)},
        {Labelled(QStringLiteral("규    격"), {edtITEM_STANDARD1}), Labelled(QStringLiteral("실사수량"), {edtSils_Qty, edtSOOBUL_UNIT_NM})},
        {Labelled(QStringLiteral("현 재 고"), {edtStoc_Qty}), Labelled(QStringLiteral("단    가"), {edtStoc_Cost})},
        {Labelled(QStringLiteral("조정수량"), {edtGG_QTY}), Bare(ButtonRow(box, {btnLineAppend, btnLineDelete}))},
    });
    (new QVBoxLayout(panInput))->addWidget(box);

    m_lines = new LineEditor(cdsOX050MS, rgdOX050MS,
        {{"STRG_CODE", edtSTRG_CODE}, {"STRG_CODE_NM", edtSTRG_CODE_NM}, {"ITEM_CODE", edtITEM_CODE},
         {"ITEM_NAME", edtITEM_NAME}, {"ITEM_STANDARD1", edtITEM_STANDARD1}, {"SILS_QTY", edtSils_Qty, 1.0},
         {"SOOBUL_UNIT_NM", edtSOOBUL_UNIT_NM}, {"STOC_QTY", edtStoc_Qty}, {"STOC_COST", edtStoc_Cost},
         {"GG_QTY", edtGG_QTY}},
        {.qty = QStringLiteral("SILS_QTY"), .countColumn = QStringLiteral("ITEM_NAME"),
         .checks = {{[this] { return edtITEM_CODE->text().trimmed().size() == 8; },
                     QStringLiteral("품목코드는 반드시 입력하세요"), edtITEM_NAME}},
         .entryFocus = edtITEM_NAME, .repeat = LineRules::Repeat::Replace},
        this);
    OnUserAction(btnLineAppend, &QPushButton::clicked, this, [this] {
        if (WorkMode == wmBrowse)
            return;
        showAdjustment();
        m_lines->apply();
    });
    OnUserAction(btnLineDelete, &QPushButton::clicked, this, [this] {
        if (WorkMode != wmBrowse)
            m_lines->removeCurrent();
    });
    connect(cdsOX050MS, &widgets::RecordSet::valueChanged, this, &TfrmOEI010::countedChanged);
}

// ---------------------------------------------------------------- helpers

bool TfrmOEI010::warehouseChosen()
{
    if (edtSTRG_CODE_S->text().trimmed().size() == 3)
        return true;
    ShowInfo(kChooseWarehouse);
    edtSTRG_CODE_S->setFocus();
    return false;
}

QString TfrmOEI010::countDate() const { return medSILS_DATE_S->dateText(); }

QString TfrmOEI010::countMonth() const { return QString(countDate()).remove(QLatin1Char('-')).left(6); }

void TfrmOEI010::setCountEditable(bool editable)
{
    rgdOX050MS->setReadOnly(!editable);
}

void TfrmOEI010::loadCount()
{
    RecordCount = m_lines->load(ScreenConnection(), kCount,
                                {{QStringLiteral("SILS_DATE"), countDate()},
                                 {QStringLiteral("STRG_CODE"), edtSTRG_CODE_S->text().trimmed()},
                                 {QStringLiteral("STOC_YYMM"), countMonth()}});
    ShowRecordCount();
}

void TfrmOEI010::itemChosen()
{
    const QString item = edtITEM_CODE->text().trimmed();
    edtStoc_Qty->setValue(GetStockQty(edtSTRG_CODE_S->text().trimmed(), item, countDate(), ScreenConnection()));
    double cost = 0;
    try {
        cost = db::Query::scalar(ScreenConnection(), kDayCost,
                                 {{QStringLiteral("STOCK_DATE"), countDate()}, {QStringLiteral("ITEM_CODE"), item}})
                   .toDouble();
    } catch (const std::exception &) {
        // No price list for the day: the count still goes on, at no cost shown.
    }
    edtStoc_Cost->setValue(cost);
    showAdjustment();
}

void TfrmOEI010::showAdjustment()
{
    edtGG_QTY->setValue(edtSils_Qty->value() - edtStoc_Qty->value());
}

void TfrmOEI010::countedChanged(int row, int field)
{
    if (WorkMode != wmInsert || cdsOX050MS->field(field).name != QLatin1String("SILS_QTY"))
        return;
    const QVariant counted = cdsOX050MS->value(row, QStringLiteral("SILS_QTY"));
    const QVariant book = cdsOX050MS->value(row, QStringLiteral("STOC_QTY"));
    if (m_lines->isLine(row) && !counted.toString().isEmpty() && !book.toString().isEmpty())
        cdsOX050MS->setValue(row, QStringLiteral("GG_QTY"), counted.toDouble() - book.toDouble());
}

void TfrmOEI010::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (control == medSILS_DATE_S)
        CheckDateOnLeave(medSILS_DATE_S);
    else if (control == edtSils_Qty)
        showAdjustment();
    else if (control == picker->medYYMM)
        picker->checkMonthOnLeave();
}

// ---------------------------------------------------------------- picking

void TfrmOEI010::bbtItemSelectClick()
{
    if (warehouseChosen())
        picker->queryItems(edtSTRG_CODE_S->text().trimmed(), countMonth());
}

void TfrmOEI010::bbtStockClick()
{
    if (warehouseChosen())
        picker->queryStock(edtSTRG_CODE_S->text().trimmed());
}

// Ticked stock-managed items not yet counted join the count with nothing
// counted; the user types what was found.
void TfrmOEI010::bbtMoveClick()
{
    if (WorkMode != wmInsert)
        return;
    for (const PickedItem &item : picker->ticked()) {
        if (!item.stockManaged || cdsOX050MS->find(QStringLiteral("ITEM_CODE"), item.code) >= 0)
            continue;
        m_lines->appendLine({{QStringLiteral("STRG_CODE"), edtSTRG_CODE_S->text().trimmed()},
                             {QStringLiteral("STRG_CODE_NM"), edtSTRG_CODE_NM_S->text()},
                             {QStringLiteral("ITEM_CODE"), item.code},
                             {QStringLiteral("ITEM_NAME"), item.name},
                             {QStringLiteral("ITEM_STANDARD1"), item.standard},
                             {QStringLiteral("DELI_QTY"), item.issues},
                             {QStringLiteral("SILS_QTY"), 0.0},
                             {QStringLiteral("STOC_QTY"), item.stock},
                             {QStringLiteral("GG_QTY"), 0.0},
                             {QStringLiteral("SOOBUL_UNIT_NM"), item.unitName}});
    }
}

// ---------------------------------------------------------------- operations

void TfrmOEI010::glSelect()
{
    TfrmZOI010::glSelect();
    if (!warehouseChosen())
        return;
    loadCount();
}

void TfrmOEI010::glInsert()
{
    m_lines->clear();
    m_lines->openEntryRow();
    setCountEditable(true);
    edtSTRG_CODE->setText(edtSTRG_CODE_S->text().trimmed());
    edtSTRG_CODE_NM->setText(edtSTRG_CODE_NM_S->text());
    edtITEM_NAME->setFocus();
}

// Runs the stock procedure for the count; a refusal is shown in the
// procedure's own words and undoes the whole save or delete.
void TfrmOEI010::postCount(const QString &flag)
{
    const QString answer = ScreenConnection()
                               .callProcedure(QStringLiteral("PR_O_DATE_STOCK_SIL_UPDATE"),
                                              {{QStringLiteral("I_SILS_DATE"), countDate()},
                                               {QStringLiteral("I_STRG_CODE"), edtSTRG_CODE_S->text().trimmed()},
                                               {QStringLiteral("I_FLAG"), flag},
                                               {QStringLiteral("I_DIVE_CODE"), picker->classes->code(1).left(1)}})
                               .value(QStringLiteral("O_CHK"));
    if (answer.trimmed() == QLatin1String("Y"))
        return;
    ShowInfo(answer.trimmed());
    throw SilentAbort();
}

void TfrmOEI010::glSave()
{
    if (!warehouseChosen())
        return;
    if (!AskYesNo(QStringLiteral("해당일 [%1] 실사 조정일이 맞는지 확인하세요?").arg(medSILS_DATE_S->text()))) {
        ShowInfo(QStringLiteral("실자조정 작업을 취소합니다"));
        return;
    }
    if (RefuseClosedDay(countDate(), ScreenConnection())) {
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
    const QString strg = edtSTRG_CODE_S->text().trimmed();
    bool counted = false;
    const bool committed = RunInTransaction(FailureForm::Reporting, [&] {
        // A second count of the day would post over the first one: it is
        // deleted first and counted again.
        counted = db::Query::scalar(ScreenConnection(), kSavedCount,
                                    {{QStringLiteral("SILS_DATE"), countDate()}, {QStringLiteral("STRG_CODE"), strg}})
                      .toInt() > 0;
        if (counted)
            throw SilentAbort();
        for (int row : m_lines->lineRows()) {
            db::Query q(ScreenConnection(), kInsertLine);
            q.bind(QStringLiteral("SILS_DATE"), countDate())
                .bind(QStringLiteral("STRG_CODE"), strg)
                .bind(QStringLiteral("ITEM_CODE"), m_lines->text(row, QStringLiteral("ITEM_CODE")))
                .bind(QStringLiteral("SILS_QTY"), m_lines->number(row, QStringLiteral("SILS_QTY")))
                .bind(QStringLiteral("SILS_COST"), m_lines->number(row, QStringLiteral("GG_QTY")))
                .bind(QStringLiteral("SILS_AMT"), m_lines->number(row, QStringLiteral("STOC_QTY")));
            sql::BindAudit(q).exec();
        }
        postCount(QStringLiteral("INS"));
    });
    if (!committed) {
        if (counted)
            ShowInfo(QStringLiteral("[%1] %2 창고의 실사 조정 자료가 이미 있습니다.\n삭제 후 다시 입력하세요.")
                         .arg(countDate(), strg));
        m_lines->openEntryRow();
        return;
    }
    setCountEditable(false);
    loadCount();
    SaveOK = true;
    medSILS_DATE_S->setFocus();
}

bool TfrmOEI010::glDelete()
{
    if (!warehouseChosen())
        return false;
    if (RefuseClosedDay(countDate(), ScreenConnection())) {
        medSILS_DATE_S->setFocus();
        return false;
    }
    if (!AskYesNo(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    const bool committed = RunInTransaction(FailureForm::Reporting, [&] {
        // The reversal reads the lines it takes back: they go after it.
        postCount(QStringLiteral("DEL"));
        db::Query q(ScreenConnection(), kDeleteLines);
        q.bind(QStringLiteral("SILS_DATE"), countDate()).bind(QStringLiteral("STRG_CODE"), edtSTRG_CODE_S->text().trimmed()).exec();
    });
    if (!committed)
        return false;
    m_lines->clear();
    RecordCount = 0;
    ShowRecordCount();
    return true;
}

void TfrmOEI010::glCancel()
{
    setCountEditable(false);
    m_lines->clear();
    RecordCount = 0;
    ShowRecordCount();
    medSILS_DATE_S->setFocus();
}

#include "moc_OEI010.cpp"
