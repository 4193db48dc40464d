#include "modules/receiving/OCI011.h"

#include "framework/Controls.h"
#include "framework/Records.h"
#include "framework/SharedSql.h"
#include "framework/ZOI010.h"
#include "framework/ZZI000.h"
#include "modules/receiving/ReceiptWrite.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kTaxable = QStringLiteral("1: 과  세");
const QString kTaxFree = QStringLiteral("2: 비과세");

// Open lines of confirmed orders: not fully received, not closed, not cancelled.
const QString kOrderLines = QStringLiteral(R"(SELECT '0' SEL, A.ORDE_DATE, A.C_CODE,
  (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = A.C_CODE) C_CODE_NM, D.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = D.STRG_CODE) STRG_CODE_NM,
  A.ORDE_NUM, A.ORDE_NO, B.ORDE_SEQ, B.ITEM_CODE, C.ITEM_NAME, C.ITEM_STANDARD1, B.TAX_GUBUN, B.QTY,
  COALESCE(B.PUT_QTY,0) PUT_QTY, %1 GUMAE_UNIT_NM, B.COST_AMT, B.AMT, COALESCE(C.CHANGE_QTY,1) CHANGE_QTY,
  %2 SOOBUL_UNIT_NM, C.SOOBUL_YN
FROM OB010MS A JOIN OB010DT B ON B.ORDE_DATE = A.ORDE_DATE AND B.C_CODE = A.C_CODE AND B.ORDE_NUM = A.ORDE_NUM
  JOIN OX010MS C ON C.ITEM_CODE = B.ITEM_CODE
  LEFT JOIN OA010MS D ON D.PURC_NO = A.PURC_NO
WHERE A.ORDE_DATE BETWEEN :ORDE_DATE_S AND :ORDE_DATE_E
  AND A.C_CODE LIKE COALESCE(:C_CODE,'') || '%'
  AND A.ORDE_NO LIKE COALESCE(:ORDE_NO,'') || '%'
  AND A.APPR_GUBUN = '2' AND COALESCE(B.PUT_QTY,0) < B.QTY
  AND COALESCE(B.PUT_END,'N') = 'N' AND COALESCE(B.ORDE_CANCEL,'N') = 'N'
ORDER BY A.ORDE_DATE, A.C_CODE, A.ORDE_NUM, B.ORDE_SEQ)")
    .arg(sql::UnitName(QStringLiteral("C.GUMAE_UNIT")), sql::UnitName(QStringLiteral("C.SOOBUL_UNIT")));

const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kLightYellow(0xFF, 0xFF, 0x80);

} // namespace

TfrmOCI011::TfrmOCI011(const QString &cCode, const QString &cName, const QString &from, const QString &to, QWidget *owner)
    : TfrmZOH010(owner)
{
    setObjectName(QStringLiteral("frmOCI011"));
    setWindowTitle(QStringLiteral("구매발주 내역 조회"));
    resize(1000, 620);

    using namespace kit;
    medORDE_DATE_S = DateBox(panSearch, "medORDE_DATE_S");
    medORDE_DATE_E = DateBox(panSearch, "medORDE_DATE_E");
    edtORDE_NO = CodeBox(panSearch, "edtORDE_NO", 15, 110);
    edtC_CODE = TextBox(panSearch, "edtC_CODE", 10, ReadOnly, 70);
    edtC_CODE_NM = TextBox(panSearch, "edtC_CODE_NM", 0, ReadOnly, 150);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("발주기간"), {medORDE_DATE_S}),
        Labelled(QStringLiteral("~"), {medORDE_DATE_E}),
        Labelled(QStringLiteral("발주번호"), {edtORDE_NO}),
        Labelled(QStringLiteral("거 래 처"), {edtC_CODE, edtC_CODE_NM}),
    });

    using namespace widgets;
    auto *main = new QVBoxLayout(panMain);
    main->addWidget(new QLabel(QStringLiteral("[ 발주 품목 리스트 ]"), panMain));
    cdsOrde = new RecordSet(this);
    rgdOrde = new DataGrid(panMain);
    rgdOrde->setObjectName(QStringLiteral("rgdOrde"));
    rgdOrde->setRecordSet(cdsOrde);
    rgdOrde->setColumns({
        {"SEL", "선택", 36, {}, col::Tick | col::Center},
        {"ORDE_DATE", "발주일자", 80, "yyyy-mm-dd", col::Sortable},
        {"C_CODE", "", 0},
        {"C_CODE_NM", "거래처명", 120, {}, col::Sortable},
        {"STRG_CODE", "", 0},
        {"STRG_CODE_NM", "입고창고", 90, {}, col::Sortable},
        {"ORDE_NUM", "", 0},
        {"ORDE_NO", "발주번호", 100},
        {"ORDE_SEQ", "순번", 40, {}, col::Center},
        {"ITEM_CODE", "", 0},
        {"ITEM_NAME", "품 목 명", 150, {}, col::Sortable},
        {"ITEM_STANDARD1", "규    격", 90},
        {"TAX_GUBUN", "", 0},
        {"QTY", "수량", 65, "#,##0.0"},
        {"PUT_QTY", "기입고", 65, "#,##0.0"},
        {"GUMAE_UNIT_NM", "단위", 45},
        {"COST_AMT", "단  가", 85, "#,##0.0000"},
        {"AMT", "금  액", 85, "#,##0"},
        {"CHANGE_QTY", "", 0, "#,##0.0"},
        {"SOOBUL_UNIT_NM", "", 0},
        {"SOOBUL_YN", "", 0},
    });
    rgdOrde->setFooterCount(1);
    rgdOrde->setFooterTitle(0, QStringLiteral("갯수"));
    rgdOrde->setRowStyler([this](int row, CellStyle &style) {
        if (cdsOrde->value(row, QStringLiteral("SOOBUL_YN")).toString() == QLatin1String("N"))
            style.background = kSilver;
    });
    main->addWidget(rgdOrde, 1);

    auto *bar = new QWidget(panMain);
    auto *barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->addWidget(new QLabel(QStringLiteral("[ 입고 품목 리스트 ]"), bar));
    barLayout->addStretch(1);
    cbTAX_GUBUN = new QComboBox(bar);
    cbTAX_GUBUN->setObjectName(QStringLiteral("cbTAX_GUBUN"));
    cbTAX_GUBUN->addItems({kTaxable, kTaxFree});
    cbTAX_GUBUN->setCurrentIndex(0);
    barLayout->addWidget(cbTAX_GUBUN);
    BitBtn1 = makeButton(bar, QStringLiteral("BitBtn1"), QStringLiteral("입고 품목으로 선택"));
    BitBtn2 = makeButton(bar, QStringLiteral("BitBtn2"), QStringLiteral("입고 품목에서 제외"));
    BitBtn1->setFixedWidth(130);
    BitBtn2->setFixedWidth(130);
    barLayout->addWidget(BitBtn1);
    barLayout->addWidget(BitBtn2);
    connect(BitBtn1, &QPushButton::clicked, this, &TfrmOCI011::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TfrmOCI011::BitBtn2Click);
    main->addWidget(bar);

    cdsInsp = new RecordSet(this);
    rgdInsp = new DataGrid(panMain);
    rgdInsp->setObjectName(QStringLiteral("rgdInsp"));
    rgdInsp->setRecordSet(cdsInsp);
    rgdInsp->setColumns({
        {"SEL", "선택", 36, {}, col::Tick | col::Center},             // 0
        {"ORDE_NO", "", 0},
        {"ORDE_SEQ", "", 0},
        {"ITEM_CODE", "", 0},
        {"ITEM_NAME", "품 목 명", 150},
        {"ITEM_STANDARD1", "규    격", 90},                              // 5
        {"QTY", "발주", 60, "#,##0.0"},
        {"PUT_QTY", "기입고", 60, "#,##0.0"},
        {"IN_QTY", "입고", 60, "#,##0.0", col::Editable},
        {"GUMAE_UNIT_NM", "단위", 45},
        {"CHANGE_QTY", "환산", 50, "#,##0.0"},                          // 10
        {"STOCK_QTY", "정입고", 60, "#,##0.0"},
        {"SOOBUL_UNIT_NM", "단위", 45},
        {"COST_AMT", "단  가", 85, "#,##0.0000"},
        {"AMT", "금  액", 85, "#,##0"},
        {"TAX_GUBUN_NM", "과세구분", 75, {}, col::Editable, {kTaxable, kTaxFree}},   // 15
        {"TAX_AMT", "부가세액", 75, "#,##0"},
        {"STRG_CODE", "", 0},
        {"STRG_CODE_NM", "", 0},
        {"SOOBUL_YN", "", 0},
    });
    rgdInsp->addColumnGroup(QStringLiteral("[ 발주 ] 수량"), 6, 9);
    rgdInsp->addColumnGroup(QStringLiteral("[ 입고 ] 수량"), 10, 12);
    rgdInsp->setRowStyler([this](int row, CellStyle &style) {
        if (cdsInsp->value(row, QStringLiteral("SOOBUL_YN")).toString() == QLatin1String("N"))
            style.background = kSilver;
    });
    rgdInsp->setCellStyler([this](int column, int, CellStyle &style) {
        if (column == 8 || column == 15)
            style.background = kLightYellow;
    });
    // A changed quantity or tax type gives the line its figures again.
    connect(rgdInsp, &GridBase::cellValueChanged, this, [this](int column, int row) {
        if (column == 8 || column == 15)
            recompute(row);
    });
    QVector<Field> fields;
    for (const GridColumn &c : rgdInsp->columns())
        fields.append({c.field, c.format.startsWith(u'#') ? FieldKind::Number : FieldKind::Text, c.format});
    cdsInsp->setFields(fields);
    main->addWidget(rgdInsp, 1);

    FormCreate();
    edtC_CODE->setText(cCode);
    edtC_CODE_NM->setText(cName);
    medORDE_DATE_S->setPlainText(from);
    medORDE_DATE_E->setPlainText(to);
    bbtSearchClick();
}

bool TfrmOCI011::bbtSearchClick()
{
    const QString today = GetSystemDate();
    for (widgets::MaskEdit *date : {medORDE_DATE_S, medORDE_DATE_E})
        if (date->dateText().isEmpty())
            date->setPlainText(today);
    OpenRecords(*cdsOrde, ScreenConnection(), kOrderLines,
                {{QStringLiteral("ORDE_DATE_S"), medORDE_DATE_S->dateText()},
                 {QStringLiteral("ORDE_DATE_E"), medORDE_DATE_E->dateText()},
                 {QStringLiteral("C_CODE"), edtC_CODE->text().trimmed()},
                 {QStringLiteral("ORDE_NO"), edtORDE_NO->text().trimmed()}});
    rgdOrde->showRowCount(0, 0);
    return true;
}

void TfrmOCI011::BitBtn1Click()
{
    auto from = [this](int row, const char *field) { return cdsOrde->value(row, QLatin1String(field)); };
    for (int row = 0; row < cdsOrde->recordCount(); ++row) {
        if (from(row, "SEL").toString() != QLatin1String("1"))
            continue;
        const QString ordeNo = from(row, "ORDE_NO").toString(), ordeSeq = from(row, "ORDE_SEQ").toString();
        int at = -1;
        for (int r = 0; r < cdsInsp->recordCount() && at < 0; ++r)
            if (cdsInsp->value(r, QStringLiteral("ORDE_NO")).toString() == ordeNo
                && cdsInsp->value(r, QStringLiteral("ORDE_SEQ")).toString() == ordeSeq)
                at = r;
        if (at >= 0) {
            cdsInsp->moveTo(at);
            continue;
        }
        at = cdsInsp->recordCount();
        cdsInsp->insertRows(at, 1);
        const double qty = from(row, "QTY").toDouble(), received = from(row, "PUT_QTY").toDouble();
        for (const char *field : {"ORDE_NO", "ORDE_SEQ", "ITEM_CODE", "ITEM_NAME", "ITEM_STANDARD1", "QTY", "PUT_QTY",
                                  "GUMAE_UNIT_NM", "CHANGE_QTY", "SOOBUL_UNIT_NM", "COST_AMT", "STRG_CODE", "STRG_CODE_NM",
                                  "SOOBUL_YN"})
            cdsInsp->setValue(at, QLatin1String(field), from(row, field));
        cdsInsp->setValue(at, QStringLiteral("SEL"), QStringLiteral("0"));
        cdsInsp->setValue(at, QStringLiteral("IN_QTY"), qty - received);
        cdsInsp->setValue(at, QStringLiteral("TAX_GUBUN_NM"), cbTAX_GUBUN->currentText());
        recompute(at);
        cdsInsp->moveTo(at);
    }
}

void TfrmOCI011::BitBtn2Click()
{
    for (int row = cdsInsp->recordCount() - 1; row >= 0; --row)
        if (cdsInsp->value(row, QStringLiteral("SEL")).toString() == QLatin1String("1"))
            cdsInsp->removeRows(row, 1);
}

void TfrmOCI011::recompute(int row)
{
    const auto number = [&](const char *field) { return cdsInsp->value(row, QLatin1String(field)).toDouble(); };
    // Only the two tax types exist: whatever was typed becomes one of them.
    const QString tax = cdsInsp->value(row, QStringLiteral("TAX_GUBUN_NM")).toString().trimmed().startsWith(u'2') ? kTaxFree : kTaxable;
    const double amt = number("IN_QTY") * number("COST_AMT");
    cdsInsp->setValue(row, QStringLiteral("TAX_GUBUN_NM"), tax);
    cdsInsp->setValue(row, QStringLiteral("STOCK_QTY"), number("IN_QTY") * number("CHANGE_QTY"));
    cdsInsp->setValue(row, QStringLiteral("AMT"), amt);
    cdsInsp->setValue(row, QStringLiteral("TAX_AMT"), receiving::LineTax(amt, tax));
}

QVector<OrderLinePick> TfrmOCI011::picked() const
{
    QVector<OrderLinePick> lines;
    for (int r = 0; r < cdsInsp->recordCount(); ++r) {
        const auto text = [&](const char *field) { return cdsInsp->value(r, QLatin1String(field)).toString().trimmed(); };
        const auto number = [&](const char *field) { return cdsInsp->value(r, QLatin1String(field)).toDouble(); };
        lines.append({text("ORDE_NO"), text("ORDE_SEQ"), text("ITEM_CODE"), text("ITEM_NAME"), text("ITEM_STANDARD1"),
                      text("GUMAE_UNIT_NM"), text("SOOBUL_UNIT_NM"), text("TAX_GUBUN_NM"), text("STRG_CODE"),
                      text("STRG_CODE_NM"), text("SOOBUL_YN"), number("IN_QTY"), number("CHANGE_QTY"),
                      number("STOCK_QTY"), number("COST_AMT"), number("AMT"), number("TAX_AMT")});
    }
    return lines;
}

void TfrmOCI011::glOnExitEvent(QWidget *control)
{
    TfrmZOH010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        kit::CheckDateOnLeave(mask);
}

#include "moc_OCI011.cpp"
