#include "modules/master/OXI060.h"
#include "framework/Lookups.h"
#include "framework/TreePanel.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// The view's rows with the names of department, division and outlet.
// The names are read through MAX so that a doubled row in another
// system's table cannot break the list.
const char *const kColumns =
    "SELECT A.STRG_PATH, A.STRG_CODE, A.STRG_NAME, A.BUSI_GUBUN, "
    "       (SELECT MAX(Z.DETAIL_NAME) FROM ZX010MS Z WHERE Z.HEAD = 'O0002' AND Z.DETAIL = A.BUSI_GUBUN) BUSI_GUBUN_NM, "
    "       A.DEPT_CODE, (SELECT MAX(D.AFF_DEPT_NAME) FROM QA160MS D WHERE D.AFF_DEPT_CODE = A.DEPT_CODE) DEPT_CODE_NM, "
    "       A.PARENT_CODE, A.UPJANG_CODE, "
    "       (SELECT MAX(J.UPJANG_NAME) FROM JA010MS J WHERE J.UPJANG_CODE = A.UPJANG_CODE) UPJANG_CODE_NM, "
    "       A.USE_YN "
    "  FROM OX060MS_VIEW A ";

const char *const kSearch =
    "WHERE A.STRG_CODE LIKE COALESCE(:STRG_CODE,'') || '%' "
    "  AND COALESCE(A.STRG_NAME,'') LIKE COALESCE(:STRG_NAME,'') || '%' "
    "ORDER BY A.STRG_CODE";

// A warehouse and every warehouse below it. UNION rather than UNION ALL:
// a warehouse that names itself (or a descendant) as parent ends the walk.
const char *const kBelowHead =
    "WITH RECURSIVE BELOW (STRG_CODE) AS ("
    "  SELECT STRG_CODE FROM OX060MS WHERE PARENT_CODE = :STRG_CODE "
    "  UNION "
    "  SELECT C.STRG_CODE FROM OX060MS C, BELOW B WHERE C.PARENT_CODE = B.STRG_CODE) ";
const char *const kBelowTail =
    "WHERE A.STRG_CODE = :STRG_CODE OR A.STRG_CODE IN (SELECT STRG_CODE FROM BELOW) "
    "ORDER BY A.STRG_CODE";

const char *const kInsert =
    "INSERT INTO OX060MS (STRG_CODE, STRG_NAME, DEPT_CODE, PARENT_CODE, BUSI_GUBUN, UPJANG_CODE, USE_YN, "
    "                     U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:STRG_CODE, :STRG_NAME, :DEPT_CODE, :PARENT_CODE, :BUSI_GUBUN, :UPJANG_CODE, :USE_YN, "
    "        :U_EMP_NO, SYSDATE(), :U_IP)";

const char *const kUpdate =
    "UPDATE OX060MS SET STRG_NAME = :STRG_NAME, DEPT_CODE = :DEPT_CODE, PARENT_CODE = :PARENT_CODE, "
    "       BUSI_GUBUN = :BUSI_GUBUN, UPJANG_CODE = :UPJANG_CODE, USE_YN = :USE_YN, "
    "       U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    " WHERE STRG_CODE = :OLD_STRG_CODE";

const char *const kDelete = "DELETE FROM OX060MS WHERE STRG_CODE = :OLD_STRG_CODE";

const char *const kDivisions =
    "SELECT DETAIL, DETAIL_NAME FROM ZX010MS WHERE HEAD = 'O0002' AND DETAIL <> ' ' AND ITEM1 = 'Y' ORDER BY DETAIL";
const char *const kDepartments =
    "SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM QA160MS WHERE USE_YN = 'Y' AND DEPT_TYPE IN ('2', '3') "
    "ORDER BY AFF_DEPT_NAME";
const char *const kOutlets =
    "SELECT * FROM JA010MS WHERE MIS_UPJANG_GUBUN1 = '20' ORDER BY MIS_UPJANG_GUBUN2, MIS_DISPLAY_SEQ";

RecordEntrySpec spec()
{
    using namespace widgets;
    RecordEntrySpec s;
    s.selectSql = QString::fromLatin1(kColumns) + QString::fromLatin1(kSearch);
    s.search = {
        // label       object name        parameter     max  upper case
        {"창고코드",    "edtStrg_code",    "STRG_CODE",   3,   true},
        {"청 고 명",    "edtStrg_name",    "STRG_NAME"},
    };
    s.columns = {
        // field            title        width
        {"STRG_PATH",      "위치",        220},
        {"BUSI_GUBUN_NM",  "창고구분",      80},
        {"STRG_CODE",      "코드",          50},
        {"STRG_NAME",      "창 고 명",     150},
        {"DEPT_CODE_NM",   "소속부서",     110},
        {"PARENT_CODE",    "상위코드",      60},
        {"UPJANG_CODE_NM", "영 업 장",     110},
        {"USE_YN",         "사용",          40,  {},  col::Center},
    };
    s.inputs = {
        {.field = "STRG_CODE", .label = "* 창고코드", .objectName = "dbeStrg_code", .maxLength = 3},
        {.field = "STRG_NAME", .label = "창 고 명", .objectName = "dbeStrg_name", .maxLength = 40},
        {.field = "DEPT_CODE", .label = "소속부서", .objectName = "dbeDept_code", .maxLength = 4,
         .nameField = "DEPT_CODE_NM", .nameObjectName = "dbeDept_code_nm", .typedByName = true},
        {.field = "PARENT_CODE", .label = "상위코드", .objectName = "dbeParent_code", .maxLength = 3},
        {.field = "BUSI_GUBUN", .label = "* 창고구분", .objectName = "dbeBusi_gubun", .maxLength = 2,
         .requiredMessage = "창고구분을 정확히 입력하세요",
         .nameField = "BUSI_GUBUN_NM", .nameObjectName = "dbeBusi_gubun_nm"},
        {.field = "UPJANG_CODE", .label = "영 업 장", .objectName = "dbeUPJANG_CODE", .maxLength = 4,
         .nameField = "UPJANG_CODE_NM", .nameObjectName = "dbeUPJANG_CODE_NM", .typedByName = true},
    };
    s.checks = {
        // field     caption      object name      ticked  not ticked
        {"USE_YN",  "사용중지",    "chkUse_yn",     "N",    "Y"},
    };
    s.keyField = QStringLiteral("STRG_CODE");
    s.insertSql = QString::fromLatin1(kInsert);
    s.updateSql = QString::fromLatin1(kUpdate);
    s.deleteSql = QString::fromLatin1(kDelete);
    s.listKeys = true;
    return s;
}

} // namespace

TfrmOXI060::TfrmOXI060(QWidget *parent) : RecordEntryScreen(QStringLiteral("OXI060"), spec(), parent)
{
    tree = addTree(QStringLiteral("SELECT * FROM OX060MS_VIEW"), QStringLiteral("STRG_TREE"), QStringLiteral("STRG_CODE"),
                   [this](const QString &code) { listBelow(code); });

    InstallLookups({
        {QStringLiteral("pbtnBusi_gubun"), {QStringLiteral("dbeBusi_gubun"), QStringLiteral("dbeBusi_gubun_nm")},
         QString::fromLatin1(kDivisions), QStringLiteral("DETAIL"), TypedIn::Code,
         {QStringLiteral("코드"), QStringLiteral("창고구분")}},
        {QStringLiteral("pbtnDEPT_CODE"), {QStringLiteral("dbeDept_code"), QStringLiteral("dbeDept_code_nm")},
         QString::fromLatin1(kDepartments), QStringLiteral("AFF_DEPT_NAME"), TypedIn::Name,
         {QStringLiteral("코드"), QStringLiteral("부서명")}},
        {QStringLiteral("pbtnUPJANG_CODE"), {QStringLiteral("dbeUPJANG_CODE"), QStringLiteral("dbeUPJANG_CODE_NM")},
         QString::fromLatin1(kOutlets), QStringLiteral("UPJANG_NAME"), TypedIn::Name,
         {QStringLiteral("코드"), QStringLiteral("영업장명")},
         {QStringLiteral("8"), QStringLiteral("30"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}},
    });

    // Grouping nodes (division '99') in the button face, all others white.
    grid()->setRowStyler([this](int row, widgets::CellStyle &style) {
        style.background = records()->value(row, QStringLiteral("BUSI_GUBUN")).toString().trimmed() == QLatin1String("99")
            ? palette().color(QPalette::Button)
            : QColor(Qt::white);
    });
}

void TfrmOXI060::listBelow(const QString &strgCode)
{
    listRows(QString::fromLatin1(kBelowHead) + QString::fromLatin1(kColumns) + QString::fromLatin1(kBelowTail),
             {{QStringLiteral("STRG_CODE"), strgCode}});
    glEnabledCheck();
}

void TfrmOXI060::glInsert()
{
    records()->append();
    ClearPanel(panInput);
    records()->setValue(QStringLiteral("PARENT_CODE"), tree->currentKey());
    input(QStringLiteral("BUSI_GUBUN"))->setFocus();
}

bool TfrmOXI060::validate()
{
    if (records()->text(QStringLiteral("STRG_CODE")).trimmed().size() != 3) {
        ShowInfo(QStringLiteral("창고코드[길이:3]를 정확히 입력하세요"));
        input(QStringLiteral("STRG_CODE"))->setFocus();
        return false;
    }
    return RecordEntryScreen::validate();
}

void TfrmOXI060::afterSave(bool inserted)
{
    if (inserted)
        redrawTree();
}

void TfrmOXI060::afterDelete() { redrawTree(); }

#include "moc_OXI060.cpp"
