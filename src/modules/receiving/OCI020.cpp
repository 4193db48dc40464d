#include "modules/receiving/OCI020.h"

#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/Controls.h"
#include "framework/ErrorDisplay.h"
#include "framework/Lookups.h"
#include "framework/PopupBtn.h"
#include "framework/Records.h"
#include "framework/SharedSql.h"
#include "modules/receiving/ReceiptWrite.h"
#include "session/Dialogs.h"
#include "session/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/Format.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

using namespace receiving;

namespace {

const QString kAll = QStringLiteral("전  체");
const QString kConfirmed = QStringLiteral("확  정");
const QString kUnconfirmed = QStringLiteral("미확정");

// %1: the condition of the confirmation state chosen.
const QString kSelect = QStringLiteral(R"(SELECT '0' SEL, A.INSP_DATE, A.C_CODE,
  (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = A.C_CODE) C_CODE_NM, A.INSP_NUM, A.INSP_NO, A.STRG_CODE,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = A.STRG_CODE) STRG_CODE_NM, A.INSP_EMP_NO,
  (SELECT MAX(E.EMP_K_NAME) FROM QA010MS E WHERE E.EMP_NO = A.INSP_EMP_NO) INSP_EMP_NO_NM, A.INSP_NAME,
  A.PUT_DATE, A.PUT_EMP_NO, (SELECT MAX(E.EMP_K_NAME) FROM QA010MS E WHERE E.EMP_NO = A.PUT_EMP_NO) PUT_EMP_NO_NM,
  A.PUT_AMT, A.TAX_AMT, A.SUM_AMT, A.STRG_GUBUN
FROM OC010MS A
WHERE A.INSP_DATE BETWEEN :INSP_DATE_S AND :INSP_DATE_E
  AND A.C_CODE LIKE COALESCE(:C_CODE,'') || '%'
  AND A.INSP_NO LIKE COALESCE(:INSP_NO,'') || '%'%1
ORDER BY A.INSP_DATE, A.C_CODE, A.INSP_NUM)");

const QString kLines = QStringLiteral(R"(SELECT A.INSP_SEQ, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.PUT_QTY,
  %1 SOOBUL_UNIT_NM, A.COST_AMT, A.AMT, A.TAX_AMT, A.REMARK, A.ORDE_NO, A.ORDE_SEQ
FROM OC010DT A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.INSP_DATE = :INSP_DATE AND A.C_CODE = :C_CODE AND A.INSP_NUM = :INSP_NUM
ORDER BY A.INSP_SEQ)").arg(sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

const char *const kEmployees = "SELECT EMP_NO, EMP_K_NAME FROM QA010MS\nORDER BY EMP_NO";
const char *const kEmployeesTyped = "SELECT EMP_NO, EMP_K_NAME FROM QA010MS\nWHERE EMP_NO LIKE :EMP_NO || '%'\nORDER BY EMP_NO";

} // namespace

TfrmOCI020::TfrmOCI020(QWidget *parent) : TfrmZOI010(QStringLiteral("OCI020"), parent)
{
    setObjectName(QStringLiteral("frmOCI020"));
    setWindowTitle(QStringLiteral("입고 확정"));
    using namespace kit;

    medINSP_DATE_S = DateBox(panSearch, "medINSP_DATE_S");
    medINSP_DATE_E = DateBox(panSearch, "medINSP_DATE_E");
    edtC_CODE_S = TextBox(panSearch, "edtC_CODE_S", 10, ReadOnly, 70);
    edtC_CODE_NM_S = TextBox(panSearch, "edtC_CODE_NM_S");
    edtINSP_NO_S = CodeBox(panSearch, "edtINSP_NO_S", 15, 110);
    cobAPPR_GUBUN = new QComboBox(panSearch);
    cobAPPR_GUBUN->setObjectName(QStringLiteral("cobAPPR_GUBUN"));
    cobAPPR_GUBUN->addItems({kAll, kConfirmed, kUnconfirmed});
    cobAPPR_GUBUN->setCurrentIndex(0);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("검수기간"), {medINSP_DATE_S}),
        Labelled(QStringLiteral("~"), {medINSP_DATE_E}),
        Labelled(QStringLiteral("거 래 처"), {edtC_CODE_NM_S, edtC_CODE_S}),
        Labelled(QStringLiteral("입고번호"), {edtINSP_NO_S}),
        Labelled(QStringLiteral("확정구분"), {cobAPPR_GUBUN}),
    });

    // The confirmation panel in the bar under the search panel.
    medPUT_DATE = DateBox(panMaster, "medPUT_DATE");
    edtPUT_EMP_NO = TextBox(panMaster, "edtPUT_EMP_NO", 8, Plain, 80);
    pbtnPUT_EMP_NO = new TPopupBtn(panMaster);
    pbtnPUT_EMP_NO->setObjectName(QStringLiteral("pbtnPUT_EMP_NO"));
    pbtnPUT_EMP_NO->SQL = QString::fromLatin1(kEmployees).split(u'\n');
    pbtnPUT_EMP_NO->LinkSQL = QString::fromLatin1(kEmployeesTyped).split(u'\n');
    pbtnPUT_EMP_NO->LinkControl = edtPUT_EMP_NO;
    connect(pbtnPUT_EMP_NO, &TPopupBtn::afterClick, this, &TfrmOCI020::employeePicked);
    edtPUT_EMP_NO_NM = TextBox(panMaster, "edtPUT_EMP_NO_NM", 0, ReadOnly, 100);
    edtPUT_EMP_NO_NM->setFocusPolicy(Qt::NoFocus);
    bbtAppr = makeButton(panMaster, QStringLiteral("bbtAppr"), QStringLiteral("입고확정"));
    OnUserAction(bbtAppr, &QPushButton::clicked, this, [this] { bbtApprClick(); });
    pbIng = new QProgressBar(panMaster);
    pbIng->setObjectName(QStringLiteral("pbIng"));
    pbIng->setFixedWidth(160);
    pbIng->setValue(0);
    bbtSelectAll = makeButton(panMaster, QStringLiteral("bbtSelectAll"), QStringLiteral("전체선택"));
    bbtSelectCancel = makeButton(panMaster, QStringLiteral("bbtSelectCancel"), QStringLiteral("선택취소"));
    connect(bbtSelectAll, &QPushButton::clicked, this, &TfrmOCI020::bbtSelectAllClick);
    connect(bbtSelectCancel, &QPushButton::clicked, this, &TfrmOCI020::bbtSelectCancelClick);
    FieldRow(m_masterLayout, {
        Labelled(QStringLiteral("[ 입고확인 ]  입고일자"), {medPUT_DATE}),
        Labelled(QStringLiteral("확정사원"), {edtPUT_EMP_NO, pbtnPUT_EMP_NO, edtPUT_EMP_NO_NM}),
        Bare(bbtAppr), Bare(pbIng), Bare(bbtSelectAll), Bare(bbtSelectCancel),
    }, m_masterLayout->count());
    m_masterLayout->addStretch(1);

    using namespace widgets;
    cdsOC010MS = new RecordSet(this);
    rgdOC010MS = new DataGrid(panDisplay);
    rgdOC010MS->setObjectName(QStringLiteral("rgdOC010MS"));
    rgdOC010MS->setRecordSet(cdsOC010MS);
    rgdOC010MS->setColumns({
        {"SEL", "선택", 36, {}, col::Tick | col::Center},           // 0
        {"INSP_DATE", "검수일자", 80, "yyyy-mm-dd", col::Sortable},
        {"C_CODE", "거래처코드", 0},
        {"C_CODE_NM", "거래처명", 140, {}, col::Sortable},
        {"INSP_NUM", "검수넘버", 0},
        {"INSP_NO", "입고번호", 100},                                // 5
        {"STRG_CODE", "창고코드", 0},
        {"STRG_CODE_NM", "입고창고", 100, {}, col::Sortable},
        {"INSP_EMP_NO", "검수사번", 0},
        {"INSP_EMP_NO_NM", "검수자", 70},
        {"INSP_NAME", "업체검수자", 80},                             // 10
        {"PUT_DATE", "입고일자", 80, "yyyy-mm-dd", col::Sortable},
        {"PUT_EMP_NO", "입고사번", 0},
        {"PUT_EMP_NO_NM", "입고사원", 70},
        {"PUT_AMT", "금  액", 90, "#,##0"},
        {"TAX_AMT", "부가세액", 80, "#,##0"},                         // 15
        {"SUM_AMT", "합계금액", 90, "#,##0"},
        {"STRG_GUBUN", "입고즉시출고", 0},
    });
    rgdOC010MS->addColumnGroup(QStringLiteral("검  수  확  인"), 9, 10);
    rgdOC010MS->addColumnGroup(QStringLiteral("입  고  확  인"), 11, 13);
    rgdOC010MS->setFooterCount(1);
    rgdOC010MS->setFooterTitle(0, QStringLiteral("갯수"));
    rgdOC010MS->setRowStyler([this](int row, CellStyle &style) {
        style.background = cdsOC010MS->value(row, QStringLiteral("PUT_DATE")).toString().isEmpty()
            ? QColor(Qt::white) : palette().color(QPalette::Button);
    });
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOC010MS, 1);
    setListRecords(cdsOC010MS);
    OnUserAction(cdsOC010MS, &RecordSet::afterScroll, this, [this] { rgdOC010MSRowChange(); });
    OnUserAction(rgdOC010MS, &GridBase::titleClicked, this, [this] { rgdOC010MSRowChange(); });

    cdsOC010DT = new RecordSet(this);
    rgdOC010DT = new DataGrid(panDisplay);
    rgdOC010DT->setObjectName(QStringLiteral("rgdOC010DT"));
    rgdOC010DT->setRecordSet(cdsOC010DT);
    rgdOC010DT->setReadOnly(true);
    rgdOC010DT->setRowSelect(true);
    rgdOC010DT->setColumns({
        {"INSP_SEQ", "순번", 0},
        {"ITEM_CODE", "품목코드", 0},
        {"ITEM_NAME", "품 목 명", 170},
        {"ITEM_STANDARD1", "규    격", 110},
        {"PUT_QTY", "수량", 70, "#,##0.0"},
        {"SOOBUL_UNIT_NM", "단위", 50},
        {"COST_AMT", "단  가", 90, "#,##0.0000"},
        {"AMT", "금  액", 90, "#,##0"},
        {"TAX_AMT", "부가세액", 80, "#,##0"},
        {"REMARK", "비    고", 140},
        {"ORDE_NO", "발주번호", 0},
        {"ORDE_SEQ", "발주품목순번", 0},
    });
    rgdOC010DT->setFooterCount(1);
    rgdOC010DT->setFooterTitle(0, QStringLiteral("갯수"));
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOC010DT, 1);

    FormCreate();
    InstallLookups({lookup::Supplier(QStringLiteral("pbtnC_CODE_S"),
                                     {QStringLiteral("edtC_CODE_S"), QStringLiteral("edtC_CODE_NM_S")}, false)});
    for (QWidget *w : std::initializer_list<QWidget *>{panInput, bbtAdd, bbtEdit, bbtDelete, bbtSave, bbtCancel})
        w->hide();
    HookControls(panMaster);

    const QString today = GetSystemDate();
    medINSP_DATE_S->setPlainText(today);
    medINSP_DATE_E->setPlainText(today);
    medPUT_DATE->setPlainText(today);
    edtPUT_EMP_NO->setText(gEmpNo);
    edtPUT_EMP_NO_NM->setText(db::Query::scalar(ScreenConnection(),
        QStringLiteral("SELECT MAX(EMP_K_NAME) FROM QA010MS WHERE EMP_NO = :EMP_NO"), {{QStringLiteral("EMP_NO"), gEmpNo}}));
    // The lists open empty: a search that cannot match, then the filter is cleared.
    edtINSP_NO_S->setText(QStringLiteral("~"));
    glSelect();
    edtINSP_NO_S->clear();
    glEnabledCheck();
}

void TfrmOCI020::glSelect()
{
    cdsOC010DT->clear();
    const QString state = cobAPPR_GUBUN->currentText();
    const QString condition = state == kConfirmed ? QStringLiteral("\n  AND A.PUT_DATE IS NOT NULL")
                              : state == kUnconfirmed ? QStringLiteral("\n  AND A.PUT_DATE IS NULL")
                                                      : QString();
    RecordCount = OpenRecords(*cdsOC010MS, ScreenConnection(), kSelect.arg(condition),
                              {{QStringLiteral("INSP_DATE_S"), medINSP_DATE_S->dateText()},
                               {QStringLiteral("INSP_DATE_E"), medINSP_DATE_E->dateText()},
                               {QStringLiteral("C_CODE"), edtC_CODE_S->text().trimmed()},
                               {QStringLiteral("INSP_NO"), edtINSP_NO_S->text().trimmed()}});
    rgdOC010MS->showRowCount(0, 0);
    ShowRecordCount();
    rgdOC010MSRowChange();
}

void TfrmOCI020::rgdOC010MSRowChange()
{
    if (cdsOC010MS->isLoading())
        return;
    const int row = cdsOC010MS->currentRow();
    const ReceiptKey key = row >= 0 ? ReceiptKey{cdsOC010MS->text(QStringLiteral("INSP_DATE")),
                                                 cdsOC010MS->text(QStringLiteral("C_CODE")),
                                                 cdsOC010MS->text(QStringLiteral("INSP_NUM"))}
                                    : ReceiptKey{};
    OpenRecords(*cdsOC010DT, ScreenConnection(), kLines, KeyParams(key));
    rgdOC010DT->showRowCount(0, 2);
    const auto header = [&](const char *field) {
        return row >= 0 ? widgets::formatNumber(cdsOC010MS->value(row, QLatin1String(field)).toDouble(), QStringLiteral("#,##0"))
                        : QString();
    };
    rgdOC010DT->setFooterText(0, 7, header("PUT_AMT"));
    rgdOC010DT->setFooterText(0, 8, header("TAX_AMT"));
    bbtAppr->setText(row >= 0 && !cdsOC010MS->text(QStringLiteral("PUT_DATE")).isEmpty() ? QStringLiteral("입고취소")
                                                                                        : QStringLiteral("입고확정"));
}

void TfrmOCI020::tickAll(const QString &tick)
{
    for (int row = 0; row < cdsOC010MS->recordCount(); ++row)
        cdsOC010MS->setValue(row, QStringLiteral("SEL"), tick);
    rgdOC010MS->viewport()->update();
}

void TfrmOCI020::bbtSelectAllClick() { tickAll(QStringLiteral("1")); }

void TfrmOCI020::bbtSelectCancelClick() { tickAll(QStringLiteral("0")); }

void TfrmOCI020::processRow(int row, const QString &putDate, const QString &putEmpNo)
{
    db::Connection &conn = ScreenConnection();
    const auto shown = [&](const char *field) { return cdsOC010MS->value(row, QLatin1String(field)).toString().trimmed(); };
    const ReceiptKey key{shown("INSP_DATE"), shown("C_CODE"), shown("INSP_NUM")};
    // Taking the row first makes another workstation's run on it wait for this
    // one, or this one see what the other committed.
    db::Query lock(conn, QStringLiteral("UPDATE OC010MS SET PUT_DATE = PUT_DATE "
                                        "WHERE INSP_DATE = :INSP_DATE AND C_CODE = :C_CODE AND INSP_NUM = :INSP_NUM"));
    for (const auto &p : KeyParams(key))
        lock.bind(p.first, p.second);
    lock.exec();
    db::Query now(conn, QStringLiteral("SELECT PUT_DATE, PUT_EMP_NO FROM OC010MS "
                                       "WHERE INSP_DATE = :INSP_DATE AND C_CODE = :C_CODE AND INSP_NUM = :INSP_NUM"));
    for (const auto &p : KeyParams(key))
        now.bind(p.first, p.second);
    now.exec();
    if (!now.next() || now.text(0) != shown("PUT_DATE") || now.text(1).trimmed() != shown("PUT_EMP_NO")) {
        ShowInfo(QStringLiteral("[입고번호 : %1] 현재내용과 다릅니다. 확인하시고 처리하십시오.").arg(shown("INSP_NO")));
        return;
    }
    if (shown("PUT_DATE").isEmpty())
        confirmReceipt(conn, key, putDate, putEmpNo);
    else
        reverseReceipt(conn, key);
}

void TfrmOCI020::bbtApprClick()
{
    const QString putDate = medPUT_DATE->dateText();
    if (putDate.isEmpty()) {
        ShowInfo(QStringLiteral("입고일자는 반드시 입력하세요"));
        medPUT_DATE->setFocus();
        return;
    }
    const QString putEmpNo = edtPUT_EMP_NO->text().trimmed();
    if (putEmpNo.isEmpty()) {
        ShowInfo(QStringLiteral("입고확인자는 반드시 입력하세요"));
        edtPUT_EMP_NO->setFocus();
        return;
    }
    if (RefuseClosedDay(putDate)) {
        medPUT_DATE->setFocus();
        return;
    }
    db::Connection &conn = ScreenConnection();
    pbIng->setRange(0, qMax(0, cdsOC010MS->recordCount() - 1));
    try {
        db::Transaction tx(conn);
        for (int row = 0; row < cdsOC010MS->recordCount(); ++row) {
            pbIng->setValue(row);
            if (cdsOC010MS->value(row, QStringLiteral("SEL")).toString() == QLatin1String("1"))
                processRow(row, putDate, putEmpNo);
        }
        tx.commit();
    } catch (const EUserExcept &refusal) {
        // Nothing of the run stays; the ticks stay for another try.
        pbIng->setValue(0);
        ShowInfo(QString::fromUtf8(refusal.what()));
        return;
    } catch (...) {
        pbIng->setValue(0);
        throw;
    }
    glSelect();
    pbIng->setValue(0);
}

void TfrmOCI020::employeePicked()
{
    if (pbtnPUT_EMP_NO->ModalResult != QDialog::Accepted || pbtnPUT_EMP_NO->ReturnValue.isEmpty())
        return;
    edtPUT_EMP_NO->setText(pbtnPUT_EMP_NO->ReturnValue.value(0).trimmed());
    edtPUT_EMP_NO_NM->setText(pbtnPUT_EMP_NO->ReturnValue.value(1).trimmed());
}

void TfrmOCI020::glOnEnterEvent(QWidget *control)
{
    TfrmZOI010::glOnEnterEvent(control);
    if (control == edtPUT_EMP_NO)
        edtPUT_EMP_NO_NM->clear();
}

void TfrmOCI020::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        kit::CheckDateOnLeave(mask);
    else if (control == edtPUT_EMP_NO && !edtPUT_EMP_NO->text().trimmed().isEmpty() && edtPUT_EMP_NO_NM->text().isEmpty())
        pbtnPUT_EMP_NO->SearchByLink();
    else if (control == edtPUT_EMP_NO && edtPUT_EMP_NO->text().trimmed().isEmpty())
        edtPUT_EMP_NO_NM->clear();
}

bool TfrmOCI020::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == edtPUT_EMP_NO && event->key() == Qt::Key_F1) {
        pbtnPUT_EMP_NO->Click();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}

#include "moc_OCI020.cpp"
