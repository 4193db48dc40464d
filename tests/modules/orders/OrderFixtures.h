#pragma once
// Small fixtures of the order tests: approved purchase requests written
// straight into the request tables, and the order screens' picking dialog
// answered as a user answers it.

#include "db/Query.h"
#include "modules/orders/OBI011.h"
#include "support/DialogRecorder.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QPushButton>
#include <QtTest>

struct RequestLine {
    int seq;
    QString item;
    double qty;
    QString cCode;
    double cost;
};

// An approved request (APPR_GUBUN '2') of warehouse 110 whose lines are not ordered yet.
inline void addApprovedRequest(db::Connection &conn, const QString &purcNo, const QString &purcDate, const QString &planDate,
                               const QList<RequestLine> &lines, int purcNum = 1)
{
    db::Query(conn, QStringLiteral(
        "INSERT INTO OA010MS (PURC_DATE, STRG_CODE, PURC_NUM, PURC_NO, PLAN_DATE, CHAR_NAME, CHAR_TEL, DEPT_CODE, APPR_GUBUN) "
        "VALUES (:D, '110', :N, :NO, :P, '김현업', '033-330-1234', '1300', '2')"))
        .bind(QStringLiteral("D"), purcDate).bind(QStringLiteral("N"), purcNum).bind(QStringLiteral("NO"), purcNo)
        .bind(QStringLiteral("P"), planDate).exec();
    for (const RequestLine &l : lines)
        db::Query(conn, QStringLiteral(
            "INSERT INTO OA010DT (PURC_DATE, STRG_CODE, PURC_NUM, PURC_SEQ, PURC_NO, ITEM_CODE, QTY, C_CODE, COST_AMT, ESTI_AMT, "
            "  REMARK, ORDER_SET_YN, EMER_CHK) VALUES (:D, '110', :N, :S, :NO, :I, :Q, :C, :A, :A, :R, 'N', 'N')"))
            .bind(QStringLiteral("D"), purcDate).bind(QStringLiteral("N"), purcNum).bind(QStringLiteral("S"), l.seq)
            .bind(QStringLiteral("NO"), purcNo).bind(QStringLiteral("I"), l.item).bind(QStringLiteral("Q"), l.qty)
            .bind(QStringLiteral("C"), l.cCode).bind(QStringLiteral("A"), l.cost)
            .bind(QStringLiteral("R"), QStringLiteral("사유%1").arg(l.seq)).exec();
}

// The next picking dialog: the month box is left as it stands, which lists
// that month's requests and takes the only one; `tick` rows are ticked with
// the space bar and OK is pressed. `listed` receives the number of lines shown.
inline void answerPicking(DialogRecorder &dialogs, const QList<int> &tick, int *listed = nullptr)
{
    dialogs.dialogHandlers.enqueue([tick, listed](QDialog *d) {
        auto *dlg = qobject_cast<TfrmOBI011 *>(d);
        if (!dlg)
            return int(QDialog::Rejected);
        dlg->show();
        dlg->activateWindow();
        QApplication::setActiveWindow(dlg);
        if (!QTest::qWaitForWindowActive(dlg))
            return int(QDialog::Rejected);
        dlg->medYYMM->setFocus();
        QTest::keyClick(dlg->medYYMM, Qt::Key_Return);
        if (listed)
            *listed = dlg->cdsPurc->recordCount();
        for (int row : tick) {
            dlg->rgdPurc->setCurrentCell(0, row);
            QTest::keyClick(dlg->rgdPurc, Qt::Key_Space);
        }
        QTest::mouseClick(dlg->bbtOK, Qt::LeftButton);
        const int result = dlg->result();
        // The screen under it is the active window again, as when a modal dialog closes.
        dlg->hide();
        if (QWidget *owner = dlg->parentWidget())
            QApplication::setActiveWindow(owner->window());
        return result;
    });
}
