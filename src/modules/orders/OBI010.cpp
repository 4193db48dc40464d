#include "modules/orders/OBI010.h"

#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/ErrorDisplay.h"
#include "framework/Lookups.h"
#include "framework/Records.h"
#include "framework/TextHelpers.h"
#include "modules/orders/OBI011.h"
#include "modules/orders/OrderCommon.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/Format.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace orders;

namespace {

const QString kSelect = QStringLiteral(R"(SELECT A.ORDE_DATE, A.C_CODE,
  (SELECT MAX(V.C_NAME) FROM VA050MS V WHERE V.C_CODE = A.C_CODE) C_CODE_NM,
  A.ORDE_NUM, A.PUT_DATE, A.ORDE_NO, A.ORDE_AMT, A.PURC_NO, A.ORDE_CHAR, A.ORDE_TEL, A.INSP_CHAR, A.INSP_TEL,
  A.DOCUMENT, A.GIVE_TERM, A.PAYM_TERM, A.DELI_TERM, A.REPA_TERM, A.APPR_GUBUN, %1 APPR_GUBUN_NM,
  (SELECT MAX(S.STRG_NAME) FROM OX060MS S WHERE S.STRG_CODE = B.STRG_CODE) STRG_CODE_NM, A.REMARK,
  B.STRG_CODE, (SELECT MAX(D.AFF_DEPT_NAME) FROM QA160MS D WHERE D.AFF_DEPT_CODE = B.DEPT_CODE) DEPT_CODE_NM
FROM OB010MS A LEFT JOIN OA010MS B ON B.PURC_NO = A.PURC_NO
WHERE A.ORDE_DATE BETWEEN :ORDE_DATE_S AND :ORDE_DATE_E
  AND A.C_CODE LIKE COALESCE(:C_CODE,'') || '%'
  AND A.ORDE_NO LIKE COALESCE(:ORDE_NO,'') || '%'
ORDER BY A.ORDE_DATE, A.C_CODE, A.ORDE_NUM)").arg(statusNameSql(QStringLiteral("A.APPR_GUBUN")));

const char *const kLines = R"(SELECT A.ORDE_SEQ, A.PURC_NO, A.PURC_SEQ, A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, A.QTY,
  (SELECT MAX(U.DETAIL_NAME) FROM ZX010MS U WHERE U.HEAD = 'Z0025' AND U.DETAIL = B.GUMAE_UNIT) GUMAE_UNIT_NM,
  A.COST_AMT, A.AMT, A.REMARK, A.PUT_END, A.PUT_QTY, A.ORDE_CANCEL, 0 STOCK_QTY, A.ORDE_SEQ OLD_SEQ,
  A.TAX_GUBUN, CASE A.TAX_GUBUN WHEN '1' THEN '1: 과  세' WHEN '2' THEN '2: 비과세' ELSE '' END TAX_GUBUN_NM,
  A.TAX_AMT, A.SUM_AMT
FROM OB010DT A JOIN OX010MS B ON B.ITEM_CODE = A.ITEM_CODE
WHERE A.ORDE_DATE = :ORDE_DATE AND A.C_CODE = :C_CODE AND A.ORDE_NUM = :ORDE_NUM
ORDER BY A.ORDE_SEQ)";

const char *const kItems = R"(SELECT A.ITEM_CODE, A.ITEM_NAME, A.ITEM_STANDARD1,
  (SELECT MAX(Z.DETAIL_NAME) FROM ZX010MS Z WHERE Z.HEAD = 'Z0025' AND Z.DETAIL = A.GUMAE_UNIT) GUMAE_UNIT_NM
FROM OX010MS A
WHERE A.USE_YN = 'Y'
ORDER BY A.ITEM_NAME)";

const char *const kHistory = R"(SELECT A.INSP_DATE, B.C_CODE, B.C_NAME, A.COST_AMT
FROM OC010DT A, VA050MS B
WHERE A.C_CODE = B.C_CODE AND A.ITEM_CODE = :ITEM_CODE
ORDER BY A.INSP_NO DESC
LIMIT 5)";

QComboBox *combo(QWidget *parent, const char *name, const QStringList &entries)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->addItems(entries);
    c->setCurrentIndex(-1);
    return c;
}

widgets::NumEdit *number(QWidget *parent, const char *name, int decimals, bool readOnly = false)
{
    auto *e = new widgets::NumEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setDecimals(decimals);
    e->setReadOnly(readOnly);
    e->setProperty("numeric", true);
    return e;
}

QString comboText(const QComboBox *c) { return c->currentText().trimmed(); }

} // namespace

TfrmOBI010::TfrmOBI010(QWidget *parent) : TfrmZOI010(QStringLiteral("OBI010"), parent)
{
    setObjectName(QStringLiteral("frmOBI010"));
    setWindowTitle(QStringLiteral("구매발주 등록"));
    buildLayout();
    FormCreate();

    InstallLookups({
        {QStringLiteral("pbtnC_CODE_S"), {QStringLiteral("edtC_CODE_S"), QStringLiteral("edtC_CODE_NM_S")},
         QString::fromLatin1(kSupplierSql), QStringLiteral("C_NAME"), TypedIn::Name, supplierTitles()},
        {QStringLiteral("pbtnC_CODE"), {QStringLiteral("edtC_CODE"), QStringLiteral("edtC_CODE_NM")},
         QString::fromLatin1(kSupplierInUseSql), QStringLiteral("C_NAME"), TypedIn::Name, supplierTitles()},
        {QStringLiteral("pbtnITEM_CODE"),
         {QStringLiteral("edtITEM_CODE"), QStringLiteral("edtITEM_NAME"), QStringLiteral("edtITEM_STANDARD1"), QStringLiteral("edtGUMAE_UNIT_NM")},
         QString::fromUtf8(kItems), QStringLiteral("ITEM_NAME"), TypedIn::Name, {}, {},
         {.afterPick = [this](TPopupBtn &) { itemChosen(); },
          .afterClear = [this] { edtStock_Qty->setValue(0); cdsHistory->clear(); }}},
    });

    const QString today = GetSystemDate();
    medORDE_DATE_S->setPlainText(today);
    medORDE_DATE_E->setPlainText(today);
    // The grids open empty: a search that cannot match, then the filter is cleared.
    edtORDE_NO_S->setText(QStringLiteral("~"));
    glSelect();
    edtORDE_NO_S->clear();
    setHeaderEditable(false, false);
    glEnabledCheck();
}

void TfrmOBI010::buildLayout()
{
    // Search panel.
    medORDE_DATE_S = dateEdit(panSearch, QStringLiteral("medORDE_DATE_S"));
    medORDE_DATE_E = dateEdit(panSearch, QStringLiteral("medORDE_DATE_E"));
    edtC_CODE_S = lineEdit(panSearch, QStringLiteral("edtC_CODE_S"), 10, true);
    edtC_CODE_S->setFixedWidth(70);
    edtC_CODE_NM_S = lineEdit(panSearch, QStringLiteral("edtC_CODE_NM_S"));
    edtORDE_NO_S = lineEdit(panSearch, QStringLiteral("edtORDE_NO_S"), 15);
    edtORDE_NO_S->setValidator(nullptr);
    connect(edtORDE_NO_S, &QLineEdit::textEdited, edtORDE_NO_S, [this](const QString &t) {
        if (t != t.toUpper()) {
            const int pos = edtORDE_NO_S->cursorPosition();
            edtORDE_NO_S->setText(t.toUpper());
            edtORDE_NO_S->setCursorPosition(pos);
        }
    });
    int at = 0;
    for (QWidget *w : std::initializer_list<QWidget *>{caption(panSearch, QStringLiteral("발주기간")), medORDE_DATE_S,
                                                       caption(panSearch, QStringLiteral("~")), medORDE_DATE_E,
                                                       caption(panSearch, QStringLiteral("거 래 처")), edtC_CODE_NM_S, edtC_CODE_S,
                                                       caption(panSearch, QStringLiteral("발주번호")), edtORDE_NO_S})
        m_searchLayout->insertWidget(at++, w);

    // Master list in the display panel.
    cdsOB010MS = new widgets::RecordSet(this);
    rgdOB010MS = new widgets::DataGrid(panDisplay);
    rgdOB010MS->setObjectName(QStringLiteral("rgdOB010MS"));
    rgdOB010MS->setRecordSet(cdsOB010MS);
    rgdOB010MS->setReadOnly(true);
    rgdOB010MS->setRowSelect(true);
    using namespace widgets;
    rgdOB010MS->setColumns({
        {"ORDE_DATE", "발주일자", 80, "yyyy-mm-dd"},
        {"C_CODE", "거래처", 60},
        {"C_CODE_NM", "거래처명", 140},
        {"ORDE_NUM", "", 0},
        {"PUT_DATE", "납기예정", 80, "yyyy-mm-dd"},
        {"ORDE_NO", "발주번호", 100},
        {"ORDE_AMT", "금  액", 90, "#,##0"},
        {"PURC_NO", "의뢰번호", 100},
        {"ORDE_CHAR", "", 0}, {"ORDE_TEL", "", 0}, {"INSP_CHAR", "", 0}, {"INSP_TEL", "", 0}, {"DOCUMENT", "", 0},
        {"GIVE_TERM", "", 0}, {"PAYM_TERM", "", 0}, {"DELI_TERM", "", 0}, {"REPA_TERM", "", 0}, {"APPR_GUBUN", "", 0},
        {"APPR_GUBUN_NM", "확정구분", 70, {}, col::Center},
        {"STRG_CODE_NM", "의뢰창고", 100},
        {"REMARK", "비    고", 160},
    });
    rgdOB010MS->setFooterCount(1);
    rgdOB010MS->setFooterTitle(0, QStringLiteral("갯수"));
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdOB010MS, 1);
    setListRecords(cdsOB010MS);
    connect(cdsOB010MS, &RecordSet::afterScroll, this, &TfrmOBI010::rgdOB010MSRowChange);
    connect(rgdOB010MS, &GridBase::cellDoubleClicked, this, [this] { bbtEditClick(); });

    // Header area between the list and the lines; enabled while editing.
    panHeader = new QGroupBox(panMain);
    panHeader->setObjectName(QStringLiteral("panHeader"));
    auto *h = new QGridLayout(panHeader);
    h->setContentsMargins(6, 4, 6, 4);
    medORDE_DATE = dateEdit(panHeader, QStringLiteral("medORDE_DATE"));
    edtC_CODE = lineEdit(panHeader, QStringLiteral("edtC_CODE"), 10, true);
    edtC_CODE->setFixedWidth(70);
    edtC_CODE_NM = lineEdit(panHeader, QStringLiteral("edtC_CODE_NM"));
    medPUT_DATE = dateEdit(panHeader, QStringLiteral("medPUT_DATE"));
    edtORDE_NO = lineEdit(panHeader, QStringLiteral("edtORDE_NO"), 15, true);
    edtREMARK_MS = lineEdit(panHeader, QStringLiteral("edtREMARK_MS"), 100);
    edtORDE_CHAR = lineEdit(panHeader, QStringLiteral("edtORDE_CHAR"), 30);
    edtORDE_TEL = lineEdit(panHeader, QStringLiteral("edtORDE_TEL"), 30);
    edtINSP_CHAR = lineEdit(panHeader, QStringLiteral("edtINSP_CHAR"), 30);
    edtINSP_TEL = lineEdit(panHeader, QStringLiteral("edtINSP_TEL"), 30);
    edtGIVE_TERM = lineEdit(panHeader, QStringLiteral("edtGIVE_TERM"), 30);
    edtPAYM_TERM = combo(panHeader, "edtPAYM_TERM", {QStringLiteral("당사결재조건"), QStringLiteral("당월현금"), QStringLiteral("익월현금"),
                                                     QStringLiteral("60일어음"), QStringLiteral("90일어음")});
    edtDELI_TERM = combo(panHeader, "edtDELI_TERM", {QStringLiteral("현장하차도"), QStringLiteral("현장도착도"), QString()});
    edtREPA_TERM = lineEdit(panHeader, QStringLiteral("edtREPA_TERM"), 30);
    edtDOCUMENT = combo(panHeader, "edtDOCUMENT", {QStringLiteral("세금계산서,거래명세표"), QStringLiteral("세금계산서,거래명세표,통장사본"),
                                                   QStringLiteral("세금계산서,거래명세표,성적서")});
    edtPURC_NO = lineEdit(panHeader, QStringLiteral("edtPURC_NO"), 15, true);
    edtDEPT_CODE_NM = lineEdit(panHeader, QStringLiteral("edtDEPT_CODE_NM"), 0, true);
    edtSTRG_CODE_NM = lineEdit(panHeader, QStringLiteral("edtSTRG_CODE_NM"), 0, true);
    edtSTRG_CODE = lineEdit(panHeader, QStringLiteral("edtSTRG_CODE"), 3, true);
    edtSTRG_CODE->hide();
    bbtPurcSerch = makeButton(panHeader, QStringLiteral("bbtPurcSerch"), QStringLiteral("구매의뢰 내역 조회"));
    bbtPurcSerch->setFixedWidth(130);
    connect(bbtPurcSerch, &QPushButton::clicked, this, &TfrmOBI010::bbtPurcSerchClick);
    auto cell = [&](int r, int c, const QString &text, QWidget *w, QWidget *w2 = nullptr) {
        h->addWidget(caption(panHeader, text), r, c);
        auto *box = new QHBoxLayout;
        box->setSpacing(2);
        if (w2)
            box->addWidget(w2);
        box->addWidget(w, 1);
        h->addLayout(box, r, c + 1);
    };
    cell(0, 0, QStringLiteral("발주일자"), medORDE_DATE);
    cell(0, 2, QStringLiteral("거 래 처"), edtC_CODE_NM, edtC_CODE);
    cell(0, 4, QStringLiteral("납기예정"), medPUT_DATE);
    cell(0, 6, QStringLiteral("발주번호"), edtORDE_NO);
    cell(1, 0, QStringLiteral("[ 발주 ] 담당"), edtORDE_CHAR);
    cell(1, 2, QStringLiteral("전화번호"), edtORDE_TEL);
    cell(1, 4, QStringLiteral("[ 검수 ] 담당"), edtINSP_CHAR);
    cell(1, 6, QStringLiteral("전화번호"), edtINSP_TEL);
    cell(2, 0, QStringLiteral("납    기"), edtGIVE_TERM);
    cell(2, 2, QStringLiteral("지불조건"), edtPAYM_TERM);
    cell(2, 4, QStringLiteral("인도조건"), edtDELI_TERM);
    cell(2, 6, QStringLiteral("하자기간"), edtREPA_TERM);
    cell(3, 0, QStringLiteral("구비서류"), edtDOCUMENT);
    cell(3, 2, QStringLiteral("비    고"), edtREMARK_MS);
    h->addWidget(bbtPurcSerch, 3, 4, 1, 2);
    cell(4, 0, QStringLiteral("의뢰번호"), edtPURC_NO);
    cell(4, 2, QStringLiteral("의뢰부서"), edtDEPT_CODE_NM);
    cell(4, 4, QStringLiteral("의뢰창고"), edtSTRG_CODE_NM, edtSTRG_CODE);

    // Lines.
    cdsOB010DT = new widgets::RecordSet(this);
    rgdOB010DT = new widgets::DataGrid(panMain);
    rgdOB010DT->setObjectName(QStringLiteral("rgdOB010DT"));
    rgdOB010DT->setRecordSet(cdsOB010DT);
    rgdOB010DT->setReadOnly(true);
    rgdOB010DT->setRowSelect(true);
    rgdOB010DT->setColumns({
        {"ORDE_SEQ", "", 0}, {"PURC_NO", "", 0}, {"PURC_SEQ", "", 0}, {"ITEM_CODE", "", 0},
        {"ITEM_NAME", "품 목 명", 170},
        {"ITEM_STANDARD1", "규    격", 110},
        {"QTY", "수량", 70, "#,##0.0"},
        {"GUMAE_UNIT_NM", "단위", 50},
        {"COST_AMT", "단  가", 90, "#,##0.0000"},
        {"AMT", "금  액", 90, "#,##0"},
        {"REMARK", "비    고", 140},
        {"PUT_END", "", 0}, {"PUT_QTY", "", 0}, {"ORDE_CANCEL", "", 0},
        {"STOCK_QTY", "", 0, "#,##0"},
    });
    rgdOB010DT->setFixedColumns(2);
    rgdOB010DT->setFooterCount(1);
    rgdOB010DT->setFooterTitle(0, QStringLiteral("갯수"));
    connect(cdsOB010DT, &RecordSet::afterScroll, this, &TfrmOBI010::rgdOB010DTRowChange);

    auto *mainLayout = static_cast<QHBoxLayout *>(panMain->layout());
    mainLayout->removeWidget(panDisplay);
    auto *work = new QVBoxLayout;
    work->setSpacing(2);
    work->addWidget(panDisplay, 1);
    work->addWidget(panHeader);
    work->addWidget(rgdOB010DT, 1);
    mainLayout->insertLayout(0, work, 1);

    // Line input and the price history.
    auto *in = new QVBoxLayout(panInput);
    auto *box = new QGroupBox(QStringLiteral("[ 발주 품목 ]"), panInput);
    auto *g = new QGridLayout(box);
    edtITEM_CODE = lineEdit(box, QStringLiteral("edtITEM_CODE"), 8, true);
    edtITEM_CODE->setFixedWidth(70);
    edtITEM_NAME = lineEdit(box, QStringLiteral("edtITEM_NAME"));
    edtITEM_STANDARD1 = lineEdit(box, QStringLiteral("edtITEM_STANDARD1"), 100);
    edtQTY = number(box, "edtQTY", 1);
    edtGUMAE_UNIT_NM = lineEdit(box, QStringLiteral("edtGUMAE_UNIT_NM"), 0, true);
    edtGUMAE_UNIT_NM->setFocusPolicy(Qt::NoFocus);
    edtCOST_AMT = number(box, "edtCOST_AMT", 4);
    edtAMT = number(box, "edtAMT", 0, true);
    edtAMT->setFocusPolicy(Qt::NoFocus);
    edtREMARK_DT = lineEdit(box, QStringLiteral("edtREMARK_DT"), 40);
    edtStock_Qty = number(box, "edtStock_Qty", 1, true);
    edtStock_Qty->setFocusPolicy(Qt::NoFocus);
    btnLineAppend = makeButton(box, QStringLiteral("btnLineAppend"), QStringLiteral("추가"));
    btnLineDelete = makeButton(box, QStringLiteral("btnLineDelete"), QStringLiteral("삭제"));
    connect(btnLineAppend, &QPushButton::clicked, this, &TfrmOBI010::btnLineAppendClick);
    connect(btnLineDelete, &QPushButton::clicked, this, &TfrmOBI010::btnLineDeleteClick);
    int r = 0;
    auto row = [&](const QString &text, QWidget *a, QWidget *b = nullptr) {
        g->addWidget(caption(box, text), r, 0);
        auto *l = new QHBoxLayout;
        l->setSpacing(2);
        l->addWidget(a, 1);
        if (b)
            l->addWidget(b);
        g->addLayout(l, r++, 1);
    };
    row(QStringLiteral("품    목"), edtITEM_CODE, edtITEM_NAME);
    row(QStringLiteral("규    격"), edtITEM_STANDARD1);
    row(QStringLiteral("수    량"), edtQTY, edtGUMAE_UNIT_NM);
    row(QStringLiteral("단    가"), edtCOST_AMT);
    row(QStringLiteral("금    액"), edtAMT);
    row(QStringLiteral("비    고"), edtREMARK_DT);
    row(QStringLiteral("현 재 고"), edtStock_Qty);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnLineAppend);
    buttons->addWidget(btnLineDelete);
    g->addLayout(buttons, r++, 0, 1, 2);
    in->addWidget(box);
    auto *history = new QGroupBox(QStringLiteral(" [ 최근 입고단가 정보 ] "), panInput);
    auto *hl = new QVBoxLayout(history);
    cdsHistory = new widgets::RecordSet(this);
    rdgHistory = new widgets::DataGrid(history);
    rdgHistory->setObjectName(QStringLiteral("rdgHistory"));
    rdgHistory->setRecordSet(cdsHistory);
    rdgHistory->setReadOnly(true);
    rdgHistory->setColumns({
        {"INSP_DATE", "입고일자", 80, "yyyy-mm-dd"},
        {"C_CODE", "거래처코드", 0},
        {"C_NAME", "거래처명", 130},
        {"COST_AMT", "입고단가", 90, "#,##0.0000"},
    });
    hl->addWidget(rdgHistory);
    in->addWidget(history, 1);
}

void TfrmOBI010::showEvent(QShowEvent *event)
{
    TfrmZOI010::showEvent(event);
    if (!m_started) {
        m_started = true;
        medORDE_DATE_S->setFocus();
    }
}

QString TfrmOBI010::lineText(int row, const char *field) const
{
    return cdsOB010DT->value(row, QString::fromLatin1(field)).toString().trimmed();
}

OrderKey TfrmOBI010::currentKey() const
{
    return {cdsOB010MS->text(QStringLiteral("ORDE_DATE")), cdsOB010MS->text(QStringLiteral("C_CODE")),
            cdsOB010MS->text(QStringLiteral("ORDE_NUM"))};
}

void TfrmOBI010::setHeaderEditable(bool editable, bool keyLocked)
{
    panHeader->setEnabled(editable);
    medORDE_DATE->setReadOnly(keyLocked);
    edtC_CODE_NM->setReadOnly(keyLocked);
    if (auto *b = PopupBtn(QStringLiteral("pbtnC_CODE")))
        b->setEnabled(!keyLocked);
}

void TfrmOBI010::clearHeader()
{
    for (QLineEdit *e : panHeader->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly))
        e->clear();
    for (QComboBox *c : {edtPAYM_TERM, edtDELI_TERM, edtDOCUMENT}) {
        c->setCurrentIndex(-1);
        c->setEditText(QString());
    }
    ClearPanel(panInput);
    for (QLineEdit *e : panInput->findChildren<QLineEdit *>())
        if (!qobject_cast<widgets::NumEdit *>(e))
            e->clear();
    for (widgets::NumEdit *e : panInput->findChildren<widgets::NumEdit *>())
        e->setValue(0);
    cdsHistory->clear();
}

// ---------------------------------------------------------------- search and display

void TfrmOBI010::glSelect()
{
    cdsOB010DT->clear();
    const int rows = OpenRecords(*cdsOB010MS, ScreenConnection(), kSelect,
                                 {{QStringLiteral("ORDE_DATE_S"), medORDE_DATE_S->dateText()},
                                  {QStringLiteral("ORDE_DATE_E"), medORDE_DATE_E->dateText()},
                                  {QStringLiteral("C_CODE"), edtC_CODE_S->text().trimmed()},
                                  {QStringLiteral("ORDE_NO"), edtORDE_NO_S->text().trimmed()}});
    RecordCount = rows;
    rgdOB010MS->showRowCount(0, 0);
    ShowRecordCount();
    if (rows == 0) {
        clearHeader();
        OpenRecords(*cdsOB010DT, ScreenConnection(), QString::fromUtf8(kLines),
                    {{QStringLiteral("ORDE_DATE"), QString()}, {QStringLiteral("C_CODE"), QString()}, {QStringLiteral("ORDE_NUM"), QString()}});
        rgdOB010DT->clearFooterTexts();
        return;
    }
    rgdOB010MSRowChange();
}

void TfrmOBI010::rgdOB010MSRowChange()
{
    if (WorkMode != wmBrowse || cdsOB010MS->isEmpty() || cdsOB010MS->isLoading())
        return;
    auto v = [this](const char *f) { return cdsOB010MS->text(QString::fromLatin1(f)); };
    medORDE_DATE->setPlainText(v("ORDE_DATE"));
    edtC_CODE->setText(v("C_CODE"));
    edtC_CODE_NM->setText(v("C_CODE_NM"));
    medPUT_DATE->setPlainText(v("PUT_DATE"));
    edtORDE_NO->setText(v("ORDE_NO"));
    edtREMARK_MS->setText(v("REMARK"));
    edtORDE_CHAR->setText(v("ORDE_CHAR"));
    edtORDE_TEL->setText(v("ORDE_TEL"));
    edtINSP_CHAR->setText(v("INSP_CHAR"));
    edtINSP_TEL->setText(v("INSP_TEL"));
    edtGIVE_TERM->setText(v("GIVE_TERM"));
    edtPAYM_TERM->setEditText(v("PAYM_TERM"));
    edtDELI_TERM->setEditText(v("DELI_TERM"));
    edtREPA_TERM->setText(v("REPA_TERM"));
    edtDOCUMENT->setEditText(v("DOCUMENT"));
    edtPURC_NO->setText(v("PURC_NO"));
    edtDEPT_CODE_NM->setText(v("DEPT_CODE_NM"));
    edtSTRG_CODE->setText(v("STRG_CODE"));
    edtSTRG_CODE_NM->setText(v("STRG_CODE_NM"));
    loadLines();
}

void TfrmOBI010::loadLines()
{
    const OrderKey key = currentKey();
    OpenRecords(*cdsOB010DT, ScreenConnection(), QString::fromUtf8(kLines),
                {{QStringLiteral("ORDE_DATE"), key.ordeDate}, {QStringLiteral("C_CODE"), key.cCode},
                 {QStringLiteral("ORDE_NUM"), key.ordeNum}});
    recomputeAmount();
    rgdOB010DTRowChange();
}

void TfrmOBI010::rgdOB010DTRowChange()
{
    const int row = cdsOB010DT->currentRow();
    if (row < 0 || cdsOB010DT->isLoading()) {
        return;
    }
    edtITEM_CODE->setText(lineText(row, "ITEM_CODE"));
    edtITEM_NAME->setText(lineText(row, "ITEM_NAME"));
    edtITEM_STANDARD1->setText(lineText(row, "ITEM_STANDARD1"));
    const double qty = cdsOB010DT->value(row, QStringLiteral("QTY")).toDouble();
    edtQTY->setValue(lineText(row, "QTY").isEmpty() ? 1 : qty);
    edtGUMAE_UNIT_NM->setText(lineText(row, "GUMAE_UNIT_NM"));
    edtCOST_AMT->setValue(cdsOB010DT->value(row, QStringLiteral("COST_AMT")).toDouble());
    edtAMT->setValue(cdsOB010DT->value(row, QStringLiteral("AMT")).toDouble());
    edtREMARK_DT->setText(lineText(row, "REMARK"));
    edtStock_Qty->setValue(cdsOB010DT->value(row, QStringLiteral("STOCK_QTY")).toDouble());
    loadHistory(edtITEM_CODE->text());
}

void TfrmOBI010::loadHistory(const QString &itemCode)
{
    if (itemCode.isEmpty()) {
        cdsHistory->clear();
        return;
    }
    OpenRecords(*cdsHistory, ScreenConnection(), QString::fromLatin1(kHistory), {{QStringLiteral("ITEM_CODE"), itemCode}});
}

void TfrmOBI010::recomputeAmount()
{
    double sum = 0;
    int count = 0;
    for (int row = 0; row < cdsOB010DT->recordCount(); ++row) {
        if (lineText(row, "ITEM_CODE").isEmpty())
            continue;
        sum += cdsOB010DT->value(row, QStringLiteral("AMT")).toDouble();
        ++count;
    }
    rgdOB010DT->setFooterText(0, rgdOB010DT->columnIndex(QStringLiteral("ITEM_NAME")), widgets::formatNumber(count, QStringLiteral("#,##0")));
    rgdOB010DT->setFooterText(0, rgdOB010DT->columnIndex(QStringLiteral("AMT")), widgets::formatNumber(sum, QStringLiteral("#,##0")));
    if (WorkMode != wmBrowse && cdsOB010MS->currentRow() >= 0)
        cdsOB010MS->setValue(cdsOB010MS->currentRow(), QStringLiteral("ORDE_AMT"), sum);
}

void TfrmOBI010::appendEmptyRow()
{
    const int at = cdsOB010DT->recordCount();
    cdsOB010DT->insertRows(at, 1);
    cdsOB010DT->moveTo(at);
}

// ---------------------------------------------------------------- lines

void TfrmOBI010::itemChosen()
{
    edtStock_Qty->setValue(GetStockQty(edtSTRG_CODE->text().trimmed(), edtITEM_CODE->text().trimmed(), medORDE_DATE->dateText()));
    loadHistory(edtITEM_CODE->text().trimmed());
}

void TfrmOBI010::btnLineAppendClick()
{
    if (WorkMode == wmBrowse)
        return;
    if (edtITEM_CODE->text().trimmed().length() != 8) {
        ShowInfo(QStringLiteral("품목코드는 반드시 입력하세요"));
        edtITEM_NAME->setFocus();
        return;
    }
    if (edtQTY->value() <= 0) {
        ShowInfo(QStringLiteral("수량을 반드시 입력하세요"));
        edtQTY->setFocus();
        return;
    }
    edtAMT->setValue(edtQTY->value() * edtCOST_AMT->value());
    int row = cdsOB010DT->currentRow();
    if (row < 0) {
        appendEmptyRow();
        row = cdsOB010DT->currentRow();
    }
    const QString item = edtITEM_CODE->text().trimmed();
    auto fill = [&](int r) {
        cdsOB010DT->setValue(r, QStringLiteral("ITEM_CODE"), item);
        cdsOB010DT->setValue(r, QStringLiteral("ITEM_NAME"), edtITEM_NAME->text());
        cdsOB010DT->setValue(r, QStringLiteral("ITEM_STANDARD1"), edtITEM_STANDARD1->text());
        cdsOB010DT->setValue(r, QStringLiteral("QTY"), edtQTY->value());
        cdsOB010DT->setValue(r, QStringLiteral("GUMAE_UNIT_NM"), edtGUMAE_UNIT_NM->text());
        cdsOB010DT->setValue(r, QStringLiteral("COST_AMT"), edtCOST_AMT->value());
        cdsOB010DT->setValue(r, QStringLiteral("AMT"), edtAMT->value());
        cdsOB010DT->setValue(r, QStringLiteral("REMARK"), edtREMARK_DT->text());
        cdsOB010DT->setValue(r, QStringLiteral("STOCK_QTY"), edtStock_Qty->value());
    };
    if (lineText(row, "ORDE_SEQ").isEmpty() && lineText(row, "ITEM_CODE").isEmpty()) {
        int same = -1;
        for (int r = 0; r < cdsOB010DT->recordCount(); ++r)
            if (r != row && lineText(r, "ITEM_CODE") == item)
                same = r;
        if (same >= 0) {
            const double qty = cdsOB010DT->value(same, QStringLiteral("QTY")).toDouble() + edtQTY->value();
            cdsOB010DT->setValue(same, QStringLiteral("QTY"), qty);
            cdsOB010DT->setValue(same, QStringLiteral("AMT"), qty * cdsOB010DT->value(same, QStringLiteral("COST_AMT")).toDouble());
        } else {
            fill(row);
            cdsOB010DT->setValue(row, QStringLiteral("ORDE_SEQ"), row + 1);
            cdsOB010DT->setValue(row, QStringLiteral("PUT_END"), QStringLiteral("N"));
            cdsOB010DT->setValue(row, QStringLiteral("PUT_QTY"), 0);
            cdsOB010DT->setValue(row, QStringLiteral("ORDE_CANCEL"), QStringLiteral("N"));
            appendEmptyRow();
        }
    } else {
        fill(row);
    }
    recomputeAmount();
    cdsOB010DT->moveTo(cdsOB010DT->recordCount() - 1);
    rgdOB010DTRowChange();
    edtITEM_NAME->setFocus();
}

void TfrmOBI010::btnLineDeleteClick()
{
    if (WorkMode == wmBrowse)
        return;
    const int row = cdsOB010DT->currentRow();
    if (row >= 0 && !lineText(row, "ITEM_CODE").isEmpty()) {
        cdsOB010DT->removeRows(row, 1);
        recomputeAmount();
        rgdOB010DTRowChange();
    }
    if (cdsOB010DT->recordCount() == 1 && lineText(0, "ITEM_CODE").isEmpty()) {
        edtPURC_NO->clear();
        edtDEPT_CODE_NM->clear();
        edtSTRG_CODE->clear();
        edtSTRG_CODE_NM->clear();
    }
}

void TfrmOBI010::bbtPurcSerchClick()
{
    if (WorkMode == wmBrowse)
        return;
    if (WorkMode == wmInsert && !edtPURC_NO->text().trimmed().isEmpty())
        return;   // one request per order
    TfrmOBI011 dialog(this);
    if (WorkMode == wmEdit && !edtPURC_NO->text().trimmed().isEmpty())
        dialog.setRequest(edtPURC_NO->text().trimmed());
    if (!dialog.execute())
        return;
    widgets::RecordSet &picked = *dialog.cdsPurc;
    auto p = [&](int r, const char *f) { return picked.value(r, QString::fromLatin1(f)).toString().trimmed(); };
    int taken = 0;
    for (int r = 0; r < picked.recordCount(); ++r) {
        if (p(r, "SEL") != QLatin1String("1"))
            continue;
        // A request line already among the order's lines is not taken twice.
        bool present = false;
        for (int o = 0; o < cdsOB010DT->recordCount(); ++o)
            present = present || (lineText(o, "PURC_NO") == dialog.edtPURC_NO->text().trimmed()
                                  && lineText(o, "PURC_SEQ") == p(r, "PURC_SEQ") && !lineText(o, "ITEM_CODE").isEmpty());
        if (present)
            continue;
        int row = cdsOB010DT->recordCount() - 1;
        if (row < 0 || !lineText(row, "ITEM_CODE").isEmpty()) {
            appendEmptyRow();
            row = cdsOB010DT->recordCount() - 1;
        }
        const double qty = picked.value(r, QStringLiteral("QTY")).toDouble();
        const double cost = picked.value(r, QStringLiteral("COST_AMT")).toDouble();
        auto set = [&](const char *f, const QVariant &value) { cdsOB010DT->setValue(row, QString::fromLatin1(f), value); };
        set("ORDE_SEQ", row + 1);
        set("PURC_NO", dialog.edtPURC_NO->text().trimmed());
        set("PURC_SEQ", p(r, "PURC_SEQ"));
        set("ITEM_CODE", p(r, "ITEM_CODE"));
        set("ITEM_NAME", p(r, "ITEM_NAME"));
        set("ITEM_STANDARD1", p(r, "ITEM_STANDARD1"));
        set("QTY", qty);
        set("STOCK_QTY", picked.value(r, QStringLiteral("STOC_QTY")).toDouble());
        set("GUMAE_UNIT_NM", p(r, "GUMAE_UNIT_NM"));
        set("COST_AMT", cost);
        set("AMT", qty * cost);
        set("REMARK", p(r, "REMARK"));
        set("PUT_END", QStringLiteral("N"));
        set("PUT_QTY", 0);
        set("ORDE_CANCEL", QStringLiteral("N"));
        edtC_CODE->setText(p(r, "C_CODE"));
        edtC_CODE_NM->setText(p(r, "C_CODE_NM"));
        appendEmptyRow();
        ++taken;
    }
    if (taken > 0) {
        if (medPUT_DATE->isBlank())
            medPUT_DATE->setPlainText(dialog.medPLAN_DATE->dateText());
        edtPURC_NO->setText(dialog.edtPURC_NO->text());
        edtDEPT_CODE_NM->setText(dialog.edtDEPT_CODE_NM->text());
        edtSTRG_CODE->setText(dialog.edtSTRG_CODE->text());
        edtSTRG_CODE_NM->setText(dialog.edtSTRG_CODE_NM->text());
    }
    recomputeAmount();
    rgdOB010DTRowChange();
}

// ---------------------------------------------------------------- operations

void TfrmOBI010::glInsert()
{
    m_insertRow = cdsOB010MS->recordCount();
    cdsOB010MS->insertRows(m_insertRow, 1);
    cdsOB010MS->moveTo(m_insertRow);
    cdsOB010DT->clear();
    appendEmptyRow();
    clearHeader();
    setHeaderEditable(true, false);
    medORDE_DATE->setPlainText(GetSystemDate());
    medORDE_DATE->setFocus();
}

void TfrmOBI010::glEdit()
{
    const QString status = db::Query::scalar(ScreenConnection(), QStringLiteral(
        "SELECT APPR_GUBUN FROM OB010MS WHERE ORDE_DATE = :ORDE_DATE AND C_CODE = :C_CODE AND ORDE_NUM = :ORDE_NUM"),
        {{QStringLiteral("ORDE_DATE"), currentKey().ordeDate}, {QStringLiteral("C_CODE"), currentKey().cCode},
         {QStringLiteral("ORDE_NUM"), currentKey().ordeNum}});
    if (status == QLatin1String("2") || cdsOB010MS->text(QStringLiteral("APPR_GUBUN")) == QLatin1String("2")) {
        WorkMode = wmBrowse;
        glEnabledCheck();
        ShowStatus(QString());
        ShowInfo(QStringLiteral("발주 확정 처리된 자료는 수정할 수 없습니다."));
        return;
    }
    m_editKey = currentKey();
    appendEmptyRow();
    setHeaderEditable(true, true);
    medPUT_DATE->setFocus();
}

void TfrmOBI010::glSave()
{
    SaveOK = false;
    const bool inserting = WorkMode == wmInsert;
    const QString ordeDate = medORDE_DATE->dateText();
    if (ordeDate.isEmpty()) {
        ShowInfo(QStringLiteral("발주일자는 반드시 입력하세요"));
        medORDE_DATE->setFocus();
        return;
    }
    if (edtC_CODE->text().trimmed().isEmpty()) {
        ShowInfo(QStringLiteral("거래처는 반드시 입력하세요"));
        edtC_CODE_NM->setFocus();
        return;
    }
    for (int row = cdsOB010DT->recordCount() - 1; row >= 0; --row)
        if (lineText(row, "ITEM_CODE").isEmpty())
            cdsOB010DT->removeRows(row, 1);
    if (cdsOB010DT->recordCount() == 0) {
        appendEmptyRow();
        ShowInfo(QStringLiteral("발주 품목을 입력하세요"));
        edtITEM_NAME->setFocus();
        return;
    }

    OrderDraft draft;
    draft.inserting = inserting;
    if (inserting) {
        const QString no = ScreenConnection().callProcedure(QStringLiteral("PR_GETADMINNO"),
            {{QStringLiteral("I_GUBUN"), QStringLiteral("OR")}, {QStringLiteral("I_DATE"), DigitsOnly(ordeDate).left(6)}})
            .value(QStringLiteral("O_NO"));
        if (no.startsWith(QLatin1String("ERR"))) {
            ShowInfo(no);
            appendEmptyRow();
            return;
        }
        edtORDE_NO->setText(no);
        draft.key = {ordeDate, edtC_CODE->text().trimmed(), QString()};
    } else {
        draft.key = m_editKey;
    }
    draft.ordeNo = edtORDE_NO->text().trimmed();
    draft.putDate = medPUT_DATE->dateText();
    draft.purcNo = edtPURC_NO->text().trimmed();
    draft.ordeChar = edtORDE_CHAR->text();
    draft.ordeTel = edtORDE_TEL->text();
    draft.inspChar = edtINSP_CHAR->text();
    draft.inspTel = edtINSP_TEL->text();
    draft.document = comboText(edtDOCUMENT);
    draft.giveTerm = edtGIVE_TERM->text();
    draft.paymTerm = comboText(edtPAYM_TERM);
    draft.deliTerm = comboText(edtDELI_TERM);
    draft.repaTerm = edtREPA_TERM->text();
    draft.remark = edtREMARK_MS->text();
    for (int row = 0; row < cdsOB010DT->recordCount(); ++row) {
        OrderLine line;
        line.oldSeq = inserting ? QString() : lineText(row, "OLD_SEQ");
        line.purcNo = lineText(row, "PURC_NO");
        line.purcSeq = lineText(row, "PURC_SEQ");
        line.itemCode = lineText(row, "ITEM_CODE");
        line.qty = cdsOB010DT->value(row, QStringLiteral("QTY")).toDouble();
        line.costAmt = cdsOB010DT->value(row, QStringLiteral("COST_AMT")).toDouble();
        line.amt = line.qty * line.costAmt;
        line.remark = lineText(row, "REMARK");
        draft.lines << line;
    }

    OrderTotals totals;
    try {
        writeOrder(ScreenConnection(), draft, &totals);
    } catch (const EUserExcept &e) {
        appendEmptyRow();
        ShowInfo(QString::fromUtf8(e.what()));
        return;
    } catch (const std::exception &) {
        // A failed statement: rolled back, the screen stays in its mode.
        appendEmptyRow();
        return;
    }

    const int row = cdsOB010MS->currentRow();
    auto set = [&](const char *f, const QVariant &value) { cdsOB010MS->setValue(row, QString::fromLatin1(f), value); };
    if (inserting) {
        set("ORDE_DATE", ordeDate);
        set("C_CODE", draft.key.cCode);
        set("C_CODE_NM", edtC_CODE_NM->text());
        set("ORDE_NUM", draft.key.ordeNum.toInt());
        set("ORDE_NO", draft.ordeNo);
        set("PURC_NO", draft.purcNo);
        set("APPR_GUBUN", QStringLiteral("3"));
        set("APPR_GUBUN_NM", QStringLiteral("미 확 정"));
        set("STRG_CODE", edtSTRG_CODE->text());
        set("STRG_CODE_NM", edtSTRG_CODE_NM->text());
        set("DEPT_CODE_NM", edtDEPT_CODE_NM->text());
    }
    set("PUT_DATE", draft.putDate);
    set("ORDE_AMT", totals.amt);
    set("ORDE_CHAR", draft.ordeChar);
    set("ORDE_TEL", draft.ordeTel);
    set("INSP_CHAR", draft.inspChar);
    set("INSP_TEL", draft.inspTel);
    set("DOCUMENT", draft.document);
    set("GIVE_TERM", draft.giveTerm);
    set("PAYM_TERM", draft.paymTerm);
    set("DELI_TERM", draft.deliTerm);
    set("REPA_TERM", draft.repaTerm);
    set("REMARK", draft.remark);
    m_insertRow = -1;
    RecordCount = cdsOB010MS->recordCount();
    rgdOB010MS->showRowCount(0, 0);
    ShowRecordCount();
    setHeaderEditable(false, false);
    SaveOK = true;
    WorkMode = wmBrowse;
    loadLines();
    medORDE_DATE_S->setFocus();
}

void TfrmOBI010::glCancel()
{
    if (WorkMode == wmInsert && m_insertRow >= 0 && m_insertRow < cdsOB010MS->recordCount()) {
        cdsOB010MS->removeRows(m_insertRow, 1);
        cdsOB010DT->clear();
    }
    m_insertRow = -1;
    setHeaderEditable(false, false);
    WorkMode = wmBrowse;
    medORDE_DATE_S->setFocus();
    if (cdsOB010MS->recordCount() > 0)
        rgdOB010MSRowChange();
    else
        clearHeader();
}

bool TfrmOBI010::glDelete()
{
    if (cdsOB010MS->text(QStringLiteral("APPR_GUBUN")) == QLatin1String("2")) {
        ShowInfo(QStringLiteral("발주 확정 처리된 자료는 삭제할 수 없습니다."));
        return false;
    }
    if (!Confirm(QStringLiteral("선택된 자료를 삭제하시겠습니까?")))
        return false;
    try {
        deleteOrder(ScreenConnection(), currentKey(), cdsOB010MS->text(QStringLiteral("ORDE_NO")));
    } catch (const EUserExcept &e) {
        ShowInfo(QString::fromUtf8(e.what()));
        return false;
    } catch (const std::exception &) {
        return false;
    }
    cdsOB010MS->removeRows(cdsOB010MS->currentRow(), 1);
    RecordCount = cdsOB010MS->recordCount();
    rgdOB010MS->showRowCount(0, 0);
    ShowRecordCount();
    if (RecordCount == 0) {
        cdsOB010DT->clear();
        clearHeader();
    } else {
        rgdOB010MSRowChange();
    }
    return true;
}

void TfrmOBI010::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control)) {
        checkDateOnExit(mask);
    } else if ((control == edtQTY || control == edtCOST_AMT) && WorkMode != wmBrowse) {
        edtAMT->setValue(edtQTY->value() * edtCOST_AMT->value());
    }
}

bool TfrmOBI010::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == rgdOB010MS) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            bbtEditClick();
            return true;
        }
        if (event->key() == Qt::Key_Delete) {
            bbtDeleteClick();
            return true;
        }
    }
    if (control == edtREMARK_DT && WorkMode == wmInsert
        && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        btnLineAppendClick();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}
