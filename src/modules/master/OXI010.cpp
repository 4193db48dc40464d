#include "modules/master/OXI010.h"
#include "framework/Controls.h"
#include "framework/ClassCombos.h"
#include "framework/ErrorDisplay.h"
#include "framework/Lookups.h"
#include "framework/PriceHistory.h"
#include "framework/Serials.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Items with the names of their codes, class and supplier. An item whose
// class is not in the class tree is not listed.
const char *const kSelect =
    "SELECT A.ITEM_CODE, A.ITEM_NAME, A.ITEM_SNAME, A.ITEM_INDEX, A.ITEM_STANDARD1, A.ITEM_STANDARD2, "
    "       A.COST_AMT, A.C_CODE, A.LEAD_TIME, A.LIMIT_STOCK, A.GUMAE_UNIT, A.SOOBUL_UNIT, A.CHANGE_QTY, "
    "       A.ORG_NATION, A.ACCT_CODE, A.SUTAK_YN, A.TAX_GUBUN, A.SOOBUL_YN, A.SOMO_JAEGO_YN, A.ABC_GUBUN, "
    "       A.ITEM_TYPE, A.DIVIDE_CODE, A.FIXED_PRU_GUBUN, A.USE_YN, A.PROD_ITEM, "
    "       (SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'Z0025' AND Z.DETAIL = A.GUMAE_UNIT) GUMAE_UNIT_NM, "
    "       (SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'Z0025' AND Z.DETAIL = A.SOOBUL_UNIT) SOOBUL_UNIT_NM, "
    "       (SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'Z0001' AND Z.DETAIL = A.ORG_NATION) ORG_NATION_NM, "
    "       (SELECT Z.DETAIL_NAME FROM ZX010MS Z WHERE Z.HEAD = 'O0001' AND Z.DETAIL = A.ITEM_TYPE) ITEM_TYPE_NM, "
    "       B.DIVIDE_NAME DIVIDE_CODE_NM, B.DIVIDE_PATH, "
    "       (SELECT C.C_NAME FROM VA050MS C WHERE C.C_CODE = A.C_CODE) C_NAME "
    "  FROM OX010MS A JOIN OX030MS_VIEW B ON B.DIVIDE_CODE = A.DIVIDE_CODE "
    " WHERE A.ITEM_CODE LIKE COALESCE(:ITEM_CODE,'') || '%' "
    "   AND A.ITEM_NAME LIKE COALESCE(:ITEM_NAME,'') || '%' "
    "   AND (COALESCE(:ITEM_INDEX,'') = '' OR A.ITEM_INDEX LIKE COALESCE(:ITEM_INDEX,'') || '%') "
    "   AND A.DIVIDE_CODE LIKE COALESCE(:DIVIDE_CODE,'') || '%' "
    " ORDER BY A.ITEM_NAME, A.ITEM_CODE";

// The class code followed by the next three-digit serial within the class.
const char *const kNextCode =
    "SELECT CAST(:DIVIDE_CODE AS VARCHAR(5)) "
    "       || LPAD(CAST(CAST(COALESCE(SUBSTR(MAX(ITEM_CODE),6,3),'0') AS INTEGER) + 1 AS VARCHAR(3)),3,'0') "
    "  FROM OX010MS WHERE SUBSTR(ITEM_CODE,1,5) = :DIVIDE_CODE";

const char *const kInsert =
    "INSERT INTO OX010MS (ITEM_CODE, ITEM_NAME, ITEM_SNAME, ITEM_INDEX, ITEM_STANDARD1, ITEM_STANDARD2, COST_AMT, "
    "                     C_CODE, LEAD_TIME, LIMIT_STOCK, GUMAE_UNIT, SOOBUL_UNIT, CHANGE_QTY, ORG_NATION, ACCT_CODE, "
    "                     SUTAK_YN, TAX_GUBUN, SOOBUL_YN, SOMO_JAEGO_YN, ABC_GUBUN, ITEM_TYPE, DIVIDE_CODE, "
    "                     FIXED_PRU_GUBUN, USE_YN, PROD_ITEM, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:ITEM_CODE, :ITEM_NAME, :ITEM_SNAME, :ITEM_INDEX, :ITEM_STANDARD1, :ITEM_STANDARD2, :COST_AMT, "
    "        :C_CODE, :LEAD_TIME, :LIMIT_STOCK, :GUMAE_UNIT, :SOOBUL_UNIT, :CHANGE_QTY, :ORG_NATION, :ACCT_CODE, "
    "        'N', :TAX_GUBUN, :SOOBUL_YN, :SOMO_JAEGO_YN, :ABC_GUBUN, :ITEM_TYPE, :DIVIDE_CODE, "
    "        :FIXED_PRU_GUBUN, :USE_YN, :PROD_ITEM, :U_EMP_NO, SYSDATE(), :U_IP)";

const char *const kUpdate =
    "UPDATE OX010MS SET ITEM_NAME = :ITEM_NAME, ITEM_SNAME = :ITEM_SNAME, ITEM_INDEX = :ITEM_INDEX, "
    "       ITEM_STANDARD1 = :ITEM_STANDARD1, ITEM_STANDARD2 = :ITEM_STANDARD2, COST_AMT = :COST_AMT, "
    "       C_CODE = :C_CODE, LEAD_TIME = :LEAD_TIME, LIMIT_STOCK = :LIMIT_STOCK, GUMAE_UNIT = :GUMAE_UNIT, "
    "       SOOBUL_UNIT = :SOOBUL_UNIT, CHANGE_QTY = :CHANGE_QTY, ORG_NATION = :ORG_NATION, ACCT_CODE = :ACCT_CODE, "
    "       SUTAK_YN = 'N', TAX_GUBUN = :TAX_GUBUN, SOOBUL_YN = :SOOBUL_YN, SOMO_JAEGO_YN = :SOMO_JAEGO_YN, "
    "       ABC_GUBUN = :ABC_GUBUN, ITEM_TYPE = :ITEM_TYPE, DIVIDE_CODE = :DIVIDE_CODE, "
    "       FIXED_PRU_GUBUN = :FIXED_PRU_GUBUN, USE_YN = :USE_YN, PROD_ITEM = :PROD_ITEM, "
    "       U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    " WHERE ITEM_CODE = :OLD_ITEM_CODE";

const char *const kUnits =
    "SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'Z0025' AND DETAIL <> ' ' AND ITEM1 = 'Y' ORDER BY DETAIL";
const char *const kNations = "SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'Z0001' AND DETAIL <> ' ' ORDER BY DETAIL";
const char *const kItemTypes = "SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'O0001' AND DETAIL <> ' ' ORDER BY DETAIL";
const char *const kMinorClasses =
    "SELECT DIVIDE_CODE, DIVIDE_NAME FROM OX030MS WHERE DIVIDE_LEVEL = 3 ORDER BY DIVIDE_CODE";

// A number field's smallest value: an empty field takes it, a smaller one
// is refused with an error box and replaced by it.
struct RangeCheck {
    const char *field;
    int minimum;
};
constexpr RangeCheck kRanges[] = {
    {"LEAD_TIME", 0},
    {"CHANGE_QTY", 1},
};

// The options the item shows in its check boxes, as the record holds them.
struct Flag {
    QCheckBox *TfrmOXI010::*box;
    const char *field;
    const char *ticked;
    const char *unticked;
};
const Flag kFlags[] = {
    {&TfrmOXI010::chkSoobul_yn, "SOOBUL_YN", "Y", "N"},
    {&TfrmOXI010::chkUse_yn, "USE_YN", "N", "Y"},         // "사용중지": ticked means discontinued
    {&TfrmOXI010::chkProd_item, "PROD_ITEM", "1", "0"},
};

RecordEntrySpec spec()
{
    using namespace widgets;
    RecordEntrySpec s;
    s.selectSql = QString::fromLatin1(kSelect);
    s.search = {
        // label        object name        parameter      max
        {"품목코드",     "edtItem_code",    "ITEM_CODE",     8,  true},
        {"품 목 명",     "edtItem_name",    "ITEM_NAME",    40},
        {"품목색인",     "edtItem_index",   "ITEM_INDEX",   20},
    };
    s.columns = {
        // field             title             width  format  options
        {"DIVIDE_CODE_NM",  "유형분류",        100},
        {"DIVIDE_PATH",     "유형위치",        200},
        {"ITEM_CODE",       "품목코드",         70},
        {"ITEM_NAME",       "품  목  명",      160},
        {"ITEM_STANDARD1",  "규    격",        110},
        {"ITEM_INDEX",      "품목색인",         80},
        {"GUMAE_UNIT_NM",   "구매단위",         60,   {},     col::Center},
        {"SOOBUL_UNIT_NM",  "수불단위",         60,   {},     col::Center},
        {"CHANGE_QTY",      "환산수량",         60},
        {"ITEM_TYPE_NM",    "품목분류",         90},
        {"ORG_NATION_NM",   "국  가",           60},
        {"FIXED_PRU_GUBUN", "품목구매유형",     80,   {},     col::Center},
        {"SOOBUL_YN",       "재고관리",         60,   {},     col::Center},
        {"USE_YN",          "사용여부",         60,   {},     col::Center},
    };
    s.inputs = {
        // field            label          object name          max  note  required message                hint  name field        name object name      read-only
        {"ITEM_CODE",      "* 품목코드",   "dbeItem_code",        8,  {},   {},                             {},   {},               {},                   true},
        {"ITEM_NAME",      "품 목 명",     "dbeItem_name",       40},
        {"ITEM_SNAME",     "품목약어",     "dbeItem_sname",      20},
        {"ITEM_STANDARD1", "규  격 1",     "dbeItem_standard1",  30},
        {"ITEM_STANDARD2", "규  격 2",     "dbeItem_standard2",  20},
        {"LEAD_TIME",      "구입기간",     "dbeLead_time",        5},
        {"GUMAE_UNIT",     "구매단위",     "dbeGumae_unit",       2,  {},   "구매단위는 반드시 입력하세요", {},   "GUMAE_UNIT_NM",  "dbeGumae_unit_nm"},
        {"SOOBUL_UNIT",    "수불단위",     "dbeSoobul_unit",      2,  {},   "수불단위는 반드시 입력하세요", {},   "SOOBUL_UNIT_NM", "dbeSoobul_unit_nm"},
        {"CHANGE_QTY",     "환산수량",     "dbeChange_qty",      12},
        {"ORG_NATION",     "원 산 지",     "dbeOrg_nation",       2,  {},   {},                             {},   "ORG_NATION_NM",  "dbeOrg_nation_nm"},
        {"ITEM_TYPE",      "품목분류",     "dbeItem_type",        2,  {},   {},                             {},   "ITEM_TYPE_NM",   "dbeItem_type_nm"},
        {"DIVIDE_CODE",    "* 유형분류",   "dbeDivide_code",      5,  {},   {},                             {},   "DIVIDE_CODE_NM", "dbeDivide_code_nm"},
        {"ITEM_INDEX",     "품목색인",     "dbeItem_index",      20},
    };
    // Not maintained here: kept as the item has them (a new item: taxable, class B).
    s.hiddenFields = {"COST_AMT", "LIMIT_STOCK", "C_CODE", "C_NAME", "ACCT_CODE", "TAX_GUBUN",
                      "SOMO_JAEGO_YN", "ABC_GUBUN", "SUTAK_YN", "PROD_ITEM", "DIVIDE_PATH"};
    s.keyField = QStringLiteral("ITEM_CODE");
    s.updateSql = QString::fromLatin1(kUpdate);
    s.listKeys = true;   // Delete finds no delete button on this screen
    return s;
}

} // namespace

TfrmOXI010::TfrmOXI010(QWidget *parent) : RecordEntryScreen(QStringLiteral("OXI010"), spec(), parent)
{
    bbtDelete->hide();
    setExcelGrid(grid(), QStringLiteral("품목 리스트"));
    bbtExcel->show();

    classes = new ClassCombos(ScreenConnection(), QStringLiteral("OX030MS"), panSearch);
    classes->placeIn(m_searchLayout, 6);
    classes->reload();

    rdgHistory = new PriceHistory(panDisplay);
    rdgHistory->setObjectName(QStringLiteral("rdgHistory"));
    rdgHistory->setFixedHeight(130);
    panDisplay->layout()->addWidget(rdgHistory);

    // Purchase type, stock management and the state below the declared fields.
    auto *purchaseType = new QGroupBox(QStringLiteral("[품목 구매 유형]"), panInput);
    auto *typeLine = new QHBoxLayout(purchaseType);
    rbtFixed_pru1 = new QRadioButton(QStringLiteral("정기발주"), purchaseType);
    rbtFixed_pru1->setObjectName(QStringLiteral("rbtFixed_pru1"));
    rbtFixed_pru2 = new QRadioButton(QStringLiteral("적정재고유지"), purchaseType);
    rbtFixed_pru2->setObjectName(QStringLiteral("rbtFixed_pru2"));
    typeLine->addWidget(rbtFixed_pru1);
    typeLine->addWidget(rbtFixed_pru2);
    chkSoobul_yn = kit::CheckBox(panInput, "chkSoobul_yn", QStringLiteral("재고관리"));
    chkUse_yn = kit::CheckBox(panInput, "chkUse_yn", QStringLiteral("사용중지"));
    chkProd_item = kit::CheckBox(panInput, "chkProd_item", QStringLiteral("자체생산품"));
    auto *checks = new QHBoxLayout;
    checks->addWidget(chkSoobul_yn);
    checks->addWidget(chkUse_yn);
    checks->addWidget(chkProd_item);
    const int below = entrySpec().inputs.size();
    inputLayout()->addWidget(purchaseType, below, 0, 1, 2);
    inputLayout()->addLayout(checks, below + 1, 0, 1, 2);

    // Only digits (and a minus, so that a value below the range can be refused).
    input(QStringLiteral("LEAD_TIME"))->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), this));
    input(QStringLiteral("CHANGE_QTY"))->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*(\\.[0-9]*)?")), this));
    for (const char *field : {"LEAD_TIME", "CHANGE_QTY"})
        input(QLatin1String(field))->setAlignment(Qt::AlignRight);

    HookControls(panSearch);
    HookControls(panInput);

    auto *rec = records();
    const QStringList codeTitles{QStringLiteral("코드"), QStringLiteral("코드명")};
    InstallLookups({
        // button              filled from ReturnValue[0], [1]                 full list      typed prefix of
        {"pbtnGumae_unit",    {"dbeGumae_unit", "dbeGumae_unit_nm"},           kUnits,        "DETAIL"},
        {"pbtnSoobul_unit",   {"dbeSoobul_unit", "dbeSoobul_unit_nm"},         kUnits,        "DETAIL"},
        {"pbtnOrg_nation",    {"dbeOrg_nation", "dbeOrg_nation_nm"},           kNations,      "DETAIL"},
        {"pbtnItem_type",     {"dbeItem_type", "dbeItem_type_nm"},             kItemTypes,    "DETAIL"},
        {"pbtnDivide_code",   {"dbeDivide_code", "dbeDivide_code_nm"},         kMinorClasses, "DIVIDE_CODE",
         TypedIn::Code, codeTitles, {}, {
             // The item code shows the class until the save adds the serial.
             .afterPick = [rec](TPopupBtn &) { rec->setValue(QStringLiteral("ITEM_CODE"), rec->text(QStringLiteral("DIVIDE_CODE"))); },
             .afterClear = [rec] { rec->setValue(QStringLiteral("ITEM_CODE"), QVariant()); },
         }},
    });

    OnUserAction(records(), &widgets::RecordSet::afterScroll, this, [this] { showCurrent(); });
    showCurrent();
}

void TfrmOXI010::showCurrent()
{
    if (WorkMode == wmInsert)
        return;
    showFlags();
    rdgHistory->showItem(ScreenConnection(), records()->isEmpty() ? QString() : records()->text(QStringLiteral("ITEM_CODE")));
}

void TfrmOXI010::showFlags()
{
    for (const Flag &f : kFlags)
        (this->*f.box)->setChecked(records()->text(QLatin1String(f.field)).startsWith(QLatin1String(f.ticked)));
    const bool keepNorm = records()->text(QStringLiteral("FIXED_PRU_GUBUN")) == QLatin1String("2");
    rbtFixed_pru2->setChecked(keepNorm);
    rbtFixed_pru1->setChecked(!keepNorm);
}

void TfrmOXI010::copyFlags()
{
    for (const Flag &f : kFlags)
        records()->setValue(QLatin1String(f.field), QLatin1String((this->*f.box)->isChecked() ? f.ticked : f.unticked));
    records()->setValue(QStringLiteral("FIXED_PRU_GUBUN"), rbtFixed_pru2->isChecked() ? QStringLiteral("2") : QStringLiteral("1"));
}

void TfrmOXI010::lockClass(bool locked)
{
    input(QStringLiteral("DIVIDE_CODE"))->setReadOnly(locked);
    PopupBtn(QStringLiteral("pbtnDivide_code"))->setEnabled(!locked);
}

void TfrmOXI010::glSelect()
{
    listRows(entrySpec().selectSql, {
        {QStringLiteral("ITEM_CODE"), searchField(QStringLiteral("ITEM_CODE"))->text()},
        {QStringLiteral("ITEM_NAME"), searchField(QStringLiteral("ITEM_NAME"))->text()},
        {QStringLiteral("ITEM_INDEX"), searchField(QStringLiteral("ITEM_INDEX"))->text()},
        {QStringLiteral("DIVIDE_CODE"), classes->deepestCode()},
    });
    showCurrent();
}

void TfrmOXI010::glInsert()
{
    widgets::RecordSet *rec = records();
    rec->append();
    rec->setValue(QStringLiteral("TAX_GUBUN"), QStringLiteral("1"));
    rec->setValue(QStringLiteral("SOOBUL_YN"), QStringLiteral("Y"));
    rec->setValue(QStringLiteral("FIXED_PRU_GUBUN"), QStringLiteral("1"));
    rec->setValue(QStringLiteral("ABC_GUBUN"), QStringLiteral("B"));
    rec->setValue(QStringLiteral("SOMO_JAEGO_YN"), QStringLiteral("N"));
    rec->setValue(QStringLiteral("USE_YN"), QStringLiteral("Y"));
    rec->setValue(QStringLiteral("PROD_ITEM"), QStringLiteral("0"));
    rec->setValue(QStringLiteral("CHANGE_QTY"), 1);
    const QString minor = classes->code(3);
    if (!minor.isEmpty()) {
        rec->setValue(QStringLiteral("DIVIDE_CODE"), minor);
        rec->setValue(QStringLiteral("DIVIDE_CODE_NM"), classes->box(3)->currentText().section(QStringLiteral(" : "), 1));
    }
    showFlags();
    rdgHistory->showItem(ScreenConnection(), QString());
    input(QStringLiteral("DIVIDE_CODE"))->setFocus();
}

void TfrmOXI010::glEdit()
{
    RecordEntryScreen::glEdit();   // the focus goes to the name
    lockClass(true);
}

void TfrmOXI010::glCancel()
{
    RecordEntryScreen::glCancel();
    lockClass(false);
    WorkMode = wmBrowse;
    showCurrent();
}

bool TfrmOXI010::validate()
{
    if (records()->text(QStringLiteral("DIVIDE_CODE")).trimmed().length() <= 4) {
        ShowInfo(QStringLiteral("유형분류를 정확히 입력하세요"));
        input(QStringLiteral("DIVIDE_CODE"))->setFocus();
        return false;
    }
    return RecordEntryScreen::validate();
}

void TfrmOXI010::writeRecord(bool inserting)
{
    widgets::RecordSet *rec = records();
    db::Connection &conn = ScreenConnection();
    copyFlags();
    rec->setValue(QStringLiteral("COST_AMT"), 0);
    rec->setValue(QStringLiteral("LIMIT_STOCK"), 0);
    rec->setValue(QStringLiteral("SUTAK_YN"), QStringLiteral("N"));
    if (!inserting) {
        ExecFromRecord(conn, QString::fromLatin1(kUpdate), *rec, {{QStringLiteral("OLD_ITEM_CODE"), oldKey()}});
        return;
    }
    // Another workstation may take the same serial first: then the next one.
    InsertWithNextSerial(conn, [&] {
        const QString divide = rec->text(QStringLiteral("DIVIDE_CODE")).trimmed();
        rec->setValue(QStringLiteral("ITEM_CODE"),
                      db::Query::scalar(conn, QString::fromLatin1(kNextCode), {{QStringLiteral("DIVIDE_CODE"), divide}}));
        ExecFromRecord(conn, QString::fromLatin1(kInsert), *rec);
    });
}

void TfrmOXI010::glSave()
{
    const bool inserting = WorkMode == wmInsert;
    RecordEntryScreen::glSave();
    // A save that failed leaves no serial behind: the code shows the class again.
    if (inserting && !SaveOK && records()->isEditing())
        records()->setValue(QStringLiteral("ITEM_CODE"), records()->text(QStringLiteral("DIVIDE_CODE")));
}

void TfrmOXI010::afterSave(bool)
{
    lockClass(false);
    searchField(QStringLiteral("ITEM_NAME"))->setFocus();
}

void TfrmOXI010::glOnExitEvent(QWidget *control)
{
    RecordEntryScreen::glOnExitEvent(control);
    if (WorkMode == wmInsert || WorkMode == wmEdit)
        checkRange(control);
}

void TfrmOXI010::checkRange(QWidget *control)
{
    for (const RangeCheck &r : kRanges) {
        widgets::DbEdit *edit = input(QLatin1String(r.field));
        if (control != edit)
            continue;
        const QString text = edit->text().trimmed();
        if (!text.isEmpty() && text.toDouble() >= r.minimum)
            return;
        if (!text.isEmpty()) {
            ShowError(QStringLiteral("입력 값은 %1 보다 작을 수 없습니다.").arg(r.minimum));
            // Back to the refused field once the focus has finished moving on.
            QTimer::singleShot(0, edit, [edit] { edit->setFocus(Qt::OtherFocusReason); });
        }
        records()->setValue(QLatin1String(r.field), r.minimum);
        return;
    }
}

#include "moc_OXI010.cpp"
