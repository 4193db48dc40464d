#include "modules/stock/CostReportViewer.h"
#include "reports/Viewer.h"
#include "session/Database.h"
#include "session/Dialogs.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
const QString kFolder = QStringLiteral("report/구매자재관리/");
}

CostReportViewer::CostReportViewer(const QString &programId, const QString &procedure,
                                   const QVector<CostReportView> &views, QWidget *parent)
    : TfrmZZS010(programId, parent), m_procedure(procedure), m_views(views)
{
    setWindowTitle(programId);
    bbtSearch->setText(QStringLiteral("마감/조회(F3)"));
    bbtPrint->hide();
    bbtPreview->hide();

    medDate = new widgets::MaskEdit(panSearch);
    medDate->setObjectName(QStringLiteral("medDate"));
    medDate->setEditMask(QStringLiteral("9999/99/00;1;_"));
    medDate->setFixedWidth(90);
    medDate->setPlainText(QDate::currentDate().addDays(-1).toString(QStringLiteral("yyyy-MM-dd")));
    auto *label = new QLabel(QStringLiteral("조회일자 :"), panSearch);
    label->setBuddy(medDate);
    m_searchLayout->insertWidget(0, label);
    m_searchLayout->insertWidget(1, medDate);

    auto *layout = new QVBoxLayout(panMain);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const CostReportView &v : m_views) {
        auto *viewer = new reports::ReportViewer(kFolder + v.reportFile, QString(), panMain);
        viewer->setObjectName(v.objectName);
        layout->addWidget(viewer, 1);
        m_viewers.append(viewer);
    }
    FormCreate();
}

QString CostReportViewer::argument(const QString &dateText, bool digitsOnly)
{
    const QString digits = QString(dateText).remove(QLatin1Char('/')).remove(QLatin1Char('-')).trimmed();
    const QDate day = QDate::fromString(digits, QStringLiteral("yyyyMMdd"));
    QString value = dateText;
    if (day.isValid())
        value = digitsOnly ? digits : day.toString(QStringLiteral("yyyy-MM-dd"));
    return QStringLiteral("/rp [") + value + QLatin1Char(']');
}

bool CostReportViewer::bbtSearchClick()
{
    if (!TfrmZZS010::bbtSearchClick())
        return false;
    const QString date = medDate->dateText().isEmpty() ? medDate->text() : medDate->dateText();
    // The reports show what the table holds for the day even when compiling it failed.
    try {
        const QString answer = dbsDB().callProcedure(m_procedure, {{"I_DATE", date}}).value(QStringLiteral("O_CHK"));
        if (answer != QStringLiteral("Y"))
            ShowInfo(answer);
    } catch (const std::exception &) {
    }
    medDate->setFocus();
    for (int i = 0; i < m_viewers.size(); ++i) {
        m_viewers[i]->setParameterText(argument(medDate->text(), m_views[i].digitsOnly));
        m_viewers[i]->open();
    }
    return true;
}

#include "moc_CostReportViewer.cpp"
