#include "modules/materials/OPI010.h"

namespace {

const char *const kSelect =
    "SELECT DEPT_CODE, DEPT_NAME, USE_YN, DEPT_LEVEL, MAN_DEPT_CODE, DEPT_TYPE, DEPT_REM FROM OP010MS";

const char *const kExists = "SELECT DEPT_CODE FROM OP010MS WHERE DEPT_CODE = :DEPT_CODE";

const char *const kInsert =
    "INSERT INTO OP010MS (DEPT_CODE, DEPT_NAME, USE_YN, DEPT_LEVEL, MAN_DEPT_CODE, DEPT_TYPE, DEPT_REM, "
    "                     U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:DEPT_CODE, :DEPT_NAME, :USE_YN, :DEPT_LEVEL, :MAN_DEPT_CODE, :DEPT_TYPE, :DEPT_REM, "
    "        :U_EMP_NO, SYSDATE(), :U_IP)";

const char *const kUpdate =
    "UPDATE OP010MS SET DEPT_NAME = :DEPT_NAME, USE_YN = :USE_YN, DEPT_LEVEL = :DEPT_LEVEL, "
    "       MAN_DEPT_CODE = :MAN_DEPT_CODE, DEPT_TYPE = :DEPT_TYPE, DEPT_REM = :DEPT_REM, "
    "       U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    " WHERE DEPT_CODE = :OLD_DEPT_CODE";

const char *const kDelete = "DELETE FROM OP010MS WHERE DEPT_CODE = :OLD_DEPT_CODE";

RecordEntrySpec spec()
{
    using namespace widgets;
    RecordEntrySpec s;
    s.selectSql = QString::fromLatin1(kSelect);
    s.columns = {
        // field            title         width  format  options
        {"DEPT_CODE",      "부서코드",      70,   {},     col::BlankRepeats},
        {"DEPT_NAME",      "부서명",       160},
        {"USE_YN",         "사용유무",      60,   {},     col::Center},
        {"DEPT_LEVEL",     "부서레벨",      60,   {},     col::Center},
        {"MAN_DEPT_CODE",  "상위부서",      70},
        {"DEPT_TYPE",      "부서유형",      60,   {},     col::Center},
        {"DEPT_REM",       "비고",         200},
    };
    s.inputs = {
        // field           label         object name          max  note               required message
        {"DEPT_CODE",     "부서코드",     "dbeDEPT_CODE",      40, "(4자리)",          "부서코드는 반드시 입력하세요", "부서코드 4자리"},
        {"DEPT_NAME",     "부 서 명",     "dbeDEPT_NAME",      40, {},                 "부서명은 반드시 입력하세요"},
        {"USE_YN",        "사용유무",     "dbeUSE_YN",         40, "Y:사용, N:미사용"},
        {"DEPT_LEVEL",    "부서레벨",     "dbeDEPT_LEVEL",     40, "2:팀,3:파트,4:창고"},
        {"MAN_DEPT_CODE", "상위부서",     "dbeMAN_DEPT_CODE",  40},
        {"DEPT_TYPE",     "부서형태",     "dbeDEPT_TYPE",      40, "N:재무,P:판관,Y:기타"},
        {"DEPT_REM",      "비    고",     "dbeDEPT_REM",       40},
    };
    s.keyField = QStringLiteral("DEPT_CODE");
    s.duplicateSql = QString::fromLatin1(kExists);
    s.duplicateMessage = QStringLiteral("이미 등록된 자료 입니다. 확인 하시고 등록 하십시오.");
    s.insertSql = QString::fromLatin1(kInsert);
    s.updateSql = QString::fromLatin1(kUpdate);
    s.deleteSql = QString::fromLatin1(kDelete);
    return s;
}

} // namespace

TfrmOPI010::TfrmOPI010(QWidget *parent) : RecordEntryScreen(QStringLiteral("OPI010"), spec(), parent) {}

#include "moc_OPI010.cpp"
