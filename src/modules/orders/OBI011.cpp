#include "modules/orders/OBI011.h"

#include "framework/Controls.h"
#include "framework/ErrorDisplay.h"
#include "framework/ExcelExport.h"
#include "framework/ZOI010.h"
#include "framework/ZZI000.h"
#include "framework/PopupBtn.h"
#include "framework/Records.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Approved requests that still have unordered lines, one row per request.
// The list is a derived table with a WHERE of its own, so that the list
// window's search can name any of its columns (names and dates included)
// on either engine.
const char *const kRequests = R"(SELECT PURC_NO, PURC_DATE, DEPT_NAME, STRG_CODE_NM
FROM (SELECT A.PURC_NO, TO_CHAR(A.PURC_DATE,'YYYY-MM-DD') PURC_DATE, TO_CHAR(A.PURC_DATE,'YYYY-MM') PURC_MONTH,
        (SELECT MAX(C.AFF_DEPT_NAME) FROM QA160MS C WHERE C.AFF_DEPT_CODE = A.DEPT_CODE) DEPT_NAME,
        (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM,
        A.STRG_CODE, A.PURC_NUM
      FROM OA010MS A
      WHERE A.APPR_GUBUN = '2'
        AND EXISTS (SELECT 1 FROM OA010DT B WHERE B.PURC_DATE = A.PURC_DATE AND B.STRG_CODE = A.STRG_CODE
                      AND B.PURC_NUM = A.PURC_NUM AND COALESCE(B.ORDER_SET_YN,'N') <> 'Y')) R
WHERE %1
ORDER BY PURC_DATE, STRG_CODE, PURC_NUM)";

const char *const kLines = R"(SELECT '0' SEL, B.PURC_SEQ, B.EMER_CHK, B.ITEM_CODE, C.ITEM_NAME, C.ITEM_STANDARD1, B.QTY,
  COALESCE((SELECT SUM(Z.STOC_QTY) FROM OZ010MS Z WHERE Z.STOC_YYMM = TO_CHAR(A.PURC_DATE,'YYYYMM')
             AND Z.STRG_CODE = A.STRG_CODE AND Z.ITEM_CODE = B.ITEM_CODE), 0) STOC_QTY,
  (SELECT MAX(U.DETAIL_NAME) FROM ZX010MS U WHERE U.HEAD = 'Z0025' AND U.DETAIL = C.GUMAE_UNIT) GUMAE_UNIT_NM,
  COALESCE(B.ESTI_AMT,0) ESTI_AMT, COALESCE(B.COST_AMT,0) COST_AMT, B.QTY * COALESCE(B.COST_AMT,0) AMT, B.REMARK,
  COALESCE(B.C_CODE, B.A_ESTI_CODE) C_CODE,
  (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = COALESCE(B.C_CODE, B.A_ESTI_CODE)) C_CODE_NM,
  A.PURC_DATE, A.PLAN_DATE, A.PURC_NO, A.CHAR_NAME, A.CHAR_TEL, A.REMARK M_REMARK, A.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM, A.DEPT_CODE,
  (SELECT MAX(D.AFF_DEPT_NAME) FROM QA160MS D WHERE D.AFF_DEPT_CODE = A.DEPT_CODE) DEPT_CODE_NM
FROM OA010MS A, OA010DT B, OX010MS C
WHERE B.PURC_DATE = A.PURC_DATE AND B.STRG_CODE = A.STRG_CODE AND B.PURC_NUM = A.PURC_NUM
  AND C.ITEM_CODE = B.ITEM_CODE AND A.PURC_NO = :PURC_NO
  AND A.APPR_GUBUN = '2' AND COALESCE(B.ORDER_SET_YN,'N') <> 'Y'
ORDER BY B.PURC_SEQ)";

} // namespace

TfrmOBI011::TfrmOBI011(QWidget *owner) : TfrmZOH010(owner)
{
    setObjectName(QStringLiteral("frmOBI011"));
    setWindowTitle(QStringLiteral("구매의뢰 내역 조회"));
    resize(980, 560);

    using namespace kit;
    medYYMM = MonthBox(panSearch, "medYYMM");
    edtS_PURC_NO = TextBox(panSearch, "edtS_PURC_NO", 0, ReadOnly);
    edtS_PURC_NO->setFocusPolicy(Qt::NoFocus);
    edtTemp = TextBox(panSearch, "edtTemp");
    edtTemp->hide();
    pbtnPURC_NO = new TPopupBtn(panSearch);
    pbtnPURC_NO->setObjectName(QStringLiteral("pbtnPURC_NO"));
    pbtnPURC_NO->SQL = QString::fromUtf8(kRequests).arg(QStringLiteral("1 = 1")).split(u'\n');
    pbtnPURC_NO->LinkSQL = QString::fromUtf8(kRequests).arg(QStringLiteral("PURC_MONTH LIKE :PURC_DATE")).split(u'\n');
    pbtnPURC_NO->LinkControl = edtTemp;
    pbtnPURC_NO->ColumnTitles = {QStringLiteral("구매의뢰번호"), QStringLiteral("의뢰일자"), QStringLiteral("부서명"), QStringLiteral("창고명")};
    OnUserAction(pbtnPURC_NO, &TPopupBtn::afterClick, this, [this] { requestPicked(); });
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("의뢰년월"), {medYYMM}),
        Labelled(QStringLiteral("의뢰번호"), {edtS_PURC_NO, pbtnPURC_NO, edtTemp}),
    });

    // The request's header, read-only.
    auto *head = new QWidget(panMain);
    medPURC_DATE = DateBox(head, "medPURC_DATE", ReadOnly);
    medPLAN_DATE = DateBox(head, "medPLAN_DATE", ReadOnly);
    edtPURC_NO = TextBox(head, "edtPURC_NO", 0, ReadOnly);
    edtCHAR_NAME = TextBox(head, "edtCHAR_NAME", 0, ReadOnly);
    edtCHAR_TEL = TextBox(head, "edtCHAR_TEL", 0, ReadOnly);
    edtM_REMARK = TextBox(head, "edtM_REMARK", 0, ReadOnly);
    edtSTRG_CODE = TextBox(head, "edtSTRG_CODE", 0, ReadOnly);
    edtSTRG_CODE_NM = TextBox(head, "edtSTRG_CODE_NM", 0, ReadOnly);
    edtDEPT_CODE = TextBox(head, "edtDEPT_CODE", 0, ReadOnly);
    edtDEPT_CODE_NM = TextBox(head, "edtDEPT_CODE_NM", 0, ReadOnly);
    for (QWidget *w : head->findChildren<QWidget *>())
        w->setFocusPolicy(Qt::NoFocus);
    LabelledGrid(head, {
        {Labelled(QStringLiteral("의뢰일자"), {medPURC_DATE}), Labelled(QStringLiteral("입고예정"), {medPLAN_DATE}),
         Labelled(QStringLiteral("의뢰번호"), {edtPURC_NO})},
        {Labelled(QStringLiteral("담 당 자"), {edtCHAR_NAME}), Labelled(QStringLiteral("전화번호"), {edtCHAR_TEL}),
         Labelled(QStringLiteral("비    고"), {edtM_REMARK})},
        {Labelled(QStringLiteral("의뢰창고"), {edtSTRG_CODE, edtSTRG_CODE_NM}),
         Labelled(QStringLiteral("의뢰부서"), {edtDEPT_CODE, edtDEPT_CODE_NM})},
    });
    auto *main = new QVBoxLayout(panMain);
    main->addWidget(head);

    cdsPurc = new widgets::RecordSet(this);
    rgdPurc = new widgets::DataGrid(panMain);
    rgdPurc->setObjectName(QStringLiteral("rgdPurc"));
    rgdPurc->setRecordSet(cdsPurc);
    using namespace widgets;
    rgdPurc->setColumns({
        // field           title          width  format         options
        {"SEL",            "선택",          36,  {},            col::Tick | col::Center},
        {"PURC_SEQ",       "",               0},
        {"EMER_CHK",       "긴급",          36,  {},            col::Center},
        {"ITEM_CODE",      "",               0},
        {"ITEM_NAME",      "품 목 명",     170,  {},            col::Sortable},
        {"ITEM_STANDARD1", "규    격",     100},
        {"QTY",            "수량",          70,  "#,##0.0",     col::Editable},
        {"STOC_QTY",       "재고",          70,  "#,##0.0"},
        {"GUMAE_UNIT_NM",  "단위",          50},
        {"ESTI_AMT",       "예상단가",      90,  "#,##0.0000"},
        {"COST_AMT",       "단  가",        90,  "#,##0.0000",  col::Editable},
        {"AMT",            "금  액",        90,  "#,##0"},
        {"REMARK",         "구매사유",     120},
        {"C_CODE",         "",               0},
        {"C_CODE_NM",      "거래처명",     120,  {},            col::Sortable},
    });
    rgdPurc->setFooterCount(1);
    rgdPurc->setFooterTitle(0, QStringLiteral("갯수"));
    rgdPurc->setCellStyler([this](int column, int row, CellStyle &style) {
        const QString field = rgdPurc->column(column).field;
        if (field == QLatin1String("QTY") || field == QLatin1String("COST_AMT"))
            style.background = QColor(Qt::yellow);
        else if (field == QLatin1String("EMER_CHK") && cdsPurc->value(row, QStringLiteral("EMER_CHK")).toString() == QLatin1String("Y"))
            style.background = QColor(Qt::red);
    });
    // A changed quantity or price gives the line its amount again.
    connect(rgdPurc, &GridBase::cellValueChanged, this, [this](int column, int row) {
        const QString field = rgdPurc->column(column).field;
        if (field != QLatin1String("QTY") && field != QLatin1String("COST_AMT"))
            return;
        cdsPurc->setValue(row, QStringLiteral("AMT"),
                          cdsPurc->value(row, QStringLiteral("QTY")).toDouble() * cdsPurc->value(row, QStringLiteral("COST_AMT")).toDouble());
    });
    main->addWidget(rgdPurc, 1);

    bbtExcel = makeButton(panButtons, QStringLiteral("bbtExcel"), QStringLiteral("엑셀"));
    static_cast<QHBoxLayout *>(panButtons->layout())->insertWidget(0, bbtExcel);
    OnUserAction(bbtExcel, &QPushButton::clicked, this, [this] { ExportGridToExcel(rgdPurc, QStringLiteral("구매의뢰 내역")); });

    FormCreate();
    medYYMM->setPlainText(GetSystemDate().left(7));
    edtTemp->setText(medYYMM->monthText().left(4) + u'-' + medYYMM->monthText().mid(4));
}

RequestPick TfrmOBI011::picked() const
{
    RequestPick pick{edtPURC_NO->text().trimmed(), medPLAN_DATE->dateText(), edtDEPT_CODE_NM->text().trimmed(),
                     edtSTRG_CODE->text().trimmed(), edtSTRG_CODE_NM->text().trimmed(), {}};
    for (int r = 0; r < cdsPurc->recordCount(); ++r) {
        const auto text = [&](const char *field) { return cdsPurc->value(r, QLatin1String(field)).toString().trimmed(); };
        const auto number = [&](const char *field) { return cdsPurc->value(r, QLatin1String(field)).toDouble(); };
        if (text("SEL") != QLatin1String("1"))
            continue;
        pick.lines.append({text("PURC_SEQ"), text("ITEM_CODE"), text("ITEM_NAME"), text("ITEM_STANDARD1"),
                           text("GUMAE_UNIT_NM"), text("REMARK"), text("C_CODE"), text("C_CODE_NM"), number("QTY"),
                           number("COST_AMT"), number("STOC_QTY")});
    }
    return pick;
}

bool TfrmOBI011::bbtOKClick()
{
    for (const RequestPick::Line &line : picked().lines) {
        const QString refusal = line.qty <= 0 ? QStringLiteral("수량은 0보다 커야 합니다.")
                                : line.cost < 0 ? QStringLiteral("단가는 0보다 작을 수 없습니다.")
                                                : QString();
        if (refusal.isEmpty())
            continue;
        ShowInfo(QStringLiteral("[%1] %2").arg(line.itemName, refusal));
        rgdPurc->setFocus();
        return false;
    }
    return TfrmZOH010::bbtOKClick();
}

void TfrmOBI011::setRequest(const QString &purcNo)
{
    edtS_PURC_NO->setText(purcNo);
    bbtSearchClick();
}

void TfrmOBI011::requestPicked()
{
    if (pbtnPURC_NO->ModalResult != QDialog::Accepted || pbtnPURC_NO->ReturnValue.isEmpty())
        return;
    setRequest(pbtnPURC_NO->ReturnValue.value(0).trimmed());
}

bool TfrmOBI011::bbtSearchClick()
{
    cdsPurc->clear();
    for (QLineEdit *e : {edtPURC_NO, edtCHAR_NAME, edtCHAR_TEL, edtM_REMARK, edtSTRG_CODE, edtSTRG_CODE_NM, edtDEPT_CODE, edtDEPT_CODE_NM})
        e->clear();
    medPURC_DATE->clear();
    medPLAN_DATE->clear();
    if (edtS_PURC_NO->text().trimmed().isEmpty())
        return false;
    const int rows = OpenRecords(*cdsPurc, ScreenConnection(), QString::fromUtf8(kLines),
                                 {{QStringLiteral("PURC_NO"), edtS_PURC_NO->text().trimmed()}});
    rgdPurc->showRowCount(0, rgdPurc->columnIndex(QStringLiteral("ITEM_NAME")));
    if (rows == 0)
        return true;
    auto first = [this](const char *field) { return cdsPurc->value(0, QString::fromLatin1(field)).toString(); };
    medPURC_DATE->setPlainText(first("PURC_DATE"));
    medPLAN_DATE->setPlainText(first("PLAN_DATE"));
    edtPURC_NO->setText(first("PURC_NO"));
    edtCHAR_NAME->setText(first("CHAR_NAME"));
    edtCHAR_TEL->setText(first("CHAR_TEL"));
    edtM_REMARK->setText(first("M_REMARK"));
    edtSTRG_CODE->setText(first("STRG_CODE"));
    edtSTRG_CODE_NM->setText(first("STRG_CODE_NM"));
    edtDEPT_CODE->setText(first("DEPT_CODE"));
    edtDEPT_CODE_NM->setText(first("DEPT_CODE_NM"));
    return true;
}

void TfrmOBI011::glOnEnterEvent(QWidget *control)
{
    TfrmZOH010::glOnEnterEvent(control);
    if (control == medYYMM)
        edtS_PURC_NO->clear();
}

void TfrmOBI011::glOnExitEvent(QWidget *control)
{
    TfrmZOH010::glOnExitEvent(control);
    if (control != medYYMM)
        return;
    if (medYYMM->plainText().length() < 6) {
        medYYMM->clear();
        return;
    }
    const QString month = medYYMM->monthText();
    if (month.isEmpty()) {
        ShowInfo(QStringLiteral("년월을 정확히 입력하여 주십시오."));
        medYYMM->clear();
        medYYMM->setFocus();
        return;
    }
    edtTemp->setText(month.left(4) + u'-' + month.mid(4));
    if (edtS_PURC_NO->text().trimmed().isEmpty())
        pbtnPURC_NO->SearchByLink();
}

bool TfrmOBI011::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == medYYMM && event->key() == Qt::Key_F1) {
        pbtnPURC_NO->Click();
        return true;
    }
    return TfrmZOH010::glOnKeyDown(control, event);
}

#include "moc_OBI011.cpp"
