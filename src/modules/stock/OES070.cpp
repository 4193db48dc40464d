#include "modules/stock/OES070.h"
#include "framework/Controls.h"
#include "framework/ErrorDisplay.h"
#include "modules/stock/CostReport.h"
#include "modules/stock/OEP070.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QPushButton>

namespace {

ListGrid costGrid()
{
    using namespace widgets;
    const QString amt = QStringLiteral("#,##0");
    const QString pct = QStringLiteral("#,##0.00%");
    QVector<GridColumn> columns{{QStringLiteral("GUBUN_NM1"), QStringLiteral("대분류"), 120, {}, col::BlankRepeats},
                                {QStringLiteral("GUBUN_NM2"), QStringLiteral("중분류"), 130}};
    for (const char *kind : {"FOOD", "BEVE", "TOT"}) {
        const QString k = QLatin1String(kind);
        columns += {{k + QStringLiteral("_TW"), QStringLiteral("TODAY"), 80, amt},
                    {k + QStringLiteral("_TP"), QStringLiteral("TODAY%"), 70, pct},
                    {k + QStringLiteral("_MTDW"), QStringLiteral("M-T-D"), 90, amt},
                    {k + QStringLiteral("_MTDP"), QStringLiteral("M-T-D%"), 70, pct},
                    {k + QStringLiteral("_YMTDP"),
                     k == QStringLiteral("FOOD") ? QStringLiteral("L/YEAR M-T-D %") : QStringLiteral("L/YEAR M-T-D%"), 100,
                     pct}};
    }
    return {QStringLiteral("rgdStock"),
            columns,
            {{QStringLiteral("EXPLANATION"), 0, 1},
             {QStringLiteral("FOOD COST"), 2, 6},
             {QStringLiteral("BEVERAGE COST"), 7, 11},
             {QStringLiteral("COMBINED COST"), 12, 16}},
            2};
}

ListScreenSpec spec()
{
    ListScreenSpec s;
    s.caption = QStringLiteral("DAILY FOOD/BEVERAGE COST REPORT");
    s.search = {{QStringLiteral("일    자"), QStringLiteral("medYYMM"), QStringLiteral("COST_DATE"), ListSearchField::Date}};
    s.masterSql = stock::CostReportSql();
    s.master = costGrid();
    s.printable = true;
    s.excel = true;
    return s;
}

} // namespace

TfrmOES070::TfrmOES070(QWidget *parent) : ListScreen(QStringLiteral("OES070"), spec(), parent), cdsStock(masterRecords())
{
    setObjectName(QStringLiteral("frmOES070"));
    bbtSearch->setText(QStringLiteral("마감(F3)"));
}

void TfrmOES070::glSelect()
{
    const QString date = searchText(QStringLiteral("medYYMM"));
    if (date.isEmpty()) {
        ShowInfo(QStringLiteral("일자는 반드시 입력하세요"));
        findChild<widgets::MaskEdit *>(QStringLiteral("medYYMM"))->setFocus();
        return;
    }
    compileDay(date);
    // What the table holds for the day, whether or not it was compiled now.
    ListScreen::glSelect();
    setExcelGrid(masterGrid(), date);
}

void TfrmOES070::compileDay(const QString &date)
{
    RunInTransaction(FailureForm::Quiet, [&] {
        const QString answer =
            ScreenConnection().callProcedure(QStringLiteral("PR_O_DAILY_COST_REPORT"), {{"I_DATE", date}}).value(QStringLiteral("O_CHK"));
        if (answer != QStringLiteral("Y")) {
            ShowInfo(answer);
            throw EUserExcept(QStringLiteral("PR_O_DAILY_COST_REPORT 처리시 에러가 발생 했습니다"));
        }
    });
}

void TfrmOES070::glOnExitEvent(QWidget *control)
{
    ListScreen::glOnExitEvent(control);
    if (auto *date = qobject_cast<widgets::MaskEdit *>(control))
        kit::CheckDateOnLeave(date);
}

void TfrmOES070::printList(bool toPreview)
{
    TfrmOEP070 printout;
    printout.Execute(searchText(QStringLiteral("medYYMM")), toPreview, this);
}

#include "moc_OES070.cpp"
