#include "modules/orders/OBS010.h"

#include "framework/Lookups.h"
#include "framework/Records.h"
#include "modules/orders/OBP010.h"
#include "modules/orders/OBP015.h"
#include "modules/orders/OrderCommon.h"
#include "reports/Parameters.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

} // namespace

TfrmOBS010::TfrmOBS010(QWidget *parent) : TfrmZOI010(QStringLiteral("OBS010"), parent)
{
    setObjectName(QStringLiteral("frmOBS010"));
    setWindowTitle(QStringLiteral("구매 발주서 출력"));
    medORDE_DATE_S = dateEdit(panSearch, QStringLiteral("medORDE_DATE_S"));
    medORDE_DATE_E = dateEdit(panSearch, QStringLiteral("medORDE_DATE_E"));
    edtC_CODE_S = lineEdit(panSearch, QStringLiteral("edtC_CODE_S"), 10, true);
    edtC_CODE_S->setFixedWidth(70);
    edtC_CODE_NM_S = lineEdit(panSearch, QStringLiteral("edtC_CODE_NM_S"));
    edtORDE_NO_S = lineEdit(panSearch, QStringLiteral("edtORDE_NO_S"), 15);
    int at = 0;
    for (QWidget *w : std::initializer_list<QWidget *>{caption(panSearch, QStringLiteral("발주기간")), medORDE_DATE_S,
                                                       caption(panSearch, QStringLiteral("~")), medORDE_DATE_E,
                                                       caption(panSearch, QStringLiteral("거 래 처")), edtC_CODE_S, edtC_CODE_NM_S,
                                                       caption(panSearch, QStringLiteral("발주번호")), edtORDE_NO_S})
        m_searchLayout->insertWidget(at++, w);

    using namespace widgets;
    cdsOB010MS = new RecordSet(this);
    rgdOB010MS = new DataGrid(panDisplay);
    rgdOB010MS->setObjectName(QStringLiteral("rgdOB010MS"));
    rgdOB010MS->setRecordSet(cdsOB010MS);
    rgdOB010MS->setReadOnly(true);
    rgdOB010MS->setRowSelect(true);
    rgdOB010MS->setColumns({
        {"ORDE_DATE", "발주일자", 80, "yyyy-mm-dd"},   // 0
        {"C_CODE", "거래처코드", 70},
        {"C_CODE_NM", "거래처명", 130},
        {"ORDE_CHAR", "발주", 60},                     // 3
        {"ORDE_TEL", "연락처", 90},
        {"INSP_CHAR", "검수", 60},
        {"INSP_TEL", "연락처", 90},                    // 6
        {"PUT_DATE", "납기예정", 80, "yyyy-mm-dd"},
        {"ORDE_NO", "발주번호", 100},
        {"ORDE_AMT", "합계금액", 90, "#,##0"},
        {"GIVE_TERM", "납    기", 80},                 // 10
        {"PAYM_TERM", "지불조건", 80},
        {"DELI_TERM", "인도조건", 80},
        {"REPA_TERM", "하자조건", 80},                 // 13
        {"REMARK", "비  고", 140},
        {"DOCUMENT", "구비서류", 160},
    });
    rgdOB010MS->addColumnGroup(QStringLiteral("담 당 자"), 3, 6);
    rgdOB010MS->addColumnGroup(QStringLiteral("계 약 조 건"), 10, 13);
    rgdOB010MS->setFooterCount(1);
    rgdOB010MS->setFooterTitle(0, QStringLiteral("갯수"));
    cdsOB010DT = new RecordSet(this);
    rgdOB010DT = orderLineGrid(panDisplay, cdsOB010DT, QStringLiteral("비  고"));
    auto *display = static_cast<QVBoxLayout *>(panDisplay->layout());
    display->addWidget(rgdOB010MS, 1);
    display->addWidget(rgdOB010DT, 1);
    setListRecords(cdsOB010MS);
    connect(cdsOB010MS, &RecordSet::afterScroll, this, &TfrmOBS010::loadLines);

    bbtPrint_All = addButton(QStringLiteral("bbtPrint_All"), QStringLiteral("계약발주서"), bbtPrint);
    connect(bbtPrint, &QPushButton::clicked, this, [this] { bbtPrintClick(false); });
    connect(bbtPreview, &QPushButton::clicked, this, [this] { bbtPrintClick(true); });
    connect(bbtPrint_All, &QPushButton::clicked, this, [this] { bbtPrint_AllClick(); });
    addHotKey(QStringLiteral("N4"), Qt::Key_F11, [this] { bbtPrintClick(false); });

    FormCreate();
    InstallLookups({{QStringLiteral("pbtnC_CODE_S"), {QStringLiteral("edtC_CODE_S"), QStringLiteral("edtC_CODE_NM_S")},
                     QString::fromLatin1(kSupplierSql), QStringLiteral("C_NAME"), TypedIn::Name, supplierTitles()}});
    for (QWidget *w : std::initializer_list<QWidget *>{panInput, panRecordCount, bbtAdd, bbtEdit, bbtDelete, bbtSave, bbtCancel})
        w->hide();
    bbtPrint->show();
    bbtPreview->show();
    const QString today = GetSystemDate();
    medORDE_DATE_S->setPlainText(today);
    medORDE_DATE_E->setPlainText(today);
    glEnabledCheck();
}

void TfrmOBS010::glSelect()
{
    cdsOB010DT->clear();
    RecordCount = OpenRecords(*cdsOB010MS, ScreenConnection(), QString::fromUtf8(kSelect),
                              {{QStringLiteral("ORDE_DATE_S"), medORDE_DATE_S->dateText()},
                               {QStringLiteral("ORDE_DATE_E"), medORDE_DATE_E->dateText()},
                               {QStringLiteral("C_CODE"), edtC_CODE_S->text().trimmed()},
                               {QStringLiteral("ORDE_NO"), edtORDE_NO_S->text().trimmed()}});
    rgdOB010MS->showRowCount(0, 0);
    ShowRecordCount();
    loadLines();
}

void TfrmOBS010::loadLines()
{
    if (cdsOB010MS->isLoading())
        return;
    loadOrderLines(*cdsOB010DT, *cdsOB010MS);
    rgdOB010DT->showRowCount(0, 1);
}

void TfrmOBS010::bbtPrintClick(bool toPreview)
{
    QPushButton *button = toPreview ? bbtPreview : bbtPrint;
    if (!usable(button, this) || cdsOB010MS->currentRow() < 0)
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
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        checkDateOnExit(mask);
}
