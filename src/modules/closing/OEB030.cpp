#include "modules/closing/OEB030.h"

#include "db/Query.h"
#include "framework/ErrorDisplay.h"
#include "framework/SharedSql.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/GridColumn.h"
#include "widgets/RecordSet.h"

#include <QDate>

namespace {

const QString kDayFlags = QStringLiteral(
    "SELECT TO_CHAR(CLOS_DATE,'YYYY-MM-DD') CLOS_DATE, CLOS_CHK FROM OZ060MS "
    " WHERE CLOS_DATE BETWEEN :FIRST_DATE AND :LAST_DATE");

const QString kDayItems = QStringLiteral(
    "SELECT A.ITEM_CODE, B.ITEM_NAME, B.ITEM_STANDARD1, %1 SOOBUL_UNIT_NM, "
    "       A.STOCK_QTY, A.STOCK_COST, A.STOCK_AMT "
    "  FROM OZ050MS A, OX010MS B "
    " WHERE A.ITEM_CODE = B.ITEM_CODE AND A.STOCK_DATE = :STOCK_DATE "
    " ORDER BY B.ITEM_NAME, A.ITEM_CODE").arg(sql::UnitName(QStringLiteral("B.SOOBUL_UNIT")));

const QString kReopenDay = QStringLiteral(
    "UPDATE OZ060MS SET CLOS_CHK = 'N', U_EMP_NO = :U_EMP_NO, U_DATE = SYSDATE(), U_IP = :U_IP "
    " WHERE CLOS_DATE = :CLOS_DATE");

const QString kDone = QStringLiteral("일마감 [PR_O_DAY_END] 처리가 완료 되었습니다.");

bool isYes(const QString &answer) { return answer.trimmed() == QLatin1String("Y"); }

// What a day's closing ended with: empty when the day is closed, else why not.
QString closeDay(db::Connection &conn, const QString &day)
{
    db::Transaction tx(conn);
    const QString month = QString(day).remove(QLatin1Char('-')).left(6);
    QString answer = conn.callProcedure(QStringLiteral("PR_O_OZ010MS_RESET"), {{QStringLiteral("I_DATE"), month}})
                         .value(QStringLiteral("O_CHK"));
    if (!isYes(answer))
        return answer;
    answer = conn.callProcedure(QStringLiteral("PR_O_DAY_END"), {{QStringLiteral("I_DATE"), day}})
                 .value(QStringLiteral("O_CHK"));
    if (!isYes(answer))
        return answer;
    tx.commit();
    return {};
}

} // namespace

TfrmOEB030::TfrmOEB030(QWidget *parent)
    : ClosingScreen(QStringLiteral("OEB030"), QStringLiteral("구매자재 일마감"), QStringLiteral("년    월"), parent)
{
    using namespace widgets;
    declareGrids(
        {
            // field         title        width  format          options
            {"SEL",          "선택",        36,  {},             col::Tick | col::Editable},
            {"CLOS_DATE",    "마감일자",     90,  {},             col::Center},
            {"CLOS_CHK",     "마감",         40,  {},             col::Center},
        },
        {
            {"ITEM_CODE",      "품목코드",     0},
            {"ITEM_NAME",      "품 목 명",   180,  {},             col::Sortable},
            {"ITEM_STANDARD1", "규  격",     120,  {},             col::Sortable},
            {"STOCK_QTY",      "재고수량",    80,  "#,##0.0",      col::Sortable},
            {"SOOBUL_UNIT_NM", "단위",        50,  {},             col::Sortable},
            {"STOCK_COST",     "재고단가",    90,  "#,##0.0000",   col::Sortable},
            {"STOCK_AMT",      "재고금액",   100,  "#,##0",        col::Sortable},
        });
    cdsEnd->setFields({{QStringLiteral("SEL")}, {QStringLiteral("CLOS_DATE")}, {QStringLiteral("CLOS_CHK")}});
    OnUserAction(rgdEnd, &widgets::DataGrid::cellDoubleClicked, this, [this] { showDayItems(); });

    FormCreate();
    medYYMM->setPlainText(GetSystemDate().left(7));
}

void TfrmOEB030::glSelect()
{
    TfrmZOI010::glSelect();
    const QString month = medYYMM->monthText();
    if (month.isEmpty()) {
        ShowInfo(QStringLiteral("년월을 정확히 입력하여 주십시오."));
        medYYMM->setFocus();
        return;
    }
    m_month = month;
    readCalendar();
    rgdEnd->setFocus();
}

void TfrmOEB030::readCalendar()
{
    cdsItem->clear();
    if (m_month.isEmpty())
        return;
    const QDate first = QDate::fromString(m_month + QStringLiteral("01"), QStringLiteral("yyyyMMdd"));
    const QDate last = first.addMonths(1).addDays(-1);
    QHash<QString, QString> flags;
    db::Query q(ScreenConnection(), kDayFlags);
    q.bind(QStringLiteral("FIRST_DATE"), first.toString(Qt::ISODate))
        .bind(QStringLiteral("LAST_DATE"), last.toString(Qt::ISODate))
        .exec();
    while (q.next())
        flags.insert(q.text(QStringLiteral("CLOS_DATE")), q.text(QStringLiteral("CLOS_CHK")));

    cdsEnd->clear();
    cdsEnd->beginLoad(first.daysInMonth());
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        const QString text = day.toString(Qt::ISODate);
        cdsEnd->appendRow({QString(), text, flags.value(text)});
    }
    cdsEnd->endLoad();
    cdsEnd->first();
    RecordCount = cdsEnd->recordCount();
    rgdEnd->showRowCount(0, 0);
    ShowRecordCount();
    showDayItems();
}

void TfrmOEB030::showDayItems()
{
    const QString day = cdsEnd->text(QStringLiteral("CLOS_DATE"));
    if (day.isEmpty()) {
        cdsItem->clear();
        rgdItem->showRowCount(0, 1);
        return;
    }
    loadItems(kDayItems, {{QStringLiteral("STOCK_DATE"), day}});
}

QStringList TfrmOEB030::tickedDays(bool closed) const
{
    QStringList days;
    for (int row = 0; row < cdsEnd->recordCount(); ++row) {
        const QString day = cdsEnd->value(row, QStringLiteral("CLOS_DATE")).toString();
        const bool isClosed = cdsEnd->value(row, QStringLiteral("CLOS_CHK")).toString() == QLatin1String("Y");
        if (cdsEnd->value(row, QStringLiteral("SEL")).toString() == QLatin1String("1") && day.size() == 10
            && isClosed == closed)
            days.append(day);
    }
    return days;
}

// Each day stands by itself: a failing day is rolled back and reported, the
// days after it are still closed. "중지" ends the run before the next day.
void TfrmOEB030::bbEndClick()
{
    const QStringList days = tickedDays(false);
    QStringList failures;
    int closed = 0;
    bool stopped = false;
    beginRun(days.size());
    try {
        for (int i = 0; i < days.size(); ++i) {
            const QString &day = days.at(i);
            if (!nextStep(i, QStringLiteral("[%1] 일마감").arg(day))) {
                stopped = true;
                break;
            }
            QString why;
            try {
                why = closeDay(ScreenConnection(), day);
            } catch (const std::exception &e) {
                if (IsConnectionLost(e))
                    throw;
                why = QString::fromUtf8(e.what());
            }
            if (why.isEmpty())
                ++closed;
            else
                failures.append(QStringLiteral("[%1] 일마감 처리시 에러가 발생 했습니다 : %2").arg(day, why.trimmed()));
        }
    } catch (...) {
        endRun();
        throw;
    }
    endRun();
    readCalendar();

    if (!stopped && failures.isEmpty()) {
        ShowInfo(kDone);
        return;
    }
    QStringList report;
    if (stopped)
        report.append(QStringLiteral("일마감 [PR_O_DAY_END] 처리가 중지 되었습니다. (마감 %1일, 미처리 %2일)")
                          .arg(closed)
                          .arg(days.size() - closed - failures.size()));
    if (!failures.isEmpty()) {
        report.append(QStringLiteral("일마감 [PR_O_DAY_END] 처리시 에러가 발생한 일자가 있습니다. (마감 %1일, 에러 %2일)")
                          .arg(closed)
                          .arg(failures.size()));
        report.append(failures);
    }
    if (failures.isEmpty())
        ShowInfo(report.join(QLatin1Char('\n')));
    else
        ShowError(report.join(QLatin1Char('\n')));
}

// All ticked closed days are reopened together or none is.
void TfrmOEB030::bbtEnd_CancelClick()
{
    const QStringList days = tickedDays(true);
    const bool committed = RunInTransaction(FailureForm::Reporting, [&] {
        for (const QString &day : days) {
            db::Query q(ScreenConnection(), kReopenDay);
            q.bind(QStringLiteral("CLOS_DATE"), day);
            sql::BindAudit(q).exec();
        }
    });
    if (!committed)
        return;
    ShowInfo(QStringLiteral("구매자재 일마감이 취소 되었습니다."));
    readCalendar();
}

#include "moc_OEB030.cpp"
