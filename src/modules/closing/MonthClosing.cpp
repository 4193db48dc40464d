#include "modules/closing/MonthClosing.h"

#include "db/Query.h"
#include "framework/Checks.h"
#include "framework/ErrorDisplay.h"
#include "framework/Records.h"
#include "framework/SharedSql.h"
#include "session/Dialogs.h"
#include "session/Session.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/GridColumn.h"
#include "widgets/RecordSet.h"

namespace {

const QString kMonths = QStringLiteral(
    "SELECT '0' SEL, CLOS_YYMM, ORDE_CLOSE, COMP_CLOSE FROM OZ030MS "
    " WHERE CLOS_YYMM LIKE COALESCE(:CLOS_YYMM,'') || '%' ORDER BY CLOS_YYMM DESC");

const QString kMonthItems = QStringLiteral(
    "SELECT A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, %1 SOOBUL_UNIT_NM, A.QTY, A.COST, A.AMT "
    "  FROM OZ040MS A, OX010MS B "
    " WHERE A.ITEM_CODE = B.ITEM_CODE AND A.YYMM = :YYMM "
    " ORDER BY B.ITEM_NAME, A.ITEM_CODE").arg(sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

} // namespace

MonthClosingScreen::MonthClosingScreen(const QString &programId, const QString &caption, MonthClosingRules rules,
                                       QWidget *parent)
    : ClosingScreen(programId, caption, QStringLiteral("마감년월"), parent), m_rules(std::move(rules))
{
    using namespace widgets;
    declareGrids(
        {
            // field         title        width  format    options
            {"SEL",          "선택",         0,  {},       col::Tick},
            {"CLOS_YYMM",    "마감년월",     70,  {},       col::Center},
            {"ORDE_CLOSE",   "구매마감",     60,  {},       col::Center},
            {"COMP_CLOSE",   "전산마감",     60,  {},       col::Center},
        },
        {
            {"ITEM_CODE",      "품목코드",     0},
            {"ITEM_NAME",      "품 목 명",   180,  {},       col::Sortable},
            {"ITEM_STANDARD1", "규  격",     120,  {},       col::Sortable},
            {"SOOBUL_UNIT_NM", "단위",        50,  {},       col::Sortable},
            {"QTY",            "재고수량",    80,  "#,##0",  col::Sortable},
            {"COST",           "재고단가",    90,  "#,##0",  col::Sortable},
            {"AMT",            "재고금액",   100,  "#,##0",  col::Sortable},
        });
    rgdEnd->setReadOnly(true);
    OnUserAction(cdsEnd, &widgets::RecordSet::afterScroll, this, [this] { showMonthItems(); });

    FormCreate();
    medYYMM->setPlainText(GetSystemDate().left(7));
}

void MonthClosingScreen::glSelect()
{
    TfrmZOI010::glSelect();
    cdsItem->clear();
    RecordCount = OpenRecords(*cdsEnd, ScreenConnection(), kMonths, {{QStringLiteral("CLOS_YYMM"), medYYMM->plainText()}});
    rgdEnd->showRowCount(0, 1);
    ShowRecordCount();
    showMonthItems();
    rgdEnd->setFocus();
}

void MonthClosingScreen::showMonthItems()
{
    const QString month = cdsEnd->text(QStringLiteral("CLOS_YYMM"));
    if (month.isEmpty()) {
        cdsItem->clear();
        rgdItem->showRowCount(0, 1);
        return;
    }
    loadItems(kMonthItems, {{QStringLiteral("YYMM"), month}});
}

QString MonthClosingScreen::monthInState(int state, const QString &missing)
{
    const QString month = medYYMM->monthText();
    if (month.isEmpty()) {
        ShowInfo(missing);
        medYYMM->setFocus();
        return {};
    }
    const QString dashed = month.left(4) + QLatin1Char('-') + month.mid(4);
    QString message;
    if (CheckMonthClose(dashed + QStringLiteral("-01"), message, ScreenConnection()) != state) {
        ShowInfo(message);
        medYYMM->setFocus();
        return {};
    }
    return dashed;
}

QString MonthClosingScreen::monthMessage(const QString &month, const QString &what) const
{
    return QStringLiteral("[ %1 ] %2 %3").arg(month, m_rules.name, what);
}

void MonthClosingScreen::bbEndClick()
{
    const QString month = monthInState(m_rules.closesFrom, QStringLiteral("마감 년월을 정확히 입력하십시오"));
    if (month.isEmpty())
        return;
    QString answer;
    beginRun(1);
    nextStep(0, monthMessage(month, QStringLiteral("처리중")));
    const bool committed = RunInTransaction(FailureForm::Reporting, [&] {
        db::ProcInputs inputs{{QStringLiteral("I_YYMM"), QString(month).remove(QLatin1Char('-'))}};
        if (m_rules.passesEmployee)
            inputs.append({QStringLiteral("I_EMP_NO"), gEmpNo});
        answer = ScreenConnection().callProcedure(m_rules.procedure, inputs).value(QStringLiteral("O_CHK"));
        if (answer.trimmed() != QLatin1String("Y"))
            throw SilentAbort();
    });
    endRun();
    if (!committed) {
        if (!answer.isEmpty() && answer.trimmed() != QLatin1String("Y"))
            ShowInfo(answer.trimmed());
        return;
    }
    ShowInfo(monthMessage(month, QStringLiteral("처리가 완료 되었습니다.")));
    glSelect();
}

void MonthClosingScreen::bbtEnd_CancelClick()
{
    const QString month = monthInState(m_rules.cancelsFrom, QStringLiteral("마감 취소할 년월을 정확히 입력하십시오"));
    if (month.isEmpty())
        return;
    const bool committed = RunInTransaction(FailureForm::Reporting, [&] {
        db::Query q(ScreenConnection(), m_rules.cancelSql);
        q.bind(QStringLiteral("CLOS_YYMM"), QString(month).remove(QLatin1Char('-')));
        sql::BindAudit(q).exec();
    });
    if (!committed)
        return;
    ShowInfo(monthMessage(month, QStringLiteral("취소 되었습니다.")));
    glSelect();
}

#include "moc_MonthClosing.cpp"
