#pragma once
#include "modules/closing/ClosingScreen.h"

// 구매자재 일마감: closes the ticked days of a month one by one, each in a
// transaction of its own, and reopens closed ones.
class TfrmOEB030 : public ClosingScreen {
    Q_OBJECT
public:
    explicit TfrmOEB030(QWidget *parent = nullptr);

    void bbEndClick() override;
    void bbtEnd_CancelClick() override;

protected:
    void glSelect() override;

private:
    // The days of the searched month with their close flags.
    void readCalendar();
    // rgdEndDblClick: the price list of the current day.
    void showDayItems();
    // Rows whose tick is set, whose date is whole and whose flag is (or is not) 'Y'.
    QStringList tickedDays(bool closed) const;

    QString m_month;   // 'YYYYMM' of the calendar shown
};
