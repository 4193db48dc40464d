#include "framework/SharedSql.h"

#include "db/Query.h"
#include "session/Session.h"

namespace sql {

QString UnitName(const QString &unitColumn)
{
    return QStringLiteral("(SELECT MAX(UZ.DETAIL_NAME) FROM ZX010MS UZ WHERE UZ.HEAD = 'Z0025' AND UZ.DETAIL = %1)")
        .arg(unitColumn);
}

namespace {

struct StatusNames {
    const char *cancelled, *confirmed, *open;
};
const StatusNames kRequest{"승인취소", "승    인", "미 결 재"};
const StatusNames kOrder{"확정취소", "확    정", "미 확 정"};

QString name(const StatusNames &names, const QString &code)
{
    if (code == QLatin1String("1"))
        return QString::fromUtf8(names.cancelled);
    if (code == QLatin1String("2"))
        return QString::fromUtf8(names.confirmed);
    if (code == QLatin1String("3"))
        return QString::fromUtf8(names.open);
    return {};
}

QString nameSql(const StatusNames &names, const QString &column)
{
    return QStringLiteral("CASE %1 WHEN '1' THEN '%2' WHEN '2' THEN '%3' WHEN '3' THEN '%4' ELSE '' END")
        .arg(column, QString::fromUtf8(names.cancelled), QString::fromUtf8(names.confirmed), QString::fromUtf8(names.open));
}

} // namespace

QString RequestStatusName(const QString &apprGubun) { return name(kRequest, apprGubun); }
QString RequestStatusNameSql(const QString &column) { return nameSql(kRequest, column); }
QString OrderStatusName(const QString &apprGubun) { return name(kOrder, apprGubun); }
QString OrderStatusNameSql(const QString &column) { return nameSql(kOrder, column); }

db::Query &BindAudit(db::Query &query)
{
    for (const auto &[name, value] : {std::pair{QStringLiteral("U_EMP_NO"), gEmpNo}, std::pair{QStringLiteral("U_IP"), gLocalIP}})
        if (query.parameterNames().contains(name))
            query.bind(name, value);
    return query;
}

} // namespace sql

namespace lookup {

namespace {

const char *const kWarehouses =
    "SELECT A.STRG_CODE, A.STRG_NAME, A.DEPT_CODE, "
    "       (SELECT D.AFF_DEPT_NAME FROM QA160MS D WHERE D.AFF_DEPT_CODE = A.DEPT_CODE) DEPT_CODE_NM "
    "  FROM OX060MS A "
    " WHERE A.BUSI_GUBUN IN (SELECT Z.DETAIL FROM ZX010MS Z "
    "                         WHERE Z.HEAD = 'O0002' AND Z.ITEM2 = 'Y' AND TRIM(Z.DETAIL) <> '') "
    "%1"
    " ORDER BY A.STRG_CODE";

const char *const kDepartments =
    "SELECT AFF_DEPT_CODE, AFF_DEPT_NAME FROM QA160MS WHERE USE_YN = 'Y' ORDER BY AFF_DEPT_NAME";

const char *const kEmployees = "SELECT EMP_NO, EMP_K_NAME FROM QA010MS ORDER BY EMP_NO";

const char *const kSuppliers = "SELECT C_CODE, C_NAME, C_NUM, BOSS_NAME FROM VA050MS %1 ORDER BY C_NAME";

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *t : list)
        out << QString::fromUtf8(t);
    return out;
}

} // namespace

Lookup Warehouse(const QString &button, const QStringList &into, bool inUseOnly, const LookupOptions &options)
{
    const QString statement =
        QString::fromUtf8(kWarehouses).arg(inUseOnly ? QStringLiteral(" AND A.USE_YN = 'Y' ") : QString());
    return {button, into, statement, QStringLiteral("A.STRG_CODE"), TypedIn::Code,
            texts({"코드", "창고명", "부서", "부서명"}), texts({"8", "30", "0", "0"}), options};
}

Lookup Department(const QString &button, const QStringList &into, const LookupOptions &options)
{
    return {button, into, QString::fromLatin1(kDepartments), QStringLiteral("AFF_DEPT_NAME"), TypedIn::Name,
            texts({"부서코드", "부서명"}), texts({"8", "30"}), options};
}

Lookup Employee(const QString &button, const QStringList &into, const LookupOptions &options)
{
    return {button, into, QString::fromLatin1(kEmployees), QStringLiteral("EMP_NO"), TypedIn::Code,
            texts({"사원번호", "성명"}), texts({"10", "20"}), options};
}

Lookup Supplier(const QString &button, const QStringList &into, bool inUseOnly, const LookupOptions &options)
{
    const QString statement = QString::fromLatin1(kSuppliers).arg(inUseOnly ? QStringLiteral("WHERE USE_YN = 'Y'") : QString());
    return {button, into, statement, QStringLiteral("C_NAME"), TypedIn::Name,
            texts({"거래처코드", "거래처명", "사업자번호", "대표자"}), {}, options};
}

Lookup Item(const QString &button, const QStringList &into, const LookupOptions &options)
{
    const QString statement =
        QStringLiteral("SELECT A.ITEM_CODE, A.ITEM_NAME, A.ITEM_STANDARD1, %1 GUMAE_UNIT_NM "
                       "  FROM OX010MS A WHERE A.USE_YN = 'Y' ORDER BY A.ITEM_CODE")
            .arg(sql::UnitName(QStringLiteral("A.GUMAE_UNIT")));
    return {button, into, statement, QStringLiteral("A.ITEM_NAME"), TypedIn::Name,
            texts({"품목코드", "품목명", "규격", "단위"}), texts({"10", "30", "20", "6"}), options};
}

Lookup StockItem(const QString &button, const QStringList &into, const LookupOptions &options)
{
    Lookup items = Item(button, into, options);
    items.sql = QStringLiteral("SELECT A.ITEM_CODE, A.ITEM_NAME, A.ITEM_STANDARD1, %1 SOOBUL_UNIT_NM "
                               "  FROM OX010MS A WHERE A.USE_YN = 'Y' ORDER BY A.ITEM_CODE")
                    .arg(sql::UnitName(QStringLiteral("A.SOOBUL_UNIT")));
    return items;
}

} // namespace lookup
