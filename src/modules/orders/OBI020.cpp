#include "modules/orders/OBI020.h"

#include "db/Query.h"
#include "framework/Controls.h"
#include "framework/ErrorDisplay.h"
#include "framework/Lookups.h"
#include "framework/PopupBtn.h"
#include "framework/Records.h"
#include "framework/SharedSql.h"
#include "modules/orders/OrderCommon.h"
#include "session/Dialogs.h"
#include "session/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace orders;

namespace {

const QString kSelect = QStringLiteral(R"(SELECT '0' SEL, A.ORDE_DATE, A.ORDE_NUM, A.ORDE_NO, A.C_CODE,
  (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = A.C_CODE) C_CODE_NM,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = B.STRG_CODE) STRG_NAME,
  %1 APPR_GUBUN_NM, A.APPR_DATE, A.APPR_EMP_NO,
  (SELECT MAX(E.EMP_K_NAME) FROM QA010MS E WHERE E.EMP_NO = A.APPR_EMP_NO) APPR_EMP_NO_NM,
  A.GIVE_TERM, A.PAYM_TERM, A.DELI_TERM, A.REPA_TERM, A.ORDE_AMT, A.PUT_DATE, A.ORDE_CHAR, A.ORDE_TEL, A.REMARK,
  A.APPR_GUBUN
FROM OB010MS A LEFT JOIN OA010MS B ON B.PURC_NO = A.PURC_NO
WHERE A.ORDE_DATE BETWEEN :ORDE_DATE_S AND :ORDE_DATE_E
  AND A.C_CODE LIKE COALESCE(:C_CODE,'') || '%'
  AND A.ORDE_NO LIKE COALESCE(:ORDE_NO,'') || '%'
  AND COALESCE(A.APPR_GUBUN,'') LIKE COALESCE(:APPR_GUBUN,'') || '%'
ORDER BY A.ORDE_DATE, A.C_CODE, A.ORDE_NUM)").arg(sql::OrderStatusNameSql(QStringLiteral("A.APPR_GUBUN")));

const char *const kEmployees = "SELECT EMP_NO, EMP_K_NAME FROM QA010MS\nORDER BY EMP_NO";
const char *const kEmployeesTyped = "SELECT EMP_NO, EMP_K_NAME FROM QA010MS\nWHERE EMP_NO LIKE :EMP_NO || '%'\nORDER BY EMP_NO";

} // namespace

TfrmOBI020::TfrmOBI020(QWidget *parent) : TfrmZOI010(QStringLiteral("OBI020"), parent)
{
    setObjectName(QStringLiteral("frmOBI020"));
    setWindowTitle(QStringLiteral("구매발주 확정"));

    medORDE_DATE_S = kit::DateBox(panSearch, "medORDE_DATE_S");
    medORDE_DATE_E = kit::DateBox(panSearch, "medORDE_DATE_E");
    edtORDE_NO_S = kit::TextBox(panSearch, "edtORDE_NO_S", 15);
    cobAPPR_GUBUN = new QComboBox(panSearch);
    cobAPPR_GUBUN->setObjectName(QStringLiteral("cobAPPR_GUBUN"));
    // Each entry is the name padded to 100 characters and its code last.
    const QList<QPair<QString, QChar>> states = {{QStringLiteral("전    체"), u' '}, {QStringLiteral("확정취소"), u'1'},
                                                 {QStringLiteral("확    정"), u'2'}, {QStringLiteral("미 확 정"), u'3'}};
    for (const auto &s : states)
        cobAPPR_GUBUN->addItem(s.first.leftJustified(100, u' ') + s.second);
    cobAPPR_GUBUN->setCurrentIndex(0);
    cobAPPR_GUBUN->setFixedWidth(100);
    edtC_CODE = kit::TextBox(panSearch, "edtC_CODE", 10, kit::ReadOnly, 70);
    edtC_CODE_NM = kit::TextBox(panSearch, "edtC_CODE_NM");
    kit::FieldRow(m_searchLayout, {
        kit::Labelled(QStringLiteral("발주기간"), {medORDE_DATE_S}),
        kit::Labelled(QStringLiteral("~"), {medORDE_DATE_E}),
        kit::Labelled(QStringLiteral("발주번호"), {edtORDE_NO_S}),
        kit::Labelled(QStringLiteral("확정구분"), {cobAPPR_GUBUN}),
        kit::Labelled(QStringLiteral("거 래 처"), {edtC_CODE_NM, edtC_CODE}),
    });

    // The confirmation panel in the bar under the search panel.
    medAPPR_DATE = kit::DateBox(panMaster, "medAPPR_DATE");
    edtAPPR_EMP_NO = kit::TextBox(panMaster, "edtAPPR_EMP_NO", 8, kit::Plain, 80);
    pbtnAPPR_EMP_NO = new TPopupBtn(panMaster);
    pbtnAPPR_EMP_NO->setObjectName(QStringLiteral("pbtnAPPR_EMP_NO"));
    pbtnAPPR_EMP_NO->SQL = QString::fromLatin1(kEmployees).split(u'\n');
    pbtnAPPR_EMP_NO->LinkSQL = QString::fromLatin1(kEmployeesTyped).split(u'\n');
    pbtnAPPR_EMP_NO->LinkControl = edtAPPR_EMP_NO;
    connect(pbtnAPPR_EMP_NO, &TPopupBtn::afterClick, this, &TfrmOBI020::employeePicked);
    edtAPPR_EMP_NO_NM = kit::TextBox(panMaster, "edtAPPR_EMP_NO_NM", 0, kit::ReadOnly, 100);
    edtAPPR_EMP_NO_NM->setFocusPolicy(Qt::NoFocus);
    bbtAppr = makeButton(panMaster, QStringLiteral("bbtAppr"), QStringLiteral("발주확정"));
    OnUserAction(bbtAppr, &QPushButton::clicked, this, [this] { bbtApprClick(); });
    kit::FieldRow(m_masterLayout, {
        kit::Labelled(QStringLiteral("[ 발주확정 ]  확정일자"), {medAPPR_DATE}),
        kit::Labelled(QStringLiteral("확정사원"), {edtAPPR_EMP_NO, pbtnAPPR_EMP_NO, edtAPPR_EMP_NO_NM}),
        kit::Bare(bbtAppr),
    }, m_masterLayout->count());
    m_masterLayout->addStretch(1);

    using namespace widgets;
    cdsOB010MS = new RecordSet(this);
    rgdOB010MS = new DataGrid(panDisplay);
    rgdOB010MS->setObjectName(QStringLiteral("rgdOB010MS"));
    rgdOB010MS->setRecordSet(cdsOB010MS);
    rgdOB010MS->setColumns({
        {"SEL", "선택", 36, {}, col::Tick | col::Center},                       // 0
        {"ORDE_DATE", "발주일자", 80, "yyyy-mm-dd", col::Sortable},              // 1
        {"ORDE_NUM", "", 0},
        {"ORDE_NO", "발주번호", 100},
        {"C_CODE", "", 0},
        {"C_CODE_NM", "거래처명", 130, {}, col::Sortable},                      // 5
        {"STRG_NAME", "창고명", 90},
        {"APPR_GUBUN_NM", "구 분", 70, {}, col::Center | col::Sortable},        // 7
        {"APPR_DATE", "일 자", 80, "yyyy-mm-dd"},
        {"APPR_EMP_NO", "", 0},
        {"APPR_EMP_NO_NM", "사 원", 70},                                         // 10
        {"GIVE_TERM", "", 0},
        {"PAYM_TERM", "지불조건", 90},
        {"DELI_TERM", "인도조건", 90},
        {"REPA_TERM", "", 0},                                                     // 14
        {"ORDE_AMT", "금  액", 90, "#,##0"},
        {"PUT_DATE", "납기예정", 80, "yyyy-mm-dd"},                              // 16
        {"ORDE_CHAR", "", 0},
        {"ORDE_TEL", "연락처", 90},                                               // 18
        {"REMARK", "비고", 140},
        {"APPR_GUBUN", "", 0},
    });
    rgdOB010MS->addColumnGroup(QStringLiteral("발 주 확 정"), 7, 10);
    rgdOB010MS->addColumnGroup(QStringLiteral("계 약 조 건"), 11, 14);
    rgdOB010MS->addColumnGroup(QStringLiteral("발 주 담 당"), 16, 18);
    rgdOB010MS->setRowStyler([this](int row, CellStyle &style) {
        style.background = cdsOB010MS->value(row, QStringLiteral("APPR_GUBUN")).toString() == QLatin1String("2")
            ? palette().color(QPalette::Button) : QColor(Qt::white);
    });
    rgdOB010MS->setCellStyler([this](int column, int row, CellStyle &style) {
        if (rgdOB010MS->column(column).field == QLatin1String("APPR_GUBUN_NM")
            && cdsOB010MS->value(row, QStringLiteral("APPR_GUBUN_NM")).toString() == QLatin1String("확    정"))
            style.foreground = QColor(Qt::blue);
    });
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOB010MS, 1);
    setListRecords(cdsOB010MS);
    OnUserAction(cdsOB010MS, &RecordSet::afterScroll, this, [this] { rgdOB010MSRowChange(); });
    OnUserAction(rgdOB010MS, &GridBase::titleClicked, this, [this] { rgdOB010MSRowChange(); });

    cdsOB010DT = new RecordSet(this);
    rgdOB010DT = orderLineGrid(panDisplay, cdsOB010DT, QStringLiteral("비    고"));
    rgdOB010DT->setFixedColumns(2);
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOB010DT, 1);

    FormCreate();
    InstallLookups({lookup::Supplier(QStringLiteral("pbtnC_CODE"), {QStringLiteral("edtC_CODE"), QStringLiteral("edtC_CODE_NM")}, false)});
    for (QWidget *w : std::initializer_list<QWidget *>{panInput, panRecordCount, bbtAdd, bbtEdit, bbtDelete, bbtSave, bbtCancel})
        w->hide();
    HookControls(panMaster);

    const QString today = GetSystemDate();
    medORDE_DATE_S->setPlainText(today);
    medORDE_DATE_E->setPlainText(today);
    medAPPR_DATE->setPlainText(today);
    edtAPPR_EMP_NO->setText(gEmpNo);
    edtAPPR_EMP_NO_NM->setText(db::Query::scalar(ScreenConnection(), QStringLiteral("SELECT MAX(EMP_K_NAME) FROM QA010MS WHERE EMP_NO = :EMP_NO"),
                                                 {{QStringLiteral("EMP_NO"), gEmpNo}}));
}

void TfrmOBI020::glSelect()
{
    cdsOB010DT->clear();
    const QString state = cobAPPR_GUBUN->currentText().right(1).trimmed();
    RecordCount = OpenRecords(*cdsOB010MS, ScreenConnection(), kSelect,
                              {{QStringLiteral("ORDE_DATE_S"), medORDE_DATE_S->dateText()},
                               {QStringLiteral("ORDE_DATE_E"), medORDE_DATE_E->dateText()},
                               {QStringLiteral("C_CODE"), edtC_CODE->text().trimmed()},
                               {QStringLiteral("ORDE_NO"), edtORDE_NO_S->text().trimmed()},
                               {QStringLiteral("APPR_GUBUN"), state}});
    rgdOB010MSRowChange();
}

void TfrmOBI020::rgdOB010MSRowChange()
{
    if (cdsOB010MS->isLoading())
        return;
    loadOrderLines(*cdsOB010DT, *cdsOB010MS);
    rgdOB010DT->showRowCount(0, 1);
    const bool any = cdsOB010MS->currentRow() >= 0;
    bbtAppr->setText(any && cdsOB010MS->text(QStringLiteral("APPR_GUBUN")) == QLatin1String("2") ? QStringLiteral("발주취소")
                                                                                                 : QStringLiteral("발주확정"));
}

void TfrmOBI020::bbtApprClick()
{
    const QString date = medAPPR_DATE->dateText();
    if (date.isEmpty()) {
        ShowInfo(QStringLiteral("의뢰일자는 반드시 입력하세요"));
        medAPPR_DATE->setFocus();
        return;
    }
    const QString emp = edtAPPR_EMP_NO->text().trimmed();
    if (emp.isEmpty()) {
        ShowInfo(QStringLiteral("사원번호는 반드시 입력하세요"));
        edtAPPR_EMP_NO->setFocus();
        return;
    }
    struct Change { int row; QString code; };
    QList<Change> changes;
    db::Connection &conn = ScreenConnection();
    try {
        db::Transaction tx(conn);
        for (int row = 0; row < cdsOB010MS->recordCount(); ++row) {
            auto v = [&](const char *f) { return cdsOB010MS->value(row, QString::fromLatin1(f)).toString().trimmed(); };
            if (v("SEL") != QLatin1String("1"))
                continue;
            const Params key = {{QStringLiteral("ORDE_DATE"), v("ORDE_DATE")}, {QStringLiteral("C_CODE"), v("C_CODE")},
                                {QStringLiteral("ORDE_NUM"), v("ORDE_NUM")}};
            const QString now = db::Query::scalar(conn, QStringLiteral(
                "SELECT APPR_GUBUN FROM OB010MS WHERE ORDE_DATE = :ORDE_DATE AND C_CODE = :C_CODE AND ORDE_NUM = :ORDE_NUM"), key);
            if (now != v("APPR_GUBUN")) {
                ShowInfo(QStringLiteral("[발주번호 : %1] 현재내용과 다릅니다. 확인하시고 처리하십시오.").arg(v("ORDE_NO")));
                continue;
            }
            const QString code = now == QLatin1String("2") ? QStringLiteral("1") : QStringLiteral("2");
            db::Query q(conn, QStringLiteral(
                "UPDATE OB010MS SET APPR_GUBUN = :APPR_GUBUN , APPR_EMP_NO = :APPR_EMP_NO , APPR_DATE = :APPR_DATE "
                "WHERE ORDE_DATE = :ORDE_DATE AND C_CODE = :C_CODE AND ORDE_NUM = :ORDE_NUM"));
            q.bind(QStringLiteral("APPR_GUBUN"), code).bind(QStringLiteral("APPR_EMP_NO"), emp).bind(QStringLiteral("APPR_DATE"), date);
            for (const auto &p : key)
                q.bind(p.first, p.second);
            q.exec();
            changes << Change{row, code};
        }
        tx.commit();
    } catch (const std::exception &) {
        return;   // the whole batch is rolled back
    }
    for (const Change &c : changes) {
        cdsOB010MS->setValue(c.row, QStringLiteral("APPR_GUBUN"), c.code);
        cdsOB010MS->setValue(c.row, QStringLiteral("APPR_GUBUN_NM"),
                             c.code == QLatin1String("2") ? QStringLiteral("확    정") : QStringLiteral("확정취소"));
        cdsOB010MS->setValue(c.row, QStringLiteral("APPR_DATE"), date);
        cdsOB010MS->setValue(c.row, QStringLiteral("APPR_EMP_NO"), emp);
        cdsOB010MS->setValue(c.row, QStringLiteral("APPR_EMP_NO_NM"), edtAPPR_EMP_NO_NM->text());
    }
    rgdOB010MS->viewport()->update();
    rgdOB010MSRowChange();
}

void TfrmOBI020::employeePicked()
{
    if (pbtnAPPR_EMP_NO->ModalResult != QDialog::Accepted || pbtnAPPR_EMP_NO->ReturnValue.isEmpty())
        return;
    edtAPPR_EMP_NO->setText(pbtnAPPR_EMP_NO->ReturnValue.value(0).trimmed());
    edtAPPR_EMP_NO_NM->setText(pbtnAPPR_EMP_NO->ReturnValue.value(1).trimmed());
}

void TfrmOBI020::glOnEnterEvent(QWidget *control)
{
    TfrmZOI010::glOnEnterEvent(control);
    if (control == edtAPPR_EMP_NO)
        edtAPPR_EMP_NO_NM->clear();
}

// Leaving the employee box looks the typed number up; a number with a name
// already shown (chosen while the box kept the focus) stays as chosen.
void TfrmOBI020::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        kit::CheckDateOnLeave(mask);
    else if (control == edtAPPR_EMP_NO && !edtAPPR_EMP_NO->text().trimmed().isEmpty() && edtAPPR_EMP_NO_NM->text().isEmpty())
        pbtnAPPR_EMP_NO->SearchByLink();
    else if (control == edtAPPR_EMP_NO && edtAPPR_EMP_NO->text().trimmed().isEmpty())
        edtAPPR_EMP_NO_NM->clear();
}

bool TfrmOBI020::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == edtAPPR_EMP_NO && event->key() == Qt::Key_F1) {
        pbtnAPPR_EMP_NO->Click();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}

#include "moc_OBI020.cpp"
