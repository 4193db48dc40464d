#pragma once
// The purchase closing and the system closing of a month: one procedure run
// in a transaction when the month is in the state that allows it, and a
// cancel that resets the closing's flag, also only in its state.

#include "modules/closing/ClosingScreen.h"

struct MonthClosingRules {
    QString name;             // "구매마감", "전산마감"
    int closesFrom;           // the month state (Checks.h) in which the closing runs
    int cancelsFrom;          // and in which its cancel runs
    QString procedure;        // run with I_YYMM (and I_EMP_NO when passesEmployee)
    bool passesEmployee;
    QString cancelSql;        // resets the flag of :CLOS_YYMM
};

class MonthClosingScreen : public ClosingScreen {
    Q_OBJECT
public:
    MonthClosingScreen(const QString &programId, const QString &caption, MonthClosingRules rules,
                       QWidget *parent = nullptr);

    void bbEndClick() override;
    void bbtEnd_CancelClick() override;

protected:
    void glSelect() override;

private:
    // rgdEndRowChange: the average costs of the current month.
    void showMonthItems();
    // The month of the field as 'YYYY-MM' when its state is `state`; otherwise
    // the user is told why not (`missing` when the field is incomplete) and
    // the result is empty.
    QString monthInState(int state, const QString &missing);
    QString monthMessage(const QString &month, const QString &what) const;

    MonthClosingRules m_rules;
};
