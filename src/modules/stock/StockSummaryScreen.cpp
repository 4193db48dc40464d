#include "modules/stock/StockSummaryScreen.h"
#include "framework/ClassCombos.h"
#include "framework/Controls.h"
#include "framework/SharedSql.h"
#include "modules/stock/StockPrintout.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QLineEdit>

namespace stock {

namespace {

const char *const kWarehouseTree =
    "SELECT STRG_CODE, STRG_NAME, STRG_PATH, PARENT_CODE FROM OX060MS_VIEW ORDER BY STRG_CODE";

const char *const kStockItems =
    "SELECT A.ITEM_CODE, A.ITEM_NAME, A.ITEM_STANDARD1, %1 SOOBUL_UNIT_NM "
    "  FROM OX010MS A WHERE A.USE_YN = 'Y' ORDER BY A.ITEM_CODE";

Lookup warehouseTree()
{
    return {QStringLiteral("pbtnSTRG_CODE"), {QStringLiteral("edtSTRG_CODE"), QStringLiteral("edtSTRG_NM")},
            QString::fromLatin1(kWarehouseTree), QStringLiteral("STRG_CODE"), TypedIn::Code,
            {QStringLiteral("창고코드"), QStringLiteral("창 고 명"), QStringLiteral("창고위치"), QString()},
            {QStringLiteral("8"), QStringLiteral("25"), QStringLiteral("40"), QStringLiteral("0")}};
}

Lookup stockItem()
{
    return {QStringLiteral("pbtnITEM_CODE"),
            {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD1"),
             QStringLiteral("edtSOOBUL_UNIT_NM")},
            QString::fromUtf8(kStockItems).arg(sql::UnitName(QStringLiteral("A.SOOBUL_UNIT"))),
            QStringLiteral("A.ITEM_NAME"), TypedIn::Name,
            {QStringLiteral("품목코드"), QStringLiteral("품 목 명"), QStringLiteral("규    격"), QStringLiteral("단위")},
            {QStringLiteral("10"), QStringLiteral("30"), QStringLiteral("20"), QStringLiteral("6")}};
}

} // namespace

QVector<ListSearchField> SummarySearchFields(const SummaryFields &fields)
{
    using Field = ListSearchField;
    QVector<Field> out{{QStringLiteral("재고년월"), QStringLiteral("medYYMM"), {}, Field::Month}};
    if (fields.period)
        out.append({QStringLiteral("~"), QStringLiteral("medYYMM_END"), {}, Field::Month});
    if (fields.warehouse) {
        out.append({QStringLiteral("창고코드"), QStringLiteral("edtSTRG_CODE"), {}, Field::Text, 10, 50});
        out.append({{}, QStringLiteral("edtSTRG_NM"), {}, Field::Text, 0, 120, true});
    }
    if (fields.subWarehouses)
        out.append({QStringLiteral("하위창고포함"), QStringLiteral("cbStrg_gb"), {}, Field::Tick});
    if (fields.item) {
        out.append({QStringLiteral("품목코드"), QStringLiteral("edtITEM_CODE"), {}, Field::Text, 8, 70, true});
        out.append({{}, QStringLiteral("edtITEM_NAME"), {}, Field::Text, 0, 140});
        out.append({{}, QStringLiteral("edtITEM_STANDARD1"), {}, Field::Text, 0, 90, true});
        out.append({{}, QStringLiteral("edtSOOBUL_UNIT_NM"), {}, Field::Text, 0, 40, true});
    }
    return out;
}

StockSummaryScreen::StockSummaryScreen(const QString &programId, const SummaryFields &fields, ListScreenSpec spec,
                                       QWidget *parent)
    : ListScreen(programId, [&] {
          spec.search = SummarySearchFields(fields);
          if (fields.classes)
              spec.classTable = QStringLiteral("OX030MS");
          spec.excel = true;
          return spec;
      }(), parent),
      m_fields(fields), m_sql(spec.masterSql)
{
    QList<Lookup> lookups;
    if (fields.warehouse) {
        kit::TypeInCapitals(findChild<QLineEdit *>(QStringLiteral("edtSTRG_CODE")));
        lookups.append(fields.stockWarehousesOnly
                           ? lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE"),
                                               {QStringLiteral("edtSTRG_CODE"), QStringLiteral("edtSTRG_NM")}, false)
                           : warehouseTree());
    }
    if (fields.item)
        lookups.append(stockItem());
    InstallLookups(lookups);
}

StockSummaryScreen::Conditions StockSummaryScreen::conditions() const
{
    Conditions c;
    c.period.startMonth = searchText(QStringLiteral("medYYMM"));
    c.period.endMonth = m_fields.period ? searchText(QStringLiteral("medYYMM_END")) : c.period.startMonth;
    c.period.warehouse = searchText(QStringLiteral("edtSTRG_CODE"));
    c.period.withSubWarehouses =
        m_fields.alwaysSubWarehouses || (m_fields.subWarehouses && !searchText(QStringLiteral("cbStrg_gb")).isEmpty());
    c.period.item = searchText(QStringLiteral("edtITEM_CODE"));
    c.period.classCode = classCombos() ? classCombos()->deepestCode() : QString();
    if (m_fields.closingCostOfEndMonth)
        c.period.closingCostMonth = c.period.endMonth;
    c.month = findChild<QLineEdit *>(QStringLiteral("medYYMM"))->text();
    auto *end = findChild<QLineEdit *>(QStringLiteral("medYYMM_END"));
    c.endMonth = end ? end->text() : c.month;
    c.warehouse = QLatin1Char('[') + c.period.warehouse + QStringLiteral("] ") + searchText(QStringLiteral("edtSTRG_NM"));
    QStringList parts;
    for (int level = 1; level <= 3; ++level)
        parts << QLatin1Char('[') + (classCombos() ? classCombos()->box(level)->currentText() : QString()) + QLatin1Char(']');
    c.classes = parts.join(QLatin1Char(' '));
    return c;
}

Params StockSummaryScreen::searchParams() const { return m_searched.period.params(); }

void StockSummaryScreen::glSelect()
{
    m_searched = conditions();
    ListScreen::glSelect();
    setExcelGrid(masterGrid(), exportTitle());
}

void StockSummaryScreen::printSearched(const StockPrintoutSpec &spec, const QString &month, const QString &warehouse,
                                       const QString &classes, bool toPreview)
{
    StockPrintout printout(spec);
    printout.setConditions(month, warehouse, classes);
    printout.Execute(m_sql, searchParams(), toPreview, this);
}

} // namespace stock

#include "moc_StockSummaryScreen.cpp"
