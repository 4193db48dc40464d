#include "modules/master/OXI070.h"
#include "framework/Lookups.h"
#include "framework/SharedSql.h"
#include "framework/Serials.h"
#include "widgets/RecordSet.h"

namespace {

const char *const kSelect =
    "SELECT A.STRG_CODE, (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM, "
    "       A.APPR_NUM, A.EMP_NO, (SELECT MAX(E.EMP_K_NAME) FROM QA010MS E WHERE E.EMP_NO = A.EMP_NO) EMP_NO_NM "
    "  FROM OX070MS A "
    " WHERE A.STRG_CODE LIKE COALESCE(:STRG_CODE,'') || '%' "
    "   AND COALESCE(A.EMP_NO,'') LIKE COALESCE(:EMP_NO,'') || '%' "
    " ORDER BY A.STRG_CODE, A.APPR_NUM";

const char *const kNextNumber = "SELECT COALESCE(MAX(APPR_NUM),0)+1 FROM OX070MS WHERE STRG_CODE = :STRG_CODE";

const char *const kInsert =
    "INSERT INTO OX070MS (STRG_CODE, APPR_NUM, EMP_NO, U_EMP_NO, U_DATE, U_IP) "
    "VALUES (:STRG_CODE, :APPR_NUM, :EMP_NO, :U_EMP_NO, SYSDATE(), :U_IP)";

const char *const kUpdate =
    "UPDATE OX070MS SET EMP_NO = :EMP_NO, U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    " WHERE STRG_CODE = :OLD_STRG_CODE AND APPR_NUM = :OLD_APPR_NUM";

// Every entry of the employee for the warehouse, not only the chosen number.
const char *const kDelete = "DELETE FROM OX070MS WHERE STRG_CODE = :OLD_STRG_CODE AND EMP_NO = :OLD_EMP_NO";

// Warehouses of the divisions that purchase.
const char *const kWarehouses =
    "SELECT STRG_CODE, STRG_NAME FROM OX060MS WHERE BUSI_GUBUN IN "
    "(SELECT DETAIL FROM ZX010MS WHERE HEAD = 'O0002' AND DETAIL <> ' ' AND ITEM2 = 'Y') ORDER BY STRG_CODE";

RecordEntrySpec spec()
{
    using namespace widgets;
    RecordEntrySpec s;
    s.selectSql = QString::fromLatin1(kSelect);
    s.search = {
        // label       object name      parameter     max  upper case
        {"창고코드",    "edtStrg_code",  "STRG_CODE",   3,   true},
        {"사원번호",    "edtEmp_no",     "EMP_NO",      8,   true},
    };
    s.columns = {
        // field          title        width  format  options
        {"STRG_CODE",    "창고코드",     60,   {},     col::BlankRepeats},
        {"STRG_CODE_NM", "창 고 명",    150,   {},     col::BlankRepeats},
        {"APPR_NUM",     "번호",         40,   {},     col::Center},
        {"EMP_NO",       "사원번호",     80},
        {"EMP_NO_NM",    "사 원 명",    100},
    };
    s.inputs = {
        {.field = "STRG_CODE", .label = "창고코드", .objectName = "dbeStrg_code", .maxLength = 3,
         .requiredMessage = "창고코드는 반드시 입력하세요",
         .nameField = "STRG_CODE_NM", .nameObjectName = "dbeStrg_code_nm"},
        {.field = "EMP_NO", .label = "사원번호", .objectName = "dbeEmp_no", .maxLength = 8,
         .requiredMessage = "사원번호는 반드시 입력하세요",
         .nameField = "EMP_NO_NM", .nameObjectName = "dbeEmp_no_nm"},
    };
    s.keyField = QStringLiteral("STRG_CODE");
    s.insertSql = QString::fromLatin1(kInsert);
    s.updateSql = QString::fromLatin1(kUpdate);
    s.deleteSql = QString::fromLatin1(kDelete);
    s.listKeys = true;
    return s;
}

} // namespace

TfrmOXI070::TfrmOXI070(QWidget *parent) : RecordEntryScreen(QStringLiteral("OXI070"), spec(), parent)
{
    InstallLookups({
        {QStringLiteral("pbtnStrg_code"), {QStringLiteral("dbeStrg_code"), QStringLiteral("dbeStrg_code_nm")},
         QString::fromLatin1(kWarehouses), QStringLiteral("STRG_CODE"), TypedIn::Code,
         {QStringLiteral("코드"), QStringLiteral("창고명")}},
        lookup::Employee(QStringLiteral("pbtnEmp_no"), {QStringLiteral("dbeEmp_no"), QStringLiteral("dbeEmp_no_nm")}),
    });
}

void TfrmOXI070::writeRecord(bool inserting)
{
    if (!inserting) {
        RecordEntryScreen::writeRecord(false);
        return;
    }
    // Another workstation may take the number between reading and inserting;
    // the insert is then made again with the number after its one.
    db::Connection &conn = ScreenConnection();
    InsertWithNextSerial(conn, [&] {
        const QString next = db::Query::scalar(conn, QString::fromLatin1(kNextNumber),
                                               {{QStringLiteral("STRG_CODE"), records()->text(QStringLiteral("STRG_CODE"))}});
        records()->setValue(QStringLiteral("APPR_NUM"), next.toInt());
        RecordEntryScreen::writeRecord(true);
    });
}

bool TfrmOXI070::glDelete()
{
    const QString strg = records()->text(QStringLiteral("STRG_CODE"));
    const QString emp = records()->text(QStringLiteral("EMP_NO"));
    if (!RecordEntryScreen::glDelete())
        return false;
    // The statement removed the employee's other entries of the warehouse
    // too; the list shows what is left.
    for (int row = records()->recordCount() - 1; row >= 0; --row) {
        if (records()->value(row, QStringLiteral("STRG_CODE")).toString() == strg
            && records()->value(row, QStringLiteral("EMP_NO")).toString() == emp) {
            records()->moveTo(row);
            records()->deleteRecord();
        }
    }
    RecordCount = records()->recordCount();
    ShowRecordCount();
    return true;
}

#include "moc_OXI070.cpp"
