#include "modules/orders/OrderCommon.h"
#include "framework/Controls.h"
#include "framework/Records.h"
#include "framework/SharedSql.h"
#include "framework/ZOI010.h"
#include "widgets/DataGrid.h"

#include "widgets/RecordSet.h"


namespace orders {

const char *const kSupplierSql =
    "SELECT C_CODE, C_NAME, C_NUM, BOSS_NAME FROM VA050MS ORDER BY C_NAME";
QStringList supplierTitles()
{
    return {QStringLiteral("거래처코드"), QStringLiteral("거래처명"), QStringLiteral("사업자번호"), QStringLiteral("대표자")};
}

void checkDateOnExit(widgets::MaskEdit *edit) { kit::CheckDateOnLeave(edit); }

namespace {
const char *const kOrderLines = R"(SELECT A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.QTY,
  %1 GUMAE_UNIT_NM,
  A.COST_AMT, A.AMT, A.REMARK, A.TAX_GUBUN,
  CASE A.TAX_GUBUN WHEN '1' THEN '1: 과  세' WHEN '2' THEN '2: 비과세' ELSE '' END TAX_GUBUN_NM, A.TAX_AMT, A.SUM_AMT
FROM OB010DT A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.ORDE_DATE = :ORDE_DATE AND A.C_CODE = :C_CODE AND A.ORDE_NUM = :ORDE_NUM
ORDER BY A.ORDE_SEQ)";
} // namespace

QString orderLinesSql() { return QString::fromUtf8(kOrderLines).arg(sql::UnitName(QStringLiteral("B.GUMAE_UNIT"))); }

void loadOrderLines(widgets::RecordSet &lines, const widgets::RecordSet &orders)
{
    const bool any = orders.currentRow() >= 0;
    auto key = [&](const char *field) { return any ? orders.text(QLatin1String(field)) : QString(); };
    OpenRecords(lines, ScreenConnection(), orderLinesSql(),
                {{QStringLiteral("ORDE_DATE"), key("ORDE_DATE")},
                 {QStringLiteral("C_CODE"), key("C_CODE")},
                 {QStringLiteral("ORDE_NUM"), key("ORDE_NUM")}});
}

QVector<widgets::GridColumn> orderLineColumns(const QString &remarkTitle)
{
    return {
        // field             title           width  format
        {"ITEM_CODE",       "",               0},
        {"ITEM_NAME",       "품 목 명",      180},
        {"ITEM_STANDARD1",  "규    격",      120},
        {"QTY",             "수량",           70,   "#,##0.0"},
        {"GUMAE_UNIT_NM",   "단위",           50},
        {"COST_AMT",        "단  가",         90,   "#,##0.0000"},
        {"AMT",             "금  액",         90,   "#,##0"},
        {"REMARK",          remarkTitle,     160},
    };
}

widgets::DataGrid *orderLineGrid(QWidget *parent, widgets::RecordSet *lines, const QString &remarkTitle)
{
    auto *grid = new widgets::DataGrid(parent);
    grid->setObjectName(QStringLiteral("rgdOB010DT"));
    grid->setRecordSet(lines);
    grid->setReadOnly(true);
    grid->setColumns(orderLineColumns(remarkTitle));
    grid->setFooterCount(1);
    grid->setFooterTitle(0, QStringLiteral("갯수"));
    return grid;
}

QLineEdit *lineEdit(QWidget *parent, const QString &name, int maxLength, bool readOnly)
{
    return kit::TextBox(parent, qPrintable(name), maxLength, readOnly ? kit::ReadOnly : kit::Plain);
}

widgets::MaskEdit *dateEdit(QWidget *parent, const QString &name) { return kit::DateBox(parent, qPrintable(name)); }

QLabel *caption(QWidget *parent, const QString &text) { return kit::Caption(parent, text); }

} // namespace orders
