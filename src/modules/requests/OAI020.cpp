#include "modules/requests/OAI020.h"

#include "db/Query.h"
#include "framework/Controls.h"
#include "framework/ErrorDisplay.h"
#include "framework/PopupBtn.h"
#include "framework/SharedSql.h"
#include "modules/requests/RequestData.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/PlainGrid.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace requests;

namespace {

const char *const kApprove =
    "UPDATE OA010MS SET APPR_GUBUN = :APPR_GUBUN , APPR_EMP_NO = :APPR_EMP_NO , APPR_DATE = :APPR_DATE "
    " WHERE PURC_DATE = :PURC_DATE AND STRG_CODE = :STRG_CODE AND PURC_NUM = :PURC_NUM";

// A status list entry: the name in a field of 100 characters, then the code.
QString statusEntry(const QString &name, QChar code) { return name.leftJustified(100, u' ') + code; }

} // namespace

TfrmOAI020::TfrmOAI020(QWidget *parent) : TfrmZOI010(QStringLiteral("OAI020"), parent)
{
    setObjectName(QStringLiteral("frmOAI020"));
    setWindowTitle(QStringLiteral("구매의뢰 승인"));
    // Approval only: none of the entry cycle.
    panInput->hide();
    for (QPushButton *b : {bbtAdd, bbtEdit, bbtDelete, bbtSave, bbtCancel})
        b->hide();

    // Search panel "[ 의뢰조회 ]"
    using namespace kit;
    medPURC_DATE_S = DateBox(panSearch, "medPURC_DATE_S");
    medPURC_DATE_E = DateBox(panSearch, "medPURC_DATE_E");
    edtSTRG_CODE_S = CodeBox(panSearch, "edtSTRG_CODE_S", 3, 40);
    edtSTRG_CODE_NM_S = TextBox(panSearch, "edtSTRG_CODE_NM_S", 0, ReadOnly, 120);
    edtPURC_NO_S = CodeBox(panSearch, "edtPURC_NO_S", 15, 120);
    cobAPPR_GUBUN = new QComboBox(panSearch);
    cobAPPR_GUBUN->setObjectName(QStringLiteral("cobAPPR_GUBUN"));
    cobAPPR_GUBUN->addItem(statusEntry(QStringLiteral("전    체"), u' '));
    cobAPPR_GUBUN->addItem(statusEntry(QStringLiteral("승인취소"), u'1'));
    cobAPPR_GUBUN->addItem(statusEntry(QStringLiteral("승    인"), u'2'));
    cobAPPR_GUBUN->addItem(statusEntry(QStringLiteral("미 결 재"), u'3'));
    cobAPPR_GUBUN->setFixedWidth(90);
    FieldRow(m_searchLayout, {
        Labelled(QStringLiteral("의뢰기간"), {medPURC_DATE_S}),
        Labelled(QStringLiteral("~"), {medPURC_DATE_E}),
        Labelled(QStringLiteral("의뢰창고"), {edtSTRG_CODE_S, edtSTRG_CODE_NM_S}),
        Labelled(QStringLiteral("의뢰번호"), {edtPURC_NO_S}),
        Labelled(QStringLiteral("확정구분"), {cobAPPR_GUBUN}),
    });

    // Approval panel "[ 의뢰확정 ]" in the bar under the search panel.
    auto *approval = new QGroupBox(QStringLiteral("[ 의뢰확정 ]"), panMaster);
    approval->setObjectName(QStringLiteral("panAppr"));
    auto *approvalLayout = new QHBoxLayout(approval);
    approvalLayout->setContentsMargins(6, 0, 6, 0);
    medAPPR_DATE = DateBox(approval, "medAPPR_DATE");
    edtAPPR_EMP_NO = CodeBox(approval, "edtAPPR_EMP_NO", 8, 80);
    edtAPPR_EMP_NO_NM = TextBox(approval, "edtAPPR_EMP_NO_NM", 0, ReadOnly, 100);
    bbtAppr = makeButton(approval, QStringLiteral("bbtAppr"), QStringLiteral("의뢰확정"));
    FieldRow(approvalLayout, {
        Labelled(QStringLiteral("확정일자"), {medAPPR_DATE}),
        Labelled(QStringLiteral("확정사원"), {edtAPPR_EMP_NO, edtAPPR_EMP_NO_NM}),
        Bare(bbtAppr),
    });
    m_masterLayout->addWidget(approval);
    m_masterLayout->addStretch(1);

    using namespace widgets;
    cdsOA010MS = new RecordSet(this);
    rgdOA010MS = new DataGrid(panDisplay);
    rgdOA010MS->setObjectName(QStringLiteral("rgdOA010MS"));
    rgdOA010MS->setColumns({
        // field            title          width  format  options
        {"SEL",            "선택",           36,  {},     col::Tick},
        {"PURC_DATE",      "의뢰일자",        80,  {},     col::Sortable},
        {"DEPT_CODE",      "부서코드",        60},
        {"DEPT_CODE_NM",   "부서명",         110,  {},     col::Sortable},
        {"STRG_CODE",      "창고코드",        60},
        {"STRG_CODE_NM",   "의뢰창고",       120,  {},     col::Sortable},
        {"PURC_NUM",       "",                0},
        {"PLAN_DATE",      "입고예정",        80},
        {"PURC_NO",        "의뢰번호",       110},
        {"APPR_GUBUN",     "",                0},
        {"APPR_GUBUN_NM",  "확정구분",        70},
        {"APPR_DATE",      "확정일자",        80,  {},     col::Sortable},
        {"APPR_EMP_NO",    "",                0},
        {"APPR_EMP_NO_NM", "확정사원",        80},
        {"REMARK",         "비고",           180},
    });
    rgdOA010MS->setRecordSet(cdsOA010MS);
    rgdOA010MS->setFooterCount(1);
    rgdOA010MS->setFooterTitle(0, QStringLiteral("갯수"));
    rgdOA010MS->setRowStyler([this](int row, CellStyle &style) {
        style.background = cdsOA010MS->value(row, QStringLiteral("APPR_GUBUN")).toString() == QLatin1String("2")
            ? palette().color(QPalette::Button)
            : QColor(Qt::white);
    });
    setListRecords(cdsOA010MS);

    rgdOA010DT = new PlainGrid(panDisplay);
    rgdOA010DT->setObjectName(QStringLiteral("rgdOA010DT"));
    rgdOA010DT->setReadOnly(true);
    rgdOA010DT->setColumns({
        {"PURC_SEQ",       "No",              0},
        {"EMER_CHK",       "긴급",           36,  {},             col::Center},
        {"ITEM_CODE",      "",                0},
        {"ITEM_NAME",      "품 목 명",      160},
        {"ITEM_STANDARD1", "규    격",      100},
        {"QTY",            "수량",           70,  "#,##0.0"},
        {"NEED_QTY",       "월소요량",        70,  "#,##0"},
        {"GUMAE_UNIT_NM",  "단위",           40},
        {"ESTI_AMT",       "예상단가",        90,  "#,##0.0000"},
        {"REMARK",         "구매사유",       150},
        {"COST_AMT",       "확정단가",        90,  "#,##0.0000"},
        {"C_CODE_NM",      "거래처명",       120},
        {"C_CODE",         "",                0},
    });
    rgdOA010DT->setFixedColumns(3);
    rgdOA010DT->setFooterCount(1);
    rgdOA010DT->setFooterTitle(0, QStringLiteral("갯수"));
    rgdOA010DT->setCellStyler([this](int col, int row, CellStyle &style) {
        if (col == 1 && rgdOA010DT->cells(1, row) == QLatin1String("Y"))
            style.background = Qt::red;
    });
    auto *display = static_cast<QVBoxLayout *>(panDisplay->layout());
    display->addWidget(rgdOA010MS, 3);
    display->addWidget(rgdOA010DT, 2);

    connect(cdsOA010MS, &RecordSet::afterScroll, this, [this] { showCurrentRequest(); });
    connect(rgdOA010MS, &DataGrid::titleClicked, this, [this] { showCurrentRequest(); });
    OnUserAction(bbtAppr, &QPushButton::clicked, this, [this] { bbtApprClick(); });

    FormCreate();

    InstallLookups({
        lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE_S"), {QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("edtSTRG_CODE_NM_S")},
                          false, {.focusAfter = QStringLiteral("edtPURC_NO_S")}),
        lookup::Employee(QStringLiteral("pbtnAPPR_EMP_NO"), {QStringLiteral("edtAPPR_EMP_NO"), QStringLiteral("edtAPPR_EMP_NO_NM")}),
    });

    const QString today = GetSystemDate();
    medPURC_DATE_S->setPlainText(today);
    medPURC_DATE_E->setPlainText(today);
    medAPPR_DATE->setPlainText(today);
    cobAPPR_GUBUN->setCurrentIndex(0);
}

void TfrmOAI020::glSelect()
{
    TfrmZOI010::glSelect();
    rgdOA010DT->clearRows();
    RecordCount = OpenRequestHeaders(*cdsOA010MS, medPURC_DATE_S->dateText(), medPURC_DATE_E->dateText(),
                                     edtSTRG_CODE_S->text(), edtPURC_NO_S->text(),
                                     cobAPPR_GUBUN->currentText().right(1).trimmed());
    rgdOA010MS->clearSortMarks();
    rgdOA010MS->showRowCount(0, 0);
    ShowRecordCount();
}

void TfrmOAI020::showCurrentRequest()
{
    rgdOA010DT->clearRows();
    if (cdsOA010MS->currentRow() >= 0) {
        try {
            LoadRequestLines(*rgdOA010DT, {cdsOA010MS->text(QStringLiteral("PURC_DATE")),
                                           cdsOA010MS->text(QStringLiteral("STRG_CODE")),
                                           cdsOA010MS->text(QStringLiteral("PURC_NUM"))});
        } catch (const std::exception &e) {
            ShowStandardError(e);
        }
    }
    rgdOA010DT->showRowCount(0, 1);
    // A hint only: what each ticked row gets depends on its own status.
    bbtAppr->setText(cdsOA010MS->text(QStringLiteral("APPR_GUBUN")) == QLatin1String("2") ? QStringLiteral("의뢰취소")
                                                                                          : QStringLiteral("의뢰확정"));
}

void TfrmOAI020::bbtApprClick()
{
    const QString apprDate = medAPPR_DATE->dateText();
    if (apprDate.isEmpty()) {
        ShowInfo(QStringLiteral("의뢰일자는 반드시 입력하세요"));
        medAPPR_DATE->setFocus();
        return;
    }
    const QString empNo = edtAPPR_EMP_NO->text().trimmed();
    if (empNo.isEmpty()) {
        ShowInfo(QStringLiteral("사원번호는 반드시 입력하세요"));
        edtAPPR_EMP_NO->setFocus();
        return;
    }
    const QString approved = sql::RequestStatusName(QStringLiteral("2"));
    const QString cancelled = sql::RequestStatusName(QStringLiteral("1"));
    // Row → the status name it gets.
    QList<QPair<int, QString>> changes;
    for (int row = 0; row < cdsOA010MS->recordCount(); ++row) {
        if (cdsOA010MS->value(row, QStringLiteral("SEL")).toString() != QLatin1String("1"))
            continue;
        const QString name = cdsOA010MS->value(row, QStringLiteral("APPR_GUBUN_NM")).toString();
        if (name == sql::RequestStatusName(QStringLiteral("3")) || name == cancelled)
            changes.append({row, approved});
        else if (name == approved)
            changes.append({row, cancelled});
    }
    if (changes.isEmpty())
        return;
    const bool committed = RunInTransaction(FailureForm::Quiet, [&] {
        for (const auto &change : std::as_const(changes)) {
            const int row = change.first;
            db::Query q(ScreenConnection(), QString::fromLatin1(kApprove));
            q.bind(QStringLiteral("APPR_GUBUN"), change.second == approved ? QStringLiteral("2") : QStringLiteral("1"))
                .bind(QStringLiteral("APPR_EMP_NO"), empNo)
                .bind(QStringLiteral("APPR_DATE"), apprDate)
                .bind(QStringLiteral("PURC_DATE"), cdsOA010MS->value(row, QStringLiteral("PURC_DATE")).toString())
                .bind(QStringLiteral("STRG_CODE"), cdsOA010MS->value(row, QStringLiteral("STRG_CODE")).toString())
                .bind(QStringLiteral("PURC_NUM"), cdsOA010MS->value(row, QStringLiteral("PURC_NUM")).toString())
                .exec();
        }
    });
    if (!committed)
        return;
    // The status code, the row colour and the caption stay as searched; the
    // next search shows them anew.
    for (const auto &change : std::as_const(changes)) {
        cdsOA010MS->setValue(change.first, QStringLiteral("APPR_GUBUN_NM"), change.second);
        cdsOA010MS->setValue(change.first, QStringLiteral("APPR_DATE"), apprDate);
        cdsOA010MS->setValue(change.first, QStringLiteral("APPR_EMP_NO_NM"), edtAPPR_EMP_NO_NM->text());
    }
}

void TfrmOAI020::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *date = qobject_cast<widgets::MaskEdit *>(control)) {
        kit::CheckDateOnLeave(date);
        return;
    }
    // The approver is typed in browse mode, the screen's only mode, where the
    // declared lookup leaves typed codes alone: a whole number is searched,
    // anything else is no approver.
    if (control == edtAPPR_EMP_NO) {
        if (edtAPPR_EMP_NO->text().trimmed().size() == 8) {
            if (edtAPPR_EMP_NO_NM->text().isEmpty() || edtAPPR_EMP_NO->isModified()) {
                edtAPPR_EMP_NO->setModified(false);
                PopupBtn(QStringLiteral("pbtnAPPR_EMP_NO"))->SearchByLink();
            }
        } else {
            edtAPPR_EMP_NO->clear();
            edtAPPR_EMP_NO_NM->clear();
        }
    }
}

#include "moc_OAI020.cpp"
