#include "modules/orders/OBS010.h"

#include "framework/ErrorDisplay.h"
#include "framework/Lookups.h"
#include "modules/orders/OBP010.h"
#include "modules/orders/OBP015.h"
#include "modules/orders/OrderCommon.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QPushButton>

using namespace orders;

namespace {

const char *const kSelect = R"(SELECT A.ORDE_DATE, A.C_CODE, (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = A.C_CODE) C_CODE_NM,
  A.ORDE_CHAR, A.ORDE_TEL, A.INSP_CHAR, A.INSP_TEL, A.PUT_DATE, A.ORDE_NO, A.ORDE_AMT,
  A.GIVE_TERM, A.PAYM_TERM, A.DELI_TERM, A.REPA_TERM, A.REMARK, A.DOCUMENT,
  A.ORDE_NUM, A.TAX_AMT, A.SUM_AMT, A.APPR_EMP_NO, A.APPR_DATE
FROM OB010MS A
WHERE A.ORDE_DATE BETWEEN :ORDE_DATE_S AND :ORDE_DATE_E
  AND A.C_CODE LIKE COALESCE(:C_CODE,'') || '%'
  AND A.ORDE_NO LIKE COALESCE(:ORDE_NO,'') || '%'
  AND A.APPR_GUBUN = '2'
ORDER BY A.ORDE_NO)";

enum Order { OrdeDate, CCode, CCodeNm, OrdeChar, OrdeTel, InspChar, InspTel, PutDate, OrdeNo, OrdeAmt,
             GiveTerm, PaymTerm, DeliTerm, RepaTerm, Remark, Document };
enum Line { ItemCode, ItemName };

ListScreenSpec spec()
{
    using Field = ListSearchField;
    return {
        QStringLiteral("구매 발주서 출력"),
        {
            {QStringLiteral("발주기간"), QStringLiteral("medORDE_DATE_S"), QStringLiteral("ORDE_DATE_S"), Field::Date},
            {QStringLiteral("~"), QStringLiteral("medORDE_DATE_E"), QStringLiteral("ORDE_DATE_E"), Field::Date},
            {QStringLiteral("거 래 처"), QStringLiteral("edtC_CODE_S"), QStringLiteral("C_CODE"), Field::Text, 10, 70, true},
            {{}, QStringLiteral("edtC_CODE_NM_S")},
            {QStringLiteral("발주번호"), QStringLiteral("edtORDE_NO_S"), QStringLiteral("ORDE_NO"), Field::Text, 15},
        },
        QString::fromUtf8(kSelect),
        {QStringLiteral("rgdOB010MS"),
         {
             // field          title          width  format
             {"ORDE_DATE",    "발주일자",      80,   "yyyy-mm-dd"},
             {"C_CODE",       "거래처코드",    70},
             {"C_CODE_NM",    "거래처명",     130},
             {"ORDE_CHAR",    "발주",          60},
             {"ORDE_TEL",     "연락처",        90},
             {"INSP_CHAR",    "검수",          60},
             {"INSP_TEL",     "연락처",        90},
             {"PUT_DATE",     "납기예정",      80,   "yyyy-mm-dd"},
             {"ORDE_NO",      "발주번호",     100},
             {"ORDE_AMT",     "합계금액",      90,   "#,##0"},
             {"GIVE_TERM",    "납    기",      80},
             {"PAYM_TERM",    "지불조건",      80},
             {"DELI_TERM",    "인도조건",      80},
             {"REPA_TERM",    "하자조건",      80},
             {"REMARK",       "비  고",       140},
             {"DOCUMENT",     "구비서류",     160},
         },
         {{QStringLiteral("담 당 자"), OrdeChar, InspTel}, {QStringLiteral("계 약 조 건"), GiveTerm, RepaTerm}},
         0,
         {{QStringLiteral("갯수"), OrdeDate}}},
        orderLinesSql(),
        {QStringLiteral("rgdOB010DT"), orderLineColumns(QStringLiteral("비  고")), {}, 0, {{QStringLiteral("갯수"), ItemName}}},
        true,
    };
}

} // namespace

TfrmOBS010::TfrmOBS010(QWidget *parent)
    : ListScreen(QStringLiteral("OBS010"), spec(), parent), cdsOB010MS(masterRecords()), cdsOB010DT(detailRecords())
{
    setObjectName(QStringLiteral("frmOBS010"));
    bbtPrint_All = addButton(QStringLiteral("bbtPrint_All"), QStringLiteral("계약발주서"), bbtPrint);
    OnUserAction(bbtPrint_All, &QPushButton::clicked, this, [this] { bbtPrint_AllClick(); });
    InstallLookups({{QStringLiteral("pbtnC_CODE_S"), {QStringLiteral("edtC_CODE_S"), QStringLiteral("edtC_CODE_NM_S")},
                     QString::fromLatin1(kSupplierSql), QStringLiteral("C_NAME"), TypedIn::Name, supplierTitles()}});
}

void TfrmOBS010::printList(bool toPreview)
{
    if (cdsOB010MS->currentRow() < 0)
        return;
    TfrmOBP010 form;
    form.Execute(cdsOB010MS->text(QStringLiteral("ORDE_DATE")), cdsOB010MS->text(QStringLiteral("C_CODE")),
                 cdsOB010MS->text(QStringLiteral("ORDE_NUM")), toPreview, this);
}

TfrmOBP015 *TfrmOBS010::bbtPrint_AllClick()
{
    if (!usable(bbtPrint_All, this) || cdsOB010MS->currentRow() < 0)
        return nullptr;
    auto *window = new TfrmOBP015(this);
    window->setArgument(QStringLiteral("/rp [") + cdsOB010MS->text(QStringLiteral("ORDE_DATE")) + QStringLiteral("]")
                        + QStringLiteral("[") + cdsOB010MS->text(QStringLiteral("C_CODE")) + QStringLiteral("]")
                        + QStringLiteral("[") + cdsOB010MS->text(QStringLiteral("ORDE_NO")) + QStringLiteral("]"));
    window->show();
    return window;
}

void TfrmOBS010::glOnExitEvent(QWidget *control)
{
    ListScreen::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        checkDateOnExit(mask);
}

#include "moc_OBS010.cpp"
