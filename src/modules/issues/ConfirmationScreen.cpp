#include "modules/issues/ConfirmationScreen.h"

#include "db/Connection.h"
#include "db/Query.h"
#include "framework/Binding.h"
#include "framework/Checks.h"
#include "framework/Controls.h"
#include "framework/ErrorDisplay.h"
#include "framework/Lookups.h"
#include "framework/PopupBtn.h"
#include "framework/SharedSql.h"
#include "modules/issues/IssueCommon.h"
#include "session/Dialogs.h"
#include "session/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char *const kEmployees = "SELECT EMP_NO, EMP_K_NAME FROM QA010MS\nORDER BY EMP_NO";
const char *const kEmployeesTyped = "SELECT EMP_NO, EMP_K_NAME FROM QA010MS\nWHERE EMP_NO LIKE :EMP_NO || '%'\nORDER BY EMP_NO";
const char *const kEmployeeName = "SELECT MAX(EMP_K_NAME) FROM QA010MS WHERE EMP_NO = :EMP_NO";

QByteArray latin(const QString &text) { return text.toLatin1(); }

} // namespace

ConfirmationScreen::ConfirmationScreen(ConfirmationSpec spec, QWidget *parent)
    : TfrmZOI010(spec.programId, parent), m_spec(std::move(spec))
{
    setObjectName(QStringLiteral("frm") + m_spec.programId);
    setWindowTitle(m_spec.caption);
    m_lineKey = db::Query(ScreenConnection(), m_spec.lines).parameterNames();
    buildSearchPanel();
    buildConfirmPanel();
    buildGrids();
    FormCreate();
    InstallLookups({lookup::Warehouse(QStringLiteral("pbtnSTRG_CODE_S"),
                                      {QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("edtSTRG_CODE_NM_S")}, false,
                                      {.focusAfter = QStringLiteral("edt%1_S").arg(m_spec.numberField)})});
    for (QWidget *w : std::initializer_list<QWidget *>{panInput, panRecordCount, bbtAdd, bbtEdit, bbtDelete, bbtSave, bbtCancel})
        w->hide();
    HookControls(panMaster);

    const QString today = GetSystemDate();
    medDATE_S->setPlainText(today);
    medDATE_E->setPlainText(today);
    medAPPR_DATE->setPlainText(today);
    edtAPPR_EMP_NO->setText(gEmpNo);
    edtAPPR_EMP_NO_NM->setText(db::Query::scalar(ScreenConnection(), QString::fromLatin1(kEmployeeName),
                                                 {{QStringLiteral("EMP_NO"), gEmpNo}}));
}

void ConfirmationScreen::buildSearchPanel()
{
    medDATE_S = kit::DateBox(panSearch, latin(QStringLiteral("med%1_S").arg(m_spec.dateField)).constData());
    medDATE_E = kit::DateBox(panSearch, latin(QStringLiteral("med%1_E").arg(m_spec.dateField)).constData());
    edtSTRG_CODE_S = kit::CodeBox(panSearch, "edtSTRG_CODE_S", 3, 40);
    edtSTRG_CODE_NM_S = kit::TextBox(panSearch, "edtSTRG_CODE_NM_S", 0, kit::ReadOnly, 110);
    cobAPPR_GUBUN = new QComboBox(panSearch);
    cobAPPR_GUBUN->setObjectName(QStringLiteral("cobAPPR_GUBUN"));
    // Each entry is the name padded to 100 characters and its code last.
    const QList<QPair<QString, QChar>> states = {{QStringLiteral("전    체"), u' '}, {QStringLiteral("확정취소"), u'1'},
                                                 {QStringLiteral("확    정"), u'2'}, {QStringLiteral("미 확 정"), u'3'}};
    for (const auto &s : states)
        cobAPPR_GUBUN->addItem(s.first.leftJustified(100, u' ') + s.second);
    cobAPPR_GUBUN->setCurrentIndex(0);
    cobAPPR_GUBUN->setFixedWidth(100);
    edtNO_S = kit::CodeBox(panSearch, latin(QStringLiteral("edt%1_S").arg(m_spec.numberField)).constData(), 15, 110);
    kit::FieldRow(m_searchLayout, {
        kit::Labelled(QStringLiteral("[ 의뢰조회 ]  기    간"), {medDATE_S}),
        kit::Labelled(QStringLiteral("~"), {medDATE_E}),
        kit::Labelled(m_spec.warehouseLabel, {edtSTRG_CODE_S, edtSTRG_CODE_NM_S}),
        kit::Labelled(QStringLiteral("확정구분"), {cobAPPR_GUBUN}),
        kit::Labelled(m_spec.numberLabel, {edtNO_S}),
    });
}

void ConfirmationScreen::buildConfirmPanel()
{
    medAPPR_DATE = kit::DateBox(panMaster, "medAPPR_DATE");
    edtAPPR_EMP_NO = kit::TextBox(panMaster, "edtAPPR_EMP_NO", 8, kit::Plain, 80);
    pbtnAPPR_EMP_NO = new TPopupBtn(panMaster);
    pbtnAPPR_EMP_NO->setObjectName(QStringLiteral("pbtnAPPR_EMP_NO"));
    pbtnAPPR_EMP_NO->SQL = QString::fromLatin1(kEmployees).split(u'\n');
    pbtnAPPR_EMP_NO->LinkSQL = QString::fromLatin1(kEmployeesTyped).split(u'\n');
    pbtnAPPR_EMP_NO->LinkControl = edtAPPR_EMP_NO;
    connect(pbtnAPPR_EMP_NO, &TPopupBtn::afterClick, this, &ConfirmationScreen::employeePicked);
    edtAPPR_EMP_NO_NM = kit::TextBox(panMaster, "edtAPPR_EMP_NO_NM", 0, kit::ReadOnly, 100);
    edtAPPR_EMP_NO_NM->setFocusPolicy(Qt::NoFocus);
    bbtAppr = makeButton(panMaster, QStringLiteral("bbtAppr"), QStringLiteral("의뢰확정"));
    OnUserAction(bbtAppr, &QPushButton::clicked, this, [this] { bbtApprClick(); });
    kit::FieldRow(m_masterLayout, {
        kit::Labelled(m_spec.panelCaption, {medAPPR_DATE}),
        kit::Labelled(QStringLiteral("확정사원"), {edtAPPR_EMP_NO, pbtnAPPR_EMP_NO, edtAPPR_EMP_NO_NM}),
        kit::Bare(bbtAppr),
    }, m_masterLayout->count());
    m_masterLayout->addStretch(1);
}

void ConfirmationScreen::buildGrids()
{
    using namespace widgets;
    cdsList = new RecordSet(this);
    rgdList = new DataGrid(panDisplay);
    rgdList->setObjectName(QStringLiteral("rgdOD010MS"));
    rgdList->setRecordSet(cdsList);
    rgdList->setColumns(m_spec.columns);
    rgdList->setRowStyler([this](int row, CellStyle &style) {
        style.background = cdsList->value(row, QStringLiteral("APPR_GUBUN")).toString() == QLatin1String("2")
            ? palette().color(QPalette::Button) : QColor(Qt::white);
    });
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdList, 1);
    setListRecords(cdsList);
    OnUserAction(cdsList, &RecordSet::afterScroll, this, [this] { listRowChanged(); });
    OnUserAction(rgdList, &GridBase::titleClicked, this, [this] { listRowChanged(); });

    cdsLines = new RecordSet(this);
    rgdLines = new DataGrid(panDisplay);
    rgdLines->setObjectName(m_spec.linesGrid);
    rgdLines->setRecordSet(cdsLines);
    rgdLines->setReadOnly(true);
    rgdLines->setRowSelect(true);
    rgdLines->setColumns(issues::StockLineColumns(m_spec.linesSeq));
    rgdLines->setFooterCount(1);
    rgdLines->setFooterTitle(0, QStringLiteral("갯수"));
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(rgdLines, 1);
}

void ConfirmationScreen::glSelect()
{
    cdsLines->clear();
    RecordCount = OpenRecords(*cdsList, ScreenConnection(), m_spec.select,
                              {{m_spec.dateField + QStringLiteral("_S"), medDATE_S->dateText()},
                               {m_spec.dateField + QStringLiteral("_E"), medDATE_E->dateText()},
                               {QStringLiteral("STRG_CODE"), edtSTRG_CODE_S->text().trimmed()},
                               {m_spec.numberField, edtNO_S->text().trimmed()},
                               {QStringLiteral("APPR_GUBUN"), cobAPPR_GUBUN->currentText().right(1).trimmed()}});
    listRowChanged();
}

void ConfirmationScreen::listRowChanged()
{
    if (cdsList->isLoading())
        return;
    const int row = cdsList->currentRow();
    Params key;
    for (const QString &name : m_lineKey)
        key.append({name, row >= 0 ? cdsList->value(row, name).toString() : QString()});
    OpenRecords(*cdsLines, ScreenConnection(), m_spec.lines, key);
    rgdLines->showRowCount(0, rgdLines->columnIndex(QStringLiteral("ITEM_NAME")));
    bbtAppr->setText(row >= 0 && cdsList->text(QStringLiteral("APPR_GUBUN")) == QLatin1String("2") ? QStringLiteral("확정취소")
                                                                                                 : QStringLiteral("의뢰확정"));
}

void ConfirmationScreen::bbtApprClick()
{
    const QString date = medAPPR_DATE->dateText();
    const QString empNo = edtAPPR_EMP_NO->text().trimmed();
    if (!AllHold({{[&] { return !date.isEmpty(); }, QStringLiteral("확정일자는 반드시 입력하세요"), medAPPR_DATE},
                  {[&] { return !empNo.isEmpty(); }, QStringLiteral("사원번호는 반드시 입력하세요"), edtAPPR_EMP_NO}}))
        return;
    if (RefuseClosedDay(date, ScreenConnection()))
        return;
    struct Change { int row; bool confirmed; };
    QList<Change> changes;
    QStringList passedOver;
    db::Connection &conn = ScreenConnection();
    try {
        db::Transaction tx(conn);
        for (int row = 0; row < cdsList->recordCount(); ++row) {
            if (cdsList->value(row, QStringLiteral("SEL")).toString() != QLatin1String("1"))
                continue;
            const QString no = cdsList->value(row, m_spec.numberField).toString().trimmed();
            db::Query(conn, m_spec.lockSql).bind(QStringLiteral("NO"), no).exec();
            // "S" and the state of a document that is there; nothing for one that is gone.
            const QString stored = db::Query::scalar(conn, QStringLiteral("SELECT 'S' || COALESCE(X.APPR_GUBUN,'') FROM (%1) X")
                                                               .arg(m_spec.stateSql), {{QStringLiteral("NO"), no}});
            const QString shown = cdsList->value(row, QStringLiteral("APPR_GUBUN")).toString().trimmed();
            if (stored != QStringLiteral("S") + shown) {
                passedOver << no;
                continue;
            }
            const bool confirm = shown != QLatin1String("2");
            // Cancelling takes the posting back from the day it was confirmed on, which may be closed
            // while the day in the field is open.
            if (!confirm && RefuseClosedDay(confirmedOn(conn, no), conn))
                return;
            m_spec.act(conn, *cdsList, row, confirm, date, empNo);
            changes << Change{row, confirm};
        }
        tx.commit();
    } catch (const EUserExcept &refusal) {
        ShowInfo(QString::fromUtf8(refusal.what()));
        return;
    }
    for (const Change &c : changes) {
        const QString code = c.confirmed ? QStringLiteral("2") : QStringLiteral("1");
        cdsList->setValue(c.row, QStringLiteral("APPR_GUBUN"), code);
        cdsList->setValue(c.row, QStringLiteral("APPR_GUBUN_NM"), issues::StateName(code));
        if (c.confirmed)
            cdsList->setValue(c.row, QStringLiteral("APPR_DATE"), date);
        cdsList->setValue(c.row, QStringLiteral("APPR_EMP_NO"), empNo);
        cdsList->setValue(c.row, QStringLiteral("APPR_EMP_NO_NM"), edtAPPR_EMP_NO_NM->text());
    }
    rgdList->viewport()->update();
    listRowChanged();
    if (!passedOver.isEmpty())
        ShowInfo(QStringLiteral("[%1 : %2] 현재내용과 다릅니다. 확인하시고 처리하십시오.").arg(m_spec.numberLabel, passedOver.join(QStringLiteral(", "))));
}

// The day a confirmed document was posted on.
QString ConfirmationScreen::confirmedOn(db::Connection &conn, const QString &no) const
{
    return db::Query::scalar(conn, QStringLiteral("SELECT TO_CHAR(X.APPR_DATE,'YYYY-MM-DD') FROM (%1) X").arg(m_spec.stateSql),
                             {{QStringLiteral("NO"), no}});
}

void ConfirmationScreen::employeePicked()
{
    if (pbtnAPPR_EMP_NO->ModalResult != QDialog::Accepted || pbtnAPPR_EMP_NO->ReturnValue.isEmpty())
        return;
    edtAPPR_EMP_NO->setText(pbtnAPPR_EMP_NO->ReturnValue.value(0).trimmed());
    edtAPPR_EMP_NO_NM->setText(pbtnAPPR_EMP_NO->ReturnValue.value(1).trimmed());
}

void ConfirmationScreen::glOnEnterEvent(QWidget *control)
{
    TfrmZOI010::glOnEnterEvent(control);
    if (control == edtAPPR_EMP_NO)
        edtAPPR_EMP_NO_NM->clear();
}

// Leaving the employee box looks a whole number up; anything else empties it.
void ConfirmationScreen::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (auto *mask = qobject_cast<widgets::MaskEdit *>(control))
        kit::CheckDateOnLeave(mask);
    else if (control == edtAPPR_EMP_NO && edtAPPR_EMP_NO->text().trimmed().size() == 8 && edtAPPR_EMP_NO_NM->text().isEmpty())
        pbtnAPPR_EMP_NO->SearchByLink();
    else if (control == edtAPPR_EMP_NO && edtAPPR_EMP_NO->text().trimmed().size() != 8) {
        edtAPPR_EMP_NO->clear();
        edtAPPR_EMP_NO_NM->clear();
    }
}

bool ConfirmationScreen::glOnKeyDown(QWidget *control, QKeyEvent *event)
{
    if (control == edtAPPR_EMP_NO && event->key() == Qt::Key_F1) {
        pbtnAPPR_EMP_NO->Click();
        return true;
    }
    return TfrmZOI010::glOnKeyDown(control, event);
}

#include "moc_ConfirmationScreen.cpp"
