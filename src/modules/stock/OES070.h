#pragma once
#include "framework/ListScreen.h"

// DAILY FOOD/BEVERAGE COST REPORT: "마감(F3)" compiles the day's report and
// shows its lines; the printout adds group subtotals and grand totals.
class TfrmOES070 : public ListScreen {
    Q_OBJECT
public:
    explicit TfrmOES070(QWidget *parent = nullptr);

    widgets::RecordSet *const cdsStock;

protected:
    void glSelect() override;
    void glOnExitEvent(QWidget *control) override;
    void printList(bool toPreview) override;

private:
    // Compiles the day in a transaction of its own (or the one open); a
    // refusal is shown and rolled back.
    void compileDay(const QString &date);
};
