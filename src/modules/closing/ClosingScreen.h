#pragma once
// What the three closing screens share: a year-month in the search panel,
// "마감" and "마감취소", a list of months or days on the left and the costs
// of the current one on the right, and a progress bar with the step being
// run, whose "중지" ends a long closing before its next step.

#include "framework/ZOI010.h"

class QProgressBar;
class QPushButton;
namespace widgets { class DataGrid; class MaskEdit; class RecordSet; struct GridColumn; }

class ClosingScreen : public TfrmZOI010 {
    Q_OBJECT
public:
    ClosingScreen(const QString &programId, const QString &caption, const QString &monthLabel,
                  QWidget *parent = nullptr);

    widgets::MaskEdit *medYYMM;
    QPushButton *bbEnd, *bbtEnd_Cancel, *bbtStop;
    QProgressBar *pgbEnd;
    widgets::RecordSet *cdsEnd, *cdsItem;
    widgets::DataGrid *rgdEnd, *rgdItem;

    virtual void bbEndClick() = 0;
    virtual void bbtEnd_CancelClick() = 0;

protected:
    void glOnExitEvent(QWidget *control) override;

    // The grids' columns; called once by the screen's constructor.
    void declareGrids(const QVector<widgets::GridColumn> &endColumns, const QVector<widgets::GridColumn> &itemColumns);
    // The cost rows of the current month or day into the item grid.
    void loadItems(const QString &sql, const QList<QPair<QString, QString>> &params);

    // A run of `steps` steps: the buttons that could start another one are
    // locked and "중지" is offered until endRun().
    void beginRun(int steps);
    // Shows the step about to run and lets the user press "중지"; false when
    // the user did, and the run is to end before this step.
    bool nextStep(int done, const QString &step);
    void endRun();

private:
    bool m_stopRequested = false;
};
