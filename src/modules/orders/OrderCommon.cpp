#include "modules/orders/OrderCommon.h"
#include "framework/Records.h"
#include "framework/ZOI010.h"
#include "widgets/DataGrid.h"

#include "session/Dialogs.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace orders {

const char *const kSupplierSql =
    "SELECT C_CODE, C_NAME, C_NUM, BOSS_NAME FROM VA050MS ORDER BY C_NAME";
const char *const kSupplierInUseSql =
    "SELECT C_CODE, C_NAME, C_NUM, BOSS_NAME FROM VA050MS WHERE USE_YN = 'Y' ORDER BY C_NAME";

QStringList supplierTitles()
{
    return {QStringLiteral("거래처코드"), QStringLiteral("거래처명"), QStringLiteral("사업자번호"), QStringLiteral("대표자")};
}

QString statusNameSql(const QString &column)
{
    return QStringLiteral("CASE %1 WHEN '1' THEN '확정취소' WHEN '2' THEN '확    정' WHEN '3' THEN '미 확 정' ELSE '' END")
        .arg(column);
}

void checkDateOnExit(widgets::MaskEdit *edit)
{
    if (!edit || edit->isReadOnly())
        return;
    const QString digits = edit->plainText();
    if (digits.length() < 8) {
        edit->clear();
        return;
    }
    if (edit->dateText().isEmpty()) {
        ShowInfo(QStringLiteral("일자를 정확히 입력하여 주십시오."));
        edit->clear();
        // The focus is on its way elsewhere: bring it back afterwards.
        QTimer::singleShot(0, edit, [edit] { edit->setFocus(); });
    }
}

void setToday(widgets::MaskEdit *edit, const QString &today) { edit->setPlainText(today); }

const char *const kOrderLinesSql = R"(SELECT A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.QTY,
  (SELECT MAX(U.DETAIL_NAME) FROM ZX010MS U WHERE U.HEAD = 'Z0025' AND U.DETAIL = B.GUMAE_UNIT) GUMAE_UNIT_NM,
  A.COST_AMT, A.AMT, A.REMARK, A.TAX_GUBUN,
  CASE A.TAX_GUBUN WHEN '1' THEN '1: 과  세' WHEN '2' THEN '2: 비과세' ELSE '' END TAX_GUBUN_NM, A.TAX_AMT, A.SUM_AMT
FROM OB010DT A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.ORDE_DATE = :ORDE_DATE AND A.C_CODE = :C_CODE AND A.ORDE_NUM = :ORDE_NUM
ORDER BY A.ORDE_SEQ)";

void loadOrderLines(widgets::RecordSet &lines, const widgets::RecordSet &orders)
{
    const bool any = orders.currentRow() >= 0;
    auto key = [&](const char *field) { return any ? orders.text(QLatin1String(field)) : QString(); };
    OpenRecords(lines, ScreenConnection(), QString::fromUtf8(kOrderLinesSql),
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
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    e->setReadOnly(readOnly);
    return e;
}

widgets::MaskEdit *dateEdit(QWidget *parent, const QString &name)
{
    auto *e = new widgets::MaskEdit(parent);
    e->setObjectName(name);
    e->setFixedWidth(90);
    return e;
}

QLabel *caption(QWidget *parent, const QString &text) { return new QLabel(text, parent); }

} // namespace orders
