#pragma once
// Small fixtures of the receiving tests: confirmed orders written straight
// into the order tables, the picking dialog of the receipt screen answered
// as a user answers it, the receipt confirmation and return screens driven,
// and reading rows back.

#include "db/Query.h"
#include "modules/receiving/OCI011.h"
#include "modules/receiving/OCI020.h"
#include "modules/receiving/OCI030.h"
#include "modules/receiving/ReceiptWrite.h"
#include "support/DialogRecorder.h"
#include "support/ScreenDriver.h"
#include "widgets/DataGrid.h"
#include "widgets/RecordSet.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

struct OrderLineSpec {
    int seq;
    QString item;
    double qty;
    double cost;
};

// A confirmed order (APPR_GUBUN '2') of `cCode`, raised from a request of
// warehouse `strgCode`; no line received yet.
inline void addConfirmedOrder(db::Connection &conn, const QString &ordeNo, const QString &ordeDate, const QString &cCode,
                              const QString &strgCode, const QList<OrderLineSpec> &lines, int num = 1)
{
    const QString purcNo = QStringLiteral("PU") + ordeNo.mid(2);
    db::Query(conn, QStringLiteral(
        "INSERT INTO OA010MS (PURC_DATE, STRG_CODE, PURC_NUM, PURC_NO, APPR_GUBUN) VALUES (:D, :S, :N, :P, '2')"))
        .bind(QStringLiteral("D"), ordeDate).bind(QStringLiteral("S"), strgCode).bind(QStringLiteral("N"), num)
        .bind(QStringLiteral("P"), purcNo).exec();
    db::Query(conn, QStringLiteral(
        "INSERT INTO OB010MS (ORDE_DATE, C_CODE, ORDE_NUM, ORDE_NO, PURC_NO, APPR_GUBUN) VALUES (:D, :C, :N, :O, :P, '2')"))
        .bind(QStringLiteral("D"), ordeDate).bind(QStringLiteral("C"), cCode).bind(QStringLiteral("N"), num)
        .bind(QStringLiteral("O"), ordeNo).bind(QStringLiteral("P"), purcNo).exec();
    for (const OrderLineSpec &l : lines)
        db::Query(conn, QStringLiteral(
            "INSERT INTO OB010DT (ORDE_DATE, C_CODE, ORDE_NUM, ORDE_SEQ, ORDE_NO, ITEM_CODE, QTY, COST_AMT, AMT, TAX_GUBUN, "
            "  PUT_QTY, PUT_END, ORDE_CANCEL) VALUES (:D, :C, :N, :S, :O, :I, :Q, :A, :M, '1', 0, 'N', 'N')"))
            .bind(QStringLiteral("D"), ordeDate).bind(QStringLiteral("C"), cCode).bind(QStringLiteral("N"), num)
            .bind(QStringLiteral("S"), l.seq).bind(QStringLiteral("O"), ordeNo).bind(QStringLiteral("I"), l.item)
            .bind(QStringLiteral("Q"), l.qty).bind(QStringLiteral("A"), l.cost).bind(QStringLiteral("M"), l.qty * l.cost).exec();
}

// Every row of a statement, columns joined by ':' and rows by ','.
inline QString rows(db::Connection &conn, const QString &sql, const QList<QPair<QString, QString>> &params = {})
{
    db::Query q(conn, sql);
    for (const auto &p : params)
        q.bind(p.first, p.second);
    q.exec();
    QStringList out;
    while (q.next()) {
        QStringList cols;
        for (int c = 0; c < q.columns().size(); ++c)
            cols << q.text(c);
        out << cols.join(u':');
    }
    return out.join(u',');
}

// What the user does in the next picking dialog: ticks order lines, takes
// them, changes the quantity to receive of some of them, and presses OK.
struct OrderPicking {
    QList<int> tick;                       // rows of the order list
    QList<QPair<int, QString>> quantities;  // row of the lower list, quantity typed
    int *listed = nullptr;                 // receives the number of order lines offered
    int takes = 1;                         // presses of "입고 품목으로 선택"
    int *taken = nullptr;                  // receives the number of lines to receive
    QList<int> taxFree = {};               // rows of the lower list whose tax type is picked as "2: 비과세"
};

inline void answerOrderPicking(DialogRecorder &dialogs, const OrderPicking &picking)
{
    dialogs.dialogHandlers.enqueue([picking](QDialog *d) {
        auto *dlg = qobject_cast<TfrmOCI011 *>(d);
        if (!dlg)
            return int(QDialog::Rejected);
        dlg->show();
        QApplication::setActiveWindow(dlg);
        if (!QTest::qWaitForWindowActive(dlg))
            return int(QDialog::Rejected);
        if (picking.listed)
            *picking.listed = dlg->cdsOrde->recordCount();
        for (int row : picking.tick) {
            dlg->rgdOrde->setCurrentCell(0, row);
            QTest::keyClick(dlg->rgdOrde, Qt::Key_Space);
        }
        for (int i = 0; i < picking.takes; ++i)
            QTest::mouseClick(dlg->BitBtn1, Qt::LeftButton);
        if (picking.taken)
            *picking.taken = dlg->cdsInsp->recordCount();
        for (const auto &q : picking.quantities) {
            dlg->rgdInsp->setFocus();
            dlg->rgdInsp->setCurrentCell(dlg->rgdInsp->columnIndex(QStringLiteral("IN_QTY")), q.first);
            QTest::keyClick(dlg->rgdInsp, Qt::Key_F2);
            auto *editor = dlg->rgdInsp->viewport()->findChild<QLineEdit *>();
            if (!editor)
                return int(QDialog::Rejected);
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editor, q.second);
            QTest::keyClick(editor, Qt::Key_Return);
            QTest::qWait(20);
        }
        for (int row : picking.taxFree) {
            dlg->rgdInsp->setFocus();
            dlg->rgdInsp->setCurrentCell(dlg->rgdInsp->columnIndex(QStringLiteral("TAX_GUBUN_NM")), row);
            QTest::keyClick(dlg->rgdInsp, Qt::Key_F2);
            auto *list = dlg->rgdInsp->viewport()->findChild<QComboBox *>();
            if (!list)
                return int(QDialog::Rejected);
            QTest::keyClick(list, Qt::Key_Down);
            QTest::keyClick(list, Qt::Key_Return);
            QTest::qWait(20);
        }
        QTest::mouseClick(dlg->bbtOK, Qt::LeftButton);
        const int result = dlg->result();
        dlg->hide();
        if (QWidget *owner = dlg->parentWidget())
            QApplication::setActiveWindow(owner->window());
        return result;
    });
}

// An unconfirmed receipt written as the receipt screen writes it; its number.
inline QString addReceipt(db::Connection &conn, const QString &date, const QString &cCode, const QString &strgCode,
                          const QVector<receiving::ReceiptLine> &lines)
{
    receiving::ReceiptDraft draft;
    draft.key = {date, cCode, QString()};
    draft.inspNo = DrawDocumentNumber(conn, QStringLiteral("IN"), date);
    draft.strgCode = strgCode;
    draft.inspEmpNo = QStringLiteral("A0000001");
    draft.lines = lines;
    receiving::writeReceipt(conn, draft);
    return draft.inspNo;
}

// The receipt confirmation screen: search, tick receipts by number, run
// "확정" (or its reversal), type the confirmation date.
struct ReceiptConfirmationScreen : ScreenDriver<TfrmOCI020> {
    void search() { key(Qt::Key_F3); }
    int rowOf(const QString &inspNo) const
    {
        for (int r = 0; r < form.cdsOC010MS->recordCount(); ++r)
            if (form.cdsOC010MS->value(r, QStringLiteral("INSP_NO")).toString() == inspNo)
                return r;
        return -1;
    }
    void tick(const QStringList &inspNos)
    {
        for (const QString &no : inspNos) {
            form.rgdOC010MS->setFocus();
            form.rgdOC010MS->setCurrentCell(0, rowOf(no));
            QTest::keyClick(form.rgdOC010MS, Qt::Key_Space);
        }
    }
    void run(const QStringList &inspNos)
    {
        tick(inspNos);
        QTest::mouseClick(form.bbtAppr, Qt::LeftButton);
    }
    void typeDate(const QString &date)
    {
        form.medPUT_DATE->setFocus();
        form.medPUT_DATE->selectAll();
        QTest::keyClicks(form.medPUT_DATE, QString(date).remove(u'-'));
        QTest::keyClick(form.medPUT_DATE, Qt::Key_Return);
    }
};

// The return of issued goods screen: lines typed by item code and quantity.
struct IssuedGoodsReturnScreen : ScreenDriver<TfrmOCI030> {
    void type(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        typeText(e, text);
    }
    void leave(QWidget *e) { QTest::keyClick(e, Qt::Key_Return); }
    void line(const QString &item, const QString &qty)
    {
        type(form.edtITEM_CODE, item);
        leave(form.edtITEM_CODE);
        type(form.edtQTY, qty);
        QTest::mouseClick(form.btnLineAppend, Qt::LeftButton);
    }
    int lineRows() const
    {
        int n = 0;
        for (int r = 0; r < form.cdsOD010DT->recordCount(); ++r)
            n += form.cdsOD010DT->value(r, QStringLiteral("ITEM_CODE")).toString().isEmpty() ? 0 : 1;
        return n;
    }
};
