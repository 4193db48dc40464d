// The parts document screens are declared with, each on its own: the
// record binding, the line editor, the document number, the status gate,
// the price history and the rules of the controls kit.

#include "db/Query.h"
#include "framework/Binding.h"
#include "framework/Controls.h"
#include "framework/Documents.h"
#include "framework/ErrorDisplay.h"
#include "framework/LineEditor.h"
#include "framework/PriceHistory.h"
#include "modules/requests/RequestFixtures.h"
#include "support/DialogRecorder.h"
#include "support/OtherWorkstation.h"
#include "support/Session.h"
#include "support/Typing.h"
#include "widgets/DataGrid.h"
#include "widgets/Edits.h"
#include "widgets/RecordSet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

namespace {

// A line panel (item, quantity, price) over a grid of lines, as a document
// screen declares it.
struct Lines {
    QWidget host;
    QLineEdit *item = kit::TextBox(&host, "edtITEM");
    widgets::NumEdit *qty = kit::NumberBox(&host, "edtQTY", 1, kit::Positive);
    widgets::NumEdit *price = kit::NumberBox(&host, "edtPRICE", 2, kit::Positive);
    widgets::RecordSet records;
    widgets::DataGrid grid{&host};
    std::unique_ptr<LineEditor> editor;
    QStringList shown;   // what the panel showed, line by line

    explicit Lines(std::function<QString(int)> refuseOverwrite = {})
    {
        grid.setColumns({{"SEQ", "", 0}, {"ITEM_CODE", "품목", 80}, {"QTY", "수량", 60, "#,##0.0"},
                         {"PRICE", "단가", 60, "#,##0.00"}, {"AMT", "금액", 80, "#,##0"}, {"STATE", "", 0}});
        grid.setRecordSet(&records);
        grid.setFooterCount(1);
        editor = std::make_unique<LineEditor>(
            &records, &grid, RecordBinding{{"ITEM_CODE", item}, {"QTY", qty, 1}, {"PRICE", price}},
            LineRules{.seq = QStringLiteral("SEQ"), .price = QStringLiteral("PRICE"), .amount = QStringLiteral("AMT"),
                      .countColumn = QStringLiteral("ITEM_CODE"), .sums = {QStringLiteral("AMT")},
                      .newLine = {{QStringLiteral("STATE"), QStringLiteral("N")}},
                      .checks = {{[this] { return !item->text().isEmpty(); }, QStringLiteral("품목?"), item},
                                 {[this] { return qty->value() > 0; }, QStringLiteral("수량?"), qty}},
                      .refuseOverwrite = std::move(refuseOverwrite)},
            nullptr);
        QObject::connect(editor.get(), &LineEditor::lineShown, editor.get(),
                         [this] { shown << item->text() + u'/' + QString::number(qty->value()); });
        editor->openEntryRow();
    }
    LineEditor::Applied enter(const QString &code, double q, double p)
    {
        item->setText(code);
        qty->setValue(q);
        price->setValue(p);
        return editor->apply();
    }
    QString table() const
    {
        QStringList out;
        for (int row = 0; row < records.recordCount(); ++row)
            out << QStringList{editor->text(row, "SEQ"), editor->text(row, "ITEM_CODE"), editor->text(row, "QTY"),
                               editor->text(row, "AMT"), editor->text(row, "STATE")}.join(u':');
        return out.join(u',');
    }
    QString footer(const char *field) const { return grid.footerText(0, grid.columnIndex(QLatin1String(field))); }
};

} // namespace

class TestDocuments : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void bindingReadsAndWritesEveryKindOfControl()
    {
        QWidget host;
        auto *text = kit::TextBox(&host, "t");
        auto *number = kit::NumberBox(&host, "n", 2);
        auto *date = kit::DateBox(&host, "d");
        auto *month = kit::MonthBox(&host, "m");
        auto *combo = kit::ComboBox(&host, "c", {QStringLiteral("당월현금")});
        auto *check = kit::CheckBox(&host, "k", QStringLiteral("긴급"));
        const RecordBinding binding{{"T", text}, {"N", number, 1}, {"D", date}, {"M", month}, {"C", combo}, {"K", check}};
        widgets::RecordSet records;
        records.setFields({{"T"}, {"N", widgets::FieldKind::Number}, {"D"}, {"M"}, {"C"}, {"K"}});
        records.appendRow({QStringLiteral("비고 "), 12.5, QStringLiteral("2026-02-28"), QStringLiteral("202602"),
                           QStringLiteral("익월현금"), QStringLiteral("Y")});
        records.insertRows(1, 1);

        binding.read(records, 0);
        QCOMPARE(text->text(), QStringLiteral("비고"));
        QCOMPARE(number->value(), 12.5);
        QCOMPARE(date->dateText(), QStringLiteral("2026-02-28"));
        QCOMPARE(month->monthText(), QStringLiteral("202602"));
        QCOMPARE(combo->currentText(), QStringLiteral("익월현금"));
        QVERIFY(check->isChecked());

        binding.write(records, 1);
        for (const char *field : {"T", "N", "D", "M", "C", "K"})
            QCOMPARE(records.value(1, QLatin1String(field)).toString(), records.value(0, QLatin1String(field)).toString().trimmed());

        // An empty record: the empty values, numbers that do not come back on focus.
        binding.read(records, -1);
        QCOMPARE(text->text(), QString());
        QCOMPARE(number->value(), 1.0);
        QVERIFY(date->isBlank() && month->isBlank());
        QCOMPARE(combo->currentText(), QString());
        QVERIFY(!check->isChecked());
        binding.write(records, 1);
        QVERIFY(records.value(1, QStringLiteral("T")).isNull());
        QCOMPARE(records.value(1, QStringLiteral("K")).toString(), QStringLiteral("N"));
    }

    // Append in the entry row, merge a repeated item, overwrite the current
    // line, delete; numbers, amounts and footers follow.
    void lineEditorCycle()
    {
        DialogRecorder dialogs;
        Lines l;
        QVERIFY(l.enter(QStringLiteral("A"), 2, 10) == LineEditor::Applied::Appended);
        QVERIFY(l.enter(QStringLiteral("B"), 1, 5) == LineEditor::Applied::Appended);
        QVERIFY(l.enter(QStringLiteral("A"), 3, 99) == LineEditor::Applied::Merged);   // the line's own price stays
        QCOMPARE(l.table(), QStringLiteral("1:A:5:50:N,2:B:1:5:N,::::"));
        QCOMPARE(l.footer("ITEM_CODE"), QStringLiteral("2"));
        QCOMPARE(l.footer("AMT"), QStringLiteral("55"));
        QCOMPARE(l.item->text(), QString());   // the panel waits for the next line
        QCOMPARE(l.qty->value(), 1.0);

        l.records.moveTo(1);
        QCOMPARE(l.shown.last(), QStringLiteral("B/1"));
        QVERIFY(l.enter(QStringLiteral("C"), 4, 2.5) == LineEditor::Applied::Overwritten);
        QCOMPARE(l.table(), QStringLiteral("1:A:5:50:N,2:C:4:10:N,::::"));

        l.records.moveTo(0);
        QVERIFY(l.editor->removeCurrent());
        l.records.moveTo(l.records.recordCount() - 1);
        QVERIFY(!l.editor->removeCurrent());   // the entry row is no line
        QCOMPARE(l.table(), QStringLiteral("2:C:4:10:N,::::"));
        QCOMPARE(l.footer("AMT"), QStringLiteral("10"));

        l.editor->appendLine({{QStringLiteral("ITEM_CODE"), QStringLiteral("D")}, {QStringLiteral("QTY"), 2},
                              {QStringLiteral("PRICE"), 3}});
        QCOMPARE(l.table(), QStringLiteral("2:C:4:10:N,2:D:2:6:N,::::"));
        l.editor->dropEntryRows();
        QCOMPARE(l.editor->lineCount(), 2);
        QCOMPARE(l.records.recordCount(), 2);
        QVERIFY(dialogs.messages.isEmpty());
    }

    void lineEditorRefusals_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<double>("qty");
        QTest::addColumn<bool>("onLine");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no item") << QString() << 1.0 << false << QStringLiteral("품목?") << "edtITEM";
        QTest::newRow("no quantity") << QStringLiteral("B") << 0.0 << false << QStringLiteral("수량?") << "edtQTY";
        QTest::newRow("line refuses") << QStringLiteral("B") << 1.0 << true << QStringLiteral("입고된 품목") << "";
    }
    void lineEditorRefusals()
    {
        QFETCH(QString, item);
        QFETCH(double, qty);
        QFETCH(bool, onLine);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        DialogRecorder dialogs;
        Lines l([](int row) { return row == 0 ? QStringLiteral("입고된 품목") : QString(); });
        l.host.show();
        QVERIFY(QTest::qWaitForWindowActive(&l.host));
        l.enter(QStringLiteral("A"), 2, 10);
        if (onLine)
            l.records.moveTo(0);
        QVERIFY(l.enter(item, qty, 1) == LineEditor::Applied::Refused);
        QCOMPARE(dialogs.texts(), QStringList{message});
        QCOMPARE(l.table(), QStringLiteral("1:A:2:20:N,::::"));
        if (!focus.isEmpty())
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }

    void documentNumber()
    {
        TestSession session;
        QCOMPARE(DrawDocumentNumber(session.conn(), QStringLiteral("PU"), QStringLiteral("2026-03-15")),
                 QStringLiteral("PU20260300001"));
        QCOMPARE(DrawDocumentNumber(session.conn(), QStringLiteral("PU"), QStringLiteral("2026-03-31")),
                 QStringLiteral("PU20260300002"));
        try {
            DrawDocumentNumber(session.conn(), QStringLiteral("P"), QStringLiteral("2026-03-15"));
            QFAIL("a refused number was taken");
        } catch (const EUserExcept &e) {
            QVERIFY(QString::fromUtf8(e.what()).startsWith(QLatin1String("ERR")));
        }
    }

    // Refusals by action and state; inside a transaction the gate takes the
    // document first, so another workstation's approval waits for it.
    void statusGate()
    {
        TestSession session;
        fixtures::request(session.conn(), QStringLiteral("2026-03-02"), 1, QStringLiteral("PU20260300001"),
                          QStringLiteral("3"), {QStringLiteral("L1010001")});
        const StatusGate gate{
            QStringLiteral("SELECT APPR_GUBUN FROM OA010MS WHERE PURC_DATE = :PURC_DATE AND PURC_NUM = :PURC_NUM"),
            {QStringLiteral("UPDATE OA010MS SET APPR_GUBUN = APPR_GUBUN WHERE PURC_DATE = :PURC_DATE AND PURC_NUM = :PURC_NUM")},
            {{QStringLiteral("APPR_GUBUN"), QStringLiteral("2"), QStringLiteral("수정 불가"), QStringLiteral("삭제 불가")}},
            QStringLiteral("없음")};
        const Params key{{QStringLiteral("PURC_DATE"), QStringLiteral("2026-03-02")}, {QStringLiteral("PURC_NUM"), QStringLiteral("1")}};
        const auto refusal = [&](const Params &k, GateAction action) {
            try {
                gate.check(session.conn(), k, action);
                return QString();
            } catch (const EUserExcept &e) {
                return QString::fromUtf8(e.what());
            }
        };
        QCOMPARE(refusal(key, GateAction::Edit), QString());
        QCOMPARE(refusal({{QStringLiteral("PURC_DATE"), QStringLiteral("2026-03-02")}, {QStringLiteral("PURC_NUM"), QStringLiteral("9")}},
                         GateAction::Delete),
                 QStringLiteral("없음"));

        {
            db::Transaction tx(session.conn());
            QCOMPARE(refusal(key, GateAction::Delete), QString());
            OtherWorkstation approver(session.alias());
            approver.start([](db::Connection &conn) {
                db::Query(conn, QStringLiteral("UPDATE OA010MS SET APPR_GUBUN = '2'")).exec();
            });
            QTest::qWait(300);
            // Still as this workstation read it: the approval waits.
            QCOMPARE(db::Query::scalar(session.conn(), QStringLiteral("SELECT APPR_GUBUN FROM OA010MS")), QStringLiteral("3"));
            db::Query(session.conn(), QStringLiteral("UPDATE OA010MS SET REMARK = '먼저'")).exec();
            tx.commit();
            QVERIFY(approver.finish());
            QVERIFY2(approver.error.isEmpty(), qPrintable(approver.error));
        }
        QCOMPARE(session.scalar(QStringLiteral("SELECT REMARK || '/' || APPR_GUBUN FROM OA010MS")), QStringLiteral("먼저/2"));
        QCOMPARE(refusal(key, GateAction::Edit), QStringLiteral("수정 불가"));
        QCOMPARE(refusal(key, GateAction::Delete), QStringLiteral("삭제 불가"));
    }

    void priceHistoryNewestFirst()
    {
        TestSession session;
        // Numbers out of date order: the receiving date decides.
        fixtures::inspection(session.conn(), QStringLiteral("2026-01-05"), 1, QStringLiteral("L1010001"), 100);
        fixtures::inspection(session.conn(), QStringLiteral("2026-03-01"), 1, QStringLiteral("L1010001"), 300);
        fixtures::inspection(session.conn(), QStringLiteral("2026-02-01"), 9, QStringLiteral("L1010001"), 200);
        for (int day = 1; day <= 4; ++day)
            fixtures::inspection(session.conn(), QStringLiteral("2025-12-0%1").arg(day), day, QStringLiteral("L1010001"), 10);
        fixtures::inspection(session.conn(), QStringLiteral("2026-04-01"), 1, QStringLiteral("L1010002"), 999);
        PriceHistory history;
        history.showItem(session.conn(), QStringLiteral("L1010001"));
        QCOMPARE(history.rowCount(), 5);
        QStringList seen;
        for (int row = 0; row < 4; ++row)
            seen << history.cells(0, row) + u'=' + history.cells(3, row);
        QCOMPARE(seen, (QStringList{"2026-03-01=300", "2026-02-01=200", "2026-01-05=100", "2025-12-04=10"}));
        history.showItem(session.conn(), QString());
        QCOMPARE(history.rowCount(), 0);
    }

    // What can be typed into the kit's edits.
    void kitRules_data()
    {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<bool>("positive");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::newRow("minus refused") << 1 << true << QStringLiteral("-3.5") << 3.5;
        QTest::newRow("minus allowed") << 1 << false << QStringLiteral("-3.5") << -3.5;
        QTest::newRow("whole numbers") << 0 << true << QStringLiteral("12.5") << 125.0;
    }
    void kitRules()
    {
        QFETCH(int, decimals);
        QFETCH(bool, positive);
        QFETCH(QString, typed);
        QFETCH(double, value);
        QWidget host;
        auto *number = kit::NumberBox(&host, "n", decimals, positive ? kit::Positive : kit::Plain);
        auto *code = kit::CodeBox(&host, "c", 5, 60);
        host.show();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        number->setFocus();
        number->selectAll();
        QTest::keyClicks(number, typed);
        QCOMPARE(number->value(), value);
        kit::ClearFields({number, code});
        code->setFocus();
        number->setFocus();   // a cleared number does not come back on focus
        QCOMPARE(number->value(), 0.0);
        QCOMPARE(number->text().toDouble(), 0.0);
        QTest::keyClicks(code, QStringLiteral("ab1cdef"));
        QCOMPARE(code->text(), QStringLiteral("AB1CD"));
    }
};

QTEST_MAIN(TestDocuments)
#include "tst_documents.moc"
