#include "framework/ItemPicker.h"

#include "framework/ClassCombos.h"
#include "framework/Controls.h"
#include "framework/Records.h"
#include "framework/SharedSql.h"
#include "framework/ZZI000.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace kit;

namespace {

// The stock or the issues of an item in the warehouse in the month; 0 without a row.
const QString kMonthFigure = QStringLiteral(
    "COALESCE((SELECT MAX(Z.%1) FROM OZ010MS Z WHERE Z.STOC_YYMM = :STOC_YYMM AND Z.STRG_CODE = :STRG_CODE "
    "AND Z.ITEM_CODE = A.ITEM_CODE), 0)");

const QString kItems = QStringLiteral(
    "SELECT X.* FROM ("
    " SELECT '0' SEL, A.ITEM_CODE, A.ITEM_NAME, A.ITEM_STANDARD1, A.SOOBUL_YN, %1 STOC_QTY, %2 DELI_QTY, "
    "        %3 SOOBUL_UNIT_NM "
    "   FROM OX010MS A "
    "  WHERE A.ITEM_CODE LIKE COALESCE(:ITEM_CODE,'') || '%' "
    "    AND COALESCE(A.ITEM_NAME,'') LIKE COALESCE(:ITEM_NAME,'') || '%' "
    "    AND COALESCE(A.ITEM_INDEX,'') LIKE COALESCE(:ITEM_INDEX,'') || '%' "
    "    AND COALESCE(A.DIVIDE_CODE,'') LIKE COALESCE(:DIVIDE_CODE,'') || '%' %4) X "
    " %5 ORDER BY X.ITEM_NAME, X.ITEM_CODE");

const QString kStockItems = QStringLiteral(
    "SELECT '0' SEL, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, B.SOOBUL_YN, A.STOC_QTY, A.CURR_DELI_QTY DELI_QTY, "
    "       %1 SOOBUL_UNIT_NM "
    "  FROM OZ010MS A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE "
    " WHERE A.STOC_YYMM = :STOC_YYMM AND A.STRG_CODE = :STRG_CODE "
    "   AND COALESCE(B.DIVIDE_CODE,'') LIKE COALESCE(:DIVIDE_CODE,'') || '%' "
    " ORDER BY B.ITEM_NAME, A.ITEM_CODE").arg(sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

} // namespace

ItemPicker::ItemPicker(db::Connection &conn, bool stockedOnly, QWidget *parent)
    : QWidget(parent), m_conn(conn), m_stockedOnly(stockedOnly)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pgcPick = new QTabWidget(this);
    pgcPick->setObjectName(QStringLiteral("pgcPick"));

    auto *itemPage = new QWidget(pgcPick);
    auto *classRow = new QHBoxLayout;
    classes = new ClassCombos(conn, QStringLiteral("OX030MS"), itemPage);
    classes->placeIn(classRow, 0);
    edtItem_code_s = CodeBox(itemPage, "edtItem_code_s", 8, 70);
    edtItem_name_s = TextBox(itemPage, "edtItem_name_s", 100);
    edtItem_index = TextBox(itemPage, "edtItem_index", 20);
    bbtItemSelect = makeButton(itemPage, QStringLiteral("bbtItemSelect"), QStringLiteral("품목조회"));
    auto *itemLayout = new QVBoxLayout(itemPage);
    itemLayout->addLayout(classRow);
    auto *fieldRow = new QHBoxLayout;
    FieldRow(fieldRow, {Labelled(QStringLiteral("품목코드"), {edtItem_code_s}),
                        Labelled(QStringLiteral("품 목 명"), {edtItem_name_s}),
                        Labelled(QStringLiteral("품목색인"), {edtItem_index}), Bare(bbtItemSelect)});
    itemLayout->addLayout(fieldRow);
    pgcPick->addTab(itemPage, QStringLiteral("품목조회"));

    auto *stockPage = new QWidget(pgcPick);
    medYYMM = MonthBox(stockPage, "medYYMM");
    bbtStock = makeButton(stockPage, QStringLiteral("bbtStock"), QStringLiteral("재고품목조회"));
    auto *stockLayout = new QHBoxLayout(stockPage);
    FieldRow(stockLayout, {Labelled(QStringLiteral("기준년월"), {medYYMM}), Bare(bbtStock)});
    stockLayout->addStretch(1);
    pgcPick->addTab(stockPage, QStringLiteral("재고품목조회"));
    layout->addWidget(pgcPick);

    bbtSelectAll = makeButton(this, QStringLiteral("bbtSelectAll"), QStringLiteral("전체선택"));
    bbtSelectCancel = makeButton(this, QStringLiteral("bbtSelectCancel"), QStringLiteral("선택취소"));
    layout->addWidget(ButtonRow(this, {bbtSelectAll, bbtSelectCancel}));

    using namespace widgets;
    cdsItem = new RecordSet(this);
    rgdItem = new DataGrid(this);
    rgdItem->setObjectName(QStringLiteral("rgdItem"));
    rgdItem->setColumns({
        // field            title        width  format      options
        {"SEL",            "선택",         36,  {},         col::Tick | col::Editable},
        {"ITEM_CODE",      "품목코드",      0},
        {"ITEM_NAME",      "품 목 명",    150},
        {"ITEM_STANDARD1", "규  격",       90},
        {"SOOBUL_YN",      "재고관리",      50,  {},         col::Center},
        {"STOC_QTY",       "현재고",        70,  "#,##0.0"},
        {"DELI_QTY",       "출고",          70,  "#,##0.0"},
        {"SOOBUL_UNIT_NM", "단위",          40},
    });
    rgdItem->setRecordSet(cdsItem);
    rgdItem->setFooterCount(1);
    rgdItem->setFooterTitle(0, QStringLiteral("갯수"));
    rgdItem->setCellStyler([this](int col, int row, CellStyle &style) {
        if (col == 4 && cdsItem->value(row, QStringLiteral("SOOBUL_YN")).toString() == QLatin1String("N"))
            style.background = Qt::red;
    });
    layout->addWidget(rgdItem, 1);

    connect(bbtSelectAll, &QPushButton::clicked, this, [this] { tickAll(QStringLiteral("1")); });
    connect(bbtSelectCancel, &QPushButton::clicked, this, [this] { tickAll(QStringLiteral("0")); });
}

void ItemPicker::start(const QString &yymm)
{
    classes->reload();
    medYYMM->setPlainText(yymm);
}

void ItemPicker::queryItems(const QString &strgCode, const QString &yymm)
{
    const QString sql = kItems.arg(kMonthFigure.arg(QStringLiteral("STOC_QTY")),
                                   kMonthFigure.arg(QStringLiteral("CURR_DELI_QTY")),
                                   sql::UnitName(QStringLiteral("A.SOOBUL_UNIT")),
                                   m_stockedOnly ? QStringLiteral("AND A.SOOBUL_YN = 'Y'") : QString(),
                                   m_stockedOnly ? QStringLiteral("WHERE X.STOC_QTY > 0 OR X.DELI_QTY > 0") : QString());
    OpenRecords(*cdsItem, m_conn, sql,
                {{QStringLiteral("STOC_YYMM"), yymm},
                 {QStringLiteral("STRG_CODE"), strgCode},
                 {QStringLiteral("ITEM_CODE"), edtItem_code_s->text().trimmed()},
                 {QStringLiteral("ITEM_NAME"), edtItem_name_s->text().trimmed()},
                 {QStringLiteral("ITEM_INDEX"), edtItem_index->text().trimmed()},
                 {QStringLiteral("DIVIDE_CODE"), classes->deepestCode()}});
    shown();
}

void ItemPicker::queryStock(const QString &strgCode)
{
    OpenRecords(*cdsItem, m_conn, kStockItems,
                {{QStringLiteral("STOC_YYMM"), medYYMM->monthText()},
                 {QStringLiteral("STRG_CODE"), strgCode},
                 {QStringLiteral("DIVIDE_CODE"), classes->deepestCode()}});
    shown();
}

void ItemPicker::shown()
{
    rgdItem->showRowCount(0, 2);
    rgdItem->setFocus();
}

QList<PickedItem> ItemPicker::ticked() const
{
    QList<PickedItem> items;
    for (int row = 0; row < cdsItem->recordCount(); ++row) {
        const auto text = [&](const char *field) { return cdsItem->value(row, QLatin1String(field)).toString(); };
        if (text("SEL") != QLatin1String("1"))
            continue;
        items.append({text("ITEM_CODE"), text("ITEM_NAME"), text("ITEM_STANDARD1"), text("SOOBUL_UNIT_NM"),
                      text("SOOBUL_YN") == QLatin1String("Y"), text("STOC_QTY").toDouble(), text("DELI_QTY").toDouble()});
    }
    return items;
}

void ItemPicker::checkMonthOnLeave()
{
    if (medYYMM->plainText().isEmpty() || !medYYMM->monthText().isEmpty())
        return;
    const bool whole = medYYMM->plainText().size() == 6;
    medYYMM->clear();
    if (whole) {
        ShowInfo(QStringLiteral("년월을 정확히 입력하여 주십시오."));
        medYYMM->setFocus();
    }
}

void ItemPicker::tickAll(const QString &value)
{
    for (int row = 0; row < cdsItem->recordCount(); ++row)
        cdsItem->setValue(row, QStringLiteral("SEL"), value);
}

#include "moc_ItemPicker.cpp"
