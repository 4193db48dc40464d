#pragma once
// Stock to issue from, the checks the issue screens' tests share, and the
// drivers of the entry and confirmation screens.

#include "db/Query.h"
#include "support/StockFixtures.h"
#include "support/StockInvariants.h"
#include "support/ScreenDriver.h"
#include "support/Session.h"

#include <QRadioButton>
#include <QtTest>

namespace issuefx {

inline QString today(TestSession &s) { return s.scalar(QStringLiteral("SELECT TO_CHAR(SYSDATE(),'YYYY-MM-DD')")); }

// The stock a test starts from: one confirmed receipt into `strg` on
// `date`, posted (one call per test: the receipt's key is fixed).
inline void receive(TestSession &s, const QString &strg, const QList<stockfx::Line> &lines, const QString &date)
{
    const QString no = QStringLiteral("IN20260100001");
    stockfx::Documents(s.conn()).receipt(no, strg, lines, date);
    QCOMPARE(stockfx::post(s.conn(), QStringLiteral("PR_O_DATE_STOCK_PUT_UPDATE"), QStringLiteral("I_PUT_NO"), no,
                           QStringLiteral("INS")), QStringLiteral("Y"));
}

// The stock of the item in the warehouse in the date's month.
inline double stock(TestSession &s, const QString &strg, const QString &item, const QString &date)
{
    return s.scalar(QStringLiteral("SELECT COALESCE(MAX(STOC_QTY),0) FROM OZ010MS WHERE STRG_CODE = :S AND ITEM_CODE = :I "
                                   "AND STOC_YYMM = :M"),
                    {{QStringLiteral("S"), strg}, {QStringLiteral("I"), item}, {QStringLiteral("M"), QString(date).remove(u'-').left(6)}})
        .toDouble();
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

// A date typed into a date field as a user types it: digits, then Enter.
inline void typeDate(QLineEdit *field, const QString &date)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QString(date).remove(u'-'));
    QTest::keyClick(field, Qt::Key_Return);
}

// An issue entry screen (issue requests, other issues).
template <typename Form>
struct IssueEntryScreen : ScreenDriver<Form> {
    using ScreenDriver<Form>::form;
    using ScreenDriver<Form>::key;
    void type(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        typeText(e, text);
    }
    void leave(QWidget *e) { QTest::keyClick(e, Qt::Key_Return); }
    // F4, the issue date when one is given, the warehouse typed by its code.
    void startIssue(const QString &strg, const QString &date = {})
    {
        key(Qt::Key_F4);
        if (!date.isEmpty())
            typeDate(form.medDELI_DATE, date);
        type(form.edtSTRG_CODE, strg);
        leave(form.edtSTRG_CODE);
    }
    // An item by its name, a quantity, "추가".
    void addLine(const QString &itemName, const QString &qty)
    {
        type(form.edtITEM_NAME, itemName);
        leave(form.edtITEM_NAME);
        type(form.edtQTY, qty);
        QTest::mouseClick(form.btnLineAppend, Qt::LeftButton);
    }
    QString lines() const
    {
        QStringList out;
        for (int r = 0; r < form.cdsOD010DT->recordCount(); ++r)
            if (!form.cdsOD010DT->value(r, QStringLiteral("ITEM_CODE")).toString().isEmpty())
                out << form.cdsOD010DT->value(r, QStringLiteral("ITEM_CODE")).toString() + u':'
                        + QString::number(form.cdsOD010DT->value(r, QStringLiteral("QTY")).toDouble());
        return out.join(u',');
    }
};

// A transfer entry screen (transfers, transfer issue-outs).
template <typename Form>
struct TransferEntryScreen : ScreenDriver<Form> {
    using ScreenDriver<Form>::form;
    using ScreenDriver<Form>::key;
    void type(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        typeText(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }
    // F4, source and target, one line of the tenderloin, F2.
    void save(const QString &from, const QString &to, const QString &qty, const QString &date = {})
    {
        enter(from, to, qty, date);
        key(Qt::Key_F2);
    }
    // As save, without F2; the transfer date typed when one is given.
    void enter(const QString &from, const QString &to, const QString &qty, const QString &date = {})
    {
        key(Qt::Key_F4);
        if (!date.isEmpty())
            typeDate(form.medMOVE_DATE, date);
        type(form.edtFROM_STRG_CODE, from);
        type(form.edtTO_STRG_CODE, to);
        type(form.edtITEM_NAME, QStringLiteral("한우 안심"));
        form.edtQTY->setFocus();
        form.edtQTY->selectAll();
        QTest::keyClicks(form.edtQTY, qty);
        QTest::mouseClick(form.btnLineAppend, Qt::LeftButton);
    }
};

// A confirmation screen (issues, transfers, transfer issue-outs); its
// documents are named by `numberColumn` (DELI_NO, MOVE_NO).
template <typename Form>
struct ConfirmationListScreen : ScreenDriver<Form> {
    using ScreenDriver<Form>::form;
    using ScreenDriver<Form>::key;
    explicit ConfirmationListScreen(QString column = QStringLiteral("DELI_NO")) : numberColumn(std::move(column)) {}
    const QString numberColumn;
    // Search, then tick the rows of the given numbers.
    void tick(const QStringList &numbers)
    {
        key(Qt::Key_F3);
        for (int r = 0; r < form.cdsList->recordCount(); ++r)
            if (numbers.contains(form.cdsList->value(r, numberColumn).toString()))
                form.cdsList->setValue(r, QStringLiteral("SEL"), QStringLiteral("1"));
    }
    void run() { QTest::mouseClick(form.bbtAppr, Qt::LeftButton); }
    QString shown(const QString &no, const char *field) const
    {
        const int r = form.cdsList->find(numberColumn, no);
        return form.cdsList->value(r, QLatin1String(field)).toString();
    }
};

// The return to supplier entry screen.
template <typename Form>
struct SupplierReturnScreen : ScreenDriver<Form> {
    using ScreenDriver<Form>::form;
    using ScreenDriver<Form>::key;
    void type(QLineEdit *e, const QString &text)
    {
        e->setFocus();
        e->selectAll();
        typeText(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }
    void addLine(const QString &itemName, const QString &qty, const QString &cost, const QString &tax, bool exchange,
                 const QString &remark = {})
    {
        type(form.edtITEM_NAME, itemName);
        type(form.edtQTY, qty);
        type(form.edtCOST_AMT, cost);
        type(form.edtTAX_AMT, tax);
        (exchange ? form.rbRetu_gb1 : form.rbRetu_gb2)->setChecked(true);
        if (remark.isEmpty())
            QTest::mouseClick(form.btnLineAppend, Qt::LeftButton);
        else
            type(form.edtREMARK, remark);   // Enter in the remark adds the line
    }
    // F4, the return date when one is given (else today's), warehouse, supplier by name, reason.
    void startReturn(const QString &strg, const QString &date = {})
    {
        key(Qt::Key_F4);
        if (!date.isEmpty())
            typeDate(form.medRETU_DATE, date);
        type(form.edtSTRG_CODE, strg);
        type(form.edtC_CODE_NM, QStringLiteral("한우명가"));
        type(form.edtRETU_REAS, QStringLiteral("품질불량"));
    }
};

#define VERIFY_STOCK_INVARIANTS(session)                                                   \
    do {                                                                                   \
        const QStringList broken = stockfx::checkInvariants((session).conn());             \
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(u'\n')));                        \
    } while (false)

} // namespace issuefx
