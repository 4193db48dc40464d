#include "modules/closing/ClosingScreen.h"

#include "framework/Controls.h"
#include "framework/ErrorDisplay.h"
#include "framework/Records.h"
#include "session/Dialogs.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/GridColumn.h"
#include "widgets/RecordSet.h"

#include <QCoreApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

ClosingScreen::ClosingScreen(const QString &programId, const QString &caption, const QString &monthLabel,
                             QWidget *parent)
    : TfrmZOI010(programId, parent)
{
    setObjectName(QStringLiteral("frm") + programId);
    setWindowTitle(caption);
    // Batch screens: none of the entry cycle, no record navigation.
    panInput->hide();
    for (QWidget *w : {static_cast<QWidget *>(bbtAdd), static_cast<QWidget *>(bbtEdit),
                       static_cast<QWidget *>(bbtDelete), static_cast<QWidget *>(bbtSave),
                       static_cast<QWidget *>(bbtCancel), static_cast<QWidget *>(sbtFirst),
                       static_cast<QWidget *>(sbtPrior), static_cast<QWidget *>(sbtNext),
                       static_cast<QWidget *>(sbtLast)})
        w->hide();

    using namespace kit;
    medYYMM = MonthBox(panSearch, "medYYMM");
    bbEnd = makeButton(panSearch, QStringLiteral("bbEnd"), QStringLiteral("마감"));
    bbtEnd_Cancel = makeButton(panSearch, QStringLiteral("bbtEnd_Cancel"), QStringLiteral("마감취소"));
    FieldRow(m_searchLayout, {Labelled(monthLabel, {medYYMM}), Bare(bbEnd), Bare(bbtEnd_Cancel)});

    pgbEnd = new QProgressBar(panMaster);
    pgbEnd->setObjectName(QStringLiteral("pgbEnd"));
    pgbEnd->setTextVisible(true);
    pgbEnd->setRange(0, 1);
    pgbEnd->setValue(0);
    pgbEnd->setFormat(QString());
    bbtStop = makeButton(panMaster, QStringLiteral("bbtStop"), QStringLiteral("중지"));
    bbtStop->setEnabled(false);
    m_masterLayout->addWidget(pgbEnd, 1);
    m_masterLayout->addWidget(bbtStop);

    using namespace widgets;
    cdsEnd = new RecordSet(this);
    cdsItem = new RecordSet(this);
    rgdEnd = new DataGrid(panDisplay);
    rgdEnd->setObjectName(QStringLiteral("rgdEnd"));
    rgdItem = new DataGrid(panDisplay);
    rgdItem->setObjectName(QStringLiteral("rgdItem"));
    auto *grids = new QWidget(panDisplay);
    auto *gridsLayout = new QHBoxLayout(grids);
    gridsLayout->setContentsMargins(0, 0, 0, 0);
    gridsLayout->addWidget(rgdEnd, 2);
    gridsLayout->addWidget(rgdItem, 5);
    static_cast<QVBoxLayout *>(panDisplay->layout())->addWidget(grids, 1);

    OnUserAction(bbEnd, &QPushButton::clicked, this, [this] {
        if (usable(bbEnd, this))
            bbEndClick();
    });
    OnUserAction(bbtEnd_Cancel, &QPushButton::clicked, this, [this] {
        if (usable(bbtEnd_Cancel, this))
            bbtEnd_CancelClick();
    });
    connect(bbtStop, &QPushButton::clicked, this, [this] { m_stopRequested = true; });
}

void ClosingScreen::declareGrids(const QVector<widgets::GridColumn> &endColumns,
                                 const QVector<widgets::GridColumn> &itemColumns)
{
    for (widgets::DataGrid *grid : {rgdEnd, rgdItem}) {
        grid->setColumns(grid == rgdEnd ? endColumns : itemColumns);
        grid->setRecordSet(grid == rgdEnd ? cdsEnd : cdsItem);
        grid->setFooterCount(1);
        grid->setFooterTitle(0, QStringLiteral("갯수"));
    }
    rgdItem->setReadOnly(true);
    setListRecords(cdsEnd);
}

void ClosingScreen::loadItems(const QString &sql, const QList<QPair<QString, QString>> &params)
{
    OpenRecords(*cdsItem, ScreenConnection(), sql, params);
    rgdItem->clearSortMarks();
    rgdItem->showRowCount(0, 1);
}

void ClosingScreen::glOnExitEvent(QWidget *control)
{
    TfrmZOI010::glOnExitEvent(control);
    if (control != medYYMM)
        return;
    const QString digits = medYYMM->plainText();
    if (digits.size() < 6) {
        medYYMM->clear();
        return;
    }
    if (!QDate::fromString(digits + QStringLiteral("01"), QStringLiteral("yyyyMMdd")).isValid()) {
        ShowInfo(QStringLiteral("년월을 정확히 입력하여 주십시오."));
        medYYMM->clear();
        medYYMM->setFocus();
    }
}

void ClosingScreen::beginRun(int steps)
{
    m_stopRequested = false;
    for (QWidget *w : {static_cast<QWidget *>(bbEnd), static_cast<QWidget *>(bbtEnd_Cancel),
                       static_cast<QWidget *>(bbtSearch), static_cast<QWidget *>(bbtClose),
                       static_cast<QWidget *>(rgdEnd), static_cast<QWidget *>(medYYMM)})
        w->setEnabled(false);
    bbtStop->setEnabled(true);
    pgbEnd->setRange(0, qMax(steps, 1));
    pgbEnd->setValue(0);
}

bool ClosingScreen::nextStep(int done, const QString &step)
{
    pgbEnd->setFormat(QStringLiteral("%1  (%2 / %3)").arg(step).arg(done + 1).arg(pgbEnd->maximum()));
    pgbEnd->setValue(done);
    QCoreApplication::processEvents();
    return !m_stopRequested;
}

void ClosingScreen::endRun()
{
    pgbEnd->setValue(pgbEnd->maximum());
    pgbEnd->setFormat(QString());
    bbtStop->setEnabled(false);
    for (QWidget *w : {static_cast<QWidget *>(bbEnd), static_cast<QWidget *>(bbtEnd_Cancel),
                       static_cast<QWidget *>(bbtSearch), static_cast<QWidget *>(bbtClose),
                       static_cast<QWidget *>(rgdEnd), static_cast<QWidget *>(medYYMM)})
        w->setEnabled(true);
    glEnabledCheck();
}

#include "moc_ClosingScreen.cpp"
